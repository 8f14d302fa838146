// Gas entry on an entry buffer: the two passes and their scaling, the copies of an empty box, the
// count's limits and the spinner, the ratios, the value modes, the prompts and where the entry stops.
#include "entry/entrybuffer.h"
#include "entry/gasentry.h"
#include "support/entrywindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using entry::GasEntry;
using entry::GasMode;
using entry::GasRepaint;
using wellfile::RECORD;

namespace {

struct Gas {
    std::vector<RECORD> buffer;
    std::int32_t rowCounter = 0;
    float lastMudOut = 9.0f;
    std::int32_t lastMudOutDepth = 1000;
    GasEntry entry;
    explicit Gas(bool totalGasFirst = true, std::int32_t maxEntries = 3, int profile = 0, int records = 100)
        : buffer(testing_support::EntryBuffer(990, records, std::max<std::size_t>(std::size_t(records) + 1, entry::kEntryBufferRecords))),
          entry(buffer, Options(totalGasFirst, maxEntries, profile), rowCounter, lastMudOut, lastMudOutDepth)
    {
    }
    static entry::GasEntryOptions Options(bool totalGasFirst, std::int32_t maxEntries, int profile)
    {
        entry::GasEntryOptions o;
        o.totalGasFirst = totalGasFirst;
        o.maxEntries = maxEntries;
        o.profile = profile;
        o.firstRowY = 260;
        o.rowHeight = 10;
        return o;
    }
    RECORD& At(int depth) { return buffer.at(std::size_t(depth - 990)); }
    void Type(std::initializer_list<const char*> values)
    {
        for (const char* v : values)
            EXPECT_FALSE(entry.Enter(v).refused) << v;
    }
};

}  // namespace

TEST(GasEntry, TwoPassesFillTheHalfAndTheFullStepScaledToHundredthsOfAPercent)
{
    Gas g;
    EXPECT_EQ(g.entry.StartDepth(), 1001);
    EXPECT_EQ(g.entry.EndDepth(), 1101);
    EXPECT_EQ(g.entry.Prompt(), "Enter gas  for 1000.5  ");
    EXPECT_EQ(g.entry.Label(), "TG");

    g.Type({"1.5", "2000"});
    EXPECT_EQ(g.entry.Label(), "C2 ppm");
    const entry::GasKeyResult halfDone = g.entry.Enter("30");
    EXPECT_EQ(halfDone.repaint, GasRepaint::None);
    const RECORD& r = g.At(1001);
    EXPECT_FLOAT_EQ(r.halfGas[0], 150.0f);
    EXPECT_FLOAT_EQ(r.halfGas[1], 20.0f);
    EXPECT_FLOAT_EQ(r.halfGas[2], 0.3f);
    EXPECT_FLOAT_EQ(r.halfGas[3], 0.0f);  // past the count
    EXPECT_EQ(g.entry.Pass(), 1);
    EXPECT_EQ(g.entry.Prompt(), "Enter gas  for 1001.0 ");
    EXPECT_EQ(g.entry.Row().index, 11);

    g.Type({"4", "100abc"});  // read as a number is read
    const entry::GasKeyResult stepDone = g.entry.Enter("ppm");  // no number: 0
    EXPECT_EQ(stepDone.repaint, GasRepaint::GasRow);
    EXPECT_EQ(stepDone.index, 11);
    EXPECT_FLOAT_EQ(r.gas[0], 400.0f);
    EXPECT_FLOAT_EQ(r.gas[1], 1.0f);
    EXPECT_FLOAT_EQ(r.gas[2], 0.0f);
    EXPECT_EQ(g.entry.Row().index, 12);
    EXPECT_EQ(g.entry.Row().y, 270);
    EXPECT_EQ(g.rowCounter, 1);
    EXPECT_EQ(g.entry.Pass(), 0);
    EXPECT_EQ(g.entry.Prompt(), "Enter gas  for 1001.5  ");
    EXPECT_EQ(g.entry.PreviousValues(), "400.00     1     0     0     0     0     0     0");

    // Equal total gas and C1 in the full step: total gas goes 2.0 higher. Not after a half step that
    // leaves an empty full step as it was.
    g.Type({"0", "0", "0"});
    EXPECT_FLOAT_EQ(g.At(1002).gas[0], 0.0f);
    g.Type({"0.5", "5000", "1"});
    EXPECT_FLOAT_EQ(g.At(1002).gas[0], 52.0f);
    EXPECT_FLOAT_EQ(g.At(1002).gas[1], 50.0f);

    // Left goes back a component; at the first one it is refused.
    EXPECT_TRUE(g.entry.Left().refused);
    g.Type({"1"});
    EXPECT_FALSE(g.entry.Left().refused);
    EXPECT_EQ(g.entry.Component(), 0);
}

