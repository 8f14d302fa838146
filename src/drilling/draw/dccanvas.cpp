#include "drilling/draw/dccanvas.h"

namespace drilling {

DcCanvas::DcCanvas(platform::Dc& dc, platform::Font statusFont, platform::Font logFont)
    : dc_(dc), statusFont_(std::move(statusFont)), logFont_(std::move(logFont))
{
}

void DcCanvas::Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour)
{
    const unsigned oldAlign = dc_.SetTextAlign(align == TextAlign::Centre ? platform::TA_CENTER | platform::TA_TOP
                                                                          : platform::TA_LEFT | platform::TA_TOP);
    const int oldMode = dc_.SetBkMode(platform::TRANSPARENT);
    const platform::COLORREF oldColour = dc_.SetTextColor(colour);
    const platform::Font oldFont = dc_.SelectObject(font == FontRole::Status ? statusFont_ : logFont_);
    dc_.TextOut(x, y, text);
    dc_.SelectObject(oldFont);
    dc_.SetTextColor(oldColour);
    dc_.SetBkMode(oldMode);
    dc_.SetTextAlign(oldAlign);
}

void DcCanvas::Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour)
{
    const platform::RECT r{left, top, right, bottom};
    dc_.FillRect(r, colour ? platform::Brush(*colour) : dc_.CurrentBrush());
}

}  // namespace drilling
