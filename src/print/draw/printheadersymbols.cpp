#include "print/draw/printheadersymbols.h"

#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <array>
#include <initializer_list>

namespace print {

namespace {

using platform::POINT;

using platform::Trunc;

struct Symbol {
    platform::Dc& dc;
    const LegendSymbolStyle& style;
    int x, y, w, R;

    void Line(int x0, int y0, int x1, int y1) { platform::Line(dc, x0, y0, x1, y1); }
    void Path(std::initializer_list<POINT> points) { dc.Polyline(points.begin(), int(points.size())); }

    // Most motifs stand twice in a cell, at x and 2 w to the right.
    template <class F>
    void Twice(F&& motif)
    {
        motif(x);
        motif(x + 2 * w);
    }

    void Dolomite(int a) { Line(a, y + R, a + w, y); }
    void SandDot(int a) { dc.Ellipse(a + w / 5, y + R / 3, a + w / 2, y + R - 8); }

    // The two claystone lines; `doubled` draws each again 3 pixels towards the other.
    void ClayLines(bool doubled)
    {
        const int upper = y + R / 4;
        const int lower = y + Trunc(0.7 * R);
        Line(x - w, upper, Trunc(x + 3.5 * w), upper);
        Line(x, lower, x + 4 * w, lower);
        if (doubled) {
            Line(x - w, upper + 3, Trunc(x + 3.5 * w), upper + 3);
            Line(x, lower - 3, x + 4 * w, lower - 3);
        }
    }

    // The grain and the square of the washes, twice from a quarter unit left of `left`, with their
    // heights in units of w from `top`.
    void Wash(int left, int top)
    {
        const int first = Trunc(left - 0.25 * w);
        for (const int a : {first, first + 2 * w}) {
            const int base = top + w / 2;
            Path({{Trunc(a + 0.25 * w), base}, {a + w / 2, top}, {Trunc(a + 0.75 * w), base},
                  {Trunc(a + 0.25 * w), base}});
            dc.Rectangle(Trunc(a + 0.8 * w), base, Trunc(a + 1.3 * w), top + w);
        }
    }

    void Fractures()
    {
        const platform::KeepDcState keep(dc);
        if (style.colourPrint) {
            dc.SelectObject(platform::Pen(platform::RGB(255, 0, 0), 1));
            dc.SelectObject(platform::Brush(platform::RGB(255, 0, 0)));
        }
        // Two slanted slivers, as cracks cross a rock.
        for (const double a : {0.3, 1.8}) {
            const std::array<POINT, 4> p{{{Trunc(x + a * w), y + R - 3},
                                          {Trunc(x + (a + 0.7) * w), y + 3},
                                          {Trunc(x + (a + 1.1) * w), y + 3},
                                          {Trunc(x + (a + 0.4) * w), y + R - 3}}};
            dc.Polygon(p.data(), int(p.size()));
        }
    }

    void Fossil(int a)
    {
        static constexpr std::array<std::array<double, 2>, 11> kShell{{{0.55, 0.67}, {1.11, 0.67}, {1.0, 0.945},
                                                                       {0.725, 1.11}, {0.33, 1.11}, {0.17, 1.0},
                                                                       {0.0, 0.66}, {0.112, 0.445}, {0.39, 0.225},
                                                                       {0.66, 0.225}, {0.55, 0.66}}};
        std::array<POINT, kShell.size()> p;
        for (std::size_t i = 0; i < kShell.size(); ++i)
            p[i] = {Trunc(a + kShell[i][0] * w), Trunc(y + kShell[i][1] * w)};
        dc.Polyline(p.data(), int(p.size()));
    }

    // Kinds 27-35: the form the shale's pen entry asks for.
    void Shale(const layout::PenEntry& e)
    {
        const int middle = y + R / 2;
        if (!e.transparent && !e.lithCustom) {
            ClayLines(false);
        } else if (!e.lithCustom) {
            for (const int a : {x, Trunc(x + 2.5 * w)}) {
                Line(a, middle, a + w / 2, middle);
                Line(a, middle + 2, a + w / 2, middle + 2);
            }
        } else {
            for (const int a : {x, Trunc(x + 2.5 * w)}) {
                Line(a - w / 2, middle, a + w / 2, middle);
                Line(a, middle - R / 4, a, middle + R / 4);
            }
            if (e.lithWash)
                Wash(x - 4 * w, y - R / 4);
        }
    }

