#include "logview/draw/logpaint.h"

#include "logview/draw/depthcolumn.h"
#include "logview/draw/laterlabels.h"
#include "logview/draw/paintsteps.h"
#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <initializer_list>

namespace logview {

namespace {

using platform::Dc;
using wellfile::RECORD;

using paint::Strip;

// Everything a step of the paint works with.
struct Painting {
    Dc& dc;
    const PaintFrame& f;
    ViewGeometry g;  // the frame's geometry with the log bottom y of this paint's strips
    // The frame's device and depth column; on the screen with the lists of the labels written last.
    Device device;
    DepthColumnOptions depthColumn;
    LaterScreenLabels later;
    bool labelsLast = false;
    PaintTarget target;
    PaintResult out;
    int percentLineEndX = 0;
    int closingY = 0;  // the y of the lines that close the tracks at the log's bottom

    Painting(Dc& d, const PaintFrame& frame)
        : dc(d), f(frame), g(frame.geometry), device(frame.device), depthColumn(frame.depthColumn),
          target{d, g, device}
    {
        // The screen's mud values and gas scale heads give way to what the rest of the paint writes.
        labelsLast = !device.printing;
        if (labelsLast) {
            device.laterLabels = &later.mudLabels;
            device.drawnBoxes = &later.taken;
            depthColumn.gasHeads = &later.gasHeads;
        }
    }

    // The whole-log painters' records: from buffered record 1, `n` of them at most, never past the buffer.
    Records From1(int n) const
    {
        if (f.records.size() < 2 || n <= 0)
            return {};
        return f.records.subspan(1, std::min<std::size_t>(std::size_t(n), f.records.size() - 1));
    }
    Records From0(int n) const
    {
        return n <= 0 ? Records{} : f.records.first(std::min<std::size_t>(std::size_t(n), f.records.size()));
    }

    void LayStrips();
    void ClosingLines(int y);
    void RowLoop();
    void Row(int index, int row, int y);
    void ConnectionMarks(const RECORD& rec, int y);
    void PercentLine(const RECORD& rec, int y);
    void InterpretedLithology();
    void BelowTheLastRecord();
    void WholeLog();
    void ClearBelowTheLog();
};

void Painting::LayStrips()
{
    const GridStrips& s = f.strips;
    const int R = g.rowHeight, T = g.topMargin;
    int y = g.origin.y + T;
    for (int i = 0; i <= g.visibleRows && y < g.clientHeight; ++i, y += R)
        Strip(dc, s.main, g.origin.x, y);
    g.logBottomY = y;
    closingY = y;

    out.lineEndX = g.gasRight;
    if (f.elogShown || (g.Flag(17) && (g.options.logGasScale || g.options.gasPercent != 0))) {
        const QImage& strip = f.elogShown ? s.elogGas : s.logGas;
        out.lineEndX = g.gas.left + (f.elogShown ? s.elogGasExtent : s.logGasExtent);
        int gy = T;
        for (int i = 0; i <= g.visibleRows; ++i, gy += R) {
            Strip(dc, strip, g.gas.left, gy);
            if (g.splitGas)
                Strip(dc, strip, g.gasMiddleX + 1, gy);
        }
        if (g.splitGas)
            out.lineEndX = g.gas.left + 2 * s.logGasExtent;
        closingY = gy;
    }
    if (g.options.logRateScale) {
        int ry = T;
        for (int i = 0; i < g.visibleRows; ++i, ry += R)
            Strip(dc, s.logRate, g.rate.left, ry);
        closingY = ry;
    }
    if (f.gasPercentOfTotal) {
        int py = T;
        for (int i = 0; i < g.visibleRows; ++i, py += R)
            Strip(dc, s.gasPercent, g.origin.x + g.description.left + g.unitWidth, py);
        closingY = py;
    }
    ClosingLines(closingY);
}

void Painting::ClosingLines(int y)
{
    const int U = g.unitWidth, T = g.topMargin;
    Line(dc, g.rate.left, y, g.rate.Right(), y);
    Line(dc, g.lithology.left, y, g.lithology.left + 10 * g.lithology.cell, y);
    if (g.cut.left > 0)
        Line(dc, g.cut.left, y, g.gas.left, y);
    Line(dc, g.gas.left, y, f.flareMode == 0 ? out.lineEndX : g.logWidth + U, y);
    if (f.gasPercentOfTotal) {
        const int left = g.description.left + U;
        const int bottom = T + g.visibleRows * g.rowHeight;
        Line(dc, left, y, percentLineEndX - 1, y);
        Line(dc, left - 1, T, left - 1, bottom);
        // The edge at the gas track's left stands upright, beside its companion.
        Line(dc, g.gas.left - 1, T, g.gas.left - 1, bottom);
    }
}

void Painting::ConnectionMarks(const RECORD& rec, int y)
{
    const int R = g.rowHeight, code = rec.tripCode;
    if (code == 3) {
        DrawDepthMarkers(dc, g, device, y + R, R);
        return;
    }
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(g.fonts.annotation));
    if (BoxedConnectionMarks(g.profile)) {
        const int right = code > 3 ? g.gas.left + 3 * R : g.gas.left + int(2.5 * R);
        dc.Rectangle(g.gas.left, y + int(0.25 * R), right, y + int(2.25 * R));
        if (labelsLast)
            later.taken.push_back({g.gas.left, y + int(0.25 * R), right, y + int(2.25 * R)});
        dc.TextOut(g.gas.left + 2, y + R - 6, code > 3 ? "TRIP" : "KD");
    } else {
        const int x = g.rate.Right() + 5 * g.unitWidth;
        switch (code) {
        case 1: dc.TextOut(x + 4, y + 2, "_c"); break;
        case 2: dc.TextOut(x + 4, y - 3, "_c"); break;
        case 4: dc.TextOut(x + 2, y + 2, "_TRIP"); break;
        case 5: dc.TextOut(x + 2, y - 3, "_TRIP"); break;
        default: break;
        }
    }
}

void Painting::PercentLine(const RECORD& rec, int y)
{
    const int depth = rec.depth;
    if ((depth - 2) % 100 == 20 && y > g.topMargin)
        f.painters.DrawGasScaleHeader(target, rec, y, g.rowHeight, 1);
    if ((depth - 2) % 10 != 0 || g.profile == 16)
        return;
    const layout::PenSpec* spec = wellfile::RedDepthProfile(g.profile) ? &g.pens.Grid10Alt() : &g.pens.Grid10();
    int lineY = y;
    if (wellfile::FiftyGridProfile(g.profile) && (depth - 2) % 50 == 0) {
        spec = &g.pens.Grid50();
        lineY = y + 1;
    }
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(spec->colour, spec->width, spec->style));
    const int from = g.gas.left + g.unitWidth + 1;
    if (f.singleGas) {
        Line(dc, from, lineY, g.gasRight, lineY);
        Line(dc, g.gasRight + 2 * g.unitWidth, lineY, percentLineEndX, lineY);
    } else {
        Line(dc, from, lineY, percentLineEndX, lineY);
    }
}

