// The report dialogs as their commands open them on the main window: each fits a 1,024 x 768 screen.
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "platform/ui/dialog.h"
#include "reports/reportrecords.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/xsession.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>

#include <cstring>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

TEST(ReportDialogsWindow, EachReportDialogFitsA1024By768Screen)
{
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    const wellfile::OpenWell& f = window.State().well.file;
    reports::REPORTEX report;
    report.number = 1;
    report.depth = float(f.fileBottomDepth);
    testing_support::WriteRecords(f.currentFolder + f.wellName + ".rpt", std::vector{report});
    reports::SHOWREPORT show;
    std::strcpy(show.interval, " 1500 to  1510");
    testing_support::WriteRecords(f.currentFolder + f.wellName + ".sho", std::vector{show});
    // Morning report, show report, DST report.
    for (int command : {51687, 51693, 51688, 51937}) {
        QSize least, opened;
        Dialog::QueueTestScript([&](Dialog& d) {
            least = d.minimumSizeHint();
            opened = d.size();
        });
        window.EvCommand(command);
        ASSERT_EQ(Dialog::PendingTestScripts(), 0) << command;
        // With room for the window's frame and title bar.
        for (const QSize& size : {least, opened}) {
            EXPECT_LE(size.width(), 1000) << command;
            EXPECT_LE(size.height(), 730) << command;
        }
    }
}

TEST(ReportDialogsWindow, ReportsAsTextFromTheOptionsMenuKeepTheOldTextWhenTheWriteFails)
{
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const wellfile::OpenWell& f = s.well.file;
    std::vector<reports::REPORTEX> daily(2);
    daily[1].depth = 2345;
    testing_support::WriteRecords(f.currentFolder + f.wellName + ".rpt", daily);
    std::vector<reports::SHOWREPORT> shows(1);
    shows[0].number = 1;
    const QString sho = f.currentFolder + f.wellName + ".sho", txt = f.currentFolder + f.wellName + ".txt";
    testing_support::WriteRecords(sho, shows);
    const auto menuItem = [&window] {
        for (QAction* a : window.menuBar()->findChildren<QAction*>())
            if (a->data().toInt() == 51691 && a->isEnabled())
                return a;
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_TRUE(menuItem());
    menuItem()->trigger();
    QByteArray text = testing_support::ReadExistingBytes(txt);
    EXPECT_TRUE(text.contains(" DEPTH:    2345 "));
    EXPECT_EQ(text.count(" SHOW NO.: 1\r\n\r"), 1);
    menuItem()->trigger();  // the morning report anew, the show not again
    text = testing_support::ReadExistingBytes(txt);
    EXPECT_TRUE(text.contains(" DEPTH:    2345 "));
    EXPECT_FALSE(text.contains("SHOW REPORT"));

    // A write that fails leaves the old text and the counter; the next one adds the new show.
    shows.push_back(shows[0]);
    shows[1].number = 2;
    testing_support::WriteRecords(sho, shows);
    {
        testing_support::FileSizeLimit limit(100);
        menuItem()->trigger();
    }
    EXPECT_EQ(doubles().prompter.messages.back().text, "Unable to open file");
    EXPECT_EQ(testing_support::ReadExistingBytes(txt), text);
    menuItem()->trigger();
    EXPECT_EQ(testing_support::ReadExistingBytes(txt).count(" SHOW NO.: 2\r\n\r"), 1);
}

TEST(ReportDialogsWindow, TheShortReportDialogLeavesNoSlotNumbersOnTheLog)
{
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    window.PaintLog();
    const QImage before = window.BackingStore().copy();
    QImage during;
    Dialog::QueueTestScript([&](Dialog&) { during = window.BackingStore().copy(); });  // then closed
    window.EvCommand(51937);
    window.PaintLog();
    EXPECT_GT(testing_support::DifferentPixels(before, during), 0);  // the slot numbers, in red
    EXPECT_EQ(testing_support::DifferentPixels(before, window.BackingStore()), 0);
}
