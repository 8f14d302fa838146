#include "logview/averages.h"

#include <algorithm>
#include <cmath>

namespace logview {

namespace {

RecordGroup FirstFive(RecordGroup group) { return group.first(std::min<std::size_t>(group.size(), kGroupSize)); }

template <typename Field>
std::uint16_t LetterMean(RecordGroup group, Field field)
{
    int sum = 0;
    for (const wellfile::RECORD& r : FirstFive(group))
        sum += wellfile::RatingValue(field(r));
    return wellfile::RatingLetter(sum / kGroupSize);
}

template <typename Field>
int IntegerMean(RecordGroup group, Field field)
{
    int sum = 0;
    for (const wellfile::RECORD& r : FirstFive(group))
        sum += field(r);
    return sum / kGroupSize;
}

}  // namespace

int AvgCutRating(RecordGroup group, std::uint16_t& letter)
{
    letter = LetterMean(group, [](const wellfile::RECORD& r) { return r.cutRating; });
    return 4;
}

int AvgPorosityRating(RecordGroup group, std::uint16_t& letter)
{
    letter = LetterMean(group, [](const wellfile::RECORD& r) { return r.porosity; });
    return 4;
}

int AvgFluorescencePercent(RecordGroup group)
{
    return IntegerMean(group, [](const wellfile::RECORD& r) { return int(r.fluorPercent); });
}

int AvgHardnessPercent(RecordGroup group, int& mean)
{
    mean = IntegerMean(group, [](const wellfile::RECORD& r) { return int(r.hardness); });
    return 5;
}

float MaxCurveValueInRange(RecordGroup group, std::int32_t fileFirstDepth, std::int32_t fileLastDepth, int& count)
{
    float maximum = 0;
    for (const wellfile::RECORD& r : FirstFive(group)) {
        if (r.depth < fileFirstDepth || r.depth >= fileLastDepth)
            break;
        const float v = r.gas[wellfile::GAS_NINTH];
        if (v > maximum)
            maximum = v;
    }
    count = kGroupSize;
    return maximum;
}

int MaxFlareLength(RecordGroup group, int& count)
{
    int maximum = 0;
    for (const wellfile::RECORD& r : FirstFive(group))
        maximum = std::max<int>(maximum, r.flareLength);
    count = kGroupSize;
    return maximum;
}

int MaxGasComponents(RecordGroup group, std::array<float, 8>& maxima)
{
    maxima.fill(0);
    for (const wellfile::RECORD& r : FirstFive(group))
        for (std::size_t k = 0; k < maxima.size(); ++k) {
            const float v = r.gas[k];
            if (v > maxima[k])
                maxima[k] = std::fabs(v);
        }
    return 1;
}

}  // namespace logview
