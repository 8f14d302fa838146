#include "logview/gasratios.h"

#include "platform/numbers.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace logview {

const std::array<std::array<float, 4>, 3> kGasRatioBoundaries{{
    {40.0f, 108.8f, 295.936f, 804.9459f},   // dry gas
    {9.0f, 16.02f, 28.5156f, 50.75777f},    // gas condensate
    {3.5f, 5.04f, 7.2576f, 10.45094f},      // oil
}};

namespace {

float Ratio(float c1, float divisor) { return divisor > 0 ? c1 / divisor : 0.0f; }

}  // namespace

GasRatios RatiosOfRecord(const wellfile::RECORD& r)
{
    const float* g = r.gas;
    GasRatios out;
    out.values = {Ratio(g[wellfile::GAS_C1], g[wellfile::GAS_C2]), Ratio(g[wellfile::GAS_C1], g[wellfile::GAS_C3]),
                  Ratio(g[wellfile::GAS_C1], g[wellfile::GAS_IC4] + g[wellfile::GAS_NC4]),
                  Ratio(g[wellfile::GAS_C1], g[wellfile::GAS_IC5] + g[wellfile::GAS_NC5])};
    out.depth = r.depth;
    return out;
}

GasRatios RatiosOfExtRecord(const wellfile::EXTRECORD& r)
{
    GasRatios out;
    std::memcpy(out.values.data(), reinterpret_cast<const char*>(&r) + 186, sizeof out.values);
    out.depth = platform::Whole(r.depth);
    return out;
}

std::optional<GasRatios> ReadExtRatios(const wellfile::FitFile& fit, std::int32_t depth, int records)
{
    const long long index = (long long)depth - fit.topDepth;
    if (records <= 0 || index < 0 || index > 0x7FFFFFFF || fit.path.isEmpty())
        return std::nullopt;
    const int count = 2 * records;
    std::vector<wellfile::EXTRECORD> buffer(std::size_t(count) + 1);  // and the end mark the read writes
    if (wellfile::ReadExtRecords(fit, buffer, fit.path, int(index), count) < 1)
        return std::nullopt;
    return RatiosOfExtRecord(buffer[0]);
}

int GasRatioY(float value, int top, int side)
{
    if (!(value > 0))
        value = 1;
    return int(top + side - std::log(double(value) / 1) / (std::log(1000.0) - std::log(1.0)) * side);
}

}  // namespace logview
