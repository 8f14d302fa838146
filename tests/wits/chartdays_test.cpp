// The chart's day logic: stepping days, the slot of now, looking up depths, the on-bottom state, the
// 12-hour time and the live refresh of today's file.
#include "app/logstate.h"
#include "platform/clocktext.h"
#include "support/doubles.h"
#include "support/testmain.h"
#include "wits/chartdays.h"
#include "wits/dailyfile.h"
#include "wits/witswindow.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace wits;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

wellfile::WITSRECORD Sample(float hole, float bit)
{
    wellfile::WITSRECORD s;
    s.holeDepth = hole;
    s.bitDepth = bit;
    return s;
}

}  // namespace

TEST(WitsChartDays, TheSlotOfNowAndTheTimeZoneStayWithinTheDay)
{
    EXPECT_EQ(ViewIndexOfNow(QTime(0, 5), 0), 0);  // slot 50 - 100
    EXPECT_EQ(ViewIndexOfNow(QTime(8, 30), 0), 5000);
    EXPECT_EQ(SlotOfNow(QTime(13, 5, 7), -1), 12 * 600 + 50 + 1);
    EXPECT_EQ(ChartTimeZoneOffset(-30, false), 0);
    EXPECT_EQ(ChartTimeZoneOffset(25, false), 0);
    EXPECT_EQ(ChartTimeZoneOffset(-23, false), -23);
    EXPECT_EQ(ChartTimeZoneOffset(-3, true), 0);  // drilling
    // +5 at 23:00 would name slot 16,800 of a 14,400-slot day.
    EXPECT_EQ(SlotOfNow(QTime(23, 0), 5), 14399);
    EXPECT_EQ(SlotOfNow(QTime(1, 0), -3), 0);
}

TEST(WitsChartDays, DaysStepThroughMonthEndsLeapYearsAndTheYearEnd)
{
    EXPECT_EQ(StepDay({2028, 2, 28}, +1), (ChartDay{2028, 2, 29}));
    EXPECT_EQ(StepDay({2026, 2, 28}, +1), (ChartDay{2026, 3, 1}));
    EXPECT_EQ(StepDay({2026, 12, 31}, +1), (ChartDay{2027, 1, 1}));
    EXPECT_EQ(StepDay({2028, 3, 1}, -1), (ChartDay{2028, 2, 29}));
    EXPECT_EQ(StepDay({2027, 1, 1}, -1), (ChartDay{2026, 12, 31}));
    EXPECT_EQ(StepDay({2026, 4, 30}, +1), (ChartDay{2026, 5, 1}));
    EXPECT_EQ(DayOfDailyFileName(TestDir() + "wits/ALPHA@1-14-26.wit"), (ChartDay{2026, 1, 14}));
    EXPECT_EQ(DayOfDailyFileName("ALPHA@12-31-27.WIT"), (ChartDay{2027, 12, 31}));
    EXPECT_FALSE(DayOfDailyFileName("ALPHA.wit"));
    EXPECT_FALSE(DayOfDailyFileName("ALPHA@2-30-26.wit"));
}

TEST(WitsChartDays, TwelveHourTimes)
{
    EXPECT_EQ(platform::FormatTime12(0, 5), "12:05 AM");
    EXPECT_EQ(platform::FormatTime12(12, 5), "12:05 PM");
    EXPECT_EQ(platform::FormatTime12(13, 5, 7), " 1:05:07 PM");
    EXPECT_EQ(platform::FormatTime12(9, 5, 0), " 9:05 AM");
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(23, 41, 30));
    EXPECT_EQ(platform::FormatTime12(-1, 0, 0), "11:41 PM");
}

TEST(WitsChartDays, OnBottomStateComparesWholeDepths)
{
    EXPECT_EQ(BottomStateOf(Sample(1200.9f, 1200.4f)), BottomState::OnBottom);
    EXPECT_EQ(BottomStateOf(Sample(1200.4f, 1199.9f)), BottomState::OffBottom);
    EXPECT_EQ(BottomStateOf(Sample(0, 1199.9f)), BottomState::NoData);
    EXPECT_EQ(BottomStateOf(Sample(1200, -1)), BottomState::NoData);
    EXPECT_EQ(BottomStateOf(Sample(1200.4f, 1201.2f)), BottomState::Unknown);
}

