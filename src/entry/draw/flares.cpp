#include "entry/draw/flares.h"

#include "entry/flareentry.h"
#include "platform/draw/dc.h"
#include "platform/text.h"

#include <algorithm>

namespace entry {

namespace {

using logview::PaintTarget;
using platform::Brush;
using platform::Dc;
using platform::Pen;
using platform::POINT;

constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kYellow = platform::RGB(255, 255, 0);
constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr int kHeadRecord = 50;  // the printed scale heads stand at the 51st record

Pen PrintPen(const logview::Device& d, int slot)
{
    const layout::PenSpec& s = d.printPens[std::size_t(slot)];
    return Pen(s.colour, s.width, s.style);
}
// The printed flare track's grid pens.
Pen LightPen(const logview::Device& d) { return PrintPen(d, logview::PRINT_PEN_THIN_GRID); }
Pen MediumPen(const logview::Device& d) { return PrintPen(d, logview::PRINT_PEN_HEAVY_GRID); }
Pen HeavyPen(const logview::Device& d) { return PrintPen(d, logview::PRINT_PEN_FIRST_GRID); }

FlareWalkLimits LimitsOf(const PaintTarget& t)
{
    const logview::Device& d = t.device;
    return {t.geometry.fileLastDepth, !d.printing && !d.imageExport && !d.offScreen, t.geometry.logBottomY};
}

platform::Font TrackFont(const PaintTarget& t)
{
    return platform::Font::FromLogFont(t.device.printing ? t.device.printFonts.text : t.geometry.fonts.smallLog);
}

// The red pen of the profiles: 2 pixels on the screen, a quarter row on paper.
Pen ProfilePen(const PaintTarget& t, int rowHeight) { return Pen(kRed, t.device.printing ? rowHeight / 4 : 2); }

void Fill(Dc& dc, const std::vector<POINT>& points, platform::COLORREF colour)
{
    dc.SelectObject(Brush(colour));
    dc.Polygon(points.data(), int(points.size()));
}

// The printed track's 21 vertical lines one cell apart from y0 to y1: every tenth (the first and the
// last among them) in the medium pen, the others in the light pen.
void PaperGrid(const PaintTarget& t, const FlareTrackPlace& place, int y0, int y1)
{
    for (int k = 0; k <= kFlareTrackCells; ++k) {
        const int x = place.left + k * place.cell;
        Line(t.dc, k % 10 == 0 ? MediumPen(t.device) : LightPen(t.device), x, y0, x, y1);
    }
}

void PaperHeads(const PaintTarget& t, const FlareTrackPlace& place, int y)
{
    Dc& dc = t.dc;
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(t.device.colourPrinting ? kRed : kBlack);
    dc.TextOut(place.left, y, "<0   FLARE  50>");
    dc.SetTextColor(kBlack);
    const int below = std::max(dc.GetTextMetrics().tmHeight, 1);
    dc.TextOut(place.left, y + below, "<500       AP       0>");
}

// A profile closed to the track's left edge, drawn only where it leaves that edge: each run of points
// right of it, with the point before and after it, closed to the edge on its own. Where no flare
// stands nothing is drawn, not even the edge's outline.
void FillRuns(Dc& dc, const std::vector<POINT>& profile, int left, platform::COLORREF colour)
{
    // The profile's points between the two closing points at its ends.
    const std::size_t n = profile.size() >= 2 ? profile.size() - 2 : 0;
    const auto at = [&](std::size_t i) { return profile[i + 1]; };
    for (std::size_t i = 0; i < n;) {
        if (at(i).x <= left) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < n && at(end + 1).x > left)
            ++end;
        const std::size_t from = i > 0 ? i - 1 : i, to = end + 1 < n ? end + 1 : end;
        std::vector<POINT> run{{left, at(from).y}};
        for (std::size_t k = from; k <= to; ++k)
            run.push_back(at(k));
        run.push_back({left, at(to).y});
        Fill(dc, run, colour);
        i = end + 1;
    }
}

void Profiles(const PaintTarget& t, const FlareTrackProfile& p, int rowHeight, int left)
{
    if (p.red.empty())
        return;
    t.dc.SelectObject(ProfilePen(t, rowHeight));
    FillRuns(t.dc, p.red, left, kRed);
    if (p.drawYellow)
        FillRuns(t.dc, p.yellow, left, kYellow);
}

}  // namespace

FlareTrackPlace FlareTrackOf(const logview::ViewGeometry& g, const logview::Device& device)
{
    if (device.printing)
        return FlareTrackAt(device.printer.gasRight, device.printer.gasCellWidth);
    return FlareTrackAt(g.gasRight, g.gas.cell);
}

