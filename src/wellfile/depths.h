#pragma once
// Whole depths computed from the files' stored values. Sums of stored int32 depths may leave the int32
// range in a damaged file; this brings them back, never into undefined behaviour. A stored float depth
// becomes a whole one through platform::Whole or platform::WholeOf.
#include <cstdint>
#include <limits>

namespace wellfile {

// A depth computed in 64 bits, brought back into the int32 range.
inline std::int32_t ClampDepth(std::int64_t depth)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(depth < lo ? lo : depth > hi ? hi : depth);
}

}  // namespace wellfile
