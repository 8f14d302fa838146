// The UDP gas interface against a data system on loopback: the start token, packets found in the
// datagrams, the cycle flag, the depths that drive drilling mode and the live window's lines.
#include "enginefixture.h"

#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/modbus.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/helperprocess.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QHostAddress>
#include <QProcess>
#include <QUdpSocket>
#include <QtEndian>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

using namespace testing_support;

namespace {

// struct.pack('<8sff16xfifff', marker, HD, BD, TG, flag, chrom, PP, extra)
QByteArray Packet(float hd, float bd, float tg, std::int32_t flag, float chrom, float pp, float extra,
                  const char* marker = "StrativM")
{
    QByteArray b(gasmon::kUdpPacketSize, '\0');
    std::memcpy(b.data(), marker, 8);
    const auto put = [&](int at, auto v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, 4);
        qToLittleEndian<quint32>(bits, b.data() + at);
    };
    put(8, hd);
    put(12, bd);
    put(32, tg);
    put(36, flag);
    put(40, chrom);
    put(44, pp);
    put(48, extra);
    return b;
}

class Udp : public gasmon_testing::EngineTest {
protected:
    Udp()
    {
        EXPECT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
        platform::RedirectModbusTcpPortForTest(peer.localPort());
        cfg.ipAddress[0] = 127;
        cfg.ipAddress[3] = 1;
        cfg.gasWindowLeft = 40;
        cfg.gasWindowTop = 50;
        host.setTimer = [this](int id, int ms) { timers << QStringLiteral("set %1 %2").arg(id).arg(ms); };
        host.killTimer = [this](int id) { timers << QStringLiteral("kill %1").arg(id); };
    }

    gasmon::AutoGas& StartUdp()
    {
        WriteCfg();
        gasmon::AutoGas& e = Make(9);
        EXPECT_EQ(e.Start(), 1);
        return e;
    }

    // The next datagram the peer receives (its sender kept for the answers); empty after `ms`.
    QByteArray Receive(int ms = 3000)
    {
        if (!Spin([this] { return peer.hasPendingDatagrams(); }, ms))
            return {};
        QByteArray data(qsizetype(peer.pendingDatagramSize()), '\0');
        peer.readDatagram(data.data(), data.size(), &sender, &senderPort);
        return data;
    }

    // Sends `data` to the engine and waits until it took it.
    bool Send(const QByteArray& data)
    {
        const std::int32_t before = engine->Udp().receiveCounter();
        peer.writeDatagram(data, sender, senderPort);
        return Spin([&] { return engine->Udp().receiveCounter() > before; }, kLoadedMs);
    }

    // A well of records first..last on disk with drilling mode on over it.
    void DrillingOn(int first, int last)
    {
        ASSERT_FALSE(MakeWell(TestDir(), QStringLiteral("ALPHA.svm"), first, last).isEmpty());
        well.dataFolder = well.currentFolder = TestDir();
        well.wellName = QStringLiteral("ALPHA");
        well.dataFileName = TestDir() + QStringLiteral("ALPHA.svm");
        well.customDataFileName = TestDir() + QStringLiteral("ALPHA.svx");
        well.fileTopDepth = first;
        well.fileBottomDepth = last;
        well.depthStep = 1;
        well.viewDepthSpan = 40;
        well.viewTopDepth = last - 40;
        well.drilling = true;
        testing_support::PlainDrillingWindow(s);
        wellfile::WellConfig config{};
        config.minSecondsPerUnit = 4;
        driller = std::make_unique<drilling::Driller>(facts, wits::WitsAlarmHost{});
        driller->Start(config);
        s.engines.driller = driller.get();
    }

    // The drilling ticks of `seconds`.
    void Drill(double seconds)
    {
        for (int i = 0; i < int(seconds * 5); ++i) {
            doubles().clock.Advance(200);
            driller->Time()->Tick();
            if (driller->StepWaiting())
                driller->Update();
        }
    }

