// The DST report dialog and the reports saved as text through the main window: the DST command makes,
// saves, deletes and prints tests (on the locale's cut sheet), every close leaves the send copy, a DST
// mark opens its test, the text command adds the new test once and SAVE AS TEXT the shown test.
#include "app/logstate.h"
#include "reports/ui/dstdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

using platform::Dialog;
using reports::DstDlg;
using testing_support::doubles;
using testing_support::ReadBytes;

TEST(DstReportWindow, DstCommandSavesDeletesPrintsAndLeavesTheSendCopy)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const wellfile::OpenWell& f = s.well.file;
    const QString dst = f.currentFolder + f.wellName + ".dst";
    const QString send = f.dataFolder + "sendfile/" + f.wellName + ".dst";
    // A well with no test and no daily report yet.
    QFile::remove(dst);
    QFile::remove(f.currentFolder + f.wellName + ".rpt");
    QFile::remove(send);
    auto pdfPrinter = platform::PdfPrinterDescription();
    pdfPrinter.dpi = 300;
    doubles().printers.defaultPrinter = pdfPrinter;
    const testing_support::LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));

    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<DstDlg&>(dialog);
        EXPECT_EQ(d.GetText(DstDlg::IDC_NUMBER), "1");
        d.SetText(DstDlg::IDC_FROM, "1500");
        d.Click(DstDlg::IDC_SAVE);
        EXPECT_EQ(ReadBytes(dst).size(), 1688);
        EXPECT_FALSE(QFile::exists(send));  // a created file is not sent yet
        d.SetText(121, "THIRD LINE");
        d.Click(DstDlg::IDC_SAVE);
        EXPECT_EQ(ReadBytes(dst).size(), 1688);
        EXPECT_EQ(ReadBytes(send), ReadBytes(dst));
        d.Click(DstDlg::IDC_NEW);
        EXPECT_EQ(d.GetText(DstDlg::IDC_NUMBER), "2");
        d.SetText(DstDlg::IDC_FROM, "1600");
        d.Click(DstDlg::IDC_SAVE);
        EXPECT_EQ(ReadBytes(dst).size(), 2 * 1688);
        // DELETE of an unsaved new test drops it and keeps the saved ones.
        d.Click(DstDlg::IDC_NEW);
        d.Click(DstDlg::IDC_DELETE);
        EXPECT_EQ(ReadBytes(dst).size(), 2 * 1688);
        EXPECT_EQ(d.GetText(DstDlg::IDC_NUMBER), "2");
        d.Click(DstDlg::IDC_NEXT);  // the last: a beep
        d.Click(DstDlg::IDC_PRINT);
        d.Click(platform::IDOK);
    });
    window.EvCommand(51688);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_EQ(ReadBytes(send), ReadBytes(dst));
    EXPECT_EQ(s.well.dstDepthIndex[0], 1500);
    EXPECT_EQ(s.well.dstDepthIndex[1], 1600);
    const QString pdf = f.dataFolder + f.wellName + "-DST_No2@1600.pdf";
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(testing_support::PdfText(pdf).contains("DST REPORT"));
    EXPECT_EQ(testing_support::PdfPageSize(pdf), QSizeF(612, 792));  // US Letter

    // A DST mark opens its test; deleting the only test left keeps its texts for SAVE.
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<DstDlg&>(dialog);
        EXPECT_EQ(d.Current(), 0);
        EXPECT_EQ(d.GetText(121), "THIRD LINE");
        d.Click(DstDlg::IDC_DELETE);
        EXPECT_EQ(d.GetText(DstDlg::IDC_NUMBER), "2");
        d.Click(DstDlg::IDC_DELETE);
        EXPECT_EQ(ReadBytes(dst).size(), 0);
        EXPECT_EQ(d.GetText(DstDlg::IDC_FROM), "1600");
        d.Click(DstDlg::IDC_SAVE);
        EXPECT_EQ(ReadBytes(dst).size(), 1688);
        // Left by Escape: the send copy all the same.
    });
    window.Neighbours().reports->OpenDstReport(s, 1, f.wellName);
    EXPECT_EQ(ReadBytes(send), ReadBytes(dst));

    // The text command adds the test once and the window's settings record keeps the counter.
    s.well.config.lastDstReportText = 0;
    window.EvCommand(51691);
    const QString txt = f.currentFolder + f.wellName + ".txt";
    EXPECT_EQ(ReadBytes(txt).count("DST NO.: 2"), 1);
    EXPECT_EQ(s.well.config.lastDstReportText, 2);
    // Again: the demo well has no daily report to start the file anew, and the test is not added twice.
    window.EvCommand(51691);
    EXPECT_EQ(ReadBytes(txt).count("DST NO.: 2"), 1);
    EXPECT_EQ(doubles().prompter.messages.back().text, "No report file found");

    // SAVE AS TEXT adds the shown test as it stands in the fields; a write that fails keeps the old text.
    const QByteArray text = ReadBytes(txt);
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetText(DstDlg::IDC_FORMATION, "Lower Sand");
        {
            testing_support::FileSizeLimit limit(text.size() + 10);
            d.Click(DstDlg::IDC_SAVE_AS_TEXT);
        }
        EXPECT_EQ(doubles().prompter.messages.back().text, "Unable to open file");
        EXPECT_EQ(ReadBytes(txt), text);
        d.Click(DstDlg::IDC_SAVE_AS_TEXT);
        EXPECT_EQ(doubles().prompter.messages.back().text, "\"" + txt + "\" written");
        d.Click(platform::IDOK);
    });
    window.EvCommand(51688);
    EXPECT_TRUE(ReadBytes(txt).startsWith(text));
    EXPECT_EQ(ReadBytes(txt).count(" Formation:  Lower Sand\r\n\r"), 1);
}

TEST(DstReportWindow, TheDemoWellsTestOpensInTheDialog)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.GetText(DstDlg::IDC_NUMBER), "1");
        EXPECT_EQ(d.GetText(DstDlg::IDC_FORMATION), "Main Sand");
        const int from = d.GetText(DstDlg::IDC_FROM).toInt(), to = d.GetText(DstDlg::IDC_TO).toInt();
        EXPECT_TRUE(1900 <= from && from < to && to < 2080) << from << " " << to;  // within the Main Sand
    });
    window.EvCommand(51688);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}
