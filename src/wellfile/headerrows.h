#pragma once
// The well header's field rows as the log header page (screen and exported image) and the printed header
// lay them out: which header text stands on which line, under which label, at which x. The two sheets
// share most rows; the page dates the log from "Start Date :" to "End Date:", the paper from
// "Date Logged:" to "To:" and adds the API number (and, for profile 23, county and state). Positions are
// in units of the sheet from the label column (the Loggers underline from the page's left edge).
#include "wellfile/wellheader.h"

#include <string>
#include <vector>

namespace wellfile {

enum class HeaderSheet { Screen, Paper };

// Where a sheet puts the rows: the label column's x, the pixels of a unit and the right end of the
// full-width underlines.
struct HeaderColumns {
    int left = 0;
    int unit = 1;
    int rightEdge = 0;
};

struct HeaderFieldCell {
    int line = 0;            // 0 = the first line of the block
    const char* label = "";
    int labelX = 0;
    std::string text;        // the header's text (Windows-1252); the file name in lower case
    int valueX = 0;
    int underlineEnd = 0;    // 0: to the end of the value
};

// The cells of `sheet` for the header `h` of a file of `profile`, line by line, left to right.
std::vector<HeaderFieldCell> HeaderFieldCells(HeaderSheet sheet, int profile, const WellHeader& h,
                                              const HeaderColumns& at);

}  // namespace wellfile
