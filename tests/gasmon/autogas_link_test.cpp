// The engine against a real MODBUS instrument (pymodbus) on a pty pair and on loopback TCP, and against
// a line nobody answers. Timer 1 is fired by hand; answers are awaited on the event loop with a deadline.
#include "enginefixture.h"

#include "platform/commlinks.h"
#include "platform/folders.h"
#include "support/doubles.h"
#include "support/gasengine.h"
#include "support/testmain.h"

#include <QFile>
#include <QTimer>

#include <cstring>

using namespace testing_support;
using gasmon_testing::EngineTest;

namespace {

class EngineLink : public EngineTest {
protected:
    void SetUp() override
    {
        if (!PymodbusInstalled())
            GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
    }
    // The instrument on the far end of a pty pair, the near end being com port 3.
    void SerialPeer(QStringList args)
    {
        ASSERT_TRUE(line.Start()) << "socat pty pair";
        platform::WriteSetting(QStringLiteral("Serial/COM3"), line.a);
        if (args.isEmpty())
            return;  // nobody answers on the line
        args.prepend(line.b);
        args.prepend(QStringLiteral("--rtu"));
        StartPeer(peer, args);
    }
    void TcpPeer()
    {
        const int port = FreeTcpPort();
        ASSERT_GT(port, 0);
        StartPeer(peer, {QStringLiteral("--tcp"), QString::number(port)});
        platform::RedirectModbusTcpPortForTest(port);
        cfg.ipAddress[0] = 127, cfg.ipAddress[1] = 0, cfg.ipAddress[2] = 0, cfg.ipAddress[3] = 1;
    }
    PtyPair line;
    Child peer;
};

TEST_F(EngineLink, TheOtherTypeReadsItsGainRangeFirstThenOneBlockPerAnsweredTick)
{
    SerialPeer({QStringLiteral("--ir"), QStringLiteral("2=3")});
    WriteCfg();
    gasmon::AutoGas& e = Make(3);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(TickAndWait());
    EXPECT_TRUE(PeerLogText().startsWith(QStringLiteral("247 15 1 4\n247 coils 1 0,0,0,0\n247 4 2 1\n")))
        << "the coils are set off first, then the gain range is asked; " << PeerLogText().toStdString();
    EXPECT_EQ(e.Readings().gainRange, 1250.0f);

    // Ticks come faster than answers: the link carries one request at a time.
    for (int i = 0; i < 10; ++i)
        e.Poll();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(PeerLines(QStringLiteral("247 4 3 12")), 1) << PeerLogText().toStdString();
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(PeerLines(QStringLiteral("247 4 3 12")), 2);
    EXPECT_EQ(e.Readings().record.modbusResult, 0);
    EXPECT_EQ(e.Readings().record.errorCount, 0);
    ASSERT_NE(display, nullptr) << "the first answer opened the live window";
    EXPECT_EQ(display->lines[0], QStringLiteral("0    0     0    0     0    0   0    1     0 ")) << "values, index, second";

    // Switched off and on again once coil 3 is off and the link closed: the port is free for the new engine.
    const std::uint32_t handle = e.Handle();
    e.Disconnect();
    engine.reset();
    ASSERT_TRUE(Spin([&] { return platform::FindCommLink(handle) == nullptr; }, kLoadedMs))
            << "waited for: platform::FindCommLink(handle) == nullptr";
    ASSERT_EQ(Make(3).Start(), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST_F(EngineLink, TheSeriesTwoThousandReadsHoldingRegistersOfSlaveOneWithOneStopBit)
{
    SerialPeer({QStringLiteral("--stopbits"), QStringLiteral("1")});
    WriteCfg();
    gasmon::AutoGas& e = Make(1);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(TickAndWait());
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(PeerLines(QStringLiteral("1 3 1 12")), 2) << PeerLogText().toStdString();
    EXPECT_EQ(e.Readings().record.errorCount, 0) << "the peer reads one stop bit";
}

TEST_F(EngineLink, TcpInstrumentsAskTheirOwnBlocks)
{
    TcpPeer();
    WriteCfg();
    Make(7);
    ASSERT_EQ(engine->Start(), 1);
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(PeerLines(QStringLiteral("1 3 41434 24")), 1) << PeerLogText().toStdString();
    EXPECT_EQ(engine->Readings().record.modbusResult, 0);

    engine.reset();
    Make(5);
    ASSERT_EQ(engine->Start(), 1);
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(PeerLines(QStringLiteral("247 4 10 12")), 1) << PeerLogText().toStdString();
}

TEST_F(EngineLink, ASilentOrRefusingInstrumentIsShownByNameAndPollingGoesOn)
{
    SerialPeer({});  // the far end of the line is never read
    WriteCfg();
    gasmon::AutoGas& e = Make(1);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(e.Readings().record.errorCount, 1) << "the coil write of the start went unanswered too";
    EditReadings(e, [&](auto& v) { v.record.errorCount = 0; });
    for (int i = 1; i <= 7; ++i) {
        ASSERT_TRUE(TickAndWait()) << "tick " << i;
        EXPECT_EQ(e.Readings().record.modbusResult, platform::MBUS_TIMEOUT);
        EXPECT_EQ(e.Readings().record.errorCount, i);
        ASSERT_NE(display, nullptr);
        if (i < 6)
            EXPECT_FALSE(display->lines[0].startsWith(QStringLiteral("MBUS_"))) << i;
        else
            EXPECT_EQ(display->lines[0], QStringLiteral("MBUS_TIMEOUT  %1").arg(e.Cycle().cycleSeconds)) << i;
    }
    doubles().clock.Advance(7000);
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(display->lines[0], QStringLiteral("MBUS_TIMEOUT  7"));

    // A TCP instrument that refuses the connection: not connected, at every tick.
    engine.reset();
    display = nullptr;
    platform::RedirectModbusTcpPortForTest(FreeTcpPort());
    cfg.ipAddress[0] = 127, cfg.ipAddress[3] = 1;
    WriteCfg();
    Make(7);
    ASSERT_EQ(engine->Start(), 1) << "connecting starts; the refusal comes with the answers";
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(engine->Readings().record.modbusResult, platform::MBUS_NOTCONNECTED);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->lines[0].startsWith(QStringLiteral("MBUS_NOTCONNECTED  "))) << display->lines[0].toStdString();
}

TEST_F(EngineLink, AnExceptionAnswerIsShownByItsName)
{
    ASSERT_TRUE(line.Start());
    platform::WriteSetting(QStringLiteral("Serial/COM3"), line.a);
    StartPeer(peer, {QStringLiteral("--raw"), line.b, QStringLiteral("--answer"), QStringLiteral("exception1")});
    WriteCfg();
    gasmon::AutoGas& e = Make(1);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    // The coil write of the start is refused alike.
    EditReadings(e, [](auto& v) { v.record.errorCount = 0; });
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(e.Readings().record.errorCount, 6);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->lines[0], QStringLiteral("MBUS_INVALIDCMD  0"));
}

TEST_F(EngineLink, TheInterfaceBoxValveOpensOnASampleRequestAndClosesAtTheShiftPoint)
{
    SerialPeer({QStringLiteral("--ir"), QStringLiteral("2=0")});
    WriteCfg();
    gasmon::AutoGas& e = Make(8);
    EXPECT_EQ(e.Settings().shiftPoint, 6);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(PeerLines(QStringLiteral("247 coils 1 0,0,0,0")), 1) << "the valve is closed at start";
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(e.Readings().gainRange, 10000.0f);

    doubles().clock.Advance(10000);
    EditRequests(e, [&](auto& v) { v.startRequest = true; });
    ASSERT_TRUE(TickAndWait());
    EXPECT_EQ(PeerLines(QStringLiteral("247 coils 1 1,0,0,0")), 1) << PeerLogText().toStdString();
    EXPECT_FALSE(e.Requests().startRequest);
    EXPECT_EQ(e.Cycle().componentIndex, 1);
    EXPECT_EQ(e.Cycle().cycleSeconds, 0) << "a new cycle started";

    doubles().clock.Advance(5000);
    ASSERT_TRUE(TickAndWait());
    EXPECT_TRUE(e.CoilState().coil1) << "before the shift point";
    doubles().clock.Advance(1000);
    e.Poll();
    EXPECT_FALSE(e.CoilState().coil1);
    // Off, and off again 100 ms later.
    ASSERT_TRUE(Spin([] { return PeerLogText().count(QStringLiteral("247 coils 1 0,0,0,0")) == 3; }, kLoadedMs))
        << PeerLogText().toStdString();
    const QString log = PeerLogText();
    EXPECT_GT(log.lastIndexOf(QStringLiteral("247 coils 1 0,0,0,0")), log.indexOf(QStringLiteral("247 coils 1 1,0,0,0")));
}

TEST_F(EngineLink, DisconnectSavesTheFractionsAndClosesTheValveBeforeTheLinkWhileTimersRun)
{
    SerialPeer({QStringLiteral("--ir"), QStringLiteral("2=0")});
    cfg.gasWindowLeft = 40;
    cfg.gasWindowTop = 50;
    WriteCfg();
    gasmon::AutoGas& e = Make(8);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(TickAndWait());
    ASSERT_TRUE(TickAndWait());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->left, 40);
    display->left = 70, display->top = 80;  // the operator moved it
    for (int k = 0; k < 7; ++k)
        EditReadings(e, [&](auto& v) { v.record.fractions[k] = 0.1f * float(k + 1); });
    EditCoilState(e, [&](auto& v) {
        v.coil1 = true;
        v.coil3 = true;
    });
    const std::uint32_t handle = e.Handle();

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    e.Disconnect();
    EXPECT_EQ(e.Handle(), 0u);
    EXPECT_EQ(e.display(), nullptr) << "the live window is closed";
    ASSERT_TRUE(Spin([&] { return platform::FindCommLink(handle) == nullptr; }, kLoadedMs)) << "the link is closed";
    EXPECT_GE(ticks, 10) << "the GUI thread ran on during the 1.6 s of waits (a blocked one sees one late tick)";

