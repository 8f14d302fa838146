#include "logview/draw/lithlegend.h"

#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <array>
#include <string>

namespace logview {

namespace {

using platform::Brush;
using platform::COLORREF;
using platform::Pen;
using platform::POINT;
using platform::RGB;

// Fractional positions are worked out in floating point and cut toward zero.
using platform::Trunc;

const COLORREF kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255), kBlue = RGB(0, 128, 255),
               kOrange = RGB(255, 128, 0), kLightGrey = RGB(192, 192, 192), kGrey = RGB(130, 130, 130),
               kRed = RGB(255, 0, 0), kLightOrange = RGB(255, 182, 108), kWhite = RGB(255, 255, 255);

struct Symbols {
    platform::Dc& dc;
    const ViewGeometry& g;
    const LithLegendFlags& flags;

    void Line(int x0, int y0, int x1, int y1) { platform::Line(dc, x0, y0, x1, y1); }
    void Path(std::initializer_list<POINT> points)
    {
        auto it = points.begin();
        dc.MoveTo(it->x, it->y);
        for (++it; it != points.end(); ++it)
            dc.LineTo(it->x, it->y);
    }

    // Draws the figure at x and, when twice, again 2 w further right.
    void Draw(int kind, int x, int y, int w)
    {
        const int R = g.rowHeight, U = g.unitWidth;
        const int yb = y + 1 + w / 8;
        auto twice = [&](auto figure) {
            figure(x);
            figure(x + 2 * w);
        };
        switch (kind) {
        case 1:  // Dolo
            twice([&](int a) { Line(a, y + U, a + w, y); });
            break;
        case 2:   // Sand
        case 26:  // Cement
            twice([&](int a) { dc.Ellipse(a + 3, y + 2, a + 6, y + 5); });
            break;
        case 3:  // Anhydrite: a diagonal for some companies, a tick for the others
            if (wellfile::DiagonalAnhydriteProfile(g.profile))
                twice([&](int a) { Line(a, y + R, a + w, y); });
            else
                twice([&](int a) { Path({{a + 1, y + R / 2}, {a + 3, y + R}, {a + w, y + 5}}); });
            break;
        case 4:  // Lime, Chalk
            twice([&](int a) { Line(a + 3, y, a + 3, y + R); });
            break;
        case 5:  // Chert
            twice([&](int a) { Path({{a, y + R}, {a + w / 2, y}, {a + w, y + R}}); });
            break;
        case 6: {  // Siltstone
            const int ym = y + R / 2;
            twice([&](int a) {
                Line(a - w / 2, ym, Trunc(a + 0.4 * w), ym);
                Line(Trunc(a + 0.7 * w), ym, Trunc(a + 0.8 * w), ym);
                Line(a + w, ym, Trunc(a + 1.1 * w), ym);
            });
            break;
        }
        case 8:  // clay and the shales
            Line(x - w, y + 5, Trunc(x + 2.5 * w), y + 5);
            Line(x, y + 8, x + 3 * w, y + 8);
            break;
        case 10:  // Salt
            Line(x - w, y + R / 2, x + 3 * w, y + R / 2);
            for (int i = 0; i <= 3; ++i)
                Line(x + i * w, y, x + i * w, y + R);
            break;
        case 11:  // Granite
            twice([&](int a) {
                Line(a, y + R, a + w, y);
                Line(Trunc(a + 0.6 * w), Trunc(y + 0.5 * R), a + w, y + R);
            });
            break;
        case 12:  // Cong
            twice([&](int a) {
                dc.Ellipse(a, y + 1, a + 8, y + 8);
                dc.Ellipse(a + 2, y + 3, a + 5, y + 6);
                dc.SetPixel(a + 5, y + 5, RGB(0, 0, 0));
            });
            break;
        case 13: {  // glauconite
            const int s = x - w / 2;
            auto figure = [&](int a) {
                Path({{a, y + R / 3},
                      {Trunc(a + 0.25 * w), Trunc(y + 0.5 * R)},
                      {Trunc(a + 0.5 * w), Trunc(y + 0.33 * R)},
                      {Trunc(a + 0.75 * w), Trunc(y + 0.5 * R)},
                      {a + w, Trunc(y + 0.33 * R)}});
            };
            figure(s);
            figure(s + 2 * w);
            break;
        }
        case 14:  // oolites
            twice([&](int a) { dc.Ellipse(a, y + 2, a + 5, y + 6); });
            break;
        case 15: {  // fossils: one open shell outline
            const int s = Trunc(x - 0.5 * w);
            static constexpr std::array<std::array<double, 2>, 11> kShell{{{0.55, 0.67}, {1.11, 0.67}, {1.0, 0.945},
                                                                           {0.725, 1.11}, {0.33, 1.11}, {0.17, 1.0},
                                                                           {0.0, 0.66}, {0.112, 0.445}, {0.39, 0.225},
                                                                           {0.66, 0.225}, {0.55, 0.66}}};
            for (const int a : {s, s + 2 * w}) {
                std::array<POINT, kShell.size()> p;
                for (std::size_t i = 0; i < kShell.size(); ++i)
                    p[i] = {Trunc(a + kShell[i][0] * w), Trunc(y + kShell[i][1] * w)};
                dc.Polyline(p.data(), int(p.size()));
            }
            break;
        }
        case 16: {  // Bentonite
            int a = x;
            for (int i = 0; i < 3; ++i) {
                Path({{a - w / 2, y + R / 3}, {a, y + R / 3}, {a + w / 2, y + R / 2}, {a + w, y + R / 2}});
                a = Trunc(a + 1.25 * w);
            }
            break;
        }
        case 17: {  // pyrite
            const platform::KeepDcState keep(dc);
            dc.SetBkMode(platform::TRANSPARENT);
            dc.TextOut(x, y - 7, "p  p");
            break;
        }
        case 22:  // Carb Sh
            Line(x - w, y + 4, Trunc(x + 2.5 * w), y + 4);
            Line(x - w, y + 5, Trunc(x + 2.5 * w), y + 5);
            Line(x, y + 7, x + 3 * w, y + 7);
            Line(x, y + 8, x + 3 * w, y + 8);
            break;
        case 23:
        case 24: {  // the washes: a grain and a square filled with the box's colour
            const int s = Trunc(x - 0.25 * w);
            for (const int a : {s, s + 2 * w}) {
                Path({{a + 2, yb + 5}, {a + 3, yb + 2}, {a + 5, yb + 5}, {a + 2, yb + 5}});
                dc.Rectangle(Trunc(a + 0.8 * R), y + R / 2, Trunc(a + 1.3 * R), y + R);
            }
            break;
        }
        case 25:  // fractures
            twice([&](int a) {
                if (flags.colourPrinting) {
                    dc.SelectObject(Brush(kRed));
                    dc.SelectObject(Pen(kRed, 1));
                }
                const std::array<POINT, 4> p{{{a, yb + w / 2}, {a + w / 2, yb}, {a + w, yb + w / 2}, {a + w / 2, yb + w}}};
                dc.Polygon(p.data(), int(p.size()));
            });
            break;
        case 30:  // custom rock drawn as clay
            dc.SelectObject(Pen(RGB(0, 0, 0), 2));
            twice([&](int a) { Line(a, yb + 1, a + 6, yb + 1); });
            break;
        case 37:  // Volc
            twice([&](int a) { Path({{a, y}, {a + w / 2, y + R}, {a + w, y}}); });
            break;
        case 39:
        case 40: {  // custom rock types: crosses, and for a wash grains and squares as well
            int s = x - w;
            for (int round = 0; round < 3; ++round) {
                Line(s, yb, s + w, yb);
                Line(Trunc(s + 0.5 * w), yb - R / 2 + 1, Trunc(s + 0.5 * w), yb + R / 2 + 1);
                if (kind == 40) {
                    Path({{s, yb}, {s + 2, yb - 4}, {s + 4, yb}, {s, yb}});
                    if (round < 2)
                        dc.Rectangle(Trunc(s + 0.8 * R), yb, Trunc(s + 1.3 * R), yb + R / 2);
                }
                s = Trunc(s + 1.5 * w);
            }
            break;
        }
        default:
            break;
        }
    }
};

enum class Fill { Own, Always, None };

struct Legend {
    platform::Dc& dc;
    const ViewGeometry& g;
    const layout::LogPens& pens;
    const LithLegendFlags& flags;

