#pragma once
// Where the drilling-rate curve goes: the scale code of a record, the x of a rate on the minutes and
// per-hour scales (linear or logarithmic), the ten-foot averages, and the points of a run of records.
// Pure numbers; logview/draw/curveplotter.* draws them.
//
// Rates are stored in minutes per depth unit. Shown in minutes, the fast end is the track's left edge
// (the right edge with "Reverse ROP"); shown per hour (60 / minutes), the fast end is again on the left.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/gdi.h"
#include "wellfile/record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace logview {

// What the rate curve keeps between draws (view state).
struct RateCurveMemory {
    // x of the last point of the last screen draw of the well's own curve while drilling (not the
    // ten-foot strip): the next such draw starts there, so a new step joins the curve on the screen.
    std::int32_t lastRateX = 0;
    // The last offset-well curve drawn outside a drag, for the mouse handlers.
    std::vector<platform::POINT> offsetPoints;
};

// The measures and options one run of points is placed with.
struct RateScale {
    std::int32_t left = 0;   // the track edges in use (screen or printer)
    std::int32_t right = 0;
    std::int32_t cell = 10;  // p: pixels (device units) per grid cell
    bool paper = false;      // paper multipliers, no screen corrections
    bool rowStep = false;    // paper: the curve goes 4 units up after every fifth row
    bool logarithmic = false;
    bool reversed = false;
    bool perHour = false;
    float highlight = 0;     // minutes per unit; 0 or less: no highlight points
    FixedRateScale fixed;
    std::int32_t scaleIndex = 2;  // 1 two samples per record, 2 one, 3 ten-foot rows; others draw as 2
    std::int32_t fileFirstDepth = 0;

    std::int32_t Width() const { return right - left; }
    // The scale index the builders follow.
    std::int32_t Sampling() const { return scaleIndex == 1 || scaleIndex == 3 ? scaleIndex : 2; }
};
// The screen rate track, or the printer's while the device is printing.
RateScale RateScaleOf(const ViewGeometry& g, const Device& device);

// The minutes scale code of a record, 1 to 8 (0 and codes above 8 count as 1); with the fixed rate
// scale on, the table's entry at its index (the index held inside the table).
int MinutesScaleCode(const wellfile::RECORD& r, const FixedRateScale& fixed);
// The per-hour scale code of a record, 1 to 6: 0 counts as 1, 7 and above as 5 (as the scale labels).
int PerHourScaleCode(const wellfile::RECORD& r);

// Pixels per minute of the linear minutes scale of `code` for cell width p.
double PixelsPerMinute(int code, int cell, bool paper);
// x of `minutes` on the minutes scale of `code`, without the screen corrections. On the logarithmic
// scale rates below 0.1 are drawn at 0.1 unless `floorLog` is clear (the ten-foot averages).
int MinutesToX(float minutes, int code, const RateScale& s, bool floorLog = true);
// The screen correction of linear codes 2 and 3 for a sample of `v` minutes (0 for other codes, the
// logarithmic scale and paper). `curve` chooses the curve point's rule on scale index 2, else the
// highlight's.
int ScreenCorrection(float v, int code, const RateScale& s, bool curve);
// x of `perHour` units per hour on the per-hour scale of `code`, measured from `origin`.
int RatePerHourToX(float perHour, int code, int cell, int origin, const RateScale& s);
// Units per hour of a minutes value (0 or less counts as 10 minutes).
float PerHour(float minutes);

// The mean two-unit rate of the group from records[at]: three records when its depth is a multiple
// of 5, else two, never past the span's end. `used` gets the number of records taken. A mean of 0 or
// less (or no record at all) gives 0.1.
float AverageRecords(std::span<const wellfile::RECORD> records, std::size_t at, int& used);

// The points of one run: curve[i] for i = 0 .. n, and the highlight x at the same y (empty when the
// run has no highlight: per hour, ten-foot rows, or no highlight value).
struct RatePoints {
    std::vector<platform::POINT> curve;
    std::vector<platform::POINT> highlight;
    // Segments to draw: one fewer than the points.
    int Segments() const { return curve.empty() ? 0 : int(curve.size()) - 1; }
};

// Builds the points of `count` rows of records from records[first] (records on scale indexes 1 and 2,
// half rows of one averaged sample each on scale index 3). Point 0 lies at topY, on the depth line
// above the run: it takes the record before the run where there is one. `startX`, when given,
// replaces point 0's x (the last rate x while drilling; not on ten-foot rows). Nothing past the span is
// read: a run that would need more records ends early.
RatePoints BuildRatePoints(const RateScale& s, std::span<const wellfile::RECORD> records, std::size_t first,
                           int count, int rowHeight, int topY, std::optional<std::int32_t> startX = {});

}  // namespace logview
