#include "platform/modbus.h"

#include <QHostAddress>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QModbusRtuSerialClient>
#include <QModbusTcpClient>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

namespace {

int g_tcpPortRedirect = 0;

constexpr int kDefaultTcpTimeoutMs = 1500;

// Qt's outcome of a request as the library's error number.
int ErrorNumber(const QModbusReply& reply)
{
    switch (reply.error()) {
    case QModbusDevice::NoError: return 0;
    case QModbusDevice::TimeoutError:
        // A frame came but its CRC was wrong, and nothing good followed before the time-out.
        return reply.intermediateErrors().contains(QModbusDevice::ResponseCrcError) ? MBUS_CHECKSUM : MBUS_TIMEOUT;
    case QModbusDevice::ProtocolError: {
        // An exception answer: its one data byte is the exception code. (Read from the data: Qt's own
        // accessors load the function code with the exception bit set as an enum it is not in.)
        const QByteArray data = reply.rawResult().data();
        const int exception = data.size() == 1 ? quint8(data[0]) : 0;
        return exception == 1 ? MBUS_INVALIDCMD : exception == 2 ? MBUS_INVALIDADDR : MBUS_INVALRSP;
    }
    case QModbusDevice::ConnectionError:
    case QModbusDevice::ReplyAbortedError: return MBUS_NOTCONNECTED;
    case QModbusDevice::WriteError: return MBUS_WRITEFAIL;
    default: return MBUS_INVALRSP;
    }
}

class ModbusLink final : public CommLink {
public:
    ModbusLink(QModbusClient* client, bool serial, int timeoutMs) : client_(client), serial_(serial)
    {
        client_->setTimeout(std::max(timeoutMs, 10));  // Qt's shortest
        client_->setNumberOfRetries(0);
        connectWait_.setSingleShot(true);
        QObject::connect(&connectWait_, &QTimer::timeout, guard_.get(), [this] { SendWhenConnected(false); });
        QObject::connect(client_, &QModbusDevice::stateChanged, guard_.get(), [this](QModbusDevice::State s) {
            if (waiting_ && s != QModbusDevice::ConnectingState)
                SendWhenConnected(s == QModbusDevice::ConnectedState);
        });
    }

    ~ModbusLink() override
    {
        // Closing may come while one of Qt's handlers of this client runs: every connection of the link
        // is cut now (the guard goes), the client and its replies go later from the event loop.
        connectWait_.stop();
        guard_.reset();
        client_->disconnectDevice();
        client_->deleteLater();
    }

    void SetHandle(std::uint32_t handle) { handle_ = handle; }

    int Hook(HWND window, unsigned message) override
    {
        window_ = window;
        message_ = message;
        if (serial_ && client_->state() == QModbusDevice::UnconnectedState &&
            (!client_->connectDevice() || client_->state() != QModbusDevice::ConnectedState)) {
            client_->disconnectDevice();
            return MBUS_NOTCONNECTED;  // the device is missing or another program has it
        }
        return 0;
    }

    int Send(const ModbusRequest& request, const CoilValues* coils)
    {
        if (outstanding_)
            return MBUS_INPROGRESS;
        if (!window_)
            return MBUS_NOTCONNECTED;
        outstanding_ = true;
        registers_.clear();
        request_ = request;
        coils_.reset();
        if (coils)
            coils_ = *coils;
        if ((coils && request.function != 15) || (!coils && request.function != 3 && request.function != 4)) {
            Finish(MBUS_INVALIDCMD);
            return 0;
        }
        if (client_->state() == QModbusDevice::ConnectingState) {
            // A TCP link still on its way: the request waits for it, as long as an answer would.
            waiting_ = true;
            connectWait_.start(client_->timeout());
            return 0;
        }
        SendNow();
        return 0;
    }

