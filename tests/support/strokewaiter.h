#pragma once
// Stroke waits on a time line the test moves, so the pump-stroke threads run for real without a test
// ever sleeping. Each waiter counts its own waits from 0; a wait ends once the test's time has reached
// its end (or the thread is asked to stop). Settle waits, bounded, until every thread is blocked on a
// wait that ends after the test's time, so what the threads did up to that time can be read.
#include "drilling/pumpthreads.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace testing_support {

class FakeStrokeTime {
public:
    FakeStrokeTime();
    // The waiter maker for drilling::PumpStrokes::makeWaiter; the waiters keep this time line alive.
    std::function<std::unique_ptr<drilling::StrokeWaiter>()> Maker() const;
    void Advance(std::int64_t ms);
    // True once every waiter made is blocked on a wait that ends after now, or its thread has ended;
    // false when that did not come about within `limit`.
    bool Settle(std::chrono::milliseconds limit = std::chrono::seconds(60)) const;
    // Waiters made so far whose thread still runs.
    int Running() const;

    struct Line;
    struct Core;

private:
    std::shared_ptr<Core> core_;
};

}  // namespace testing_support
