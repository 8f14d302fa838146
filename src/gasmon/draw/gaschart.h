#pragma once
// The real-time gas chart's painter: one day of chart samples drawn as a vertical strip chart on a Dc,
// time running down from the newest row at y = 120, gas values across, with the grid, the scale band,
// the time, depth and lag-depth labels and the cycle-end and injection marks.
#include "gasmon/chartnotes.h"
#include "gasmon/chartview.h"
#include "platform/draw/dc.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace layout {
struct PenTable;
}

namespace gasmon {

struct ChartPens {
    std::array<platform::Pen, 7> trace;  // by component index; 0 the HW trace, 6 also channel 4
    platform::Pen dotted;                // the grid's fine lines
    platform::Pen thin;                  // the minute lines
    platform::Pen dark;                  // every tenth grid line, five-minute lines, time labels
    platform::COLORREF lagText = 0;      // the lag depths written on the trace
};

// The grid's light colour, the dark lines' colour and the lag depths' colour.
constexpr platform::COLORREF kChartGridColour = platform::RGB(192, 192, 192);
constexpr platform::COLORREF kChartDarkColour = platform::RGB(96, 96, 96);
constexpr platform::COLORREF kChartLagTextColour = platform::RGB(0, 0, 160);

// Trace pens from the log's first seven pen-table entries: entry 0 as it stands, entries 1-6 their
// colours at width 1 (2 in profile 37).
ChartPens MakeChartPens(const layout::PenTable& table, int profile);
// The trace pen of a component index (one outside the table takes the nearest).
const platform::Pen& TracePen(const ChartPens& pens, int index);

// What one drawing of the chart works on.
struct ChartFrame {
    std::span<const CHARTRECORD> day;  // the day array (kChartDaySlots samples)
    int recordsLoaded = 0;             // none: nothing is drawn
    int viewStart = 0;
    int pixelsPerSample = 2;
    int scaleIndex = kDefaultChartScale;
    bool logScale = false;
    bool markInjections = true;        // off on the first drawing after the window opens
    ChartGeometry geometry;
    int noteMargin = 0;                // added to a note's text width: half the log's unit column width
};

// What a drawing found: the view start it drew from (lowered to the highest allowed), and the top row's
// sample for the read-outs (none when nothing was drawn).
struct ChartDrawn {
    int viewStart = 0;
    std::optional<CHARTRECORD> top;
    std::vector<ChartNoteBox> notes;  // every note drawn, newest first
};

// The plot, the grid (linear or logarithmic), then the samples from the view start + 800 down to the
// view start - 99 (never below sample 1): HW and channel-4 traces, time, depth and lag labels and minute
// lines and the notes, then the Chrom traces by component with ">>" at a cycle's end and "Inj>" at an
// injection.
ChartDrawn PaintChart(platform::Dc& dc, const ChartFrame& frame, const ChartPens& pens);
// The logarithmic grid with its decade labels in the scale band.
void DrawLogGrid(platform::Dc& dc, const ChartGeometry& g, const ChartPens& pens);
// The linear scale band: " <0 " at the left and the full scale at the right.
void DrawScaleLabels(platform::Dc& dc, const ChartGeometry& g, int scaleIndex);
// Clears the chart from y = 84 down to the client bottom, from the left edge to the plot right.
void ClearChartArea(platform::Dc& dc, const ChartGeometry& g, platform::COLORREF face);
// A note's label: a box from (x, y), `height` high and as wide as the text plus `margin`, the text inside
// it 2 units in. Gives the box.
platform::RECT DrawChartNote(platform::Dc& dc, int x, int y, int height, const QByteArray& text, int margin);
// The outline of a note's box being dragged or edited.
void DrawNoteOutline(platform::Dc& dc, const platform::RECT& box);
// The depth read-out of the thumb's track: a box near the plot's top right with " %-5d " of `depth`.
void DrawThumbDepth(platform::Dc& dc, const ChartGeometry& g, int depth);

}  // namespace gasmon
