#include "gasmon/ui/autogasdlg.h"

#include "gasmon/enginehelpers.h"
#include "platform/draw/fonts.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/ui/svedit.h"
#include "wellfile/profile.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace gasmon {

namespace {

enum class Kind { Static, Edit, Check, Radio, FirstRadio, Button, Combo, List };

// One control of the resource: its place in dialog units; `limit` the characters an edit takes.
struct Item {
    Kind kind;
    int id;
    const char* text;
    int x, y, w, h;
    int limit = 10;
};

// Labels the rules never address.
constexpr int kPlain = 2000;

constexpr int kWidth = 575, kHeight = 390;
constexpr int kAdvancedPixels = 100;

// The resource's controls in tab order, placed in three columns (the gas rows; the instrument's rows;
// the depth options over the instrument type and the buttons) whose texts fit the dialog font's units,
// so that the form and the correction factors "Advanced" brings in fit a 1,024 x 768 screen.
const Item kItems[] = {
    {Kind::Static, kPlain + 1, "Elution Times", 22, 4, 57, 9},
    {Kind::Static, kPlain + 2, "Drift", 80, 4, 27, 9},
    {Kind::Static, kPlain + 3, "Ratio's", 112, 4, 30, 9},
    {Kind::Static, kC1RowLabel, "C1", 5, 17, 26, 9},
    {Kind::Edit, kElutionC1, "", 32, 15, 36, 12},
    {Kind::Edit, kDriftC1, "", 71, 15, 36, 12},
    {Kind::Edit, kRatioC1, "", 110, 15, 36, 12},
    {Kind::Static, kPlain + 4, "C2", 5, 31, 26, 9},
    {Kind::Edit, kElutionC2, "", 32, 29, 36, 12},
    {Kind::Edit, kDriftC2, "", 71, 29, 36, 12},
    {Kind::Edit, kRatioC2, "", 110, 29, 36, 12},
    {Kind::Static, kPlain + 5, "C3", 5, 45, 26, 9},
    {Kind::Edit, kElutionC3, "", 32, 43, 36, 12},
    {Kind::Edit, kDriftC3, "", 71, 43, 36, 12},
    {Kind::Edit, kRatioC3, "", 110, 43, 36, 12},
    {Kind::Static, kPlain + 6, "IC4", 5, 59, 26, 9},
    {Kind::Edit, kElutionIC4, "", 32, 57, 36, 12},
    {Kind::Edit, kDriftIC4, "", 71, 57, 36, 12},
    {Kind::Edit, kRatioIC4, "", 110, 57, 36, 12},
    {Kind::Static, kPlain + 7, "NC4", 5, 73, 26, 9},
    {Kind::Edit, kElutionNC4, "", 32, 71, 36, 12},
    {Kind::Edit, kDriftNC4, "", 71, 71, 36, 12},
    {Kind::Edit, kRatioNC4, "", 110, 71, 36, 12},
    {Kind::Static, kC5RowLabel, "C5", 5, 87, 26, 9},
    {Kind::Edit, kElutionC5, "", 32, 85, 36, 12},
    {Kind::Edit, kDriftC5, "", 71, 85, 36, 12},
    {Kind::Edit, kRatioC5, "", 110, 85, 36, 12},
    {Kind::Static, kPlain + 8, "Chrom Zero", 5, 103, 51, 9},
    {Kind::Edit, kChromZero, "", 57, 101, 30, 12},
    {Kind::Static, kPlain + 9, "(Seconds)", 90, 103, 44, 9},
    {Kind::Static, kC4ZeroLabel, "C4 Zero", 5, 117, 35, 9},
    {Kind::Edit, kC4Zero, "", 57, 115, 30, 12},
    {Kind::Static, kPlain + 10, "Ratio Mode", 5, 120, 50, 9},
    {Kind::FirstRadio, kRatioCalculated, "Calculated Ratio's", 5, 131, 93, 10},
    {Kind::Radio, kRatioNone, "No Ratio's", 5, 143, 64, 10},
    {Kind::Button, kClearRatios, "Clear Ratio's", 86, 142, 62, 14},
    {Kind::Check, kTotalChromat, "Use Total Chromat To Calulate Ratios", 5, 157, 175, 10},
    {Kind::Static, kMethaneFrame, "Methane Mode", 5, 172, 63, 9},
    {Kind::FirstRadio, kPlotMethane, "Plot Methane", 70, 171, 76, 10},
    {Kind::Radio, kPlotSummary, "Plot Summary", 70, 183, 78, 10},
    {Kind::Static, kDataHeading, "", 5, 250, 385, 10},
    {Kind::List, kDataList, "", 5, 261, 385, 86},

    {Kind::Static, kPlain + 11, "Span", 220, 4, 30, 9},
    {Kind::Static, kPlain + 12, "Attenuator", 258, 4, 46, 9},
    {Kind::Static, kPlain + 13, "Zero", 305, 4, 28, 9},
    {Kind::Static, kPlain + 14, "Conn Time Out", 338, 4, 63, 9},
    {Kind::Static, kPlain + 15, "Hotwire ", 152, 17, 65, 9},
    {Kind::Edit, kHwSpan, "", 218, 15, 36, 12},
    {Kind::Edit, kHwAttenuator, "", 258, 15, 36, 12},
    {Kind::Edit, kHwZero, "", 298, 15, 36, 12},
    {Kind::Edit, kConnTimeOut, "", 338, 15, 36, 12},
    {Kind::Static, kPlain + 16, "Chromatograph ", 152, 31, 65, 9},
    {Kind::Edit, kChSpan, "", 218, 29, 36, 12},
    {Kind::Edit, kChAttenuator, "", 258, 29, 36, 12},
    {Kind::Static, kCh3Label, "Channel 3", 152, 45, 65, 9},
    {Kind::Edit, kCh3Span, "", 218, 43, 36, 12},
    {Kind::Edit, kCh3Attenuator, "", 258, 43, 36, 12},
    {Kind::Edit, kCh3Zero, "", 298, 43, 36, 12},
    {Kind::Static, kCh4Label, "Channel 4", 152, 59, 65, 9},
    {Kind::Edit, kCh4Span, "", 218, 57, 36, 12},
    {Kind::Edit, kCh4Attenuator, "", 258, 57, 36, 12},
    {Kind::Edit, kCh4Zero, "", 298, 57, 36, 12},
    {Kind::Static, kReadingsLabel, "Max Readings", 338, 31, 62, 9},
    {Kind::Edit, kReadings, "", 338, 43, 36, 12},
    {Kind::Static, kPlain + 17, "HW Delay", 152, 77, 65, 9},
    {Kind::Edit, kHwDelay, "", 218, 75, 36, 12},
    {Kind::Static, kPlain + 18, "Gas Com Port", 258, 77, 59, 9},
    {Kind::Edit, kGasComPort, "", 318, 75, 25, 12},
    {Kind::Static, kWitsComPortLabel, "Wits Com Port", 152, 91, 65, 9},
    {Kind::Edit, kWitsComPort, "", 218, 89, 25, 12},
    {Kind::Static, kIpLabel, "IP Address", 258, 91, 44, 9},
    {Kind::Edit, kIp1, "", 303, 89, 22, 12},
    {Kind::Edit, kIp2, "", 327, 89, 22, 12},
    {Kind::Edit, kIp3, "", 351, 89, 22, 12},
    {Kind::Edit, kIp4, "", 375, 89, 22, 12},
    {Kind::Static, kPlain + 19, "Calibrated at (PSI)", 152, 105, 77, 9},
    {Kind::Edit, kPressure, "", 230, 103, 36, 12},
    {Kind::Static, kPlain + 20, "DATE", 270, 105, 25, 9},
    {Kind::Edit, kDate, "", 298, 103, 80, 12, 18},
    {Kind::Static, kCycleTimeLabel, "Cycle Time", 152, 119, 65, 9},
    {Kind::Edit, kCycleTime, "", 218, 117, 36, 12, 20},
    {Kind::Static, kMvRangeLabel, "MV Range", 258, 119, 44, 9},
    {Kind::Edit, kMvRange, "", 303, 117, 36, 12},
    {Kind::Static, kThresholdLabel, "Voltage Threshold", 152, 133, 77, 9},
    {Kind::Edit, kThreshold, "", 230, 131, 36, 12, 20},
    {Kind::Static, kWitsIntervalLabel, "Wits Interval (sec)", 152, 147, 78, 9},
    {Kind::Edit, kWitsInterval, "", 232, 145, 30, 12},
    {Kind::Static, kWtoLabel, "WTO", 266, 147, 24, 9},
    {Kind::Edit, kWto, "", 292, 145, 36, 12},
    {Kind::Static, kMaxCharLabel, "Max Char", 331, 147, 42, 9},
    {Kind::Edit, kMaxChar, "", 375, 145, 22, 12},
    {Kind::Static, kBpsLabel, "BPS", 155, 161, 22, 9},
    {Kind::Edit, kBps, "", 180, 159, 40, 12},
    {Kind::Static, kChTimeOutLabel, "CH T.O.", 228, 161, 33, 9},
    {Kind::Edit, kChTimeOut, "", 263, 159, 30, 12},
    {Kind::Static, kIsoLabel, "Auto ISO Interval ( 0 to disable)", 152, 175, 131, 9},
    {Kind::Edit, kIsoInterval, "", 284, 173, 26, 12},
    {Kind::Static, kPlain + 21, "Surface Lag Time", 152, 189, 74, 9},
    {Kind::Edit, kSurfaceLag, "", 230, 187, 28, 12},
    {Kind::Static, kIntegratorLabel, "Integrator File", 152, 203, 65, 9},
    {Kind::Edit, kIntegratorFile, "", 218, 201, 130, 12, 259},
    {Kind::Button, kBrowse, "Browse", 352, 200, 42, 14},
    {Kind::Static, kWitsModeFrame, "Wits Mode", 152, 219, 46, 9},
    {Kind::FirstRadio, kPason, "Pason", 200, 218, 46, 10},
    {Kind::Radio, kOther, "Other", 250, 218, 46, 10},
    {Kind::Edit, kSpanInfo, "", 155, 233, 235, 12, 1024},

    {Kind::Static, kDepthFrame, "Depth", 404, 4, 60, 9},
    {Kind::Check, kDepthOnModule, "Depth On Acromag", 404, 15, 166, 10},
    {Kind::Static, kStatusDepthNote, "Depth steps from the instrument status", 404, 15, 166, 9},
    {Kind::Check, kOffBottomOnModule, "Off Bottom on Acromag", 404, 27, 166, 10},
    {Kind::Check, kTriggerOnHigh, "Trigger On High", 404, 39, 166, 10},
    {Kind::FirstRadio, kDepthCh3, "Depth on CH 3", 404, 51, 166, 10},
    {Kind::Radio, kDepthCh4, "Depth on CH 4", 404, 62, 166, 10},
    {Kind::Static, kOffBottomFrame, "Off Bottom", 404, 74, 60, 9},
    {Kind::FirstRadio, kOffBotCh3, "Off Bot on CH 3", 404, 74, 83, 10},
    {Kind::Radio, kOffBotCh4, "Off Bot on CH 4", 487, 74, 83, 10},
    {Kind::Check, kStoreCalibration, "Store Calibration", 404, 87, 166, 10},
    {Kind::Check, kAutoTc, "Auto TC ", 404, 99, 166, 10},
    {Kind::Check, kCustomOnCh3, "Custom On CH 3", 404, 111, 166, 10},
    {Kind::Check, kOwnControl, "Strativ Control", 404, 123, 166, 10},
    {Kind::Check, kPpm, "PPM", 404, 135, 166, 10},
    {Kind::Check, kSri, "SRI Intergrator", 404, 147, 166, 10},
    {Kind::Check, kBaselineIntegrator, "BASELINE Intergrator", 404, 159, 166, 10},
    {Kind::Check, kBaselineFid, "BASELINE FID", 404, 171, 166, 10},
    {Kind::Check, kDisplayOn, "Display On", 404, 183, 166, 10},
    {Kind::Check, kFitChromat, "FIT Chomatograph", 404, 195, 166, 10},
    {Kind::Check, kUseTcHigh, "Use TC When High", 404, 207, 96, 10},
    {Kind::Edit, kTcHighField, "", 502, 206, 30, 12},
    {Kind::Check, kAutoBypass, "Auto Bypass on Connections", 404, 219, 166, 10},

    {Kind::Static, kPlain + 22, "Instrument Type", 404, 235, 80, 9},
    {Kind::Combo, kInstrumentList, "", 404, 245, 166, 12},
    {Kind::Button, kSave, "Save", 404, 263, 80, 14},
    {Kind::Button, kClose, "Close", 490, 263, 80, 14},
    {Kind::Button, kViewGas, "View Gas Data", 404, 281, 80, 14},
    {Kind::Button, kViewChart, "View Chart Data", 490, 281, 80, 14},
    {Kind::Button, kSaveToFile, "Save To File", 404, 299, 80, 14},
    {Kind::Button, kSetElution, "Set Elution Times", 404, 317, 80, 14},
    {Kind::Button, kSetSpan, "Set Chrom Span", 490, 317, 80, 14},
    {Kind::Button, kSampleNow, "Sample Now", 404, 335, 80, 14},
    {Kind::Button, kCloseBlock, "Close Block", 490, 335, 80, 14},
    {Kind::Button, kIsoSampleNow, "ISO SAMPLE NOW", 404, 353, 80, 14},
    {Kind::Button, kOpenClear, "Open Clear", 490, 353, 80, 14},
    {Kind::Button, kHelp, "Help", 404, 371, 80, 14},
    {Kind::Button, kAdvanced, "Advanced", 490, 371, 80, 14},

    // The correction factors lie beyond the right edge until "Advanced" widens the window; their
    // heading takes two lines there.
    {Kind::Static, kTgaLabel, "TGA Correction", kWidth + 2, 1, 60, 18},
};

// The window manager's frame round `w`; for a window not framed yet, its owner's.
QMargins FrameOf(const QWidget& w)
{
    const QWidget* framed = w.frameGeometry() == w.geometry() && w.parentWidget() ? w.parentWidget()->window() : &w;
    const QRect inner = framed->geometry(), outer = framed->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

AutoGasDlg::AutoGasDlg(QWidget* parent, GasSetupSession& session, QPointer<QWidget>& helpWindow)
    : Dialog(parent, QStringLiteral("STRATIV GAS MONITOR SETUP")), session_(session), helpOwner_(parent),
      helpWindow_(helpWindow)
{
    Build();
    setMouseTracking(true);
    On(kSave, platform::BN_CLICKED, [this] { CmSave(); });
    On(kInstrumentList, platform::CBN_SELCHANGE, [this] { EvTypeChange(); });
    On(kSri, platform::BN_CLICKED, [this] { EvSri(); });
    On(kBaselineIntegrator, platform::BN_CLICKED, [this] { EvBaselineIntegrator(); });
    On(kDepthOnModule, platform::BN_CLICKED, [this] { EvDepthOnModule(); });
    On(kPlotMethane, platform::BN_CLICKED, [this] { EvMethaneMode(); });
    On(kPlotSummary, platform::BN_CLICKED, [this] { EvMethaneMode(); });
    On(kOwnControl, platform::BN_CLICKED, [this] { EvOwnControl(); });
    On(kUseTcHigh, platform::BN_CLICKED, [this] { Enable(kTcHighField, GetCheck(kUseTcHigh) != platform::BST_CHECKED); });
    On(kAdvanced, platform::BN_CLICKED, [this] { CmAdvanced(); });
    On(kClearRatios, platform::BN_CLICKED, [this] { CmClearRatios(); });
    ConnectEngineButtons();
}

void AutoGasDlg::Build()
{
    for (const Item& c : kItems) {
        const QString text = QString::fromLatin1(c.text);
        switch (c.kind) {
        case Kind::Static: AddStatic(c.id, text); break;
        case Kind::Edit: AddEdit(c.id, c.limit + 1); break;
        case Kind::Check: AddCheck(c.id, text); break;
        case Kind::Radio: AddRadio(c.id, text); break;
        case Kind::FirstRadio: AddRadio(c.id, text, true); break;
        case Kind::Button: AddButton(c.id, text); break;
        case Kind::Combo: AddCombo(c.id); break;
        case Kind::List: AddList(c.id); break;
        }
        PlaceAt(c.id, c.x, c.y, c.w, c.h);
    }
    if (auto* heading = ControlAs<QLabel>(kTgaLabel))
        heading->setWordWrap(true);
    for (int i = 0; i < 19; ++i) {
        const int y = 20 + 14 * i;
        const int label = kPlain + 100 + i;
        AddStatic(label, QStringLiteral("P%1").arg(i));
        PlaceAt(label, kWidth + 2, y + 2, 18, 9);
        AddEdit(kCorrectionIds[i], 11);
        PlaceAt(kCorrectionIds[i], kWidth + 21, y, 36, 12);
    }
    SetDialogUnitSize(kWidth, kHeight);
    // The form keeps the dialog font: it fits a 1,024 x 768 screen, "Advanced" included, by its layout.
    // Labels that change their text are fitted with the longer one.
    const std::pair<int, const char*> longer[] = {{kC1RowLabel, "SUM"},
                                                  {kC5RowLabel, "METH"},
                                                  {kCh3Label, "10% Factor"},
                                                  {kCh4Label, "50% Factor"}};
    std::vector<QString> kept;
    for (const auto& [id, text] : longer) {
        kept.push_back(GetText(id));
        SetText(id, QString::fromLatin1(text));
    }
    FitPlacedTexts();
    for (std::size_t i = 0; i < kept.size(); ++i)
        SetText(longer[i].first, kept[i]);
    FitScreen();
}

void AutoGasDlg::FitScreen()
{
    const SetupInputs in = session_.Inputs();
    const QSize room = QSize(in.screenWidth, in.screenHeight).shrunkBy(FrameOf(*this));
    if (in.screenWidth <= 0 || (width() + kAdvancedPixels <= room.width() && height() <= room.height()))
        return;
    page_ = new QWidget;
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) {
            const bool hidden = w->isHidden();
            w->setParent(page_);
            w->setHidden(hidden);
        }
    page_->setFixedSize(size());
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page_);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int wide = std::min(width() + kAdvancedPixels, room.width());
    const int high = std::min(height() + (wide < width() + kAdvancedPixels ? bar : 0), room.height());
    setFixedSize(wide, high);
    area->setGeometry(rect());
}

