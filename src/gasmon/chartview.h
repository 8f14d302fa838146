#pragma once
// The real-time gas chart's arithmetic, apart from its window: the plot geometry and the value axes, the
// view start (the sample 800 rows below the top row) as the scroll bar and the clock move it, the depth
// range of a day, the lines of the text view, the chart folder of a well and a new sample taken into the
// day array. The window (gasmon/ui/chartdlg.h) and its painter (gasmon/draw/gaschart.h) use these.
#include "gasmon/chartrecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>
#include <cstdint>
#include <span>

namespace gasmon {

// The day array: one day of slots and 10 more, indexed by record number.
constexpr int kChartDaySlots = kChartSlotsPerDay + 10;
// Samples between the view start and the top row.
constexpr int kChartWindowLength = 800;
// Where the view start may go: the newest row drawn is then at most sample 43,190.
constexpr int kViewStartLowest = -390;
constexpr int kViewStartHighest = kChartSlotsPerDay - 810;
constexpr int kThumbTrackHighest = kChartSlotsPerDay - 790;

// Plot layout in window pixels.
constexpr int kChartBandTop = 84;     // the scale band; the controls stand above it
constexpr int kChartPlotTop = 100;
constexpr int kChartFirstRowY = 120;  // the row of the view start + 800
constexpr int kChartPlotLeft = 20;
constexpr int kChartScrollBarWidth = 20;

// The full scales by scale index 0-6.
constexpr std::array<int, 7> kChartFullScales{100, 250, 500, 1000, 2000, 5000, 10000};
constexpr int kDefaultChartScale = 1;

struct ChartGeometry {
    int clientLeft = 0;
    int clientRight = 0;   // the client width
    int clientBottom = 0;  // the client height
    int plotLeft = kChartPlotLeft;
    int plotRight = kChartPlotLeft;
    int PlotWidth() const { return plotRight - plotLeft; }
};

// The plot of a client area: plot right = client right - 30, lowered so that the plot width is a
// multiple of 50 (never left of the plot left).
ChartGeometry ChartGeometryOf(int clientWidth, int clientHeight);

// The full scale of `scaleIndex` (an index outside 0-6 takes the default 250).
int FullScale(int scaleIndex);
// The scale index a stored value gives: 0-6 as it stands, anything else the default.
int ChartScaleIndex(std::int32_t stored);
double LinearPixelsPerUnit(const ChartGeometry& g, int scaleIndex);
// The x of `value`: linear across the full scale, or logarithmic over four decades from 1 at the plot
// left (0 and below there too); always within plot left .. plot right - 2.
int ValueX(const ChartGeometry& g, double value, int scaleIndex, bool logScale);
// The offset of k (1-10) within a decade of the logarithmic grid: trunc(plot width x log k / log 10000).
int LogGridOffset(int plotWidth, int k);

// Sample i of the day array, or none outside it.
inline bool InDayArray(long long i) { return i >= 0 && i < kChartDaySlots; }

// The view start held within kViewStartLowest .. `highest`.
int ClampViewStart(long long s, int highest = kViewStartHighest);
// The view start that puts `now` (moved by `offsetHours`) on the top row.
int ViewStartOfNow(const QTime& now, int offsetHours);
// The main window's time offset as the chart takes it: 0 outside -24 .. 24.
int ChartTimeOffset(int setting);

// The view start after a scroll-bar message (app::SB_* codes): lines of 30 samples (15 with Ctrl), pages
// of 150 (30); the thumb's position jumps to the first sample of the depth there and puts it on the top
// row; the thumb's track only moves the start (the caller draws the depth read-out, not the chart).
// Other codes leave it. The result is always within the limits.
int ScrollViewStart(std::span<const CHARTRECORD> day, int viewStart, int code, int thumbPosition, bool ctrl);
// The scroll bar's position for a view start.
inline int ScrollPositionOf(int viewStart) { return kChartSlotsPerDay - viewStart; }

// The depth range of a day: "from" is the first depth beyond the data file's first depth among samples
// 0 .. 43,099, "to" the largest depth there; 0 for none.
struct ChartDepthRange {
    int from = 0;
    int to = 0;
};
ChartDepthRange DepthRangeOf(std::span<const CHARTRECORD> day, int fileFirstDepth);
QString DepthRangeText(const ChartDepthRange& range);

// The read-outs of the top sample: its time and date (with `year`), HW and Chrom.
QString TopSampleTimeText(const CHARTRECORD& r, int year);
QString GasReadoutText(float value);

// The text view: its heading and its 100 lines from the top sample towards older ones.
QString TextViewHeading();
QString TextViewLine(const CHARTRECORD& r);
QStringList TextViewLines(std::span<const CHARTRECORD> day, int viewStart);

// The retention times line: entries 1-5 of the gas engine's table.
QString RetentionTimesText(const std::array<std::int32_t, 8>& times);

// The folder of the day files the chart shows (ends with '/'): the data folder's "chart/"; for a well
// opened from another folder, that folder's sibling "chart<n>/" when its name holds "REMOTE" and a digit
// after it, else the folder's name + "_chart/" (one holding "REMOTE" without a digit keeps the data
// folder's).
QString ChartFolderFor(const QString& dataFolder, const QString& currentFolder);

// A new sample taken into the day array at its record number: depth, lag depth, HW, Chrom, component
// index, record number, cycle end and channel 4; the slot's time, note and peak end stay. False (nothing
// changed) for a record number outside the array.
bool TakeSample(std::span<CHARTRECORD> day, const CHARTRECORD& sample);

// The window top stored when the chart closes: one at or above the main window's top (or negative) is
// kept as the main window's top + 4.
int StoredChartTop(int chartTop, int mainTop);

}  // namespace gasmon
