// The standard WITS link over a serial line: on and off, the connect variants and their timing, a port
// that cannot be opened, and the frames read from a pty pair into the samples and the daily file.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "gasmon/gashost.h"
#include "gasmon/gasmoncfg.h"
#include "platform/commlinks.h"
#include "platform/folders.h"
#include "platform/messagewindows.h"
#include "platform/text.h"
#include "platform/textlink.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "linkconfig.h"
#include "noservices.h"
#include "peerreads.h"
#include "support/witsengine.h"
#include "wellfile/wellconfig.h"
#include "wits/dailyfile.h"
#include "wits/witscommands.h"

#include <QDir>
#include <QSerialPort>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace wits;
using wits_testing::NoServices;
using testing_support::doubles;
using testing_support::PtyPair;
using testing_support::Spin;
using testing_support::kLoadedMs;
using testing_support::TestDir;
using testing_support::EditFrames;

namespace {

// What the link asked of its windows.
struct Shown {
    int dataWindows = 0;
    int gasWindows = 0;
    QList<QPoint> dataPlaces;
    QList<QPoint> gasPlaces;
    DisplayLines lastLines;
    bool dataWindowAlive = false;
    bool gasWindowAlive = false;
    QString gasHeading;
    QString gasFirstLine;
};

class RecordingDataWindow final : public WitsDisplay {
public:
    explicit RecordingDataWindow(Shown& s) : s_(s) { s_.dataWindowAlive = true; }
    ~RecordingDataWindow() override { s_.dataWindowAlive = false; }
    void UpdateValues(const DisplayLines& lines, bool) override { s_.lastLines = lines; }
    void ShowAt(int left, int top) override { s_.dataPlaces << QPoint(left, top); }
    int Left() const override { return 321; }
    int Top() const override { return 222; }

private:
    Shown& s_;
};

class RecordingGasWindow final : public gasmon::GasDisplay {
public:
    explicit RecordingGasWindow(Shown& s) : s_(s) { s_.gasWindowAlive = true; }
    ~RecordingGasWindow() override { s_.gasWindowAlive = false; }
    void SetLines(const QString* l1, const QString*, const QString*, const QString*) override
    {
        if (l1)
            s_.gasFirstLine = *l1;
    }
    void SetCaption(const QString&) override {}
    void SetHeading(const QString& h) override { s_.gasHeading = h; }
    void ShowAt(int left, int top) override { s_.gasPlaces << QPoint(left, top); }
    int Left() const override { return 654; }
    int Top() const override { return 333; }

private:
    Shown& s_;
};

class WitsLink : public ::testing::Test {
protected:
    WitsLink()
    {
        EXPECT_TRUE(testing_support::PointAtNewWell(log, "W", 1000, 1200));
        log.engineStatus.gasInstrumentType = 10;
        log.env.screenWidth = 1920;
        log.env.screenHeight = 1080;
        log.env.monitorCount = 1;
        log.env.witsFolder = TestDir() + "wits/";
        QDir().mkpath(log.env.witsFolder);
        log.layout.format.rate.left = 30;
        log.layout.format.gas.left = 400;
        log.timers = &timers;
        SaveConfig([](wellfile::WellConfig&) {});
        log.window = platform::RegisterMessageWindow([this](unsigned msg, std::uintptr_t w, std::intptr_t l) {
            if (msg == 1027)
                Commands().EvWitsData(log, w, l);
        });
        WitsLinkWindow& win = window;
        win.checkMenuItem = [this](app::LogState&, int id, bool checked) {
            if (id == app::cmd::Wits)
                menuChecked = checked;
        };
        win.makeDataWindow = [this](app::LogState&, int, const CUSTWITSCFG&) -> std::unique_ptr<WitsDisplay> {
            ++shown.dataWindows;
            return std::make_unique<RecordingDataWindow>(shown);
        };
        win.makeGasWindow = [this](app::LogState&, const QString&) -> std::unique_ptr<gasmon::GasDisplay> {
            ++shown.gasWindows;
            return std::make_unique<RecordingGasWindow>(shown);
        };
        made = std::make_unique<WitsCommands>(rest, services, window);
    }
    WitsCommands& Commands() { return *made; }
    const WitsCommands& Commands() const { return *made; }
    ~WitsLink() override
    {
        Commands().StopLink(log);
        platform::UnregisterMessageWindow(log.window);
        platform::CloseAllConnectionsForTest();
    }

