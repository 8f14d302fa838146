// The printed lithology patterns: rows drawn through the lithology column on a PDF page at 300 dpi
// (printed cell 30 units, rows 24 high, the column from x 600, rows from y 100), rasterised with
// pdftoppm at the page's own resolution so that a device unit is a pixel.
#include "tracks/draw/lithology.h"
#include "tracks/draw/lithpattern.h"
#include "tracks/lithtypes.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;
using testing_support::At;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
constexpr COLORREF kDolomite = RGB(0, 192, 248), kAzure = RGB(0, 128, 255), kYellow = RGB(255, 255, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192), kGreen = RGB(10, 200, 30);

class PrintedLithology : public ::testing::Test {
protected:
    PrintedLithology()
    {
        device.printing = true;
        device.colourPrinting = true;
        Resolution(300);
    }

    // The paper at `dpi`: the same column and rows in device units scaled with it.
    void Resolution(int dpi)
    {
        dpi_ = dpi;
        k_ = dpi / 300;
        device.printer.lithologyLeft = 600 * k_;
        device.printer.lithologyCellWidth = 30 * k_;
        device.printer.rowHeight = 24 * k_;
        device.printer.rowSize = 24 * k_;
    }
    int RowTop(int row) const { return (100 + 24 * row) * k_; }

