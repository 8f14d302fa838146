// The depth column on the demo well's layout (R = U = 10, rate track 9-259, gas track 739-1054): depth
// numbers and boxes, depth lines, scale heads, lag time and surveys, on the screen and on paper.
#include "logview/draw/depthcolumn.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/recordingpainters.h"
#include "support/textrecord.h"
#include "support/viewfixture.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

using namespace platform;
using testing_support::PainterCall;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kTen = RGB(255, 0, 0), kFifty = RGB(0, 0, 255);

class DepthColumn : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();
        g.pens.table[layout::PEN_BORDER] = {kTen, 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_HEAVY_BORDER] = {kFifty, 1, layout::PS_SOLID};
        options.painters = &painters;
        dc.RecordText(true);
    }
    // Records of depths from..to (the whole span the painter may read).
    void Make(int from, int to)
    {
        records.clear();
        for (int d = from; d <= to; ++d)
            records.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
    }
    wellfile::RECORD& At(int depth) { return records[std::size_t(depth - records.front().depth)]; }
    // Draws `count` records from `depth`, the first row's top at `topY`, with the view's R and U.
    void Draw(int depth, int count, int topY, int rowHeight = 10, int unitWidth = 10)
    {
        logview::DrawSurveyColumn(dc, g, device, options, records, std::size_t(depth - records.front().depth), count,
                                  rowHeight, unitWidth, topY);
    }
    std::vector<DcText> TextsWith(const QString& part) const
    {
        std::vector<DcText> out;
        for (const DcText& t : dc.TextRecord())
            if (t.text.contains(part))
                out.push_back(t);
        return out;
    }
    // The depth numbers written: texts of digits alone.
    std::vector<DcText> Depths() const
    {
        std::vector<DcText> out;
        for (const DcText& t : dc.TextRecord())
            if (t.text.size() >= 4 && std::all_of(t.text.begin(), t.text.end(), [](QChar c) { return c.isDigit(); }))
                out.push_back(t);
        return out;
    }
    std::vector<long long> HeadYs(const char* painter) const
    {
        std::vector<long long> ys;
        for (const PainterCall& c : painters.Named(painter))
            ys.push_back(c.args.front());
        return ys;
    }
    // The tops of the rate scale labels drawn (the "5" of scale 1).
    std::vector<int> RateLabelTops() const
    {
        std::vector<int> ys;
        for (const DcText& t : TextsWith("5"))
            if (t.text == "5")
                ys.push_back(t.at.y);
        return ys;
    }

    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    logview::DepthColumnOptions options;
    testing_support::RecordingPainters painters;
    std::vector<wellfile::RECORD> records;
    QImage image = testing_support::White(1300, 1100);
    Dc dc{image};
};

}  // namespace

TEST_F(DepthColumn, NumbersInBoxesFromTheFirstMultipleOfTen)
{
    Make(1590, 1650);
    Draw(1595, 10, 300);  // 1600 at y 350

    const std::vector<DcText> numbers = Depths();
    ASSERT_EQ(numbers.size(), 1u);  // nothing for 1595-1599
    EXPECT_EQ(numbers[0].text, "1600");
    EXPECT_EQ(numbers[0].at, (POINT{256, 349}));
    EXPECT_EQ(numbers[0].align, unsigned(TA_RIGHT | TA_TOP));
    // The box (224, y - R) - (259, y + R + 2): its left edge above the number's opaque cell, its right
    // edge on the rate track's, its bottom under the fifty-unit line.
    EXPECT_EQ(dc.GetPixel(224, 344), kBlack);
    EXPECT_EQ(dc.GetPixel(223, 344), kWhite);
    EXPECT_EQ(dc.GetPixel(258, 350), kBlack);
    EXPECT_EQ(dc.GetPixel(258, 362), kWhite);

    // The width is chosen from the run's first depth: from 9990 the box stays 3.5 units past 9999,
    // from 10000 it is 4.5 units.
    g.fileLastDepth = 20000;
    Make(9980, 10040);
    image.fill(Qt::white);
    Draw(9990, 20, 300);  // 10000 at y 400
    EXPECT_EQ(dc.GetPixel(224, 394), kBlack);
    EXPECT_EQ(dc.GetPixel(214, 394), kWhite);
    image.fill(Qt::white);
    Draw(10000, 20, 300);
    EXPECT_EQ(dc.GetPixel(214, 294), kBlack);
    EXPECT_EQ(dc.GetPixel(213, 294), kWhite);
}

