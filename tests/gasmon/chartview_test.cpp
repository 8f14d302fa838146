// The gas chart's arithmetic: the value axes, the view start under the scroll bar and the clock, the
// depth range, the text view's lines, the chart folder of a well and a live sample taken into a day.
#include "app/scrolling.h"
#include "gasmon/chartview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace gasmon;

namespace {

std::vector<CHARTRECORD> EmptyDay() { return std::vector<CHARTRECORD>(kChartDaySlots); }

TEST(GasChartView, ValuesLieAcrossTheLinearAndLogarithmicAxesWithinThePlot)
{
    const ChartGeometry g = ChartGeometryOf(550, 600);
    EXPECT_EQ(g.plotRight, 520);
    EXPECT_EQ(g.PlotWidth(), 500);
    EXPECT_EQ(ChartGeometryOf(599, 600).plotRight, 520) << "lowered to a width of whole fifties";
    EXPECT_EQ(ChartGeometryOf(10, 600).plotRight, kChartPlotLeft) << "a tiny window has no plot, not a negative one";

    EXPECT_DOUBLE_EQ(LinearPixelsPerUnit(g, 1), 2.0);
    EXPECT_EQ(ValueX(g, 125, 1, false), 270);
    EXPECT_EQ(ValueX(g, 300, 1, false), 518) << "clamped to plot right - 2";
    EXPECT_EQ(ValueX(g, -5, 1, false), 20);
    EXPECT_EQ(ValueX(g, 100, 1, true), 270);
    EXPECT_EQ(ValueX(g, 0.5, 1, true), 20);
    EXPECT_EQ(ValueX(g, 0, 1, true), 20);
    // Readings a broken file may hold never wrap round.
    EXPECT_EQ(ValueX(g, std::numeric_limits<double>::quiet_NaN(), 1, false), 20);
    EXPECT_EQ(ValueX(g, 3e38, 1, false), 518);
    EXPECT_EQ(ValueX(g, -3e38, 1, false), 20);

    EXPECT_EQ(LogGridOffset(500, 2), 37);
    EXPECT_EQ(LogGridOffset(500, 10), 125);
    EXPECT_EQ(FullScale(6), 10000);
    EXPECT_EQ(ChartScaleIndex(7), 1) << "a stored index outside the table takes the default";
    EXPECT_EQ(ChartScaleIndex(-1), 1);
}

TEST(GasChartView, ScrollingMovesTheViewStartWithinItsLimits)
{
    const std::vector<CHARTRECORD> day = EmptyDay();
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_LINEUP, 0, false), 1030);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_LINEUP, 0, true), 1015);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_LINEDOWN, 0, false), 970);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_PAGEDOWN, 0, false), 850);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_PAGEDOWN, 0, true), 970);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_PAGEUP, 0, true), 1030);
    EXPECT_EQ(ScrollViewStart(day, -380, app::SB_PAGEDOWN, 0, false), -390);
    EXPECT_EQ(ScrollViewStart(day, 42380, app::SB_PAGEUP, 0, false), 42390);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_THUMBTRACK, 100, false), 42300);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_THUMBTRACK, 0, false), 42400) << "the track goes a little higher";
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_THUMBTRACK, -50, false), 42410);
    EXPECT_EQ(ScrollViewStart(day, 1000, app::SB_ENDSCROLL, 0, false), 1000);
}

TEST(GasChartView, TheThumbGoesBackToTheFirstSampleOfItsDepthAndNeverOutOfTheDay)
{
    std::vector<CHARTRECORD> day = EmptyDay();
    for (int i = 41100; i <= 41300; ++i)
        day[std::size_t(i)].depth = 1200;
    for (int i = 41000; i < 41100; ++i)
        day[std::size_t(i)].depth = 1199;
    // Position 2,000: sample 41,210, whose depth began at 41,100.
    EXPECT_EQ(ScrollViewStart(day, 0, app::SB_THUMBPOSITION, 2000, false), 41100 - 800);
    // A sample without a depth stays where the thumb put it.
    EXPECT_EQ(ScrollViewStart(day, 0, app::SB_THUMBPOSITION, 600, false), 41810);

    // One depth over the whole day: the walk stops at sample 1.
    for (CHARTRECORD& r : day)
        r.depth = 900;
    EXPECT_EQ(ScrollViewStart(day, 0, app::SB_THUMBPOSITION, 2000, false), -390);
    // The top of the bar names sample 43,210, past the day array: nothing there is read.
    EXPECT_EQ(ScrollViewStart(day, 0, app::SB_THUMBPOSITION, 0, false), 42390);
}

TEST(GasChartView, TheClockPutsNowOnTheTopRowWhateverTheOffset)
{
    EXPECT_EQ(ViewStartOfNow(QTime(10, 0, 0), 0), 18000 - 800);
    EXPECT_EQ(ViewStartOfNow(QTime(10, 0, 0), -2), 14400 - 800);
    EXPECT_EQ(ViewStartOfNow(QTime(0, 10, 0), 0), -390) << "before 00:26:40 the start is held at the limit";
    EXPECT_EQ(ViewStartOfNow(QTime(23, 0, 0), 5), 42390) << "an offset past midnight stays within the day";
    EXPECT_EQ(ViewStartOfNow(QTime(1, 0, 0), -24), -390);
    EXPECT_EQ(ChartTimeOffset(-3), -3);
    EXPECT_EQ(ChartTimeOffset(25), 0);
}

