#include "app/ui/notedrag.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "logview/geometryof.h"
#include "platform/draw/dc.h"
#include "platform/text.h"

#include <QByteArray>

#include <algorithm>

namespace app {

namespace {

// An outline in the Dc's pen and mix, shown on the window.
void DrawFrame(const LogState& s, platform::Dc& dc, const platform::RECT& r)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
    dc.Rectangle(r);
    if (s.view.updateArea) {
        const platform::POINT o = dc.GetViewportOrg();
        s.view.updateArea(std::min(r.left, r.right) + o.x - 1, std::min(r.top, r.bottom) + o.y - 1,
                          std::max(r.left, r.right) + o.x + 2, std::max(r.top, r.bottom) + o.y + 2);
    }
}

const wellfile::SVMEMO* CurrentMemo(const NoteState& n)
{
    if (n.currentMemo < 0 || n.currentMemo >= n.memoCount || std::size_t(n.currentMemo) >= n.memos.size())
        return nullptr;
    return &n.memos[std::size_t(n.currentMemo)];
}

QByteArray CurrentText(const NoteState& n)
{
    const wellfile::SVMEMO* m = CurrentMemo(n);
    return m ? QByteArray::fromStdString(platform::FieldText(m->text)) : QByteArray();
}

}  // namespace

void DrawDragGasFrame(LogState& s, platform::Dc& dc, int x, int y)
{
    NoteState& n = s.notes;
    const std::int32_t gasLeft = s.layout.format.gas.left;
    if (n.gasFrameStarting)
        n.gasFrameRect = {gasLeft, y, n.gasFrameRect.right, y + 2};
    else
        DrawFrame(s, dc, n.gasFrameRect);
    n.gasFrameRect = {gasLeft, n.gasFrameRect.top, x, y};
    DrawFrame(s, dc, n.gasFrameRect);
    n.gasFrameStarting = false;
}

void EraseDragGasFrame(LogState& s, platform::Dc& dc)
{
    if (!s.notes.gasFrameStarting)
        DrawFrame(s, dc, s.notes.gasFrameRect);
}

void DrawDragGasBand(LogState& s, platform::Dc& dc, const platform::RECT& band) { DrawFrame(s, dc, band); }

void DragNote(LogState& s, platform::Dc& dc, int x, int y)
{
    NoteState& n = s.notes;
    const bool starting = n.frameStarting;
    if (starting) {
        n.frameRect = {n.frameAnchor.x, n.frameAnchor.y, x, y + 2};
        if (n.editMode && CurrentMemo(n)) {
            StripSeparators(s);
            OpenNoteEdit(s, n.editRect, CurrentText(n));
            if (n.edit)
                n.edit->Hide();
        }
    }
    const layout::LogLayout& L = s.layout.format;
    const std::int32_t limit = L.description.Width() + L.description.left + (s.well.loggerId == 2 ? L.trackUnit : 0);
    const wellfile::SVMEMO* memo = CurrentMemo(n);
    const bool firstColumn = n.firstColumnNote || (memo && memo->description);
    if (firstColumn && n.frameRect.left < limit && x > limit)
        x = limit;
    if (!starting)
        DrawFrame(s, dc, n.frameRect);
    const platform::RECT frame{n.frameRect.left, n.frameRect.top, x, y};
    DrawFrame(s, dc, frame);
    if (!starting && (x < n.frameAnchor.x || y < n.frameAnchor.y)) {
        CancelNoteEdit(s);
        s.view.Invalidate();
        return;
    }
    n.frameRect = frame;
    n.editRect = frame;
    if (n.edit && n.edit->IsOpen() && !starting)
        n.edit->Place(n.editRect, CurrentText(n));
    n.frameStarting = false;
}

}  // namespace app
