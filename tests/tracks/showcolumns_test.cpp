// The show columns on a white image laid out as the demo well's (porosity 319-346, fluorescence 446-482,
// cut 482-509, cells of 9, rows of 10): which pixels each rating, percent and bar inks, the compressed
// rows, and a black-and-white page rasterised from PDF.
#include "tracks/draw/showcolumns.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr int kW = 800, kH = 120;
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kRating = RGB(200, 0, 0), kFluor = RGB(0, 150, 0), kHard = RGB(0, 0, 200);

class ShowColumns : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rowHeight = 10;
        g.porosity = {319, 3, 9};
        g.fluorescence = {446, 4, 9};
        g.cut = {482, 3, 9};
        g.hardness = {600, 3, 9};
        g.logBottomY = kH;
        g.fileFirstDepth = 1000;
        g.fileLastDepth = 2600;
        g.pens.table[layout::PEN_BORDER] = {RGB(128, 128, 128), 1, layout::PS_SOLID};
        for (int i = 0; i < int(records.size()); ++i) {
            records[std::size_t(i)].depth = 1000 + i;
            records[std::size_t(i)].ratingColour = kRating;
            records[std::size_t(i)].fluorColour = kFluor;
            records[std::size_t(i)].hardnessColour = kHard;
        }
    }
    // The columns [left, right) inked in colour c within rows [top, bottom); {kW, 0} when none.
    std::pair<int, int> Inked(COLORREF c, int top, int bottom) const
    {
        return testing_support::InkColumns(dc, kW, top, bottom, c);
    }
    bool AnyInk(int top, int bottom) const
    {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < kW; ++x)
                if (dc.GetPixel(x, y) != kWhite)
                    return true;
        return false;
    }

    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(20);
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

const std::pair<int, int> kNone{kW, 0};

}  // namespace

TEST_F(ShowColumns, RatingBoxesAreOneToThreeUnitsAndATraceIsADiagonal)
{
    // Porosity: unit 9 - 2 = 7, boxes growing left from the column's right edge 346.
    records[0].porosity = 'f';
    records[1].porosity = 'g';
    records[2].porosity = 'G';  // capitals draw nothing here
    records[3].porosity = 't';
    records[4].porosity = 'x';
    EXPECT_EQ(DrawRatingColumn(dc, g, device, records, 0, 10, 4, 0), 1);
    EXPECT_EQ(Inked(kBlack, 0, 10), std::make_pair(332, 346));
    EXPECT_EQ(Inked(kBlack, 10, 20), std::make_pair(325, 346));
    EXPECT_FALSE(AnyInk(20, 30));
    EXPECT_EQ(Inked(kBlack, 30, 41), std::make_pair(339, 346));  // from (339, 40) up to (346, 30)
    EXPECT_EQ(dc.GetPixel(339, 40), kBlack);
    EXPECT_FALSE(AnyInk(41, kH));

    // Profile 16 grows right from the column's left edge.
    image.fill(Qt::white);
    g.profile = 16;
    DrawRatingColumn(dc, g, device, records, 0, 10, 0, 0);
    EXPECT_EQ(Inked(kBlack, 0, 10), std::make_pair(319, 333));

    // The cut column takes capitals: three units of 9 from 482, in the record's colour.
    image.fill(Qt::white);
    records[2].cutRating = 'G';
    records[3].cutRating = 'p';
    DrawCutColumn(dc, g, device, records, 2, 10, 1, 0, {});
    EXPECT_EQ(Inked(kRating, 0, 10), std::make_pair(482, 509));
    EXPECT_EQ(Inked(kRating, 10, 20), std::make_pair(482, 491));

    // A custom cell: black boxes outlined in the record's colour, from the cell's x in its unit.
    image.fill(Qt::white);
    DrawRatingColumn2(dc, g, device, records, 2, 10, 0, 50, {700, 10});
    EXPECT_EQ(Inked(kRating, 50, 60), std::make_pair(700, 730));
    EXPECT_EQ(Inked(kBlack, 50, 60), std::make_pair(701, 729));
}

