#pragma once
// The game port: the depth interface box wired to joystick 1. Its contacts are joystick buttons; while
// a window holds the capture, every change of a button is posted to it as MM_JOY1BUTTONDOWN or
// MM_JOY1BUTTONUP with the buttons word:
//   bits 0x1, 0x2, 0x4, 0x8   buttons 1 to 4 down
//   0x100 << n                the button n (0 to 4) whose change this message reports
//   0x10                      button 5 down (the on/off-bottom switch of the polled box)
// On Linux the box is a joystick device of the kernel's joystick API (8-byte js_event records), read on
// the GUI thread without blocking.
#include "platform/messagewindows.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace platform {

// Button bits of the buttons word beyond the four of winapi.h.
constexpr std::uint32_t kJoyButton5 = 0x10;
constexpr std::uint32_t kJoyButton5Changed = 0x1000;

class GamePort {
public:
    virtual ~GamePort() = default;
    // Opens joystick 1 for `window` (taking it over when it is open already): its button changes are
    // posted there from now on. False when the device is missing or cannot be opened.
    virtual bool SetCapture(HWND window) = 0;
    // Closes the device; no more messages.
    virtual void ReleaseCapture() = 0;
    // The buttons word of the current state (bits 0x1-0x10 for buttons 1 to 5, no change bits); false
    // when no device is open (never captured, released or lost), `word` then untouched.
    virtual bool ReadButtons(std::uint32_t& word) = 0;
};

// The joystick device of the settings value "GamePort/Device", by default /dev/input/js0.
QString GamePortDevice();

// A game port over the joystick device (GamePortDevice, read at each capture).
std::unique_ptr<GamePort> MakeJoystickGamePort();
// The game port of the desktop (one per process).
GamePort& RealGamePort();

}  // namespace platform