    void SaveConfig(const std::function<void(wellfile::WellConfig&)>& change) { wits_testing::SaveLinkConfig(log, change); }
    wellfile::WellConfig SavedConfig() const { return wits_testing::SavedLinkConfig(log); }
    void SaveGasmon(const std::function<void(gasmon::GASMONCFG&)>& change)
    {
        gasmon::GASMONCFG g{};
        g.gasComPort = 1;
        g.witsComPort = 2;
        g.witsWindowLeft = 100;
        g.witsWindowTop = 120;
        g.witsGasWindowLeft = 500;
        g.witsGasWindowTop = 520;
        g.ratioMode = 1;
        change(g);
        testing_support::WriteBytes(TestDir() + "gasmon.cfg", &g, sizeof g);
    }
    gasmon::GASMONCFG SavedGasmon() const
    {
        gasmon::GASMONCFG g{};
        const QByteArray bytes = testing_support::ReadBytes(TestDir() + "gasmon.cfg");
        if (bytes.size() == qsizetype(sizeof g))
            std::memcpy(&g, bytes.constData(), sizeof g);
        return g;
    }
    // A pty pair whose first end is com port `comPort`; the test writes on the second end.
    bool StartLine(int comPort = 2)
    {
        if (!line.Start())
            return false;
        platform::WriteSetting(QStringLiteral("Serial/COM%1").arg(comPort), line.a);
        peer.setPortName(line.b);
        peer.setBaudRate(9600);
        return peer.open(QIODevice::ReadWrite);
    }
    // Writes `text` from the peer and waits until the link has read all it wrote so far.
    bool Send(const QByteArray& text)
    {
        written += int(text.size());
        peer.write(text);
        peer.flush();
        Wits* w = Commands().engine();
        return w && Spin([&] { return w->Frames().bytesIn >= written; }, kLoadedMs);
    }
    platform::TextLinkFacts Facts() const
    {
        platform::TextLinkFacts facts;
        EXPECT_TRUE(Commands().engine() && platform::TextLinkInfo(Commands().engine()->Handle(), facts));
        return facts;
    }

    // What the link sent since the last call, once `count` bytes came (or the wait ended).
    QByteArray Received(int count) { return wits_testing::ReceivedBy(peer, count); }
    // The peer stays silent for a moment: nothing more was sent.
    bool NothingSent() { return wits_testing::NothingReached(peer); }

    app::LogState log;
    testing_support::FakeTimers timers{[this](int id) {
        if (id == 4)
            Commands().LinkTimer(log);
    }};
    NoServices rest;
    app::WellServices services;
    WitsLinkWindow window;
    std::unique_ptr<WitsCommands> made;
    Shown shown;
    bool menuChecked = false;
    PtyPair line;
    QSerialPort peer;
    int written = 0;
};

QByteArray Frame(const char* hole, const char* bit)
{
    return QByteArray("&&\r\n0108") + bit + "\r\n0110" + hole + "\r\n0121310\r\n!!\r\n";
}

TEST_F(WitsLink, FramesFromThePeerReachTheLinkTheSamplesAndTheDailyFile)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    drilling::DrillingHost facts(log);
    drilling::Driller driller(facts, WitsAlarmHost{});
    testing_support::EditSteps(driller, [](drilling::DrillerSteps& v) { v.rate = 42; });
    driller.SetLagDepth(1150.6f);
    log.engines.driller = &driller;

    Commands().CmWits(log);
    Wits* w = Commands().engine();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(log.engineStatus.witsRunning);
    EXPECT_TRUE(menuChecked);
    EXPECT_EQ(timers.Period(4), 2000);
    EXPECT_EQ(int(SavedConfig().witsLinkOn), 1);
    EXPECT_EQ(shown.dataPlaces, QList<QPoint>({QPoint(100, 120)}));
    EXPECT_EQ(shown.gasPlaces, QList<QPoint>({QPoint(500, 520)}));

