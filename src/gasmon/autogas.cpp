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
    if (wellfile::LateShiftPointProfile(profile))
        return 15;
    if (wellfile::MiddleShiftPointProfile(profile))
        return 8;
    if (profile == 109)
        return 5;
    return 6;
}

AutoGas::AutoGas(GasHost& h, int type, int slave)
    : host(h), coils_([this](const platform::CoilValues& v) {
          const int code = calls_.write(handle_, coilRequest_, v);
          readings_.requestOutstanding = code == 0;
          lastRequest_ = coilRequest_;
          return code;
      })
{
    settings_.instrumentType = type;
    settings_.slaveAddress = slave;
    coils_.ready = [this] {
        if (handle_ && !readings_.requestOutstanding)
            coils_.Next();
    };
    settings_.testGasPercent = host.TestGasPercent();
    settings_.correctionFactors.fill(1.0f);
    readings_.testGasReferences.fill(1.0f);
    settings_.calibrationThreshold = type == 8 ? 15.0f : 25.0f;
    settings_.shiftPoint = DefaultShiftPoint(host.Profile(), type);
    // Only the analogue inputs of the RTU modules have a gain range; type 15's is never known.
    if (!TypeReadsGainRange() && type != 15)
        readings_.gainRange = 0.0f;
    // Seconds before and after the elution time, components 1 to 6; component 7 has none.
    if (type == 7) {
        settings_.windowStart = {0, 2, 3, 5, 5, 5, 5, 0};
        settings_.windowEnd = {0, 2, 4, 5, 5, 5, 5, 0};
        settings_.registerCount = 24;
    } else {
        settings_.windowStart = {0, 3, 3, 5, 5, 6, 6, 0};
        settings_.windowEnd = {0, 3, 4, 5, 5, 6, 10, 0};
    }
    if (host.Driller())
        readings_.record.lagDepth = std::int32_t(host.Driller()->LagDepth());
    readings_.record.hotWireAttenuator = readings_.record.chromatAttenuator = 1.0f;
    readings_.record.hotWireSpan = readings_.record.chromatSpan = 1.0f;
    readings_.record.channel3Attenuator = readings_.record.channel4Attenuator = 1.0f;
    readings_.record.channel3Span = readings_.record.channel4Span = 1.0f;
    booking_.gasFileName = GasFileName(host.DataFolder(), host.WellName());
}

AutoGas::~AutoGas()
{
    // An engine deleted without Disconnect (the window going away) still lets go of its link.
    if (handle_)
        calls_.close(handle_);
}

