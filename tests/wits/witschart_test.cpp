// The WITS history chart window: opening and closing through its command, day stepping, the read-outs
// and on-bottom box, "GO TO", "Browse", the data table, timer 6, scrolling, the settings dialog and the
// printout.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/scrolling.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "platform/draw/dc.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/pdfpages.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/chartview.h"
#include "wits/dailyfile.h"
#include "wits/ui/witschartdlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

using namespace wits;
using platform::Dialog;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kYellow = 0xFFFFFF00;

// A day of `count` samples at their slot times, each at hole `hole` and bit `bit` (0: none).
std::vector<wellfile::WITSRECORD> Day(const QDate& date, int count, float hole, float bit)
{
    std::vector<wellfile::WITSRECORD> day(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        wellfile::WITSRECORD& s = day[std::size_t(i)];
        s.month = std::uint16_t(date.month());
        s.day = std::uint16_t(date.day());
        s.year = std::uint16_t(date.year() - 2000);
        s.hour = std::uint16_t(i / 600);
        s.minute = std::uint16_t(i / 10 % 60);
        s.second = std::uint16_t(i % 10 * 6);
        s.holeDepth = hole;
        s.bitDepth = bit;
        s.wob = 20;
        s.rpm = 120;  // curve 2 of chart 1
    }
    return day;
}

QString DayPath(const QDate& date) { return DailyWitsFileName(TestDir() + "wits/", "ALPHA", date); }

void WriteDay(const QDate& date, const std::vector<wellfile::WITSRECORD>& day)
{
    QFile f(DayPath(date));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(day.data()), qint64(day.size() * sizeof(wellfile::WITSRECORD)));
}

const QDate kToday(2026, 1, 15);

// Red as the rasterised PDF gives it back.
bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }  // the test clock's day, 08:30

int Messages(const QString& caption)
{
    int n = 0;
    for (const auto& m : doubles().prompter.messages)
        n += m.caption == caption;
    return n;
}

class WitsChart : public ::testing::Test {
protected:
    WitsChart()
    {
        log.well.file.dataFolder = TestDir();
        log.well.file.wellName = "ALPHA";
        log.env.witsFolder = TestDir() + "wits/";
        QDir().mkpath(log.env.witsFolder);
        log.layout.format.pixelsPerStep = 10;
        log.layout.format.trackUnit = 10;
        log.well.file.fileTopDepth = 1000;
        log.well.file.fileBottomDepth = 1300;
        log.well.timeZoneAdjust = 0;
    }

    std::unique_ptr<WitsChartDlg> Open()
    {
        auto chart = std::make_unique<WitsChartDlg>(nullptr, log);
        chart->resize(900, 600);
        chart->Create();
        chart->FirstLoad();
        return chart;
    }

    QString Readout(WitsChartDlg& c, int id) { return c.GetText(id); }

    app::LogState log;
};

TEST_F(WitsChart, OpensOnTodayWithTheReadoutsTheOnBottomBoxAndTheViewAtNow)
{
    std::vector<wellfile::WITSRECORD> day = Day(kToday, 6000, 1200.9f, 1200.4f);
    day[5100].wob = 33;
    day[5100].holeDepth = 1234.5f;
    day[5100].bitDepth = 1234.25f;
    WriteDay(kToday, day);
    auto chart = Open();

    EXPECT_EQ(chart->FilePath(), DayPath(kToday));
    EXPECT_EQ(log.well.watches.wits.path, DayPath(kToday));
    EXPECT_EQ(chart->Samples().size(), 6000u);
    EXPECT_EQ(chart->ViewIndex(), 5000);
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 15}));
    EXPECT_FALSE(chart->IsEnabled(kNextDayButton));
    EXPECT_EQ(chart->Timers()->Period(kChartTimer), kChartTimerMs);
    EXPECT_EQ(Readout(*chart, kWobEdit), "33");
    EXPECT_EQ(Readout(*chart, kHoleDepthEdit), "1234.50");
    EXPECT_EQ(Readout(*chart, kBitDepthEdit), "1234.25");
    EXPECT_EQ(chart->StatusText(), "ON  BOTTOM  1-15-26  8:30 AM");
    EXPECT_EQ(chart->WindowImage().pixel(6, 22), kGreen);  // the box at (4, 2u), 25u x 2u
    EXPECT_EQ(chart->WindowImage().pixel(4 + 250 - 2, 38), kGreen);
    EXPECT_TRUE(chart->windowTitle().startsWith("WITS StrativM Drilling Data. . .  " + DayPath(kToday) + ". . ."));
    EXPECT_EQ(Messages("Time Zone Info"), 0);
}

