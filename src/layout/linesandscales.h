#pragma once
// The rules of the "Lines and Scales" settings, free of any dialog: the scale lists each profile offers,
// the profile groups and the gas-mode rule of the alternate format, and the order in which "Save and
// Close" stores the dialog's boxes and numbers into the well's settings record and the window.
#include "layout/drillersettings.h"
#include "wellfile/profile.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>

namespace layout {

// Control ids of dialog resource 1 ("STRATIV SETUP").
namespace setupid {
constexpr int OneMeter = 102, TwoFoot = 103, TenFoot = 104, TenFootFiveFtRates = 123;
constexpr int MetresPerHour = 113;
constexpr int RateLineGroup = 105, RatePointToPoint = 106, RateBlocked = 107;
constexpr int GasLineGroup = 108, GasPointToPoint = 109, GasBlocked = 110;
constexpr int RateScales = 111, GasScales = 112, GasPercentScale = 131, TemperatureScale = 139;
constexpr int TemperatureLabel = 144;
constexpr int Highlight = 118, HighlightSpin = 117, HighlightLabel = 125;
constexpr int TopsLine = 119;
constexpr int Delay = 120, DelaySpin = 121, DelayLabel = 122;
constexpr int AlternateFormat = 124;
constexpr int GasModeGroup = 126, Units = 127, Percent = 129;
constexpr int OnBottomGroup = 146, OpenOnBottom = 147, ClosedOnBottom = 148, OnBottomDisabled = 130;
constexpr int MarkLagDepth = 128, CombineIc4Nc4 = 132, SurveyData = 133, ShaleOnLeft = 136;
constexpr int UseWitsDepth = 137, AirFormat = 138, SandShaleOnly = 140, UseWitsGas = 142, LinearGas = 143;
constexpr int SendTops = 145, ReverseRop = 149, SendConfig = 150, LogGas = 151, LogRate = 152, AutoCreateLas = 153;
constexpr int AutoDrill = 115, AutoDrillLabel = 155, AutoDrillRate = 154;
constexpr int CustomTracks = 156, Unmanned = 158, SendHorzConfig = 159, HideShortReports = 116;
constexpr int GasViaWits = 163, ReverseCo2 = 164, StoreAllWits = 166, PpmScale = 160, AltSurveyPosition = 167;
constexpr int WitsDepthOption = 168, ScreenWidth = 135, ScreenHeight = 161, Monitors = 162;
constexpr int NoAutoSlide = 170, SendAllPictures = 171, RtResLag = 141, SendColours = 169, SendChart = 173;
constexpr int ResetDialogs = 157, FieldSettings = 1370, TimeZoneLabel = 178, TimeZone = 177, BasicLas = 172;
}  // namespace setupid

using wellfile::PercentGasGroup;
using wellfile::SandShaleProfile;

// The entries of the scale lists; a record's scale code is the 1-based position in its list.
QStringList RateScaleList(bool perHour);
QStringList GasScaleList(int profile, bool alternateFormat, bool linearGasScale);
QStringList GasPercentScaleList();
QStringList TemperatureScaleList();
QStringList Co2ScaleList();

// The scale codes the dialog opens with: those of the file's last record, or 1 in every list without one.
struct ScaleCodes {
    int gas = 1;          // record byte 100
    int rateMinutes = 1;  // 322
    int ratePerHour = 1;  // 258
    int gasPercent = 1;   // 262
};
ScaleCodes ScaleCodesOf(const wellfile::RECORD* lastRecord);

// What the gas-mode boxes show after the alternate-format rule.
struct GasModeBoxes {
    bool percent = false, percentEnabled = false;
    bool units = false, unitsEnabled = false;
    bool logGas = false, logGasEnabled = false;
    bool ppmScale = false;
};
// The alternate-format rule of profiles 17, 78 and 88: with the format on (17 and 88), gas in percent on
// logarithmic scales; otherwise percent and logarithmic gas off. Sets the log-gas and gas-mode fields of
// `cfg` (48, 56). Other profiles: nothing changes and nothing is returned.
std::optional<GasModeBoxes> ApplyAltFormatRules(int profile, bool alternateChecked, wellfile::WellConfig& cfg);

// The window's settings that its copy of the record does not hold.
struct OutsideSettings {
    std::int32_t rateInMetresPerHour = 0;
    bool customTracksEnabled = false;
    bool fieldSettings = false;
    std::int32_t timeZoneAdjust = 0;  // hours
    bool storeAllWits = false;
    bool sendAllPictures = false;
    bool sendChartFile = false;
};

// What "Save and Close" needs to know of the window besides the record.
struct SetupEnvironment {
    int loggerId = 0;
    bool drilling = false;       // the drilling object exists
    bool witsLink = false;       // the WITS link exists
    bool customWitsLink = false;
    int gasInstrumentType = -1;
    bool scratchWell = false;
    bool customTracksAvailable = false;
    std::function<int()> regionCode;  // the well header's region code (time-zone default)
};

// The dialog's controls as "Save and Close" reads them.
struct SetupForm {
    std::set<int> checked;  // ids of the checked boxes and radios
    QString highlight, rtResLag, timeZone, delay, autoDrillRate;
    bool Checked(int id) const { return checked.count(id) != 0; }
};

// Stores the form into `cfg`, `outside` and (while drilling) `driller`, in the order of "Save and
// Close", the alternate-format rule last. A number field that does not hold a number stops it before
// anything changes: the result is that field's caption, else empty.
QString StoreSetup(const SetupForm& form, const SetupEnvironment& env, wellfile::WellConfig& cfg,
                   OutsideSettings& outside, layout::DrillerSettings* driller);

// The time-zone adjustment as stored: hours from -10 to 10, anything else the region code.
std::int32_t TimeZoneOrRegion(std::int32_t hours, const std::function<int()>& regionCode);

}  // namespace layout