    COLORREF EntryColour(int entry) const { return platform::ResolveColor(pens.table.entry[entry].colour); }

    void Symbol(int kind, int x, int y) { DrawLithLegendSymbol(dc, g, flags, kind, x, y, g.unitWidth); }

    // One box of rows 1 to 5: its own brush only while the image has colours (Dolo's and Coal's always),
    // kept for the symbol so filled figures take the box's colour unless `earlyRestore`.
    void Box(int L, int T, COLORREF colour, Fill fill, bool earlyRestore, POINT label, const std::string& text,
             int kind, POINT symbol)
    {
        const bool own = fill == Fill::Always || (fill == Fill::Own && !flags.oneBitImage);
        const platform::KeepDcState keep(dc);
        if (own)
            dc.SelectObject(Brush(colour));
        dc.Rectangle(L, T, L + 4 * g.unitWidth, T + g.rowHeight);
        if (own && earlyRestore)
            dc.SelectObject(keep.KeptBrush());
        dc.TextOut(label.x, label.y, text.c_str(), int(text.size()));
        if (kind > 0)
            Symbol(kind, symbol.x, symbol.y);
    }

    // The six custom rock types; each reads only its own entry. Returns nothing; a wash of types 1, 2, 4
    // or 5 pushes the later boxes 2 U right.
    void CustomRow(int X, int T)
    {
        const int U = g.unitWidth;
        std::array<int, 6> left{};
        std::array<bool, 6> wash{};
        auto shifted = [&](int k) { return left[k] + (wash[k] ? 2 * U : 0); };
        for (int k = 0; k < 6; ++k) {
            switch (k) {
            case 0: left[k] = X; break;
            case 1: left[k] = Trunc(shifted(0) + 4.5 * U); break;
            case 2: left[k] = shifted(1) + 5 * U; break;
            case 3: left[k] = Trunc(left[2] + 4.5 * U); break;  // a wash in type 3 moves nothing
            case 4: left[k] = Trunc(shifted(3) + 4.5 * U); break;
            case 5: left[k] = shifted(4) + 5 * U; break;
            }
            const int entry = layout::PEN_FIRST_CUSTOM_SHADE + k;
            const layout::PenEntry& e = pens.table.entry[entry];
            const std::string label = platform::FieldText(e.lithLabel);
            const std::string number = std::to_string(k + 1);
            const int L = left[k];
            const bool own = !flags.oneBitImage;
            const platform::KeepDcState keep(dc);
            if (own)
                dc.SelectObject(Brush(EntryColour(entry)));
            dc.Rectangle(L, T, L + 4 * U, T + g.rowHeight);
            if (e.transparent) {  // "Draw As Clay"
                const std::string text = label.empty() ? "Cust " + number : label;
                dc.TextOut(L, T, text.c_str(), int(text.size()));
                Symbol(30, L + U, T + 2);
            } else if (!e.lithCustom) {
                const std::string text = k == 0 ? std::string("CUST1") : "Cust " + number;
                dc.TextOut(L, T, text.c_str(), int(text.size()));
                Symbol(8, L + U, T - 2);
            } else {
                wash[k] = e.lithWash != 0;
                Symbol(wash[k] ? 40 : 39, L + U, T + 2);
                dc.TextOut(L, T, label.c_str(), int(label.size()));
            }
        }
    }

