// The MODBUS link against a real MODBUS server (pymodbus) on loopback TCP and on a serial line made of a
// socat pty pair, and against a raw responder that sends broken answers. Every wait is bounded.
#include "platform/folders.h"
#include "platform/modbus.h"
#include "platform/winapi.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace platform;
using namespace testing_support;

namespace {

constexpr unsigned kResponse = WM_USER + 1;

// A window that notes the messages it gets.
struct RecordingWindow {
    struct Message {
        unsigned msg;
        std::uintptr_t wParam;
    };
    std::shared_ptr<std::vector<Message>> got = std::make_shared<std::vector<Message>>();
    HWND hwnd = RegisterMessageWindow([got = got](unsigned m, std::uintptr_t w, std::intptr_t) { got->push_back({m, w}); });
    ~RecordingWindow() { UnregisterMessageWindow(hwnd); }
    // Waits for one more message than `seen`; false when none came in `ms`.
    bool WaitForMessage(std::size_t seen, int ms = 5000) const
    {
        return Spin([&] { return got->size() > seen; }, ms);
    }
};

TcpSettings TcpBlock(const RecordingWindow& window, std::uint32_t timeoutMs = 1500)
{
    TcpSettings block{};
    block.window = window.hwnd;
    block.message = kResponse;
    block.secondMessage = WM_USER + 5;
    block.one = 1;
    block.timeoutMs = timeoutMs;
    return block;
}

SerialSettings GasSerialBlock()
{
    SerialSettings s{};
    s.baudRate = 9600;
    s.stopBits = 2;
    s.dataBits = 8;
    s.reserved15[0] = 5;
    s.reserved15[1] = 5;
    return s;
}

// Polls and waits for the answer's message; the error number of the answer.
int PollAndWait(std::uint32_t handle, const RecordingWindow& window, ModbusRequest request, int ms = 5000)
{
    const std::size_t seen = window.got->size();
    const int sent = PollMODBUS(handle, request);
    if (sent != 0)
        return sent;
    if (!window.WaitForMessage(seen, ms))
        return -1;
    EXPECT_EQ(window.got->back().msg, kResponse);
    EXPECT_EQ(window.got->back().wParam, handle);
    return MODBUSResponse(handle, request, nullptr, 0);
}


class Modbus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PymodbusInstalled())
            GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
    }
    void TearDown() override
    {
        RedirectModbusTcpPortForTest(0);
        CloseAllConnectionsForTest();
    }
    RecordingWindow window;
};

}  // namespace

TEST_F(Modbus, TcpPeerAnswersReadsWritesAndErrors)
{
    const int port = FreeTcpPort();
    ASSERT_GT(port, 0);
    Child peer;
    StartPeer(peer, {QStringLiteral("--tcp"), QString::number(port)});
    RedirectModbusTcpPortForTest(port);
    const std::int32_t handle = ConnectTCP2(kLoopback, 502, TcpBlock(window));
    ASSERT_GT(handle, 0);

    // The first poll goes out while the connection is still being made; a second waits its turn.
    const ModbusRequest gas{1, 3, 41434, 24};
    ASSERT_EQ(PollMODBUS(handle, gas), 0);
    EXPECT_EQ(PollMODBUS(handle, gas), MBUS_INPROGRESS);
    EXPECT_EQ(MODBUSResponse(handle, gas, nullptr, 0), MBUS_INPROGRESS);
    ASSERT_TRUE(window.WaitForMessage(0));
    ASSERT_EQ(window.got->size(), 1u) << "one answer, one message";
    EXPECT_EQ(window.got->at(0).msg, kResponse);
    EXPECT_EQ(window.got->at(0).wParam, std::uintptr_t(handle));

    std::vector<std::uint16_t> regs(25, 0xBEEF);
    ASSERT_EQ(MODBUSResponse(handle, gas, regs.data(), 50), 0);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(regs[std::size_t(i)], 1000 + i) << i;
    EXPECT_EQ(regs[24], 0xBEEF) << "nothing past the registers";
    std::vector<std::uint16_t> small(6, 0xBEEF);
    ASSERT_EQ(MODBUSResponse(handle, gas, small.data(), 10), 0);
    EXPECT_EQ(small[4], 1004);
    EXPECT_EQ(small[5], 0xBEEF) << "at most the caller's buffer";
    EXPECT_TRUE(PeerLogText().contains(QStringLiteral("1 3 41434 24\n"))) << PeerLogText().toStdString();

    // Coils 1 to 4 written as 1, 0, 1, 0 are found so in the peer.
    const ModbusRequest coils{1, 15, 1, 4};
    const std::size_t seen = window.got->size();
    ASSERT_EQ(WriteMODBUS(handle, coils, CoilValues{{1, 0, 1, 0}}), 0);
    ASSERT_TRUE(window.WaitForMessage(seen));
    EXPECT_EQ(MODBUSResponse(handle, coils, nullptr, 0), 0);
    EXPECT_TRUE(PeerLogText().contains(QStringLiteral("1 coils 1 1,0,1,0\n"))) << PeerLogText().toStdString();

    // An address the peer lacks is its exception 2; a function the link does not send is refused.
    EXPECT_EQ(PollAndWait(handle, window, {1, 3, 100, 2}), MBUS_INVALIDADDR);
    std::vector<std::uint16_t> none(4, 0xBEEF);
    EXPECT_EQ(MODBUSResponse(handle, gas, none.data(), 8), MBUS_INVALIDADDR);
    EXPECT_EQ(none[0], 0xBEEF) << "no registers with an error";
    EXPECT_EQ(PollAndWait(handle, window, {1, 6, 1, 1}), MBUS_INVALIDCMD);

    // The peer is stopped: the link says it is not connected.
    peer.Stop();
    int code = 0;
    for (int i = 0; i < 5 && code != MBUS_NOTCONNECTED; ++i)
        code = PollAndWait(handle, window, gas);
    EXPECT_EQ(code, MBUS_NOTCONNECTED);
    CloseConnection(std::uint32_t(handle));
    EXPECT_EQ(PollMODBUS(handle, gas), MBUS_INVALID_HANDLE);
}