    // A frame in two pieces, the second item's code cut.
    ASSERT_TRUE(Send("&&\r\n01081201.30\r\n01"));
    ASSERT_TRUE(Send("101201.30\r\n!!\r\n"));
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1201.3f);
    EXPECT_EQ(shown.lastLines[5], "1201.30");
    EXPECT_EQ(shown.lastLines[15], std::to_string(written));
    EXPECT_EQ(w->SamplesWaiting(), 0);  // the slot's sample stays open for its later frames

    // Four more, six seconds apart: each tick in a new slot closes the sample of the last; the block of
    // five goes to today's file, each at its own slot.
    QList<int> slotOf{doubles().clock.now.time().msecsSinceStartOfDay() / 6000};
    for (int i = 1; i < 5; ++i) {
        doubles().clock.Advance(6000);
        timers.Fire(4);
        slotOf << doubles().clock.now.time().msecsSinceStartOfDay() / 6000;
        ASSERT_TRUE(Send(Frame(QByteArray::number(1201.3 + 0.1 * i, 'f', 2).constData(), "1201.00")));
    }
    EXPECT_EQ(w->SamplesWaiting(), 4);
    doubles().clock.Advance(6000);
    timers.Fire(4);
    EXPECT_EQ(w->SamplesWaiting(), 0);
    const auto day = ReadDailyFile(DailyWitsFileName(log.env.witsFolder, "W", doubles().clock.now.date()));
    ASSERT_TRUE(day && day->size() == std::size_t(wellfile::kSlotsPerDay));
    for (int i = 0; i < 5; ++i) {
        const wellfile::WITSRECORD& r = (*day)[std::size_t(RecordOfSlot(slotOf[i]))];
        EXPECT_EQ(r.slot, slotOf[i]) << i;
        EXPECT_NEAR(r.holeDepth, 1201.3 + 0.1 * i, 0.001) << i;
        EXPECT_FLOAT_EQ(r.witsPercent, 100.0f) << i;
        EXPECT_FLOAT_EQ(r.rop, 42.0f) << i;
        EXPECT_EQ(r.lagDepth, 1150) << i;
    }

    // "Reset Dialogs" brings both windows back.
    Commands().MoveWindowsHome(30, 400, 900);
    EXPECT_EQ(shown.dataPlaces.back(), QPoint(30, 900));
    EXPECT_EQ(shown.gasPlaces.back(), QPoint(400, 900));

    // Off: timer, windows and places, the live table.
    Commands().CmWits(log);
    EXPECT_EQ(Commands().engine(), nullptr);
    EXPECT_FALSE(log.engineStatus.witsRunning);
    EXPECT_FALSE(menuChecked);
    EXPECT_FALSE(timers.IsRunning(4));
    EXPECT_FALSE(shown.dataWindowAlive);
    EXPECT_FALSE(shown.gasWindowAlive);
    EXPECT_FALSE(log.witsLink.windowsOpen);
    EXPECT_FLOAT_EQ(log.witsLink.gasMaxima[0], -1.0f);
    const gasmon::GASMONCFG g = SavedGasmon();
    EXPECT_EQ(int(g.witsComPort), 2);
    EXPECT_EQ(int(g.witsWindowLeft), 321);
    EXPECT_EQ(int(g.witsWindowTop), 222);
    EXPECT_EQ(int(g.witsGasWindowLeft), 654);
    EXPECT_EQ(int(g.witsGasWindowTop), 333);
    EXPECT_EQ(int(SavedConfig().witsLinkOn), 0);
    log.engines.driller = nullptr;
}

TEST_F(WitsLink, ReadsBeyondTheBufferComeWithTheNextNoticeAndNothingIsLost)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    Commands().CmWits(log);
    Wits* w = Commands().engine();
    ASSERT_NE(w, nullptr);
    w->SetMaxChars(16);
    QByteArray frames;
    for (int i = 0; i < 5; ++i)
        frames += Frame(QByteArray::number(1201 + i).constData(), "1200.00");
    ASSERT_TRUE(Send(frames));
    EXPECT_EQ(w->Frames().bytesIn, frames.size());
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1205.0f);
    EXPECT_EQ(w->SamplesWaiting(), 0);  // five frames of one slot fill one sample, still open
}

