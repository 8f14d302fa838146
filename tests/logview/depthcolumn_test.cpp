// The depth column on the demo well's layout (R = U = 10, rate track 9-259, gas track 739-1054): depth
// numbers and boxes, depth lines, scale heads, lag time and surveys, on the screen and on paper.
#include "logview/draw/depthcolumn.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/recordingpainters.h"
#include "support/viewfixture.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <cmath>
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
        for (const DcText& t : dc.TextRecord()) {
            bool digits = t.text.size() >= 4;
            for (QChar ch : t.text)
                digits = digits && ch.isDigit();
            if (digits)
                out.push_back(t);
        }
        return out;
    }
    std::vector<long long> HeadYs(const char* painter) const
    {
        std::vector<long long> ys;
        for (const PainterCall& c : painters.Named(painter))
            ys.push_back(c.args.front());
        return ys;
    }
    // The tops of the rate scale labels drawn (their "5", the last label of scale 1).
    std::vector<int> RateLabelTops() const
    {
        std::vector<int> ys;
        for (const DcText& t : dc.TextRecord())
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
    ASSERT_EQ(numbers.size(), 1u);  // nothing for 1595-1599, 1604 is the last
    EXPECT_EQ(numbers[0].text, "1600");
    EXPECT_EQ(numbers[0].at.x, 256);
    EXPECT_EQ(numbers[0].at.y, 349);
    EXPECT_EQ(numbers[0].align, unsigned(TA_RIGHT | TA_TOP));

    // The box (224, y - R) - (259, y + R + 2), 3.5 units wide, its right edge on the rate track's.
    // (The number's opaque cell covers part of the left edge, the fifty-unit line the bottom edge.)
    EXPECT_EQ(dc.GetPixel(224, 344), kBlack);
    EXPECT_EQ(dc.GetPixel(258, 350), kBlack);
    EXPECT_EQ(dc.GetPixel(240, 340), kBlack);
    EXPECT_EQ(dc.GetPixel(258, 361), kFifty);
    EXPECT_EQ(dc.GetPixel(240, 345), kWhite);
    EXPECT_EQ(dc.GetPixel(223, 344), kWhite);
    EXPECT_EQ(dc.GetPixel(258, 362), kWhite);

    // No box where the profile writes bare numbers.
    image.fill(Qt::white);
    g.profile = 17;
    Draw(1595, 10, 300);
    EXPECT_EQ(dc.GetPixel(224, 344), kWhite);
}

TEST_F(DepthColumn, BoxWidthChosenByTheRunsFirstDepth)
{
    g.fileLastDepth = 20000;
    Make(9980, 10040);
    Draw(9990, 20, 300);  // 10000 at y 400
    EXPECT_EQ(dc.GetPixel(224, 394), kBlack);
    EXPECT_EQ(dc.GetPixel(214, 394), kWhite);

    image.fill(Qt::white);
    Draw(10000, 20, 300);  // five digits from the start: 4.5 units
    EXPECT_EQ(dc.GetPixel(214, 294), kBlack);
    EXPECT_EQ(dc.GetPixel(213, 294), kWhite);
}

TEST_F(DepthColumn, TenAndFiftyUnitLines)
{
    Make(1590, 1660);
    Draw(1590, 30, 300);  // 1600 at y 400, 1610 at 500

    // Fifty: the fifty-unit pen one pixel below the row's bottom, over the rate, cut and gas tracks.
    for (int x : {100, 495, 800, 1053})
        EXPECT_EQ(dc.GetPixel(x, 411), kFifty) << x;
    EXPECT_NE(dc.GetPixel(100, 410), kFifty);
    // Ten: the ten-unit pen on the row's bottom.
    for (int x : {9, 258, 483, 740, 1053})
        EXPECT_EQ(dc.GetPixel(x, 510), kTen) << x;
    // Not over the porosity or lithology columns, nor at the gas track's left edge.
    for (int x : {330, 400, 739})
        EXPECT_EQ(dc.GetPixel(x, 510), kWhite) << x;
    // Rows between the tens draw no line.
    EXPECT_EQ(dc.GetPixel(100, 460), kWhite);

    // The wide format of profile 134 keeps the ten-unit pen at fifties.
    image.fill(Qt::white);
    g.profile = 134;
    Draw(1590, 30, 300);
    EXPECT_EQ(dc.GetPixel(100, 410), kTen);
    EXPECT_EQ(dc.GetPixel(100, 411), kWhite);
}