TEST(GasEntry, AnEmptyBoxAtTheFirstComponentCopiesAWholePassUnlabelled)
{
    Gas g;
    RECORD& above = g.At(1000);
    above.gas[0] = 300.0f;
    above.gas[1] = -40.0f;  // labelled
    above.gas[2] = 5.0f;
    above.gas[3] = 6.0f;
    above.gas[4] = 7.0f;
    // Half step: from the full step of the record above, 0 to the count.
    EXPECT_EQ(g.entry.Enter("").repaint, GasRepaint::None);
    const RECORD& r = g.At(1001);
    EXPECT_FLOAT_EQ(r.halfGas[0], 300.0f);
    EXPECT_FLOAT_EQ(r.halfGas[1], 40.0f);
    EXPECT_FLOAT_EQ(r.halfGas[3], 6.0f);
    EXPECT_FLOAT_EQ(r.halfGas[4], 0.0f);
    EXPECT_EQ(g.entry.Pass(), 1);

    // Full step: from the half step of the same record, and the row is done. A copy gets no 2.0.
    g.At(1001).halfGas[1] = 300.0f;
    const entry::GasKeyResult done = g.entry.Enter("");
    EXPECT_EQ(done.repaint, GasRepaint::GasRow);
    EXPECT_FLOAT_EQ(r.gas[0], 300.0f);
    EXPECT_FLOAT_EQ(r.gas[1], 300.0f);
    EXPECT_FLOAT_EQ(r.gas[3], 6.0f);
    EXPECT_EQ(g.entry.Row().index, 12);

    // Off the first component an empty box stores 0.
    g.Type({"2"});
    g.At(1002).halfGas[1] = 8.0f;
    g.Type({""});
    EXPECT_FLOAT_EQ(g.At(1002).halfGas[1], 0.0f);
}

TEST(GasEntry, TheCountNeverWalksPastNC5)
{
    EXPECT_EQ(entry::GasEntryCount(0, true), 5);
    EXPECT_EQ(entry::GasEntryCount(-3, false), 5);
    EXPECT_EQ(entry::GasEntryCount(8, true), 8);
    EXPECT_EQ(entry::GasEntryCount(8, false), 7);
    EXPECT_EQ(entry::GasEntryCount(1000, true), 8);

    // From C1 with a stored 8: seven components, and the float after nC5 stays as it was.
    Gas g(false, 8);
    EXPECT_EQ(g.entry.Count(), 7);
    EXPECT_EQ(g.entry.Label(), "C1 ppm");
    g.At(1001).halfGas[8] = 77.0f;
    g.Type({"100", "200", "300", "400", "500", "600"});
    EXPECT_EQ(g.entry.Pass(), 0);
    g.Type({"700"});
    EXPECT_EQ(g.entry.Pass(), 1);
    EXPECT_FLOAT_EQ(g.At(1001).halfGas[7], 7.0f);
    EXPECT_FLOAT_EQ(g.At(1001).halfGas[8], 77.0f);
    EXPECT_FLOAT_EQ(g.At(1001).halfGas[0], 0.0f);  // total gas is not typed

    // An empty-box copy stops at nC5 too.
    g.At(1001).halfGas[8] = 55.0f;
    g.entry.Enter("");
    EXPECT_FLOAT_EQ(g.At(1001).gas[7], 7.0f);
    EXPECT_FLOAT_EQ(g.At(1001).gas[8], 0.0f);
}

