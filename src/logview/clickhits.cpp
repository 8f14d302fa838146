#include "logview/clickhits.h"

namespace logview {

namespace {

// The points i - 1, i and i + 1 that exist, tested with `hits`.
template <typename Hit>
bool NearPoint(std::span<const platform::POINT> points, long long i, Hit hits)
{
    for (long long k = i - 1; k <= i + 1; ++k)
        if (k >= 0 && k < (long long)points.size() && hits(points[std::size_t(k)]))
            return true;
    return false;
}

}  // namespace

int MarkerTolerance(int scaleIndex) { return scaleIndex >= 3 ? 10 : 6; }

std::optional<int> FindMarker(std::span<const std::int32_t> table, std::int32_t d, int tolerance)
{
    for (std::size_t i = 0; i < table.size() && table[i] != 0; ++i) {
        const long long m = table[i];
        if (m - tolerance <= d && d <= m + tolerance)
            return int(i);
    }
    return std::nullopt;
}

std::optional<std::int32_t> FindDowntimeNote(std::span<const std::int32_t> table, std::int32_t d)
{
    for (std::size_t i = 0; i < table.size() && table[i] != 0; ++i) {
        const long long m = table[i];
        if (m - 4 <= d && d <= m + 2)
            return table[i];
    }
    return std::nullopt;
}

bool HitElogCurve(std::span<const platform::POINT> points, int x, int y, int topMargin, int rowHeight)
{
    if (rowHeight <= 0 || y < topMargin)
        return false;
    const long long row = (y - topMargin) / rowHeight;
    return NearPoint(points, row, [x](const platform::POINT& p) { return (long long)p.x - 3 < x && x < (long long)p.x + 5; });
}

bool HitOffsetCurve(std::span<const platform::POINT> points, int x, int y, int logBottomY)
{
    std::size_t i = 0;
    // Every point is walked, so the whole curve can be taken, not only its top.
    while (i < points.size() && 0 < points[i].y && points[i].y < y && points[i].y < logBottomY)
        ++i;
    return NearPoint(points, (long long)i, [x](const platform::POINT& p) { return (long long)p.x - 4 < x && x < (long long)p.x + 4; });
}

}  // namespace logview
