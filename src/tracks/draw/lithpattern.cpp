#include "tracks/draw/lithpattern.h"

namespace tracks {

// The rock patterns come with the pattern painters' own work; until then a row is left as the grid
// strips drew it.
void DrawLithPattern(const LithPatternTarget&, const LithPattern&) {}

// The printed patterns come with the printed log.
void PrintLithPattern(const LithPatternTarget&, const LithPattern&) {}

}  // namespace tracks