TEST_F(ShowColumns, ColumnsStopAtTheLogBottomAndAtTheLastDepth)
{
    for (wellfile::RECORD& r : records)
        r.porosity = 'p';
    g.logBottomY = 30;  // three rows on screen
    DrawRatingColumn(dc, g, device, records, 0, 10, 19, 0);
    EXPECT_EQ(Inked(kBlack, 20, 30).second, 346);
    EXPECT_FALSE(AnyInk(30, kH));

    // An off-screen render draws every row, up to the record of the file's last depth.
    image.fill(Qt::white);
    device.offScreen = true;
    g.fileLastDepth = 1005;
    DrawRatingColumn(dc, g, device, records, 0, 10, 19, 0);
    EXPECT_EQ(Inked(kBlack, 50, 60).second, 346);
    EXPECT_FALSE(AnyInk(60, kH));

    // A column without width is not drawn.
    image.fill(Qt::white);
    g.porosity.cell = 0;
    DrawRatingColumn(dc, g, device, records, 0, 10, 19, 0);
    EXPECT_FALSE(AnyInk(0, kH));
}

TEST_F(ShowColumns, FluorescenceSteps)
{
    // 4 units of 9: 0.36 pixels per percent from 446.
    records[0].fluorPercent = 250;  // keyed in tenths: 25 %
    records[0].fluorQuality = 'g';
    records[1].fluorPercent = 50;
    records[1].fluorQuality = 'p';
    // Rows 2 and 3 hold nothing: one closing step back to the column's x, then nothing.
    DrawBoxColumn(dc, g, device, records, 0, 10, 4, 0, {});
    EXPECT_EQ(Inked(kFluor, 1, 10), std::make_pair(446, 456));  // the box to 455 and its edge at 455
    EXPECT_EQ(dc.GetPixel(456, 5), kWhite);
    EXPECT_EQ(Inked(kFluor, 10, 11), std::make_pair(446, 465));  // the left line, and out from 455 to 464
    EXPECT_EQ(dc.GetPixel(464, 15), kFluor);
    EXPECT_EQ(dc.GetPixel(446, 15), kFluor);  // the column's left line
    EXPECT_EQ(dc.GetPixel(450, 15), kWhite);
    EXPECT_EQ(Inked(kFluor, 20, 21), std::make_pair(446, 464));  // back from 464 to the column's x
    EXPECT_FALSE(AnyInk(21, kH));

    // 'f': the slope from the row's bottom left up past its top; 't': a diagonal one unit wide.
    image.fill(Qt::white);
    records[5].fluorPercent = 50;
    records[5].fluorQuality = 'f';
    DrawBoxColumn(dc, g, device, records, 5, 10, 1, 40, {});
    EXPECT_EQ(dc.GetPixel(446, 50), kFluor);
    EXPECT_EQ(dc.GetPixel(464, 45), kFluor);  // the row's right edge at 50 %
    image.fill(Qt::white);
    records[6].fluorQuality = 't';
    DrawBoxColumn(dc, g, device, records, 6, 10, 1, 40, {});
    EXPECT_EQ(Inked(kFluor, 40, 51), std::make_pair(446, 455));
}

