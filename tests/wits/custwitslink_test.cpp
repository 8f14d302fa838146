// The custom WITS link over a pty pair, the test playing the device: the port each mode opens, the
// timer, the polls and their answers, the traffic log, and the on/off command with its failures.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "gasmon/gashost.h"
#include "platform/commlinks.h"
#include "platform/folders.h"
#include "platform/messagewindows.h"
#include "platform/textlink.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "linkconfig.h"
#include "noservices.h"
#include "peerreads.h"
#include "wellfile/wellconfig.h"
#include "wits/custwitscommands.h"
#include "wits/sidefiles.h"

#include <QDir>
#include <QSerialPort>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

using namespace wits;
using testing_support::doubles;
using testing_support::PtyPair;
using testing_support::Spin;
using testing_support::kLoadedMs;
using testing_support::TestDir;

namespace {

class DataWindow final : public WitsDisplay {
public:
    explicit DataWindow(DisplayLines& lines) : lines_(lines) {}
    void UpdateValues(const DisplayLines& lines, bool) override { lines_ = lines; }
    void ShowAt(int, int) override {}
    int Left() const override { return 0; }
    int Top() const override { return 0; }

private:
    DisplayLines& lines_;
};

class GasWindow final : public gasmon::GasDisplay {
public:
    explicit GasWindow(QList<QPoint>& places) : places_(places) {}
    void SetLines(const QString*, const QString*, const QString*, const QString*) override {}
    void SetCaption(const QString&) override {}
    void SetHeading(const QString&) override {}
    void ShowAt(int left, int top) override { places_ << QPoint(left, top); }
    int Left() const override { return 700; }
    int Top() const override { return 500; }

private:
    QList<QPoint>& places_;
};

class CustWitsLink : public ::testing::Test {
protected:
    CustWitsLink()
    {
        app::ApplySetupDefaults(log);  // the "Wits Out" test pattern among them
        EXPECT_TRUE(testing_support::PointAtNewWell(log, "W", 1000, 1200));
        log.env.screenHeight = 1080;
        log.env.witsFolder = TestDir() + "wits/";
        QDir().mkpath(log.env.witsFolder);
        log.layout.format.gas.left = 400;
        log.timers = &timers;
        SaveConfig([](wellfile::WellConfig&) {});
        log.window = platform::RegisterMessageWindow([this](unsigned msg, std::uintptr_t w, std::intptr_t l) {
            if (msg == 1028)
                commands->EvCustWitsData(log, w, l);
        });
        window.checkMenuItem = [this](app::LogState&, int id, bool checked) {
            if (id == app::cmd::CustomWits)
                menuChecked = checked;
        };
        window.makeDataWindow = [this](app::LogState&, int kind, const CUSTWITSCFG& s) -> std::unique_ptr<WitsDisplay> {
            dataWindowKinds << kind;
            dataWindowModes << s.connectionMode;
            return std::make_unique<DataWindow>(lines);
        };
        window.makeGasWindow = [this](app::LogState&, const QString& caption) -> std::unique_ptr<gasmon::GasDisplay> {
            gasCaptions << caption;
            return std::make_unique<GasWindow>(gasPlaces);
        };
        window.pumpsOn = [this](app::LogState&) { ++pumpsOnCalls; };
        window.runLinkSettings = [this](app::LogState&, int, CUSTWITSCFG& s) {
            if (editSettings)
                editSettings(s);
            return true;
        };
        commands = std::make_unique<WitsCommands>(rest, services, window);
    }
    ~CustWitsLink() override
    {
        commands->StopCustomLink(log);
        log.engines.driller = nullptr;
        platform::UnregisterMessageWindow(log.window);
        platform::CloseAllConnectionsForTest();
    }