TEST(GasEntry, TheSpinnerWrapsAndWorksOnlyAtTheFirstGasComponent)
{
    Gas g(true, 8);
    EXPECT_FALSE(g.entry.Spin(+1).refused);
    EXPECT_EQ(g.entry.Count(), 1);
    g.entry.Spin(-1);
    EXPECT_EQ(g.entry.Count(), 8);
    EXPECT_EQ(entry::SpinGasCount(7, +1, false), 1);
    EXPECT_EQ(entry::SpinGasCount(1, -1, false), 7);
    EXPECT_EQ(entry::SpinGasCount(4, +1, true), 5);

    g.Type({"1"});
    EXPECT_TRUE(g.entry.Spin(+1).refused);
    EXPECT_TRUE(g.entry.SetRatios(true).refused);
    EXPECT_EQ(g.entry.Count(), 8);
    Gas m;
    m.entry.SetMode(GasMode::Co2);
    EXPECT_TRUE(m.entry.Spin(+1).refused);
}

TEST(GasEntry, TheEntryStopsAtTheEndDepthAndAboveTheStartDepth)
{
    Gas g;
    EXPECT_TRUE(g.entry.Up().refused);
    EXPECT_FALSE(g.entry.Down().refused);
    EXPECT_EQ(g.rowCounter, 1);
    EXPECT_FALSE(g.entry.Up().refused);
    EXPECT_EQ(g.rowCounter, 0);
    EXPECT_EQ(g.entry.Row().y, 260);

    // Up keeps the pass and goes back to the first component.
    g.Type({"1", "2", "3", "4"});
    EXPECT_FALSE(g.entry.Down().refused);
    EXPECT_EQ(g.entry.Pass(), 1);
    EXPECT_EQ(g.entry.Component(), 1);
    EXPECT_FALSE(g.entry.Up().refused);
    EXPECT_EQ(g.entry.Pass(), 1);
    EXPECT_EQ(g.entry.Component(), 0);

    // A buffer reaching the end depth: Enter and Down are refused there, whatever the mode.
    Gas e(true, 3, 0, 120);
    for (int k = 0; k < 100; ++k)
        ASSERT_FALSE(e.entry.Down().refused) << k;
    EXPECT_EQ(e.entry.Current().depth, 1101);
    EXPECT_TRUE(e.entry.Enter("1").refused);
    EXPECT_TRUE(e.entry.Down().refused);
    e.entry.SetMode(GasMode::MudIn);
    EXPECT_TRUE(e.entry.Enter("1").refused);
    EXPECT_FLOAT_EQ(e.At(1101).halfGas[0], 0.0f);
    EXPECT_FLOAT_EQ(e.At(1101).mudWeightIn, 0.0f);

    // The end of what was read (a record of depth 0) stops it too.
    Gas s(true, 3, 0, 13);
    EXPECT_FALSE(s.entry.Down().refused);
    EXPECT_FALSE(s.entry.Down().refused);
    EXPECT_EQ(s.entry.Current().depth, 0);
    EXPECT_TRUE(s.entry.Down().refused);
    EXPECT_TRUE(s.entry.Enter("").refused);
}

