// The crossover fills of the custom tracks: stretches where the first curve lies left of the second, on
// a white or light green image and on a PDF page rasterised with pdftoppm; grey on paper without
// colour, the screen's bottom, and lists that hold nothing or too little.
#include "tracks/draw/customfills.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <vector>

using namespace tracks;
using platform::POINT;
using platform::RGB;

namespace {

constexpr int kW = 300, kH = 300;
const platform::COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(176, 255, 176), kGrey = RGB(216, 216, 216);

class CustomFillsTest : public ::testing::Test {
protected:
    // Sample i at y = 10 (i + 1): A at 50 and B at 150 on samples 3-9, A right of B elsewhere.
    void SetUp() override
    {
        g.logBottomY = kH;
        for (int i = 0; i <= kCount; ++i) {
            const bool cross = i >= 3 && i <= 9;
            a[std::size_t(i)] = {cross ? 50 : 200, 10 * (i + 1)};
            b[std::size_t(i)] = {cross ? 152 : 100, 10 * (i + 1)};
        }
    }
    void Fill(platform::Dc& dc, platform::COLORREF colour = kRed)
    {
        FillCrossover(dc, g, device, a, b, kCount, 0, 20, colour);
    }
    static constexpr int kCount = 20;
    logview::ViewGeometry g;
    logview::Device device;
    std::vector<POINT> a = std::vector<POINT>(kCount + 1), b = std::vector<POINT>(kCount + 1);
    QImage image = testing_support::Filled(kW, kH, kGreen);
    platform::Dc dc{image};
};

TEST_F(CustomFillsTest, TheStretchWhereTheFirstCurveLiesLeftIsMaskedWithTheFillColour)
{
    Fill(dc);
    EXPECT_EQ(dc.GetPixel(100, 70), RGB(176, 0, 0));  // the red ANDed with the green under it
    EXPECT_EQ(dc.GetPixel(100, 20), kGreen);           // A right of B
    EXPECT_EQ(dc.GetPixel(100, 150), kGreen);
    EXPECT_EQ(dc.GetPixel(160, 70), kGreen);           // B taken 2 to the left on the way back
    // The same fill on paper.
    const QString file = testing_support::TestDir() + "crossover.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(225, 225), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc paper(writer);
        const platform::RECT all{0, 0, kW, kH};
        paper.FillRect(all, platform::Brush(kGreen));
        device.printing = true;
        device.colourPrinting = true;
        Fill(paper);
    }
    const QImage page = testing_support::RasterisePdf(file, 96);
    EXPECT_EQ(testing_support::At(page, 100, 70), RGB(176, 0, 0));
    EXPECT_EQ(testing_support::At(page, 100, 150), kGreen);
}

TEST_F(CustomFillsTest, PaperWithoutColourIsGreyAndOnlyTheScreenStopsAtTheLogsBottom)
{
    image.fill(Qt::white);
    device.printing = true;
    Fill(dc, RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(100, 70), kGrey);

    image.fill(Qt::white);
    device.printing = false;
    g.logBottomY = 60;  // samples at 60 and below are not collected
    Fill(dc);
    EXPECT_EQ(dc.GetPixel(100, 45), kRed);
    EXPECT_EQ(dc.GetPixel(100, 85), RGB(255, 255, 255));
    image.fill(Qt::white);
    device.imageExport = true;
    Fill(dc);
    EXPECT_EQ(dc.GetPixel(100, 85), kRed);
}

TEST_F(CustomFillsTest, EmptyShortAndNeverCrossingListsDrawNothingBeyondWhatTheyHold)
{
    const std::vector<POINT> zeros(kCount + 1);
    FillCrossover(dc, g, device, zeros, zeros, kCount, 0, 20, kRed);
    FillRatioCrossover(dc, g, device, std::vector<POINT>(kCount + 1, {200, 50}), std::vector<POINT>(kCount + 1, {100, 50}),
                       kCount, 0, 20, kRed);
    FillCrossover(dc, g, device, {}, b, kCount, 0, 20, kRed);
    EXPECT_EQ(testing_support::Touched(dc, kW, kH, kGreen).right, 0);
    // A count past the lists' ends reads only the five points they hold: samples 3 and 4.
    FillCrossover(dc, g, device, std::span(a).first(5), std::span(b).first(5), 1000, 0, 20, RGB(0, 0, 0));
    const platform::RECT touched = testing_support::Touched(dc, kW, kH, kGreen);
    EXPECT_GE(touched.top, 40);
    EXPECT_LE(touched.bottom, 51);
}

TEST_F(CustomFillsTest, AStretchThatRunsOutOfSamplesIsClosedAlongTheSecondCurve)
{
    // A left of B from sample 12 to the last one the curves reached (15); the rest never written.
    for (int i = 0; i <= kCount; ++i) {
        a[std::size_t(i)] = i < 12 ? POINT{200, 10 * (i + 1)} : i < 16 ? POINT{50, 10 * (i + 1)} : POINT{};
        b[std::size_t(i)] = i < 12 ? POINT{100, 10 * (i + 1)} : i < 16 ? POINT{152, 10 * (i + 1)} : POINT{};
    }
    Fill(dc);
    EXPECT_EQ(dc.GetPixel(100, 145), RGB(176, 0, 0));
    // The same at the end of the lists.
    image.fill(QColor(176, 255, 176));
    FillCrossover(dc, g, device, a, b, 16, 0, 20, kRed);
    EXPECT_EQ(dc.GetPixel(100, 145), RGB(176, 0, 0));
}

TEST_F(CustomFillsTest, TheHorizontalFillComparesDownTheImage)
{
    // A above B (smaller y) on samples 3-9.
    for (int i = 0; i <= kCount; ++i) {
        const bool cross = i >= 3 && i <= 9;
        a[std::size_t(i)] = {10 * (i + 1), cross ? 50 : 200};
        b[std::size_t(i)] = {10 * (i + 1), cross ? 150 : 100};
    }
    FillCrossoverHorizontal(dc, a, b, kCount, 0, kRed);
    EXPECT_EQ(dc.GetPixel(70, 100), RGB(176, 0, 0));
    EXPECT_EQ(dc.GetPixel(20, 100), kGreen);
}

}  // namespace
