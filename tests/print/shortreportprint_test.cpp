// The short reports printed with the log by the print command to a PDF: every line of every box is
// printed, no drilling-parameter line twice, a box cut at a page's foot goes on at the top of the next
// page, and the run's last page keeps its boxes whole (or a page after it takes their rest). The print
// says where its file went.
#include "print/ui/printwindowservices.h"

#include "app/logstate.h"
#include "shell/draw/viewpainters.h"
#include "print/printrecords.h"
#include "reports/shortreports.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

using wellfile::QREPORT;

namespace {

// The demo well's log printed by the print command on continuous paper 15 x 11 in to a PDF, with
// the short reports it is given.
class ShortReportPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterDescription printer = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
        printer.outputFile.clear();
        testing_support::doubles().printers.defaultPrinter = printer;
        ASSERT_TRUE(testing_support::OpenDemoView(s));
        painters.trackState = &s.trackPainters;
        painters.shortReports = [this] { return &s.shortReports; };
        s.view.painters = &painters;
    }
    void TearDown() override { s.view.painters = nullptr; }

    // A drilling-parameter report at `depth` whose six lines read W, R, P, S, C, D and the depth.
    static QREPORT Mechanical(std::int32_t depth, std::int32_t slot)
    {
        QREPORT r;
        r.depth = depth;
        r.type = 2;
        r.mechanicalSlot = slot;
        r.mudSlot = 12;
        r.mechanicalFrame = r.mudFrame = 1;
        r.slotsConverted = 1;
        const std::pair<char*, char> values[] = {{r.wob, 'W'}, {r.rpm, 'R'}, {r.pumpPressure, 'P'}, {r.spm, 'S'}};
        for (auto [field, key] : values)
            std::snprintf(field, 10, "%c%d", key, depth);
        std::snprintf(r.mechanicalCustom1, 20, "C%d", depth);
        std::snprintf(r.mechanicalCustom2, 20, "D%d", depth);
        return r;
    }
    void WriteReports(std::vector<QREPORT>& list)
    {
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i].number = std::int32_t(i + 1);
        qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
        testing_support::WriteRecords(qpt, list);
        reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
        ASSERT_EQ(s.shortReports.reports.size(), list.size());
    }
    // Prints `start` to `end` on the five-inch scale; the PDF's name.
    QString Print(std::int32_t start, std::int32_t end)
    {
        print::PrintWindowServices services{nullptr, print::DefaultPrintServices()};
        s.print.scaleKind = 1;
        services.runPrintSetup = [=](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = testing_support::PressPrintInSetup(log, cfg);
            cfg.startDepth = start;
            cfg.endDepth = end;
            return go;
        };
        services.CmPrint(s);
        return s.well.file.dataFolder + "sendfile/" + s.well.file.wellName + QString("@%1-5inch.pdf").arg(end);
    }
    // The pages of each word that reads a capital and a depth ("W1053").
    static std::map<QString, std::vector<int>> LinePages(const QString& pdf)
    {
        std::map<QString, std::vector<int>> pages;
        for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
            if (w.text.size() == 5 && w.text[0].isUpper() && w.text.mid(1).toInt() > 1000)
                pages[w.text].push_back(w.page);
        return pages;
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    shell::ViewPainters painters;
    QString qpt;
};

}  // namespace

