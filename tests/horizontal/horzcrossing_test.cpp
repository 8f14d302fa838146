// Where tops cross the plot, where the target panels stand and what a panel draws, as plain geometry.
#include "horizontal/horzcrossing.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace horizontal;

namespace {

wellfile::HorzSection Section(float startMd, float endMd, int endX, float dip, float startTvd = 1200, float px = 2)
{
    wellfile::HorzSection s{};
    s.startMd = startMd;
    s.endMd = endMd;
    s.endX = endX;
    s.dip = dip;
    s.startTvd = startTvd;
    s.endTvd = startTvd + 100;
    s.pxPerTvd = px;
    return s;
}

wellfile::TOPSEX Top(std::int32_t md, float tvd, const char* name = "Austin")
{
    wellfile::TOPSEX t{};
    t.depth = md;
    t.tvd = tvd;
    t.drawOnHorizontal = 1;
    std::strcpy(t.text, name);
    return t;
}

CrossingInputs At(float md, float tvd)
{
    CrossingInputs in;
    in.topMd = md;
    in.topTvd = tvd;
    in.plotFirstDepth = 2000;
    in.plotRight = 3240;
    in.pathTop = 100;
    return in;
}

}  // namespace

TEST(HorzCrossing, StartColumnRowsAndDipRise)
{
    // The first section ends at column 1640 (not the column of 2200, 1650), so the two starts differ.
    const wellfile::HorzSection sections[] = {Section(2000, 2200, 1640, 0), Section(2200, 2400, 3250, 2)};
    // At the second section's start MD: the first section's end column; before the first section: plotLeft.
    EXPECT_EQ(CrossingIn(sections, 1, At(2200, 1250)).x1, 1640);
    EXPECT_EQ(CrossingIn(sections, 0, At(1990, 1250)).x1, 50);

    // Inside the section: its own column; dip 2 over a VS length of 100 rises 3.58, 7 rows at 2 px.
    CrossingInputs in = At(2300, 1250);
    in.vsSpan = 100;
    Crossing c = CrossingIn(sections, 1, in);
    EXPECT_TRUE(c.drawn);
    EXPECT_EQ(c.x1, 50 + 300 * 8);
    EXPECT_EQ(c.x2, 3240);  // held to plotRight
    EXPECT_EQ(c.y1, 200);
    EXPECT_NEAR(c.rise, 3.58, 0.005);
    EXPECT_EQ(c.y2, 207);
    EXPECT_TRUE(c.label);
    EXPECT_FALSE(c.box);
    // The rise of the sections before lowers the start.
    in.rise = 1.5f;
    EXPECT_EQ(CrossingIn(sections, 1, in).y1, 203);

    // A top before the section: the dip acts over the columns, (3240 - 1640) / 8 = 200 units.
    c = CrossingIn(sections, 1, At(2100, 1250));
    EXPECT_NEAR(c.rise, 0.017899316 * 200 * 2, 1e-4);
    EXPECT_FALSE(c.label);
    // Above pathTop nothing is drawn.
    EXPECT_FALSE(CrossingIn(sections, 0, At(2100, 1100)).drawn);

    EXPECT_NEAR(CrossingDip(30), 1.04, 0.005);
    EXPECT_EQ(CrossingDip(20), 20);
    EXPECT_NEAR(CrossingDip(-30), -1.04, 0.005);
}

TEST(HorzCrossing, BaseLineLabelsAndColour)
{
    const wellfile::HorzSection sections[] = {Section(2000, 2400, 3250, 0)};
    CrossingInputs in = At(2100, 1250);
    in.thickness = 10;
    in.baseLines = false;  // the set-up's byte at 952 set
    EXPECT_FALSE(CrossingIn(sections, 0, in).base);

    wellfile::TOPSEX top = Top(2100, 1250.5f);
    EXPECT_EQ(CrossingLabel(top, 30), "Austin");
    top.appendSubsea = 1;
    EXPECT_EQ(CrossingLabel(top, 30), "Austin  (1250.50  TVD ) (-1220.50  SS )");
    EXPECT_EQ(CrossingLabel(top, 0), "Austin  (No Kb)");
    EXPECT_EQ(CrossingColour(top), platform::RGB(255, 32, 32));
    top.colour = platform::RGB(0, 0, 255);
    EXPECT_EQ(CrossingColour(top), platform::RGB(0, 0, 255));
}

