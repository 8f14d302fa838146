#include "horizontal/horzpipeline.h"

#include "platform/folders.h"
#include "platform/gdi.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace horizontal {

namespace {

std::int32_t DownTo10(std::int32_t v)
{
    return v >= 0 ? v - v % 10 : -((-v + 9) / 10) * 10;
}

std::int32_t UpTo10(std::int32_t v)
{
    return -DownTo10(-v);
}

// A survey station: a TVD that is a number, above 0 and not deeper than its own MD (a well logged from
// deep down has TVDs far below the file's first depth).
bool Counts(const wellfile::RECORD& r)
{
    const float tvd = r.tvd, inclination = r.inclination;
    return std::isfinite(tvd) && std::isfinite(inclination) && tvd > 0 && tvd <= float(r.depth);
}

}  // namespace

PadRange PadAndEnd(std::int32_t lastDepth)
{
    const int rest = 100 - lastDepth % 100;
    return {std::max(20, rest), (lastDepth - lastDepth % 2) + rest};
}

int RecordsToRead(std::int32_t firstDepth, std::int32_t endDepth, std::int32_t step, int pad)
{
    return std::max(0, (endDepth - firstDepth) / std::max(1, step)) + pad + 10;
}

std::int32_t PadRecords(std::span<wellfile::RECORD> records, int countRead, int pad)
{
    if (countRead < 1 || countRead > int(records.size()))
        return 0;
    const int end = std::min<int>(int(records.size()), countRead + pad);
    for (int i = countRead; i < end; ++i) {
        const wellfile::RECORD& before = records[std::size_t(i - 1)];
        wellfile::RECORD& r = records[std::size_t(i)];
        r.depth = before.depth + 1;
        r.minutesScale = before.minutesScale;
        r.gasScale = before.gasScale;
        r.rateOdd = r.rateOne = r.rate2Ft = 0.1f;
    }
    return records[std::size_t(end - 1)].depth;
}

std::int32_t FindDrawFromDepth(std::span<const wellfile::RECORD> records, std::int32_t endDepth,
                               float wellGreatestTvd)
{
    for (const wellfile::RECORD& r : records) {
        if (r.depth <= 0 || r.depth >= endDepth)
            break;
        const float tvd = r.tvd;
        if (std::isfinite(tvd) && tvd > wellGreatestTvd - 500)
            return platform::Trunc(tvd);
    }
    return 0;
}

RecordWalk WalkRecords(std::span<const wellfile::RECORD> records, std::int32_t drawFrom, std::int32_t endDepth,
                       int available)
{
    RecordWalk w;
    const int n = int(records.size());
    int i = 0;
    // A TVD that is no number is passed over as one above the draw-from depth.
    while (i < n && !(records[std::size_t(i)].tvd >= float(drawFrom)) && records[std::size_t(i)].depth < endDepth)
        ++i;
    w.skipped = i;
    const int limit = available - i;
    if (i < n)
        w.rateCode = records[std::size_t(i)].rateScale;
    for (int walked = 0; i < n && walked < limit; ++i, ++walked) {
        const wellfile::RECORD& r = records[std::size_t(i)];
        if (Counts(r)) {
            const float inclination = r.inclination;
            const std::int32_t tvd = platform::Trunc(r.tvd);
            if (inclination > 10)
                ++w.surveys;
            if (inclination > 85)
                ++w.highAngle;
            w.greatestInclination = std::max(w.greatestInclination, inclination);
            if (r.verticalSection == 0.0f)
                w.sectionMissing = true;
            if (w.first < 0) {
                w.first = i;
                w.plotFirstDepth = r.depth;
                w.leastTvd = w.greatestTvd = tvd;
            }
            w.rateCode = std::max<int>(w.rateCode, r.rateScale);
            w.leastTvd = std::min(w.leastTvd, tvd);
            w.greatestTvd = std::max(w.greatestTvd, tvd);
            ++w.counted;
        }
        if (w.first >= 0)
            ++w.toDraw;
        if (r.depth == endDepth)
            break;
    }
    return w;
}

