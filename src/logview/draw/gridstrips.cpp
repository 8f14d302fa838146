#include "logview/draw/gridstrips.h"

#include "logview/gridlines.h"
#include "platform/draw/dc.h"

#include <algorithm>

namespace logview {

namespace {

constexpr std::int32_t kBlankWidth = 500;

platform::Pen PenOf(const ViewGeometry& g, GridPen pen)
{
    const layout::PenSpec& s = g.pens.table[pen == GridPen::Grid        ? layout::PEN_GRID
                                            : pen == GridPen::HeavyGrid ? layout::PEN_HEAVY_GRID
                                                                        : layout::PEN_HEAVY_BORDER];
    return platform::Pen(s.colour, s.width, s.style);
}

// A white strip one row high with the plan's lines; null when it has no width.
QImage Paint(const StripPlan& plan, const ViewGeometry& g)
{
    if (plan.width <= 0 || g.rowHeight <= 0)
        return {};
    QImage strip(plan.width, g.rowHeight, QImage::Format_RGB32);
    strip.fill(Qt::white);
    platform::Dc dc(strip);
    for (const GridStroke& s : plan.strokes) {
        dc.SelectObject(PenOf(g, s.pen));
        if (s.kind == GridStroke::Vertical) {
            dc.MoveTo(s.x, 0);
            dc.LineTo(s.x, g.rowHeight);
        } else {
            dc.MoveTo(s.x, 0);
            dc.LineTo(s.to, 0);
        }
    }
    return strip;
}

// Copies `width` pixels of `strip` from source x `sx` to (`dx`, `y`), clipped to the strip.
void Copy(platform::Dc& dc, const QImage& strip, std::int32_t sx, std::int32_t dx, std::int32_t y, std::int32_t width)
{
    if (strip.isNull())
        return;
    if (sx < 0) {
        dx -= sx;
        width += sx;
        sx = 0;
    }
    width = std::min(width, std::int32_t(strip.width()) - sx);
    if (width <= 0)
        return;
    dc.BitBlt(dx, y, width, strip.height(), strip, sx, 0, platform::SRCCOPY);
}

// A column copied from the main strip at its own x.
void CopyMain(platform::Dc& dc, const GridStrips& strips, std::int32_t left, std::int32_t width, std::int32_t y)
{
    Copy(dc, strips.main, left, left, y, width);
}

// The logarithmic gas strip where painting lays it over the main strip: at the gas left, and with two
// parts again at the middle x + 1. `from` and `to` limit the restored x range.
void CopyLogGas(platform::Dc& dc, const GridStrips& strips, const ViewGeometry& g, std::int32_t y,
                std::int32_t from, std::int32_t to)
{
    const std::int32_t w = strips.logGas.width();
    auto lay = [&](std::int32_t at) {
        const std::int32_t a = std::max(from, at), b = std::min(to, at + w);
        if (a < b)
            Copy(dc, strips.logGas, a - at, a, y, b - a);
    };
    lay(g.gas.left);
    if (g.splitGas)
        lay(g.gasMiddleX + 1);
}

}  // namespace

void BuildGridBitmaps(GridStrips& strips, const ViewGeometry& g)
{
    strips.main = Paint(MainStripLines(g), g);
    strips.alternateRate = Paint(AlternateRateLines(g), g);
    strips.gasPercent = Paint(GasPercentLines(g), g);
    StripPlan blank;
    blank.width = kBlankWidth;
    strips.blank = Paint(blank, g);
    strips.gasShow = Paint(GasShowLines(g), g);
    const ElogGasPlan elogGas = ElogGasLines(g);
    strips.elogGas = Paint(elogGas.plan, g);
    strips.factorTwoWidth = elogGas.factorTwoWidth;
    strips.elogGasExtent = elogGas.extent;
    const LogGasPlan logGas = LogGasLines(g);
    strips.logGas = Paint(logGas.plan, g);
    strips.logGasExtent = logGas.extent;
    strips.logRate = Paint(LogRateLines(g), g);
    strips.elog = Paint(ElogLines(g), g);
}

int BlitColumn(platform::Dc& dc, const GridStrips& strips, const ViewGeometry& g, int kind, int y, int x, int width)
{
    const std::int32_t gasWidth = (g.gas.count + g.gas2.count) * g.gas.cell;
    if (x < 1) {
        switch (kind) {
        case COLUMN_GAS:
            CopyMain(dc, strips, g.gas.left, gasWidth, y);
            if (g.options.logGasScale)
                CopyLogGas(dc, strips, g, y, g.gas.left, g.gas.left + gasWidth);
            break;
        case COLUMN_POROSITY: CopyMain(dc, strips, g.porosity.left, g.porosity.Width(), y); break;
        case COLUMN_FLUORESCENCE: CopyMain(dc, strips, g.fluorescence.left, g.fluorescence.Width(), y); break;
        case COLUMN_CUT: CopyMain(dc, strips, g.cut.left, g.cut.Width(), y); break;
        case COLUMN_HARDNESS: CopyMain(dc, strips, g.hardness.left, g.hardness.Width(), y); break;
        case COLUMN_RATE:
            if (g.options.logRateScale)
                Copy(dc, strips.logRate, 0, g.rate.left, y, g.rate.Right() - g.rate.left);
            else
                CopyMain(dc, strips, g.rate.left, g.rate.Right() - g.rate.left, y);
            break;
        case COLUMN_GAS_PART1: CopyMain(dc, strips, g.gas.left, g.gas.Width(), y); break;
        case COLUMN_GAS_PART2:
            if (!g.SingleGas())
                CopyMain(dc, strips, g.gasMiddleX, g.gas2.Width(), y);
            break;
        case COLUMN_EXTRA_GAS:
            if (g.extraGasScale)
                CopyMain(dc, strips, ExtraGasScaleLeft(g),
                         (g.extraGasCells[0] + g.extraGasCells[1]) * g.extraGasCellWidth, y);
            break;
        default: break;
        }
        return 1;
    }
    switch (kind) {
    case COLUMN_GAS:
        // The flare cells: restored where they stand, as painting laid them.
        CopyMain(dc, strips, x, 10 * g.gas.cell, y);
        if (g.options.logGasScale)
            CopyLogGas(dc, strips, g, y, x, x + 10 * g.gas.cell);
        break;
    case COLUMN_POROSITY: Copy(dc, strips.blank, 0, x, y, width); break;
    case COLUMN_RATE:
        if (g.options.logRateScale)
            Copy(dc, strips.logRate, 0, g.rate.left, y, x - g.rate.left);
        else
            CopyMain(dc, strips, g.rate.left, x - g.rate.left, y);
        break;
    default: break;
    }
    return 1;
}

}  // namespace logview
