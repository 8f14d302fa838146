#include "logview/draw/entryrows.h"

#include "logview/draw/curveplotter.h"
#include "logview/draw/depthcolumn.h"
#include "logview/draw/paintsteps.h"
#include "logview/paintrows.h"
#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace logview {

int PaintedRows(const ViewGeometry& g, std::span<const wellfile::RECORD> records, int count)
{
    int rows = 0;
    int y = g.origin.y + g.topMargin;
    for (std::size_t index = 1; rows < count && index < records.size(); ++index) {
        const wellfile::RECORD& r = records[index];
        if (r.depth == 0 || r.depth >= g.fileLastDepth)
            break;
        ++rows;
        y += g.rowHeight;
        if (y >= g.logBottomY)
            break;
    }
    return rows;
}

std::pair<int, int> RedrawEntryRateRows(QImage& store, const ViewGeometry& g, const GridStrips& strips,
                                        NeighbourPainters& painters, const DepthColumnOptions& depthColumn,
                                        float gammaLag, std::span<const wellfile::RECORD> records, int firstRow,
                                        int lastRow)
{
    const int R = g.rowHeight, T = g.topMargin;
    if (records.size() < 2 || R <= 0)
        return {0, 0};
    const int rows = PaintedRows(g, records, PaintReadCount(g.visibleRows));
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rows);  // the row of the last depth is drawn too
    const int top = std::max(T + firstRow * R, 0);
    const int bottom = std::min({T + (lastRow + 1) * R, g.logBottomY, store.height()});
    const int left = std::max(g.rate.left - g.horizontalScroll, 0);
    // The curve reaches two pixels past the track's right edge (its wrap-around clip).
    const int rightEdge = g.rate.Right() + 2;
    const int right = std::min(rightEdge - g.horizontalScroll, store.width());
    if (top >= bottom || left >= right || store.format() != QImage::Format_RGB32)
        return {0, 0};

    QImage scratch = store.copy();
    {
        platform::Dc dc(scratch);
        dc.SetViewportOrg(-g.horizontalScroll, 0);
        const Device device = Device::Screen();
        const PaintTarget target{dc, g, device};
        for (int row = firstRow; row <= lastRow; ++row)
            BlitColumn(dc, strips, g, COLUMN_RATE, T + row * R, rightEdge);
        // The rate curve and the other curves of the track, in the paint's order.
        const int count = int(std::min<std::size_t>(std::size_t(rows) + 1, records.size() - 1));
        if (g.Flag(22))
            DrawCurve(dc, g, device, CurveOptions{}, records, 1, count, R, T, false);
        if (g.Flag(37) && double(g.fileFirstDepth) + gammaLag + 20.0 < double(records[1].depth))
            painters.DrawDataCurve(target, records, 1, count, R, T, false);
        if (g.Flag(1))
            painters.DrawRecordCurve(target, records, 1, count, R, T, false);
        if (g.Flag(27))
            painters.DrawLinearCurve(target, records, 1, count, R, T, false);
        if (g.Flag(22))
            DrawSurveyColumn(dc, g, device, depthColumn, records, 1, std::min<int>(rows, int(records.size()) - 1), R,
                             g.unitWidth, T);
    }
    for (int y = top; y < bottom; ++y)
        std::memcpy(store.scanLine(y) + left * 4, scratch.constScanLine(y) + left * 4, std::size_t(right - left) * 4);
    return {top, bottom};
}

