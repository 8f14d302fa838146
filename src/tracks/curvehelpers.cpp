#include "tracks/curvehelpers.h"

#include <cmath>

namespace tracks {

namespace {
constexpr float kGallonsPerBarrel = 42.0f;
}  // namespace

double CalcDExponent(double rate, double rotary, double weight, double mudWeight, double size)
{
    const double divisor = std::log10(weight / size);
    if (divisor == 0.0 || !std::isfinite(divisor))
        return 0.0;
    const double exponent = std::log10(rate / rotary) / divisor * kReferenceMudWeight / mudWeight;
    return std::isfinite(exponent) ? exponent : 0.0;
}

float CalcPumpVolume(const wellfile::LagRecord& lag, float factor, std::int32_t strokeRate, float pumpOutput)
{
    if (pumpOutput == 0.0f) {
        const float outputs[2] = {lag.pump1Output, lag.pump2Output};
        float sum = 0.0f;
        int counted = 0;
        for (int p = 0; p < 2; ++p) {
            if (lag.pumpOnHole[p] == 0)
                continue;
            sum += outputs[p] * lag.pumpEfficiency[p];
            // A pump on hole without an output adds nothing but is not counted in the mean either.
            if (outputs[p] > 0.0f)
                ++counted;
        }
        pumpOutput = counted > 0 ? sum / float(counted) : sum;
    }
    return factor * kGallonsPerBarrel * pumpOutput * float(strokeRate);
}

double GasSpecificGravity(const wellfile::RECORD& record, bool halfStep)
{
    // Molar mass / 28.96 (air) of C1, C2, C3, iC4, nC4, iC5.
    static constexpr double kGravity[6] = {0.554, 1.038, 1.523, 2.007, 2.007, 2.491};
    double weighted = 0, sum = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const double c = std::fabs(double(halfStep ? record.halfGas[i + 1] : record.gas[i + 1]));
        weighted += c * kGravity[i];
        sum += c;
    }
    return sum > 0 && std::isfinite(weighted / sum) ? weighted / sum : 0.0;
}

}  // namespace tracks