    // Sends the packet of these depths and decodes it; whether it marked a step (the mark is taken).
    bool DepthPacket(float hd, float bd, float pp = 0)
    {
        EXPECT_TRUE(Send(Packet(hd, bd, 0, 0, 0, pp, 0)));
        engine->DecodeUdpPacket();
        const bool step = driller->Steps().stepPending != 0;
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.riseUnits = 0; });
        return step;
    }

    QUdpSocket peer;
    QHostAddress sender;
    quint16 senderPort = 0;
    QStringList timers;
    float& holeDepthShown = s.witsLink.holeDepth;  // the status line's UDP depth
};

TEST_F(Udp, TheStartTokenGoesOncePerStartAndTheStopClosesTheSocket)
{
    gasmon::AutoGas& e = StartUdp();
    EXPECT_EQ(Receive(), QByteArray("SVSTART"));
    EXPECT_EQ(sender, QHostAddress(QHostAddress::LocalHost));
    EXPECT_TRUE(Receive(300).isEmpty()) << "sent once";
    EXPECT_EQ(timers, QStringList{QStringLiteral("set 7 180000")});
    EXPECT_EQ(e.Udp().receiveCounter(), 2) << "1 once set up, the waiting receive counted";

    ASSERT_TRUE(Send(Packet(1, 1, 0, 0, 0, 0, 0)));
    e.Poll();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->left, 40);
    display->left = 123;
    display->top = 321;
    const quint16 oldPort = senderPort;
    e.Disconnect();
    EXPECT_FALSE(e.Udp().Running());
    EXPECT_EQ(e.display(), nullptr);
    EXPECT_EQ(timers.last(), QStringLiteral("kill 7"));
    const gasmon::GASMONCFG saved = SavedCfg();
    EXPECT_EQ(std::int32_t(saved.gasWindowLeft), 123);
    EXPECT_EQ(std::int32_t(saved.gasWindowTop), 321);
    QUdpSocket probe;
    EXPECT_TRUE(probe.bind(QHostAddress::AnyIPv4, oldPort)) << "the old socket is closed";

    engine.reset();
    StartUdp();
    EXPECT_EQ(Receive(), QByteArray("SVSTART")) << "switched on again";
    EXPECT_NE(senderPort, oldPort) << "from a new socket";
}

TEST_F(Udp, PacketsAreFoundInTheDatagramsWhateverTheirCutAndTheBufferStaysBounded)
{
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    ASSERT_TRUE(Send(Packet(10, 0, 0, 0, 0, 0, 0) + Packet(20, 0, 0, 0, 0, 0, 0) + "tail"));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 20) << "the second of two";
    EXPECT_EQ(e.Udp().buffer().fill(), 0) << "the bytes after it are dropped";
    EXPECT_EQ(e.Udp().status(), 2 * 52 + 4);

    ASSERT_TRUE(Send(Packet(30, 0, 0, 0, 0, 0, 0, "STRATIVM")));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 30);
    ASSERT_TRUE(Send(Packet(40, 0, 0, 0, 0, 0, 0, "strativm")));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 40);
    ASSERT_TRUE(Send(Packet(41, 0, 0, 0, 0, 0, 0, "StrativX")));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 40) << "no marker";

    const QByteArray split = Packet(50, 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(Send(split.left(30)));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 40);
    ASSERT_TRUE(Send(split.mid(30)));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 50) << "30 bytes then 22";

    ASSERT_TRUE(Send(Packet(60, 0, 0, 0, 0, 0, 0).left(51)));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 50) << "51 bytes alone";

    ASSERT_TRUE(Send(QByteArray(5000, 'z')));
    EXPECT_LE(e.Udp().buffer().fill(), gasmon::kUdpBufferSize);
    ASSERT_TRUE(Send(Packet(70, 0, 0, 0, 0, 0, 0)));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 70) << "after 5,000 bytes without a marker";

    // A marker cut by the end of a full buffer is found with the next datagram.
    const QByteArray cut = Packet(80, 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(Send(QByteArray(1024 - 10, 'q') + cut.left(20)));
    EXPECT_LE(e.Udp().buffer().fill(), gasmon::kUdpBufferSize);
    ASSERT_TRUE(Send(cut.mid(20)));
    EXPECT_EQ(e.Udp().Latest().holeDepth, 80);
}

