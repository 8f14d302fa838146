#pragma once
// The keys of the entry dialogs' value boxes. Each box hands some keys to its dialog as (text or none,
// key, Ctrl held) and leaves the rest to plain editing; which ones depends on the box. Key codes are
// the Windows virtual-key codes the program was written with.
namespace app {
struct LogState;
}

namespace entry {

enum : int {
    KEY_RETURN = 0x0D,
    KEY_LEFT = 0x25,
    KEY_UP = 0x26,
    KEY_DOWN = 0x28,
    KEY_NUMPAD3 = 0x63,
    KEY_NUMPAD4 = 0x64,
    KEY_ADD = 0x6B,  // the numeric pad's plus
};

// The value box of each entry dialog.
enum class EntryBox { Gas, Lithology, Show, Rate, Flare };

enum class KeyRoute {
    Edit,        // edited as in any edit
    PassText,    // handed on with the box's first line, then the box's buffer is emptied
    PassNoText,  // handed on without text
    PassEmpty,   // handed on with the (empty) text buffer
    PassCtrl,    // handed on with the Ctrl flag: the drilling keys
};

KeyRoute RouteEntryKey(EntryBox box, int key, bool ctrl);

// A Ctrl key of a value box: to the drilling keys while drilling mode is on and has its time panel;
// false when it went nowhere (the lithology box then takes it as a plain key, the others drop it).
bool SendDrillingKey(app::LogState& log, int key);

}  // namespace entry
