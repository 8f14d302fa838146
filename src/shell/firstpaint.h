#pragma once
// Where the first paint after start-up puts the main window.
#include <optional>

namespace shell {

struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

struct FirstPaintInputs {
    bool commandLine = false;  // the first file came from the command line
    bool imageView = false;    // the image view is on
    bool tvdFile = false;      // the open well is a true-vertical-depth file
    int logWidth = 0;
    int unitWidth = 0;
    int topMargin = 0;
    int screenWidth = 0;
    int screenHeight = 0;
};

// With a file from the command line or the image view on, the window is placed at (10, 20), as wide as
// the log and five units more (the screen width less 10 when that is wider than the screen) and 50
// pixels less high than the screen; a TVD file at (50, top margin), 100 less high than the screen but
// no lower than 30 above its bottom. Otherwise the window stays where it is (nothing).
std::optional<WindowPlace> FirstPaintPlace(const FirstPaintInputs& in);

}  // namespace shell