TEST_F(DepthColumn, TenAndFiftyUnitLines)
{
    Make(1590, 1660);
    Draw(1590, 30, 300);  // 1600 at y 400, 1610 at 500

    // Fifty: the fifty-unit pen one pixel below the row's bottom; ten: the ten-unit pen on it, over the
    // rate, cut and gas tracks only.
    for (int x : {100, 495, 1053})
        EXPECT_EQ(dc.GetPixel(x, 411), kFifty) << x;
    EXPECT_EQ(dc.GetPixel(100, 410), kWhite);
    for (int x : {9, 483, 740})
        EXPECT_EQ(dc.GetPixel(x, 510), kTen) << x;
    for (int x : {330, 400, 739})
        EXPECT_EQ(dc.GetPixel(x, 510), kWhite) << x;
    EXPECT_EQ(dc.GetPixel(100, 460), kWhite);

    // The wide format of profile 134 keeps the ten-unit pen at fifties.
    image.fill(Qt::white);
    g.profile = 134;
    Draw(1590, 30, 300);
    EXPECT_EQ(dc.GetPixel(100, 410), kTen);
}

TEST_F(DepthColumn, ScaleHeadsAtThePeriodAndAtChanges)
{
    Make(1590, 1700);
    for (int d = 1620; d <= 1700; ++d)
        At(d).gasScale = 2;
    for (int d = 1630; d <= 1700; ++d)
        At(d).minutesScale = 7;  // the 0.5-2.5 scale from 1630
    Draw(1590, 100, 300);  // depth d at y 300 + (d - 1590) x 10

    // Gas: at 1605 and 1655 (depth mod 50 = 5) and at the change of 1620, one row lower.
    EXPECT_EQ(HeadYs("DrawGasScaleHeader"), (std::vector<long long>{460, 610, 960}));
    EXPECT_EQ(painters.Named("DrawGasScaleHeader")[1].depths, (std::vector<std::int32_t>{1620}));
    // Rate: the labels' line on the row above the head's, at 1605, the change of 1630 (written at 1632,
    // clear of the number 1630) and 1655.
    EXPECT_EQ(RateLabelTops(), (std::vector<int>{445}));
    ASSERT_EQ(TextsWith("2.5").size(), 2u);
    EXPECT_EQ(TextsWith("2.5")[0].at.y, 715);

}

TEST_F(DepthColumn, HeadsOnlyBelowTheTopRowsAndAtTheEndOfARun)
{
    Make(1590, 1700);
    // 1605 falls on the period but at top y + 2 R: too high. The run draws its heads at top y + 5 R
    // with the record after it.
    Draw(1603, 10, 300);
    ASSERT_EQ(painters.Named("DrawGasScaleHeader").size(), 1u);
    EXPECT_EQ(painters.Named("DrawGasScaleHeader")[0].args.front(), 350);
    EXPECT_EQ(painters.Named("DrawGasScaleHeader")[0].depths, (std::vector<std::int32_t>{1613}));
    EXPECT_EQ(RateLabelTops(), (std::vector<int>{335}));

    // Two records or fewer, or profile 23: no end-of-run heads.
    painters.calls.clear();
    dc.RecordText(true);
    Draw(1603, 2, 300);
    g.profile = 23;
    Draw(1603, 10, 300);
    EXPECT_TRUE(painters.calls.empty());
    EXPECT_TRUE(RateLabelTops().empty());
}

TEST_F(DepthColumn, CompressedScaleThreeWalksFiveRecordsARow)
{
    g.scaleIndex = 3;
    Make(1500, 1800);
    for (int d = 1552; d <= 1800; ++d)
        At(d).gasScale = 2;
    Draw(1500, 5 * 30, 300);  // row k shows 1500 + 5 k at y 300 + 10 k

    // The period is 500 with offset 40 (1540, row 8); the change shows at 1555, compared with 1550.
    EXPECT_EQ(HeadYs("DrawGasScaleHeader"), (std::vector<long long>{390, 420}));
    // Numbers and lines every hundred units (1500 and 1600), without boxes.
    EXPECT_EQ(Depths().size(), 2u);
    EXPECT_EQ(dc.GetPixel(100, 511), kFifty);
    EXPECT_EQ(dc.GetPixel(224, 494), kWhite);
}

