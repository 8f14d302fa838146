#include "logview/ui/boxdrags.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "app/scrolling.h"
#include "app/ui/notedrag.h"
#include "layout/trackflags.h"
#include "logview/boxdrops.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/draw/windowareas.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/mousewindow.h"
#include "platform/text.h"
#include "reports/shortreports.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>

namespace logview {

namespace {

constexpr int kMemoWalk = 50;  // memos looked at from the first visible one
constexpr platform::COLORREF kFrameGrey = platform::RGB(192, 192, 192);

platform::RECT Shifted(const platform::RECT& r, int dx) { return {r.left + dx, r.top, r.right + dx, r.bottom}; }

std::int32_t DepthAt(const app::LogState& s, int y) { return app::DepthAtRow(app::RowGeometryOf(s), y); }

DropRange RangeOf(const app::LogState& s)
{
    const wellfile::OpenWell& f = s.well.file;
    return {f.viewTopDepth, f.fileTopDepth, f.fileBottomDepth};
}

// The memo whose rectangle at `rectOffset` of its record holds the point, among the memos from the
// first one the last screen paint drew on: at most 50, while they lie no deeper than `depth` + 20.
// Only a memo that paint drew counts (the rectangles of the others are an earlier paint's): its place
// in the paint's box table, or none.
std::optional<int> MemoUnder(const app::NoteState& n, std::size_t rectOffset, const MousePoint& p, std::int32_t depth)
{
    const app::MemoHits& hits = n.drawing.hits;
    const int count = std::min(n.memoCount, std::int32_t(n.memos.size()));
    const int boxes = std::clamp(hits.count, 0, app::kMaxMemoHits);
    for (int i = std::max(hits.firstMemo, 0), walked = 0; i < count && walked < kMemoWalk; ++i, ++walked) {
        const wellfile::SVMEMO& memo = n.memos[std::size_t(i)];
        if (memo.depth > depth + 20)
            break;
        platform::RECT r;
        std::memcpy(&r, reinterpret_cast<const char*>(&memo) + rectOffset, sizeof r);
        if (!r.Contains(p.logX, p.y))
            continue;
        for (int k = 0; k < boxes; ++k)
            if (hits.memo[std::size_t(k)] == i)
                return k;
    }
    return std::nullopt;
}

// Keeps the memo of box `k` of the last paint as the one dragged; its box.
platform::RECT TakeMemo(app::LogState& s, int k)
{
    const app::MemoHits& hits = s.notes.drawing.hits;
    BoxDrag& drag = s.interaction.mouse.box;
    drag.index = hits.memo[std::size_t(k)];
    drag.visible = k;
    return hits.boxes[std::size_t(k)];
}

bool StartMemoMove(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                   std::int32_t depth)
{
    const std::optional<int> k = MemoUnder(s.notes, offsetof(wellfile::SVMEMO, topStrip), p, depth);
    if (!k)
        return false;
    const platform::RECT box = TakeMemo(s, *k);
    MouseState& ms = s.interaction.mouse;
    ms.memoMove = true;
    ms.box.grabOffset = p.logX - box.left;
    ms.box.rect = Shifted(box, -g.horizontalScroll);
    SaveBoxImage(s, *m.drags, ms.box.rect);
    return true;
}

bool StartMemoFrame(app::LogState& s, const MouseContext& m, const MousePoint& p, std::int32_t depth)
{
    const std::optional<int> k = MemoUnder(s.notes, offsetof(wellfile::SVMEMO, cornerSquare), p, depth);
    if (!k || !XorDragDc(s, *m.drags, platform::Pen(kFrameGrey, 1, platform::PS_DASH)))
        return false;
    const platform::RECT box = TakeMemo(s, *k);
    MouseState& ms = s.interaction.mouse;
    ms.memoFrame = true;
    CaptureMouse(m);
    app::NoteState& n = s.notes;
    n.frameAnchor = {box.left, box.top};
    ForgetBoxImage(s);
    ms.noteFrame = true;
    n.frameStarting = true;
    // The frame's first step opens the note edit hidden with this memo's text.
    n.currentMemo = ms.box.index;
    n.editMode = 1;
    return true;
}

bool StartReportBox(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p, bool mud)
{
    const reports::ShortReportBoxes& table = mud ? s.shortReports.mud : s.shortReports.mechanical;
    const int count = std::clamp(table.count, 0, reports::kMaxShortReportBoxes);
    for (int i = 0; i < count; ++i) {
        if (!table.grab[std::size_t(i)].Contains(p.logX, p.y))
            continue;
        const platform::RECT box = table.box[std::size_t(i)];
        // A box with no report at or below its top would have its drop stored into another report.
        const std::optional<int> report = ReportOfBox(s.shortReports.reports, DepthAt(s, box.top));
        if (!report)
            continue;
        MouseState& ms = s.interaction.mouse;
        (mud ? ms.shortReportMud : ms.shortReportDrilling) = true;
        ms.box.index = i;
        ms.box.report = *report;
        ms.box.grabOffset = p.logX - box.left;
        ms.box.rect = Shifted(box, -g.horizontalScroll);
        SaveBoxImage(s, *m.drags, ms.box.rect);
        return true;
    }
    return false;
}

// A box drag's end: the note edit closed (which clears the drag), the box's Dc and image let go.
void EndBoxDrag(app::LogState& s, const MouseContext& m)
{
    app::CancelNoteEdit(s);
    ReleaseCapture(m);
    if (m.drags)
        ReleaseBoxDc(s, *m.drags);
}

SlotPlace SlotUnder(const app::LogState& s, int x)
{
    return XToMemoSlot(ScreenMemoSlots(GeometryOf(s)), x);
}

}  // namespace

MousePoint PointOf(const ViewGeometry& g, int x, int y)
{
    MousePoint p;
    p.x = x;
    p.y = y;
    p.logX = int(std::clamp<long long>((long long)x + g.horizontalScroll, -0x40000000LL, 0x40000000LL));
    return p;
}

bool StartBoxDrag(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                  std::int32_t depth)
{
    if (!m.drags)
        return false;
    if (s.notes.memoCount > 0 && (StartMemoMove(s, m, g, p, depth) || StartMemoFrame(s, m, p, depth)))
        return true;
    return StartReportBox(s, m, g, p, false) || StartReportBox(s, m, g, p, true);
}

bool StartNewMemoFrame(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    if (!m.drags || !XorDragDc(s, *m.drags, platform::Pen(kFrameGrey, 2)))
        return false;
    CaptureMouse(m);
    app::NoteState& n = s.notes;
    n.frameAnchor = {p.logX, p.y};
    ForgetBoxImage(s);
    s.interaction.mouse.noteFrame = true;
    n.frameStarting = true;
    n.currentMemo = -1;
    n.editMode = 0;
    return true;
}

bool MoveBox(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.BoxMoving())
        return false;
    platform::RECT& r = ms.box.rect;
    const int width = r.right - r.left, height = r.bottom - r.top;
    r = {p.x - ms.box.grabOffset, p.y, p.x - ms.box.grabOffset + width, p.y + height};
    platform::Dc* dc = m.drags ? BoxDragDc(s, *m.drags) : nullptr;
    if (!dc || !HasBoxImage(s))
        return true;
    if (RestoreWindowArea(*dc, s.view.bitmaps->savedAreas[0], r, s.view.redrawPending, s.view.invalidate) &&
        s.view.updateArea)
        s.view.updateArea(r.left, r.top, r.right, r.bottom);
    return true;
}

