// The demo well printed by the window's print command to the PDF printer (300 dpi, US fan-fold 14 7/8 x
// 11 in, no unprintable edge), the pages read back: the words where pdftotext places them, the pixels of
// the rasterised page.
#include "app/commandids.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

using testing_support::PdfWord;

namespace {

class PrintedLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }

    // File > Print from `start` to `end`, the set-up otherwise as `change` leaves it; the PDF written.
    QString Print(int start, int end, const std::function<void(platform::Dialog&)>& change = {})
    {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            if (change)
                change(d);
            d.SetText(print::setupid::StartDepth, QString::number(start));
            d.SetText(print::setupid::EndDepth, QString::number(end));
            d.Click(platform::IDOK);
        });
        window.EvCommand(app::cmd::Print);
        const auto& said = testing_support::doubles().prompter.messages;
        const QString text = said.isEmpty() ? QString() : said.back().text;
        return text.endsWith(QLatin1String("\" written")) ? text.mid(1, text.size() - 10) : QString();
    }

    LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(PrintedLog, TheRestsPageSetsEachBoxApartInsideThePage)
{
    // The rows end at 1802: the report at 1800 (its mud box under its drilling-parameter box, both in the
    // same slot) goes on on a page of its own after the log.
    const QString pdf = Print(1000, 1802);
    ASSERT_FALSE(pdf.isEmpty());
    const int pages = testing_support::PdfPageCount(pdf);
    const QSizeF paper = testing_support::PdfPageSize(pdf);
    std::vector<PdfWord> rests;
    QStringList text;
    for (const PdfWord& w : testing_support::PdfWords(pdf)) {
        if (w.page == pages) {
            rests.push_back(w);
            text << w.text;
        }
    }
    // Both boxes read whole and once, as on the log.
    EXPECT_EQ(text.count("CHL"), 1);
    EXPECT_EQ(text.count("SPM"), 1);
    for (const char* line : {"WOB 18", "RPM 110", "PP 2350", "SPM 110", "WT IN 1.14", "WT OUT 1.15", "VIS 45",
                             "CHL 12000", "PV 18"})
        EXPECT_TRUE(text.join(' ').contains(QLatin1String(line))) << line << " in " << text.join(' ').toStdString();
    // Every word on the paper, and no two printed over each other.
    constexpr double kTouch = 0.3;
    for (std::size_t i = 0; i < rests.size(); ++i) {
        const PdfWord& a = rests[i];
        EXPECT_TRUE(a.xMin >= 0 && a.yMin >= 0 && a.xMax <= paper.width() && a.yMax <= paper.height())
            << a.text.toStdString() << " at " << a.xMin << "," << a.yMin;
        for (std::size_t j = i + 1; j < rests.size(); ++j) {
            const PdfWord& b = rests[j];
            const bool apart = a.xMax <= b.xMin + kTouch || b.xMax <= a.xMin + kTouch || a.yMax <= b.yMin + kTouch ||
                               b.yMax <= a.yMin + kTouch;
            EXPECT_TRUE(apart) << a.text.toStdString() << " over " << b.text.toStdString() << " at " << b.xMin << ","
                               << b.yMin;
        }
    }
}
