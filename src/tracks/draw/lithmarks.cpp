#include "tracks/draw/lithmarks.h"

#include "platform/draw/dc.h"

#include <array>

namespace tracks {

namespace {

using platform::POINT;
using platform::RGB;

constexpr platform::COLORREF kRed = RGB(255, 0, 0);
constexpr platform::COLORREF kNearBlack = RGB(1, 1, 1);
constexpr platform::COLORREF kYellow = RGB(255, 255, 0);

template <std::size_t N>
void Polyline(platform::Dc& dc, const std::array<POINT, N>& p)
{
    dc.Polyline(p.data(), int(N));
}

template <std::size_t N>
void Polygon(platform::Dc& dc, const std::array<POINT, N>& p)
{
    dc.Polygon(p.data(), int(N));
}

// Puts back the pen and brush the device context held when it was made.
bool EvenRow(std::int32_t counter) { return (counter & 1) == 0; }

// The figures that look alike on the screen and on paper, each with its own box w x h.
bool DrawCommonAccessory(platform::Dc& dc, int accessory, int x, int y, int w, int h)
{
    const auto X = [&](double f) { return int(x + f * w); };
    const auto Y = [&](double f) { return int(y + f * h); };
    switch (accessory) {
    case 3:
        Line(dc, x + 1, y + h / 2, x + w / 2, y + h);
        dc.LineTo(x + w, y);
        return true;
    case 4:
        Line(dc, X(0.5), y, X(0.5), y + h - 1);
        return true;
    case 5:
        Polyline(dc, std::array<POINT, 3>{{{x, Y(0.9)}, {X(0.4), Y(0.1)}, {X(0.8), Y(0.9)}}});
        return true;
    case 8:
        Line(dc, x + 1, y + h / 2, x + w, y + h / 2);
        return true;
    case 9:
        dc.SelectObject(platform::Brush(kNearBlack));
        dc.Rectangle(x, y, x + w, y + h);
        return true;
    default:
        return false;
    }
}

// The rightmost pixel of a screen accessory symbol in the box at x (the sand grain sits in the cell
// being filled, at cellX): the silt dots reach one pixel past the box, the wash's block further.
int AccessoryRight(int accessory, int x, int cellX, int w, int h)
{
    switch (accessory) {
    case 2: return cellX + 5;
    case 6: return x + w;
    case 39: return x + int(1.3 * h) - 1;
    default: return x + w - 1;
    }
}

}  // namespace

void DrawLithMark(const LithPatternTarget& t, int x, int y, int mark, bool split, const LithMarkColumn* column)
{
    if (mark != 1 && mark != 2)
        return;
    platform::Dc& dc = t.dc;
    const LithMarkColumn col = column ? *column : LithMarkColumn{t.g.lithology.left, t.g.lithology.cell};
    const bool even = EvenRow(t.state.lith.rowCounter);
    const int back = (split || t.g.scaleIndex == 3) ? col.cell : 0;
    const int right = col.left + t.settings.lithCells * col.cell;
    // A custom lithology track draws in a column of its own: the lithology column's edge does not hold.
    const bool keepInside = !split && t.state.lith.customTrackX == 0;
    platform::KeepDcState keep(dc);
    if (mark == 1) {
        dc.SelectObject(platform::Pen(kRed, 1));
        dc.SelectObject(platform::Brush(kRed));
        if (even) {
            int x0 = x - back;
            if (keepInside && x0 > right - 12)
                x0 = right - 12;
            Polygon(dc, std::array<POINT, 4>{{{x0 + 4, y + 4}, {x0 + 8, y}, {x0 + 12, y + 4}, {x0 + 8, y + 8}}});
        } else {
            int xa = x + 8 - back;
            if (keepInside && xa > right - 12)
                xa = right - 12;
            Polygon(dc, std::array<POINT, 4>{{{xa, y + 4}, {xa + 4, y}, {xa + 8, y + 4}, {xa + 4, y + 8}}});
        }
        return;
    }
    int x0 = x - back + (even ? 0 : 12);
    if (keepInside && x0 > right - 8)
        return;
    Polyline(dc, std::array<POINT, 5>{
                     {{x0 + 1, y + 3}, {x0 + 3, y + 1}, {x0 + 5, y + 3}, {x0 + 7, y + 1}, {x0 + 9, y + 3}}});
}

void PrintLithMark(const LithPatternTarget& t, int size, int x, int y, int mark)
{
    if (mark != 1 && mark != 2)
        return;
    const logview::PrinterGeometry& p = t.device.printer;
    if (x > p.lithologyLeft + (t.settings.lithCells - 1) * size)
        return;
    platform::Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    const int top = y + size / 8 + 1;
    if (mark == 1) {
        if (t.device.colourPrinting) {
            dc.SelectObject(platform::Pen(kRed, 1));
            dc.SelectObject(platform::Brush(kRed));
        }
        Polygon(dc, std::array<POINT, 4>{{{x, top + size / 2},
                                           {x + size / 2, top},
                                           {x + size, top + size / 2},
                                           {x + size / 2, top + size}}});
        return;
    }
    Polyline(dc, std::array<POINT, 5>{
                     {{x + 5, top + 20}, {x + 12, top + 15}, {x + 19, top + 20}, {x + 26, top + 15}, {x + 32, top + 20}}});
}

void DrawAccessorySymbol(const LithPatternTarget& t, int accessory, int x, int y, bool split, bool interpreted)
{
    if (!((accessory >= 1 && accessory <= 9) || accessory == 39))
        return;
    interpreted = interpreted && t.settings.interpretedLith;
    const bool printing = t.device.printing;
    const logview::PrinterGeometry& p = t.device.printer;
    const int w = printing ? p.lithologyCellWidth : t.g.unitWidth;
    const int h = printing ? p.rowHeight : t.g.rowHeight;
    const int cells = t.settings.lithCells;
    const bool customTrack = t.state.lith.customTrackX != 0;
    if (!printing) {
        const int left = t.g.lithology.left;
        if (!split && !interpreted && !customTrack) {
            if (x > left + (cells - 1) * w)
                return;
            if (x < left)
                x = left + 1;
        }
        // The interpreted column's cells are narrower than a symbol: one that would reach past its ten
        // cells (the fill's right end) is left out, one left of them moved in, as in the lithology column.
        if (interpreted && !split && !customTrack) {
            const int first = t.g.Interpreted().left, end = first + 10 * t.g.InterpretedCell();
            if (x < first)
                x = first + 1;
            if (AccessoryRight(accessory, x, t.state.lith.cellX, w, h) >= end)
                return;
        }
    } else {
        if (!customTrack && x > p.lithologyLeft + cells * w)
            return;
        if (x < p.lithologyLeft)
            x = p.lithologyLeft + 1;
    }

    platform::Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    const int cx = x + w / 2 + 2, cy = y + h / 2, q = w / 5, r = (w / 2) / 2;
    const auto X = [&](double f) { return int(x + f * w); };
    if (DrawCommonAccessory(dc, accessory, x, y, w, h))
        return;
    switch (accessory) {
    case 1:
        if (printing)
            Line(dc, x, y + h, X(0.8), y + 3);
        else
            Line(dc, x, y + h, x + w, y);
        break;
    case 2:
        if (t.device.colourPrinting || !printing)
            dc.SelectObject(platform::Brush(kYellow));
        if (printing) {
            dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
        } else {
            // The grain sits in the cell being filled, wherever the caller put the box.
            const int gx = t.state.lith.cellX + 3;
            dc.Ellipse(gx, y + 2, gx + 3, y + 5);
        }
        break;
    case 6:
        if (printing) {
            dc.Ellipse(cx - q / 2, cy - q / 2, cx + q / 2, cy + q / 2);
            dc.Ellipse(x + w - q / 2, cy - q / 2, x + w + q / 2, cy + q / 2);
        } else if (split) {
            dc.SetPixel(x, y + 3, RGB(0, 0, 0));
            dc.SetPixel(x, y + 6, RGB(0, 0, 0));
        } else {
            dc.SetPixel(x + 7, y + 3, RGB(0, 0, 0));
            dc.SetPixel(x + 10, y + 3, RGB(0, 0, 0));
        }
        break;
    case 7:
        if (printing) {
            const double H = p.rowHeight, V = p.rowSize;
            Polyline(dc, std::array<POINT, 6>{{{x, int(y + 0.9 * H)},
                                               {x, int(y + 0.4 * H)},
                                               {int(x + 0.3 * V), int(y + 0.5 * H)},
                                               {int(x + 0.4 * V), int(y + 0.6 * H)},
                                               {int(x + 0.3 * V), int(y + 0.7 * H)},
                                               {x, int(y + 0.7 * H)}}});
        } else {
            Polyline(dc, std::array<POINT, 6>{
                             {{x, y + h - 2}, {x, y + 3}, {x + 2, y + 3}, {x + 2, y + 4}, {x + 1, y + 5}, {x, y + 6}}});
        }
        break;
    case 39:
        if (printing) {
            Polyline(dc, std::array<POINT, 4>{{{x - 6, y + 6}, {x + 2, y - 6}, {x + 10, y + 8}, {x - 6, y + 6}}});
            dc.Rectangle(cx - r, cy - r, cx + r, cy + r);
        } else {
            // The block scales with the row height, not with the box's width.
            Polyline(dc, std::array<POINT, 4>{{{x + 2, y + 5}, {x + 3, y + 2}, {x + 5, y + 5}, {x + 2, y + 5}}});
            dc.Rectangle(int(x + 0.8 * h), y + h / 2, int(x + 1.3 * h), y + h);
        }
        break;
    default:
        break;
    }
}

}  // namespace tracks
