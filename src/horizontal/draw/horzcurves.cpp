// The curves of the lower and upper bands with their screen fills, the slide marks and the show and
// hardness rows: record after record at the x of its depth.
#include "horizontal/draw/horzplot.h"

#include "layout/draw/penof.h"
#include "platform/gdi.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace horizontal {

using platform::Brush;
using platform::Dc;
using platform::Pen;
using platform::POINT;

namespace {

Pen PenAt(const HorzPlot& plot, int index)
{
    return layout::PenOf(plot.pens[std::size_t(index)]);
}

std::span<const POINT> Head(const std::vector<POINT>& points, int count)
{
    return std::span<const POINT>(points).first(std::size_t(std::clamp<int>(count, 0, int(points.size()))));
}

// The records the row painters walk: from the first counted one, half as many as the track points.
int RowRecords(const HorzPlot& plot, int extra)
{
    const int available = int(plot.records.size()) - plot.first;
    return std::clamp(plot.points.count / 2 + extra, 0, std::max(0, available));
}

const wellfile::RECORD& At(const HorzPlot& plot, int i)
{
    return plot.records[std::size_t(plot.first + i)];
}

// The record before record i of the walk (a zero record before the buffer).
wellfile::RECORD Before(const HorzPlot& plot, int i)
{
    const int k = plot.first + i - 1;
    return k >= 0 ? plot.records[std::size_t(k)] : wellfile::RECORD{};
}

// From x to the next record's x; one unit's width for the last.
int StepAt(const HorzPlot& plot, int i)
{
    const int k = plot.first + i;
    if (k + 1 < int(plot.records.size()) && plot.records[std::size_t(k + 1)].depth > 0)
        return RecordX(plot, plot.records[std::size_t(k + 1)].depth) - RecordX(plot, plot.records[std::size_t(k)].depth);
    return plot.pixelsPerUnit;
}

void FillBox(Dc& dc, int left, int right, int bottom, int height, platform::COLORREF colour)
{
    if (height <= 0)
        return;
    platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(colour));
    dc.SelectObject(Brush(colour));
    dc.Rectangle(left, bottom - height, right + 1, bottom + 1);
}

}  // namespace

void DrawCurve(Dc& dc, const HorzPlot& plot, std::span<const POINT> points, const Pen& pen, bool fill,
               platform::COLORREF fillColour, int bandBottom)
{
    points = PointsInWindow(plot, points);
    if (points.size() < 2)
        return;
    platform::KeepDcState keep(dc);
    dc.SelectObject(pen);
    dc.Polyline(points.data(), int(points.size()));
    if (fill)
        FillCurve(dc, plot, points, fillColour, bandBottom);
}

void FillCurve(Dc& dc, const HorzPlot& plot, std::span<const POINT> points, platform::COLORREF colour, int bandBottom)
{
    points = PointsInWindow(plot, points);
    if (points.size() < 2 || plot.printing)
        return;
    // Closed down to the band's bottom at the last x and at plotLeft, masked into what lies beneath.
    platform::KeepDcState keep(dc);
    std::vector<POINT> shape(points.begin(), points.end());
    shape.push_back({points.back().x, bandBottom});
    shape.push_back({std::min(plot.plotLeft, points.front().x), bandBottom});
    dc.SelectObject(Brush(colour));
    dc.SetROP2(platform::R2_MASKPEN);
    dc.Polygon(shape.data(), int(shape.size()));
}

void DrawGasCurves(Dc& dc, const HorzPlot& plot)
{
    const int gases = std::clamp(plot.settings->gasCount, 0, 8);
    for (int g = 0; g < gases; ++g)
        DrawCurve(dc, plot, plot.points.gas[std::size_t(g)], PenAt(plot, g), g == 0 && plot.settings->fillBehindGas,
                  plot.options.gasFillColour, plot.bands.gasBase);
    if (plot.options.co2Track)
        DrawCurve(dc, plot, plot.points.gas[8], PenAt(plot, layout::PEN_CO2), false, 0, plot.bands.gasBase);
}

namespace {

// The rate, gamma and WRT curves fill what ran off the top of their bands, wrapped round from the
// band's bottom, when any did; outlined in the fill's colour.
void FillWrap(Dc& dc, const HorzPlot& plot, std::span<const POINT> wrap, platform::COLORREF colour)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(colour));
    FillCurve(dc, plot, wrap, colour, plot.bands.lowerBase);
}

}  // namespace

void DrawRateCurve(Dc& dc, const HorzPlot& plot)
{
    const std::vector<POINT>& points = plot.settings->blockedRop ? plot.points.rateStairs : plot.points.rate;
    DrawCurve(dc, plot, points, PenAt(plot, layout::PEN_RATES), false, 0, 0);
    if (plot.points.rateWrapped)
        FillWrap(dc, plot, plot.points.rateWrap, plot.options.gasFillColour);
}

void DrawGammaCurve(Dc& dc, const HorzPlot& plot)
{
    DrawCurve(dc, plot, plot.points.gamma, PenAt(plot, layout::PEN_GAMMA), false, 0, 0);
    // The fill leaves out the points the gamma shifts moved past the plot's end.
    const int shift = std::max(0, plot.options.gammaShift);
    const std::vector<POINT>& wrap = plot.points.gammaWrap;
    if (plot.points.gammaWrapped)
        FillWrap(dc, plot, Head(wrap, int(wrap.size()) - shift), plot.options.gammaFillColour);
}

void DrawThirdCurve(Dc& dc, const HorzPlot& plot)
{
    DrawCurve(dc, plot, plot.points.third, PenAt(plot, layout::PEN_SONIC), false, 0, 0);
}

