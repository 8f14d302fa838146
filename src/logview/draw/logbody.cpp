#include "logview/draw/logbody.h"

#include "logview/compressedrows.h"
#include "logview/draw/depthcolumn.h"
#include "logview/draw/logpaint.h"
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

bool AlternateRateCode(int code) { return code == 2 || code == 3; }

struct Body {
    Dc& dc;
    const BodyFrame& f;
    ViewGeometry g;
    PaintTarget target;
    BodyResult out;
    RowWalk walk;

    Body(Dc& d, const BodyFrame& frame) : dc(d), f(frame), g(frame.geometry), target{d, g, frame.device} {}

    // `count` records of the buffer from the first row's, never past its end.
    Records Run(long long count) const
    {
        const long long first = f.firstElement, size = (long long)f.records.size();
        if (count <= 0 || first >= size)
            return {};
        return f.records.subspan(std::size_t(first), std::size_t(std::min(count, size - first)));
    }
    int RateCode(const RECORD& r) const
    {
        return g.fixedRate.on ? g.fixedRate.table[std::size_t(std::clamp(g.fixedRate.index, 0, 3))] : r.minutesScale;
    }

    void LayStrips();
    void Rows();
    void Row(int r, int element, int y);
    bool MudWeightNear(int element) const;
    void BelowTheRows();
    void ColumnPainters();
    void Marks();
};

void Body::LayStrips()
{
    const GridStrips& s = f.strips;
    const int R = g.rowHeight, T = g.topMargin, rows = std::max(g.visibleRows - 1, 0);
    int y = g.origin.y + T;
    if (!f.device.printing)
        for (int i = 0; i < rows; ++i, y += R)
            Strip(dc, s.main, g.origin.x, y);
    out.lineEndX = g.gasRight;
    if (f.elogShown || (g.Flag(17) && (g.options.logGasScale || g.options.gasPercent != 0))) {
        const QImage& strip = f.elogShown ? s.elogGas : s.logGas;
        out.lineEndX = g.gas.left + (f.elogShown ? s.elogGasExtent : s.logGasExtent);
        y = T;
        for (int i = 0; i < rows; ++i, y += R) {
            Strip(dc, strip, g.gas.left, y);
            if (g.splitGas)
                Strip(dc, strip, g.gasMiddleX, y);
        }
        if (g.splitGas)
            out.lineEndX = g.gas.left + 2 * s.logGasExtent;
    }
    if (g.options.logRateScale) {
        y = T;
        for (int i = 0; i < rows; ++i, y += R) {
            Strip(dc, s.logRate, g.rate.left, y);
            Strip(dc, s.logRate, g.gasMiddleX + 1, y);
        }
    }
    g.logBottomY = out.logBottomY = y;
    // Below the bottom line stands only what this paint draws there: what earlier views left (the rows
    // and scale bars of a longer log, the curves of other pages) goes first.
    if (const QImage* image = dc.Image(); image && !f.device.printing && y < image->height())
        dc.FillRect({g.horizontalScroll, y, g.horizontalScroll + image->width(), image->height()},
                    platform::Brush(platform::RGB(255, 255, 255)));
    Line(dc, g.rate.left, y, g.rate.Right(), y);
    Line(dc, g.lithology.left, y, g.fluorescence.left > 0 ? g.fluorescence.left : g.lithology.Right(), y);
    if (g.cut.left > 0)
        Line(dc, g.cut.left, y, g.cut.Right(), y);
    Line(dc, g.gas.left, y, out.lineEndX, y);
}

bool Body::MudWeightNear(int element) const
{
    // The record passed is the first of the row two rows up; any record of that row with a weight counts.
    for (int i = element - 10; i < element - 5; ++i)
        if (i >= 0 && std::size_t(i) < f.records.size() &&
            (f.records[std::size_t(i)].mudWeightIn > 0 || f.records[std::size_t(i)].mudWeightOut > 0))
            return true;
    return false;
}

