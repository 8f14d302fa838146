#include "app/ui/depthmatchdrag.h"

#include "app/depthmatch.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/scrolling.h"
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/geometryof.h"
#include "platform/draw/dc.h"
#include "platform/services.h"

#include <algorithm>

namespace app {

namespace {

// Shows [left, right) x [top, bottom) of the Dc's drawing on the window.
void Show(const LogState& s, const platform::Dc& dc, int left, int top, int right, int bottom)
{
    if (!s.view.updateArea)
        return;
    const platform::POINT o = dc.GetViewportOrg();
    s.view.updateArea(left + o.x, top + o.y, right + o.x, bottom + o.y);
}

std::int32_t OffsetRecordCount(const LogState& s)
{
    return std::max<std::int32_t>(std::int32_t(s.well.offset.records.size()) - 10, 0);
}

// Rows of the offset curve drawn from `firstIndex`: the visible rows, fewer near the offset well's end.
int OffsetRows(const LogState& s, const logview::ViewGeometry& g, std::int32_t firstIndex)
{
    return std::min(g.visibleRows, OffsetRecordCount(s) - firstIndex);
}

void DrawOffsetCurve(LogState& s, platform::Dc& dc, const logview::ViewGeometry& g, std::int32_t firstIndex)
{
    logview::CurveOptions options;
    options.onDragDc = true;
    logview::DrawCurve(dc, g, logview::Device::Screen(), options, s.well.offset.records, std::size_t(firstIndex),
                       OffsetRows(s, g, firstIndex), g.rowHeight, g.topMargin, true);
    Show(s, dc, g.rate.left - 2, g.topMargin - g.rowHeight, g.rate.Right() + 3, g.logBottomY + g.rowHeight);
}

}  // namespace

bool StartDepthMatchDrag(LogState& s, platform::Dc& dc, int y)
{
    DepthMatchState& m = s.depthMatch;
    OffsetWell& offset = s.well.offset;
    const wellfile::OpenWell& f = s.well.file;
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    // The index each drag step works out, so that the first step takes off what is drawn here.
    const long long index = ((long long)f.viewTopDepth - f.offsetTopDepth) / step + offset.shift / step;
    if (index < 0) {
        platform::MessageBeep(0);
        return false;
    }
    m.dragStartRow = y;
    m.shiftAtDragStart = offset.shift;
    m.shownShift = offset.shift;
    m.nothingDrawn = true;
    if (offset.records.empty())
        LoadOffsetRecords(s);
    const logview::ViewGeometry g = logview::GeometryOf(s);
    // The curve starts from the record before its first: never from the first record of all.
    const std::int32_t first = std::int32_t(std::clamp<long long>(index, 1, 0x7FFFFFFF));
    if (first < OffsetRecordCount(s)) {
        offset.firstIndex = first;
        DrawOffsetCurve(s, dc, g, first);
        m.nothingDrawn = false;
        m.lastFirstIndex = first;
    }
    DepthMatchStatus(s, dc, y);
    return true;
}

void DragDepthMatch(LogState& s, platform::Dc& dc, int y)
{
    DepthMatchState& m = s.depthMatch;
    OffsetWell& offset = s.well.offset;
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const std::int32_t count = OffsetRecordCount(s);
    const std::int32_t steps = DragSteps(m.dragStartRow, y, g.rowHeight, g.scaleIndex);
    if (m.lastFirstIndex >= count) {
        platform::MessageBeep(0);
        return;
    }
    const std::int32_t step = s.well.file.depthStep > 0 ? s.well.file.depthStep : 1;
    offset.shift = steps + m.shiftAtDragStart;
    offset.firstIndex = (s.well.file.viewTopDepth - s.well.file.offsetTopDepth) / step + offset.shift / step;
    const int rows = OffsetRows(s, g, offset.firstIndex);
    if (offset.firstIndex <= 0 || offset.firstIndex >= count - (rows + 1)) {
        // Off the offset well's records: the curve on the screen stays where it was drawn last, and so does
        // the shift, so that the button's release stores the match the user sees.
        platform::MessageBeep(0);
        offset.shift = m.shownShift;
        offset.firstIndex = (s.well.file.viewTopDepth - s.well.file.offsetTopDepth) / step + offset.shift / step;
        return;
    }
    // The curve taken off is the one drawn last, whatever steps were refused since.
    if (!m.nothingDrawn)
        DrawOffsetCurve(s, dc, g, m.lastFirstIndex);
    DrawOffsetCurve(s, dc, g, offset.firstIndex);
    DepthMatchStatus(s, dc, y);
    m.nothingDrawn = false;
    m.lastFirstIndex = offset.firstIndex;
    m.shownShift = offset.shift;
}

void DepthMatchStatus(LogState& s, platform::Dc& dc, int y)
{
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const std::int32_t depth = DepthAtRow(RowGeometryOf(s), y);
    const Subsea v = SubseaAt(s.well.kbElevation, s.well.offset.kbElevation, s.well.offset.shift, depth);
    const QString text = QString::fromLatin1(OffsetComparisonText(v, depth));
    platform::RECT r{g.rate.left, g.logBottomY + 2 * g.rowHeight, g.description.left, g.logBottomY + 6 * g.rowHeight};
    dc.DrawText(text, r, platform::DT_BOTTOM);
    Show(s, dc, r.left, r.top, r.right, r.bottom);
}

void DrawDepthMatchText(LogState& s, platform::Dc& dc, platform::POINT cursor)
{
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const std::int32_t depth = DepthAtRow(RowGeometryOf(s), cursor.y);
    const Subsea v = SubseaAt(s.well.kbElevation, s.depthMatch.elogKbElevation, s.well.elogDepthOffset, depth);
    const QString text = QString::fromLatin1(ElogComparisonText(v));
    const int y = g.logBottomY + (s.depthMatch.secondTitleRow ? 6 : 3) * g.rowHeight;
    dc.TextOut(g.rate.left, y, text);
    const platform::SIZE size = dc.GetTextExtent(text);
    Show(s, dc, g.rate.left, y, g.rate.left + size.cx + 1, y + size.cy + 1);
}

void StartTopDragLine(LogState& s, int y)
{
    // A line of an earlier drag went with the paint that followed it.
    s.depthMatch.dragOriginRow = y;
    s.depthMatch.lastLineRow.reset();
}

bool DrawTopDragLine(LogState& s, platform::Dc& dc, int y)
{
    const logview::ViewGeometry g = logview::GeometryOf(s);
    if (y < g.topMargin || y > g.logBottomY) {
        platform::MessageBeep(0);
        return false;
    }
    DepthMatchState& m = s.depthMatch;
    const std::int32_t previous = m.lastLineRow.value_or(m.dragOriginRow);
    const int left = g.rate.left, right = g.gasRight;
    for (const std::int32_t row : {previous, std::int32_t(y)}) {
        dc.MoveTo(left, row);
        dc.LineTo(right, row);
        Show(s, dc, left, row - 2, right + 1, row + 3);
    }
    m.lastLineRow = y;
    return true;
}

}  // namespace app
