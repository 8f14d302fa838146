// The numbers of the depth drags: the slide interval a press and a drop mark, its toggle in a real data
// file, the formation top moved by the rows dragged, and the row boundaries of the drag-gas band.
#include "logview/depthdrags.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <gtest/gtest.h>

#include <vector>

using logview::MoveTop;
using logview::SlideDropInterval;

namespace {

// A well of records 1000 to 1300 on disk, one depth unit a record, its view at `viewTop`.
wellfile::OpenWell WellOnDisk(std::int32_t viewTop)
{
    wellfile::OpenWell w;
    w.dataFileName = testing_support::MakeWell(testing_support::TestDir(), "SLIDE.svm", 1000, 1300);
    w.fileTopDepth = 1000;
    w.fileBottomDepth = 1300;
    w.depthStep = 1;
    w.viewTopDepth = viewTop;
    return w;
}

std::uint16_t SlideAt(const QByteArray& file, std::int32_t depth)
{
    return testing_support::At<std::uint16_t>(file, qsizetype(depth - 1000) * wellfile::kRecordSize + 256);
}

}  // namespace

TEST(DepthDrags, APressOrDropMarksTwoUnitsBelowItsRowMadeEven)
{
    EXPECT_EQ(logview::SlideDepthOf(1099), 1102);  // 1101 is odd
    EXPECT_EQ(SlideDropInterval(1290, 1299, 1300).end, 1300);  // never past the last depth
}

TEST(DepthDrags, ASlideToggleWritesTheSlideFlagOfItsRecordsOnly)
{
    wellfile::OpenWell w = WellOnDisk(1000);
    const QByteArray before = testing_support::ReadExistingBytes(w.dataFileName);
    const std::optional<logview::SlideToggle> on = logview::ToggleSlideInterval(w, 1102, 1132);
    ASSERT_TRUE(on);
    EXPECT_EQ(on->first, 102);
    EXPECT_EQ(on->count, 30);
    EXPECT_EQ(on->value, 1);
    const QByteArray marked = testing_support::ReadExistingBytes(w.dataFileName);
    ASSERT_EQ(marked.size(), before.size());
    for (const qsizetype at : testing_support::DifferingBytes(before, marked)) {
        EXPECT_EQ(at % wellfile::kRecordSize, 256) << at;
        const qsizetype record = at / wellfile::kRecordSize;
        EXPECT_TRUE(record >= 102 && record < 132) << record;
    }
    for (std::int32_t d = 1102; d < 1132; ++d)
        EXPECT_EQ(SlideAt(marked, d), 1) << d;

    // A first record marked slide turns the interval to rotate: back to the file as it was.
    const std::optional<logview::SlideToggle> off = logview::ToggleSlideInterval(w, 1102, 1132);
    ASSERT_TRUE(off);
    EXPECT_EQ(off->value, 0);
    EXPECT_EQ(testing_support::ReadExistingBytes(w.dataFileName), before);
}

TEST(DepthDrags, ASlideToggleChangesNothingOutsideItsBounds)
{
    wellfile::OpenWell w = WellOnDisk(1100);
    const QByteArray before = testing_support::ReadExistingBytes(w.dataFileName);
    EXPECT_FALSE(logview::ToggleSlideInterval(w, 1102, 1102));  // no depth step at all
    EXPECT_FALSE(logview::ToggleSlideInterval(w, 1098, 1120));  // starts above the view top
    w.depthStep = 2;
    EXPECT_FALSE(logview::ToggleSlideInterval(w, 1102, 1103));  // less than one step
    w.depthStep = 1;
    EXPECT_EQ(testing_support::ReadExistingBytes(w.dataFileName), before);

    // A long interval is cut to 50 records; an end past the last depth to the last depth.
    const std::optional<logview::SlideToggle> longOne = logview::ToggleSlideInterval(w, 1102, 1200);
    ASSERT_TRUE(longOne);
    EXPECT_EQ(longOne->count, 50);
    const std::optional<logview::SlideToggle> atEnd = logview::ToggleSlideInterval(w, 1290, 1400);
    ASSERT_TRUE(atEnd);
    EXPECT_EQ(atEnd->count, 10);
    const QByteArray after = testing_support::ReadExistingBytes(w.dataFileName);
    EXPECT_EQ(SlideAt(after, 1151), 1);
    EXPECT_EQ(SlideAt(after, 1152), 0);
    EXPECT_EQ(SlideAt(after, 1299), 1);
    EXPECT_EQ(SlideAt(after, 1300), 0);
}

TEST(DepthDrags, ATopMovesUpByWholeStepsAndAUnitForMoreThanAThirdOfARow)
{
    // Downward drags are tried on the window; upward the extra unit goes up as well, and a depth step
    // of 2 moves two units a row.
    EXPECT_EQ(MoveTop(1150, 530, 500, 12, 1, 1000, 1300).depth, 1147);
    EXPECT_EQ(MoveTop(1150, 530, 500, 12, 1, 1000, 1300).rows, 2);
    EXPECT_EQ(MoveTop(1150, 524, 500, 12, 2, 1000, 1300).depth, 1146);
    // Never out of the file; no rows, no move.
    EXPECT_EQ(MoveTop(1150, 5000, 0, 12, 1, 1000, 1300).depth, 1000);
    EXPECT_EQ(MoveTop(1150, 500, 530, 0, 1, 1000, 1300).depth, 1150);
}

TEST(DepthDrags, BandEndsGoToTheNearestRowBoundary)
{
    // Rows from 180, 12 high: a rest above 6 goes down, 6 or less up.
    EXPECT_EQ(logview::RowBoundary(180 + 24 + 6, 180, 12), 204);
    EXPECT_EQ(logview::RowBoundary(180 + 24 + 7, 180, 12), 216);
    EXPECT_EQ(logview::RowBoundary(204, 180, 12), 204);
    EXPECT_EQ(logview::RowBoundary(175, 180, 12), 180);  // above the rows
    EXPECT_EQ(logview::RowBoundary(171, 180, 12), 168);
    EXPECT_EQ(logview::RowBoundary(171, 180, 0), 171);
}
