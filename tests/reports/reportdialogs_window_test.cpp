// The report dialogs as their commands open them on the main window: each fits a 1,024 x 768 screen.
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "platform/ui/dialog.h"
#include "reports/reportrecords.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using platform::Dialog;

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
    for (int command : {51687, 51693, 51688}) {
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