    void SaveConfig(const std::function<void(wellfile::WellConfig&)>& change) { wits_testing::SaveLinkConfig(log, change); }
    // Byte 4569 of the record on disk.
    int SavedCustomWitsOn() const { return wits_testing::SavedLinkConfig(log).customWitsOn; }
    void Settings(const std::function<void(CUSTWITSCFG&)>& change)
    {
        CUSTWITSCFG s{};
        DefaultCustWitsConfig(s);
        s.comPort = 2;
        change(s);
        ASSERT_EQ(WriteCustWitsConfig(TestDir(), "W", s), 1);
    }
    bool StartLine()
    {
        if (!line.Start())
            return false;
        platform::WriteSetting(QStringLiteral("Serial/COM2"), line.a);
        peer.setPortName(line.b);
        return peer.open(QIODevice::ReadWrite);
    }
    CUSTWITS* Link() const { return commands->custom().link(); }
    // Answers from the device; waits until the link has read all it was sent.
    bool Answer(const QByteArray& text)
    {
        written += int(text.size());
        peer.write(text);
        peer.flush();
        return Spin([&] { return Link() && Link()->Polls().bytesIn >= written; }, kLoadedMs);
    }
    // What the device received until `count` bytes came (or the wait ended).
    QByteArray Received(int count) { return wits_testing::ReceivedBy(peer, count); }
    bool NothingSent() { return wits_testing::NothingReached(peer); }
    QStringList Messages() const
    {
        QStringList texts;
        for (const auto& m : doubles().prompter.messages)
            texts << m.text + " | " + m.caption;
        return texts;
    }

    app::LogState log;
    testing_support::FakeTimers timers{[this](int id) {
        if (id == 8)
            commands->CustomLinkOutput(log);
    }};
    wits_testing::NoServices rest;
    app::WellServices services;
    WitsLinkWindow window;
    std::unique_ptr<WitsCommands> commands;
    DisplayLines lines;
    QList<int> dataWindowKinds;
    QList<int> dataWindowModes;
    QStringList gasCaptions;
    QList<QPoint> gasPlaces;
    int pumpsOnCalls = 0;
    bool menuChecked = false;
    std::function<void(CUSTWITSCFG&)> editSettings;
    PtyPair line;
    QSerialPort peer;
    int written = 0;
};

const QByteArray kPoll = "&&\r\n01391180.00\r\n0140 0.10\r\n!!\r\n";

TEST_F(CustWitsLink, EachModeOpensItsTextModeAtTheBaudRateWithItsTimer)
{
    ASSERT_TRUE(StartLine());
    struct Case {
        int mode;
        float seconds;
        int period;
    };
    for (const Case c : {Case{0, 0.0f, 4000}, Case{1, -1.0f, 4000}, Case{2, 2.5f, 2500}, Case{3, 4.0f, 4000},
                         Case{4, 1.0f, 1000}, Case{7, 4.0f, 4000}}) {
        Settings([&](CUSTWITSCFG& s) {
            s.connectionMode = c.mode;
            s.baudIndex = 3;
            s.intervalSeconds = c.seconds;
        });
        commands->CmCustomWits(log);
        ASSERT_NE(Link(), nullptr) << c.mode;
        EXPECT_EQ(log.engines.custWits, Link());
        platform::TextLinkFacts facts;
        ASSERT_TRUE(platform::TextLinkInfo(Link()->Handle(), facts));
        EXPECT_EQ(facts.mode, c.mode == 0 ? platform::TextMode::Framed : platform::TextMode::Plain) << c.mode;
        EXPECT_EQ(facts.baudRate, 38400) << c.mode;
        EXPECT_EQ(facts.replyTimeoutMs, 2500);
        EXPECT_EQ(timers.Period(8), c.period) << c.mode;
        EXPECT_EQ(Link()->Settings().mode, c.mode == 7 ? 1 : c.mode);  // off the list: "Standard Wits Other"
        EXPECT_EQ(dataWindowModes.back(), c.mode);
        commands->CmCustomWits(log);
        EXPECT_EQ(Link(), nullptr);
        EXPECT_FALSE(timers.IsRunning(8));
        peer.readAll();
    }
    EXPECT_EQ(dataWindowKinds, QList<int>({0, 0, 0, 0, 0, 0}));
    // The gas window in the gas modes only (without "Track Chromat"), dropped 30 below where it was made.
    EXPECT_EQ(gasCaptions, QStringList({"StrativM CUSTWITS Gas Monitor", "StrativM CUSTWITS Gas Monitor"}));
    EXPECT_EQ(gasPlaces, QList<QPoint>({QPoint(400, 530), QPoint(400, 530)}));
}

TEST_F(CustWitsLink, PollsWaitForTheAnswerAndTheTimeOutSendsAgain)
{
    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG& s) { s.connectionMode = 1; s.trackDepth = 1; });
    drilling::DrillingHost facts(log);
    drilling::Driller driller(facts, WitsAlarmHost{});
    driller.SetLagDepth(1180);
    log.engines.driller = &driller;

    commands->CmCustomWits(log);
    ASSERT_NE(Link(), nullptr);
    EXPECT_TRUE(menuChecked);
    EXPECT_EQ(SavedCustomWitsOn(), 1);
    EXPECT_EQ(Received(kPoll.size()), kPoll);  // the first poll goes at once
    EXPECT_TRUE(timers.Fire(8));
    EXPECT_TRUE(NothingSent());  // the answer is awaited

    ASSERT_TRUE(Answer("&&\r\n01101201.00\r\n!!\r\n"));
    EXPECT_EQ(Link()->Polls().percent.good, 1.0f);
    EXPECT_EQ(lines[15], std::to_string(written));
    EXPECT_EQ(driller.Steps().stepPending, 1);
    EXPECT_TRUE(timers.Fire(8));
    EXPECT_EQ(Received(kPoll.size()), kPoll);
    EXPECT_EQ(lines[7], "100.0");
    EXPECT_EQ(Link()->Polls().bytesOut, 2 * int(kPoll.size()));
    EXPECT_EQ(lines[16], std::to_string(2 * kPoll.size()));

    // The device says nothing: after the time-out the poll goes again, unanswered, and the percent falls.
    doubles().clock.Advance(2500);
    EXPECT_TRUE(timers.Fire(8));
    EXPECT_EQ(Received(kPoll.size()), kPoll);
    EXPECT_EQ(lines[7], "50.0");

    // An answer longer than a read: 999 characters at a time, the rest with the next notice.
    QByteArray longAnswer = "&&\r\n";
    while (longAnswer.size() < 1500)
        longAnswer += "0121310\r\n";
    longAnswer += "01101202.50\r\n!!\r\n";
    ASSERT_TRUE(Answer(longAnswer));
    EXPECT_EQ(Link()->Polls().bytesIn, written);
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1202.5f);
    EXPECT_EQ(Link()->ReceiveBuffer().back(), '\0');  // the buffer's last byte is left for the NUL

    commands->CmCustomWits(log);
    EXPECT_FALSE(menuChecked);
    EXPECT_EQ(SavedCustomWitsOn(), 0);
    log.engines.driller = nullptr;
}

