#include "tracks/draw/printedgas.h"

#include "layout/draw/penof.h"
#include "logview/averages.h"
#include "platform/draw/dc.h"
#include "tracks/chromatograph.h"
#include "tracks/draw/gascurves.h"
#include "tracks/draw/gasstroke.h"
#include "tracks/draw/gasheads.h"
#include "tracks/draw/recordcurves.h"
#include "tracks/gasscale.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace tracks {

namespace {

using logview::PRINT_PEN_FIRST_GRID;
using logview::PRINT_PEN_HEAVY_GRID;
using logview::PRINT_PEN_THIN_GRID;

// Where the printed curves of the mode may run and where their names may stand.
struct Limits {
    std::int32_t u = 0;       // one unit
    std::int32_t units = 0;   // units across: the grid has units + 1 lines
    std::int32_t origin = 0;
    std::int32_t right = 0;   // the curves are held at it
    std::int32_t labelLeft = 0, labelRight = 0;  // names stand strictly between
};

Limits LimitsOf(const logview::ViewGeometry& g, const logview::Device& device, int rowHeight, bool ratio)
{
    const logview::PrinterGeometry& p = device.printer;
    Limits l;
    l.u = p.unitWidth;
    if (ratio) {
        if (wellfile::DiagonalAnhydriteProfile(g.profile) && !p.fullRatioUnit)
            l.u = std::int32_t(l.u * 0.9);
        l.units = p.ratioUnits;
        l.origin = p.ratioLeft + l.u;
    } else {
        l.units = p.gasUnits + p.gas2Units;
        l.origin = p.gasLeft + 1;
    }
    l.right = l.origin + l.units * l.u;
    l.labelLeft = p.gasLeft;
    l.labelRight = p.gasRight - 2 * rowHeight;
    return l;
}

bool ElogOnGasTrack(const TrackSettings& s, const ElogView* elog)
{
    if (!elog)
        return false;
    for (std::size_t i = 0; i < s.elogOnGasTrack.size(); ++i)
        if (s.elogOnGasTrack[i] && elog->gasTrackFlag[i])
            return true;
    return false;
}

bool Profile16Scale(const logview::ViewGeometry& g, const TrackSettings& s, const wellfile::RECORD& rec)
{
    return g.profile == 16 && !s.logGasScale && (rec.gasScale == 9 || rec.gasScale == 10);
}

// The unit lines of the linear grid over `height` from y: a heavier line every fifth unit (profile 16's
// scales 9 and 10: 41 lines 0.9 unit apart, every tenth heavier), doubled lines where the profile marks
// them, and the right edge in the first-grid pen.
void LinearGrid(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, const Limits& l,
                bool profile16, int y, int height)
{
    const auto pen = [&](int entry) { dc.SelectObject(PenOf(device.printPens[std::size_t(entry)])); };
    if (profile16) {
        double x = l.origin;
        const double step = 0.9 * l.u;
        for (int k = 0; k <= 40; ++k) {
            pen(k % 10 == 0 ? PRINT_PEN_HEAVY_GRID : PRINT_PEN_THIN_GRID);
            Line(dc, int(x), y, int(x), y + height);
            x = std::trunc(x + step);
        }
        x = std::trunc(x - step);
        Line(dc, int(x) + 1, y, int(x) + 1, y + height);
        return;
    }
    const std::int32_t gasUnits = device.printer.gasUnits;
    std::int32_t x = l.origin;
    for (std::int32_t k = 0; k <= l.units; ++k, x += l.u) {
        pen(k % 5 == 0 && k != l.units ? PRINT_PEN_HEAVY_GRID : PRINT_PEN_THIN_GRID);
        Line(dc, x, y, x, y + height);
        // A track of no units has no edges to double.
        if (g.profile == 4 || (g.profile == 64 && gasUnits > 0 && k % gasUnits == 0))
            Line(dc, x + 1, y, x + 1, y + height);
    }
    x -= l.u;
    pen(PRINT_PEN_FIRST_GRID);
    Line(dc, x + 1, y, x + 1, y + height);
    pen(PRINT_PEN_THIN_GRID);
}

// Draws the half rows of the printed gas curves.
struct Curves {
    platform::Dc& dc;
    const logview::ViewGeometry& g;
    const logview::Device& device;
    const TrackSettings& s;
    const Limits& l;
    std::array<platform::Pen, 8> pens;

    Curves(platform::Dc& d, const logview::ViewGeometry& geometry, const logview::Device& dev,
           const TrackSettings& settings, const Limits& limits)
        : dc(d), g(geometry), device(dev), s(settings), l(limits)
    {
        for (std::size_t i = 0; i < 7; ++i)
            pens[i] = PenOf(device.printPens[i]);
        const layout::PenSpec& nc5 = g.pens.table[7];
        pens[7] = platform::Pen(nc5.colour, device.printer.lineThickness / 10 + 1, nc5.style);
    }

