// The engine's life: construction defaults, the settings, opening and ending the link, the live window.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "gasmon/gasfile.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

namespace {

// Not above 0 (or not a number): 1.0.
float PositiveOrOne(float v) { return v > 0 ? v : 1.0f; }

// The longest answer the RTU link waits for, in ms.
constexpr int kRtuTimeoutMs = 350;
constexpr int kTcpTimeoutMs = 1500;
constexpr int kModbusTcpPort = 502;
constexpr std::int32_t kLongestSetting = 1000000;  // seconds, the bound of a time setting

const char* const kNoRatioText =
    " You have selected NO RATIO mode. Unless you are\n\r drilling very slow, your chromatograph readings will "
    "likely be \n\rinaccurate, or missed completly. If both the HW and Chromatograph\n\rare operating correctly, I "
    "recommend using calulated ratio mode";

}  // namespace

QString ErrorName(int code) { return platform::ModbusErrorName(code); }

int DefaultShiftPoint(int profile, int instrumentType)
{
    if (instrumentType == 12)
        return 1;
    if (wellfile::ProfileIn(profile, {35, 37, 23}))
        return 15;
    if (wellfile::ProfileIn(profile, {21, 62, 71}))
        return 8;
    if (profile == 109)
        return 5;
    return 6;
}

AutoGas::AutoGas(GasHost& h, int type, int slave)
    : host(h), instrumentType(type), slaveAddress(slave), coils_([this](const platform::CoilValues& v) {
          const int code = calls.write(handle, coilRequest_, v);
          requestOutstanding = code == 0;
          lastRequest_ = coilRequest_;
          return code;
      })
{
    if (host.refresh)
        host.refresh(host);
    coils_.ready = [this] {
        if (handle && !requestOutstanding)
            coils_.Next();
    };
    testGasPercent = host.testGasPercent;
    correctionFactors.fill(1.0f);
    testGasReferences.fill(1.0f);
    calibrationThreshold = type == 8 ? 15.0f : 25.0f;
    shiftPoint = DefaultShiftPoint(host.profile, type);
    // Only the analogue inputs of the RTU modules have a gain range; type 15's is never known.
    if (!TypeReadsGainRange() && type != 15)
        gainRange = 0.0f;
    // Seconds before and after the elution time, components 1 to 6; component 7 has none.
    if (type == 7) {
        windowStart = {0, 2, 3, 5, 5, 5, 5, 0};
        windowEnd = {0, 2, 4, 5, 5, 5, 5, 0};
        registerCount = 24;
    } else {
        windowStart = {0, 3, 3, 5, 5, 6, 6, 0};
        windowEnd = {0, 3, 4, 5, 5, 6, 10, 0};
    }
    if (host.driller)
        record.lagDepth = std::int32_t(host.driller->lagDepth);
    record.hotWireAttenuator = record.chromatAttenuator = 1.0f;
    record.hotWireSpan = record.chromatSpan = 1.0f;
    record.channel3Attenuator = record.channel4Attenuator = 1.0f;
    record.channel3Span = record.channel4Span = 1.0f;
    gasFileName = GasFileName(host.dataFolder, host.wellName);
}

AutoGas::~AutoGas()
{
    // An engine deleted without Disconnect (the window going away) still lets go of its link.
    if (handle)
        calls.close(handle);
}

