// The scale heads of the gas track and the curve track as the Dc's text record sees them, and the
// printed gas grid on a rasterised PDF page.
#include "tracks/draw/gasheads.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

using Label = std::tuple<int, int, QString>;  // x, y and text

class HeadsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.gas = {100, 50, 10};  // the gas track from 100, units of 10
        g.gasRight = 603;
        g.gasSecondLeft = 100;
        g.rate = {9, 25, 10};   // the curve track 9-259
        g.logBottomY = 880;
        g.pens.table[layout::PEN_GAMMA] = {RGB(0, 128, 0), 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_RT_GAMMA] = {RGB(128, 0, 128), 1, layout::PS_SOLID};
        s.logGasScale = true;
        dc.RecordText(true);
    }
    std::vector<Label> Gas(int code, int inBody)
    {
        dc.RecordText(true);
        rec.gasScale = std::uint16_t(code);
        DrawGasScaleHeader(dc, g, device, s, rec, 100, 10, inBody);
        return Labels();
    }
    std::vector<Label> Labels() const
    {
        std::vector<Label> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.emplace_back(t.at.x, t.at.y, t.text);
        return out;
    }

    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    TrackSettings s;
    wellfile::RECORD rec;
    QImage image = testing_support::White(1000, 1000);
    platform::Dc dc{image};
};

}  // namespace

TEST_F(HeadsTest, GasHeadLabelsOnEachScale)
{
    // The top head of the logarithmic scale: unit labels one decade (7 units) apart, 3 rows above the
    // label line.
    EXPECT_EQ(Gas(2, 0), (std::vector<Label>{{100, 86, "TG"}, {170, 86, "1"}, {240, 86, "10"}, {310, 86, "100"},
                                             {380, 86, " 1k"}, {450, 86, "10k"}}));
    EXPECT_TRUE(Gas(2, 1).empty());  // repeated inside the body: no decades

    s.logGasScale = false;  // the compressed scale's labels, code 0 taking row 8
    std::vector<Label> compressed = Gas(0, 1);
    ASSERT_EQ(compressed.size(), 7u);
    EXPECT_EQ(compressed[0], (Label{150, 86, "50"}));
    EXPECT_EQ(compressed[6], (Label{450, 86, "10k"}));
    EXPECT_EQ(std::get<2>(Gas(3, 0)[6]), "500");
}

TEST_F(HeadsTest, Profile134ShowsPercentAndPpmWithoutTheSetting)
{
    g.profile = 134;
    const std::vector<Label> labels = Gas(1, 0);
    ASSERT_EQ(labels.size(), 10u);  // percent and PPM per decade (the sixth are empty), no unit labels
    EXPECT_EQ(labels[0], (Label{170, 116, ".01"}));
    EXPECT_EQ(labels[1], (Label{170, 141, "100"}));
    EXPECT_FALSE(s.drawPpmScale);

    g.profile = 12;  // the same head elsewhere: the setting decides
    for (const Label& l : Gas(1, 0))
        EXPECT_NE(std::get<2>(l), "1000k");
}

TEST_F(HeadsTest, CurveTrackHeads)
{
    s.gammaScale = 14;
    DrawTrackScaleHeader(dc, g, device, s, 0, 10, false);
    EXPECT_EQ(Labels(), (std::vector<Label>{{9, 900, "0"}, {129, 900, "150"}}));
    EXPECT_EQ(dc.TextRecord()[0].textColor, RGB(0, 128, 0));
    EXPECT_EQ(dc.GetPixel(200, 900), RGB(0, 128, 0));  // the rule across the track
    EXPECT_EQ(dc.GetPixel(258, 900), RGB(0, 128, 0));
    EXPECT_EQ(dc.GetPixel(259, 900), RGB(255, 255, 255));

    dc.RecordText(true);
    DrawTrackScaleHeader(dc, g, device, s, 0, 10, true);
    EXPECT_EQ(dc.TextRecord()[0].textColor, RGB(128, 0, 128));  // the real-time gamma colour

    for (int scale : {0, 17}) {  // no row of labels: the rule alone
        s.gammaScale = scale;
        dc.RecordText(true);
        DrawTrackScaleHeader(dc, g, device, s, 0, 10, false);
        EXPECT_TRUE(dc.TextRecord().empty());
    }

    // The weight-on-bit head on paper: the right label two rows in, the left one moved in to stand whole
    // inside the track (from its left edge, which may be the paper's), and no rule.
    image.fill(Qt::white);
    dc.RecordText(true);
    device.printing = true;
    device.printer.curveLeft = 100;
    device.printer.curveRight = 600;
    g.pens.table[layout::PEN_WOB] = {RGB(0, 0, 255), 1, layout::PS_SOLID};
    DrawTrackScaleHeader2(dc, g, device, 50, 40);
    const std::vector<Label> labels = Labels();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_GT(std::get<0>(labels[0]), 100);
    EXPECT_LE(std::get<0>(labels[0]), 100 + 20 / 2 + 1);  // a digit is less than half a row wide
    EXPECT_EQ(labels[1], (Label{520, 90, "60"}));
    EXPECT_EQ(dc.GetPixel(300, 90), RGB(255, 255, 255));
}

TEST(PrintGasLogGrid, FiveDecadesOnAPdfPage)
{
    logview::Device device;
    device.printing = true;
    device.printer.gasUnits = 25;
    device.printer.unitWidth = 20;
    device.printPens[logview::PRINT_PEN_RATE] = {RGB(255, 0, 0), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_THIN_GRID] = {RGB(0, 0, 255), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_HEAVY_GRID] = {RGB(0, 128, 0), 1, layout::PS_SOLID};
    PainterState state;

    const int x0 = 40, y = 20, rowHeight = 30;
    const QString file = testing_support::TestDir() + "grid.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(450, 75), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc dc(writer);
        PrintGasLogGrid(dc, device, state, rowHeight, y, 2, x0);
    }
    EXPECT_EQ(state.printedGridRight, x0 + 500);
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";

    const int rowMiddle = y + rowHeight + 15;  // the second row
    EXPECT_EQ(testing_support::At4(page, x0, rowMiddle), RGB(255, 0, 0));
    for (int decade = 0; decade < 5; ++decade) {
        const int base = x0 + 100 * decade;
        for (int k : {30, 47, 60, 69, 77, 84, 90, 95})
            EXPECT_EQ(testing_support::At4(page, base + k, rowMiddle), RGB(0, 0, 255)) << base + k;
        EXPECT_EQ(testing_support::At4(page, base + 100, rowMiddle), RGB(0, 128, 0)) << base + 100;
        EXPECT_EQ(testing_support::At4(page, base + 50, rowMiddle), RGB(255, 255, 255));
    }
    EXPECT_EQ(testing_support::At4(page, x0 + 501, rowMiddle), RGB(255, 255, 255));

    // A grid of no rows still leaves the edge where a grid from x0 ends.
    platform::MemoryDc none(10, 10);
    state.printedGridRight.reset();
    PrintGasLogGrid(none, device, state, rowHeight, y, 0, 300);
    EXPECT_EQ(state.printedGridRight, 800);
}
