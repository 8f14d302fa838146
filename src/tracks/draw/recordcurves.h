#pragma once
// The curves drawn straight from fields of the depth records, each one polyline down its track: gamma
// and real-time gamma (several samples a record) and weight on bit (two) across the curve track, CO2
// across the gas track (linear, reversed or logarithmic), and the printed curve track's grid of four
// decades. On the screen or on paper by the device.
//
// Each curve draws `count` rows (records) from records[first], the first with its top at y. With
// `continued` the first row joins the end of records[first - 1] (a one-row repaint), the gamma and weight
// on bit holding a dropped sample as the whole curve does over the two records before; without it, or
// when there is no record before, the curve starts afresh. They never read past `records`. Each returns 1.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

using RecordRun = std::span<const wellfile::RECORD>;

// The gamma curve; `unitHeight` is the height of one depth unit. Stops before a record at the file's
// last depth and, on the screen, at the log's bottom.
int DrawRecordCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TrackSettings& s, RecordRun records, std::size_t first, int count, int unitHeight, int y,
                    bool continued);
// The real-time gamma curve, drawn the real-time gamma offset above its records.
int DrawDataCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, RecordRun records, std::size_t first, int count, int unitHeight, int y,
                  bool continued);
// The weight-on-bit curve: two samples a row of `rowHeight`; five records a row from scale index 2 on.
int DrawLinearCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    RecordRun records, std::size_t first, int count, int rowHeight, int y, bool continued);
// The CO2 curve, one value a row (on the compressed scales the greatest over five records). Hands the
// call to DrawReversedCurve when the curve is reversed and the gas scales are not logarithmic.
int DrawAveragedCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                      const TrackSettings& s, RecordRun records, std::size_t first, int count, int rowHeight, int y,
                      bool continued);
// The CO2 curve measured from the gas track's right edge.
int DrawReversedCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                      const TrackSettings& s, RecordRun records, std::size_t first, int count, int rowHeight, int y,
                      bool continued);

// Draws `rows` rows of the printed four-decade grid (0.2 to 2000) from `left` to `right`, from y, each
// `rowHeight` high, and keeps the x of its last line as the printed grid's right edge and its width.
int PrintCurveLogGrid(platform::Dc& dc, const logview::Device& device, PainterState& state, int rowHeight, int y,
                      int rows, int left, int right);

}  // namespace tracks
