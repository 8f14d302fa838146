#include "platform/logfont.h"

#include "platform/text.h"

#include <cstring>

namespace platform {

LOGFONTA MakeLogFont(const char* face, int height, int width, std::uint8_t pitchAndFamily, int weight)
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = pitchAndFamily;
    SetFieldText(lf.lfFaceName, face);
    return lf;
}

}  // namespace platform
