#include "tracks/draw/mudoutline.h"

#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "tracks/gasscale.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <string>

namespace tracks {

using platform::Trunc;

namespace {

using platform::Dc;

constexpr float kLeastMudWeight = 2.0f;

// An x as far along a bar as `weight` reaches.
int BarEnd(int x0, float weight, double pixelsPerUnit) { return Trunc(x0 + double(weight) * pixelsPerUnit, x0); }

// One outline code: the bracket's line at x1 (from x0 on the top and bottom rows) or a character.
void Outline(Dc& dc, std::uint16_t code, int x0, int x1, int charX, int y, int rowHeight)
{
    switch (code) {
    case 0: return;
    case 2:
        dc.MoveTo(x0, y);
        dc.LineTo(x1, y);
        dc.LineTo(x1, y + rowHeight);
        return;
    case 1:
        dc.MoveTo(x1, y);
        dc.LineTo(x1, y + rowHeight);
        return;
    case 3:
        dc.MoveTo(x1, y);
        dc.LineTo(x1, y + rowHeight);
        dc.LineTo(x0, y + rowHeight);
        return;
    default:
        // The outline dialog writes one byte of the text per record, a byte from 0x80 on sign-extended
        // (0xFF80..0xFFFF); any other wider code is not a character.
        if (code > 255 && code < 0xFF80)
            return;
        const char text[2] = {char(code), ' '};
        dc.TextOut(charX, y, text, 2);
        return;
    }
}

}  // namespace

void DrawMudInOut(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, const wellfile::RECORD& rec,
                  int cellWidth, int rowHeight, int y, int x)
{
    const bool paper = device.printing;
    const int x0 = x != 0 ? x : paper ? device.printer.gasLeft : g.gas.left;
    const double pixels = cellWidth != 0 ? cellWidth / 30.0
                                         : 0.025 * g.gas.count * (paper ? device.printer.gasCellWidth : g.gas.cell);
    const float out = rec.mudWeightOut, in = rec.mudWeightIn;
    const bool drawOut = out > kLeastMudWeight, drawIn = in > kLeastMudWeight;
    const int outEnd = drawOut ? BarEnd(x0, out, pixels) : x0, inEnd = drawIn ? BarEnd(x0, in, pixels) : x0;
    std::string outLabel, inLabel;

    const platform::KeepDcState keep(dc);
    dc.SelectObject(PenOf(paper ? device.printPens[logview::PRINT_PEN_RATE] : g.pens.table[layout::PEN_RATES]));
    // A bar's pixels, for the labels written later to keep clear of.
    const auto bar = [&](int end, int barY) {
        if (device.drawnBoxes)
            device.drawnBoxes->push_back({x0, barY - 1, end + 1, barY + 2});
    };
    if (drawOut) {
        dc.MoveTo(x0, y);
        dc.LineTo(outEnd, y);
        bar(outEnd, y);
        outLabel = platform::CFormat(" %2.1f OUT", double(out));
    }
    if (drawIn) {
        dc.MoveTo(x0, y - rowHeight);
        dc.LineTo(inEnd, y - rowHeight);
        bar(inEnd, y - rowHeight);
        inLabel = platform::CFormat(" %2.1f IN", double(in));
    }

    dc.SelectObject(platform::Font::FromLogFont(paper ? device.printFonts.scale : g.fonts.scale));
    if (cellWidth == 0) {
        // The labels stand above their lines; on paper both move together as far as needed to stand
        // whole on the page, at its top or its foot.
        const int outY = int(y - 0.5 * rowHeight), top = drawIn ? y - 2 * rowHeight : outY;
        int shift = 0;
        if (paper) {
            const int bottom = (drawOut ? outY : top) + dc.GetTextMetrics().tmHeight;
            shift = std::max(-top, std::min(0, dc.GetDeviceCaps(platform::VERTRES) - 1 - bottom));
        }
        const auto label = [&](int lx, int ly, const std::string& text) {
            if (device.laterLabels)
                device.laterLabels->push_back(
                    {lx, ly, text, dc.CurrentFont().ToLogFont(), dc.GetTextColor(), dc.GetTextAlign()});
            else
                dc.TextOut(lx, ly, text.c_str());
        };
        if (drawOut)
            label(outEnd, outY + shift, outLabel);
        if (drawIn)
            label(inEnd, top + shift, inLabel);
    } else {
        dc.SetBkMode(platform::TRANSPARENT);
        if (drawOut)
            dc.TextOut(outEnd, y + rowHeight, outLabel.c_str());
        if (drawIn)
            dc.TextOut(inEnd, y, inLabel.c_str());
    }
}

void DrawTextColumn(Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, const wellfile::RECORD& rec,
                    int y, int rowHeight)
{
    const bool paper = device.printing;
    const int R = rowHeight;
    int x0 = paper ? device.printer.curveRight : g.rate.Right();
    if (wellfile::SandShaleProfile(g.profile))
        x0 += 10 * R;
    else if (g.profile == 134)
        x0 += g.outlineOffsetUnits * (paper ? device.printer.unitWidth : g.unitWidth);
    int u = int(R * (paper ? 0.8 : 0.9));
    if (paper && device.printer.scaling)
        u = int(u * device.printer.scaleFactor);

    const platform::KeepDcState keep(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SelectObject(platform::Font::FromLogFont(paper ? device.printFonts.label : g.fonts.smallLog));
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), paper ? R / 6 : 1));

    Outline(dc, rec.outlineNarrow, x0, x0 + u, int(x0 + u * 0.6), y, R);
    Outline(dc, rec.outlineWide, x0, x0 + 2 * u, int(x0 + u * 1.6), y, R);
}

}  // namespace tracks
