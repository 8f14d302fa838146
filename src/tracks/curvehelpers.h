#pragma once
// Values that no record stores, shared by the custom curve values and the LAS exports: the corrected
// drilling exponent, the rotary speed that the mud flow adds through a mud motor and the gas gravity.
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"

#include <cstdint>

namespace tracks {

// The mud weight the corrected exponent is referred to: with it the correction factor is 1.
constexpr double kReferenceMudWeight = 8.661;

// The corrected drilling exponent log10(rate / rotary) / log10(weight / size) x 8.661 / mud weight.
// Callers pass the rate in units per hour, 60 x the rotary speed, 12000 x the weight on bit and
// 1000000 x the hole size. 0 where the exponent has no value: a weight equal to the size (a zero
// divisor), or inputs that give no finite result.
double CalcDExponent(double rate, double rotary, double weight, double mudWeight, double size);

// The speed a mud motor of `factor` adds: factor x 42 x pump output x stroke rate. A pump output of
// exactly 0 is replaced by the mean output x efficiency of the pumps 1 and 2 on hole in `lag` (the sum
// of both products over the pumps whose output is above 0); 0 when no pump is on hole.
float CalcPumpVolume(const wellfile::LagRecord& lag, float factor, std::int32_t strokeRate, float pumpOutput);

// The specific gravity (air 1) of the record's whole-step gas, or of its first half step: the components
// C1 .. iC5 weighted by their own gravities (methane 0.554, ethane 1.038, propane 1.523, the butanes
// 2.007, i-pentane 2.491), sum of component x gravity / sum of the components, at their magnitudes. 0
// without any of them.
double GasSpecificGravity(const wellfile::RECORD& record, bool halfStep = false);

}  // namespace tracks