TEST(GasEntry, RatiosFillThePassInTheProportionsOfTheRecordAbove)
{
    Gas g;
    RECORD& above = g.At(1000);
    above.gas[0] = 100.0f;
    above.gas[1] = 50.0f;
    above.gas[2] = 25.0f;
    above.gas[3] = 12.0f;
    EXPECT_FALSE(g.entry.SetRatios(true).refused);
    EXPECT_TRUE(g.entry.RatiosOn());
    // "2" with count 3: total gas and two components, and the pass is done at once.
    EXPECT_EQ(g.entry.Enter("2").repaint, GasRepaint::None);
    const RECORD& r = g.At(1001);
    EXPECT_FLOAT_EQ(r.halfGas[0], 200.0f);
    EXPECT_FLOAT_EQ(r.halfGas[1], 100.0f);
    EXPECT_FLOAT_EQ(r.halfGas[2], 50.0f);
    EXPECT_FLOAT_EQ(r.halfGas[3], 0.0f);
    EXPECT_EQ(g.entry.Pass(), 1);
    // Full step equal total gas and C1 through ratios: no 2.0.
    g.At(1000).gas[1] = 100.0f;
    g.entry.SetRatios(false);
    g.entry.SetRatios(true);
    EXPECT_EQ(g.entry.Enter("1").repaint, GasRepaint::GasRow);
    EXPECT_FLOAT_EQ(r.gas[0], 100.0f);
    EXPECT_FLOAT_EQ(r.gas[1], 100.0f);

    // An empty box copies the pass whole, and the full-step nC5 of the record above in either pass.
    g.At(1001).gas[7] = 3.0f;
    g.At(1001).gas[5] = 4.0f;
    g.At(1002).gas[7] = 9.0f;
    g.entry.Enter("");
    EXPECT_FLOAT_EQ(g.At(1002).halfGas[5], 4.0f);
    EXPECT_FLOAT_EQ(g.At(1002).gas[7], 3.0f);

    // Nothing to take proportions from: refused, and ratio entry is off.
    Gas z;
    EXPECT_TRUE(z.entry.SetRatios(true).refused);
    EXPECT_FALSE(z.entry.RatiosOn());
    z.Type({"1", "2", "3"});
    EXPECT_FLOAT_EQ(z.At(1001).halfGas[1], 0.02f);
}

TEST(GasEntry, RatiosFromC1TakeTheTypedValueAsC1InPpm)
{
    Gas g(false, 3);
    RECORD& above = g.At(1000);
    above.gas[0] = 900.0f;
    above.gas[1] = -20.0f;  // labelled: its size counts
    above.gas[2] = 10.0f;
    above.gas[3] = 5.0f;
    EXPECT_FALSE(g.entry.SetRatios(true).refused);
    g.entry.Enter("4000");
    const RECORD& r = g.At(1001);
    EXPECT_FLOAT_EQ(r.halfGas[0], 0.0f);
    EXPECT_FLOAT_EQ(r.halfGas[1], 40.0f);
    EXPECT_FLOAT_EQ(r.halfGas[2], 20.0f);
    EXPECT_FLOAT_EQ(r.halfGas[3], 10.0f);
}