void Painting::Row(int index, int row, int y)
{
    const RECORD& rec = f.records[std::size_t(index)];
    const RECORD* previous = index > 0 ? &f.records[std::size_t(index) - 1] : nullptr;
    const int R = g.rowHeight, p = g.profile;
    NeighbourPainters& n = f.painters;
    if (!g.options.logRateScale && !g.options.ratePerHour && (rec.minutesScale == 2 || rec.minutesScale == 3))
        Strip(dc, f.strips.alternateRate, g.origin.x, y);
    if (p == 16 && !g.options.logGasScale && (rec.gasScale == 9 || rec.gasScale == 10))
        Strip(dc, f.strips.gasShow, g.gas.left, y);
    if (g.Flag(21))
        n.DrawTextColumn(target, rec, y, R);
    if (g.Flag(16) && !g.options.sandShaleOnly)
        n.DrawLithology(target, f.records, std::size_t(index), R, y, out.rowCounter, 0, 0);
    if (g.Flag(17) && !wellfile::ChromatographProfile(p) && p != 20)
        n.DrawGasCurves(target, f.records, std::size_t(index), y, out.rowCounter, false, false);
    if (wellfile::AlternateFormatProfile(p) && f.singleGas)
        n.DrawGasCurves(target, f.records, std::size_t(index), y, out.rowCounter, false, false);
    if (f.gasPercentOfTotal) {
        n.DrawGasCurves(target, f.records, std::size_t(index), y, out.rowCounter, true, false);
        PercentLine(rec, y);
    }
    if (g.Flag(22) && rec.tripCode != 0 && row > 0)
        ConnectionMarks(rec, y);
    if (g.Flag(22)) {
        const bool slide = rec.slide == 1, slideBefore = previous && previous->slide == 1;
        const int barX = g.rate.left + 3, textX = g.rate.left + g.unitWidth;
        if (slide && row > 0) {
            const platform::KeepDcState keep(dc);
            dc.SelectObject(platform::Pen(g.pens.SlideColour(), 8, platform::PS_INSIDEFRAME));
            Line(dc, barX, y, barX, y + R);
            if (!slideBefore)
                dc.TextOut(textX, y - int(1.5 * R), "S");
        } else if (!slide && slideBefore) {
            dc.TextOut(textX, y - int(0.5 * R), "R");
        }
    }
    if (g.Flag(29) && (rec.mudWeightOut > 0 || rec.mudWeightIn > 0) && y > g.topMargin + R)
        n.DrawMudInOut(target, rec, R, y + R);
    // The ten-unit line under the row crosses the gas track (a fifty's a pixel lower).
    if (labelsLast && g.Flag(22) && rec.depth % 10 == 0)
        later.taken.push_back({g.gas.left, y + R, g.gasRight, y + R + 2});
}