    // One row per text, each through the lithology column with the printed row counter advanced after
    // it as the printed page does; the page read back.
    QImage Rows(const std::vector<std::string>& texts, bool interpreted = false)
    {
        pdf = testing_support::TestDir() + "printlith.pdf";
        records.clear();
        for (const std::string& text : texts) {
            wellfile::RECORD r;
            platform::SetFieldText(interpreted ? r.interpretedLith : r.lith, text.c_str());
            records.push_back(r);
        }
        {
            QPdfWriter writer(pdf);
            writer.setResolution(dpi_);
            writer.setPageLayout(QPageLayout(QPageSize(QSizeF(240, 72), QPageSize::Point), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            platform::Dc dc(writer);
            if (entryBrush)
                dc.SelectObject(*entryBrush);
            for (std::size_t i = 0; i < records.size(); ++i) {
                DrawLithology(dc, g, device, s, state, records, i, 24 * k_, RowTop(int(i)), false, interpreted);
                ++state.printRowCounter;
            }
        }
        QImage page = testing_support::RasterisePdf(pdf, dpi_);
        EXPECT_FALSE(page.isNull()) << "pdftoppm failed";
        return page;
    }

    // The length of the black run through (x, y), across or down.
    static int RunAcross(const QImage& img, int x, int y)
    {
        int a = x, b = x;
        while (a > 0 && At(img, a - 1, y) == kBlack)
            --a;
        while (b + 1 < img.width() && At(img, b + 1, y) == kBlack)
            ++b;
        return At(img, x, y) == kBlack ? b - a + 1 : 0;
    }
    static int RunDown(const QImage& img, int x, int y)
    {
        int a = y, b = y;
        while (a > 0 && At(img, x, a - 1) == kBlack)
            --a;
        while (b + 1 < img.height() && At(img, x, b + 1) == kBlack)
            ++b;
        return At(img, x, y) == kBlack ? b - a + 1 : 0;
    }

    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings s;
    PainterState state;
    std::vector<wellfile::RECORD> records;
    std::optional<platform::Brush> entryBrush;
    QString pdf;
    int dpi_ = 300, k_ = 1;
};

}  // namespace

TEST_F(PrintedLithology, PensFollowTheCellWidthOnlyOnRowsOfThirtyPixelsOrMore)
{
    device.colourPrinting = false;  // the separator is not covered by the next item's fill
    // Limestone joints (mid pen) in cell 0, the separator before sand (thick), carbonaceous shale's dash
    // (row pen, a fifth of the row height) in cell 9 of the row below, which runs to half a cell short.
    const auto widths = [&](int k) {
        const QImage page = Rows({"50ls,50ss", "90ls,10cs"});
        return std::array<int, 3>{RunAcross(page, 615 * k, 112 * k), RunAcross(page, 749 * k, 112 * k),
                                  RunDown(page, 877 * k, 136 * k)};
    };
    std::array<int, 3> w = widths(1);  // rows of 24 pixels: 4 and 3 whatever the cell width
    EXPECT_NEAR(w[0], 3, 1);
    EXPECT_NEAR(w[1], 4, 1);
    EXPECT_NEAR(w[2], 4, 1);

    Resolution(600);  // cell 60, rows 48: a fifth and 0.15 of the cell
    state = {};
    w = widths(2);
    EXPECT_NEAR(w[0], 9, 1);
    EXPECT_NEAR(w[1], 12, 1);
    EXPECT_NEAR(w[2], 9, 1);

    device.narrowFormat = true;  // the narrow format keeps the thick pen at 4
    state = {};
    w = widths(2);
    EXPECT_NEAR(w[0], 9, 1);
    EXPECT_NEAR(w[1], 4, 1);

    // The interpreted column places by its own cell width; the pens still follow the printed cell.
    device.printer.interpretedLeft = 400;
    device.printer.interpretedCellWidth = 24;
    device.colourPrinting = true;
    state = {};
    const QImage page = Rows({"100ls"}, true);
    EXPECT_NEAR(RunAcross(page, 412, 224), 9, 1);  // the joint of cell 0
    EXPECT_EQ(At(page, 630, 210), kAzure);
    EXPECT_EQ(At(page, 645, 210), kWhite);  // the item ends with the tenth cell at 640
    EXPECT_EQ(At(page, 1230, 224), kWhite);
}

TEST_F(PrintedLithology, DolomiteDiagonalsStaggerByThePrintedRowAndTakeTheFillOfTheColourSettings)
{
    QImage page = Rows({"100d", "100d"});
    // Even row: diagonals in cells 0, 4 and 8, fill between them.
    EXPECT_EQ(At(page, 615, 112), kBlack);
    EXPECT_EQ(At(page, 735, 112), kBlack);
    EXPECT_EQ(At(page, 855, 112), kBlack);
    EXPECT_EQ(At(page, 645, 112), kDolomite);
    // Odd row: cells 2 and 6.
    EXPECT_EQ(At(page, 675, 136), kBlack);
    EXPECT_EQ(At(page, 795, 136), kBlack);
    EXPECT_EQ(At(page, 615, 136), kDolomite);

    state.printRowCounter = 0;
    device.colourPrinting = false;
    page = Rows({"100d"});
    EXPECT_EQ(At(page, 645, 112), kWhite);
    EXPECT_EQ(At(page, 615, 112), kBlack);

    state.printRowCounter = 0;
    device.colourPrinting = true;
    s.dolomiteColour = true;  // the operator's colour
    page = Rows({"100d"});
    EXPECT_EQ(At(page, 645, 112), RGB(255, 0, 248));
}

TEST_F(PrintedLithology, SeparatorsAndTopBoundariesStopAtTheRockFamily)
{
    QImage page = Rows({"50ls,50ss"});
    for (int x : {605, 645, 705, 740})
        EXPECT_EQ(At(page, x, 106), kAzure) << x;
    for (int x : {756, 795, 855, 895})
        EXPECT_EQ(At(page, x, 106), kYellow) << x;
    EXPECT_EQ(At(page, 749, 112), kBlack);  // the thick separator

    state = {};
    page = Rows({"50ls,50ol"});  // oolitic limestone joins limestone
    EXPECT_EQ(At(page, 749, 112), kAzure);

    state = {};
    page = Rows({"100gs", "100ss"});  // glauconitic sand above sand: no boundary
    EXPECT_EQ(At(page, 675, 124), kYellow);
    EXPECT_EQ(At(page, 705, 124), kYellow);
    state = {};
    page = Rows({"100sh", "100ss"});
    EXPECT_EQ(At(page, 675, 124), kBlack);
    EXPECT_EQ(At(page, 705, 124), kBlack);
}

TEST_F(PrintedLithology, CoalIsBlackOverTheWholeItemWithOrWithoutColour)
{
    for (bool colour : {true, false}) {
        device.colourPrinting = colour;
        state = {};
        const QImage page = Rows({"100co", "50co,50ls"});
        for (int x : {602, 645, 700, 751, 810, 897})
            EXPECT_EQ(At(page, x, 112), kBlack) << colour << " " << x;
        // Coal is painted after limestone in the row below, from x 750.
        EXPECT_EQ(At(page, 760, 140), kBlack) << colour;
        EXPECT_EQ(At(page, 645, 140), colour ? kAzure : kWhite);
    }
    // Its record mark stands where the other patterns put theirs, over the black.
    state = {};
    device.colourPrinting = true;
    const QImage page = Rows({"100~co"});
    EXPECT_EQ(At(page, 645, 119), kRed);
    EXPECT_EQ(At(page, 825, 119), kRed);
    EXPECT_EQ(At(page, 705, 119), kBlack);
}

TEST_F(PrintedLithology, ShaleDashesRunFromHalfACellInOnEvenRowsAndStopHalfACellShortOnOddRows)
{
    const QImage page = Rows({"90ls,10sh", "90ls,10sh"});
    EXPECT_EQ(At(page, 888, 112), kBlack);
    EXPECT_EQ(At(page, 896, 112), kBlack);
    EXPECT_EQ(At(page, 880, 112), kGrey);
    EXPECT_EQ(At(page, 874, 136), kBlack);
    EXPECT_EQ(At(page, 882, 136), kBlack);
    EXPECT_EQ(At(page, 890, 136), kGrey);
}

TEST_F(PrintedLithology, BlankDrawsNothingAndEndsTheRow)
{
    QImage page = Rows({"100bl", "100ss"});
    for (int x = 596; x < 904; ++x)
        for (int y = 96; y < 121; ++y)
            ASSERT_EQ(At(page, x, y), kWhite) << x << "," << y;
    // The next row starts at the column's left edge in cell 0, under cells booked blank: its boundary.
    EXPECT_EQ(At(page, 603, 136), kYellow);
    EXPECT_EQ(At(page, 597, 136), kWhite);
    EXPECT_EQ(At(page, 645, 124), kBlack);
    EXPECT_EQ(state.lith.previousCells, (std::array<std::int32_t, 10>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));

    // Under a rock, each blank cell gets its own top edge, though the cursor stays.
    state = {};
    page = Rows({"100ls", "100bl"});
    for (int x : {605, 645, 825, 895})
        EXPECT_EQ(At(page, x, 124), kBlack) << x;
    EXPECT_EQ(At(page, 645, 130), kWhite);
}

TEST_F(PrintedLithology, RecordMarksStandInTheItemsCellsOneAndSevenOrThree)
{
    QImage page = Rows({"100~ls", "100~ls"});
    EXPECT_EQ(At(page, 645, 119), kRed);  // 4 below the top, plus half the cell
    EXPECT_EQ(At(page, 825, 119), kRed);
    EXPECT_EQ(At(page, 705, 119), kAzure);
    EXPECT_EQ(At(page, 705, 143), kRed);  // odd row: the item's cell 3
    EXPECT_EQ(At(page, 645, 143), kAzure);

    // Without colour the pattern's pen and the device context's brush draw the diamond.
    state = {};
    device.colourPrinting = false;
    entryBrush = platform::Brush(kGreen);
    page = Rows({"100~ls"});
    EXPECT_EQ(At(page, 645, 119), kGreen);
    EXPECT_EQ(At(page, 645, 106), kBlack);  // its upper tip
}

TEST_F(PrintedLithology, AccessorySymbolsAndTheWashOverride)
{
    QImage page = Rows({"108ls", "108ls"});
    // Even rows: the shaly dash 3 units above and left of cells 2 and 7.
    EXPECT_EQ(At(page, 674, 109), kBlack);
    EXPECT_EQ(At(page, 824, 109), kBlack);
    EXPECT_EQ(At(page, 644, 109), kAzure);
    // Odd rows: cells 0 (kept inside the column), 4 and 9.
    EXPECT_EQ(At(page, 610, 133), kBlack);
    EXPECT_EQ(At(page, 734, 133), kBlack);
    EXPECT_EQ(At(page, 884, 133), kBlack);
    EXPECT_EQ(At(page, 645, 133), kAzure);

    // "Lith is Wash" on limestone's pen entry: the triangle and box instead, the box in the caller's brush.
    state = {};
    g.pens.lith[LITH_LIMESTONE + 17].symbol = true;
    entryBrush = platform::Brush(kGreen);
    page = Rows({"108ls"});
    EXPECT_EQ(At(page, 674, 109), kGreen);
    EXPECT_EQ(At(page, 667, 109), kBlack);
}

TEST_F(PrintedLithology, AnhydriteByProfileAndRedShaleFromItsPenEntry)
{
    g.profile = 116;
    Rows({"100anhy"});
    EXPECT_EQ(testing_support::PdfText(pdf).count('x'), 3);

    g.profile = 91;  // strokes in the even cells of an even row
    state = {};
    QImage page = Rows({"100anhy"});
    EXPECT_EQ(At(page, 615, 112), kBlack);
    EXPECT_EQ(At(page, 675, 112), kBlack);
    EXPECT_EQ(At(page, 645, 112), kWhite);

    g.profile = 0;  // the check stroke in every fourth cell
    state = {};
    page = Rows({"100anhy"});
    EXPECT_EQ(At(page, 623, 111), kBlack);
    EXPECT_EQ(At(page, 743, 111), kBlack);
    EXPECT_EQ(At(page, 683, 111), kWhite);

    g.pens.table[27 + 17].colour = RGB(200, 60, 40);
    state = {};
    page = Rows({"100rsh"});
    EXPECT_EQ(At(page, 645, 104), RGB(200, 60, 40));
}

TEST_F(PrintedLithology, TheCallersPenBrushAndBackgroundModeComeBackAfterEveryType)
{
    QImage image = testing_support::Filled(1000, 200, kWhite);
    platform::Dc dc(image);
    const platform::Pen pen(RGB(90, 0, 90), 1);
    const platform::Brush brush(kGreen);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    for (int profile : {0, 2, 116}) {
        g.profile = profile;
        for (int type = -1; type <= 38; ++type) {
            state.lith.previousCells.fill(type == 5 ? 4 : 5);  // a boundary in every cell
            state.lith.nextType = 0;
            PrintLithPattern({dc, g, device, s, state}, {type, 30, 8, 24, 100, 1, false, false});
            EXPECT_EQ(dc.CurrentPen(), pen) << type;
            EXPECT_EQ(dc.CurrentBrush(), brush) << type;
            EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE) << type;
            ASSERT_GE(state.lith.cellIndex, 0);
            ASSERT_LE(state.lith.cellIndex, 9);
            state = {};
        }
    }
}

