#pragma once
// Sets up a case on the gas monitor engine: each helper edits a copy of one group of its state and sets
// it back through the engine's call.
#include "gasmon/autogas.h"

namespace testing_support {

template <class Edit>
void EditSettings(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasSettings v = e.Settings();
    edit(v);
    e.SetSettings(v);
}

template <class Edit>
void EditCycle(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasCycle v = e.Cycle();
    edit(v);
    e.SetCycle(v);
}

template <class Edit>
void EditRequests(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasRequests v = e.Requests();
    edit(v);
    e.SetRequests(v);
}

template <class Edit>
void EditCoilState(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasCoilState v = e.CoilState();
    edit(v);
    e.SetCoilState(v);
}

template <class Edit>
void EditReadings(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasReadings v = e.Readings();
    edit(v);
    e.SetReadings(v);
}

template <class Edit>
void EditBooking(gasmon::AutoGas& e, Edit edit)
{
    gasmon::GasBooking v = e.Booking();
    edit(v);
    e.SetBooking(v);
}

}  // namespace testing_support
