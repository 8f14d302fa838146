#include "tracks/tops.h"

#include "platform/text.h"
#include "wellfile/profile.h"

namespace tracks {

bool TopMatchesRow(int scaleIndex, std::int32_t topDepth, std::int32_t recordDepth)
{
    const long long top = topDepth, depth = recordDepth;
    if (scaleIndex >= 0 && scaleIndex <= 2)
        return top == depth - 2 || top == depth - 1;
    if (scaleIndex == 3)
        return depth - 2 <= top && top <= depth + 7;
    return false;
}

std::string TopLabel(const wellfile::TOPSEX& top, float kbElevation, bool dropLess)
{
    std::string label = platform::FieldText(top.text);
    if (top.appendSubsea != 0) {
        if (kbElevation == 0.0f)
            label = platform::CFormat("%s  (%s)", label.c_str(), "No Kb");
        else
            label = platform::CFormat("%s  (%3.1f)", label.c_str(), double(kbElevation - float(top.depth)));
    }
    if (dropLess && !label.empty() && label.front() == '<')
        label.erase(0, 1);
    return label;
}

bool TopHiddenMark(const wellfile::TOPSEX& top) { return top.text[0] == '<'; }

bool LessMarkProfile(int profile) { return wellfile::RedDepthProfile(profile); }

}  // namespace tracks
