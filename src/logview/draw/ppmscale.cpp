#include "logview/draw/ppmscale.h"

#include "platform/draw/dc.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <string>

namespace logview {

int DrawPpmScale(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const PpmScaleFlags& flags,
                 int x, int y)
{
    const int R = g.rowHeight, U = g.unitWidth;
    // The names with their units; every sample starts at one x right of the widest of them (at least
    // 8 units in), so that no line runs into a name's unit.
    std::array<std::string, 8> texts;
    int widest = 0;
    for (int i = layout::PEN_TG; i <= layout::PEN_NC5; ++i) {
        std::string& text = texts[std::size_t(i)];
        text = platform::FieldText(pens.table.entry[i].name) + (i == layout::PEN_TG ? " % " : " ppm ");
        widest = std::max(widest, int(dc.GetTextExtent(text.c_str(), int(text.size())).cx));
    }
    const int lead = std::max(8 * U, widest + std::max(U / 2, 2));
    int atX = g.gasRight - 15 * U - R;
    int atY = 2 * R;
    int sample = 4 * U;
    if (flags.imageRender) {
        atY = 50 * R;
        atX = g.gasRight - 10 * U + 2 * R;
        sample = 10 * U;
    }
    if (y > 0)
        atY = y;
    if (x > 0)
        atX = x + 2 * R;
    if (flags.drilling && !flags.imageRender) {
        // Clear of the status display, yet ending a unit inside the log: a window narrower than the log
        // slides no further than the log's right end.
        atX = std::min(atX + 100, g.logWidth - U - (lead + sample));
        atY += 220;
    }

    const int step = R + 5;
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_BOTTOM);
    dc.SetBkMode(platform::TRANSPARENT);
    for (int i = layout::PEN_TG; i <= layout::PEN_NC5; ++i) {
        const layout::PenEntry& e = pens.table.entry[i];
        dc.SetTextColor(e.colour);
        const std::string& text = texts[std::size_t(i)];
        dc.TextOut(atX, atY, text.c_str(), int(text.size()));

        // The sample stands beside its own name, in the middle of the name's row (the text ends at y, the
        // row above it belongs to the previous name).
        const int from = atX + lead;
        if (e.style == 0) {
            const layout::PenSpec& p = pens.pens[std::size_t(i)];
            const int lineY = atY - (step + 1) / 2;
            dc.SelectObject(platform::Pen(p.colour, p.width, p.style));
            dc.MoveTo(from, lineY);
            dc.LineTo(from + sample, lineY);
        } else {
            // A styled pen is one pixel wide: its width is drawn as that many lines, one below the other,
            // never more than the entry's own row holds (a damaged colour file may hold any width).
            dc.SelectObject(platform::Pen(e.colour, 1, e.style));
            const int lines = e.width < step ? e.width : step;
            const int lineY = atY - (step + lines) / 2;
            for (int k = 0; k < lines; ++k) {
                dc.MoveTo(from, lineY + k);
                dc.LineTo(from + sample, lineY + k);
            }
        }
        atY += step;
    }
    return 1;
}

}  // namespace logview