TEST_F(PrintedLithology, RowsOverAHundredPercentAndUnknownTypesStayInsideTheRowTables)
{
    QImage image = testing_support::Filled(1000, 200, kWhite);
    platform::Dc dc(image);
    wellfile::RECORD r;
    platform::SetFieldText(r.lith, "60ls,60sh");  // twelve cells
    const std::vector<wellfile::RECORD> recs{r};
    DrawLithology(dc, g, device, s, state, recs, 0, 24, 100, false, false);
    EXPECT_EQ(state.lith.previousCells, (std::array<std::int32_t, 10>{4, 4, 4, 4, 4, 4, 8, 8, 8, 8}));
    EXPECT_EQ(state.lith.cellIndex, 0);
    EXPECT_EQ(state.lith.cellX, 600);
    EXPECT_EQ(state.lith.shareUsed, 0);

    // Types no table knows are booked blank and move nothing.
    for (int type : {-7, 38, 1000}) {
        state = {};
        state.lith.previousCells.fill(4);
        PrintLithPattern({dc, g, device, s, state}, {type, 100, 0, 24, 100, 0, false, false});
        EXPECT_EQ(state.lith.previousCells, (std::array<std::int32_t, 10>{})) << type;
    }
}

TEST_F(PrintedLithology, GlauconiticAndOoliticDolomiteJoinTheDolomites)
{
    // No separator before a following dolomite, fossiliferous or oolitic dolomite; one before limestone.
    for (const char* text : {"50gd,50d", "50gd,50od", "50od,50gd"}) {
        state = {};
        EXPECT_EQ(At(Rows({text}), 749, 112), kDolomite) << text;
    }
    state = {};
    EXPECT_EQ(At(Rows({"50gd,50ls"}), 749, 112), kBlack);

    // Oolites 0.75 of a cell wide on even rows (cells 3 and 7), 0.65 on odd rows (cells 1 and 5); the
    // outline in the mid pen, its outer edges measured.
    state = {};
    device.colourPrinting = false;
    const QImage page = Rows({"100od", "100od"});
    const auto outerWidth = [&](int cellLeft, int y) {
        int first = -1, last = -1;
        for (int x = cellLeft - 2; x < cellLeft + 28; ++x)
            if (At(page, x, y) == kBlack) {
                if (first < 0)
                    first = x;
                last = x;
            }
        return last - first + 1 - 3;
    };
    EXPECT_NEAR(outerWidth(690, 112), 22, 1);
    EXPECT_NEAR(outerWidth(810, 112), 22, 1);
    EXPECT_NEAR(outerWidth(630, 136), 19, 1);
    EXPECT_NEAR(outerWidth(750, 136), 19, 1);
}