    // Curve i from its working x to nx between yt and yb. Both ends stay on the track: a start carried
    // from beyond the right edge is held there too.
    void Half(std::size_t i, std::int32_t& last, std::int32_t nx, int yt, int yb)
    {
        const GasStroke how{l.origin, l.right, i == 7 || g.pens.table[i].style == layout::PS_SOLID,
                            s.gasPointToPoint, PrintedStrokeCount(device.printer.lineThickness, s.gasStrokes[i]) + 1,
                            l.u};
        DrawGasHalfRow(dc, pens[i], how, last, nx, yt, yb);
    }

    bool InLabelBand(std::int32_t x) const { return x > l.labelLeft && x < l.labelRight; }
};

}  // namespace

int PrintCurveTrack(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TrackSettings& s, PainterState& state, const ElogView* elog,
                    std::span<const wellfile::RECORD> records, std::size_t index, int rowHeight, bool ratio, int y)
{
    const logview::PrinterGeometry& p = device.printer;
    const bool shown = g.Flag(layout::FLAG_GAS);
    if (index >= records.size() || (s.customTracksEnabled && !shown) || (!shown && p.gasUnits == 0))
        return 0;
    const wellfile::RECORD& rec = records[index];
    const wellfile::RECORD* before = index > 0 ? &records[index - 1] : nullptr;
    const platform::KeepDcState keep(dc);

    bool logGrid = false;
    if (ElogOnGasTrack(s, elog)) {
        PrintCurveLogGrid(dc, device, state, rowHeight, y, 1, p.gasLeft, p.gasRight);
        logGrid = true;
    } else if ((s.logGasScale || s.gasPercent) && shown) {
        PrintGasLogGrid(dc, device, state, rowHeight, y, 1, p.gasLeft);
        if (g.splitGas)
            PrintGasLogGrid(dc, device, state, rowHeight, y, 1, p.gas2Left);
        logGrid = true;
    }
    Limits l = LimitsOf(g, device, rowHeight, ratio);
    const bool suppress = logGrid && !ratio;
    if (suppress && state.printedGridRight)
        l.right = *state.printedGridRight;

    std::array<std::int32_t, 8>& join = ratio ? state.printRatioJoin : state.printGasJoin;
    std::array<std::int32_t, 8>& work = state.chromatographX;
    work = join;

    dc.SelectObject(PenOf(device.printPens[PRINT_PEN_THIN_GRID]));
    Line(dc, l.origin + 1, y, l.right, y);
    if (!suppress && rec.depth > g.fileFirstDepth)
        LinearGrid(dc, g, device, l, Profile16Scale(g, s, rec), y, rowHeight);
    if (!shown)
        return 1;

    Curves curves(dc, g, device, s, l);
    std::array<bool, 8> flagged{};
    for (std::size_t i = 0; i < 8; ++i)
        flagged[i] = rec.gas[i] < 0;
    if (!s.hotwire && flagged[1])
        flagged[0] = true;

    const GasAxis axis = GasAxisOf(g, device, state);
    const auto map = [&](const wellfile::RECORD& r, GasValues v) {
        return GasValuesToX(axis, s, g.profile, r, v, l.u, ratio);
    };
    const bool compressed = g.scaleIndex >= 3;
    const bool firstRow = state.printRowCounter == 0;

    GasValues maxima{};
    if (compressed)
        logview::MaxGasComponents(records.subspan(index), maxima);
    GasValues half;
    const wellfile::RECORD* halfRecord = &rec;
    float totalMean = 0;
    if (compressed) {
        half = maxima;
    } else if (firstRow && before) {
        half = Magnitudes(FullStepGas(*before));
        halfRecord = before;
    } else {
        half = FirstHalfGas(rec);
        const float full = rec.gas[wellfile::GAS_TG];
        // A small total is the mean of the two halves, on both halves of the row.
        if (half[wellfile::GAS_TG] < 5.0f || full < 5.0f) {
            half[wellfile::GAS_TG] = (half[wellfile::GAS_TG] + full) * 0.5f;
            totalMean = half[wellfile::GAS_TG];
        }
        half = Magnitudes(half);
    }
    if (firstRow && before)
        join = map(*before, Magnitudes(FullStepGas(*before)));

    const std::size_t n = s.totalOnly ? 1 : 8;
    const int h = int(rowHeight * 0.5);
    const GasPositions first = map(*halfRecord, half);
    if (firstRow)
        work = first;
    for (std::size_t i = 0; i < n; ++i) {
        curves.Half(i, work[i], first[i], y, y + h);
        if (flagged[i] && curves.InLabelBand(work[i]))
            DrawGasLegend(dc, g, device, s, work[i], y, int(i));
    }
    join = work;

    GasValues second = compressed ? maxima : Magnitudes(FullStepGas(rec));
    if (!compressed && totalMean > 0)
        second[wellfile::GAS_TG] = totalMean;
    const GasPositions xs = map(rec, second);
    y += h;
    for (std::size_t i = 0; i < n; ++i)
        curves.Half(i, work[i], xs[i], y, y + h);
    join = work;
    return 1;
}

