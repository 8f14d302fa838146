#include "logview/gridlines.h"

#include "wellfile/profile.h"

#include <cmath>
#include <initializer_list>

namespace logview {

namespace {


class Plan {
public:
    explicit Plan(StripPlan& p) : p_(p) {}
    void Line(std::int32_t x, GridPen pen) { p_.strokes.push_back({GridStroke::Vertical, x, 0, pen}); }
    void Top(std::int32_t from, std::int32_t to) { p_.strokes.push_back({GridStroke::Top, from, to, GridPen::Grid}); }

    // `count` + 1 lines from `left`, `step` apart (a fractional step is truncated after each line);
    // returns the x of the last line.
    template <typename PenOf>
    std::int32_t Lines(std::int32_t left, std::int32_t count, double step, PenOf penOf)
    {
        std::int32_t x = left;
        for (std::int32_t i = 0; i <= count; ++i) {
            if (i > 0)
                x = std::int32_t(x + step);
            Line(x, penOf(i));
        }
        return x;
    }

private:
    StripPlan& p_;
};

// The usual pen rule of a cell column: the first line `first`, every fifth (or `heavyEvery`) heavy.
auto FifthHeavy(GridPen first, int heavyEvery = 5)
{
    return [first, heavyEvery](std::int32_t i) {
        if (i == 0)
            return first;
        return i % heavyEvery == 0 ? GridPen::HeavyGrid : GridPen::Grid;
    };
}

// One decade from `x`: nine steps t(k) - t(k-1), k = 2..10, in direction `dir`, a line after each
// (" GRID ", the tenth " Heavy Grid "). Returns the new x.
std::int32_t Decade(Plan& plan, std::int32_t x, const std::array<std::int32_t, 10>& t, int firstK, int dir)
{
    for (int k = firstK; k <= 10; ++k) {
        x += dir * (t[std::size_t(k - 1)] - t[std::size_t(k - 2)]);
        plan.Line(x, k == 10 ? GridPen::HeavyGrid : GridPen::Grid);
    }
    return x;
}

}  // namespace

std::vector<std::int32_t> StripPlan::LinesWith(GridPen pen) const
{
    std::vector<std::int32_t> xs;
    for (const GridStroke& s : strokes)
        if (s.kind == GridStroke::Vertical && s.pen == pen)
            xs.push_back(s.x);
    return xs;
}

std::vector<std::int32_t> StripPlan::Lines() const
{
    std::vector<std::int32_t> xs;
    for (const GridStroke& s : strokes)
        if (s.kind == GridStroke::Vertical)
            xs.push_back(s.x);
    return xs;
}

std::array<std::int32_t, 10> DecadeOffsets(double low, double high, std::int32_t width)
{
    std::array<std::int32_t, 10> t{};
    const double span = std::log(high / low);
    for (int k = 1; k <= 10; ++k)
        t[std::size_t(k - 1)] = std::int32_t(std::log(double(k)) / span * width);
    return t;
}

std::int32_t ExtraGasScaleLeft(const ViewGeometry& g)
{
    const std::int32_t part2Last = g.gas.left + g.gas.count * g.gas.cell + g.gas2.count * g.gas2.cell;
    return part2Last + g.gas2.cell - g.gas.cell;
}

StripPlan MainStripLines(const ViewGeometry& g)
{
    StripPlan p;
    p.width = g.logWidth;
    Plan plan(p);
    const int profile = g.profile;
    const bool narrowLithology = wellfile::SandShaleProfile(profile);

    // The log's left border and the rate track's row line.
    plan.Line(1, GridPen::Grid);
    plan.Top(g.rate.left, g.rate.Right());

    // Rate track: profile 16 at half cells, so every fifth (heavy) line falls every two and a half cells.
    const auto ratePen = FifthHeavy(GridPen::HeavyBorder);
    if (profile == 16)
        plan.Lines(g.rate.left, 2 * g.rate.count, g.rate.cell / 2.0, ratePen);
    else
        plan.Lines(g.rate.left, g.rate.count, g.rate.cell, ratePen);

    if (g.sideLithology.left > 0)
        plan.Line(g.sideLithology.Right(), GridPen::HeavyGrid);

    if (wellfile::NumericShowProfile(profile)) {
        plan.Line(g.porosity.left, GridPen::Grid);
        plan.Top(g.porosity.left, g.porosity.Right());
        const std::int32_t last =
            plan.Lines(g.fluorescence.left, g.fluorescence.count, g.fluorescence.cell, [](std::int32_t) { return GridPen::Grid; });
        plan.Line(last + 1, GridPen::Grid);
        plan.Top(g.fluorescence.left, g.fluorescence.Right());
    }
    if (profile == 16) {
        // Porosity and cut cells as one run, with a double line where each porosity group starts.
        plan.Top(g.porosity.left, g.porosity.Right());
        std::int32_t o = 0;
        for (std::int32_t i = 0; i < g.porosity.count + g.cut.count; ++i) {
            if (g.porosity.count > 0 && i % g.porosity.count == 0)
                plan.Line(g.porosity.left + o - 1, GridPen::Grid);
            plan.Line(g.porosity.left + o, GridPen::Grid);
            o += g.porosity.cell;
        }
        plan.Line(g.porosity.left + o - 1, GridPen::Grid);
        plan.Lines(g.fluorescence.left, 2 * g.fluorescence.count, g.fluorescence.cell / 2.0,
                   [](std::int32_t) { return GridPen::Grid; });
    }

    plan.Line(g.lithology.left, GridPen::HeavyGrid);
    if (!narrowLithology) {
        plan.Line(g.lithology.Right(), GridPen::HeavyGrid);
        plan.Top(g.cut.left, g.cut.Right());
    } else {
        plan.Line(g.lithology.left + 1, GridPen::Grid);
        plan.Line(g.lithology.left + 10 * g.unitWidth, GridPen::Grid);
    }
    if (wellfile::FluorescenceFirstProfile(profile))
        plan.Line(g.fluorescence.left, GridPen::HeavyGrid);
    if (!narrowLithology)
        plan.Lines(g.cut.left, g.cut.count, g.cut.cell, [&g](std::int32_t i) {
            return i == 0 || i == g.cut.count ? GridPen::HeavyGrid : GridPen::Grid;
        });

    // Gas track: part 1 ends in the track's heavy border when part 2 is empty; part 2 starts on it.
    const std::int32_t p1 = g.gas.count, p2 = g.gas2.count;
    plan.Top(g.gas.left, g.gas.left + p1 * g.gas.cell + p2 * g.gas2.cell);
    const std::int32_t part1Last = plan.Lines(g.gas.left, p1, g.gas.cell, [p1, p2](std::int32_t i) {
        if (i == p1 + p2)
            return GridPen::HeavyBorder;
        return i % 5 == 0 ? GridPen::HeavyGrid : GridPen::Grid;
    });
    const GridPen part1LastPen = p2 == 0 ? GridPen::HeavyBorder : (p1 % 5 == 0 ? GridPen::HeavyGrid : GridPen::Grid);
    if (wellfile::PercentGasGroup(profile, g.SingleGas()) || g.splitGas)
        plan.Line(part1Last + 1, part1LastPen);
    const std::int32_t part2Last = plan.Lines(part1Last, p2, g.gas2.cell, [p2](std::int32_t i) {
        if (i == p2)
            return GridPen::HeavyBorder;
        return i % 5 == 0 ? GridPen::HeavyGrid : GridPen::Grid;
    });
    if ((wellfile::ChromatographProfile(profile) && (profile != 88 || !g.SingleGas())) || g.splitGas)
        plan.Line(part2Last + 1, GridPen::HeavyBorder);

    if (g.extraGasScale) {
        const std::int32_t x = ExtraGasScaleLeft(g);
        const std::int32_t cells = g.extraGasCells[0] + g.extraGasCells[1];
        plan.Top(x, g.extraGasBaseX + cells * g.extraGasCellWidth);
        const std::int32_t last = plan.Lines(x, cells, g.extraGasCellWidth, FifthHeavy(GridPen::HeavyGrid, 10));
        plan.Line(last + g.extraGasCellWidth, GridPen::HeavyGrid);
    }
    return p;
}

StripPlan AlternateRateLines(const ViewGeometry& g)
{
    StripPlan p;
    p.width = g.rate.Right() + 2;
    Plan plan(p);
    plan.Top(g.rate.left, g.rate.Right());
    const bool wide = g.screenWidth >= 1024, narrow = g.screenWidth == 800;
    std::int32_t x = g.rate.left;
    for (int k = 0; k < 30; ++k) {
        // The cell is one pixel short of the rate cell; these steps keep the heavy lines near the rate
        // track's own.
        if (wide && k > 0 && k % 4 == 0)
            --x;
        if (wide && k > 0 && k % 6 == 0)
            --x;
        if (narrow && k % 6 == 0)
            --x;
        plan.Line(x, k == 0 ? GridPen::HeavyBorder : (k % 4 == 0 ? GridPen::HeavyGrid : GridPen::Grid));
        if (g.profile == 16)
            plan.Line(x + (g.unitWidth - 1) / 2, GridPen::Grid);
        x += g.rate.cell - 1;
    }
    return p;
}

StripPlan GasPercentLines(const ViewGeometry& g)
{
    StripPlan p;
    const std::int32_t cells = g.gasPercentCells, w = g.gas.cell;
    p.width = cells * w + 2;
    Plan plan(p);
    plan.Top(0, cells * w);
    plan.Lines(0, cells, w, [cells](std::int32_t i) {
        if (i == 0 || i == cells)
            return GridPen::HeavyBorder;
        return i % 5 == 0 ? GridPen::HeavyGrid : GridPen::Grid;
    });
    return p;
}

StripPlan GasShowLines(const ViewGeometry& g)
{
    StripPlan p;
    if (g.profile != 16)
        return p;
    const double step = g.gas.cell * 0.9;
    p.width = std::int32_t(g.gas.cell * 0.9 * 40 + 2);
    Plan plan(p);
    const std::int32_t last = plan.Lines(0, 40, step, FifthHeavy(GridPen::HeavyGrid, 10));
    plan.Top(1, std::int32_t(last + step) - g.gas.cell);
    return p;
}

StripPlan ElogLines(const ViewGeometry& g)
{
    StripPlan p;
    const std::int32_t cells = g.elogCells, w = g.elogCellWidth;
    p.width = cells * w;
    if (p.width <= 0) {
        p.width = 0;
        return p;
    }
    Plan plan(p);
    plan.Lines(0, cells, w, [cells](std::int32_t i) {
        if (i == cells)
            return GridPen::HeavyBorder;
        return i % 5 == 0 ? GridPen::HeavyGrid : GridPen::Grid;
    });
    plan.Top(0, cells * w);
    return p;
}

ElogGasPlan ElogGasLines(const ViewGeometry& g)
{
    ElogGasPlan e;
    e.plan.width = (g.gas.count + g.gas2.count) * g.gas.cell + 5 * g.unitWidth;
    Plan plan(e.plan);
    const auto t = DecadeOffsets(0.2, 2000, g.gasRight - g.gas.left);
    plan.Line(0, GridPen::HeavyGrid);
    std::int32_t x = Decade(plan, 0, t, 3, 1);  // 0.3 .. 1
    for (int d = 0; d < 3; ++d)                 // to 10, 100, 1000
        x = Decade(plan, x, t, 2, 1);
    x += t[1];
    plan.Line(x, GridPen::Grid);  // 2000
    plan.Top(1, x - 1);
    e.factorTwoWidth = float(t[1]);
    e.extent = x;
    return e;
}

LogGasPlan LogGasLines(const ViewGeometry& g)
{
    LogGasPlan l;
    l.plan.width = g.gas.count * g.gas.cell;
    Plan plan(l.plan);
    const auto t = DecadeOffsets(0.1, 10000, g.gasRight - g.gasMiddleX);
    plan.Line(0, GridPen::HeavyGrid);
    std::int32_t x = 0;
    for (int d = 0; d < 5; ++d)
        x = Decade(plan, x, t, 2, 1);
    plan.Line(x + 1, GridPen::Grid);
    plan.Top(1, x);
    l.extent = x + 1;
    return l;
}

StripPlan LogRateLines(const ViewGeometry& g)
{
    StripPlan p;
    const std::int32_t W = g.rate.Right() - g.rate.left;
    p.width = W;
    Plan plan(p);
    const bool from300 = g.profile == 74;
    const auto t = from300 ? DecadeOffsets(3, 300, W) : DecadeOffsets(0.1, 100, W);
    const int dir = from300 ? -1 : 1;
    std::int32_t x = from300 ? W : 0;
    plan.Line(x, GridPen::HeavyGrid);
    for (int d = 0; d < (from300 ? 2 : 3); ++d)
        x = Decade(plan, x, t, 2, dir);
    plan.Line(x + 1, GridPen::Grid);
    plan.Top(1, x);
    plan.Top(0, W);
    return p;
}

}  // namespace logview
