#include "drilling/draw/dccanvas.h"

namespace drilling {

namespace {

unsigned AlignFlags(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre: return platform::TA_CENTER | platform::TA_TOP;
    case TextAlign::BottomLeft: return platform::TA_LEFT | platform::TA_BOTTOM;
    case TextAlign::TopLeft: break;
    }
    return platform::TA_LEFT | platform::TA_TOP;
}

}  // namespace

DcCanvas::DcCanvas(platform::Dc& dc, platform::Font statusFont, platform::Font logFont, platform::Font strokesFont)
    : dc_(dc), statusFont_(std::move(statusFont)), logFont_(std::move(logFont)), strokesFont_(std::move(strokesFont))
{
}

platform::Font StrokesFont(int rowHeight) { return platform::Font(QStringLiteral("Arial Bold"), rowHeight + 6, 400); }

void DcCanvas::Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour,
                    std::optional<platform::COLORREF> background)
{
    const platform::KeepDcState keep(dc_);
    dc_.SetTextAlign(AlignFlags(align));
    dc_.SetBkMode(background ? platform::OPAQUE : platform::TRANSPARENT);
    dc_.SetBkColor(background.value_or(dc_.GetBkColor()));
    dc_.SetTextColor(colour);
    dc_.SelectObject(font == FontRole::Status ? statusFont_ : font == FontRole::Log ? logFont_ : strokesFont_);
    dc_.TextOut(x, y, text);
}

void DcCanvas::Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour)
{
    const platform::RECT r{left, top, right, bottom};
    dc_.FillRect(r, colour ? platform::Brush(*colour) : dc_.CurrentBrush());
}

}  // namespace drilling