TEST_F(DepthColumn, RunEndsAtTheEndOfTheData)
{
    Make(1590, 1640);
    At(1625).depth = 0;  // what a read leaves after the last record
    Draw(1590, 100, 300);
    EXPECT_EQ(Depths().size(), 4u);  // 1590-1620

    // Past the file's last depth; and a count longer than the records given stops at their end.
    dc.RecordText(true);
    g.fileLastDepth = 1609;
    Draw(1590, 100, 300);
    EXPECT_EQ(Depths().size(), 2u);
    dc.RecordText(true);
    g.fileLastDepth = 2600;
    Make(1600, 1621);
    Draw(1600, 1000, 300);
    EXPECT_EQ(Depths().size(), 3u);
}

TEST_F(DepthColumn, LagTimeEveryHundredUnits)
{
    g.trackFlags[layout::FLAG_LAG_TIME] = 1;
    Make(1590, 1710);
    for (int d : {1600, 1610})
        At(d).lagTime = 15.2f;
    At(1700).lagTime = 0;
    dc.SetTextColor(RGB(0, 128, 0));
    Draw(1595, 110, 300);  // 1600 at y 350
    const std::vector<DcText> lag = TextsWith("Lag");
    ASSERT_EQ(lag.size(), 1u);  // nothing at 1610 (not a hundred) nor at 1700 (no lag time)
    EXPECT_EQ(lag[0].text, "Lag Time 15.2");
    EXPECT_EQ(lag[0].at, (POINT{1054 - 10, 342}));  // trunc(350 - 7.5)
    EXPECT_EQ(lag[0].textColor, kBlack);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 128, 0));

    At(1600).lagTime = std::numeric_limits<float>::quiet_NaN();
    dc.RecordText(true);
    Draw(1595, 10, 300);
    EXPECT_TRUE(TextsWith("Lag").empty());
}

TEST_F(DepthColumn, SurveysOnTheScreen)
{
    Make(1590, 1650);
    wellfile::RECORD& station = At(1600);
    station.tvd = 1580.75f;
    station.azimuth = 123.456f;
    station.verticalSection = 12.25f;
    options.switches.surveyText = true;
    options.surveyX = 600;
    options.surveyColour = RGB(0, 0, 200);

    // Profile 12 writes the five-line block; without an inclination it stops after MD and TVD.
    Draw(1595, 10, 300);
    std::vector<DcText> block = TextsWith("D ");
    ASSERT_EQ(block.size(), 2u);
    EXPECT_EQ(block[0].text, "MD  1600'");
    EXPECT_EQ(block[0].at, (POINT{602, 350}));
    EXPECT_EQ(block[1].text, "TVD 1580.75'");
    EXPECT_EQ(block[1].at.y, 360);

    // Another profile writes one line, the inclination 0.00 included, half a row up; the first row of
    // a run near the log's top carries the column heads instead. The degree sign reaches the Dc whole.
    g.profile = 4;
    dc.RecordText(true);
    Draw(1599, 10, 165);
    EXPECT_EQ(testing_support::TextAt(dc, "TVD      AZM      INCL      VS"), (POINT{602, 165}));
    const QString degree(QChar(0xB0));
    const QString line = " 1580' 123.46" + degree + " 0.00" + degree + " 12.25' ";
    EXPECT_EQ(testing_support::TextAt(dc, line), (POINT{602, 170}));
    EXPECT_EQ(TextsWith(line)[0].bkMode, OPAQUE);

    // INCL first, transparent.
    options.inclFirst = true;
    options.surveyTransparent = true;
    dc.RecordText(true);
    Draw(1595, 10, 300);
    const DcText inclFirst = TextsWith("1580'").at(0);
    EXPECT_EQ(inclFirst.text, "0.00" + degree + " 123.46" + degree + "  1580' 12.25' ");
    EXPECT_EQ(inclFirst.bkMode, TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);

    // With the survey text off, a marker: a black triangle two lithology cells left of the column.
    options.switches.surveyText = false;
    image.fill(Qt::white);
    Draw(1595, 10, 300);  // 1600 at y 350
    EXPECT_EQ(dc.GetPixel(328, 347), kBlack);
    EXPECT_EQ(dc.GetPixel(330, 338), kWhite);

    // Compressed, the line of the nearest of the last five records with an inclination.
    g.scaleIndex = 4;
    options.switches.surveyText = true;
    options.surveyX = 0;  // raised to the rate track's left edge
    At(1596).tvd = 1570.0f;
    At(1596).inclination = 3.0f;
    dc.RecordText(true);
    Draw(1600, 1, 400);
    ASSERT_EQ(TextsWith("'").size(), 1u);
    EXPECT_TRUE(TextsWith("'")[0].text.contains(" 1570'"));
    EXPECT_EQ(TextsWith("'")[0].at, (POINT{11, 385}));
    dc.RecordText(true);
    Draw(1601, 1, 400);  // five back is too far
    EXPECT_TRUE(TextsWith("'").empty());
}

