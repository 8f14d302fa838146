// The short-report painters as the view's neighbour painters: the window's set forwards its calls here.
// The boxes a printed page cuts are handed on through the track state's pending reports (mechanical,
// then mud), which the next page and the custom tracks read and clear; the line each resumes at stays
// with the reports.
#include "shell/draw/viewpainters.h"
#include "reports/draw/shortreportboxes.h"

namespace shell {

using logview::PaintTarget;

namespace {

reports::ShortReportState* Drawable(const std::function<reports::ShortReportState*()>& source)
{
    reports::ShortReportState* s = source ? source() : nullptr;
    return s && !s->reports.empty() ? s : nullptr;
}

}  // namespace

void ViewPainters::DrawShortReports(const PaintTarget& t, std::int32_t fromDepth, std::int32_t toDepth, int rowHeight,
                                    int topY, bool runEnds)
{
    reports::ShortReportState* s = Drawable(shortReports);
    if (!s)
        return;
    // The page's rows end where the next page's first depth would stand.
    const int div = t.geometry.scaleIndex == 3 ? 10 : 1;
    const int pageLimit = int((long long)(toDepth - fromDepth) * rowHeight / div + topY);
    reports::DrawShortReports({t.dc, t.geometry, t.device}, *s, {fromDepth, pageLimit, rowHeight, topY, 0, runEnds});
    if (t.device.printing)
        TrackState().pending.shortReports = {s->mechanicalCut.report, s->mudCut.report};
}

void ViewPainters::DrawShortReportsAt(const PaintTarget& t, std::int32_t firstDepth, int height, int rowHeight, int y,
                                      int x)
{
    reports::ShortReportState* s = Drawable(shortReports);
    if (!s)
        return;
    reports::DrawShortReports({t.dc, t.geometry, t.device}, *s, {firstDepth, y + height, rowHeight, y, x});
    if (t.device.printing)
        TrackState().pending.shortReports = {s->mechanicalCut.report, s->mudCut.report};
}

void ViewPainters::DrawShortReportsCompact(const PaintTarget& t, int report, int rowHeight, int y, int x)
{
    reports::ShortReportState* s = Drawable(shortReports);
    if (!s)
        return;
    // A cut the caller has cleared is not drawn again.
    const auto& pending = TrackState().pending.shortReports;
    s->mechanicalCut.report = pending[0];
    s->mudCut.report = pending[1];
    reports::DrawShortReportsCompact({t.dc, t.geometry, t.device}, *s, report, rowHeight, y, x);
}

}  // namespace shell
