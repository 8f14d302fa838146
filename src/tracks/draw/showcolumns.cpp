#include "tracks/draw/showcolumns.h"

#include "layout/draw/penof.h"
#include "logview/averages.h"
#include "platform/draw/dc.h"

#include <algorithm>

namespace tracks {

namespace {

using platform::COLORREF;
using platform::Dc;
using wellfile::RECORD;

constexpr COLORREF kBlack = platform::RGB(0, 0, 0);

// On the screen proper a painter stops at the log's bottom; images, the off-screen log and paper don't.
bool StopsAtBottom(const logview::Device& d) { return !d.printing && !d.imageExport && !d.offScreen; }
bool BlackAndWhite(const logview::Device& d) { return d.printing && !d.colourPrinting; }
bool PastBottom(const logview::ViewGeometry& g, const logview::Device& d, int y)
{
    return StopsAtBottom(d) && y >= g.logBottomY;
}

// The y of the next row: on paper 2 less after a drawn row whose count `n` is a multiple of 3.
int NextY(const logview::Device& d, int y, int rowHeight, long long n, bool drawn)
{
    return y + rowHeight - (drawn && d.printing && n % 3 == 0 ? 2 : 0);
}

// A percent as drawn: one above 100 was keyed in tenths.
int Percent(int v) { return v > 100 ? int(v * 0.1) : v; }

// Puts back the pen and brush a painter found.
// Units of a rating box: 'p' 1, 'f' 2, 'g' 3 (and their capitals where allowed); 0 for anything else.
int BoxUnits(std::uint16_t letter, bool capitals)
{
    switch (letter) {
    case 'p': return 1;
    case 'f': return 2;
    case 'g': return 3;
    case 'P': return capitals ? 1 : 0;
    case 'F': return capitals ? 2 : 0;
    case 'G': return capitals ? 3 : 0;
    default: return 0;
    }
}

enum class Rating { Porosity, PorosityCell, Cut };

std::uint16_t RowLetter(Rating kind, Records group, bool mean)
{
    const RECORD& rec = group.front();
    if (kind == Rating::Cut) {
        std::uint16_t letter = rec.cutRating;
        if (mean)
            logview::AvgCutRating(group, letter);
        return letter;
    }
    std::uint16_t letter = rec.porosity;
    if (mean)
        logview::AvgPorosityRating(group, letter);
    return letter;
}

// The cut column's printed grid over the first row: a line per unit, the outer two heavy, and the
// row's top line.
void CutGrid(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, int x, int unit, int y, int rowHeight)
{
    const int units = g.cut.count;
    for (int k = 0; k <= units; ++k) {
        const bool edge = k == 0 || k == units;
        dc.SelectObject(PenOf(device.printPens[edge ? logview::PRINT_PEN_HEAVY_GRID : logview::PRINT_PEN_THIN_GRID]));
        Line(dc, x + k * unit, y, x + k * unit, y + rowHeight);
    }
    dc.SelectObject(PenOf(device.printPens[logview::PRINT_PEN_THIN_GRID]));
    Line(dc, x + 2, y, x + units * unit - 2, y);
    dc.SelectObject(PenOf(device.printPens[logview::PRINT_PEN_SHOW_BORDER]));
}

int DrawRatings(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                std::size_t first, int rowHeight, int lastIndex, int y, Rating kind, Cell cell)
{
    const bool paper = device.printing;
    const logview::PrinterGeometry& P = device.printer;
    const bool growsRight = kind != Rating::Porosity || g.profile == 16;
    int x = 0, unit = 0;
    switch (kind) {
    case Rating::Porosity: {
        // Boxes grow left from x: x is the column's right edge, so a box stays inside the column.
        const int left = paper ? P.porosityLeft : ColumnX(g.porosity);
        if (left > 0)
            x = g.profile == 16 ? left : left + g.porosity.count * (paper ? P.unitWidth : g.porosity.cell);
        unit = paper ? P.unitWidth : g.porosity.cell - 2;
        break;
    }
    case Rating::PorosityCell:
        x = cell.x;
        unit = cell.unit;
        break;
    case Rating::Cut:
        x = cell.x != 0 ? cell.x : paper ? P.cutLeft : ColumnX(g.cut);
        unit = cell.x != 0 ? cell.unit : paper ? P.unitWidth : g.cut.cell;
        break;
    }
    if (x <= 0 || unit <= 0)
        return 1;

    const platform::KeepDcState keep(dc);
    const bool blackAndWhite = BlackAndWhite(device);
    if (kind == Rating::Porosity)
        dc.SelectObject(PenOf(paper ? device.printPens[logview::PRINT_PEN_SHOW_BORDER] : g.pens.table[layout::PEN_BORDER]));
    if (kind == Rating::Cut && paper && cell.x == 0)
        CutGrid(dc, g, device, x, unit, y, rowHeight);

    const bool compressed = g.scaleIndex >= 3;
    const bool mean = kind == Rating::Cut ? g.scaleIndex >= 2 : compressed;
    const int step = compressed ? logview::kGroupSize : 1;
    const long long stopDepth = (long long)g.fileLastDepth - (compressed ? 10 : 0);
    for (long long n = 0; n <= lastIndex; n += step) {
        const std::size_t index = first + std::size_t(n);
        if (index >= records.size())
            break;
        const RECORD& rec = records[index];
        if (rec.depth == 0 || rec.depth > stopDepth || PastBottom(g, device, y))
            break;
        const std::uint16_t letter = RowLetter(kind, records.subspan(index), mean);
        const int w = BoxUnits(letter, kind != Rating::Porosity) * unit;
        COLORREF colour = rec.ratingColour;
        if (kind == Rating::Cut && blackAndWhite)
            colour = kBlack;
        if (kind != Rating::Porosity)
            dc.SelectObject(platform::Pen(colour, 1));
        if (w > 0) {
            dc.SelectObject(platform::Brush(kind == Rating::Cut ? colour : kBlack));
            if (kind == Rating::Porosity)
                dc.SelectObject(platform::Pen(kBlack, 1));
            const int left = growsRight ? x : x - w;
            dc.Rectangle(left, y, left + w, y + rowHeight);
            y = NextY(device, y, rowHeight, n, true);
            continue;
        }
        if (letter == 't') {
            if (kind == Rating::Porosity && g.profile == 16)
                Line(dc, x, y + rowHeight, x + unit, y);
            else if (kind == Rating::Porosity)
                Line(dc, x - unit, y + rowHeight, x, y);
            else
                Line(dc, x, y + unit, x + unit, y);
        }
        y += rowHeight;
    }
    return 1;
}

// x and unit of a fluorescence painter: the cell's, or the column's (on paper 2 past its printed x).
struct Place {
    int x = 0;
    int unit = 0;
};
Place FluorescencePlace(const logview::ViewGeometry& g, const logview::Device& device, Cell cell)
{
    if (cell.x != 0)
        return {cell.x, cell.unit};
    if (device.printing)
        return {device.printer.fluorescenceLeft > 0 ? device.printer.fluorescenceLeft + 2 : 0, device.printer.unitWidth};
    return {ColumnX(g.fluorescence), g.fluorescence.cell};
}

}  // namespace

int ColumnX(const layout::Column& c) { return c.Width() > 0 ? c.left : 0; }

int DrawRatingColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                     std::size_t first, int rowHeight, int lastIndex, int y)
{
    return DrawRatings(dc, g, device, records, first, rowHeight, lastIndex, y, Rating::Porosity, {});
}

