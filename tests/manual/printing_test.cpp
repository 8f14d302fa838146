// Manual, 5. Printing and images: each instruction of the section done on the demo well's window through
// its File menu, with the desktop's PDF printer, with print queues of a CUPS server of the test's own, and
// the pictures read back.
#include "app/logstate.h"
#include "elog/draw/imageexport.h"
#include "elog/ui/imagedialog.h"
#include "layout/pentable.h"
#include "layout/ui/rangedialog.h"
#include "logview/geometryof.h"
#include "manual/enteringsteps.h"
#include "manual/reportsteps.h"
#include "platform/draw/syscolors.h"
#include "platform/ui/cupsprinter.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "reports/ui/reportdlgex.h"
#include "shell/ui/logwindow.h"
#include "support/cupsserver.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

using platform::Dialog;
using testing_support::doubles;

namespace {

class ManualPrinting : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }
    app::LogState& S() { return window.State(); }

    // File > Print... with the depth interval typed and `change` made in the print set-up, then "Print".
    void PrintLog(int from, int to, const std::function<void(Dialog&)>& change = {})
    {
        Dialog::QueueTestScript([=](Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "STRATIV PRINT SETUP");
            d.SetText(print::setupid::StartDepth, QString::number(from));
            d.SetText(print::setupid::EndDepth, QString::number(to));
            if (change)
                change(d);
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(steps.Choose("File", "Print..."));
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }
    // The file the last message said a print went to.
    QString Told()
    {
        const auto& m = doubles().prompter.messages;
        if (m.isEmpty() || !m.back().text.endsWith("\" written"))
            return {};
        return m.back().text.section('"', 1, 1);
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow steps{window};  // the menu bar's items chosen by their text, clicks
};

// The words of a PDF, all pages.
QStringList Words(const QString& pdf)
{
    QStringList words;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
        words << w.text;
    return words;
}

// The depth labels of a printed log every 20 units within from..to are there, and none outside it.
void ExpectInterval(const QStringList& words, int from, int to)
{
    for (int d = from + 20; d < to; d += 20)
        EXPECT_TRUE(words.contains(QString::number(d))) << d;
    for (int d : {from - 40, to + 40})
        EXPECT_FALSE(words.contains(QString::number(d))) << d;
}

// Has the desktop's print dialog that opens next choose the printer `entry` (a queue or "Print to File
// (PDF)") and press its OK; `chosen` tells whether it was there.
void ChooseInPrintDialog(const QString& entry, bool& chosen)
{
    QTimer::singleShot(0, [entry, &chosen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* printers = dialog ? dialog->findChild<QComboBox*>("printers") : nullptr;
        const int at = printers ? printers->findText(entry) : -1;
        chosen = at >= 0;
        if (chosen) {
            printers->setCurrentIndex(at);
            dialog->accept();
        } else if (dialog) {
            dialog->reject();
        }
    });
}

// Runs `lpadmin` of the test's CUPS server (named by CUPS_SERVER) with `args`.
bool Lpadmin(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("lpadmin"), args);
    const bool done = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    EXPECT_TRUE(done) << p.readAll().toStdString();
    return done;
}

// A job of `queue` written to `file`, once the queue holds no job.
bool WaitForJob(const QString& queue, const QString& file)
{
    for (int i = 0; i < 400; ++i) {
        if (QFileInfo(file).size() > 0) {
            QProcess lpstat;
            lpstat.start(QStringLiteral("lpstat"), {"-o", queue});
            if (lpstat.waitForFinished(5000) && lpstat.exitCode() == 0 && lpstat.readAll().trimmed().isEmpty())
                return true;
        }
        QThread::msleep(50);
    }
    return false;
}

}  // namespace

