#include "tracks/draw/topscolumn.h"

#include "layout/draw/penof.h"
#include "logview/memoslot.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <string>

namespace tracks {

namespace {

using platform::COLORREF;
using platform::Dc;
using wellfile::RECORD;

constexpr COLORREF kRed = platform::RGB(255, 0, 0);
constexpr COLORREF kBlack = platform::RGB(0, 0, 0);

// A y worked out in 64 bits, kept far outside any page rather than wrapped.
int ClampY(long long y) { return int(std::clamp<long long>(y, -(1LL << 28), 1LL << 28)); }

struct TopsPass {
    Dc& dc;
    const logview::ViewGeometry& g;
    const logview::Device& device;
    const TopsView& view;
    int R;
    long long firstDepth;
    bool paper;
    bool blackAndWhite;
    logview::MemoSlotLayout slotLayout;

    void Marker(const RECORD& rec, int markerY);
    long long LineY(std::int32_t topDepth, int y0) const;
    void TopLine(int y);
    void Label(const std::string& label, std::int32_t slot, int y, int pageTop);
};

void TopsPass::Marker(const RECORD& rec, int markerY)
{
    if (rec.depth % 10 != 0 || rec.bottomDepth >= g.fileLastDepth)
        return;
    const long long offset = (((long long)rec.depth - rec.bottomDepth) / 2) * R;
    dc.SetTextColor(kRed);
    dc.TextOut(g.rate.Right() + 2, ClampY(markerY - offset + R), platform::CFormat("< %-2d", int(rec.depth)).c_str());
    dc.SetTextColor(kBlack);
}

// The y of a top's line: from its own depth, so every row that matches it draws it at the same place.
long long TopsPass::LineY(std::int32_t topDepth, int y0) const
{
    if (g.scaleIndex <= 2) {
        long long y = (topDepth - firstDepth) / std::max(g.depthStep, 1) * R + y0;
        if (topDepth % 2 != 0)
            y += int(0.5 * R);
        return paper ? y + R : y;
    }
    const long long y = (long long)((topDepth - firstDepth) * R * 0.1 + y0);
    return paper ? (long long)(y + 0.25 * R) : y;
}

void TopsPass::TopLine(int y)
{
    const logview::PrinterGeometry& P = device.printer;
    if (!paper) {
        const int ly = y + R;
        Line(dc, g.rate.left, ly, g.ratio.left, ly);
        Line(dc, g.gas.left, ly, g.gasRight, ly);
        if (g.customTracks)
            Line(dc, g.customLeft - R, ly, g.logWidth - 2 * R, ly);
    } else if (P.alternateLayout) {
        Line(dc, 10, y, P.curveRight, y);
        Line(dc, P.gasLeft, y, P.alternateLineEnd, y);
    } else if (!P.extraCurve) {
        Line(dc, P.curveLeft, y, P.cutLeft + g.cut.count * P.unitWidth, y);
        Line(dc, P.gasLeft, y, P.gasRight, y);
    } else {
        Line(dc, P.curveLeft, y, P.ratioLeft, y);
        Line(dc, P.gasLeft, y, P.extraCurveLeft + P.extraCurveUnits * P.extraCurveUnitWidth, y);
    }
}

void TopsPass::Label(const std::string& label, std::int32_t slot, int y, int pageTop)
{
    const int k = logview::NormalMemoSlot(slot);
    const int x = logview::MemoSlotToX(slotLayout, slot);
    const platform::SIZE extent = dc.GetTextExtent(label.c_str(), int(label.size()));
    int top = int(y - 1.6 * R), bottom = int(y + extent.cy - 1.3 * R), textY = int(y - 1.4 * R);
    // On paper a name that would stand above the page's first row is written under its line.
    if (paper && top < pageTop) {
        const int down = y + int(0.2 * R) - top;
        top += down;
        bottom += down;
        textY += down;
    }
    if ((k <= 4 || k > 14) && !wellfile::FeetFormatProfile(g.profile))
        dc.Rectangle(x - 3, top, x + extent.cx + 3, bottom);
    dc.TextOut(x, textY, label.c_str(), int(label.size()));
    if (view.secondLabels)
        for (const std::int32_t sx : *view.secondLabels) {
            dc.Rectangle(sx - 4, top, sx + extent.cx + 4, bottom);
            dc.TextOut(sx, textY, label.c_str(), int(label.size()));
        }
}

}  // namespace

void DrawTopsColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, const TopsView& view,
                    std::span<const RECORD> records, std::size_t first, int rows, int rowHeight, int y0)
{
    if (first >= records.size())
        return;
    const bool paper = device.printing;
    const int R = rowHeight;
    TopsPass pass{dc, g, device, view, R, records[first].depth, paper, paper && !device.colourPrinting,
                  logview::MemoSlotsOf(g, device)};
    const std::int32_t stopDepth = g.fileLastDepth % 2 != 0 ? g.fileLastDepth - 1 : g.fileLastDepth;
    const bool compressed = g.scaleIndex >= 3;
    int markerY = paper ? int(y0 - 0.75 * R) : int(y0 - 0.5 * R) + (compressed ? R : 0);

    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(paper ? device.printFonts.label : g.fonts.smallLog));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    if (paper)
        dc.SelectObject(PenOf(device.printPens[logview::PRINT_PEN_TOPS]));
    const bool shown = !view.tops.empty() && (paper ? view.printShown : view.screenShown);
    const bool lessMark = LessMarkProfile(g.profile);
    const platform::Pen boxPen(kBlack, 1);
    const int lineWidth = int(R * 0.2);

    const std::size_t step = compressed ? 5 : 1;
    for (long long row = 0; row <= rows; ++row) {
        const std::size_t index = first + std::size_t(row) * step;
        if (index >= records.size())
            break;
        const RECORD& rec = records[index];
        if (rec.depth == 0)
            break;
        if (!paper && g.scaleIndex <= 2 && view.drillingMarker)
            pass.Marker(rec, markerY);
        if (shown)
            for (const wellfile::TOPSEX& top : view.tops) {
                const std::int32_t depth = top.depth;
                if (!TopMatchesRow(g.scaleIndex, depth, rec.depth))
                    continue;
                if (paper && lessMark && TopHiddenMark(top))
                    continue;
                const std::string label = TopLabel(top, view.kbElevation, !paper && lessMark);
                const int y = ClampY(pass.LineY(depth, y0));
                // A line above the page's first row is the last page's, drawn there with its name.
                if (paper && y < y0)
                    continue;
                // A top stored without a colour is drawn red; the table keeps what it holds. A black and
                // white page still draws the line in the top's colour: only its text turns black.
                const COLORREF colour = top.colour == 0 ? kRed : COLORREF(top.colour);
                dc.SelectObject(platform::Pen(colour, lineWidth));
                pass.TopLine(y);
                dc.SelectObject(boxPen);
                if (!pass.blackAndWhite)
                    dc.SetTextColor(colour);
                pass.Label(label, top.location, y, y0);
            }
        markerY += R;
        dc.SetTextColor(kBlack);
        if (rec.depth == stopDepth)
            break;
    }
}

}  // namespace tracks
