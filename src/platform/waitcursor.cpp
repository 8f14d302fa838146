#include "platform/waitcursor.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<Cursor*> g_cursor{nullptr};
}  // namespace

void InstallCursor(Cursor* cursor) { g_cursor = cursor; }

WaitCursor::WaitCursor() : cursor_(g_cursor.load())
{
    if (cursor_)
        cursor_->ShowWait(true);
}

WaitCursor::~WaitCursor()
{
    if (cursor_)
        cursor_->ShowWait(false);
}

}  // namespace platform
