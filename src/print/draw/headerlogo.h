#pragma once
// The logo of the printed header: a JPEG read through the image library, enlarged 2.2 times and copied
// to the page.
#include <QString>

namespace platform {
class Dc;
}

namespace print {

// Where the logo goes: its left edge at `centreX` minus the enlarged width, its top at `top`, copied at
// twice the enlarged size when `doubleSize`.
struct LogoPlace {
    int centreX = 0;
    int top = 0;
    bool doubleSize = false;
};

// Draws the JPEG `file` (which exists). A JPEG that cannot be read, or whose pixels would pass the image
// reader's allocation limit, says "Image Failed toLoad"; an image that cannot be allocated says "JPG
// Memory allocation failed"; both return 0 and draw nothing. 1 when drawn.
int DrawHeaderLogo(platform::Dc& dc, const QString& file, const LogoPlace& place);

}  // namespace print
