#include "platform/gameport.h"

#include "platform/folders.h"
#include "platform/winapi.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <linux/joystick.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace platform {

namespace {

static_assert(sizeof(js_event) == 8);
constexpr int kButtons = 5;  // the box wires five contacts; higher button numbers are not its

// The buttons word of a change of button `number` with the state `state` after it.
std::uint32_t ChangeWord(std::uint32_t state, int number) { return state | (0x100u << number); }

class JoystickPort final : public GamePort {
public:
    ~JoystickPort() override
    {
        // The process's port may outlive the application: its notifier then goes with the process.
        if (!QCoreApplication::instance())
            (void)notifier_.release();
        Close();
    }

    bool SetCapture(HWND window) override
    {
        window_ = window;
        if (fd_ >= 0)
            return true;
        const QByteArray path = GamePortDevice().toLocal8Bit();
        fd_ = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return false;
        state_ = 0;
        filled_ = 0;
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadRecords(); });
        return true;
    }

    void ReleaseCapture() override { Close(); }

    bool ReadButtons(std::uint32_t& word) override
    {
        if (fd_ < 0)
            return false;
        ReadRecords();  // records not yet delivered by the notifier: the state is that of now
        if (fd_ < 0)
            return false;
        word = state_;
        return true;
    }

private:
    // Reads what the device holds; a record cut short waits in `partial_` for the rest. End of file
    // (a writer gone) and a device error (unplugged: ENODEV) close the device, so a dead descriptor never
    // keeps the notifier firing; the next capture opens it again.
    void ReadRecords()
    {
        while (fd_ >= 0) {
            const ssize_t n = ::read(fd_, partial_.data() + filled_, partial_.size() - filled_);
            if (n > 0) {
                filled_ += std::size_t(n);
                if (filled_ == partial_.size()) {
                    js_event e;
                    std::memcpy(&e, partial_.data(), sizeof e);
                    filled_ = 0;
                    Take(e);
                }
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            Close();
        }
    }

    void Take(const js_event& e)
    {
        if ((e.type & ~JS_EVENT_INIT) != JS_EVENT_BUTTON || e.number >= kButtons)
            return;
        const std::uint32_t bit = 1u << e.number;
        if (e.value)
            state_ |= bit;
        else
            state_ &= ~bit;
        if (e.type & JS_EVENT_INIT)
            return;  // the state the device was in when opened, not a change
        if (window_)
            PostWindowMessage(window_, e.value ? MM_JOY1BUTTONDOWN : MM_JOY1BUTTONUP, ChangeWord(state_, e.number), 0);
    }

    void Close()
    {
        if (notifier_) {
            notifier_->setEnabled(false);
            // Closing may happen inside the notifier's own signal: it goes once that has returned.
            notifier_.release()->deleteLater();
        }
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        filled_ = 0;
    }

    int fd_ = -1;
    HWND window_ = 0;
    std::uint32_t state_ = 0;
    std::array<char, sizeof(js_event)> partial_{};
    std::size_t filled_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace

QString GamePortDevice() { return ReadSetting(QStringLiteral("GamePort/Device"), QStringLiteral("/dev/input/js0")); }

std::unique_ptr<GamePort> MakeJoystickGamePort() { return std::make_unique<JoystickPort>(); }

GamePort& RealGamePort()
{
    static const std::unique_ptr<GamePort> port = MakeJoystickGamePort();
    return *port;
}

}  // namespace platform
