#pragma once
// The mud weights in force above a painted range: the custom curves repeat the last accepted mud weight
// over records that have none, so a paint starts from the weights of the records just above it.
#include "wellfile/openwell.h"

#include <cstdint>

namespace tracks {

// The last mud weight out above 5.0 of the data file's records from `startDepth` to `endDepth`, 0.0
// when there is none; the last mud weight in above 5.0 is stored in `mudIn`, which is left alone when
// there is none. The scan stops at a record of depth 0 or past `endDepth`. Nothing is read (0.0, `mudIn`
// untouched) for a depth step of 0 or less, an empty or inverted range, or a start above the file's
// first record; no more records are read than the data file holds.
float FindLastMudWeights(wellfile::OpenWell& well, float& mudIn, std::int32_t startDepth, std::int32_t endDepth);

}  // namespace tracks
