// Reading the records of a print run from a real data file.
#include "print/printrecords.h"

#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <vector>

using namespace print;
using testing_support::TestDir;
using wellfile::RECORD;

namespace {

// An open well over a file of records first..last in steps of `step`, each rate the depth.
wellfile::OpenWell Well(int first, int last, int step = 2)
{
    wellfile::OpenWell well;
    well.dataFileName = TestDir() + "well.svm";
    well.fileTopDepth = first;
    well.fileBottomDepth = last;
    well.depthStep = step;
    std::vector<RECORD> rows;
    for (int d = first; d <= last; d += step) {
        RECORD r;
        r.depth = d;
        r.rateOne = float(d);
        r.gasScale = 3;
        rows.push_back(r);
    }
    testing_support::WriteRecords(well.dataFileName, rows);
    return well;
}

}  // namespace

TEST(PrintRecords, RunPastTheLastDepthGetsBlankRows)
{
    wellfile::OpenWell well = Well(1000, 1990);
    const auto run = ReadPrintRecords(well, {1980, 2000}, 1);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->printBottomDepth, 2000);
    EXPECT_EQ(well.fileBottomDepth, 1990);
    EXPECT_EQ(run->current, 1u);
    EXPECT_EQ(run->buffer[0].depth, 1980);
    EXPECT_EQ(run->buffer[5].depth, 1990);
    EXPECT_FLOAT_EQ(run->buffer[5].rateOne, 1990.0f);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(run->buffer[std::size_t(6 + i)].depth, 1992 + 2 * i);
        EXPECT_FLOAT_EQ(run->buffer[std::size_t(6 + i)].rateOne, 0.1f);
        EXPECT_EQ(run->buffer[std::size_t(6 + i)].gasScale, 3);
    }
    EXPECT_EQ(run->buffer[11].depth, 0);
}

TEST(PrintRecords, TenFootRowsStartFiveRecordsBack)
{
    wellfile::OpenWell well = Well(1000, 2600);
    const auto run = ReadPrintRecords(well, {1010, 1990}, 3);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->printBottomDepth, 2600);
    EXPECT_EQ(run->current, 6u);
    EXPECT_EQ(run->buffer[0].depth, 1000);
    EXPECT_EQ(run->buffer[5].depth, 1010);
    EXPECT_EQ(run->buffer.size(), std::size_t((1990 - 1010) / 2 + 1 + 6 + 100));
}

TEST(PrintRecords, CoarseDepthStepStaysInsideTheBuffer)
{
    // Records every 10 units but blank rows every 2: the rows past the file stop at the buffer's end.
    wellfile::OpenWell well = Well(1000, 1100, 10);
    const auto run = ReadPrintRecords(well, {1000, 3000}, 1);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->buffer.size(), std::size_t(201 + 100));
    EXPECT_EQ(run->buffer.back().depth, 1100 + 2 * 290);
}
