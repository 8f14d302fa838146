#include "elog/curvepoints.h"

#include "elog/curves.h"
#include "platform/numbers.h"

#include <algorithm>

namespace elog {

namespace {

// A value no screen can show is held at a far x: never an undefined conversion.
int XOf(float origin, float value, float factor)
{
    return platform::Trunc(double(origin) + double(value) * double(factor));
}

}  // namespace

int BuildRecordPoints(std::span<const CurveRecord> records, std::span<platform::POINT> points, int count, int slot,
                      const CurveScale& scale, int rowHeight, int topY, std::int32_t lastDepth)
{
    if (count < 0 || slot < 0 || slot >= 24)
        return 0;
    int y = topY;
    const auto limit = std::min<std::size_t>({std::size_t(count) + 1, points.size(), records.size()});
    for (std::size_t i = 0; i < limit; ++i) {
        const CurveRecord& r = records[i];
        points[i] = {XOf(float(scale.origin), r.values[std::size_t(slot)], scale.factor), y};
        y += rowHeight;
        if (platform::Whole(r.values[SLOT_DEPTH]) == lastDepth)
            return std::max(int(i) - 1, 0);
    }
    if (limit == std::size_t(count) + 1)
        return count;
    return std::max(int(limit) - 1, 0);
}

int BuildAveragedPoints(std::span<const CurveRecord> records, std::span<platform::POINT> points, int count, int slot,
                        const AveragedWalk& w)
{
    if (count < 0 || slot < 0 || slot >= 24)
        return 0;
    int y = w.firstY;
    std::size_t r = 0;
    int built = -1;
    for (int i = 0; i <= count && std::size_t(i) < points.size(); ++i) {
        if (!w.liftBottom && y > w.bottomY)
            break;
        float sum = 0;
        bool end = false;
        for (int k = 0; k < 5; ++k, ++r) {
            if (r >= records.size()) {
                end = true;
                break;
            }
            const float depth = records[r].values[SLOT_DEPTH];
            if (depth == 0.0f) {
                end = true;
                break;
            }
            sum += records[r].values[std::size_t(slot)];
            if (platform::Whole(depth) == w.lastDepth) {
                ++r;
                end = true;
                break;
            }
        }
        points[std::size_t(i)] = {XOf(float(w.origin), sum / 5.0f, w.factor), y};
        built = i;
        y += w.yStep;
        if (end)
            break;
    }
    return std::max(built, 0);
}

WrapPieces WrapSegment(int x0, int y0, int x1, int step, int left, int right)
{
    WrapPieces p;
    const int width = right - left;
    const int h = step, hh = h / 2;
    const int x1w = std::min(x1 - width, right);
    const int x0w = std::min(x0 - width, right);
    if (x0 <= right && right < x1) {
        p.wedgePoints = 4;
        p.wedge[0] = {left, y0};
        p.wedge[1] = {x1w - 2, y0 + h};
        p.wedge[2] = {left, y0 + h};
        p.wedge[3] = {left, y0};
        p.lines = 2;
        p.line[0][0] = {x0, y0};
        p.line[0][1] = {right, y0 + hh};
        p.line[1][0] = {left, y0 + hh};
        p.line[1][1] = {x1w, y0 + h};
    } else if (right < x1 && right <= x0) {
        p.wedgePoints = 5;
        p.wedge[0] = {left, y0};
        p.wedge[1] = {x0w - 2, y0};
        p.wedge[2] = {x1w - 2, y0 + h};
        p.wedge[3] = {left, y0 + h};
        p.wedge[4] = {left, y0};
        p.lines = 1;
        p.line[0][0] = {x0w, y0};
        p.line[0][1] = {x1w, y0 + h};
    } else if (x1 < right && right <= x0) {
        p.lines = 2;
        p.line[0][0] = {x0w, y0};
        p.line[0][1] = {left, y0 + hh};
        p.line[1][0] = {right, y0 + hh};
        p.line[1][1] = {x1, y0 + h};
    }
    return p;
}

}  // namespace elog
