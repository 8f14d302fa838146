#pragma once
// Whole depths from the files' stored values. Damaged files hold any bit pattern: a float depth may be
// NaN or far out of range, and sums of stored int32 depths may leave the int32 range. These turn such
// values into something every caller can compute with, never into undefined behaviour.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace wellfile {

// A float depth as stored in the custom-data and ext-record files, as whole units; nullopt for NaN,
// infinities and values outside the int32 range.
inline std::optional<std::int32_t> WholeDepthOf(float depth)
{
    if (!std::isfinite(depth) || depth >= 2147483520.0f || depth <= -2147483520.0f)
        return std::nullopt;
    return std::int32_t(depth);
}

// The same, with such garbage read as 0.
inline std::int32_t WholeDepth(float depth) { return WholeDepthOf(depth).value_or(0); }

// A depth computed in 64 bits, brought back into the int32 range.
inline std::int32_t ClampDepth(std::int64_t depth)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(depth < lo ? lo : depth > hi ? hi : depth);
}

}  // namespace wellfile
