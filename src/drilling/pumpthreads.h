#pragma once
// The pump-stroke threads. When the pump rates come over WITS rather than from the depth box's stroke
// contact, one thread per pump turns the pump's rate into strokes: it waits one stroke interval and
// counts a stroke, again and again; the drilling tick takes the strokes counted so far.
//
// The interval is written by the GUI thread (the WITS links) and read by the thread; the stroke count is
// raised by the thread and taken by the drilling tick. Both are atomics, and a stroke raised before the
// previous one was taken is kept: the count is a counter, so no stroke is lost to the lag by strokes.
//
// A thread waits through a StrokeWaiter that wakes as soon as it is asked to stop, so it is stopped and
// joined, never killed.
#include "wellfile/lagrecord.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>

namespace drilling {

constexpr int kPumpCount = 3;
constexpr std::int32_t kPumpStands = -1;  // the interval of a pump that stands
constexpr int kStandingWaitMs = 500;      // a standing pump's thread looks again after this

// One wait of a stroke thread.
class StrokeWaiter {
public:
    virtual ~StrokeWaiter() = default;
    // Waits `ms` milliseconds, or less when `stop` is requested meanwhile; false when it was.
    virtual bool Wait(std::stop_token stop, std::int32_t ms) = 0;
};

// The program's waiter: a condition variable on the steady clock, woken by a stop request.
std::unique_ptr<StrokeWaiter> MakeSteadyWaiter();

// What the stroke threads share with the GUI thread. Held through a shared pointer by the threads, so
// it outlives every thread however late its join comes.
struct PumpStrokes {
    PumpStrokes();

    // Milliseconds per stroke of each pump; below 1 the pump stands.
    std::array<std::atomic<std::int32_t>, kPumpCount> interval;
    // Strokes counted and not yet taken by the drilling tick.
    std::array<std::atomic<std::int32_t>, kPumpCount> strokes;
    // Makes the wait of a new thread (the steady clock unless a test sets its own).
    std::function<std::unique_ptr<StrokeWaiter>()> makeWaiter = MakeSteadyWaiter;

    // The strokes of `pump` (0 to 2) counted since the last take, zeroed in the same step.
    std::int32_t TakeStrokes(int pump) { return strokes.at(std::size_t(pump)).exchange(0); }
    // Sets `pump`'s interval from its rate in strokes per minute.
    void SetRate(int pump, float strokesPerMinute);
    // Every pump stands and no stroke is waiting (a new WITS link starts so).
    void Reset();
};

// The interval of a pump running at `strokesPerMinute`: 60,000 / rate ms, whole; kPumpStands at 0 or
// below.
std::int32_t StrokeInterval(float strokesPerMinute);

// The life of pump `pump`'s thread: while the pump stands it looks again every kStandingWaitMs; while
// it runs it waits one interval and counts a stroke (an interval changed meanwhile counts from the next
// wait). Returns when `stop` is requested.
void RunPumpThread(std::stop_token stop, const std::shared_ptr<PumpStrokes>& shared, int pump, StrokeWaiter& waiter);

// The three stroke threads as the main window holds them, with what they share.
struct PumpThreadSet {
    std::array<std::jthread, kPumpCount>& threads;
    const std::shared_ptr<PumpStrokes>& shared;
};

// Starts the thread of pump `number` (1 to 3). 1 when it runs, 0 for another number, -1 when it could
// not be started (after "ERROR: Could not start pump N thread\n").
int StartPumpThread(PumpThreadSet pumps, int number);

// Stops and joins pump `index`'s (0 to 2) thread when one runs. Otherwise, while pump strokes are
// counted, starts it for a pump on hole (or for any pump when the lag settings say all pumps); a thread
// that cannot be started is reported ("pump N error") and gives 0. Else 1.
int TogglePumpThread(PumpThreadSet pumps, int index, bool strokesCounted, const wellfile::LagRecord& lag);

}  // namespace drilling