bool PastTheLog(const RECORD& rec, const ViewGeometry& g) { return rec.depth == 0 || rec.depth >= g.fileLastDepth; }

void Painting::RowLoop()
{
    const int R = g.rowHeight;
    const Records recs = f.records;
    int y = g.origin.y + g.topMargin;
    int index = 1;
    out.rowCounter = 0;
    for (int row = 0; row < f.count && std::size_t(index) < recs.size(); ++row) {
        Row(index, row, y);
        if (PastTheLog(recs[index], g))
            break;
        ++out.rowCounter;
        ++index;
        y += R;
        if (y >= g.logBottomY || row + 1 >= f.count)
            break;
    }
    out.stopIndex = std::min<int>(index, int(recs.size()) - 1);
    out.lastRowY = y;
}

void Painting::InterpretedLithology()
{
    const Records recs = f.records;
    int y = g.topMargin;
    int index = 1;
    out.rowCounter = 0;
    while (std::size_t(index) < recs.size()) {
        f.painters.DrawLithology(target, recs, std::size_t(index), g.rowHeight, y, out.rowCounter, 0, 1);
        y += g.rowHeight;
        if (PastTheLog(recs[index], g))
            break;
        ++index;
        ++out.rowCounter;
        if (y >= g.logBottomY || out.rowCounter >= f.count)
            break;
    }
    out.stopIndex = std::min<int>(index, int(recs.size()) - 1);
    out.lastRowY = y;
}

void Painting::BelowTheLastRecord()
{
    const Records recs = f.records;
    const RECORD& rec = recs[out.stopIndex];
    out.bottomDepth = rec.depth;
    out.moreBelow = out.stopIndex > 0 && (long long)recs[out.stopIndex - 1].depth < (long long)g.fileLastDepth - 1;
    const bool alternate = !g.options.ratePerHour && (rec.minutesScale == 2 || rec.minutesScale == 3);
    for (int y = out.lastRowY; y < g.logBottomY; y += g.rowHeight) {
        if (g.options.logRateScale)
            Strip(dc, f.strips.logRate, g.rate.left, y);
        else if (alternate)
            Strip(dc, f.strips.alternateRate, g.origin.x, y);
    }
}

// Below the log's bottom line stand only the scale bars: what the last rows' curves, boxes and markers
// reach past the line, and what an earlier view left there, goes before they are drawn.
void Painting::ClearBelowTheLog()
{
    const QImage* image = dc.Image();
    if (!image || g.logBottomY >= image->height())
        return;
    const int x = g.horizontalScroll;
    dc.FillRect({x, g.logBottomY, x + image->width(), image->height()}, platform::Brush(platform::RGB(255, 255, 255)));
    ClosingLines(closingY);
}