void AutoGas::TakeSettings(const GASMONCFG& cfg)
{
    const int profile = host.Profile();
    // Spans and attenuators: not above 0 counts as 1.0; the TCP chromatograph's spans are fractions.
    readings_.record.hotWireSpan = PositiveOrOne(cfg.hotWireSpan);
    readings_.record.chromatSpan = PositiveOrOne(cfg.chromatSpan);
    if (settings_.instrumentType == 7) {
        if (!(cfg.hotWireSpan > 0 && cfg.hotWireSpan <= 1))
            readings_.record.hotWireSpan = 0.1f;
        if (!(cfg.chromatSpan > 0 && cfg.chromatSpan <= 1))
            readings_.record.chromatSpan = 0.1f;
    }
    readings_.record.hotWireAttenuator = PositiveOrOne(cfg.hotWireAttenuator);
    readings_.record.chromatAttenuator = PositiveOrOne(cfg.chromatAttenuator);
    readings_.record.channel3Span = PositiveOrOne(cfg.channel3Span);
    readings_.record.channel4Span = PositiveOrOne(cfg.channel4Span);
    readings_.record.channel3Attenuator = PositiveOrOne(cfg.channel3Attenuator);
    readings_.record.channel4Attenuator = PositiveOrOne(cfg.channel4Attenuator);
    settings_.effectiveFactors[0] = readings_.record.hotWireSpan * readings_.record.hotWireAttenuator;
    settings_.effectiveFactors[1] = settings_.instrumentType == 7
                                        ? readings_.record.chromatSpan
                                        : readings_.record.chromatSpan * readings_.record.chromatAttenuator;
    settings_.effectiveFactors[2] = readings_.record.channel3Span * readings_.record.channel3Attenuator;
    settings_.effectiveFactors[3] = readings_.record.channel4Span * readings_.record.channel4Attenuator;

    settings_.cycleTime = cfg.cycleTime < 1 ? 300 : cfg.cycleTime;
    // Times in seconds from the settings file, kept within a range the cycle's arithmetic cannot overflow
    // (far beyond any real cycle).
    const auto seconds = [](std::int32_t v) { return std::clamp<std::int32_t>(v, -kLongestSetting, kLongestSetting); };
    for (int k = 1; k <= 6; ++k) {
        settings_.elutionTimes[std::size_t(k)] = seconds(cfg.elutionTime[k - 1]);
        settings_.componentOffsets[std::size_t(k)] = cfg.drift[k - 1];
    }
    for (int k = 0; k < 7; ++k)
        readings_.record.fractions[k] = cfg.ratios[k];
    settings_.baselineSecond = seconds(cfg.chromatZero);
    settings_.c4ZeroSecond = seconds(cfg.c4ZeroTime);
    settings_.hwDelay = cfg.hotWireDelay;
    settings_.zeros[0] = cfg.hotWireZero;
    settings_.zeros[3] = cfg.channel3Zero;
    settings_.zeros[4] = cfg.channel4Zero;
    for (int i = 0; i < 20; ++i)
        settings_.correctionFactors[std::size_t(i)] = CorrectionFactor(cfg, i);

    settings_.ratioSetting = cfg.totalChromatRatios != 0;
    settings_.storeCalibration = cfg.storeCalibration != 0;
    settings_.autoTc = cfg.autoTc != 0;
    settings_.customOnChannel3 = cfg.customOnChannel3 != 0;
    settings_.ownControl = cfg.ownControl != 0;
    settings_.engineOption = cfg.engineOption != 0;
    settings_.baselineFid = cfg.baselineFid != 0;
    settings_.isoInterval = cfg.autoIsoInterval;
    settings_.plotMethane = cfg.plotMethane;
    settings_.connectionTimeout = cfg.connectionTimeout;
    settings_.depthOnModule = cfg.depthOnModule != 0;
    settings_.depthChannel = cfg.depthChannel == 4 ? 4 : 3;
    // Without a settings file (or with no threshold in it) the module's pulses are 25 mV.
    settings_.voltageThreshold = cfg.voltageThreshold > 0 ? cfg.voltageThreshold : 25.0f;
    settings_.pulseThreshold = 0.8f * settings_.voltageThreshold;

    // The integrator modes read an outside program's results as the "OTHER" type with six components.
    settings_.sriMode = cfg.sriIntegrator;
    settings_.baselineMode = cfg.baselineIntegrator != 0;
    const bool integrator = settings_.sriMode != 0 || settings_.baselineMode;
    if (integrator)
        settings_.instrumentType = 3;
    settings_.type2Mode = settings_.instrumentType == 2 && wellfile::TypeTwoModeProfile(profile);
    settings_.components = integrator || (settings_.instrumentType == 4 && settings_.plotMethane == 1) ? 6 : 5;
    if (profile == 2 || (profile == 91 && !settings_.type2Mode && settings_.instrumentType != 10))
        settings_.components = std::min(settings_.components, 5);

    readings_.record.ratioMode = cfg.ratioMode;
    if (readings_.record.ratioMode != 0 && readings_.record.ratioMode != 1 && !settings_.testGasPercent)
        readings_.record.ratioMode = 1;
}

void AutoGas::TakeAddress(const GASMONCFG& cfg)
{
    for (int i = 0; i < 4; ++i)
        settings_.address[std::size_t(i)] = std::uint8_t(cfg.ipAddress[i]);
    // Only an address that was never set takes the default: 10.x.x.x or 127.0.0.1 are addresses too.
    if (settings_.address[0] == 0)
        settings_.address = kDefaultAddress;
}