void Body::Row(int r, int element, int y)
{
    const RECORD& rec = f.records[std::size_t(element)];
    const int R = g.rowHeight, p = g.profile;
    NeighbourPainters& n = f.painters;
    if (!g.options.logRateScale && !g.options.ratePerHour && AlternateRateCode(RateCode(rec)))
        Strip(dc, f.strips.alternateRate, g.origin.x, y);
    if (g.Flag(16) && !g.options.sandShaleOnly)
        n.DrawLithology(target, f.records, std::size_t(element), R, y + R, out.rowCounter, 0, 0);
    const bool gasRow =
        wellfile::AlternateFormatProfile(p) ? !g.splitGas : !wellfile::NoGasRowProfile(p);
    if (g.Flag(17) && gasRow)
        n.DrawGasCurves(target, f.records, std::size_t(element), y, out.rowCounter, false, false);
    if (r == 0)
        return;
    DrawMarkerLines(dc, g, f.device, f.records.subspan(std::size_t(element)), g.visibleRows, R, g.unitWidth, y);
    DrawConnectionTripMarks(dc, g, f.device, f.records, std::size_t(element), R, g.unitWidth, y);
    if (g.Flag(29) && element >= 10 && MudWeightNear(element))
        n.DrawMudInOut(target, f.records[std::size_t(element) - 10], R, y);
}

void Body::Rows()
{
    walk = WalkCompressedRows(f.records, f.firstElement, g.visibleRows, kRecordsPerCompressedRow,
                              g.origin.y + g.topMargin, g.rowHeight, g.logBottomY, g.fileLastDepth);
    int y = g.origin.y + g.topMargin;
    for (std::size_t r = 0; r < walk.elements.size(); ++r, y += g.rowHeight) {
        out.rowCounter = int(r);  // the gas curves start afresh on the first row
        Row(int(r), walk.elements[r], y);
    }
    out.rowCounter = walk.rowCounter;
    out.currentRowY = walk.endY;
    out.n = walk.n;
    out.bottomDepth = walk.bottomDepth;
}

void Body::BelowTheRows()
{
    if (f.records.size() <= std::size_t(f.firstElement))
        return;
    const RECORD& first = f.records[std::size_t(f.firstElement)];
    const bool alternate = !g.options.ratePerHour && AlternateRateCode(RateCode(first));
    if (!g.options.logRateScale && !alternate)
        return;
    for (int y = out.currentRowY; y < g.logBottomY; y += g.rowHeight)
        Strip(dc, g.options.logRateScale ? f.strips.logRate : f.strips.alternateRate, g.origin.x, y);
}

void Body::ColumnPainters()
{
    NeighbourPainters& n = f.painters;
    const int R = g.rowHeight, T = g.topMargin, p = g.profile, rows = out.n;
    const long long rowRecords = (long long)(rows + 1) * kRecordsPerCompressedRow;
    if (g.Flag(22) && std::size_t(f.firstElement) < f.records.size())
        DrawCurve(dc, g, f.device, f.curve, f.records, std::size_t(f.firstElement), (rows + 1) * 2, R, T, false);
    const std::size_t at = std::size_t(f.firstElement);
    const bool haveRows = at < f.records.size();
    if (g.Flag(37) && haveRows)
        n.DrawDataCurve(target, f.records, at, rows + 1, R, T, false);
    if (g.Flag(1) && haveRows &&
        double(g.fileFirstDepth) + double(f.recordCurveOffset) + 20.0 < double(f.records[at].depth))
        n.DrawRecordCurve(target, f.records, at, rows + 1, R, T, false);
    if (g.Flag(27) && haveRows)
        n.DrawLinearCurve(target, f.records, at, rows + 1, R, T, false);
    if (g.Flag(31) && haveRows)
        n.DrawAveragedCurve(target, f.records, at, rows, R, T, false);
    if (g.Flag(19) && !wellfile::AlwaysMetricProfile(p)) {
        if (g.fluorescence.left > 0)
            n.DrawBarColumn2(target, Run(rowRecords), R, T);
        if (g.cut.left > 0)
            n.DrawPorosityColumn(target, Run((long long)rows * kRecordsPerCompressedRow), R, T);
        if (g.porosity.left > 0)
            n.DrawRatingColumn(target, Run((long long)rows * kRecordsPerCompressedRow), R, T);
    }
    if (p == 115 || (g.Flag(38) && g.hardness.count > 0))
        n.DrawBarColumn(target, f.records, at, BarColumnRows(g, Run((long long)rows * kRecordsPerCompressedRow).size()), R, T);
    const int flareWidth = 10 * g.gas.cell;
    if (g.Flag(36) && f.flareMode == 0)
        n.DrawFlarePolygon(target, f.records, at, int(Run(rowRecords).size()), R, T, g.gasRight - flareWidth, flareWidth,
                           0.01f * float(flareWidth));
    if (f.flareMode != 0)
        n.DrawFlareTrackLines(target, f.records, at, int(Run(rowRecords).size()), R, T);
    // The offset well's curve needs only its records: the rate track's switch is the rate curve's.
    if (f.offsetRecords.size() > 1 && !f.dragEntry)
        DrawCurve(dc, g, f.device, f.curve, f.offsetRecords, 1, OffsetCurveHalfRows(f.offsetKept, g.visibleRows), R, T,
                  true);
}