    void Draw(int kind)
    {
        switch (kind) {
        case 1:
            Twice([&](int a) { Dolomite(a); });
            break;
        case 2:
            Twice([&](int a) { SandDot(a); });
            break;
        case 3:
            if (wellfile::DiagonalAnhydriteProfile(style.profile))
                Twice([&](int a) { Dolomite(a); });
            else
                Twice([&](int a) { Path({{a + 1, y + R / 2}, {a + 3, y + R}, {a + w, y + 5}}); });
            break;
        case 4:
            Twice([&](int a) { Line(a + 3, y, a + 3, y + R); });
            break;
        case 5:
            Twice([&](int a) { Path({{a, y + R}, {a + w / 2, y}, {a + w, y + R}}); });
            break;
        case 6:
            Twice([&](int a) {
                const int middle = y + R / 2;
                Line(a - w / 2, middle, Trunc(a + 0.4 * w), middle);
                Line(Trunc(a + 0.7 * w), middle, Trunc(a + 0.8 * w), middle);
                Line(a + w, middle, Trunc(a + 1.1 * w), middle);
            });
            break;
        case 8:
            ClayLines(false);
            break;
        case 10:
            Line(x - w, y + R / 2, x + 4 * w, y + R / 2);
            for (int i = 0; i < 4; ++i)
                Line(x + i * w, y, x + i * w, y + R);
            break;
        case 11:
            Twice([&](int a) {
                Line(a, y + R, a + w, y);
                Line(Trunc(a + 0.6 * w), y + R / 2, a + w, y + R);
            });
            break;
        case 12:
            Twice([&](int a) {
                dc.Ellipse(a + w / 8, y + R / 6, Trunc(a + 0.8 * w), y + R - 5);
                SandDot(a);
            });
            break;
        case 13: {
            const int first = x - w / 2;
            for (const int a : {first, first + 2 * w})
                Path({{a, y + R / 3},
                      {Trunc(a + 0.25 * w), y + R / 2},
                      {Trunc(a + 0.5 * w), Trunc(y + 0.33 * R)},
                      {Trunc(a + 0.75 * w), y + R / 2},
                      {a + w, Trunc(y + 0.33 * R)}});
            break;
        }
        case 14:
            dc.Ellipse(Trunc(x + 0.25 * w), Trunc(y + 0.25 * R), Trunc(x + 0.6 * w), y + R - 7);
            break;
        case 15:
            Twice([&](int a) { Fossil(a); });
            break;
        case 16:
            for (int i = 0; i < 3; ++i) {
                const int a = x + Trunc(i * 1.5 * w);
                Path({{a - w / 2, y + R / 3}, {a, y + R / 3}, {a + w / 2, y + R / 2}, {a + w, y + R / 2}});
            }
            break;
        case 17: {
            const platform::KeepDcState keep(dc);
            dc.SetBkMode(platform::TRANSPARENT);
            Twice([&](int a) { dc.TextOut(a, y - 8, "p "); });
            break;
        }
        case 22:
            ClayLines(true);
            break;
        case 23:
        case 24:
            Wash(x, y);
            break;
        case 25:
            Fractures();
            break;
        case 26:
            Twice([&](int a) { SandDot(a); });
            break;
        default:
            if (kind >= 27 && kind <= 35 && style.pens)
                Shale(style.pens->entry[kind + 17]);
            break;
        }
    }
};

}  // namespace

void DrawLegendSymbol(platform::Dc& dc, const LegendSymbolStyle& style, int kind, int x, int y, int w)
{
    if (kind < 0 || kind > 35 || style.rowHeight <= 0)
        return;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), Trunc(0.25 * w)));
    Symbol{dc, style, x, y, w, style.rowHeight}.Draw(kind);
}

}  // namespace print
