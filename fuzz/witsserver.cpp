// The WITS link as a TCP server, through its own receive path: the engine listens on loopback and
// clients connect to it, send the rig's text cut anywhere, go away in the middle of an item and knock
// while another is served; the link's timer tick parses what the server kept into the engine, which
// books samples and steps into a short well.
//
// The input is a script, one byte an action: the low three bits name it, bit 3 the client (0 or 1):
//   0 connect the client
//   1 send the next 64 n + 1 bytes from the client, n the top four bits (1 to 961 bytes)
//   2 close the client: with bit 4 a reset, else an orderly close after what it sent
//   3 the link's tick, the clock moved on by the top five bits in seconds first
//   4 send the last piece again from the client, as many times as the next byte says (a flood)
//   5 to 7 the link's tick
// Each action is waited for (the server's answer to every piece, the server seeing a client come or go),
// so an input runs the same way every time; an input does at most 1,000 actions and sends 256 KB.
#include "fuzzhost.h"
#include "shortwell.h"

#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "drilling/pumpthreads.h"
#include "platform/folders.h"
#include "support/doubles.h"
#include "wits/dailyfile.h"
#include "wits/wits.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"
#include "wits/witsserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace {

// A piece the script sends is taken by the server in one read, so it is answered once.
static_assert(15 * 64 + 1 <= wits::WitsServer::kPieceSize);
constexpr int kWaitMs = 2000;  // far more than loopback needs; a wait that ends unmet goes on regardless
// An input does at most this much, so that each stays well within the run's time limit for an input:
// enough to pass the bound of the server's waiting text four times over.
constexpr int kMostActions = 1000;
constexpr std::size_t kMostBytesSent = 4 * wits::WitsServer::kWaitingBound;

bool Spin(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// One client of the server and what it was answered.
struct Client {
    std::unique_ptr<QTcpSocket> socket;
    bool served = false;       // the server took it (not a second client closed at once)
    qint64 answered = 0;       // bytes of answers received
    qint64 answersOwed = 0;    // bytes of answers its pieces are owed

    bool Connected() const { return socket && socket->state() == QAbstractSocket::ConnectedState; }
    void Drain()
    {
        if (socket)
            answered += socket->readAll().size();
    }
};

class Script {
public:
    Script(wits::Wits& engine, wits::WitsServer& server) : engine_(engine), server_(server) {}

    void Connect(Client& c)
    {
        if (c.Connected())
            return;
        const bool free = server_.ClientCount() == 0;
        c = Client{};
        c.socket = std::make_unique<QTcpSocket>();
        c.socket->connectToHost(QHostAddress::LocalHost, server_.Port());
        if (free) {
            c.served = Spin([&] { return server_.ClientCount() == 1 && c.Connected(); });
        } else {
            // The server closes a second client at once.
            Spin([&] { return c.socket->state() == QAbstractSocket::UnconnectedState; });
        }
    }

    void Send(Client& c, std::string_view piece)
    {
        if (piece.empty() || !c.served || !c.Connected() || sent_ + piece.size() > kMostBytesSent)
            return;
        sent_ += piece.size();
        c.socket->write(piece.data(), qint64(piece.size()));
        // Every piece the server takes is answered; one write of at most a piece is taken in one read.
        c.answersOwed += qint64(wits::kServerStatusText.size());
        Spin([&] {
            c.Drain();
            return c.answered >= c.answersOwed;
        });
    }

    void Close(Client& c, bool reset)
    {
        if (!c.socket)
            return;
        if (reset)
            c.socket->abort();
        else
            c.socket->disconnectFromHost();
        if (c.served)
            Spin([&] { return server_.ClientCount() == 0; });
        c = Client{};
    }

    void Tick(int seconds)
    {
        testing_support::doubles().clock.Advance(std::int64_t(seconds) * 1000);
        engine_.EvTimer();
    }

private:
    wits::Wits& engine_;
    wits::WitsServer& server_;
    std::size_t sent_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box;
    const QString folder = box.data();
    platform::WriteSetting(QStringLiteral("Wits/ServerAddress"), QStringLiteral("127.0.0.1"));

    fuzzing::ShortWell shortWell(folder);
    wellfile::OpenWell& well = shortWell.well;
    shortWell.state.witsLink.depthTracking = true;
    wits::WitsHost host(shortWell.state, shortWell.services);
    host.correctFileDepth = [](std::int32_t) { return 0; };
    host.writeBlock = [&](const wellfile::WITSRECORD* samples, int count) {
        const QDate day = testing_support::doubles().clock.now.date();
        wits::WriteDailyRecords(wits::DailyWitsFileName(folder, well.wellName, day), day, samples, count);
    };
    wits::WitsAlarmHost alarmHost;
    alarmHost.dataFolder = [folder] { return folder; };
    {
        auto engine = std::make_unique<wits::Wits>(host, alarmHost);
        wits::WitsConnection listening = engine->Connection();
        listening.tcpOn = true;
        listening.tcpServer = true;
        listening.tcpPeer.port = 0;  // a port the system picks, on loopback only
        engine->SetConnection(listening);
        if (!engine->StartWitsServer() || !engine->Server())
            return 0;
        Script script(*engine, *engine->Server());
        std::array<Client, 2> clients;
        std::string_view last;
        for (std::size_t at = 0, actions = 0; at < size && actions < kMostActions; ++actions) {
            const std::uint8_t op = data[at++];
            Client& c = clients[(op >> 3) & 1];
            switch (op & 7) {
            case 0:
                script.Connect(c);
                break;
            case 1: {
                const std::size_t n = std::min<std::size_t>(size - at, std::size_t(op >> 4) * 64 + 1);
                last = std::string_view(reinterpret_cast<const char*>(data + at), n);
                at += n;
                script.Send(c, last);
                break;
            }
            case 2:
                script.Close(c, (op & 0x10) != 0);
                break;
            case 3:
                script.Tick(op >> 3);
                break;
            case 4: {
                const int times = at < size ? data[at++] : 0;
                for (int i = 0; i < times && c.Connected() && !last.empty(); ++i)
                    script.Send(c, last);
                break;
            }
            default:
                script.Tick(0);
                break;
            }
        }
        script.Tick(6);
        for (Client& c : clients)
            script.Close(c, true);
        script.Tick(6);
    }
    // The sockets the server let go of are deleted once their signals have returned.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
