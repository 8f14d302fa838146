#pragma once
// The row an entry dialog is on: the buffer record being typed into and its screen row. The painters'
// row counter follows every step, so the gas curves of the next row join this one.
#include <cstdint>

namespace entry {

struct EntryRow {
    int index = 0;  // the entry buffer's record
    int y = 0;      // its row on the log

    void Down(int rowHeight, std::int32_t& rowCounter)
    {
        ++index;
        y += rowHeight;
        ++rowCounter;
    }
    void Up(int rowHeight, std::int32_t& rowCounter)
    {
        --index;
        y -= rowHeight;
        --rowCounter;
    }
};

// The row of the first record typed into: ten rows below the view top, which shows the start depth's
// record ten steps above it.
inline int FirstEntryRowY(int topMargin, int rowHeight) { return topMargin + 10 * rowHeight; }

}  // namespace entry
