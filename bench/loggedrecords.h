#pragma once
// Depth records as a logged interval holds them, for the benchmarks of the LAS export and the mudlog
// import: drilled rock with rates, weight on bit, gas and gamma on every record.
#include "wellfile/record.h"

#include <cstdio>
#include <vector>

// `count` records of depths `first` on, then `spare` zeroed ones.
inline std::vector<wellfile::RECORD> LoggedRecords(int count, int first, int spare = 0)
{
    std::vector<wellfile::RECORD> records(std::size_t(count + spare));
    for (int i = 0; i < count; ++i) {
        wellfile::RECORD& r = records[std::size_t(i)];
        r.depth = first + i;
        r.rateOdd = r.rateOne = r.rate2Ft = 1.5f + float(i % 7) * 0.25f;
        for (int g = 0; g < wellfile::GAS_COUNT; ++g)
            r.gas[g] = r.halfGas[g] = float(10 + (i + g) % 90) * 1.5f;
        for (float& v : r.gamma)
            v = float(40 + i % 90);
        r.gammaStep = 0.2f;
        std::snprintf(r.lith, sizeof r.lith, "%s", i % 3 ? "60SH,40SS" : "100LS");
    }
    return records;
}