void AutoGasDlg::PlaceOnScreen()
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred over the owner as wide as "Advanced" makes it (a scrolled page widens inside the window).
    const QRect area = screen->availableGeometry();
    const QSize whole = QSize(width() + (page_ ? 0 : kAdvancedPixels), height()).grownBy(FrameOf(*this));
    const QPoint centre = owner ? owner->frameGeometry().center() : area.center();
    const auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    move(within(centre.x() - whole.width() / 2, area.left(), area.right() + 1 - whole.width()),
         within(centre.y() - whole.height() / 2, area.top(), area.bottom() + 1 - whole.height()));
}

void AutoGasDlg::SetupWindow()
{
    const QFont listFont = platform::MakeQFont(platform::Font::FromLogFont(session_.ListFont()), 96);
    for (int id : {kDataList, kDataHeading})
        if (QWidget* w = Control(id))
            w->setFont(listFont);
    const SetupView view = session_.OpenView();
    ClearStrings(kInstrumentList);
    for (const QString& text : view.typeList)
        AddString(kInstrumentList, text);
    SetSelIndex(kInstrumentList, view.selectedType);
    shownType_ = view.selectedType;
    Apply(view);
    CmOpenClear();
    PlaceOnScreen();
}

void AutoGasDlg::Apply(const SetupView& view)
{
    for (const auto& [id, state] : view.controls) {
        if (state.text)
            SetText(id, *state.text);
        if (state.checked)
            SetCheck(id, *state.checked ? platform::BST_CHECKED : platform::BST_UNCHECKED);
        if (state.enabled)
            Enable(id, *state.enabled);
        if (state.shown)
            Show(id, *state.shown);
    }
}