TEST_F(PrintedLithology, GlauconiticDolomiteMeetsOtherRocksAboveInTheMidPen)
{
    Resolution(600);  // mid pen 9, thick pen 12
    // Cell 3 of an odd row carries no figure: only the top line and any edge against the row above.
    for (const char* above : {"100d", "100fd", "100od", "100ls"}) {
        state = {};
        EXPECT_NEAR(RunDown(Rows({above, "100gd"}), 1410, 248), 9, 1) << above;
    }
    state = {};
    EXPECT_NEAR(RunDown(Rows({"100ls", "100d"}), 1410, 248), 12, 1);  // plain dolomite's thick edge
}

TEST_F(PrintedLithology, WashesAlternateTrianglesWithSquaresReachingIntoTheNextCell)
{
    // Even row: a triangle in the item's first cell, its apex on the row top at 615 and its base half a
    // cell down; odd row: in its second cell.
    QImage page = Rows({"100gw", "100gw"});
    EXPECT_EQ(At(page, 611, 108), kBlack);
    EXPECT_EQ(At(page, 615, 115), kBlack);
    EXPECT_EQ(At(page, 615, 108), kRed);
    EXPECT_EQ(At(page, 645, 108), kRed);
    EXPECT_EQ(At(page, 645, 139), kBlack);
    EXPECT_EQ(At(page, 615, 139), kRed);

    // A one-cell wash on an odd row draws nothing of its own.
    state = {};
    state.printRowCounter = 1;
    page = Rows({"10gw,90sh"});
    for (int x = 602; x < 626; ++x)
        for (int y = 104; y < 124; ++y)
            ASSERT_EQ(At(page, x, y), kRed) << x << "," << y;

    // On an even row the square of a one-cell quartz or carbonate wash reaches 9 px into the shale.
    device.colourPrinting = false;
    for (const char* text : {"10q,90sh", "10cw,90sh"}) {
        state = {};
        page = Rows({text});
        EXPECT_EQ(At(page, 638, 122), kBlack) << text;
        EXPECT_EQ(At(page, 634, 129), kBlack) << text;
        EXPECT_EQ(At(page, 634, 122), kWhite) << text;
        EXPECT_EQ(At(page, 642, 122), kWhite) << text;
    }

    // Granite wash leaves out a square that would start within 0.8 of a cell of the column's edge.
    device.printer.lithologyRight = 860;
    state = {};
    page = Rows({"100gw"});
    EXPECT_EQ(At(page, 810, 129), kBlack);  // cell 6
    EXPECT_EQ(At(page, 870, 129), kWhite);  // cell 8
    state = {};
    page = Rows({"100q"});
    EXPECT_EQ(At(page, 870, 129), kBlack);
}

