// The real-time gas chart window on real day files: opening on today at now, day steps across month and
// year ends, the 00:05 switch and the reload of a file another station rewrote, live samples, scrolling,
// the text view and zoom, Browse, the settings written at closing and the gas chart command.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/scrolling.h"
#include "app/wellservices.h"
#include "gasmon/chartfile.h"
#include "gasmon/chartsettings.h"
#include "gasmon/ui/chartdlg.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wits/wits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

using namespace gasmon;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

constexpr platform::COLORREF kHw = platform::RGB(255, 0, 0);
const QDate kToday(2026, 1, 15);

class GasChartWindow : public ::testing::Test {
protected:
    GasChartWindow()
    {
        log.well.file.dataFolder = TestDir();
        log.well.file.currentFolder = TestDir();
        log.well.file.wellName = "ALPHA";
        log.well.file.fileTopDepth = 995;
        log.well.timeZoneAdjust = 0;
        log.layout.pens.table.entry[0].colour = kHw;
        log.layout.pens.table.entry[0].width = 1;
        SetClock(kToday, QTime(10, 0, 0));
    }

    static void SetClock(const QDate& d, const QTime& t) { doubles().clock.now = QDateTime(d, t); }
    static QString DayPath(const QDate& d) { return ChartFileName(TestDir() + "chart/", "ALPHA", d); }

    // The day file of `d`, made whole, with samples at the slots `samples` carrying `depth` and HW `hw`.
    void WriteDay(const QDate& d, std::initializer_list<int> samples = {}, int depth = 0, float hw = 0)
    {
        const QString path = DayPath(d);
        ASSERT_EQ(WriteChartRecords(ChartPlace{}, nullptr, 0, path), 1);
        for (int slot : samples) {
            CHARTRECORD r = PresetChartRecord(d, slot);
            r.depth = std::uint16_t(depth);
            r.hotWire = hw;
            ASSERT_EQ(WriteChartRecords(ChartPlace{}, &r, 1, path), 1);
        }
    }

    std::unique_ptr<ChartDlg> Open()
    {
        auto chart = std::make_unique<ChartDlg>(nullptr, log);
        chart->resize(550, 1000);
        chart->Create();
        return chart;
    }

    static int Messages(const QString& caption)
    {
        int n = 0;
        for (const auto& m : doubles().prompter.messages)
            n += m.caption == caption;
        return n;
    }

    app::LogState log;
};

TEST_F(GasChartWindow, OpensOnTodaysFileWithNowOnTheTopRow)
{
    WriteDay(kToday, {18000, 17999}, 1234, 62.5f);
    const auto chart = Open();
    EXPECT_EQ(chart->Path(), DayPath(kToday));
    EXPECT_EQ(chart->windowTitle(), DayPath(kToday));
    EXPECT_EQ(log.well.watches.chart.path, DayPath(kToday));
    EXPECT_EQ(chart->RecordsLoaded(), kChartSlotsPerDay);
    EXPECT_EQ(chart->ViewStart(), 18000 - 800);
    EXPECT_EQ(chart->ScrollBar()->value(), 43200 - 17200);
    EXPECT_EQ(chart->Timers()->Period(kChartTimer), 5000);
    EXPECT_TRUE(chart->ShowingToday());

    chart->Redraw();
    EXPECT_EQ(chart->GetText(kTopTimeText), "10:00:00 1/15/26");
    EXPECT_EQ(chart->GetText(kHwEdit), "62.50");
    EXPECT_EQ(chart->GetText(kDepthIntervalEdit), "From 1234 To 1234 ");
    EXPECT_EQ(chart->WindowImage().pixel(145, 121), QColor(255, 0, 0).rgb()) << "the top row, HW at its x";
    EXPECT_FALSE(chart->Control(kPrintButton)->isVisibleTo(chart.get())) << "printing is for some profiles";
    EXPECT_FALSE(chart->Control(kGoToButton)->isVisibleTo(chart.get()));
}

