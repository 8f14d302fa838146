#include "logview/rateplot.h"

#include "platform/gdi.h"

#include <algorithm>
#include <cmath>

namespace logview {

using wellfile::RECORD;

namespace {

using platform::Trunc;

// One piece of a linear per-hour scale: from `start` units per hour on, `offset` widths W from the
// origin, `perWidth` units per W.
struct PerHourPiece {
    float upTo;  // the piece holds values up to this one (the last piece holds the rest)
    int offset;
    float start;
    float perWidth;
};
constexpr float kRest = 1e30f;
constexpr PerHourPiece kPieces[6][3] = {
    {{kRest, 0, 0, 25}},                                  // 1: 25 to 125
    {{50, 0, 0, 25}, {100, 2, 50, 50}, {kRest, 3, 100, 100}},  // 2: 25 to 300
    {{150, 0, 0, 50}, {kRest, 3, 150, 150}},             // 3: 50 to 450
    {{100, 0, 0, 50}, {200, 2, 100, 100}, {kRest, 3, 200, 200}},  // 4: 50 to 600
    {{kRest, 0, 0, 10}},                                  // 5: 10 to 50
    {{kRest, 0, 0, 5}},                                   // 6: 5 to 25
};

}  // namespace

RateScale RateScaleOf(const ViewGeometry& g, const Device& device)
{
    RateScale s;
    if (device.printing) {
        s.left = device.printer.rateLeft;
        s.right = device.printer.rateRight;
        s.cell = device.printer.rateCellWidth;
        s.paper = true;
        s.rowStep = device.rowStep;
    } else {
        s.left = g.rate.left;
        s.right = g.rate.Right();
        s.cell = g.rate.cell;
    }
    s.logarithmic = g.options.logRateScale;
    s.reversed = g.options.reverseRop;
    s.perHour = g.options.ratePerHour;
    s.highlight = g.options.highlightBelow;
    s.fixed = g.fixedRate;
    s.scaleIndex = g.scaleIndex;
    s.fileFirstDepth = g.fileFirstDepth;
    return s;
}

int MinutesScaleCode(const RECORD& r, const FixedRateScale& fixed)
{
    if (fixed.on)
        return fixed.table[std::size_t(std::clamp(fixed.index, 0, int(fixed.table.size()) - 1))];
    const int code = r.minutesScale;
    return code == 0 || code > 8 ? 1 : code;
}

int PerHourScaleCode(const RECORD& r)
{
    const int code = r.rateScale;
    if (code == 0)
        return 1;
    return code >= 7 ? 5 : code;
}

double PixelsPerMinute(int code, int cell, bool paper)
{
    const double p = cell;
    const double q = (6 * cell) / 7;  // the paper cell of codes 2 and 3
    switch (code) {
    case 2: return paper ? 4 * q : 4 * (p - 1);
    case 3: return paper ? 2 * q : 2 * (p - 1);
    case 4: return p;
    case 5: return 0.5 * p;
    case 6: return 2.5 * p;
    case 7: return 10 * p;
    case 8: return 20 * p;
    default: return 5 * p;  // code 1, and a fixed table entry that names no scale
    }
}

int MinutesToX(float minutes, int code, const RateScale& s, bool floorLog)
{
    if (s.logarithmic) {
        // Three decades, 0.1 to 100 minutes per unit, whatever the orientation.
        const double v = floorLog ? std::max(double(minutes), 0.1) : double(minutes);
        return s.left + Trunc(std::log(10 * v) / std::log(1000.0) * s.Width());
    }
    const double d = double(minutes) * PixelsPerMinute(code, s.cell, s.paper);
    return s.reversed ? Trunc(s.right - d) : Trunc(s.left + d);
}

int ScreenCorrection(float v, int code, const RateScale& s, bool curve)
{
    if (s.paper || s.logarithmic || (code != 2 && code != 3))
        return 0;
    const int t = Trunc(v);
    switch (s.Sampling()) {
    case 1: return s.reversed ? t : -t;
    case 2: return curve ? -(t - 1) : -t;
    default: return 0;
    }
}

int RatePerHourToX(float perHour, int code, int cell, int origin, const RateScale& s)
{
    if (code < 1 || code > 6)
        return origin;
    const int sign = s.reversed ? 1 : -1;
    if (s.logarithmic) {
        // Two decades: 3 to 300 (code 1) or 6 to 600 units per hour over the track's width, mirrored
        // from the left edge when reversed.
        const double b = code == 1 ? 3 : 6;
        return Trunc(origin + sign * std::log(perHour / b) / std::log(100.0) * s.Width());
    }
    const double W = 5.0 * cell;
    const PerHourPiece* piece = kPieces[code - 1];
    while (piece->upTo != kRest && perHour > piece->upTo)
        ++piece;
    const double d = Trunc(piece->offset * W) + (perHour - piece->start) * W / piece->perWidth;
    return Trunc(origin + sign * d);
}

float PerHour(float minutes) { return 60.0f / (minutes > 0 ? minutes : 10.0f); }

float AverageRecords(std::span<const RECORD> records, std::size_t at, int& used)
{
    const std::size_t wanted = records.size() > at && records[at].depth % 5 == 0 ? 3 : 2;
    const std::size_t n = at < records.size() ? std::min(wanted, records.size() - at) : 0;
    used = int(n);
    float sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += records[at + i].rate2Ft;
    const float mean = n ? sum / float(n) : 0;
    return mean > 0 ? mean : 0.1f;
}

namespace {

// Places the samples of one run.
class Builder {
public:
    Builder(const RateScale& s, RatePoints& out, bool highlight) : s_(s), out_(out), highlight_(highlight) {}