void AutoGas::TakeSettings(const GASMONCFG& cfg)
{
    const int profile = host.profile;
    // Spans and attenuators: not above 0 counts as 1.0; the TCP chromatograph's spans are fractions.
    record.hotWireSpan = PositiveOrOne(cfg.hotWireSpan);
    record.chromatSpan = PositiveOrOne(cfg.chromatSpan);
    if (instrumentType == 7) {
        if (!(cfg.hotWireSpan > 0 && cfg.hotWireSpan <= 1))
            record.hotWireSpan = 0.1f;
        if (!(cfg.chromatSpan > 0 && cfg.chromatSpan <= 1))
            record.chromatSpan = 0.1f;
    }
    record.hotWireAttenuator = PositiveOrOne(cfg.hotWireAttenuator);
    record.chromatAttenuator = PositiveOrOne(cfg.chromatAttenuator);
    record.channel3Span = PositiveOrOne(cfg.channel3Span);
    record.channel4Span = PositiveOrOne(cfg.channel4Span);
    record.channel3Attenuator = PositiveOrOne(cfg.channel3Attenuator);
    record.channel4Attenuator = PositiveOrOne(cfg.channel4Attenuator);
    effectiveFactors[0] = record.hotWireSpan * record.hotWireAttenuator;
    effectiveFactors[1] = instrumentType == 7 ? record.chromatSpan : record.chromatSpan * record.chromatAttenuator;
    effectiveFactors[2] = record.channel3Span * record.channel3Attenuator;
    effectiveFactors[3] = record.channel4Span * record.channel4Attenuator;

    cycleTime = cfg.cycleTime < 1 ? 300 : cfg.cycleTime;
    // Times in seconds from the settings file, kept within a range the cycle's arithmetic cannot overflow
    // (far beyond any real cycle).
    const auto seconds = [](std::int32_t v) { return std::clamp<std::int32_t>(v, -kLongestSetting, kLongestSetting); };
    for (int k = 1; k <= 6; ++k) {
        elutionTimes[std::size_t(k)] = seconds(cfg.elutionTime[k - 1]);
        componentOffsets[std::size_t(k)] = cfg.drift[k - 1];
    }
    for (int k = 0; k < 7; ++k)
        record.fractions[k] = cfg.ratios[k];
    baselineSecond = seconds(cfg.chromatZero);
    c4ZeroSecond = seconds(cfg.c4ZeroTime);
    hwDelay = cfg.hotWireDelay;
    zeros[0] = cfg.hotWireZero;
    zeros[3] = cfg.channel3Zero;
    zeros[4] = cfg.channel4Zero;
    for (int i = 0; i < 20; ++i)
        correctionFactors[std::size_t(i)] = CorrectionFactor(cfg, i);

    ratioSetting = cfg.totalChromatRatios != 0;
    storeCalibration = cfg.storeCalibration != 0;
    autoTc = cfg.autoTc != 0;
    customOnChannel3 = cfg.customOnChannel3 != 0;
    ownControl = cfg.ownControl != 0;
    engineOption = cfg.engineOption != 0;
    baselineFid = cfg.baselineFid != 0;
    isoInterval = cfg.autoIsoInterval;
    plotMethane = cfg.plotMethane;
    connectionTimeout = cfg.connectionTimeout;
    depthOnModule = cfg.depthOnModule != 0;
    depthChannel = cfg.depthChannel == 4 ? 4 : 3;
    // Without a settings file (or with no threshold in it) the module's pulses are 25 mV.
    voltageThreshold = cfg.voltageThreshold > 0 ? cfg.voltageThreshold : 25.0f;
    pulseThreshold = 0.8f * voltageThreshold;

    // The integrator modes read an outside program's results as the "OTHER" type with six components.
    sriMode = cfg.sriIntegrator;
    baselineMode = cfg.baselineIntegrator != 0;
    const bool integrator = sriMode != 0 || baselineMode;
    if (integrator)
        instrumentType = 3;
    type2Mode = instrumentType == 2 && (profile == 2 || profile == 60);
    components = integrator || (instrumentType == 4 && plotMethane == 1) ? 6 : 5;
    if (profile == 2 || (profile == 91 && !type2Mode && instrumentType != 10))
        components = std::min(components, 5);

    record.ratioMode = cfg.ratioMode;
    if (record.ratioMode != 0 && record.ratioMode != 1 && !testGasPercent)
        record.ratioMode = 1;
}

void AutoGas::TakeAddress(const GASMONCFG& cfg)
{
    for (int i = 0; i < 4; ++i)
        address[std::size_t(i)] = std::uint8_t(cfg.ipAddress[i]);
    // Only an address that was never set takes the default: 10.x.x.x or 127.0.0.1 are addresses too.
    if (address[0] == 0)
        address = kDefaultAddress;
}

