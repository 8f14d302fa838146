// The report dialogs and the reports as text through the main window's commands and menu: each dialog,
// and the daily report's page opened from its mark, fits a 1,024 x 768 screen, the short report dialog leaves no slot numbers behind, and the text file is
// replaced whole or not at all.
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "platform/ui/dialog.h"
#include "reports/reportrecords.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/reportwindowservices.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/xsession.h"

#include <QAction>
#include <QMenuBar>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::ReadExistingBytes;

namespace {

class ReportDialogsWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }
    QString Path(const char* extension)
    {
        return window.State().well.file.currentFolder + window.State().well.file.wellName + extension;
    }
    LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(ReportDialogsWindow, EachReportDialogFitsA1024By768Screen)
{
    testing_support::WriteRecords(Path(".rpt"), std::vector<reports::REPORTEX>(1));
    testing_support::WriteRecords(Path(".sho"), std::vector<reports::SHOWREPORT>(1));
    // Morning, show, DST and short report.
    for (int command : {51687, 51693, 51688, 51937}) {
        QSize least, opened;
        Dialog::QueueTestScript([&](Dialog& d) {
            least = d.minimumSizeHint();
            opened = d.size();
        });
        window.EvCommand(command);
        ASSERT_EQ(Dialog::PendingTestScripts(), 0) << command;
        for (const QSize& size : {least, opened}) {  // with room for a frame and title bar
            EXPECT_LE(size.width(), 1000) << command;
            EXPECT_LE(size.height(), 730) << command;
        }
    }
    // The page of a report mark, the whole form and the buttons under it.
    window.Neighbours().reports->OpenDailyReport(window.State(), 1);
    const auto* services = dynamic_cast<reports::ReportWindowServices*>(window.Neighbours().reports);
    ASSERT_TRUE(services && services->OpenPreview());
    reports::ReportDlgEx& preview = *services->OpenPreview();
    for (const QSize& size : {preview.minimumSizeHint(), preview.size()}) {
        EXPECT_LE(size.width(), 1000);
        EXPECT_LE(size.height(), 730);
    }
    QWidget* page = preview.Control(1999);
    ASSERT_TRUE(page);
    page->grab();  // draws the page
    const int unit = preview.PageState().unit;
    EXPECT_GE(unit, 5);
    EXPECT_GE(page->height(), reports::kPreviewSheetHeight * unit);
    EXPECT_GE(page->width(), reports::kPreviewSheetWidth * unit);
}

TEST_F(ReportDialogsWindow, TheShortReportDialogLeavesNoSlotNumbersOnTheLog)
{
    window.PaintLog();
    const QImage before = window.BackingStore().copy();
    QImage during;
    Dialog::QueueTestScript([&](Dialog&) { during = window.BackingStore().copy(); });  // then closed
    window.EvCommand(51937);
    window.PaintLog();
    EXPECT_GT(testing_support::DifferentPixels(before, during), 0);  // the slot numbers, in red
    EXPECT_EQ(testing_support::DifferentPixels(before, window.BackingStore()), 0);
}

TEST_F(ReportDialogsWindow, ReportsAsTextFromTheOptionsMenuKeepTheOldTextWhenTheWriteFails)
{
    std::vector<reports::REPORTEX> daily(2);
    daily[1].depth = 2345;
    testing_support::WriteRecords(Path(".rpt"), daily);
    std::vector<reports::SHOWREPORT> shows(2);
    shows[0].number = 1;
    testing_support::WriteRecords(Path(".sho"), std::vector{shows[0]});
    const auto run = [this] {
        for (QAction* a : window.menuBar()->findChildren<QAction*>())
            if (a->data().toInt() == 51691 && a->isEnabled())
                return a->trigger();
        ADD_FAILURE() << "no menu item";
    };
    run();
    EXPECT_EQ(ReadExistingBytes(Path(".txt")).count(" SHOW NO.: 1\r\n\r"), 1);
    run();  // the morning report anew, the show not again
    const QByteArray text = ReadExistingBytes(Path(".txt"));
    EXPECT_TRUE(text.contains(" DEPTH:    2345 "));
    EXPECT_FALSE(text.contains("SHOW REPORT"));

    // A write that fails leaves the old text and the counter; the next one adds the new show.
    shows[1].number = 2;
    testing_support::WriteRecords(Path(".sho"), shows);
    {
        testing_support::FileSizeLimit limit(100);
        run();
    }
    EXPECT_EQ(testing_support::doubles().prompter.messages.back().text, "Unable to open file");
    EXPECT_EQ(ReadExistingBytes(Path(".txt")), text);
    run();
    EXPECT_EQ(ReadExistingBytes(Path(".txt")).count(" SHOW NO.: 2\r\n\r"), 1);
}
