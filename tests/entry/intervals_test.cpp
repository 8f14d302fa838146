// The interval arithmetic of the test-gas values and the codes of an outline, at the edges the dialogs
// do not reach on a well of depth step 1.
#include "entry/outline.h"
#include "entry/testgas.h"

#include <gtest/gtest.h>

using namespace entry;

namespace {

wellfile::OpenWell Well(int first, int last, int step = 1)
{
    wellfile::OpenWell w;
    w.fileTopDepth = first;
    w.fileBottomDepth = last;
    w.depthStep = step;
    return w;
}

} // namespace

TEST(TestGasIntervals, BoundsRoundingAndTheNextProposal)
{
    EXPECT_EQ(EvenDepth(1051), 1050);
    EXPECT_EQ(EvenDepth(-3), -4);

    const wellfile::OpenWell w = Well(900, 2001);
    // From is kept ten below the first depth, To within the file; odd depths go down to even.
    std::optional<TestGasRun> run = PlanTestGasRun(w, 0, 5000);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->from, 910);
    EXPECT_EQ(run->to, 2001); // the last depth itself, odd as it is
    EXPECT_EQ(run->index, 10);
    EXPECT_EQ(run->count, 1092);
    EXPECT_FALSE(PlanTestGasRun(w, 1500, 1499));
    EXPECT_FALSE(PlanTestGasRun(w, 2000, 200));

    // The next interval: two on and 100 long, within the last depth rounded down to even.
    EXPECT_EQ(NextTestGasInterval(w, 1050).from, 1052);
    EXPECT_EQ(NextTestGasInterval(w, 1050).to, 1152);
    EXPECT_EQ(NextTestGasInterval(w, 1950).to, 2000);
    EXPECT_EQ(NextTestGasInterval(w, 1998).from, 2001); // past last - 2: the last depth
    EXPECT_EQ(NextTestGasInterval(w, 1998).to, 2000);

    // Two units a record: the count is in records, the index at least 10.
    run = PlanTestGasRun(Well(1000, 1400, 2), 1010, 1030);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->index, 10);
    EXPECT_EQ(run->count, 11);

    EXPECT_EQ(HotWireTestGas(1.0f), 50.0f);
    EXPECT_EQ(HotWireTestGas(1.5f), 1.5f);
    EXPECT_EQ(TypedTestGas(" 12.5 ppm"), 12.5f);
    EXPECT_EQ(TypedTestGas("1e300"), 0.0f); // no float: as no number
    EXPECT_EQ(TestGasInForce({ 0, -1, 2, 0, 0, 0, 0, 3 })[1], 1.0f);
}

TEST(OutlineIntervals, RefusalsAndCodesKeepTheEndsInTheInterval)
{
    const wellfile::OpenWell w = Well(900, 2000);
    EXPECT_EQ(CheckOutlineInterval(w, 900, 906), OutlineRefusal::None);
    EXPECT_EQ(CheckOutlineInterval(w, 1994, 2000), OutlineRefusal::None);
    EXPECT_EQ(CheckOutlineInterval(w, 1995, 2000), OutlineRefusal::OutOfRange);
    EXPECT_EQ(CheckOutlineInterval(w, 899, 950), OutlineRefusal::OutOfRange);
    EXPECT_EQ(CheckOutlineInterval(w, 1000, 1005), OutlineRefusal::TooShort);

    using Codes = std::vector<std::uint16_t>;
    // A text of r - 1 or r characters is cut to r - 2, between the start and the end.
    EXPECT_EQ(OutlineCodes(6, "ABCDE"), (Codes { 2, 'A', 'B', 'C', 'D', 3 }));
    EXPECT_EQ(OutlineCodes(6, "ABCDEF"), (Codes { 2, 'A', 'B', 'C', 'D', 3 }));
    EXPECT_EQ(OutlineCodes(7, "AB"), (Codes { 2, 1, 'A', 'B', 1, 1, 3 }));
    EXPECT_EQ(OutlineCodes(6, ""), (Codes { 2, 1, 1, 1, 1, 3 }));
    EXPECT_EQ(OutlineCodes(2, "AB"), (Codes { 2, 3 }));
    EXPECT_EQ(OutlineCodes(1, "AB"), (Codes { 2 }));
    EXPECT_TRUE(OutlineCodes(0, "AB").empty());
    EXPECT_EQ(OutlineCharCode('\xE9'), 0xFFE9);
    EXPECT_EQ(OutlineCharCode('z'), 'z');
}
