// The standard WITS link over TCP, on the GUI thread with Qt's asynchronous sockets: as a client it
// sends its frame on every tick and parses the server's reply whenever it comes; as a server it serves
// one client, answers every piece received and leaves the text for the tick to parse.
#include "wits/wits.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/sidefiles.h"
#include "wits/witsserver.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>
#include <memory>

namespace wits {

namespace {

constexpr int kStartTokenType = 11;
// How long a connect may wait for the peer: a refused one answers at once, an address that nobody
// answers holds the window this long at most.
constexpr int kConnectWaitMs = 5000;
// Frames left unsent to a server that does not read: beyond this the sends fail.
constexpr qint64 kSendBacklog = 64 * 1024;
constexpr std::size_t kTrafficCopy = 4000;

QHostAddress AddressOf(const TcpPeer& peer)
{
    const auto& a = peer.address;
    return QHostAddress((quint32(a[0]) << 24) | (quint32(a[1]) << 16) | (quint32(a[2]) << 8) | quint32(a[3]));
}

// A connected socket, or none when the peer could not be reached.
QTcpSocket* Open(const TcpPeer& peer)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(AddressOf(peer), peer.port);
    if (!socket->waitForConnected(kConnectWaitMs)) {
        socket->abort();
        return nullptr;
    }
    return socket.release();
}

// Sockets may be closed from inside their own signals: they go once those have returned.
void Close(QTcpSocket*& socket)
{
    if (!socket)
        return;
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
    socket = nullptr;
}

}  // namespace

int Wits::ConnectTcpClient()
{
    CloseTcpClient();
    const TcpPeer& peer = connection_.tcpPeer;
    const auto& a = peer.address;
    tcpClient_ = Open(peer);
    if (!tcpClient_) {
        platform::MessageBox(QString::asprintf("connect failed to port %d ON %d.%d.%d.%d ", int(peer.port), a[0], a[1],
                                               a[2], a[3]),
                             QStringLiteral("CLIENT Connect ERROR"));
        return 0;
    }
    QObject::connect(tcpClient_, &QTcpSocket::readyRead, tcpClient_, [this] { TcpReplyArrived(); });
    reader_.Reset();  // a new connection: nothing of the last one's text is carried into it
    depth_.rigCompared = false;
    return 1;
}

int Wits::ConnectLithClient()
{
    Close(lithClient_);
    const TcpPeer& peer = connection_.lithPeer;
    const auto& a = peer.address;
    lithClient_ = Open(peer);
    if (!lithClient_) {
        platform::MessageBox(QString::asprintf("Connect failed to  %d.%d.%d.%d on port %d", a[0], a[1], a[2], a[3],
                                               int(peer.port)),
                             QStringLiteral("CLIENT Connect ERROR"));
        return 0;
    }
    // Nothing is sent here; whatever the receiver says is read and let go, so it cannot pile up.
    QTcpSocket* socket = lithClient_;
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    platform::MessageBox(QString::asprintf("Sending Lith  to  %d.%d.%d.%d on Port %d", a[0], a[1], a[2], a[3],
                                           int(peer.port)),
                         QStringLiteral("Connect Success"));
    return 1;
}

int Wits::CloseTcpClient()
{
    Close(tcpClient_);
    Close(lithClient_);
    return 1;
}

std::int64_t Wits::SendTcp(std::string_view text)
{
    if (!tcpClient_)
        return 0;
    if (tcpClient_->state() != QAbstractSocket::ConnectedState || tcpClient_->bytesToWrite() > kSendBacklog)
        return -1;
    return tcpClient_->write(text.data(), qint64(text.size()));
}

void Wits::PollTcpClient()
{
    if (frames_.bytesOut > kByteCountWrap)
        frames_.bytesOut = 0;
    std::string text = BuildOutputFrame();
    KeepWitsPercent();
    CountFrame();
    if (host.GasMonitorType() == kStartTokenType)
        text = "svstart\r\n";
    // A new exchange: its reply may count as good once, however it is cut.
    frames_.percent.counted = false;
    const std::int64_t sent = SendTcp(text);
    if (sent > 0)
        frames_.bytesOut += std::int32_t(sent);
    SetLine(16, platform::CFormat("%d", frames_.bytesOut));
    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, true);
}

void Wits::TcpReplyArrived()
{
    if (input_.size() < std::size_t(maxChars_) + 10)
        SetMaxChars(maxChars_);
    while (tcpClient_ && tcpClient_->bytesAvailable() > 0) {
        const qint64 n = tcpClient_->read(input_.data(), qint64(maxChars_));
        if (n <= 0)
            break;
        const std::string_view text(input_.data(), std::size_t(n));
        if (frames_.bytesIn > kByteCountWrap)
            frames_.bytesIn = 0;
        frames_.bytesIn += std::int32_t(n);
        SetLine(15, platform::CFormat("%d", frames_.bytesIn));
        const bool allTaken = tcpClient_->bytesAvailable() == 0;
        ParseText(text, allTaken);
        if (host.Link().trafficLog)
            LogTraffic(host.Well().dataFolder, platform::LocalTime(), text.substr(0, kTrafficCopy), false);
    }
    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, true);
}

int Wits::StartWitsServer()
{
    StopWitsServer();
    const QString where = platform::ReadSetting(QStringLiteral("Wits/ServerAddress")).trimmed();
    const QHostAddress address = where.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(where);
    if (address.isNull())
        return 0;
    auto server = std::make_unique<WitsServer>();
    if (!server->Start(address, connection_.tcpPeer.port))
        return 0;
    server->clientsChanged = [this](int) {
        if (host.drawLinkStatus)
            host.drawLinkStatus();
    };
    server_ = std::move(server);
    return 1;
}

int Wits::StopWitsServer()
{
    if (server_) {
        server_->clientsChanged = nullptr;
        server_->Stop();
        server_.reset();
    }
    return 1;
}

int Wits::ServerClientCount() const { return server_ ? server_->ClientCount() : 0; }

void Wits::ServeTick()
{
    if (server_ && server_->TakeSenderChange()) {
        reader_.Reset();  // a client came or went: an item it left unended is not the next one's
        depth_.rigCompared = false;  // a rig that connects again may have drilled on meanwhile
    }
    if (server_ && server_->TextWaiting()) {
        const std::string text = server_->TakeText();
        if (frames_.bytesIn > kByteCountWrap)
            frames_.bytesIn = 0;
        frames_.bytesIn += std::int32_t(text.size());
        SetLine(15, platform::CFormat("%d", frames_.bytesIn));
        if (host.Link().trafficLog)
            LogTraffic(host.Well().dataFolder, platform::LocalTime(), std::string_view(text).substr(0, kTrafficCopy),
                       false);
        frames_.percent.counted = false;
        ParseText(text, true, false);
        if (frames_.bytesOut > kByteCountWrap)
            frames_.bytesOut = 0;
        frames_.bytesOut += std::int32_t(server_ ? server_->TakeAnswered() : 0);
        SetLine(16, platform::CFormat("%d", frames_.bytesOut));
    }
    KeepWitsPercent();
    CountFrame();
    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, true);
}

}  // namespace wits