void Painting::WholeLog()
{
    NeighbourPainters& n = f.painters;
    const int R = g.rowHeight, T = g.topMargin, p = g.profile, rows = out.rows;
    // The whole-log curves: rows + 1 from buffered record 1; record 0 is the one above the first row.
    const Records buffer = f.records;
    const int curves = int(From1(rows + 1).size());

    if (g.Flag(22) && f.records.size() > 1)
        DrawCurve(dc, g, device, f.curve, f.records, 1, std::min<int>(rows + 1, int(f.records.size()) - 1), R, T, false);
    if (g.Flag(31) && p != 60)
        n.DrawAveragedCurve(target, buffer, 1, curves, R, T, false);
    if (g.Flag(37) && !f.imageLog && f.records.size() > 1 && double(g.fileFirstDepth) + f.gammaLag + 20.0 < double(f.records[1].depth))
        n.DrawDataCurve(target, buffer, 1, curves, R, T, false);
    if (g.Flag(1))
        n.DrawRecordCurve(target, buffer, 1, curves, R, T, false);
    if (g.Flag(27))
        n.DrawLinearCurve(target, buffer, 1, curves, R, T, false);
    if (g.Flag(17) && (wellfile::PercentGasGroup(p, f.singleGas) || p == 20))
        n.DrawChromatographTrack(target, buffer, 1, curves, R, T);
    if (g.Flag(22) && f.records.size() > 1)
        DrawSurveyColumn(dc, g, device, depthColumn, f.records, 1, std::min<int>(rows, int(f.records.size()) - 1), R,
                         g.unitWidth, T);
    n.DrawTopsColumn(target, From1(rows), R, T);
    if (g.Flag(19) && !wellfile::AlwaysMetricProfile(p)) {
        if (g.porosity.left > 0)
            n.DrawRatingColumn(target, From1(rows), R, T);
        if (g.fluorescence.left > 0)
            n.DrawBoxColumn(target, buffer, 1, int(From1(rows).size()), R, T);
        if (g.cut.left > 0)
            n.DrawPorosityColumn(target, From1(rows), R, T);
    }
    if (p == 115 || (g.Flag(38) && g.hardness.count > 0))
        n.DrawBarColumn(target, buffer, 1, int(From1(rows).size()), R, T);
    const int flareWidth = 10 * g.gas.cell;
    if (g.Flag(36) && f.flareMode == 0)
        n.DrawFlarePolygon(target, buffer, 0, int(From0(rows).size()), R, T, g.gasRight - flareWidth, flareWidth,
                           0.01f * float(flareWidth));
    else if (f.flareMode != 0)
        n.DrawFlareTrack(target, buffer, 0, int(From0(rows).size()), R, T);

    if (f.offsetRecords.size() > 1 && !f.dragEntry)
        DrawCurve(dc, g, device, f.curve, f.offsetRecords, 1,
                  std::min<int>(g.visibleRows, int(f.offsetRecords.size()) - 1), R, T, true);

    const std::int32_t top = g.viewTopDepth, to = out.bottomDepth + 2;
    // The markers keep clear of the depth numbers the column wrote.
    const DepthNumberPlaces numbers =
        g.Flag(22) && f.records.size() > 1 ? ScreenDepthNumbers(g, f.depthColumn, f.records[1].depth) : DepthNumberPlaces{};
    DrawShowMarkers(dc, g, f.shows, top, to, numbers);
    DrawDstMarkers(dc, g, f.dsts, top, to, numbers);
    DrawReportMarkers(dc, g, f.reports, top, to, numbers);
    DrawDowntimeMarkers(dc, g, f.downtime, top, to);
    if (f.shortReports)
        n.DrawShortReports(target, top, out.bottomDepth, R, T - R, false);
    if (f.pictures) {
        int y = f.imageLog ? T + 25 * R : T, picture = 0;
        for (std::size_t i = 1; i < f.records.size() && y <= g.logBottomY - 5 * R; ++i, y += R) {
            picture = n.FindNextImageAtDepth(f.records[i].depth, picture);
            if (picture >= 0)
                n.DrawImage(target, picture, y);
        }
    }
    out.redrawPending = f.horizontalBar && !f.dragEntry;
    if (f.imageMarkers)
        n.DrawImageMarkers(target);
    if (f.trackTitles)
        f.trackTitles(dc);
    // The rows of the view and one more; a short file still gets its grids and cells.
    if (f.custom.Present() && rows > 1)
        n.PaintCustomTracks(target, From0(rows + 1), f.custom, T, rows + 1, R, out.bottomDepth, 0);
    if (f.memos && !f.gasPercentOfTotal)
        n.DrawMemos(target, top, PageBottomY{g.logBottomY}, R, T - R);
    if (labelsLast)
        WriteLaterLabels(target, n, later, f.records, T, g.gasRight, g.logBottomY - R);
    if (f.imageLog)
        return;
    ClearBelowTheLog();
    if (g.Flag(1))
        n.DrawTrackScaleHeader(target, g.logBottomY, R, g.Flag(37) ? 1 : 0);
    if (g.Flag(27))
        n.DrawTrackScaleHeader2(target, g.logBottomY, R);
}

}  // namespace

bool BoxedConnectionMarks(int profile)
{
    return wellfile::ProfileIn(profile, {25, 47, 4, 64, 17, 78, 88, 20, 58, 11, 12, 120});
}

PaintResult PaintLog(Dc& dc, const PaintFrame& frame)
{
    const platform::KeepDcState keep(dc);
    dc.SetViewportOrg(-frame.geometry.horizontalScroll, 0);
    Painting p(dc, frame);
    p.percentLineEndX = p.g.description.left + p.g.unitWidth + 20 * p.g.gas.cell;
    p.LayStrips();
    p.out.logBottomY = p.g.logBottomY;
    if (!frame.dataFile || frame.records.empty()) {
        p.out.noDataFile = !frame.dataFile;
        p.out.lastRowY = p.g.topMargin;
        return p.out;
    }
    // The labels written last keep clear of every text: the paint's are recorded (into the caller's
    // record when it keeps one).
    const bool ownRecord = p.labelsLast && !dc.RecordingText();
    if (ownRecord)
        dc.RecordText(true);
    p.RowLoop();
    if (p.g.Flag(16))
        p.InterpretedLithology();
    p.out.rows = p.out.rowCounter;
    p.BelowTheLastRecord();
    p.WholeLog();
    if (ownRecord)
        dc.RecordText(false);
    return p.out;
}

}  // namespace logview
