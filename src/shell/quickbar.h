#pragma once
// Where the quick view bar goes: on the main window's menu-bar line, right of the menus, clear of the
// log's left columns, and inside the window.
#include <cstdint>

namespace shell {

struct QuickBarInputs {
    int left = 0, top = 0, right = 0;  // the main window's edges, screen pixels
    // Two column edges of the log: the bar starts five grid units right of edge A (the lithology
    // column's left) and never left of edge B (the rate track's right) plus 12 rows (20 while drilling).
    std::int32_t edgeA = 0;
    std::int32_t edgeB = 0;
    std::int32_t unit = 10;       // horizontal grid unit
    std::int32_t rowHeight = 10;
    int mode = 0;                 // 0: the plain log
    bool pictures = false;        // the well has pictures: the pictures button is shown
    bool drilling = false;
    bool atCreation = false;      // the first placement: from edge A itself, a little wider
    // The screen x just right of the menu bar's last title (0: none): the bar never covers a title.
    std::int32_t menuRight = 0;
};

struct QuickBarPlace {
    int x = 0;
    int width = 0;
};

// The pictures button's width at the bar's right end.
constexpr int kPicturesButtonWidth = 60;

QuickBarPlace PlaceQuickBar(const QuickBarInputs& in);

}  // namespace shell
