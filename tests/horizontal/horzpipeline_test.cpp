// The plot's loading steps on records in memory: the padded range, the draw-from depth on first load and
// redraw, the counted range and the horizontal test, the drawn TVD range, the sections, the tops and the
// image's size and file name.
#include "horizontal/horzpipeline.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace horizontal;
using wellfile::RECORD;

namespace {

RECORD Station(int depth, float tvd, float inclination, float section = 5)
{
    RECORD r{};
    r.depth = depth;
    r.tvd = tvd;
    r.inclination = inclination;
    r.verticalSection = section;
    return r;
}

}  // namespace

TEST(HorzPipeline, PadsTheRangeToTheNextHundred)
{
    EXPECT_EQ(PadAndEnd(2345).pad, 55);
    EXPECT_EQ(PadAndEnd(2345).endDepth, 2399);
    EXPECT_EQ(PadAndEnd(2390).pad, 20);
    EXPECT_EQ(PadAndEnd(2390).endDepth, 2400);
    EXPECT_EQ(PadAndEnd(2400).pad, 100);
    EXPECT_EQ(PadAndEnd(2400).endDepth, 2500);

    std::vector<RECORD> records(46 + 55 + 5);
    for (int i = 0; i < 46; ++i)
        records[std::size_t(i)] = Station(2300 + i, 1000, 0);
    records[45].gasScale = 100;
    records[45].minutesScale = 322;
    EXPECT_EQ(PadRecords(records, 46, 55), 2400);
    for (int i = 46; i < 101; ++i) {
        const RECORD& r = records[std::size_t(i)];
        EXPECT_EQ(r.depth, 2300 + i);
        EXPECT_EQ(r.gasScale, 100);
        EXPECT_EQ(r.minutesScale, 322);
        EXPECT_FLOAT_EQ(float(r.rateOdd), 0.1f);
        EXPECT_FLOAT_EQ(float(r.rateOne), 0.1f);
        EXPECT_FLOAT_EQ(float(r.rate2Ft), 0.1f);
    }
    EXPECT_EQ(records[101].depth, 0);
    // A short buffer pads as far as it goes.
    std::vector<RECORD> shortBuffer(50);
    shortBuffer[0] = Station(10, 10, 0);
    EXPECT_EQ(PadRecords(shortBuffer, 1, 100), 59);
}

TEST(HorzPipeline, DrawFromDepthOnFirstLoadAndRedraw)
{
    // Vertical to 1500, then building past 85 degrees: the counted span from TVD 100 exceeds 1000.
    std::vector<RECORD> records = testing_support::DeviatedRecords(1, 2600, 1500, 0.3f);
    float greatest = 0;
    for (const RECORD& r : records)
        greatest = std::max(greatest, float(r.tvd));
    const PadRange range = PadAndEnd(2600);
    LoadInputs in{1, range.endDepth, int(records.size()), 0, greatest, false};
    int expected = 0;
    for (const RECORD& r : records)
        if (r.tvd > greatest - 500) {
            expected = int(r.tvd);
            break;
        }

    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
    // Nothing kept: the draw-from depth follows the well's greatest TVD - 200 and nothing is written.
    LoadInputs plain = in;
    plain.wellGreatestTvd = 1500;
    LoadPlan p = PlanLoad(records, plain, *setup);
    EXPECT_EQ(p.drawFrom, 1300);
    EXPECT_FALSE(p.setupChanged);
    EXPECT_EQ(setup->drawFromDepth, 0);

    setup->keepDrawFrom = 1;
    setup->drawFromDepth = 100;
    p = PlanLoad(records, in, *setup);  // a redraw keeps it
    EXPECT_EQ(p.drawFrom, 100);
    EXPECT_FALSE(p.setupChanged);
    EXPECT_GT(p.walk.greatestTvd - p.walk.leastTvd, 1000);

    in.first = true;
    p = PlanLoad(records, in, *setup);
    EXPECT_EQ(p.drawFrom, expected);
    EXPECT_TRUE(p.setupChanged);
    EXPECT_EQ(setup->drawFromDepth, expected);
    EXPECT_FLOAT_EQ(float(setup->sections[0].startMd), float(expected));
    EXPECT_GE(p.walk.leastTvd, expected);  // counted again from the new depth
    EXPECT_TRUE(p.horizontal);
    EXPECT_GT(p.walk.highAngle, 2);
}