TEST_F(WitsChart, OffBottomAndNoDataBoxesAndTheTimeZoneMessageOncePerDay)
{
    WriteDay(kToday, Day(kToday, 6000, 1200.4f, 1199.9f));
    WriteDay(kToday.addDays(-1), Day(kToday.addDays(-1), 6000, 0, 0));
    auto chart = Open();
    EXPECT_EQ(chart->StatusText().left(12), "OFF BOTTOM  ");
    EXPECT_EQ(chart->WindowImage().pixel(6, 22), kRed);

    chart->CmPrevDay();
    EXPECT_EQ(chart->StatusText().left(8), "NO DATA ");
    EXPECT_EQ(chart->WindowImage().pixel(6, 22), kYellow);
    EXPECT_EQ(Messages("Time Zone Info"), 1);
    chart->Refresh();  // what each repaint runs
    chart->Refresh();
    chart->UpdateLive(chart->Samples(), 100, false);
    EXPECT_EQ(Messages("Time Zone Info"), 1);
    EXPECT_EQ(doubles().queue.DeliverAll(), 0);
}

TEST_F(WitsChart, TheTimeZoneMessageWaitsForTheEndOfAPaint)
{
    std::vector<wellfile::WITSRECORD> day = Day(kToday, 6000, 1200, 1200);
    for (std::size_t i = 5200; i < day.size(); ++i)
        day[i].holeDepth = day[i].bitDepth = 0;
    WriteDay(kToday, day);
    auto chart = Open();
    ASSERT_EQ(chart->StatusText().left(12), "ON  BOTTOM  ");

    // Forty minutes on, "now" lies more than 100 samples past the last depth: a repaint finds no data.
    doubles().clock.now = doubles().clock.now.addSecs(40 * 60);
    chart->Refresh();
    EXPECT_EQ(chart->StatusText().left(8), "NO DATA ");
    EXPECT_EQ(Messages("Time Zone Info"), 0);
    EXPECT_EQ(doubles().queue.DeliverAll(), 1);
    EXPECT_EQ(Messages("Time Zone Info"), 1);
    chart->Refresh();
    EXPECT_EQ(doubles().queue.DeliverAll(), 0);
    EXPECT_EQ(Messages("Time Zone Info"), 1);
}

TEST_F(WitsChart, DaysStepWithTheClocksYearAndMissingDaysStayStepped)
{
    struct Case {
        QDate clock, from;
        ChartDay next;
    } cases[] = {
        {QDate(2028, 3, 10), QDate(2028, 2, 28), {2028, 2, 29}},
        {QDate(2026, 3, 10), QDate(2026, 2, 28), {2026, 3, 1}},
        {QDate(2027, 1, 5), QDate(2026, 12, 31), {2027, 1, 1}},
    };
    for (const Case& c : cases) {
        doubles().clock.now = QDateTime(c.clock, QTime(8, 30));
        doubles().prompter.messages.clear();
        WriteDay(c.clock, Day(c.clock, 100, 1200, 1200));
        WriteDay(c.from, Day(c.from, 100, 1200, 1200));
        auto chart = Open();
        doubles().prompter.fileAnswers.push_back(DayPath(c.from));
        chart->CmBrowse();
        ASSERT_EQ(chart->ShownDay(), (ChartDay{c.from.year(), c.from.month(), c.from.day()}));
        EXPECT_TRUE(chart->IsEnabled(kNextDayButton));
        chart->CmNextDay();
        EXPECT_EQ(chart->ShownDay(), c.next);
        const QString missing = DayPath(QDate(c.next.year, c.next.month, c.next.day));
        ASSERT_EQ(Messages("File not found next"), 1);
        EXPECT_EQ(doubles().prompter.messages.back().text, missing);
    }

    // From yesterday, "Next Day" reaches today and is disabled there.
    doubles().clock.now = QDateTime(kToday, QTime(8, 30));
    WriteDay(kToday, Day(kToday, 100, 1200, 1200));
    auto chart = Open();
    chart->CmPrevDay();
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 14}));
    EXPECT_EQ(Messages("Wits File not found prev"), 1);
    EXPECT_TRUE(chart->IsEnabled(kNextDayButton));
    chart->CmNextDay();
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 15}));
    EXPECT_FALSE(chart->IsEnabled(kNextDayButton));
}