TEST_F(WitsLink, ConnectChoosesTheTextModeBaudAndTimeOutByInstrumentAndFeed)
{
    ASSERT_TRUE(StartLine());
    struct Case {
        int type;
        int feed;
        platform::TextMode mode;
        int timeout;
        int baud;
        int maxChars;
    };
    const Case cases[] = {
        {10, 0, platform::TextMode::Plain, 2000, 9600, 1000},
        {10, 1, platform::TextMode::Framed, 1500, 9600, 1000},
        {6, 1, platform::TextMode::Plain, 2000, 9600, 1000},
        {14, 1, platform::TextMode::Framed, 1500, 9600, 500},
        {11, 1, platform::TextMode::Plain, 3000, 115200, 1000},
    };
    for (const Case& c : cases) {
        SaveGasmon([](gasmon::GASMONCFG& g) {
            platform::SetFieldText(g.integratorFile, "/srv/sri/run 7.chr");
            g.sriIntegrator = 1;
            g.hotWireDelay = 12;
        });
        SaveConfig([&](wellfile::WellConfig& cfg) { cfg.pasonFeed = c.feed; });
        log.engineStatus.gasInstrumentType = c.type;
        Commands().CmWits(log);
        ASSERT_NE(Commands().engine(), nullptr) << c.type;
        const platform::TextLinkFacts f = Facts();
        EXPECT_EQ(f.mode, c.mode) << c.type << " " << c.feed;
        EXPECT_EQ(f.replyTimeoutMs, c.timeout) << c.type << " " << c.feed;
        EXPECT_EQ(f.baudRate, c.baud) << c.type;
        EXPECT_EQ(f.comPort, 2);
        EXPECT_EQ(Commands().engine()->MaxChars(), c.maxChars) << c.type;
        // Only the chromatograph's own type takes its result files.
        const Wits& w = *Commands().engine();
        EXPECT_EQ(w.GasSettings().resultFile, c.type == 14 ? "/srv/sri/Strativ_TGA.res" : "") << c.type;
        EXPECT_EQ(w.GasSettings().fileInputMode, c.type == 14) << c.type;
        EXPECT_EQ(w.GasSettings().hotWireDelay, c.type == 14 ? 12 : 0) << c.type;
        Commands().CmWits(log);
        ASSERT_EQ(Commands().engine(), nullptr);
    }
    EXPECT_EQ(int(SavedConfig().pasonFeed), 0);  // type 11 turns the feed off
}

TEST_F(WitsLink, TimingComesFromTheGasMonitorSettingsOnlyWithTheMarkerFile)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG& g) { g.witsInterval = 7; g.witsTimeout = 900; });
    Commands().CmWits(log);
    ASSERT_NE(Commands().engine(), nullptr);
    gasmon::GASMONCFG g = SavedGasmon();
    EXPECT_EQ(int(g.witsTimeout), 2000);
    EXPECT_EQ(int(g.witsInterval), 2);
    EXPECT_EQ(int(g.serialSpeed), 9600);
    EXPECT_EQ(int(g.witsMaxChars), 500);
    Commands().CmWits(log);

    testing_support::WriteBytes(TestDir() + "WitsEdit.CFG", QByteArray());
    struct Case {
        int seconds;
        int timeout;
        int period;
        int replyTimeout;
    };
    for (const Case c : {Case{0, 499, 2000, 2000}, Case{11, 2000, 2000, 2000}, Case{3, 800, 3000, 800}}) {
        doubles().prompter.messages.clear();
        SaveGasmon([&](gasmon::GASMONCFG& cfg) { cfg.witsInterval = c.seconds; cfg.witsTimeout = c.timeout; });
        Commands().CmWits(log);
        ASSERT_NE(Commands().engine(), nullptr);
        EXPECT_EQ(timers.Period(4), c.period) << c.seconds;
        EXPECT_EQ(Commands().engine()->Connection().replyTimeoutMs, c.replyTimeout) << c.timeout;
        ASSERT_FALSE(doubles().prompter.messages.isEmpty());
        const testing_support::AskedMessage& m = doubles().prompter.messages.back();
        EXPECT_EQ(m.caption, "Using Custom Wits Settings");
        if (c.seconds == 0) {
            EXPECT_EQ(m.text, "Interval=2000\n WTO=2000\n Max Char=500\n  Char TO=0");
        }
        Commands().CmWits(log);
    }
}

