#pragma once
// The WITS data window as a link sees it: it hands the window its display texts after each read or
// send; the window itself (WitsDisplayDlg) belongs to the ui library.
#include "wits/itemtable.h"

#include <array>
#include <string>

namespace wits {

using DisplayLines = std::array<std::string, kDisplayLines>;

class WitsDisplay {
public:
    virtual ~WitsDisplay() = default;
    // Shows texts 0 to 16; with `paintPercent` the percent box is painted again from text 7.
    virtual void UpdateValues(const DisplayLines& lines, bool paintPercent) = 0;
    // Places the window's top-left corner on the screen and shows it.
    virtual void ShowAt(int left, int top) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
};

}  // namespace wits