TEST_F(ShortReportPrint, EveryLineIsPrintedAndACutBoxGoesOnOnTheNextPage)
{
    // A report every five depth units, each line's value unique ("W1053"): drilling-parameter boxes of
    // six lines in two columns, so that a page's foot may cut two at once, and every second report with a
    // mud box of six lines in a third. The pages' rows end at 1099, 1235, 1371 ..., at the
    // paper's foot.
    std::vector<QREPORT> list;
    for (std::int32_t depth = 1053; depth < 1880; depth += 5) {
        const bool mud = list.size() % 2 == 0;
        QREPORT r;
        r.depth = depth;
        r.type = mud ? 0 : 2;
        r.mechanicalSlot = mud ? 1 : 6;
        r.mudSlot = 12;
        r.mechanicalFrame = r.mudFrame = 1;
        r.slotsConverted = 1;
        const std::pair<char*, char> values[] = {{r.wob, 'W'},       {r.rpm, 'R'}, {r.pumpPressure, 'P'},
                                                 {r.spm, 'S'},       {r.weightIn, 'I'}, {r.weightOut, 'O'},
                                                 {r.vis, 'V'},       {r.ph, 'H'},  {r.chlorides, 'L'}};
        for (auto [field, key] : values)
            std::snprintf(field, 10, "%c%d", key, depth);
        std::snprintf(r.mechanicalCustom1, 20, "C%d", depth);
        std::snprintf(r.mechanicalCustom2, 20, "D%d", depth);
        std::snprintf(r.mudCustom1, 20, "M%d", depth);
        list.push_back(r);
    }
    WriteReports(list);
    const QByteArray written = testing_support::ReadBytes(qpt);

    const QString pdf = Print(1000, 1900);
    ASSERT_GE(testing_support::PdfPageCount(pdf), 3);
    std::map<QString, std::vector<int>> pages = LinePages(pdf);
    // Every line printed, a drilling-parameter line once; a box cut at a page's foot goes on at the top
    // of the next page.
    int goneOn = 0;
    for (const QREPORT& r : list) {
        const QString depth = QString::number(std::int32_t(r.depth));
        for (const char* key : {"W", "R", "P", "S", "C", "D"})
            EXPECT_EQ(pages[key + depth].size(), 1u) << key << depth.toStdString();
        for (const char* key : {"I", "O", "V", "H", "L", "M"})
            EXPECT_EQ(pages[key + depth].empty(), r.type == 2) << key << depth.toStdString();
        const auto& first = pages["W" + depth];
        const auto& last = pages["D" + depth];
        if (!first.empty() && !last.empty() && first[0] + 1 == last[0])
            ++goneOn;
    }
    EXPECT_GE(goneOn, 2);
    // The file is as it was written.
    EXPECT_EQ(testing_support::ReadBytes(qpt), written);
}

TEST_F(ShortReportPrint, TheLastPageKeepsItsBoxesWholeAndThePrintSaysWhereItWent)
{
    // A box that runs below the run's last row goes on down the last page.
    std::vector<QREPORT> list{Mechanical(1898, 6)};
    WriteReports(list);
    QString pdf = Print(1000, 1900);
    const auto& said = testing_support::doubles().prompter.messages;
    EXPECT_EQ(said.isEmpty() ? QString() : said.back().text, "\"" + pdf + "\" written");
    EXPECT_EQ(testing_support::PdfPageSize(pdf), QSizeF(1080, 792));  // the log keeps its paper
    int pages = testing_support::PdfPageCount(pdf);
    std::map<QString, std::vector<int>> lines = LinePages(pdf);
    for (const char* key : {"W", "R", "P", "S", "C", "D"})
        EXPECT_EQ(lines[key + QStringLiteral("1898")], std::vector<int>{pages}) << key;

    // A last page whose rows end at the paper's foot (the second page holds rows to 1235): the rest of a
    // box there goes on at the top of a page of its own.
    list = {Mechanical(1230, 6), Mechanical(1232, 1)};
    WriteReports(list);
    pdf = Print(1000, 1234);
    EXPECT_EQ(testing_support::PdfPageCount(pdf), 3);
    lines = LinePages(pdf);
    for (const char* depth : {"1230", "1232"})
        for (const char* key : {"W", "R", "P", "S", "C", "D"})
            EXPECT_EQ(lines[key + QString(depth)].size(), 1u) << key << depth;
    EXPECT_EQ(lines["W1232"], std::vector<int>{2});
    EXPECT_EQ(lines["D1232"], std::vector<int>{3});
}