TEST(HorzCrossing, TheRecordWalkDrawsMarkedTopsAndAtMostTenOfEleven)
{
    std::vector<wellfile::RECORD> records(500);
    for (int i = 0; i < 500; ++i)
        records[std::size_t(i)].depth = 1000 + i;
    std::vector<wellfile::TOPSEX> tops;
    for (int i = 0; i < 11; ++i)
        tops.push_back(Top(2000 + 10 * i, 1210.6f + 10 * i));
    // The walk starts from a record below the tops and steps back to them.
    std::vector<int> drawn = TopsToDraw(records, 300, 500, tops, 1200, 1350, 1499);
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(drawn.front(), 0);
    EXPECT_EQ(drawn.back(), 9);

    tops.resize(3);
    tops[1].drawOnHorizontal = 0;
    EXPECT_EQ(TopsToDraw(records, 300, 500, tops, 1200, 1350, 1499), (std::vector<int>{0, 2}));
    // The walk ends at the greatest TVD.
    EXPECT_EQ(TopsToDraw(records, 300, 500, tops, 1200, 1225, 1499), (std::vector<int>{0}));
}

TEST(HorzCrossing, TargetPanelsEvery150RecordsWithTheirStructuralRise)
{
    const wellfile::HorzSection flat[] = {Section(2000, 3000, 8050, 0)};
    std::vector<PanelPlace> p = TargetPanelPlaces(flat, 2000, 3500, 8, 50, 8040, false);
    ASSERT_EQ(p.size(), 7u);  // the seventh lies past plotRight and ends the walk
    EXPECT_EQ(p[0].column, 1250);
    EXPECT_EQ(p[1].column, 2450);
    EXPECT_EQ(p[6].column, 8450);
    EXPECT_EQ(p[6].rise, 0);

    // Within 50 px of the section's end a panel moves 10 px left.
    const wellfile::HorzSection nearEnd[] = {Section(2000, 2301, 2460, 2), Section(2301, 3000, 8050, 2)};
    p = TargetPanelPlaces(nearEnd, 2000, 3000, 8, 50, 8040, false);
    EXPECT_EQ(p[1].column, 2440);
    // Dip 2 over the spacing of 150 rises 5.24 a panel; with one curve per panel nothing is carried.
    const wellfile::HorzSection dipping[] = {Section(2000, 3000, 8050, 2)};
    p = TargetPanelPlaces(dipping, 2000, 3000, 8, 50, 8040, false);
    EXPECT_NEAR(p[0].rise, 5.24, 0.005);
    EXPECT_NEAR(p[2].rise, 3 * 5.238, 0.01);
    EXPECT_EQ(TargetPanelPlaces(dipping, 2000, 3000, 8, 50, 8040, true)[2].rise, 0);

    // A panel in a new section splits the spacing at the section's end MD.
    const wellfile::HorzSection split[] = {Section(2000, 2200, 1650, 0), Section(2200, 3000, 8050, 2)};
    p = TargetPanelPlaces(split, 2000, 3000, 8, 50, 8040, false);
    EXPECT_EQ(p[0].rise, 0);
    EXPECT_NEAR(p[1].rise, StructuralRise(split[1], 100), 1e-4);  // 2200 - (2300 - 150) = 50 in the first
    EXPECT_NEAR(p[2].rise - p[1].rise, 5.238, 0.005);
}

TEST(HorzCrossing, APanelStartsAtItsTvdAndEndsPastTheSection)
{
    std::vector<GammaSlot> samples(120);
    for (int k = 0; k < 100; ++k)
        samples[std::size_t(k)] = {1180.f + 2 * k, 10.f * (k % 5)};
    wellfile::HorzSection s = Section(2000, 3000, 8050, 0);
    s.endTvd = 1210;
    PanelInputs in;
    in.column = 1250;
    in.scale = 2;
    in.threshold = 25;
    in.pathTop = 100;
    in.pathBottom = 400;
    PanelGeometry g = PanelOf(samples, 100, s, in);
    EXPECT_EQ(g.firstSlot, 10);                // depth 1200, the section's start TVD
    ASSERT_EQ(g.fill.size(), 7u);              // TVD 1200 .. 1212, the last past the section's end
    EXPECT_EQ(g.fill[0], (platform::POINT{1250, 100}));
    EXPECT_EQ(g.fill[1], (platform::POINT{1250 + 20, 104}));
    EXPECT_EQ(g.line[0], (platform::POINT{1250, 100}));
    EXPECT_EQ(g.line[2], (platform::POINT{1250 + 20, 102}));  // a TVD unit above its fill row
    EXPECT_EQ(g.thresholdPoints[3], (platform::POINT{1300, 112}));
    EXPECT_EQ(g.lastRow, 124);
    // The offset and the rise move the first slot; a log shorter than that draws nothing.
    in.offset = 10;
    EXPECT_EQ(PanelOf(samples, 100, s, in).firstSlot, 15);
    in.rise = 4;
    EXPECT_EQ(PanelOf(samples, 100, s, in).firstSlot, 13);
    EXPECT_EQ(PanelOf(samples, 12, s, in).firstSlot, -1);
}
