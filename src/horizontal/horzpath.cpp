#include "horizontal/horzpath.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace horizontal {

namespace {

// A survey station: a TVD that is a number, above 0 and not deeper than the record's own MD.
bool Station(const wellfile::RECORD& r)
{
    return std::isfinite(r.tvd) && std::isfinite(r.inclination) && r.tvd > 0 && r.tvd <= float(r.depth);
}

int RowOf(const wellfile::HorzSection& s, int pathTop, float tvd)
{
    return pathTop + platform::Trunc(std::clamp((double(tvd) - s.startTvd) * s.pxPerTvd, -1e6, 1e6));
}

}  // namespace

PathPlan WalkWellPath(const PathInputs& in)
{
    static const SectionPlan kOne{};
    const SectionPlan& plan = in.sections ? *in.sections : kOne;
    const int sections = std::clamp(plan.count, 1, kMaxSections);
    auto section = [&](int j) -> const wellfile::HorzSection& { return plan.sections[std::size_t(std::clamp(j, 0, sections - 1))]; };
    const int n = std::clamp(in.count, 0, int(in.records.size()));
    PathPlan out;
    out.table.resize(std::size_t(n + 10));
    out.slopes.assign(std::size_t(n), 0.0f);
    int j = 0;
    int lastStation = -1;
    bool have = false;
    platform::POINT p;
    for (int i = 0; i < n; ++i) {
        const wellfile::RECORD& r = in.records[std::size_t(i)];
        if (r.depth == in.plotLastDepth)
            break;
        out.rows = i + 1;
        const int x = in.plotLeft + (r.depth - in.plotFirstDepth) * in.pixelsPerUnit;
        const bool station = Station(r);
        WellPathRow& row = out.table[std::size_t(i)];
        row.depth = r.depth;
        row.rate = r.rate2Ft;
        row.totalGas = r.gas[0];
        row.x = x;
        std::memcpy(row.lith, r.lith, sizeof row.lith);
        row.lith[sizeof row.lith - 1] = 0;
        if (station) {
            row.tvd = r.tvd;
            row.azimuth = r.azimuth;
            if (r.inclination > 0)
                row.inclination = r.inclination;
            row.vs = r.verticalSection;
        } else if (i > 0) {
            row.azimuth = out.table[std::size_t(i - 1)].azimuth;
            row.inclination = out.table[std::size_t(i - 1)].inclination;
        }
        const bool gasChange = in.verticalGasScales && i > 0 && r.gasScale != in.records[std::size_t(i - 1)].gasScale;
        if ((i > 0 && r.depth % 200 == 0) || gasChange)
            out.steps.push_back({PathStep::ScaleLabel, {x, 0}, {}, i});
        if (r.depth % 200 == 0)
            out.steps.push_back({PathStep::TvdLabel, {x, 0}, {}, j});
        if (station) {
            const platform::POINT q{x, RowOf(section(j), in.pathTop, r.tvd)};
            out.points.push_back(q);
            if (have) {
                // Two stations in one column would divide by zero: the path stands flat there.
                const float slope = q.x == p.x ? 0.0f : float(q.y - p.y) / float(q.x - p.x);
                for (int k = lastStation + 1; k <= i; ++k)
                    out.slopes[std::size_t(k)] = slope;
                const PathStep::Kind kind = r.inclination == kSurveyNull ? PathStep::ThinSegment : PathStep::Segment;
                if (j > 0 && float(r.depth) == section(j - 1).endMd) {
                    const platform::POINT old{x, RowOf(section(j - 1), in.pathTop, r.tvd)};
                    out.steps.push_back({kind, p, old, 0});
                    out.steps.push_back({PathStep::Jump, old, q, 0});
                } else {
                    out.steps.push_back({kind, p, q, 0});
                }
            }
            out.steps.push_back({PathStep::Station, q, {}, 0});
            out.bitMarker = {x - 5, q.y - 5, x + 15, q.y + 5};
            p = q;
            have = true;
            lastStation = i;
        } else if (i > 0) {
            out.slopes[std::size_t(i)] = out.slopes[std::size_t(i - 1)];
        }
        if (r.inclination == kSurveyNull && have)
            out.steps.push_back({PathStep::PtbText, {p.x + 10, p.y - 20}, {}, 0});
        if (i + 1 < n && float(in.records[std::size_t(i + 1)].depth) >= section(j).endMd && j + 1 < sections)
            ++j;
    }
    return out;
}

}  // namespace horizontal
