#include "platform/draw/syscolors.h"

namespace platform {

COLORREF GetSysColor(int index)
{
    static constexpr COLORREF kTable[] = {
        RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128), RGB(192, 192, 192),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255),
        RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),       RGB(255, 255, 225),
    };
    if (index < 0 || index >= int(sizeof kTable / sizeof kTable[0]))
        return 0;
    return kTable[index];
}

COLORREF ResolveColor(COLORREF c)
{
    if (c & kSysColorFlag)
        return GetSysColor(int(c & 0xFF));
    return c & 0x00FFFFFF;
}

}  // namespace platform