int DrawRatingColumn2(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                      std::size_t first, int rowHeight, int lastIndex, int y, Cell cell)
{
    return DrawRatings(dc, g, device, records, first, rowHeight, lastIndex, y, Rating::PorosityCell, cell);
}

int DrawCutColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int lastIndex, int y, Cell cell)
{
    return DrawRatings(dc, g, device, records, first, rowHeight, lastIndex, y, Rating::Cut, cell);
}

int DrawBoxColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int rows, int y, Cell cell)
{
    const auto [x, unit] = FluorescencePlace(g, device, cell);
    if (x <= 0 || unit <= 0)
        return 1;
    const platform::KeepDcState keep(dc);
    const double s = g.fluorescence.count * unit * 0.01;
    const int maxWidth = 3 * unit;
    const bool blackAndWhite = BlackAndWhite(device);
    // On paper a page goes on from the percent of the row above it.
    int p = device.printing && first > 0 && first <= records.size() ? Percent(records[first - 1].fluorPercent) : 0;
    for (int row = 0; row < rows; ++row) {
        const std::size_t index = first + std::size_t(row);
        if (index >= records.size())
            break;
        const RECORD& rec = records[index];
        if (rec.depth == 0 || PastBottom(g, device, y))
            break;
        const int v = Percent(rec.fluorPercent);
        const std::uint16_t q = rec.fluorQuality;
        if (v == 0 && p == 0 && q == 0) {
            y += rowHeight;
        } else {
            const COLORREF colour = blackAndWhite ? kBlack : COLORREF(rec.fluorColour);
            dc.SelectObject(platform::Pen(colour, 1));
            const int xv = int(x + v * s), xp = int(x + p * s);
            const int w = std::min(int(v * s), maxWidth);
            if (v < 1 || v < p || q == 'g') {
                Line(dc, xv, y, xp, y);
                if (v > 0)
                    Line(dc, xv, y, xv, y + rowHeight);
            } else {
                dc.MoveTo(xp, y);
                dc.LineTo(xv, y);
                dc.LineTo(xv, y + rowHeight);
                Line(dc, x, y, x, y + rowHeight);
            }
            if (q == 'g' && v > 0 && w > 0) {
                dc.SelectObject(platform::Brush(colour));
                dc.Rectangle(x, y, x + w, y + rowHeight);
            }
            if (q == 'f' && v > 0) {
                const int d = v < p ? xp - x : xv - x;
                Line(dc, x, y + rowHeight, xv, y - d / unit);
                Line(dc, x, y, x, y + rowHeight);
            }
            if (q == 't')
                Line(dc, x, y + rowHeight, x + unit, y);
            y = NextY(device, y, rowHeight, row, true);
        }
        if (rec.depth == g.fileLastDepth)
            break;
        p = v;
    }
    return 1;
}

