#include "drilling/pumpstrokes.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/pumpthreads.h"

namespace drilling {

namespace {

PumpThreadSet ThreadsOf(app::LogState& log) { return {log.engines.pumpThreads, log.engines.pumpStrokes}; }

}  // namespace

int StartPumpThread(app::LogState& log, int number) { return StartPumpThread(ThreadsOf(log), number); }

int TogglePumpThread(app::LogState& log, int pump)
{
    const Driller* d = log.engines.driller;
    const bool strokesCounted = d && d->Strokes();
    return TogglePumpThread(ThreadsOf(log), pump, strokesCounted, d ? d->Lag() : wellfile::LagRecord{});
}

}  // namespace drilling
