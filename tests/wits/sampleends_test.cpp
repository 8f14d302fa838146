// Where a WITS sample ends, through the program's own link (the one-client TCP server read on timer 4):
// frames of one slot fill one sample, empty frames close nothing, a peer without frame ends has each
// read closed, a departed client's unended item is dropped, the link's stop writes the unfinished block,
// and the remote block's copies each carry their own block to the second data folder.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "noservices.h"
#include "wellfile/wellconfig.h"
#include "app/opendatafile.h"
#include "wits/dailyfile.h"
#include "wits/witscommands.h"
#include "wits/witsserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

using namespace wits;
using testing_support::doubles;
using testing_support::Spin;
using testing_support::kLoadedMs;
using testing_support::TestDir;

namespace {

class SampleEnds : public ::testing::Test {
protected:
    SampleEnds()
    {
        EXPECT_TRUE(testing_support::PointAtNewWell(log, "W", 1000, 1200));
        log.engineStatus.gasInstrumentType = 0;
        log.timers = &timers;
        log.env.witsFolder = TestDir() + "wits/";
        QDir().mkpath(log.env.witsFolder);
        wellfile::WellConfig c = wellfile::DefaultWellConfig({});
        bool field = false;
        EXPECT_TRUE(wellfile::SaveConfig(c, app::PlaceOf(log), field));
        log.well.config = c;
        gasmon::GASMONCFG g{};
        g.ratioMode = 1;
        testing_support::WriteBytes(TestDir() + "gasmon.cfg", &g, sizeof g);
        platform::WriteSetting(QStringLiteral("Wits/ServerAddress"), QStringLiteral("127.0.0.1"));
        commands = std::make_unique<WitsCommands>(rest, services, window);
    }
    ~SampleEnds() override
    {
        commands->StopLink(log);
        log.engines.driller = nullptr;
    }
    // The link as the server, and a client connected to it.
    bool Start()
    {
        CUSTWITSCFG s{};
        DefaultCustWitsConfig(s);
        s.witsOnTcp = 1;
        s.tcpServer = 1;
        s.tcpPort = 0;
        EXPECT_EQ(WriteCustWitsConfig(TestDir(), "W", s), 1);
        commands->CmWits(log);
        return Engine() && Connect(client);
    }
    bool Connect(QTcpSocket& c)
    {
        c.connectToHost(QHostAddress::LocalHost, Engine()->Server()->Port());
        return Spin([&] { return Engine()->ServerClientCount() == 1; }, kLoadedMs);
    }
    Wits* Engine() const { return commands->engine(); }
    // One read: `text` from `c` waits at the server, then the tick at the clock's time parses it; the
    // clock then moves to the next slot.
    void Read(const QByteArray& text, QTcpSocket& c)
    {
        c.write(text);
        c.flush();
        ASSERT_TRUE(Spin([&] { return Engine()->Server()->WaitingSize() >= std::size_t(text.size()); }, kLoadedMs))
                << "waited for: Engine()->Server()->WaitingSize() >= std::size_t(text.size())";
        ASSERT_TRUE(timers.Fire(4));
        doubles().clock.Advance(6000);
    }
    void Read(const QByteArray& text) { Read(text, client); }
    std::vector<wellfile::WITSRECORD> Day(const QDate& d = QDate(2026, 1, 15)) const
    {
        return ReadDailyFile(DailyWitsFileName(log.env.witsFolder, "W", d)).value_or(std::vector<wellfile::WITSRECORD>{});
    }

