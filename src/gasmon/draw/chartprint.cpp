#include "gasmon/draw/chartprint.h"

#include "platform/text.h"

#include <algorithm>

namespace gasmon {

namespace {

using platform::Pen;

QString Number(int n) { return QString::number(n); }

}  // namespace

int PrintChart(platform::Dc& dc, const ChartFrame& f, const ChartPens& pens)
{
    ChartGeometry g;
    g.plotLeft = kPrintChartPlotLeft;
    g.plotRight = kPrintChartPlotRight - (kPrintChartPlotRight - kPrintChartPlotLeft) % 50;
    g.clientBottom = kPrintChartRows;
    const int spacing = g.PlotWidth() / 50;
    const double pixelsPerUnit = LinearPixelsPerUnit(g, f.scaleIndex);
    auto x = [&](double v) { return ValueX(g, v, f.scaleIndex, false); };

    Line(dc, pens.dark, 0, 0, 0, kPrintChartRows);
    for (int k = 0; k < 50; ++k) {
        const int gx = g.plotLeft + k * spacing;
        Line(dc, k % 10 == 0 ? pens.dark : pens.dotted, gx, 0, gx, kPrintChartRows);
    }
    Line(dc, pens.dark, g.plotRight, 0, g.plotRight, kPrintChartRows);

    const int s = std::min(f.viewStart, kPrintChartViewStartHighest);
    if (f.day.size() < std::size_t(kChartDaySlots))
        return s;
    const int newest = s + kPrintChartRows;
    const int oldest = std::max(s + 1, 1);
    auto at = [&](int i) -> const CHARTRECORD& { return f.day[std::size_t(i)]; };
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);

    for (int i = newest, y = 0; i >= oldest; --i, ++y) {
        const CHARTRECORD& r = at(i);
        const CHARTRECORD& older = at(i - 1);
        const CHARTRECORD& newer = at(i + 1);
        if (r.note[0] != 0)
            DrawChartNote(dc, NoteX(r.noteLevel, pixelsPerUnit), y, kPrintChartNoteHeight, NoteText(r), f.noteMargin);
        const int lowerX = x(older.hotWire);
        Line(dc, pens.trace[0], x(r.hotWire), y, lowerX, y + 1);
        if (r.second == 0 && r.minute % 10 == 0 && y > 114) {
            dc.SetTextColor(pens.dark.color);
            dc.TextOut(g.plotRight + 10, y - 25, QString::fromStdString(platform::CFormat("%d:%02d", r.hour, r.minute)));
        }
        if (r.depth != 0 && newer.depth != 0 && r.depth != newer.depth) {
            Line(dc, pens.dark, 0, y, 40, y);
            dc.SetTextColor(platform::RGB(0, 0, 0));
            dc.TextOut(50, y - 25, Number(newer.depth));
        }
        if (r.lagDepth != 0 && newer.lagDepth != 0 && r.lagDepth != newer.lagDepth) {
            dc.SetTextColor(pens.lagText);
            dc.TextOut(lowerX, y, Number(newer.lagDepth));
        }
        if (r.second == 0)
            Line(dc, r.minute % 5 == 0 ? pens.dark : pens.thin, g.plotLeft, y, g.plotRight, y);
    }

    for (int i = newest, y = 0; i >= oldest; --i, ++y) {
        const CHARTRECORD& r = at(i);
        Line(dc, TracePen(pens, r.index), x(r.chromat), y, x(at(i - 1).chromat), y + 1);
    }
    return s;
}

void ChartPrintout::PrintPage(platform::Dc& dc, int, const platform::RECT&, unsigned)
{
    if (draw_)
        draw_(dc);
    --pagesLeft_;
}

}  // namespace gasmon
