#include "platform/draw/gdiobjects.h"

#include "platform/text.h"

#include <cstring>

namespace platform {

Font Font::FromLogFont(const LOGFONTA& lf)
{
    Font f;
    f.height = lf.lfHeight;
    f.width = lf.lfWidth;
    f.escapement = lf.lfEscapement;
    f.weight = lf.lfWeight;
    f.italic = lf.lfItalic != 0;
    f.underline = lf.lfUnderline != 0;
    f.strikeOut = lf.lfStrikeOut != 0;
    f.pitchAndFamily = lf.lfPitchAndFamily;
    const std::string face = FieldText(lf.lfFaceName);
    f.face = FromCp1252(face.data(), face.size());
    return f;
}

LOGFONTA Font::ToLogFont() const
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = std::uint8_t(pitchAndFamily);
    const QByteArray bytes = ToCp1252(face);
    SetFieldText(lf.lfFaceName, std::string(bytes.constData(), std::size_t(bytes.size())));
    return lf;
}

Pen StockPen(int index)
{
    switch (index) {
    case WHITE_PEN: return Pen(RGB(255, 255, 255));
    case NULL_PEN: return Pen(RGB(0, 0, 0), 1, PS_NULL);
    default: return Pen(RGB(0, 0, 0));
    }
}

Brush StockBrush(int index)
{
    switch (index) {
    case LTGRAY_BRUSH: return Brush(RGB(192, 192, 192));
    case GRAY_BRUSH: return Brush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return Brush(RGB(64, 64, 64));
    case BLACK_BRUSH: return Brush(RGB(0, 0, 0));
    case NULL_BRUSH: return Brush::Null();
    default: return Brush(RGB(255, 255, 255));
    }
}

Font StockFont(int index)
{
    switch (index) {
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return Font(QStringLiteral("Fixedsys"), 0);
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT: return Font(QStringLiteral("MS Sans Serif"), -11);
    default: return Font(QStringLiteral("System"), 0, FW_BOLD);
    }
}

}  // namespace platform
