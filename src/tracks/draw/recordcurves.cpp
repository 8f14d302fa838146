#include "tracks/draw/recordcurves.h"

#include "layout/draw/penof.h"
#include "logview/averages.h"
#include "platform/draw/dc.h"
#include "platform/gdi.h"
#include "tracks/curvescales.h"
#include "tracks/gasscale.h"

#include <algorithm>
#include <cmath>

namespace tracks {

using platform::Trunc;

namespace {

// A track a curve is drawn across, its scale and its pen.
struct CurveTrack {
    std::int32_t left;
    std::int32_t right;
    double perValue;  // device units per unit of value
    platform::Pen pen;

    std::int32_t X(double v) const
    {
        const std::int32_t offset = Trunc(v * perValue, 0);
        return std::clamp<std::int64_t>(std::int64_t(left) + offset, left, right);
    }
    std::int32_t ReversedX(double v) const
    {
        const std::int32_t offset = Trunc(v * perValue, 0);
        return std::clamp<std::int64_t>(std::int64_t(right) - offset, left, right);
    }
};

// The curve track of gamma and weight on bit: the rate track on the screen, the printed curve track.
CurveTrack CurveTrackOf(const logview::ViewGeometry& g, const logview::Device& device, float fullScale,
                        int screenPen, int printPen)
{
    if (device.printing) {
        const logview::PrinterGeometry& p = device.printer;
        return {p.curveLeft, p.curveRight, double(p.rateCellCount) * p.rateCellWidth / fullScale,
                PenOf(device.printPens[std::size_t(printPen)])};
    }
    return {g.rate.left, g.rate.Right(), double(g.rate.count) * g.rate.cell / fullScale,
            PenOf(g.pens.table[std::size_t(screenPen)])};
}

// The gas track the CO2 curve is drawn across.
CurveTrack GasTrackOf(const logview::ViewGeometry& g, const logview::Device& device, const TrackSettings& s)
{
    const float full = Co2FullScale(s.co2Scale);
    if (device.printing) {
        const logview::PrinterGeometry& p = device.printer;
        return {p.gasLeft, p.gasRight, double(p.gasUnits) * p.unitWidth / full,
                PenOf(device.printPens[18])};
    }
    return {g.gas.left, g.gasRight, double(g.gas.count) * g.gas.cell / full, PenOf(g.pens.table[layout::PEN_CO2])};
}

// A reading of exactly 0 after a positive one is a dropped sample: the last positive value stands in
// for up to three zeros in a row.
struct ZeroHold {
    float lastPositive = 0;
    int zeros = 0;
    float operator()(float v)
    {
        if (v > 0) {
            lastPositive = v;
            zeros = 0;
        } else if (v == 0 && lastPositive > 0 && zeros < 3) {
            ++zeros;
            v = lastPositive;
        }
        return v;
    }
};

// A continued curve starts where the whole curve would have left off: the samples of the records above
// it (two records hold at least the three zeros a hold lasts) set the hold and the start.
constexpr std::size_t kHeldRecords = 2;

// Screen painting stops at the log's bottom; paper, images and the off-screen log take every row.
bool DrawsEveryRow(const logview::Device& device) { return device.printing || device.imageExport || device.offScreen; }

int Lower(int y, double by) { return Trunc(double(y) + by, y); }

enum class Gamma { Recorded, RealTime };

int DrawSampleCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TrackSettings& s, RecordRun records, std::size_t first, int count, int unitHeight, int y,
                    bool continued, Gamma kind)
{
    if (first >= records.size() || count <= 0)
        return 1;
    const bool realTime = kind == Gamma::RealTime;
    const CurveTrack track = CurveTrackOf(g, device, GammaFullScale(s.gammaScale),
                                          realTime ? layout::PEN_RT_GAMMA : layout::PEN_GAMMA, 8);
    continued = continued && first > 0;
    const auto samplesOf = [realTime](const wellfile::RECORD& r, std::size_t k) {
        return realTime ? r.rtGamma[k] : r.gamma[k];
    };

    std::int64_t records_ = count;
    if (realTime) {
        // Drawn above its records: the rows below the run's end come up into view.
        const double offset = std::clamp(double(RtGammaOffset(s.rtGammaOffset)), -1.0e5, 1.0e5);
        const std::int64_t whole = std::int64_t(std::trunc(offset));
        records_ += whole;
        std::int64_t start = std::int64_t(y) - whole * unitHeight;
        if (!continued)
            start += unitHeight;
        if (device.printing)
            start += 6 * std::int64_t(unitHeight);
        y = int(std::clamp<std::int64_t>(start, -1000000000, 1000000000));
    }

    const wellfile::RECORD& head = records[first];
    float interval = realTime ? head.rtGammaStep : head.gammaStep;
    if (!(interval >= (realTime ? 0.1f : 0.2f)))
        interval = 0.2f;
    int samples = interval == 0.25f ? 4 : 5;
    if (realTime && g.scaleIndex == 3) {
        interval = 0.2f;
        samples = 1;
        records_ *= 5;
    }
    const double sampleHeight = double(unitHeight) * interval;

    const platform::KeepDcState keep(dc);
    dc.SelectObject(track.pen);
    ZeroHold hold;
    if (continued) {
        float last = 0;
        for (std::size_t r = first - std::min<std::size_t>(first, kHeldRecords); r < first; ++r)
            for (int k = 0; k < samples; ++k)
                last = hold(samplesOf(records[r], std::size_t(k)));
        dc.MoveTo(track.X(last), y);
    }
    for (std::int64_t n = 0; n < records_; ++n) {
        const std::size_t r = first + std::size_t(n);
        const wellfile::RECORD& rec = records[r];
        for (int k = 0; k < samples; ++k) {
            const std::int32_t x = track.X(hold(samplesOf(rec, std::size_t(k))));
            if (n == 0 && !continued)
                dc.MoveTo(x, y);
            y = Lower(y, sampleHeight);
            dc.LineTo(x, y);
            if (!device.printing && interval == 0.25f && n % 2 == 0 && k == 0)
                y += 1;
            if (device.printing && !realTime) {
                if (k == 0 || k == 2)
                    y += 1;
                if (k == 0 && n % 5 == 0)
                    y += 1;
            }
        }
        if (realTime && device.printing && device.printer.rowCorrection && n % 3 == 0)
            y += 7;

        if (!(y < g.logBottomY || DrawsEveryRow(device)))
            break;
        if (r + 1 >= records.size() || n + 1 >= records_)
            break;
        const std::int32_t next = records[r + 1].depth;
        if (next == 0 || next == g.fileLastDepth)
            break;
        if (realTime && rec.depth == g.fileLastDepth)
            break;
    }
    return 1;
}

int DrawCo2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, const TrackSettings& s,
            RecordRun records, std::size_t first, int count, int rowHeight, int y, bool continued, bool reversed)
{
    if (first >= records.size() || count <= 0)
        return 1;
    CurveTrack track = GasTrackOf(g, device, s);
    if (reversed && device.printing && !device.colourPrinting)
        track.pen = platform::Pen(platform::RGB(0, 0, 0), rowHeight / 6, platform::PS_SOLID);
    const bool logarithmic = !reversed && s.logGasScale;
    const auto map = [&](double v) {
        if (reversed)
            return track.ReversedX(v);
        if (logarithmic)
            return std::clamp(Co2LogX(v, track.left, track.right), track.left, track.right);
        return track.X(v);
    };
    const std::int32_t edge = reversed ? track.right : track.left;
    const bool compressed = g.scaleIndex >= 3;

    std::int32_t lastX = edge;
    if (continued && first > 0)
        lastX = map(records[first - 1].gas[wellfile::GAS_NINTH]);

    const platform::KeepDcState keep(dc);
    dc.SelectObject(track.pen);
    std::size_t r = first;
    for (int row = 0; row < count && r < records.size(); ++row) {
        const wellfile::RECORD& rec = records[r];
        float v = rec.gas[wellfile::GAS_NINTH];
        std::size_t step = 1;
        if (compressed) {
            int five = 5;
            v = logview::MaxCurveValueInRange(records.subspan(r), g.fileFirstDepth, g.fileLastDepth, five);
            step = std::size_t(five);
        }
        const std::int32_t x = map(v);
        if (x == edge && lastX == edge) {
            if (!reversed) {
                y += rowHeight;
                if (device.printing && row % 3 == 0)
                    y -= 2;
                if (rec.depth >= g.fileLastDepth || rec.depth < g.fileFirstDepth)
                    break;
            } else {
                // A reversed row left on the edge goes on without the printer's correction or the stop.
                y += rowHeight;
            }
            r += step;
            continue;
        }
        dc.MoveTo(lastX, y);
        dc.LineTo(x, y + rowHeight);
        lastX = x;
        y += rowHeight;
        if (device.printing && row % 3 == 0)
            y -= 2;
        if (rec.depth >= g.fileLastDepth || rec.depth < g.fileFirstDepth)
            break;
        r += step;
    }
    return 1;
}

}  // namespace

int DrawRecordCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TrackSettings& s, RecordRun records, std::size_t first, int count, int unitHeight, int y,
                    bool continued)
{
    return DrawSampleCurve(dc, g, device, s, records, first, count, unitHeight, y, continued, Gamma::Recorded);
}

int DrawDataCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, RecordRun records, std::size_t first, int count, int unitHeight, int y,
                  bool continued)
{
    return DrawSampleCurve(dc, g, device, s, records, first, count, unitHeight, y, continued, Gamma::RealTime);
}

int DrawLinearCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    RecordRun records, std::size_t first, int count, int rowHeight, int y, bool continued)
{
    if (first >= records.size() || count <= 0)
        return 1;
    const CurveTrack track = CurveTrackOf(g, device, kWobFullScale, layout::PEN_WOB, 17);
    continued = continued && first > 0;
    const std::size_t step = g.scaleIndex >= 2 ? 5 : 1;
    const int half = int(rowHeight * 0.5);

    const platform::KeepDcState keep(dc);
    dc.SelectObject(track.pen);
    ZeroHold hold;
    if (continued) {
        float last = 0;
        for (std::size_t r = first - std::min<std::size_t>(first, kHeldRecords); r < first; ++r)
            for (std::size_t k = 0; k < 2; ++k)
                last = hold(records[r].weightOnBit[k]);
        dc.MoveTo(track.X(last), y);
    }
    std::size_t r = first;
    for (int row = 0; row < count && r < records.size(); ++row, r += step) {
        const wellfile::RECORD& rec = records[r];
        for (std::size_t k = 0; k < 2; ++k) {
            const std::int32_t x = track.X(hold(rec.weightOnBit[k]));
            if (row == 0 && !continued)
                dc.MoveTo(x, y);
            y += half;
            dc.LineTo(x, y);
        }
        if (device.printing && device.printer.rowCorrection && row % 5 == 0)
            y -= 4;
    }
    return 1;
}

int DrawAveragedCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                      const TrackSettings& s, RecordRun records, std::size_t first, int count, int rowHeight, int y,
                      bool continued)
{
    if (s.reverseCo2 && !s.logGasScale)
        return DrawReversedCurve(dc, g, device, s, records, first, count, rowHeight, y, continued);
    return DrawCo2(dc, g, device, s, records, first, count, rowHeight, y, continued, false);
}

int DrawReversedCurve(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                      const TrackSettings& s, RecordRun records, std::size_t first, int count, int rowHeight, int y,
                      bool continued)
{
    return DrawCo2(dc, g, device, s, records, first, count, rowHeight, y, continued, true);
}

int PrintCurveLogGrid(platform::Dc& dc, const logview::Device& device, PainterState& state, int rowHeight, int y,
                      int rows, int left, int right)
{
    const std::array<std::int32_t, 11> o = CurveLogGridOffsets(right - left);
    const auto pen = [&](int entry) { return PenOf(device.printPens[std::size_t(entry)]); };
    const auto line = [&](int x) {
        dc.MoveTo(x, y);
        dc.LineTo(x, y + rowHeight);
    };
    const platform::KeepDcState keep(dc);
    // With no row drawn the edge is still where the grid ends.
    std::int32_t x = left + 3 * o[10] + (o[10] - o[2]) + (o[2] - o[1]);
    for (int row = 0; row < rows; ++row, y += rowHeight) {
        x = left;
        dc.SelectObject(pen(logview::PRINT_PEN_RATE));
        line(x);
        dc.SelectObject(pen(logview::PRINT_PEN_THIN_GRID));
        for (int k = 2; k <= 9; ++k) {  // 0.3 to 1.0
            x += o[std::size_t(k + 1)] - o[std::size_t(k)];
            line(x);
            if (k == 8)
                dc.SelectObject(pen(logview::PRINT_PEN_HEAVY_GRID));
        }
        for (int decade = 0; decade < 3; ++decade) {  // 1 to 1000
            dc.SelectObject(pen(logview::PRINT_PEN_THIN_GRID));
            for (int k = 1; k <= 9; ++k) {
                x += o[std::size_t(k + 1)] - o[std::size_t(k)];
                line(x);
                if (k == 8)
                    dc.SelectObject(pen(logview::PRINT_PEN_HEAVY_GRID));
            }
        }
        x += o[2] - o[1];  // 2000
        line(x);
    }
    state.printedGridWidth = x - left;
    state.printedGridRight = x;
    return 1;
}

}  // namespace tracks
