#include "shell/firstpaint.h"

namespace app {

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
        p.height = in.screenHeight - 100;
    } else {
        p.x = 10;
        p.y = 20;
        p.height = in.screenHeight - 50;
    }
    return p;
}

}  // namespace app
