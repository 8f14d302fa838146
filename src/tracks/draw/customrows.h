#pragma once
// How the custom-track painters walk the rows of a pass: which record a row reads, where its y goes
// next, and the pass's end on the screen.
#include "layout/custchartcfg.h"
#include "tracks/draw/customtracks.h"
#include "tracks/gasscale.h"

#include <cstdint>
#include <optional>

namespace tracks::custom {

using platform::Trunc;

// Scale index 3 draws ten records a row.
inline bool TenPerRow(const logview::ViewGeometry& g) { return g.scaleIndex == 3; }
inline long long RecordStep(const logview::ViewGeometry& g) { return TenPerRow(g) ? 10 : 1; }

// The record at `index` of the pass, or null outside the records given.
inline const wellfile::RECORD* RecordAt(const CustomPass& p, long long index)
{
    const auto& r = p.rows.records;
    return index >= 0 && index < (long long)r.size() ? &r[std::size_t(index)] : nullptr;
}

// The depth of the record at `index`; the record before the first (the grids of the ten-records-a-row
// scale start there) is one depth step above it. None outside the records.
inline std::optional<std::int32_t> DepthAt(const CustomPass& p, long long index)
{
    if (const wellfile::RECORD* r = RecordAt(p, index))
        return r->depth;
    if (index == -1 && !p.rows.records.empty())
        return std::int32_t(p.rows.records[0].depth - p.g.depthStep);
    return std::nullopt;
}

// The screen proper: not paper, not an image, not the off-screen render.
inline bool OnScreen(const layout::CUSTOMDATA& data, const CustomPass& p)
{
    return !data.printing && !p.device.printing && !p.device.imageExport && !p.device.offScreen;
}
// The screen object outside an image: the walks take the view's rows and stop at the log's bottom.
inline bool ScreenObject(const layout::CUSTOMDATA& data, const CustomPass& p)
{
    return !data.printing && !p.device.imageExport;
}

// The next row's y: one row down, on paper 4 units less after rows 0, 5, 10 ...
inline int NextRowY(const layout::CUSTOMDATA& data, int y, int rowHeight, int row)
{
    long long next = (long long)y + rowHeight;
    if (data.printing && row % 5 == 0)
        next -= 4;
    return Trunc(double(next));
}

// The grid pens of the object: minor, medium, heavy.
enum GridPen : int { kMinorPen = 0, kMediumPen = 1, kHeavyPen = 2 };

// The pen of a depth line.
inline GridPen DepthLinePen(std::int32_t depth, int heavyInterval, bool mediumLines)
{
    if (depth > 0 && depth % heavyInterval == 0)
        return kHeavyPen;
    if (mediumLines && depth > 0 && depth % 10 == 0)
        return kMediumPen;
    return kMinorPen;
}

// Writes the depth label of a depth line in the 4th, 7th, 10th and 13th track.
void DepthLabel(layout::CUSTOMDATA& data, CustomPass& p, int track, std::int32_t depth, int interval, int y);

// Vertical lines at a track's left and right x from the top y down `rows` rows, with the pen selected.
void TrackBorders(CustomPass& p, const layout::CustomTrackEntry& e, int rows);

// Restores the row-high white strip under a track for a WITS step's row.
void RestoreStrip(CustomPass& p, int x, int width);

}  // namespace tracks::custom
