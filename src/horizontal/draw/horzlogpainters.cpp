// The formation-top crossings, the gamma panels and the target path, drawn at the places the plain
// geometry of horizontal/horzcrossing.h gives, and the loaders of the gamma, curve and target files.
#include "horizontal/draw/horzlogpainters.h"

#include "horizontal/horzcrossing.h"
#include "layout/draw/penof.h"
#include "platform/gdi.h"

#include <algorithm>

namespace horizontal {

using platform::Dc;

namespace {

constexpr platform::COLORREF kShadeColour = platform::RGB(255, 192, 64);

std::span<const wellfile::HorzSection> SectionsOf(const HorzPlot& plot)
{
    const int count = std::clamp(plot.sections.count, 1, kMaxSections);
    return std::span<const wellfile::HorzSection>(plot.sections.sections).first(std::size_t(count));
}

// Follows the top's line along columns x1..x2: the first pixel of its colour within 5 rows of the last
// row found (the whole column at first); a column with none in the path area keeps the last row.
void TraceTop(const Dc& dc, const HorzPlot& plot, platform::COLORREF colour, int x1, int x2, int& row,
              HorzLogData::TopTrace& trace)
{
    const int pathTop = plot.bands.pathTop;
    int last = std::min<int>(x2, int(trace.points.size()) - 1);
    int first = std::max(0, x1);
    if (!plot.image.Empty()) {  // the window's columns: only they can be read
        first = std::max(first, plot.imageLeft);
        last = std::min(last, plot.imageLeft + plot.image.Width() - 1);
    }
    for (int x = first; x <= last && x < plot.width; ++x) {
        const int top = row < 0 ? 0 : row - 5, bottom = row < 0 ? plot.height - 1 : row + 5;
        int hit = -1;
        for (int y = std::max(0, top); y <= std::min(bottom, plot.height - 1); ++y)
            if (dc.GetPixel(x, y) == colour) {
                hit = y;
                break;
            }
        if (hit >= pathTop) {
            row = hit;
            if (trace.firstRow < 0)
                trace.firstRow = hit;
        } else if (row < 0) {
            row = pathTop;
        }
        trace.points[std::size_t(x)] = {x, row};
    }
}

// The well path's vertical section at a measured depth.
float VsAt(const HorzPlot& plot, std::int32_t md)
{
    return VsAtDepth(plot.wellPathTable, plot.wellPathRows, md, plot.fileLastDepth, plot.plotFirstDepth,
                     plot.plotLastDepth);
}

void DrawLabel(Dc& dc, const HorzPlot& plot, const wellfile::TOPSEX& top, const Crossing& c, const platform::Pen& pen)
{
    const QString text = CrossingLabel(top, plot.kbElevation);
    dc.SelectObject(LabelFont(plot));
    if (c.box && top.drawRectangle) {
        dc.SelectObject(pen);
        dc.SelectStockObject(platform::WHITE_BRUSH);
        dc.Rectangle(c.x1 - 2, c.y1 - 18, c.x1 + dc.GetTextExtent(text).cx + 2, c.y1);
    }
    if (c.label) {
        dc.SetTextColor(platform::RGB(0, 0, 0));
        dc.SetBkMode(platform::TRANSPARENT);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_BOTTOM);
        dc.TextOut(c.x1, c.y1 - 2, text);
    }
}

}  // namespace

