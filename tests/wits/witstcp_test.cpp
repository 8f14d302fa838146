// The standard WITS link over TCP on loopback: the client against a rig played by a test server (its
// frames, the rig's replies, a silent rig, the start token, a refused port, the lithology receiver),
// the one-client server against test clients (answers, parsing on the tick, a second client, a flood),
// and the reconnect after the link settings were saved.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/wellservices.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "support/cursor.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "noservices.h"
#include "wellfile/wellconfig.h"
#include "app/opendatafile.h"
#include "wits/witscommands.h"
#include "wits/witsserver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace wits;
using wits_testing::NoServices;
using testing_support::doubles;
using testing_support::Spin;
using testing_support::kLoadedMs;
using testing_support::TestDir;

namespace {

// A port nobody listens on: one the system gave a server that is closed again.
std::uint16_t ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const std::uint16_t port = probe.serverPort();
    probe.close();
    return port;
}

// The rig's side of a client link: a server on loopback that takes the link's connection.
struct Rig {
    Rig() { server.listen(QHostAddress::LocalHost, 0); }
    std::uint16_t Port() const { return server.serverPort(); }
    bool Accept()
    {
        if (!Spin([&] { return server.hasPendingConnections(); }, kLoadedMs))
            return false;
        peer.reset(server.nextPendingConnection());
        return peer != nullptr;
    }
    // What the link sent, once `count` bytes came (or the wait ended).
    QByteArray Received(qsizetype count, int ms = 5000)
    {
        Spin([&] {
            got += peer->readAll();
            return got.size() >= count;
        }, ms);
        return std::exchange(got, {});
    }
    QTcpServer server;
    std::unique_ptr<QTcpSocket> peer;
    QByteArray got;
};

class WitsTcp : public ::testing::Test {
protected:
    WitsTcp()
    {
        EXPECT_TRUE(testing_support::PointAtNewWell(log, "W", 1000, 1200));
        log.engineStatus.gasInstrumentType = 10;
        log.env.screenWidth = 1920;
        log.env.screenHeight = 1080;
        log.timers = &timers;
        wellfile::WellConfig c = wellfile::DefaultWellConfig({});
        bool field = false;
        EXPECT_TRUE(wellfile::SaveConfig(c, app::PlaceOf(log), field));
        log.well.config = c;
        gasmon::GASMONCFG g{};
        g.ratioMode = 1;  // no "ratios off" box at each connect
        testing_support::WriteBytes(TestDir() + "gasmon.cfg", &g, sizeof g);
        platform::WriteSetting(QStringLiteral("Wits/ServerAddress"), QStringLiteral("127.0.0.1"));

        window.checkMenuItem = [this](app::LogState&, int id, bool checked) {
            if (id == app::cmd::Wits)
                menuChecked = checked;
        };
        window.drawLinkStatus = [this](app::LogState& s) {
            clientCountsDrawn << (s.engines.wits ? s.engines.wits->ServerClientCount() : -1);
        };
        window.runLinkSettings = [this](app::LogState&, int form, CUSTWITSCFG& settings) {
            formsRun << form;
            if (editSettings)
                editSettings(settings);
            return bool(editSettings);
        };
        commands = std::make_unique<WitsCommands>(rest, services, window);
    }
    ~WitsTcp() override { commands->StopLink(log); }

    void Settings(const std::function<void(CUSTWITSCFG&)>& change)
    {
        CUSTWITSCFG s{};
        DefaultCustWitsConfig(s);
        s.witsOnTcp = 1;
        s.serverAddress[0] = 127;
        s.serverAddress[3] = 1;
        change(s);
        ASSERT_EQ(WriteCustWitsConfig(TestDir(), "W", s), 1);
    }
    Wits* Engine() const { return commands->engine(); }
    // The link as the server at `port`.
    bool StartServer(std::uint16_t port)
    {
        Settings([&](CUSTWITSCFG& s) {
            s.tcpServer = 1;
            s.tcpPort = port;
        });
        commands->CmWits(log);
        return Engine() != nullptr;
    }
    QStringList Messages() const
    {
        QStringList texts;
        for (const auto& m : doubles().prompter.messages)
            texts << m.text + " | " + m.caption;
        return texts;
    }
    int SavedLinkOn() const
    {
        wellfile::WellConfig c{};
        const QByteArray bytes = testing_support::ReadBytes(wellfile::OwnConfigPath(app::PlaceOf(log), false));
        if (bytes.size() == qsizetype(sizeof c))
            std::memcpy(&c, bytes.constData(), sizeof c);
        return c.witsLinkOn;
    }

