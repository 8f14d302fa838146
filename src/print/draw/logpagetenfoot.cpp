// The ten-foot page: one row for each group of five records.
#include "logview/draw/depthcolumn.h"
#include "logview/draw/logbody.h"
#include "logview/draw/markers.h"
#include "print/draw/logpage.h"
#include "print/draw/logpagesteps.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace print {

using wellfile::RECORD;

namespace {

constexpr int kGroup = 5;

struct TenFootPage : PageSteps {
    using PageSteps::PageSteps;

    int rowsDrawn = 0;

    bool GroupStops(std::size_t i) const
    {
        if (i >= f.records.size())
            return true;
        return f.records[i].depth < f.fileFirstDepth || Stops(f.records[i]);
    }
    void Row(int r, std::size_t i, int y);
    void RowLoop(int rows, int y);
    void WholePage(int topY);
};

void TenFootPage::Row(int r, std::size_t i, int y)
{
    logview::NeighbourPainters& n = f.painters;
    const logview::PrinterGeometry& pg = f.device.printer;
    const int R = Rh(), U = pg.unitWidth, p = g.profile;
    const logview::Records group = Run(i, kGroup);
    const bool hasBefore = r > 0 && i >= kGroup;

    if (r > 0)
        logview::DrawMarkerLines(dc, g, f.device, group, f.settings.colour, R, U, y);
    if (wellfile::RedDepthProfile(p) || wellfile::ChromatographProfile(p)) {
        if (hasBefore)
            logview::DrawConnectionTripMarks(dc, g, f.device, f.records, i - kGroup, R, U, y - R);
    } else {
        logview::DrawConnectionTripMarks(dc, g, f.device, f.records, i, R, U, y);
    }
    SeparatorLine(edges.profileSeparator1, y, 15);
    if (wellfile::PercentGasGroup(p, f.options.alternateLayout) || f.options.pdfPrinter)
        SeparatorLine(edges.profileSeparator1 + 1, y, 11);
    if (wellfile::FluorescenceFirstProfile(p))
        SeparatorLine(edges.profileSeparator2 + 1, y, 11);
    SeparatorLine(edges.pair1Left, y, 11);
    if (Lithology())
        n.DrawLithology(target, f.records, i, R, y, f.tracks.printRowCounter, 0, 0);
    SeparatorLine(edges.pair1Right, y, 11);
    if (g.Flag(kFlagMudWeights) && hasBefore) {
        const logview::Records before = Run(i - kGroup, kGroup);
        if (std::any_of(before.begin(), before.end(), [](const RECORD& rec) { return rec.mudWeightOut > 0; }))
            n.DrawMudInOut(target, before.front(), R, y);
    }
    if (g.Flag(layout::FLAG_SHOWS) && !wellfile::SandShaleProfile(p)) {
        if (pg.porosityLeft > 0)
            n.DrawRatingColumn(target, group, R, y);
        if (pg.fluorescenceLeft > 0)
            n.DrawBarColumn2(target, group, R, y);
        if (pg.cutLeft > 0)
            n.DrawPorosityColumn(target, group, R, y);
    }
    if (RateCurveRow())
        n.PrintCurveTrack(target, f.records, i, R, false, y);
    SeparatorLine(edges.rightEdge, y, 11);
}

void TenFootPage::RowLoop(int rows, int y)
{
    std::size_t i = f.first;
    for (int r = 0; r < rows && !GroupStops(i) && RowFits(y); ++r) {
        Row(r, i, y);
        rowsDrawn = r + 1;
        f.print.lastPrintedDepth = f.records[i].depth;
        i += kGroup;
        y += Rh();
        ++f.tracks.printRowCounter;
    }
    runEnds = GroupStops(i);
}

void TenFootPage::WholePage(int topY)
{
    logview::NeighbourPainters& n = f.painters;
    const int R = Rh(), U = f.device.printer.unitWidth, rows = rowsDrawn;
    const std::size_t first = f.first;
    const logview::Records rowRecords = Run(first, rows * kGroup);

    logview::DrawCurve(dc, g, f.device, CurveOptions(), f.records, first, (rows + 1) * 2, R, topY, false);
    if (ChromatographProfile())
        n.DrawChromatographTrack(target, f.records, first, rows + 1, R, topY);
    else if (f.print.pageClass && g.Flag(layout::FLAG_GAS))
        n.PrintCurveTrack2(target, f.records, first, R, int(rowRecords.size()), false, topY);
    if (g.Flag(kFlagLinearCurve))
        n.DrawLinearCurve(target, f.records, first, rows + 1, R, topY, false);
    if (rows > 0)
        logview::DrawSurveyColumn(dc, g, f.device, f.depthColumn, f.records, first, rows * kGroup, R, U, topY);
    if (!rowRecords.empty())
        n.DrawTopsColumn(target, rowRecords, R, topY);
    if (g.Flag(kFlagAveragedCurve))
        n.DrawAveragedCurve(target, f.records, first, rows, R, topY, true);
    if (g.Flag(kFlagBarColumn))
        n.DrawBarColumn(target, f.records, first, logview::BarColumnRows(g, rowRecords.size()), R, topY);
    if (g.Flag(kFlagFlarePolygon) && !f.options.flareTrack) {
        const int unit = f.device.printer.gasCellWidth;
        n.DrawFlarePolygon(target, f.records, first + kGroup, int(Run(first + kGroup, (rows + 1) * kGroup).size()), R,
                           topY, f.device.printer.gasRight - 10 * unit, 10 * unit, 0.01f * float(10 * unit));
    }
    // The flare track as the compressed log body draws it: a point for each row's five records.
    if (f.options.flareTrack)
        n.DrawFlareTrackLines(target, f.records, first, int(Run(first, (rows + 1) * kGroup).size()), R, topY);
    f.tracks.pending.pageBottomY = topY + (rows + 10) * R;
    if (first < f.records.size()) {
        // The custom tracks take ten records a row on this scale, so the page's rows ask twice the group.
        const int customPerRow = f.settings.scaleKind == 3 ? 2 * kGroup : kGroup;
        const logview::Records run = Run(first, (rows + 1) * customPerRow);
        CustomTracks(run, f.records[first].depth, int(run.size()), topY);
    }
}

}  // namespace

int PrintLogPageTenFoot(platform::Dc& dc, LogPageFrame& f)
{
    TenFootPage page(dc, f);
    const platform::KeepDcState kept(dc);
    dc.SetBkMode(platform::TRANSPARENT);  // text is written transparent until the end
    page.ClipRightEdge();
    int rows = f.rows;
    int y = page.Header(rows, true);
    if (f.options.headerOnlyRun)
        return 0;
    if (f.options.restsOnly) {
        page.Rests(y);
        return 0;
    }
    const int back = f.settings.scaleKind == 3 ? kGroup : 2;
    y = page.PageClassMargins(y, rows, back);
    if (f.first >= f.records.size() || f.records[f.first].depth == 0)
        return 0;
    const int topY = y;
    page.RowLoop(rows, y);
    page.WholePage(topY);
    page.ShortReportsAndMemos(topY, topY + page.rowsDrawn * page.Rh());
    const int reduction = page.NextMargin(back);
    f.print.headerPage = false;
    return page.rowsDrawn * kGroup - reduction;
}

}  // namespace print