TEST_F(GasChartWindow, AShortDayShowsWhatItHoldsAndATornOneNothing)
{
    std::vector<CHARTRECORD> part(100);
    for (int i = 0; i < 100; ++i) {
        part[std::size_t(i)] = PresetChartRecord(kToday, i);
        part[std::size_t(i)].depth = 1500;
    }
    QDir().mkpath(TestDir() + "chart");
    QFile f(DayPath(kToday));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(part.data()), qint64(part.size() * sizeof(CHARTRECORD)));
    f.close();
    auto chart = Open();
    EXPECT_EQ(chart->RecordsLoaded(), 100);
    EXPECT_EQ(+chart->Day()[99].depth, 1500);
    EXPECT_EQ(+chart->Day()[100].depth, 0);

    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("x", 1);
    f.close();
    chart->CmCurrentView();
    EXPECT_EQ(chart->RecordsLoaded(), 0);
    EXPECT_TRUE(QFile::exists(TestDir() + "chart/ALPHA@1-15-26.old"));
    EXPECT_EQ(chart->DrawnTexts().size(), 2u) << "only the scale band's labels";
    EXPECT_EQ(chart->GetText(kDepthIntervalEdit), "From 0 To 0 ");
}

TEST_F(GasChartWindow, DaysStepByTheCalendarAndAMissingDayKeepsTheDayShown)
{
    SetClock(QDate(2024, 3, 1), QTime(10, 0, 0));
    WriteDay(QDate(2024, 2, 29));
    auto chart = Open();
    chart->CmPreviousDay();
    EXPECT_EQ(chart->ShownDate(), QDate(2024, 2, 29));
    EXPECT_EQ(chart->Path(), DayPath(QDate(2024, 2, 29)));
    EXPECT_FALSE(chart->ShowingToday());
    EXPECT_EQ(log.well.watches.chart.path, chart->Path());

    SetClock(QDate(2025, 3, 1), QTime(10, 0, 0));
    WriteDay(QDate(2025, 2, 28));
    chart = Open();
    chart->CmPreviousDay();
    EXPECT_EQ(chart->ShownDate(), QDate(2025, 2, 28));

    // Across New Year the chart keeps its own year: the second step is a day later, not a year back.
    SetClock(QDate(2026, 12, 31), QTime(10, 0, 0));
    WriteDay(QDate(2027, 1, 1));
    WriteDay(QDate(2027, 1, 2));
    chart = Open();
    chart->CmNextDay();
    EXPECT_TRUE(chart->Path().endsWith("ALPHA@1-01-27.cht"));
    chart->CmNextDay();
    EXPECT_TRUE(chart->Path().endsWith("ALPHA@1-02-27.cht"));
    EXPECT_EQ(chart->ViewStart(), 18000 - 800) << "the time of day now, without the offset";

    chart->CmNextDay();
    ASSERT_EQ(Messages("Chart File not found"), 1);
    EXPECT_EQ(doubles().prompter.messages.last().text, DayPath(QDate(2027, 1, 3)));
    EXPECT_EQ(chart->ShownDate(), QDate(2027, 1, 2));
    EXPECT_TRUE(chart->Path().endsWith("ALPHA@1-02-27.cht"));
}