TEST_F(PrintedLithology, CementShowsNeitherAccessoryNorMarkAndJoinsTheSandsAbove)
{
    const QImage plain = Rows({"100cm"});
    state = {};
    const QImage marked = Rows({"105~cm"});
    EXPECT_EQ(plain, marked);
    // Circles in the alternate cells.
    EXPECT_EQ(At(plain, 640, 112), kBlack);
    EXPECT_EQ(At(plain, 610, 112), kGrey);

    for (const char* above : {"100xs", "100gs"}) {
        state = {};
        EXPECT_EQ(At(Rows({above, "100cm"}), 615, 124), kGrey) << above;
    }
    state = {};
    EXPECT_EQ(At(Rows({"100ss", "100cm"}), 615, 124), kBlack);
}

TEST_F(PrintedLithology, TheXsSandsMarkStandsInCellThreeOrSevenOfTheRowAndLeavesItsPen)
{
    // The diamond's middle is half a cell right and 19 units down from the cell's corner.
    QImage page = Rows({"100~xs", "100~xs"});
    EXPECT_EQ(At(page, 705, 119), kRed);
    EXPECT_NE(At(page, 645, 119), kRed);
    EXPECT_NE(At(page, 825, 119), kRed);
    EXPECT_EQ(At(page, 825, 143), kRed);
    EXPECT_NE(At(page, 705, 143), kRed);
    // The cells are the row's, not the item's: an item from cell 5 has none on even rows.
    state = {};
    page = Rows({"50ss,50~xs", "50ss,50~xs"});
    for (int x : {765, 795, 825, 855})
        EXPECT_NE(At(page, x, 119), kRed) << x;
    EXPECT_EQ(At(page, 825, 143), kRed);
    EXPECT_NE(At(page, 855, 143), kRed);

    // After the diamond the edges against the row above go on in the pen it leaves: the mid pen.
    Resolution(600);
    state = {};
    page = Rows({"100~xs"});
    const int before = RunDown(page, 1290, 200), after = RunDown(page, 1530, 200);
    EXPECT_NEAR(before, 10, 1);
    EXPECT_EQ(after, before);
}