    const QString log = PeerLogText();
    const qsizetype valveOff = log.indexOf(QStringLiteral("247 coils 1 0,0,1,0\n"));
    const qsizetype optionsOff = log.indexOf(QStringLiteral("247 coils 1 0,0,0,0\n"), valveOff);
    EXPECT_GE(valveOff, 0) << log.toStdString();
    EXPECT_GT(optionsOff, valveOff) << "coil 1 off, then coil 3 off";

    const gasmon::GASMONCFG saved = SavedCfg();
    for (int k = 0; k < 7; ++k)
        EXPECT_FLOAT_EQ(float(saved.ratios[k]), 0.1f * float(k + 1)) << k;
    EXPECT_EQ(int(saved.gasWindowLeft), 70);
    EXPECT_EQ(int(saved.gasWindowTop), 80);

    // An answer that comes after the link went is not the engine's.
    const gasmon::GASRECORD before = e.Readings().record;
    e.EvResponse(handle, 0);
    EXPECT_EQ(std::memcmp(&before, &e.Readings().record, sizeof before), 0);
}

}  // namespace

namespace {

TEST_F(EngineLink, AWholeChromatographCycleComesOverTheLink)
{
    // Second t of the cycle is the (t - 2)-th block read: the first tick reads the gain range.
    const int peaks[5] = {20, 30, 40, 50, 60};
    const int heights[5] = {1000, 500, 250, 125, 60};
    QString table;
    for (int t = 2; t <= 85; ++t) {
        QList<int> row(20, 0);
        // The block starts at register 3: the hot wire, then the chromatograph two further on.
        row[3] = 4000;
        row[5] = 100;
        for (int k = 0; k < 5; ++k)
            if (t == peaks[k])
                row[5] += heights[k];
        for (int v : row)
            table += QString::number(v) + QLatin1Char(' ');
        table += QLatin1Char('\n');
    }
    const QString tablePath = TestDir() + QStringLiteral("cycle.txt");
    {
        QFile f(tablePath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(table.toLatin1());
    }
    SerialPeer({QStringLiteral("--ir"), QStringLiteral("2=3"), QStringLiteral("--table"), tablePath});
    cfg.hotWireSpan = 200;
    cfg.chromatSpan = 2000;
    cfg.totalChromatRatios = 1;
    for (int k = 0; k < 5; ++k)
        cfg.elutionTime[k] = peaks[k];
    cfg.chromatZero = 16;
    WriteCfg();
    std::array<std::int32_t, 8> retention{};
    host.showRetentionTimes = [&](const std::array<std::int32_t, 8>& t) { retention = t; };
    gasmon::AutoGas& e = Make(3);
    ASSERT_EQ(e.Start(), 1);
    ASSERT_TRUE(WaitIdle());
    for (int t = 1; t <= 80 && !e.Cycle().cycleEnded; ++t) {
        doubles().clock.Advance(1000);
        ASSERT_TRUE(TickAndWait()) << "second " << t;
    }
    ASSERT_TRUE(e.Cycle().cycleEnded);
    EXPECT_EQ(e.Readings().gainRange, 1250.0f);
    EXPECT_FLOAT_EQ(e.Readings().record.totalGas, 40.0f);
    const float expected[5] = {100, 50, 25, 12.5f, 6};
    for (int k = 0; k < 5; ++k)
        EXPECT_FLOAT_EQ(e.Readings().record.components[k], expected[k]) << "C" << k + 1;
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[0], 100 / 193.5f);
    EXPECT_EQ(retention[1], 21);
    EXPECT_EQ(retention[3], 41);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->lines[1].startsWith(QStringLiteral("Chrom=X 1.0, HW=X 1.0  HWmV=250.00"))) << display->lines[1].toStdString();
}

}  // namespace
