#pragma once
// What the memo drawing keeps between drawings: the boxes of the last screen drawing (what the right
// button and the memo drags find a memo by) and the memos a printed page cut off, which the next page
// goes on with. The window holds one (app::NoteState::drawing); the memo drawing (entry/memodrawing.h)
// names these types in entry:: too.
#include "platform/gdi.h"

#include <array>
#include <cstdint>

namespace app {

constexpr int kMaxMemoHits = 200;

// The memo boxes of the last screen drawing, in the order drawn; at most 200.
struct MemoHits {
    std::array<platform::RECT, kMaxMemoHits> boxes{};
    std::array<std::int32_t, kMaxMemoHits> memo{};  // the memo (index into the memo array) of each box
    int count = 0;
    std::int32_t firstMemo = -1;  // the first memo at or below the view's top depth, -1 none

    void Clear();
    // Adds a box; false (nothing stored) once the table is full.
    bool Add(const platform::RECT& box, std::int32_t memoIndex);
};

// A memo that a printed page cut off: its index and its first line not drawn.
struct MemoContinuation {
    std::int32_t memo = -1;
    std::int32_t firstLine = -1;
};

// The memos a printed page cut off, in the order they were cut: memos side by side may reach the page's
// bottom together, and each goes on at the top of the next page.
constexpr int kMaxPendingMemos = 16;
struct PendingMemos {
    std::array<MemoContinuation, kMaxPendingMemos> memos{};
    int count = 0;

    bool Full() const { return count >= kMaxPendingMemos; }
    bool Pending() const { return count > 0; }
    std::int32_t First() const { return count > 0 ? memos[0].memo : -1; }
    void Clear() { count = 0; }
    // Nothing when full.
    void Add(std::int32_t memo, std::int32_t firstLine);
    // Takes `memo` off the list: its first line not drawn, or -1 when it was not pending.
    std::int32_t Take(std::int32_t memo);
};

struct MemoDrawState {
    MemoHits hits;
    PendingMemos page;         // the log body's memos
    PendingMemos customTrack;  // the descriptions of a custom track's memo column
};

}  // namespace app