TEST_F(WitsChart, GoToFindsADepthTodayOrOnAnEarlierDay)
{
    std::vector<wellfile::WITSRECORD> today = Day(kToday, 6000, 0, 0);
    for (int i = 0; i < 6000; ++i)
        today[std::size_t(i)].holeDepth = today[std::size_t(i)].bitDepth = 1200.0f + float(i) / 100.0f;  // 1200..1259
    WriteDay(kToday, today);
    std::vector<wellfile::WITSRECORD> yesterday = Day(kToday.addDays(-1), 6000, 0, 0);
    for (int i = 0; i < 6000; ++i)
        yesterday[std::size_t(i)].holeDepth = 1100.0f + float(i) / 100.0f;  // 1100..1159
    WriteDay(kToday.addDays(-1), yesterday);
    auto chart = Open();

    auto& prompter = doubles().prompter;
    prompter.inputAnswers = {QString("1009"), QString("1230")};
    chart->CmGoTo();
    EXPECT_EQ(Messages("ERROR"), 1);
    EXPECT_EQ(prompter.messages.front().text, "Depth Out Of Range");
    EXPECT_EQ(chart->ViewIndex(), 3000);
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 15}));

    prompter.inputAnswers = {QString("1130")};
    chart->CmGoTo();
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 14}));
    EXPECT_EQ(chart->FilePath(), DayPath(kToday.addDays(-1)));
    EXPECT_EQ(chart->ViewIndex(), 2800 - 100);  // the first sample at 1128 or deeper, less 100
    EXPECT_EQ(chart->Samples()[100].holeDepth, yesterday[100].holeDepth);
    EXPECT_TRUE(chart->IsEnabled(kNextDayButton));

    prompter.inputAnswers = {QString("1050")};
    chart->CmGoTo();
    EXPECT_EQ(Messages("File not found in search"), 1);
    EXPECT_EQ(prompter.messages.back().text, DayPath(kToday.addDays(-2)));
    prompter.inputAnswers = {std::nullopt};
    chart->CmGoTo();  // cancelled
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 14}));
}

TEST_F(WitsChart, BrowseTakesTheDayFromTheFileNameAndViewingStationsCannotBrowse)
{
    WriteDay(kToday, Day(kToday, 100, 1200, 1200));
    WriteDay(QDate(2026, 1, 14), Day(QDate(2026, 1, 14), 100, 1100, 1100));
    auto chart = Open();
    doubles().prompter.fileAnswers.push_back(DayPath(QDate(2026, 1, 14)));
    chart->CmBrowse();
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "StrativM Wits Files (*.WIT)|*.wit|");
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 14}));
    EXPECT_EQ(chart->Samples().size(), 100u);
    EXPECT_FLOAT_EQ(chart->Samples()[0].holeDepth, 1100);

    log.witsChart.viewingStation[1] = true;
    auto viewing = Open();
    EXPECT_TRUE(viewing->Control(kBrowseButton)->isHidden());
    EXPECT_TRUE(viewing->Control(kPrintButton)->isHidden());
    EXPECT_TRUE(viewing->Control(kGoToButton)->isHidden());
    EXPECT_FALSE(viewing->windowTitle().contains(DayPath(kToday)));
    viewing->CmBrowse();
    EXPECT_EQ(Messages("File Error"), 1);
    EXPECT_EQ(doubles().prompter.messages.back().text, "No wits files available");
    EXPECT_EQ(doubles().prompter.fileRequests.size(), 1);
}

TEST_F(WitsChart, TheDataTableListsTheSamplesAndTheTimerKeepsItOnToday)
{
    std::vector<wellfile::WITSRECORD> day = Day(kToday, 40, 1200.5f, 1199.25f);
    day[0].hour = 8, day[0].minute = 30, day[0].second = 6;
    day[0].rop = 12.5f, day[0].pumpPressure = 3000, day[0].spm1 = 60, day[0].spm2 = 61, day[0].torque = 500;
    day[0].flow = 400, day[0].pitVolume = 250.7f;
    WriteDay(kToday, day);
    auto chart = Open();
    chart->CmViewData();
    EXPECT_FALSE(chart->TableHidden());
    EXPECT_EQ(chart->GetText(kDataHeader),
              "  TIME    DATE     DEPTH   BIT DEPTH   ROP   WOB   RPM    PP   SPM1  SPM2  SPM3  TORQUE   FLOW PIT VOL    ");
    ASSERT_EQ(chart->GetCount(kDataList), 39);
    EXPECT_EQ(chart->GetString(kDataList, 0),
              "08:30:06 1-15-26 1200.50   1199.25    12.50   20    120   3000  60    61    0      500     400   250  ");
    EXPECT_EQ(chart->GetText(kViewDataButton), "Hide");
    EXPECT_TRUE(chart->ScrollBar()->isHidden());

    // While shown, each refresh reloads the shown day's file; every fifth goes back to today.
    WriteDay(kToday.addDays(-1), Day(kToday.addDays(-1), 70, 1100, 1100));
    chart->CmPrevDay();
    ASSERT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 14}));
    const int before = chart->ShownDay().day;
    for (int tick = 0; tick < 20 && chart->ShownDay().day == before; ++tick)
        chart->UpdateLive(chart->Samples(), 10, false);
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 15}));
    EXPECT_EQ(chart->Samples().size(), 40u);

    chart->CmViewData();
    EXPECT_TRUE(chart->TableHidden());
    EXPECT_EQ(chart->GetText(kViewDataButton), "View Data");
    EXPECT_FALSE(chart->ScrollBar()->isHidden());
}

