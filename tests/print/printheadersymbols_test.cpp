// The rock and accessory symbols of the printed legend: each kind drawn in a cell one row (24) tall
// with the text unit w 22 (a black pen 5 pixels wide), compared by the ink it leaves; and the
// swatches of a printed header.
#include "printheaderfixture.h"

#include "print/draw/printheadersymbols.h"

using namespace print;
using namespace print_header_test;

namespace {

constexpr int kX = 200, kY = 80, kW = 22, kR = 24;

class LegendSymbols : public ::testing::Test {
protected:
    // The kind drawn into a white image at (x, y) with unit w.
    QImage Symbol(int kind, int x = kX, int y = kY, int w = kW, int profile = 12, bool colour = false)
    {
        QImage img(600, 240, QImage::Format_RGB32);
        img.fill(Qt::white);
        platform::Dc dc(img);
        dc.RecordText(true);
        const platform::Pen pen = dc.CurrentPen();
        DrawLegendSymbol(dc, {kR, profile, colour, &pens}, kind, x, y, w);
        EXPECT_EQ(dc.CurrentPen(), pen) << kind;
        texts = dc.TextRecord();
        return img;
    }
    // The pixels not white in columns [x0, x1) of `img`.
    static int Ink(const QImage& img, int x0, int x1, int y0 = 0, int y1 = 240)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += testing_support::At(img, x, y) != kWhite;
        return n;
    }
    // Columns [x0, x1) look the same as the columns `shift` to the right.
    static bool Repeats(const QImage& img, int x0, int x1, int shift)
    {
        for (int y = 0; y < img.height(); ++y)
            for (int x = x0; x < x1; ++x)
                if (img.pixel(x, y) != img.pixel(x + shift, y))
                    return false;
        return true;
    }
    static int InkHeight(const QImage& img)
    {
        int top = -1, bottom = -1;
        for (int y = 0; y < img.height(); ++y)
            if (Ink(img, 0, img.width(), y, y + 1) > 0) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        return top < 0 ? 0 : bottom - top + 1;
    }

    layout::PenTable pens{};
    std::vector<platform::DcText> texts;
};

}  // namespace

TEST_F(LegendSymbols, KindsWithoutASymbolAndUnknownKindsDrawNothing)
{
    for (int kind : {0, 7, 9, 18, 19, 20, 21, -1, 36, 53, 1000}) {
        const QImage img = Symbol(kind);
        EXPECT_EQ(Ink(img, 0, img.width()), 0) << kind;
    }
}

TEST_F(LegendSymbols, MotifsStandTwiceTwoUnitsApartUnlessDrawnOnce)
{
    // Each motif lies within [x - 0.75 w, x + 1.25 w): that block and the one 2 w on look the same,
    // and nothing stands past them.
    for (int kind : {1, 2, 3, 4, 5, 6, 11, 12, 13, 15, 23, 24, 26}) {
        const QImage img = Symbol(kind);
        EXPECT_GT(Ink(img, kX - 16, kX + 28), 20) << kind;
        EXPECT_TRUE(Repeats(img, kX - 16, kX + 28, 2 * kW)) << kind;
        EXPECT_EQ(Ink(img, kX + 72, 600), 0) << kind;
    }
    // Oolites: one grain.
    const QImage oolite = Symbol(14);
    EXPECT_GT(Ink(oolite, kX, kX + kW), 0);
    EXPECT_EQ(Ink(oolite, kX + kW, 600), 0);
    // Bentonite: three passes 1.5 w apart, then nothing.
    const QImage bentonite = Symbol(16);
    EXPECT_GT(Ink(bentonite, kX - 8, kX + 18), 20);
    EXPECT_TRUE(Repeats(bentonite, kX - 8, kX + 18, 33));
    EXPECT_TRUE(Repeats(bentonite, kX - 8, kX + 18, 66));
    EXPECT_EQ(Ink(bentonite, kX + 92, 600), 0);
    // Claystone: two lines across the cell; carbonaceous shale the same lines doubled.
    const QImage clay = Symbol(8);
    const QImage carb = Symbol(22);
    EXPECT_GT(Ink(clay, 0, 600, kY + 6, kY + 7), 60);
    EXPECT_GT(Ink(clay, 0, 600, kY + 16, kY + 17), 60);
    EXPECT_EQ(Ink(clay, 0, 600, kY + 10, kY + 13), 0);
    EXPECT_GT(Ink(carb, 0, 600), Ink(clay, 0, 600));
    for (int y = 0; y < clay.height(); ++y)
        for (int x = 0; x < clay.width(); ++x) {
            if (testing_support::At(clay, x, y) != kWhite) {
                ASSERT_NE(testing_support::At(carb, x, y), kWhite) << x << "," << y;
            }
        }
    // Salt: one line across and four strokes down, one unit apart.
    const QImage salt = Symbol(10);
    int strokes = 0;
    for (int x = kX - 5; x < kX + 4 * kW; ++x)
        strokes += testing_support::At(salt, x, kY + 2) != kWhite && testing_support::At(salt, x - 1, kY + 2) == kWhite;
    EXPECT_EQ(strokes, 4);
    // Pyrite: "p " twice, 8 pixels above the cell, on a transparent background.
    Symbol(17);
    ASSERT_EQ(texts.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(texts[i].text, "p ");
        EXPECT_EQ(texts[i].at.x, kX + 2 * kW * i);
        EXPECT_EQ(texts[i].at.y, kY - 8);
        EXPECT_EQ(texts[i].bkMode, platform::TRANSPARENT);
    }
}

