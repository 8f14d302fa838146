#pragma once
// What the memo drawing keeps between drawings and the line table it lays a memo's text out in. The
// window holds one MemoDrawState: the boxes of the last screen drawing (what the right button and the
// memo drags find a memo by) and the memos a printed page cut off, which the next page goes on with.
#include "platform/gdi.h"
#include "wellfile/memorecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace entry {

constexpr int kMaxMemoHits = 200;
constexpr int kMemoLineSlots = 50;    // the line table
constexpr int kMemoLineChars = 200;   // a line keeps at most 199 characters
constexpr int kMaxMemoLinesDrawn = 49;

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

// The window's options the drawing follows besides the layout.
struct MemoOptions {
    bool drilling = false;          // the "*" of a red memo is drawn too
    bool customTracks = false;      // custom tracks on: they draw the descriptions
    bool allCaps = false;           // descriptions in capitals
    bool pageReserve = false;       // the larger reserve at a page's bottom, and room at the next page's top
};

// The window's memos as a drawing takes them: the memos in depth order, the state it keeps, the options.
struct MemoSource {
    std::span<wellfile::SVMEMO> memos;
    MemoDrawState* state = nullptr;
    MemoOptions options;
};

// A memo's text laid out as lines, in a fixed table: no allocation per line.
struct MemoLines {
    std::array<std::array<char, kMemoLineChars>, kMemoLineSlots> text{};  // each NUL-terminated
    std::array<int, kMemoLineSlots> length{};
    int count = 0;
};

// Splits `text` (up to its NUL, at most `size` bytes) at every CR and LF; empty pieces vanish. Keeps at
// most `maxLines` lines (and never more than the table), each cut at 199 characters.
void SplitMemoLines(const char* text, std::size_t size, int maxLines, MemoLines& out);

// The text a memo shows (Windows-1252, into `out` of `size` bytes): without its leading "*" unless
// drilling, a description in capitals with the ALL CAPS option.
void MemoDrawnText(const wellfile::SVMEMO& memo, const MemoOptions& options, char* out, std::size_t size);
// Pure red for a text that starts with "*", else the memo's colour.
platform::COLORREF MemoTextColour(const wellfile::SVMEMO& memo);

}  // namespace entry
