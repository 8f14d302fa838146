#include "shell/firstpaint.h"

#include <algorithm>

namespace shell {

std::optional<WindowPlace> FirstPaintPlace(const FirstPaintInputs& in)
{
    if (!in.commandLine && !in.imageView)
        return std::nullopt;
    WindowPlace p;
    p.width = in.logWidth + 5 * in.unitWidth;
    if (p.width > in.screenWidth)
        p.width = in.screenWidth - 10;
    if (in.tvdFile) {
        p.x = 50;
        p.y = in.topMargin;
        // Below the title band the window would run off the screen: it ends 30 pixels above the
        // screen's bottom, as the main window's placement leaves room for the window's frame.
        p.height = std::min(in.screenHeight - 100, in.screenHeight - p.y - 30);
    } else {
        p.x = 10;
        p.y = 20;
        p.height = in.screenHeight - 50;
    }
    return p;
}

}  // namespace shell
