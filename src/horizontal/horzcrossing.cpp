#include "horizontal/horzcrossing.h"

#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace horizontal {

namespace {

constexpr float kRisePerDipUnit = 0.017899316f;
constexpr float kLargeDipFactor = 0.034722f;  // 1 / 28.8
constexpr double kDegreesPerRadian = 57.2957795;
constexpr int kMaxDrawnTops = 10;

// The section's TVD shift in rows; the view stores 0 in that field, so it is 0 unless a file says more.
double ShiftRows(const wellfile::HorzSection& s)
{
    return double(s.reserved24) * s.pxPerTvd;
}

}  // namespace

int SectionOfColumn(std::span<const wellfile::HorzSection> sections, int x)
{
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (sections[i].endX > x)
            return int(i);
    return 0;
}

std::vector<int> TopsToDraw(std::span<const wellfile::RECORD> records, int start, int n,
                            std::span<const wellfile::TOPSEX> tops, std::int32_t leastTvd, std::int32_t greatestTvd,
                            std::int32_t fileLastDepth)
{
    std::vector<int> order;
    if (tops.empty() || records.empty())
        return order;
    const std::size_t drawn = tops.size() > std::size_t(kMaxDrawnTops) ? tops.size() - 1 : tops.size();
    std::vector<bool> done(drawn, false);
    int i = std::clamp(start, 0, int(records.size()) - 1);
    const std::int32_t firstTop = platform::Trunc(tops[0].tvd);
    while (i > 0 && records[std::size_t(i)].depth > firstTop && records[std::size_t(i)].depth > leastTvd)
        --i;
    for (int step = 0; step < n && i < int(records.size()); ++step, ++i) {
        const std::int32_t depth = records[std::size_t(i)].depth;
        for (std::size_t t = 0; t < drawn; ++t) {
            const std::int32_t tvd = platform::Trunc(tops[t].tvd);
            // A top marked without a TVD yet (no survey around it) is not drawn.
            if (!done[t] && tops[t].drawOnHorizontal == 1 && tops[t].tvd > 0 && tvd >= depth - 1 && tvd <= depth + 1) {
                done[t] = true;
                order.push_back(int(t));
            }
        }
        if (depth == 0 || depth >= greatestTvd || depth >= fileLastDepth)
            break;
    }
    return order;
}

float CrossingDip(float dip)
{
    return std::fabs(dip) > 20 ? dip * kLargeDipFactor : dip;
}

Crossing CrossingIn(std::span<const wellfile::HorzSection> sections, int index, const CrossingInputs& in)
{
    Crossing c;
    const wellfile::HorzSection& s = sections[std::size_t(index)];
    const float startMd = s.startMd, endMd = s.endMd, px = s.pxPerTvd;
    const bool inside = in.topMd > startMd && in.topMd <= endMd;
    if (inside)
        c.x1 = platform::Trunc(double(in.topMd - float(in.plotFirstDepth)) * in.pixelsPerUnit + in.plotLeft);
    else
        c.x1 = index > 0 ? std::int32_t(sections[std::size_t(index - 1)].endX) : in.plotLeft;
    c.x2 = std::min<int>(s.endX, in.plotRight);
    c.y1 = platform::Trunc(in.pathTop + (double(in.topTvd) - s.startTvd + in.rise) * px + ShiftRows(s));
    c.rise = in.rise;
    if (c.y1 < in.pathTop)
        return c;
    c.drawn = true;
    const float dip = CrossingDip(s.dip);
    float rise = 0;
    if (dip != 0) {
        const float length = in.topMd < startMd ? float(c.x2 - c.x1) / float(std::max(1, in.pixelsPerUnit)) : in.vsSpan;
        rise = kRisePerDipUnit * length * dip;
    }
    c.y2 = platform::Trunc(c.y1 + double(rise) * px);
    c.rise = in.rise + rise;
    if (in.thickness > 0 && in.baseLines) {
        c.base = true;
        c.baseY1 = platform::Trunc(c.y1 + double(in.thickness) * px);
        c.baseY2 = platform::Trunc(c.y2 + double(in.thickness) * px);
    }
    c.label = in.topMd > startMd && in.topMd < endMd;
    c.box = index == 0;
    return c;
}

QString CrossingLabel(const wellfile::TOPSEX& top, float kbElevation)
{
    const std::string name = platform::FieldText(top.text);
    std::string text;
    if (top.appendSubsea == 0)
        text = name;
    else if (kbElevation != 0)
        text = platform::CFormat("%s  (%3.2f  TVD ) (%3.2f  SS )", name.c_str(), double(top.tvd),
                                 double(kbElevation - top.tvd));
    else
        text = platform::CFormat("%s  (%s)", name.c_str(), "No Kb");
    return platform::FromCp1252(text.data(), text.size());
}

