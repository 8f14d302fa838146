// The short report dialog through the main window: the short report command and a right click on a
// report's box, with the well's ".qpt", ".rpt", ".hxt" and data file on disk.
#include "app/commandids.h"
#include "entry/memofiles.h"
#include "logview/geometryof.h"
#include "reports/shortreports.h"
#include "reports/ui/qreportdlg.h"
#include "reports/ui/reportdlgex.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using wellfile::QREPORT;
using reports::QREPORTDLG;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

QREPORT Report(std::int32_t depth, const char* wob)
{
    QREPORT r;
    r.depth = depth;
    std::strcpy(r.wob, wob);
    r.slotsConverted = 1;
    return r;
}

class ShortReportDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(testing_support::OpenNewWell(window, "W1.svm", 1000, 2600).isEmpty());
        S().well.file.viewTopDepth = 1100;
    }
    app::LogState& S() { return window.State(); }
    QString Qpt() { return reports::ShortReportFilePath(S().well.file.currentFolder, "W1"); }
    // Runs the short report command with `script` driving the dialog.
    void Run(std::function<void(QREPORTDLG&)> script)
    {
        platform::Dialog::QueueTestScript([script](platform::Dialog& d) { script(dynamic_cast<QREPORTDLG&>(d)); });
        window.EvCommand(app::cmd::ShortReport);
        EXPECT_EQ(platform::Dialog::PendingTestScripts(), 0);
    }
    QStringList Messages()
    {
        QStringList m;
        for (const auto& a : doubles().prompter.messages)
            m << a.text + "|" + a.caption;
        doubles().prompter.messages.clear();
        return m;
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(ShortReportDialog, BrowsesSavesSortedAndAddsReportsWithTheirMudWeights)
{
    // 1,300 bytes: two reports and a torn tail.
    testing_support::WriteRecords(Qpt(), std::vector<QREPORT>{Report(1200, "10"), Report(1600, "16")},
                                  QByteArray(276, '\x7f'));
    Run([&](QREPORTDLG& d) {
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1200");  // the first at or below the view's top
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_NUMBER), "1");
        EXPECT_FALSE(d.IsEnabled(QREPORTDLG::IDC_DEPTH));
        d.CmNext(false);
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_WOB), "16");
        d.CmNext(true);  // the last: a beep
        EXPECT_EQ(doubles().sounder.beeps, 1);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(ReadBytes(Qpt()).size(), 1024);

    Run([&](QREPORTDLG& d) {
        d.Click(QREPORTDLG::IDC_NEW);  // on 1200
        EXPECT_TRUE(d.IsEnabled(QREPORTDLG::IDC_DEPTH));
        EXPECT_FALSE(d.IsEnabled(QREPORTDLG::IDC_PREV));
        d.SetText(QREPORTDLG::IDC_DEPTH, "1400");
        d.Click(platform::IDOK);
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1400");  // the new one, shown as the second
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_NUMBER), "2");

        d.Click(QREPORTDLG::IDC_NEW);  // on 1400
        d.SetText(QREPORTDLG::IDC_DEPTH, "1049");
        d.Click(platform::IDOK);
        EXPECT_EQ(Messages(), QStringList{"Depth out of range|Report ERROR"});
        EXPECT_EQ(ReadBytes(Qpt()).size(), 3 * 512);
        d.SetText(QREPORTDLG::IDC_DEPTH, "1500");
        d.SetText(QREPORTDLG::IDC_WT_OUT, "12.5ppg");
        d.SetText(QREPORTDLG::IDC_WT_IN, "10");
        d.SetText(QREPORTDLG::IDC_PH, "0123456789");  // nine characters kept
        d.Click(platform::IDOK);
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1500");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_NUMBER), "3");
        EXPECT_TRUE(d.IsEnabled(QREPORTDLG::IDC_PREV));
    });
    const auto file = testing_support::FileRecords<QREPORT>(Qpt());
    ASSERT_EQ(file.size(), 4u);
    const std::int32_t depths[] = {1200, 1400, 1500, 1600};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(+file[std::size_t(i)].depth, depths[i]);
        EXPECT_EQ(+file[std::size_t(i)].number, i + 1);
    }
    EXPECT_STREQ(file[2].ph, "012345678");
    EXPECT_EQ(S().shortReports.reports.size(), 4u);  // the window's copy read again
    const QByteArray data = ReadBytes(S().well.file.dataFileName);
    EXPECT_EQ(testing_support::At<float>(data, 500 * 616 + 348), 12.5f);
    EXPECT_EQ(testing_support::At<float>(data, 500 * 616 + 344), 10.f);
}