TEST(GasEntry, ValueModesStoreOneFieldAStepAndMoveTheRow)
{
    Gas g;
    g.entry.SetMode(GasMode::Co2);
    EXPECT_EQ(g.entry.Prompt(), "Enter CO2 for  1001");
    EXPECT_EQ(g.entry.Label(), "CO2");
    g.At(1000).co2 = 0.5f;
    EXPECT_EQ(g.entry.PreviousValues(), "0.50");
    entry::GasKeyResult r = g.entry.Enter("1.25");
    EXPECT_EQ(r.repaint, GasRepaint::GasRow);
    EXPECT_EQ(r.index, 11);
    EXPECT_FLOAT_EQ(g.At(1001).co2, 1.25f);
    g.entry.Enter("");  // the record above's value
    EXPECT_FLOAT_EQ(g.At(1002).co2, 1.25f);
    EXPECT_FLOAT_EQ(g.At(1001).gas[wellfile::GAS_NINTH], 1.25f) << "typed CO2 is drawn";

    g.entry.SetMode(GasMode::MudOut);
    EXPECT_EQ(g.entry.Prompt(), "Enter MUD WT for  1003");
    EXPECT_EQ(g.entry.Label(), "Mud WT Out");
    g.entry.Enter("10.4");
    EXPECT_FLOAT_EQ(g.At(1003).mudWeightOut, 10.4f);
    EXPECT_FLOAT_EQ(g.lastMudOut, 10.4f);
    EXPECT_EQ(g.lastMudOutDepth, 1003);
    g.lastMudOutDepth = 2000;  // a deeper one is kept
    g.entry.Enter("11");
    EXPECT_FLOAT_EQ(g.lastMudOut, 10.4f);

    g.entry.SetMode(GasMode::MudIn);
    EXPECT_EQ(g.entry.PreviousValues(), "0.0");
    g.entry.Enter("10.2");
    EXPECT_FLOAT_EQ(g.At(1005).mudWeightIn, 10.2f);

    g.entry.SetMode(GasMode::Custom);
    EXPECT_EQ(g.entry.Prompt(), "Enter Cust Data for  1006");
    EXPECT_EQ(g.entry.Enter("3.5").repaint, GasRepaint::None);
    g.entry.SetMode(GasMode::Custom2);
    EXPECT_EQ(g.entry.Label(), "Cust Data2");
    g.entry.Enter("4.5");
    EXPECT_FLOAT_EQ(g.At(1006).custom1, 3.5f);
    EXPECT_FLOAT_EQ(g.At(1007).custom2, 4.5f);
    EXPECT_EQ(g.entry.Row().index, 18);
    EXPECT_EQ(g.rowCounter, 7);
    for (int d = 1001; d <= 1007; ++d)
        EXPECT_FLOAT_EQ(g.At(d).halfGas[0], 0.0f);

    // Back to gas at the first component of the pass it was in.
    g.entry.SetMode(GasMode::Gas);
    EXPECT_EQ(g.entry.Label(), "TG");
    EXPECT_EQ(g.entry.Prompt(), "Enter gas  for 1007.5  ");
    Gas c(false);
    c.entry.SetMode(GasMode::Custom);
    c.entry.SetMode(GasMode::Gas);
    EXPECT_EQ(c.entry.Label(), "C1 ppm");

    // A CO2 booked by the gas monitor is not overwritten by a typed one.
    c.entry.SetMode(GasMode::Co2);
    c.At(1001).gas[wellfile::GAS_NINTH] = 3.0f;
    c.entry.Enter("2");
    EXPECT_FLOAT_EQ(c.At(1001).co2, 2.0f);
    EXPECT_FLOAT_EQ(c.At(1001).gas[wellfile::GAS_NINTH], 3.0f);
}

TEST(GasEntry, TheLinesShownFollowTheProfile)
{
    Gas g;
    g.At(1000).gas[0] = 150.0f;
    g.At(1000).gas[1] = 20.0f;
    EXPECT_EQ(g.entry.PreviousValues(), "150.00    20     0     0     0     0     0     0");
    Gas p(true, 3, 134);
    p.At(1000).gas[0] = 150.0f;
    p.At(1000).gas[1] = 20.0f;
    p.At(1000).gas[2] = 3e30f;  // held to what a whole number holds
    EXPECT_EQ(p.entry.PreviousValues(), "  1.50  2000 2147483647     0     0     0     0     0");
    EXPECT_EQ(p.entry.Label(), "TG %");
    EXPECT_EQ(entry::ComponentLabel(7, 134), "NC5 ppm");
    EXPECT_EQ(entry::ModeBoxPrompt(GasMode::MudIn, 1001), "Enter WT for  1001");
    EXPECT_EQ(entry::ModeBoxLabel(GasMode::Custom2), "Custom2");

    // Closing: the next entry goes on from the depth above the current record when that is deeper.
    g.entry.Down();
    EXPECT_EQ(g.entry.ResumeDepth(900), 1001);
    EXPECT_EQ(g.entry.ResumeDepth(1200), 1200);
}