platform::COLORREF CrossingColour(const wellfile::TOPSEX& top)
{
    const platform::COLORREF colour = top.colour;
    return colour == 0 ? platform::RGB(255, 32, 32) : colour;
}

float StructuralRise(const wellfile::HorzSection& s, float length)
{
    return float(std::tan(double(s.dip) / kDegreesPerRadian) * std::fabs(double(length)));
}

std::vector<PanelPlace> TargetPanelPlaces(std::span<const wellfile::HorzSection> sections, std::int32_t plotFirstDepth,
                                          std::int32_t plotLastDepth, int pixelsPerUnit, int plotLeft,
                                          int plotRight, bool multiple)
{
    std::vector<PanelPlace> places;
    if (sections.empty() || pixelsPerUnit <= 0)
        return places;
    const int panels = (plotLastDepth - plotFirstDepth) / kPanelSpacing + 1;
    int split = 0;
    float rise = 0;
    for (int k = 0; k < panels; ++k) {
        PanelPlace p;
        p.column = (k + 1) * kPanelSpacing * pixelsPerUnit + plotLeft;
        p.section = SectionOfColumn(sections, p.column);
        const wellfile::HorzSection& s = sections[std::size_t(p.section)];
        if (s.endX - p.column >= 0 && s.endX - p.column <= 50)
            p.column -= 10;
        p.depth = (p.column - plotLeft) / pixelsPerUnit + plotFirstDepth;
        const int d = platform::Trunc(sections[std::size_t(split)].endMd) - (p.depth - kPanelSpacing);
        if (p.section > 0 && p.section != split && d > 0) {
            rise += StructuralRise(sections[std::size_t(p.section - 1)], float(d)) +
                    StructuralRise(s, float(kPanelSpacing - d));
            split = p.section;
        } else if (s.dip != 0) {
            rise += StructuralRise(s, float(kPanelSpacing));
        }
        p.rise = multiple ? 0 : rise;
        places.push_back(p);
        if (p.column > plotRight)
            break;
    }
    return places;
}

PanelGeometry PanelOf(std::span<const GammaSlot> samples, int count, const wellfile::HorzSection& s, const PanelInputs& in)
{
    PanelGeometry g;
    count = std::min<int>(count, int(samples.size()));
    double t = s.startTvd;
    const double from = t - in.rise + in.offset;
    for (int k = 0; k < count; ++k)
        if (samples[std::size_t(k)].depth >= from) {
            g.firstSlot = k;
            break;
        }
    if (g.firstSlot < 0)
        return g;
    const double px = s.pxPerTvd;
    const int shift = s.reserved24 != 0 ? platform::Trunc(ShiftRows(s)) : 0;
    const int thresholdX = platform::Trunc(in.column + in.threshold * in.scale);
    int previous = in.pathTop;
    g.line.push_back({in.column, in.pathTop});
    for (int k = g.firstSlot; k < count; ++k) {
        const int x = platform::Trunc(in.column + samples[std::size_t(k)].gamma * in.scale);
        const int y = platform::Trunc(in.pathTop + (t - s.startTvd) * px) + shift;
        g.line.push_back({x, platform::Trunc(previous + px)});
        g.fill.push_back({x, y});
        g.thresholdPoints.push_back({thresholdX, y});
        previous = y;
        g.lastRow = y;
        if (t > s.endTvd || y >= in.pathBottom)
            break;
        t += 2;
    }
    return g;
}

int NextCurve(std::span<const CurveLog> curves, int current, std::int32_t panelDepth)
{
    for (int k = int(curves.size()); k >= 1; --k) {
        const std::int32_t depth = curves[std::size_t(k - 1)].depth;
        if (depth > 0 && depth - 50 < panelDepth)
            return k;
    }
    return current;
}

std::vector<platform::POINT> TargetPathPoints(std::span<const platform::POINT> target, int count,
                                              std::span<const wellfile::HorzSection> sections, std::int32_t plotFirstDepth,
                                              int pixelsPerUnit, int plotLeft, int pathTop)
{
    std::vector<platform::POINT> points;
    if (sections.empty())
        return points;
    count = std::clamp(count, 0, int(target.size()));
    for (int i = 0; i < count; ++i) {
        const platform::POINT t = target[std::size_t(i)];
        const int x = std::max(plotLeft, platform::Trunc((double(t.x) - plotFirstDepth) * pixelsPerUnit + plotLeft));
        const wellfile::HorzSection& s = sections[std::size_t(SectionOfColumn(sections, x))];
        points.push_back({x, platform::Trunc(pathTop + (double(t.y) - s.startTvd) * s.pxPerTvd)});
    }
    return points;
}

int TargetPointCount(int targetCount, int trackPoints)
{
    return targetCount < trackPoints ? std::max(0, targetCount - 1) : trackPoints;
}

}  // namespace horizontal
