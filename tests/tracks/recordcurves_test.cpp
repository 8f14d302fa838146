// The curves drawn from the depth records, on a white image: the gamma samples and their hold over
// dropped readings, the real-time gamma's offset, the weight on bit, CO2 on its three scales, and the
// printed grid of four decades on a PDF page.
#include "tracks/draw/recordcurves.h"

#include "platform/draw/dc.h"
#include "support/testmain.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "tracks/curvescales.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kW = 600, kH = 300;
const platform::COLORREF kWhite = RGB(255, 255, 255), kGamma = RGB(0, 128, 0), kRt = RGB(0, 0, 255),
                         kWob = RGB(128, 0, 128), kCo2 = RGB(255, 0, 0);

class RecordCurvesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The curve track from 50, 25 units of 10; the gas track from 100 to 500, 40 units of 10.
        g.rate = {50, 25, 10};
        g.gas = {100, 40, 10};
        g.gasRight = 500;
        g.logBottomY = kH;
        g.fileFirstDepth = 90;
        g.fileLastDepth = 1000;
        g.pens.table[layout::PEN_GAMMA] = {kGamma, 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_RT_GAMMA] = {kRt, 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_WOB] = {kWob, 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_CO2] = {kCo2, 1, layout::PS_SOLID};
        s.gammaScale = 3;  // 100 across the 250 pixels
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].depth = std::int32_t(100 + i);
            records[i].gammaStep = 0.2f;
            records[i].rtGammaStep = 0.2f;
        }
    }
    platform::COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    platform::RECT Ink(platform::COLORREF c) const { return testing_support::Ink(dc, kW, kH, c); }

    logview::ViewGeometry g;
    TrackSettings s;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(20);
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

// The record is packed: its sample arrays are written element by element.
void SetGamma(wellfile::RECORD& r, std::initializer_list<float> values)
{
    std::size_t i = 0;
    for (float v : values)
        r.gamma[i++] = v;
}
void SetRtGamma(wellfile::RECORD& r, std::initializer_list<float> values)
{
    std::size_t i = 0;
    for (float v : values)
        r.rtGamma[i++] = v;
}

}  // namespace

TEST_F(RecordCurvesTest, GammaHoldsThreeDroppedSamplesAndStopsAtTheFileEnd)
{
    SetGamma(records[1], {40, 0, 0, 0, 0});
    DrawRecordCurve(dc, g, logview::Device::Screen(), s, records, 1, 1, 10, 20, false);
    for (int y = 20; y < 28; ++y)
        EXPECT_EQ(At(150, y), kGamma) << y;  // 40 of 100 across 250: +100
    EXPECT_EQ(At(150, 28), kWhite);
    EXPECT_EQ(At(50, 28), kGamma);  // the fourth zero falls to the edge
    EXPECT_EQ(Ink(kGamma).bottom, 30);

    // A quarter-unit interval reads four samples; a scale number without a scale draws on the first.
    image.fill(Qt::white);
    s.gammaScale = 12;
    records[1].gammaStep = 0.25f;
    SetGamma(records[1], {10, 10, 10, 10, 20});
    DrawRecordCurve(dc, g, logview::Device::Screen(), s, records, 1, 1, 10, 20, false);
    EXPECT_EQ(Ink(kGamma).left, 150);  // 10 of 25
    EXPECT_EQ(Ink(kGamma).right, 151);

    // The curve ends before the record at the file's last depth.
    image.fill(Qt::white);
    g.fileLastDepth = 103;
    for (std::size_t i = 1; i < 6; ++i)
        SetGamma(records[i], {10, 10, 10, 10, 10});
    records[1].gammaStep = 0.2f;
    DrawRecordCurve(dc, g, logview::Device::Screen(), s, records, 1, 5, 10, 20, false);
    EXPECT_EQ(Ink(kGamma).bottom, 40);  // records 101 and 102
}

TEST_F(RecordCurvesTest, RealTimeGammaIsDrawnTheOffsetAboveItsRecords)
{
    s.rtGammaOffset = 0;  // taken as 12
    for (std::size_t i = 1; i < records.size(); ++i)
        SetRtGamma(records[i], {50, 50, 50, 50, 50});
    DrawDataCurve(dc, g, logview::Device::Screen(), s, records, 1, 2, 10, 200, false);
    // 12 units above the first record's depth line (200 + 10): from 90, 2 + 12 records of 10.
    EXPECT_EQ(Ink(kRt).top, 90);
    EXPECT_EQ(Ink(kRt).bottom, 90 + 14 * 10);
    EXPECT_EQ(Ink(kRt).left, 175);

    // Joined to the record before: from its last sample, without the unit's drop.
    image.fill(Qt::white);
    s.rtGammaOffset = 2;
    records[0].rtGamma[4] = 100;
    DrawDataCurve(dc, g, logview::Device::Screen(), s, records, 1, 1, 10, 200, true);
    EXPECT_EQ(Ink(kRt).top, 180);
    EXPECT_EQ(At(300, 180), kRt);  // the start at the record before's 100
}

