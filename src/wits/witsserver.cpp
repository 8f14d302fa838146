#include "wits/witsserver.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <utility>

namespace wits {

namespace {

// Sockets and servers may be closed from inside their own signals: they go once those have returned.
void Discard(QObject* o)
{
    if (!o)
        return;
    o->disconnect();
    o->deleteLater();
}

}  // namespace

WitsServer::WitsServer() = default;

WitsServer::~WitsServer() { Stop(); }

bool WitsServer::Start(const QHostAddress& address, std::uint16_t port)
{
    Stop();
    auto server = std::make_unique<QTcpServer>();
    if (!server->listen(address, port))
        return false;
    QObject::connect(server.get(), &QTcpServer::newConnection, server.get(), [this] { Accept(); });
    server_ = std::move(server);
    return true;
}

void WitsServer::Stop()
{
    const bool hadClient = client_ != nullptr;
    if (client_) {
        client_->disconnect();
        client_->abort();
        client_->setParent(nullptr);
        Discard(client_);
        client_ = nullptr;
        SenderChanged();
    }
    if (server_) {
        server_->close();
        Discard(server_.release());
    }
    if (hadClient && clientsChanged)
        clientsChanged(0);
}

bool WitsServer::Listening() const { return server_ && server_->isListening(); }

std::uint16_t WitsServer::Port() const { return server_ ? server_->serverPort() : 0; }

std::string WitsServer::TakeText()
{
    std::string text;
    text.swap(waiting_);
    return text;
}

std::int64_t WitsServer::TakeAnswered() { return std::exchange(answered_, 0); }

void WitsServer::Accept()
{
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        if (!socket)
            break;
        if (client_) {
            // One client at a time: the newcomer is closed at once, the first keeps its connection.
            socket->abort();
            Discard(socket);
            continue;
        }
        client_ = socket;
        SenderChanged();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this] { Read(); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] { Drop(); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [this] { Drop(); });
        if (clientsChanged)
            clientsChanged(1);
        if (socket->bytesAvailable() > 0)
            Read();
    }
}

void WitsServer::Read()
{
    char piece[kPieceSize];
    while (client_ && client_->bytesAvailable() > 0) {
        const qint64 n = client_->read(piece, kPieceSize);
        if (n <= 0) {
            Drop();
            return;
        }
        Append(piece, std::size_t(n));
        if (client_->bytesToWrite() < kAnswerBacklog) {
            const qint64 sent = client_->write(kServerStatusText.data(), qint64(kServerStatusText.size()));
            if (sent > 0)
                answered_ += sent;
        }
    }
}

void WitsServer::Drop()
{
    if (!client_)
        return;
    QTcpSocket* gone = client_;
    client_ = nullptr;
    gone->abort();
    Discard(gone);
    SenderChanged();
    if (clientsChanged)
        clientsChanged(0);
}

void WitsServer::SenderChanged()
{
    const std::size_t lineEnd = waiting_.find_last_of("\r\n");
    waiting_.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
    // Whole lines still waiting end whatever item the reader holds; with none, the reader must drop it.
    if (waiting_.empty())
        senderChanged_ = true;
}

void WitsServer::Append(const char* bytes, std::size_t count)
{
    waiting_.append(bytes, count);
    if (waiting_.size() <= kWaitingBound)
        return;
    // The oldest text goes; what is kept starts at a line end when one is left in it, so that no cut
    // item is read as a whole one.
    std::size_t cut = waiting_.size() - kWaitingBound;
    const std::size_t lineEnd = waiting_.find_first_of("\r\n", cut);
    if (lineEnd != std::string::npos)
        cut = lineEnd;
    waiting_.erase(0, cut);
}

}  // namespace wits