    app::LogState log;
    testing_support::FakeTimers timers{[this](int id) {
        if (id == 4)
            commands->LinkTimer(log);
    }};
    NoServices rest;
    app::WellServices services;
    WitsLinkWindow window;
    std::unique_ptr<WitsCommands> commands;
    bool menuChecked = false;
    QList<int> clientCountsDrawn;
    QList<int> formsRun;
    std::function<void(CUSTWITSCFG&)> editSettings;
};

const QByteArray kReply = "&&\r\n0110 1201.5\r\n!!\r\n";

TEST_F(WitsTcp, TheClientSendsItsFrameOnEveryTickAndParsesTheRigsReplyWheneverItComes)
{
    Rig rig;
    Settings([&](CUSTWITSCFG& s) { s.tcpPort = rig.Port(); });
    commands->CmWits(log);
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(rig.Accept());
    Wits& w = *Engine();
    EXPECT_TRUE(menuChecked);
    EXPECT_EQ(timers.Period(4), 2000);
    const QByteArray frame = QByteArray::fromStdString(w.BuildOutputFrame());
    EXPECT_EQ(rig.Received(frame.size()), frame);  // the connect's own tick

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(timers.Fire(4));
        EXPECT_EQ(rig.Received(frame.size()), frame) << i;
    }
    EXPECT_EQ(w.Lines()[16], std::to_string(4 * frame.size()));

    rig.peer->write(kReply);
    ASSERT_TRUE(Spin([&] { return log.witsLink.holeDepth == 1201.5f; }, kLoadedMs))
            << "waited for: log.witsLink.holeDepth == 1201.5f";
    EXPECT_EQ(w.Lines()[15], std::to_string(kReply.size()));

    // A rig that never answers holds nothing up: each tick returns at once and sends again.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(timers.Fire(4));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(rig.Received(10 * frame.size()), frame.repeated(10));

    // The instrument that asks with a start token gets it on every tick.
    log.engineStatus.gasInstrumentType = 11;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(timers.Fire(4));
        EXPECT_EQ(rig.Received(9), "svstart\r\n") << i;
    }
}

TEST_F(WitsTcp, ARefusedServerLeavesNoLinkAndAFailedLithologyReceiverLetsTheLinkGoOn)
{
    // The servers listen first, so that the closed port can be none of theirs.
    Rig rig;
    Rig receiver;
    const std::uint16_t closed = ClosedPort();
    Settings([&](CUSTWITSCFG& s) { s.tcpPort = closed; });
    commands->CmWits(log);
    EXPECT_EQ(Engine(), nullptr);
    EXPECT_FALSE(log.engineStatus.witsRunning);
    EXPECT_FALSE(menuChecked);
    EXPECT_EQ(SavedLinkOn(), 0);
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("connect failed to port %1 ON 127.0.0.1  | CLIENT Connect ERROR").arg(closed),
                                       QStringLiteral("Winsock connection Failed | ")}));

    // Profile 2 opens a second connection, to the lithology receiver, and never sends on it.
    doubles().prompter.messages.clear();
    log.well.loggerId = 2;
    Settings([&](CUSTWITSCFG& s) {
        s.tcpPort = rig.Port();
        s.lithologyUpdate = 1;
        s.lithologyPort = receiver.Port();
        s.lithologyAddress[0] = 127;
        s.lithologyAddress[3] = 1;
    });
    commands->CmWits(log);
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(rig.Accept());
    ASSERT_TRUE(receiver.Accept());
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("Sending Lith  to  127.0.0.1 on Port %1 | Connect Success").arg(receiver.Port())}));
    for (int i = 0; i < 3; ++i)
        timers.Fire(4);
    EXPECT_FALSE(rig.Received(1).isEmpty());
    EXPECT_TRUE(receiver.Received(1, 200).isEmpty());
    commands->CmWits(log);
    ASSERT_EQ(Engine(), nullptr);

    doubles().prompter.messages.clear();
    Settings([&](CUSTWITSCFG& s) {
        s.tcpPort = rig.Port();
        s.lithologyUpdate = 1;
        s.lithologyPort = closed;
        s.lithologyAddress[0] = 127;
        s.lithologyAddress[3] = 1;
    });
    commands->CmWits(log);
    ASSERT_NE(Engine(), nullptr);
    EXPECT_TRUE(log.engineStatus.witsRunning);
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("Connect failed to  127.0.0.1 on port %1 | CLIENT Connect ERROR").arg(closed),
                                       QStringLiteral("Winsock Lith Connection Failed | ")}));
}