void Body::Marks()
{
    const std::int32_t top = g.viewTopDepth, bottom = out.bottomDepth;
    DrawCompressedShowMarks(dc, g, f.shows, top, bottom, f.markFont);
    DrawCompressedDstMarks(dc, g, f.dsts, top, bottom, f.markFont);
    DrawCompressedReportMarks(dc, g, f.reports, top, bottom, f.markFont);
}

// One kind of compressed mark.
struct MarkKind {
    platform::COLORREF colour;
    bool wideRange;  // from - 2 < d < to + 2, else from < d < to
};

template <typename Draw>
void DrawMarks(Dc& dc, const ViewGeometry& g, DepthTable table, std::int32_t from, std::int32_t to, bool markFont,
               MarkKind kind, Draw draw)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(kind.colour, 1, platform::PS_SOLID));
    dc.SelectObject(platform::Brush(kind.colour));
    if (markFont)
        dc.SelectObject(platform::Font::FromLogFont(g.fonts.mark));
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.SetBkMode(platform::TRANSPARENT);
    const long long lo = kind.wideRange ? (long long)from - 2 : from, hi = kind.wideRange ? (long long)to + 2 : to;
    for (const std::int32_t d : table) {
        if (d == 0)
            break;
        if (d > lo && d < hi)
            draw(CompressedMarkY(d, g.viewTopDepth, g.rowHeight, g.topMargin, g.depthStep));
    }
}

}  // namespace

void DrawCompressedShowMarks(Dc& dc, const ViewGeometry& g, DepthTable shows, std::int32_t from, std::int32_t to,
                             bool markFont)
{
    const int xr = g.rate.Right(), xo = g.markOffset, R = g.rowHeight;
    DrawMarks(dc, g, shows, from, to, markFont, {platform::RGB(255, 0, 0), false}, [&](int y) {
        dc.Rectangle(xr - 2 * xo, y - R, xr, y);
        if (markFont)
            dc.TextOut(xr - xo, y - R, "S");
        else
            dc.TextOut(xr - xo, int(y - 1.5 * R), "s");
    });
}

void DrawCompressedDstMarks(Dc& dc, const ViewGeometry& g, DepthTable dsts, std::int32_t from, std::int32_t to,
                            bool markFont)
{
    const int xr = g.rate.Right(), xo = g.markOffset, R = g.rowHeight;
    DrawMarks(dc, g, dsts, from, to, markFont, {platform::RGB(0, 255, 0), false}, [&](int y) {
        dc.Rectangle(xr - 2 * xo, y - R - 1, xr, y);
        dc.TextOut(xr - xo, int(y + 0.4 * R), "D");
    });
}

void DrawCompressedReportMarks(Dc& dc, const ViewGeometry& g, DepthTable reports, std::int32_t from, std::int32_t to,
                               bool markFont)
{
    const int xr = g.rate.Right(), xo = g.markOffset, R = g.rowHeight, U = g.unitWidth;
    DrawMarks(dc, g, reports, from, to, markFont, {platform::RGB(255, 255, 0), true}, [&](int y) {
        dc.Rectangle(xr - 2 * U, y - 2 * R, xr, y);
        dc.TextOut(xr - xo, y - 2 * R, "R");
    });
}

