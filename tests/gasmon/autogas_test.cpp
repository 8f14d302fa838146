// The engine without an instrument: its clock, the interface box's refusals, the addresses and ports it
// opens (through recording link calls) and the references it takes from the last depth record.
#include "enginefixture.h"

#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "drilling/logalarm.h"
#include "platform/folders.h"
#include "support/doubles.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "wellfile/openwell.h"

#include <cmath>
#include <limits>
#include <random>

using namespace testing_support;
using gasmon_testing::EngineTest;

namespace {

TEST_F(EngineTest, TheCycleSecondsAreTheClocksWhateverTheTicksAndTheCycleStartsOverPastTheLongest)
{
    app::LogState drillingState;  // the driller's own window: its well only names the folder
    drillingState.well.file.dataFolder = TestDir();
    drilling::DrillingHost facts(drillingState);
    drilling::Driller driller(facts, {});
    driller.SetAlarms(std::make_unique<drilling::LogAlarm>(TestDir()));
    QList<std::pair<int, QString>> raised;
    driller.Alarms()->raiseHook = [&](int kind, const QString& text) { raised.append({kind, text}); };
    s.engines.driller = &driller;

    gasmon::AutoGas& e = Make(3);
    std::mt19937 random(43);
    std::uniform_int_distribution<int> late(260, 340);
    std::int64_t start = 0;
    int restarts = 0;
    for (int i = 0; i < 10000; ++i) {
        doubles().clock.Advance(late(random));
        e.Poll();
        std::int64_t seconds = (doubles().clock.ms - start) / 1000;
        if (seconds > gasmon::kLongestCycleSeconds) {
            start = doubles().clock.ms;
            seconds = 0;
            ++restarts;
        }
        ASSERT_EQ(e.Cycle().cycleSeconds, seconds) << "tick " << i;
    }
    EXPECT_EQ(restarts, 2);
    ASSERT_EQ(raised.size(), 2);
    EXPECT_EQ(raised[0].first, 0);
    EXPECT_EQ(raised[0].second, QStringLiteral("Cycle Time out of range"));

    s.well.loggerId = 21;
    s.engines.driller = nullptr;
    Make(3);
    doubles().clock.Advance(1001000);
    engine->Poll();
    EXPECT_EQ(engine->Cycle().cycleSeconds, 0);
    EXPECT_EQ(raised.size(), 2) << "only profile 12 raises the alarm";
}

TEST_F(EngineTest, TheSampleBlockClosesOnlyWellInsideTheCycle)
{
    s.well.loggerId = 2;
    gasmon::AutoGas& e = Make(8);
    EditSettings(e, [&](auto& v) { v.cycleTime = 30; });
    EditRequests(e, [&](auto& v) { v.sampleBlockRequest = true; });
    doubles().clock.Advance(15000);
    e.Poll();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              QStringLiteral("CycleTime must be greater than 20 seconds\n\r and less than 20 seconds before shift "
                             "point\n\rto close the chromat sample block"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, QStringLiteral("StrativM"));
    EXPECT_FALSE(e.CoilState().sampleBlockClosed);
    EXPECT_FALSE(e.Requests().sampleBlockRequest) << "the request is dropped";

    // With a long enough cycle it closes, and the next request opens it again.
    EditSettings(e, [&](auto& v) { v.cycleTime = 60; });
    EditRequests(e, [&](auto& v) { v.sampleBlockRequest = true; });
    doubles().clock.Advance(10000);
    e.Poll();
    EXPECT_TRUE(e.CoilState().sampleBlockClosed);
    EXPECT_EQ(e.CoilState().closingSecond, 25);
    EditRequests(e, [&](auto& v) {
        v.sampleBlockRequest = true;
        v.calibrationRequest = true;
    });
    e.Poll();
    EXPECT_FALSE(e.CoilState().sampleBlockClosed);
    EXPECT_TRUE(e.Requests().calibrationCycle) << "a calibration asked for meanwhile runs now";
    EXPECT_EQ(doubles().prompter.messages.size(), 1);
}

struct RecordedLink {
    QList<std::uint32_t> tcpAddresses;
    QList<int> rtuPorts;
    QList<platform::SerialSettings> serial;
};

gasmon::ModbusCalls Recording(RecordedLink& r)
{
    gasmon::ModbusCalls calls;
    calls.connectTcp = [&r](std::uint32_t address, int, const platform::TcpSettings&) {
        r.tcpAddresses << address;
        return std::int32_t(77);
    };
    calls.connectRtu = [&r](int port, int, const platform::SerialSettings& s) {
        r.rtuPorts << port;
        r.serial << s;
        return std::uint32_t(78);
    };
    calls.hook = [](std::uint32_t, platform::HWND, unsigned, int) { return 0; };
    calls.close = [](std::uint32_t) {};
    return calls;
}

TEST_F(EngineTest, OnlyAnUnsetAddressTakesTheDefaultAndAComPortOfNoneIsTheFirst)
{
    RecordedLink r;
    WriteCfg();  // address 0.0.0.0
    Make(5).Calls() = Recording(r);
    ASSERT_EQ(engine->Connect(), 1);
    cfg.ipAddress[0] = 10, cfg.ipAddress[1] = 0, cfg.ipAddress[2] = 0, cfg.ipAddress[3] = 5;
    WriteCfg();
    Make(7).Calls() = Recording(r);
    ASSERT_EQ(engine->Connect(), 1);
    EXPECT_EQ(engine->Settings().slaveAddress, 1);
    EXPECT_EQ(engine->Settings().firstRegister, 41434);
    ASSERT_EQ(r.tcpAddresses.size(), 2);
    EXPECT_EQ(r.tcpAddresses[0], 0xDE01A8C0u) << "192.168.1.222, first octet lowest";
    EXPECT_EQ(r.tcpAddresses[1], 0x0500000Au) << "10.0.0.5 is kept";

    cfg.gasComPort = 0;
    WriteCfg();
    Make(3).Calls() = Recording(r);
    ASSERT_EQ(engine->Connect(), 1);
    ASSERT_EQ(r.rtuPorts, QList<int>{1});
    EXPECT_EQ(r.serial[0].stopBits, 2);
    EXPECT_EQ(r.serial[0].baudRate, 9600u);
    EXPECT_EQ(int(SavedCfg().gasComPort), 1) << "the settings are mended on disk";
    Make(1).Calls() = Recording(r);
    ASSERT_EQ(engine->Connect(), 1);
    EXPECT_EQ(r.serial[1].stopBits, 0);
    EXPECT_EQ(engine->Settings().slaveAddress, 1);
}

TEST_F(EngineTest, TestGasReferencesComeFromTheLastRecord)
{
    wellfile::RECORD last{};
    last.testGas[wellfile::TEST_TG] = 0;
    last.testGas[wellfile::TEST_C1] = -4;
    last.testGas[wellfile::TEST_C2] = std::numeric_limits<float>::quiet_NaN();
    last.testGas[wellfile::TEST_C3] = 30;
    last.testGas[wellfile::TEST_NC5] = 7;
    lastRecord = last;
    gasmon::AutoGas& e = Make(9);
    ASSERT_EQ(e.Connect(), 1) << "the UDP interface opens no link here";
    EXPECT_EQ(e.Readings().testGasReferences[0], 1.0f);
    EXPECT_EQ(e.Readings().testGasReferences[1], 1.0f);
    EXPECT_EQ(e.Readings().testGasReferences[2], 1.0f);
    EXPECT_EQ(e.Readings().testGasReferences[3], 30.0f);
    EXPECT_EQ(e.Readings().testGasReferences[7], 7.0f);

    s.well.loggerId = 17;
    last.testGas[wellfile::TEST_TG] = 20;
    lastRecord = last;
    ASSERT_EQ(Make(9).Connect(), 1);
    EXPECT_EQ(engine->Readings().testGasReferences[0], 50.0f);
    s.well.loggerId = 23;
    ASSERT_EQ(Make(9).Connect(), 1);
    EXPECT_EQ(engine->Readings().testGasReferences[0], 100.0f);
    lastRecord.reset();
    s.well.loggerId = 12;
    ASSERT_EQ(Make(9).Connect(), 1);
    EXPECT_EQ(engine->Readings().testGasReferences[3], 1.0f) << "no last record: all 1.0";
}

TEST_F(EngineTest, OnlyAGoodAnswerSetsTheGainRange)
{
    WriteCfg();
    RecordedLink r;
    gasmon::AutoGas& e = Make(3);
    e.Calls() = Recording(r);
    QList<platform::ModbusRequest> sent;
    int result = platform::MBUS_TIMEOUT;
    std::uint16_t code = 0;
    e.Calls().poll = [&](std::uint32_t, const platform::ModbusRequest& q) {
        sent << q;
        return 0;
    };
    e.Calls().response = [&](std::uint32_t, const platform::ModbusRequest&, std::uint16_t* regs, std::uint16_t) {
        regs[0] = code;
        return result;
    };
    ASSERT_EQ(e.Start(), 1);
    e.Poll();
    e.EvResponse(e.Handle(), 0);
    EXPECT_EQ(e.Readings().gainRange, -1.0f) << "a failed answer's zeroed registers are no range";
    e.Poll();
    result = 0;
    code = 9;
    e.EvResponse(e.Handle(), 0);
    EXPECT_EQ(e.Readings().gainRange, 78.0f) << "a code past the table takes its last range";
    e.Poll();
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[1].first, 2) << "asked again";
    EXPECT_EQ(sent[2].first, 3);
    EXPECT_EQ(sent[2].count, 12);
}

}  // namespace
