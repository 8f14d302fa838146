#include "reports/pumpoutput.h"

#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/openwell.h"
#include "wellfile/witsrecord.h"

#include <array>

namespace reports {

namespace {

constexpr std::int32_t kCustomMargin = 50;
constexpr int kCustomRun = 5;

float FromCustomRecord(const wellfile::OpenWell& well, std::int32_t depth)
{
    std::array<wellfile::CUSTDATAREC, kCustomRun + 1> rows{};
    if (wellfile::ReadCustomRecords(well, rows, well.customDataFileName, depth - well.fileTopDepth, kCustomRun) < 1)
        return 0;
    const wellfile::CUSTDATAREC& r = rows[0];
    return r.spm * r.pumpOutput * r.motorFactor * kGallonsPerBarrel;
}

float FromLagSettings(const wellfile::LagRecord& lag, const wellfile::WITSRECORD& live)
{
    const float factor = lag.motorRevsPerGallon;
    if (factor == 0 || (lag.pump1Spm == 0 && lag.pump2Spm == 0) || (lag.pump1Output == 0 && lag.pump2Output == 0) ||
        (lag.pumpOnHole[0] == 0 && lag.pumpOnHole[1] == 0))
        return 0;
    const std::array<float, 3> perStroke{lag.pump1Output, lag.pump2Output, lag.pump3Output};
    const std::array<std::uint16_t, 3> rate{live.spm1, live.spm2, live.spm3};
    // Each pump on hole moves its own rate x output x efficiency: pumps of different output are not
    // averaged.
    float flow = 0;
    for (std::size_t k = 0; k < 3; ++k)
        if (lag.pumpOnHole[k] != 0)
            flow += float(rate[k]) * perStroke[k] * lag.pumpEfficiency[k];
    return flow * kGallonsPerBarrel * factor;
}

}  // namespace

float ComputePumpOutput(const wellfile::OpenWell* well, const wellfile::LagRecord* lag, const wellfile::WITSRECORD* live,
                        std::int32_t depth)
{
    if (well && depth > well->fileTopDepth + kCustomMargin && depth < well->fileBottomDepth - kCustomMargin)
        return FromCustomRecord(*well, depth);
    if (!lag || !live)
        return 0;
    return FromLagSettings(*lag, *live);
}

}  // namespace reports
