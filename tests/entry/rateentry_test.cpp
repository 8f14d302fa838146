// Rate entry on an entry buffer: the two halves and their mean, the repeats of an empty box, the
// limits of both units, the prompts, and where the entry stops (a gap, the end of what was read).
#include "entry/entrybuffer.h"
#include "entry/rates.h"
#include "support/entrywindow.h"

#include <gtest/gtest.h>

#include <vector>

using entry::RateEntry;
using entry::RateOutcome;
using wellfile::RECORD;

namespace {

// An entry buffer of 110 records: record 0 is `top`, `count` records, then the end mark.
std::vector<RECORD> Buffer(int top, int count)
{
    return testing_support::EntryBuffer(top, count, entry::kEntryBufferRecords);
}

struct Rates {
    std::vector<RECORD> buffer;
    std::int32_t rowCounter = 0;
    RateEntry entry;
    Rates(std::vector<RECORD> b, bool perHour = false, std::int32_t last = 1500)
        : buffer(std::move(b)), entry(buffer, perHour, last, 1, 260, 10, rowCounter)
    {
    }
};

}  // namespace

TEST(RateEntry, TwoHalvesStoreTheirMeanAndTheRowMovesDown)
{
    Rates r(Buffer(990, 100));
    EXPECT_EQ(r.entry.StartDepth(), 1001);

    EXPECT_EQ(r.entry.Enter("4").outcome, RateOutcome::FirstHalf);
    const entry::RateKeyResult done = r.entry.Enter(" 6abc");  // read as a number is read
    ASSERT_EQ(done.outcome, RateOutcome::StepDone);
    EXPECT_EQ(done.index, 11);
    EXPECT_EQ(r.buffer[11].depth, 1001);
    EXPECT_FLOAT_EQ(r.buffer[11].rateOdd, 4.0f);
    EXPECT_FLOAT_EQ(r.buffer[11].rateOne, 6.0f);
    EXPECT_FLOAT_EQ(r.buffer[11].rate2Ft, 5.0f);
    EXPECT_EQ(r.entry.Row().index, 12);
    EXPECT_EQ(r.entry.Row().y, 270);
    EXPECT_EQ(r.rowCounter, 1);
    EXPECT_EQ(r.entry.Pass(), 0);
    EXPECT_EQ(r.entry.PreviousRates(), "1000.5=4.0   1001.0=6.0    1m Avg=5.0  AT 1001.0");

    // An empty box repeats the depth above in the first half; in the second it repeats the first half.
    r.buffer[11].rate2Ft = 7.5f;
    EXPECT_EQ(r.entry.Enter("").outcome, RateOutcome::StepDone);
    EXPECT_FLOAT_EQ(r.buffer[12].rateOdd, 4.0f);
    EXPECT_FLOAT_EQ(r.buffer[12].rateOne, 6.0f);
    EXPECT_FLOAT_EQ(r.buffer[12].rate2Ft, 7.5f);
    EXPECT_EQ(r.entry.Enter("3").outcome, RateOutcome::FirstHalf);
    EXPECT_EQ(r.entry.Enter("").outcome, RateOutcome::StepDone);
    EXPECT_FLOAT_EQ(r.buffer[13].rateOne, 3.0f);
    EXPECT_FLOAT_EQ(r.buffer[13].rate2Ft, 3.0f);

    // Up goes back to the start and no further; a move starts the step again.
    EXPECT_EQ(r.entry.Enter("9").outcome, RateOutcome::FirstHalf);
    EXPECT_EQ(r.entry.Up().outcome, RateOutcome::Moved);
    EXPECT_EQ(r.entry.Pass(), 0);
    EXPECT_EQ(r.entry.Up().outcome, RateOutcome::Moved);
    EXPECT_EQ(r.entry.Up().outcome, RateOutcome::Moved);
    EXPECT_EQ(r.entry.Row().y, 260);
    EXPECT_EQ(r.rowCounter, 0);
    EXPECT_EQ(r.entry.Up().outcome, RateOutcome::Refused);
}

