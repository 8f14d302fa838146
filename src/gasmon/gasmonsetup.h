#pragma once
// The gas monitor set-up (dialog 40) without its window: which controls show, are enabled, checked and
// what they read for an instrument type, a profile and the engines that run; and what Save reads back
// into the settings record. The dialog only applies the view and hands its fields over.
#include "gasmon/gasmoncfg.h"
#include "platform/logfont.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace gasmon {

// The dialog's controls, by the numbers of the dialog resource.
enum SetupControl : int {
    kClose = 2,
    // Edits of the component rows: elution times, drifts, ratios.
    kElutionC1 = 101, kElutionC2 = 102, kElutionC3 = 103, kElutionIC4 = 104, kElutionNC4 = 108, kElutionC5 = 105,
    kDriftC1 = 117, kDriftC2 = 195, kDriftC3 = 138, kDriftIC4 = 139, kDriftNC4 = 140, kDriftC5 = 196,
    kRatioC1 = 112, kRatioC2 = 113, kRatioC3 = 114, kRatioIC4 = 115, kRatioNC4 = 146, kRatioC5 = 116,
    kChromZero = 100, kC4Zero = 197,
    kHwSpan = 106, kHwAttenuator = 109, kHwZero = 126, kConnTimeOut = 123,
    kChSpan = 107, kChAttenuator = 110,
    kCh3Span = 160, kCh3Attenuator = 159, kCh3Zero = 175, kCh3Label = 405,
    kCh4Span = 158, kCh4Attenuator = 161, kCh4Zero = 176, kCh4Label = 305,
    kReadings = 111, kHwDelay = 134, kGasComPort = 121, kWitsComPort = 124, kWitsComPortLabel = 157,
    kIp1 = 149, kIp2 = 150, kIp3 = 151, kIp4 = 152, kIpLabel = 153,
    kPressure = 162, kDate = 163, kCycleTime = 136, kCycleTimeLabel = 204,
    kMvRange = 169, kMvRangeLabel = 170, kThreshold = 177, kThresholdLabel = 194,
    kWitsInterval = 164, kWto = 187, kMaxChar = 188, kBps = 166, kChTimeOut = 168,
    kIsoInterval = 225, kSurfaceLag = 230, kIntegratorFile = 310, kIntegratorLabel = 304, kBrowse = 306,
    kTcHighField = 210, kSpanInfo = 156,
    kRatioCalculated = 131, kRatioNone = 132, kPlotMethane = 143, kPlotSummary = 144,
    kDepthCh3 = 179, kDepthCh4 = 180, kOffBotCh3 = 184, kOffBotCh4 = 185, kPason = 141, kOther = 147,
    kDepthOnModule = 171, kOffBottomOnModule = 182, kTriggerOnHigh = 181,
    kStoreCalibration = 173, kAutoTc = 174, kCustomOnCh3 = 228, kOwnControl = 186,
    kPpm = 133, kTotalChromat = 223, kSri = 167, kBaselineIntegrator = 178, kBaselineFid = 199,
    kDisplayOn = 135, kFitChromat = 148, kUseTcHigh = 211, kAutoBypass = 224,
    kInstrumentList = 125, kDataList = 120, kDataHeading = 122,
    kSave = 154, kViewGas = 119, kViewChart = 192, kSaveToFile = 129,
    kSetElution = 128, kSetSpan = 155, kSampleNow = 137, kCloseBlock = 165, kIsoSampleNow = 227, kOpenClear = 172,
    kClearRatios = 145, kHelp = 142, kAdvanced = 222,
    // Labels and frames the resource leaves unnumbered that the rules show and hide with their fields.
    kC1RowLabel = 1001, kC5RowLabel = 1002, kIsoLabel = 1003, kWitsIntervalLabel = 1004, kWtoLabel = 1005,
    kMaxCharLabel = 1006, kBpsLabel = 1007, kChTimeOutLabel = 1008, kMethaneFrame = 1009, kDepthFrame = 1010,
    kOffBottomFrame = 1011, kWitsModeFrame = 1012, kReadingsLabel = 1013, kC4ZeroLabel = 1014,
    kTgaLabel = 1015, kStatusDepthNote = 1016,
};

