#include "logview/ui/depthdrags.h"

#include "app/ui/depthmatchdrag.h"
#include "app/ui/notedrag.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/runningdriller.h"
#include "app/scrolling.h"
#include "app/welltops.h"
#include "logview/clickhits.h"
#include "logview/depthdrags.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/draw/windowareas.h"
#include "logview/geometryof.h"
#include "logview/logimagegeometry.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/elogmatch.h"
#include "logview/ui/logimage.h"
#include "logview/ui/mousewindow.h"
#include "platform/draw/dc.h"

#include <QImage>
#include <QString>

#include <algorithm>

namespace logview {

namespace {

constexpr platform::COLORREF kSlideBlue = platform::RGB(0, 0, 255);
constexpr platform::COLORREF kTopRed = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kBandGrey = platform::RGB(192, 192, 192);

// Shows [left, right) x [top, bottom) of a Dc's drawing (in its own coordinates) on the window.
void Show(const app::LogState& s, const platform::Dc& dc, int left, int top, int right, int bottom)
{
    if (!s.view.updateArea)
        return;
    const platform::POINT o = dc.GetViewportOrg();
    s.view.updateArea(left + o.x, top + o.y, right + o.x, bottom + o.y);
}

bool InRows(const app::LogState& s, const ViewGeometry& g, int y) { return g.topMargin < y && y < s.view.logAreaBottom; }

// The depth of the row at `y` as the rows run on, not held to the file's depths (on the one-record
// scales).
long long RowDepth(const ViewGeometry& g, int y)
{
    if (g.rowHeight <= 0)
        return g.viewTopDepth;
    return (long long)g.viewTopDepth + (long long)((y - g.topMargin) / g.rowHeight) * std::max(g.depthStep, 1);
}

// The drag-gas function ended without a band (offset 0): by the window, or here when it has no hook.
void EndDragGas(app::LogState& s, const MouseContext& m)
{
    app::InteractionState& i = s.interaction;
    i.dragGasOffset = 0;
    i.mouse.dragGasBand = false;
    if (m.window.applyDragGas) {
        m.window.applyDragGas();
    } else {
        i.dragGasActive = false;
        i.dragGasRect = {};
        i.dragGasLength = 0;
        s.notes.gasFrameStarting = true;
    }
}

// Over the log-image strip, with the horizontal view closed, the depth under the pointer is written
// beside it; away from the strip the label is taken off by drawing the strip again.
void StripLabel(app::LogState& s, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    const LogImageStrip& strip = s.view.imageStrip;
    const bool horizontalOpen = s.notes.horizontalViewOpen && s.notes.horizontalViewOpen();
    const bool over = s.view.logImageMode && HasLogImage(s) && !horizontalOpen && strip.left <= p.x &&
                      p.x < strip.right && strip.top <= p.y && p.y < strip.bottom;
    if ((!over && !ms.stripLabel) || !s.view.bitmaps)
        return;
    logview::ViewBitmaps& bitmaps = *s.view.bitmaps;
    platform::Dc dc(bitmaps.backingStore);
    int left = strip.left, top = strip.top, right = strip.right, bottom = strip.bottom;
    // The last label goes first, with what lay under it outside the strip, then the strip is drawn again.
    if (ms.stripLabel && !bitmaps.stripLabelArea.isNull()) {
        const platform::RECT& r = ms.stripLabelRect;
        CopyWindowAreaBack(dc, bitmaps.stripLabelArea, r);
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
    }
    bitmaps.stripLabelArea = QImage();
    StretchLogImage(s, dc);
    if (over) {
        const wellfile::OpenWell& f = s.well.file;
        const QString text =
            QString::number(LogImageDepthAt(p.y, strip.bottom - strip.top, f.fileTopDepth, f.fileBottomDepth));
        const int x = p.x > strip.left + (strip.right - strip.left) / 2 ? p.x - 30 : p.x + 5;
        const platform::SIZE size = dc.GetTextExtent(text);
        const platform::RECT label{x, p.y - 15, x + int(size.cx) + 1, p.y - 15 + int(size.cy) + 1};
        bitmaps.stripLabelArea = QImage(label.right - label.left, label.bottom - label.top, QImage::Format_RGB32);
        SaveWindowArea(dc, bitmaps.stripLabelArea, label);
        ms.stripLabelRect = label;
        dc.TextOut(x, p.y - 15, text);
        left = std::min(left, label.left);
        top = std::min(top, label.top);
        right = std::max(right, label.right);
        bottom = std::max(bottom, label.bottom);
    }
    ms.stripLabel = over;
    if (s.view.updateArea)
        s.view.updateArea(left, top, right, bottom);
}

}  // namespace

bool StartSlideInterval(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                        std::int32_t depth)
{
    if (!(g.topMargin < p.y && p.y < s.view.logAreaBottom - 5 * g.rowHeight && g.rate.left < p.logX &&
          p.logX < g.rate.left + g.unitWidth))
        return false;
    const wellfile::OpenWell& f = s.well.file;
    const std::int32_t start = SlideDepthOf(depth);
    if (start >= f.fileBottomDepth || !m.drags || !SlideDragDc(s, *m.drags, platform::Pen(kSlideBlue, 4)))
        return true;
    MouseState& ms = s.interaction.mouse;
    ms.slideInterval = true;
    ms.slide.startDepth = std::max(start, f.viewTopDepth);
    ms.slide.startY = p.y;
    return true;
}

bool StartDragGas(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    if (!m.drags || !XorDragDc(s, *m.drags, platform::Pen(kBandGrey, 2)))
        return false;
    CaptureMouse(m);
    app::InteractionState& i = s.interaction;
    i.dragGasActive = true;
    i.dragGasStartRow = p.y;
    i.dragGasRect = {};
    i.dragGasOffset = 0;
    i.dragGasLength = 0;
    i.mouse.dragGasBand = false;
    s.notes.gasFrameStarting = true;
    if (s.view.bitmaps)
        s.view.bitmaps->savedAreas[1] = QImage();
    return true;
}

bool StartOffsetMatch(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p)
{
    const std::vector<platform::POINT>& points = s.view.rateCurve.offsetPoints;
    if (points.empty() || !InRows(s, g, p.y) || !HitOffsetCurve(points, p.logX, p.y, s.view.logAreaBottom) || !m.drags)
        return false;
    platform::Dc* dc = XorDragDc(s, *m.drags, platform::Pen(platform::RGB(0, 0, 0), 1));
    if (!dc)
        return false;
    CaptureMouse(m);
    if (!app::StartDepthMatchDrag(s, *dc, p.y)) {
        ReleaseCapture(m);
        ReleaseXorDc(*m.drags);
        return true;  // it beeped: before the offset well's first record
    }
    s.interaction.mouse.offsetDrag = true;
    return true;
}

bool StartTopDrag(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                  std::int32_t depth)
{
    const bool inTrack = (g.rate.left < p.logX && p.logX < g.rate.Right()) || (g.gas.left < p.logX && p.logX < g.gasRight);
    if (s.well.tops.empty() || !s.view.topsShown || g.scaleIndex >= 3 || !InRows(s, g, p.y) || !inTrack || !m.drags)
        return false;
    const std::optional<int> index = TopAtRow(s.well.tops, depth);
    if (!index || !XorDragDc(s, *m.drags, platform::Pen(kTopRed, 1, platform::PS_DASH)))
        return false;
    CaptureMouse(m);
    MouseState& ms = s.interaction.mouse;
    ms.topDrag = true;
    ms.top.depth = depth;
    ms.top.index = *index;
    ms.top.startY = p.y;
    app::StartTopDragLine(s, p.y);
    return true;
}

bool MoveSlideLine(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    const MouseState& ms = s.interaction.mouse;
    if (!ms.slideInterval)
        return false;
    platform::Dc* dc = m.drags ? m.drags->slideDc.get() : nullptr;
    if (!dc)
        return true;
    const int y = std::min(p.y, s.view.logAreaBottom);
    const int x = GeometryOf(s).rate.left + 1;
    // Nothing is taken off: the line only grows.
    dc->MoveTo(x, ms.slide.startY);
    dc->LineTo(x, y);
    Show(s, *dc, x - 3, std::min(y, ms.slide.startY) - 3, x + 4, std::max(y, ms.slide.startY) + 4);
    return true;
}

void MoveOverLog(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    ms.lastMouse = {p.x, p.y};
    StripLabel(s, p);
    platform::Dc* dc = m.drags ? m.drags->xorDc.get() : nullptr;
    if (!dc)
        return;
    if (s.interaction.dragGasActive) {
        if (!ms.dragGasBand)
            app::DrawDragGasFrame(s, *dc, p.logX, p.y);
    } else if (ms.topDrag) {
        if (!s.well.tops.empty())
            app::DrawTopDragLine(s, *dc, p.y);
    } else if (ms.offsetDrag) {
        app::DragDepthMatch(s, *dc, p.y);
    } else {
        MoveElogMatch(s, m, p);
    }
}

bool DropSlideInterval(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.slideInterval)
        return false;
    ms.slideInterval = false;
    if (m.drags)
        m.drags->slideDc.reset();
    const ViewGeometry g = GeometryOf(s);
    const int y = std::min(p.y, s.view.logAreaBottom);
    // A drop above the rows, or on rows past the file's last depth, marks nothing: the depth of such a
    // row would be the last depth, which nobody pointed at.
    if (y > g.topMargin && RowDepth(g, y) <= s.well.file.fileBottomDepth) {
        const std::int32_t d = app::DepthAtRow(app::RowGeometryOf(s), y);
        const SlideInterval interval = SlideDropInterval(ms.slide.startDepth, d, s.well.file.fileBottomDepth);
        // The driller starts again from rotating: its two working records keep no slide state the user
        // has just rewritten in the file.
        if (ToggleSlideInterval(s.well.file, interval.start, interval.end) && s.engines.runningDriller)
            s.engines.runningDriller->ClearSlide();
    }
    s.view.Invalidate();
    return true;
}

