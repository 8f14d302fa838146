// The memo painters as the view's neighbour painters: the window's set forwards its calls here. The log
// body's memos and a custom track's descriptions each keep their own pending memo between pages; the
// custom tracks learn theirs through the track painters' pending cells.
#include "entry/draw/memos.h"
#include "logview/draw/viewpainters.h"

#include <algorithm>
#include <initializer_list>

namespace logview {

namespace {

entry::MemoPass Pass(const PaintTarget& t, entry::MemoSource& source, entry::PendingMemos& pending)
{
    return entry::MemoPass{t.dc, t.geometry, t.device, source.memos, *source.state, pending, source.options};
}

}  // namespace

void ViewPainters::DrawMemos(const PaintTarget& t, std::int32_t topDepth, int pageBottomY, int rowHeight, int topY)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::MemoPass pass = Pass(t, source, source.state->page);
    entry::DrawMemos(pass, topDepth, pageBottomY, rowHeight, topY, 0);
}

void ViewPainters::DrawMemosAt(const PaintTarget& t, std::int32_t firstDepth, int height, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::PendingMemos& cut = source.state->customTrack;
    entry::MemoPass pass = Pass(t, source, cut);
    entry::DrawMemos(pass, firstDepth, y + height, rowHeight, y, std::max(x, 1));
    if (t.device.printing && cut.Pending())
        TrackState().pending.memo = cut.First();
}

void ViewPainters::DrawMemoBox(const PaintTarget& t, int memo, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    // A custom track's column (x above 0) goes on with the descriptions it cut, one below the other, as
    // they stand at the same x; the log body's memos each at their own slot.
    entry::PendingMemos& list = x > 0 ? source.state->customTrack : source.state->page;
    entry::MemoPass pass = Pass(t, source, list);
    const std::int32_t firstLine = list.Take(memo);
    int below = entry::DrawMemoBox(pass, memo, std::max(firstLine, 0), rowHeight, y, x);
    while (x > 0 && list.Pending()) {
        const std::int32_t next = list.First();
        const std::int32_t line = list.Take(next);
        below = entry::DrawMemoBox(pass, next, std::max(line, 0), rowHeight, below + rowHeight, x);
    }
}

int ViewPainters::PendingMemo() const
{
    const entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    return source.state ? source.state->page.First() : -1;
}

}  // namespace logview