void AutoGasDlg::EvTypeChange()
{
    const int type = GetSelIndex(kInstrumentList);
    if (type < 0 || type == shownType_)
        return;
    const std::optional<SetupView> view = session_.ChangeType(type);
    if (!view) {
        SetSelIndex(kInstrumentList, shownType_);
        return;
    }
    shownType_ = type;
    Apply(*view);
}

namespace {

class DialogForm final : public SetupForm {
public:
    explicit DialogForm(const platform::Dialog& d) : d_(d) {}
    QString Text(int id) const override { return d_.GetText(id); }
    bool Checked(int id) const override { return d_.GetCheck(id) == platform::BST_CHECKED; }
    bool Shown(int id) const override
    {
        const QWidget* w = d_.Control(id);
        return w && !w->isHidden();
    }

private:
    const platform::Dialog& d_;
};

}  // namespace

void AutoGasDlg::CmSave()
{
    // The views' buffers go with a saved record; the view goes with them, so "Save To File" never writes
    // an empty buffer.
    if (session_.Save(DialogForm(*this)))
        CloseDataView();
}

void AutoGasDlg::EvSri()
{
    const SetupInputs in = session_.Inputs();
    const GASMONCFG& cfg = session_.Record();
    Show(kCh3Label, false);
    Show(kCh4Label, false);
    if (GetCheck(kSri) == platform::BST_CHECKED && in.profile != 35) {
        SetText(kCh3Label, QStringLiteral("10% Factor"));
        SetText(kCh4Label, QStringLiteral("50% Factor"));
        SetCheck(kAutoTc, platform::BST_UNCHECKED);
        Enable(kAutoTc, false);
    } else if (cfg.autoTc == 0) {
        const int T = in.instrumentType;
        const bool tcTypes = (T < 5 && T != 1 && in.profile != 88 && in.profile != 23) || TypeIn(T, {12, 8, 15});
        SetText(kCh3Label, tcTypes ? QStringLiteral(" TC on Ch4") : QStringLiteral("Channel 3"));
        SetText(kCh4Label, QStringLiteral("Channel 4"));
        for (int id : {kAutoTc, kCustomOnCh3}) {
            Show(id, tcTypes);
            Enable(id, tcTypes);
        }
    } else {
        SetText(kCh3Label, QStringLiteral("TC on Ch4"));
        SetText(kCh4Label, QStringLiteral("Channel 4"));
        SetCheck(kAutoTc, platform::BST_CHECKED);
        Enable(kAutoTc, true);
    }
    Show(kCh3Label, true);
    Show(kCh4Label, true);
}