TEST_F(Modbus, ASlaveThatNeverAnswersTimesOutWhileTheTimersTick)
{
    const int port = FreeTcpPort();
    Child peer;
    StartPeer(peer, {QStringLiteral("--tcp"), QString::number(port)});
    RedirectModbusTcpPortForTest(port);
    const std::int32_t handle = ConnectTCP2(kLoopback, 502, TcpBlock(window, 400));
    ASSERT_GT(handle, 0);
    ASSERT_EQ(PollAndWait(handle, window, {1, 3, 41434, 1}), 0);

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer clock;
    clock.start();
    const int code = PollAndWait(handle, window, {9, 3, 41434, 1});
    const qint64 waited = clock.elapsed();
    EXPECT_EQ(code, MBUS_TIMEOUT);
    EXPECT_EQ(ModbusErrorName(code), QStringLiteral("MBUS_TIMEOUT"));
    EXPECT_GE(waited, 370);
    EXPECT_LT(waited, 1200) << "the block's time-out, not the default of 1500 ms";
    // A blocked thread would see one late tick at most.
    EXPECT_GE(ticks, 3) << "the GUI thread went on while the answer was awaited";
    EXPECT_TRUE(PeerLogText().count(QStringLiteral("9 3 41434 1")) == 0) << "pymodbus drops unknown slaves";

    // Closed while an answer is awaited: nothing reaches the window afterwards.
    const std::size_t seen = window.got->size();
    ASSERT_EQ(PollMODBUS(handle, {9, 3, 41434, 1}), 0);
    CloseConnection(std::uint32_t(handle));
    EXPECT_FALSE(window.WaitForMessage(seen, 1000));
    EXPECT_EQ(MODBUSResponse(handle, {9, 3, 41434, 1}, nullptr, 0), MBUS_INVALID_HANDLE);

    // An answer queued but not yet delivered when the link closes is dropped as well.
    const std::int32_t second = ConnectTCP2(kLoopback, 502, TcpBlock(window));
    ASSERT_GT(second, handle) << "handles are not given twice";
    ASSERT_EQ(PollMODBUS(second, {1, 3, 100, 2}), 0);
    QElapsedTimer queued;
    queued.start();
    while (testing_support::doubles().queue.pending.empty() && queued.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_FALSE(testing_support::doubles().queue.pending.empty());
    CloseConnection(std::uint32_t(second));
    testing_support::doubles().queue.DeliverAll();
    EXPECT_EQ(window.got->size(), seen);
}

TEST_F(Modbus, ARefusedPeerAndBadHandlesAnswerAtOnce)
{
    const int port = FreeTcpPort();  // nobody listens there
    RedirectModbusTcpPortForTest(port);
    const std::int32_t handle = ConnectTCP2(kLoopback, 502, TcpBlock(window));
    ASSERT_GT(handle, 0) << "connecting starts; the refusal comes later";
    EXPECT_EQ(PollAndWait(handle, window, {1, 3, 41434, 24}), MBUS_NOTCONNECTED);
    EXPECT_EQ(PollAndWait(handle, window, {1, 3, 41434, 24}), MBUS_NOTCONNECTED) << "and on the next answers";

    EXPECT_EQ(ConnectRTU(0, 350, GasSerialBlock()), 0u);
    EXPECT_EQ(ConnectRTU(10, 350, GasSerialBlock()), 0u);
    EXPECT_EQ(PollMODBUS(0, {1, 3, 1, 1}), MBUS_INVALID_HANDLE);
    EXPECT_EQ(HookRspNotification(12345678, window.hwnd, kResponse, 0), MBUS_INVALID_HANDLE);
    EXPECT_EQ(ModbusErrorName(255), QStringLiteral("Unknown Error"));
    EXPECT_EQ(ModbusErrorName(269), QStringLiteral("Unknown Error"));
    EXPECT_EQ(ModbusErrorName(256), QStringLiteral("MBUS_INVALID_HANDLE"));
    EXPECT_EQ(ModbusErrorName(268), QStringLiteral("MBUS_WRITEFAIL"));

    // A com port whose device is missing: the hook says so.
    WriteSetting(QStringLiteral("Serial/COM4"), TestDir() + QStringLiteral("no-such-tty"));
    const std::uint32_t missing = ConnectRTU(4, 350, GasSerialBlock());
    ASSERT_NE(missing, 0u);
    EXPECT_NE(HookRspNotification(missing, window.hwnd, kResponse, 0), 0);
}

TEST_F(Modbus, RtuOverASerialLine)
{
    PtyPair line;
    ASSERT_TRUE(line.Start()) << "socat pty pair";
    Child peer;
    StartPeer(peer, {QStringLiteral("--rtu"), line.b, QStringLiteral("--baud"), QStringLiteral("9600"),
                     QStringLiteral("--stopbits"), QStringLiteral("2")});
    WriteSetting(QStringLiteral("Serial/COM3"), line.a);
    EXPECT_EQ(SerialDevicePath(3), line.a);

    const std::uint32_t handle = ConnectRTU(3, 350, GasSerialBlock());
    ASSERT_NE(handle, 0u);
    ASSERT_EQ(HookRspNotification(handle, window.hwnd, kResponse, 0), 0);
    const std::uint32_t second = ConnectRTU(3, 350, GasSerialBlock());
    EXPECT_NE(HookRspNotification(second, window.hwnd, kResponse, 0), 0) << "the port is busy";
    CloseConnection(second);

    const ModbusRequest gas{247, 4, 3, 12};
    ASSERT_EQ(PollAndWait(handle, window, gas), 0);
    std::vector<std::uint16_t> regs(13, 0);
    ASSERT_EQ(MODBUSResponse(handle, gas, regs.data(), std::uint16_t(regs.size() * 2)), 0);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(regs[std::size_t(i)], 103 + i) << i;
    EXPECT_EQ(regs[12], 0);
    EXPECT_TRUE(PeerLogText().contains(QStringLiteral("247 4 3 12\n"))) << PeerLogText().toStdString();

    const ModbusRequest coils{247, 15, 1, 4};
    const std::size_t seen = window.got->size();
    ASSERT_EQ(WriteMODBUS(handle, coils, CoilValues{{1, 0, 1, 0}}), 0);
    ASSERT_TRUE(window.WaitForMessage(seen));
    EXPECT_EQ(MODBUSResponse(handle, coils, nullptr, 0), 0);
    EXPECT_TRUE(PeerLogText().contains(QStringLiteral("247 coils 1 1,0,1,0\n"))) << PeerLogText().toStdString();

    EXPECT_EQ(PollAndWait(handle, window, {247, 4, 500, 2}), MBUS_INVALIDADDR);
    EXPECT_EQ(PollAndWait(handle, window, {17, 4, 3, 12}), MBUS_TIMEOUT);
    EXPECT_EQ(PollAndWait(handle, window, gas), 0) << "the line is still good after a time-out";
}

TEST_F(Modbus, BrokenAnswersOnTheLineAreErrorsWithoutRegisters)
{
    PtyPair line;
    ASSERT_TRUE(line.Start()) << "socat pty pair";
    WriteSetting(QStringLiteral("Serial/COM3"), line.a);
    const ModbusRequest request{247, 4, 3, 2};

    for (const char* answer : {"badcrc", "exception1"}) {
        SCOPED_TRACE(answer);
        Child responder;
        StartPeer(responder, {QStringLiteral("--raw"), line.b, QStringLiteral("--answer"), QString::fromLatin1(answer)});
        const std::uint32_t handle = ConnectRTU(3, 350, GasSerialBlock());
        ASSERT_EQ(HookRspNotification(handle, window.hwnd, kResponse, 0), 0);
        const int code = PollAndWait(handle, window, request);
        std::vector<std::uint16_t> regs(2, 0xBEEF);
        EXPECT_EQ(MODBUSResponse(handle, request, regs.data(), 4), code);
        EXPECT_EQ(regs, std::vector<std::uint16_t>(2, 0xBEEF)) << "no registers with an error";
        EXPECT_EQ(PeerLogText().count(QStringLiteral("247 4 raw 8")), 1) << "sent once: no retries";
        if (QByteArray(answer) == "badcrc")
            EXPECT_EQ(code, MBUS_CHECKSUM) << ModbusErrorName(code).toStdString();
        else
            EXPECT_EQ(code, MBUS_INVALIDCMD) << "exception 1";
        CloseConnection(handle);
        CloseAllConnectionsForTest();  // the port is free again for the next responder
    }
}