void DrawTopCrossings(Dc& dc, HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    HorzLogData& logs = plot.logs;
    const std::vector<wellfile::TOPSEX>& tops = plot.tops.tops;
    const std::span<const wellfile::HorzSection> sections = SectionsOf(plot);
    const bool baseLines = !plot.setup || (plot.setup->reserved952 & 0xFF) == 0;
    // Sized for this drawing: a wider plot than the last (header shown, zoomed out) gets longer traces.
    logs.topTraces.clear();
    for (int index : TopsToDraw(plot.records, plot.first, plot.toDraw, tops, plot.leastTvd, plot.greatestTvd,
                                plot.fileLastDepth)) {
        const wellfile::TOPSEX& top = tops[std::size_t(index)];
        const platform::COLORREF colour = CrossingColour(top);
        const platform::Pen pen(colour, 2);
        HorzLogData::TopTrace trace;
        trace.top = index;
        trace.points.assign(std::size_t(std::max(0, plot.width) + 100), platform::POINT{});
        int row = -1;
        float rise = 0;
        for (int s = 0; s < int(sections.size()); ++s) {
            const wellfile::HorzSection& section = sections[std::size_t(s)];
            if (section.endMd < float(top.depth))
                continue;
            CrossingInputs in;
            in.topMd = float(top.depth);
            in.topTvd = top.tvd;
            in.thickness = top.targetZoneWidth;
            in.baseLines = baseLines;
            in.plotFirstDepth = plot.plotFirstDepth;
            in.pixelsPerUnit = plot.pixelsPerUnit;
            in.plotLeft = plot.plotLeft;
            in.plotRight = plot.bands.plotRight;
            in.pathTop = plot.bands.pathTop;
            in.rise = rise;
            if (float(top.depth) >= float(section.startMd)) {
                const std::int32_t end = std::min(platform::Trunc(section.endMd), plot.fileLastDepth);
                in.vsSpan = VsAt(plot, end) - VsAt(plot, top.depth);
            }
            const Crossing c = CrossingIn(sections, s, in);
            rise = c.rise;
            if (!c.drawn)
                continue;
            platform::Line(dc, pen, c.x1, c.y1, c.x2, c.y2);
            TraceTop(dc, plot, colour, c.x1, c.x2, row, trace);
            if (c.base)
                platform::Line(dc, pen, c.x1, c.baseY1, c.x2, c.baseY2);
            DrawLabel(dc, plot, top, c, pen);
        }
        logs.topTraces.push_back(std::move(trace));
    }
}

void DrawGammaPanel(Dc& dc, const HorzPlot& plot, std::span<const GammaSlot> samples, int count, int column,
                    float offset, float rise, bool target)
{
    const std::span<const wellfile::HorzSection> sections = SectionsOf(plot);
    const wellfile::HorzSection& s = sections[std::size_t(SectionOfColumn(sections, column))];
    const HorzViewSettings& settings = *plot.settings;
    PanelInputs in;
    in.column = column;
    in.offset = offset;
    in.rise = rise;
    in.scale = double(plot.bands.lowerBandHeight) / GammaFullScale(settings.gammaScale);
    in.threshold = settings.highlightTargetGammaBelow;
    in.pathTop = plot.bands.pathTop;
    in.pathBottom = plot.bands.pathBottom;
    const PanelGeometry g = PanelOf(samples, count, s, in);
    if (g.firstSlot < 0)
        return;
    platform::KeepDcState keep(dc);
    if (target && settings.fillBehindTargetGamma) {
        std::vector<platform::POINT> polygon{{column, in.pathTop}};
        polygon.insert(polygon.end(), g.fill.begin(), g.fill.end());
        polygon.push_back({column, g.lastRow});
        polygon.push_back({column, in.pathTop});
        const platform::COLORREF fill = plot.options.gammaFillColour;
        dc.SelectObject(platform::Pen(fill));
        dc.SelectObject(platform::Brush(fill));
        dc.Polygon(polygon.data(), int(polygon.size()));
    }
    if (target && in.threshold > 0) {
        dc.SelectObject(platform::Pen(kShadeColour, 1, platform::PS_DOT));
        dc.SelectObject(platform::Brush(kShadeColour));
        for (std::size_t i = 0; i + 1 < g.fill.size(); ++i) {
            const platform::POINT a = g.fill[i];
            if (a.x >= g.thresholdPoints[i].x || a.x <= column)
                continue;
            const platform::POINT quad[4] = {a, g.fill[i + 1], g.thresholdPoints[i + 1], g.thresholdPoints[i]};
            dc.Polygon(quad, 4);
        }
    }
    dc.SelectObject(layout::PenOf(plot.pens[layout::PEN_GAMMA]));
    dc.Polyline(g.line.data(), int(g.line.size()));
}