void AutoGas::ApplySettings(const GASMONCFG& cfg)
{
    TakeSettings(cfg);
    const int e1 = settings_.elutionTimes[1];
    if (settings_.instrumentType != 7 && e1 >= 1) {
        const int high = int(e1 - 0.2 * e1), low = int(e1 - 0.5 * e1);
        if (settings_.baselineSecond > high)
            settings_.baselineSecond = high;
        else if (settings_.baselineSecond < low)
            settings_.baselineSecond = low;
    }
    if (readings_.record.ratioMode == 0 && !settings_.type2Mode)
        platform::MessageBox(QString::fromLatin1(kNoRatioText), QStringLiteral("Information"));
}

int AutoGas::Start()
{
    cycle_.cycleStartMs = platform::SteadyMs();
    cycle_.cycleSeconds = 0;
    cycle_.componentIndex = 1;
    cycle_.cycleEnded = false;

    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    TakeSettings(cfg);
    // The zero base line is taken shortly before the first component comes.
    const int e1 = settings_.elutionTimes[1];
    if (e1 < 1) {
        settings_.baselineSecond = 0;
    } else {
        if (settings_.instrumentType != 7) {
            const int high = int(e1 - 0.2 * e1), low = int(e1 - 0.3 * e1);
            if (settings_.baselineSecond > high)
                settings_.baselineSecond = high;
            else if (settings_.baselineSecond < low)
                settings_.baselineSecond = low;
        }
        if (e1 > 10 && settings_.baselineSecond > e1 - 4)
            settings_.baselineSecond = e1 - 6;
    }

    if (settings_.sriMode != 0 || settings_.baselineMode) {
        settings_.integratorFile = platform::FieldString(cfg.integratorFile);
        if (settings_.baselineMode)
            UpdateExportName();
    }
    if (settings_.instrumentType == 9) {
        TakeAddress(cfg);
        StartUdp();
    }

    if (!Connect()) {
        Disconnect();
        return 0;
    }
    if (WritesCoils() && handle_) {
        // The instrument starts from a known state: the sample valve closed, the options' coils off.
        coilState_.coil1 = false;
        if (settings_.engineOption && host.WitsLinkOn())
            coilState_.coil3 = false;
        if (settings_.isoInterval > 0)
            coilState_.coil4 = false;
        QueueCoils();
    }
    return 1;
}

void AutoGas::TakeTestGasReferences()
{
    const std::optional<wellfile::RECORD> last = host.readLastRecord ? host.readLastRecord() : std::nullopt;
    for (int i = 0; i < wellfile::TEST_NC5 + 1; ++i) {
        const float v = last ? last->testGas[i] : 1.0f;
        readings_.testGasReferences[std::size_t(i)] = v > 0 ? v : 1.0f;
    }
    if (host.Profile() == 17 || settings_.sriMode != 0 || settings_.baselineMode)
        readings_.testGasReferences[0] = std::max(readings_.testGasReferences[0], 50.0f);
    if (host.Profile() == 23)
        readings_.testGasReferences[0] = 100.0f;
}

