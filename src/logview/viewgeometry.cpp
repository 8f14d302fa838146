#include "logview/viewgeometry.h"

#include "platform/text.h"

#include <algorithm>
#include <cstring>

namespace logview {

namespace {

platform::LOGFONTA ArialFont(std::int32_t height, std::int32_t weight)
{
    platform::LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = platform::DEFAULT_CHARSET;
    platform::SetFieldText(lf.lfFaceName, "Arial");
    return lf;
}

}  // namespace

ViewFonts ViewFontsFor(std::int32_t R, std::int32_t U)
{
    // Character heights (negative: without the internal leading) follow the row height, so the text of
    // a row fits its row on every grid; the unit width only bounds the narrow ones.
    const std::int32_t narrow = std::min(R - 1, U);
    ViewFonts f;
    f.alternateDepth = ArialFont(-(R + 2), platform::FW_BOLD);
    f.verticalText = ArialFont(-narrow, platform::FW_NORMAL);
    f.surveyBlock = ArialFont(-narrow, platform::FW_BOLD);
    f.annotation = ArialFont(-R, platform::FW_BOLD);
    f.scale = ArialFont(-R, platform::FW_NORMAL);
    f.feetStyle = ArialFont(-(R + 2), platform::FW_BOLD);
    f.mark = ArialFont(-R, platform::FW_BOLD);
    return f;
}

}  // namespace logview