TEST_F(LegendSymbols, FossilScalesWithTheUnitAndAnhydriteFollowsTheCompany)
{
    const int small = InkHeight(Symbol(15, kX, kY, 22));
    const int large = InkHeight(Symbol(15, kX, kY, 44));
    EXPECT_NEAR(double(large) / small, 2.0, 0.15) << small << " " << large;

    const QImage dolomite = Symbol(1);
    for (int profile : {2, 91, 92})
        EXPECT_EQ(Symbol(3, kX, kY, kW, profile), dolomite) << profile;
    EXPECT_NE(Symbol(3, kX, kY, kW, 12), dolomite);
}

TEST_F(LegendSymbols, FracturesAreRedInColour)
{
    auto redRuns = [](const QImage& img) {
        int runs = 0;
        for (int x = 1; x < img.width(); ++x)
            runs += testing_support::At(img, x, kY + kR / 2) == platform::RGB(255, 0, 0) &&
                    testing_support::At(img, x - 1, kY + kR / 2) != platform::RGB(255, 0, 0);
        return runs;
    };
    const QImage colour = Symbol(25, kX, kY, kW, 12, true);
    EXPECT_EQ(redRuns(colour), 2);
    // Both lie within the cell, 3.5 w wide from x.
    EXPECT_EQ(Ink(colour, 0, kX) + Ink(colour, kX + 77, 600) + Ink(colour, 0, 600, 0, kY) +
                  Ink(colour, 0, 600, kY + kR, 240),
              0);
    const QImage plain = Symbol(25);
    EXPECT_EQ(redRuns(plain), 0);
    EXPECT_GT(Ink(plain, kX, kX + 77), 0);
}

TEST_F(LegendSymbols, ShaleSymbolsFollowTheirPenEntry)
{
    // Kind k reads entry k + 17: with neither byte 43 nor 44 set, the claystone lines.
    EXPECT_EQ(Symbol(27), Symbol(8));
    EXPECT_EQ(Symbol(35), Symbol(8));

    // Byte 43 alone: a short dash with a second one 2 pixels below, twice, 2.5 w apart.
    pens.entry[44].transparent = 1;
    const QImage dashes = Symbol(27);
    EXPECT_GT(Ink(dashes, kX - 3, kX + 14), 0);
    EXPECT_TRUE(Repeats(dashes, kX - 3, kX + 14, 55));
    EXPECT_EQ(Ink(dashes, kX + 14, kX + 52), 0);
    EXPECT_EQ(InkHeight(dashes), 5 + 2);
    EXPECT_EQ(Ink(dashes, 0, 600, 0, kY + 8) + Ink(dashes, 0, 600, kY + 18, 240), 0);

    // Byte 44: two crosses; the other kinds keep their own form.
    pens.entry[52].lithCustom = 1;
    const QImage crosses = Symbol(35);
    EXPECT_TRUE(Repeats(crosses, kX - 14, kX + 14, 55));
    EXPECT_NE(testing_support::At(crosses, kX, kY + kR / 4 + 2), kWhite);  // the upright
    EXPECT_NE(testing_support::At(crosses, kX - 9, kY + kR / 2), kWhite);   // the bar
    EXPECT_EQ(testing_support::At(crosses, kX - 9, kY + kR / 4 + 2), kWhite);
    EXPECT_EQ(Symbol(34), Symbol(8));

    // Bytes 44 and 45: the crosses and the wash grains 4 w left and a quarter row up.
    pens.entry[52].lithWash = 1;
    const QImage wash = Symbol(35);
    const QImage grains = Symbol(23, kX - 4 * kW, kY - kR / 4);
    for (int y = 0; y < wash.height(); ++y)
        for (int x = 0; x < wash.width(); ++x) {
            const bool inked =
                testing_support::At(crosses, x, y) != kWhite || testing_support::At(grains, x, y) != kWhite;
            ASSERT_EQ(testing_support::At(wash, x, y) != kWhite, inked) << x << "," << y;
        }
}

TEST_F(PrintHeader, DolomiteSwatchCarriesItsStrokes)
{
    ASSERT_TRUE(Open(12));
    const QImage img = testing_support::RasterisePdf(Print(), 300);
    ASSERT_FALSE(img.isNull());
    // Row 3 at y 249, the swatch from x 770: strokes from (792, 273) to (814, 249) and from (836, 273)
    // to (858, 249), the light blue between them.
    for (auto [x, y] : {std::pair{803, 261}, std::pair{847, 261}, std::pair{794, 270}, std::pair{812, 252},
                        std::pair{838, 270}, std::pair{856, 252}})
        EXPECT_EQ(testing_support::At(img, x, y), kBlack) << x << "," << y;
    EXPECT_EQ(testing_support::At(img, 825, 261), platform::RGB(0, 192, 248));
    EXPECT_EQ(testing_support::At(img, 792, 252), platform::RGB(0, 192, 248));
}
