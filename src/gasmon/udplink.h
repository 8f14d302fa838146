#pragma once
// The UDP gas interface (instrument type 9): a mud-logging data system on the network that, once sent
// the start token, sends its readings as datagrams. Each datagram is added to a receive buffer in which
// complete 52-byte packets are found by their marker; the latest one is kept for the engine's poll.
//
// Everything runs on the GUI thread: the socket's datagrams are taken from the event loop, so the poll
// always sees a whole packet and nothing is shared with another thread.
#include <QByteArray>
#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

class QUdpSocket;

namespace gasmon {

constexpr int kUdpPacketSize = 52;
constexpr int kUdpBufferSize = 1024;
constexpr int kUdpPort = 5002;
// Sent once at start, without a terminating zero.
constexpr char kUdpStartToken[] = "SVSTART";
// The packet's first eight bytes, compared without regard to case.
constexpr char kUdpMarker[] = "StrativM";

// The status when no socket could be made, and when the start token was not sent whole.
constexpr int kUdpNoSocket = -1;
constexpr int kUdpTokenNotSent = -2;

// A packet's values (little-endian on the wire; bytes 16 to 31 are not read).
struct UdpPacket {
    float holeDepth = 0;
    float bitDepth = 0;
    float totalGas = 0;
    std::int32_t cycleFlag = 0;  // a change to 1 starts a chromatograph cycle
    float chromat = 0;           // the chromatograph detector value, raw
    float pumpPressure = 0;
    float extra = 0;             // the extra gas value (the CO2 column of the live window)
};

// The values of 52 packet bytes.
UdpPacket DecodePacketBytes(const std::array<char, kUdpPacketSize>& bytes);

// The receive buffer: datagrams are appended; the last packet found wins and empties the buffer (bytes
// after it are dropped). A buffer that fills without a marker keeps only its last 51 bytes, so that a
// marker cut across two datagrams is still found.
class UdpReceiveBuffer {
public:
    // Adds one datagram; true when it completed a packet (which is then `latest`).
    bool Add(const char* data, qsizetype size);
    int fill() const { return fill_; }
    const std::array<char, kUdpPacketSize>& latest() const { return latest_; }

private:
    // Looks for the marker in the bytes held; the last match becomes the latest packet.
    bool FindPacket();

    std::array<char, kUdpBufferSize> buffer_{};
    int fill_ = 0;
    std::array<char, kUdpPacketSize> latest_{};  // zero until the first packet
};

class UdpGasLink : public QObject {
public:
    UdpGasLink();
    ~UdpGasLink() override;
    UdpGasLink(const UdpGasLink&) = delete;
    UdpGasLink& operator=(const UdpGasLink&) = delete;

    // Makes the socket on an ephemeral port and sends the start token to `address` (four bytes, the
    // first the highest) at port 5002. A failure leaves no socket and says why in the status.
    void Start(const std::array<std::uint8_t, 4>& address);
    // Closes the socket; the latest packet stays.
    void Stop();
    bool Running() const { return socket_ != nullptr; }

    // The latest complete packet (all zero before the first).
    UdpPacket Latest() const { return DecodePacketBytes(buffer_.latest()); }
    // Receives begun: 1 once the socket is set up, one more for each receive (the one waiting included).
    std::int32_t receiveCounter() const { return receiveCounter_; }
    // The byte count of the datagram that completed the last packet; 0 or below: the last receive's
    // result or error; -1 no socket, -2 start token not sent whole.
    std::int32_t status() const { return status_; }
    const UdpReceiveBuffer& buffer() const { return buffer_; }

private:
    void ReadDatagrams();

    std::unique_ptr<QUdpSocket> socket_;
    UdpReceiveBuffer buffer_;
    std::int32_t receiveCounter_ = 0;
    std::int32_t status_ = 0;
};

}  // namespace gasmon
