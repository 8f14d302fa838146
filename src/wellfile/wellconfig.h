#pragma once
// WellConfig: the well's configuration record (".cfg", 5,268 bytes, packed with fields at odd offsets).
// The open routine restores it into the window, the exit routine saves the window into it, and each
// setup dialog changes its own fields. Bytes whose meaning is not known are carried unchanged.
#include "wellfile/lagrecord.h"
#include "wellfile/wellplace.h"

#include <cstddef>
#include <cstdint>

namespace wellfile {

#pragma pack(push, 1)
// An e-log curve file with the depth offset (depth-match shift) applied to it.
struct ElogOffsetEntry {
    std::int32_t id;
    std::int32_t depthOffset;
    std::uint8_t selected;
    char fileName[260];
};
static_assert(sizeof(ElogOffsetEntry) == 269);

// An offset (comparison) well drawn beside the log.
struct OffsetWellEntry {
    std::int32_t depthShift;
    std::int32_t active;  // 1 for the entry in use
    char fileName[260];
};
static_assert(sizeof(OffsetWellEntry) == 268);

// Copy and live-update options: the window keeps a copy of these 56 bytes.
struct CopyOptions {
    std::int32_t liveUpdateInterval;  // metres, at least 2
    std::uint8_t gap4[4];
    std::uint8_t copyOut;             // also the live-update flag
    std::uint8_t flag9;
    std::uint8_t sendChartFiles;
    std::uint8_t remoteCopy;
    std::uint8_t flag12;
    std::uint8_t sendWitsFiles;
    std::uint8_t flags14[5];
    std::uint8_t rest[37];
};
static_assert(sizeof(CopyOptions) == 56);

struct WellConfig {
    std::int32_t logScaleKind;        // 0: 1 one unit, 2 two-foot, 3 ten-foot
    std::int32_t rateLineStyle;       // 4: 1 point to point, 0 blocked
    std::int32_t gasLineStyle;        // 8
    std::int32_t rateUnitPerHour;     // 12: rates as 60 / minutes per unit
    std::int32_t setting16;           // 16
    std::int32_t lastDstReportText;   // 20: number of the last DST report written as text
    std::int32_t lastShowReportText;  // 24
    std::uint8_t gap28[8];
    std::int32_t maxGasEntries;       // 36: below 1 means 5
    std::int32_t running40[2];        // 40
    std::int32_t logGasScale;         // 48
    std::int32_t viewTopDepth;        // 52
    std::int32_t gasPercentMode;      // 56
    std::uint8_t hotwire;             // 60
    std::uint8_t drillingAtExit;      // 61: always 0 for a scratch ('~') well
    std::uint8_t gap62[4];
    std::int32_t drillingSetting;     // 66
    std::int32_t lagAlarmInterval;    // 70: depth units between lag alarm sounds
    std::uint8_t gap74[4];
    std::int32_t topsLine;            // 78
    std::int32_t offsetRopShown;      // 82
    std::int32_t minSecondsPerUnit;   // 86: 0 to 99, else 4
    char transferScript[30];          // 90
    ElogOffsetEntry elogOffsets[6];   // 120
    OffsetWellEntry offsetWells[6];   // 1734
    std::int32_t currentScheme;       // 3342: 0 to 5
    std::int32_t tenFootRatesFromFive;  // 3346
    float highlightRatesBelow;        // 3350: minutes per unit
    std::uint8_t gap3354[16];
    std::int32_t drillingSetting3370;  // 3370
    std::int32_t alternateFormat;     // 3374
    std::int32_t lastPrintedDepth;    // 3378
    std::int32_t curveSetting;        // 3382: gamma scale index 1 to 9
    std::int32_t gasMonitorOn;        // 3386
    std::int32_t logBodySetting;      // 3390
    std::uint8_t gap3394[251];
    char backupDrive[10];             // 3645: a root such as "C:\"
    std::int32_t switchPolarity;      // 3655: how the on/off-bottom switch reads
    std::int32_t markLagDepth;        // 3659
    std::int32_t witsComPort;         // 3663
    std::int32_t witsLinkOn;          // 3667
    LagRecord lagSettings;            // 3671: used by the custom tracks when not drilling
    std::int32_t gasInstrumentType;   // 3927: -1 none
    std::int32_t remoteSetting;       // 3931
    std::uint8_t gap3935[4];
    std::int32_t pasonFeed;           // 3939: WITS mode, 1 Pason
    std::int32_t useWitsDepth;        // 3943
    std::int32_t showSurveyData;      // 3947
    std::uint8_t gap3951;
    std::uint8_t sandShaleOnly;       // 3952: profiles 4, 11 and 64 only
    std::uint8_t gap3953;
    std::uint8_t shaleOnLeft;         // 3954
    std::uint8_t printAll;            // 3955
    std::uint8_t gap3956;
    std::int32_t logRateScale;        // 3957
    std::uint16_t airFormat;          // 3961: profile 37
    std::uint8_t witsUpdate;          // 3963
    std::uint8_t combineIc4Nc4;       // 3964
    std::uint8_t gap3965[5];
    std::uint8_t logDrawingSetting;   // 3970
    std::uint8_t gap3971[5];
    std::uint8_t linesAndScalesSet;   // 3976
    std::uint8_t witsDepthCompanion;  // 3977: companion flag of depth from WITS
    std::int32_t linearGasScale;      // 3978
    std::int32_t co2ScaleCode;        // 3982: 1 to 5
    char chartFolder[256];            // 3986
    std::uint8_t gap4242[264];
    std::int32_t quickBarLeft;        // 4506
    std::int32_t quickBarTop;         // 4510
    std::uint8_t gap4514;
    std::uint8_t sendTopsFile;        // 4515
    std::uint8_t reverseRop;          // 4516
    std::uint8_t sendConfigFile;      // 4517
    std::uint8_t autoCreateLas;       // 4518
    std::uint8_t gap4519;
    std::int32_t windowLeft;          // 4520
    std::int32_t windowTop;           // 4524
    std::int32_t windowWidth;         // 4528
    std::int32_t windowHeight;        // 4532
    std::uint8_t gap4536[4];
    std::int32_t customTrackCount;    // 4540
    std::int32_t customTrackWidth;    // 4544
    std::int32_t customTracksEnabled;  // 4548
    std::uint8_t gap4552[4];
    std::int32_t sendHorzConfigFile;  // 4556
    std::uint8_t gap4560[4];
    std::uint8_t hideShortReports;    // 4564
    std::uint8_t gap4565;
    std::uint8_t unmannedUnit;        // 4566
    std::uint8_t gap4567;
    std::uint8_t sendGasViaWits;      // 4568
    std::uint8_t customWitsOn;        // 4569
    std::uint8_t gap4570[4];
    std::uint8_t reverseCo2;          // 4574
    std::uint8_t gap4575[30];
    std::uint8_t witsMirror;          // 4605: cleared with the WITS link
    std::uint8_t setting4606;         // 4606
    std::uint8_t gap4607;
    std::uint8_t drawPpmScale;        // 4608
    std::uint8_t headerSendSetting;   // 4609
    CopyOptions copyOptions;          // 4610
    std::uint8_t gap4666[4];
    std::uint8_t sendColourFile;      // 4670
    std::uint8_t gap4671;
    std::int32_t witsCurveSetting;    // 4672
    std::uint8_t witsDepthOption;     // 4676
    std::int32_t useHardnessLabel;    // 4677
    std::uint8_t disableAutoSlide;    // 4681
    std::uint8_t gap4682[8];
    std::uint16_t drillingSetting4690;  // 4690
    std::uint8_t gap4692[14];
    float rtResLag;                   // 4706: depth units from the bit
    std::uint8_t gap4710[56];
    std::uint8_t basicLas;            // 4766
    std::uint8_t gap4767[2];
    std::uint8_t altSurveyPosition;   // 4769
    std::uint8_t lithLegend;          // 4770
    std::uint8_t gap4771[5];
    std::uint8_t setting4776;         // 4776
    std::uint8_t gap4777[2];
    std::uint8_t setting4779;         // 4779
    std::uint8_t gap4780;
    float elogLithThresholds[55];     // 4781
    std::uint8_t gap5001;
    std::int32_t lagByStrokesFromWits;  // 5002: lag by pump strokes from WITS
    std::uint8_t plotInterpretedLith;  // 5006
    std::uint8_t rest[261];
};
#pragma pack(pop)

static_assert(sizeof(WellConfig) == 5268);
static_assert(offsetof(WellConfig, rateLineStyle) == 4);
static_assert(offsetof(WellConfig, gasLineStyle) == 8);
static_assert(offsetof(WellConfig, rateUnitPerHour) == 12);
static_assert(offsetof(WellConfig, setting16) == 16);
static_assert(offsetof(WellConfig, lastDstReportText) == 20);
static_assert(offsetof(WellConfig, lastShowReportText) == 24);
static_assert(offsetof(WellConfig, maxGasEntries) == 36);
static_assert(offsetof(WellConfig, running40) == 40);
static_assert(offsetof(WellConfig, logGasScale) == 48);
static_assert(offsetof(WellConfig, viewTopDepth) == 52);
static_assert(offsetof(WellConfig, gasPercentMode) == 56);
static_assert(offsetof(WellConfig, hotwire) == 60);
static_assert(offsetof(WellConfig, drillingAtExit) == 61);
static_assert(offsetof(WellConfig, drillingSetting) == 66);
static_assert(offsetof(WellConfig, lagAlarmInterval) == 70);
static_assert(offsetof(WellConfig, topsLine) == 78);
static_assert(offsetof(WellConfig, offsetRopShown) == 82);
static_assert(offsetof(WellConfig, minSecondsPerUnit) == 86);
static_assert(offsetof(WellConfig, transferScript) == 90);
static_assert(offsetof(WellConfig, elogOffsets) == 120);
static_assert(offsetof(WellConfig, elogOffsets) + offsetof(ElogOffsetEntry, depthOffset) == 124);
static_assert(offsetof(WellConfig, elogOffsets) + offsetof(ElogOffsetEntry, fileName) == 129);
static_assert(offsetof(WellConfig, offsetWells) == 1734);
static_assert(offsetof(WellConfig, currentScheme) == 3342);
static_assert(offsetof(WellConfig, tenFootRatesFromFive) == 3346);
static_assert(offsetof(WellConfig, highlightRatesBelow) == 3350);
static_assert(offsetof(WellConfig, drillingSetting3370) == 3370);
static_assert(offsetof(WellConfig, alternateFormat) == 3374);
static_assert(offsetof(WellConfig, lastPrintedDepth) == 3378);
static_assert(offsetof(WellConfig, curveSetting) == 3382);
static_assert(offsetof(WellConfig, gasMonitorOn) == 3386);
static_assert(offsetof(WellConfig, logBodySetting) == 3390);
static_assert(offsetof(WellConfig, backupDrive) == 3645);
static_assert(offsetof(WellConfig, switchPolarity) == 3655);
static_assert(offsetof(WellConfig, markLagDepth) == 3659);
static_assert(offsetof(WellConfig, witsComPort) == 3663);
static_assert(offsetof(WellConfig, witsLinkOn) == 3667);
static_assert(offsetof(WellConfig, lagSettings) == 3671);
static_assert(offsetof(WellConfig, gasInstrumentType) == 3927);
static_assert(offsetof(WellConfig, remoteSetting) == 3931);
static_assert(offsetof(WellConfig, pasonFeed) == 3939);
static_assert(offsetof(WellConfig, useWitsDepth) == 3943);
static_assert(offsetof(WellConfig, showSurveyData) == 3947);
static_assert(offsetof(WellConfig, sandShaleOnly) == 3952);
static_assert(offsetof(WellConfig, shaleOnLeft) == 3954);
static_assert(offsetof(WellConfig, printAll) == 3955);
static_assert(offsetof(WellConfig, logRateScale) == 3957);
static_assert(offsetof(WellConfig, airFormat) == 3961);
static_assert(offsetof(WellConfig, witsUpdate) == 3963);
static_assert(offsetof(WellConfig, combineIc4Nc4) == 3964);
static_assert(offsetof(WellConfig, logDrawingSetting) == 3970);
static_assert(offsetof(WellConfig, linesAndScalesSet) == 3976);
static_assert(offsetof(WellConfig, witsDepthCompanion) == 3977);
static_assert(offsetof(WellConfig, linearGasScale) == 3978);
static_assert(offsetof(WellConfig, co2ScaleCode) == 3982);
static_assert(offsetof(WellConfig, chartFolder) == 3986);
static_assert(offsetof(WellConfig, quickBarLeft) == 4506);
static_assert(offsetof(WellConfig, quickBarTop) == 4510);
static_assert(offsetof(WellConfig, sendTopsFile) == 4515);
static_assert(offsetof(WellConfig, reverseRop) == 4516);
static_assert(offsetof(WellConfig, sendConfigFile) == 4517);
static_assert(offsetof(WellConfig, autoCreateLas) == 4518);
static_assert(offsetof(WellConfig, windowLeft) == 4520);
static_assert(offsetof(WellConfig, windowHeight) == 4532);
static_assert(offsetof(WellConfig, customTrackCount) == 4540);
static_assert(offsetof(WellConfig, customTracksEnabled) == 4548);
static_assert(offsetof(WellConfig, sendHorzConfigFile) == 4556);
static_assert(offsetof(WellConfig, hideShortReports) == 4564);
static_assert(offsetof(WellConfig, unmannedUnit) == 4566);
static_assert(offsetof(WellConfig, sendGasViaWits) == 4568);
static_assert(offsetof(WellConfig, customWitsOn) == 4569);
static_assert(offsetof(WellConfig, reverseCo2) == 4574);
static_assert(offsetof(WellConfig, witsMirror) == 4605);
static_assert(offsetof(WellConfig, setting4606) == 4606);
static_assert(offsetof(WellConfig, drawPpmScale) == 4608);
static_assert(offsetof(WellConfig, headerSendSetting) == 4609);
static_assert(offsetof(WellConfig, copyOptions) == 4610);
static_assert(offsetof(WellConfig, copyOptions) + offsetof(CopyOptions, copyOut) == 4618);
static_assert(offsetof(WellConfig, copyOptions) + offsetof(CopyOptions, sendChartFiles) == 4620);
static_assert(offsetof(WellConfig, copyOptions) + offsetof(CopyOptions, remoteCopy) == 4621);
static_assert(offsetof(WellConfig, copyOptions) + offsetof(CopyOptions, sendWitsFiles) == 4623);
static_assert(offsetof(WellConfig, copyOptions) + offsetof(CopyOptions, flags14) + 4 == 4628);
static_assert(offsetof(WellConfig, sendColourFile) == 4670);
static_assert(offsetof(WellConfig, witsCurveSetting) == 4672);
static_assert(offsetof(WellConfig, witsDepthOption) == 4676);
static_assert(offsetof(WellConfig, useHardnessLabel) == 4677);
static_assert(offsetof(WellConfig, disableAutoSlide) == 4681);
static_assert(offsetof(WellConfig, drillingSetting4690) == 4690);
static_assert(offsetof(WellConfig, rtResLag) == 4706);
static_assert(offsetof(WellConfig, basicLas) == 4766);
static_assert(offsetof(WellConfig, altSurveyPosition) == 4769);
static_assert(offsetof(WellConfig, lithLegend) == 4770);
static_assert(offsetof(WellConfig, setting4776) == 4776);
static_assert(offsetof(WellConfig, setting4779) == 4779);
static_assert(offsetof(WellConfig, elogLithThresholds) == 4781);
static_assert(offsetof(WellConfig, lagByStrokesFromWits) == 5002);
static_assert(offsetof(WellConfig, plotInterpretedLith) == 5006);

// The window values that the default record takes over.
struct ConfigDefaults {
    std::int32_t rateLineStyle = 1;
    std::int32_t gasLineStyle = 1;
    std::uint8_t sendColourFile = 0;
    std::uint16_t loggerId = 0;
};

// The record the open routine builds and saves when no ".cfg" could be read.
WellConfig DefaultWellConfig(const ConfigDefaults& window);

// The well's own ".cfg": in the data folder for a shared-folder well with field settings, else in the
// local folder.
QString OwnConfigPath(const WellPlace& place, bool fieldSettings);

// The file LoadConfig reads: the data folder's "default.cfg" while drilling is off and the working
// folder holds a "default.cfg"; else the well's own ".cfg" (OwnConfigPath).
QString ConfigReadPath(const WellPlace& place, bool fieldSettings);

// Clears `config` and fills it from a file of exactly 5,268 bytes: 1 when read, else 0. When the
// "default.cfg" that ConfigReadPath chose cannot be read, the well's own ".cfg" is read instead.
int LoadConfig(WellConfig& config, const WellPlace& place, bool fieldSettings);

// Renames the well's own ".cfg" to a free ".cfg.bad" name when it exists with the wrong size, so that
// the defaults written in its place lose nothing. Returns the new name; empty when nothing was moved.
QString KeepBadConfigAside(const WellPlace& place, bool fieldSettings);

// Writes the well's ".cfg": for a shared-folder well into the data folder, after marking field
// settings in the well's ".dbc" (and in `fieldSettings`); else into the local folder. A scratch well
// is stored with drilling off. While drilling with the copy-out and remote-copy options on, the file is
// copied to "remote". Returns 0 when no well is open or a write failed.
int SaveConfig(const WellConfig& config, const WellPlace& place, bool& fieldSettings);

// Whether opening the well brings drilling mode back on: only when it was on at the last exit and the
// well is not a scratch ('~') well.
bool RestartsInDrilling(const WellConfig& config, const QString& wellName);

}  // namespace wellfile
