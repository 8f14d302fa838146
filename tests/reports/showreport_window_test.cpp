// The show report dialog through the main window: the show command makes a new show, saves it in
// order, prints it to PDF on the locale's cut sheet, adds it to the well's text file and leaves the send
// copy on closing while drilling.
#include "app/logstate.h"
#include "reports/showreport.h"
#include "reports/ui/showdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QFile>
#include <QLabel>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

using platform::Dialog;
using wellfile::SHOWREPORT;
using reports::ShowDlg;
using testing_support::doubles;

TEST(ShowReportWindow, ShowCommandMakesSavesPrintsAndDeletes)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const wellfile::OpenWell& f = s.well.file;
    const QString sho = f.currentFolder + f.wellName + ".sho";
    QFile::remove(sho);
    s.options.hotwire = false;
    auto pdfPrinter = platform::PdfPrinterDescription();
    pdfPrinter.dpi = 300;
    doubles().printers.defaultPrinter = pdfPrinter;
    const int top = f.fileTopDepth + 200;
    const testing_support::LocaleScope metric(QLocale(QLocale::German, QLocale::Germany));
    const QString txt = f.currentFolder + f.wellName + ".txt";
    QFile::remove(txt);

    // A well without shows starts with NEW; a bad interval keeps the interval dialog open.
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetTextA(reports::NewShowDlg::IDC_TOP, std::to_string(f.fileTopDepth - 1));
        d.SetTextA(reports::NewShowDlg::IDC_BOTTOM, std::to_string(top + 10));
        d.Click(platform::IDOK);
        EXPECT_EQ(doubles().prompter.messages.back().text, "Depth out of range");
        EXPECT_EQ(doubles().prompter.messages.back().caption, "Show Report");
        d.SetTextA(reports::NewShowDlg::IDC_TOP, std::to_string(top + 300));
        d.SetTextA(reports::NewShowDlg::IDC_BOTTOM, std::to_string(top + 310));
        d.Click(platform::IDOK);
    });
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<ShowDlg&>(dialog);
        EXPECT_EQ(d.Count(), 1);
        EXPECT_EQ(d.GetText(ShowDlg::IDC_GAS_HEADING).trimmed().left(3), "TOT");
        // A second show higher up, before the first is saved.
        Dialog::QueueTestScript([&](Dialog& ask) {
            ask.SetTextA(reports::NewShowDlg::IDC_TOP, std::to_string(top));
            ask.SetTextA(reports::NewShowDlg::IDC_BOTTOM, std::to_string(top + 10));
            ask.Click(platform::IDOK);
        });
        d.Click(ShowDlg::IDC_NEW);
        EXPECT_EQ(d.Count(), 2);
        EXPECT_EQ(d.GetText(ShowDlg::IDC_SHOW_NUMBER), "2");
        const char* cells[5] = {"10", "5", "2", "1", "1"};
        const int ids[5] = {115, 116, 117, 118, 141};
        for (int i = 0; i < 5; ++i)
            d.SetText(ids[i], cells[i]);
        d.Click(ShowDlg::IDC_SAVE);
        // The total follows the typed cells once shown again, and a second save stores it.
        EXPECT_EQ(d.GetText(114), "19");
        d.Click(ShowDlg::IDC_SAVE);
        // Saved in order: the shown show moved to the first place.
        EXPECT_EQ(d.Current(), 0);
        EXPECT_EQ(reports::ShowTopDepth(d.Shown()), top);
        EXPECT_EQ(d.GetText(ShowDlg::IDC_SHOW_NUMBER), "1");
        d.Click(ShowDlg::IDC_PRINT);
        // SAVE AS TEXT adds the shown show to the text file at each press and says where it went.
        d.Click(ShowDlg::IDC_SAVE_AS_TEXT);
        d.Click(ShowDlg::IDC_SAVE_AS_TEXT);
        EXPECT_EQ(testing_support::ReadExistingBytes(txt).count(" SHOW NO.: 1\r\n\r"), 2);
        EXPECT_EQ(doubles().prompter.messages.back().text, "\"" + txt + "\" written");
        d.Click(platform::IDOK);
    });
    window.EvCommand(51693);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);

    const auto saved = testing_support::FileRecords<SHOWREPORT>(sho);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(reports::ShowTopDepth(saved[0]), top);
    EXPECT_EQ(saved[0].number, 1);
    EXPECT_EQ(std::string(saved[0].gasAbove[0]), "19");  // C1 to NC4 as typed
    EXPECT_EQ(s.well.showDepthIndex[0], top);
    const QString pdf = f.dataFolder + f.wellName + QString("-SHOW_No1@%1.pdf").arg(top);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(testing_support::PdfText(pdf).contains("SHOW REPORT"));
    // On A4, the metric locale's cut sheet, the gas columns reach across it within its margins.
    const QSizeF a4 = testing_support::PdfPageSize(pdf);
    EXPECT_NEAR(a4.width(), 595.3, 0.5);
    EXPECT_NEAR(a4.height(), 841.9, 0.5);
    double right = 0;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
        right = std::max(right, w.xMax);
    EXPECT_GT(right, 0.75 * a4.width());
    EXPECT_LT(right, a4.width() - 36);

    // DELETE of one of two waits for SAVE; the only show goes at once and ends the dialog.
    doubles().prompter.answers = {platform::IDOK, platform::IDOK};
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<ShowDlg&>(dialog);
        EXPECT_EQ(d.Current(), 1);
        d.Click(ShowDlg::IDC_DELETE);
        EXPECT_EQ(testing_support::FileRecords<SHOWREPORT>(sho).size(), 2u);
        d.Click(ShowDlg::IDC_DELETE);
    });
    window.EvCommand(51693);
    EXPECT_FALSE(QFile::exists(sho));
    EXPECT_EQ(doubles().prompter.messages.back().caption, "Delete report");
    EXPECT_EQ(s.well.showDepthIndex[0], 0);  // its mark went with it

    // Shows as an older program wrote them, whose conversion cannot write the longer file: the dialog
    // starts as for a well without shows, and neither SAVE nor DELETE touches the file.
    std::vector<wellfile::OLDSHOWREPORT> old(2);
    std::strcpy(old[0].interval, " 1500 to  1510");
    testing_support::WriteRecords(sho, old);
    const QByteArray before = testing_support::ReadExistingBytes(sho);
    doubles().prompter.answers = {platform::IDOK};
    {
        testing_support::FileSizeLimit limit(before.size() + 1);
        Dialog::QueueTestScript([&](Dialog& d) {
            d.SetTextA(reports::NewShowDlg::IDC_TOP, std::to_string(top));
            d.SetTextA(reports::NewShowDlg::IDC_BOTTOM, std::to_string(top + 10));
            d.Click(platform::IDOK);
        });
        Dialog::QueueTestScript([&](Dialog& d) {
            d.Click(ShowDlg::IDC_SAVE);
            EXPECT_EQ(doubles().prompter.messages.back().caption, "Save failed");
            d.Click(ShowDlg::IDC_DELETE);
        });
        window.EvCommand(51693);
    }
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_EQ(testing_support::ReadExistingBytes(sho), before);
}


TEST(ShowReportWindow, EachGasHeadingStandsOverItsColumn)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    window.State().options.hotwire = true;
    const char* headings[] = {"HW", "C1", "C2", "C3", "IC4", "NC4", "C5"};
    const int firstRow[] = {114, 115, 116, 117, 118, 141, 146};  // "GAS ABOVE:", left to right
    Dialog::QueueTestScript([&](Dialog& d) {
        for (int k = 0; k < 7; ++k) {
            const QLabel* heading = nullptr;
            for (const QLabel* label : d.findChildren<QLabel*>())
                if (label->isVisible() && label->text() == headings[k])
                    heading = label;
            ASSERT_NE(heading, nullptr) << headings[k];
            const QWidget* box = d.Control(firstRow[k]);
            const int centre = heading->mapTo(&d, heading->rect().center()).x();
            const int left = box->mapTo(&d, QPoint(0, 0)).x();
            EXPECT_GT(centre, left) << headings[k];
            EXPECT_LT(centre, left + box->width()) << headings[k];
            EXPECT_LT(heading->mapTo(&d, QPoint(0, heading->height())).y(), box->mapTo(&d, QPoint(0, 0)).y() + 1);
        }
    });
    window.EvCommand(51693);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}
