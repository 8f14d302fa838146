// The printed gas track on PDF pages rasterised with pdftoppm: the row's grids, the curves' half rows
// and their strokes, the first row of a printing pass and the records of a whole-page call.
#include "tracks/draw/printedgas.h"

#include "platform/draw/dc.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

const platform::COLORREF kWhite = RGB(255, 255, 255), kTg = RGB(255, 0, 0), kC1 = RGB(255, 0, 255),
                         kThin = RGB(0, 0, 255), kHeavy = RGB(0, 128, 0), kEdge = RGB(128, 128, 0);

class PrintedGasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The gas track from 40, 20 units of 10 to 240; the ratio column from 300, 20 units.
        device.printing = true;
        device.printer.gasLeft = 40;
        device.printer.gas2Left = 40;
        device.printer.gasRight = 240;
        device.printer.gasUnits = 20;
        device.printer.unitWidth = 10;
        device.printer.ratioLeft = 300;
        device.printer.ratioUnits = 20;
        device.printer.lineThickness = 10;
        device.printPens[0] = {kTg, 1, layout::PS_SOLID};
        device.printPens[1] = {kC1, 1, layout::PS_SOLID};
        device.printPens[logview::PRINT_PEN_THIN_GRID] = {kThin, 1, layout::PS_SOLID};
        device.printPens[logview::PRINT_PEN_HEAVY_GRID] = {kHeavy, 1, layout::PS_SOLID};
        device.printPens[logview::PRINT_PEN_FIRST_GRID] = {kEdge, 1, layout::PS_SOLID};
        g.fileFirstDepth = 10;
        s.linearGasScale = true;  // code 1: two device units per gas
        s.hotwire = true;
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].depth = std::int32_t(100 + i);
            records[i].gasScale = 1;
        }
        state.printRowCounter = 1;
    }
    // Draws on a 600 x 120 page and reads it back.
    QImage Page(const std::function<void(platform::Dc&)>& draw)
    {
        const QString file = testing_support::TestDir() + "printedgas.pdf";
        {
            QPdfWriter writer(file);
            writer.setResolution(96);
            writer.setPageLayout(QPageLayout(QPageSize(QSizeF(450, 90), QPageSize::Point), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            platform::Dc dc(writer);
            draw(dc);
        }
        return testing_support::RasterisePdf(file, 384);
    }
    QImage Row(std::size_t index, bool ratio = false, int rowHeight = 40)
    {
        return Page([&](platform::Dc& dc) {
            PrintCurveTrack(dc, g, device, s, state, nullptr, records, index, rowHeight, ratio, kY);
        });
    }

    static constexpr int kY = 20;
    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings s;
    PainterState state;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(4);
};

using testing_support::At4;

}  // namespace

TEST_F(PrintedGasTest, StyledPenIsLaidAsTheLineThicknessTablesStrokes)
{
    device.printer.lineThickness = 45;
    g.pens.table[0].style = layout::PS_DASH;
    s.gasStrokes[0] = 2;
    records[1].halfGas[0] = records[1].gas[0] = 50;  // at 140
    const QImage page = Row(1);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(At4(page, 90, kY + k), kTg) << k;
    EXPECT_EQ(At4(page, 90, kY + 9), kWhite);
}

TEST_F(PrintedGasTest, SmallTotalIsTheMeanOfBothHalvesAndTheFirstRowDropsFromTheRecordBefore)
{
    records[1].halfGas[0] = 3.0f;
    records[1].gas[0] = 40.0f;  // both halves at 21.5: 83, drawn one unit right
    QImage page = Row(1);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";
    EXPECT_EQ(At4(page, 84, kY + 10), kTg);
    EXPECT_EQ(At4(page, 84, kY + 30), kTg);
    EXPECT_EQ(state.printGasJoin[0], 83);

    // The first row of a pass: a straight drop at the record before's 30, no line from the edge.
    state.printRowCounter = 0;
    state.printGasJoin.fill(0);
    records[0].gas[0] = 30;
    records[1].halfGas[0] = records[1].gas[0] = 30;
    page = Row(1);
    EXPECT_EQ(At4(page, 101, kY + 10), kTg);
    EXPECT_EQ(At4(page, 70, kY + 1), kWhite);
    EXPECT_EQ(At4(page, 60, kY), kThin);  // the row's top line
}

TEST_F(PrintedGasTest, GridsOfTheProfileScalesAndTheRatioColumn)
{
    // Profile 16's scale 9: 41 lines 0.9 unit apart, every tenth heavier.
    g.profile = 16;
    records[1].gasScale = 9;
    QImage page = Row(1);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";
    for (int k = 0; k <= 40; ++k)
        EXPECT_EQ(At4(page, 41 + 9 * k, kY + 20), k % 10 == 0 ? kHeavy : kThin) << k;
    EXPECT_EQ(At4(page, 41 + 9 * 40 + 1, kY + 20), kHeavy);  // the closing line, with the last line's pen
    EXPECT_EQ(At4(page, 41 + 4, kY + 20), kWhite);

    // The ratio column of profile 91 steps by trunc(0.9 unit), from one step in.
    g.profile = 91;
    records[1].gasScale = 1;
    page = Row(1, true);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(At4(page, 309 + 9 * k, kY + 20), k % 5 == 0 ? kHeavy : kThin) << k;
    EXPECT_EQ(At4(page, 309 + 9 * 20 + 1, kY + 20), kEdge);

    // Profile 64 doubles the lines at the gas track's edges; a track of no units has none to double.
    g.profile = 64;
    page = Row(1);
    EXPECT_EQ(At4(page, 42, kY + 20), kHeavy);
    device.printer.gasUnits = 0;
    device.printer.gas2Units = 20;
    page = Row(1);
    EXPECT_EQ(At4(page, 41, kY + 20), kHeavy);
    EXPECT_EQ(At4(page, 42, kY + 20), kWhite);
}

TEST_F(PrintedGasTest, WholePageCallStartsEachRecordFromTheOneBefore)
{
    s.hotwire = false;  // seven curves; TG the sum of the components
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].gas[1] = records[i].halfGas[1] = float(10 * (i + 1));
    records[2].gas[1] = -30;  // named, drawn at 30
    records[2].halfGas[1] = 30;
    const QImage page = Page([&](platform::Dc& dc) {
        dc.RecordText(true);
        EXPECT_EQ(PrintCurveTrack2(dc, g, device, s, state, nullptr, records, 1, 20, 2, false, kY), 1);
        ASSERT_EQ(dc.TextRecord().size(), 1u);
        EXPECT_EQ(dc.TextRecord()[0].text, "_C1");
    });
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";
    // Record 1 from record 0's 20 (at 60) to 40 (80): the first half's step runs along its top.
    EXPECT_EQ(At4(page, 70, kY), kC1);
    EXPECT_EQ(At4(page, 81, kY + 15), kC1);
    EXPECT_EQ(At4(page, 101, kY + 25), kC1);  // record 2 at 60
    EXPECT_EQ(state.printGasJoin[1], 100);
}
