#pragma once
// The arithmetic of the WITS history chart's window: where the view of the day image lies, how scrolling
// moves it and how the window's parts follow its size. The day image has one row per 6-second sample
// (sample i at row 10 + i); the view index is the image row at the top of the view.
#include "app/scrolling.h"

namespace wits {

constexpr int kChartImageRows = 14400;
constexpr int kChartBandHeight = 140;  // read-outs, buttons, on-bottom box and scale header
constexpr int kChartScaleHeight = 40;  // the scale header at the band's bottom; the controls stand above it
constexpr int kChartFirstRow = 10;     // row of the first minute line and of sample 0

// Client bottom - the band - 10, never below 0.
int ChartViewHeight(int clientBottom);

// Scroll bar width: 2.5 row heights, whole pixels.
int ChartScrollBarWidth(int rowHeight);

// The part of the image shown: the image's width, or less when the window is narrower (the scroll bar
// stands right of it), at least 100 pixels.
int VisibleImageWidth(int imageWidth, int clientWidth, int rowHeight);

// The scroll bar's column: beside the image, or at the window's right edge when that comes first.
int ScrollBarLeft(int imageWidth, int clientWidth, int rowHeight);

// The view index after a scroll code: lines move 50 rows (10 with Ctrl), pages 250 (100 with Ctrl),
// the thumb sets its position, top goes to 0 and bottom to 14,400 - 300; then the index is held to the
// sample count - the view height and to 0 or more.
int ScrollViewIndex(int viewIndex, int code, int thumbPosition, bool ctrl, int sampleCount, int viewHeight);

// The image row copied to the top of the view: 200 rows above the view index on a repaint (0 at the
// least), the view index itself when scrolling.
int ImageSourceRow(int viewIndex, bool repaint);

}  // namespace wits
