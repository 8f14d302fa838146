#include "entry/flarepoints.h"

#include "logview/averages.h"
#include "platform/text.h"

#include <algorithm>

namespace entry {

namespace {

using platform::POINT;
using wellfile::RECORD;

// The whole part of left + value x scale.
int FlareX(int left, double value, float scale) { return int(double(left) + value * double(scale)); }

const RECORD& Before(FlareRecords buffer, std::size_t first) { return first > 0 ? buffer[first - 1] : buffer[first]; }

// Whether record `r` may still be walked on the normal scales, and whether it ends the walk after it.
struct Step {
    bool take = false;
    bool last = false;
};
Step WalkStep(const RECORD& r, int y, int rowHeight, const FlareWalkLimits& limits)
{
    if (r.depth == 0 || (limits.screen && y > limits.logBottomY + rowHeight))
        return {};
    return {true, r.depth == limits.lastDepth};
}

// The records that may be walked from `first`: never past the buffer.
int Walkable(FlareRecords buffer, std::size_t first, int count)
{
    if (first >= buffer.size() || count <= 0)
        return 0;
    return int(std::min<std::size_t>(std::size_t(count), buffer.size() - first));
}

void CloseToLeft(std::vector<POINT>& points, int left, int startY, int lastY)
{
    points.push_back({left, lastY});
    points.push_back({left, startY});
}

// The red profile and its yellow wrap for one record at y.
void AddTrackPoint(FlareTrackProfile& out, const FlareTrackPlace& place, int value, int y)
{
    const float scale = place.Scale();
    out.red.push_back({std::min(FlareX(place.left, value, scale), place.Right()), y});
    const int wrap = std::max(FlareX(place.left, double(value) - kFlareTrackFullScale, scale), place.left);
    out.yellow.push_back({wrap, y});
    out.drawYellow = out.drawYellow || wrap > place.left;
}

// Closes both profiles to the left edge (first the last y, then the first).
void CloseProfiles(FlareTrackProfile& out, const FlareTrackPlace& place)
{
    if (out.red.empty())
        return;
    const int firstY = out.red.front().y, lastY = out.red.back().y;
    for (std::vector<POINT>* p : {&out.red, &out.yellow}) {
        p->insert(p->begin(), POINT{place.left, firstY});
        p->push_back({place.left, lastY});
    }
}

}  // namespace

FlareOutline FlarePolygonPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY, int left,
                                int width, float scale, bool paperFromLeft, const FlareWalkLimits& limits)
{
    FlareOutline out;
    const int n = Walkable(buffer, first, count);
    if (left == 0 || n == 0)
        return out;
    const auto x = [&](int value) { return std::clamp(FlareX(left, value, scale), left, left + width); };
    const RECORD& before = Before(buffer, first);
    const int x0 = paperFromLeft ? left : x(before.flareLength);
    bool any = !paperFromLeft && before.flareLength != 0;
    out.points.push_back({x0, startY});
    int lastY = startY;
    for (int i = 1; i < n; ++i) {
        const RECORD& r = buffer[first + std::size_t(i)];
        const int y = startY + i * rowHeight;
        const Step step = WalkStep(r, y, rowHeight, limits);
        if (!step.take)
            break;
        out.points.push_back({x(r.flareLength), y});
        any = any || r.flareLength != 0;
        lastY = y;
        if (step.last)
            break;
    }
    CloseToLeft(out.points, left, startY, lastY);
    out.points.push_back({x0, startY});
    out.draw = any;
    return out;
}

FlareOutline CompressedFlarePolygonPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight,
                                          int startY, int left, int width, float scale, const FlareWalkLimits& limits)
{
    FlareOutline out;
    const int n = Walkable(buffer, first, count);
    if (left == 0 || n == 0)
        return out;
    const auto x = [&](int value) { return std::clamp(FlareX(left, value, scale), left, left + width); };
    const int step = int(rowHeight * 0.1);
    const int x0 = x(Before(buffer, first).flareLength);
    out.points.push_back({x0, startY});
    int y = startY;
    for (int i = 1; i < n; ++i) {
        const RECORD& r = buffer[first + std::size_t(i)];
        if (r.depth == 0 || (long long)r.depth > (long long)limits.lastDepth - 10)
            break;
        if (limits.screen && y + step > limits.logBottomY)
            break;
        y += step;
        out.points.push_back({x(r.flareLength), y});
    }
    CloseToLeft(out.points, left, startY, y);
    out.points.push_back({x0, startY});
    out.draw = true;
    return out;
}

FlareTrackPlace FlareTrackAt(int gasRight, int gasCell) { return {gasRight - kFlareTrackCells * gasCell, gasCell}; }

FlareTrackProfile FlareTrackPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY,
                                   const FlareTrackPlace& place, bool paper, const FlareWalkLimits& limits)
{
    FlareTrackProfile out;
    const int n = Walkable(buffer, first, count);
    if (place.cell <= 0 || n == 0)
        return out;
    // On paper the record before the first stands at the start y and every record one row lower.
    const int shift = paper ? 1 : 0;
    if (paper)
        AddTrackPoint(out, place, Before(buffer, first).flareLength, startY);
    for (int i = 0; i < n; ++i) {
        const RECORD& r = buffer[first + std::size_t(i)];
        const int y = startY + (i + shift) * rowHeight;
        const Step step = WalkStep(r, y, rowHeight, limits);
        if (!step.take)
            break;
        AddTrackPoint(out, place, r.flareLength, y);
        out.rows.push_back({r.depth, y, platform::FieldText(r.shortText)});
        if (step.last)
            break;
    }
    CloseProfiles(out, place);
    return out;
}

FlareTrackLines FlareTrackLinePoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY,
                                     const FlareTrackPlace& place, const FlareWalkLimits& limits)
{
    FlareTrackLines out;
    const int n = Walkable(buffer, first, count);
    if (place.cell <= 0 || n == 0)
        return out;
    const double apScale = 0.002 * place.Width();
    int y = startY;
    for (int i = 0; i < n; i += logview::kGroupSize, y += rowHeight) {
        const FlareRecords group = buffer.subspan(first + std::size_t(i), std::size_t(std::min(logview::kGroupSize, n - i)));
        const RECORD& r = group.front();
        if (r.depth == 0 || r.depth > limits.lastDepth || (limits.screen && y > limits.logBottomY))
            break;
        int five = 0;
        const int value = logview::MaxFlareLength(group, five);
        out.ap.push_back({int(place.Right() - value * apScale), y});
        AddTrackPoint(out.profile, place, value, y);
        out.profile.rows.push_back({r.depth, y, {}});
    }
    CloseProfiles(out.profile, place);
    return out;
}

FlareStepLine FlareStepPoints(const RECORD& record, const RECORD& next, int rowHeight, int y, const FlareTrackPlace& place)
{
    const float scale = place.Scale();
    const auto x = [&](int value) { return std::clamp(FlareX(place.left, value, scale), place.left, place.Right()); };
    return {{x(record.flareLength), y}, {x(next.flareLength), y + rowHeight}};
}

}  // namespace entry