bool MoveNoteFrame(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    // A well with no memos yet takes its first one this way.
    if (!s.interaction.mouse.noteFrame)
        return false;
    if (!HasBoxImage(s) && m.drags && m.drags->xorDc)
        app::DragNote(s, *m.drags->xorDc, p.logX, p.y);
    return true;
}

void AbandonBoxDrag(app::LogState& s, const MouseContext& m)
{
    EndBoxDrag(s, m);
    if (m.drags)
        ReleaseXorDc(*m.drags);
    s.view.Invalidate();
}

bool DropShortReportBox(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    const MouseState& ms = s.interaction.mouse;
    if (!ms.shortReportDrilling && !ms.shortReportMud)
        return false;
    const bool mud = !ms.shortReportDrilling;  // the drilling-parameter box is looked at first
    const std::int32_t d = DepthAt(s, ms.box.rect.top + s.layout.format.pixelsPerStep);
    const bool allowed = mud ? MudDropAllowed(d, RangeOf(s)) : MechanicalDropAllowed(d, RangeOf(s));
    const int index = ms.box.report;
    if (allowed && index >= 0) {
        const SlotPlace place = SlotUnder(s, p.logX - ms.box.grabOffset);
        // Only the moved box is stored, into the file as it is now: a report another window added
        // since this one read the file stays.
        reports::ChangeShortReport(s.shortReports, s.well, s.env.remoteMonitorOn, std::size_t(index), [&](wellfile::QREPORT& r) {
            if (mud) {
                if (r.type == 1)
                    r.depth = d;  // a mud-only report goes where its box goes
                r.mudSlot = place.slot;
                r.mudOffset = place.offset;
            } else {
                r.depth = d;
                r.mechanicalSlot = place.slot;
                r.mechanicalOffset = place.offset;
            }
        });
    }
    EndBoxDrag(s, m);
    s.view.Invalidate();
    return true;
}