TEST_F(WitsLink, RatiosMessagesAndWindowsWithoutGasMonitorSettings)
{
    ASSERT_TRUE(StartLine(1));
    Commands().CmWits(log);  // no "gasmon.cfg": com port 1, windows at the clamped places
    ASSERT_NE(Commands().engine(), nullptr);
    EXPECT_EQ(Facts().comPort, 1);
    EXPECT_EQ(shown.dataPlaces, QList<QPoint>({QPoint(50, 880)}));
    EXPECT_EQ(shown.gasPlaces, QList<QPoint>({QPoint(420, 880)}));
    Commands().CmWits(log);

    QStringList texts;
    log.env.windowShown = true;  // posted at once, not kept for the window
    for (const int profile : {134, 12}) {
        for (const int mode : {1, 0}) {
            doubles().prompter.messages.clear();
            log.well.loggerId = std::uint16_t(profile);
            SaveGasmon([&](gasmon::GASMONCFG& g) { g.ratioMode = mode; g.witsComPort = 1; });
            Commands().CmWits(log);
            doubles().queue.DeliverAll();
            QString text;
            for (const auto& m : doubles().prompter.messages) {
                text += m.text;
                EXPECT_EQ(m.caption, "StrativM") << "the program's caption";
            }
            texts << text;
            Commands().CmWits(log);
        }
    }
    EXPECT_EQ(texts, QStringList({"ratios on", "ratios off", "", "ratios off"}));
}

TEST_F(WitsLink, APortThatCannotBeOpenedLeavesTheLinkOffAndSaysSo)
{
    platform::WriteSetting(QStringLiteral("Serial/COM3"), TestDir() + "no-such-tty");
    SaveGasmon([](gasmon::GASMONCFG& g) { g.witsComPort = 3; g.ratioMode = 0; });
    SaveConfig([](wellfile::WellConfig& c) { c.witsLinkOn = 1; c.useWitsDepth = 1; });
    log.engineStatus.gasInstrumentType = 2;  // the link drives the drilling status
    Commands().CmWits(log);
    EXPECT_EQ(Commands().engine(), nullptr);
    EXPECT_EQ(log.engines.wits, nullptr);
    EXPECT_FALSE(log.engineStatus.witsRunning);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, "Connection to Com 3 failed\nPort May be in use by another process");
    EXPECT_EQ(doubles().prompter.messages.back().caption, "Wits Connect failed ");
    EXPECT_EQ(int(SavedConfig().witsLinkOn), 0);
    EXPECT_EQ(int(SavedConfig().useWitsDepth), 0);
    EXPECT_FALSE(timers.IsRunning(4));
    EXPECT_EQ(shown.dataWindows, 0);
}

TEST_F(WitsLink, AFailedHookClosesTheLinkAndTheCommandDeletesTheEngineOnce)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG& g) { g.ratioMode = 0; });
    platform::UnregisterMessageWindow(log.window);
    log.window = 0;  // no window to tell
    Commands().CmWits(log);
    EXPECT_EQ(Commands().engine(), nullptr);
    EXPECT_EQ(log.engines.wits, nullptr);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text,
              QStringLiteral("Error %1 Wits hook failed").arg(platform::MBUS_NOTCONNECTED));
    EXPECT_EQ(int(SavedConfig().witsLinkOn), 0);
    // The port was let go: it opens again at once.
    log.window = platform::RegisterMessageWindow([](unsigned, std::uintptr_t, std::intptr_t) {});
    Commands().CmWits(log);
    EXPECT_NE(Commands().engine(), nullptr);
}

TEST_F(WitsLink, EachFrameWaitsForTheRigsReplyOrItsTimeOutAndTheRepliesKeepThePercentage)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    SaveConfig([](wellfile::WellConfig& c) { c.sendGasViaWits = 0; });
    Commands().CmWits(log);  // the first tick runs at once
    Wits* w = Commands().engine();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Received(15), "&&\r\n12120\r\n!!\r\n");
    EXPECT_EQ(w->Lines()[16], "15");
    timers.Fire(4);
    EXPECT_TRUE(NothingSent());

    ASSERT_TRUE(Send(Frame("1201.00", "1201.00")));
    timers.Fire(4);
    EXPECT_EQ(Received(15), "&&\r\n12120\r\n!!\r\n");
    EXPECT_EQ(w->Lines()[16], "30");
    EXPECT_EQ(shown.lastLines[16], "30");

    // A reply in three reads, then two frames in one read: one good frame per tick each time.
    const QByteArray frame = Frame("1202.00", "1202.00");
    ASSERT_TRUE(Send(frame.left(6)));
    ASSERT_TRUE(Send(frame.mid(6, 10)));
    ASSERT_TRUE(Send(frame.mid(16)));
    timers.Fire(4);
    Received(15);
    ASSERT_TRUE(Send(frame + frame));
    EXPECT_FLOAT_EQ(w->Frames().percent.good, w->Frames().percent.exchanges);
    // A reply to every frame keeps the percentage at 100 through the window of 50.
    for (int tick = 4; tick <= 50; ++tick) {
        timers.Fire(4);
        EXPECT_EQ(w->Lines()[7], "100.0") << tick;
        Received(15);
        ASSERT_TRUE(Send(frame));
    }
    EXPECT_FLOAT_EQ(w->Frames().percent.exchanges, 50.0f);
    timers.Fire(4);
    EXPECT_FLOAT_EQ(w->Frames().percent.exchanges, 1.0f);
    EXPECT_FLOAT_EQ(w->Frames().percent.good, 0.0f);
    EXPECT_EQ(w->Lines()[7], "100.0");
}