TEST_F(PrintedLithology, CustomTypesDrawCrossesBoldDashesOrOneShaleDashByTheirPenEntry)
{
    g.pens.table[47].colour = kGreen;  // "Cust 1"
    // Both switches: crosses in cells 1, 4 and 7 of even rows, 2, 5 and 8 of odd rows.
    g.pens.lith[47] = {true, true, false};
    QImage page = Rows({"100c1", "100c1"});
    for (int x : {645, 735, 825})
        EXPECT_EQ(At(page, x, 106), kBlack) << x;
    EXPECT_EQ(At(page, 675, 106), kGreen);
    for (int x : {675, 765, 855})
        EXPECT_EQ(At(page, x, 130), kBlack) << x;
    EXPECT_EQ(At(page, 645, 130), kGreen);

    // Neither: one dash, 22 units short at the left on even rows and at the right on odd rows; 15 for
    // a one-cell item.
    g.pens.lith[47] = {};
    state = {};
    page = Rows({"100c1", "100c1", "90ls,10c1", "90ls,10c1"});
    EXPECT_EQ(At(page, 619, 112), kGreen);
    EXPECT_EQ(At(page, 625, 112), kBlack);
    EXPECT_EQ(At(page, 897, 112), kBlack);
    EXPECT_EQ(At(page, 603, 136), kBlack);
    EXPECT_EQ(At(page, 875, 136), kBlack);
    EXPECT_EQ(At(page, 881, 136), kGreen);
    EXPECT_EQ(At(page, 882, 160), kGreen);
    EXPECT_EQ(At(page, 888, 160), kBlack);
    EXPECT_EQ(At(page, 882, 184), kBlack);
    EXPECT_EQ(At(page, 888, 184), kGreen);

    // "Draw As Clay" alone: a dash of the row pen, a cell and a half long (its round ends add the pen's
    // width of 4).
    g.pens.lith[47] = {true, false, false};
    state = {};
    page = Rows({"100c1"});
    EXPECT_NEAR(RunDown(page, 650, 112), 4, 1);
    EXPECT_NEAR(RunAcross(page, 650, 112), 45 + 4, 1);

    // In the interpreted column's narrower cells the dash and the cross keep the printed cell's size.
    device.printer.interpretedLeft = 400;
    device.printer.interpretedCellWidth = 24;
    state = {};
    page = Rows({"100c1"}, true);
    EXPECT_NEAR(RunAcross(page, 440, 112), 45 + 4, 1);
    g.pens.lith[47] = {false, true, false};
    state = {};
    page = Rows({"100c1"}, true);
    EXPECT_NEAR(RunAcross(page, 432, 112), 30 + 4, 1);
}

