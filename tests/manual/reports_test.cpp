// Manual, 4. Reports: each instruction of the section done on the demo well's window through its menus
// and its marks, and what the section promises checked on the dialogs, the log and the files.
#include "app/logstate.h"
#include "logview/geometryof.h"
#include "manual/enteringsteps.h"
#include "manual/reportsteps.h"
#include "platform/ui/dialog.h"
#include "print/headertransfer.h"
#include "reports/ui/dstdlg.h"
#include "reports/ui/qreportdlg.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/showdlg.h"
#include "reports/shortreports.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

namespace {

class ManualReports : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }
    app::LogState& S() { return window.State(); }
    QString WellFile(const QString& tail) { return S().well.file.currentFolder + S().well.file.wellName + tail; }
    // The log painted with `depth` at its top.
    const QImage& PaintFrom(int depth)
    {
        S().well.file.viewTopDepth = depth;
        window.PaintLog();
        QCoreApplication::processEvents();
        return window.BackingStore();
    }
    // The y of a depth line on the painted log.
    int Y(int depth)
    {
        const logview::ViewGeometry g = logview::GeometryOf(S());
        return (depth - S().well.file.viewTopDepth) * g.rowHeight + g.topMargin;
    }
    // The first pixel of `colour` in the report mark of `depth`, beside the rate track.
    std::optional<QPoint> Mark(int depth, QRgb colour)
    {
        const logview::ViewGeometry g = logview::GeometryOf(S());
        const int right = g.rate.Right(), R = g.rowHeight;
        return manual::FindColour(window.BackingStore(), QRect(right - 2 * R, Y(depth) - 2 * R, 2 * R, 2 * R), colour);
    }
    void Click(QPoint onLog, Qt::MouseButton button = Qt::LeftButton) { steps.Click(button, onLog.x(), onLog.y()); }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow steps{window};  // the menu bar's items chosen by their text, clicks
};

}  // namespace

// Manual, 4. Reports, "The daily (morning) report": its day count from the header's dates, its print and
// the reports saved as text.
TEST_F(ManualReports, TheMorningReportCountsItsDaysFromTheHeaderPrintsAndIsSavedAsText)
{
    // View > Header...: spud on December 30, logging from January 5; the demo's report is of January 15.
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(print::headerid::SpudDate, "12-30-25");
        d.SetText(print::headerid::StartDate, "01-05-26");
        d.Click(print::headerid::Save);
    });
    ASSERT_TRUE(steps.Choose("View", "Header..."));
    int days = 0, logging = 0;
    QString pdf;
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<reports::ReportDlgEx&>(dialog);
        EXPECT_EQ(d.windowTitle(), "STRATIV MORNING REPORT");
        EXPECT_EQ(d.GetText(105), " 1-15-2026");
        EXPECT_EQ(d.GetText(220), "12-30-25");
        EXPECT_EQ(d.GetText(182), "01-05-26");
        days = d.GetText(183).toInt();
        logging = d.GetText(185).toInt();
        d.Click(reports::ReportDlgEx::IDC_RPT_PRINT);
        pdf = doubles().prompter.messages.isEmpty() ? QString() : doubles().prompter.messages.back().text;
    });
    ASSERT_TRUE(steps.Choose("View", "Morning Report..."));
    EXPECT_EQ(days, 17);    // December 30 is day 1
    EXPECT_EQ(logging, 11);
    // The print went to a PDF, whose place the program told: one page of the report with its day count.
    const QString expected = S().well.file.dataFolder + S().well.file.wellName + "-RPT_No1@2600.pdf";
    EXPECT_EQ(pdf, "\"" + expected + "\" written");
    EXPECT_EQ(testing_support::PdfPageCount(expected), 1);
    const QString printed = testing_support::PdfText(expected).simplified();
    EXPECT_TRUE(printed.contains("DAILY DRILLING REPORT"));
    EXPECT_TRUE(printed.contains("DAY NO: 17")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("SPUD: 12-30-25")) << printed.toStdString();

    // Options > Save Reports As Text: the report, the last show and the test, in the well's text file.
    const QString txt = WellFile(".txt");
    QFile::remove(txt);
    ASSERT_TRUE(steps.Choose("Options", "Save Reports As Text"));
    const QByteArray text = testing_support::ReadExistingBytes(txt);
    EXPECT_TRUE(text.contains("Morning Report\r\n\r"));
    EXPECT_TRUE(text.contains(" DEPTH:    2600 "));
    EXPECT_TRUE(text.contains("SHOW REPORT\r\n\r"));
    EXPECT_TRUE(text.contains("DST REPORT\r\n\r"));
    EXPECT_TRUE(text.contains(" Formation:  Main Sand\r\n\r"));
}