// Manual, 5. Printing and images, "File > Page Setup..." and "File > Print...": the paper chosen in the
// page set-up, the interval and the header in the print set-up, and where the PDF went.
TEST_F(ManualPrinting, PageSetupPicksThePaperAndPrintTheIntervalAndTheHeader)
{
    // Page Setup asks only for the paper: no dialog of the program's own comes.
    // Fan-fold 14 7/8 x 12 in with a quarter inch unprintable all round.
    const platform::PageSetup paper{QSizeF(1071, 864), QMarginsF(18, 18, 18, 18)};
    doubles().printers.pageSetupAnswers = {paper};
    bool programDialog = false;
    Dialog::QueueTestScript([&](Dialog&) { programDialog = true; });
    ASSERT_TRUE(steps.Choose("File", "Page Setup..."));
    Dialog::ClearTestScripts();
    EXPECT_EQ(doubles().printers.pageSetups, 1);
    EXPECT_FALSE(programDialog);

    // Print: the interval 1500-1700 under the full header, on the paper of the page set-up.
    PrintLog(1500, 1700, [](Dialog& d) {
        EXPECT_EQ(d.GetCheck(print::setupid::FullHeader), 1);
        EXPECT_EQ(d.GetCheck(print::setupid::ShortHeader), 0);
    });
    const QString full = Told();
    ASSERT_FALSE(full.isEmpty()) << "the program did not say where the PDF went";
    EXPECT_TRUE(full.endsWith("@1700-5inch.pdf")) << full.toStdString();
    EXPECT_EQ(testing_support::PdfPageSize(full), paper.paper);
    // Within the margins; a scale label centred on the log's left edge reaches half a digit past it.
    for (const testing_support::PdfWord& w : testing_support::PdfWords(full))
        EXPECT_TRUE(w.xMin >= 15 && w.yMin >= 17.5 && w.xMax <= 1053.5 && w.yMax <= 846.5)
            << w.text.toStdString() << " outside the margins, page " << w.page << " at " << w.xMin << "," << w.yMin;
    const QStringList fullWords = Words(full);
    ExpectInterval(fullWords, 1500, 1700);
    EXPECT_TRUE(fullWords.contains("Abbreviations:") && fullWords.contains("Symbols:")) << "the header's legends";
    QFile::rename(full, full + ".full");

    // The short header: the track titles without the header block's legends.
    PrintLog(1500, 1700, [](Dialog& d) { d.Click(print::setupid::ShortHeader); });
    const QString brief = Told();
    ASSERT_FALSE(brief.isEmpty());
    const QStringList shortWords = Words(brief);
    ExpectInterval(shortWords, 1500, 1700);
    EXPECT_FALSE(shortWords.contains("Abbreviations:") || shortWords.contains("Symbols:"));
}

// Manual, 5. Printing and images, "Setting the printer": a queue added and made the default with
// lpadmin, its default paper set there, on the server that CUPS_SERVER names (the test's own server
// stands for the other computer); the log prints on the queue's paper.
TEST_F(ManualPrinting, AQueueAddedAndMadeTheDefaultWithLpadminPrintsTheLogOnItsPaper)
{
    testing_support::CupsServer server;
    if (!server.NotRunning().isEmpty())
        GTEST_SKIP() << server.NotRunning().toStdString();
    platform::Services real = platform::services();
    real.printers = &platform::RealPrinters();
    platform::InstallServices(real);
    const testing_support::LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));

    // lpadmin -p <name> -E -v <device URI> -P <PPD> -o PageSize=<paper>, then lpadmin -d <name>.
    const QString out = QFileInfo(server.Output()).path() + "/manual.pdf";
    ASSERT_TRUE(Lpadmin({"-p", "Manual_Queue", "-E", "-v", "file://" + out, "-P",
                         testing_support::TestDataDir() + "printqueue.ppd", "-o", "PageSize=Letter"}));
    ASSERT_TRUE(Lpadmin({"-d", "Manual_Queue"}));
    PrintLog(1500, 1600);
    ASSERT_NE(S().print.printer, nullptr);
    EXPECT_EQ(S().print.printer->Info().deviceName, "Manual_Queue");
    ASSERT_TRUE(WaitForJob("Manual_Queue", out)) << "the queue wrote no log";
    EXPECT_EQ(testing_support::PdfPageSize(out), QSizeF(612, 792)) << "the queue's default paper";
    ExpectInterval(Words(out), 1500, 1600);
    EXPECT_TRUE(Told().isEmpty()) << "a queue's print writes no file of the program's";
}

