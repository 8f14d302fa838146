// An instrument's answers as register blocks: the channels of each type, the total gas corrections, the
// gas alarms, the depth pulses and the live window's lines.
#include "enginefixture.h"

#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "drilling/logalarm.h"
#include "gasmon/channels.h"
#include "layout/trackflags.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "wellfile/openwell.h"

#include <array>

using namespace testing_support;
using gasmon_testing::EngineTest;

namespace {

using Block = std::array<std::uint16_t, 25>;

using Answers = EngineTest;

TEST(AnswerChannels, CountsAtFullScaleAreNegativeAndEachTypeReadsItsOwnRegisters)
{
    EXPECT_EQ(gasmon::SignedCount(19999), 19999.0f);
    EXPECT_EQ(gasmon::SignedCount(20000), -45535.0f);
    EXPECT_EQ(gasmon::SignedCount(65535), 0.0f);

    Block r{};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = std::uint16_t(100 + i);
    gasmon::AnswerChannels c = gasmon::TakeChannels(3, r.data());
    EXPECT_EQ(c.hw, 100);
    EXPECT_EQ(c.ch, 102);
    EXPECT_EQ(c.ch3, 104);
    EXPECT_EQ(c.ch4, 106);
    c = gasmon::TakeChannels(1, r.data());
    EXPECT_EQ(c.ch, 101);
    EXPECT_EQ(c.co2, 104);

    r[0] = 60000;  // not a reading of the TCP chromatograph, and not wrapped either
    r[3] = 50000;
    r[6] = 7;
    r[12] = 5;
    c = gasmon::TakeChannels(7, r.data());
    EXPECT_EQ(c.hw, 0);
    EXPECT_EQ(c.ch, 50000);
    EXPECT_EQ(c.status, 0) << "a status other than 0 or 1 is 0";
    EXPECT_EQ(c.injection, 5);

    EXPECT_EQ(gasmon::GainRangeOf(3), 1250.0f);
    EXPECT_EQ(gasmon::GainRangeOf(8), 78.0f);
    EXPECT_EQ(gasmon::GainRangeOf(-1), 10000.0f);
}

TEST_F(Answers, ChannelsAreScaledByTypeAndAFailedAnswerReadsAsZeros)
{
    cfg.hotWireSpan = 200;
    cfg.channel3Span = 2;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(7);
    // Type 7: the CO2 is hundredths of a percent times channel 3's factor; no millivolts.
    Block r{};
    r[0] = 1000;
    r[9] = 250;
    e.TakeAnswer(r.data(), 0);
    EXPECT_FLOAT_EQ(e.Readings().channels[4], 5.0f);
    EXPECT_FLOAT_EQ(e.Readings().currentTotalGas, 1000 * 0.1f) << "the TCP chromatograph's span is a fraction";
    EXPECT_EQ(e.Readings().channels[6], 0.0f);
    r[9] = 10100;
    e.TakeAnswer(r.data(), 0);
    EXPECT_EQ(e.Readings().channels[4], 0.0f) << "above 100 percent";

    // The gain range sets the millivolts; the hot wire reads span x attenuator over full scale.
    cfg.hotWireZero = 10;
    WriteCfg();
    e.Disconnect();
    gasmon::AutoGas& o = Make(3);
    bool answered = false;
    Block sent{};
    sent[0] = 8000;
    int result = 0;
    o.Calls().connectRtu = [](int, int, const platform::SerialSettings&) { return std::uint32_t(9); };
    o.Calls().hook = [](std::uint32_t, platform::HWND, unsigned, int) { return 0; };
    o.Calls().close = [](std::uint32_t) {};
    o.Calls().poll = [](std::uint32_t, const platform::ModbusRequest&) { return 0; };
    o.Calls().write = [](std::uint32_t, const platform::ModbusRequest&, const platform::CoilValues&) { return 0; };
    o.Calls().response = [&](std::uint32_t, const platform::ModbusRequest&, std::uint16_t* regs, std::uint16_t size) {
        answered = true;
        EXPECT_EQ(size, 26) << "the count asked and one more word";
        for (int i = 0; i < 13 && result == 0; ++i)
            regs[i] = sent[std::size_t(i)];
        return result;
    };
    ASSERT_EQ(o.Start(), 1);
    o.EvResponse(o.Handle(), 0);  // the coil write of the start is answered
    answered = false;
    EditReadings(o, [&](auto& v) { v.gainRange = gasmon::GainRangeOf(3); });
    o.Poll();
    o.EvResponse(o.Handle(), 0);
    ASSERT_TRUE(answered);
    EXPECT_FLOAT_EQ(o.Readings().channels[6], 8000 * 1250 / 20000.0f);
    EXPECT_FLOAT_EQ(o.Readings().currentTotalGas, 8000 * 200 / 20000.0f - 10);
    EXPECT_EQ(o.Readings().record.lastRawTotalGas, 8000.0f);

    result = platform::MBUS_TIMEOUT;
    o.Poll();
    o.EvResponse(o.Handle(), 0);
    EXPECT_EQ(o.Readings().record.errorCount, 1);
    EXPECT_EQ(o.Readings().record.lastRawTotalGas, 0.0f) << "a failed answer decodes as zeros, not as the last";
    EXPECT_FALSE(o.Readings().requestOutstanding);
}

TEST(TotalGasCorrection, TheSriDetectorIsCorrectedByItsSpansUpToTenAndAHalfTimesTheReference)
{
    gasmon::SriCorrection k;
    EXPECT_NEAR(gasmon::CorrectSriTotalGas(525, 50, 3, 0.5f, k), 247.9f, 0.05f);
    EXPECT_NEAR(k.g, 0.4722f, 0.0001f);
    EXPECT_EQ(gasmon::CorrectSriTotalGas(530, 50, 3, 0.5f, k), 530.0f) << "A of 3 leaves it";
    EXPECT_NEAR(gasmon::CorrectSriTotalGas(530, 50, 0.5f, 0.5f, k), 264.3f, 0.05f);
    EXPECT_NEAR(k.g, 0.49875f, 0.00001f);
    EXPECT_EQ(gasmon::CorrectSriTotalGas(40, 50, 0.5f, 0.5f, k), 40.0f) << "below the reference";
    EXPECT_EQ(gasmon::CorrectSriTotalGas(525, 50, 3, 2.5f, k), 525.0f) << "B outside (0, 2]";
    EXPECT_EQ(gasmon::CorrectionBand(3.7f), 3);
    EXPECT_EQ(gasmon::CorrectionBand(45), 19);
    EXPECT_EQ(gasmon::CorrectionBand(1.0e10f), 19) << "a reading of a reference near zero";
    EXPECT_EQ(gasmon::CorrectionBand(-2), 0);
}

TEST_F(Answers, TheBaselineFidTakesTheFactorOfItsBandAndTheSriModeItsCorrection)
{
    cfg.hotWireSpan = 20000;  // one unit per count
    cfg.baselineFid = 1;
    cfg.channel4Span = 0.5f;
    cfg.correctionFactors[3] = 2.0f;
    cfg.correctionFactors[4] = 0;  // counts as 1.0
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    EditReadings(e, [&](auto& v) { v.gainRange = 1250; });
    Block r{};
    r[0] = 185;  // 3.7 times the reference of 50
    e.TakeAnswer(r.data(), 0);
    EXPECT_FLOAT_EQ(e.Readings().currentTotalGas, 185 * 2.0f * 0.5f);
    EXPECT_EQ(e.Readings().lines[1], QStringLiteral("TGAmV=11.56  TGA %=370.00 CF=2.00  P=3 "));
    r[0] = 210;
    e.TakeAnswer(r.data(), 0);
    EXPECT_FLOAT_EQ(e.Readings().currentTotalGas, 210 * 1.0f * 0.5f);

    cfg.baselineFid = 0;
    cfg.sriIntegrator = 1;
    cfg.channel3Span = 3;
    WriteCfg();
    gasmon::AutoGas& sri = StartOffline(3);
    r[0] = 525;
    sri.TakeAnswer(r.data(), 0);
    EXPECT_NEAR(sri.Readings().currentTotalGas, 247.9f, 0.05f);
    EXPECT_NEAR(sri.Readings().record.totalGas, 247.9f, 0.05f);
}

TEST_F(Answers, HighGasIsSetAfterThirtyAnswersAboveItsUnitsAndLowGasFollowsEachAnswer)
{
    WithDriller();
    drilling::AlarmSettings& alarms = driller->Alarms()->settings;
    alarms.highGasUnits = 100;
    alarms.lowGasUnits = 20;
    alarms.lowGasMinutes = 5;
    cfg.hotWireSpan = 20000;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    Block r{};
    r[0] = 150;
    auto& flags = driller->Alarms()->flags;
    for (int i = 1; i <= 30; ++i)
        e.TakeAnswer(r.data(), 0);
    EXPECT_EQ(flags[drilling::kAlarmHighGas], 0);
    e.TakeAnswer(r.data(), 0);
    EXPECT_EQ(flags[drilling::kAlarmHighGas], 1);
    EXPECT_EQ(e.Readings().highGasCount, 0) << "the count starts over";
    EXPECT_EQ(flags[drilling::kAlarmLowGas], 0);
    r[0] = 20;
    e.TakeAnswer(r.data(), 0);
    EXPECT_EQ(flags[drilling::kAlarmLowGas], 1);

    flags.fill(0);
    s.well.loggerId = 19;
    gasmon::AutoGas& p = StartOffline(3);
    r[0] = 150;
    p.TakeAnswer(r.data(), 0);
    EXPECT_EQ(flags[drilling::kAlarmHighGas], 0);
    p.TakeAnswer(r.data(), 0);
    EXPECT_EQ(flags[drilling::kAlarmHighGas], 1) << "the second answer in profile 19";
}

TEST_F(Answers, TheModuleAndTheTcpStatusMarkOneStepPerRise)
{
    WithDriller();
    gasmon::AutoGas& e = StartOffline(3);  // no settings file: 25 mV
    EditSettings(e, [&](auto& v) {
        v.depthOnModule = true;
        v.depthChannel = 4;
    });
    EditReadings(e, [&](auto& v) { v.gainRange = 10000; });
    EXPECT_FLOAT_EQ(e.Settings().pulseThreshold, 20.0f);
    Block r{};
    const auto answer = [&](int mv10) {
        r[6] = std::uint16_t(mv10 * 20000 / 100000);  // tenths of a millivolt at 10,000 mV full scale
        e.TakeAnswer(r.data(), 0);
        const bool step = driller->Steps().stepPending != 0;
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
        return step;
    };
    EXPECT_FALSE(answer(200)) << "20 mV is not above";
    EXPECT_TRUE(answer(250));
    EXPECT_FALSE(answer(300)) << "still above";
    EXPECT_FALSE(answer(200)) << "re-armed";
    EXPECT_TRUE(answer(250));

    gasmon::AutoGas& t = StartOffline(7);
    Block s{};
    const auto status = [&](int v, int counter) {
        s[6] = std::uint16_t(v);
        s[12] = std::uint16_t(counter);
        t.TakeAnswer(s.data(), 0);
        const bool step = driller->Steps().stepPending != 0;
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
        return step;
    };
    EXPECT_TRUE(status(1, 5));
    EXPECT_FALSE(status(1, 5));
    EXPECT_FALSE(status(0, 5));
    EditRequests(t, [&](auto& v) { v.calibrationRequest = true; });
    doubles().clock.Advance(40000);
    t.Poll();
    ASSERT_EQ(t.Cycle().cycleSeconds, 40);
    EXPECT_TRUE(status(1, 0)) << "rises again";
    EXPECT_EQ(t.Cycle().cycleSeconds, 0) << "the injection starts a cycle";
    EXPECT_TRUE(t.Requests().calibrationCycle);
    EXPECT_FALSE(t.Requests().calibrationRequest);
}

TEST_F(Answers, TheSampleTotalGasAveragesTheAnswersAfterTheValveOpens)
{
    gasmon::AutoGas& e = StartOffline(7);
    Block r{};
    r[0] = 1000;
    EditCycle(e, [&](auto& v) { v.cycleSeconds = e.Settings().hwDelay; });
    for (int i = 0; i < 3; ++i)
        e.TakeAnswer(r.data(), 0);
    EXPECT_FLOAT_EQ(e.Cycle().sampleTimeTotalGas, e.Readings().currentTotalGas) << "a constant gas averages to itself";
    EXPECT_GT(e.Readings().currentTotalGas, 0.0f);
}

TEST_F(Answers, TheLiveLinesFollowTheirFormats)
{
    gasmon::AutoGas& e = Make(3);
    EditReadings(e, [&](auto& v) { v.values = {123, 45, 6, 7, 8, 9, 10, 11, 2.5f, 12}; });
    EditCycle(e, [&](auto& v) {
        v.componentIndex = 2;
        v.cycleSeconds = 37;
    });
    EditReadings(e, [&](auto& v) {
        v.record.chromatAttenuator = 2;
        v.record.hotWireAttenuator = 4;
        v.channels[6] = 12.345f;
        v.channels[7] = 6.5f;
    });
    const auto lines = [&](int result = 0) {
        EditReadings(e, [&](auto& v) { v.lines = {}; });
        e.UpdateDisplayLines(result);
        return e.Readings().lines;
    };
    auto l = lines();
    EXPECT_EQ(l[0], QStringLiteral("123  45    6    7     8    9   10   2    37 "));
    EXPECT_EQ(l[1], QStringLiteral("Chrom=X 2.0, HW=X 4.0  HWmV=12.35  CHmV=6.50 "));
    s.well.loggerId = 2;
    EXPECT_EQ(lines()[0], QStringLiteral("123  45    6    7     8    9     2      37  "));
    EditSettings(e, [&](auto& v) { v.instrumentType = 2; });
    EXPECT_EQ(lines()[0], QStringLiteral("123  45    6    7     8    9    10    12   2.500"));
    EditSettings(e, [&](auto& v) {
        v.instrumentType = 3;
        v.sriMode = 1;
    });
    EXPECT_EQ(lines()[0], QStringLiteral("123   45    6     7     8    9    10   11   37 "));
    EditSettings(e, [&](auto& v) { v.sriMode = 0; });
    EditReadings(e, [&](auto& v) { v.record.errorCount = 6; });
    EXPECT_EQ(lines(platform::MBUS_TIMEOUT)[0], gasmon::ErrorName(platform::MBUS_TIMEOUT) + QStringLiteral("  37"));
    EditReadings(e, [&](auto& v) { v.record.errorCount = 0; });

    EditSettings(e, [&](auto& v) { v.instrumentType = 7; });
    EditCycle(e, [&](auto& v) { v.injectionCounter = 4; });
    EXPECT_EQ(lines()[1], QStringLiteral("Chrom=X 2.0, HW=X 4.0  INJ=4 "));
    EditSettings(e, [&](auto& v) { v.instrumentType = 3; });
    // Auto TC with the CO2 track: three lines, and the custom channel goes to line 4.
    EditSettings(e, [&](auto& v) { v.autoTc = true; });
    s.layout.schemes.trackFlags[layout::FLAG_CO2] = 1;
    EditSettings(e, [&](auto& v) { v.customOnChannel3 = true; });
    EditReadings(e, [&](auto& v) {
        v.record.channel3Attenuator = 1;
        v.record.channel4Attenuator = 3;
        v.channels[0] = 99.7f;
        v.channels[2] = 1.25f;
        v.channels[3] = 7.9f;
        v.channels[4] = 3.5f;
        v.channels[8] = 0.5f;
        v.channels[9] = 1.5f;
    });
    l = lines();
    EXPECT_EQ(l[1], QStringLiteral("Chrom= X 2.0  HW= X 4.0  CO2= X 1.0  TC= X 3.0"));
    EXPECT_EQ(l[2], QStringLiteral("CO2mV=0.50 CO2=3.50 "));
    EXPECT_EQ(l[3], QStringLiteral("CH3 MV= 0.50  CH3 Val= 1.25"));
    EditSettings(e, [&](auto& v) { v.customOnChannel3 = false; });
    EXPECT_EQ(lines()[3], QStringLiteral("HWmV=12.35 HWVal=99 CHmV=6.50  TCmV=1.50 TCVal=7 "));
    s.layout.schemes.trackFlags[layout::FLAG_CO2] = 0;
    l = lines();
    EXPECT_EQ(l[1], QStringLiteral("Chrom= X 2.0  HW= X 4.0  TC= X 3.0       "));
    EXPECT_EQ(l[2], QStringLiteral("HWmV=12.35 HWVal=99  CHmV=6.50 TCmV=1.50 TCVal=7.90 "));
    EditSettings(e, [&](auto& v) { v.autoTc = false; });
    s.layout.schemes.trackFlags[layout::FLAG_CO2] = 1;
    l = lines();
    EXPECT_EQ(l[1], QStringLiteral("Chrom =X 2.0  HW =X 4.0  CO2= X 1.0 "));
    EXPECT_EQ(l[2], QStringLiteral("HWmV=12.35 CHmV=6.50 CO2mV=0.50 CO2=3.50 "));
    s.well.loggerId = 64;
    s.layout.schemes.trackFlags[layout::FLAG_TEMPERATURE] = 1;
    EXPECT_EQ(lines()[1], QStringLiteral("Chrom = X 2.0,  HW= X 4.0   Temp= 7.90 ")) << "temperature before CO2";
}

}  // namespace
