#include "logview/draw/entryrows.h"

#include "logview/draw/curveplotter.h"
#include "logview/draw/depthcolumn.h"
#include "logview/paintrows.h"
#include "platform/draw/dc.h"

#include <algorithm>
#include <cstring>

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
                                        const DepthColumnOptions& depthColumn,
                                        std::span<const wellfile::RECORD> records, int firstRow, int lastRow)
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
        for (int row = firstRow; row <= lastRow; ++row)
            BlitColumn(dc, strips, g, COLUMN_RATE, T + row * R, rightEdge);
        if (g.Flag(22)) {  // the rate track is shown
            const int count = int(std::min<std::size_t>(std::size_t(rows) + 1, records.size() - 1));
            DrawCurve(dc, g, device, CurveOptions{}, records, 1, count, R, T, false);
            DrawSurveyColumn(dc, g, device, depthColumn, records, 1, std::min<int>(rows, int(records.size()) - 1), R,
                             g.unitWidth, T);
        }
    }
    for (int y = top; y < bottom; ++y)
        std::memcpy(store.scanLine(y) + left * 4, scratch.constScanLine(y) + left * 4, std::size_t(right - left) * 4);
    return {top, bottom};
}

}  // namespace logview