TEST_F(WitsChart, TimerSixActsOnlyForDrillingOpenFilesOrSomeProfiles)
{
    WriteDay(kToday, Day(kToday, 50, 1200, 1200));
    auto chart = Open();
    platform::WindowTimers* timers = chart->Timers();
    auto fire = [&] { static_cast<testing_support::FakeTimers*>(timers)->Fire(kChartTimer); };
    fire();
    EXPECT_FALSE(log.well.watches.wits.kept.isValid());  // nothing looked at

    log.well.loggerId = 25;
    fire();
    ASSERT_TRUE(log.well.watches.wits.kept.isValid());
    // Today's file written again: its newest sample reaches the read-outs.
    std::vector<wellfile::WITSRECORD> more = Day(kToday, 60, 1201, 1201);
    more[59].wob = 77;
    WriteDay(kToday, more);
    {
        QFile f(DayPath(kToday));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(log.well.watches.wits.kept.addSecs(6), QFileDevice::FileModificationTime);
    }
    doubles().clock.now = QDateTime(kToday, QTime(0, 6));  // the live refresh reads up to now
    fire();
    EXPECT_EQ(chart->GetText(kWobEdit), "77");

    // A new day of the month: "Current View" takes the new day's file.
    log.well.loggerId = 0;
    log.well.file.drilling = true;
    log.well.timeZoneAdjust = -3;
    doubles().clock.now = QDateTime(kToday.addDays(1), QTime(0, 5));
    WriteDay(kToday.addDays(1), Day(kToday.addDays(1), 80, 1300, 1300));
    fire();
    EXPECT_EQ(chart->ShownDay(), (ChartDay{2026, 1, 16}));
    EXPECT_EQ(chart->Samples().size(), 80u);
    EXPECT_EQ(chart->ViewIndex(), 0);
    EXPECT_EQ(log.well.timeZoneAdjust, 0);  // forced while drilling
}

TEST_F(WitsChart, LagMinShowsTheLagTimeInForceWhileDrillingElseTheWells)
{
    WriteDay(kToday, Day(kToday, 6000, 1200, 1200));
    log.well.file.lagTime = 12.5f;
    auto chart = Open();
    EXPECT_EQ(Readout(*chart, kLagMinEdit), "12.5");

    drilling::DrillingHost facts(log);
    drilling::Driller driller(facts, WitsAlarmHost{});
    driller.SetTime(std::make_unique<drilling::LogTime>(driller, 37.5f));  // the lag command changed it
    log.engines.driller = &driller;
    chart->UpdateLive(chart->Samples(), chart->ViewIndex(), true);
    EXPECT_EQ(Readout(*chart, kLagMinEdit), "12.5") << "drilling mode is off";
    log.well.file.drilling = true;
    chart->UpdateLive(chart->Samples(), chart->ViewIndex(), true);
    EXPECT_EQ(Readout(*chart, kLagMinEdit), "37.5");
    log.engines.driller = nullptr;
}