void DrawFlarePolygon(const PaintTarget& t, FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY,
                      int left, int width, float scale, bool paperFromLeft)
{
    const FlareWalkLimits limits = LimitsOf(t);
    const FlareOutline outline =
        t.geometry.scaleIndex >= 3
            ? CompressedFlarePolygonPoints(buffer, first, count, rowHeight, startY, left, width, scale, limits)
            : FlarePolygonPoints(buffer, first, count, rowHeight, startY, left, width, scale,
                                 paperFromLeft && t.device.printing, limits);
    if (!outline.draw)
        return;
    Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    const platform::COLORREF colour = t.geometry.pens.table[layout::PEN_FLARE].colour;
    dc.SelectObject(Pen(colour, 1));
    dc.SelectObject(Brush(colour));
    // The flare colour is masked into the grid and curves under it, so they show through.
    dc.SetROP2(platform::R2_MASKPEN);
    dc.Polygon(outline.points.data(), int(outline.points.size()));
}

void DrawFlareTrack(const PaintTarget& t, FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY)
{
    const bool paper = t.device.printing;
    const FlareTrackPlace place = FlareTrackOf(t.geometry, t.device);
    const FlareTrackProfile p = FlareTrackPoints(buffer, first, count, rowHeight, startY, place, paper, LimitsOf(t));
    if (p.rows.empty())
        return;
    Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    if (paper) {
        PaperGrid(t, place, startY, p.rows.back().y);
        for (const FlareTrackPoint& r : p.rows) {
            const Pen pen = r.depth % 50 == 0 ? HeavyPen(t.device) : r.depth % 10 == 0 ? MediumPen(t.device) : LightPen(t.device);
            Line(dc, pen, place.left, r.y, place.Right(), r.y);
        }
    }
    Profiles(t, p, rowHeight, place.left);

    dc.SelectObject(TrackFont(t));
    if (paper && p.rows.size() > std::size_t(kHeadRecord))
        PaperHeads(t, place, p.rows[std::size_t(kHeadRecord)].y);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(kBlack);
    const int above = paper ? rowHeight : 2 * rowHeight;
    for (const FlareTrackPoint& r : p.rows)
        if (!r.text.empty())
            dc.TextOut(place.left, r.y - above, r.text.c_str());
}

void DrawFlareTrackLines(const PaintTarget& t, FlareRecords buffer, std::size_t first, int count, int rowHeight,
                         int startY)
{
    const FlareTrackPlace place = FlareTrackOf(t.geometry, t.device);
    const FlareTrackLines lines = FlareTrackLinePoints(buffer, first, count, rowHeight, startY, place, LimitsOf(t));
    const FlareTrackProfile& p = lines.profile;
    if (p.rows.empty())
        return;
    Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    if (t.device.printing) {
        PaperGrid(t, place, startY, p.rows.back().y);
        for (const FlareTrackPoint& r : p.rows)
            if (r.depth % 100 == 0)
                Line(dc, HeavyPen(t.device), place.left, r.y, place.Right(), r.y);
    }
    Profiles(t, p, rowHeight, place.left);
    dc.SelectObject(ProfilePen(t, rowHeight));
    dc.Polyline(lines.ap.data(), int(lines.ap.size()));
}

void DrawFlareStep(const PaintTarget& t, FlareRecords buffer, std::size_t index, int rowHeight, int y)
{
    if (index + 1 >= buffer.size())
        return;
    const FlareTrackPlace place = FlareTrackOf(t.geometry, t.device);
    const wellfile::RECORD& next = buffer[index + 1];
    const FlareStepLine step = FlareStepPoints(buffer[index], next, rowHeight, y, place);
    Dc& dc = t.dc;
    platform::KeepDcState keep(dc);
    Line(dc, Pen(kRed, 2), step.from.x, step.from.y, step.to.x, step.to.y);
    const std::string text = platform::FieldText(next.shortText);
    if (text.empty())
        return;
    dc.SelectObject(TrackFont(t));
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(kBlack);
    dc.TextOut(step.from.x, step.from.y, text.c_str());
}

FlareRows DrawFlareEntryStep(const PaintTarget& t, const logview::GridStrips& strips, FlareRecords buffer, int index,
                             int y, bool flareTrack)
{
    const logview::ViewGeometry& g = t.geometry;
    const int R = g.rowHeight;
    if (index < 1 || std::size_t(index) >= buffer.size())
        return {};
    const int width = kFlarePolygonCells * g.gas.cell, left = g.gasRight - width;
    if (buffer[std::size_t(index)].flareLength == 0)
        logview::BlitColumn(t.dc, strips, g, logview::COLUMN_GAS, y, left);
    if (flareTrack) {
        DrawFlareStep(t, buffer, std::size_t(index - 1), R, y);
        return {y - R, y + 2 * R + 1};
    }
    const int first = kFlareFirstIndex - 1, startY = g.topMargin + first * R;
    DrawFlarePolygon(t, buffer, std::size_t(first), index, R, startY, left, width, 0.01f * float(width));
    return {std::min(startY, y), std::max(g.logBottomY + R, y + R) + 1};
}

}  // namespace entry