TEST_F(PrintedLithology, VolcanicsShareTheLastCustomTypesColourWithVeesInEveryFourthCell)
{
    const COLORREF shade = RGB(170, 90, 160);
    g.pens.table[52].colour = shade;  // "Cust 6"
    const QImage page = Rows({"100VO", "100VO", "100c6"});
    EXPECT_EQ(At(page, 645, 106), shade);
    EXPECT_EQ(At(page, 645, 154), shade);
    // The V of a cell runs from its top corners to the middle of its bottom: its arms cross the row's
    // middle a quarter of a cell in from each side.
    for (int x : {607, 622, 727, 742, 847, 862})
        EXPECT_EQ(At(page, x, 112), kBlack) << x;
    EXPECT_EQ(At(page, 615, 112), shade);
    EXPECT_EQ(At(page, 667, 112), shade);
    for (int x : {667, 682, 787, 802})
        EXPECT_EQ(At(page, x, 136), kBlack) << x;
    EXPECT_EQ(At(page, 607, 136), shade);
}

TEST_F(PrintedLithology, EveryRockTypePrintsItsPatternOnEvenAndOddRows)
{
    device.colourPrinting = false;
    static constexpr const char* kCodes[] = {
        "d",  "ss", "a",  "l",  "ch", "sl", "sh", "co", "sa",  "gr",  "cg",  "ol", "gl", "fl", "be", "gs", "fd",
        "gd", "od", "xs", "cs", "gw", "q",  "cm", "cw", "rsh", "osh", "gsh", "c1", "c2", "c3", "c4", "c5", "c6",
        "ck", "VO"};
    // Four types a page (the test page holds eight rows), each on an even and an odd row.
    for (std::size_t first = 0; first < std::size(kCodes); first += 4) {
        std::vector<std::string> texts;
        for (std::size_t i = first; i < first + 4 && i < std::size(kCodes); ++i) {
            texts.push_back(std::string("100") + kCodes[i]);
            texts.push_back(texts.back());
        }
        state = {};
        const QImage page = Rows(texts);
        for (std::size_t row = 0; row < texts.size(); ++row) {
            const int top = RowTop(int(row));
            bool drawn = false;
            for (int y = top + 4; y < top + 20 && !drawn; ++y)
                for (int x = 600; x < 900 && !drawn; ++x)
                    drawn = At(page, x, y) == kBlack;
            EXPECT_TRUE(drawn) << texts[row] << " on row " << row;
        }
    }
}