int PrintCurveTrack2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                     const TrackSettings& s, PainterState& state, const ElogView* elog,
                     std::span<const wellfile::RECORD> records, std::size_t first, int rowHeight, int count,
                     bool ratio, int y)
{
    const logview::PrinterGeometry& p = device.printer;
    const bool shown = g.Flag(layout::FLAG_GAS);
    if (first >= records.size() || count <= 0 || (s.customTracksEnabled && !shown) || (!shown && p.gasUnits == 0))
        return 0;
    const platform::KeepDcState keep(dc);
    const bool fifths = g.scaleIndex == 3;
    const int step = fifths ? int(rowHeight * 0.4) : rowHeight;
    const int gridRows = fifths ? count / 5 + 1 : count;
    const int block = gridRows * rowHeight;

    bool logGrid = false;
    if (p.extraCurve || ElogOnGasTrack(s, elog)) {
        PrintCurveLogGrid(dc, device, state, rowHeight, y, gridRows, p.gasLeft, p.gasRight);
        logGrid = true;
    } else if ((s.logGasScale || s.gasPercent) && shown) {
        PrintGasLogGrid(dc, device, state, rowHeight, y, gridRows, p.gasLeft);
        logGrid = true;
    }
    Limits l = LimitsOf(g, device, rowHeight, ratio);
    const bool suppress = logGrid && !ratio;
    if (suppress && state.printedGridRight)
        l.right = *state.printedGridRight;

    const wellfile::RECORD& head = records[first];
    const bool profile16 = Profile16Scale(g, s, head);
    const std::int32_t lineEnd = profile16 ? std::int32_t(l.right - 0.3 * rowHeight) : l.right;
    const std::int32_t extraRight = p.extraCurveLeft + p.extraCurveUnits * p.extraCurveUnitWidth;
    dc.SelectObject(PenOf(device.printPens[PRINT_PEN_THIN_GRID]));
    for (int row = 0; row <= gridRows; ++row) {
        Line(dc, l.origin + 1, y + row * rowHeight, lineEnd, y + row * rowHeight);
        if (p.extraCurve)
            Line(dc, p.extraCurveLeft, y + row * rowHeight, extraRight, y + row * rowHeight);
    }
    if (!suppress && head.depth > g.fileFirstDepth)
        LinearGrid(dc, g, device, l, profile16, y, block);
    if (p.extraCurve) {
        for (int k = 0; k <= 20; ++k) {
            const int entry = k % 5 == 0 && k != 20 ? PRINT_PEN_HEAVY_GRID : PRINT_PEN_THIN_GRID;
            const int x = p.extraCurveLeft + k * p.extraCurveUnitWidth;
            Line(dc, PenOf(device.printPens[std::size_t(entry)]), x, y, x, y + block);
        }
    }
    if (!shown)
        return 0;

    Curves curves(dc, g, device, s, l);
    const GasAxis axis = GasAxisOf(g, device, state);
    const auto map = [&](const wellfile::RECORD& r, GasValues v) {
        return GasValuesToX(axis, s, g.profile, r, v, l.u, ratio);
    };
    std::array<std::int32_t, 8>& join = ratio ? state.printRatioJoin : state.printGasJoin;
    std::array<std::int32_t, 8>& work = state.chromatographX;
    const std::size_t n = s.totalOnly ? 1 : s.hotwire ? 8 : 7;
    const int h = int(step * 0.5);
    const std::size_t end = std::min(records.size(), first + std::size_t(count));
    for (std::size_t r = first; r < end; ++r) {
        const wellfile::RECORD& rec = records[r];
        const GasPositions half = map(rec, Magnitudes(FirstHalfGas(rec)));
        // Each record starts from the record before it; the first of the buffer from its own first half.
        work = r > 0 ? map(records[r - 1], Magnitudes(FullStepGas(records[r - 1]))) : half;
        for (std::size_t i = 0; i < n; ++i) {
            curves.Half(i, work[i], half[i], y, y + h);
            const bool flagged = std::trunc(rec.gas[i]) < 0;
            if (flagged && g.scaleIndex < 3 && curves.InLabelBand(work[i]))
                DrawGasLegend(dc, g, device, s, work[i], y, int(i));
        }
        y += h;
        const GasPositions full = map(rec, Magnitudes(FullStepGas(rec)));
        for (std::size_t i = 0; i < n; ++i)
            curves.Half(i, work[i], full[i], y, y + h);
        y += h;
        join = work;
    }
    return 1;
}

}  // namespace tracks