TEST_F(DepthColumn, ScaleHeadsAtThePeriodAndAtChanges)
{
    Make(1590, 1700);
    for (int d = 1620; d <= 1700; ++d)
        At(d).gasScale = 2;
    for (int d = 1630; d <= 1700; ++d)
        At(d).minutesScale = 7;  // the 0.5-2.5 scale from 1630: its last label is "2.5"
    Draw(1590, 100, 300);  // depth d at y 300 + (d - 1590) x 10

    // Gas: at 1605 and 1655 (depth mod 50 = 5) and at the change of 1620, one row lower.
    EXPECT_EQ(HeadYs("DrawGasScaleHeader"), (std::vector<long long>{460, 610, 960}));
    EXPECT_EQ(painters.Named("DrawGasScaleHeader")[1].depths, (std::vector<std::int32_t>{1620}));
    // Rate: the labels' line one row above the head's row, their tops half a cell higher.
    EXPECT_EQ(RateLabelTops(), (std::vector<int>{445}));
    EXPECT_EQ(TextsWith("2.5").size(), 2u);  // at the change of 1630 and at 1655
    EXPECT_EQ(TextsWith("2.5")[0].at.y, 700 + 10 - 10 - 5);

    // The first alternate-format flag keeps the gas head from repeating at a change.
    painters.calls.clear();
    options.alternateFormat[0] = true;
    Draw(1590, 100, 300);
    EXPECT_EQ(HeadYs("DrawGasScaleHeader"), (std::vector<long long>{460, 960}));

    // Without the rate track no heads at all; without gas no gas heads.
    painters.calls.clear();
    dc.RecordText(true);
    g.trackFlags[layout::FLAG_ROP] = 0;
    Draw(1590, 100, 300);
    EXPECT_TRUE(painters.Named("DrawGasScaleHeader").empty());
    EXPECT_TRUE(RateLabelTops().empty());
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
    EXPECT_EQ(RateLabelTops(), (std::vector<int>{350 - 10 - 5}));

    // Two records or fewer: no end-of-run heads.
    painters.calls.clear();
    dc.RecordText(true);
    Draw(1603, 2, 300);
    EXPECT_TRUE(painters.calls.empty());
    EXPECT_TRUE(RateLabelTops().empty());

    // Nor ever for profile 23.
    g.profile = 23;
    Draw(1603, 10, 300);
    EXPECT_TRUE(painters.Named("DrawGasScaleHeader").empty());

    // Track flag 27 repeats the two-ended head at depth mod 50 = 45.
    g.profile = 12;
    g.trackFlags[27] = 1;
    painters.calls.clear();
    Draw(1640, 10, 300);
    ASSERT_EQ(painters.Named("DrawTrackScaleHeader2").size(), 1u);
    EXPECT_EQ(painters.Named("DrawTrackScaleHeader2")[0].args, (std::vector<long long>{350, 10}));
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
    // Numbers and lines every hundred units only.
    const std::vector<DcText> numbers = Depths();
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[0].text, "1500");
    EXPECT_EQ(numbers[1].text, "1600");
    EXPECT_EQ(numbers[1].at.y, 300 + 20 * 10 - 1);
    EXPECT_EQ(dc.GetPixel(100, 300 + 20 * 10 + 11), kFifty);
    EXPECT_EQ(dc.GetPixel(100, 300 + 2 * 10 + 10), kWhite);  // 1510
}