    // A sample of `minutes` read from record `r`; `corrected`: the screen corrections apply.
    void Add(float minutes, const RECORD& r, int y, bool corrected, bool floorLog = true)
    {
        if (s_.perHour) {
            const int origin = s_.reversed ? s_.left : s_.right;
            int x = RatePerHourToX(PerHour(minutes), PerHourScaleCode(r), s_.cell, origin, s_);
            x = std::max(x, s_.left);
            if (s_.reversed)
                x = std::min(x, s_.right);
            out_.curve.push_back({x, y});
            return;
        }
        const int code = MinutesScaleCode(r, s_.fixed);
        int x = MinutesToX(minutes, code, s_, floorLog);
        if (corrected)
            x += ScreenCorrection(minutes, code, s_, true);
        out_.curve.push_back({x, y});
        if (highlight_) {
            int hx = MinutesToX(s_.highlight, code, s_);
            if (corrected)
                hx += ScreenCorrection(s_.highlight, code, s_, false);
            out_.highlight.push_back({hx, y});
        }
    }
    void AddAt(int x, int y)
    {
        out_.curve.push_back({x, y});
        if (highlight_)
            out_.highlight.push_back({x, y});
    }

private:
    const RateScale& s_;
    RatePoints& out_;
    bool highlight_;
};

}  // namespace

RatePoints BuildRatePoints(const RateScale& s, std::span<const RECORD> records, std::size_t first, int count,
                           int rowHeight, int topY, std::optional<std::int32_t> startX)
{
    RatePoints out;
    if (count <= 0 || first >= records.size())
        return out;
    const int sampling = s.Sampling();
    const bool highlight = !s.perHour && sampling != 3 && s.highlight > 0;
    Builder b(s, out, highlight);
    const int h2 = rowHeight / 2;
    const int oddPixel = rowHeight % 2 != 0 ? 1 : 0;
    const bool rowStep = s.paper && s.rowStep;
    const std::size_t n = records.size();
    // Off the file's first record, the minutes curve starts half way across the track.
    const bool fileStart = !s.perHour && records[first].depth == s.fileFirstDepth;
    const int middle = s.left + (s.right - s.left) / 2;
    int y = topY;

    if (sampling == 3) {
        // Each half row is one averaged sample; point 0 averages the group two (per hour three)
        // records before the run.
        if (fileStart) {
            b.AddAt(middle, y);
        } else {
            const std::size_t back = s.perHour ? 3 : 2;
            const std::size_t start = first >= back ? first - back : 0;
            int used = 0;
            b.Add(AverageRecords(records, start, used), records[start], y, false, false);
        }
        y += h2;
        std::size_t at = first;
        for (int built = 0, pair = 0; built < count && at < n; ++pair) {
            for (int half = 0; half < 2 && built < count && at < n; ++half, ++built) {
                int used = 0;
                const float mean = AverageRecords(records, at, used);
                b.Add(mean, records[at], y, false, false);
                at += std::size_t(used);
                y += h2;
                // The odd pixel of the row: per hour between the pair's samples, in minutes after them,
                // so that either curve keeps to its rows.
                if (half == (s.perHour ? 0 : 1))
                    y += oddPixel;
            }
            if (rowStep && (pair + 1) % 5 == 0)
                y -= 4;
        }
        return out;
    }

    // Scale indexes 1 and 2: point 0 is the full-step (two-unit) rate of the record before the run; on
    // the logarithmic minutes scale the run's first record. A run at the span's start has no record
    // before it and takes its own first record.
    const auto fullStep = [&](const RECORD& r) { return sampling == 1 ? r.rateOne : r.rate2Ft; };
    if (fileStart) {
        b.AddAt(middle, y);
    } else {
        const bool own = (!s.perHour && s.logarithmic) || first == 0;
        const RECORD& r = records[own ? first : first - 1];
        b.Add(fullStep(r), r, y, false);
    }
    if (startX)
        out.curve[0].x = *startX;

    const std::size_t last = std::min(n, first + std::size_t(count));
    if (sampling == 1) {
        y += h2;
        for (std::size_t k = first; k < last; ++k) {
            b.Add(records[k].rateOdd, records[k], y, true);
            y += h2;
            b.Add(records[k].rateOne, records[k], y, true);
            y += h2 + oddPixel;
            if (rowStep && (k - first + 1) % 5 == 0)
                y -= 4;
        }
    } else {
        y += rowHeight;
        for (std::size_t k = first; k < last; ++k) {
            b.Add(records[k].rate2Ft, records[k], y, true);
            y += rowHeight;
            if (rowStep && (k - first + 1) % 5 == 0)
                y -= 4;
        }
    }
    if (highlight && out.highlight.size() > 1)
        out.highlight[0].x = out.highlight[1].x;
    return out;
}

}  // namespace logview
