#pragma once
// Text written downwards, one character under the other, each centred on x: the custom tracks' titles,
// the text track, the printed header and the depth column use it.
#include <string_view>

namespace platform {
class Dc;
}

namespace tracks {

// Writes the Windows-1252 bytes of `text` one by one, the first with its top at y and each next `step`
// lower. The text alignment and background mode of `dc` are put back.
void DrawVerticalText(platform::Dc& dc, std::string_view text, int x, int y, int step);

}  // namespace tracks
