#pragma once
// One row of the lithology column as a plan: which rock types the pattern painter is called with, in
// which order, where, and what the row does to the column's kept state. The painters in tracks/draw
// carry a plan out; the plan itself draws nothing, so it can be checked without pixels.
//
// A normal row is one record; on the compressed scales (scale index 3 and up) a row is five records
// averaged. The types of a row are painted in the order table of the logging-company profile, each
// with its share of the ten cells, the pattern painter filling the cells and joining each pattern to
// the row's next type. In split mode (the horizontal-well view) the items are stacked downwards: each
// moves the next one down by half its cells times the row unit.
#include "wellfile/record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tracks {

// Automatic lithology: the text the e-log classifier gives a record, or none when it does not apply
// to it (no curves loaded, the switch off, no curve row for the depth).
using AutomaticLith = std::function<std::optional<std::string>(const wellfile::RECORD&)>;

// What the row reads of the window's settings.
struct LithRowSettings {
    int profile = 0;                  // the logging-company profile: chooses the order table
    bool shaleOnLeft = false;         // "Shale On Left": order table 2
    std::int32_t scaleIndex = 1;      // 3 and up: five records per row
    bool printing = false;            // the printed log is drawn: the printer's pattern painter
    bool interpretedColumn = true;    // the interpreted column is shown; when off, the compressed row
                                      // ignores its interpreted flag
    bool textOrder = false;           // the horizontal-well view is open and wants items as written
    std::int32_t unitWidth = 10;      // split-mode advance of a normal row (the unit column width)
    std::int32_t rowUnitCompressed = 10;  // split-mode advance of a compressed row (the row height)
    bool customTrack = false;         // a custom lithology track is being drawn
    std::int32_t fileLastDepth = 0;
};

// The row asked for: records[index] (and on the compressed scales the four after it, missing ones
// read as empty), the pattern painter's fifth argument (`rowHeight`, which in split mode is the x the
// items start at), the row's top y, and the two flags.
struct LithRow {
    std::span<const wellfile::RECORD> records;
    std::size_t index = 0;
    int rowHeight = 0;
    int rowTop = 0;
    bool split = false;
    bool interpreted = false;
    // The text automatic lithology gives the record, drawn in place of its own; none when it does not
    // apply. The record is never changed.
    std::optional<std::string> automaticText;
};

// One call of a pattern painter.
struct LithPattern {
    int type = 0;
    int share = 0;        // percent, in tens: share / 10 cells
    int accessory = 0;    // 0-9
    int x = 0;            // the row's `rowHeight`: the left x in split mode, unused otherwise
    int y = 0;            // the row top at the call (moved down by earlier items in split mode)
    int mark = 0;         // 0, 1 fractures, 2
    bool split = false;
    bool interpreted = false;
};

enum class LithPainterKind { Screen, Printer };

struct LithPaintStep {
    std::optional<int> nextType;  // set before the call; none leaves the row's next type as it was
    LithPainterKind painter = LithPainterKind::Screen;
    LithPattern pattern;
};

// What the row does with the previous row's cells at its end.
enum class PreviousCells { Keep, CopyCurrent, Clear };

struct LithRowPlan {
    bool resetShareUsed = false;      // the row's painted share starts again at 0
    bool clearCurrentCells = false;
    std::vector<LithPaintStep> steps;
    std::optional<int> nextTypeAfter;  // set after the last call
    PreviousCells previous = PreviousCells::Keep;
    bool countRow = false;            // the lithology row counter goes up by 1
    int result = 0;                   // DrawLithology's result: 1 compressed or text order, else 0
};

// A row of one record; on the compressed scales outside split mode, the compressed row of the five
// records from it (result 1).
LithRowPlan PlanLithology(const LithRow& row, const LithRowSettings& s);

// The compressed row of the five records from records[index] (the horizontal-well view calls it
// directly). A group that begins with a blank record while the record before it lies within the last
// ten units of the file draws nothing; the record before is looked at only when the span holds it.
LithRowPlan PlanLithologyCompressed(const LithRow& row, const LithRowSettings& s);

// True when PlanLithology hands the row to the compressed plan.
bool LithRowIsCompressed(const LithRowSettings& s, bool split);

}  // namespace tracks