void AutoGas::ApplySettings(const GASMONCFG& cfg)
{
    TakeSettings(cfg);
    const int e1 = elutionTimes[1];
    if (instrumentType != 7 && e1 >= 1) {
        const int high = int(e1 - 0.2 * e1), low = int(e1 - 0.5 * e1);
        if (baselineSecond > high)
            baselineSecond = high;
        else if (baselineSecond < low)
            baselineSecond = low;
    }
    if (record.ratioMode == 0 && !type2Mode)
        platform::MessageBox(QString::fromLatin1(kNoRatioText), QStringLiteral("Information"));
}

int AutoGas::Start()
{
    if (host.refresh)
        host.refresh(host);
    cycleStartMs = platform::SteadyMs();
    cycleSeconds = 0;
    componentIndex = 1;
    cycleEnded = false;

    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    TakeSettings(cfg);
    // The zero base line is taken shortly before the first component comes.
    const int e1 = elutionTimes[1];
    if (e1 < 1) {
        baselineSecond = 0;
    } else {
        if (instrumentType != 7) {
            const int high = int(e1 - 0.2 * e1), low = int(e1 - 0.3 * e1);
            if (baselineSecond > high)
                baselineSecond = high;
            else if (baselineSecond < low)
                baselineSecond = low;
        }
        if (e1 > 10 && baselineSecond > e1 - 4)
            baselineSecond = e1 - 6;
    }

    if (sriMode != 0 || baselineMode) {
        integratorFile = platform::FieldString(cfg.integratorFile);
        if (baselineMode)
            UpdateExportName();
    }
    if (instrumentType == 9) {
        TakeAddress(cfg);
        StartUdp();
    }

    if (!Connect()) {
        Disconnect();
        return 0;
    }
    if (WritesCoils() && handle) {
        // The instrument starts from a known state: the sample valve closed, the options' coils off.
        coil1 = false;
        if (engineOption && host.witsLinkOn)
            coil3 = false;
        if (isoInterval > 0)
            coil4 = false;
        QueueCoils();
    }
    return 1;
}

void AutoGas::TakeTestGasReferences()
{
    const std::optional<wellfile::RECORD> last = host.readLastRecord ? host.readLastRecord() : std::nullopt;
    for (int i = 0; i < wellfile::TEST_NC5 + 1; ++i) {
        const float v = last ? last->testGas[i] : 1.0f;
        testGasReferences[std::size_t(i)] = v > 0 ? v : 1.0f;
    }
    if (host.profile == 17 || sriMode != 0 || baselineMode)
        testGasReferences[0] = std::max(testGasReferences[0], 50.0f);
    if (host.profile == 23)
        testGasReferences[0] = 100.0f;
}

