// The pump-stroke threads, run for real on a time line the test moves.
#include "app/logstate.h"
#include "drilling/pumpstrokes.h"
#include "drilling/pumpthreads.h"

#include "support/strokewaiter.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

using namespace drilling;
using testing_support::doubles;
using testing_support::FakeStrokeTime;

namespace {

struct PumpThreadsTest : ::testing::Test {
    FakeStrokeTime time;
    std::shared_ptr<PumpStrokes> shared = std::make_shared<PumpStrokes>();
    std::array<std::jthread, kPumpCount> threads;
    PumpThreadSet Set() { return {threads, shared}; }

    PumpThreadsTest() { shared->makeWaiter = time.Maker(); }
    ~PumpThreadsTest() override
    {
        for (auto& t : threads)
            t.request_stop();
    }
    std::int32_t Counted(int pump) const { return shared->strokes[std::size_t(pump)].load(); }
};

TEST(PumpStrokeInterval, OneStrokeEverySixtyThousandOverTheRateMilliseconds)
{
    EXPECT_EQ(StrokeInterval(120), 500);
    EXPECT_EQ(StrokeInterval(7), 8571);
    EXPECT_EQ(StrokeInterval(0), kPumpStands);
    EXPECT_EQ(StrokeInterval(-3), kPumpStands);
    EXPECT_EQ(StrokeInterval(1e-9f), 2147483647);
}

TEST_F(PumpThreadsTest, CountsEveryStrokeOfTheIntervalAndKeepsThoseNotYetTaken)
{
    shared->SetRate(0, 120);
    ASSERT_EQ(StartPumpThread(Set(), 1), 1);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(Counted(0), 0);

    time.Advance(1000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(Counted(0), 2);
    // No tick took them: the next second adds to them.
    time.Advance(1000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(shared->TakeStrokes(0), 4);

    // A rate changed during a wait counts from the next one: that wait still ends in a stroke.
    shared->SetRate(0, 0);
    time.Advance(5000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(shared->TakeStrokes(0), 1);
    time.Advance(5000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(Counted(0), 0);
}

TEST_F(PumpThreadsTest, AStandingPumpCountsNothing)
{
    ASSERT_EQ(StartPumpThread(Set(), 3), 1);
    time.Advance(5000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(Counted(2), 0);
    // Set going, it counts from its next look.
    shared->SetRate(2, 60);
    time.Advance(500 + 2000);
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(Counted(2), 2);
    EXPECT_EQ(StartPumpThread(Set(), 4), 0);
    EXPECT_EQ(StartPumpThread(Set(), 0), 0);
}

TEST_F(PumpThreadsTest, StrokesTakenWhileTheThreadCountsAreNeverLost)
{
    shared->interval[1] = 1;
    ASSERT_EQ(StartPumpThread(Set(), 2), 1);
    std::atomic<std::int64_t> taken = 0;
    std::jthread taker([&](std::stop_token stop) {
        while (!stop.stop_requested())
            taken += shared->TakeStrokes(1);
    });
    time.Advance(20000);
    ASSERT_TRUE(time.Settle());
    taker.request_stop();
    taker.join();
    EXPECT_EQ(taken + shared->TakeStrokes(1), 20000);
}

TEST_F(PumpThreadsTest, ToggleStopsARunningThreadAndStartsOnlyCountedPumpsOnHole)
{
    wellfile::LagRecord lag{};
    lag.pumpOnHole[0] = 1;
    ASSERT_EQ(TogglePumpThread(Set(), 0, true, lag), 1);
    ASSERT_TRUE(threads[0].joinable());
    ASSERT_TRUE(time.Settle());
    EXPECT_EQ(time.Running(), 1);

    // Running: stopped and joined, whatever the settings say now.
    EXPECT_EQ(TogglePumpThread(Set(), 0, false, wellfile::LagRecord{}), 1);
    EXPECT_FALSE(threads[0].joinable());
    EXPECT_EQ(time.Running(), 0);

    EXPECT_EQ(TogglePumpThread(Set(), 0, true, lag), 1);
    EXPECT_TRUE(threads[0].joinable());

    // Pump 2 is not on hole; strokes not counted; a pump that does not exist.
    EXPECT_EQ(TogglePumpThread(Set(), 1, true, lag), 1);
    EXPECT_FALSE(threads[1].joinable());
    lag.allPumps = 1;
    EXPECT_EQ(TogglePumpThread(Set(), 1, false, lag), 1);
    EXPECT_FALSE(threads[1].joinable());
    EXPECT_EQ(TogglePumpThread(Set(), 1, true, lag), 1);
    EXPECT_TRUE(threads[1].joinable());
    EXPECT_EQ(TogglePumpThread(Set(), 3, true, lag), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(PumpThreads, TheWindowsThreadsWakeFromALongStrokeWhenStopped)
{
    // The program's own wait: a stroke a week, which the stop must not wait for (the test's time limit
    // ends a stop that does).
    app::LogState log;
    log.engines.pumpStrokes->SetRate(0, 0.0001f);
    ASSERT_EQ(StartPumpThread(log, 1), 1);
    // Without a driller nothing is counted by strokes: a pump without a thread stays without.
    EXPECT_EQ(TogglePumpThread(log, 1), 1);
    EXPECT_FALSE(log.engines.pumpThreads[1].joinable());

    log.engines.StopWorkers();
    EXPECT_FALSE(log.engines.pumpThreads[0].joinable());
}

}  // namespace