TEST_F(DepthColumn, PaperGeometry)
{
    device.printing = true;
    device.rowStep = true;
    device.printer.nextColumnEdge = 600;
    device.printer.gasRight = 1200;
    device.printer.surveyX = 700;
    device.printFonts.text.lfHeight = -30;
    g.trackFlags[layout::FLAG_LAG_TIME] = 1;
    Make(1600, 1640);
    At(1600).lagTime = 20.0f;
    At(1610).tvd = 1500.0f;  // no inclination: the TVD alone
    options.switches.surveyText = true;
    Draw(1600, 12, 300, 30, 20);

    // Rows 30 apart, every fifth row 4 higher: 1610 is row 10 at 300 + 300 - 8.
    const std::vector<DcText> numbers = Depths();
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[1].at, (POINT{585, 592 + 7}));  // (box right - U / 4, y + R / 4), box right 590
    // The first row's lag time would stand above the page's first row: it goes where its number does.
    EXPECT_EQ(testing_support::TextAt(dc, "Lag Time 20.0"), (POINT{1200 - 20, 300 + 7}));
    EXPECT_EQ(testing_support::TextAt(dc, " 1500'"), (POINT{704, 592 - 30}));
    // The box: 5 units left of its right edge.
    EXPECT_EQ(dc.GetPixel(490, 300), kBlack);
    EXPECT_EQ(dc.GetPixel(489, 300), kWhite);

    // Five-digit depths: 5.5 units, or 6.5 with the wide-depth byte.
    g.fileLastDepth = 20000;
    Make(10000, 10010);
    for (bool wide : {false, true}) {
        device.wideDepth = wide;
        const int left = wide ? 460 : 480;
        image.fill(Qt::white);
        Draw(10000, 1, 300, 30, 20);
        EXPECT_EQ(dc.GetPixel(left, 300), kBlack) << wide;
        EXPECT_EQ(dc.GetPixel(left - 1, 300), kWhite) << wide;
    }
}

// A scale that changes on a labelled depth (the 0.5-2.5 scale from 2400) writes its labels where no
// depth number stands. Depth d at y 300 + (d - 2380) x 10; "2390" and "2400" fill their rows' 1st to
// 13th pixel from the box's left edge (224) to the rate track's right (259), where the last label is
// centred. No pixel of the labels lies on those rows from 224 to 275 (the number's opaque cell would
// hide part of the label), and the labels stand within three rows below the change.
TEST_F(DepthColumn, ChangedScaleLabelsClearOfTheDepthNumbers)
{
    Make(2370, 2430);
    Draw(2380, 40, 300);
    const QImage plain = image.copy();
    for (int d = 2400; d <= 2430; ++d)
        At(d).minutesScale = 7;
    image.fill(Qt::white);
    Draw(2380, 40, 300);
    QRect labels;
    int besideNumbers = 0;
    for (int y = 380; y < 540; ++y)
        for (int x = 0; x < 300; ++x)
            if (image.pixel(x, y) != plain.pixel(x, y)) {
                labels |= QRect(x, y, 1, 1);
                besideNumbers += x >= 224 && x <= 275 && (y - 400) % 100 < 13;
            }
    ASSERT_GT(labels.width(), 150) << "no labels of the new scale";
    EXPECT_EQ(besideNumbers, 0) << "the labels from y " << labels.top() << " stand on a depth number's row";
    EXPECT_LE(labels.top(), 500 + 3 * 10);
}
