#pragma once
// The WITS history chart's day image: one pixel row per 6-second sample, time running down, four charts
// side by side with a minute grid and two curves each, drawn once for the whole day; the window copies
// the part in view. The scale header is drawn on the window's top band.
#include "platform/draw/gdiobjects.h"
#include "wellfile/witsrecord.h"
#include "wits/chartsettings.h"

#include <QImage>

namespace platform {
class Dc;
}

namespace wits {

// The least hole depth of the day (its first positive whole depth) and the greatest, 0 when none.
struct LoadedDepthRange {
    int least = 0;
    int greatest = 0;
};

// "Courier New", fixed pitch, for a log row height of `rowHeight` pixels.
platform::Font ChartFont(int rowHeight);

// A white RGB32 image of the chart's width and 14,400 rows.
QImage MakeChartImage(const ChartBlocks& blocks);

// Minute lines across every chart (blue every tenth, else light grey) with their block ticks below.
void DrawGrid(platform::Dc& dc, const ChartBlocks& blocks);

// Both curves of every chart from the loaded day (at most the image's rows), with the time labels,
// curve labels, hole-depth ticks and lag depths on the way. A day of 10 samples or fewer draws nothing.
LoadedDepthRange DrawCurves(platform::Dc& dc, const ChartBlocks& blocks, const wellfile::WITSRECORD* samples, int count,
                            int rowHeight);

// Fills the image white and draws the grid and the curves.
LoadedDepthRange DrawChartImage(platform::Dc& dc, const ChartBlocks& blocks, const wellfile::WITSRECORD* samples, int count,
                                int rowHeight);

// The scale header at the bottom of the window's top band: each chart framed, each curve's range at
// its ends in the curve's colour.
void DrawScales(platform::Dc& dc, const ChartBlocks& blocks, int rowHeight);

// Copies the image into the view area below the band, from the row the view index gives.
void ShowImage(platform::Dc& window, const QImage& image, int viewIndex, int viewHeight, bool repaint);

}  // namespace wits
