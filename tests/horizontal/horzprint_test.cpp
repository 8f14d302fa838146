// The printed pages of the horizontal view worked out from the print geometry, and the picture rules.
#include "horizontal/horzprint.h"

#include <gtest/gtest.h>

using namespace horizontal;

namespace {

// Row heights 30, page length 10, a 1,080-pixel screen, MD 2,000-2,400 in an image of 3,300 x 590.
HorzPrintInput Standard()
{
    HorzPrintInput in;
    in.rowHeight = 30.0f;
    in.secondRowHeight = 30;
    in.screenHeight = 1080;
    in.pageLength = 10.0f;
    in.pixelsPerUnit = 8;
    in.plotFirstDepth = 2000;
    in.plotLastDepth = 2400;
    in.drawFrom = 2000;
    in.plotLeft = 50;
    in.imageWidth = 3300;
    in.imageHeight = 590;
    return in;
}

// Pages 1.. until one returns 0; the plans in order.
std::vector<HorzPagePlan> PrintAll(const HorzPrintInput& in, std::int32_t start, std::int32_t end)
{
    HorzPrintPosition at;
    std::vector<HorzPagePlan> pages;
    for (int page = 1; page < 20; ++page) {
        pages.push_back(PlanHorzPage(in, start, end, at, page));
        if (pages.back().result == 0)
            break;
    }
    return pages;
}

}  // namespace

TEST(HorzPrint, PagesStretchOneSliceEachAndCountDownToTheImagesEnd)
{
    const std::vector<HorzPagePlan> pages = PrintAll(Standard(), 2000, 2400);
    ASSERT_EQ(pages.size(), 4u);
    const HorzPagePlan& p = pages[0];
    EXPECT_EQ(p.top, 60);
    EXPECT_FLOAT_EQ(p.sx, 3.0f);
    EXPECT_NEAR(p.sy, 2.7f, 1e-5);
    EXPECT_FLOAT_EQ(p.pageWidth, 3000.0f);
    EXPECT_FLOAT_EQ(p.unitsPerPage, 125.0f);
    EXPECT_EQ(p.scaleCode, 5);
    EXPECT_FALSE(p.header);
    EXPECT_EQ(p.slice.source, (BlitRect{0, 0, 1000, 590}));
    EXPECT_EQ(p.slice.destination, (BlitRect{0, 60, 3000, 1533}));
    EXPECT_EQ(pages[1].slice.source.x, 1000);
    EXPECT_EQ(pages[3].slice.source, (BlitRect{3000, 0, 300, 590}));
    EXPECT_EQ(pages[3].slice.destination.width, 900);
    std::vector<int> results;
    for (const HorzPagePlan& q : pages)
        results.push_back(q.result);
    EXPECT_EQ(results, (std::vector<int>{5, 4, 3, 0}));
}

TEST(HorzPrint, ScreenHeightHalvingAndThePageCountRules)
{
    for (auto [height, k] : std::vector<std::pair<int, float>>{
             {1400, 0.07f}, {1399, 0.08f}, {1200, 0.08f}, {1000, 0.09f}, {900, 0.1f}, {899, 0.125f}})
        EXPECT_FLOAT_EQ(ScreenHeightFactor(height), k) << height;
    EXPECT_EQ(PrintScaleCode(1), 1);
    EXPECT_EQ(PrintScaleCode(2), 2);

    HorzPrintInput in = Standard();
    in.halveScale = true;
    EXPECT_FLOAT_EQ(PrintAll(in, 2000, 2400)[0].sx, 1.5f);

    in = Standard();
    in.rowHeight = 31.0f;  // trunc(3.3 + 1) + 1 as before, + 1 for the row height
    EXPECT_EQ(PrintAll(in, 2000, 2400)[0].result, 6);
    in = Standard();
    in.onePageLess = true;
    EXPECT_EQ(PrintAll(in, 2000, 2400)[0].result, 3);
}

TEST(HorzPrint, TheHeaderGoesFirstWhenThePrintStartsInsideThePlot)
{
    HorzPrintInput in = Standard();
    in.drawHeader = true;
    in.plotLeft = 500;
    const std::vector<HorzPagePlan> pages = PrintAll(in, 2100, 2400);
    ASSERT_GE(pages.size(), 2u);
    ASSERT_TRUE(pages[0].header);
    EXPECT_EQ(pages[0].header->source, (BlitRect{0, 0, 500, 590}));
    EXPECT_EQ(pages[0].header->destination.width, 1500);
    EXPECT_EQ(pages[0].slice.source.x, 1300);
    EXPECT_EQ(pages[0].slice.destination.x, 1500);
    EXPECT_EQ(pages[1].slice.source.x, 1800);
    EXPECT_FALSE(pages[1].header);
}

TEST(HorzPrint, BadRangesAndGeometryPrintNothing)
{
    HorzPrintPosition at;
    std::int32_t start = 2300;
    HorzPagePlan p = PlanHorzPage(Standard(), start, 2200, at, 1);
    EXPECT_EQ(p.failure, HorzPageFailure::InvalidRange);
    EXPECT_EQ(p.result, 0);

    // A start above the plot is raised to it and the first page starts at the image's left.
    start = 1500;
    p = PlanHorzPage(Standard(), start, 2400, at, 1);
    EXPECT_EQ(start, 2000);
    EXPECT_EQ(p.slice.source.x, 0);

    for (auto [row, length] : std::vector<std::pair<float, float>>{{0, 10}, {-30, 10}, {30, 0}, {30, -1}}) {
        HorzPrintInput in = Standard();
        in.rowHeight = row;
        in.pageLength = length;
        start = 2000;
        p = PlanHorzPage(in, start, 2400, at, 1);
        EXPECT_EQ(p.failure, HorzPageFailure::NoGeometry) << row << " " << length;
        EXPECT_EQ(p.result, 0);
    }

    // An end before the plot's last depth ends the print at that depth's x: 50 + 150 x 8 = 1,250.
    const std::vector<HorzPagePlan> pages = PrintAll(Standard(), 2000, 2150);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].slice.source.width, 250);
}

TEST(HorzPrint, PictureNamesRangeAndBoxes)
{
    EXPECT_EQ(elog::PictureDepth("W1@2150-3.jpg"), 2150);
    EXPECT_EQ(elog::PictureDepth("2150.JPG"), 2150);
    EXPECT_EQ(elog::PictureDepth("notes.jpg"), 0);

    std::vector<elog::PictureEntry> found{{2300, "b", 0}, {0, "none", 0}, {2003, "in", 0}, {2300, "a", 0},
                                          {2002, "edge", 0}, {2400, "last", 0}};
    SortPictures(found);
    ASSERT_EQ(found.size(), 6u);
    EXPECT_EQ(found[0].name, "none");
    EXPECT_EQ(found[3].name, "b");  // equal depths keep their order
    EXPECT_EQ(found[4].name, "a");
    const std::vector<elog::PictureEntry> in = PicturesInRange(found, 2000, 2400);
    ASSERT_EQ(in.size(), 3u);
    EXPECT_EQ(in[0].name, "in");

    const platform::RECT box = PictureBox(1250, 300);
    EXPECT_EQ(box.left, 1250);
    EXPECT_EQ(box.top, 280);
    EXPECT_EQ(box.right, 1270);
    EXPECT_EQ(box.bottom, 300);
    EXPECT_EQ(PictureBoxAt({PictureBox(10, 300), box}, 1269, 299), 1);
    EXPECT_EQ(PictureBoxAt({box}, 1270, 290), -1);
}
