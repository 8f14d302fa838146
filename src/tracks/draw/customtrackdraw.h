#pragma once
// What the custom-track painters share: the tracks of a paint, the working pens and fonts of the
// custom-track object and the log's top line.
#include "layout/custchartcfg.h"
#include "layout/draw/penof.h"
#include "logview/viewgeometry.h"
#include "platform/draw/gdiobjects.h"

#include <algorithm>

namespace tracks {

// The tracks to paint (as the last track walk set them, else the tracks in use), never more than the
// working set holds.
inline int TracksToPaint(const layout::CUSTOMDATA& data)
{
    const int n = data.tracksToPaint >= 0 ? std::min(data.tracksToPaint, data.trackCount) : data.trackCount;
    return std::clamp<int>(n, 0, layout::kCustomTrackCount);
}

// The working curve pens: the printer's on the printer object, else the screen's.
inline const layout::TrackPens& WorkingPens(const layout::CUSTOMDATA& data)
{
    return data.printing ? data.printPens : data.screenPens;
}
inline platform::Pen CurvePen(const layout::CUSTOMDATA& data, int track, int curve)
{
    return PenOf(WorkingPens(data)[std::size_t(track)][std::size_t(curve)]);
}

inline platform::Font FontOf(const layout::FontSpec& f) { return platform::Font(f.family, f.height, f.weight); }

// The y of the log body's first line.
inline int LogTopY(const logview::ViewGeometry& g) { return g.origin.y + g.topMargin; }

// Curve codes of the gas curves, total gas to nC5.
inline bool IsGasCode(int code) { return code >= 1 && code <= 8; }
// A custom gas scale value above this sets the maximum of the gas curves from its depth on.
constexpr int kGasScaleFloor = 8;

}  // namespace tracks
