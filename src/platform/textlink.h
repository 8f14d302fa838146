#pragma once
// The text mode of the communication library: a serial line that carries plain text both ways (8 data
// bits, no parity, one stop bit), on the same handle table and com-port map as the MODBUS links.
// Whenever text is waiting, the hooked message is posted to the window with the handle as wParam and
// the count waiting (at most 65,535) in lParam's low word; a read takes at most the count asked and
// whatever is left is announced again, so nothing is lost however small the reader's buffer. GUI
// thread only.
#include "platform/modbus.h"

#include <cstddef>
#include <cstdint>

namespace platform {

// How the peer's text is taken: as it comes, or in the vendor's framed text mode, which always runs
// with a reply time-out of 1,500 ms.
enum class TextMode { Plain, Framed };

constexpr int kFramedReplyTimeoutMs = 1500;

// A text link on serial port `comPort` (1 to 9, see SerialDevicePath) with the reply time-out
// `timeoutMs`; the baud rate comes from `settings` (0 counts as 9600). The port opens at once: 0 for a
// port outside 1 to 9 or one that cannot be opened (missing, or another program has it).
std::uint32_t ConnectASCII(int comPort, int timeoutMs, const SerialSettings& settings);
// The same in the framed mode; `timeoutMs` is the vendor mode's fixed value (kFramedReplyTimeoutMs).
std::uint32_t ConnectPasonASCII(int comPort, int timeoutMs, const SerialSettings& settings);

// Copies the waiting text into `buffer`: at most `size` characters, then a NUL (the buffer holds at
// least size + 1 bytes). `length` is the count the notice announced; the read takes what is waiting
// now, up to `size`. Returns the count copied; a link that is not a text link copies nothing and gives 0.
int ReadTransparentResponse(std::uint32_t handle, std::uint16_t length, char* buffer, std::size_t size);

// Sends `length` characters of `text`; the count handed to the port, 0 when the link is not open.
int WriteTransparentString(std::uint32_t handle, std::uint16_t length, const char* text);

// What a text link was opened with, and the port's baud rate as the port reports it (0 while closed).
struct TextLinkFacts {
    TextMode mode = TextMode::Plain;
    int replyTimeoutMs = 0;
    int comPort = 0;
    int baudRate = 0;
};
// False for an unknown handle or one that is not a text link.
bool TextLinkInfo(std::uint32_t handle, TextLinkFacts& facts);

}  // namespace platform
