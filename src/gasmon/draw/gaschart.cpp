#include "gasmon/draw/gaschart.h"

#include "layout/pentable.h"
#include "platform/text.h"

#include <QRect>

#include <algorithm>
#include <vector>

namespace gasmon {

namespace {

using platform::Pen;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The band above the plot that holds the scale labels.
void ScaleFrame(platform::Dc& dc, const ChartGeometry& g)
{
    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    dc.SelectObject(platform::Brush(platform::RGB(255, 255, 255)));
    dc.Rectangle(1, kChartBandTop, g.plotRight + 20, kChartPlotTop + 1);
}

}  // namespace

const Pen& TracePen(const ChartPens& pens, int index)
{
    return pens.trace[std::size_t(std::clamp(index, 0, int(pens.trace.size()) - 1))];
}

ChartPens MakeChartPens(const layout::PenTable& table, int profile)
{
    ChartPens pens;
    const layout::PenSpec first = layout::MakePenSpec(table.entry[0]);
    pens.trace[0] = Pen(first.colour, first.width, first.style);
    const int width = profile == 37 ? 2 : 1;
    for (std::size_t i = 1; i < pens.trace.size(); ++i)
        pens.trace[i] = Pen(table.entry[i].colour, width);
    pens.dotted = Pen(kChartGridColour, 1, platform::PS_DOT);
    pens.thin = Pen(kChartGridColour, 1);
    pens.dark = Pen(kChartDarkColour, 2);
    pens.lagText = kChartLagTextColour;
    return pens;
}

void ClearChartArea(platform::Dc& dc, const ChartGeometry& g, platform::COLORREF face)
{
    dc.FillRect(platform::RECT{0, kChartBandTop, g.plotRight, g.clientBottom}, platform::Brush(face));
}

void DrawScaleLabels(platform::Dc& dc, const ChartGeometry& g, int scaleIndex)
{
    ScaleFrame(dc, g);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.TextOut(g.clientLeft, kChartBandTop + 1, QStringLiteral(" <0 "));
    dc.TextOut(g.plotRight - 20, kChartBandTop + 1, QString::number(FullScale(scaleIndex)) + QStringLiteral(" >"));
}

void DrawLogGrid(platform::Dc& dc, const ChartGeometry& g, const ChartPens& pens)
{
    ScaleFrame(dc, g);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const int width = g.PlotWidth();
    Line(dc, pens.dark, g.plotLeft, kChartPlotTop, g.plotLeft, g.clientBottom);
    int start = g.plotLeft;
    int bound = 1;
    for (int decade = 0; decade < 4; ++decade, bound *= 10) {
        dc.TextOut(start, kChartBandTop + 1, QString::number(bound));
        for (int k = 2; k <= 10; ++k) {
            const int x = start + LogGridOffset(width, k);
            Line(dc, k == 10 ? pens.dark : pens.dotted, x, kChartPlotTop, x, g.clientBottom);
        }
        start += LogGridOffset(width, 10);
    }
    dc.TextOut(start, kChartBandTop + 1, QStringLiteral("10000"));
    Line(dc, pens.dotted, start + 1, kChartPlotTop, start + 1, g.clientBottom);
    Line(dc, pens.dark, 1, kChartPlotTop, start, kChartPlotTop);
}

platform::RECT DrawChartNote(platform::Dc& dc, int x, int y, int height, const QByteArray& text, int margin)
{
    const QString shown = platform::FromCp1252(text);
    const platform::RECT box{x, y, x + dc.GetTextExtent(shown).cx + margin, y + height};
    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    dc.SelectObject(platform::Brush(platform::RGB(255, 255, 255)));
    dc.Rectangle(box);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.TextOut(x + 2, y + 2, shown);
    return box;
}

void DrawNoteOutline(platform::Dc& dc, const platform::RECT& box)
{
    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    dc.SelectStockObject(platform::NULL_BRUSH);
    dc.Rectangle(box);
}

void DrawThumbDepth(platform::Dc& dc, const ChartGeometry& g, int depth)
{
    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    dc.SelectObject(platform::Brush(platform::RGB(255, 255, 255)));
    dc.Rectangle(g.plotRight - 70, 144, g.plotRight - 10, 162);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.TextOut(g.plotRight - 60, 145, Text(platform::CFormat(" %-5d ", depth)));
}

ChartDrawn PaintChart(platform::Dc& dc, const ChartFrame& f, const ChartPens& pens)
{
    const ChartGeometry& g = f.geometry;
    ChartDrawn drawn;
    drawn.viewStart = std::min(f.viewStart, kViewStartHighest);
    if (f.recordsLoaded <= 0 || f.day.size() < std::size_t(kChartDaySlots))
        return drawn;
    const int s = drawn.viewStart;
    const int p = std::max(1, f.pixelsPerSample);
    auto x = [&](double v) { return ValueX(g, v, f.scaleIndex, f.logScale); };
    // Notes stand at their level on the linear scale whichever scale is shown.
    const double notePixelsPerUnit = LinearPixelsPerUnit(g, f.scaleIndex);

    dc.SelectObject(Pen(platform::RGB(0, 0, 0)));
    dc.SelectObject(platform::Brush(platform::RGB(255, 255, 255)));
    dc.Rectangle(0, kChartPlotTop, g.plotRight, g.clientBottom);
    if (f.logScale) {
        DrawLogGrid(dc, g, pens);
    } else {
        const int spacing = g.PlotWidth() / 50;
        for (int k = 0; k < 50; ++k) {
            const int gx = g.plotLeft + k * spacing;
            Line(dc, k % 10 == 0 ? pens.dark : pens.dotted, gx, kChartPlotTop, gx, g.clientBottom);
        }
    }
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);

