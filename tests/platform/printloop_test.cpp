// The print loop: pages drawn while the printout has them, the abort dialog's Cancel, and a job that
// cannot be opened.
#include "platform/ui/printloop.h"

#include "platform/draw/pdfprinter.h"
#include "platform/ui/dialog.h"
#include "platform/winapi.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::TestDir;

namespace {

// Eight pages each saying its number; on `cancelOn` it presses the abort dialog's Cancel as the user would.
class NumberedPages final : public Printout {
public:
    NumberedPages(QString file, int cancelOn = 0) : Printout("StrativM"), file_(std::move(file)), cancelOn_(cancelOn) {}
    void BeginPrinting(int cx, int cy) override { size = QSize(cx, cy); }
    QString OutputFile() const override { return file_; }
    bool HasPage(int page) override { return page <= 8; }
    void PrintPage(Dc& dc, int page, const RECT& rect, unsigned) override
    {
        EXPECT_EQ(rect.right, size.width());
        dc.TextOut(20, 20, QStringLiteral("PAGE %1").arg(page));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "AbortDialog" && w->isVisible()) {
                auto* abort = static_cast<Dialog*>(w);
                pageShown = abort->GetText(IDC_ABORT_PAGE);
                deviceShown = abort->GetText(IDC_ABORT_DEVICE);
                if (page == cancelOn_)
                    abort->Click(IDCANCEL);
            }
        ++drawn;
    }
    void EndPrinting() override { ++ended; }

    QSize size;
    int drawn = 0, ended = 0;
    QString pageShown, deviceShown;

private:
    QString file_;
    int cancelOn_;
};

PdfPrinter SmallPrinter()
{
    PrinterDescription d = PdfPrinterDescription();
    d.dpi = 50;
    d.page = {QSizeF(4, 3) * kPointsPerInch, QMarginsF()};
    return PdfPrinter(d);
}

}  // namespace

TEST(PrintLoop, EveryPageIsDrawnAndTheAbortDialogFollowsThem)
{
    PdfPrinter printer = SmallPrinter();
    NumberedPages pages(TestDir() + "log.pdf");
    ASSERT_TRUE(PrintJobWithAbortDialog(printer, pages, nullptr, TestDir()));
    EXPECT_EQ(pages.size, QSize(200, 150));
    EXPECT_EQ(pages.drawn, 8);
    EXPECT_EQ(pages.ended, 1);
    EXPECT_EQ(pages.pageShown, "Page 8");
    EXPECT_EQ(pages.deviceShown, printer.Info().deviceName);
    EXPECT_EQ(testing_support::PdfPageCount(TestDir() + "log.pdf"), 8);
    EXPECT_TRUE(testing_support::PdfText(TestDir() + "log.pdf").contains("PAGE 8"));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "AbortDialog" && w->isVisible());
}

TEST(PrintLoop, CancelEndsTheJobAfterThePageInHand)
{
    PdfPrinter printer = SmallPrinter();
    NumberedPages pages(TestDir() + "log.pdf", 2);
    ASSERT_TRUE(PrintJobWithAbortDialog(printer, pages, nullptr, TestDir()));
    EXPECT_EQ(pages.drawn, 2);
    EXPECT_EQ(pages.ended, 1);
    const QString file = TestDir() + "log.pdf";
    EXPECT_EQ(testing_support::PdfPageCount(file), 2);
    EXPECT_TRUE(testing_support::PdfText(file).contains("PAGE 2"));
}

TEST(PrintLoop, FileThatCannotBeMadeIsReportedAndNothingIsDrawn)
{
    PdfPrinter printer = SmallPrinter();
    const QString file = TestDir() + "missing/sendfile/log.pdf";
    NumberedPages pages(file);
    EXPECT_FALSE(PrintJobWithAbortDialog(printer, pages, nullptr, TestDir()));
    EXPECT_EQ(pages.drawn, 0);
    EXPECT_EQ(pages.ended, 1);
    ASSERT_EQ(testing_support::doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(testing_support::doubles().prompter.messages[0].text.contains(file));
}
