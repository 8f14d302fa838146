// The sections editor's rules on hand-made surveys: the first start snapped onto a station, the survey
// list's ends, and new sections that never run past ten or copy a section that is not there.
#include "horizontal/horzsections.h"

#include <gtest/gtest.h>

using namespace horizontal;

namespace {

// Records 4990..5030 with stations (a TVD) every 10 units from 5000 on, inclined from 5010; then the end.
std::vector<wellfile::RECORD> Stations()
{
    std::vector<wellfile::RECORD> records(45);
    for (int i = 0; i <= 40; ++i) {
        wellfile::RECORD& r = records[std::size_t(i)];
        r.depth = 4990 + i;
        if (r.depth >= 5000 && r.depth % 10 == 0) {
            r.tvd = float(r.depth - 100 - (r.depth - 5000) / 2);
            r.inclination = r.depth >= 5010 ? 30.f : 0.f;
        }
    }
    return records;
}

float Snapped(float start)
{
    wellfile::HorzSection first{};
    first.startMd = start;
    SnapFirstStart(first, Stations());
    return first.startMd;
}

}  // namespace

TEST(HorzSections, FirstStartSnapsToTheNearerStationAndTheListStopsAtTheFirstInclined)
{
    EXPECT_EQ(Snapped(5004), 5000);
    EXPECT_EQ(Snapped(5006), 5010);
    EXPECT_EQ(Snapped(5005), 5000);  // a tie takes the shallower
    EXPECT_EQ(Snapped(5020), 5020);  // on a station
    EXPECT_EQ(Snapped(4995), 4995);  // no station above it
    EXPECT_EQ(Snapped(5035), 5035);  // past the last record

    std::int32_t last = 0;
    EXPECT_EQ(SurveyLines(Stations(), &last),
              (QStringList{"MD :5030 TVD :4915.00 INCL 30.00", "MD :5020 TVD :4910.00 INCL 30.00"}));
    EXPECT_EQ(last, 5030);
    const SurveyTvdRange range = TvdRangeFrom(Stations(), 5012);
    EXPECT_EQ(range.least, 4910.f);
    EXPECT_EQ(range.greatest, 4915.f);
}

TEST(HorzSections, NewSectionsAppendOnceAndStopAtTen)
{
    SectionEditor e;
    SectionFields f{"", "", "7", "8", "9"};
    ASSERT_TRUE(StartNewSection(e, "MD :5100 TVD :1.00 INCL 2.00", f));
    EXPECT_EQ(f.startMd, "5100");
    EXPECT_EQ(f.dip, "9");  // no section before the first: the edits keep what they hold
    ASSERT_TRUE(StartNewSection(e, "MD :5200 TVD :1.00 INCL 2.00", f));
    EXPECT_EQ(e.count, 1);
    EXPECT_EQ(SavedCount(e), 0);
    ASSERT_TRUE(SaveSection(e, f));
    EXPECT_EQ(+e.sections[0].startMd, 5200.f);

    for (int i = 1; i < kMaxSections; ++i) {
        ASSERT_TRUE(StartNewSection(e, QString("MD :%1").arg(5200 + 10 * i), f));
        ASSERT_TRUE(SaveSection(e, f));
        EXPECT_EQ(+e.sections[i - 1].endMd, float(5200 + 10 * i));
    }
    EXPECT_FALSE(StartNewSection(e, "MD :6000", f));
    EXPECT_EQ(e.count, kMaxSections);
}
