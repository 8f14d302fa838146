#pragma once
// The GDI vocabulary the painters are written in: constants with their Windows values (stored settings
// keep pen styles, hatch codes and font weights as numbers), points, rectangles, the LOGFONT byte image and
// the one conversion of a computed position to a device coordinate. No Qt here: record code may include it.
#include "platform/winapi.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace platform {

struct POINT {
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};
struct SIZE {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};
// right and bottom lie outside the rectangle, as in GDI.
struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    friend bool operator==(const RECT&, const RECT&) = default;
};

// Far outside any window, page or image, yet far enough inside the int range that a painter may add
// several such coordinates or widths to one without overflowing.
inline constexpr double kFarCoordinate = 1.0e8;

// A position computed with fractions, as a device coordinate: truncated toward zero, held at
// +-kFarCoordinate beyond them, and a NaN at `nanAt` (0 unless the caller knows a better place, such as a
// scale's origin). A damaged record's huge or not-a-number value thus lands far off the track.
inline std::int32_t Trunc(double v, std::int32_t nanAt = 0)
{
    if (std::isnan(v))
        return nanAt;
    if (v >= kFarCoordinate)
        return std::int32_t(kFarCoordinate);
    if (v <= -kFarCoordinate)
        return -std::int32_t(kFarCoordinate);
    return std::int32_t(v);
}

// Pen styles.
enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5, PS_INSIDEFRAME = 6 };
// Brush styles and hatches.
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2 };
enum : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };

// Stock objects.
enum : int {
    WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4, NULL_BRUSH = 5,
    HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8, OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12, SYSTEM_FONT = 13, DEVICE_DEFAULT_FONT = 14, SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17,
};

// Foreground mixes (SetROP2).
enum : int {
    R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5, R2_NOT = 6,
    R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16,
};

// Raster operations of BitBlt, StretchBlt and PatBlt: bits 16..23 are the truth table over
// pattern (P), source (S) and destination (D).
enum : std::uint32_t {
    SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
};

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Text alignment (SetTextAlign).
enum : unsigned {
    TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
    TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24,
};

// DrawText formats.
enum : unsigned {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80, DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
};

// Font weights.
enum : int {
    FW_DONTCARE = 0, FW_THIN = 100, FW_EXTRALIGHT = 200, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500,
    FW_SEMIBOLD = 600, FW_BOLD = 700, FW_EXTRABOLD = 800, FW_HEAVY = 900,
};
// Pitch and family byte of a LOGFONT.
enum : int { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2, FF_DONTCARE = 0x00, FF_ROMAN = 0x10,
             FF_SWISS = 0x20, FF_MODERN = 0x30, FF_SCRIPT = 0x40, FF_DECORATIVE = 0x50 };
enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1 };

// GetDeviceCaps indexes and answers.
enum : int {
    TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14,
    NUMCOLORS = 24, RASTERCAPS = 38, LOGPIXELSX = 88, LOGPIXELSY = 90, PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113,
};
enum : int { DT_RASDISPLAY = 1, DT_RASPRINTER = 2 };
enum : int { RC_BITBLT = 0x1, RC_STRETCHBLT = 0x800 };

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

#pragma pack(push, 1)
// The 60-byte LOGFONTA image that records keep (memo fonts).
struct LOGFONTA {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[32];  // Windows-1252, NUL-terminated within the width
};
#pragma pack(pop)
static_assert(sizeof(LOGFONTA) == 60);
static_assert(offsetof(LOGFONTA, lfWeight) == 16);
static_assert(offsetof(LOGFONTA, lfItalic) == 20);
static_assert(offsetof(LOGFONTA, lfPitchAndFamily) == 27);
static_assert(offsetof(LOGFONTA, lfFaceName) == 28);

// The text metrics the painters use, in device units.
struct TEXTMETRIC {
    int tmHeight = 0;  // ascent + descent
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
};

}  // namespace platform