    int Response(std::uint16_t* buffer, std::uint16_t bufferBytes) const
    {
        if (outstanding_)
            return MBUS_INPROGRESS;
        if (result_ == 0 && buffer && !registers_.empty())
            std::memcpy(buffer, registers_.data(), std::min<std::size_t>(registers_.size() * 2, bufferBytes));
        return result_;
    }

private:
    void SendWhenConnected(bool connected)
    {
        waiting_ = false;
        connectWait_.stop();
        if (connected)
            SendNow();
        else
            Finish(MBUS_NOTCONNECTED);
    }

    void SendNow()
    {
        if (client_->state() != QModbusDevice::ConnectedState) {
            Finish(MBUS_NOTCONNECTED);
            return;
        }
        QModbusReply* reply = nullptr;
        if (coils_) {
            const int count = std::clamp<int>(request_.count, 1, 4);
            QModbusDataUnit unit(QModbusDataUnit::Coils, request_.first, quint16(count));
            for (int i = 0; i < count; ++i)
                unit.setValue(i, coils_->coils[i] ? 1 : 0);
            reply = client_->sendWriteRequest(unit, request_.slave);
        } else {
            const auto table = request_.function == 3 ? QModbusDataUnit::HoldingRegisters : QModbusDataUnit::InputRegisters;
            reply = client_->sendReadRequest(QModbusDataUnit(table, request_.first, request_.count), request_.slave);
        }
        if (!reply) {
            Finish(client_->error() == QModbusDevice::ConnectionError ? MBUS_NOTCONNECTED : MBUS_INVALRSP);
            return;
        }
        if (reply->isFinished()) {  // broadcasts are answered at once
            OnReply(reply);
            return;
        }
        QObject::connect(reply, &QModbusReply::finished, guard_.get(), [this, reply] { OnReply(reply); });
    }

    void OnReply(QModbusReply* reply)
    {
        int code = ErrorNumber(*reply);
        if (code == 0 && !coils_) {
            const QModbusDataUnit unit = reply->result();
            if (unit.valueCount() != request_.count)
                code = MBUS_INVALRSP;
            else
                for (qsizetype i = 0; i < unit.valueCount(); ++i)
                    registers_.push_back(unit.value(i));
        }
        reply->deleteLater();
        Finish(code);
    }

    // Ends the request and tells the window through the message queue; a link closed meanwhile is no
    // longer in the table and its notice is dropped.
    void Finish(int code)
    {
        outstanding_ = false;
        result_ = code;
        if (code != 0)
            registers_.clear();
        const std::uint32_t handle = handle_;
        const HWND window = window_;
        const unsigned message = message_;
        PostToGuiQueue([handle, window, message] {
            if (FindCommLink(handle))
                SendWindowMessage(window, message, handle, 0);
        });
    }

    QModbusClient* client_;
    bool serial_;  // a serial port opens when hooked; a TCP link connects at once
    std::unique_ptr<QObject> guard_ = std::make_unique<QObject>();  // the context of every connection made
    QTimer connectWait_;
    std::uint32_t handle_ = 0;
    HWND window_ = 0;
    unsigned message_ = 0;
    bool outstanding_ = false;
    bool waiting_ = false;
    ModbusRequest request_{};
    std::optional<CoilValues> coils_;
    int result_ = MBUS_INVALRSP;  // nothing asked yet
    std::vector<std::uint16_t> registers_;
};

ModbusLink* FindModbusLink(std::uint32_t handle) { return dynamic_cast<ModbusLink*>(FindCommLink(handle)); }

}  // namespace

QString ModbusErrorName(int code)
{
    static const std::array<const char*, 13> names = {
        "MBUS_INVALID_HANDLE", "MBUS_INPROGRESS", "MBUS_INVALIDADDR", "MBUS_INVALIDID",   "MBUS_INVALIDLEN",
        "MBUS_INVALIDCMD",     "MBUS_OUT_OF_MEM", "MBUS_TIMEOUT",     "MBUS_INVALIDPROTO", "MBUS_CHECKSUM",
        "MBUS_NOTCONNECTED",   "MBUS_INVALRSP",   "MBUS_WRITEFAIL",
    };
    if (code < MBUS_INVALID_HANDLE || code > MBUS_WRITEFAIL)
        return QStringLiteral("Unknown Error");
    return QString::fromLatin1(names[std::size_t(code - MBUS_INVALID_HANDLE)]);
}

