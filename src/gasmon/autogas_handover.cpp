// What the set-up dialog, the depth box and the WITS links hand to a running engine.
#include "gasmon/autogas.h"

#include <algorithm>

namespace gasmon {

void AutoGas::StartRequestedCycle()
{
    requests_.calibrationCycle = requests_.calibrationRequest;
    requests_.calibrationRequest = false;
    StartCycle();
}

void AutoGas::SelectIntegrator(bool sri, bool baseline)
{
    settings_.sriMode = sri ? 1 : 0;
    settings_.baselineMode = !sri && baseline;
}

void AutoGas::TakeWitsGas(int index, float value)
{
    GASRECORD& r = readings_.record;
    if (index >= 1 && index <= 6) {
        const float v = std::max(value, 0.0f);
        readings_.values[std::size_t(index)] = v;
        if (value < 0)
            r.components[index - 1] = 0;
        else if (value > r.components[index - 1])
            r.components[index - 1] = value;
    } else if (index == 7) {
        readings_.values[7] = value;
        if (value > r.nc5)
            r.nc5 = value;
        if (r.nc5 < 0)
            r.nc5 = 0;
    } else if (index == 8) {
        const float v = std::max(value, 0.0f);
        readings_.values[8] = v;
        if (v > r.co2)
            r.co2 = v;
    }
}

void AutoGas::RaiseTotalGasPeak(float totalGas)
{
    const float peak = readings_.record.totalGas;  // packed: by value
    readings_.record.totalGas = std::max(peak, totalGas);
}

void AutoGas::SetBookedGas(int index, float value)
{
    if (index >= 0 && index < int(readings_.bookedGas.size()))
        readings_.bookedGas[std::size_t(index)] = value;
}

}  // namespace gasmon