bool EndDragGasBand(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    app::InteractionState& i = s.interaction;
    if (!i.dragGasActive)
        return false;
    if (i.mouse.dragGasBand)
        return true;  // the keys move the band now
    const ViewGeometry g = GeometryOf(s);
    const int R = g.rowHeight;
    int top = RowBoundary(i.dragGasStartRow, g.topMargin, R);
    int bottom = RowBoundary(p.y, g.topMargin, R);
    if (bottom < top)
        std::swap(top, bottom);
    const platform::RECT band{g.gas.left, top, g.gasRight, bottom};
    if (m.drags && m.drags->xorDc) {
        platform::Dc& dc = *m.drags->xorDc;
        app::EraseDragGasFrame(s, dc);
        app::DrawDragGasBand(s, dc, band);
        ReleaseCapture(m);
        ReleaseXorDc(*m.drags);
    }
    const int width = band.right - band.left, height = band.bottom - band.top;
    if (width < 10 * R || height < R || R <= 0 || !s.view.bitmaps) {
        EndDragGas(s, m);
        s.view.Invalidate();
        return true;
    }
    // The band's screen area is kept for the keys that move it.
    QImage& area = s.view.bitmaps->savedAreas[1];
    area = QImage(width + 10, height + 10, QImage::Format_RGB32);
    const platform::Dc bandDc(s.view.bitmaps->backingStore);
    const int scroll = g.horizontalScroll;
    SaveWindowArea(bandDc, area, {band.left - scroll, band.top, band.right - scroll, band.bottom});
    i.dragGasRect = {band.left, band.top, band.right, band.bottom};
    i.dragGasLength = height / R + (height % R > R / 2 ? 1 : 0);
    i.dragGasStartRow = top;
    i.mouse.dragGasBand = true;
    return true;
}