namespace {

bool PastTheLog(const wellfile::RECORD& rec, const ViewGeometry& g)
{
    return rec.depth == 0 || rec.depth >= g.fileLastDepth;
}

// The record columns of every row as the paint draws them, on `dc` over the grid strips: the outlines
// and the lithology in the row loop, the interpreted lithology after it, then of the whole log the
// record curves, the depth column's lines, and the tops, show and hardness columns.
void PaintRecordColumns(platform::Dc& dc, const ViewGeometry& g, const GridStrips& strips, NeighbourPainters& n,
                        const DepthColumnOptions& depthColumn, std::span<const wellfile::RECORD> records, int count)
{
    const int R = g.rowHeight, T = g.topMargin, p = g.profile;
    const Device device = Device::Screen();
    const PaintTarget target{dc, g, device};
    int bottomY = g.origin.y + T;
    for (int i = 0; i <= g.visibleRows && bottomY < g.clientHeight; ++i, bottomY += R)
        paint::Strip(dc, strips.main, g.origin.x, bottomY);

    int rows = 0;
    int y = g.origin.y + T;
    for (std::size_t index = 1; rows < count && index < records.size(); ++index) {
        if (g.Flag(21))
            n.DrawTextColumn(target, records[index], y, R);
        if (g.Flag(16) && !g.options.sandShaleOnly)
            n.DrawLithology(target, records, index, R, y, rows, 0, 0);
        if (PastTheLog(records[index], g))
            break;
        ++rows;
        y += R;
        if (y >= bottomY)
            break;
    }
    if (g.Flag(16)) {
        rows = 0;
        y = T;
        for (std::size_t index = 1; index < records.size(); ++index) {
            n.DrawLithology(target, records, index, R, y, rows, 0, 1);
            y += R;
            if (PastTheLog(records[index], g))
                break;
            ++rows;
            if (y >= bottomY || rows >= count)
                break;
        }
    }
    const auto rowRecords = rows > 0 ? records.subspan(1, std::min<std::size_t>(std::size_t(rows), records.size() - 1))
                                     : std::span<const wellfile::RECORD>{};
    const int curves = int(std::min<std::size_t>(std::size_t(rows) + 1, records.size() - 1));
    if (g.Flag(31) && p != 60)
        n.DrawAveragedCurve(target, records, 1, curves, R, T, false);
    if (g.Flag(1))
        n.DrawRecordCurve(target, records, 1, curves, R, T, false);
    if (g.Flag(27))
        n.DrawLinearCurve(target, records, 1, curves, R, T, false);
    if (g.Flag(22))
        DrawSurveyColumn(dc, g, device, depthColumn, records, 1, std::min<int>(rows, int(records.size()) - 1), R,
                         g.unitWidth, T);
    n.DrawTopsColumn(target, rowRecords, R, T);
    if (g.Flag(19) && !wellfile::AlwaysMetricProfile(p)) {
        if (g.porosity.left > 0)
            n.DrawRatingColumn(target, rowRecords, R, T);
        if (g.fluorescence.left > 0)
            n.DrawBoxColumn(target, records, 1, int(rowRecords.size()), R, T);
        if (g.cut.left > 0)
            n.DrawPorosityColumn(target, rowRecords, R, T);
    }
    if (p == 115 || (g.Flag(38) && g.hardness.count > 0))
        n.DrawBarColumn(target, records, 1, int(rowRecords.size()), R, T);
}

}  // namespace

std::pair<int, int> RedrawEntryRecordColumns(QImage& store, const ViewGeometry& g, const GridStrips& strips,
                                             NeighbourPainters& painters, const DepthColumnOptions& depthColumn,
                                             std::span<const wellfile::RECORD> records, int firstRow, int lastRow)
{
    const int R = g.rowHeight, T = g.origin.y + g.topMargin;
    if (records.size() < 2 || R <= 0 || store.format() != QImage::Format_RGB32)
        return {0, 0};
    const int count = std::min<int>(PaintReadCount(g.visibleRows), int(records.size()) - 1);
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, PaintedRows(g, records, count));  // the row of the last depth is drawn too
    const int top = std::max(T + firstRow * R, 0);
    const int bottom = std::min({T + (lastRow + 1) * R, g.logBottomY, store.height()});
    if (top >= bottom)
        return {0, 0};

    QImage scratch = store.copy();
    {
        platform::Dc dc(scratch);
        dc.SetViewportOrg(-g.horizontalScroll, 0);
        PaintRecordColumns(dc, g, strips, painters, depthColumn, records, count);
    }
    // Only the columns themselves are taken: what other painters drew beside them stays.
    for (const layout::Column* c : {&g.lithology, &g.hardness, &g.porosity, &g.fluorescence, &g.cut}) {
        if (c->left <= 0 || c->Width() <= 0)
            continue;
        const int left = std::max(c->left - g.horizontalScroll, 0);
        const int right = std::min(c->Right() - g.horizontalScroll, store.width());
        for (int y = top; y < bottom && left < right; ++y)
            std::memcpy(store.scanLine(y) + left * 4, scratch.constScanLine(y) + left * 4, std::size_t(right - left) * 4);
    }
    return {top, bottom};
}

}  // namespace logview
