// The printed rock patterns, one member of PrintItem per pattern. Coordinates are from the cell's top
// left (X(), Y0_); plain numbers such as X() + 10 are device units that do not scale.
#include "tracks/draw/printlithitem.h"

#include "tracks/draw/lithmarks.h"
#include "tracks/lithtypes.h"
#include "wellfile/profile.h"

#include <array>
#include <iterator>

namespace tracks::printlith {

namespace {

using platform::RGB;

constexpr platform::COLORREF kAzure = RGB(0, 128, 255);
constexpr platform::COLORREF kYellow = RGB(255, 255, 0);
constexpr platform::COLORREF kOrange = RGB(255, 128, 0);
constexpr platform::COLORREF kTan = RGB(255, 182, 108);
constexpr platform::COLORREF kRed = RGB(255, 0, 0);

// Cells 3 and 7 of even rows, 1 and 5 of odd rows: the figures between the bricks.
constexpr LithCells kFigureCells{(1u << 3) | (1u << 7), (1u << 1) | (1u << 5)};

CellSteps WithEdge(CellSteps s, Edge edge)
{
    s.edge = edge;
    return s;
}

using platform::Trunc;

}  // namespace

// Blank and pyrite, and any type no table knows: nothing drawn and the cursor stays; only once per
// printed row, the item's cells are booked as blank and their top edge drawn where the row above
// held a rock.
void PrintItem::Blank()
{
    const std::int32_t printRow = t_.state.printRowCounter;
    if (row_.printBlankRow == printRow)
        return;
    const int booked = type_ >= 0 && type_ < kLithTypes ? type_ : LITH_BLANK;
    for (int k = 0; k < n_; ++k) {
        const std::size_t c = std::size_t(Cell());
        row_.currentCells[c] = booked;
        if (row_.currentCells[c] != row_.previousCells[c]) {
            // Each cell's own top edge, though the cursor does not move.
            const int x = X() + k * U_;
            Line(x, Y0_, x + U_, Y0_);
            Line(x, Y0_ + 1, x + U_, Y0_ + 1);
        }
        if (row_.cellIndex < 9)
            ++row_.cellIndex;
    }
    row_.printBlankRow = printRow;
}

void PrintItem::DolomiteDiagonal(int x) { Line(x, Y0_ + H_, x + U_, Y0_); }

void PrintItem::GlauconiteStroke(int x)
{
    const int y = Y0_;
    Polyline({{x + 5, y + 15}, {x + 10, y + 12}, {x + 15, y + 15}, {x + 20, y + 12}, {x + 27, y + 13}});
}

// A shell outline whose both coordinates scale with the cell width, in the window's 2-unit pen.
void PrintItem::FossilOutline(int x)
{
    static constexpr double kPoints[][2] = {{0.55, 0.67}, {1.11, 0.67}, {1.0, 0.945}, {0.725, 1.11},
                                            {0.33, 1.11}, {0.17, 1.0},  {0.0, 0.66},  {0.112, 0.445},
                                            {0.39, 0.225}, {0.66, 0.225}, {0.55, 0.66}};
    std::array<platform::POINT, std::size(kPoints)> p{};
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = {Trunc(x + kPoints[i][0] * U_), Trunc(Y0_ + kPoints[i][1] * U_)};
    Select(window2_);
    dc_.Polyline(p.data(), int(p.size()));
    Select(mid_);
}

void PrintItem::Oolite(int x, double width)
{
    dc_.Ellipse(x, Trunc(Y0_ + 0.3 * H_), Trunc(x + width * U_), Trunc(Y0_ + 0.75 * H_));
}

void PrintItem::SandCircle(int x)
{
    const int r = U3_ / 2, cx = x + U_ / 2;
    dc_.Ellipse(cx - r, Ym_ - r, cx + r, Ym_ + r);
}

void PrintItem::Dolomite()
{
    Fill(dolomite_);
    TopLine();
    EachCell(StandardSteps({18, 19, 20}), [&](int, int c) {
        if (EveryFourth(c))
            DolomiteDiagonal(X());
    });
}

void PrintItem::Sand()
{
    Fill(kYellow);
    Select(window1_);
    CellSteps steps = StandardSteps({17, 21});
    steps.accessory.cells = {(1u << 2) | (1u << 6), (1u << 1) | (1u << 5) | (1u << 9)};
    EachCell(steps, [&](int, int c) {
        if (!Alternate(c))
            return;
        Select(mid_);
        SandCircle(X());
    });
}

void PrintItem::Anhydrite()
{
    const int profile = t_.g.profile;
    Select(mid_);
    if (wellfile::DiagonalAnhydriteProfile(profile)) {
        // Strokes in the alternate cells, a checkerboard that starts at cell 0 on even rows.
        CellSteps steps = WithEdge(StandardSteps(), Edge::DoubleMid);
        steps.accessory.dxEven = 0;
        steps.accessory.dxOdd = 1;
        steps.accessory.dy = 0;
        EachCell(steps, [&](int, int c) {
            if ((c % 2 == 0) == even_)
                Line(X(), Y0_ + H_, X() + U_ + 1, Y0_ - 1);
        });
        return;
    }
    CellSteps steps = StandardSteps();
    steps.marks = Marks::None;
    if (profile == 116) {
        const platform::KeepDcState keep(dc_);
        dc_.SetBkMode(platform::TRANSPARENT);
        EachCell(steps, [&](int, int c) {
            if (EveryFourth(c))
                dc_.TextOut(X() + 1, Y0_ - 2, "x", 1);
        });
        return;
    }
    EachCell(steps, [&](int, int c) {
        if (EveryFourth(c))
            Polyline({{X() + 1, Y0_ + H_ / 2}, {X() + U_ / 2, Y0_ + H_}, {X() + U_, Y0_}});
    });
}

// Limestone and chalk: the bricks' joints; chalk has no fill.
void PrintItem::Limestone()
{
    if (type_ == LITH_LIMESTONE)
        Fill(kAzure);
    TopLine();
    EachCell(StandardSteps({13, 14, 15}), [&](int, int c) {
        if (EveryFourth(c))
            Line(X() + U_ / 2, Y0_, X() + U_ / 2, Y0_ + H_);
    });
}

void PrintItem::Chert()
{
    Fill(kOrange);
    TopLine();
    EachCell(StandardSteps(), [&](int, int c) {
        if (EveryFourth(c))
            Polyline({{X(), Y0_ + H_}, {X() + U_ / 2, Y0_}, {X() + U_, Y0_ + H_}});
    });
}

void PrintItem::Silt()
{
    Fill(kTan);
    Select(mid_);
    const int r = D_ / 2;
    EachCell(StandardSteps(), [&](int, int c) {
        const int x = X() + U_ / 2;
        if (EveryFourth(c) || (even_ && n_ == 1)) {
            dc_.Ellipse(x - r, Ym_ - r, x + r, Ym_ + r);
            const int x2 = Trunc(X() + U_ / 2 + 0.5 * U_);
            dc_.Ellipse(x2 - r, Ym_ - r, x2 + r, Ym_ + r);
        } else if (c % 2 == 0) {
            Line(x, Ym_, x + U_, Ym_);
        }
    });
}

// Shale, carbonaceous shale and the coloured shales: one dash along the item's middle, half a cell
// (one-cell items) or three quarters in from its left end on even rows, short of its right end on odd.
void PrintItem::ShaleFamily()
{
    Fill(typeColour_);
    Select(type_ == 22 ? rowPen_ : mid_);
    const double s = n_ == 1 ? 0.5 * U_ : 0.75 * U_;
    const int x = X(), right = X() + n_ * U_;
    if (even_)
        Line(Trunc(x + s), Ym_, right, Ym_);
    else
        Line(x, Ym_, Trunc(right - s), Ym_);
    EachCell(StandardSteps(), [](int, int) {});
    Select(keep_.KeptPen());
}

// Coal: the item black whatever the colour setting, its cells hatched by one-unit verticals.
void PrintItem::Coal()
{
    Select(mid_);
    dc_.SelectObject(platform::Brush(RGB(0, 0, 0)));
    dc_.Rectangle(X(), Y0_, ItemRight(), Y0_ + H_);
    Select(keep_.KeptPen());
    dc_.SelectObject(keep_.KeptBrush());
    for (int k = 0; k < n_; ++k) {
        const std::size_t c = std::size_t(Cell());
        const int x0 = X();
        row_.currentCells[c] = type_;
        if (row_.currentCells[c] != row_.previousCells[c]) {
            Line(x0, Y0_, x0 + U_, Y0_);
            Line(x0, Y0_ + 1, x0 + U_, Y0_ + 1);
        }
        for (int v = 0; v < U_; ++v)
            Line(x0 + v, Y0_, x0 + v, Y0_ + H_);
        // The record mark goes where the other patterns put it, over the hatching.
        if (mark_ != 0 && (even_ ? (k == 1 || k == 7) : k == 3))
            PrintLithMark(t_, U_, x0, Y0_, mark_);
        NextCell();
    }
}

// Salt: in the pen the device context holds (the mid pen once a mark or an edge has been drawn).
void PrintItem::Salt()
{
    Line(X(), Y0_, ItemRight(), Y0_);
    EachCell(StandardSteps(), [&](int, int) { Line(X(), Y0_, X(), Y0_ + H_); });
}

void PrintItem::Granite()
{
    Fill(kRed);
    Select(mid_);
    EachCell(WithEdge(StandardSteps(), Edge::DoubleMid), [&](int k, int) {
        if ((k % 2 == 0) != even_)
            return;
        const int x = X(), y = Y0_;
        Line(x + 10, y + 10, x + 15, y + 15);
        Line(x, y + 15, x + 15, y);
    });
}

void PrintItem::Conglomerate()
{
    Fill(kYellow);
    Select(mid_);
    const double a = (even_ ? 0.4 : 0.5) * U3_;
    EachCell(StandardSteps(), [&](int, int c) {
        if (!EveryFourth(c))
            return;
        const int x = X(), y = Y0_;
        const int corner = Trunc(0.7 * U_);
        dc_.RoundRect(Trunc(x + 0.3 * U_), Trunc(y + 0.3 * U_), Trunc(x + 1.3 * U_), Trunc(y + 1.3 * U_), corner,
                      corner);
        const int xc = Trunc(x + 0.5 * U_);
        dc_.Ellipse(Trunc(xc - a), Trunc(Ym_ - 0.5 * U3_), Trunc(xc + a), Trunc(Ym_ + 0.5 * U3_));
        dc_.Ellipse(xc + U3_, Ym_ + U3_, xc + 2 * U3_, Ym_ + 2 * U3_);
    });
}

// Oolitic (13), glauconitic (14) and fossiliferous (15) limestone: the limestone's joints with the
// type's figure between them.
void PrintItem::LimestoneWithFigures()
{
    Fill(kAzure);
    TopLine();
    const Family family = type_ == 13 ? Family{4, 14, 15} : type_ == 14 ? Family{4, 13, 15} : Family{4, 13, 14};
    EachCell(StandardSteps(family), [&](int, int c) {
        const int x = X();
        if (EveryFourth(c)) {
            Line(x + U_ / 2, Y0_, x + U_ / 2, Y0_ + H_);
        } else if (kFigureCells.Has(even_, c)) {
            if (type_ == 13)
                Oolite(x, 0.65);
            else if (type_ == 14)
                GlauconiteStroke(x);
            else
                FossilOutline(x);
        }
    });
}

// Bentonite: a wave between 0.4 and 0.6 of a cell width below the row top, reaching half a cell
// into the next cell while that lies inside the column.
void PrintItem::Bentonite()
{
    Fill(typeColour_);
    Select(mid_);
    EachCell(StandardSteps(), [&](int, int c) {
        const int x = X();
        const int high = Trunc(Y0_ + 0.4 * U_), low = Trunc(Y0_ + 0.6 * U_);
        const bool onward = x < E_ - 1.5 * U_;
        const int end = Trunc(x + 1.5 * U_);
        if (c % 2 == 0) {
            Line(Trunc(x + 0.5 * U_), high, x + U_, low);
            if (onward)
                dc_.LineTo(end, low);
        } else {
            Polyline({{x, low}, {Trunc(x + 0.5 * U_), low}, {x + U_, high}});
            if (onward)
                Line(x + U_, high, end, high);
        }
    });
}

void PrintItem::GlauconiticSand()
{
    Fill(kYellow);
    Select(mid_);
    EachCell(WithEdge(StandardSteps({LITH_SAND}), Edge::DoubleMid), [&](int, int c) {
        const int x = X(), y = Y0_;
        if (even_) {
            if (c % 2 == 1)
                dc_.Ellipse(x + 10, y + 10, x + 15, y + 15);
            if (c == 3)
                GlauconiteStroke(x);
        } else {
            if (c % 2 == 0)
                dc_.Rectangle(x + 10, y + 10, x + 15, y + 15);
            if (c == 7)
                GlauconiteStroke(x);
        }
    });
}

// Fossiliferous (18), glauconitic (19) and oolitic (20) dolomite: the dolomite's diagonals with the
// type's figure between them. Each meets a different rock above in its own edge.
void PrintItem::DolomiteWithFigures()
{
    Fill(dolomite_);
    TopLine();
    const Family family = type_ == 18 ? Family{1, 19, 20} : type_ == 19 ? Family{1, 18, 20} : Family{1, 18, 19};
    const Edge edge = type_ == 18 ? Edge::ThickShort : type_ == 19 ? Edge::SingleMid : Edge::DoubleMid;
    EachCell(WithEdge(StandardSteps(family), edge), [&](int, int c) {
        const int x = X();
        if (EveryFourth(c))
            DolomiteDiagonal(x);
        else if (!kFigureCells.Has(even_, c))
            return;
        else if (type_ == 18)
            FossilOutline(x);
        else if (type_ == 19)
            GlauconiteStroke(x);
        else
            Oolite(x, even_ ? 0.75 : 0.65);
    });
}

// The "xs" sand: dots or squares in the alternate cells. Its record mark stands in one cell of the
// row whatever the item, and the rest of the item is drawn in the pen the mark leaves.
void PrintItem::FracturedSand()
{
    Fill(kYellow);
    Select(mid_);
    CellSteps steps = WithEdge(StandardSteps({LITH_SAND}), Edge::DoubleCurrent);
    steps.marks = Marks::RowCells;
    EachCell(steps, [&](int, int c) {
        if (!Alternate(c))
            return;
        const int x = X(), y = Y0_;
        if (even_)
            dc_.Ellipse(x + 10, y + 10, x + 15, y + 15);
        else
            dc_.Rectangle(x + 10, y + 10, x + 15, y + 15);
    });
}

// Granite (23), quartz (24) and carbonate (26) wash: a triangle on the row top in every other cell of
// the item and a square below its right corner that reaches 0.3 of a cell into the next one. On odd
// rows the item's last cell takes no square; on even rows granite wash's square stays clear of the
// column's right edge.
void PrintItem::Wash()
{
    Fill(type_ == 23 ? kRed : type_ == LITH_QUARTZ_WASH ? kYellow : kAzure);
    Select(mid_);
    EachCell(WithEdge(StandardSteps(), Edge::DoubleMid), [&](int i, int) {
        if ((i % 2 == 0) != even_)
            return;
        const int x = X(), y = Y0_;
        const int base = Trunc(y + 0.5 * U_), left = Trunc(x + 0.25 * U_);
        Polyline({{left, base}, {Trunc(x + 0.5 * U_), y}, {Trunc(x + 0.75 * U_), base}, {left, base}});
        const bool square = even_ ? type_ != 23 || x < E_ - 0.8 * U_ : i < n_ - 1;
        if (square)
            dc_.Rectangle(Trunc(x + 0.8 * U_), base, Trunc(x + 1.3 * U_), y + U_);
    });
}

// Cement: sand's circles in the alternate cells, no accessory and no mark; it joins the sands.
void PrintItem::Cement()
{
    Fill(typeColour_);
    Select(window1_);
    CellSteps steps;
    steps.marks = Marks::None;
    steps.family = {LITH_GLAUC_SAND, 21};
    EachCell(steps, [&](int, int c) {
        if (!Alternate(c))
            return;
        Select(mid_);
        SandCircle(X());
    });
}

// The six custom types, by their pen entry's "Draw As Clay" and "Lith is Custom" switches: crosses
// (custom), bold dashes (clay only) or one shale dash over the item (neither). The crosses and the
// dashes measure the printed cell even in the narrower interpreted column.
void PrintItem::CustomClay()
{
    Fill(typeColour_);
    const auto& entry = t_.g.pens.lith[std::size_t(type_ + 17)];
    const bool clay = entry.dash, custom = entry.brick;
    const int x1 = X(), right = ItemRight();
    Select(mid_);
    if (!clay && !custom) {
        const double s = share_ == 10 ? 0.5 * U_ : 0.75 * U_;
        if (even_)
            Line(Trunc(x1 + s), Ym_, right, Ym_);
        else
            Line(x1, Ym_, Trunc(right - s), Ym_);
    }
    CellSteps steps = StandardSteps();
    steps.midAfterAccessory = true;
    constexpr LithCells kCrossCells{(1u << 1) | (1u << 4) | (1u << 7), (1u << 2) | (1u << 5) | (1u << 8)};
    EachCell(steps, [&](int, int c) {
        if (!(clay || custom) || !kCrossCells.Has(even_, c))
            return;
        const int x = X();
        if (custom) {
            Select(mid_);
            Line(x, Ym_, x + U0_, Ym_);
            const int xc = Trunc(x + 0.5 * U0_);
            Line(xc, Y0_, xc, Y0_ + H_);
        } else {
            Select(rowPen_);
            Line(x, Ym_, x + Trunc(1.5 * U0_), Ym_);
        }
    });
}

// Volcanics: a V in every fourth cell, in the last custom type's colour.
void PrintItem::Volcanics()
{
    Fill(typeColour_);
    TopLine();
    EachCell(StandardSteps(), [&](int, int c) {
        if (EveryFourth(c))
            Polyline({{X(), Y0_}, {X() + U_ / 2, Y0_ + H_}, {X() + U_, Y0_}});
    });
}

}  // namespace tracks::printlith