    // Samples top to bottom: the newest (s + 800) on the first row, never below sample 1 (each row joins
    // its sample to the next older one).
    const int newest = s + kChartWindowLength;
    const int oldest = std::max(s - 99, 1);
    auto rowY = [&](int i) { return kChartFirstRowY + (newest - i) * p; };
    auto at = [&](int i) -> const CHARTRECORD& { return f.day[std::size_t(i)]; };

    // A depth or lag depth that changes again within a text's height would be written over the one
    // above it: only the newer one is written, the change's tick still marks the row.
    std::vector<QRect> labels;
    auto Label = [&](int lx, int ly, const QString& text) {
        const platform::SIZE size = dc.GetTextExtent(text);
        const QRect box(lx, ly, size.cx, size.cy);
        for (const QRect& other : labels)
            if (other.intersects(box))
                return;
        labels.push_back(box);
        dc.TextOut(lx, ly, text);
    };
    bool channel4 = false;
    for (int i = newest; i >= oldest; --i) {
        const CHARTRECORD& r = at(i);
        const CHARTRECORD& older = at(i - 1);
        const CHARTRECORD& newer = at(i + 1);
        const int y = rowY(i);
        if (i == newest)
            drawn.top = r;
        if (r.note[0] != 0) {
            const platform::RECT box =
                DrawChartNote(dc, NoteX(r.noteLevel, notePixelsPerUnit), y, kChartNoteBoxHeight, NoteText(r), f.noteMargin);
            drawn.notes.push_back({box, i});
        }
        const int lowerX = x(older.hotWire);
        Line(dc, pens.trace[0], x(r.hotWire), y, lowerX, y + p);
        channel4 = channel4 || r.channel4 != 0;
        if (channel4)
            Line(dc, pens.trace[6], x(r.channel4), y, x(older.channel4), y + p);
        const bool timeLabel = r.second == 0 && r.minute % 5 == 0;
        if (timeLabel && y > 114) {
            dc.SetTextColor(pens.dark.color);
            dc.TextOut(g.plotRight - 100, y - 14, Text(platform::CFormat("%d:%02d", r.hour, r.minute)));
        }
        if (r.depth != 0 && newer.depth != 0 && r.depth != newer.depth) {
            Line(dc, pens.dark, g.plotRight - 20, y, g.plotRight, y);
            dc.SetTextColor(platform::RGB(0, 0, 0));
            Label(g.plotRight - 50, timeLabel ? y : y - 12, QString::number(newer.depth));
        }
        if (r.lagDepth != 0 && newer.lagDepth != 0 && r.lagDepth != newer.lagDepth) {
            dc.SetTextColor(pens.lagText);
            Label(std::min(lowerX, g.plotRight - 50), y, QString::number(newer.lagDepth));
        }
        if (r.second == 0)
            Line(dc, r.minute % 5 == 0 ? pens.dark : pens.thin, g.plotLeft, y, g.plotRight, y);
    }

    dc.SetTextColor(platform::RGB(0, 0, 0));
    for (int i = newest; i >= oldest; --i) {
        const CHARTRECORD& r = at(i);
        const CHARTRECORD& older = at(i - 1);
        const int y = rowY(i);
        const int lowerX = x(older.chromat);
        Line(dc, TracePen(pens, r.index), x(r.chromat), y, lowerX, y + p);
        if (older.cycleEnd == 0 && r.cycleEnd == 1) {
            Line(dc, pens.dark, lowerX, y + p, lowerX + 10, y + p);
            dc.TextOut(0, y - 3 * p, QStringLiteral(">>"));
        }
        if (f.markInjections && r.index == 1 && older.index > 1) {
            Line(dc, pens.dark, lowerX, y + p, lowerX + 15, y + p);
            dc.TextOut(0, y - 3 * p, QStringLiteral("Inj>"));
        }
    }
    return drawn;
}

}  // namespace gasmon
