#include "drilling/pumpthreads.h"

#include "platform/numbers.h"
#include "platform/services.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>

namespace drilling {

namespace {

class SteadyWaiter final : public StrokeWaiter {
public:
    bool Wait(std::stop_token stop, std::int32_t ms) override
    {
        std::unique_lock lock(mutex_);
        // Nothing but a stop request ends the wait early.
        cv_.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; });
        return !stop.stop_requested();
    }

private:
    std::mutex mutex_;
    std::condition_variable_any cv_;
};

}  // namespace

std::unique_ptr<StrokeWaiter> MakeSteadyWaiter() { return std::make_unique<SteadyWaiter>(); }

PumpStrokes::PumpStrokes()
{
    for (auto& i : interval)
        i.store(kPumpStands);
    for (auto& s : strokes)
        s.store(0);
}

void PumpStrokes::SetRate(int pump, float strokesPerMinute)
{
    interval.at(std::size_t(pump)).store(StrokeInterval(strokesPerMinute));
}

void PumpStrokes::Reset()
{
    for (auto& i : interval)
        i.store(kPumpStands);
    for (auto& s : strokes)
        s.store(0);
}

std::int32_t StrokeInterval(float strokesPerMinute)
{
    if (!(strokesPerMinute > 0))
        return kPumpStands;
    // A rate too small to give a 32-bit interval stands as well as any pump can.
    return platform::TruncInt(60.0 / double(strokesPerMinute) * 1000.0);
}

void RunPumpThread(std::stop_token stop, const std::shared_ptr<PumpStrokes>& shared, int pump, StrokeWaiter& waiter)
{
    std::atomic<std::int32_t>& interval = shared->interval.at(std::size_t(pump));
    std::atomic<std::int32_t>& strokes = shared->strokes.at(std::size_t(pump));
    while (!stop.stop_requested()) {
        const std::int32_t ms = interval.load();
        if (ms < 1) {
            if (!waiter.Wait(stop, kStandingWaitMs))
                return;
            continue;
        }
        if (!waiter.Wait(stop, ms))
            return;
        strokes.fetch_add(1);
    }
}

int StartPumpThread(PumpThreadSet pumps, int number)
{
    if (number < 1 || number > kPumpCount)
        return 0;
    const int index = number - 1;
    try {
        std::shared_ptr<PumpStrokes> shared = pumps.shared;
        std::unique_ptr<StrokeWaiter> waiter = shared->makeWaiter();
        pumps.threads[std::size_t(index)] =
            std::jthread([shared = std::move(shared), index, waiter = std::move(waiter)](std::stop_token stop) {
                RunPumpThread(stop, shared, index, *waiter);
            });
    } catch (const std::system_error&) {
        platform::MessageBox(QStringLiteral("ERROR: Could not start pump %1 thread\n").arg(number),
                             number == 1 ? QStringLiteral("Thread Initilization Failed") : QStringLiteral("Thread Failed"));
        return -1;
    }
    return 1;
}

int TogglePumpThread(PumpThreadSet pumps, int index, bool strokesCounted, const wellfile::LagRecord& lag)
{
    if (index < 0 || index >= kPumpCount)
        return 1;
    std::jthread& thread = pumps.threads[std::size_t(index)];
    if (thread.joinable()) {
        // The thread waits on a stop-aware wait: it ends at once, and is joined here.
        thread.request_stop();
        thread.join();
        thread = std::jthread();
        return 1;
    }
    if (!strokesCounted)
        return 1;
    if (lag.pumpOnHole[index] == 0 && lag.allPumps == 0)
        return 1;
    if (StartPumpThread(pumps, index + 1) == -1) {
        platform::MessageBox(QStringLiteral("pump %1 error").arg(index + 1), QStringLiteral("Invalid Handle"));
        return 0;
    }
    return 1;
}

}  // namespace drilling