void DrawTargetPanels(Dc& dc, const HorzPlot& plot)
{
    const HorzViewSettings& settings = *plot.settings;
    const HorzLogData& logs = plot.logs;
    const bool multiple = settings.multipleTargetGammas;
    const std::vector<CurveLog>& curves = logs.curves.curves;
    int current = 0;
    for (const PanelPlace& p : TargetPanelPlaces(SectionsOf(plot), plot.plotFirstDepth, plot.plotLastDepth,
                                                 plot.pixelsPerUnit, plot.plotLeft, plot.bands.plotRight, multiple)) {
        if (!multiple) {
            DrawGammaPanel(dc, plot, logs.target.samples, logs.target.count, p.column, float(settings.targetShift), p.rise,
                           true);
            continue;
        }
        // One curve file per panel, each with its own length; curve 0 is none.
        if (current > 0 && current <= int(curves.size())) {
            const CurveLog& curve = curves[std::size_t(current - 1)];
            float offset = float(settings.targetShift);
            if (plot.kbElevation > 0 && curve.kb > 0)
                offset = float(platform::Trunc(double(curve.kb) - plot.kbElevation));
            DrawGammaPanel(dc, plot, curve.log.samples, curve.log.count, p.column, offset, p.rise, true);
        }
        current = NextCurve(curves, current, (plot.plotLeft + p.column) / plot.pixelsPerUnit + plot.plotFirstDepth);
    }
}

void DrawTargetPath(Dc& dc, const HorzPlot& plot)
{
    const HorzLogData& logs = plot.logs;
    const int count = TargetPointCount(logs.path.count, plot.points.count);
    const std::vector<platform::POINT> points =
        TargetPathPoints(logs.path.points, count, SectionsOf(plot), plot.plotFirstDepth, plot.pixelsPerUnit,
                         plot.plotLeft, plot.bands.pathTop);
    const layout::PenSpec spec = plot.pens[layout::PEN_HORZ_TARGET];
    platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(spec.colour));
    if (!logs.thickTargetLine) {
        std::vector<platform::POINT> line{{plot.plotLeft, plot.bands.pathTop}};
        for (const platform::POINT& p : points) {
            line.push_back(p);
            if (p.x > plot.bands.plotRight)
                break;
        }
        dc.Polyline(line.data(), int(line.size()));
        return;
    }
    const int strokes = std::max(1, spec.width);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        platform::POINT a = points[i], b = points[i + 1];
        if (a.x < plot.plotLeft)
            continue;
        const bool sideways = std::abs(b.x - a.x) < logs.verticalLineThreshold;
        for (int k = 0; k < strokes; ++k) {
            platform::Line(dc, a.x, a.y, b.x, b.y);
            (sideways ? a.x : a.y) += 1;
            (sideways ? b.x : b.y) += 1;
        }
    }
}

void AddLogPainters(HorzPainters& p)
{
    p.topCrossings = DrawTopCrossings;
    p.targetPath = [](Dc& dc, HorzPlot& plot) { DrawTargetPath(dc, plot); };
    p.gammaPanel = [](Dc& dc, HorzPlot& plot) {
        const GammaLog& anchor = plot.logs.anchor;
        DrawGammaPanel(dc, plot, anchor.samples, anchor.count, plot.plotLeft, float(plot.settings->anchorShift), 0, false);
    };
    p.curveFiles = [](Dc&, HorzPlot& plot) {
        const HorzLogData& l = plot.logs;
        plot.logs.curves = ListCurveFiles(l.dataFolder, l.wellName, plot.fileFirstDepth, plot.plotLastDepth,
                                          GammaStartRecord(plot.leastTvd));
    };
    p.targetPanels = [](Dc& dc, HorzPlot& plot) { DrawTargetPanels(dc, plot); };
    p.anchorGamma = [](HorzPlot& plot, const QString& path, std::int32_t from) {
        std::optional<GammaLog> log = LoadGammaFile(path, from);
        plot.logs.anchor = log ? std::move(*log) : GammaLog{};
        return log.has_value();
    };
    p.targetGamma = [](HorzPlot& plot, const QString& path, std::int32_t from) {
        std::optional<GammaLog> log = LoadGammaFile(path, from);
        plot.logs.target = log ? std::move(*log) : GammaLog{};
        return log.has_value();
    };
    p.target = [](HorzPlot& plot, const QString& path, std::int32_t) {
        std::optional<TargetPath> loaded = LoadTargetFile(path);
        plot.logs.path = loaded ? std::move(*loaded) : TargetPath{};
        return loaded.has_value();
    };
}

}  // namespace horizontal
