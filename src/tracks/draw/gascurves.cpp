#include "tracks/draw/gascurves.h"

#include "layout/draw/penof.h"
#include "logview/averages.h"
#include "platform/draw/dc.h"
#include "tracks/chromatograph.h"
#include "tracks/draw/gasstroke.h"
#include "tracks/gasscale.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tracks {

namespace {

struct Span {
    std::int32_t left;
    std::int32_t right;
};

// Curve i of the screen gas track between yt and yb: a styled entry is laid as one stroke per unit of
// its width (thin, medium or heavy).
void DrawHalf(platform::Dc& dc, const logview::ViewGeometry& g, const TrackSettings& s, Span track, std::size_t i,
              std::int32_t& last, std::int32_t nx, int yt, int yb)
{
    const layout::PenSpec& spec = g.pens.table[i];
    const GasStroke how{track.left, track.right, spec.style == layout::PS_SOLID, s.gasPointToPoint,
                        ScreenStrokeCount(s.gasStrokes[i]), g.gas.cell};
    DrawGasHalfRow(dc, PenOf(spec), how, last, nx, yt, yb);
}

}  // namespace

int DrawGasCurves(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                  std::size_t index, int y, bool ratio, bool previous)
{
    if (index >= records.size())
        return 0;
    const wellfile::RECORD& rec = records[index];
    const GasValues full = FullStepGas(rec);
    if (full[wellfile::GAS_TG] == 0.0f && full[wellfile::GAS_C1] == 0.0f)
        return 0;

    const std::int32_t unit = g.gas.cell;
    const Span track = ratio ? Span{g.ratio.left + unit, g.ratio.left + unit + g.ratio.count * unit}
                             : Span{g.gas.left, g.gasRight};
    const Span labels{g.gas.left, g.gasRight - 2 * unit};
    const GasAxis axis = GasAxisOf(g, logview::Device::Screen(), state);
    std::array<std::int32_t, 8>& join = ratio ? state.ratioJoin : state.gasJoin;

    // A join to the record before needs that record in the span; without it the row starts afresh.
    const bool firstRow = state.rowCounter == 0 || (previous && index == 0);
    std::array<std::int32_t, 8> last = join;
    for (std::int32_t& x : last)
        if (x < track.left || firstRow)
            x = track.left;
    if (previous && index > 0) {
        // Mapped as the row itself is mapped, so a ratio row joins the ratio column's own positions.
        GasValues before = Magnitudes(FullStepGas(records[index - 1]));
        last = GasValuesToX(axis, s, g.profile, records[index - 1], before, unit, ratio);
    }

    const bool compressed = g.scaleIndex >= 3;
    GasValues maxima{};
    if (compressed)
        logview::MaxGasComponents(records.subspan(index), maxima);

    GasValues half;
    float totalMean = 0;
    if (compressed) {
        half = maxima;
    } else {
        half = FirstHalfGas(rec);
        // A small total is the mean of the two halves, on both halves of the row.
        if (half[wellfile::GAS_TG] < 5.0f || full[wellfile::GAS_TG] < 5.0f) {
            half[wellfile::GAS_TG] = (half[wellfile::GAS_TG] + full[wellfile::GAS_TG]) * 0.5f;
            totalMean = half[wellfile::GAS_TG];
        }
        half = Magnitudes(half);
    }

    std::array<bool, 8> flagged{};
    for (std::size_t i = 0; i < 8; ++i)
        flagged[i] = full[i] < 0.0f;

    const std::array<std::int32_t, 8> first = GasValuesToX(axis, s, g.profile, rec, half, unit, ratio);
    if (firstRow)
        last = first;

    // A log image draws what the screen draws: every curve unless only the total is asked for.
    const std::size_t count = s.totalOnly ? 1 : 8;
    const int h = int(g.rowHeight * 0.5);
    const platform::KeepDcState keep(dc);
    for (std::size_t i = 0; i < count; ++i)
        DrawHalf(dc, g, s, track, i, last[i], first[i], y, y + h);

    GasValues second = compressed ? maxima : full;
    if (!compressed) {
        if (totalMean > 0)
            second[wellfile::GAS_TG] = totalMean;
        second = Magnitudes(second);
    }
    const std::array<std::int32_t, 8> xs = GasValuesToX(axis, s, g.profile, rec, second, unit, ratio);
    for (std::size_t i = 0; i < count; ++i)
        DrawHalf(dc, g, s, track, i, last[i], xs[i], y + h, y + 2 * h);

    for (std::size_t i = 0; i < count; ++i)
        if (flagged[i] && last[i] > labels.left && last[i] < labels.right)
            DrawGasLegend(dc, g, device, s, last[i], y + h, int(i));

    join = last;
    return 1;
}

void DrawGasLegend(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                   const TrackSettings& s, int x, int y, int curve)
{
    if (curve < 0 || curve > 7)
        return;
    std::array<const char*, 8> names{"_TOT", "_C1", "_C2", "_C3", "_IC4", "_NC4", "_C5", "_NC5"};
    if (wellfile::SplitC5Profile(g.profile))
        names[6] = "_IC5";
    if (s.hotwire)
        names[0] = "_HW";
    if (s.combineIc4Nc4)
        names[4] = "_C4";

    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(device.printing ? device.printFonts.label : g.fonts.smallLog));
    if (device.printing)
        y = int(y - 0.5 * device.printer.rowHeight);
    dc.SetBkMode(platform::TRANSPARENT);
    if (!device.printing || device.colourPrinting)
        dc.SetTextColor(g.pens.table[std::size_t(curve)].colour);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.TextOut(x, y, names[std::size_t(curve)]);
}

}  // namespace tracks
