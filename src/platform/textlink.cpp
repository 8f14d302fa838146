#include "platform/textlink.h"

#include <QSerialPort>

#include <algorithm>
#include <cstring>
#include <memory>

namespace platform {

namespace {

class TextLink final : public CommLink {
public:
    TextLink(int comPort, TextMode mode, int timeoutMs, const SerialSettings& settings)
        : comPort_(comPort), mode_(mode), timeoutMs_(timeoutMs), port_(new QSerialPort)
    {
        port_->setPortName(SerialDevicePath(comPort));
        port_->setBaudRate(settings.baudRate ? qint32(settings.baudRate) : qint32(QSerialPort::Baud9600));
        port_->setDataBits(QSerialPort::Data8);
        port_->setParity(QSerialPort::NoParity);
        port_->setStopBits(QSerialPort::OneStop);
        port_->setFlowControl(QSerialPort::NoFlowControl);
        QObject::connect(port_, &QSerialPort::readyRead, guard_.get(), [this] { Announce(); });
    }

    ~TextLink() override
    {
        // Closing may come from inside one of the port's own handlers: the connections go now, the port
        // later from the event loop.
        guard_.reset();
        port_->close();
        port_->deleteLater();
    }

    void SetHandle(std::uint32_t handle) { handle_ = handle; }

    // False when the device is missing or another program has it.
    bool Open() { return port_->isOpen() || port_->open(QIODevice::ReadWrite); }

    int Hook(HWND window, unsigned message) override
    {
        if (!window)
            return MBUS_NOTCONNECTED;  // nobody to tell
        if (!Open())
            return MBUS_NOTCONNECTED;
        window_ = window;
        message_ = message;
        if (port_->bytesAvailable() > 0)
            Announce();
        return 0;
    }

    int Read(char* buffer, std::size_t size)
    {
        if (!buffer)
            return 0;
        const qint64 want = std::min<qint64>(qint64(size), port_->isOpen() ? port_->bytesAvailable() : 0);
        const qint64 got = want > 0 ? port_->read(buffer, want) : 0;
        const std::size_t n = got > 0 ? std::size_t(got) : 0;
        buffer[n] = '\0';
        if (port_->isOpen() && port_->bytesAvailable() > 0)
            Announce();  // the rest comes with the next notice
        return int(n);
    }

    int Write(const char* text, std::uint16_t length)
    {
        if (!port_->isOpen() || !text)
            return 0;
        const qint64 n = port_->write(text, length);
        return n > 0 ? int(n) : 0;
    }

    void Facts(TextLinkFacts& f) const
    {
        f.mode = mode_;
        f.replyTimeoutMs = timeoutMs_;
        f.comPort = comPort_;
        f.baudRate = port_->isOpen() ? int(port_->baudRate()) : 0;
    }

private:
    // One notice at a time: it tells the count waiting when it is delivered, so text that comes while
    // one is queued rides with it.
    void Announce()
    {
        if (noticeQueued_ || !window_)
            return;
        noticeQueued_ = true;
        const std::uint32_t handle = handle_;
        PostToGuiQueue([handle] {
            auto* link = dynamic_cast<TextLink*>(FindCommLink(handle));
            if (!link)
                return;  // closed meanwhile
            link->noticeQueued_ = false;
            const qint64 waiting = link->port_->isOpen() ? link->port_->bytesAvailable() : 0;
            if (waiting <= 0)
                return;
            SendWindowMessage(link->window_, link->message_, handle, std::intptr_t(std::min<qint64>(waiting, 0xFFFF)));
        });
    }

    int comPort_;
    TextMode mode_;
    int timeoutMs_;
    QSerialPort* port_;
    std::unique_ptr<QObject> guard_ = std::make_unique<QObject>();
    std::uint32_t handle_ = 0;
    HWND window_ = 0;
    unsigned message_ = 0;
    bool noticeQueued_ = false;
};

TextLink* FindTextLink(std::uint32_t handle) { return dynamic_cast<TextLink*>(FindCommLink(handle)); }

std::uint32_t Connect(int comPort, TextMode mode, int timeoutMs, const SerialSettings& settings)
{
    if (SerialDevicePath(comPort).isEmpty())
        return 0;
    auto link = std::make_unique<TextLink>(comPort, mode, timeoutMs, settings);
    if (!link->Open())
        return 0;
    TextLink* raw = link.get();
    const std::uint32_t handle = AddCommLink(std::move(link));
    raw->SetHandle(handle);
    return handle;
}

}  // namespace

std::uint32_t ConnectASCII(int comPort, int timeoutMs, const SerialSettings& settings)
{
    return Connect(comPort, TextMode::Plain, timeoutMs, settings);
}

std::uint32_t ConnectPasonASCII(int comPort, int timeoutMs, const SerialSettings& settings)
{
    return Connect(comPort, TextMode::Framed, timeoutMs, settings);
}

int ReadTransparentResponse(std::uint32_t handle, std::uint16_t, char* buffer, std::size_t size)
{
    TextLink* link = FindTextLink(handle);
    if (!link) {
        if (buffer)
            buffer[0] = '\0';
        return 0;
    }
    return link->Read(buffer, size);
}

int WriteTransparentString(std::uint32_t handle, std::uint16_t length, const char* text)
{
    TextLink* link = FindTextLink(handle);
    return link ? link->Write(text, length) : 0;
}

bool TextLinkInfo(std::uint32_t handle, TextLinkFacts& facts)
{
    const TextLink* link = FindTextLink(handle);
    if (!link)
        return false;
    link->Facts(facts);
    return true;
}

}  // namespace platform
