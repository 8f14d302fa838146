#pragma once
// Pens, brushes and fonts as plain values: selecting one into a Dc copies it, and SelectObject hands back
// the one it replaced, so "put back the old pen" is an assignment.
#include "platform/gdi.h"

#include <QString>

namespace platform {

struct Pen {
    int style = PS_SOLID;  // PS_*
    int width = 1;         // 0 draws as 1; styles other than solid, null and inside-frame draw solid when wider than 1
    COLORREF color = RGB(0, 0, 0);

    Pen() = default;
    Pen(COLORREF c, int w = 1, int s = PS_SOLID) : style(s), width(w), color(c) {}
    int Width() const { return width < 1 ? 1 : width; }
    bool IsNull() const { return style == PS_NULL; }
    // True when the pen draws GDI's 1-px dash pattern.
    bool IsStyled() const { return Width() == 1 && style >= PS_DASH && style <= PS_DASHDOTDOT; }
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    int style = BS_SOLID;  // BS_*
    int hatch = HS_HORIZONTAL;
    COLORREF color = RGB(255, 255, 255);

    Brush() = default;
    explicit Brush(COLORREF c) : color(c) {}
    static Brush Hatched(int hatch, COLORREF c)
    {
        Brush b(c);
        b.style = BS_HATCHED;
        b.hatch = hatch;
        return b;
    }
    static Brush Null()
    {
        Brush b;
        b.style = BS_NULL;
        return b;
    }
    bool IsNull() const { return style == BS_NULL; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A logical font as CreateFont takes it. height < 0: character height; > 0: cell height; 0: default size.
struct Font {
    int height = 0;
    int width = 0;       // average character width; 0 keeps the face's own proportions
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int pitchAndFamily = DEFAULT_PITCH;
    QString face;

    Font() = default;
    Font(const QString& faceName, int h, int w = FW_NORMAL) : height(h), weight(w), face(faceName) {}
    static Font FromLogFont(const LOGFONTA& lf);
    LOGFONTA ToLogFont() const;
    friend bool operator==(const Font&, const Font&) = default;
};

// The stock objects of GetStockObject.
Pen StockPen(int index);
Brush StockBrush(int index);
Font StockFont(int index);

}  // namespace platform