void AutoGasDlg::EvBaselineIntegrator()
{
    // The two integrators exclude each other while the engine runs on one of them, and the engine runs the
    // one left checked.
    const SetupInputs in = session_.Inputs();
    if (!in.engineRunning || !wellfile::IntegratorSwitchProfile(in.profile))
        return;
    if (GetCheck(kSri) == platform::BST_CHECKED)
        SetCheck(kBaselineIntegrator, platform::BST_UNCHECKED);
    else if (GetCheck(kBaselineIntegrator) == platform::BST_CHECKED)
        SetCheck(kSri, platform::BST_UNCHECKED);
    session_.TakeIntegratorChoice(GetCheck(kSri) == platform::BST_CHECKED,
                                  GetCheck(kBaselineIntegrator) == platform::BST_CHECKED);
}

void AutoGasDlg::EvDepthOnModule()
{
    const GASMONCFG& cfg = session_.Record();
    const bool on = GetCheck(kDepthOnModule) == platform::BST_CHECKED;
    for (int id : {kDepthCh3, kDepthCh4, kThreshold})
        Enable(id, on);
    Enable(kTriggerOnHigh, false);
    if (on) {
        SetCheck(cfg.depthChannel == 4 ? kDepthCh4 : kDepthCh3, platform::BST_CHECKED);  // as at the opening
        SetText(kThreshold, QString::number(platform::Whole(cfg.voltageThreshold)));
        SetCheck(kTriggerOnHigh, platform::BST_CHECKED);
    } else {
        SetText(kThreshold, QString());
    }
}