TEST_F(ShowColumns, BarsKeepToTheirWidths)
{
    // Hardness on five units of 9 would reach 45 pixels at 100 %; it stops at three units.
    g.hardness.count = 5;
    records[1].hardness = 100;
    records[2].hardness = 1000;  // keyed in tenths
    DrawBarColumn(dc, g, device, records, 1, 10, 1, 0);
    EXPECT_EQ(Inked(kHard, 0, 10), std::make_pair(600, 627));
    EXPECT_EQ(Inked(kHard, 10, 20), std::make_pair(600, 627));

    // Compressed: five-record means, five records a row, at most four units for fluorescence.
    image.fill(Qt::white);
    g.scaleIndex = 3;
    g.fileLastDepth = 1020;
    g.hardness.count = 3;
    for (int i = 0; i < 20; ++i) {
        records[std::size_t(i)].fluorPercent = i < 5 ? 100 : 0;
        records[std::size_t(i)].hardness = i < 5 ? 50 : 100;
    }
    DrawBarColumn2(dc, g, device, records, 0, 10, 4, 0, {});
    EXPECT_EQ(Inked(kFluor, 1, 10), std::make_pair(446, 483));  // the bar to 482 and its edge at 482
    EXPECT_EQ(Inked(kFluor, 10, kH), kNone);  // no bar for a mean of 0

    DrawBarColumn(dc, g, device, records, 0, 10, 3, 0);
    EXPECT_EQ(Inked(kHard, 0, 10), std::make_pair(600, 613));   // 50 % of 27: 13
    EXPECT_EQ(Inked(kHard, 10, 20), std::make_pair(600, 627));  // records 1005-1009
    // Records from 1010 lie within ten units of the last depth 1020.
    EXPECT_EQ(Inked(kHard, 20, kH), kNone);

    // The porosity mean of five on the compressed scales: 'g' 'g' 'f' 0 0 = 11 / 5 = 2 = 'p'.
    image.fill(Qt::white);
    records[0].porosity = records[1].porosity = 'g';
    records[2].porosity = 'f';
    records[5].porosity = 'g';
    DrawRatingColumn(dc, g, device, records, 0, 10, 19, 0);
    EXPECT_EQ(Inked(kBlack, 0, 10), std::make_pair(339, 346));
    EXPECT_EQ(Inked(kBlack, 10, 20), kNone);  // 'g' alone in five
}

TEST_F(ShowColumns, BlackAndWhitePageDrawsTheBoxesBlack)
{
    device.printing = true;
    device.printer.unitWidth = 10;
    device.printer.cutLeft = 100;
    device.printer.fluorescenceLeft = 200;
    device.printer.hardnessLeft = 300;
    device.printPens[logview::PRINT_PEN_THIN_GRID] = {RGB(0, 0, 255), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_HEAVY_GRID] = {RGB(0, 128, 0), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_SHOW_BORDER] = {RGB(255, 0, 255), 1, layout::PS_SOLID};
    records[1].cutRating = 'g';
    records[1].fluorPercent = 50;
    records[1].fluorQuality = 'g';
    records[1].hardness = 100;

    const QString file = testing_support::TestDir() + "shows.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(300, 60), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc page(writer);
        DrawCutColumn(page, g, device, records, 0, 20, 1, 10, {});
        DrawBoxColumn(page, g, device, records, 0, 20, 2, 10, {});
        DrawBarColumn(page, g, device, records, 0, 20, 1, 10);
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";
    using testing_support::At4;
    // The cut column's grid over the first row: 3 units of 10 from 100, the outer lines heavy.
    EXPECT_EQ(At4(page, 100, 20), RGB(0, 128, 0));
    EXPECT_EQ(At4(page, 110, 20), RGB(0, 0, 255));
    EXPECT_EQ(At4(page, 120, 20), RGB(0, 0, 255));
    EXPECT_EQ(At4(page, 130, 20), RGB(0, 128, 0));
    EXPECT_EQ(At4(page, 105, 20), kWhite);
    // The second row (y 30-50): the boxes black, whatever the records' colours.
    EXPECT_EQ(At4(page, 115, 40), kBlack);                // cut 'g': 100-130
    EXPECT_EQ(At4(page, 205, 40), kBlack);                // fluorescence 'g' 50 %: from 202
    EXPECT_EQ(At4(page, 310, 40), kBlack);                // hardness 100 %: 302-332
    EXPECT_EQ(At4(page, 335, 40), kWhite);
}
