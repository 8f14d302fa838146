// The well path with its frame, labels and station marks, the lithology under the path area or along
// the path, the survey blocks, and the track points the curves are drawn from.
#include "horizontal/draw/horzplot.h"

#include "horizontal/horzpath.h"
#include "layout/draw/penof.h"
#include "platform/draw/textcells.h"
#include "platform/gdi.h"
#include "platform/text.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace horizontal {

using platform::Dc;
using platform::Pen;

namespace {

// How far one record's lithology or survey block can reach from its column.
constexpr int kLithReach = 100, kSurveyReach = 200;

std::span<const wellfile::RECORD> Drawn(const HorzPlot& plot)
{
    const std::size_t first = std::size_t(std::clamp(plot.first, 0, int(plot.records.size())));
    return plot.records.subspan(first);
}

void DrawLithBand(Dc& dc, const HorzPlot& plot)
{
    const auto records = Drawn(plot);
    const int n = std::min(plot.toDraw + 1, int(records.size()));
    const std::int32_t end = plot.fileLastDepth / 2 * 2 + 2;
    // A record's lithology starts at the column of the record before it.
    for (int r = 1; r < n; ++r) {
        const int x = RecordX(plot, records[std::size_t(r - 1)].depth);
        if (x > 40 && records[std::size_t(r)].depth < end && InWindow(plot, x - kLithReach, x + kLithReach))
            plot.lithology(dc, records, std::size_t(r), x, plot.bands.lithBandTop);
    }
}

}  // namespace

std::vector<std::pair<QPoint, QImage>> KeepPixels(const Dc& dc, std::span<const platform::RECT> boxes)
{
    std::vector<std::pair<QPoint, QImage>> kept;
    if (const QImage* image = dc.Image()) {
        const platform::POINT origin = dc.GetViewportOrg();
        for (const platform::RECT& r : boxes) {
            const QRect box = QRect(r.left - 1, r.top - 1, r.right - r.left + 2, r.bottom - r.top + 2)
                                  .translated(origin.x, origin.y)
                                  .intersected(image->rect());
            if (!box.isEmpty())
                kept.emplace_back(box.topLeft() - QPoint(origin.x, origin.y), image->copy(box));
        }
    }
    return kept;
}

void PutBack(Dc& dc, const std::vector<std::pair<QPoint, QImage>>& kept)
{
    for (const auto& [at, pixels] : kept)
        dc.BitBlt(at.x(), at.y(), pixels.width(), pixels.height(), pixels, 0, 0, platform::SRCCOPY);
}

int DrawWellPath(Dc& dc, HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    // The frame's labels are recorded as they are written (into the caller's record when it keeps one).
    const bool ownRecord = !dc.RecordingText();
    if (ownRecord)
        dc.RecordText(true);
    const std::size_t labelsBefore = dc.TextRecord().size();
    dc.SelectObject(LabelFont(plot));
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    DrawGasGrid(dc, plot);
    DrawLowerGrid(dc, plot);
    plot.pathLabels = DrawTvdGrid(dc, plot);
    PathInputs in;
    in.records = Drawn(plot);
    in.count = plot.toDraw;
    in.plotFirstDepth = plot.plotFirstDepth;
    in.plotLastDepth = plot.plotLastDepth;
    in.plotLeft = plot.plotLeft;
    in.pixelsPerUnit = plot.pixelsPerUnit;
    in.pathTop = plot.bands.pathTop;
    in.sections = &plot.sections;
    in.verticalGasScales = plot.settings->verticalGasScales;
    PathPlan path = WalkWellPath(in);
    // The labels along the records first: the VS labels then keep clear of every TVD label.
    const int first = std::max(0, plot.first);
    for (const PathStep& s : path.steps) {
        if (s.kind == PathStep::ScaleLabel) {
            DrawScaleLabels(dc, plot, first + s.index, s.from.x);
        } else if (s.kind == PathStep::TvdLabel) {
            const std::vector<platform::RECT> labels = DrawTvdLabels(dc, plot, s.from.x, s.index);
            plot.pathLabels.insert(plot.pathLabels.end(), labels.begin(), labels.end());
        }
    }
    const std::vector<platform::RECT> vsLabels = DrawVsLabels(dc, plot, plot.pathLabels);
    plot.pathLabels.insert(plot.pathLabels.end(), vsLabels.begin(), vsLabels.end());
    // What the path and the curves leave clear: the labels' cells and a pixel round them, as they stand
    // now; the path is put back under them once it is traced.
    const std::vector<platform::RECT> written = platform::RecordedTextCells(dc, 0);
    plot.labelBoxes.assign(written.begin() + std::ptrdiff_t(std::min(labelsBefore, written.size())), written.end());
    if (ownRecord)
        dc.RecordText(false);
    plot.labelPixels = KeepPixels(dc, plot.labelBoxes);

    const Pen pathPen = layout::PenOf(plot.pens[layout::PEN_WELL_TRACK]);
    const Pen thin(plot.options.wellPathColour);
    const Pen jump(platform::RGB(0, 0, 255), 1, platform::PS_DASH);
    dc.SelectObject(pathPen);
    for (const PathStep& s : path.steps) {
        switch (s.kind) {
        case PathStep::ScaleLabel:
        case PathStep::TvdLabel: break;
        case PathStep::Segment: platform::Line(dc, pathPen, s.from.x, s.from.y, s.to.x, s.to.y); break;
        case PathStep::ThinSegment: platform::Line(dc, thin, s.from.x, s.from.y, s.to.x, s.to.y); break;
        case PathStep::Jump:
            platform::Line(dc, jump, s.from.x, s.from.y, s.to.x, s.to.y);
            dc.SelectObject(pathPen);
            break;
        case PathStep::Station: dc.Ellipse(s.from.x, s.from.y - 2, s.from.x + 5, s.from.y + 4); break;
        case PathStep::PtbText: dc.TextOut(s.from.x, s.from.y, QStringLiteral("P T B")); break;
        }
    }
    if (!plot.settings->drawLithOnWellTrack && plot.lithology)
        DrawLithBand(dc, plot);
    plot.wellPath = path.points;
    plot.wellPathTable = std::move(path.table);
    plot.wellPathRows = path.rows;
    plot.pathSlopes = std::move(path.slopes);
    plot.bitMarker = path.bitMarker;
    return int(path.points.size());
}

