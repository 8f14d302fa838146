#pragma once
// Window handles for the communication library: it is given a 32-bit window handle and a message
// number, and posts that message to the window when an answer or text is waiting. A window that wants
// such messages registers the routine that handles them and gets its handle.
#include <cstdint>
#include <functional>

class QString;

namespace platform {

using HWND = std::uint32_t;  // 0 is no window
using WindowProc = std::function<void(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)>;

// A handle for `proc`, never 0 and never given out twice. Register and unregister on the GUI thread.
HWND RegisterMessageWindow(WindowProc proc);
void UnregisterMessageWindow(HWND window);

// Runs the window's routine now; false (and nothing runs) when the window is gone.
bool SendWindowMessage(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Queues the message for the GUI thread (the message queue of the platform services); it reaches the
// window only if the window still exists then. Any thread.
void PostWindowMessage(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Queues `work` on the platform's message queue (the test's queue in tests).
void PostToGuiQueue(std::function<void()> work);

// QueueMessageBox for work that must not run a box's loop in its midst (a link reading a frame: its own
// timer would read the next frames under the box): the box is queued once that work has returned.
void PostMessageBox(const QString& text, const QString& caption);

}  // namespace platform
