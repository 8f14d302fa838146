#include "tracks/lastmudweights.h"

#include "wellfile/datafile.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace tracks {

namespace {
constexpr float kSmallestMudWeight = 5.0f;
constexpr std::int64_t kMaxIndex = std::numeric_limits<std::int32_t>::max() - 16;
}

float FindLastMudWeights(wellfile::OpenWell& well, float& mudIn, std::int32_t startDepth, std::int32_t endDepth)
{
    const std::int64_t step = well.depthStep;
    if (step <= 0)
        return 0.0f;
    std::int64_t count = (std::int64_t(endDepth) - startDepth) / step;
    const std::int64_t first = (std::int64_t(startDepth) - well.fileTopDepth) / step;
    if (count <= 0 || first < 0)
        return 0.0f;
    // The stored depths bound nothing on a damaged file: the file's own length does.
    count = std::min(count, wellfile::RecordsInDataFile(well.dataFileName) - first);
    if (count <= 0 || first > kMaxIndex)
        return 0.0f;
    count = std::min(count, kMaxIndex);

    std::vector<wellfile::RECORD> buffer(std::size_t(count) + 10);
    const int n = wellfile::ReadRecords(well, buffer, well.dataFileName, int(first), int(count));
    float out = 0.0f;
    for (int k = 0; k < n; ++k) {
        const wellfile::RECORD& r = buffer[std::size_t(k)];
        if (r.depth == 0 || r.depth > endDepth)
            break;
        const float o = r.mudWeightOut;
        const float i = r.mudWeightIn;
        if (o > kSmallestMudWeight)
            out = o;
        if (i > kSmallestMudWeight)
            mudIn = i;
    }
    return out;
}

}  // namespace tracks
