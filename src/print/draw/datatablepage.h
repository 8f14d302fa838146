#pragma once
// The text pages of the printout that are lists rather than a log: the data table printed in place of
// the log ("Data As Text") and the list of formation tops. Both are lines of fixed-pitch text one and a
// half rows apart in the same font, so the tops line up in columns like the table.
#include "logview/draw/neighbourpainters.h"
#include "platform/draw/gdiobjects.h"
#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <QString>

#include <cstddef>
#include <span>
#include <string>

namespace platform {
class Dc;
}

namespace print {

// The table's font at row height `rowHeight`: "Courier New Bold", character height 1.4 rows and width
// 0.7 rows, fixed pitch.
platform::Font DataTableFont(int rowHeight);

// One line of the table: depth, the three rates, C1 to NC4 and total gas (whole numbers) and the
// lithology text. With `ratesPerHour` a rate above 0 is printed as 60 divided by it.
std::string DataTableLine(const wellfile::RECORD& record, bool ratesPerHour);

// The table of up to `rows` records from records[first]: its heading, a rule and one line per record,
// ending early at a record of depth 0 or at the foot of the page. Returns the records written.
int PrintDataTablePage(
    platform::Dc& dc, logview::Records records, std::size_t first, int rows, int rowHeight, bool ratesPerHour);

// The tops of the well `wellName` from tops[first] in the order given: a title, a heading and one line
// per top, ending at the foot of the page. Returns the tops written.
int DrawTopsList(platform::Dc& dc, const QString& wellName, std::span<const wellfile::TOPSEX> tops, int rowHeight,
                 std::size_t first = 0);

} // namespace print
