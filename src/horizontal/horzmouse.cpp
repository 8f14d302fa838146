#include "horizontal/horzmouse.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace horizontal {

std::int32_t TvdAtPoint(const MouseGeometry& g, int y, int x)
{
    if (g.sections.empty())
        return 0;
    const int k = SectionAtDepth(g.sections, g.scroll + x, g.scroll, g.plotLeft);
    const wellfile::HorzSection& s = g.sections[std::size_t(std::clamp(k, 0, int(g.sections.size()) - 1))];
    const double scale = s.pxPerTvd;
    if (!(scale > 0) || !std::isfinite(scale))
        return platform::Whole(s.startTvd);
    return platform::Whole((y - g.pathTop) / scale + s.startTvd);
}

std::optional<std::int32_t> MarginDrawFrom(const MouseGeometry& g, int sectionsInUse, bool ctrl, int x, int y,
                                           std::int32_t drawFrom)
{
    if (sectionsInUse > 1 || !ctrl || !(g.plotLeft - 50 < x && x < g.plotLeft - 2))
        return std::nullopt;
    const std::int32_t d = y > g.pathTop ? TvdAtPoint(g, y, x) : drawFrom - 100;
    return std::max(0, d);
}

void StoreDrawFrom(wellfile::HorzSetupRecord& r, std::int32_t drawFrom)
{
    r.drawFromDepth = drawFrom;
    if (drawFrom > 0)
        r.sections[0].startTvd = float(drawFrom);
}

wellfile::HorzMarker PlaceMarker(const MouseGeometry& g, int symbol, int x, int y, bool onWellTrack, int pathY)
{
    wellfile::HorzMarker m{};
    m.symbolNumber = std::uint16_t(symbol);
    m.markerMd = std::uint16_t(g.DepthAt(x));
    m.markerTvd = std::uint16_t(TvdAtPoint(g, y, x));
    m.placedScaled = onWellTrack ? 1 : 0;
    m.offsetY = onWellTrack ? y - pathY : y - g.lithBandTop;
    return m;
}

int MarkerAt(std::span<const wellfile::HorzMarker> markers, std::int32_t depth)
{
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const wellfile::HorzMarker& m = markers[i];
        if (m.symbolNumber != 0 && m.markerMd <= depth && depth <= m.markerMd + 5)
            return int(i);
    }
    return -1;
}

bool InMarkerArea(const MouseGeometry& g, int x, int y)
{
    return g.plotLeft < x && g.pathTop < y && y < g.plotBottom;
}

void ClearMarker(wellfile::HorzMarker& m)
{
    m.symbolNumber = 0;
    m.markerMd = 0;
    m.placedScaled = 0;
    m.offsetY = 0;
}

void StoreMarkers(wellfile::HorzSetupRecord& r, std::span<const wellfile::HorzMarker> markers)
{
    std::memset(r.markers, 0, sizeof r.markers);
    int n = 0;
    for (const wellfile::HorzMarker& m : markers)
        if (m.symbolNumber != 0 && n < kMaxMarkers)
            r.markers[n++] = m;
    r.markerCount = std::uint16_t(n);
}

QString MeasureReadout(const MouseGeometry& g, const MeasureAnchor& a, int x, int y)
{
    const std::int32_t t = TvdAtPoint(g, y, x);
    const double dMd = double(x - a.at.x) / std::max(1, g.pixelsPerUnit);
    const double md = dMd + a.md;
    const double dTvd = double(t) - a.tvd;
    const double angle = dMd != 0 ? std::atan(dTvd / dMd) * 57.2957795 : 0.0;
    return QString::asprintf("   TVD= %.2f  MD= %.2f INCL= %.5f  ", double(t), md, 90 - angle);
}