TEST_F(WitsChart, ScrollingCopiesTheImageFromTheNewViewIndex)
{
    WriteDay(kToday, Day(kToday, 14400, 1200, 1200));
    auto chart = Open();
    ASSERT_NE(chart->ScrollBar(), nullptr);
    const int r = 10;
    EXPECT_EQ(chart->ScrollBar()->geometry(),
              QRect(ScrollBarLeft(chart->ImageWidth(), 900, r), kChartBandHeight, ChartScrollBarWidth(r),
                    ChartViewHeight(600)));
    chart->EvVScroll(app::SB_PAGEDOWN, 0);
    EXPECT_EQ(chart->ViewIndex(), 5250);
    EXPECT_EQ(chart->ScrollBar()->value(), 5250);
    const QImage& image = chart->ChartImage();
    const QImage& window = chart->WindowImage();
    for (int k : {0, 37, 200}) {
        bool same = true;
        for (int x = 0; x < chart->ImageWidth(); ++x)
            same = same && window.pixel(x, kChartBandHeight + k) == image.pixel(x, 5250 + k);
        EXPECT_TRUE(same) << "view row " << k;
    }
    chart->EvVScroll(app::SB_BOTTOM, 0);
    EXPECT_EQ(chart->ViewIndex(), 14400 - ChartViewHeight(600));  // 14,400 - 300, held to the count - the view height
    chart->resize(900, 500);
    EXPECT_EQ(chart->ScrollBar()->height(), ChartViewHeight(500));
}

TEST_F(WitsChart, TheSettingsDialogKeepsWhatDoneApplies)
{
    WriteDay(kToday, Day(kToday, 100, 1200, 1200));
    auto chart = Open();
    const int width = chart->ImageWidth();
    const QString wfg = TestDir() + "ALPHA.wfg";
    QFile::remove(wfg + ".before");
    QFile::copy(wfg, wfg + ".before");

    // Right click outside every chart: chart 1. "SAVE" with a long label; Escape applies nothing.
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetSelIndex(kCfgChartList), 0);
        EXPECT_EQ(d.GetText(kCfgLabel), "WOB");
        d.SetText(kCfgLabel, "ABCDEFGHIJKLMNOPQRSTUVWXY");
        d.Click(kCfgSave);
    });
    chart->EvRButtonDown(5);
    EXPECT_STREQ(chart->Blocks()[0].label[0], "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(chart->ImageWidth(), width);
    QFile a(wfg), b(wfg + ".before");
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // "DONE" with chart 1 of 30 blocks of 10.
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(kCfgBlockCount, "30");
        d.Click(kCfgSave);
        d.Click(platform::IDOK);
    });
    chart->EvRButtonDown(5);
    EXPECT_EQ(chart->ImageWidth(), width + 100);
    EXPECT_EQ(chart->ChartImage().width(), width + 100);
    WITSCHARTCFG record{};
    ASSERT_TRUE(ReadConfig(wfg, record));
    EXPECT_EQ(record.chart[0].blockCount, 30);
    EXPECT_STREQ(record.chart[0].label[0], "ABCDEFGHIJKLMNOPQRS");
    EXPECT_TRUE(log.witsChart.settingsKept);
}

TEST_F(WitsChart, PrintsOnePageStretchedFromTheViewIndex)
{
    std::vector<wellfile::WITSRECORD> day = Day(kToday, 14400, 1200, 1200);
    for (std::size_t i = 0; i < day.size(); ++i)
        day[i].wob = std::uint16_t(i / 40 % 100);  // a red curve wandering across chart 1
    WriteDay(kToday, day);
    auto chart = Open();
    const QString pdf = TestDir() + "printed.pdf";
    doubles().printers.defaultPrinter =
        testing_support::TestPrinter("Wide", "FILE:", 100, QSizeF(3 * chart->ImageWidth() / 100.0 + 1, 32));
    chart->CmPrint();
    ASSERT_EQ(testing_support::PdfPageCount(pdf), 1);
    const QImage& image = chart->ChartImage();
    const QImage page = testing_support::RasterisePdf(pdf, 100);
    ASSERT_FALSE(page.isNull());
    const int v = chart->ViewIndex();
    int checked = 0;
    for (int k = 40; k < 2000 && checked < 20; k += 97) {
        for (int x = 11; x < 209; ++x) {
            if (image.pixel(x, v + k) != kRed)
                continue;
            bool near = false;
            const int px = 10 + 3 * x, py = 10 + (3 * k) / 2;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    near = near || IsRed(page.pixel(px + dx, py + dy));
            EXPECT_TRUE(near) << "row " << k << " column " << x;
            ++checked;
            break;
        }
    }
    EXPECT_GT(checked, 5);

    doubles().printers.defaultPrinter = std::nullopt;
    auto other = Open();
    other->CmPrint();
    EXPECT_EQ(Messages("Printer Error"), 1);
    EXPECT_EQ(doubles().prompter.messages.back().text, " Error Communicating With Printer");
}

