#include "platform/draw/textcells.h"

#include <algorithm>

namespace platform {

RECT TextCell(Dc& dc, int x, int y, const QString& text, unsigned align, const Font& font)
{
    const Font kept = dc.SelectObject(font);
    const SIZE s = dc.GetTextExtent(text);
    if ((align & TA_CENTER) == TA_CENTER)
        x -= int(s.cx) / 2;
    else if (align & TA_RIGHT)
        x -= int(s.cx);
    if ((align & TA_BASELINE) == TA_BASELINE)
        y -= int(dc.GetTextMetrics().tmAscent);
    else if (align & TA_BOTTOM)
        y -= int(s.cy);
    dc.SelectObject(kept);
    return {x, y, x + int(s.cx), y + int(s.cy)};
}

std::vector<RECT> RecordedTextCells(Dc& dc, int margin)
{
    std::vector<RECT> rects;
    for (const DcText& t : dc.TextRecord()) {
        const RECT r = t.drawText ? t.rect : TextCell(dc, t.at.x, t.at.y, t.text, t.align, t.font);
        rects.push_back({r.left - margin, r.top - margin, r.right + margin, r.bottom + margin});
    }
    return rects;
}

bool Crosses(const RECT& a, const std::vector<RECT>& rects)
{
    return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) {
        return a.left < r.right && r.left < a.right && a.top < r.bottom && r.top < a.bottom;
    });
}

}  // namespace platform
