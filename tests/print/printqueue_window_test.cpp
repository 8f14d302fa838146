// The demo well printed through a real print queue: a CUPS server of the test's own whose default queue
// (US fan-fold paper 14 7/8 x 11 in, a quarter inch unprintable all round) writes each job to a file, the
// window's printer being the desktop's (the system's default queue), read back from what the queue wrote.
#include "app/commandids.h"
#include "platform/printer.h"
#include "platform/ui/cupsprinter.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "reports/ui/reportdlgex.h"
#include "shell/ui/logwindow.h"
#include "support/cupsserver.h"
#include "support/demowindow.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMorningReport = 51687;

class PrintQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server.NotRunning().isEmpty())
            GTEST_SKIP() << server.NotRunning().toStdString();
        platform::Services real = platform::services();
        real.printers = &platform::RealPrinters();
        platform::InstallServices(real);
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    }

    // File > Print from `start` to `end`.
    void PrintLog(int start, int end)
    {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            d.SetText(print::setupid::StartDepth, QString::number(start));
            d.SetText(print::setupid::EndDepth, QString::number(end));
            d.Click(platform::IDOK);
        });
        window.EvCommand(app::cmd::Print);
    }

    // The words of what the queue wrote, each inside the paper's printable area (a quarter inch, 18 pt,
    // in from each edge) and over no other.
    QStringList Printed(const QSizeF& paper)
    {
        const std::vector<testing_support::PdfWord> printed = testing_support::PdfWords(server.Output());
        const QStringList amiss =
            testing_support::MisplacedWords(printed, QRectF(18, 18, paper.width() - 36, paper.height() - 36));
        EXPECT_TRUE(amiss.isEmpty()) << amiss.join('\n').toStdString();
        QStringList words;
        for (const testing_support::PdfWord& w : printed)
            words << w.text;
        return words;
    }

    testing_support::CupsServer server;
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(PrintQueue, TheLogGoesOnTheQueuesPaperAndADailyReportOnTheLocalesCutSheet)
{
    const testing_support::LocaleScope metric(QLocale(QLocale::German, QLocale::Germany));
    app::LogState& s = window.State();
    PrintLog(1000, 1100);
    ASSERT_NE(s.print.printer, nullptr);
    const platform::PrinterInfo info = s.print.printer->Info();
    EXPECT_EQ(info.deviceName, server.Queue());
    // A quarter inch of unprintable edge at the queue's resolution.
    EXPECT_EQ(info.offsetX, info.dpiX / 4);
    EXPECT_EQ(info.physicalWidth, info.dpiX * 1071 / 72);
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no log";
    EXPECT_EQ(testing_support::PdfPageSize(server.Output()), QSizeF(1071, 792));
    QStringList words = Printed({1071, 792});
    for (const char* depth : {"1020", "1040", "1060", "1080"})
        EXPECT_TRUE(words.contains(depth)) << depth;

    // The last daily report, printed from its dialog.
    server.ForgetOutput();
    platform::Dialog::QueueTestScript([](platform::Dialog& d) { d.Click(reports::ReportDlgEx::IDC_RPT_PRINT); });
    window.EvCommand(kMorningReport);
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no report";
    EXPECT_EQ(testing_support::PdfPageSize(server.Output()), QSizeF(595, 842));
    words = Printed({595, 842});
    EXPECT_TRUE(words.join(' ').contains("DAILY DRILLING REPORT"));
    // The queue has its own paper back.
    EXPECT_EQ(s.print.printer->Page().paper, QSizeF(1071, 792));
}

// The demo printed from 1000 to 2600: every word inside the printable area and over no other (a row is
// printed on one page, whole, and a note carried over to a page written once), the top "Main Sand"
// named, and the depth numbers a record of 0.08 in (5.76 pt) apart on every page within a printer pixel.
TEST_F(PrintQueue, TheDemoPrintsTrueToScaleInsideThePrintableArea)
{
    app::LogState& s = window.State();
    PrintLog(1000, 2600);
    ASSERT_NE(s.print.printer, nullptr);
    const int dpi = s.print.printer->Info().dpiY;
    ASSERT_TRUE(server.WaitForJob(60000)) << "the queue wrote no log";
    const QStringList words = Printed({1071, 792});
    EXPECT_TRUE(words.join(' ').contains("Main Sand"));
    const QStringList off = testing_support::OffScale(testing_support::PdfWords(server.Output()), 5.76, 72.0 / dpi);
    EXPECT_TRUE(off.isEmpty()) << dpi << " dpi\n" << off.join('\n').toStdString();
}