TEST_F(RecordCurvesTest, WeightOnBitDrawsTwoHalvesARow)
{
    records[1].weightOnBit[0] = 30;  // of 60 across 250
    records[1].weightOnBit[1] = 60;
    records[2].weightOnBit[0] = 0;   // held
    records[2].weightOnBit[1] = 0;
    DrawLinearCurve(dc, g, logview::Device::Screen(), records, 1, 2, 10, 20, false);
    EXPECT_EQ(At(175, 22), kWob);
    EXPECT_EQ(At(300, 27), kWob);
    EXPECT_EQ(At(300, 37), kWob);
    EXPECT_EQ(Ink(kWob).bottom, 40);
}

TEST_F(RecordCurvesTest, Co2OnItsLinearLogarithmicAndReversedScales)
{
    // A run of 0 draws nothing.
    DrawAveragedCurve(dc, g, logview::Device::Screen(), s, records, 1, 5, 10, 20, false);
    EXPECT_EQ(Ink(kCo2).right, 0);

    // Logarithmic: 1.0 in the middle, 100 at the right edge.
    s.logGasScale = true;
    s.reverseCo2 = true;  // has no effect on the logarithmic scale
    records[1].gas[wellfile::GAS_NINTH] = 1.0f;
    records[2].gas[wellfile::GAS_NINTH] = 1.0f;
    records[3].gas[wellfile::GAS_NINTH] = 100.0f;
    DrawAveragedCurve(dc, g, logview::Device::Screen(), s, records, 1, 3, 10, 20, false);
    EXPECT_EQ(At(300, 35), kCo2);
    EXPECT_EQ(Ink(kCo2).right, 500);

    // Reversed, linear scale 1 (3.5 across 400): 1.75 stands 200 left of the right edge.
    image.fill(Qt::white);
    s.logGasScale = false;
    records[1].gas[wellfile::GAS_NINTH] = 1.75f;
    records[2].gas[wellfile::GAS_NINTH] = 1.75f;
    records[3].gas[wellfile::GAS_NINTH] = 0;
    DrawAveragedCurve(dc, g, logview::Device::Screen(), s, records, 1, 3, 10, 20, false);
    EXPECT_EQ(At(300, 35), kCo2);
    EXPECT_EQ(Ink(kCo2).left, 300);

    EXPECT_EQ(Co2LogX(0.01, 100, 500), 100);
    EXPECT_EQ(Co2LogX(0, 100, 500), 100);
    EXPECT_EQ(Co2LogX(std::nan(""), 100, 500), 100);
    EXPECT_EQ(Co2FullScale(9), 3.5f);
    EXPECT_EQ(RtGammaOffset(0), 12.0f);
}

TEST(PrintCurveLogGrid, FourDecadesOnAPdfPage)
{
    logview::Device device;
    device.printing = true;
    device.printPens[logview::PRINT_PEN_RATE] = {RGB(255, 0, 0), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_THIN_GRID] = {RGB(0, 0, 255), 1, layout::PS_SOLID};
    device.printPens[logview::PRINT_PEN_HEAVY_GRID] = {RGB(0, 128, 0), 1, layout::PS_SOLID};
    PainterState state;

    const int left = 20, y = 10, rowHeight = 30;
    const QString file = testing_support::TestDir() + "curvegrid.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(340, 60), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc dc(writer);
        PrintCurveLogGrid(dc, device, state, rowHeight, y, 1, left, left + 400);
    }
    EXPECT_EQ(state.printedGridRight, left + 400);
    EXPECT_EQ(state.printedGridWidth, 400);
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";

    const int middle = y + 15;
    const auto at = [&](int x) { return testing_support::At4(page, left + x, middle); };
    EXPECT_EQ(at(0), RGB(255, 0, 0));
    for (int x : {17, 30, 39, 47, 54, 60, 65})
        EXPECT_EQ(at(x), RGB(0, 0, 255)) << x;
    for (int x : {70, 170, 270, 370})  // 1, 10, 100, 1000
        EXPECT_EQ(at(x), RGB(0, 128, 0)) << x;
    for (int x : {100, 130, 200, 230, 330})  // 2 and 3 of each decade
        EXPECT_EQ(at(x), RGB(0, 0, 255)) << x;
    EXPECT_EQ(at(400), RGB(0, 128, 0));  // the closing line at 2000, with the last decade's pen
    EXPECT_EQ(at(50), RGB(255, 255, 255));
    EXPECT_EQ(at(401), RGB(255, 255, 255));
}