TEST_F(DepthColumn, RunEndsAtTheEndOfTheData)
{
    Make(1590, 1640);
    At(1625).depth = 0;  // what a read leaves after the last record
    Draw(1590, 100, 300);
    std::vector<QString> numbers;
    for (const DcText& t : dc.TextRecord())
        if (t.text.startsWith("16"))
            numbers.push_back(t.text);
    EXPECT_EQ(numbers, (std::vector<QString>{"1600", "1610", "1620"}));

    // Past the file's last depth; and a count longer than the records given stops at their end.
    dc.RecordText(true);
    g.fileLastDepth = 1609;
    Draw(1590, 100, 300);
    EXPECT_EQ(TextsWith("16").size(), 1u);
    dc.RecordText(true);
    g.fileLastDepth = 2600;
    Make(1600, 1621);
    Draw(1600, 1000, 300);
    EXPECT_EQ(TextsWith("16").size(), 3u);
}

TEST_F(DepthColumn, LagTimeEveryHundredUnits)
{
    Make(1590, 1710);
    for (int d : {1600, 1610})
        At(d).lagTime = 15.2f;
    At(1700).lagTime = 0;
    Draw(1595, 110, 300);  // 1600 at y 350
    EXPECT_TRUE(TextsWith("Lag").empty());  // track flag 26 is off

    g.trackFlags[layout::FLAG_LAG_TIME] = 1;
    dc.RecordText(true);
    dc.SetTextColor(RGB(0, 128, 0));
    Draw(1595, 110, 300);
    const std::vector<DcText> lag = TextsWith("Lag");
    ASSERT_EQ(lag.size(), 1u);  // nothing at 1610 (not a hundred) nor at 1700 (no lag time)
    EXPECT_EQ(lag[0].text, "Lag Time 15.2");
    EXPECT_EQ(lag[0].at.x, 1054 - 10);
    EXPECT_EQ(lag[0].at.y, 342);  // trunc(350 - 7.5)
    EXPECT_EQ(lag[0].align, unsigned(TA_RIGHT | TA_TOP));
    EXPECT_EQ(lag[0].textColor, kBlack);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 128, 0));

    At(1600).lagTime = std::numeric_limits<float>::quiet_NaN();
    dc.RecordText(true);
    Draw(1595, 10, 300);
    EXPECT_TRUE(TextsWith("Lag").empty());
}