int DrawConnectionTripMarks(Dc& dc, const ViewGeometry& g, const Device& device, Records records, std::size_t rowElement,
                            int rowHeight, int unitWidth, int y)
{
    const TripMark mark = FirstTripMark(records, rowElement);
    const int h = rowHeight, y1 = int(y - 1.5 * h);
    const bool paper = device.printing;
    const platform::LOGFONTA& labelFont = paper ? device.printFonts.label : g.fonts.annotation;

    if (BoxedConnectionMarks(g.profile)) {
        if (mark.code == 0)
            return 0;
        const int x0 = paper ? device.printer.gasLeft : g.gas.left;
        if (mark.code == 3) {
            DrawDepthMarkers(dc, g, device, paper ? int(y1 + 1.5 * h) : y1 + 2 * h, unitWidth);
            return 1;
        }
        const bool trip = mark.code >= 4;
        const platform::KeepDcState keep(dc);
        dc.SelectObject(platform::Font::FromLogFont(labelFont));
        dc.SetBkMode(platform::OPAQUE);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        if (paper) {
            dc.Rectangle(x0 - 1, y - h, int(x0 + (trip ? 2.75 : 1.75) * h), int(y - h + 1.85 * h));
            dc.TextOut(x0 + 5, y - h, trip ? "TRIP" : "KD");
        } else {
            dc.Rectangle(x0 - 1, y - h, x0 + (trip ? 3 : 2) * h, y + h);
            dc.TextOut(x0 + 1, y - h + 1, trip ? "Trip" : "KD");
        }
        return 1;
    }

    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(labelFont));
    const int x0 = (paper ? device.printer.rateRight : g.rate.Right()) + 1;
    const int step = paper ? h / 5 : 2;
    if (mark.code == 3)
        DrawDepthMarkers(dc, g, device, y1 + h, unitWidth);
    else if (mark.code == 1 || mark.code == 2)
        dc.TextOut(x0 + 2, y1 + mark.position * step, "_c");
    else if (mark.code >= 4)
        dc.TextOut(x0, y1 + mark.position * step, "TRIP");
    return 1;
}

BodyResult PaintLogBody(Dc& dc, const BodyFrame& frame)
{
    // The body draws where the direct path would: a log scrolled sideways stays scrolled.
    const platform::KeepDcState keep(dc);
    dc.SetViewportOrg(-frame.geometry.horizontalScroll, 0);
    Body b(dc, frame);
    b.LayStrips();
    b.Rows();
    // The depth column is the compressed log's only depth scale: drawn with or without the rate track.
    if (std::size_t(frame.firstElement) < frame.records.size())
        DrawSurveyColumn(dc, b.g, frame.device, frame.depthColumn, frame.records, std::size_t(frame.firstElement),
                         b.out.n * kRecordsPerCompressedRow, b.g.rowHeight, b.g.unitWidth, b.g.topMargin);
    b.BelowTheRows();
    b.ColumnPainters();
    b.Marks();
    if (frame.trackTitles)
        frame.trackTitles(dc);
    const ViewGeometry& g = b.g;
    const std::int32_t top = g.viewTopDepth, bottom = b.out.bottomDepth;
    if (frame.custom.Present()) {
        const Records run = b.Run((long long)(b.out.n + 1) * kRecordsPerCompressedRow);
        frame.painters.PaintCustomTracks(b.target, run, frame.custom, g.topMargin, int(run.size()), g.rowHeight, bottom, 0);
    }
    if (frame.shortReports)
        frame.painters.DrawShortReports(b.target, top, bottom, g.rowHeight, g.topMargin, false);
    if (frame.memos)
        frame.painters.DrawMemos(b.target, top, PageBottomY{g.logBottomY}, g.rowHeight, g.topMargin);
    b.out.redrawPending = frame.horizontalBar && !frame.dragEntry;
    return b.out;
}

}  // namespace logview
