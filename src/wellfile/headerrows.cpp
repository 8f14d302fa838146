#include "wellfile/headerrows.h"

#include "platform/text.h"

#include <algorithm>
#include <array>

namespace wellfile {

namespace {

template <auto Field>
std::string Text(const WellHeader& h)
{
    return platform::FieldText(h.*Field);
}

std::string LowerFileName(const WellHeader& h)
{
    std::string name = platform::FieldText(h.fileName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return name;
}

// Where a value's underline ends.
enum class End {
    Text,   // the end of the value
    Right,  // the sheet's right edge
    At,     // `endAt` units from the label column
    Page,   // `endAt` units from the page's left edge
};

enum Sheets { kScreen = 1, kPaper = 2, kBoth = 3 };

struct Cell {
    int sheets;
    bool newLine;  // starts a line of its sheets
    const char* label;
    int labelAt;
    std::string (*text)(const WellHeader&);
    int valueAt;
    End end;
    int endAt = 0;
    int profile = 0;  // only for this profile (0: every one)
};

using E = End;
const std::array kCells{
    Cell{kBoth, true, "COMPANY:", 0, Text<&WellHeader::company>, 14, E::Right},
    Cell{kBoth, true, "WELL:", 0, Text<&WellHeader::well>, 12, E::Right},
    Cell{kBoth, true, "FIELD:", 0, Text<&WellHeader::field>, 12, E::At, 34},
    Cell{kPaper, false, "COUNTY:", 35, Text<&WellHeader::county>, 45, E::At, 57, 23},
    Cell{kPaper, false, "STATE:", 58, Text<&WellHeader::state>, 66, E::Right, 0, 23},
    Cell{kScreen, true, "LOCATION:", 0, Text<&WellHeader::location>, 14, E::Right},
    Cell{kPaper, true, "LOCATION:", 0, Text<&WellHeader::location>, 12, E::Right},
    Cell{kBoth, true, "Interval Logged:", 0, Text<&WellHeader::intervalFrom>, 16, E::At, 28},
    Cell{kBoth, false, "To:", 29, Text<&WellHeader::intervalTo>, 34, E::At, 50},
    Cell{kBoth, false, "G.L.:", 51, Text<&WellHeader::groundLevel>, 58, E::At, 67},
    Cell{kBoth, false, "K.B:", 68, Text<&WellHeader::kellyBushing>, 73, E::Right},
    Cell{kScreen, true, "Start Date :", 0, Text<&WellHeader::loggedFrom>, 15, E::At, 28},
    Cell{kScreen, false, "End Date:", 29, Text<&WellHeader::loggedTo>, 40, E::At, 50},
    Cell{kScreen, false, "Spud Date:", 52, Text<&WellHeader::spudDate>, 65, E::Text},
    Cell{kPaper, true, "Date Logged:", 0, Text<&WellHeader::loggedFrom>, 15, E::At, 28},
    Cell{kPaper, false, "To:", 29, Text<&WellHeader::loggedTo>, 34, E::At, 45},
    Cell{kPaper, false, "Spud Date:", 46, Text<&WellHeader::spudDate>, 59, E::Text},
    Cell{kBoth, true, "Rig:", 0, Text<&WellHeader::rig>, 12, E::At, 45},
    Cell{kBoth, false, "Unit No.:", 46, Text<&WellHeader::unitNumber>, 56, E::Text},
    Cell{kBoth, true, "Loggers:", 0, Text<&WellHeader::loggers>, 12, E::Page, 80},
    Cell{kPaper, true, "Api No.:", 0, Text<&WellHeader::apiNumber>, 12, E::At, 35},
    Cell{kBoth, true, "Filename:", 0, LowerFileName, 12, E::Text},
    Cell{kBoth, true, "Geologist:", 0, Text<&WellHeader::geologist>, 12, E::Text},
};

int UnderlineEnd(const Cell& c, const HeaderColumns& at)
{
    switch (c.end) {
    case End::Right: return at.rightEdge;
    case End::At: return at.left + c.endAt * at.unit;
    case End::Page: return c.endAt * at.unit;
    case End::Text: break;
    }
    return 0;
}

}  // namespace

std::vector<HeaderFieldCell> HeaderFieldCells(HeaderSheet sheet, int profile, const WellHeader& h,
                                              const HeaderColumns& at)
{
    const int mine = sheet == HeaderSheet::Screen ? kScreen : kPaper;
    std::vector<HeaderFieldCell> cells;
    int line = -1;
    for (const Cell& c : kCells) {
        if (!(c.sheets & mine) || (c.profile != 0 && c.profile != profile))
            continue;
        if (c.newLine || line < 0)
            ++line;
        cells.push_back({line, c.label, at.left + c.labelAt * at.unit, c.text(h), at.left + c.valueAt * at.unit,
                         UnderlineEnd(c, at)});
    }
    return cells;
}

}  // namespace wellfile