TEST_F(Udp, OnlyAChangeOfTheCycleFlagToOneStartsACycle)
{
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    int cycles = 0;
    const auto decode = [&](std::int32_t flag) {
        EXPECT_TRUE(Send(Packet(1, 1, 0, flag, 0, 0, 0)));
        EditCycle(e, [&](auto& v) { v.newCycle = false; });
        e.DecodeUdpPacket();
        cycles += e.Cycle().newCycle ? 1 : 0;
    };
    for (int i = 0; i < 3; ++i)
        decode(1);
    EXPECT_EQ(cycles, 1);
    decode(0);
    decode(1);
    EXPECT_EQ(cycles, 2);
}

TEST_F(Udp, TheHoleDepthMarksAStepPerWholeUnitPastTheFirstTwentyAndTheBitSetsTheBottomState)
{
    DrillingOn(1000, 1000);
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    EXPECT_FALSE(DepthPacket(1015, 1015));
    EXPECT_EQ(holeDepthShown, 1015) << "the status line's UDP depth";
    EXPECT_FALSE(DepthPacket(1021, 1021)) << "the previous depth is not past 1,020";
    EXPECT_TRUE(DepthPacket(1022, 1022));
    EXPECT_FALSE(DepthPacket(1021, 1021)) << "a fall";
    EXPECT_TRUE(DepthPacket(1022, 1022)) << "the rise back";
    EXPECT_FALSE(DepthPacket(1022.9f, 1022.9f)) << "not a whole unit";

    drilling::LogTime& t = *driller->Time();
    EXPECT_FALSE(DepthPacket(1022.5f, 1022.1f, 600));
    EXPECT_EQ(driller->Bottom().offBottom, 0);
    EXPECT_EQ(t.offBottom, 0) << "less than half a unit off bottom";
    DepthPacket(1022.5f, 1021.9f, 600);
    EXPECT_EQ(driller->Bottom().offBottom, 1);
    EXPECT_EQ(t.offBottom, 1);
    EXPECT_EQ(t.circulating, 1) << "pump pressure 600";
    DepthPacket(1022.5f, 1021.9f, 400);
    EXPECT_EQ(t.circulating, 0);
    DepthPacket(1022.5f, 1022.5f);
    EXPECT_EQ(driller->Bottom().offBottom, 0);
    EXPECT_EQ(t.offBottom, 0) << "on bottom again";
    (void)e;
}

// A link that was silent while three units were drilled must not lose their records.
TEST_F(Udp, ARiseOfSeveralUnitsGivesARecordForEach)
{
    DrillingOn(1000, 1022);
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    ASSERT_TRUE(Send(Packet(1022, 1022, 0, 0, 0, 0, 0)));
    e.DecodeUdpPacket();
    Drill(30);
    ASSERT_TRUE(Send(Packet(1025.2f, 1025.2f, 0, 0, 0, 0, 0)));
    e.DecodeUdpPacket();
    Drill(1);
    const auto records = FileRecords<wellfile::RECORD>(well.dataFileName);
    ASSERT_EQ(records.size(), 26u);
    EXPECT_EQ(records.back().depth, 1025);
    EXPECT_EQ(well.fileBottomDepth, 1025);
    EXPECT_NEAR(records[23].rateOne + records[24].rateOne + records[25].rateOne, 0.5f, 0.02f) << "30 s shared";
    EXPECT_NEAR(records[23].rateOne, 10.0f / 60, 0.01f);

    Drill(10);
    ASSERT_TRUE(Send(Packet(1300, 1300, 0, 0, 0, 0, 0)));
    e.DecodeUdpPacket();
    Drill(10);
    EXPECT_EQ(well.fileBottomDepth, 1026) << "a jump of more than 100 units is one step";
}