TEST(HorzPipeline, CountsTheRangeAndFindsTheHorizontalPart)
{
    // TVDs 1234..1300; NaN and infinite values are not counted.
    std::vector<RECORD> records;
    for (int i = 0; i <= 66; ++i)
        records.push_back(Station(2000 + i, float(1234 + i), 5));
    records[3].tvd = std::numeric_limits<float>::quiet_NaN();
    records[4].inclination = std::numeric_limits<float>::infinity();
    records[5].tvd = -std::numeric_limits<float>::infinity();
    records[10].rateScale = 7;
    records[20].verticalSection = 0;
    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
    setup->keepDrawFrom = 1;
    setup->drawFromDepth = 1200;
    const LoadPlan p = PlanLoad(records, {1000, 2066, 67, 0, 1300, false}, *setup);
    EXPECT_EQ(p.walk.counted, 64);
    EXPECT_EQ(p.walk.toDraw, 67);
    EXPECT_EQ(p.walk.plotFirstDepth, 2000);
    EXPECT_EQ(p.walk.leastTvd, 1234);
    EXPECT_EQ(p.leastTvd, 1230);
    EXPECT_EQ(p.walk.greatestTvd, 1300);
    EXPECT_EQ(p.walk.rateCode, 7);
    EXPECT_TRUE(p.walk.sectionMissing);
    EXPECT_FALSE(p.horizontal);  // nothing over 10 degrees

    const TvdRange t = DrawTvdRange(1230, 1300, 2400);
    EXPECT_EQ(t.least, 1230);
    EXPECT_EQ(t.greatest, 1340);  // 1335 raised
    EXPECT_EQ(DrawTvdRange(1230, 1300, 1321).greatest, 1330);
    // All TVDs equal: the span stays 10, so the pixels per TVD unit stay a number.
    const TvdRange flat = DrawTvdRange(1230, 1230, 2400);
    EXPECT_EQ(flat.greatest - flat.least, 10);
    EXPECT_FLOAT_EQ(PixelsPerTvd(0, 300, float(flat.least), float(flat.greatest)), 30.0f);

    auto walk = [](std::initializer_list<float> inclinations) {
        std::vector<RECORD> rs;
        int d = 2000;
        for (float inc : inclinations)
            rs.push_back(Station(d++, 1500, inc));
        return HasHorizontalPart(WalkRecords(rs, 0, 3000, int(rs.size())));
    };
    EXPECT_TRUE(walk({11, 12, 35, 5}));
    EXPECT_FALSE(walk({20, 20, 20, 5}));
    EXPECT_TRUE(walk({11, 11, 11, 11}));
}

