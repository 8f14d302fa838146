// The daily report dialog through the main window: the morning report command edits, saves, deletes,
// prints to PDF and makes a short report; a click on a report mark shows the page of its report.
#include "app/logstate.h"
#include "logview/geometryof.h"
#include "platform/text.h"
#include "reports/dailyreports.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/reportwindowservices.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using platform::Dialog;
using wellfile::REPORTEX;
using reports::ReportDlgEx;
using testing_support::doubles;

namespace {

constexpr int kMorningReport = 51687;

class DailyReportWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }

    app::LogState& S() { return window.State(); }
    QString Rpt() { return S().well.file.currentFolder + S().well.file.wellName + ".rpt"; }
    // Writes reports at `depths`, numbered 1, 2, 3...
    void WriteReports(std::initializer_list<float> depths)
    {
        std::vector<REPORTEX> list;
        for (float d : depths) {
            REPORTEX r;
            r.number = int(list.size()) + 1;
            r.depth = d;
            list.push_back(r);
        }
        testing_support::WriteRecords(Rpt(), list);
    }
    std::vector<REPORTEX> Saved(qint64* size = nullptr) { return testing_support::FileRecords<REPORTEX>(Rpt(), size); }
    // Runs the morning report command with `script` working the dialog.
    void Morning(std::function<void(ReportDlgEx&)> script)
    {
        Dialog::QueueTestScript([script](Dialog& d) { script(static_cast<ReportDlgEx&>(d)); });
        window.EvCommand(kMorningReport);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(DailyReportWindow, MorningReportMakesSavesAndPrintsANewReport)
{
    WriteReports({1500, 2000});
    doubles().clock.now = QDateTime(QDate(2026, 3, 7), QTime(12, 30));
    auto pdfPrinter = platform::PdfPrinterDescription();
    pdfPrinter.dpi = 600;  // the page is laid out in tenths of an inch whatever the resolution
    doubles().printers.defaultPrinter = pdfPrinter;
    const testing_support::LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
    Morning([&](ReportDlgEx& d) {
        EXPECT_EQ(d.GetText(106), "2");
        EXPECT_EQ(d.GetText(105), "");
        d.Click(ReportDlgEx::IDC_RPT_NEW);
        EXPECT_FALSE(d.IsEnabled(ReportDlgEx::IDC_RPT_NEW));
        EXPECT_EQ(d.GetText(106), "3");
        EXPECT_EQ(d.GetText(105), " 3-7-2026");
        EXPECT_EQ(d.GetText(107), "12:30 PM");
        EXPECT_EQ(d.GetText(1408), " 2600");
        EXPECT_EQ(d.GetText(110), "  600");
        EXPECT_EQ(d.GetText(109), "drilling");
        // The average rate follows the hours on leaving their field.
        d.SetText(189, "20");
        d.Command(189, platform::EN_KILLFOCUS);
        EXPECT_EQ(d.GetText(111), "30.0");
        d.SetText(1408, "1500");
        d.SetText(120, "10.5");
        d.SetText(112, "4500");
        S().well.file.drilling = true;  // saved while drilling: sent on and the mud weight stored
        d.Click(ReportDlgEx::IDC_RPT_SAVE);
        S().well.file.drilling = false;
        EXPECT_TRUE(d.IsEnabled(ReportDlgEx::IDC_RPT_NEW));
        EXPECT_EQ(d.GetText(112), " 4500 stk ");
        d.Click(ReportDlgEx::IDC_RPT_PRINT);
        d.Click(ReportDlgEx::IDC_RPT_SHORT_REPORT);
    });
    qint64 size = 0;
    const std::vector<REPORTEX> saved = Saved(&size);
    ASSERT_EQ(size, 3 * 1600);
    EXPECT_EQ(+saved[2].number, 3);
    EXPECT_EQ(+saved[2].depth, 1500);
    EXPECT_EQ(+saved[2].lag, 4500);
    EXPECT_STREQ(saved[2].averageRop, "30.0");
    EXPECT_EQ(testing_support::ReadExistingBytes(S().well.file.dataFolder + "sendfile/" + S().well.file.wellName + ".rpt"),
              testing_support::ReadExistingBytes(Rpt()));
    EXPECT_EQ(S().well.reportDepthIndex[2], 1500);
    const auto records = testing_support::FileRecords<wellfile::RECORD>(S().well.file.dataFileName);
    EXPECT_FLOAT_EQ(+records[500].mudWeightOut, 10.5f);
    const auto shortReports = testing_support::FileRecords<wellfile::QREPORT>(S().well.file.currentFolder +
                                                                             S().well.file.wellName + ".qpt");
    ASSERT_EQ(shortReports.size(), 4u) << "the demo's three and the one saved";
    EXPECT_EQ(+shortReports[3].depth, 1500);

    // The PDF is named after the well, the report's number and depth; its boxes span 6U to 75U.
    const QString pdf = S().well.file.dataFolder + S().well.file.wellName + "-RPT_No3@1500.pdf";
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(doubles().prompter.messages.back().text, "\"" + pdf + "\" written");
    EXPECT_TRUE(testing_support::PdfText(pdf).contains("DAILY DRILLING REPORT"));
    const QImage page = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(page.isNull());
    const auto black = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    int left = -1;
    for (int x = 0; x < page.width() && left < 0; ++x)
        for (int y = 0; y < page.height(); ++y)
            if (black(x, y)) {
                left = x;
                break;
            }
    ASSERT_GE(left, 0);
    int y = 0, longest = 0, bestY = 0;  // the middle of the longest run of the left edge: the remarks box
    while (y < page.height()) {
        int run = 0;
        while (y + run < page.height() && black(left + 1, y + run))
            ++run;
        if (run > longest) {
            longest = run;
            bestY = y + run / 2;
        }
        y += run + 1;
    }
    int a = left, b = page.width() - 1;
    while (black(a, bestY))
        ++a;
    while (!black(b, bestY))
        --b;
    int c = b;
    while (black(c, bestY))
        --c;
    EXPECT_NEAR((c + 1 + b) / 2.0 - (left + a - 1) / 2.0, 2070, 2);
    // On the locale's cut sheet (US Letter), the form across it within its margins; the PDF printer
    // keeps the log's fan-fold paper.
    EXPECT_EQ(testing_support::PdfPageSize(pdf), QSizeF(612, 792));
    EXPECT_GT(b, 0.85 * page.width());
    EXPECT_LT(b, page.width() - 0.5 * 300);
    EXPECT_TRUE(platform::IsContinuousPaper(S().print.printer->Page()));
}

TEST_F(DailyReportWindow, TheDemoWellsReportCountsItsDaysFromTheHeadersDates)
{
    Morning([&](ReportDlgEx& d) {
        EXPECT_EQ(d.Count(), 1);
        EXPECT_EQ(d.GetText(106), "1");
        EXPECT_EQ(d.GetText(105), " 1-15-2026");
        EXPECT_EQ(d.GetText(220), "01-02-26");  // spud
        EXPECT_EQ(d.GetText(182), "01-03-26");  // start of logging
        EXPECT_EQ(d.GetText(183), "14");
        EXPECT_EQ(d.GetText(185), "13");
    });
}

TEST_F(DailyReportWindow, DeleteTakesEffectOnSaveAndTheOnlyReportGoesAtOnce)
{
    WriteReports({1500, 2000, 2500});
    const QByteArray file = testing_support::ReadExistingBytes(Rpt());
    doubles().prompter.answers = {platform::IDCANCEL, platform::IDOK};
    Morning([&](ReportDlgEx& d) {
        d.Step(false, false);
        EXPECT_EQ(d.Index(), 1);
        d.Click(ReportDlgEx::IDC_RPT_DELETE);  // cancelled
        EXPECT_EQ(d.Count(), 3);
        d.Click(ReportDlgEx::IDC_RPT_DELETE);
        EXPECT_EQ(d.Count(), 2);
        EXPECT_EQ(testing_support::ReadExistingBytes(Rpt()), file);
        d.Click(ReportDlgEx::IDC_RPT_SAVE);
    });
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Delete report");
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Report will be permanently deleted when you press Save.\n"));
    const auto saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(+saved[0].number, 1);
    EXPECT_EQ(+saved[1].number, 2);
    EXPECT_EQ(+saved[1].depth, 2500);

    WriteReports({1500});
    doubles().prompter.answers = {platform::IDOK};
    Morning([&](ReportDlgEx& d) {
        d.Click(ReportDlgEx::IDC_RPT_DELETE);
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(QFile::exists(Rpt()));
    });
    EXPECT_EQ(S().well.reportDepthIndex[0], 0);
}

TEST_F(DailyReportWindow, AClickOnAReportMarkShowsTheLastReportAtThatDepth)
{
    WriteReports({1500, 1501, 2000});
    app::LogState& s = S();
    s.well.reportDepthIndex.fill(0);
    s.well.reportDepthIndex[0] = 1500;
    s.well.reportDepthIndex[1] = 1501;
    s.well.reportDepthIndex[2] = 2000;
    s.well.file.viewTopDepth = 1480;
    window.PaintLog();
    QCoreApplication::processEvents();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int rowY = g.topMargin + (1500 - 1480) * g.rowHeight;
    const QImage& store = window.BackingStore();
    std::optional<QPoint> yellow;
    for (int y = rowY - 3 * g.rowHeight; y < rowY + g.rowHeight && !yellow; ++y)
        for (int x = 0; x < store.width(); ++x)
            if (store.valid(x, y) && (store.pixel(x, y) & 0xFFFFFF) == 0xFFFF00) {
                yellow = QPoint(x, y);
                break;
            }
    ASSERT_TRUE(yellow);
    const int menu = window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0;
    doubles().printers.defaultPrinter = std::nullopt;  // the preview needs no printer
    s.print.printer.reset();
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(yellow->x(), yellow->y() + menu));
    QCoreApplication::processEvents();
    auto* services = dynamic_cast<reports::ReportWindowServices*>(window.Neighbours().reports);
    ASSERT_TRUE(services);
    ReportDlgEx* preview = services->OpenPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->ShownMode(), ReportDlgEx::Preview);
    EXPECT_EQ(preview->Index(), 1);
    QImage image(900, 900, QImage::Format_RGB32);
    {
        platform::Dc dc(image);
        dc.RecordText(true);
        preview->DrawPreview(dc, {0, 0, 900, 900});
        bool depth = false;
        for (const auto& t : dc.TextRecord())
            depth |= t.text == "1501";
        EXPECT_TRUE(depth);
    }
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    preview->Step(true, false);
    EXPECT_EQ(preview->Index(), 2);
    const int beeps = doubles().sounder.beeps;
    preview->Step(true, false);
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    preview->Click(ReportDlgEx::IDC_RPT_PRINT);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "No Printer Available");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Print Error");
    preview->Click(platform::IDOK);
    QCoreApplication::processEvents();
    EXPECT_FALSE(services->OpenPreview());
}