TEST(WitsChartWindow, AFileOpenedLetsTimerSixFollowTodaysFile)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, [](const QString&) {
                     return testing_support::MakeWell(TestDir() + "wells/", "BRAVO.svm", 1000, 1100);
                 }).isEmpty());
    app::LogState& s = window.State();
    EXPECT_TRUE(s.witsChart.settingsKept);
    const QString today = DailyWitsFileName(s.env.witsFolder, "BRAVO", kToday);
    QDir().mkpath(s.env.witsFolder);
    std::vector<wellfile::WITSRECORD> day = Day(kToday, 100, 1050, 1050);
    WriteDailyRecords(today, kToday, day.data(), int(day.size()));
    s.well.loggerId = 0;  // no profile of its own lets the timer act
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
    auto* chart = static_cast<WitsChartDlg*>(window.Tools().witsChart.data());
    ASSERT_NE(chart, nullptr);
    static_cast<testing_support::FakeTimers*>(chart->Timers())->Fire(kChartTimer);
    EXPECT_TRUE(s.well.watches.wits.kept.isValid()) << "today's file looked at";
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
}

TEST(WitsChartWindow, TheCommandOpensAndClosesItWhereTheSettingsFileSays)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.resize(1200, 900);
    app::LogState& s = window.State();
    s.well.file.dataFolder = TestDir();
    s.well.file.wellName = "ALPHA";
    s.env.witsFolder = TestDir() + "wits/";
    QDir().mkpath(s.env.witsFolder);
    WriteDay(kToday, Day(kToday, 100, 1200, 1200));
    const QString wfg = TestDir() + "ALPHA.wfg";

    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
    QPointer<QWidget> chart = window.Tools().witsChart;
    ASSERT_TRUE(chart);
    EXPECT_TRUE(window.Menu().Find(app::cmd::WitsChart)->checked);
    const QPoint client = window.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(chart->geometry(), QRect(client.x() + 20, client.y() + 900 - 450, 850, 400));

    chart->setGeometry(100, 150, 700, 350);
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
    EXPECT_FALSE(chart);
    EXPECT_FALSE(window.Tools().witsChart);
    EXPECT_FALSE(window.Menu().Find(app::cmd::WitsChart)->checked);
    WITSCHARTCFG record{};
    ASSERT_TRUE(ReadConfig(wfg, record));
    EXPECT_EQ(QRect(record.windowLeft, record.windowTop, record.windowWidth, record.windowHeight).size(),
              QSize(700, 350));

    // Reopened where it was; a well opened next closes it the same way.
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
    chart = window.Tools().witsChart;
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->size(), QSize(700, 350));
    window.WellServices().window->CloseToolWindows(s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(chart);
    EXPECT_FALSE(window.Menu().Find(app::cmd::WitsChart)->checked);

    // A rectangle below the screen is moved up; one of no size places it as if there were no file.
    record.windowTop = 100000;
    WriteConfig(wfg, record);
    EXPECT_EQ(WitsChartDlg::Placement(s, QRect(0, 0, 1200, 900), 1080), QRect(record.windowLeft, 1080 - 350, 700, 350));
    record.windowHeight = 0;
    WriteConfig(wfg, record);
    EXPECT_EQ(WitsChartDlg::Placement(s, QRect(0, 0, 1200, 900), 1080), QRect(20, 450, 850, 400));
}

}  // namespace

TEST(WitsChartWindow, TheBandsControlsStandWholeAndApartAboveTheScales)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, [](const QString&) {
                     return testing_support::MakeWell(TestDir() + "wells/", "BRAVO.svm", 1000, 1100);
                 }).isEmpty());
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
    QWidget* chart = window.Tools().witsChart;
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->size(), QSize(850, 400));  // where no settings file places it
    QList<QWidget*> controls;
    for (QWidget* w : chart->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible() && !qobject_cast<QScrollBar*>(w))
            controls << w;
    ASSERT_EQ(controls.size(), 1 + 6 + 2 * 14);  // the box's place, the buttons, the read-outs
    for (QWidget* w : controls) {
        const QString name = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text() : w->metaObject()->className();
        EXPECT_LE(w->geometry().bottom(), kChartBandHeight - kChartScaleHeight) << name.toStdString();
        EXPECT_LE(w->geometry().right(), chart->width()) << name.toStdString();
        if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << name.toStdString();
        }
        for (QWidget* other : controls)
            EXPECT_TRUE(w == other || !w->geometry().intersects(other->geometry())) << name.toStdString();
    }
    ASSERT_TRUE(window.EvCommand(app::cmd::WitsChart));
}
