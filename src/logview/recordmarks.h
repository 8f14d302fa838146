#pragma once
// The connection and trip marks a Ctrl-click sets in the depth records: the code at offset 364 of one
// record, read from the data file and written straight back. Nothing else of the record changes.
#include <cstdint>
#include <optional>

namespace wellfile {
struct OpenWell;
}

namespace logview {

// The trip code after a toggle on the row of depth `d`: any mark is cleared, else 4 for an even and 5
// for an odd depth.
std::uint16_t ToggledTripCode(std::uint16_t code, std::int32_t d);
// The connection code after a toggle at depth `d`: none becomes 2 for an even and 1 for an odd depth,
// any mark is cleared.
std::uint16_t ToggledConnectionCode(std::uint16_t code, std::int32_t d);

// The casing-point code after a toggle: a casing point (3) is cleared, any other code becomes 3.
std::uint16_t ToggledCasingCode(std::uint16_t code, std::int32_t d);

// What a toggle wrote: the record's code before and after.
struct MarkToggle {
    std::uint16_t before = 0;
    std::uint16_t after = 0;
};

// Toggles the trip mark of the row of depth `d`, which marks the record one step below it. Nothing when
// that record cannot be read or written.
std::optional<MarkToggle> ToggleTripMark(wellfile::OpenWell& well, std::int32_t d);
// Toggles the connection mark of the record of depth `d`.
std::optional<MarkToggle> ToggleConnectionMark(wellfile::OpenWell& well, std::int32_t d);
// Toggles the casing-point mark of the row of depth `d`, on the record one step below it.
std::optional<MarkToggle> ToggleCasingMark(wellfile::OpenWell& well, std::int32_t d);

}  // namespace logview
