// The short reports printed with the log by the print command to a PDF: every line of every box is
// printed, no drilling-parameter line twice, and a box cut at a page's foot goes on at the top of the
// next page.
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

TEST(ShortReportPrint, EveryLineIsPrintedAndACutBoxGoesOnOnTheNextPage)
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

    // A report every five depth units, each line's value unique ("W1053"): drilling-parameter boxes of
    // six lines in two columns, so that a page's foot may cut two at once, and every second report with a
    // mud box of six lines in a third. The pages' rows end at 1104, 1244, 1384 ..., a little
    // below the paper's foot.
    std::vector<QREPORT> list;
    for (std::int32_t depth = 1053; depth < 1880; depth += 5) {
        const bool mud = list.size() % 2 == 0;
        QREPORT r;
        r.number = std::int32_t(list.size() + 1);
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
    const QString qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
    testing_support::WriteRecords(qpt, list);
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
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
        if (w.text.size() == 5 && w.text[0].isUpper() && w.text.mid(1).toInt() > 1000)
            pages[w.text].push_back(w.page);
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
    s.view.painters = nullptr;
}
