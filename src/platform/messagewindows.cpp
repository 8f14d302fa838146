#include "platform/messagewindows.h"

#include "platform/services.h"

#include <map>
#include <mutex>

namespace platform {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<HWND, WindowProc> windows;
    HWND next = 1;
};

Registry& registry()
{
    static Registry r;
    return r;
}

}  // namespace

HWND RegisterMessageWindow(WindowProc proc)
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    const HWND window = r.next++;
    if (r.next == 0)  // wrapped round: 0 stays "no window"
        r.next = 1;
    r.windows[window] = std::move(proc);
    return window;
}

void UnregisterMessageWindow(HWND window)
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.windows.erase(window);
}

bool SendWindowMessage(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    WindowProc proc;
    {
        Registry& r = registry();
        const std::lock_guard lock(r.mutex);
        const auto it = r.windows.find(window);
        if (it == r.windows.end())
            return false;
        proc = it->second;  // a copy: the routine may unregister its own window
    }
    proc(msg, wParam, lParam);
    return true;
}

void PostToGuiQueue(std::function<void()> work)
{
    MessageQueue* queue = services().queue;
    (queue ? *queue : RealMessageQueue()).Post(std::move(work));
}

void PostMessageBox(const QString& text, const QString& caption)
{
    PostToGuiQueue([text, caption] { QueueMessageBox(text, caption); });
}

void PostWindowMessage(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    PostToGuiQueue([=] { SendWindowMessage(window, msg, wParam, lParam); });
}

}  // namespace platform
