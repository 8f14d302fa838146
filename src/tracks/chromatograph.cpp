#include "tracks/chromatograph.h"

#include "platform/gdi.h"
#include "tracks/gasscale.h"

#include <algorithm>
#include <cmath>

namespace tracks {

using platform::Trunc;

namespace {

// One piece of a total-gas scale: above `from`, `steps` units from the origin and `perValue` units per
// gas. The first piece of each scale starts at the origin.
struct Piece {
    double from;
    double steps;
    double perValue;
};

struct TgScale {
    std::array<Piece, 3> first;
    std::array<Piece, 3> fold;
    int pieces;
};

// Codes 1-7: the first track, and the fold covering ten times the values.
const std::array<TgScale, 7> kTgScales{{
    {{{{0, 0, 0.1}, {100, 10, 0.05}, {200, 15, 0.025}}}, {{{0, 0, 0.01}, {1000, 10, 0.005}, {2000, 15, 0.0025}}}, 3},
    {{{{0, 0, 0.05}}}, {{{0, 0, 0.005}}}, 1},
    {{{{0, 0, 0.05}, {200, 10, 0.025}, {400, 15, 0.0125}}}, {{{0, 0, 0.005}, {2000, 10, 0.0025}, {4000, 15, 0.00125}}}, 3},
    {{{{0, 0, 0.02}}}, {{{0, 0, 0.002}}}, 1},
    {{{{0, 0, 0.01}}}, {{{0, 0, 0.001}}}, 1},
    {{{{0, 0, 0.2}, {50, 10, 0.1}, {100, 15, 0.05}}}, {{{0, 0, 0.02}, {500, 10, 0.01}, {1000, 15, 0.005}}}, 3},
    {{{{0, 0, 0.005}}}, {{{0, 0, 0.0005}}}, 1},
}};

std::int32_t OnPieces(const std::array<Piece, 3>& pieces, int count, double v, double o, double u)
{
    // A value on a break belongs to the lower piece.
    const Piece* p = &pieces[0];
    for (int i = 1; i < count; ++i)
        if (v > pieces[std::size_t(i)].from)
            p = &pieces[std::size_t(i)];
    return Trunc(o + p->steps * u + p->perValue * u * (v - p->from), std::int32_t(o));
}

}  // namespace

int MaxChromatographValues(std::span<const wellfile::RECORD> group, ChromatographValues& values)
{
    values.fill(0);
    for (const wellfile::RECORD& r : group.first(std::min<std::size_t>(group.size(), 5)))
        for (std::size_t i = 0; i < values.size(); ++i) {
            const float v = r.gas[i];
            // The integer part of the magnitude; NaN counts as nothing, a huge value as itself.
            const float whole = std::isnan(v) ? 0.0f : std::trunc(std::fabs(v));
            values[i] = std::max(values[i], whole);
        }
    return 5;
}

TgPosition ChromatographTgX(int code, double v, double o, double u)
{
    const TgScale& s = kTgScales[std::size_t(code >= 1 && code <= 7 ? code - 1 : 6)];
    return {OnPieces(s.first, s.pieces, v, o, u), OnPieces(s.fold, s.pieces, v, o, u)};
}

std::int32_t ChromatographComponentX(double v, double testGas, int scaleCode, double o, double width, double factor)
{
    const double test = testGas > 0 ? testGas : 1.0;
    double m = 10.0;
    switch (scaleCode) {
    case 1: m = 2.0; break;
    case 2: m = 1.0; break;
    case 3: m = 0.5; break;
    default: break;
    }
    return Trunc(o + v / test * factor * width * m, std::int32_t(o));
}

int PrintedStrokeCount(std::int32_t lineThickness, std::int32_t width)
{
    static const std::array<std::array<int, 5>, 4> kStrokes{{
        {1, 2, 3, 4, 3}, {1, 2, 5, 6, 3}, {1, 3, 8, 12, 4}, {2, 8, 15, 20, 5},
    }};
    const std::size_t row = lineThickness <= 20 ? 0 : lineThickness <= 40 ? 1 : lineThickness <= 80 ? 2 : 3;
    return kStrokes[row][std::size_t(std::clamp(width, 0, 4))];
}

int ScreenStrokeCount(std::int32_t width) { return std::clamp(width, 1, 3); }

}  // namespace tracks