TEST_F(GasChartWindow, TheTimerMovesToTheNewDayOnceAndFollowsAFileRewrittenElsewhere)
{
    SetClock(QDate(2026, 1, 14), QTime(23, 59, 0));
    auto chart = Open();
    testing_support::FakeTimers* timers = doubles().timers.last;
    WriteDay(kToday);
    SetClock(kToday, QTime(0, 5, 2));
    ASSERT_TRUE(timers->Fire(kChartTimer));
    EXPECT_EQ(chart->Path(), DayPath(kToday));
    EXPECT_EQ(chart->ShownDate(), kToday);
    EXPECT_EQ(chart->CurrentDate(), kToday);
    EXPECT_TRUE(chart->ShowingToday());
    EXPECT_EQ(chart->ViewStart(), -390);

    chart->CmPreviousDay();
    SetClock(kToday, QTime(0, 5, 5));
    timers->Fire(kChartTimer);
    EXPECT_EQ(chart->ShownDate(), QDate(2026, 1, 14)) << "the switch runs once a day";

    // A monitoring station: today's file is written by another station.
    SetClock(kToday, QTime(10, 0, 0));
    chart->CmCurrentView();
    timers->Fire(kChartTimer);  // keeps the file's time
    auto rewrite = [&](int slot, int depth) {
        CHARTRECORD r = PresetChartRecord(kToday, slot);
        r.depth = std::uint16_t(depth);
        ASSERT_EQ(WriteChartRecords(ChartPlace{}, &r, 1, DayPath(kToday)), 1);
        QFile f(DayPath(kToday));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(60 + slot), QFileDevice::FileModificationTime);
    };
    log.well.file.drilling = true;
    rewrite(100, 777);
    timers->Fire(kChartTimer);
    EXPECT_EQ(+chart->Day()[100].depth, 0) << "not while this station drills";
    log.well.file.drilling = false;
    timers->Fire(kChartTimer);
    EXPECT_EQ(+chart->Day()[100].depth, 777);
    rewrite(101, 778);
    timers->Fire(kChartTimer);
    EXPECT_EQ(+chart->Day()[101].depth, 778);
}

TEST_F(GasChartWindow, LiveSamplesMoveTheViewOnlyWhileTodayIsShown)
{
    WriteDay(kToday);
    WriteDay(kToday.addDays(-1));
    auto chart = Open();
    CHARTRECORD s = PresetChartRecord(kToday, 18010);
    s.hotWire = 62.5f;
    s.depth = 1300;
    s.channel4 = 53;
    ASSERT_EQ(chart->AddSamples(&s, 1), 1);
    EXPECT_EQ(chart->ViewStart(), 18010 - 800);
    EXPECT_EQ(chart->ScrollBar()->value(), 43200 - 17210);
    EXPECT_EQ(+chart->Day()[18010].channel4, 53) << "channel 4 is the field at 53";
    EXPECT_EQ(chart->WindowImage().pixel(145, 120), QColor(255, 0, 0).rgb()) << "the new row is drawn at once";

    // Yesterday shown: today's sample stays out of yesterday's array, so a note typed on its row writes
    // yesterday's file with nothing but the note.
    chart->CmPreviousDay();
    const QByteArray yesterday = testing_support::ReadBytes(DayPath(kToday.addDays(-1)));
    const int view = chart->ViewStart();
    s.recordNumber = 18020;
    s.depth = 1301;
    chart->AddSamples(&s, 1);
    EXPECT_EQ(chart->ViewStart(), view);
    EXPECT_EQ(+chart->Day()[18020].depth, 0);
    int y = 0;
    while (y < chart->height() && chart->SampleAt(0, y) != 18020)
        ++y;
    ASSERT_LT(y, chart->height()) << "the sample's row is in view";
    log.well.file.drilling = true;
    chart->PlaceNote("CONN", 200, y);
    QByteArray expected = yesterday;
    const qsizetype note = qsizetype(18020) * kChartRecordSize + 28;
    expected.replace(note, 5, QByteArray("CONN", 5));
    const QByteArray written = testing_support::ReadBytes(DayPath(kToday.addDays(-1)));
    ASSERT_EQ(written.size(), expected.size());
    for (qsizetype i = 0; i < written.size(); ++i)
        if (i < note + 20 || i > note + 21) {  // the note's level may be anything
            ASSERT_EQ(written[i], expected[i]) << "byte " << i;
        }
    s.recordNumber = 50000;
    chart->AddSamples(&s, 1);  // outside the day: nothing written anywhere
}

