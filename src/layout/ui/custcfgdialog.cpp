#include "layout/ui/custcfgdialog.h"

#include "layout/predefinedtracks.h"
#include "layout/ui/intervaldialog.h"
#include "layout/ui/rangedialog.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/dialogitems.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace layout {

using namespace platform;
namespace id = custid;

namespace {

constexpr int kCurveButtons[] = {id::Curve1, id::Curve2, id::Curve3, id::Curve4, id::Curve5, id::Curve6};
constexpr int kMaxTrackBlocks = 100;  // a track the setup counts has 1..100 blocks of 1..100 pixels
constexpr int kMaxTitle = 48, kMaxLabel = 18;
constexpr std::int32_t kMaxScaleInterval = 5000, kDefaultScaleInterval = 1000;
constexpr int kLithTrackKind = 12;

// The colours the colour chooser offers besides the basic ones: kept for the program's run.
CustomColours& SharedCustomColours()
{
    static CustomColours colours{};
    return colours;
}

bool CountedTrack(const CustomTrackEntry& e)
{
    return e.blockCount >= 1 && e.blockCount <= kMaxTrackBlocks && e.blockWidth >= 1 && e.blockWidth <= kMaxTrackBlocks;
}

std::optional<float> ReadFloat(const QString& text)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The controls each TrackControl bit stands for.
constexpr std::pair<unsigned, int> kControlIds[] = {
    {CtlBlocks, id::Blocks},        {CtlWidth, id::Width},     {CtlMaximum, id::Maximum}, {CtlMinimum, id::Minimum},
    {CtlLogarithmic, id::Logarithmic}, {CtlReverse, id::Reverse}, {CtlFill, id::Fill},
};
constexpr unsigned kFixedKindControls = CtlBlocks | CtlWidth | CtlMaximum | CtlMinimum | CtlLogarithmic | CtlReverse;
constexpr unsigned kTextKindControls = CtlMaximum | CtlMinimum | CtlLogarithmic | CtlReverse | CtlFill;

using namespace platform::dialogitems;

// The dialog's controls in tab order, in their grid, groups and rows.
const DialogItem kControls[] = {
    Grid(8),
    Label("Chart Number"), Combo(id::Track),
    Label(id::PredefinedLabel, "Predefined Tracks"), Combo(id::Predefined),
    Label(id::ViewLabel, "Select View"), Combo(id::View),
    Label(id::FitDataLabel, "FIT Data"), Combo(id::FitData),
    Label("Track Label"), Edit(id::TrackLabel, 50),
    Label("Number of Blocks"), Edit(id::Blocks, 10),
    Label("Width of Blocks (In Pixels)"), Edit(id::Width, 10),
    Skip(), Skip(),
    Label("Data"), Combo(id::Data),
    Label("Minimum Value"), Edit(id::Minimum, 10),
    Label("Maximum Value"), Edit(id::Maximum, 10),
    Label("Curve Label"), Edit(id::CurveLabel, 25),
    EndGrid(),

    Group(107, "Curve #"),
    FirstRadio(id::Curve1, "Curve 1"), Radio(id::Curve2, "Curve 2"), Radio(id::Curve3, "Curve 3"),
    Radio(id::Curve4, "Curve 4"), Radio(id::Curve5, "Curve 5"), Radio(id::Curve6, "Curve 6"),
    EndGroup(),
    Group(118, "Line Width"),
    FirstRadio(id::Thin, "Thin Line"), Radio(id::Medium, "Medium Line"), Radio(id::Heavy, "Heavy Line"),
    EndGroup(),
    Row(),
    Check(id::Reverse, "Reverse Curve"), Check(id::Logarithmic, "Logrithmic"), Check(id::MudWeight, "Draw Mud Weight"),
    Check(id::Fill, "Fill Behind Curve"), Check(id::Ppm, "PPM"), Check(id::PicturesActualSize, "Draw Pics Actual Size"),
    Row(),
    Check(id::HideDescriptions, "Hide Description Track"), Check(id::AllowOnHorz, "Allow On Horz"),
    Check(id::UseCustomScheme, "Use Custom Scheme"), Check(id::LithFromElog, "Draw Lith From Elog"),
    Check(id::VerticalLabel, "Draw Label Vertical"),
    Row(),
    Button(id::PenColor, "Pen Color"), Label(id::ColourText, ""),
    Label(id::MaxGasScaleLabel, "Max Gas Scale"), Edit(id::MaxGasScale, 12),
    Label(id::ScaleIntervalLabel, "Scale Interval"), Edit(id::ScaleInterval, 12),
    Label(id::SchemeLabel, "Select Scheme"), Combo(id::Scheme),
    Row(),
    Button(id::Save, "SAVE"), Button(id::Delete, "DELETE"), Button(id::SaveViewAs, "Save View As"),
    Button(id::SettingsSource, "Restore Field Settings"), Button(id::Advanced, "ADVANCED"), Stretch(),
    DefaultButton(id::Done, "DONE"),
};

// The check boxes of the whole track that SAVE stores as they stand, each in its field. `plain`: shown
// as its field stands with the track; the others are shown by the rules of the track's kind.
struct TrackBox {
    int id;
    std::uint8_t CustomTrackEntry::*field;
    bool plain = true;
};

const TrackBox kTrackBoxes[] = {
    {id::MudWeight, &CustomTrackEntry::mudWeight},
    {id::Ppm, &CustomTrackEntry::ppm},
    {id::PicturesActualSize, &CustomTrackEntry::picturesActualSize},
    {id::VerticalLabel, &CustomTrackEntry::verticalLabel},
    {id::HideDescriptions, &CustomTrackEntry::hideDescriptions, false},
    {id::AllowOnHorz, &CustomTrackEntry::onHorizontalView, false},
};

}  // namespace

