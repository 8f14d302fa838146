#pragma once
// The MODBUS calls of the communication library, over Qt's MODBUS RTU and TCP clients. Everything runs
// on the GUI thread and nothing waits: a poll sends its request and returns; when the answer (or its
// error) is in, the library posts the hooked message to the window with the handle as wParam, and
// MODBUSResponse hands the registers over. Every accepted request ends with exactly one such message,
// whatever goes wrong, unless its link is closed first.
#include "platform/commlinks.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace platform {

#pragma pack(push, 1)
// One request: reads use function 3 or 4, coil writes function 15.
struct ModbusRequest {
    std::uint8_t slave;
    std::uint8_t function;
    std::uint16_t first;  // sent as it stands: 41434 goes out as 41434
    std::uint16_t count;
};
static_assert(sizeof(ModbusRequest) == 6);
static_assert(offsetof(ModbusRequest, first) == 2);

// The values of a coil write, each 0 or 1.
struct CoilValues {
    std::uint16_t coils[4];
};
static_assert(sizeof(CoilValues) == 8);

// Serial line settings (18 bytes). The bytes after the data bits are kept for the instruments' sake
// and not used here.
struct SerialSettings {
    std::uint32_t baudRate;   // 0 counts as 9600
    std::uint8_t parity;      // 0 none, 1 odd, 2 even
    std::uint8_t stopBits;    // 0 one stop bit, 1 one and a half, 2 two
    std::uint8_t dataBits;    // 5 to 8; other values count as 8
    std::uint32_t reserved7;
    std::uint32_t reserved11;
    std::uint8_t reserved15[3];
};
static_assert(sizeof(SerialSettings) == 18);
static_assert(offsetof(SerialSettings, stopBits) == 5);
static_assert(offsetof(SerialSettings, reserved15) == 15);

// TCP link settings (18 bytes): a TCP link is not hooked, the block names the window and message.
struct TcpSettings {
    std::uint32_t window;         // HWND of the window that gets the notices
    std::uint32_t message;        // posted when an answer is in
    std::uint32_t secondMessage;  // not posted by this library
    std::uint16_t one;
    std::uint32_t timeoutMs;      // response time-out; 0 counts as 1500
};
static_assert(sizeof(TcpSettings) == 18);
static_assert(offsetof(TcpSettings, one) == 12);
static_assert(offsetof(TcpSettings, timeoutMs) == 14);
#pragma pack(pop)

// Error numbers of MODBUSResponse (and of the calls that refuse a request at once).
enum : int {
    MBUS_INVALID_HANDLE = 256,
    MBUS_INPROGRESS = 257,
    MBUS_INVALIDADDR = 258,
    MBUS_INVALIDID = 259,
    MBUS_INVALIDLEN = 260,
    MBUS_INVALIDCMD = 261,
    MBUS_OUT_OF_MEM = 262,
    MBUS_TIMEOUT = 263,
    MBUS_INVALIDPROTO = 264,
    MBUS_CHECKSUM = 265,
    MBUS_NOTCONNECTED = 266,
    MBUS_INVALRSP = 267,
    MBUS_WRITEFAIL = 268,
};

// "MBUS_TIMEOUT" and the others; "Unknown Error" for any other number.
QString ModbusErrorName(int code);

// A MODBUS RTU link on serial port `comPort` (1 to 9, see SerialDevicePath) with a response time-out
// of `timeoutMs` and no retries. The port opens when the link is hooked (HookRspNotification). 0 for a
// port outside 1 to 9.
std::uint32_t ConnectRTU(int comPort, int timeoutMs, const SerialSettings& settings);

// A MODBUS TCP link to the IPv4 address `address` (first octet in the lowest byte) and `port`; starts
// connecting and returns at once. -1 only when connecting cannot start; a refused or lost peer shows as
// MBUS_NOTCONNECTED in the answers.
std::int32_t ConnectTCP2(std::uint32_t address, int port, const TcpSettings& settings);

// Sends one read request (function 3 or 4). 0 when it is under way; MBUS_INVALID_HANDLE, MBUS_INPROGRESS
// while the link's last request is unanswered, MBUS_NOTCONNECTED for a link that has no window to tell.
// A function other than 3 or 4 is answered with MBUS_INVALIDCMD.
int PollMODBUS(std::uint32_t handle, const ModbusRequest& request);

// Sends one coil write (function 15, at most four coils from `values`); results as PollMODBUS.
int WriteMODBUS(std::uint32_t handle, const ModbusRequest& request, const CoilValues& values);

// The answer of the link's last request: 0 with its registers copied into `buffer` (at most
// `bufferBytes` bytes), else its error number; MBUS_INPROGRESS while it is unanswered.
int MODBUSResponse(std::uint32_t handle, const ModbusRequest& request, std::uint16_t* buffer, std::uint16_t bufferBytes);

// ---- For tests only ----
// Requests for TCP port 502, and the UDP gas interface's datagrams to port 5002, go to `port` on the
// same address instead; 0 ends the redirect.
void RedirectModbusTcpPortForTest(int port);
// The port a link for `port` uses: the test's redirect for 502 and 5002, else `port` itself.
int InstrumentPort(int port);

}  // namespace platform
