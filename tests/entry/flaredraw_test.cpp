// The flare painters on images and on paper: the masked polygon in the gas track, the flare track's red
// profile and yellow wrap, the step drawn while typing, and the printed track's grid and scale heads.
#include "entry/draw/flares.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPdfWriter>

#include <gtest/gtest.h>

#include <vector>

using platform::COLORREF;
using platform::RGB;
using wellfile::RECORD;

namespace {

const COLORREF kGrey = RGB(200, 200, 200), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0),
               kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255), kThin = RGB(0, 0, 255),
               kMedium = RGB(0, 128, 0), kHeavy = RGB(128, 128, 0);

COLORREF Pixel(const QImage& img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

std::vector<RECORD> Flares(int top, int count, int length, std::size_t size = 100)
{
    std::vector<RECORD> b(size);
    for (int i = 0; i < count; ++i) {
        b[std::size_t(i)].depth = top + i;
        b[std::size_t(i)].flareLength = std::uint16_t(length);
    }
    return b;
}

// The gas track ends at x 600 in cells of 10: the flare cells are 500-600, the flare track 400-600.
struct FlareDraw : ::testing::Test {
    logview::ViewGeometry g;
    logview::Device screen = logview::Device::Screen();
    QImage img = testing_support::Filled(800, 400, kGrey);

    void SetUp() override
    {
        g.rowHeight = 10;
        g.topMargin = 0;
        g.gasRight = 600;
        g.gas = {300, 30, 10};
        g.fileLastDepth = 2000;
        g.logBottomY = 390;
        g.pens.table[layout::PEN_FLARE] = {RGB(255, 64, 0), 1, layout::PS_SOLID};
    }
    void Polygon(const std::vector<RECORD>& b)
    {
        platform::Dc dc(img);
        entry::DrawFlarePolygon({dc, g, screen}, b, 1, 20, 10, 0, 500, 100, 1.0f);
    }
};

}  // namespace

TEST_F(FlareDraw, PolygonMasksTheFlareColourIntoTheBackground)
{
    {
        platform::Dc dc(img);
        dc.SelectObject(platform::Pen(kBlue, 1));
        dc.MoveTo(510, 0);
        dc.LineTo(510, 400);
    }
    Polygon(Flares(1000, 30, 50));
    // A flare of 50 reaches the middle of the ten cells; the pen colour is ANDed with what lies under it.
    EXPECT_EQ(Pixel(img, 520, 55), RGB(200, 64, 0));
    EXPECT_EQ(Pixel(img, 548, 55), RGB(200, 64, 0));
    EXPECT_EQ(Pixel(img, 552, 55), kGrey);
    EXPECT_EQ(Pixel(img, 510, 55), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(img, 510, 395), kBlue);  // past the records walked

    // A walk of zero flares draws nothing.
    const QImage before = img;
    Polygon(Flares(1000, 30, 0));
    EXPECT_EQ(img, before);
}

TEST_F(FlareDraw, FlareTrackFillsRedAndWrapsYellowPastFifty)
{
    std::vector<RECORD> b = Flares(1000, 10, 60);
    for (int i = 10; i < 20; ++i) {
        b[std::size_t(i)].depth = 1000 + i;
        b[std::size_t(i)].flareLength = 30;
    }
    {
        platform::Dc dc(img);
        entry::DrawFlareTrack({dc, g, screen}, b, 0, 20, 10, 0);
    }
    // 60: red to the right edge, yellow 10 units (40 pixels) from the left edge.
    EXPECT_EQ(Pixel(img, 420, 50), kYellow);
    EXPECT_EQ(Pixel(img, 436, 50), kYellow);
    EXPECT_EQ(Pixel(img, 450, 50), kRed);
    EXPECT_EQ(Pixel(img, 597, 50), kRed);
    EXPECT_EQ(Pixel(img, 603, 50), kGrey);
    // 30: red to 120 pixels in, no yellow.
    EXPECT_EQ(Pixel(img, 420, 150), kRed);
    EXPECT_EQ(Pixel(img, 540, 150), kGrey);
    platform::Dc dc(img);
    EXPECT_EQ(testing_support::InkColumns(dc, 800, 110, 200, kYellow).second, 0);

    // Where no flare stands the track keeps what lies under it, its left edge too: one flare of 30 at
    // the sixth record is a profile from the row above it to the row below, closed to the edge there.
    b = Flares(1000, 20, 0);
    img.fill(Qt::white);
    const QImage blank = img;
    entry::DrawFlareTrack({dc, g, screen}, b, 0, 20, 10, 0);
    EXPECT_EQ(img, blank) << "a walk without flares drew on the track";
    b[5].flareLength = 30;
    entry::DrawFlareTrack({dc, g, screen}, b, 0, 20, 10, 0);
    EXPECT_EQ(Pixel(img, 420, 50), kRed);
    EXPECT_EQ(Pixel(img, 400, 45), kRed);
    for (int y : {5, 35, 65, 150})
        for (int x : {399, 400, 401})
            EXPECT_EQ(Pixel(img, x, y), kWhite) << x << "," << y;
}

