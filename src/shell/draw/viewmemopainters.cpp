// The memo painters as the view's neighbour painters: the window's set forwards its calls here. The log
// body's memos and a custom track's descriptions each keep their own list of memos a printed page cut
// off; the next page's drawing goes on with them first, so a caller that does not ask for them loses
// nothing, and one that draws them with DrawMemoBox first does not draw them twice.
#include "entry/draw/memos.h"
#include "shell/draw/viewpainters.h"

#include <algorithm>

namespace shell {

using logview::PaintTarget;
using logview::PageBottomY;

namespace {

entry::MemoPass Pass(const PaintTarget& t, entry::MemoSource& source, entry::PendingMemos& pending)
{
    return entry::MemoPass{t.dc, t.geometry, t.device, source.memos, *source.state, pending, source.options};
}

// Draws `memo` from the line its page left (when it is in `list`) at y, then, in a custom track's column
// (x above 0), the others of the list one below the other, as they stand at the same x.
void GoOn(entry::MemoPass& pass, entry::PendingMemos& list, std::int32_t memo, int rowHeight, int y, int x)
{
    const std::int32_t firstLine = list.Take(memo);
    if (firstLine < 0)
        return;
    int below = entry::DrawMemoBox(pass, memo, firstLine, rowHeight, y, x);
    while (x > 0 && list.Pending()) {
        const std::int32_t next = list.First();
        below = entry::DrawMemoBox(pass, next, list.Take(next), rowHeight, below + rowHeight, x);
    }
}

// On paper, what the last page left in `list`, at the top of this one.
void GoOnWithAll(entry::MemoPass& pass, entry::PendingMemos& list, int rowHeight, int y, int x)
{
    while (pass.device.printing && list.Pending())
        GoOn(pass, list, list.First(), rowHeight, y, x);
}

}  // namespace

void ViewPainters::DrawMemos(const PaintTarget& t, std::int32_t topDepth, PageBottomY pageBottom, int rowHeight, int topY)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::MemoPass pass = Pass(t, source, source.state->page);
    GoOnWithAll(pass, source.state->page, rowHeight, topY, 0);
    entry::DrawMemos(pass, topDepth, pageBottom.y, rowHeight, topY, 0);
}

void ViewPainters::DrawMemosAt(const PaintTarget& t, std::int32_t firstDepth, int height, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::PendingMemos& cut = source.state->customTrack;
    entry::MemoPass pass = Pass(t, source, cut);
    GoOnWithAll(pass, cut, rowHeight, y, std::max(x, 1));
    entry::DrawMemos(pass, firstDepth, y + height, rowHeight, y, std::max(x, 1));
    if (t.device.printing && cut.Pending())
        TrackState().pending.memo = cut.First();
}

void ViewPainters::DrawMemoBox(const PaintTarget& t, int memo, int rowHeight, int y, int x)
{
    entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    if (!source.state)
        return;
    entry::PendingMemos& list = x > 0 ? source.state->customTrack : source.state->page;
    entry::MemoPass pass = Pass(t, source, list);
    GoOn(pass, list, memo, rowHeight, y, x);
}

int ViewPainters::PendingMemo() const
{
    const entry::MemoSource source = memos ? memos() : entry::MemoSource{};
    return source.state ? source.state->page.First() : -1;
}

}  // namespace shell
