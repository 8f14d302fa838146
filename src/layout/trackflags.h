#pragma once
// The 40 track-visibility flags of the main window, copied from the current display scheme: which
// e-log curves, mud-log columns and extras the log shows. Index = flag number; 0 off, non-zero on.
#include <array>
#include <cstdint>

namespace layout {

constexpr int kTrackFlagCount = 40;
using TrackFlags = std::array<std::int32_t, kTrackFlagCount>;

// Flags that code tests by role. 1-15 are the e-log curves 1-15.
enum TrackFlag : int {
    FLAG_ALWAYS_ON = 0,
    FLAG_FIRST_CURVE = 1,
    FLAG_SONIC = 5,
    FLAG_LAST_CURVE = 15,
    FLAG_LITHOLOGY = 16,
    FLAG_GAS = 17,
    FLAG_DESCRIPTIONS = 18,
    FLAG_SHOWS = 19,
    FLAG_NOTES = 20,
    FLAG_OUTLINES = 21,
    FLAG_ROP = 22,
    FLAG_DENSITY_ON_RATE_GRID = 23,
    FLAG_WRAP = 25,
    FLAG_LAG_TIME = 26,
    FLAG_WEIGHT_ON_BIT = 27,
    FLAG_TEMPERATURE = 28,
    FLAG_MUD_WEIGHTS = 29,
    FLAG_CO2 = 31,
    FLAG_MEMOS = 33,
    FLAG_FLARES = 36,  // the flare polygon in the gas track
    FLAG_INTERPRETED_LITH = 38,
    FLAG_HARDNESS_LABEL = 39,
};

// Flag 0 and the mud-log columns 16-22 on, everything else off: what a new scheme shows.
inline TrackFlags DefaultTrackFlags()
{
    TrackFlags f{};
    f[FLAG_ALWAYS_ON] = 1;
    for (int k = FLAG_LITHOLOGY; k <= FLAG_ROP; ++k)
        f[std::size_t(k)] = 1;
    return f;
}

inline bool On(const TrackFlags& f, int flag) { return f[std::size_t(flag)] != 0; }

}  // namespace layout