    app::LogState log;
    testing_support::FakeTimers timers{[this](int id) {
        if (id == 4)
            commands->LinkTimer(log);
    }};
    wits_testing::NoServices rest;
    app::WellServices services;
    WitsLinkWindow window;
    drilling::DrillingHost facts{log};
    std::unique_ptr<WitsCommands> commands;
    QTcpSocket client;
};

constexpr int kSlot = 8 * 600 + 30 * 10;  // 8:30:00 on the test clock

bool IsPreset(const wellfile::WITSRECORD& r) { return r.holeDepth == 0 && r.bitDepth == 0 && r.slot == 0; }

TEST_F(SampleEnds, FramesOfOneSlotFillOneSampleAndEmptyFramesWriteNothing)
{
    log.engineStatus.gasInstrumentType = 10;  // the gas comes over the link
    ASSERT_TRUE(Start());
    // Record 01 and record 12 in two frames, five slots running.
    for (int i = 0; i < 5; ++i)
        Read("&&\r\n0108 1199.90\r\n0110 1200.00\r\n!!\r\n&&\r\n0140 12.5\r\n!!\r\n");
    ASSERT_TRUE(timers.Fire(4));  // the slot passed: the fifth sample closes the block
    std::vector<wellfile::WITSRECORD> day = Day();
    ASSERT_EQ(day.size(), std::size_t(wellfile::kSlotsPerDay));
    for (int i = 0; i < 5; ++i) {
        const wellfile::WITSRECORD& r = day[std::size_t(kSlot + i)];
        EXPECT_EQ(r.slot, kSlot + i);
        EXPECT_FLOAT_EQ(r.holeDepth, 1200.0f) << i;
        EXPECT_FLOAT_EQ(r.bitDepth, 1199.9f) << i;
        EXPECT_FLOAT_EQ(r.totalGas, 12.5f) << i;
    }
    EXPECT_TRUE(IsPreset(day[kSlot + 5]));  // nothing past the slots received

    // A flood of frame ends over several slots writes nothing, not even when the link stops.
    const QByteArray before = testing_support::ReadBytes(DailyWitsFileName(log.env.witsFolder, "W", QDate(2026, 1, 15)));
    for (int i = 0; i < 4; ++i)  // 4,000 bytes over four slots
        Read(QByteArray("!!\r\n").repeated(250));
    EXPECT_EQ(Engine()->SamplesWaiting(), 0);

    // Two samples of an unfinished block are written when the link is switched off.
    Read("&&\r\n0110 1201.00\r\n!!\r\n");
    Read("&&\r\n0110 1202.00\r\n!!\r\n");
    commands->CmWits(log);
    ASSERT_EQ(Engine(), nullptr);
    day = Day();
    const int next = kSlot + 9;
    EXPECT_FLOAT_EQ(day[std::size_t(next)].holeDepth, 1201.0f);
    EXPECT_FLOAT_EQ(day[std::size_t(next + 1)].holeDepth, 1202.0f);
    for (int r = kSlot + 5; r < next; ++r)
        EXPECT_TRUE(IsPreset(day[std::size_t(r)])) << r;
    QByteArray after = testing_support::ReadBytes(DailyWitsFileName(log.env.witsFolder, "W", QDate(2026, 1, 15)));
    after.replace(next * 128, 256, before.mid(next * 128, 256));
    EXPECT_TRUE(after == before);
}

TEST_F(SampleEnds, APeerWithoutFrameEndsHasEachReadClosedEvenAfterAStrayFrameEnd)
{
    ASSERT_TRUE(Start());
    Read("0110 1201.00\r\n");
    Read("0110 1202.00\r\n");
    Read("!!\r\n");
    Read("0110 1203.00\r\n");
    Read("0110 1204.00\r\n");
    EXPECT_EQ(Engine()->SamplesWaiting(), 4);
    Read("0110 1205.00\r\n");
    EXPECT_EQ(Engine()->SamplesWaiting(), 0);  // five closed at the ends of their reads: one block
    const std::vector<wellfile::WITSRECORD> day = Day();
    ASSERT_EQ(day.size(), std::size_t(wellfile::kSlotsPerDay));
    const int taken[5] = {kSlot, kSlot + 1, kSlot + 3, kSlot + 4, kSlot + 5};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(day[std::size_t(taken[i])].holeDepth, 1201.0f + float(i)) << i;
    EXPECT_TRUE(IsPreset(day[kSlot + 2]));
}

TEST_F(SampleEnds, AnItemCutByADisconnectIsNotJoinedToTheNextClientsText)
{
    drilling::Driller driller(facts, WitsAlarmHost{});
    log.engines.driller = &driller;
    log.witsLink.depthTracking = true;
    ASSERT_TRUE(Start());
    Read("&&\r\n0110 1200.00\r\n!!\r\n0110 12");
    client.disconnectFromHost();
    ASSERT_TRUE(Spin([&] { return Engine()->ServerClientCount() == 0; }, kLoadedMs))
            << "waited for: Engine()->ServerClientCount() == 0";
    QTcpSocket second;
    ASSERT_TRUE(Connect(second));
    Read("0108 1200.00\r\n0110 1200.00\r\n!!\r\n", second);
    EXPECT_FLOAT_EQ(log.witsLink.lastBitDepth, 1200.0f);
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1200.0f);
    EXPECT_EQ(driller.Steps().stepPending, 0);

