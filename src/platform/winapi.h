#pragma once
// The small Windows vocabulary the program is written in: answer codes, flags and the COLORREF type,
// with their Windows values so that stored settings and comparisons keep their meaning.
#include <cstdint>

namespace platform {

using COLORREF = std::uint32_t;  // 0x00BBGGRR
constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(std::uint8_t(r)) | (COLORREF(std::uint8_t(g)) << 8) | (COLORREF(std::uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// Message box buttons, icons and answers.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x0,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
    MB_APPLMODAL = 0x0,
    MB_SYSTEMMODAL = 0x1000,
    MB_TASKMODAL = 0x2000,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// The shortest and longest periods a window timer runs at. Periods are unsigned to Windows: a negative
// one is a huge period and runs at the longest, which in practice never fires.
constexpr int USER_TIMER_MINIMUM = 10;
constexpr int USER_TIMER_MAXIMUM = 0x7FFFFFFF;  // about 24.8 days

// Window messages that cross the platform boundary.
enum : unsigned {
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_USER = 0x0400,
    MM_JOY1BUTTONDOWN = 0x3B5,
    MM_JOY1BUTTONUP = 0x3B7,
};

// Joystick buttons as the game-port messages carry them.
enum : unsigned { JOY_BUTTON1 = 0x1, JOY_BUTTON2 = 0x2, JOY_BUTTON3 = 0x4, JOY_BUTTON4 = 0x8,
                  JOY_BUTTON1CHG = 0x100, JOY_BUTTON2CHG = 0x200, JOY_BUTTON3CHG = 0x400, JOY_BUTTON4CHG = 0x800 };

static_assert(sizeof(void*) == 8 || sizeof(void*) == 4);
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian byte images");

}  // namespace platform