TEST_F(WitsTcp, TheServerAnswersEveryPieceServesOneClientAndLeavesTheTextToTheTick)
{
    const std::uint16_t port = ClosedPort();
    ASSERT_TRUE(StartServer(port));
    Wits& w = *Engine();
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("Wits server On TCP | ")}));

    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(Spin([&] { return w.ServerClientCount() == 1; }, kLoadedMs))
            << "waited for: w.ServerClientCount() == 1";
    EXPECT_EQ(clientCountsDrawn.value(clientCountsDrawn.size() - 1), 1);

    const auto exchange = [&](const QByteArray& text) {
        first.write(text);
        QByteArray answer;
        Spin([&] {
            answer += first.readAll();
            return answer.size() >= 22;
        }, 5000);
        return answer;
    };
    EXPECT_EQ(exchange(kReply), QByteArray("Strativ Server Mode   "));
    EXPECT_EQ(log.witsLink.holeDepth, 0.0f);  // parsed on the tick, not before
    ASSERT_TRUE(timers.Fire(4));
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1201.5f);
    EXPECT_EQ(w.Lines()[15], std::to_string(kReply.size()));
    EXPECT_EQ(w.Lines()[16], "22");
    Spin([] { return false; }, 100);
    EXPECT_TRUE(first.readAll().isEmpty());  // the server sends no frames

    // A second client is closed at once; the first goes on.
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(Spin([&] { return second.state() == QAbstractSocket::UnconnectedState; }, kLoadedMs))
            << "waited for: second.state() == QAbstractSocket::UnconnectedState";
    EXPECT_EQ(w.ServerClientCount(), 1);

    // Two pieces before one tick are both parsed.
    EXPECT_EQ(exchange("&&\r\n0110 1202.5\r\n!!\r\n"), QByteArray("Strativ Server Mode   "));
    EXPECT_EQ(exchange("&&\r\n0110 1203.5\r\n!!\r\n"), QByteArray("Strativ Server Mode   "));
    ASSERT_TRUE(timers.Fire(4));
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1203.5f);

    first.disconnectFromHost();
    ASSERT_TRUE(Spin([&] { return w.ServerClientCount() == 0; }, kLoadedMs))
            << "waited for: w.ServerClientCount() == 0";
    EXPECT_EQ(clientCountsDrawn.value(clientCountsDrawn.size() - 1), 0);
}

