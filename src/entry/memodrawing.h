#pragma once
// What the memo drawing keeps between drawings (app/memodrawstate.h), the window's memos as it takes
// them and the line table it lays a memo's text out in.
#include "app/memodrawstate.h"
#include "platform/gdi.h"
#include "wellfile/memorecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace app {
struct LogState;
}

namespace entry {

constexpr int kMemoLineSlots = 50;    // the line table
constexpr int kMemoLineChars = 200;   // a line keeps at most 199 characters
constexpr int kMaxMemoLinesDrawn = 49;

// What the window keeps of the memo drawing (app/memodrawstate.h).
using app::kMaxMemoHits;
using app::kMaxPendingMemos;
using app::MemoContinuation;
using app::MemoDrawState;
using app::MemoHits;
using app::PendingMemos;

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
// The window's memos as the memo drawing takes them: the memos loaded, their drawing state and the
// window's options (drilling, custom tracks on, capitals for descriptions, the page reserve).
MemoSource MemoSourceOf(app::LogState& log);

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