QString ViewsFolder(const QString& dataFolder)
{
    QString folder = FindFileNoCase(dataFolder, QStringLiteral("views"));
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QStringList ViewNames(const QString& dataFolder)
{
    QStringList names = QDir(ViewsFolder(dataFolder)).entryList({QStringLiteral("*.grdx")}, QDir::Files);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    names.prepend(QStringLiteral("default"));
    return names;
}

CustCfgDlg::CustCfgDlg(QWidget* parent, CUSTCHARTCFGEX& config, int initialTrack, const CustCfgContext& context,
                       CustCfgHost& host)
    : FormDialog(parent, QStringLiteral("StrativM Custom Tracks")),
      tracks_(config.track),
      context_(context),
      host_(host),
      currentTrack_(std::clamp(initialTrack, 0, kCustomTrackCount - 1))
{
    dataCode_ = tracks_[currentTrack_].dataCode[0];
    AddTable(kControls);

    On(id::Save, BN_CLICKED, [this] { CmSave(); });
    On(id::Delete, BN_CLICKED, [this] { CmDelete(); });
    On(id::PenColor, BN_CLICKED, [this] { CmPenColor(); });
    On(id::SaveViewAs, BN_CLICKED, [this] { CmSaveViewAs(); });
    On(id::SettingsSource, BN_CLICKED, [this] { CmSettingsSource(); });
    On(id::Advanced, BN_CLICKED, [this] { CmAdvanced(); });
    On(id::Logarithmic, BN_CLICKED, [this] { ToggleLogScale(); });
    for (int button : kCurveButtons)
        On(button, BN_CLICKED, [this] { SelectTrackOrCurve(); });
    On(id::Track, CBN_SELCHANGE, [this] { SelectTrackOrCurve(); });
    On(id::Predefined, CBN_SELCHANGE, [this] { SelectPredefinedTrack(); });
    On(id::Data, CBN_SELCHANGE, [this] { SelectData(); });
    On(id::View, CBN_SELCHANGE, [this] { SelectView(); });
    On(id::Maximum, EN_KILLFOCUS, [this] { MaxKillFocus(); });
    On(id::Minimum, EN_KILLFOCUS, [this] { MinKillFocus(); });
    On(id::Blocks, EN_KILLFOCUS, [this] { BlockCountKillFocus(); });
    On(id::Width, EN_KILLFOCUS, [this] { BlockWidthKillFocus(); });
    On(id::MaxGasScale, EN_KILLFOCUS, [this] { GasScaleKillFocus(); });
}

CustCfgDlg::~CustCfgDlg()
{
    if (rangeDialog_)
        delete rangeDialog_.data();
}

void CustCfgDlg::SetupWindow()
{
    Show(id::FitDataLabel, false);
    Show(id::FitData, false);
    const int profile = context_.loggerId;
    if (!wellfile::FeetFormatProfile(profile)) {
        Show(id::MaxGasScale, false);
        Show(id::MaxGasScaleLabel, false);
    }
    if (profile != 23)
        for (int control : {id::Ppm, id::ScaleIntervalLabel, id::ScaleInterval, id::SchemeLabel, id::Scheme})
            Show(control, false);
    if (profile != 114)
        Show(id::PicturesActualSize, false);

    // The tracks the setup works with: the leading ones of sound size.
    trackCount_ = 0;
    while (trackCount_ < kCustomTrackCount && CountedTrack(tracks_[trackCount_]))
        ++trackCount_;
    currentCurve_ = 0;

    const QString ownLayout = FindFileNoCase(context_.currentFolder, context_.wellName + QStringLiteral(".grdx"));
    if (!QFileInfo(ownLayout).isFile() || context_.drilling ||
        (context_.secondFolderOption && platform::SameFolder(context_.currentFolder, context_.dataFolder)))
        Show(id::SettingsSource, false);
    else
        SetText(id::SettingsSource, context_.customTrackSource == 0 ? QStringLiteral("Use Local Settings")
                                                                    : QStringLiteral("Use Field Settings"));
    if (context_.sharedFolderWell)
        for (int control : {id::View, id::ViewLabel, id::SaveViewAs})
            Show(control, false);

    for (int t = 1; t <= kCustomTrackCount; ++t)
        AddString(id::Track, QStringLiteral("CHART %1").arg(t));
    SetSelIndex(id::Track, currentTrack_);
    for (const QString& name : DataListNames(context_.fitDataEnabled, context_.hardnessColumn))
        AddString(id::Data, name);

    if (!context_.predefinedTracksOption) {
        for (int control : {id::Predefined, id::PredefinedLabel, id::View, id::ViewLabel})
            Show(control, false);
    } else {
        for (const QString& name : PredefinedTrackNames(context_.fitDataEnabled))
            AddString(id::Predefined, name);
        FillViewList();
    }

    std::array<QString, 6> schemes;
    if (host_.loadSchemeNames && host_.loadSchemeNames(schemes))
        for (const QString& name : schemes)
            AddString(id::Scheme, name);
    SetSelIndex(id::Scheme, tracks_[0].schemeIndex);
    SetCheck(id::UseCustomScheme, context_.useCustomScheme ? BST_CHECKED : BST_UNCHECKED);

    SetCheck(id::Curve1, BST_CHECKED);
    ShowKindRules();
    ShowScaleInterval();
    ShowCurve();
}

int CustCfgDlg::CheckedCurve() const
{
    for (int c = 0; c < 6; ++c)
        if (GetCheck(kCurveButtons[c]) == BST_CHECKED)
            return c;
    return 0;
}

void CustCfgDlg::FillViewList()
{
    ClearStrings(id::View);
    for (const QString& name : ViewNames(context_.dataFolder))
        AddString(id::View, name);
    SetSelIndex(id::View, 0);
}

// The check boxes of the track and the kind-dependent ones.
void CustCfgDlg::ShowKindRules()
{
    const CustomTrackEntry& t = Track();
    const int kind = t.kind;
    const bool noHorizontal = kind == 14 || kind == 11 || kind == 12;
    SetCheck(id::AllowOnHorz, !noHorizontal && t.onHorizontalView ? BST_CHECKED : BST_UNCHECKED);
    Enable(id::AllowOnHorz, !noHorizontal);
    const bool text = kind == kTextTrackKind;
    SetCheck(id::HideDescriptions, text && t.hideDescriptions ? BST_CHECKED : BST_UNCHECKED);
    Enable(id::HideDescriptions, text);
    Enable(id::Scheme, currentTrack_ == 0);
    for (const TrackBox& box : kTrackBoxes)
        if (box.plain)
            SetCheck(box.id, t.*box.field ? BST_CHECKED : BST_UNCHECKED);
}

void CustCfgDlg::ShowScaleInterval()
{
    CustomTrackEntry& t = Track();
    if (t.scaleInterval < 0 || t.scaleInterval > kMaxScaleInterval)
        t.scaleInterval = kDefaultScaleInterval;
    SetInt(id::ScaleInterval, t.scaleInterval);
}

// A width the setup does not offer is shown and kept as medium.
void CustCfgDlg::ShowLineWidth()
{
    std::int32_t& width = Track().lineWidth[currentCurve_];
    if (width != 1 && width != 3)
        width = 2;
    SetCheck(id::Thin, width == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(id::Medium, width == 2 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(id::Heavy, width == 3 ? BST_CHECKED : BST_UNCHECKED);
}

void CustCfgDlg::ShowColour()
{
    const COLORREF c = Track().colour[currentCurve_];
    SetText(id::ColourText, QString::fromStdString(CFormat("RD=%d  GN=%d BL=%d", GetRValue(c), GetGValue(c), GetBValue(c))));
}

// The controls a kind keeps the user from changing: those of a fixed scale, of the text track and of its
// layout; the rest are open.
void CustCfgDlg::DisableFixedKind()
{
    const int kind = Track().kind;
    unsigned disabled = PredefinedTrackControls(kind).disabled;
    if (FixedScaleKind(kind))
        disabled |= kFixedKindControls;
    if (kind == kTextTrackKind)
        disabled |= kTextKindControls;
    for (auto [bit, control] : kControlIds)
        Enable(control, (disabled & bit) == 0);
}

void CustCfgDlg::ShowCurve()
{
    currentCurve_ = std::clamp(currentCurve_, 0, 5);
    const CustomTrackEntry& t = Track();
    const int c = currentCurve_;
    SetText(id::Minimum, QString::fromStdString(CFormat("%.2f", double(t.minimum[c]))));
    SetText(id::Maximum, QString::fromStdString(CFormat("%.1f", double(t.maximum[c]))));
    SetInt(id::Blocks, t.blockCount);
    SetInt(id::Width, t.blockWidth);
    const std::string label = FieldText(t.label[c]);
    SetTextA(id::CurveLabel, label.empty() ? std::string("NO LABEL") : label);
    const std::string title = FieldText(t.title);
    SetTextA(id::TrackLabel, title.empty() ? CFormat("Grid %d", currentTrack_) : title);
    SetCheck(id::Logarithmic, t.logarithmic ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(id::Reverse, t.direction[c] != 1 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(id::Fill, t.fill[c] ? BST_CHECKED : BST_UNCHECKED);
    ShowLineWidth();
    const bool lith = t.kind == kLithTrackKind && context_.elogLoaded;
    SetCheck(id::LithFromElog, lith && t.lithFromElog ? BST_CHECKED : BST_UNCHECKED);
    Enable(id::LithFromElog, lith);
    Show(id::Advanced, lith);
    DisableFixedKind();
    ShowColour();
    SetSelIndex(id::Data, t.dataCode[c]);
    SetSelIndex(id::Predefined, t.kind);
}

void CustCfgDlg::SelectTrackOrCurve()
{
    currentTrack_ = std::clamp(GetSelIndex(id::Track), 0, kCustomTrackCount - 1);
    currentCurve_ = CheckedCurve();
    ShowKindRules();
    ShowScaleInterval();
    dataCode_ = Track().dataCode[currentCurve_];
    ShowCurve();
}

void CustCfgDlg::SelectPredefinedTrack()
{
    currentTrack_ = std::clamp(GetSelIndex(id::Track), 0, kCustomTrackCount - 1);
    const int kind = GetSelIndex(id::Predefined);
    if (kind < 0)
        return;
    CustomTrackEntry& t = Track();
    if (!BuildPredefinedTrack(t, kind, context_.fitC5, context_.fitC6)) {
        SetSelIndex(id::Predefined, kind);
        return;
    }
    SetTextA(id::TrackLabel, FieldText(t.title));
    SetCheck(id::Logarithmic, BST_UNCHECKED);
    SetCheck(id::Fill, BST_UNCHECKED);
    const TrackKindControls controls = PredefinedTrackControls(kind);
    SetCheck(id::Reverse, controls.reverseChecked ? BST_CHECKED : BST_UNCHECKED);
    switch (controls.horizontal) {
    case HorizontalView::Unchanged:
        break;
    case HorizontalView::Checked:
        SetCheck(id::AllowOnHorz, BST_CHECKED);
        Enable(id::AllowOnHorz);
        break;
    case HorizontalView::Unchecked:
        SetCheck(id::AllowOnHorz, BST_UNCHECKED);
        Enable(id::AllowOnHorz);
        break;
    case HorizontalView::UncheckedDisabled:
        SetCheck(id::AllowOnHorz, BST_UNCHECKED);
        Enable(id::AllowOnHorz, false);
        break;
    }
    const bool text = kind == kTextTrackKind;
    SetCheck(id::HideDescriptions, text && t.hideDescriptions ? BST_CHECKED : BST_UNCHECKED);
    Enable(id::HideDescriptions, text);
    dataCode_ = t.dataCode[0];
    ShowCurve();
}

// A curve given other data is labelled with that data's name, not the name of what it showed before;
// the label can still be typed over before SAVE.
void CustCfgDlg::SelectData()
{
    const int code = GetSelIndex(id::Data);
    if (code <= 0 || code == Track().dataCode[CheckedCurve()])
        return;
    SetText(id::CurveLabel, GetString(id::Data, code).trimmed().left(kMaxLabel));
}

// ---- storing ---------------------------------------------------------------------------------------

void CustCfgDlg::CmSave()
{
    const int c = CheckedCurve();
    // Every number first: a field that is not one is named and nothing is stored.
    std::optional<float> minimum = ReadFloat(GetText(id::Minimum));
    std::optional<float> maximum = ReadFloat(GetText(id::Maximum));
    bool intervalOk = false, blocksOk = false, widthOk = false;
    const int interval = GetInt(id::ScaleInterval, &intervalOk);
    const int blocks = GetInt(id::Blocks, &blocksOk);
    const int width = GetInt(id::Width, &widthOk);
    const std::pair<bool, const char*> checks[] = {
        {minimum.has_value(), "Minimum Value"},     {intervalOk, "Scale Interval"},
        {maximum.has_value(), "Maximum Value"},     {blocksOk, "Number of Blocks"},
        {widthOk, "Width of Blocks (In Pixels)"},
    };
    for (auto [ok, name] : checks)
        if (!ok) {
            MessageBox(QStringLiteral("Enter a number for \"%1\"").arg(QLatin1String(name)), QStringLiteral("Input Error"),
                       MB_OK);
            return;
        }

    if (const int scheme = GetSelIndex(id::Scheme); scheme >= 0)
        tracks_[0].schemeIndex = scheme;
    CustomTrackEntry& t = Track();
    if (const int code = GetSelIndex(id::Data); code >= 0)
        t.dataCode[c] = std::uint16_t(code);
    t.minimum[c] = *minimum;
    t.scaleInterval = interval;
    t.maximum[c] = *maximum;
    t.blockCount = blocks;
    t.blockWidth = width;
    SetFieldText(t.label[c], ToCp1252(GetText(id::CurveLabel).left(kMaxLabel)).toStdString());
    SetFieldText(t.title, ToCp1252(GetText(id::TrackLabel).left(kMaxTitle)).toStdString());

    auto checked = [this](int control) { return std::uint8_t(GetCheck(control) == BST_CHECKED ? 1 : 0); };
    t.logarithmic = checked(id::Logarithmic);
    if (t.logarithmic && t.minimum[c] <= 0)
        t.minimum[c] = 1.0f;
    t.direction[c] = checked(id::Reverse) ? 0 : 1;
    t.fill[c] = checked(id::Fill);
    for (const TrackBox& box : kTrackBoxes)
        t.*box.field = checked(box.id);
    t.lithFromElog = t.kind == kLithTrackKind && context_.elogLoaded ? checked(id::LithFromElog) : 0;
    context_.useCustomScheme = checked(id::UseCustomScheme) != 0;
    if (host_.setUseCustomScheme)
        host_.setUseCustomScheme(context_.useCustomScheme);
    t.lineWidth[c] = GetCheck(id::Thin) == BST_CHECKED ? 1 : GetCheck(id::Heavy) == BST_CHECKED ? 3 : 2;

    // An empty place before a configured track closes up by one place per save.
    for (int i = 0; i + 1 < kCustomTrackCount; ++i)
        if (tracks_[i].blockCount == 0 && tracks_[i + 1].blockCount > 0 && tracks_[i + 1].blockWidth > 0) {
            tracks_[i] = tracks_[i + 1];
            tracks_[i + 1] = CustomTrackEntry{};
        }
}

void CustCfgDlg::CmDelete()
{
    if (trackCount_ <= 0)
        return;  // no sound track to delete
    if (currentTrack_ >= trackCount_) {
        // A track beyond the counted ones stands alone: only it goes.
        Track() = CustomTrackEntry{};
        ShowCurve();
        return;
    }
    if (trackCount_ == 1) {
        MessageBox(QStringLiteral("Can not delete only track"), QStringLiteral("StrativM"), MB_OK);
        return;
    }
    for (int i = currentTrack_; i < trackCount_ - 1; ++i)
        tracks_[i] = tracks_[i + 1];
    tracks_[trackCount_ - 1] = CustomTrackEntry{};
    --trackCount_;
    if (currentTrack_ > 0)
        --currentTrack_;
    SetSelIndex(id::Track, currentTrack_);
    ShowCurve();
    CmSave();
}

void CustCfgDlg::ToggleLogScale()
{
    CustomTrackEntry& t = Track();
    t.logarithmic = GetCheck(id::Logarithmic) == BST_CHECKED ? 1 : 0;
    if (t.logarithmic)
        for (int c = 1; c < 8; ++c) {
            t.minimum[c] = t.minimum[0];
            t.maximum[c] = t.maximum[0];
        }
    ShowCurve();
}

void CustCfgDlg::ScaleKillFocus(int edit, float (CustomTrackEntry::*scale)[kCurvesPerTrack])
{
    const std::optional<float> typed = ReadFloat(GetText(edit));
    if (!typed)
        return;  // SAVE names the field
    CustomTrackEntry& t = Track();
    const int c = CheckedCurve();
    if (*typed != (t.*scale)[c]) {
        t.kind = 0;
        SetSelIndex(id::Predefined, 0);
    }
    if (t.logarithmic && c == 0)
        std::fill(t.*scale, t.*scale + kCurvesPerTrack, *typed);
}

void CustCfgDlg::MinKillFocus() { ScaleKillFocus(id::Minimum, &CustomTrackEntry::minimum); }
void CustCfgDlg::MaxKillFocus() { ScaleKillFocus(id::Maximum, &CustomTrackEntry::maximum); }

void CustCfgDlg::SizeKillFocus(int edit, std::int32_t CustomTrackEntry::*size)
{
    bool ok = false;
    const int typed = GetInt(edit, &ok);
    CustomTrackEntry& t = Track();
    if (!ok || typed == t.*size)
        return;
    if (t.kind != kTextTrackKind && t.kind != 14)
        t.kind = 0;
    SetSelIndex(id::Predefined, t.kind);
}

void CustCfgDlg::BlockCountKillFocus() { SizeKillFocus(id::Blocks, &CustomTrackEntry::blockCount); }

void CustCfgDlg::BlockWidthKillFocus()
{
    if (Track().kind != 0)
        SizeKillFocus(id::Width, &CustomTrackEntry::blockWidth);
}

void CustCfgDlg::CmPenColor()
{
    Prompter* prompter = services().prompter;
    if (!prompter)
        return;
    COLORREF& colour = Track().colour[CheckedCurve()];
    const COLORREF initial = colour == kNoOwnColour ? 0 : colour;
    if (const auto chosen = prompter->ChooseColor(initial, &SharedCustomColours()))
        colour = *chosen;
    currentCurve_ = CheckedCurve();
    ShowColour();
}

// ---- actions on the data file and the well's files -------------------------------------------------

void CustCfgDlg::GasScaleKillFocus()
{
    const double typed = GetText(id::MaxGasScale).trimmed().toDouble();
    const std::int64_t value = std::isfinite(typed) ? std::int64_t(std::clamp(typed, -1e12, 1e12)) : 0;
    if (value <= 10) {
        MessageBox(QStringLiteral("Gas Scale set to default"), QStringLiteral("Info"), MB_OK);
        return;
    }
    if (value > std::numeric_limits<std::uint16_t>::max()) {
        MessageBox(QStringLiteral("The Max Gas Scale can be at most 65535"), QStringLiteral("Info"), MB_OK);
        return;
    }
    // The interval dialog is modal over this one, which takes no input meanwhile.
    const auto interval = AskDepthInterval(
        this, rangeDialog_, {context_.viewTopDepth, context_.fileTopDepth, context_.fileBottomDepth, context_.loggerId});
    activateWindow();
    if (interval && host_.writeMaxGasScale)
        host_.writeMaxGasScale(std::uint16_t(value), interval->first, interval->second);
}

void CustCfgDlg::ReloadAndEnd()
{
    if (host_.reloadTracks)
        host_.reloadTracks();
    EndDialog(IDCANCEL);
}

void CustCfgDlg::SelectView()
{
    const int index = GetSelIndex(id::View);
    if (index < 0 || context_.configPath.isEmpty())
        return;
    const QString view = ViewsFolder(context_.dataFolder) + GetString(id::View, index);
    // A view that is not there ("default" has no file of its own) or does not copy changes nothing,
    // without a word; one that is there but is no whole layout is not taken over the well's.
    const QFileInfo info(view);
    if (!info.isFile())
        return;
    if (info.size() != qint64(kCustChartCfgSize)) {
        MessageBox(QStringLiteral("%1 is not a custom track view").arg(view), QStringLiteral("Select View"), MB_OK);
        return;
    }
    if (!wellfile::CopyFileReplacing(view, context_.configPath))
        return;
    ReloadAndEnd();
}

void CustCfgDlg::CmSaveViewAs()
{
    Prompter* prompter = services().prompter;
    if (!prompter)
        return;
    const QString folder = ViewsFolder(context_.dataFolder);
    FileDialogRequest request;
    request.title = QStringLiteral("Save View As");
    request.folder = folder;
    request.fileName = folder + QStringLiteral("*.grdx");
    request.filter = QStringLiteral("StrativM Files (*.GRDX)|*.grdx|");
    request.defaultExt = QStringLiteral("grdx");
    std::optional<QString> chosen = prompter->SaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    if (QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QStringLiteral(".grdx");
    if (!QFileInfo(context_.configPath).isFile() || !wellfile::CopyFileReplacing(context_.configPath, *chosen)) {
        MessageBox(context_.configPath, QStringLiteral("Save As failed"), MB_OK);
    }
}

void CustCfgDlg::CmSettingsSource()
{
    const std::int32_t source = context_.customTrackSource == 0 ? 1 : 0;
    if (host_.setTrackSource && !host_.setTrackSource(source))
        return;
    context_.customTrackSource = source;
    ReloadAndEnd();
}

void CustCfgDlg::CmAdvanced()
{
    if (host_.advanced)
        host_.advanced(this);
}

}  // namespace layout