TEST(RateEntry, ValuesOutsideTheUnitsLimitsAreRefusedAndStoreNothing)
{
    Rates minutes(Buffer(990, 100));
    for (const char* bad : {"100.5", "0", "-1", "abc", "  "}) {
        EXPECT_EQ(minutes.entry.Enter(bad).outcome, RateOutcome::OutOfRange) << bad;
        EXPECT_EQ(minutes.entry.Pass(), 0);
    }
    EXPECT_FLOAT_EQ(minutes.buffer[11].rateOdd, 2.0f);
    EXPECT_EQ(minutes.entry.Enter("100").outcome, RateOutcome::FirstHalf);
    EXPECT_FLOAT_EQ(minutes.buffer[11].rateOdd, 100.0f);
    EXPECT_EQ(minutes.entry.Enter("100.5").outcome, RateOutcome::OutOfRange);
    EXPECT_EQ(minutes.entry.Pass(), 1);  // the pass is kept

    Rates perHour(Buffer(990, 100), true);
    EXPECT_EQ(perHour.entry.Prompt(), "Enter 1 M Rates for 1000.0 TO 1000.5 Now.. Press enter after each entry  (M/Hr)");
    // Stored 2 minutes per unit shows as 30 metres per hour.
    EXPECT_EQ(perHour.entry.PreviousRates(), "999.5=30.0   1000.0=30.0    1m Avg=30.0  AT 1000.0");
    EXPECT_EQ(perHour.entry.Enter("600.5").outcome, RateOutcome::OutOfRange);
    EXPECT_EQ(perHour.entry.Enter("600").outcome, RateOutcome::FirstHalf);
    EXPECT_EQ(perHour.entry.Enter("30").outcome, RateOutcome::StepDone);
    EXPECT_FLOAT_EQ(perHour.buffer[11].rateOdd, 0.1f);
    EXPECT_FLOAT_EQ(perHour.buffer[11].rateOne, 2.0f);
    EXPECT_FLOAT_EQ(perHour.buffer[11].rate2Ft, 1.05f);
    EXPECT_FLOAT_EQ(entry::ShownRate(0.0f, true), 600.0f);
}

TEST(RateEntry, TheEntryStopsAtAGapAtTheEndOfTheReadAndOnAnEmptyBuffer)
{
    // Depths 990..1004, then 1010 on: the entry ends at 1004 and neither Enter nor Down passes it.
    std::vector<RECORD> gap = Buffer(990, 100);
    for (int k = 15; k < 100; ++k)
        gap[std::size_t(k)].depth = 995 + k;
    Rates g(gap);
    EXPECT_EQ(g.entry.EndDepth(), 1004);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(g.entry.Enter("").outcome, RateOutcome::StepDone);
    EXPECT_EQ(g.entry.Row().index, 15);
    EXPECT_EQ(g.entry.Enter("").outcome, RateOutcome::Refused);
    EXPECT_EQ(g.entry.Down().outcome, RateOutcome::Refused);
    EXPECT_FLOAT_EQ(g.buffer[15].rateOdd, 2.0f);
    EXPECT_EQ(g.entry.Up().outcome, RateOutcome::Moved);
    EXPECT_EQ(g.entry.Down().outcome, RateOutcome::Refused);  // 1004 is the end depth

    // A 60-record file read from its top (start 1000): the last record is typed, then every step beeps.
    Rates shortFile(Buffer(990, 60), false, 1049);
    EXPECT_EQ(shortFile.entry.EndDepth(), 1049);
    int steps = 0;
    while (shortFile.entry.Enter("").outcome == RateOutcome::StepDone)
        ++steps;
    EXPECT_EQ(steps, 49);
    EXPECT_EQ(shortFile.buffer[std::size_t(shortFile.entry.Row().index)].depth, 0);
    EXPECT_EQ(shortFile.entry.Down().outcome, RateOutcome::Refused);

    // A long file: the run ends at the end of what was read (100 records).
    Rates longFile(Buffer(990, 100), false, 5000);
    EXPECT_EQ(longFile.entry.EndDepth(), 1089);

    // A failed read leaves the buffer empty: every step beeps.
    Rates empty(std::vector<RECORD>(entry::kEntryBufferRecords));
    EXPECT_EQ(empty.entry.Enter("5").outcome, RateOutcome::Refused);
    EXPECT_EQ(empty.entry.Enter("").outcome, RateOutcome::Refused);
    EXPECT_EQ(empty.entry.Up().outcome, RateOutcome::Refused);
    EXPECT_EQ(empty.entry.Down().outcome, RateOutcome::Refused);
}
