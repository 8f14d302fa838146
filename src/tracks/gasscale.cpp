#include "tracks/gasscale.h"

#include "platform/gdi.h"

#include <cmath>

namespace tracks {

using platform::Trunc;

namespace {

// One linear piece of a compressed scale: from value `base`, `steps` label steps from the origin, `perStep`
// gas per label step, up to and including `upTo`.
struct Piece {
    float upTo;
    int steps;
    float base;
    float perStep;
};

constexpr float kOpen = INFINITY;

const std::array<std::array<Piece, 7>, 8> kCompressed{{
    {{{kOpen, 0, 0, 25}}},
    {{{100, 0, 0, 25}, {kOpen, 4, 100, 50}}},
    {{{50, 0, 0, 25}, {100, 2, 50, 50}, {kOpen, 3, 100, 100}}},
    {{{100, 0, 0, 50}, {500, 2, 100, 100}, {kOpen, 6, 500, 500}}},
    {{{500, 0, 0, 100}, {1000, 5, 500, 500}, {kOpen, 6, 1000, 1000}}},
    {{{500, 0, 0, 250}, {1000, 2, 500, 500}, {kOpen, 3, 1000, 1000}}},
    {{{1000, 0, 0, 500}, {2000, 2, 1000, 1000}, {kOpen, 3, 2000, 2000}}},
    {{{50, 0, 0, 50}, {250, 1, 50, 200}, {500, 2, 250, 250}, {1000, 3, 500, 500}, {2000, 4, 1000, 1000},
      {4000, 5, 2000, 2000}, {kOpen, 6, 4000, 6000}}},
}};

// Full scale per label step of the linear scale, codes 1-9.
const std::array<float, 9> kLinearStep{25, 50, 100, 250, 500, 1000, 1500, 2000, 2500};

const std::array<std::array<const char*, 7>, 8> kCompressedLabels{{
    {"25", "50", "75", "100", "125", "150", "175"},
    {"25", "50", "75", "100", "150", "200", "250"},
    {"25", "50", "100", "200", "300", "400", "500"},
    {"50", "100", "200", "300", "400", "500", "1k"},
    {"100", "200", "300", "400", "500", "1k", "2k"},
    {"250", "500", "1k", "2k", "3k", "4k", "5k"},
    {"500", "1k", "2k", "4k", "6k", "8k", "10k"},
    {"50", "250", "500", "1k", "2k", "4k", "10k"},
}};

int RowOf(int code) { return code >= 1 && code <= 8 ? code - 1 : 7; }

std::int32_t Compressed(int code, double v, double origin, double step)
{
    for (const Piece& p : kCompressed[std::size_t(RowOf(code))]) {
        if (p.perStep == 0)
            break;
        if (v <= p.upTo || std::isinf(p.upTo) || std::isnan(v)) {
            const double start = std::trunc(origin) + std::trunc(p.steps * step);
            return Trunc(start + (v - p.base) * step / p.perStep, std::int32_t(origin));
        }
    }
    return std::int32_t(origin);
}

std::int32_t Logarithmic(double v, double origin, double width, bool total)
{
    if (v <= 0)
        return std::int32_t(origin);
    // The decade divisor is held in single precision, as the printed grid's is.
    const double t = total ? std::log(v * 0.1 / 0.01) / double(float(std::log(100.0) - std::log(0.001)))
                           : std::log(v * 100 / 10) / double(float(std::log(1000000.0) - std::log(10.0)));
    const std::int32_t x = Trunc(t * width + origin, std::int32_t(origin));
    return x < origin ? std::int32_t(origin) : x;
}

}  // namespace

const std::array<const char*, 6> kGasUnitLabels{"TG", "1", "10", "100", " 1k", "10k"};
const std::array<const char*, 6> kGasPercentLabels{".01", "0.1%", "1.0%", "10%", "100%", ""};
const std::array<const char*, 6> kGasPpmLabels{"100", "1000", "10k", "100k", "1000k", ""};

const std::array<const char*, 7>& CompressedLabels(int code) { return kCompressedLabels[std::size_t(RowOf(code))]; }

GasValues FullStepGas(const wellfile::RECORD& rec)
{
    GasValues v;
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = rec.gas[i];
    return v;
}

GasValues FirstHalfGas(const wellfile::RECORD& rec)
{
    GasValues v;
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = rec.halfGas[i];
    return v;
}

GasValues Magnitudes(GasValues v)
{
    for (float& x : v)
        x = std::fabs(x);
    return v;
}

std::int32_t DecadeLineOffset(int k, std::int32_t width)
{
    if (k <= 1)
        return 0;
    const float decades = float(std::log(100000.0) - std::log(1.0));
    return std::int32_t(float(std::log(double(k)) / double(decades)) * double(width));
}

GasAxis GasAxisOf(const logview::ViewGeometry& g, const logview::Device& device, const PainterState& state)
{
    GasAxis a;
    if (!device.printing) {
        const std::int32_t second = g.splitGas ? g.gasSecondLeft : g.gas.left;
        a.tgLeft = a.logTgLeft = g.gas.left;
        a.componentLeft = a.logComponentLeft = second;
        a.logWidth = g.splitGas ? second - g.gas.left : g.gasRight - g.gas.left;
        a.ratioLeft = g.ratio.left;
        return a;
    }
    const logview::PrinterGeometry& p = device.printer;
    a.tgLeft = a.componentLeft = a.logTgLeft = p.gasLeft;
    a.logComponentLeft = g.splitGas ? p.gas2Left : p.gasLeft;
    const std::int32_t gridRight =
        state.printedGridRight ? *state.printedGridRight
                               : p.gasLeft + 5 * DecadeLineOffset(10, p.gasUnits * p.unitWidth);
    a.logWidth = g.splitGas ? p.gas2Left - p.gasLeft : gridRight - p.gasLeft;
    a.ratioLeft = p.ratioLeft;
    return a;
}

GasPositions GasValuesToX(const GasAxis& axis, const TrackSettings& s, int profile, const wellfile::RECORD& rec,
                          GasValues& v, std::int32_t unitWidth, bool ratio)
{
    for (float& x : v)
        x = std::fabs(x);
    if (s.combineIc4Nc4 && profile != 60) {
        v[wellfile::GAS_IC4] += v[wellfile::GAS_NC4];
        v[wellfile::GAS_NC4] = 0;
    }
    if (!s.hotwire) {
        float sum = 0;
        for (std::size_t i = 1; i < 8; ++i)
            sum += v[i];
        v[0] = sum;
    }

    const double step = 5.0 * unitWidth;
    GasPositions xs{};
    if (ratio) {
        const double origin = double(axis.ratioLeft) + unitWidth;
        double sum = 0;
        for (std::size_t i = 1; i <= 6; ++i)
            sum += v[i];
        xs[0] = Trunc(origin, 0);
        for (std::size_t i = 1; i < 8; ++i) {
            const double f = sum > 0 ? v[i] / sum : 0.0;
            xs[i] = Trunc(f * 4 * step + origin, std::int32_t(origin));
        }
        return xs;
    }

    if (s.logGasScale) {
        for (std::size_t i = 0; i < 8; ++i) {
            double value = v[i];
            if (s.gasPercent && i > 0) {
                const float test = rec.testGas[i];
                const double divisor = test > 0 ? test : 1.0;
                value = s.componentsInPercent ? value * 0.01 * 100 : value / divisor * 100;
            }
            const std::int32_t origin = i == 0 ? axis.logTgLeft : axis.logComponentLeft;
            xs[i] = Logarithmic(value, origin, axis.logWidth, i == 0);
        }
        return xs;
    }

    const int code = rec.gasScale;
    for (std::size_t i = 0; i < 8; ++i) {
        const double origin = i == 0 ? axis.tgLeft : axis.componentLeft;
        if (s.linearGasScale) {
            // Codes 1-9 name a full scale; any other takes code 8's.
            const float perStep = kLinearStep[std::size_t(code >= 1 && code <= 9 ? code - 1 : 7)];
            xs[i] = Trunc(v[i] * step / perStep + origin, std::int32_t(origin));
        } else {
            xs[i] = Compressed(code, v[i], origin, step);
        }
    }
    return xs;
}

}  // namespace tracks
