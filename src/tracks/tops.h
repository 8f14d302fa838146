#pragma once
// The formation tops as the log shows them: which rows a top belongs to, its label and the y of its
// line. Pure rules; the painter is tracks/draw/topscolumn.h.
#include "wellfile/topsex.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tracks {

// What the tops painter reads besides the geometry: the well's tops (read only: a paint never changes
// them), the KB elevation, the show switches of the screen and the paper, and the drilling marker.
struct TopsView {
    std::span<const wellfile::TOPSEX> tops;
    float kbElevation = 0;            // 0.0: not set
    bool screenShown = true;          // the screen tops switch
    bool printShown = true;           // the printed tops switch
    bool drillingMarker = false;      // drilling mode is on and its depth-marker setting is set
    // Two more x positions where each label is repeated, boxed, when a layout asks for them.
    std::optional<std::array<std::int32_t, 2>> secondLabels;
};

// True when the row of the record at `recordDepth` draws a top at `topDepth`: on scale indexes 0 to 2
// the records one and two units below the top; on index 3 from two units above to seven below; on
// the other indexes never.
bool TopMatchesRow(int scaleIndex, std::int32_t topDepth, std::int32_t recordDepth);

// The label: the name (read within its field), followed by the subsea depth (KB less the top's depth)
// or "No Kb" when the subsea flag is set. `dropLess` removes a leading "<".
std::string TopLabel(const wellfile::TOPSEX& top, float kbElevation, bool dropLess);

// True when the name begins with "<".
bool TopHiddenMark(const wellfile::TOPSEX& top);

// Profiles whose "<" tops stay off paper and lose the "<" on screen.
bool LessMarkProfile(int profile);

}  // namespace tracks
