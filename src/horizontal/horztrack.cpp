#include "horizontal/horztrack.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

namespace horizontal {

using platform::POINT;

namespace {

// A y far outside every band: huge values stay far away without overflowing the conversion.
int Y(double y)
{
    return platform::Trunc(std::clamp(y, -1e6, 1e6));
}

int X(const TrackInputs& in, std::int32_t depth)
{
    return in.plotLeft + (depth - in.plotFirstDepth) * in.pixelsPerUnit;
}

// The records a walk may visit: at most `limit` and those present.
int Walkable(const TrackInputs& in, int limit)
{
    return std::clamp(limit, 0, int(in.records.size()));
}

bool LastOfWalk(const TrackInputs& in, const wellfile::RECORD& r)
{
    return r.depth == 0 || r.depth == in.fileLastDepth;
}

void GasPoints(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    const HorzBands& b = in.bands;
    int scale = s.gasScale;
    const int walk = Walkable(in, 2 * in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        if (s.verticalGasScales)
            scale = r.gasScale >= 1 && r.gasScale <= 9 ? r.gasScale : 2;
        const int x = X(in, r.depth) + in.pixelsPerUnit / 2;
        const double full = std::max(1, GasFullScale(s, scale));
        for (std::size_t g = 0; g < 8; ++g) {
            const double v = r.halfGas[g];
            if (!std::isfinite(v))
                continue;
            int y;
            if (s.logGas) {
                const double fraction = std::log(10.0 * (v > 0 ? v : 0.01)) / std::log(100000.0);
                y = std::min(Y(b.gasBase - fraction * b.gasBandHeight), b.gasBase);
            } else {
                const double whole = std::fabs(double(platform::TruncInt(v)));
                y = std::clamp(Y(b.gasBase - whole * b.gasBandHeight / full), b.gasTop, b.gasBase);
            }
            out.gas[g].push_back({x, y});
        }
        if (LastOfWalk(in, r))
            break;
    }
    out.gasScale = scale;
}

// The row of a rate in minutes per unit; false for a value that cannot be drawn.
bool RateRow(const TrackInputs& in, const HorzViewSettings& s, float rate, double& y)
{
    if (!std::isfinite(rate))
        return false;
    const HorzBands& b = in.bands;
    if (s.logRop) {
        const double fraction = std::log(10.0 * (rate > 0 ? rate : 0.1)) / std::log(1000.0);
        y = b.lowerBase - fraction * b.lowerBandHeight;
    } else {
        y = b.lowerBase - double(rate) * b.lowerBandHeight / RateFullScale(s.rateScale);
    }
    return true;
}

int PlainRates(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    const HorzBands& b = in.bands;
    const int walk = Walkable(in, in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        const float samples[2] = {r.rateOdd, r.rateOne};
        for (int k = 0; k < 2; ++k) {
            double yy;
            if (!RateRow(in, s, samples[k], yy))
                continue;
            const int x = X(in, r.depth) + k * (in.pixelsPerUnit / 2);
            int y = Y(yy), wrap = b.lowerBase - 1;
            if (y < b.lowerTop) {
                wrap = std::max(y + (b.lowerTop - b.pathBottom), b.lowerTop);
                y = b.lowerTop;
                out.rateWrapped = out.rateWrapped || !s.logRop;
            }
            out.rate.push_back({x, y});
            out.rateWrap.push_back({x, wrap});
        }
        if (LastOfWalk(in, r))
            break;
    }
    return std::max(0, int(out.rate.size()) - 2);
}

int StairRates(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    const HorzBands& b = in.bands;
    int wrap = b.lowerBase;
    // Points 1 and 3 start from the band's base, 2 and 4 keep the wrap before them.
    auto add = [&](int x, double yy, int kind) {
        const bool fresh = kind == 1 || kind == 3;
        if (fresh)
            wrap = b.lowerBase;
        int y = Y(yy);
        if (y < b.lowerTop) {
            wrap = kind == 4 ? y + (b.lowerTop - b.pathBottom) : y + b.lowerBandHeight;
            if (fresh)
                wrap = std::max(wrap, b.lowerTop);
            y = kind == 4 ? b.lowerTop + 1 : b.lowerTop;
            if (kind == 1 && !s.logRop)
                out.rateWrapped = true;
        }
        out.rate.push_back({x, y});
        out.rateWrap.push_back({x, wrap});
    };
    const int walk = Walkable(in, in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        double half, full;
        if (RateRow(in, s, r.rateOdd, half) && RateRow(in, s, r.rateOne, full)) {
            const int x = X(in, r.depth), h = in.pixelsPerUnit / 2;
            if (out.rate.empty())
                add(in.plotLeft, b.lowerBase, 3);
            else
                add(x, half, 1);
            add(x + h, half, 2);
            add(x + h, full, 3);
            add(x + 2 * h, full, 4);
        }
        if (LastOfWalk(in, r))
            break;
    }
    out.rateStairsLast = int(out.rate.size()) - 1;
    if (!out.rate.empty()) {
        const POINT closing{out.rate.back().x, b.lowerBase};
        out.rate.push_back(closing);
        out.rateWrap.push_back(closing);
    }
    return int(out.rate.size()) / 2;
}

void GammaPoints(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    const HorzBands& b = in.bands;
    const double full = GammaFullScale(s.gammaScale);
    const int walk = Walkable(in, 2 * in.n);
    if (s.gammaOffWellTrack) {
        for (int i = 0; i < walk; ++i) {
            const wellfile::RECORD& r = in.records[std::size_t(i)];
            if (LastOfWalk(in, r))
                break;
            const float g = r.gamma[0];
            if (i == 0 || r.depth > in.fileLastDepth) {
                out.gamma.push_back({in.plotLeft, b.lowerBase});
                out.gammaWrap.push_back({in.plotLeft, b.lowerBase});
                continue;
            }
            if (!std::isfinite(g))
                continue;
            const int x = X(in, r.depth);
            int y;
            if (s.logGamma)
                y = Y(b.lowerBase - std::log(g > 0 ? g : 0.1) / std::log(10000.0) * b.lowerBandHeight);
            else
                y = Y(b.lowerBase - g * b.lowerBandHeight / full);
            int wrap = b.lowerBase;
            if (y < b.lowerTop) {
                wrap = std::clamp(y + b.lowerBandHeight, b.lowerTop, b.lowerBase);
                y = b.lowerTop;
                out.gammaWrapped = out.gammaWrapped || !s.logGamma;
            }
            out.gamma.push_back({x, y});
            out.gammaWrap.push_back({x, wrap});
        }
    } else if (!in.pathTrace.empty()) {
        // Across the path, at right angles to it, on the linear scale.
        const int traceX = in.pathTrace.front().x;
        int lastX = 0;
        for (int i = 0; i < walk; ++i) {
            const wellfile::RECORD& r = in.records[std::size_t(i)];
            if (LastOfWalk(in, r))
                break;
            const float g = r.gamma[0];
            const int column = X(in, r.depth) - traceX;
            if (!std::isfinite(g) || column < 0 || column >= int(in.pathTrace.size()))
                continue;
            const POINT p = in.pathTrace[std::size_t(column)];
            float slope = i < int(in.pathSlopes.size()) ? in.pathSlopes[std::size_t(i)] : 0.0f;
            if (slope == 0 || !std::isfinite(slope))
                slope = 0.01f;
            const double offset = std::min(double(g) * b.lowerBandHeight / full, 1e6);
            POINT q;
            if (std::fabs(slope) > 0.5f)
                q = {Y(p.x + offset), Y(p.y - offset / slope)};
            else
                q = {Y(p.x + slope * offset + 3), Y(p.y - offset)};
            if (!std::isfinite(1.0 / slope))
                q.x = lastX + 1;
            out.gamma.push_back(q);
            lastX = q.x;
        }
    }
    out.gammaLast = int(out.gamma.size()) - 2;
}

// One flat step a record from its own x over one record's width, the deepest 300 units only (150 for
// profile 21).
void WrtPoints(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    if (!s.gammaOffWellTrack)
        return;
    const HorzBands& b = in.bands;
    const double full = GammaFullScale(s.gammaScale);
    const std::int32_t from = in.fileLastDepth - (in.profile == 21 ? 150 : 300);
    const int walk = Walkable(in, in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        const float v = r.rtGamma[0];
        if (r.depth >= from && r.depth != 0 && std::isfinite(v)) {
            int y = Y(b.lowerBase - v * b.lowerBandHeight / full), wrap = b.lowerBase - 1;
            if (y < b.lowerTop) {
                wrap = std::max(y + b.lowerBandHeight, b.lowerTop);
                y = b.lowerTop;
                out.wrtGammaWrapped = true;
            }
            const int x = X(in, r.depth);
            for (int dx : {0, in.pixelsPerUnit}) {
                out.wrt.push_back({x + dx, y});
                out.wrtWrap.push_back({x + dx, wrap});
            }
        }
        if (LastOfWalk(in, r))
            break;
    }
    out.wrtLast = int(out.wrt.size()) - 1;
}

// CO2 (the full step's ninth gas) and the third curve: read down from their band's top, as their scale
// labels stand, at the x of the record's depth.
void DownwardPoints(const TrackInputs& in, TrackPoints& out)
{
    const HorzBands& b = in.bands;
    const double co2Full = Co2FullScale(in.co2Scale);
    const int walk = Walkable(in, in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        if (LastOfWalk(in, r))
            break;
        const int x = X(in, r.depth);
        const float co2 = r.gas[wellfile::GAS_NINTH];
        if (in.co2 && std::isfinite(co2))
            out.co2.push_back({x + in.pixelsPerUnit / 2,
                               std::clamp(Y(b.gasTop + co2 * b.gasBandHeight / co2Full), b.gasTop, b.gasBase)});
        const float v = i < int(in.thirdValues.size()) ? in.thirdValues[std::size_t(i)] : NAN;
        if (std::isfinite(v) && v > -1.0f)  // e-log nulls (-999.25) are no values
            out.third.push_back({x, std::clamp(Y(b.lowerTop + (v + 0.10) / 0.40 * b.lowerBandHeight), b.lowerTop,
                                               b.lowerBase)});
    }
}

}  // namespace

TrackPoints ComputeTrackPoints(const TrackInputs& in, const HorzViewSettings& s)
{
    TrackPoints out;
    GasPoints(in, s, out);
    DownwardPoints(in, out);
    GammaPoints(in, s, out);
    WrtPoints(in, s, out);
    if (in.ratesPerHour)
        out.result = ComputeRateTrackPoints(in, s, out);
    else
        out.result = s.blockedRop ? StairRates(in, s, out) : PlainRates(in, s, out);
    return out;
}

int ComputeRateTrackPoints(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out)
{
    out.rate.clear();
    out.rateWrap.clear();
    if (!in.perHourRates)
        return 0;
    const HorzBands& b = in.bands;
    // Codes outside the table keep the one in force (code 1 until a record gives one).
    int code = 1;
    auto row = [&](float rate, int limit) {
        const double value = rate > 0 ? 60.0 / rate : 1.0;
        return std::min(Y(b.lowerTop + value * b.lowerBandHeight / RatePerHourFullScale(code)), limit);
    };
    auto add = [&](int x, int y, int wrap) {
        out.rate.push_back({x, y});
        out.rateWrap.push_back({x, wrap});
    };
    const int walk = Walkable(in, in.n);
    for (int i = 0; i < walk; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        if (r.rateScale >= 1 && r.rateScale <= 7)
            code = r.rateScale;
        if (std::isfinite(r.rateOdd) && std::isfinite(r.rateOne)) {
            const int x = X(in, r.depth), h = in.pixelsPerUnit / 2;
            if (!s.blockedRop) {
                add(out.rate.empty() ? in.plotLeft : x, row(r.rateOdd, b.lowerBase), b.lowerBase - 1);
                add(x + h, row(r.rateOne, b.lowerBase), b.lowerBase - 1);
            } else {
                const int half = row(r.rateOdd, b.lowerBase), full = row(r.rateOne, b.lowerBase);
                if (out.rate.empty())
                    add(in.plotLeft, b.lowerTop, b.lowerTop);
                else
                    add(x, half, b.lowerBase);
                add(x + h, half, b.lowerBase);
                add(x + h, full, b.lowerBase);
                add(x + 2 * h, row(r.rateOne, b.lowerBase + 1), b.lowerBase);
            }
        }
        if (LastOfWalk(in, r))
            break;
    }
    out.perHourScale = code;
    if (!s.blockedRop)
        return std::max(0, int(out.rate.size()) - 1);
    out.rateStairsLast = int(out.rate.size()) - 1;
    if (!out.rate.empty()) {
        out.rate.push_back({out.rate.back().x, b.lowerTop});
        out.rateWrap.push_back({out.rate.back().x, b.lowerTop});
    }
    return std::max(0, out.rateStairsLast) / 2;
}

float VsAtDepth(std::span<const WellPathRow> table, int count, std::int32_t depth, std::int32_t fileLastDepth,
                std::int32_t firstDrawn, std::int32_t lastDrawn)
{
    count = std::clamp(count, 0, int(table.size()));
    if (count == 0)
        return 0;
    const WellPathRow kNone{};
    auto row = [&](int k) -> const WellPathRow& { return k >= 0 && k < int(table.size()) ? table[std::size_t(k)] : kNone; };
    depth = std::min(depth, fileLastDepth);
    int a = 0;
    while (a < count && table[std::size_t(a)].depth < depth)
        ++a;
    while (a > 0 && row(a).tvd == 0)
        --a;
    const double aMd = std::max<double>(row(a).depth, firstDrawn), aVs = row(a).vs;
    int b = a + 1;
    while (b < count && row(b).tvd == 0) {
        if (row(b).depth >= lastDrawn) {
            --b;
            break;
        }
        ++b;
    }
    const double bMd = row(b).depth > lastDrawn || row(b).depth == 0 ? aMd : row(b).depth;
    const double bVs = row(b).vs == 0 ? aVs : row(b).vs;
    double dMd = bMd - aMd;
    if (dMd <= 0)
        dMd = 1;
    double dVs = bVs - aVs;
    if (dVs <= 0)
        dVs = dMd;
    return float(aVs + dMd * (dVs / dMd));
}

}  // namespace horizontal