TEST_F(ShortReportDialog, BacksUpDeletesAndKeepsTheFileWholeWhenItCannotBeWritten)
{
    std::vector<QREPORT> six;
    for (int i = 0; i < 6; ++i)
        six.push_back(Report(1200 + 100 * i, "w"));
    reports::SortShortReports(six);
    testing_support::WriteRecords(Qpt(), six);
    const QByteArray before = ReadBytes(Qpt());
    Run([&](QREPORTDLG& d) {
        EXPECT_EQ(ReadBytes(S().well.file.currentFolder + "backup/W1.qpt"), before);
        doubles().prompter.answers = {platform::IDOK};
        d.Click(QREPORTDLG::IDC_DELETE);  // the first: the others move down
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1300");
        EXPECT_EQ(ReadBytes(Qpt()), before);
        Messages();
        {
            testing_support::FileSizeLimit limit(1000);
            d.Click(platform::IDOK);
        }
        EXPECT_EQ(Messages(), QStringList{"File Open Error|Short Report"});
        EXPECT_EQ(ReadBytes(Qpt()), before);
        d.Click(platform::IDOK);
    });
    const auto file = testing_support::FileRecords<QREPORT>(Qpt());
    ASSERT_EQ(file.size(), 5u);
    EXPECT_EQ(+file[0].depth, 1300);

    // The only report deleted: the file goes at once and the dialog closes.
    testing_support::WriteRecords(Qpt(), std::vector<QREPORT>{Report(1500, "x")});
    Run([&](QREPORTDLG& d) {
        doubles().prompter.answers = {platform::IDOK};
        d.Click(QREPORTDLG::IDC_DELETE);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(QFileInfo::exists(Qpt()));
    EXPECT_TRUE(S().shortReports.reports.empty());
}

TEST_F(ShortReportDialog, AWellWithoutShortReportsStartsFromTheNewestDailyReport)
{
    Run([&](QREPORTDLG& d) {
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1120");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_NUMBER), "1");
        EXPECT_FALSE(d.IsEnabled(QREPORTDLG::IDC_NEW));
    });
    EXPECT_EQ(Messages(), QStringList{"No morning report file found|"});

    std::vector<wellfile::REPORTEX> daily(2);
    daily[1].depth = 2450.7f;
    std::strcpy(daily[1].weightOnBit, "22-25");
    daily[1].rpm = 110;
    daily[1].pumpPressure = 2800;
    daily[1].spm = 95;
    std::strcpy(daily[1].mudWeight, "10.2");
    std::strcpy(daily[1].viscosity, "45");
    std::strcpy(daily[1].filterCake, "2/32");
    testing_support::WriteRecords(S().well.file.currentFolder + "W1.rpt", daily);
    Run([&](QREPORTDLG& d) {
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "2450");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_WOB), "22-25");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_RPM), "110");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_PP), "2800");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_SPM), "95");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_WT_OUT), "10.2");
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_FIL_CK), "2/32");
        EXPECT_EQ(d.GetCheck(QREPORTDLG::IDC_MECH_AND_MUD), platform::BST_CHECKED);
        EXPECT_TRUE(d.IsEnabled(QREPORTDLG::IDC_DEPTH));
        // Positions typed in today's slots: the window's load never remaps them.
        d.SetText(QREPORTDLG::IDC_MECH_POSITION, "9");
        d.SetText(QREPORTDLG::IDC_MUD_POSITION, "12");
        d.Click(platform::IDOK);
        EXPECT_TRUE(d.IsEnabled(QREPORTDLG::IDC_NEW));
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_MECH_POSITION), "9");
    });
    const auto file = testing_support::FileRecords<QREPORT>(Qpt());
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(+file[0].depth, 2450);
    EXPECT_STREQ(file[0].vis, "45");
    EXPECT_EQ(+file[0].mechanicalSlot, 9);
    EXPECT_EQ(+file[0].mudSlot, 12);
    EXPECT_EQ(+S().shortReports.reports[0].mudSlot, 12);
}