TEST_F(CustWitsLink, TheBloodhoundGetsTheStartTokenOnEveryPoll)
{
    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG& s) { s.connectionMode = 3; });
    commands->CmCustomWits(log);
    ASSERT_NE(Link(), nullptr);
    QByteArray got = Received(9);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Answer("&&\r\n1212100\r\n!!\r\n"));
        EXPECT_TRUE(timers.Fire(8));
        got += Received(9);
    }
    EXPECT_EQ(got, QByteArray("svstart\r\n").repeated(4));
    EXPECT_TRUE(NothingSent());
}

TEST_F(CustWitsLink, WitsOutLogsAndCountsAnswersButNeverParsesThem)
{
    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG& s) { s.connectionMode = 4; s.trackDepth = 1; });
    commands->CmCustomWits(log);
    ASSERT_NE(Link(), nullptr);
    const QByteArray first = "&&\r\n01081200\r\n01101200\r\n0140100\r\n121275\r\n121350\r\n121425\r\n121512\r\n"
                             "12167\r\n12170\r\n12222.5\r\n!!\r\n";
    EXPECT_EQ(Received(first.size()), first);

    const QByteArray answer = "&&\r\n01101201.00\r\n!!\r\n";
    ASSERT_TRUE(Answer(answer));
    EXPECT_EQ(Link()->Polls().bytesIn, answer.size());
    EXPECT_EQ(Link()->Polls().percent.good, 0.0f);
    EXPECT_EQ(Link()->Sample().holeDepth, 0.0f);
    EXPECT_TRUE(timers.Fire(8));
    EXPECT_EQ(lines[7], "0.0");
    const QByteArray logged = testing_support::ReadBytes(TestDir() + "custWitsData-IN-@1-15-26.txt");
    EXPECT_EQ(logged, answer + " at  8:30:00  len=" + QByteArray::number(answer.size()) + "\n\r");
}

