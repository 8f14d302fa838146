#pragma once
// TvdInterval: one survey interval of the TVD log, 277 bytes. The TVD well's ".tvd" file holds the
// current one, written raw; the survey dialog keeps its list of stations in the same record.
// Packed little-endian byte image; members are read and assigned by value.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace elog {

static_assert(std::endian::native == std::endian::little, "the .tvd file is a little-endian byte image");

#pragma pack(push, 1)
struct TvdInterval {
    float mdStart = 0;                  //   0 measured depth the interval starts at
    float mdEnd = 0;                    //   4 the station's measured depth
    float tvdStart = 0;                 //   8 the last depth already written to the TVD data file
    float tvdEnd = 0;                   //  12 the station's true vertical depth
    std::uint8_t reserved16[4] = {};    //  16 written as 0
    std::uint8_t copyDescriptions = 0;  //  20 1: memos are copied to the TVD well
    float inclination = 0;              //  21 at the station
    std::uint8_t reserved25[252] = {};  //  25 written as 0
};
#pragma pack(pop)
static_assert(sizeof(TvdInterval) == 277);
static_assert(offsetof(TvdInterval, tvdStart) == 8 && offsetof(TvdInterval, tvdEnd) == 12);
static_assert(offsetof(TvdInterval, copyDescriptions) == 20 && offsetof(TvdInterval, inclination) == 21);

}  // namespace elog