// Manual, 5. Printing and images, "Setting the printer": the log on the queue's fan-fold paper, a report
// on the locale's cut sheet (US Letter, then A4) and the queue's paper given back; "Print to File (PDF)" chosen with "Setup
// printer" in the print set-up, and the queue again with the report dialog's printer button.
TEST_F(ManualPrinting, ReportsPrintOnCutSheetsAndSetupPrinterPrintsToAFile)
{
    testing_support::CupsServer server;
    if (!server.NotRunning().isEmpty())
        GTEST_SKIP() << server.NotRunning().toStdString();
    platform::Services real = platform::services();
    real.printers = &platform::RealPrinters();
    platform::InstallServices(real);
    const testing_support::LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));

    PrintLog(1500, 1600);
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no log";
    EXPECT_EQ(testing_support::PdfPageSize(server.Output()), QSizeF(1071, 792));
    ExpectInterval(Words(server.Output()), 1500, 1600);
    server.ForgetOutput();
    Dialog::QueueTestScript([](Dialog& d) { d.Click(reports::ReportDlgEx::IDC_RPT_PRINT); });
    ASSERT_TRUE(steps.Choose("View", "Morning Report..."));
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no report";
    EXPECT_EQ(testing_support::PdfPageSize(server.Output()), QSizeF(612, 792));
    EXPECT_TRUE(Words(server.Output()).join(' ').contains("DAILY DRILLING REPORT"));
    EXPECT_EQ(S().print.printer->Page().paper, QSizeF(1071, 792)) << "the queue's paper back";
    server.ForgetOutput();
    {
        const testing_support::LocaleScope metric(QLocale(QLocale::German, QLocale::Germany));
        Dialog::QueueTestScript([](Dialog& d) { d.Click(reports::ReportDlgEx::IDC_RPT_PRINT); });
        ASSERT_TRUE(steps.Choose("View", "Morning Report..."));
    }
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no report";
    const QSizeF a4 = testing_support::PdfPageSize(server.Output());
    EXPECT_TRUE(std::abs(a4.width() - 595.3) < 1 && std::abs(a4.height() - 841.9) < 1) << "A4 where the measure is metric";

    // "Setup printer" in the print set-up: the desktop's print dialog, "Print to File (PDF)" chosen.
    bool chosen = false;
    PrintLog(1500, 1600, [&](Dialog& d) {
        ChooseInPrintDialog("Print to File (PDF)", chosen);
        d.Click(print::setupid::SetupPrinter);
    });
    ASSERT_TRUE(chosen) << "the print dialog offered no \"Print to File (PDF)\"";
    const QString file = Told();
    ASSERT_FALSE(file.isEmpty()) << "the program did not say where the PDF went";
    EXPECT_EQ(S().print.printer->Info().port, "FILE:");
    const QSizeF sheet = testing_support::PdfPageSize(file);
    EXPECT_EQ(sheet, S().print.printer->Page().paper) << "the paper of the print dialog";
    // Across the sheet; a scale label centred on the log's edge reaches half a digit past it.
    for (const testing_support::PdfWord& w : testing_support::PdfWords(file))
        EXPECT_TRUE(w.xMin >= -3 && w.yMin >= 0 && w.xMax <= sheet.width() + 3 && w.yMax <= sheet.height())
            << w.text.toStdString() << " off the paper at " << w.xMin << "," << w.yMin << " page " << w.page;
    ExpectInterval(Words(file), 1500, 1600);

    // The report dialog's "Printer Setup" picks the queue again.
    chosen = false;
    server.ForgetOutput();
    Dialog::QueueTestScript([&](Dialog& d) {
        ChooseInPrintDialog(server.Queue(), chosen);
        d.Click(reports::ReportDlgEx::IDC_RPT_PRINTER_SETUP);
        d.Click(reports::ReportDlgEx::IDC_RPT_PRINT);
    });
    ASSERT_TRUE(steps.Choose("View", "Morning Report..."));
    ASSERT_TRUE(chosen) << "the print dialog offered no " << server.Queue().toStdString();
    ASSERT_TRUE(server.WaitForJob()) << "the queue wrote no report";
    EXPECT_TRUE(Words(server.Output()).join(' ').contains("DAILY DRILLING REPORT"));
}

