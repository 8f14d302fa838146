#include "layout/ui/setupdialog.h"

#include "layout/ui/intervaldialog.h"
#include "layout/ui/rangedialog.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/dialogitems.h"
#include "platform/winapi.h"
#include "wellfile/profile.h"

#include <cstring>
#include <memory>
#include <type_traits>

namespace layout {

namespace {

namespace id = setupid;
using platform::BN_CLICKED;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;
using platform::CBN_SELCHANGE;

QString Format(const char* format, double value) { return QString::fromStdString(platform::CFormat(format, value)); }

bool NoAlternateFormatProfile(int p)
{
    switch (p) {
    case 4: case 8: case 11: case 16: case 21: case 31: case 52: case 60: case 61: case 64: case 78: case 86:
        return true;
    default:
        return false;
    }
}

bool InstrumentWithOwnGasFeed(int type) { return type == 6 || type == 10 || type == 11; }

constexpr int kTemperatureFlag = 28;
constexpr int kCo2Flag = 31;

// Every box and radio that "Save and Close" reads.
constexpr int kFormButtons[] = {
    id::OneMeter, id::TwoFoot, id::TenFoot, id::TenFootFiveFtRates, id::MetresPerHour, id::RatePointToPoint,
    id::GasPointToPoint, id::TopsLine, id::AlternateFormat, id::Percent, id::MarkLagDepth, id::CombineIc4Nc4,
    id::ShaleOnLeft, id::UseWitsDepth, id::AirFormat, id::SandShaleOnly, id::UseWitsGas, id::LinearGas,
    id::SendTops, id::ReverseRop, id::SendConfig, id::LogGas, id::LogRate, id::AutoCreateLas, id::AutoDrill,
    id::CustomTracks, id::Unmanned, id::SendHorzConfig, id::HideShortReports, id::ReverseCo2, id::StoreAllWits,
    id::PpmScale, id::AltSurveyPosition, id::WitsDepthOption, id::NoAutoSlide, id::SendAllPictures,
    id::SendColours, id::SendChart, id::BasicLas,
};

using wellfile::WellConfig;

// A settings field shown as a box's check. The record is packed: the field is copied out, never loaded
// in place through the member pointer.
template <auto Field>
bool IsSet(const WellConfig& c)
{
    std::remove_cvref_t<decltype(c.*Field)> value;
    std::memcpy(&value, &(c.*Field), sizeof value);
    return value != 0;
}

// The option boxes of the set-up's grid, in its order; `shows`: the settings field the box shows as it
// stands, for a box that no rule of the set-up decides.
struct OptionBox {
    int id;
    const char* caption;
    bool (*shows)(const WellConfig&) = nullptr;
};

const OptionBox kOptionBoxes[] = {
    {id::TopsLine, "Draw Tops Line", IsSet<&WellConfig::topsLine>},
    {id::AlternateFormat, "Alternate Format"},
    {id::MarkLagDepth, "Mark Lag Depth On Log"},
    {id::CombineIc4Nc4, "Combine IC4 And NC4", IsSet<&WellConfig::combineIc4Nc4>},
    {id::SurveyData, "Show Survey Data on Log"},
    {id::ShaleOnLeft, "Shale On Left"},
    {id::UseWitsDepth, "Use Wits Depth"},
    {id::AirFormat, "Air Format"},
    {id::SandShaleOnly, "Sand and Shale Only"},
    {id::UseWitsGas, "Use Wits Gas"},
    {id::LinearGas, "Linear Gas Scales", IsSet<&WellConfig::linearGasScale>},
    {id::SendTops, "Send Tops File", IsSet<&WellConfig::sendTopsFile>},
    {id::ReverseRop, "Reverse ROP", IsSet<&WellConfig::reverseRop>},
    {id::SendConfig, "Send Config File", IsSet<&WellConfig::sendConfigFile>},
    {id::LogGas, "Logarithmic Gas Scales"},
    {id::LogRate, "Logarithmic Rate Scale"},
    {id::AutoCreateLas, "Auto Create Las", IsSet<&WellConfig::autoCreateLas>},
    {id::CustomTracks, "Enable Custom Tracks"},
    {id::Unmanned, "Unmanned  Unit"},
    {id::SendHorzConfig, "Send Horz Config File", IsSet<&WellConfig::sendHorzConfigFile>},
    {id::HideShortReports, "Hide Short Reports", IsSet<&WellConfig::hideShortReports>},
    {id::GasViaWits, "Send  Gas Via Wits"},
    {id::ReverseCo2, "Reverse Co2 Curve"},
    {id::StoreAllWits, "Store All Wits  Readings"},
    {id::PpmScale, "Draw PPM Scale"},
    {id::AltSurveyPosition, "Use Alternate Survey Position"},
    {id::WitsDepthOption, "Wits Depth Option"},
    {id::NoAutoSlide, "Disable Auto Slide"},
    {id::SendAllPictures, "Send All Pictures"},
    {id::SendColours, "Send Color File", IsSet<&WellConfig::sendColourFile>},
    {id::SendChart, "Send Chart File"},
    {id::BasicLas, "Basic  LAS", IsSet<&WellConfig::basicLas>},
};

using namespace platform::dialogitems;

// The controls above the option boxes, in tab order, in their groups, grids and rows.
const platform::DialogItem kScaleControls[] = {
    Radio(id::OneMeter, "One Meter "), Radio(id::TwoFoot, "Two Foot ( 5 in. /100ft )"),
    Radio(id::TenFoot, "Ten Foot ( 1 in./100ft  10Ft rates)"),
    Radio(id::TenFootFiveFtRates, "Ten Foot ( 1 in./100ft  5Ft rates)"), Check(id::MetresPerHour, "M Per Hr"),
    Row(),

    Group(id::RateLineGroup, "Rate Line Style"),
    Radio(id::RatePointToPoint, "Point to Point"), Radio(id::RateBlocked, "Blocked"),
    EndGroup(),
    Group(id::GasLineGroup, "Gas Line Style"),
    Radio(id::GasPointToPoint, "Point to Point"), Radio(id::GasBlocked, "Blocked"),
    EndGroup(),
    Group(id::GasModeGroup, "Gas Mode"),
    Radio(id::Units, "Units"), Radio(id::Percent, "Percent"),
    EndGroup(),
    Group(id::OnBottomGroup, "On Bottom Mode"),
    Radio(id::OpenOnBottom, "Open On Bottom"), Radio(id::ClosedOnBottom, "Closed On Bottom"),
    Radio(id::OnBottomDisabled, "Disabled"),
    EndGroup(),
    Row(),

    Grid(4),
    Label("Rate Scales"), Combo(id::RateScales),
    Label("Gas Scales"), Combo(id::GasScales),
    Label("Gas Percent Scale"), Combo(id::GasPercentScale),
    Label(id::TemperatureLabel, "Temperature Scale"), Combo(id::TemperatureScale),
    EndGrid(),
    Row(),

    Grid(6),
    Label(id::HighlightLabel, "High light rates below (x min/M)"), Edit(id::Highlight, 21, 8), Arrows(id::HighlightSpin),
    Label(id::DelayLabel, "Delay (anti-bounce)"), Edit(id::Delay, 21, 8), Arrows(id::DelaySpin),
    Check(id::AutoDrill, "Auto Drill"), Label(id::AutoDrillLabel, "Auto Drill ROP (min/M)"), Edit(id::AutoDrillRate, 21, 8),
    Label("RT Res Lag ( M from Bit)"), Edit(id::RtResLag, 11, 8), Skip(),
    Label(id::TimeZoneLabel, "Time Zone Adjust"), Edit(id::TimeZone, 21, 8), Skip(),
    Label("Horizontal Resolution"), Edit(id::ScreenWidth, 11, 8), Skip(),
    Label("Vertical Resolution"), Edit(id::ScreenHeight, 11, 8), Skip(),
    Label("Number of Monitors"), Edit(id::Monitors, 11, 8),
    EndGrid(),
    Row(),
};

// The buttons below the option boxes.
const platform::DialogItem kButtons[] = {
    Row(),
    Button(id::ResetDialogs, "Reset Dialogs"), Button(id::FieldSettings, "Use Field Settings"), Stretch(),
    DefaultButton(platform::IDOK, "Save and Close"), Button(platform::IDCANCEL, "Cancel"),
};

}  // namespace

SetupDlg::SetupDlg(QWidget* parent, wellfile::WellConfig& config, OutsideSettings& outside,
                   const SetupDlgContext& context, SetupHost& host)
    : FormDialog(parent, QStringLiteral("STRATIV SETUP")),
      config_(config),
      outside_(outside),
      context_(context),
      host_(host),
      driller_(context.driller)
{
    BuildControls();

    On(id::RateScales, CBN_SELCHANGE, [this] { SetRopScaleInterval(); });
    On(id::GasScales, CBN_SELCHANGE, [this] { SetGasScaleInterval(); });
    On(id::GasPercentScale, CBN_SELCHANGE, [this] { SetScale3Interval(); });
    On(id::TemperatureScale, CBN_SELCHANGE, [this] { SetScale4Interval(); });
    On(id::HighlightSpin, platform::UDN_DELTAPOS, [this] { EvHighlightSpin(); });
    On(id::DelaySpin, platform::UDN_DELTAPOS, [this] { EvDelaySpin(); });
    for (int radio : {id::OpenOnBottom, id::ClosedOnBottom, id::OnBottomDisabled})
        On(radio, BN_CLICKED, [this] { CmOnBottomMode(); });
    On(id::AlternateFormat, BN_CLICKED, [this] { ApplyAltFormatRules(); });
    On(id::Units, BN_CLICKED, [this] { ShowPpmOption(); });
    On(id::Percent, BN_CLICKED, [this] { ShowPpmOption(); });
    On(id::ResetDialogs, BN_CLICKED, [this] {
        if (host_.resetDialogs)
            host_.resetDialogs();
    });
    On(id::FieldSettings, BN_CLICKED, [this] { ToggleFieldSettings(); });
}

SetupDlg::~SetupDlg() = default;

void SetupDlg::BuildControls()
{
    AddTable(kScaleControls);
    BeginGrid(3);
    for (const OptionBox& box : kOptionBoxes)
        AddCheck(box.id, QString::fromLatin1(box.caption));
    EndGrid();
    AddTable(kButtons);

    // Hidden until the set-up shows them.
    for (int hidden : {id::DelayLabel, id::Delay, id::DelaySpin, id::OnBottomGroup, id::UseWitsDepth, id::UseWitsGas,
                       id::AutoCreateLas, id::AutoDrill, id::AutoDrillLabel, id::AutoDrillRate, id::GasViaWits,
                       id::PpmScale, id::WitsDepthOption})
        Hide(hidden);
    // Only the one-metre scale is offered.
    for (int off : {id::TwoFoot, id::TenFoot, id::TenFootFiveFtRates, id::GasPercentScale, id::TemperatureScale})
        Enable(off, false);
}

void SetupDlg::CheckBox(int id, bool on) { SetCheck(id, on ? BST_CHECKED : BST_UNCHECKED); }

void SetupDlg::Hide(int id) { Show(id, false); }

void SetupDlg::Lock(int id, bool on)
{
    CheckBox(id, on);
    Enable(id, false);
}

void SetupDlg::Remove(int id)
{
    Lock(id, false);
    Hide(id);
}

bool SetupDlg::PercentGroup() const { return PercentGasGroup(context_.env.loggerId, config_.alternateFormat != 0); }

void SetupDlg::SetupWindow()
{
    const SetupEnvironment& env = context_.env;
    const int p = env.loggerId;
    wellfile::WellConfig& c = config_;
    const bool drilling = env.drilling;
    const bool withWits = drilling && env.witsLink;
    const TrackFlags& flags = context_.trackFlags;

    if (!env.witsLink && !context_.gasMonitor)
        Hide(id::ResetDialogs);
    if (context_.localConfigExists)
        SetText(id::FieldSettings, outside_.fieldSettings ? QStringLiteral("Use Field Settings")
                                                          : QStringLiteral("Use Local Settings"));
    else
        Hide(id::FieldSettings);

    if (!drilling) {
        Hide(id::Unmanned);
        Hide(id::SendChart);
    }
    if (!withWits)
        Hide(id::StoreAllWits);
    else
        CheckBox(id::StoreAllWits, outside_.storeAllWits);

    if (c.logRateScale) {
        Remove(id::ReverseRop);
        c.reverseRop = 0;
    }
    if (!env.customTracksAvailable || env.scratchWell || p == 16) {
        Hide(id::CustomTracks);
        outside_.customTracksEnabled = false;
    }

    // Gas scale mode by profile.
    if (PercentGroup()) {
        Lock(id::LogGas, false);
        c.logGasScale = 0;
        c.gasPercentMode = 0;
    }
    if (p == 134) {
        Lock(id::LogGas, true);
        c.logGasScale = 1;
        c.gasPercentMode = 1;
        Lock(id::Percent, true);
        Lock(id::Units, false);
        Enable(id::LinearGas, false);
        Lock(id::SurveyData, false);
    }
    c.linesAndScalesSet = 1;
    if (!SandShaleProfile(p))
        Remove(id::SandShaleOnly);

    // Scale kind and line styles.
    for (int radio : {id::OneMeter, id::TwoFoot, id::TenFoot, id::TenFootFiveFtRates})
        CheckBox(radio, false);
    if (c.logScaleKind >= 1 && c.logScaleKind <= 3)
        CheckBox(id::OneMeter + c.logScaleKind - 1, true);
    CheckBox(id::MetresPerHour, outside_.rateInMetresPerHour != 0);
    CheckBox(c.rateLineStyle == 1 ? id::RatePointToPoint : id::RateBlocked, true);
    CheckBox(c.gasLineStyle == 1 ? id::GasPointToPoint : id::GasBlocked, true);

    if (NoAlternateFormatProfile(p)) {
        Remove(id::AlternateFormat);
        c.alternateFormat = 0;
    } else if (p == 134) {
        Lock(id::AlternateFormat, true);
        Hide(id::AlternateFormat);
        c.alternateFormat = 1;
        c.logGasScale = 1;
        c.drawPpmScale = 1;
    } else {
        CheckBox(id::AlternateFormat, c.alternateFormat != 0);
    }

    if (p == 37) {
        if (outside_.customTracksEnabled) {
            CheckBox(id::AirFormat, false);
            c.airFormat = 0;
        } else {
            CheckBox(id::AirFormat, c.airFormat != 0);
        }
        if (c.airFormat != 0)
            CheckBox(id::AlternateFormat, false);
    } else {
        Remove(id::AirFormat);
    }
    if (SandShaleProfile(p))
        CheckBox(id::SandShaleOnly, c.sandShaleOnly != 0);

    SetUpDownPos(id::HighlightSpin, 0);
    if (outside_.rateInMetresPerHour) {
        for (int hidden : {id::HighlightSpin, id::Highlight, id::HighlightLabel}) {
            Enable(hidden, false);
            Hide(hidden);
        }
        if (p != 74) {
            Remove(id::LogRate);
            c.logRateScale = 0;
        }
        CheckBox(id::MetresPerHour, true);
    } else {
        CheckBox(id::MetresPerHour, false);
    }

    if (PercentGroup()) {
        Lock(id::Percent, true);
        Enable(id::Units, false);
    } else {
        CheckBox(c.gasPercentMode ? id::Percent : id::Units, true);
    }
    if (p != 134)
        CheckBox(id::SurveyData, c.showSurveyData != 0);

    if (!flags[kCo2Flag])
        Hide(id::ReverseCo2);
    else
        CheckBox(id::ReverseCo2, c.reverseCo2 != 0);
    if (c.logGasScale)
        Remove(id::ReverseCo2);

    if (!env.customTracksAvailable || p == 16) {
        outside_.customTracksEnabled = false;
        Remove(id::CustomTracks);
    } else if (c.airFormat == 0) {
        CheckBox(id::CustomTracks, outside_.customTracksEnabled);
    } else {
        CheckBox(id::AlternateFormat, false);
        CheckBox(id::CustomTracks, false);
    }

    Show(id::AutoCreateLas);
    for (const OptionBox& box : kOptionBoxes)
        if (box.shows)
            CheckBox(box.id, box.shows(c));

    if (drilling) {
        for (int shown : {id::AutoDrill, id::AutoDrillLabel, id::AutoDrillRate})
            Show(shown);
        if (driller_.autoDrillRate > 0) {
            CheckBox(id::AutoDrill, driller_.autoDrill);
            SetText(id::AutoDrillRate, Format("%.2f", double(driller_.autoDrillRate)));
        }
        if (env.witsLink && c.useWitsDepth) {
            Lock(id::AutoDrill, false);
            SetText(id::AutoDrillRate, QString());
            Enable(id::AutoDrillRate, false);
            driller_.autoDrill = false;
            driller_.autoDrillRate = 0;
        }
        if (env.witsLink) {
            Show(id::UseWitsDepth);
            CheckBox(id::UseWitsDepth, c.useWitsDepth != 0);
            Show(id::UseWitsGas);
            CheckBox(id::UseWitsGas, c.witsDepthCompanion != 0);
            Show(id::GasViaWits);
            const int type = env.gasInstrumentType;
            if (p == 134 || InstrumentWithOwnGasFeed(type) || type == 13)
                Remove(id::GasViaWits);
            if (InstrumentWithOwnGasFeed(type)) {
                Lock(id::UseWitsGas, true);
                Lock(id::GasViaWits, false);
                Hide(id::SendChart);
                Show(id::WitsDepthOption);
                CheckBox(id::WitsDepthOption, c.witsDepthOption != 0);
            }
        }
        if (c.witsDepthCompanion)
            c.sendGasViaWits = 0;
        if (!withWits) {
            Remove(id::Unmanned);
            c.unmannedUnit = 0;
        } else {
            CheckBox(id::Unmanned, c.unmannedUnit != 0);
        }
        CheckBox(id::MarkLagDepth, c.markLagDepth != 0);
        CheckBox(id::NoAutoSlide, c.disableAutoSlide != 0);

        for (int shown : {id::DelayLabel, id::Delay, id::DelaySpin})
            Show(shown);
        SetUpDownRange(id::DelaySpin, 2, 300);
        SetUpDownPos(id::DelaySpin, c.minSecondsPerUnit);
        SetText(id::Delay, QString::number(c.minSecondsPerUnit));

        Show(id::OnBottomGroup);
        if (withWits && c.useWitsDepth)
            driller_.onBottomMode = 2;
        CheckBox(driller_.onBottomMode == 0   ? id::OpenOnBottom
                 : driller_.onBottomMode == 1 ? id::ClosedOnBottom
                                              : id::OnBottomDisabled,
                 true);
    } else {
        Hide(id::MarkLagDepth);
        Hide(id::NoAutoSlide);
    }

    highlightBelow = c.highlightRatesBelow;
    SetText(id::Highlight, Format("%3.1f", double(highlightBelow)));

    if (SandShaleProfile(p) || (wellfile::AlternateFormatProfile(p) && !c.alternateFormat))
        Enable(id::GasPercentScale);
    if (SandShaleProfile(p) || flags[kTemperatureFlag])
        Enable(id::TemperatureScale);

    FillScaleLists();

    CheckBox(id::PpmScale, c.drawPpmScale != 0);
    ShowPpmOption();

    if (p == 2)
        Hide(id::ShaleOnLeft);
    else
        CheckBox(id::ShaleOnLeft, c.shaleOnLeft != 0);

    SetInt(id::ScreenWidth, context_.screenWidth);
    SetInt(id::ScreenHeight, context_.screenHeight);
    SetInt(id::Monitors, context_.monitorCount);
    for (int off : {id::ScreenWidth, id::ScreenHeight, id::Monitors})
        Enable(off, false);
    SetText(id::RtResLag, Format("%.1f", double(c.rtResLag)));

    outside_.timeZoneAdjust = TimeZoneOrRegion(outside_.timeZoneAdjust, env.regionCode);
    SetInt(id::TimeZone, outside_.timeZoneAdjust);
}

bool SetupDlg::Co2List() const { return !context_.trackFlags[kTemperatureFlag] && context_.trackFlags[kCo2Flag]; }

int SetupDlg::Co2Offset() const { return PercentGroup() ? int(TemperatureScaleList().size()) : 0; }

void SetupDlg::FillScaleLists()
{
    const int p = context_.env.loggerId;
    wellfile::WellConfig& c = config_;
    const ScaleCodes& codes = context_.codes;

    ClearStrings(id::RateScales);
    const bool perHour = GetCheck(id::MetresPerHour) == BST_CHECKED;
    for (const QString& entry : RateScaleList(perHour))
        AddString(id::RateScales, entry);
    outside_.rateInMetresPerHour = perHour ? 1 : 0;
    if (c.logRateScale) {
        Lock(id::MetresPerHour, p == 74);
        Remove(id::ReverseRop);
        c.reverseRop = 0;
        CheckBox(id::LogRate, true);
    }
    SetSelIndex(id::RateScales, (perHour ? codes.ratePerHour : codes.rateMinutes) - 1);

    ClearStrings(id::GasScales);
    c.linearGasScale = GetCheck(id::LinearGas);
    for (const QString& entry : GasScaleList(p, c.alternateFormat != 0, c.linearGasScale != 0))
        AddString(id::GasScales, entry);
    if (c.logGasScale)
        CheckBox(id::LogGas, true);
    SetSelIndex(id::GasScales, codes.gas - 1);

    const bool percentGroup = PercentGroup();
    if (percentGroup) {
        ClearStrings(id::GasPercentScale);
        for (const QString& entry : GasPercentScaleList())
            AddString(id::GasPercentScale, entry);
        SetSelIndex(id::GasPercentScale, codes.gasPercent - 1);
        ClearStrings(id::TemperatureScale);
        for (const QString& entry : TemperatureScaleList())
            AddString(id::TemperatureScale, entry);
        SetSelIndex(id::TemperatureScale, 0);
    }

    if (context_.trackFlags[kTemperatureFlag]) {
        if (GetCount(id::TemperatureScale) == 0)
            for (const QString& entry : TemperatureScaleList())
                AddString(id::TemperatureScale, entry);
        SetSelIndex(id::TemperatureScale, 0);
    } else if (context_.trackFlags[kCo2Flag]) {
        Enable(id::TemperatureScale);
        SetText(id::TemperatureLabel, QStringLiteral("CO2 Scale"));
        for (const QString& entry : Co2ScaleList())
            AddString(id::TemperatureScale, entry);
        // The CO2 entries follow the temperature ones in the percent-gas group: a code counts from the
        // first CO2 entry.
        SetSelIndex(id::TemperatureScale, Co2Offset() + c.co2ScaleCode - 1);
    } else if (!percentGroup) {
        Hide(id::TemperatureScale);
        Hide(id::TemperatureLabel);
    }
}

void SetupDlg::ShowPpmOption()
{
    CheckBox(id::PpmScale, config_.drawPpmScale != 0);
    const bool percent = GetCheck(id::Percent) == BST_CHECKED;
    Enable(id::PpmScale, percent);
    if (percent)
        Show(id::PpmScale);
}

void SetupDlg::ApplyAltFormatRules()
{
    const std::optional<GasModeBoxes> boxes =
        layout::ApplyAltFormatRules(context_.env.loggerId, GetCheck(id::AlternateFormat) == BST_CHECKED, config_);
    if (!boxes)
        return;
    CheckBox(id::Percent, boxes->percent);
    Enable(id::Percent, boxes->percentEnabled);
    CheckBox(id::Units, boxes->units);
    Enable(id::Units, boxes->unitsEnabled);
    CheckBox(id::LogGas, boxes->logGas);
    Enable(id::LogGas, boxes->logGasEnabled);
    CheckBox(id::PpmScale, boxes->ppmScale);
}

void SetupDlg::CmOnBottomMode()
{
    if (!context_.env.drilling)
        return;
    int mode = GetCheck(id::ClosedOnBottom) == BST_CHECKED ? 1 : 0;
    if (GetCheck(id::OnBottomDisabled) == BST_CHECKED)
        mode = 2;
    driller_.onBottomMode = mode;
    if (host_.setOnBottomMode)
        host_.setOnBottomMode(mode);
}

void SetupDlg::EvHighlightSpin()
{
    const int delta = UpDownDelta();
    highlightBelow += delta > 0 ? -0.1f : 0.1f;
    if (highlightBelow < 0)
        highlightBelow = 10.0f;
    else if (highlightBelow > 10.0f)
        highlightBelow = 0;
    const int position = GetUpDownPos(id::HighlightSpin) + delta;
    if (position > 100)
        SetUpDownPos(id::HighlightSpin, 0);
    else if (position < 0)
        SetUpDownPos(id::HighlightSpin, 100);
    SetText(id::Highlight, Format("%3.1f", double(highlightBelow)));
}

void SetupDlg::EvDelaySpin()
{
    int position = GetUpDownPos(id::DelaySpin) + UpDownDelta();
    if (position > 300) {
        position = 0;
        SetUpDownPos(id::DelaySpin, position);
    }
    if (position < 1) {
        position = 300;
        SetUpDownPos(id::DelaySpin, position);
    }
    SetInt(id::Delay, position);
    if (context_.env.drilling) {
        driller_.delay = position;
        config_.minSecondsPerUnit = position;
        if (host_.setDelay)
            host_.setDelay(position);
    }
}

void SetupDlg::ToggleFieldSettings()
{
    if (host_.toggleFieldSettings)
        host_.toggleFieldSettings();
    EndDialog(platform::IDCANCEL);
}

SetupForm SetupDlg::ReadForm() const
{
    SetupForm form;
    for (int button : kFormButtons)
        if (GetCheck(button) == BST_CHECKED)
            form.checked.insert(button);
    form.highlight = GetText(id::Highlight);
    form.rtResLag = GetText(id::RtResLag);
    form.timeZone = GetText(id::TimeZone);
    form.delay = GetText(id::Delay);
    form.autoDrillRate = GetText(id::AutoDrillRate);
    return form;
}

bool SetupDlg::CanClose()
{
    if (rangeDialog_) {
        platform::MessageBeep(0);
        rangeDialog_->activateWindow();
        return false;
    }
    wellfile::WellConfig cfg = config_;
    OutsideSettings outside = outside_;
    layout::DrillerSettings driller = driller_;
    const QString badField =
        StoreSetup(ReadForm(), context_.env, cfg, outside, context_.env.drilling ? &driller : nullptr);
    if (!badField.isEmpty()) {
        platform::MessageBox(QStringLiteral("Enter a number for \"%1\"").arg(badField), QStringLiteral("Input Error"),
                             platform::MB_OK);
        return false;
    }
    if (host_.save && !host_.save(cfg, outside, context_.env.drilling ? &driller : nullptr))
        return false;
    config_ = cfg;
    outside_ = outside;
    driller_ = driller;
    for (const auto& act : pending_)
        act();
    pending_.clear();
    return true;
}

// ---- scale changes over depth intervals ------------------------------------------------------------

void SetupDlg::SetRopScaleInterval()
{
    const int choice = GetSelIndex(id::RateScales) + 1;
    config_.logRateScale = 0;
    if (host_.clearLogRateScale)
        pending_.push_back(host_.clearLogRateScale);
    if (choice == 0) {
        platform::MessageBox(QStringLiteral("Scale set to default"), QStringLiteral("Info"), platform::MB_OK);
        return;
    }
    AskInterval(outside_.rateInMetresPerHour ? ScaleField::RatePerHour : ScaleField::RateMinutes,
                std::uint16_t(choice));
}

void SetupDlg::SetGasScaleInterval()
{
    const int choice = GetSelIndex(id::GasScales) + 1;
    if (choice == 0) {
        platform::MessageBox(QStringLiteral("Gas Scale set to default"), QStringLiteral("Info"), platform::MB_OK);
        return;
    }
    AskInterval(ScaleField::Gas, std::uint16_t(choice));
}

void SetupDlg::SetScale3Interval()
{
    int choice = GetSelIndex(id::GasPercentScale) + 1;
    if (choice == 0) {
        platform::MessageBox(QStringLiteral("New Scale Not Selected"), QStringLiteral("ERROR"), platform::MB_OK);
        return;
    }
    if (choice > 4)
        choice = 1;
    AskInterval(ScaleField::GasPercent, std::uint16_t(choice));
}

void SetupDlg::SetScale4Interval()
{
    int choice = GetSelIndex(id::TemperatureScale) + 1;
    // A CO2 entry sets the CO2 scale of the whole log; no record changes.
    if (Co2List() && choice > Co2Offset()) {
        const int code = choice - Co2Offset();
        config_.co2ScaleCode = code;
        if (host_.setCo2Scale)
            pending_.push_back([this, code] { host_.setCo2Scale(code); });
        return;
    }
    if (choice == 0) {
        platform::MessageBox(QStringLiteral("New Scale Not Selected"), QStringLiteral("ERROR"), platform::MB_OK);
        return;
    }
    if (choice > 4)
        choice = 1;
    AskInterval(ScaleField::Temperature, std::uint16_t(choice));
}

void SetupDlg::AskInterval(ScaleField field, std::uint16_t code)
{
    // The interval dialog is modal over this one, which takes no input meanwhile.
    const auto interval = AskDepthInterval(this, rangeDialog_,
                                           {context_.viewTopDepth, context_.fileTopDepth, context_.fileBottomDepth,
                                            context_.env.loggerId});
    activateWindow();
    if (interval && host_.writeInterval)
        pending_.push_back([this, field, code, from = interval->first, to = interval->second] {
            host_.writeInterval(field, code, from, to);
        });
}

}  // namespace layout