void EndDepthDrags(app::LogState& s, const MouseContext&, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    if (EndElogMatch(s))
        return;
    if (ms.offsetDrag) {
        ms.offsetDrag = false;
        s.view.Invalidate();
        app::SaveOffsetEntry(s);
        return;
    }
    if (!ms.topDrag)
        return;
    ms.topDrag = false;
    s.view.Invalidate();
    std::vector<wellfile::TOPSEX>& tops = s.well.tops;
    if (ms.top.index < 0 || std::size_t(ms.top.index) >= tops.size())
        return;
    wellfile::TOPSEX& top = tops[std::size_t(ms.top.index)];
    const wellfile::OpenWell& f = s.well.file;
    const MovedTop moved = MoveTop(top.depth, ms.top.startY, p.y, s.layout.format.pixelsPerStep, f.depthStep,
                                   f.fileTopDepth, f.fileBottomDepth);
    const float tvd = top.tvd;
    const float movedTvd = tvd > 0 ? tvd - 2.0f * float(moved.rows) : tvd;
    if (moved.depth == top.depth && movedTvd == tvd)
        return;  // not moved: nothing to write
    top.depth = moved.depth;
    top.tvd = movedTvd;
    app::SaveWellTops(s);
}

void CancelDrags(app::LogState& s, const MouseContext& m)
{
    MouseState& ms = s.interaction.mouse;
    const bool dragGas = s.interaction.dragGasActive && !ms.dragGasBand;
    if (!ms.BoxMoving() && !ms.noteFrame && !ms.memoFrame && !ms.slideInterval && !ms.topDrag && !ms.offsetDrag &&
        !ms.elogDrag && !dragGas)
        return;
    CancelElogMatch(s);
    if (ms.BoxMoving() || ms.noteFrame || ms.memoFrame)
        AbandonBoxDrag(s, m);
    ms.slideInterval = false;
    ms.topDrag = false;
    if (ms.offsetDrag) {
        // The shift the drag moved goes back: the curve is drawn where it was stored.
        s.well.offset.shift = s.depthMatch.shiftAtDragStart;
        ms.offsetDrag = false;
    }
    ReleaseCapture(m);
    if (m.drags) {
        m.drags->slideDc.reset();
        ReleaseXorDc(*m.drags);
    }
    if (dragGas)
        EndDragGas(s, m);
    s.view.Invalidate();
}

}  // namespace logview
