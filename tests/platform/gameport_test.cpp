// The joystick reader of the game port against a FIFO that delivers js_event records, as the kernel's
// joystick device would.
#include "platform/folders.h"
#include "platform/gameport.h"
#include "platform/messagewindows.h"
#include "platform/winapi.h"
#include "support/doubles.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <linux/joystick.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testing_support::doubles;

namespace {

struct Posted {
    unsigned msg;
    std::uintptr_t word;
    bool operator==(const Posted&) const = default;
};

class GamePortFifo : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = testing_support::TestDir() + "js0";
        ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        platform::WriteSetting("GamePort/Device", path);
        window = platform::RegisterMessageWindow(
            [this](unsigned msg, std::uintptr_t w, std::intptr_t) { posted.push_back({msg, w}); });
        port = platform::MakeJoystickGamePort();
        ASSERT_TRUE(port->SetCapture(window));  // the reader first: a FIFO's writer needs one
        writer = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(writer, 0);
    }
    void TearDown() override
    {
        port.reset();
        if (writer >= 0)
            ::close(writer);
        platform::UnregisterMessageWindow(window);
    }
    void Write(const void* bytes, std::size_t n) { ASSERT_EQ(::write(writer, bytes, n), ssize_t(n)); }
    void Event(std::uint8_t type, std::uint8_t number, std::int16_t value)
    {
        js_event e{};
        e.type = type;
        e.number = number;
        e.value = value;
        Write(&e, sizeof e);
    }
    // Runs the event loop until `count` messages were posted, at most 5 s; then delivers them.
    void WaitFor(std::size_t count)
    {
        QElapsedTimer t;
        t.start();
        while (doubles().queue.pending.size() < count && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        doubles().queue.DeliverAll();
    }
    // Runs the event loop for `ms` (nothing is expected meanwhile).
    void Settle(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        doubles().queue.DeliverAll();
    }

    QString path;
    platform::HWND window = 0;
    std::unique_ptr<platform::GamePort> port;
    int writer = -1;
    std::vector<Posted> posted;
};

constexpr unsigned kDown = platform::MM_JOY1BUTTONDOWN;
constexpr unsigned kUp = platform::MM_JOY1BUTTONUP;

TEST_F(GamePortFifo, ButtonChangesArePostedWithTheButtonsWord)
{
    Event(JS_EVENT_BUTTON | JS_EVENT_INIT, 0, 0);
    Event(JS_EVENT_AXIS | JS_EVENT_INIT, 0, 300);
    Event(JS_EVENT_BUTTON | JS_EVENT_INIT, 4, 0);
    Settle(100);
    EXPECT_TRUE(posted.empty());

    Event(JS_EVENT_BUTTON, 0, 1);
    Event(JS_EVENT_BUTTON, 0, 0);
    Event(JS_EVENT_AXIS, 1, -200);  // the box has no axes worth a message
    WaitFor(2);
    EXPECT_EQ(posted, (std::vector<Posted>{{kDown, 0x101}, {kUp, 0x100}}));

    // The fifth button, held: its state rides on every word (seeded here without a message).
    posted.clear();
    Event(JS_EVENT_BUTTON | JS_EVENT_INIT, 4, 1);
    Event(JS_EVENT_BUTTON, 1, 1);
    WaitFor(1);
    EXPECT_EQ(posted, (std::vector<Posted>{{kDown, 0x212}}));
    std::uint32_t word = 0;
    ASSERT_TRUE(port->ReadButtons(word));
    EXPECT_EQ(word, 0x12u);

    // A record written in two halves is one message.
    posted.clear();
    js_event e{};
    e.type = JS_EVENT_BUTTON;
    e.number = 4;
    e.value = 0;
    Write(&e, 3);
    Settle(100);
    EXPECT_TRUE(posted.empty());
    Write(reinterpret_cast<const char*>(&e) + 3, sizeof e - 3);
    WaitFor(1);
    EXPECT_EQ(posted, (std::vector<Posted>{{kUp, 0x1002}}));
}

TEST_F(GamePortFifo, AClosedWriterClosesTheDeviceAndCaptureOpensItAgain)
{
    Event(JS_EVENT_BUTTON, 2, 1);
    WaitFor(1);
    ::close(writer);
    writer = -1;
    // End of file closes the device from the notifier itself (a FIFO without a reader refuses a
    // writer), so a dead descriptor never keeps the loop busy.
    Settle(100);
    errno = 0;
    const int probe = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_EQ(probe, -1);
    EXPECT_EQ(errno, ENXIO);
    if (probe >= 0)
        ::close(probe);
    std::uint32_t word = 0x55;
    EXPECT_FALSE(port->ReadButtons(word));
    EXPECT_EQ(word, 0x55u);

    ASSERT_TRUE(port->SetCapture(window));
    writer = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_TRUE(port->ReadButtons(word));
    EXPECT_EQ(word, 0u);  // a new open starts from the records the device sends
    port->ReleaseCapture();
    EXPECT_FALSE(port->ReadButtons(word));
}

TEST(GamePort, AMissingDeviceIsNotCaptured)
{
    platform::WriteSetting("GamePort/Device", testing_support::TestDir() + "no-such-js");
    const std::unique_ptr<platform::GamePort> port = platform::MakeJoystickGamePort();
    EXPECT_FALSE(port->SetCapture(1));
    std::uint32_t word = 0;
    EXPECT_FALSE(port->ReadButtons(word));
}

}  // namespace