TEST(WitsChartDays, TheShownSampleStaysWithinTheLoadedSamples)
{
    std::vector<wellfile::WITSRECORD> day(200, Sample(0, 0));
    for (int i = 0; i < 50; ++i)
        day[i] = Sample(1000.0f + float(i), 990);
    // Slot of now and index - 1 past the samples are held to the last one, then stepped back over the
    // samples without depths, at most 100 of them.
    EXPECT_EQ(ShownSample(day.data(), 200, 5000, true, 9000), 99);
    EXPECT_EQ(ShownSample(day.data(), 200, 120, false, 0), 49);
    EXPECT_EQ(ShownSample(day.data(), 200, 30, false, 0), 29);
    EXPECT_EQ(ShownSample(day.data(), 200, 0, false, 0), 0);
    EXPECT_EQ(ShownSample(day.data(), 0, 10, true, 10), std::nullopt);
}

TEST(WitsChartDays, DepthsAreFoundInALoadedDay)
{
    std::vector<wellfile::WITSRECORD> day(100, Sample(0, 0));
    for (int i = 0; i < 100; ++i)
        day[i].holeDepth = 1100.0f + float(i) * 0.5f;
    day[3].holeDepth = 900;  // inside the first ten: left out of the range
    day[95].holeDepth = 1500;
    day[40].holeDepth = 0;
    const DayDepthRange r = DepthRange(day.data(), 100);
    EXPECT_EQ(r.least, 1105);
    EXPECT_EQ(r.greatest, 1144);
    EXPECT_EQ(SampleAtDepth(day.data(), 100, 1110), 20);
    day[10].holeDepth = 1111;  // deeper than the depth before it is met
    EXPECT_EQ(SampleAtDepth(day.data(), 100, 1110), std::nullopt);
    EXPECT_EQ(FirstSampleAtOrPast(day.data(), 100, 1105), 6);  // the first at 1103 or deeper
    EXPECT_EQ(FirstSampleAtOrPast(day.data(), 100, 1600), std::nullopt);
}

TEST(WitsChartDays, DataTableLines)
{
    wellfile::WITSRECORD s = Sample(1200.5f, 1199.25f);
    s.hour = 8, s.minute = 30, s.second = 6, s.month = 1, s.day = 15, s.year = 26;
    s.rop = 12.5f, s.wob = 20, s.rpm = 120, s.pumpPressure = 3000, s.spm1 = 60, s.spm2 = 61, s.torque = 500;
    s.flow = 400, s.pitVolume = 250.7f;
    EXPECT_EQ(DataTableLine(s),
              "08:30:06 1-15-26 1200.50   1199.25    12.50   20    120   3000  60    61    0      500     400   250  ");
}

TEST(WitsChartDays, TheLiveRefreshReadsTodaysFileWhenItWasWrittenAgain)
{
    app::LogState log;
    log.well.file.dataFolder = TestDir();
    log.well.file.wellName = "ALPHA";
    log.env.witsFolder = TestDir() + "wits/";
    QDir().mkpath(log.env.witsFolder);
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(0, 3));  // the file's records are the last ten minutes
    // An hour offset that takes 0:03 back before midnight reads the day before's file.
    log.well.timeZoneAdjust = -1;
    EXPECT_FALSE(RefreshLiveWits(log, [](std::vector<wellfile::WITSRECORD>&) {}));
    EXPECT_EQ(log.well.watches.wits.path, DailyWitsFileName(log.env.witsFolder, "ALPHA", QDate(2026, 1, 14)));
    log.well.timeZoneAdjust = 0;
    int handed = 0;
    int count = 0;
    auto update = [&](std::vector<wellfile::WITSRECORD>& s) {
        ++handed;
        count = int(s.size());
    };
    EXPECT_FALSE(RefreshLiveWits(log, update));  // no file
    const QString path = DailyWitsFileName(log.env.witsFolder, "ALPHA", QDate(2026, 1, 15));
    EXPECT_EQ(log.well.watches.wits.path, path);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    std::vector<wellfile::WITSRECORD> samples(30, Sample(1200, 1200));
    f.write(reinterpret_cast<const char*>(samples.data()), qint64(samples.size() * sizeof(wellfile::WITSRECORD)));
    f.close();
    EXPECT_FALSE(RefreshLiveWits(log, update));  // the first look only keeps the time
    EXPECT_FALSE(RefreshLiveWits(log, update));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(reinterpret_cast<const char*>(samples.data()), qint64(sizeof(wellfile::WITSRECORD)));
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));  // written within the same tick of the file clock
    f.setFileTime(log.well.watches.wits.kept.addSecs(6), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_TRUE(RefreshLiveWits(log, update));
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(count, 31);
}