int DrawBarColumn2(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                   std::size_t first, int rowHeight, int rows, int y, Cell cell)
{
    const auto [x, unit] = FluorescencePlace(g, device, cell);
    if (x <= 0 || unit <= 0)
        return 1;
    const platform::KeepDcState keep(dc);
    const double s = 4 * unit * 0.01;
    const int maxWidth = 4 * unit;
    const bool blackAndWhite = BlackAndWhite(device);
    const long long stopDepth = (long long)g.fileLastDepth - 10;
    int p = 0;
    for (int row = 0; row < rows; ++row) {
        const std::size_t index = first + std::size_t(row) * logview::kGroupSize;
        if (index >= records.size())
            break;
        const RECORD& rec = records[index];
        if (rec.depth == 0 || PastBottom(g, device, y))
            break;
        const int v = Percent(logview::AvgFluorescencePercent(records.subspan(index)));
        if (v == 0 && p == 0) {
            y += rowHeight;
            if (rec.depth > stopDepth)
                break;
            continue;
        }
        const COLORREF colour = blackAndWhite ? kBlack : COLORREF(rec.fluorColour);
        dc.SelectObject(platform::Pen(colour, 1));
        const int xv = int(x + v * s), xp = int(x + p * s);
        const int w = std::min(int(v * s), maxWidth);
        if (v >= p) {
            dc.MoveTo(xp, y);
            dc.LineTo(xv, y);
            dc.LineTo(xv, y + rowHeight);
        } else if (v > 0) {
            Line(dc, xv, y, xp, y);
            Line(dc, xv, y, xv, y + rowHeight);
        }
        if (w > 0) {
            dc.SelectObject(platform::Brush(colour));
            dc.Rectangle(x, y, x + w, y + rowHeight);
        }
        y = NextY(device, y, rowHeight, row, true);
        if (rec.depth > stopDepth)
            break;
        p = v;
    }
    return 1;
}

int DrawBarColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, Records records,
                  std::size_t first, int rowHeight, int lastRow, int y)
{
    const bool paper = device.printing;
    const int x = paper ? (device.printer.hardnessLeft > 0 ? device.printer.hardnessLeft + 2 : 0) : ColumnX(g.hardness);
    const int unit = paper ? device.printer.unitWidth : g.hardness.cell;
    if (x <= 0 || unit <= 0)
        return 1;
    const platform::KeepDcState keep(dc);
    const double s = unit * g.hardness.count * 0.01;
    const int maxWidth = 3 * unit;
    const bool blackAndWhite = BlackAndWhite(device);
    const bool compressed = g.scaleIndex >= 3;
    const long long stopDepth = (long long)g.fileLastDepth - 10;
    int p = first > 0 && first <= records.size() ? Percent(records[first - 1].hardness) : 0;
    std::size_t index = first;
    for (int row = 0; row <= lastRow && index < records.size(); ++row) {
        const RECORD& rec = records[index];
        if (rec.depth == 0 || rec.depth >= stopDepth || PastBottom(g, device, y))
            break;
        int v = rec.hardness;
        if (compressed)
            logview::AvgHardnessPercent(records.subspan(index), v);
        v = Percent(v);
        index += compressed ? logview::kGroupSize : 1;
        if (v == 0 && p == 0) {
            y += rowHeight;
            continue;
        }
        const int w = std::min(int(v * s), maxWidth);
        if (w > 0) {
            const COLORREF colour = blackAndWhite ? kBlack : COLORREF(rec.hardnessColour);
            dc.SelectObject(platform::Pen(colour, 1));
            dc.SelectObject(platform::Brush(colour));
            dc.Rectangle(x, y, x + w, y + rowHeight);
        }
        y = NextY(device, y, rowHeight, row, true);
        p = v;
    }
    return 1;
}

}  // namespace tracks