TEST_F(Udp, WithTheDepthFromWitsOnlyTheGasIsTakenAndLongHighGasSetsTheAlarm)
{
    DrillingOn(1000, 1030);
    s.engineStatus.witsRunning = true;
    testing_support::EditSetup(*driller, [](drilling::DrillerSetup& v) { v.depthFromWits = 1; });
    drilling::AlarmSettings& s = driller->Alarms()->settings;
    s.highGasUnits = 100;
    cfg.hotWireSpan = 2;  // the total-gas factor
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    ASSERT_TRUE(Send(Packet(1040, 1040, 75, 0, 0, 0, 0)));
    for (int tick = 1; tick <= 76; ++tick) {
        e.DecodeUdpPacket();
        EXPECT_EQ(driller->Alarms()->flags[drilling::kAlarmHighGas], tick == 76 ? 1 : 0) << tick;
    }
    EXPECT_EQ(e.Readings().values[0], 150) << "the gas is decoded";
    EXPECT_EQ(driller->Steps().stepPending, 0) << "the depths are not";
    EXPECT_EQ(holeDepthShown, 0);
    EXPECT_EQ(driller->Bottom().offBottom, 0);
}

TEST_F(Udp, TheLiveWindowShowsThePacket)
{
    gasmon::AutoGas& e = StartUdp();
    ASSERT_FALSE(Receive().isEmpty());
    ASSERT_TRUE(Send(Packet(1234.5f, 1234.0f, 0, 1, 3.25f, 600, 0)));
    e.DecodeUdpPacket();
    EditReadings(e, [&](auto& v) { v.values[1] = 12.34f; });
    e.DecodeUdpPacket();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->caption, QStringLiteral("StrativM Gas Monitor"));
    EXPECT_EQ(display->lines[2], QStringLiteral("HD= 1234.50   BD= 1234.00  PP=600  C1=12.34 flag=1"));
    EXPECT_EQ(display->lines[1], QStringLiteral("CHROM VAL=3.25  Packets= 3  PK SIZE = 52"));
    EXPECT_TRUE(display->lines[0].startsWith(QStringLiteral("0     12"))) << display->lines[0].toStdString();
}

}  // namespace

namespace {

// Run by the next test in a process of its own, with no descriptor left for a socket.
TEST(UdpLink, NoSocketProcess)
{
    if (qEnvironmentVariable("STRATIVM_UDP_NO_SOCKET").isEmpty())
        GTEST_SKIP() << "runs only as the helper process of NoSocketAndAStartTokenNotSentLeaveNoLinkAndSayWhy";
    std::printf("UDP STARTING\n");
    std::fflush(stdout);
    // The sanitizer checks the types of the calls once, with a descriptor pair of its own: before the limit.
    gasmon::UdpGasLink link;
    {
        QUdpSocket warm;
        warm.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
        (void)link.status();
    }
    rlimit before{};
    getrlimit(RLIMIT_NOFILE, &before);
    rlimit none{3, before.rlim_max};
    setrlimit(RLIMIT_NOFILE, &none);
    link.Start({127, 0, 0, 1});
    setrlimit(RLIMIT_NOFILE, &before);
    std::printf(!link.Running() && link.status() == gasmon::kUdpNoSocket ? "UDP NO SOCKET\n" : "UDP OTHER\n");
    std::fflush(stdout);
}

TEST(UdpLink, NoSocketAndAStartTokenNotSentLeaveNoLinkAndSayWhy)
{
    QProcess child;
    QByteArray out = testing_support::StartHelperProcess(child, "UdpLink.NoSocketProcess", "STRATIVM_UDP_NO_SOCKET",
                                                         "1", "UDP STARTING");
    ASSERT_TRUE(child.waitForFinished(30000));
    out += child.readAllStandardOutput();
    EXPECT_TRUE(out.contains("UDP NO SOCKET")) << out.constData();

    // A destination port the system refuses to send to: the token is not sent.
    platform::RedirectModbusTcpPortForTest(65536);  // read as port 0
    gasmon::UdpGasLink link;
    link.Start({127, 0, 0, 1});
    platform::RedirectModbusTcpPortForTest(0);
    EXPECT_FALSE(link.Running());
    EXPECT_EQ(link.status(), gasmon::kUdpTokenNotSent);
}

}  // namespace