TEST_F(FlareDraw, StepIsARedLineToTheNextRecordWithItsText)
{
    std::vector<RECORD> b = Flares(1000, 3, 10);
    b[1].flareLength = 20;
    platform::Dc dc(img);
    dc.RecordText(true);
    entry::DrawFlareStep({dc, g, screen}, b, 0, 10, 100);
    // From 400 + 10 x 4 at y 100 to 400 + 20 x 4 a row lower, 2 pixels wide; no text for the next.
    EXPECT_EQ(Pixel(img, 440, 100), kRed);
    EXPECT_EQ(Pixel(img, 460, 105), kRed);
    EXPECT_EQ(Pixel(img, 460, 108), kGrey);
    EXPECT_TRUE(dc.TextRecord().empty());
    std::snprintf(b[1].shortText, sizeof b[1].shortText, "%s", "BIG FLARE");
    entry::DrawFlareStep({dc, g, screen}, b, 0, 10, 100);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "BIG FLARE");
    EXPECT_EQ(dc.TextRecord()[0].at, (platform::POINT{440, 100}));
    // The last record of the buffer has no next: nothing.
    entry::DrawFlareStep({dc, g, screen}, b, b.size() - 1, 10, 100);
    EXPECT_EQ(dc.TextRecord().size(), 1u);
}

TEST_F(FlareDraw, PrintedTrackHasItsGridAndScaleHeads)
{
    logview::Device paper;
    paper.printing = true;
    paper.colourPrinting = true;
    paper.printer.gasRight = 560;
    paper.printer.gasCellWidth = 20;  // the track from 160, cells of 20
    paper.printPens[logview::PRINT_PEN_THIN_GRID] = {kThin, 1, layout::PS_SOLID};
    paper.printPens[logview::PRINT_PEN_HEAVY_GRID] = {kMedium, 1, layout::PS_SOLID};
    paper.printPens[logview::PRINT_PEN_FIRST_GRID] = {kHeavy, 1, layout::PS_SOLID};
    const std::vector<RECORD> b = Flares(1001, 60, 0);
    const QString file = testing_support::TestDir() + "flaretrack.pdf";
    std::vector<platform::DcText> texts;
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(450, 300), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc dc(writer);
        dc.RecordText(true);
        entry::DrawFlareTrack({dc, g, paper}, b, 0, 60, 5, 20);
        texts = dc.TextRecord();
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull());
    // 21 lines one cell apart (the red edge covers the first): every tenth in the medium pen.
    for (int k = 1; k <= 20; ++k) {
        const int x = 160 + 20 * k;
        EXPECT_EQ(testing_support::At4(page, x, 27), k % 10 == 0 ? kMedium : kThin) << k;
        EXPECT_EQ(testing_support::At4(page, x - 10, 27), kWhite) << k;
    }
    // Row lines: 1050 in the heavy pen, 1040 in the medium pen, others light.
    EXPECT_EQ(testing_support::At4(page, 170, 20 + 50 * 5), kHeavy);
    EXPECT_EQ(testing_support::At4(page, 170, 20 + 40 * 5), kMedium);
    EXPECT_EQ(testing_support::At4(page, 170, 20 + 41 * 5), kThin);

    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "<0   FLARE  50>");
    EXPECT_EQ(texts[0].textColor, kRed);
    EXPECT_EQ(texts[1].text, "<500       AP       0>");
    EXPECT_EQ(texts[1].textColor, RGB(0, 0, 0));
    EXPECT_GT(texts[1].at.y, texts[0].at.y);
    const QString text = testing_support::PdfText(file);
    EXPECT_TRUE(text.contains("FLARE")) << text.toStdString();
    EXPECT_TRUE(text.contains("<500")) << text.toStdString();
}