std::uint32_t ConnectRTU(int comPort, int timeoutMs, const SerialSettings& settings)
{
    const QString device = SerialDevicePath(comPort);
    if (device.isEmpty())
        return 0;
    auto* client = new QModbusRtuSerialClient;
    client->setConnectionParameter(QModbusDevice::SerialPortNameParameter, device);
    client->setConnectionParameter(QModbusDevice::SerialBaudRateParameter,
                                   settings.baudRate ? qint32(settings.baudRate) : qint32(QSerialPort::Baud9600));
    const int dataBits = settings.dataBits >= 5 && settings.dataBits <= 8 ? settings.dataBits : 8;
    client->setConnectionParameter(QModbusDevice::SerialDataBitsParameter, dataBits);
    const QSerialPort::StopBits stopBits = settings.stopBits == 2   ? QSerialPort::TwoStop
                                           : settings.stopBits == 1 ? QSerialPort::OneAndHalfStop
                                                                    : QSerialPort::OneStop;
    client->setConnectionParameter(QModbusDevice::SerialStopBitsParameter, stopBits);
    const QSerialPort::Parity parity = settings.parity == 1   ? QSerialPort::OddParity
                                       : settings.parity == 2 ? QSerialPort::EvenParity
                                                              : QSerialPort::NoParity;
    client->setConnectionParameter(QModbusDevice::SerialParityParameter, parity);
    auto link = std::make_unique<ModbusLink>(client, true, timeoutMs);
    ModbusLink* raw = link.get();
    const std::uint32_t handle = AddCommLink(std::move(link));
    raw->SetHandle(handle);
    return handle;
}

std::int32_t ConnectTCP2(std::uint32_t address, int port, const TcpSettings& settings)
{
    port = InstrumentPort(port);
    // The first octet is the lowest byte; QHostAddress wants it highest.
    const quint32 hostOrder = ((address & 0xFF) << 24) | ((address & 0xFF00) << 8) | ((address >> 8) & 0xFF00) |
                              (address >> 24);
    auto* client = new QModbusTcpClient;
    client->setConnectionParameter(QModbusDevice::NetworkAddressParameter, QHostAddress(hostOrder).toString());
    client->setConnectionParameter(QModbusDevice::NetworkPortParameter, port);
    auto link = std::make_unique<ModbusLink>(client, false, settings.timeoutMs ? int(settings.timeoutMs) : kDefaultTcpTimeoutMs);
    if (!client->connectDevice())
        return -1;  // the link's destructor disposes of the client
    ModbusLink* raw = link.get();
    const std::uint32_t handle = AddCommLink(std::move(link));
    raw->SetHandle(handle);
    raw->Hook(settings.window, settings.message);
    return std::int32_t(handle);
}

int PollMODBUS(std::uint32_t handle, const ModbusRequest& request)
{
    ModbusLink* link = FindModbusLink(handle);
    return link ? link->Send(request, nullptr) : MBUS_INVALID_HANDLE;
}

int WriteMODBUS(std::uint32_t handle, const ModbusRequest& request, const CoilValues& values)
{
    ModbusLink* link = FindModbusLink(handle);
    return link ? link->Send(request, &values) : MBUS_INVALID_HANDLE;
}

int MODBUSResponse(std::uint32_t handle, const ModbusRequest&, std::uint16_t* buffer, std::uint16_t bufferBytes)
{
    const ModbusLink* link = FindModbusLink(handle);
    return link ? link->Response(buffer, bufferBytes) : MBUS_INVALID_HANDLE;
}

void RedirectModbusTcpPortForTest(int port) { g_tcpPortRedirect = port; }

int InstrumentPort(int port) { return (port == 502 || port == 5002) && g_tcpPortRedirect > 0 ? g_tcpPortRedirect : port; }

}  // namespace platform
