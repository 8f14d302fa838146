// The interval arithmetic of the test-gas values at the edges the dialog does not reach on a well of
// depth step 1 and an even last depth.
#include "entry/testgas.h"

#include <gtest/gtest.h>

using namespace entry;

TEST(TestGasIntervals, BoundsRoundingAndTheNextProposal)
{
    wellfile::OpenWell w;
    w.fileTopDepth = 900;
    w.fileBottomDepth = 2001;
    // From is kept ten below the first depth; To stays within the file, odd as its last depth is.
    std::optional<TestGasRun> run = PlanTestGasRun(w, 0, 5000);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->from, 910);
    EXPECT_EQ(run->to, 2001);
    EXPECT_EQ(run->count, 1092);
    EXPECT_FALSE(PlanTestGasRun(w, 2000, 200));
    EXPECT_EQ(NextTestGasInterval(w, 1998).from, 2001);  // past last - 2: the last depth
    EXPECT_EQ(NextTestGasInterval(w, 1998).to, 2000);

    // Two units a record: the count is in records, the index at least 10.
    w.depthStep = 2;
    run = PlanTestGasRun(w, 900, 940);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->index, 10);
    EXPECT_EQ(run->count, 16);
    EXPECT_EQ(TypedTestGas("1e300"), 0.0f);  // no float: as no number
}