TEST_F(CustWitsLink, TheCommandRefusesATvdFileAndMarksTheLinkInTheSettings)
{
    log.well.tvdFile = true;
    commands->CmCustomWits(log);
    EXPECT_EQ(Messages(), QStringList({"Can Not enable wits in a TVD file | "}));
    EXPECT_EQ(Link(), nullptr);
    EXPECT_EQ(SavedCustomWitsOn(), 0);
    log.well.tvdFile = false;

    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG&) {});
    SaveConfig([](wellfile::WellConfig& c) { c.lagByStrokesFromWits = 1; });
    commands->CmCustomWits(log);
    ASSERT_NE(Link(), nullptr);
    EXPECT_TRUE(commands->CustomLinkRunning(log));
    EXPECT_EQ(SavedCustomWitsOn(), 1);
    EXPECT_EQ(pumpsOnCalls, 0);
    commands->CmCustomWits(log);
    EXPECT_EQ(SavedCustomWitsOn(), 0);
    EXPECT_EQ(pumpsOnCalls, 1);  // the pump-stroke threads count again

    SaveConfig([](wellfile::WellConfig&) {});
    commands->CmCustomWits(log);
    commands->CmCustomWits(log);
    EXPECT_EQ(pumpsOnCalls, 1);
}

TEST_F(CustWitsLink, APortThatCannotBeOpenedOrHookedLeavesTheLinkOff)
{
    platform::WriteSetting(QStringLiteral("Serial/COM4"), TestDir() + "no-such-tty");
    Settings([](CUSTWITSCFG& s) { s.comPort = 4; });
    SaveConfig([](wellfile::WellConfig& c) { c.customWitsOn = 1; });
    commands->CmCustomWits(log);
    EXPECT_EQ(Link(), nullptr);
    EXPECT_EQ(log.engines.custWits, nullptr);
    EXPECT_EQ(Messages(), QStringList({"Connection to Com 4 failed\nPort May be in use by another process | Wits Connect failed "}));
    EXPECT_EQ(SavedCustomWitsOn(), 0);
    EXPECT_FALSE(menuChecked);
    EXPECT_FALSE(timers.IsRunning(8));
    EXPECT_TRUE(dataWindowKinds.isEmpty());

    // No window to hook: the port is closed again and the command deletes the link, once.
    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG&) {});
    platform::UnregisterMessageWindow(log.window);
    log.window = 0;
    commands->CmCustomWits(log);
    EXPECT_EQ(Link(), nullptr);
    EXPECT_EQ(Messages().back(), QStringLiteral("Error %1 CUSTWITS hook failed | ").arg(platform::MBUS_NOTCONNECTED));
    log.window = platform::RegisterMessageWindow([](unsigned, std::uintptr_t, std::intptr_t) {});
    commands->CmCustomWits(log);
    EXPECT_NE(Link(), nullptr);  // the port was let go
}

TEST_F(CustWitsLink, ASavedSettingsReconnectThatFailsSwitchesTheLinkOff)
{
    ASSERT_TRUE(StartLine());
    Settings([](CUSTWITSCFG&) {});
    commands->CmCustomWits(log);
    ASSERT_NE(Link(), nullptr);
    CUSTWITS* link = Link();
    auto& reconnect = commands->custom().reconnect();

    editSettings = [](CUSTWITSCFG& s) { s.baudIndex = 5; };
    commands->CmCustomWitsSetup(log);
    EXPECT_FALSE(timers.IsRunning(8));
    ASSERT_TRUE(reconnect.Pending());
    auto* pause = static_cast<testing_support::FakeTimers*>(reconnect.Timers());
    ASSERT_TRUE(pause->Fire(LinkReconnect::kPauseTimer));
    EXPECT_EQ(Link(), link);
    platform::TextLinkFacts facts;
    ASSERT_TRUE(platform::TextLinkInfo(link->Handle(), facts));
    EXPECT_EQ(facts.baudRate, 115200);
    EXPECT_TRUE(timers.IsRunning(8));
    EXPECT_TRUE(menuChecked);

    platform::WriteSetting(QStringLiteral("Serial/COM4"), TestDir() + "no-such-tty");
    editSettings = [](CUSTWITSCFG& s) { s.comPort = 4; };
    commands->CmCustomWitsSetup(log);
    ASSERT_TRUE(pause->Fire(LinkReconnect::kPauseTimer));
    EXPECT_EQ(Link(), nullptr);
    EXPECT_EQ(log.engines.custWits, nullptr);
    EXPECT_FALSE(menuChecked);
    EXPECT_FALSE(timers.IsRunning(8));
    EXPECT_EQ(SavedCustomWitsOn(), 0);
}

}  // namespace