TEST_F(WitsLink, ASilentRigLowersThePercentageUntilItsAlarmsFire)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    WitsAlarmBlock block{};
    block[kWitsPercentChannel].Low = 60;
    block[kWitsPercentChannel].Delay = 0.05f;
    block[kWitsPercentChannel].Enabled = 1;
    testing_support::WriteBytes(TestDir() + "wits.alm", block.data(), sizeof block);
    drilling::DrillingHost facts(log);
    drilling::Driller driller(facts, WitsAlarmHost{});
    driller.SetAlarms(std::make_unique<drilling::LogAlarm>(TestDir()));
    driller.Alarms()->settings.witsPercentLimit = 90;
    log.engines.driller = &driller;
    Commands().CmWits(log);
    Wits* w = Commands().engine();
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 10; ++i) {
        Received(15);
        ASSERT_TRUE(Send(Frame("1201.00", "1201.00")));
        timers.Fire(4);
    }
    EXPECT_EQ(w->Lines()[7], "100.0");
    Received(15);
    timers.Fire(4);  // within the reply time-out: waits
    EXPECT_TRUE(NothingSent());
    for (int i = 0; i < 10; ++i) {
        doubles().clock.Advance(2000);
        timers.Fire(4);
        EXPECT_FALSE(Received(15).isEmpty()) << i;
    }
    EXPECT_EQ(w->Lines()[7], "50.0");  // 10 good frames of 20
    EXPECT_EQ(driller.Alarms()->flags[drilling::kAlarmWitsPercent], 1);
    EXPECT_EQ(doubles().sounder.played, QStringList({WitsAlarmSound(log.well.file.dataFolder)}));
    log.engines.driller = nullptr;
}

TEST_F(WitsLink, TheOlderInstrumentIsAskedWithItsStartTokenOncePerReply)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    log.engineStatus.gasInstrumentType = 11;
    Commands().CmWits(log);
    ASSERT_NE(Commands().engine(), nullptr);
    EXPECT_EQ(Received(9), "svstart\r\n");
    timers.Fire(4);
    EXPECT_TRUE(NothingSent());
    ASSERT_TRUE(Send(Frame("1201.00", "1201.00")));
    timers.Fire(4);
    EXPECT_EQ(Received(9), "svstart\r\n");
}

TEST_F(WitsLink, TheByteCountsStartAgainPastFiftyThousand)
{
    ASSERT_TRUE(StartLine());
    SaveGasmon([](gasmon::GASMONCFG&) {});
    SaveConfig([](wellfile::WellConfig& c) { c.sendGasViaWits = 0; });
    Commands().CmWits(log);
    Wits* w = Commands().engine();
    ASSERT_NE(w, nullptr);
    Received(15);
    EditFrames(*w, [&](auto& v) { v.bytesOut = 50001; v.bytesIn = 50001; });
    const QByteArray frame = Frame("1201.00", "1201.00");
    peer.write(frame);
    peer.flush();
    EXPECT_TRUE(Spin([&] { return w->Frames().bytesIn == frame.size(); }, kLoadedMs))
            << "waited for: w->Frames().bytesIn == frame.size()";
    timers.Fire(4);
    EXPECT_EQ(w->Frames().bytesOut, 15);
    EXPECT_EQ(w->Lines()[16], "15");
}

}  // namespace
