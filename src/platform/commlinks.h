#pragma once
// The connections of the communication library: one table of 32-bit handles for the MODBUS links of
// the gas monitor and the text links of the WITS links. A handle is never 0 and never given out twice
// in a run, so a notice of a closed link can never reach the link that follows it. GUI thread only.
#include "platform/messagewindows.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace platform {

// One open connection.
class CommLink {
public:
    virtual ~CommLink() = default;
    // Opens the device when it still needs opening and notes where the notices go: 0, or an error
    // number when the device is missing or busy.
    virtual int Hook(HWND window, unsigned message) = 0;
};

// Enters `link` into the table and gives its handle.
std::uint32_t AddCommLink(std::unique_ptr<CommLink> link);
// The link of `handle`; null for 0, an unknown or a closed handle.
CommLink* FindCommLink(std::uint32_t handle);

// Has the library post `message` to `window` whenever an answer or text is waiting on `handle`; 0 on
// success, else an error number (MBUS_INVALID_HANDLE for an unknown handle).
int HookRspNotification(std::uint32_t handle, HWND window, unsigned message, int flags);

// Ends the connection: nothing is posted for it afterwards. The link's Qt objects are deleted later
// from the event loop, so closing is safe from inside any of Qt's handlers.
void CloseConnection(std::uint32_t handle);

// The device of serial port `comPort` (1 to 9, "COM1" to "COM9" of the settings): the settings store's
// "Serial/COMn", by default /dev/ttyS(n-1). Empty outside 1 to 9.
QString SerialDevicePath(int comPort);

// ---- For tests only ----
// Closes every link and deletes their Qt objects at once.
void CloseAllConnectionsForTest();

}  // namespace platform
