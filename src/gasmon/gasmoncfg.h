#pragma once
// GASMONCFG: the gas monitor's settings record ("gasmon.cfg" in the open well's folder, 1,668 bytes,
// packed, floats and ints at odd offsets). Every user reads the whole record into its own copy,
// changes its own fields and writes the whole record back; nobody holds it between calls.
#include <QString>

#include <cstddef>
#include <cstdint>

namespace gasmon {

#pragma pack(push, 1)
struct GASMONCFG {
    float hotWireSpan;             // 0: "Hotwire" span, 200.0 (0.1 for instrument type 7)
    float chromatSpan;             // 4: "Chromatograph" span
    float hotWireAttenuator;       // 8: 1.0; 0 or less is saved as 1.0
    float chromatAttenuator;       // 12
    float hotWireZero;             // 16: units above true zero, subtracted from the reading
    std::uint8_t totalChromatRatios;  // 20: "Use Total Chromat To Calulate Ratios"
    std::uint8_t unused21[7];
    std::int32_t elutionTime[6];   // 28: C1, C2, C3, iC4, nC4, C5: seconds from injection to the peak
    std::int32_t chromatZero;      // 52: seconds from injection to the zero base line ("Chrom Zero")
    float ratioSlot0;              // 56: 1.0 on every save and when the ratios are reset
    float ratios[7];               // 60: C1 to C5, then a seventh value kept from the gas record
    std::uint8_t unused88[4];
    std::int32_t ratioMode;        // 92: 1 "Calculated Ratio's", 0 "No Ratio's"
    std::int32_t readingsPerCycle; // 96: "Max Readings", at most 6
    float connectionTimeout;       // 100: minutes ("Conn Time Out")
    std::uint8_t unused104[4];
    std::int32_t hotWireDelay;     // 108: seconds ("HW Delay")
    std::int32_t setupMark;        // 112: 1 at first setup and on every save
    std::uint8_t unused116[8];
    float drift[6];                // 124: C1 to C5
    std::int32_t savedClear148;    // 148: cleared on every save
    std::uint8_t unused152[4];
    std::int32_t plotMethane;      // 156: instrument type 4: 1 "Plot Methane", 0 "Plot Summary"
    std::int32_t c4ZeroTime;       // 160: seconds (field hidden)
    std::int32_t gasComPort;       // 164: 1 to 9
    std::uint8_t unused168[4];
    std::int32_t witsComPort;      // 172: 0 to 9
    std::uint16_t ipAddress[4];    // 176: the instrument's IPv4 address, a byte per word (types 5, 7, 9)
    float channel3Span;            // 184
    float channel4Span;            // 188
    float channel3Attenuator;      // 192
    float channel4Attenuator;      // 196
    float calibrationPsi;          // 200: "Calibrated at (PSI)"
    char calibrationDate[20];      // 204: "DATE", at most 18 characters
    std::int32_t cycleTime;        // 224: seconds ("Cycle Time"); the engine takes 300 below 1
    std::uint8_t unused228[4];
    std::int32_t block232[8];      // 232: elements 1 to 7 cleared at first setup
    std::int32_t block264[8];      // 264: elements 1 to 7 cleared at first setup
    std::int32_t sriIntegrator;    // 296: "SRI Intergrator", nonzero when on
    std::uint8_t unused300[4];
    std::uint8_t storeCalibration; // 304: "Store Calibration"
    std::uint8_t unused305[4];
    std::uint8_t autoTc;           // 309: "Auto TC "
    float channel3Zero;            // 310
    float channel4Zero;            // 314
    std::uint8_t depthOnModule;    // 318: "Depth On Acromag"
    std::uint8_t offBottomOnModule;  // 319: "Off Bottom on Acromag"
    std::int32_t depthChannel;     // 320: module channel of the depth pulses, 3 or 4
    std::int32_t offBottomChannel; // 324: module channel of the off-bottom signal, 3 or 4
    std::uint8_t depthOnModuleSaved;  // 328: set whenever depth on the module is saved on
    float voltageThreshold;        // 329: "Voltage Threshold"
    std::uint8_t ownControl;       // 333: "Strativ Control"
    std::int32_t witsMaxChars;     // 334: characters of one read of the WITS link
    std::int32_t witsTimeout;      // 338: "WTO", 2000 when below 1000
    std::uint8_t unused342[4];
    std::int32_t witsInterval;     // 346: seconds, 4 when outside 1 to 10
    std::int32_t serialSpeed;      // 350: "BPS", 9600 when below 9600
    std::uint8_t ppm;              // 354: "PPM" (types 6 and 10)
    std::uint8_t witsCharTimeout;  // 355: the WITS link's character time-out
    std::uint8_t unused356[3];
    std::int32_t gasWindowLeft;    // 359: the gas monitor's text window
    std::int32_t gasWindowTop;     // 363
    std::int32_t witsWindowLeft;   // 367: the WITS data window
    std::int32_t witsWindowTop;    // 371
    std::int32_t witsGasWindowLeft;  // 375: the WITS link's gas text window
    std::int32_t witsGasWindowTop;   // 379
    std::uint8_t savedClear383;    // 383: cleared on every save
    char integratorFile[260];      // 384: "Integrator File", zero-terminated
    std::uint8_t unused644[4];
    std::uint8_t baselineIntegrator;  // 648: "BASELINE Intergrator"
    std::uint8_t baselineFid;      // 649: "BASELINE FID": the correction factors are applied
    float correctionFactors[20];   // 650: "TGA Correction" P0 to P19; 0 or less counts as 1.0
    std::uint8_t engineOption;     // 730: read by the engine at start
    std::int32_t autoIsoInterval;  // 731: seconds, 0 disables
    std::uint8_t customOnChannel3; // 735: "Custom On CH 3"
    std::int32_t surfaceLagTime;   // 736: seconds, 0 or 10 to 600
    std::uint8_t unused740[928];
};
#pragma pack(pop)

static_assert(sizeof(GASMONCFG) == 1668);
static_assert(offsetof(GASMONCFG, chromatSpan) == 4);
static_assert(offsetof(GASMONCFG, hotWireZero) == 16);
static_assert(offsetof(GASMONCFG, totalChromatRatios) == 20);
static_assert(offsetof(GASMONCFG, elutionTime) == 28);
static_assert(offsetof(GASMONCFG, chromatZero) == 52);
static_assert(offsetof(GASMONCFG, ratioSlot0) == 56);
static_assert(offsetof(GASMONCFG, ratios) == 60);
static_assert(offsetof(GASMONCFG, ratioMode) == 92);
static_assert(offsetof(GASMONCFG, readingsPerCycle) == 96);
static_assert(offsetof(GASMONCFG, connectionTimeout) == 100);
static_assert(offsetof(GASMONCFG, hotWireDelay) == 108);
static_assert(offsetof(GASMONCFG, setupMark) == 112);
static_assert(offsetof(GASMONCFG, drift) == 124);
static_assert(offsetof(GASMONCFG, savedClear148) == 148);
static_assert(offsetof(GASMONCFG, plotMethane) == 156);
static_assert(offsetof(GASMONCFG, c4ZeroTime) == 160);
static_assert(offsetof(GASMONCFG, gasComPort) == 164);
static_assert(offsetof(GASMONCFG, witsComPort) == 172);
static_assert(offsetof(GASMONCFG, ipAddress) == 176);
static_assert(offsetof(GASMONCFG, channel3Span) == 184);
static_assert(offsetof(GASMONCFG, channel4Attenuator) == 196);
static_assert(offsetof(GASMONCFG, calibrationPsi) == 200);
static_assert(offsetof(GASMONCFG, calibrationDate) == 204);
static_assert(offsetof(GASMONCFG, cycleTime) == 224);
static_assert(offsetof(GASMONCFG, block232) == 232);
static_assert(offsetof(GASMONCFG, block264) == 264);
static_assert(offsetof(GASMONCFG, sriIntegrator) == 296);
static_assert(offsetof(GASMONCFG, storeCalibration) == 304);
static_assert(offsetof(GASMONCFG, autoTc) == 309);
static_assert(offsetof(GASMONCFG, channel3Zero) == 310);
static_assert(offsetof(GASMONCFG, channel4Zero) == 314);
static_assert(offsetof(GASMONCFG, depthOnModule) == 318);
static_assert(offsetof(GASMONCFG, offBottomOnModule) == 319);
static_assert(offsetof(GASMONCFG, depthChannel) == 320);
static_assert(offsetof(GASMONCFG, offBottomChannel) == 324);
static_assert(offsetof(GASMONCFG, depthOnModuleSaved) == 328);
static_assert(offsetof(GASMONCFG, voltageThreshold) == 329);
static_assert(offsetof(GASMONCFG, ownControl) == 333);
static_assert(offsetof(GASMONCFG, witsTimeout) == 338);
static_assert(offsetof(GASMONCFG, witsInterval) == 346);
static_assert(offsetof(GASMONCFG, serialSpeed) == 350);
static_assert(offsetof(GASMONCFG, ppm) == 354);
static_assert(offsetof(GASMONCFG, gasWindowLeft) == 359);
static_assert(offsetof(GASMONCFG, gasWindowTop) == 363);
static_assert(offsetof(GASMONCFG, witsWindowLeft) == 367);
static_assert(offsetof(GASMONCFG, witsWindowTop) == 371);
static_assert(offsetof(GASMONCFG, witsGasWindowLeft) == 375);
static_assert(offsetof(GASMONCFG, witsGasWindowTop) == 379);
static_assert(offsetof(GASMONCFG, savedClear383) == 383);
static_assert(offsetof(GASMONCFG, integratorFile) == 384);
static_assert(offsetof(GASMONCFG, baselineIntegrator) == 648);
static_assert(offsetof(GASMONCFG, baselineFid) == 649);
static_assert(offsetof(GASMONCFG, correctionFactors) == 650);
static_assert(offsetof(GASMONCFG, engineOption) == 730);
static_assert(offsetof(GASMONCFG, autoIsoInterval) == 731);
static_assert(offsetof(GASMONCFG, customOnChannel3) == 735);
static_assert(offsetof(GASMONCFG, witsMaxChars) == 334);
static_assert(offsetof(GASMONCFG, witsTimeout) == 338);
static_assert(offsetof(GASMONCFG, witsInterval) == 346);
static_assert(offsetof(GASMONCFG, serialSpeed) == 350);
static_assert(offsetof(GASMONCFG, witsCharTimeout) == 355);
static_assert(offsetof(GASMONCFG, witsGasWindowLeft) == 375);
static_assert(offsetof(GASMONCFG, surfaceLagTime) == 736);
static_assert(offsetof(GASMONCFG, unused740) == 740);

// Where the record lives and where its backup copy goes.
struct GasmonCfgPlace {
    QString folder;       // the open well's folder, ends with '/'
    QString backupDrive;  // the well configuration's backup drive ("C:\" means none)
};

// The file of the record in `folder`, as spelt on disk when a Windows station wrote it otherwise.
QString GasmonCfgPath(const QString& folder);

// Fills `cfg` from the file: 1 when a file of at most 1,668 bytes was read (a shorter one leaves the
// rest zero); 0 with a zero record when the file is missing, empty or longer (such a file is left as
// it is). A gas com port outside 1 to 9 becomes 1 and a WITS com port outside 0 to 9 becomes 2; the
// rest of the record, calibration included, is kept and the repaired record is written back.
int ReadGasmonCfg(GASMONCFG& cfg, const GasmonCfgPlace& place);

// Writes the whole record; 0 when it could not be written (the old file then stays). Afterwards the
// backup drive's copy is replaced when it differs.
int WriteGasmonCfg(const GASMONCFG& cfg, const GasmonCfgPlace& place);

// Completes a record that could not be read before the setup dialog shows it. The WITS com port is
// kept as the reader left it.
void ApplyFirstSetupDefaults(GASMONCFG& cfg, int instrumentType);

// For a new well: the seven ratio values cleared, slot 0 1.0.
void ResetRatios(GASMONCFG& cfg);

// Correction factor `i` (0 to 19) as it is applied: a value of 0 or less counts as 1.0.
float CorrectionFactor(const GASMONCFG& cfg, int i);

// The IPv4 address used by default for instruments on TCP, and for the UDP gas source (type 9).
constexpr std::uint16_t kDefaultInstrumentAddress[4] = {192, 168, 1, 222};
constexpr std::uint16_t kDefaultUdpSourceAddress[4] = {192, 168, 1, 200};

// The gas instrument types in the setup list's order, 0 to 15.
constexpr int kInstrumentTypeCount = 16;
// The list text of instrument type `type`; empty outside 0 to 15.
QString InstrumentTypeText(int type);

}  // namespace gasmon
