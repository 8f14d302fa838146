#include "tracks/draw/chromatograph.h"

#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "tracks/chromatograph.h"
#include "tracks/draw/gascurves.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cstdlib>

namespace tracks {

namespace {

using platform::POINT;

// Where the chromatograph draws, on the screen or on paper.
struct Frame {
    std::int32_t origin;           // total gas
    std::int32_t limit;            // the first track's right edge; the components' origin
    std::int32_t right;            // the second track's right edge
    double unit;                   // one gas unit
    double componentWidth;         // a component at its test gas, scale code 2
    int step;                      // step height
    std::int32_t steepThreshold;   // below it a multi-stroke line is shifted sideways
};

Frame FrameOf(const logview::ViewGeometry& g, const logview::Device& device)
{
    if (!device.printing)
        return {g.gas.left, g.gasSecondLeft, g.gasRight, double(g.gas.cell), double(g.gasComponentWidth), g.rowHeight,
                g.unitWidth};
    const logview::PrinterGeometry& p = device.printer;
    return {p.gasLeft, p.gas2Left, p.gasRight, double(p.unitWidth), double(p.gasComponentWidth), p.lineHeight,
            p.lineThickness};
}

platform::Pen PrintPen(const logview::Device& device, int entry)
{
    return PenOf(device.printPens[std::size_t(entry)]);
}

// The unit lines of one printed gas track over one row from x, a heavier line every fifth unit and a
// doubled line at the track's edges. Returns the x of the track's right edge.
double PrintTrackGrid(platform::Dc& dc, const logview::Device& device, double x, std::int32_t units, double u, int y,
                      int h)
{
    if (units <= 0)
        return x;
    for (std::int32_t k = 0; k <= units; ++k) {
        dc.SelectObject(PrintPen(device, k % 5 == 0 ? logview::PRINT_PEN_HEAVY_GRID : logview::PRINT_PEN_THIN_GRID));
        Line(dc, int(x), y, int(x), y + h);
        if (k % units == 0)
            Line(dc, int(x) + 1, y, int(x) + 1, y + h);
        x = std::trunc(x + u);
    }
    x = std::trunc(x - u);
    Line(dc, int(x) + 1, y, int(x) + 1, y + h);
    return x;
}

void PrintGrid(platform::Dc& dc, const logview::Device& device, int y, int rows)
{
    const logview::PrinterGeometry& p = device.printer;
    const double u = p.unitWidth;
    for (int row = 0; row < rows; ++row, y += p.lineHeight) {
        dc.SelectObject(PrintPen(device, logview::PRINT_PEN_THIN_GRID));
        Line(dc, p.gasLeft + 1, y, p.gasRight, y);
        const double x = PrintTrackGrid(dc, device, p.gasLeft, p.gasUnits, u, y, p.lineHeight);
        PrintTrackGrid(dc, device, x, p.gas2Units, u, y, p.lineHeight);
    }
}

}  // namespace

void DrawChromatographTrack(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                            const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                            std::size_t first, int rowHeight, int y, int count)
{
    if (s.customTracksEnabled && !g.Flag(layout::FLAG_GAS))
        return;
    if (first >= records.size() || count <= 0)
        return;
    const Frame f = FrameOf(g, device);
    const platform::KeepDcState keep(dc);
    if (device.printing)
        PrintGrid(dc, device, y, count);

    // The curve pens and how many strokes a styled pen of each entry's width is laid as.
    std::array<platform::Pen, 8> pens;
    std::array<int, 8> strokes{};
    for (std::size_t i = 0; i < 8; ++i) {
        pens[i] = device.printing ? PrintPen(device, int(i)) : PenOf(g.pens.table[i]);
        strokes[i] = device.printing ? PrintedStrokeCount(f.steepThreshold, s.gasStrokes[i])
                                     : ScreenStrokeCount(s.gasStrokes[i]);
    }

    // nC5 is not drawn here: at most TG and the six components C1 to iC5.
    const std::size_t curves = s.totalOnly ? 1 : 7;
    std::array<std::int32_t, 8>& last = state.chromatographX;
    for (std::size_t i = 1; i < 8; ++i)
        if (last[i] == 0 || (!device.printing && last[i] > g.ratio.left))
            last[i] = f.limit;

    int steps = count;
    int step = f.step;
    if (g.scaleIndex == 3) {
        steps *= 2;
        step /= 2;
    }
    const bool compressed = g.scaleIndex >= 3;
    const bool rule = records[first].chromatographRule != 10 && wellfile::SandShaleProfile(g.profile);

    ChromatographRun run;
    run.origin = f.origin;
    run.limit = f.limit;
    run.step = step;
    run.points.reserve(std::size_t(steps) + 1);
    run.secondX.reserve(std::size_t(steps) + 1);
    bool overflow = false;

    // Step 0 is the record before the run, or the run's first record when there is none before it.
    std::size_t r = first > 0 ? first - 1 : first;
    std::array<std::int32_t, 8> xs = last;
    for (int j = 0; j <= steps && r < records.size(); ++j) {
        const wellfile::RECORD& rec = records[r];
        ChromatographValues v{};
        std::array<bool, 7> tagged{};
        if (compressed) {
            MaxChromatographValues(records.subspan(r), v);
            r += j == 0 ? (first > 0 ? 1 : 0) : 5;
        } else {
            for (std::size_t i = 0; i < v.size(); ++i) {
                v[i] = rec.gas[i];
                if (v[i] < 0) {
                    v[i] = -v[i];
                    tagged[i] = true;
                }
            }
            r += j == 0 ? (first > 0 ? 1 : 0) : 1;
        }

        const TgPosition tg = ChromatographTgX(rec.gasScale, v[0], f.origin, f.unit);
        run.points.push_back({tg.x, y});
        run.secondX.push_back(tg.x2);
        xs[0] = tg.x;
        if (xs[0] >= f.limit) {
            xs[0] = f.limit;
            overflow = true;
        }
        for (std::size_t i = 1; i < curves; ++i) {
            const double test = rec.testGas[i];
            double value = v[i];
            double factor = 1.0;
            if (rule) {
                if (i == 1)
                    value = v[0];
                else
                    factor = 2.0;
            }
            xs[i] = std::min(ChromatographComponentX(value, test, rec.chromatographScale, f.limit, f.componentWidth,
                                                     factor),
                             f.right);
        }
        if (j == 0) {
            last[0] = xs[0];
            continue;
        }

        const std::size_t drawn = device.imageTotalOnly ? 1 : curves;
        for (std::size_t i = 0; i < drawn; ++i) {
            const std::int32_t origin = i == 0 ? f.origin : f.limit;
            std::int32_t x = std::max(xs[i], origin);
            std::int32_t lx = std::max(last[i], origin);
            if (x == origin && lx == origin)
                continue;
            x = std::min(x, f.right);
            dc.SelectObject(pens[i]);
            dc.MoveTo(lx, y);
            if (!s.gasPointToPoint) {
                dc.LineTo(x, y);
                dc.LineTo(x, y + step);
            } else if (g.pens.table[i].style == layout::PS_SOLID) {
                dc.LineTo(x, y + step);
            } else if (i == 0) {
                const bool steep = std::abs(std::int64_t(x) - lx) < f.steepThreshold;
                for (int k = 0; k <= strokes[i]; ++k) {
                    const int sx = steep ? lx + k : lx, sy = steep ? y : y + k;
                    if (sx > f.limit)
                        continue;
                    Line(dc, sx, sy, steep ? x + k : x, steep ? y + step : y + step + k);
                }
            } else {
                for (int k = 0; k <= strokes[i]; ++k) {
                    Line(dc, lx, y + k, x, y + k);
                    Line(dc, x + k, y, x + k, y + step);
                }
            }
            last[i] = x;
        }
        for (std::size_t i = 0; i < drawn; ++i)
            if (tagged[i])
                DrawGasLegend(dc, g, device, s, last[i], y, int(i));
        y += step;
    }

    const std::size_t done = run.points.empty() ? 0 : run.points.size() - 1;
    if (overflow) {
        dc.SelectObject(pens[0]);
        for (std::size_t j = 0; j < done; ++j)
            if (run.points[j].x >= f.limit || run.points[j + 1].x >= f.limit)
                j = FillChromatographPolygons(dc, g, device, s, run, rowHeight, done, j);
    }
    for (std::size_t i = 0; i < 8; ++i)
        last[i] = i < curves ? xs[i] : f.limit;
    last[0] = xs[0];
}

std::size_t FillChromatographPolygons(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                                      const TrackSettings& s, const ChromatographRun& run, int rowHeight,
                                      std::size_t count, std::size_t index)
{
    const std::vector<POINT>& p = run.points;
    count = std::min(count, p.empty() ? 0 : p.size() - 1);
    if (index >= count)
        return index;
    const platform::COLORREF colour =
        g.profile == 11 ? g.pens.table[layout::PEN_OFFSCALE_RATES_FILL].colour : platform::RGB(216, 216, 216);
    const platform::Brush brush(colour);
    const platform::Pen outline(colour);
    const platform::KeepDcState keep(dc);
    dc.SetROP2(platform::R2_MASKPEN);

    const std::int32_t left = run.origin, limit = run.limit, width = limit - left;
    const int top = device.printing ? 0 : g.topMargin;
    std::vector<POINT> polygon;
    polygon.reserve(2 * (count - index) + 4);

    if (!s.gasPointToPoint) {
        // Blocked steps: each overflowing step's TG less one track width, between the entering and the
        // leaving edge. Step i + 1's fold spans Y(i) to Y(i + 1), the bottoms of the steps (step 0's is
        // step 1's top), so the fill stands beside the overflow it shows. Where neither edge sets a
        // closing x, the run closes at the track's edge.
        const auto Y = [&](std::size_t i) { return i == 0 ? p[0].y : p[i].y + run.step; };
        const auto folded = [&](std::size_t i) {
            return std::int32_t(std::min<std::int64_t>(std::int64_t(p[i].x) - width, limit));
        };
        polygon.push_back({left, std::max(Y(index), top)});
        std::int32_t b = limit;
        if (p[index + 1].x > limit && p[index].x <= limit) {
            Line(dc, p[index].x, Y(index), limit, Y(index));
            b = folded(index + 1);
            polygon.push_back({b, Y(index)});
            polygon.push_back({b, Y(index + 1)});
            ++index;
        }
        while (index < count && p[index].x >= limit && p[index + 1].x >= limit) {
            b = folded(index + 1);
            polygon.push_back({b, Y(index)});
            polygon.push_back({b, Y(index + 1)});
            ++index;
        }
        if (index < count && p[index + 1].x < limit) {
            dc.MoveTo(limit, Y(index));
            dc.LineTo(p[index + 1].x, Y(index));
            dc.LineTo(p[index + 1].x, Y(index + 1));
        }
        polygon.push_back({b, Y(index)});
        polygon.push_back({left, Y(index)});
    } else {
        polygon.push_back({left, std::max(p[index].y, top)});
        const auto folded = [&](std::size_t i) { return std::min(run.secondX[i], limit); };
        if (p[index].x > limit && (index == 0 || p[index - 1].x <= limit)) {
            polygon.push_back({folded(index), p[index + 1].y});
            ++index;
        }
        while (index < count && p[index].x >= limit && p[index + 1].x >= limit) {
            polygon.push_back({folded(index), p[index + 1].y});
            ++index;
        }
        polygon.push_back({left, p[index].y + rowHeight / 2});
    }

    dc.SelectObject(brush);
    dc.SelectObject(outline);
    dc.Polygon(polygon.data(), int(polygon.size()));
    return index;
}

}  // namespace tracks
