// The memo painters as the view's neighbour painters: the window's set forwards its calls here. The log
// body's memos and a custom track's descriptions each keep their own pending memo between pages; the
// custom tracks learn theirs through the track painters' pending cells.
#include "entry/draw/memos.h"
#include "logview/draw/viewpainters.h"

#include <algorithm>
#include <initializer_list>

namespace logview {

namespace {

void Draw(const PaintTarget& t, entry::MemoSource& source, entry::MemoContinuation& continuation, std::int32_t topDepth,
          int pageBottomY, int rowHeight, int topY, int mode)
{
    entry::MemoPass pass{t.dc, t.geometry, t.device, source.memos, *source.state, continuation, source.options};
    entry::DrawMemos(pass, topDepth, pageBottomY, rowHeight, topY, mode);
}

}  // namespace

void ViewPainters::DrawMemos(const PaintTarget& t, std::int32_t topDepth, int pageBottomY, int rowHeight, int topY)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    Draw(t, source, source.state->page, topDepth, pageBottomY, rowHeight, topY, 0);
}

void ViewPainters::DrawMemosAt(const PaintTarget& t, std::int32_t firstDepth, int height, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::MemoContinuation& cut = source.state->customTrack;
    Draw(t, source, cut, firstDepth, y + height, rowHeight, y, std::max(x, 1));
    if (t.device.printing && cut.Pending())
        TrackState().pending.memo = cut.memo;
}

void ViewPainters::DrawMemoBox(const PaintTarget& t, int memo, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    // The line to go on from is the one its page left; the custom track's first when it asks.
    entry::MemoContinuation* cut = nullptr;
    for (entry::MemoContinuation* c : {&source.state->customTrack, &source.state->page})
        if (!cut && c->memo == memo && (x > 0 || c == &source.state->page))
            cut = c;
    const std::int32_t firstLine = cut ? cut->firstLine : 0;
    if (cut)
        cut->Clear();
    entry::MemoPass pass{t.dc, t.geometry, t.device, source.memos, *source.state, source.state->page, source.options};
    entry::DrawMemoBox(pass, memo, firstLine, rowHeight, y, x);
}

int ViewPainters::PendingMemo() const
{
    const entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    return source.state ? source.state->page.memo : -1;
}

}  // namespace logview
