#pragma once
// The horizontal plot's curves as screen points, computed from the depth records before they are
// painted: the eight gases in the upper band, rate, gamma and WRT gamma in the lower band, each with a
// "wrap" array carrying the part of a curve that ran off the top of its band. Also the vertical
// section at a depth, read from the well-path table the path painter fills. Pure values; the painters
// in horizontal/draw draw them.
#include "horizontal/horzbands.h"
#include "horizontal/horzsetup.h"
#include "platform/gdi.h"
#include "wellfile/record.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace horizontal {

// One row of the well-path table: one per record of the plot, TVD and VS 0 where the record is not a
// survey station.
struct WellPathRow {
    std::int32_t depth = 0;
    float tvd = 0, rate = 0, totalGas = 0, azimuth = 0, inclination = 0, vs = 0, spare = 0;
    std::int32_t x = 0;
    char lith[30] = {};
};

struct TrackInputs {
    std::span<const wellfile::RECORD> records;  // from the first drawn record
    int n = 0;                                  // records of the drawn range
    std::int32_t fileLastDepth = 0;
    int profile = 0;
    bool ratesPerHour = false;
    bool perHourRates = true;                   // the set-up record carries the rates mark (kRatesMark)
    std::int32_t plotFirstDepth = 0;
    int plotLeft = 50, pixelsPerUnit = 8;
    HorzBands bands;
    std::span<const float> pathSlopes;          // one per record, from the first drawn
    std::span<const platform::POINT> pathTrace; // the traced path, one point per column
    bool co2 = false;                           // the CO2 line is drawn, on this scale (1..5)
    int co2Scale = 1;
    std::span<const float> thirdValues;         // the third curve's values, one per record (NaN: none)
};

struct TrackPoints {
    std::array<std::vector<platform::POINT>, 8> gas;
    std::vector<platform::POINT> rate, rateWrap, gamma, gammaWrap, wrt, wrtWrap;
    std::vector<platform::POINT> co2;    // the gas band read down from its top, 0 to the CO2 full scale
    std::vector<platform::POINT> third;  // the lower band read down from its top, -0.10 to 0.30
    int rateStairsLast = -1, gammaLast = -1, wrtLast = -1;
    bool rateWrapped = false, gammaWrapped = false, wrtGammaWrapped = false;
    int gasScale = 0;      // the gas scale in force after the walk (records' codes with vertical gas scales)
    int perHourScale = 1;  // the per-hour scale code after the walk
    int result = 0;        // the rate answer: two points a record, about
};

// Every array of one drawing; `result` as the rate walk answers it.
TrackPoints ComputeTrackPoints(const TrackInputs& in, const HorzViewSettings& s);
// The rate points in metres per hour (read from the top of the band down) into `out`; the answer.
int ComputeRateTrackPoints(const TrackInputs& in, const HorzViewSettings& s, TrackPoints& out);

// The vertical section at `depth` from the table's first `count` rows: between the station at or
// before the depth and the next one; the last depth's answer past the file's last depth.
float VsAtDepth(std::span<const WellPathRow> table, int count, std::int32_t depth, std::int32_t fileLastDepth,
                std::int32_t firstDrawn, std::int32_t lastDrawn);

}  // namespace horizontal