bool HasHorizontalPart(const RecordWalk& w)
{
    return !(w.surveys < 4 && w.greatestInclination < 30);
}

LoadPlan PlanLoad(std::span<const wellfile::RECORD> records, const LoadInputs& in, wellfile::HorzSetupRecord& setup)
{
    LoadPlan p;
    p.drawFrom = setup.drawFromDepth;
    if (p.drawFrom < in.wellGreatestTvd - 200 && !setup.keepDrawFrom)
        p.drawFrom = platform::Trunc(in.wellGreatestTvd - 200);
    auto newDrawFrom = [&] {
        p.drawFrom = FindDrawFromDepth(records, in.endDepth, in.wellGreatestTvd);
        if (p.drawFrom > 0) {
            setup.drawFromDepth = p.drawFrom;
            setup.sections[0].startMd = float(p.drawFrom);  // the stored files keep the draw-from TVD here
            p.setupChanged = true;
        }
    };
    if (p.drawFrom < 1)
        newDrawFrom();
    auto walk = [&] { p.walk = WalkRecords(records, p.drawFrom, in.endDepth, in.countRead + in.pad); };
    walk();
    if (in.first && p.walk.greatestTvd - p.walk.leastTvd > 1000) {
        newDrawFrom();
        walk();
    }
    p.horizontal = HasHorizontalPart(p.walk);
    // A stored draw-from depth past what can be drawn (left by a zoom on data since cut back) would
    // refuse the view for good: the well's greatest TVD - 200 is tried, and kept when it draws.
    const std::int32_t fallback = platform::Trunc(in.wellGreatestTvd - 200);
    if (!p.horizontal && fallback > 0 && p.drawFrom != fallback) {
        const LoadPlan kept = p;
        p.drawFrom = fallback;
        walk();
        p.horizontal = HasHorizontalPart(p.walk);
        if (p.horizontal) {
            setup.drawFromDepth = fallback;
            setup.keepDrawFrom = 0;
            p.setupChanged = true;
        } else {
            p = kept;
        }
    }
    p.leastTvd = DownTo10(p.walk.leastTvd);
    return p;
}

TvdRange DrawTvdRange(std::int32_t least, std::int32_t greatest, std::int32_t plotLastDepth)
{
    TvdRange t;
    t.greatest = platform::Trunc(greatest + 0.5 * (double(greatest) - least));
    t.greatest = UpTo10(std::min(t.greatest, plotLastDepth));
    t.least = DownTo10(least);
    t.greatest = std::max(t.greatest, t.least + 10);
    return t;
}

float PixelsPerTvd(int pathTop, int pathBottom, float startTvd, float endTvd)
{
    if (!(endTvd > startTvd))
        return 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f ", double(pathBottom - pathTop) / double(endTvd - startTvd));
    return platform::LeadingFloat(text);
}

SectionPlan CheckVerticalSection(const wellfile::HorzSetupRecord& setup, const SectionInputs& in)
{
    SectionPlan p;
    std::vector<wellfile::HorzSection> copied;
    for (const wellfile::HorzSection& s : setup.sections)
        if (s.startTvd > 0 && s.startTvd < s.endTvd)
            copied.push_back(s);
    p.count = std::max<int>(1, int(copied.size()));
    if (in.sectionMissing) {
        p.count = 1;
        p.dipMessage = in.regionalDip > 0;
    }
    const std::int32_t endX = (in.plotLastDepth - in.plotFirstDepth) * in.pixelsPerUnit + in.plotLeft;
    if (p.count == 1 || !in.scalingAllowed) {
        wellfile::HorzSection s{};
        s.startTvd = float(in.leastTvd);
        s.endTvd = float(in.greatestTvd);
        s.startMd = float(in.plotFirstDepth);
        s.endMd = float(in.plotLastDepth);
        s.dip = in.sectionMissing ? 0.0f : in.regionalDip;
        s.pxPerTvd = PixelsPerTvd(in.pathTop, in.pathBottom, s.startTvd, s.endTvd);
        s.endX = endX;
        p.sections[0] = s;
        p.count = 1;
        return p;
    }
    p.computed = false;
    for (int i = 0; i < p.count; ++i) {
        wellfile::HorzSection s = copied[std::size_t(i)];
        if (!(s.endMd > 0))
            s.endMd = float(in.plotLastDepth);
        if (i == 0) {
            s.startMd = float(in.drawFrom);
            s.dip = in.regionalDip;
        }
        s.pxPerTvd = PixelsPerTvd(in.pathTop, in.pathBottom, s.startTvd, s.endTvd);
        s.endX = endX;
        if (i > 0)
            p.sections[std::size_t(i - 1)].endX =
                platform::Trunc(in.plotLeft + (double(s.startMd) - in.plotFirstDepth) * in.pixelsPerUnit);
        p.sections[std::size_t(i)] = s;
    }
    return p;
}