TEST(GasChartView, DepthRangeAndTextLinesOfADay)
{
    std::vector<CHARTRECORD> day = EmptyDay();
    day[10].depth = 990;  // not beyond the file's first depth
    day[20].depth = 1000;
    day[30].depth = 1234;
    day[43150].depth = 5000;  // past the samples looked at
    const ChartDepthRange range = DepthRangeOf(day, 995);
    EXPECT_EQ(DepthRangeText(range), "From 1000 To 1234 ");

    CHARTRECORD& r = day[1000];
    r.lagDepth = 1180;
    r.depth = 1234;
    r.hotWire = 55.7f;
    r.chromat = 12.2f;
    r.day = 15;
    r.hour = 8;
    r.minute = 33;
    r.second = 20;
    r.index = 3;
    r.channel4 = 7;
    std::memcpy(r.note, "SHOW AT TOP OF SAND!", 20);  // a note without its terminating NUL
    const QStringList lines = TextViewLines(day, 200);
    ASSERT_EQ(lines.size(), 100);
    EXPECT_EQ(lines[0], "1180      1234  55    12   15    8    33   20    3      7 SHOW AT TOP OF SAND!");
    EXPECT_EQ(TextViewHeading(), "LagDepth Depth  HW Chrom   Day  Hour  Min  Sec  Index AlutTime Notes");
    EXPECT_EQ(TextViewLines(day, 42390).size(), 100) << "every line within the day array";
    // A gas value no int holds is written as 0.
    for (float hotWire : {3e9f, -3e9f, std::nanf(""), std::numeric_limits<float>::infinity()}) {
        r.hotWire = hotWire;
        r.chromat = 2.1e9f;
        EXPECT_EQ(TextViewLine(r),
                  "1180      1234  0     210000000015    8    33   20    3      7 SHOW AT TOP OF SAND!");
    }

    EXPECT_EQ(TopSampleTimeText(r, 2026), "8:33:20 0/15/26");
    EXPECT_EQ(RetentionTimesText({0, 31, 45, 62, 80, 95, 0, 0}),
              "C1 31 sec   C2 45 sec  C3 62 sec  IC4 80 sec  NC4 95 sec ");
}

TEST(GasChartView, TheChartFolderFollowsTheFolderTheWellWasOpenedFrom)
{
    EXPECT_EQ(ChartFolderFor("/data/", "/data/"), "/data/chart/");
    EXPECT_EQ(ChartFolderFor("/data/", "/DATA"), "/data/chart/") << "the same folder whatever its case";
    EXPECT_EQ(ChartFolderFor("/data/", "/wells/REMOTE2/"), "/wells/chart2/");
    EXPECT_EQ(ChartFolderFor("/data/", "/wells/Remote-12/"), "/wells/chart12/");
    EXPECT_EQ(ChartFolderFor("/data/", "/wells/OTHER/"), "/wells/OTHER_chart/");
    EXPECT_EQ(ChartFolderFor("/data/", "/wells/REMOTE/"), "/data/chart/");
}

TEST(GasChartView, ALiveSampleChangesItsOwnSlotOnly)
{
    std::vector<CHARTRECORD> day = EmptyDay();
    day[500].hour = 4;
    day[500].minute = 10;
    std::memcpy(day[500].note, "KEEP", 5);
    CHARTRECORD s;
    s.recordNumber = 500;
    s.depth = 1500;
    s.lagDepth = 1450;
    s.hotWire = 30;
    s.chromat = 9;
    s.index = 2;
    s.cycleEnd = 1;
    s.channel4 = 44;
    s.hour = 23;  // the time fields of the slot stay
    std::memcpy(s.note, "LOST", 5);
    ASSERT_TRUE(TakeSample(day, s));
    const CHARTRECORD& r = day[500];
    EXPECT_EQ(+r.depth, 1500);
    EXPECT_EQ(+r.lagDepth, 1450);
    EXPECT_EQ(+r.hotWire, 30);
    EXPECT_EQ(+r.chromat, 9);
    EXPECT_EQ(+r.index, 2);
    EXPECT_EQ(+r.cycleEnd, 1);
    EXPECT_EQ(+r.channel4, 44);
    EXPECT_EQ(+r.hour, 4);
    EXPECT_STREQ(r.note, "KEEP");
    EXPECT_EQ(+day[499].depth, 0);
    EXPECT_EQ(+day[501].depth, 0);

    s.recordNumber = kChartDaySlots;
    EXPECT_FALSE(TakeSample(day, s));

    EXPECT_EQ(StoredChartTop(50, 100), 104);
    EXPECT_EQ(StoredChartTop(100, 100), 104);
    EXPECT_EQ(StoredChartTop(300, 100), 300);
    EXPECT_EQ(StoredChartTop(-10, -20), -16) << "a negative top is never stored as it stands";
}

}  // namespace