void AutoGasDlg::EvMethaneMode()
{
    const bool methane = GetCheck(kPlotMethane) == platform::BST_CHECKED;
    if (methane)
        SetText(kReadings, QStringLiteral("5"));
    SetText(kC1RowLabel, methane ? QStringLiteral("SUM") : QStringLiteral("C1"));
    SetText(kC5RowLabel, methane ? QStringLiteral("METH") : QStringLiteral("C5"));
}

void AutoGasDlg::EvOwnControl()
{
    const bool on = GetCheck(kOwnControl) == platform::BST_CHECKED;
    if (on) {
        SetText(kCycleTime, QString::number(session_.Record().cycleTime));
        for (int id : {kCycleTime, kCycleTimeLabel}) {
            Show(id, true);
            Enable(id, true);
        }
        // The engine's buttons stay hidden without an engine to act on.
        Show(kSampleNow, session_.Inputs().engineRunning);
        Enable(kSampleNow, true);
    } else {
        for (int id : {kCycleTime, kCycleTimeLabel, kSampleNow, kCloseBlock}) {
            Show(id, false);
            Enable(id, false);
        }
    }
}

void AutoGasDlg::CmAdvanced()
{
    if (page_)  // the window has its room already: the page widens under it
        page_->setFixedSize(page_->width() + kAdvancedPixels, page_->height());
    else
        setFixedSize(width() + kAdvancedPixels, height());
    Enable(kAdvanced, false);
}

void AutoGasDlg::CmClearRatios()
{
    GASMONCFG& cfg = session_.Record();
    for (int i = 0; i < 6; ++i) {
        cfg.ratios[i] = 0.0f;
        SetText(kRatioIds[i], QString::fromStdString(platform::CFormat("%2.2f", double(cfg.ratios[i]))));
    }
}

void AutoGasDlg::mouseMoveEvent(QMouseEvent* event)
{
    const SetupInputs in = session_.Inputs();
    if (!(ChromZeroEditable(in.instrumentType, in.profile) && in.profile != 114))
        SetText(kChromZero, QString::number(ChromZeroFromC1(platform::LeadingInt(GetText(kElutionC1)))));
    Dialog::mouseMoveEvent(event);
}

void RunAutoGasDlg(QWidget* parent, GasSetupSession& session, QPointer<QWidget>& helpWindow)
{
    AutoGasDlg dlg(parent, session, helpWindow);
    dlg.Execute();
}

}  // namespace gasmon
