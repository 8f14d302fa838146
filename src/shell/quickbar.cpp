#include "shell/quickbar.h"

#include <algorithm>

namespace shell {

QuickBarPlace PlaceQuickBar(const QuickBarInputs& in)
{
    // Left of 450 pixels the bar would cover the menus; a wider menu line (the drilling menus) pushes
    // the floor right of its last title.
    const std::int64_t floor = std::max(std::int64_t(in.left) + 450, std::int64_t(in.menuRight));
    std::int64_t x = std::int64_t(in.left) + in.edgeA + (in.atCreation ? 0 : 5 * std::int64_t(in.unit));
    x = std::max(x, floor);

    std::int64_t width = 405;
    if (in.mode == 0)
        width = (in.atCreation ? 250 : 240) + (in.pictures ? kPicturesButtonWidth : 0);
    else if (!in.pictures)
        width = 360;
    if (x + width > in.right)
        x = in.right - width;
    x = std::max(x, std::int64_t(in.left) + in.edgeB + std::int64_t(in.rowHeight) * (in.drilling ? 20 : 12));
    x = std::max(x, floor);
    if (x + width > in.right)
        width = in.right - x;
    auto toInt = [](std::int64_t v) { return int(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {toInt(x), toInt(std::max<std::int64_t>(width, 0))};
}

}  // namespace shell