void StoreSections(wellfile::HorzSetupRecord& setup, std::span<const wellfile::HorzSection> sections)
{
    std::memset(setup.sections, 0, sizeof setup.sections);
    int k = 0;
    for (const wellfile::HorzSection& s : sections)
        if (s.startMd > 0 && k < kMaxSections)
            setup.sections[k++] = s;
}

void StoreDrawnSections(wellfile::HorzSetupRecord& setup, const SectionPlan& plan)
{
    if (plan.computed)
        for (const wellfile::HorzSection& s : setup.sections)
            if (s.startTvd > 0 && s.startTvd < s.endTvd)
                return;
    StoreSections(setup, plan.sections);
}

std::int32_t DepthAtColumn(int x, int scrollPos, int plotLeft, int pixelsPerUnit, std::int32_t plotFirstDepth)
{
    if (pixelsPerUnit <= 0)
        return plotFirstDepth;
    return plotFirstDepth + ((scrollPos - plotLeft) + (x - plotLeft)) / pixelsPerUnit;
}

int SectionAtDepth(std::span<const wellfile::HorzSection> sections, int x, int scrollPos, int plotLeft)
{
    const int column = (x == 0 ? scrollPos : x) - plotLeft;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::int32_t endX = sections[i].endX;
        if (endX > column)
            return int(i);
    }
    return 0;
}

TopsOfRange CollectTops(std::span<const wellfile::TOPSEX> tops, std::int32_t drawFrom, std::int32_t greatestTvd)
{
    TopsOfRange t;
    for (std::size_t i = 0; i < tops.size() && t.tops.size() < 12; ++i) {
        const wellfile::TOPSEX& top = tops[i];
        const float tvd = top.tvd;
        if (top.number > 0 && tvd > float(drawFrom) && tvd < float(greatestTvd)) {
            if (t.firstIndex < 0)
                t.firstIndex = int(i);
            t.tops.push_back(top);
        }
    }
    return t;
}

ImageSize PlotImageSize(std::int32_t plotFirstDepth, std::int32_t plotLastDepth, int pixelsPerUnit, int plotLeft,
                        int clientWidth, int clientHeight, int scrollHeight)
{
    ImageSize s;
    s.width = std::max((plotLastDepth - plotFirstDepth) * pixelsPerUnit + plotLeft + 50, clientWidth + 500);
    s.height = std::max(0, clientHeight - scrollHeight);
    s.height -= s.height % 10;
    return s;
}

QString PlotImageFolder(const QString& dataFolder, const QString& wellName)
{
    const QString bitmaps = platform::FindFileNoCase(dataFolder, QStringLiteral("bitmaps"));
    return platform::FindFileNoCase(bitmaps, wellName) + u'/';
}

QString PlotImagePath(const QString& folder, const QString& wellName, std::int32_t first, std::int32_t last,
                      int format)
{
    static const char* const kExtensions[] = {nullptr, ".bmp", ".jpg", ".tif", ".png"};
    if (format < 1 || format > 4)
        return {};
    return platform::JoinPath(folder, QStringLiteral("%1@%2-%3-5in-hor").arg(wellName).arg(first).arg(last)) +
           QLatin1String(kExtensions[format]);
}

}  // namespace horizontal
