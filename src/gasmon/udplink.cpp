#include "gasmon/udplink.h"

#include "platform/modbus.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace gasmon {

namespace {

float FloatAt(const std::array<char, kUdpPacketSize>& b, int offset)
{
    const quint32 bits = qFromLittleEndian<quint32>(b.data() + offset);
    float v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// The marker is all letters: a byte matches its letter in either case.
bool IsMarkerAt(const char* at)
{
    for (int i = 0; i < 8; ++i) {
        const auto c = static_cast<unsigned char>(at[i]);
        const auto m = static_cast<unsigned char>(kUdpMarker[i]);
        if (c != m && c != (m ^ 0x20))
            return false;
    }
    return true;
}

}  // namespace

UdpPacket DecodePacketBytes(const std::array<char, kUdpPacketSize>& b)
{
    UdpPacket p;
    p.holeDepth = FloatAt(b, 8);
    p.bitDepth = FloatAt(b, 12);
    p.totalGas = FloatAt(b, 32);
    p.cycleFlag = qFromLittleEndian<qint32>(b.data() + 36);
    p.chromat = FloatAt(b, 40);
    p.pumpPressure = FloatAt(b, 44);
    p.extra = FloatAt(b, 48);
    return p;
}

bool UdpReceiveBuffer::FindPacket()
{
    int found = -1;
    for (int at = 0; at <= fill_ - kUdpPacketSize; ++at)
        if (IsMarkerAt(buffer_.data() + at))
            found = at;
    if (found < 0)
        return false;
    std::copy_n(buffer_.begin() + found, kUdpPacketSize, latest_.begin());
    fill_ = 0;
    return true;
}

bool UdpReceiveBuffer::Add(const char* data, qsizetype size)
{
    bool found = false;
    while (size > 0) {
        if (fill_ == kUdpBufferSize) {
            // Full without a marker: only the bytes that may begin a packet cut by the next datagram stay.
            constexpr int kept = kUdpPacketSize - 1;
            std::memmove(buffer_.data(), buffer_.data() + fill_ - kept, kept);
            fill_ = kept;
        }
        const int n = int(std::min<qsizetype>(size, kUdpBufferSize - fill_));
        std::memcpy(buffer_.data() + fill_, data, std::size_t(n));
        fill_ += n;
        data += n;
        size -= n;
        found = FindPacket() || found;
    }
    // The bytes of the datagram after its last packet are dropped.
    if (found)
        fill_ = 0;
    return found;
}

UdpGasLink::UdpGasLink() = default;

UdpGasLink::~UdpGasLink() { Stop(); }

void UdpGasLink::Start(const std::array<std::uint8_t, 4>& address)
{
    Stop();
    buffer_ = UdpReceiveBuffer{};
    status_ = 0;
    auto socket = std::make_unique<QUdpSocket>();
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        status_ = kUdpNoSocket;
        return;
    }
    receiveCounter_ = 1;
    const quint32 ip = quint32(address[0]) << 24 | quint32(address[1]) << 16 | quint32(address[2]) << 8 | address[3];
    const qint64 sent = socket->writeDatagram(kUdpStartToken, qint64(sizeof kUdpStartToken - 1), QHostAddress(ip),
                                              quint16(platform::InstrumentPort(kUdpPort)));
    if (sent != qint64(sizeof kUdpStartToken - 1)) {
        status_ = kUdpTokenNotSent;
        return;
    }
    socket_ = std::move(socket);
    QObject::connect(socket_.get(), &QUdpSocket::readyRead, this, &UdpGasLink::ReadDatagrams);
    ++receiveCounter_;  // the first receive waits
}

void UdpGasLink::Stop()
{
    if (!socket_)
        return;
    socket_->disconnect(this);
    socket_->close();
    socket_.reset();
}

void UdpGasLink::ReadDatagrams()
{
    while (socket_ && socket_->hasPendingDatagrams()) {
        const qint64 size = socket_->pendingDatagramSize();
        QByteArray datagram(qsizetype(std::max<qint64>(size, 0)), '\0');
        const qint64 got = socket_->readDatagram(datagram.data(), datagram.size());
        if (got < 1) {
            status_ = got < 0 ? std::int32_t(socket_->error()) : 0;
        } else if (buffer_.Add(datagram.constData(), qsizetype(got))) {
            status_ = std::int32_t(got);
        }
        ++receiveCounter_;
    }
}

}  // namespace gasmon