TEST_F(WitsTcp, AFloodOfTextAndClientsLeavesTheWaitingTextBoundedAndTheServerAnswering)
{
    const std::uint16_t port = ClosedPort();
    ASSERT_TRUE(StartServer(port));
    Wits& w = *Engine();
    const WitsServer& server = *w.Server();

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(Spin([&] { return w.ServerClientCount() == 1; }, kLoadedMs))
            << "waited for: w.ServerClientCount() == 1";
    QByteArray junk(1024 * 1024, '7');  // one megabyte of a line that never ends
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 37) & 0xFF);
    client.write(junk);
    qint64 answered = 0;
    bool bounded = true;
    Spin([&] {
        answered += client.readAll().size();
        bounded = bounded && server.WaitingSize() <= WitsServer::kWaitingBound;
        return client.bytesToWrite() == 0 && answered >= junk.size() / WitsServer::kPieceSize * 22;
    }, 20000);
    EXPECT_TRUE(bounded);
    EXPECT_GT(answered, 0);
    EXPECT_LE(server.WaitingSize(), WitsServer::kWaitingBound);

    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < 100; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    EXPECT_TRUE(Spin([&] {
        for (const auto& s : crowd)
            if (s->state() != QAbstractSocket::UnconnectedState)
                return false;
        return true;
    }, 10000));
    crowd.clear();

    // The junk is parsed and let go; the next good frame is read as ever.
    ASSERT_TRUE(timers.Fire(4));
    EXPECT_FALSE(server.TextWaiting());
    EXPECT_EQ(log.witsLink.holeDepth, 0.0f);
    client.write(kReply);
    ASSERT_TRUE(Spin([&] { return server.WaitingSize() == std::size_t(kReply.size()); }, kLoadedMs))
            << "waited for: server.WaitingSize() == std::size_t(kReply.size())";
    ASSERT_TRUE(timers.Fire(4));
    EXPECT_FLOAT_EQ(log.witsLink.holeDepth, 1201.5f);
}

TEST_F(WitsTcp, SavedSettingsReconnectARunningLinkAfterThePauseAndAFailedReconnectSwitchesItOff)
{
    Rig rig;
    Settings([&](CUSTWITSCFG& s) { s.tcpPort = rig.Port(); });
    commands->CmWits(log);
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(rig.Accept());
    Wits* engine = Engine();

    editSettings = [](CUSTWITSCFG&) {};
    commands->CmWitsSetup(log);
    EXPECT_EQ(formsRun, QList<int>({kStandardLinkForm}));
    EXPECT_FALSE(timers.IsRunning(4));  // disconnected
    EXPECT_FALSE(engine->TcpClientOpen());
    EXPECT_EQ(testing_support::cursor().waiting, 1);
    ASSERT_TRUE(commands->reconnect().Pending());
    auto* pause = static_cast<testing_support::FakeTimers*>(commands->reconnect().Timers());
    EXPECT_EQ(pause->Period(LinkReconnect::kPauseTimer), 1000);
    ASSERT_TRUE(pause->Fire(LinkReconnect::kPauseTimer));
    EXPECT_EQ(Engine(), engine);
    EXPECT_TRUE(engine->TcpClientOpen());
    EXPECT_TRUE(timers.IsRunning(4));
    EXPECT_EQ(testing_support::cursor().waiting, 0);
    EXPECT_FALSE(commands->reconnect().Pending());
    EXPECT_TRUE(rig.Accept());

    // The server has gone: the link does not come back, and nothing of it stays.
    const std::uint16_t closed = ClosedPort();
    editSettings = [&](CUSTWITSCFG& s) { s.tcpPort = closed; };
    commands->CmWitsSetup(log);
    ASSERT_TRUE(pause->Fire(LinkReconnect::kPauseTimer));
    EXPECT_EQ(Engine(), nullptr);
    EXPECT_FALSE(log.engineStatus.witsRunning);
    EXPECT_FALSE(menuChecked);
    EXPECT_FALSE(timers.IsRunning(4));
    EXPECT_EQ(SavedLinkOn(), 0);
    EXPECT_EQ(testing_support::cursor().waiting, 0);

    // Cancelled, the settings stay as they were; with no well open, saved ones are not written.
    editSettings = nullptr;
    commands->CmWitsSetup(log);
    CUSTWITSCFG stored{};
    ReadCustWitsConfig(TestDir(), stored);
    EXPECT_EQ(+stored.tcpPort, closed);
    EXPECT_EQ(QFileInfo(TestDir() + "custwits.cfg").size(), 180);
    editSettings = [](CUSTWITSCFG& s) { s.tcpPort = 7; };
    log.well.file.wellName.clear();
    commands->CmWitsSetup(log);
    ReadCustWitsConfig(TestDir(), stored);
    EXPECT_EQ(+stored.tcpPort, closed);
}

}  // namespace