TEST_F(DepthColumn, SurveyLinesAndBlocksOnTheScreen)
{
    Make(1590, 1650);
    wellfile::RECORD& station = At(1600);
    station.tvd = 1580.75f;
    station.azimuth = 123.456f;
    station.inclination = 0;
    options.switches.surveyText = true;
    options.surveyX = 600;
    options.surveyColour = RGB(0, 0, 200);

    // Profile 12 writes the five-line block; without an inclination it stops after MD and TVD.
    Draw(1595, 10, 300);
    std::vector<DcText> block = TextsWith("D ");
    ASSERT_EQ(block.size(), 2u);
    EXPECT_EQ(block[0].text, "MD  1600'");
    EXPECT_EQ(block[1].text, "TVD 1580.75'");
    EXPECT_EQ(block[0].at.x, 602);
    EXPECT_EQ(block[1].at.y, 360);
    EXPECT_EQ(block[0].textColor, RGB(0, 0, 200));
    EXPECT_EQ(block[0].font.height, g.fonts.verticalText.lfHeight);
    station.inclination = 2.5f;
    station.verticalSection = 12.25f;
    dc.RecordText(true);
    Draw(1595, 10, 300);
    EXPECT_EQ(TextsWith("INC").at(0).text, QString("INC 2.50") + QChar(0xB0));
    EXPECT_EQ(TextsWith("AZM").at(0).text, QString("AZM 123.46") + QChar(0xB0));
    EXPECT_EQ(TextsWith("VS").at(0).text, "VS 12.25'");

    // Another profile writes one line, the inclination 0.00 included, half a row up; the first row of
    // a run near the log's top carries the column heads instead.
    g.profile = 4;
    station.inclination = 0;
    dc.RecordText(true);
    Draw(1599, 10, 165);
    const DcText head = TextsWith("AZM").at(0);
    EXPECT_EQ(head.text, "TVD      AZM      INCL      VS");
    EXPECT_EQ(head.at, (POINT{602, 165}));
    const DcText line = TextsWith("1580'").at(0);
    EXPECT_EQ(line.text, QString(" 1580' 123.46") + QChar(0xB0) + " 0.00" + QChar(0xB0) + " 12.25' ");
    EXPECT_EQ(line.at, (POINT{602, 175 - 5}));
    EXPECT_EQ(line.bkMode, OPAQUE);

    // INCL first, transparent.
    options.inclFirst = true;
    options.surveyTransparent = true;
    dc.RecordText(true);
    Draw(1595, 10, 300);
    const DcText inclFirst = TextsWith("1580'").at(0);
    EXPECT_EQ(inclFirst.text, QString("0.00") + QChar(0xB0) + " 123.46" + QChar(0xB0) + "  1580' 12.25' ");
    EXPECT_EQ(inclFirst.bkMode, TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);

    // With the survey text off, a marker: a black triangle two lithology cells left of the column.
    options.switches.surveyText = false;
    image.fill(Qt::white);
    Draw(1595, 10, 300);  // 1600 at y 350
    EXPECT_EQ(dc.GetPixel(328, 347), kBlack);
    EXPECT_EQ(dc.GetPixel(330, 338), kWhite);
}

TEST_F(DepthColumn, CompressedScreenLooksBackForAnInclination)
{
    g.scaleIndex = 4;
    g.profile = 4;
    Make(1590, 1650);
    At(1596).tvd = 1570.0f;
    At(1596).inclination = 3.0f;
    At(1600).tvd = 1580.0f;  // no inclination: skipped
    options.switches.surveyText = true;
    options.surveyX = 0;  // raised to the rate track's left edge
    Draw(1600, 1, 400);
    const std::vector<DcText> lines = TextsWith("'");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].text.startsWith(" 1570'")) << lines[0].text.toStdString();
    EXPECT_EQ(lines[0].at, (POINT{9 + 2, 385}));

    // Five back is too far.
    dc.RecordText(true);
    Draw(1601, 1, 400);
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
    EXPECT_EQ(numbers[1].text, "1610");
    EXPECT_EQ(numbers[1].at, (POINT{585, 592 + 7}));  // (R - U / 4, y + R / 4), R = 600 - 10
    EXPECT_EQ(numbers[1].font.height, -30);
    const DcText lag = TextsWith("Lag").at(0);
    EXPECT_EQ(lag.at, (POINT{1200 - 20, 277}));  // trunc(300 - 22.5)
    const DcText tvd = TextsWith("'").at(0);
    EXPECT_EQ(tvd.text, " 1500'");
    EXPECT_EQ(tvd.at, (POINT{704, 592 - 30}));
    // The box: 5 units left of its right edge at 590.
    EXPECT_EQ(dc.GetPixel(490, 300), kBlack);
    EXPECT_EQ(dc.GetPixel(489, 300), kWhite);

    // Five-digit depths: 5.5 units, or 6.5 with the wide-depth byte.
    g.fileLastDepth = 20000;
    Make(10000, 10010);
    image.fill(Qt::white);
    Draw(10000, 1, 300, 30, 20);
    EXPECT_EQ(dc.GetPixel(480, 300), kBlack);
    EXPECT_EQ(dc.GetPixel(479, 300), kWhite);
    device.wideDepth = true;
    image.fill(Qt::white);
    Draw(10000, 1, 300, 30, 20);
    EXPECT_EQ(dc.GetPixel(460, 300), kBlack);
    EXPECT_EQ(dc.GetPixel(459, 300), kWhite);
}