void DropNote(wellfile::HTEXTEX& note, const MouseGeometry& g, int x, int y, std::int32_t depthAtPress,
              std::int32_t fileFirstDepth)
{
    std::int32_t depth = g.DepthAt(x);
    if (depth > g.plotLastDepth || depth < fileFirstDepth)
        depth = g.plotLastDepth - 50;
    const int width = note.box[2] - note.box[0], height = note.box[3] - note.box[1];
    if (g.gasBase - 10 < y && y < g.gasBase + 10)
        y = g.gasBase + 5;
    note.depth = depth;
    note.box[0] = (depth - g.plotFirstDepth) * g.pixelsPerUnit + g.plotLeft + 2;
    note.box[1] = y;
    note.box[2] = note.box[0] + width;
    note.box[3] = y + height;
    if (std::abs(depth - depthAtPress) > 50) {
        note.anchoredRight = 0;
        note.anchoredBottom = 0;
    }
    note.textTrack = 0;
}

int PointBoxEntry(const MouseGeometry& g, int x, int rows)
{
    if (rows < 1)
        return -1;
    const int i = ((x - g.plotLeft) + std::max(0, g.scroll - g.plotLeft)) / std::max(1, g.pixelsPerUnit);
    return std::clamp(i, 0, rows - 1);
}

QString PointInfoText(std::span<const WellPathRow> table, int rows, int i, std::int32_t plotLastDepth, float kb)
{
    rows = std::min(rows, int(table.size()));
    if (rows < 1)
        return {};
    i = std::clamp(i, 0, rows - 1);
    const WellPathRow& e = table[std::size_t(i)];
    const std::int32_t md = e.depth;
    int p = i;
    while (p > 0 && table[std::size_t(p)].tvd == 0)
        --p;
    const WellPathRow& before = table[std::size_t(p)];
    double tvd = e.tvd, vs = e.vs, inclination = e.inclination, azimuth = e.azimuth;
    if (e.tvd == 0) {
        vs = double(md - before.depth) + before.vs;
        int q = i;
        while (q < rows - 1 && table[std::size_t(q)].tvd == 0 && table[std::size_t(q)].depth != plotLastDepth)
            ++q;
        const WellPathRow& after = table[std::size_t(q)];
        // Two entries at one MD would divide by zero: the TVD before holds.
        if (after.tvd > 0 && after.depth != before.depth) {
            // Between two stations every survey value lies on the line between theirs: the VS grows
            // as the hole turns from the vertical, not by the MD drilled.
            const double f = double(md - before.depth) / double(after.depth - before.depth);
            const auto between = [f](double a, double b) { return a + f * (b - a); };
            tvd = between(before.tvd, after.tvd);
            vs = between(before.vs, after.vs);
            inclination = between(before.inclination, after.inclination);
            // The azimuth turns the short way round, through north when that is shorter.
            double turn = std::fmod(double(after.azimuth) - before.azimuth, 360.0);
            if (turn > 180)
                turn -= 360;
            else if (turn < -180)
                turn += 360;
            azimuth = std::fmod(before.azimuth + f * turn + 360.0, 360.0);
        } else {
            tvd = before.tvd;
        }
    }
    const int kbWhole = platform::Trunc(kb);
    return QString::asprintf(" MD=%d (%d)\n INCL=%3.2f\n AZM=%3.2f\n TVD=%.2f (%.2f)\n  VS=%4.2f\n HW=%2.2f \n ROP= %2.1f M/Min",
                             int(md), kbWhole - int(md), inclination, azimuth, tvd, double(kb) - tvd, vs,
                             0.01 * e.totalGas, double(e.rate));
}

HeldMove HoldMove(const MouseGeometry& g, int x, int y)
{
    HeldMove h{x, y, false};
    if (h.y > g.lowerBase - 10)
        h.y = g.lowerBase - 40;
    if (h.y < 10)
        h.y = 10;
    if (h.x < g.plotLeft)
        h.x = g.plotLeft;
    // Held at the window's right margin, where the pointer left (not a column of the image far beyond).
    if (h.x > g.clientRight - 50)
        h.x = g.clientRight - 50;
    h.held = h.x != x || h.y != y;
    return h;
}

}  // namespace horizontal