void DrawWrtGammaCurve(Dc& dc, const HorzPlot& plot)
{
    DrawCurve(dc, plot, plot.points.wrt, PenAt(plot, 6), false, 0, 0);
    if (plot.points.wrtGammaWrapped)
        FillWrap(dc, plot, plot.points.wrtWrap, plot.options.wrtFillColour);
}

void DrawSlideMarks(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(plot.options.slideColour, 4));
    dc.SetTextColor(plot.options.slideColour);
    dc.SetBkMode(platform::TRANSPARENT);
    const int y = plot.bands.lowerBase - (plot.settings->blockedRop ? 2 : 4);
    const int n = RowRecords(plot, 0);
    for (int i = 0; i < n; ++i) {
        const wellfile::RECORD& r = At(plot, i);
        const bool sliding = r.slide == 1, before = Before(plot, i).slide == 1;
        const int x = RecordX(plot, r.depth);
        if (!InWindow(plot, x - 20, x + 30))
            continue;
        if (sliding)
            platform::Line(dc, x, y, x + StepAt(plot, i), y);
        if (sliding && !before)
            dc.TextOut(x - 10, y - 10, QStringLiteral("S"));
        else if (!sliding && before)
            dc.TextOut(x + 5, y - 10, QStringLiteral("R"));
    }
}

namespace {

// One cell of a letter row: "t" a diagonal over one unit, the three box letters 1 to 3 units high.
void LetterCell(Dc& dc, int letter, int left, int x, int bottom, int unit, int rowCount, bool numbers,
                const char* boxes, platform::COLORREF colour)
{
    if (numbers) {
        if (letter == 1)
            platform::Line(dc, left, bottom, x, bottom - unit);
        else if (letter > 0)
            FillBox(dc, left, x, bottom, platform::Trunc(letter * unit * rowCount * 0.1), colour);
        return;
    }
    if (letter == 't') {
        platform::Line(dc, left, bottom, x, bottom - unit);
        return;
    }
    for (int k = 0; k < 3; ++k)
        if (letter == boxes[k] || (boxes[3] && letter == boxes[k] - 32))
            FillBox(dc, left, x, bottom, (k + 1) * unit, colour);
}

}  // namespace

void DrawShowRows(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    const HorzBands& b = plot.bands;
    const int unit = b.showRowHeight;
    const int porosityBottom = b.showsBandBottom;
    const int fluorBottom = porosityBottom - b.showRowCounts[0] * unit;
    const int cutBottom = fluorBottom - b.showRowCounts[1] * unit;
    const int fluorHeight = b.showRowCounts[1] * unit;
    for (int y : {porosityBottom, fluorBottom, cutBottom})
        platform::Line(dc, plot.plotLeft, y, b.plotRight, y);
    for (int k = 1; k <= b.showRowCounts[2]; ++k)
        platform::Line(dc, plot.plotLeft, cutBottom - k * unit, b.plotRight, cutBottom - k * unit);
    const bool numbers = wellfile::NumericShowProfile(plot.options.profile);
    const platform::COLORREF porosityFill = plot.pens[layout::PEN_POROSITY_FILL].colour;
    const int n = RowRecords(plot, 1);
    for (int i = 0; i < n; ++i) {
        const wellfile::RECORD& r = At(plot, i);
        const wellfile::RECORD before = Before(plot, i);
        const int x = RecordX(plot, r.depth);
        const int left = x - StepAt(plot, i);
        if (!InWindow(plot, left - 2, x + 2))
            continue;
        dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
        LetterCell(dc, r.porosity, left, x, porosityBottom, unit, b.showRowCounts[0], numbers, "pfg", porosityFill);
        LetterCell(dc, r.cutRating, left, x, cutBottom, unit, b.showRowCounts[2], numbers, "pfg\1", r.ratingColour);
        // Fluorescence: a level in percent of the row.
        const int percent = r.fluorPercent, quality = r.fluorQuality;
        if (percent == 0 && before.fluorPercent == 0 && quality == 0)
            continue;
        if (numbers) {
            if (quality == 1)
                platform::Line(dc, left, fluorBottom, x, fluorBottom - unit);
            else if (quality > 0)
                FillBox(dc, left, x, fluorBottom, platform::Trunc(quality * fluorHeight * 0.1), r.fluorColour);
            continue;
        }
        const int height = platform::Trunc(percent * fluorHeight * 0.01);
        if (quality != 'g') {
            const int heightBefore = platform::Trunc(before.fluorPercent * fluorHeight * 0.01);
            platform::Line(dc, left, fluorBottom - heightBefore, left, fluorBottom - height);
            platform::Line(dc, left, fluorBottom - height, x, fluorBottom - height);
        }
        if (quality == 'g')
            FillBox(dc, left, x, fluorBottom, height, r.fluorColour);
        else if (quality == 'f')
            platform::Line(dc, left, fluorBottom, x, fluorBottom - height);
        else if (quality == 't' && plot.options.profile != 2)
            platform::Line(dc, left, fluorBottom, x, fluorBottom - unit);
    }
}

void DrawHardnessRow(Dc& dc, const HorzPlot& plot)
{
    const HorzBands& b = plot.bands;
    const int n = RowRecords(plot, 1);
    for (int i = 0; i < n; ++i) {
        const wellfile::RECORD& r = At(plot, i);
        if (r.hardness == 0 && Before(plot, i).hardness == 0)
            continue;
        const int x = RecordX(plot, r.depth);
        if (!InWindow(plot, x - StepAt(plot, i) - 2, x + 2))
            continue;
        FillBox(dc, x - StepAt(plot, i), x, b.hardnessBase, platform::Trunc(r.hardness * b.hardnessHeight * 0.01),
            r.hardnessColour);
    }
}

}  // namespace horizontal