// Manual, 4. Reports, "Show reports" and "Drill-stem tests": each from the View menu and from its mark
// beside the log.
TEST_F(ManualReports, ShowAndDstReportsOpenFromTheMenuAndFromTheirMarks)
{
    const auto& shows = S().well.showDepthIndex;
    ASSERT_GT(shows[1], 0) << "the demo well has shows";
    int count = 0;
    while (count < int(shows.size()) && shows[std::size_t(count)] != 0)
        ++count;
    const auto interval = [](int top) { return QString::asprintf(" %5d to", top); };

    // View > Show Report... shows the last show: its interval, fluorescence and cut. New takes the
    // interval of another and fills its gas from the log: the components of the record of the highest
    // total gas within it.
    const int first = shows[0];
    const auto records = testing_support::FileRecords<wellfile::RECORD>(S().well.file.dataFileName);
    const wellfile::RECORD* peak = nullptr;
    for (const wellfile::RECORD& r : records)
        if (r.depth > first && r.depth <= first + 10 && r.gas[0] > (peak ? peak->gas[0] : 0.0f))
            peak = &r;
    ASSERT_NE(peak, nullptr);
    ASSERT_GE(peak->gas[1], 1.0f);
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<reports::ShowDlg&>(dialog);
        EXPECT_EQ(d.windowTitle(), "STRATIV SHOW REPORT");
        EXPECT_EQ(d.Current(), count - 1);
        EXPECT_TRUE(d.GetText(reports::ShowDlg::IDC_INTERVAL).startsWith(interval(shows[std::size_t(count - 1)])));
        EXPECT_EQ(d.GetText(130), "Bright yellow, 40%");
        EXPECT_EQ(d.GetText(131), "Fast streaming cut");
        Dialog::QueueTestScript([&](Dialog& ask) {
            ask.SetText(reports::NewShowDlg::IDC_TOP, QString::number(first));
            ask.SetText(reports::NewShowDlg::IDC_BOTTOM, QString::number(first + 10));
            ask.Click(platform::IDOK);
        });
        d.Click(reports::ShowDlg::IDC_NEW);
        EXPECT_EQ(d.GetText(120), QString::number(int(peak->gas[1])));  // C1 during the show
        EXPECT_EQ(d.GetText(121), QString::number(int(peak->gas[2])));  // C2
    });
    ASSERT_TRUE(steps.Choose("View", "Show Report..."));
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_EQ(testing_support::FileRecords<wellfile::SHOWREPORT>(WellFile(".sho")).size(), std::size_t(count))
        << "a new show reaches the file only when saved";

    // The red mark of the first show opens that show.
    PaintFrom(first - 20);
    const auto red = Mark(first, qRgb(255, 0, 0));
    ASSERT_TRUE(red) << "no show mark at " << first;
    int opened = -1;
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<reports::ShowDlg&>(dialog);
        opened = d.Current();
        EXPECT_TRUE(d.GetText(reports::ShowDlg::IDC_INTERVAL).startsWith(interval(first)));
    });
    Click(*red);
    EXPECT_EQ(opened, 0);

    // View > Dst... and the green mark of the test.
    const int test = S().well.dstDepthIndex[0];
    ASSERT_GT(test, 0);
    for (int byMark = 0; byMark < 2; ++byMark) {
        QString from;
        Dialog::QueueTestScript([&](Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "STRATIV DST REPORT");
            EXPECT_EQ(d.GetText(reports::DstDlg::IDC_NUMBER), "1");
            from = d.GetText(reports::DstDlg::IDC_FROM);
        });
        if (byMark) {
            PaintFrom(test - 20);
            const auto green = Mark(test, qRgb(0, 255, 0));
            ASSERT_TRUE(green) << "no test mark at " << test;
            Click(*green);
        } else {
            ASSERT_TRUE(steps.Choose("View", "Dst..."));
        }
        EXPECT_EQ(from, QString::number(test)) << (byMark ? "from its mark" : "from the menu");
    }
}

