// The short reports printed with the log by the print command to a PDF: no line of a box is printed
// twice, and a box cut at a page's foot goes on at the top of the next page.
#include "print/ui/printwindowservices.h"

#include "app/logstate.h"
#include "logview/draw/viewpainters.h"
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

using reports::QREPORT;

TEST(ShortReportPrint, EveryLineIsPrintedOnceAndACutBoxGoesOnOnTheNextPage)
{
    platform::PrinterDescription printer = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
    printer.outputFile.clear();
    testing_support::doubles().printers.defaultPrinter = printer;
    auto state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    ASSERT_TRUE(testing_support::OpenDemoView(s));
    logview::ViewPainters painters;
    painters.trackState = &s.trackPainters;
    painters.shortReports = [&s] { return &s.shortReports; };
    s.view.painters = &painters;

    // Drilling-parameter boxes of four lines every ten depth units, each line's value unique. The pages
    // end at 1104, 1244, 1384 ...: the boxes at 1103, 1243 ... reach over a page's foot.
    std::vector<QREPORT> list;
    for (std::int32_t depth = 1053; depth < 1900; depth += 10) {
        QREPORT r;
        r.number = std::int32_t(list.size() + 1);
        r.depth = depth;
        r.type = 2;
        r.mechanicalSlot = 1;
        r.mechanicalFrame = 1;
        r.slotsConverted = 1;
        std::snprintf(r.wob, sizeof r.wob, "W%d", depth);
        std::snprintf(r.rpm, sizeof r.rpm, "R%d", depth);
        std::snprintf(r.pumpPressure, sizeof r.pumpPressure, "P%d", depth);
        std::snprintf(r.spm, sizeof r.spm, "S%d", depth);
        list.push_back(r);
    }
    const QString qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
    testing_support::WriteRecords(qpt, list);
    reports::LoadShortReports(s);
    const QByteArray written = testing_support::ReadBytes(qpt);
    ASSERT_EQ(s.shortReports.reports.size(), list.size());

    print::PrintWindowServices services{nullptr, print::DefaultPrintServices()};
    s.print.scaleKind = 1;
    services.runPrintSetup = [](app::LogState& log, print::PRINTCFG& cfg) {
        const int go = testing_support::PressPrintInSetup(log, cfg);
        cfg.startDepth = 1000;
        cfg.endDepth = 1900;
        return go;
    };
    const QString pdf = s.well.file.dataFolder + "sendfile/" + s.well.file.wellName + "@1900-5inch.pdf";
    services.CmPrint(s);
    ASSERT_GE(testing_support::PdfPageCount(pdf), 3);

    std::map<QString, std::vector<int>> pages;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
        if (w.text.size() == 5 && QString("WRPS").contains(w.text[0]))
            pages[w.text].push_back(w.page);
    // A box cut at a page's foot: its last lines on the next page (its first ones may be off the paper).
    int goneOn = 0;
    for (const QREPORT& r : list) {
        const QString depth = QString::number(std::int32_t(r.depth));
        for (const char* key : {"W", "R", "P", "S"})
            EXPECT_LE(pages[key + depth].size(), 1u) << key << depth.toStdString();
        const auto& first = pages["W" + depth];
        const auto& last = pages["S" + depth];
        if (!last.empty() && (first.empty() || first[0] + 1 == last[0]))
            ++goneOn;
    }
    EXPECT_GE(goneOn, 1);
    // The file is as it was written.
    EXPECT_EQ(testing_support::ReadBytes(qpt), written);
    s.view.painters = nullptr;
}
