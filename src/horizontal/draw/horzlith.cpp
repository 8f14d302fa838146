// The view's lithology symbols: one painter for the 27 symbol kinds, the legend of rocks and
// accessories under the header, and the tiles the plot's markers are stretched from.
#include "horizontal/draw/horzheader.h"
#include "horizontal/draw/horzplot.h"

#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <optional>

namespace horizontal {

using platform::COLORREF;
using platform::Dc;
using platform::POINT;
using platform::RGB;
using platform::Trunc;

namespace {

constexpr int kUnit = 10;       // symbol width u
constexpr int kRowHeight = 10;  // row height h
constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
constexpr COLORREF kDolomite = RGB(0, 192, 248), kOperatorDolomite = RGB(255, 0, 248);

enum class Fill { None, Yellow, Dolomite, Blue, Orange, PaleYellow, Grey, Red, Black };

struct Rock {
    const char* label;
    int kind;             // -1: no symbol
    Fill fill;
    POINT legendOffset;   // of the symbol from the box's top left
    POINT tileOffset;
    int boxX;
    int row;              // 0..3 the rocks, 4 the accessories
};

constexpr int u = kUnit;
// By tile number - 1.
constexpr Rock kRocks[22] = {
    {"Sand", 2, Fill::Yellow, {u, 1}, {u, 1}, 10, 0},
    {"Dolo", 1, Fill::Dolomite, {u, -1}, {u, -1}, 80, 0},
    {"Lime", 4, Fill::Blue, {u, 0}, {u, 0}, 150, 0},
    {"Chert", 5, Fill::Orange, {u / 2, -1}, {u / 2, -1}, 220, 0},
    {"Anhydrite", 3, Fill::None, {u, -2}, {u, -2}, 290, 0},
    {"Shale", 8, Fill::Grey, {u, -2}, {u, -2}, 10, 1},
    {"Carb Sh", 22, Fill::Grey, {u, -2}, {u, -2}, 80, 1},
    {"Salt", 10, Fill::None, {u, 0}, {u, 0}, 150, 1},
    {"Granite", 11, Fill::Red, {u, -2}, {u, -2}, 220, 1},
    {"Siltstone", 6, Fill::PaleYellow, {u, -1}, {u, -1}, 290, 1},
    {"Coal", -1, Fill::Black, {0, 0}, {0, 0}, 10, 2},
    {"Bentonite", 16, Fill::Grey, {u / 2, 0}, {u / 2, 0}, 80, 2},
    {"Granite Wash", 23, Fill::Red, {u / 2, -1}, {u / 2, -1}, 160, 2},
    {"Quartz Wash", 24, Fill::Yellow, {u / 2, -1}, {u / 2, -1}, 250, 2},
    {"Carb Wash", 24, Fill::Blue, {u / 2, -1}, {u / 2, -1}, 10, 3},
    {"Conglomerate", 12, Fill::Yellow, {u, 2}, {u, 2}, 90, 3},
    {"Cement", 26, Fill::Grey, {u, 2}, {u, 2}, 190, 3},
    {"GLAUC'C", 13, Fill::None, {u, 1}, {u, 1}, 10, 4},
    {"PYRITE", 17, Fill::None, {u, 15}, {2 * u, 1}, 80, 4},
    {"FOSSILS", 15, Fill::None, {u, -1}, {u, -1}, 150, 4},
    {"OOLITES", 14, Fill::None, {u, 1}, {u, 1}, 220, 4},
    {"FRACTURES", 25, Fill::None, {u / 2, -1}, {u / 2, -1}, 290, 4},
};

// The fill's colour; none for the Dc's initial brush.
std::optional<COLORREF> FillColour(Fill f, bool operatorColour)
{
    switch (f) {
    case Fill::None: return std::nullopt;
    case Fill::Yellow: return RGB(255, 255, 0);
    case Fill::Dolomite: return operatorColour ? kOperatorDolomite : kDolomite;
    case Fill::Blue: return RGB(0, 128, 255);
    case Fill::Orange: return RGB(255, 128, 0);
    case Fill::PaleYellow: return RGB(255, 255, 192);
    case Fill::Grey: return RGB(216, 216, 216);
    case Fill::Red: return kRed;
    case Fill::Black: return kBlack;
    }
    return std::nullopt;
}

// One rock's box with its symbol at `symbolAt`; the initial brush afterwards.
void DrawBox(Dc& dc, const Rock& rock, int x, int y, POINT symbolAt, int profile, bool operatorColour)
{
    if (const auto colour = FillColour(rock.fill, operatorColour))
        dc.SelectObject(platform::Brush(*colour));
    else
        dc.RestoreBrush();
    dc.SelectObject(platform::Pen(kBlack));
    dc.Rectangle(x, y, x + 4 * kUnit, y + kRowHeight);
    if (rock.kind >= 0)
        DrawLithSymbol(dc, rock.kind, symbolAt.x, symbolAt.y, kUnit, profile);
    dc.RestoreBrush();
}

void Polyline(Dc& dc, std::initializer_list<POINT> points)
{
    dc.Polyline(points.begin(), int(points.size()));
}

// The figure of `kind` once at (x, y); the caller repeats it.
void Figure(Dc& dc, int kind, int x, int y, int s, int profile)
{
    const int h = kRowHeight;
    auto at = [](double v) { return Trunc(v); };
    switch (kind) {
    case 1: platform::Line(dc, x, y + s, x + s, y); break;
    case 2:
    case 26: dc.Ellipse(x + 3, y + 2, x + 6, y + 5); break;
    case 3:
        if (wellfile::DiagonalAnhydriteProfile(profile)) {
            platform::Line(dc, x, y + h, x + s, y);
        } else {
            Polyline(dc, {{x + 1, y + h / 2}, {x + 3, y + h}, {x + s, y + 5}});
        }
        break;
    case 4: platform::Line(dc, x + 3, y, x + 3, y + h); break;
    case 5: Polyline(dc, {{x, y + h}, {x + s / 2, y}, {x + s, y + h}}); break;
    case 6: {
        const int ym = y + h / 2;
        platform::Line(dc, x - s / 2, ym, at(x + 0.4 * s), ym);
        platform::Line(dc, at(x + 0.7 * s), ym, at(x + 0.8 * s), ym);
        platform::Line(dc, x + s, ym, at(x + 1.1 * s), ym);
        break;
    }
    case 11:
        platform::Line(dc, x, y + h, x + s, y);
        platform::Line(dc, at(x + 0.6 * s), at(y + 0.5 * h), x + s, y + h);
        break;
    case 12:
        dc.Ellipse(x, y + 1, x + 8, y + 8);
        dc.Ellipse(x + 2, y + 3, x + 5, y + 6);
        dc.SetPixel(x + 5, y + 5, kBlack);
        break;
    case 13: {
        const int x0 = x - s / 2;
        Polyline(dc, {{x0, y + h / 3},
                      {at(x0 + 0.25 * s), at(y + 0.5 * h)},
                      {at(x0 + 0.5 * s), at(y + 0.33 * h)},
                      {at(x0 + 0.75 * s), at(y + 0.5 * h)},
                      {x0 + s, at(y + 0.33 * h)}});
        break;
    }
    case 14: dc.Ellipse(x, y + 2, x + 5, y + 6); break;
    case 15: {
        const double x0 = x - 0.5 * s;
        Polyline(dc, {{at(x0 + 0.55 * s), at(y + 0.67 * s)},  {at(x0 + 1.11 * s), at(y + 0.67 * s)},
                      {at(x0 + s), at(y + 0.945 * s)},         {at(x0 + 0.725 * s), at(y + 1.11 * s)},
                      {at(x0 + 0.33 * s), at(y + 1.11 * s)},   {at(x0 + 0.17 * s), at(y + s)},
                      {at(x0), at(y + 0.66 * s)},              {at(x0 + 0.112 * s), at(y + 0.445 * s)},
                      {at(x0 + 0.39 * s), at(y + 0.225 * s)},  {at(x0 + 0.66 * s), at(y + 0.225 * s)},
                      {at(x0 + 0.55 * s), at(y + 0.66 * s)}});
        break;
    }
    case 23:
    case 24: {
        const int x0 = at(x - 0.25 * s);
        const int yt = y + s / 8 + 1;
        Polyline(dc, {{x0 + 2, yt + 5}, {x0 + 3, yt + 2}, {x0 + 5, yt + 5}, {x0 + 2, yt + 5}});
        dc.Rectangle(at(x0 + 0.8 * h), y + h / 2, at(x0 + 1.3 * h), y + h);
        break;
    }
    case 25: {
        const int yt = y + s / 8 + 1;
        const POINT diamond[4] = {{x, yt + s / 2}, {x + s / 2, yt}, {x + s, yt + s / 2}, {x + s / 2, yt + s}};
        dc.Polygon(diamond, 4);
        break;
    }
    default: break;
    }
}

}  // namespace

platform::Font TextFont(const HorzPlot& plot)
{
    return plot.options.screenWidth < 1025 ? platform::Font(QStringLiteral("Arial"), 16)
                                           : platform::Font(QStringLiteral("VERDANA"), 15);
}

void DrawLithSymbol(Dc& dc, int kind, int x, int y, int s, int profile)
{
    // Black and one pixel whatever the caller had selected.
    dc.SelectObject(platform::Pen(kBlack));
    const int h = kRowHeight;
    switch (kind) {
    case 8:
        platform::Line(dc, x - s, y + 5, Trunc(x + 2.5 * s), y + 5);
        platform::Line(dc, x, y + 8, x + 3 * s, y + 8);
        return;
    case 10:
        platform::Line(dc, x - s, y + h / 2, x + 3 * s, y + h / 2);
        for (int k = 0; k <= 3; ++k)
            platform::Line(dc, x + k * s, y, x + k * s, y + h);
        return;
    case 16:
        for (int n = 0; n < 3; ++n) {
            Polyline(dc, {{x - s / 2, y + h / 3}, {x, y + h / 3}, {x + s / 2, y + h / 2}, {x + s, y + h / 2}});
            x = Trunc(x + 1.25 * s);
        }
        return;
    case 17: {
        const platform::KeepDcState keep(dc);
        dc.SetBkMode(platform::TRANSPARENT);
        dc.TextOut(x, y - 5, "p  p");
        return;
    }
    case 22:
        platform::Line(dc, x - s, y + 4, Trunc(x + 2.5 * s), y + 4);
        platform::Line(dc, x - s, y + 5, Trunc(x + 2.5 * s), y + 5);
        platform::Line(dc, x, y + 7, x + 3 * s, y + 7);
        platform::Line(dc, x, y + 8, x + 3 * s, y + 8);
        return;
    case 25:
        dc.SelectObject(platform::Pen(kRed));
        dc.SelectObject(platform::Brush(kRed));
        Figure(dc, kind, x, y, s, profile);
        Figure(dc, kind, x + 2 * s, y, s, profile);
        dc.RestoreObjects();
        return;
    case 1: case 2: case 3: case 4: case 5: case 6: case 11: case 12: case 13: case 14: case 15: case 23:
    case 24: case 26:
        Figure(dc, kind, x, y, s, profile);
        Figure(dc, kind, x + 2 * s, y, s, profile);
        return;
    default: return;  // 0, 7, 9, 18-21 and unknown kinds draw nothing
    }
}

SymbolPalette DrawLithLegend(Dc& dc, const HorzPlot& plot, int y, platform::RECT* area)
{
    dc.SelectObject(TextFont(plot));
    dc.SelectObject(platform::Pen(kBlack));
    const int profile = plot.options.profile;
    const bool operatorColour = plot.headerFacts.operatorColour;
    const int rowY[5] = {y, y + 25, y + 50, y + 75, y + 75 + 3 * kRowHeight + 2 * kRowHeight};
    dc.TextOut(10, y + 75 + 3 * kRowHeight, "ACCESSORIES");
    const int textHeight = dc.GetTextExtent("A").cy;
    platform::RECT bounds{10, y - textHeight, 10, y};
    SymbolPalette boxes{};
    for (int t = 0; t < 22; ++t) {
        const Rock& rock = kRocks[t];
        const int bx = rock.boxX, by = rowY[rock.row];
        int lx = bx, ly = by;
        if (t == 1)
            ly -= 1;  // "Dolo"
        else if (t == 12)
            lx -= kUnit;  // "Granite Wash"
        else if (t == 13)
            lx -= kUnit / 2;  // "Quartz Wash"
        else if (rock.row == 4)
            ly -= 2;
        dc.TextOut(lx, ly, rock.label);
        DrawBox(dc, rock, bx, by, {bx + rock.legendOffset.x, by + rock.legendOffset.y}, profile, operatorColour);
        boxes[std::size_t(t + 1)] = {bx, by, bx + 4 * kUnit, by + kRowHeight};
        bounds.right = std::max({bounds.right, lx + int(dc.GetTextExtent(rock.label).cx), bx + 4 * kUnit});
        bounds.bottom = std::max(bounds.bottom, by + kRowHeight);
    }
    if (area)
        *area = bounds;
    return boxes;
}

void BuildLithTiles(HorzPlot& plot)
{
    plot.lithTiles.assign(23, QImage());
    for (int t = 0; t <= 22; ++t) {
        // Black at the start, as a bitmap made for the screen: the row under the box stays so.
        platform::MemoryDc tile(kTileWidth, kTileHeight);
        if (t > 0) {
            const Rock& rock = kRocks[t - 1];
            tile.SelectObject(TextFont(plot));
            DrawBox(tile, rock, 0, 0, rock.tileOffset, plot.options.profile, plot.headerFacts.operatorColour);
        }
        plot.lithTiles[std::size_t(t)] = tile.Bitmap();
    }
}

}  // namespace horizontal
