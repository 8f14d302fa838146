#pragma once
// The show columns: the porosity and cut ratings as boxes one to three units wide ('p', 'f', 'g') or a
// diagonal one unit wide ('t'), the fluorescence percent with its quality letter, and the hardness
// percent as bars. On screen, in images and on paper (the Device tells them apart); three of them also
// draw the same column inside a custom-track cell.
//
// Each takes the records as a span and the index of its first row's record; a painter that starts from
// the value of the record before reads records[first - 1] when there is one, else starts from 0. On
// the compressed scales (index 3 and up) a row stands for five records and takes their mean.
// On screen a painter stops at the log's bottom y; images, the off-screen log and paper draw every row.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

using Records = std::span<const wellfile::RECORD>;

// A custom-track cell: its x and unit width. The fixed column is Cell{}.
struct Cell {
    int x = 0;
    int unit = 0;
};

// The porosity rating column: black boxes growing left from the column's right edge (profile 16: right
// from its left edge), the unit the column's cell less 2 (on paper the printer unit). Small letters
// only. Rows for record indexes 0 to `lastIndex` from `first`. Returns 1.
int DrawRatingColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                     std::size_t first, int rowHeight, int lastIndex, int y);
// The porosity rating in a custom-track cell: black boxes growing right from the cell's x, outlined in
// the record's rating colour (kept on a black-and-white page); capitals count too. Returns 1.
int DrawRatingColumn2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                      std::size_t first, int rowHeight, int lastIndex, int y, Cell cell);
// The cut rating column (or a cell): boxes growing right in the record's rating colour, capitals too;
// on paper without a cell the column's grid first. On scale index 2 the rows take the five-record
// mean as well. Returns 1.
int DrawCutColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int lastIndex, int y, Cell cell);
// The fluorescence percent and quality on the normal scales, `rows` rows, in the record's fluorescence
// colour: a step line from the last percent, and a box ('g'), a slope ('f') or a diagonal ('t').
// Returns 1.
int DrawBoxColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int rows, int y, Cell cell);
// The fluorescence percent on the compressed scales: five-record means as bars at most four units wide,
// `rows` rows. Returns 1.
int DrawBarColumn2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                   std::size_t first, int rowHeight, int rows, int y, Cell cell);
// The hardness percent as bars at most three units wide in the record's hardness colour, rows 0 to
// `lastRow`; it stops ten units above the file's last depth. Returns 1.
int DrawBarColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int lastRow, int y);

// The x of a screen column: its left edge, or 0 when it has no width.
int ColumnX(const layout::Column& c);

}  // namespace tracks