int AutoGas::Connect()
{
    if (host.refresh)
        host.refresh(host);
    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    comPort = cfg.gasComPort >= 1 && cfg.gasComPort <= 9 ? cfg.gasComPort : 1;
    windowLeft = cfg.gasWindowLeft;
    windowTop = cfg.gasWindowTop;
    TakeAddress(cfg);

    platform::SerialSettings serial{};
    serial.baudRate = 9600;
    serial.dataBits = 8;
    serial.reserved15[0] = 10;
    serial.reserved15[1] = 10;
    if (TypeIn(instrumentType, {1, 6, 7})) {
        functionCode = 3;
        firstRegister = instrumentType == 1 ? 1 : 41434;
        registerCount = instrumentType == 1 ? 12 : 24;
        if (slaveAddress < 1)
            slaveAddress = 1;
    } else {
        serial.stopBits = 2;
        serial.reserved15[0] = 5;
        serial.reserved15[1] = 5;
        functionCode = 4;
        firstRegister = instrumentType == 5 ? 10 : 3;
        registerCount = 12;
        if (slaveAddress < 1)
            slaveAddress = 247;
    }
    normalFirstRegister = firstRegister;
    coilRequest_ = {std::uint8_t(slaveAddress), 15, 1, 4};

    if (instrumentType == 5 || instrumentType == 7) {
        platform::TcpSettings tcp{};
        tcp.window = host.window;
        tcp.message = platform::WM_USER + 1;
        tcp.secondMessage = platform::WM_USER + 5;
        tcp.one = 1;
        tcp.timeoutMs = kTcpTimeoutMs;
        const std::uint32_t word = std::uint32_t(address[0]) | std::uint32_t(address[1]) << 8 |
                                   std::uint32_t(address[2]) << 16 | std::uint32_t(address[3]) << 24;
        const std::int32_t h = calls.connectTcp(word, kModbusTcpPort, tcp);
        if (h == -1) {
            platform::MessageBox(QString::fromStdString(platform::CFormat("%d", h)), QStringLiteral("TCP Connection Failed"));
            return 0;
        }
        handle = std::uint32_t(h);
    } else if (instrumentType != 9) {
        const std::uint32_t h = calls.connectRtu(comPort, kRtuTimeoutMs, serial);
        if (h == 0) {
            platform::MessageBox(QStringLiteral("Connect failed"), QStringLiteral("ERROR"));
            return 0;
        }
        if (calls.hook(h, host.window, platform::WM_USER + 1, 0) != 0) {
            calls.close(h);
            platform::MessageBox(
                QString::fromStdString(platform::CFormat(
                    "Unable to connect to Com %d \n\rCom %d may be in use, or may not exist\n\ron this computer.If you "
                    "are sure the gas com port\n\rsetting is correct, you may have to reboot the computer\n\rand try "
                    "connecting again",
                    comPort, comPort)),
                QStringLiteral("ERROR"));
            return 0;
        }
        handle = h;
    }

    if (host.driller)
        record.lagDepth = std::int32_t(host.driller->lagDepth);
    TakeTestGasReferences();
    return 1;
}

void AutoGas::Disconnect()
{
    if (host.refresh)
        host.refresh(host);
    WriteChartBatch();  // the last samples are not lost with the engine
    if (instrumentType == 9) {
        StopUdp();
        return;
    }
    // The settings keep this step's fractions and the live window's place for the next start.
    if (display_) {
        windowLeft = display_->Left();
        windowTop = display_->Top();
    }
    GASMONCFG cfg{};
    if (host.readConfig && host.readConfig(cfg) == 1) {
        for (int k = 0; k < 7; ++k)
            cfg.ratios[k] = record.fractions[k];
        cfg.gasWindowLeft = windowLeft;
        cfg.gasWindowTop = windowTop;
        if (host.writeConfig)
            host.writeConfig(cfg);
    }
    display_.reset();
    if (!handle)
        return;

    // The box's valve and options are left off; the link closes once the box has answered.
    std::deque<std::pair<platform::CoilValues, int>> writes;
    if (WritesCoils()) {
        int delay = 0;
        if (coil1) {
            coil1 = false;
            const platform::CoilValues off{{0, std::uint16_t(sampleBlockClosed), std::uint16_t(coil3), std::uint16_t(coil4)}};
            writes.push_back({off, 0});
            writes.push_back({off, 100});
            delay = 500;
        }
        coil3 = false;
        writes.push_back({{{0, std::uint16_t(sampleBlockClosed), 0, std::uint16_t(coil4)}}, delay});
    }
    if (writes.empty())
        calls.close(handle);  // at once, so the port is free for a monitor switched on again
    else
        CloseLinkAfterWrites(calls, handle, coilRequest_, requestOutstanding, writes, 1000);
    handle = 0;
    requestOutstanding = false;
}

void AutoGas::OpenGasDisplay()
{
    display_.reset();
    if (host.makeDisplay)
        display_ = host.makeDisplay();
    if (display_)
        display_->ShowAt(windowLeft, windowTop);
}

}  // namespace gasmon
