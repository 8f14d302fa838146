// Mud weight bars with their labels, and interval outline brackets and characters, on a white image.
#include "tracks/draw/mudoutline.h"

#include "platform/draw/dc.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr int kW = 1100, kH = 200;
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRates = RGB(0, 0, 255);

class OneRecordPainters : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rowHeight = 10;
        g.rate = {9, 25, 10};   // the curve track ends at 259
        g.gas = {739, 35, 9};
        g.gasRight = 1054;
        g.pens.table[layout::PEN_RATES] = {kRates, 1, layout::PS_SOLID};
        dc.RecordText(true);
    }
    // The x range [left, right) of colour c on row y.
    std::pair<int, int> Row(COLORREF c, int y) const { return testing_support::InkColumns(dc, kW, y, y + 1, c); }
    std::vector<std::pair<platform::POINT, QString>> Texts() const
    {
        std::vector<std::pair<platform::POINT, QString>> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back({t.at, t.text});
        return out;
    }

    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    wellfile::RECORD rec;
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

using TextList = std::vector<std::pair<platform::POINT, QString>>;

}  // namespace

TEST_F(OneRecordPainters, MudWeightsAboveTwoDrawABarAndTheirValue)
{
    // 0.025 x 35 units x 9 = 7.875 pixels per unit from the gas track's left.
    rec.mudWeightOut = 2.1f;
    rec.mudWeightIn = 2.0f;
    DrawMudInOut(dc, g, device, rec, 0, 10, 100, 0);
    EXPECT_EQ(Row(kRates, 100), std::make_pair(739, 755));
    EXPECT_EQ(Row(kRates, 90), std::make_pair(kW, 0));  // 2.0: no bar one row up
    EXPECT_EQ(Texts(), (TextList{{{755, 95}, " 2.1 OUT"}}));

    // In a cell 90 wide: 3 pixels per unit, the labels on the row and below it.
    image.fill(Qt::white);
    dc.RecordText(true);
    rec.mudWeightOut = 10.0f;
    rec.mudWeightIn = 9.5f;
    DrawMudInOut(dc, g, device, rec, 90, 10, 100, 300);
    EXPECT_EQ(Row(kRates, 100), std::make_pair(300, 330));
    EXPECT_EQ(Row(kRates, 90), std::make_pair(300, 328));
    EXPECT_EQ(Texts(), (TextList{{{330, 110}, " 10.0 OUT"}, {{328, 100}, " 9.5 IN"}}));
    EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE);

    // A weight no one could have keyed draws its bar to the edge of any page, not around it.
    image.fill(Qt::white);
    rec.mudWeightOut = 3e38f;
    rec.mudWeightIn = 0;
    DrawMudInOut(dc, g, device, rec, 0, 10, 100, 0);
    EXPECT_EQ(Row(kRates, 100), std::make_pair(739, kW));
}

TEST_F(OneRecordPainters, OutlineBracketsAndCharacters)
{
    // u = 9 beside the curve track's right x0 = 259.
    const std::uint16_t codes[] = {2, 1, 1, 3};
    for (int i = 0; i < 4; ++i) {
        rec.outlineNarrow = codes[i];
        DrawTextColumn(dc, g, device, rec, 10 * i, 10);
    }
    const platform::RECT ink = testing_support::Ink(dc, kW, kH, kBlack);
    EXPECT_EQ(ink.left, 259);
    EXPECT_EQ(ink.right, 269);
    EXPECT_EQ(ink.top, 0);
    EXPECT_EQ(ink.bottom, 41);
    EXPECT_EQ(Row(kBlack, 0), std::make_pair(259, 269));   // the top, then down at 268
    EXPECT_EQ(Row(kBlack, 25), std::make_pair(268, 269));  // inside
    EXPECT_EQ(Row(kBlack, 40), std::make_pair(260, 269));  // the bottom, back from 268 to 259
    EXPECT_TRUE(dc.TextRecord().empty());

    // A character code writes itself and a blank; the wide position is twice as far out.
    image.fill(Qt::white);
    dc.RecordText(true);
    rec.outlineNarrow = 'A';
    rec.outlineWide = 2;
    DrawTextColumn(dc, g, device, rec, 100, 10);
    EXPECT_EQ(Texts(), (TextList{{{264, 100}, "A "}}));
    EXPECT_EQ(Row(kBlack, 100), std::make_pair(259, 278));
    EXPECT_EQ(dc.GetPixel(277, 105), kBlack);
    EXPECT_EQ(dc.GetPixel(268, 105), kWhite);  // the character stands where the narrow bracket would

    image.fill(Qt::white);
    dc.RecordText(true);
    rec.outlineNarrow = 300;  // no character of the outline text
    rec.outlineWide = 'B';
    DrawTextColumn(dc, g, device, rec, 100, 10);
    EXPECT_EQ(Texts(), (TextList{{{273, 100}, "B "}}));
    EXPECT_EQ(dc.GetPixel(268, 105), kWhite);

    // A character from 0x80 on is stored sign-extended and drawn as itself.
    image.fill(Qt::white);
    dc.RecordText(true);
    rec.outlineNarrow = 0xFFE9;
    rec.outlineWide = 0xFF7F;  // no sign-extended byte
    DrawTextColumn(dc, g, device, rec, 100, 10);
    EXPECT_EQ(Texts(), (TextList{{{264, 100}, QString::fromUtf8("\u00e9 ")}}));
}