// Manual, 5. Printing and images, "Setting the printer": without any queue the log goes to a PDF file on
// US fan-fold paper and a report to one on a cut sheet, and the program says where each went.
TEST_F(ManualPrinting, WithoutAnyQueueTheLogGoesToAPdfOnFanFoldPaper)
{
    testing_support::NoPrintServer none;
    platform::Services real = platform::services();
    real.printers = &platform::RealPrinters();
    platform::InstallServices(real);
    PrintLog(1500, 1600);
    const QString file = Told();
    ASSERT_FALSE(file.isEmpty()) << "the program did not say where the PDF went";
    EXPECT_EQ(S().print.printer->Info().port, "FILE:");
    EXPECT_EQ(testing_support::PdfPageSize(file), QSizeF(1071, 792));
    ExpectInterval(Words(file), 1500, 1600);
    // A report goes to a file of its own, on the cut sheet, and the program says where.
    const testing_support::LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
    Dialog::QueueTestScript([](Dialog& d) { d.Click(reports::ReportDlgEx::IDC_RPT_PRINT); });
    ASSERT_TRUE(steps.Choose("View", "Morning Report..."));
    const QString report = Told();
    EXPECT_TRUE(report.endsWith("-RPT_No1@2600.pdf")) << report.toStdString();
    EXPECT_EQ(testing_support::PdfPageSize(report), QSizeF(612, 792));
}

// Manual, 5. Printing and images, "File > Save As Image": each type of picture, of the interval asked,
// read back; the first is copied where the user chose.
TEST_F(ManualPrinting, SaveAsImageWritesEachTypeOfTheIntervalInTheBitmapsFolder)
{
    const layout::LogLayout& L = S().layout.format;
    const int R = L.pixelsPerStep, H = L.imageHeaderRows;
    // The screen's gas track at 1580-1630 holds the total gas pen's pixels that the picture must hold.
    S().well.file.viewTopDepth = 1580;
    window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const platform::COLORREF c = platform::ResolveColor(g.pens.table[layout::PEN_TG].colour);
    const QRgb tg = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    const auto count = [tg](const QImage& image, QRect box) {
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == (tg & 0xFFFFFF);
        return n;
    };
    const int onScreen = count(window.BackingStore(), QRect(L.gas.left + 1, L.logAreaTop + 10 * R, L.gas.Width() - 2, 50 * R));
    ASSERT_GT(onScreen, 10);

    const QString folder = S().well.file.dataFolder + "bitmaps/" + S().well.file.wellName + "/";
    const QString copy = testing_support::TestDir() + "mailed";
    const char* types[] = {"bmp", "jpg", "tif", "png", "gif"};
    for (int format = elog::IMAGE_BMP; format <= elog::IMAGE_GIF; ++format) {
        SCOPED_TRACE(types[format]);
        Dialog::QueueTestScript([format](Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "Strativ Save As Image");
            d.SetSelIndex(elog::imageid::Type, format);
            d.Command(elog::imageid::Type, platform::CBN_SELCHANGE);
            d.Click(platform::IDOK);
        });
        Dialog::QueueTestScript([](Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "Enter Interval");
            d.SetText(layout::rangeid::Start, "1580");
            d.SetText(layout::rangeid::Stop, "1680");
            d.Click(platform::IDOK);
        });
        // The first is copied elsewhere; the others stay where they were saved.
        doubles().prompter.answers = {format == elog::IMAGE_BMP ? platform::IDOK : platform::IDCANCEL};
        doubles().prompter.fileAnswers = {copy + ".bmp"};
        ASSERT_TRUE(steps.Choose("File", "Save As Image"));
        const QString path = folder + S().well.file.wellName + "@1580-1680-5in." + types[format];
        EXPECT_EQ(doubles().prompter.messages.back().text,
                  "FILE HAS BEEN SAVED TO\n" + path + "\nTO SAVE TO ANOTHER LOCATION CLICK OK");
        const QImage image(path);
        ASSERT_FALSE(image.isNull());
        // 100 rows of the interval, 20 more, and the header page above them.
        EXPECT_EQ(image.height(), (100 + 20 + H) * R);
        const int origin = H * R + L.logAreaTop;
        if (format != elog::IMAGE_JPG) {  // its colours are not kept exactly
            EXPECT_EQ(count(image, QRect(L.gas.left + 1, origin + 10 * R, L.gas.Width() - 2, 50 * R)), onScreen);
        }
        if (format == elog::IMAGE_BMP) {
            EXPECT_EQ(testing_support::ReadBytes(copy + ".bmp"), testing_support::ReadBytes(path));
        }
    }
}
