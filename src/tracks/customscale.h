#pragma once
// The numbers of the custom curve tracks that need no drawing: where a value stands on a curve's linear
// or logarithmic scale, the texts of the scale labels and the height of a title written downwards.
#include <cstdint>
#include <optional>
#include <string>

namespace tracks {

// Device units per unit of value of a linear curve drawn across [left, right]: none when the maximum
// equals the minimum or the result is not finite, so such a curve has no scale and is not drawn.
std::optional<float> LinearCurveScale(std::int32_t left, std::int32_t right, float minimum, float maximum);

// A logarithmic curve's scale: a minimum not above 0 reads 0.1 and a maximum not above 0 reads 10000.
struct LogCurveScale {
    double minimum = 0.1;
    double maximum = 10000.0;
    double span = 0.0;  // ln(maximum) - ln(minimum)
};
// None when the span is 0 or not finite (a maximum equal to the minimum).
std::optional<LogCurveScale> LogCurveScaleOf(float minimum, float maximum);
// The resistivity curves are placed from this value rather than from their minimum.
constexpr double kResistivityReference = 0.4;
// Where `value` lies along the scale: 0 at the minimum, 1 at the maximum; `resistivity` measures from
// kResistivityReference. A value not above 0 has no logarithm: it lies at the minimum.
double LogCurvePosition(const LogCurveScale& scale, double value, bool resistivity);

// The x `offset` device units from the base edge of a track: from the left edge when the scale grows
// from the left, else from the right edge. Truncated toward zero; a NaN offset stands on the base edge.
std::int32_t CurveX(std::int32_t left, std::int32_t right, double offset, bool fromLeft);
// An x outside the track is drawn one unit inside the edge it passed.
std::int32_t ClipToTrack(std::int32_t x, std::int32_t left, std::int32_t right);

// The label of a scale's left edge ("<0.50", "<100") or right edge ("0.50>", "2.5>", "100>"): in a track
// wider than 50, two decimals for a value between 0 and 1 and a fraction above 1 to two decimals without
// trailing zeros; else the value truncated to a whole number.
std::string ScaleLabelText(float value, std::int64_t trackWidth, bool leftEdge);

// The height of a title of `characters` letters written downwards with row height `rowHeight`: 1.5 rows
// a letter, at most 15 rows when `capped`.
std::int32_t DownwardTitleHeight(std::size_t characters, std::int32_t rowHeight, bool capped);

}  // namespace tracks