// The edits of the correction factors P0 to P18, in order.
constexpr int kCorrectionIds[19] = {200, 201, 202, 203, 205, 206, 207, 208, 209, 212,
                                    213, 214, 215, 216, 217, 218, 219, 220, 221};
// The rows C1, C2, C3, iC4, nC4, C5 of the elution, drift and ratio columns.
constexpr int kElutionIds[6] = {kElutionC1, kElutionC2, kElutionC3, kElutionIC4, kElutionNC4, kElutionC5};
constexpr int kDriftIds[6] = {kDriftC1, kDriftC2, kDriftC3, kDriftIC4, kDriftNC4, kDriftC5};
constexpr int kRatioIds[6] = {kRatioC1, kRatioC2, kRatioC3, kRatioIC4, kRatioNC4, kRatioC5};
constexpr int kIpIds[4] = {kIp1, kIp2, kIp3, kIp4};

// What the set-up depends on besides the record.
struct SetupInputs {
    int instrumentType = 0;        // the window's gas instrument type, 0 to 15
    int profile = 0;               // logging-company profile of the open file
    bool engineRunning = false;
    float engineRange = 0;         // the running engine's millivolt range ("MV Range")
    bool witsRunning = false;
    bool witsDepthTracking = false;  // the WITS hole depth steps the depth
    bool witsSettingsFile = false;   // "witsedit.cfg" is in the well's folder
    int configWitsComPort = 0;     // the well configuration's WITS com port
    int configWitsMode = 0;        // the well configuration's WITS mode, 1 Pason
    int screenWidth = 0, screenHeight = 0;  // the primary screen; 0 unknown
};

// One control as the rules leave it; what a rule does not decide stays as it is.
struct ControlState {
    std::optional<bool> shown;
    std::optional<bool> enabled;
    std::optional<bool> checked;
    std::optional<QString> text;
};

struct SetupView {
    std::map<int, ControlState> controls;
    std::vector<QString> typeList;  // the instrument list's texts, in type order
    int selectedType = 0;

    // The state of `id` (empty when no rule decides it).
    ControlState At(int id) const;
};

enum class SetupPass {
    Open,        // the dialog is set up: every control and every field
    TypeChange,  // another instrument type was chosen: what depends on the type, and the fields it sets
};

// Applies the set-up rules. The record is the dialog's copy: the rules clear the integrator fields of
// other types, bound the zeros and the surface lag time and put in the default address and spans.
SetupView ComputeSetupView(const SetupInputs& in, GASMONCFG& cfg, SetupPass pass);

// The font of the data list and its heading: "Courier New" sized from the screen width and the
// window's text height and width.
platform::LOGFONTA DataListFont(int screenWidth, int textHeight, int textWidth);

// The chromatograph zero is typed in only for these types and profiles; elsewhere it follows C1.
bool ChromZeroEditable(int instrumentType, int profile);
// The zero that follows the C1 elution time: the whole part of 0.8 times it.
int ChromZeroFromC1(int c1ElutionTime);

// The fields of the dialog as Save reads them.
class SetupForm {
public:
    virtual ~SetupForm() = default;
    virtual QString Text(int id) const = 0;
    virtual bool Checked(int id) const = 0;
    virtual bool Shown(int id) const = 0;
};

// What a Save leaves for the caller to store.
struct SetupSave {
    QString refusal;          // the message when a com port is out of range; nothing is stored then
    int witsMode = 0;         // for the well configuration: 1 "Pason"
    // Handed to a running WITS link.
    std::optional<float> witsHotWireAttenuator;
    std::optional<int> witsHotWireDelay;
    std::optional<float> witsSurfaceLag;
    std::optional<QString> witsIntegratorFile;
    std::optional<QString> engineIntegratorFile;  // handed to the running engine (type 3)
};

// Reads the form into the record as Save does (every field, also when a com port is refused).
SetupSave ReadSetupForm(const SetupForm& form, const SetupInputs& in, GASMONCFG& cfg);

}  // namespace gasmon
