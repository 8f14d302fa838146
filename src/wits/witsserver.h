#pragma once
// The WITS server of a station that serves the rig's data system over TCP: it listens on one port and
// serves one client at a time (a second one is closed at once). Every piece it receives is answered
// with the status text and added to the waiting text, which the link's timer tick takes and parses.
//
// It runs on the GUI thread with Qt's asynchronous sockets: nothing waits and no thread is needed.
// The waiting text is bounded: text beyond the bound drops the oldest, from a line end on when one is
// left, so a peer that floods the port or never ends a line cannot grow it.
#include <QHostAddress>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QTcpServer;
class QTcpSocket;

namespace wits {

// The answer to every piece received (22 bytes, three blanks at the end).
inline constexpr std::string_view kServerStatusText = "Strativ Server Mode   ";

class WitsServer {
public:
    static constexpr std::size_t kWaitingBound = 64 * 1024;  // bytes of waiting text at most
    static constexpr std::int64_t kPieceSize = 1000;         // bytes taken from the client at a time
    // Answers left unsent to a client that does not read: beyond this it gets no more of them.
    static constexpr std::int64_t kAnswerBacklog = 64 * 1024;

    WitsServer();
    ~WitsServer();
    WitsServer(const WitsServer&) = delete;
    WitsServer& operator=(const WitsServer&) = delete;

    // Listens on `address`:`port` (port 0: one the system picks); false when the port cannot be had.
    bool Start(const QHostAddress& address, std::uint16_t port);
    // Closes the client and the listening socket; the waiting text stays until taken.
    void Stop();
    bool Listening() const;
    std::uint16_t Port() const;

    // 0 or 1.
    int ClientCount() const { return client_ ? 1 : 0; }
    bool TextWaiting() const { return !waiting_.empty(); }
    std::size_t WaitingSize() const { return waiting_.size(); }
    // The waiting text, which is then empty.
    std::string TakeText();
    // The bytes answered since the last call.
    std::int64_t TakeAnswered();
    // Whether the reader must drop its unended item before it reads the waiting text: a client came or
    // went while no whole line waited. The departed client's unended last line is dropped from the
    // waiting text when a client comes or goes, so what is left of it ends on a line end.
    bool TakeSenderChange() { return std::exchange(senderChanged_, false); }

    // Told the new client count whenever a client comes or goes.
    std::function<void(int clients)> clientsChanged;

private:
    void Accept();
    void Read();
    void Drop();
    void Append(const char* bytes, std::size_t count);
    void SenderChanged();

    std::unique_ptr<QTcpServer> server_;
    QTcpSocket* client_ = nullptr;  // a child of server_
    std::string waiting_;
    std::int64_t answered_ = 0;
    bool senderChanged_ = false;
};

}  // namespace wits
