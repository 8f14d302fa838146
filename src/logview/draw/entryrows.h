#pragma once
// The rate track of a running data entry, drawn again for a few rows exactly as a paint of the entry's
// records would draw it. The curve and the depth column's marks over it are drawn over all the entry's
// rows on a copy of the log, and only the rows asked for are taken from it: a curve drawn only down to
// the typed row would end (and wrap off scale) differently from the whole one.
#include "logview/depthcolumnoptions.h"
#include "logview/draw/gridstrips.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <QImage>

#include <span>

namespace logview {

// The rows a paint of `records` (record 0 above the first row) draws before its last: it stops at the
// file's last depth, a record of depth 0, the log's bottom or `count` rows.
int PaintedRows(const ViewGeometry& g, std::span<const wellfile::RECORD> records, int count);

// Rows `firstRow` to `lastRow` (0 = the first row under the top margin) of the rate track in `store`, with
// the rate curve and the track's other curves (`gammaLag` as the paint's). Returns the y range drawn as
// [top, bottom); empty when none of the rows is on the log.
std::pair<int, int> RedrawEntryRateRows(QImage& store, const ViewGeometry& g, const GridStrips& strips,
                                        NeighbourPainters& painters, const DepthColumnOptions& depthColumn,
                                        float gammaLag, std::span<const wellfile::RECORD> records, int firstRow,
                                        int lastRow);

// Rows `firstRow` to `lastRow` of the lithology, interpreted-lithology, show and hardness columns in
// `store`, as a paint of `records` draws them: each column is drawn over all the entry's rows on a copy
// of the log, from the grid strip and in the paint's order (with the lines and marks that the depth
// column and the record curves draw across them), and only the rows asked for are taken from
// it. A lithology row draws its boundaries against the row above, and a fluorescence row starts from
// the percent above it and reaches into the row above. Returns the y range drawn as [top, bottom).
std::pair<int, int> RedrawEntryRecordColumns(QImage& store, const ViewGeometry& g, const GridStrips& strips,
                                             NeighbourPainters& painters, const DepthColumnOptions& depthColumn,
                                             std::span<const wellfile::RECORD> records, int firstRow, int lastRow);

}  // namespace logview