    // A client that stops within an item before the tick has read it: its cut line goes with it.
    second.write("0110 12");
    second.flush();
    ASSERT_TRUE(Spin([&] { return Engine()->Server()->WaitingSize() == 7; }, kLoadedMs))
            << "waited for: Engine()->Server()->WaitingSize() == 7";
    second.disconnectFromHost();
    ASSERT_TRUE(Spin([&] { return Engine()->ServerClientCount() == 0; }, kLoadedMs))
            << "waited for: Engine()->ServerClientCount() == 0";
    EXPECT_EQ(Engine()->Server()->WaitingSize(), 0u);
    // Stopping closes the last sample, which reads the driller: stop while it still lives.
    commands->StopLink(log);
    log.engines.driller = nullptr;
}

TEST_F(SampleEnds, EachRemoteCopyCarriesItsOwnBlockToTheSecondDataFolder)
{
    log.witsCopy.remoteCopy = true;
    const QString transfer = log.well.file.dataFolder + "sendfile/remote/W.zl8";
    QDir().mkpath(log.well.file.dataFolder + "sendfile/remote");
    std::mutex mutex;
    QList<QByteArray> carried;
    bool held = false;
    log.engines.witsCopyStarts = [&](const QString& source) {
        bool hold = false;
        {
            const std::lock_guard lock(mutex);
            hold = !std::exchange(held, true);
        }
        // The first copy is held back until the next block is written, or a second at most.
        const QByteArray first = testing_support::ReadBytes(source);
        QElapsedTimer t;
        t.start();
        while (hold && t.elapsed() < 1000 && testing_support::ReadBytes(source) == first)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const std::lock_guard lock(mutex);
        carried << testing_support::ReadBytes(source);
    };
    ASSERT_TRUE(Start());

    // No second data folder: the block stays in the transfer file and nothing is copied.
    for (int i = 0; i < 5; ++i)
        Read("&&\r\n0110 " + QByteArray::number(1201 + i) + ".00\r\n!!\r\n");
    ASSERT_TRUE(timers.Fire(4));
    EXPECT_EQ(testing_support::ReadBytes(transfer).size(), 640);
    EXPECT_FALSE(log.engines.witsCopyThread.joinable());

    const QString second = TestDir() + "second/";
    QDir().mkpath(second);
    platform::WriteSetting(QStringLiteral("SecondDataFolder"), second);
    for (int i = 0; i < 10; ++i)
        Read("&&\r\n0110 " + QByteArray::number(1210 + i) + ".00\r\n!!\r\n");
    ASSERT_TRUE(timers.Fire(4));
    log.engines.StopWorkers();
    ASSERT_EQ(carried.size(), 2);
    for (int b = 0; b < 2; ++b) {
        ASSERT_EQ(carried[b].size(), 640) << b;
        wellfile::WITSRECORD firstSample;
        std::memcpy(&firstSample, carried[b].constData(), sizeof firstSample);
        EXPECT_FLOAT_EQ(firstSample.holeDepth, 1210.0f + 5.0f * float(b)) << b;
    }
    EXPECT_TRUE(testing_support::ReadBytes(second + "W.zl8") == carried[1]);
    platform::WriteSetting(QStringLiteral("SecondDataFolder"), QString());
}

}  // namespace