TEST(HorzPipeline, SectionsOfTheDrawing)
{
    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
    SectionInputs in;
    in.leastTvd = 1230;
    in.greatestTvd = 1340;
    in.plotFirstDepth = 2000;
    in.plotLastDepth = 2400;
    in.pathTop = 100;
    in.pathBottom = 400;
    in.regionalDip = 2.0f;
    in.drawFrom = 1250;
    SectionPlan p = CheckVerticalSection(*setup, in);
    ASSERT_EQ(p.count, 1);
    EXPECT_FLOAT_EQ(float(p.sections[0].pxPerTvd), 2.7f);
    EXPECT_EQ(int(p.sections[0].endX), 3250);
    EXPECT_FLOAT_EQ(float(p.sections[0].dip), 2.0f);
    EXPECT_FALSE(p.dipMessage);

    in.sectionMissing = true;
    p = CheckVerticalSection(*setup, in);
    EXPECT_TRUE(p.dipMessage);
    EXPECT_FLOAT_EQ(float(p.sections[0].dip), 0.0f);

    // Two set-up sections with scaling allowed: the first starts at the draw-from depth, and ends where
    // the second begins.
    auto section = [](float startTvd, float endTvd, float startMd, float endMd) {
        wellfile::HorzSection s{};
        s.startTvd = startTvd;
        s.endTvd = endTvd;
        s.startMd = startMd;
        s.endMd = endMd;
        return s;
    };
    setup->sections[0] = section(1230, 1300, 2000, 2200);
    setup->sections[1] = section(1290, 1340, 2200, 0);
    setup->sections[2] = section(1300, 1300, 2300, 2400);  // start not above end: left out
    in.sectionMissing = false;
    in.scalingAllowed = true;
    p = CheckVerticalSection(*setup, in);
    ASSERT_EQ(p.count, 2);
    EXPECT_FLOAT_EQ(float(p.sections[0].startMd), 1250.0f);
    EXPECT_EQ(int(p.sections[0].endX), 50 + 200 * 8);
    EXPECT_FLOAT_EQ(float(p.sections[0].pxPerTvd), 4.3f);  // 300 / 70
    EXPECT_FLOAT_EQ(float(p.sections[1].endMd), 2400.0f);
    EXPECT_EQ(int(p.sections[1].endX), 3250);
    EXPECT_FLOAT_EQ(float(p.sections[1].pxPerTvd), 6.0f);

    // Columns to depths and sections, as the mouse and the notes use them.
    EXPECT_EQ(DepthAtColumn(450, 50, 50, 8, 2000), 2050);
    EXPECT_EQ(DepthAtColumn(449, 50, 50, 8, 2000), 2049);
    const auto two = std::span(p.sections).first(2);
    EXPECT_EQ(SectionAtDepth(two, 1500, 0, 50), 0);
    EXPECT_EQ(SectionAtDepth(two, 1700, 0, 50), 1);  // the first section's end column is not beyond it
    EXPECT_EQ(SectionAtDepth(two, 0, 1700, 50), 1);  // 0 stands for the scroll position
    EXPECT_EQ(SectionAtDepth(two, 3400, 0, 50), 0);  // past every section

    StoreSections(*setup, p.sections);
    EXPECT_FLOAT_EQ(float(setup->sections[1].startMd), 2200.0f);
    EXPECT_EQ(float(setup->sections[2].startMd), 0.0f);
}

TEST(HorzPipeline, TopsImageSizeAndImageFile)
{
    std::vector<wellfile::TOPSEX> tops(20);
    for (int i = 0; i < 20; ++i) {
        tops[std::size_t(i)].number = i == 2 ? 0 : i + 1;
        tops[std::size_t(i)].tvd = float(1195 + 5 * i);
    }
    const TopsOfRange t = CollectTops(tops, 1200, 1300);
    EXPECT_EQ(t.firstIndex, 3);  // 1200 itself is not inside, index 2 has no number
    ASSERT_EQ(t.tops.size(), 12u);
    EXPECT_FLOAT_EQ(float(t.tops.front().tvd), 1210.0f);

    ImageSize s = PlotImageSize(2000, 2400, 8, 50, 1200, 615, 20);
    EXPECT_EQ(s.width, 3300);
    EXPECT_EQ(s.height, 590);
    EXPECT_EQ(PlotImageSize(2000, 2400, 8, 500, 1200, 615, 20).width, 3750);
    EXPECT_EQ(PlotImageSize(2000, 2010, 8, 50, 1200, 615, 20).width, 1700);

    // The folder is found whatever its letter case.
    const QString data = testing_support::TestDir() + "data/";
    QDir().mkpath(data + "Bitmaps/h1");
    const QString folder = PlotImageFolder(data, "H1");
    EXPECT_EQ(folder, data + "Bitmaps/h1/");
    EXPECT_EQ(PlotImagePath(folder, "H1", 2000, 2400, 4), data + "Bitmaps/h1/H1@2000-2400-5in-hor.png");
    EXPECT_TRUE(PlotImagePath(folder, "H1", 2000, 2400, 1).endsWith("-hor.bmp"));
    EXPECT_TRUE(PlotImagePath(folder, "H1", 2000, 2400, 0).isEmpty());
}
