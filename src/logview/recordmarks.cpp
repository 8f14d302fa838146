#include "logview/recordmarks.h"

#include "wellfile/datafile.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <array>

namespace logview {

namespace {

bool Even(std::int32_t d) { return (d & 1) == 0; }

// Reads record `index`, gives its code to `toggle` and writes the record back.
std::optional<MarkToggle> Toggle(wellfile::OpenWell& well, long long index, std::int32_t d,
                                 std::uint16_t (*toggle)(std::uint16_t, std::int32_t))
{
    if (index < 0 || index > 0x7FFFFFFF || well.dataFileName.isEmpty())
        return std::nullopt;
    // Room for the end mark the read writes after the record.
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(well, buffer, well.dataFileName, int(index), 1) != 1)
        return std::nullopt;
    MarkToggle t;
    t.before = buffer[0].tripCode;
    t.after = toggle(t.before, d);
    buffer[0].tripCode = t.after;
    if (wellfile::SaveRecords(well, std::span<const wellfile::RECORD>(buffer.data(), 1), well.dataFileName, int(index), 1) != 1)
        return std::nullopt;
    return t;
}

long long IndexOf(const wellfile::OpenWell& well, std::int32_t d)
{
    const int step = well.depthStep > 0 ? well.depthStep : 1;
    return ((long long)d - well.fileTopDepth) / step;
}

}  // namespace

std::uint16_t ToggledTripCode(std::uint16_t code, std::int32_t d) { return code != 0 ? 0 : Even(d) ? 4 : 5; }

std::uint16_t ToggledConnectionCode(std::uint16_t code, std::int32_t d) { return code != 0 ? 0 : Even(d) ? 2 : 1; }

std::uint16_t ToggledCasingCode(std::uint16_t code, std::int32_t) { return code == 3 ? 0 : 3; }

std::optional<MarkToggle> ToggleTripMark(wellfile::OpenWell& well, std::int32_t d)
{
    return Toggle(well, IndexOf(well, d) + 1, d, ToggledTripCode);
}

std::optional<MarkToggle> ToggleConnectionMark(wellfile::OpenWell& well, std::int32_t d)
{
    return Toggle(well, IndexOf(well, d), d, ToggledConnectionCode);
}

std::optional<MarkToggle> ToggleCasingMark(wellfile::OpenWell& well, std::int32_t d)
{
    return Toggle(well, IndexOf(well, d) + 1, d, ToggledCasingCode);
}

}  // namespace logview