void DrawPathLithology(Dc& dc, const HorzPlot& plot)
{
    if (!plot.lithology || plot.pathTrace.empty())
        return;
    // The pixels round the TVD and VS labels, put back over the rocks: the labels stay clear of them.
    const std::vector<std::pair<QPoint, QImage>> labels = KeepPixels(dc, plot.pathLabels);
    platform::KeepDcState keep(dc);
    dc.SetROP2(platform::R2_MASKPEN);
    const auto records = Drawn(plot);
    const int n = std::min(plot.points.count / 2, int(records.size()));
    const int traceX = plot.pathTrace.front().x;
    for (int r = 1; r < n; ++r) {
        const wellfile::RECORD& record = records[std::size_t(r)];
        const int x = RecordX(plot, records[std::size_t(r - 1)].depth);
        const int column = x - traceX;
        if (record.depth < plot.plotLastDepth - 2 && column >= 0 && column < int(plot.pathTrace.size()) &&
            InWindow(plot, x - kLithReach, x + kLithReach))
            // Kept under the path area's top line where the path runs less than 25 pixels below it:
            // above it lie the gas band's lowest rows and their labels.
            plot.lithology(dc, records, std::size_t(r), x,
                           std::max(plot.pathTrace[std::size_t(column)].y - 25, plot.bands.pathTop + 3));
        if (record.depth == plot.fileLastDepth)
            break;
    }
    PutBack(dc, labels);
}

void DrawSurveyLabels(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    const platform::COLORREF colour = plot.pens[layout::PEN_SURVEY].colour;
    dc.SetTextColor(colour);
    dc.SelectObject(Pen(colour));
    dc.SelectObject(LabelFont(plot));
    if (plot.options.surveyTransparent)
        dc.SetBkMode(platform::TRANSPARENT);
    dc.SetROP2(platform::R2_MASKPEN);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const int y0 = plot.bands.pathBottom - 105;
    const auto records = Drawn(plot);
    const int n = std::min(plot.points.count / 2, int(records.size()));
    for (int i = 0; i < n; ++i) {
        const wellfile::RECORD& r = records[std::size_t(i)];
        const int x = RecordX(plot, r.depth);
        if (!(r.tvd > 0) || !std::isfinite(r.tvd) || x <= plot.plotLeft + 36 || !InWindow(plot, x - 10, x + kSurveyReach))
            continue;
        if (plot.options.surveyBox)
            dc.Rectangle(x - 10, y0 - 2, x + 80, y0 + 95);
        const std::string lines[7] = {
            platform::CFormat("%d' md", r.depth),
            platform::CFormat("%.2f' tvd ", double(r.tvd)),
            platform::CFormat("( %.1f' ss)", double(plot.kbElevation) - double(r.tvd)),
            platform::CFormat("AZM %3.2f\xB0 ", double(r.azimuth)),
            platform::CFormat("INCL %3.2f\xB0 ", double(r.inclination)),
            platform::CFormat("VS %4.2f' ", double(r.verticalSection)),
            platform::CFormat("DLS %4.2f' ", double(r.dogLeg)),
        };
        for (int k = 0; k < 7; ++k)
            dc.TextOut(x, y0 + 15 * k, lines[k].c_str(), int(lines[k].size()));
    }
}

int FillTrackPoints(HorzPlot& plot)
{
    const HorzViewSettings& s = *plot.settings;
    TrackInputs in;
    in.records = Drawn(plot);
    in.n = plot.toDraw;
    in.fileLastDepth = plot.fileLastDepth;
    in.profile = plot.options.profile;
    in.ratesPerHour = plot.options.ratesPerHour;
    in.perHourRates = !plot.setup || plot.setup->reserved800 != 0;
    in.plotFirstDepth = plot.plotFirstDepth;
    in.plotLeft = plot.plotLeft;
    in.pixelsPerUnit = plot.pixelsPerUnit;
    in.bands = plot.bands;
    in.pathSlopes = plot.pathSlopes;
    in.pathTrace = plot.pathTrace;
    in.co2 = plot.options.co2Track;
    in.co2Scale = plot.options.co2Scale;
    in.thirdValues = plot.thirdValues;
    TrackPoints t = ComputeTrackPoints(in, s);
    HorzPoints& p = plot.points;
    for (std::size_t g = 0; g < t.gas.size(); ++g)
        p.gas[g] = std::move(t.gas[g]);
    (s.blockedRop ? p.rateStairs : p.rate) = std::move(t.rate);
    p.rateWrap = std::move(t.rateWrap);
    p.gamma = std::move(t.gamma);
    p.gammaWrap = std::move(t.gammaWrap);
    p.gas[8] = std::move(t.co2);
    p.third = std::move(t.third);
    p.wrt = std::move(t.wrt);
    p.wrtWrap = std::move(t.wrtWrap);
    p.rateWrapped = t.rateWrapped;
    p.gammaWrapped = t.gammaWrapped;
    p.wrtGammaWrapped = t.wrtGammaWrapped;
    return t.result;
}

}  // namespace horizontal