    void Draw(int X, int Y, bool originGiven)
    {
        const int R = g.rowHeight, U = g.unitWidth;
        const Brush black = platform::StockBrush(platform::BLACK_BRUSH);
        const Brush white = platform::StockBrush(platform::WHITE_BRUSH);

        int T = Y;
        Box(X, T, kYellow, Fill::Own, true, {X, T}, "Sand", 2, {X + U, T + 1});
        int L = X + 5 * U;
        Box(L, T, kCyan, Fill::Always, true, {L, T - 1}, "Dolo", 1, {L + U, T - 1});
        L = X + 10 * U;
        Box(L, T, kBlue, Fill::Own, false, {L, T}, "Lime", 4, {L + U, T});
        L = X + 15 * U;
        Box(L, T, kOrange, Fill::Own, false, {L, T}, "Chert", 5, {L + U / 2, T - 1});
        L = X + 20 * U;
        Box(L, T, 0, Fill::None, false, {L, T}, "Anhydrite", 3, {L + U, T - 2});
        L = X + 25 * U;
        Box(L, T, kLightGrey, Fill::Own, false, {L, T}, "CLY", 8, {L + U, T - 2});

        T = Y + 2 * R;
        Box(X, T, EntryColour(layout::PEN_FIRST_SHADE), Fill::Own, false, {X, T}, "RD SH", 8, {X + U, T - 2});
        L = X + 5 * U;
        Box(L, T, EntryColour(layout::PEN_FIRST_SHADE + 2), Fill::Own, false, {L, T}, "GN SH", 8, {L + U, T - 2});
        L = X + 10 * U;
        Box(L, T, EntryColour(layout::PEN_FIRST_SHADE + 1), Fill::Own, false, {L, T}, "ORG SH", 8, {L + U, T - 2});
        L = X + 15 * U;
        Box(L, T, kGrey, Fill::Own, false, {L, T}, "Carb Sh", 22, {L + U, T - 2});
        L = X + 20 * U;
        Box(L, T, 0, Fill::None, false, {L, T}, "Salt", 10, {L + U, T});
        L = X + 25 * U;
        Box(L, T, kRed, Fill::Own, false, {L, T}, "Granite", 11, {L + U, T - 2});

        T = Y + 4 * R;
        Box(X, T, kLightOrange, Fill::Own, false, {X, T}, "Siltstone", 6, {X + U, T - 1});
        // Coal: the stock black brush for its box, the stock white brush for everything after it.
        L = X + 6 * U;
        dc.SelectObject(black);
        dc.Rectangle(L, T, L + 4 * U, T + R);
        dc.TextOut(L, T, "Coal");
        dc.SelectObject(white);
        L = X + 11 * U;
        Box(L, T, kLightGrey, Fill::Own, false, {L, T}, "Bentonite", 16, {L + U / 2, T});
        L = X + 17 * U;
        Box(L, T, kRed, Fill::Own, false, {L - U, T}, "Granite Wash", 23, {L + U / 2, T - 1});
        L = X + 23 * U;
        Box(L, T, kYellow, Fill::Own, false, {L - U / 2, T}, "Quartz Wash", 24, {L + U / 2, T - 1});

        T = Y + 6 * R;
        Box(X, T, kBlue, Fill::Own, false, {X, T}, "Carb Wash", 24, {X + U / 2, T - 1});
        L = X + 6 * U;
        Box(L, T, kYellow, Fill::Own, false, {L, T}, "Cong", 12, {L + U, T + 2});
        L = X + 11 * U;
        Box(L, T, kWhite, Fill::Own, false, {L + 2, T}, "Chalk", 4, {L + U, T + 1});
        L = X + 16 * U;
        Box(L, T, EntryColour(layout::PEN_LAST_SHADE), Fill::Own, false, {L + 2, T}, "Volc", 37, {Trunc(L + 0.5 * U), T});
        L = X + 21 * U;
        Box(L, T, kLightGrey, Fill::Own, false, {L, T}, "Cement", 26, {L + U, T + 2});

        CustomRow(X, Y + 8 * R);

        const int Ya = originGiven ? Trunc(Y + 10 * R + 0.5 * R) : Y + 10 * R;
        dc.TextOut(X + 12 * U, Ya, "ACCESSORIES");
        T = Ya + R;
        struct Accessory {
            int offset;  // in units from X
            const char* label;
            int kind;
        };
        static constexpr std::array<Accessory, 5> kAccessories{
            {{2, "GLAUC'C", 13}, {7, "PYRITE", 17}, {12, "FOSSILS", 15}, {17, "OOLITES", 14}, {22, "FRACTURES", 25}}};
        for (const Accessory& a : kAccessories) {
            L = X + a.offset * U;
            dc.Rectangle(L, T, L + 4 * U, T + R + 2);
            dc.TextOut(L, T, a.label);
            switch (a.kind) {
            case 13: Symbol(13, L + U, T + 1); break;
            case 17: Symbol(17, L + U, Trunc(T + 1.5 * R)); break;
            case 15: Symbol(15, L + U, T - 1); break;
            case 14: Symbol(14, L + U, T + 1); break;
            case 25: {
                const platform::KeepDcState keep(dc);
                dc.SelectObject(Brush(kRed));
                Symbol(25, Trunc(L + 0.5 * U), T - 1);
                break;
            }
            }
        }
    }
};

}  // namespace

int DrawLithLegendSymbol(platform::Dc& dc, const ViewGeometry& g, const LithLegendFlags& flags, int kind, int x, int y,
                         int width)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(RGB(0, 0, 0), 1));
    Symbols{dc, g, flags}.Draw(kind, x, y, width);
    return 1;
}

int DrawLithLegend(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const LithLegendFlags& flags,
                   int x, int y)
{
    const platform::KeepDcState keep(dc);
    // The boxes are outlined in the Dc's starting pen and the unfilled ones take its starting brush.
    dc.RestoreObjects();
    platform::Font font(QStringLiteral("Arial"), -g.rowHeight, platform::FW_NORMAL);
    dc.SelectObject(font);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_BASELINE);

    int X = x, Y = y;
    if (x <= 0) {
        X = flags.imageRender ? g.lithology.left + 5 * g.unitWidth : g.porosity.left;
        Y = g.customTracks && flags.customTracksShown ? 55 * g.rowHeight : Trunc(3.5 * g.rowHeight);
    }
    Legend{dc, g, pens, flags}.Draw(X, Y, x > 0);
    return 1;
}

}  // namespace logview