TEST_F(GasChartWindow, TheNewDaysSamplesWaitForTheChartToMoveToThatDay)
{
    WriteDay(kToday);
    auto chart = Open();
    const int view = chart->ViewStart();
    CHARTRECORD s = PresetChartRecord(kToday.addDays(1), 3);  // 00:00:06 of the next day
    s.depth = 1400;
    chart->AddSamples(&s, 1);
    EXPECT_EQ(chart->ViewStart(), view) << "the view does not jump above the day's start";
    EXPECT_EQ(+chart->Day()[3].depth, 0);
}

TEST_F(GasChartWindow, ScrollingRedrawsButTheThumbsTrackOnlyShowsTheDepth)
{
    WriteDay(kToday, {18010}, 1234, 0);
    auto chart = Open();
    chart->EvVScroll(app::SB_LINEUP, 0);
    EXPECT_EQ(chart->ViewStart(), 17230);
    chart->EvVScroll(app::SB_PAGEDOWN, 0, true);
    EXPECT_EQ(chart->ViewStart(), 17200);
    EXPECT_EQ(chart->ScrollBar()->value(), 43200 - 17200);

    const QImage before = chart->WindowImage().copy();
    const ChartGeometry g = chart->Geometry();
    chart->EvVScroll(app::SB_THUMBTRACK, 43200 - 800 - 18010);
    ASSERT_EQ(chart->DrawnTexts().size(), 1u);
    EXPECT_EQ(chart->DrawnTexts()[0].text, " 1234  ");
    EXPECT_EQ(chart->DrawnTexts()[0].at.x, g.plotRight - 60);
    EXPECT_EQ(chart->DrawnTexts()[0].at.y, 145);
    const QRect box(g.plotRight - 70, 144, 60, 18);
    for (int y = 100; y < before.height(); y += 7)
        for (int x = 0; x < g.plotRight; x += 5) {
            if (!box.contains(x, y)) {
                ASSERT_EQ(chart->WindowImage().pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(GasChartWindow, TheTextViewListsAHundredSamplesAndZoomCycles)
{
    WriteDay(kToday, {18000}, 1234, 0);
    auto chart = Open();
    chart->CmViewData();
    auto* list = chart->ControlAs<QListWidget>(kTextViewList);
    ASSERT_EQ(list->count(), 100);
    EXPECT_TRUE(list->item(0)->text().startsWith("0         1234  0"));
    EXPECT_EQ(chart->GetText(kTextViewHeading), "LagDepth Depth  HW Chrom   Day  Hour  Min  Sec  Index AlutTime Notes");
    EXPECT_EQ(chart->GetText(kViewDataButton), "Hide Data");
    chart->CmViewData();
    EXPECT_EQ(chart->GetText(kViewDataButton), "View Data");
    EXPECT_FALSE(list->isVisibleTo(chart.get()));

    EXPECT_EQ(chart->PixelsPerSample(), 2);
    chart->CmZoom();
    EXPECT_EQ(chart->PixelsPerSample(), 3);
    chart->CmZoom();
    EXPECT_EQ(chart->PixelsPerSample(), 1);
    chart->CmZoom();
    EXPECT_EQ(chart->PixelsPerSample(), 2);
}

TEST_F(GasChartWindow, BrowseTakesTheDayOfItsSamplesAndChangesNoWorkingFolder)
{
    SetClock(kToday, QTime(0, 10, 0));
    const QDate other(2026, 1, 10);
    WriteDay(other);
    auto chart = Open();
    const QString working = QDir::currentPath();
    doubles().prompter.fileAnswers.push_back(DayPath(other));
    chart->CmBrowse();
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "StrativM Chart Files (*.CHT)|*.cht|");
    EXPECT_EQ(doubles().prompter.fileRequests[0].title, "StrativM Chart Files");
    EXPECT_EQ(chart->Path(), DayPath(other));
    EXPECT_EQ(chart->ViewStart(), -390);
    EXPECT_EQ(chart->ShownDate(), other) << "sample 0's day while the view starts before the day";
    EXPECT_FALSE(chart->ShowingToday());
    EXPECT_EQ(QDir::currentPath(), working);

    doubles().prompter.fileAnswers.push_back(TestDir() + "gone.cht");
    chart->CmBrowse();
    EXPECT_EQ(Messages(" Chart File not found"), 1);
    EXPECT_EQ(chart->ShownDate(), other);
}

TEST_F(GasChartWindow, ClosingStoresThePlaceTheScaleAndTheLogarithmicFlag)
{
    WriteDay(kToday);
    QWidget main;
    main.move(0, 200);
    auto chart = std::make_unique<ChartDlg>(&main, log);
    chart->resize(550, 600);
    chart->Create();
    chart->move(50, 100);
    chart->SetScaleIndex(3);
    chart->SetCheck(kLogScaleCheck, 1);
    chart->ToggleLogScale();
    EXPECT_TRUE(chart->LogScale());
    chart->CloseChart();
    EXPECT_FALSE(chart->Timers()->IsRunning(kChartTimer));
    ChartSettings s;
    ASSERT_EQ(ReadChartCfg(TestDir(), s), 1);
    EXPECT_EQ(s.scaleIndex, 3);
    EXPECT_EQ(s.logScale, 1);
    EXPECT_EQ(s.windowTop, 204) << "above the main window's top";
    EXPECT_EQ(s.windowLeft, 50);
    EXPECT_EQ(s.windowWidth, 550);
    EXPECT_EQ(s.windowHeight, 600);

    // Opened again: the logarithmic flag comes back with the settings.
    chart = std::make_unique<ChartDlg>(&main, log);
    chart->Create();
    EXPECT_TRUE(chart->LogScale());
    EXPECT_EQ(chart->GetCheck(kLogScaleCheck), 1);
}

TEST_F(GasChartWindow, ClosingLeavesTimerTenRunningWhileTheWitsLinkExistsAndItsTicksDoNothing)
{
    WriteDay(kToday);
    WriteDay(kToday.addDays(1));
    app::WellServices services;
    wits::WitsHost host(log, services);
    wits::Wits link(host, wits::WitsAlarmHost{});
    log.engines.wits = &link;
    auto chart = Open();
    chart->CloseChart();
    EXPECT_TRUE(chart->Timers()->IsRunning(kChartTimer));

    // At 00:05 an open chart moves to the new day; the closed one stays as it was.
    SetClock(kToday.addDays(1), QTime(0, 5, 1));
    ASSERT_TRUE(static_cast<testing_support::FakeTimers*>(chart->Timers())->Fire(kChartTimer));
    EXPECT_EQ(chart->ShownDate(), kToday);
    log.engines.wits = nullptr;
}

TEST_F(GasChartWindow, TheGasChartCommandOpensAndClosesTheWindow)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.resize(1200, 900);
    app::LogState& s = window.State();
    s.well.file.dataFolder = TestDir();
    s.well.file.currentFolder = TestDir();
    s.well.file.wellName = "ALPHA";
    WriteDay(kToday);
    auto checked = [&window] {
        const shell::MenuItem* item = window.Menu().Find(app::cmd::GasChart);
        return item && item->checked;
    };

    ASSERT_TRUE(window.EvCommand(app::cmd::GasChart));
    QPointer<QWidget> chart = window.Tools().gasChart;
    ASSERT_TRUE(qobject_cast<ChartDlg*>(chart.data()));
    EXPECT_GT(chart->width(), 550) << "without settings, the size of its dialog resource";
    EXPECT_GT(chart->height(), 500);
    ASSERT_TRUE(window.EvCommand(app::cmd::GasChart));
    EXPECT_FALSE(chart);
    EXPECT_FALSE(checked());
    EXPECT_TRUE(QFile::exists(TestDir() + "SVCHART.cfg"));

    // Closed by its close box.
    ASSERT_TRUE(window.EvCommand(app::cmd::GasChart));
    chart = window.Tools().gasChart;
    ASSERT_TRUE(chart);
    chart->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window.Tools().gasChart);
    EXPECT_FALSE(checked());
}

}  // namespace