// Manual, 4. Reports, "Short reports": made from the drilling menu, drawn as two boxes in the gas track,
// opened again by a right click and dragged to another depth with Ctrl held.
TEST_F(ManualReports, AShortReportIsABoxThatARightClickOpensAndCtrlDragsElsewhere)
{
    for (const QAction* a : window.menuBar()->findChildren<QAction*>())
        ASSERT_NE(a->text(), "&Short Report") << "only the drilling menu has it";
    ASSERT_TRUE(steps.Choose("Options", "Drilling"));
    ASSERT_TRUE(S().well.file.drilling);
    using Q = reports::QREPORTDLG;
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV SHORT REPORT");
        d.Click(Q::IDC_NEW);
        d.SetText(Q::IDC_DEPTH, "2300");
        d.SetText(Q::IDC_WOB, "31");
        d.SetText(Q::IDC_WT_OUT, "1.25");
        d.Click(platform::IDOK);  // SAVE
    });
    ASSERT_TRUE(steps.Choose("View", "Short Report"));
    const auto saved = testing_support::FileRecords<wellfile::QREPORT>(WellFile(".qpt"));
    const auto at = [](const std::vector<wellfile::QREPORT>& list, int depth) {
        return std::find_if(list.begin(), list.end(), [depth](const wellfile::QREPORT& r) { return r.depth == depth; });
    };
    ASSERT_NE(at(saved, 2300), saved.end());
    EXPECT_STREQ(at(saved, 2300)->wob, "31");

    // Its drilling box stands at its depth in the gas track, framed, in the report's text colour.
    const QImage& log = PaintFrom(2280);
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const reports::ShortReportBoxes& boxes = S().shortReports.mechanical;
    const platform::RECT* box = nullptr;
    for (int i = 0; i < boxes.count; ++i)
        if (std::abs(boxes.box[std::size_t(i)].top - (Y(2300) - g.rowHeight)) <= 1)  // its top a row above its depth line
            box = &boxes.box[std::size_t(i)];
    ASSERT_NE(box, nullptr) << "no box at 2300";
    EXPECT_GE(box->left, g.gas.left);
    EXPECT_LE(box->right, g.gasRight);
    EXPECT_EQ(log.pixel(box->left, (box->top + box->bottom) / 2) & 0xFFFFFF, 0u);
    EXPECT_TRUE(manual::FindColour(log, QRect(box->left + 1, box->top + 1, box->right - box->left - 2, box->bottom - box->top - 2),
                                   qRgb(0, 0, 160)));
    // Its mud box under it, in the gas track too.
    const reports::ShortReportBoxes& mud = S().shortReports.mud;
    int under = 0;
    for (int i = 0; i < mud.count; ++i) {
        const platform::RECT& m = mud.box[std::size_t(i)];
        under += m.top >= box->bottom - g.rowHeight && m.top < box->bottom + 3 * g.rowHeight && m.left >= g.gas.left &&
                 m.right <= g.gasRight;
    }
    EXPECT_EQ(under, 1);

    // A right click on it opens that report again.
    QString depth, wob;
    Dialog::QueueTestScript([&](Dialog& d) {
        depth = d.GetText(Q::IDC_DEPTH);
        wob = d.GetText(Q::IDC_WOB);
    });
    Click(QPoint(box->left + 5, (box->top + box->bottom) / 2), Qt::RightButton);
    EXPECT_EQ(depth, "2300");
    EXPECT_EQ(wob, "31");

    // Pressed with Ctrl on its top edge and let go four rows lower, it stands at 2304 in the file.
    PaintFrom(2280);
    const QPoint grab = QPoint(box->left + 10, box->top + 5) + QPoint(0, window.menuWidget()->height());
    const QPoint drop = grab + QPoint(0, 4 * g.rowHeight);
    QTest::mousePress(&window, Qt::LeftButton, Qt::ControlModifier, grab);
    QTest::mouseMove(&window, drop);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::ControlModifier, drop);
    QCoreApplication::processEvents();
    const auto moved = testing_support::FileRecords<wellfile::QREPORT>(WellFile(".qpt"));
    EXPECT_EQ(at(moved, 2300), moved.end());
    ASSERT_NE(at(moved, 2304), moved.end());
    EXPECT_STREQ(at(moved, 2304)->wob, "31");
}

// Manual, 4. Reports, "Down Time Report": the note of a depth, opened for the user, and its mark beside
// the gas track, which opens it again.
TEST_F(ManualReports, TheDownTimeReportWritesANoteOfTheDepthMarkedBesideTheGas)
{
    doubles().prompter.inputAnswers = {QStringLiteral("2450")};
    ASSERT_TRUE(steps.Choose("View", "Down Time Report"));
    ASSERT_FALSE(doubles().prompter.inputPrompts.isEmpty());
    EXPECT_EQ(doubles().prompter.inputPrompts.back(), "Enter Depth for Downtime Report");
    const QString note = WellFile("-DT@2450.txt");
    EXPECT_EQ(testing_support::ReadExistingBytes(note), "DOWNTIME REPORT at 2450 1/15/2026  8:30 AM\n");
    ASSERT_FALSE(doubles().shell.opened.isEmpty());
    EXPECT_EQ(doubles().shell.opened.back().program, note);

    doubles().shell.opened.clear();
    PaintFrom(2420);
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const auto magenta = manual::FindColour(
        window.BackingStore(), QRect(g.gas.left + g.unitWidth, Y(2450) - 2 * g.rowHeight, 4 * g.unitWidth, 2 * g.rowHeight),
        qRgb(255, 0, 255));
    ASSERT_TRUE(magenta) << "no downtime mark at 2450";
    Click(*magenta);
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, S().well.file.dataFolder + S().well.file.wellName + "-DT@2450.txt");
}
