#include "tracks/draw/verticaltext.h"

#include "platform/draw/dc.h"

namespace tracks {

void DrawVerticalText(platform::Dc& dc, std::string_view text, int x, int y, int step)
{
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_CENTER);
    dc.SetBkMode(platform::TRANSPARENT);
    long long at = y;
    for (const char c : text) {
        // Positions far past any page are not drawn, and never wrap round.
        if (at > 1'000'000'000LL || at < -1'000'000'000LL)
            break;
        dc.TextOut(x, int(at), &c, 1);
        at += step;
    }
}

}  // namespace tracks