// A right click on a report's box of the painted demo log opens the dialog on that report; its save
// sends the report to the horizontal view's notes of a deviated well, in the colours chosen.
TEST(ShortReportBox, ARightClickOpensItsReportWhoseSaveSendsNotesToTheHorizontalView)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const QString qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
    QREPORT r = Report(1080, "25");
    std::strcpy(r.rpm, "120");
    std::strcpy(r.pumpPressure, "2500");
    std::strcpy(r.spm, "90");
    std::strcpy(r.weightOut, "<10");
    r.mechanicalToHorz = r.mudToHorz = 1;
    testing_support::WriteRecords(qpt, std::vector<QREPORT>{Report(1060, "1"), r, Report(1090, "3")});
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
    s.well.file.viewTopDepth = 1040;
    window.PaintLog();
    QCoreApplication::processEvents();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int y = g.topMargin + (1075 - 1040) * g.rowHeight;
    s.shortReports.mechanical.Clear();
    s.shortReports.mechanical.Add({600, y, 700, y + 60}, {600, y, 700, y + 20});
    s.well.file.directional = true;
    const QString hxt = entry::HTextFilePath(s.well.file.currentFolder, s.well.file.wellName);
    QFile::remove(hxt);

    bool openView = false;
    s.notes.horizontalViewOpen = [&] { return openView; };
    doubles().prompter.colorAnswers = {platform::RGB(255, 128, 0)};
    doubles().prompter.messages.clear();
    int runs = 0;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        ++runs;
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_DEPTH), "1080");
        EXPECT_FALSE(d.Control(QREPORTDLG::IDC_MECH_TO_HORZ)->isVisible());
        EXPECT_EQ(d.GetCheck(QREPORTDLG::IDC_MECH_TO_HORZ), platform::BST_CHECKED);
        d.Click(QREPORTDLG::IDC_MECH_TEXT_COLOR);
        EXPECT_EQ(d.GetText(QREPORTDLG::IDC_MECH_TEXT_SHOWN), "RD=255  GN=128 BL=0");
        openView = true;
        d.Click(platform::IDOK);
        EXPECT_FALSE(QFileInfo::exists(hxt));
        openView = false;
        d.Click(platform::IDOK);
    });
    const int clientTop = window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0;
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(650, y + 30 + clientTop));
    EXPECT_EQ(runs, 1);
    const QStringList texts{doubles().prompter.messages.isEmpty() ? QString() : doubles().prompter.messages[0].text};
    EXPECT_EQ(texts, QStringList{"You must close the horizontal view to save reports to the Horizontal"});

    const auto notes = testing_support::FileRecords<wellfile::HTEXTEX>(hxt);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_STREQ(notes[0].text, "WOB 25\r\nRPM 120\r\nPP 2500\r\nSPM 90\r\n @ 1080");
    EXPECT_EQ(std::uint32_t(notes[0].textColour), platform::RGB(255, 128, 0));
    EXPECT_STREQ(notes[1].text, "MUDWT <10\r\n\r\n @ 1080");
    const auto file = testing_support::FileRecords<QREPORT>(qpt);
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(std::uint32_t(file[1].mechanicalText), platform::RGB(255, 128, 0));
}

// Short reports saved from the morning report are the window's at once and stay through a box's dialog;
// the only one, deleted from its box, leaves neither the file nor a box.
TEST(ShortReportBox, ReportsFromTheMorningReportStayAndTheOnlyOneDeletedGoes)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const QString qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
    ASSERT_TRUE(QFile::remove(qpt));
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
    std::vector<wellfile::REPORTEX> daily(2);
    daily[0].number = 1, daily[0].depth = 1100.f;
    daily[1].number = 2, daily[1].depth = 1140.f;
    testing_support::WriteRecords(s.well.file.currentFolder + s.well.file.wellName + ".rpt", daily);
    s.well.file.viewTopDepth = 1080;
    // "Save Short Report" of the last daily report and of the `saves` - 1 before it.
    const auto morning = [&](int saves) {
        platform::Dialog::QueueTestScript([&s, saves](platform::Dialog& d) {
            for (int k = 1; k <= saves; ++k) {
                d.Click(reports::ReportDlgEx::IDC_RPT_SHORT_REPORT);
                EXPECT_EQ(s.shortReports.reports.size(), std::size_t(k));
                d.Click(reports::ReportDlgEx::IDC_RPT_PREVIOUS);
            }
        });
        window.EvCommand(app::cmd::MorningReport);
    };
    const auto rightClick = [&](int box, std::function<void(QREPORTDLG&)> script) {
        window.PaintLog();
        QCoreApplication::processEvents();
        ASSERT_GT(s.shortReports.mechanical.count, box);
        const platform::RECT b = s.shortReports.mechanical.box[std::size_t(box)];
        platform::Dialog::QueueTestScript([script](platform::Dialog& d) { script(dynamic_cast<QREPORTDLG&>(d)); });
        const int top = window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0;
        QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(b.left + 5, b.top + 5 + top));
        EXPECT_EQ(platform::Dialog::PendingTestScripts(), 0);
    };

    morning(1);
    EXPECT_EQ(+testing_support::FileRecords<QREPORT>(qpt).at(0).slotsConverted, 1);
    rightClick(0, [](QREPORTDLG& d) {
        doubles().prompter.answers = {platform::IDOK};
        d.Click(QREPORTDLG::IDC_DELETE);
    });
    EXPECT_FALSE(QFileInfo::exists(qpt));
    window.PaintLog();
    EXPECT_EQ(s.shortReports.mechanical.count, 0);

    morning(2);
    rightClick(1, [](QREPORTDLG&) {});  // and CLOSE
    const auto file = testing_support::FileRecords<QREPORT>(qpt);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(+file[1].depth, 1100);  // appended after the 1140 one
    EXPECT_EQ(s.shortReports.reports.size(), 2u);
}
