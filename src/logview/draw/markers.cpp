#include "logview/draw/markers.h"

#include "platform/draw/dc.h"

#include <algorithm>

namespace logview {

namespace {

using platform::COLORREF;
using platform::RGB;

enum class Window { Open, ClosedAtBottom, Wide, WideClosedAtBottom };

bool InWindow(Window w, std::int32_t d, std::int32_t from, std::int32_t to)
{
    // 64-bit: the edges of a table that was never filled hold depths near the top of the int range.
    const long long dd = d, f = from, t = to;
    switch (w) {
    case Window::Open: return f < dd && dd < t;
    case Window::ClosedAtBottom: return f < dd && dd <= t;
    case Window::Wide: return f - 2 < dd && dd < t + 2;
    case Window::WideClosedAtBottom: return f - 2 < dd && dd <= t + 2;
    }
    return false;
}

struct MarkerKind {
    Window window;
    COLORREF colour;
    bool ownPen;       // a pen of the marker's colour; else the Dc's current pen
    bool inGasTrack;   // the downtime box stands in the gas track
    const char* text;
};

void DrawMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable table, std::int32_t from, std::int32_t to,
                 const MarkerKind& kind, const DepthNumberPlaces& numbers = {})
{
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.SelectObject(platform::Brush(kind.colour));
    if (kind.ownPen)
        dc.SelectObject(platform::Pen(kind.colour, 1));
    const int R = g.rowHeight, U = g.unitWidth;
    for (const std::int32_t d : table) {
        if (d == 0)
            break;
        if (!InWindow(kind.window, d, from, to))
            continue;
        const int y = g.DepthY(d);
        platform::RECT box{g.rate.Right() - 2 * R, y - 2 * R, g.rate.Right(), y};
        int textX = g.rate.Right() - g.rate.cell;
        if (kind.inGasTrack) {
            box.left = g.gas.left + U;
            box.right = g.gas.left + 5 * U;
            textX = g.gas.left + 3 * U;
        } else if (numbers.step > 0 && d % numbers.step == 0) {
            const int shift = box.left - MarkerLeft(g, numbers);
            box.left -= shift;
            box.right -= shift;
            textX -= shift;
        }
        dc.Rectangle(box);
        dc.SetBkMode(platform::TRANSPARENT);
        dc.TextOut(textX, box.top, kind.text);
        dc.SetBkMode(keep.KeptBkMode());
    }
}

}  // namespace

int MarkerLeft(const ViewGeometry& g, const DepthNumberPlaces& numbers)
{
    const int left = g.rate.Right() - 2 * g.rowHeight;
    if (numbers.step <= 0 || left >= numbers.right || numbers.left >= g.rate.Right())
        return left;
    return numbers.left - g.unitWidth / 2 - 2 * g.rowHeight;
}

void DrawShowMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable shows, std::int32_t from, std::int32_t to,
                     const DepthNumberPlaces& numbers)
{
    DrawMarkers(dc, g, shows, from, to, {Window::Open, RGB(255, 0, 0), true, false, "S"}, numbers);
}

void DrawDstMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable dsts, std::int32_t from, std::int32_t to,
                    const DepthNumberPlaces& numbers)
{
    DrawMarkers(dc, g, dsts, from, to, {Window::Wide, RGB(0, 255, 0), true, false, "D"}, numbers);
}

void DrawReportMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable reports, std::int32_t from, std::int32_t to,
                       const DepthNumberPlaces& numbers)
{
    DrawMarkers(dc, g, reports, from, to, {Window::WideClosedAtBottom, RGB(255, 255, 0), false, false, "R"}, numbers);
}

void DrawDowntimeMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable notes, std::int32_t from, std::int32_t to)
{
    DrawMarkers(dc, g, notes, from, to, {Window::WideClosedAtBottom, RGB(255, 0, 255), false, true, "DTR"});
}

int DrawDepthMarkers(platform::Dc& dc, const ViewGeometry& g, const Device& device, int y, int rowHeight)
{
    const int x0 = device.printing ? device.printer.lithologyLeft : g.lithology.left;
    const int w = device.printing ? device.printer.lithologyCellWidth : g.lithology.cell;
    const int top = int(y - 1.5 * rowHeight);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::StockBrush(platform::BLACK_BRUSH));
    const platform::POINT left[3] = {{x0, y}, {x0, top}, {int(x0 - 1.5 * w), y}};
    const platform::POINT right[3] = {{x0 + 10 * w, y}, {x0 + 10 * w, top}, {int(x0 + 11.5 * w), y}};
    dc.Polygon(left, 3);
    dc.Polygon(right, 3);
    return 1;
}

int DrawMarkerLines(platform::Dc& dc, const ViewGeometry& g, const Device& device, std::span<const wellfile::RECORD> records,
                    int colour, int rowHeight, int columnWidth, int startY)
{
    // A monochrome print asks for black bars; the 6-pixel frame pen would cover a bar a fifth of a row
    // high, so it turns black with the brush.
    const bool black = device.printing && colour == 0;
    const COLORREF c = black ? RGB(0, 0, 0) : g.pens.SlideColour();
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(c, 6, platform::PS_INSIDEFRAME));
    dc.SelectObject(platform::Brush(c));
    const int x = device.printing ? device.printer.rateLeft : g.rate.left;
    const std::size_t n = std::min<std::size_t>(records.size(), 10);
    int y = startY;
    for (std::size_t i = 0; i < n; ++i) {
        const int next = int(y + 0.2 * rowHeight);
        if (records[i].slide == 1) {
            if (device.printing) {
                dc.Rectangle(x, y, x + columnWidth, next);
            } else {
                dc.MoveTo(x + 2, y);
                dc.LineTo(x + 2, next);
            }
        }
        y = next;
    }
    return 1;
}

}  // namespace logview