int AutoGas::Connect()
{
    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    settings_.comPort = cfg.gasComPort >= 1 && cfg.gasComPort <= 9 ? cfg.gasComPort : 1;
    settings_.windowLeft = cfg.gasWindowLeft;
    settings_.windowTop = cfg.gasWindowTop;
    TakeAddress(cfg);

    platform::SerialSettings serial{};
    serial.baudRate = 9600;
    serial.dataBits = 8;
    serial.reserved15[0] = 10;
    serial.reserved15[1] = 10;
    if (TypeIn(settings_.instrumentType, {1, 6, 7})) {
        settings_.functionCode = 3;
        settings_.firstRegister = settings_.instrumentType == 1 ? 1 : 41434;
        settings_.registerCount = settings_.instrumentType == 1 ? 12 : 24;
        if (settings_.slaveAddress < 1)
            settings_.slaveAddress = 1;
    } else {
        serial.stopBits = 2;
        serial.reserved15[0] = 5;
        serial.reserved15[1] = 5;
        settings_.functionCode = 4;
        settings_.firstRegister = settings_.instrumentType == 5 ? 10 : 3;
        settings_.registerCount = 12;
        if (settings_.slaveAddress < 1)
            settings_.slaveAddress = 247;
    }
    settings_.normalFirstRegister = settings_.firstRegister;
    coilRequest_ = {std::uint8_t(settings_.slaveAddress), 15, 1, 4};

    if (settings_.instrumentType == 5 || settings_.instrumentType == 7) {
        platform::TcpSettings tcp{};
        tcp.window = host.Window();
        tcp.message = platform::WM_USER + 1;
        tcp.secondMessage = platform::WM_USER + 5;
        tcp.one = 1;
        tcp.timeoutMs = kTcpTimeoutMs;
        const std::uint32_t word = std::uint32_t(settings_.address[0]) | std::uint32_t(settings_.address[1]) << 8 |
                                   std::uint32_t(settings_.address[2]) << 16 |
                                   std::uint32_t(settings_.address[3]) << 24;
        const std::int32_t h = calls_.connectTcp(word, kModbusTcpPort, tcp);
        if (h == -1) {
            platform::MessageBox(QString::fromStdString(platform::CFormat("%d", h)), QStringLiteral("TCP Connection Failed"));
            return 0;
        }
        handle_ = std::uint32_t(h);
    } else if (settings_.instrumentType != 9) {
        const std::uint32_t h = calls_.connectRtu(settings_.comPort, kRtuTimeoutMs, serial);
        if (h == 0) {
            platform::MessageBox(QStringLiteral("Connect failed"), QStringLiteral("ERROR"));
            return 0;
        }
        if (calls_.hook(h, host.Window(), platform::WM_USER + 1, 0) != 0) {
            calls_.close(h);
            platform::MessageBox(
                QString::fromStdString(platform::CFormat(
                    "Unable to connect to Com %d \n\rCom %d may be in use, or may not exist\n\ron this computer.If you "
                    "are sure the gas com port\n\rsetting is correct, you may have to reboot the computer\n\rand try "
                    "connecting again",
                    settings_.comPort, settings_.comPort)),
                QStringLiteral("ERROR"));
            return 0;
        }
        handle_ = h;
    }

    if (host.Driller())
        readings_.record.lagDepth = std::int32_t(host.Driller()->LagDepth());
    TakeTestGasReferences();
    return 1;
}

void AutoGas::Disconnect()
{
    WriteChartBatch();  // the last samples are not lost with the engine
    if (settings_.instrumentType == 9) {
        StopUdp();
        return;
    }
    // The settings keep this step's fractions and the live window's place for the next start.
    if (display_) {
        settings_.windowLeft = display_->Left();
        settings_.windowTop = display_->Top();
    }
    GASMONCFG cfg{};
    if (host.readConfig && host.readConfig(cfg) == 1) {
        for (int k = 0; k < 7; ++k)
            cfg.ratios[k] = readings_.record.fractions[k];
        cfg.gasWindowLeft = settings_.windowLeft;
        cfg.gasWindowTop = settings_.windowTop;
        if (host.writeConfig)
            host.writeConfig(cfg);
    }
    display_.reset();
    if (!handle_)
        return;

    // The box's valve and options are left off; the link closes once the box has answered.
    std::deque<std::pair<platform::CoilValues, int>> writes;
    if (WritesCoils()) {
        int delay = 0;
        if (coilState_.coil1) {
            coilState_.coil1 = false;
            const platform::CoilValues off {{0, std::uint16_t(coilState_.sampleBlockClosed),
                                             std::uint16_t(coilState_.coil3), std::uint16_t(coilState_.coil4)}};
            writes.push_back({off, 0});
            writes.push_back({off, 100});
            delay = 500;
        }
        coilState_.coil3 = false;
        writes.push_back(
            {{{0, std::uint16_t(coilState_.sampleBlockClosed), 0, std::uint16_t(coilState_.coil4)}}, delay});
    }
    if (writes.empty())
        calls_.close(handle_);  // at once, so the port is free for a monitor switched on again
    else
        CloseLinkAfterWrites(calls_, handle_, coilRequest_, readings_.requestOutstanding, writes, 1000);
    handle_ = 0;
    readings_.requestOutstanding = false;
}

void AutoGas::OpenGasDisplay()
{
    display_.reset();
    if (host.makeDisplay)
        display_ = host.makeDisplay();
    if (display_)
        display_->ShowAt(settings_.windowLeft, settings_.windowTop);
}

}  // namespace gasmon