bool DropMemo(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    const MouseState& ms = s.interaction.mouse;
    if (!ms.memoMove)
        return false;
    const int R = s.layout.format.pixelsPerStep;
    const bool inRows = p.y >= s.layout.format.logAreaTop + R && p.y <= s.view.logAreaBottom - R;
    const std::int32_t d = DepthAt(s, ms.box.rect.top + 1);
    const std::int32_t index = ms.box.index;
    app::NoteState& n = s.notes;
    if (inRows && MemoDropAllowed(d, RangeOf(s)) && index >= 0 && index < n.memoCount &&
        std::size_t(index) < n.memos.size()) {
        const SlotPlace place = SlotUnder(s, p.logX - ms.box.grabOffset);
        wellfile::SVMEMO& memo = n.memos[std::size_t(index)];
        memo.slot = place.slot;
        memo.slotOffset = place.offset;
        memo.depth = d;
        EndBoxDrag(s, m);
        app::SaveMemos(s);
        app::LoadMemos(s);
    } else {
        EndBoxDrag(s, m);
    }
    s.view.Invalidate();
    return true;
}

bool EndNoteFrame(app::LogState& s, const MouseContext& m)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.noteFrame)
        return false;
    const bool memoFrame = ms.memoFrame;
    const std::int32_t memo = ms.box.index;
    ms.noteFrame = ms.memoFrame = false;
    ms.box = BoxDrag{};
    ReleaseCapture(m);
    if (m.drags)
        ReleaseXorDc(*m.drags);
    app::NoteState& n = s.notes;
    if (memoFrame && n.edit && n.edit->IsOpen() && memo >= 0 && memo < n.memoCount &&
        std::size_t(memo) < n.memos.size()) {
        const wellfile::SVMEMO& record = n.memos[std::size_t(memo)];
        n.edit->Place(n.editRect, QByteArray::fromStdString(platform::FieldText(record.text)));
    } else if (!n.frameStarting) {
        app::OpenNoteEdit(s, n.editRect);  // a new note over the frame drawn
    } else {
        app::CancelNoteEdit(s);
        s.view.Invalidate();
    }
    return true;
}

}  // namespace logview
