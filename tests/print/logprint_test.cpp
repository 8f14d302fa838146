// The print command end to end: the demo well (1000-2600, profile 12) printed on a 15 x 11 in page at
// 300 dpi with no margins (4500 x 3300 px, row height 24, column unit 30) by a PDF printer, the pages
// counted in the file it writes.
#include "print/ui/printwindowservices.h"

#include "app/logstate.h"
#include "demo/demowell.h"
#include "platform/ui/dialog.h"
#include "platform/ui/printloop.h"
#include "platform/winapi.h"
#include "print/printcommand.h"
#include "print/printer_commands.h"
#include "print/printrecords.h"
#include "print/ui/listpagesof.h"
#include "print/ui/logpages.h"
#include "print/ui/logprintout.h"
#include "print/ui/printheaderof.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"
#include "app/opendatafile.h"
#include "wellfile/wellconfig.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

// What a page painter saw of one page.
struct SeenPage {
    int page = 0;
    int firstDepth = 0, depthBefore = 0;
    int rowsPerPage = 0, endDepth = 0;
    int rowHeight = 0, columnUnit = 0, scaleKind = 0;
    int printBottomDepth = 0;
    bool fullHeader = false, headerOnly = false;
};

platform::PrinterDescription PdfTestPrinter(int dpi, QSizeF inches)
{
    platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", dpi, inches);
    d.outputFile.clear();  // the job names its file
    return d;
}

std::int32_t Int32At(const QByteArray& bytes, int offset)
{
    std::int32_t v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

float FloatAt(const QByteArray& bytes, int offset)
{
    float v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

class LogPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        doubles().printers.defaultPrinter = PdfTestPrinter(300, {15, 11});
        services.painters.logPage = [this](platform::Dc&, const LogPage& p) {
            SeenPage seen;
            seen.page = p.page;
            seen.headerOnly = p.headerOnly;
            seen.fullHeader = p.settings->fullHeader != 0;
            if (p.records) {
                seen.firstDepth = p.records[0].depth;
                seen.depthBefore = p.records[-1].depth;
            }
            seen.rowsPerPage = p.rowsPerPage;
            seen.endDepth = p.endDepth;
            seen.rowHeight = s.print.rowHeight;
            seen.columnUnit = s.print.columnUnit;
            seen.scaleKind = p.scaleKind;
            seen.printBottomDepth = s.print.printBottomDepth;
            pages.push_back(seen);
            if (onPage)
                onPage(p);
            return p.rowsPerPage * (p.scaleKind == 3 ? 5 : 1);
        };
    }

    bool OpenDemo() { return testing_support::OpenDemoView(s); }
    bool OpenWell(const QString& name, int first, int last)
    {
        return testing_support::OpenView(s, testing_support::MakeWell(TestDir() + "wells/", name + ".svm", first, last));
    }

    // The user asks for start-end at the window's scale kind `kind`.
    void Ask(int start, int end, int kind = 1, bool fullHeader = true)
    {
        s.print.scaleKind = kind;
        services.runPrintSetup = [=, this](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = testing_support::PressPrintInSetup(log, cfg, inSetup);
            cfg.startDepth = start;
            cfg.endDepth = end;
            cfg.fullHeader = fullHeader;
            return go;
        };
    }

    QString SendFolder() const { return s.well.file.dataFolder + "sendfile/"; }
    QString Pdf(int end, const char* suffix = "-5inch") const
    {
        return SendFolder() + s.well.file.wellName + QStringLiteral("@%1%2.pdf").arg(end).arg(QLatin1String(suffix));
    }
    // Prints and gives the page count of `pdf` (-1 when there is no such file).
    int PrintedPages(const QString& pdf)
    {
        QFile::remove(pdf);
        pages.clear();
        services.CmPrint(s);
        return QFile::exists(pdf) ? testing_support::PdfPageCount(pdf) : -1;
    }
    QString ConfigPath() const { return wellfile::OwnConfigPath(app::PlaceOf(s), s.well.fieldSettings); }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    PrintWindowServices services{nullptr, DefaultPrintServices()};
    std::vector<SeenPage> pages;
    std::function<void(const LogPage&)> onPage;
    // What the user does in the print set-up before pressing "Print".
    std::function<void(platform::Dialog&)> inSetup;
};

// Presses Cancel in the abort dialog, as the user would.
void CancelPrinting()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "AbortDialog" && w->isVisible())
            static_cast<platform::Dialog*>(w)->Click(platform::IDCANCEL);
}

void WriteDsts(const QString& path, int count)
{
    std::vector<wellfile::DSTREPORT> dsts(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::snprintf(dsts[std::size_t(i)].number, 80, "%d", i + 1);
        std::snprintf(dsts[std::size_t(i)].fromDepth, 80, "%d", 1100 + 100 * i);
    }
    testing_support::WriteRecords(path, dsts);
}

}  // namespace

TEST_F(LogPrint, LogRunWritesItsPdfSettingsAndLastDescribedDepth)
{
    ASSERT_TRUE(OpenDemo());
    const QByteArray configBefore = testing_support::ReadBytes(ConfigPath());
    ASSERT_EQ(configBefore.size(), int(sizeof(wellfile::WellConfig)));
    Ask(1000, 2000);
    onPage = [](const LogPage& p) { p.settings->lastDescribedDepth = 1990; };

    EXPECT_EQ(PrintedPages(Pdf(2000)), 8);
    ASSERT_EQ(pages.size(), 8u);
    EXPECT_EQ(QDir(SendFolder()).entryList({"*.pdf"}, QDir::Files), QStringList{"elogdemo@2000-5inch.pdf"});
    EXPECT_EQ(QDir(s.well.file.dataFolder).entryList({"*.pdf"}, QDir::Files), QStringList{});
    // The record at the start depth comes before the first row; each page moves on a page's rows.
    EXPECT_EQ(pages[0].depthBefore, 1002);
    EXPECT_EQ(pages[1].firstDepth, 1003 + 136);
    EXPECT_TRUE(pages[0].fullHeader);
    EXPECT_FALSE(pages[1].fullHeader);
    for (const SeenPage& p : pages) {
        EXPECT_EQ(p.rowsPerPage, 136);
        EXPECT_EQ(p.rowHeight, 24);
        EXPECT_EQ(p.columnUnit, 22);  // three quarters of the column unit
        EXPECT_EQ(p.endDepth, 2000);
    }

    const QByteArray pfg = testing_support::ReadBytes(s.well.file.dataFolder + "strativ.pfg");
    ASSERT_EQ(pfg.size(), 250);
    EXPECT_EQ(Int32At(pfg, 80), 1000);
    EXPECT_EQ(Int32At(pfg, 84), 2000);
    EXPECT_EQ(Int32At(pfg, 88), 1);
    EXPECT_EQ(Int32At(pfg, 100), 0);  // the header is printed once
    EXPECT_EQ(Int32At(pfg, 104), 0);
    EXPECT_EQ(Int32At(pfg, 132), 0);
    EXPECT_EQ(Int32At(pfg, 136), 1990);
    EXPECT_FLOAT_EQ(FloatAt(pfg, 228), 13.75f);
    EXPECT_FLOAT_EQ(FloatAt(pfg, 232), 18.75f);
    EXPECT_EQ(Int32At(pfg, 236), 24);
    EXPECT_EQ(Int32At(pfg, 240), 30);
    for (int i : {0, 79, 108, 119, 140, 219, 244, 247, 249})
        EXPECT_EQ(pfg[i], 0) << i;

    const QByteArray configAfter = testing_support::ReadBytes(ConfigPath());
    ASSERT_EQ(configAfter.size(), configBefore.size());
    for (int i = 0; i < configAfter.size(); ++i) {
        if (i < 3378 || i > 3381) {
            ASSERT_EQ(configAfter[i], configBefore[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(Int32At(configAfter, 3378), 1990);

    // The printer is kept for the next print; the window has its values back.
    EXPECT_NE(s.print.printer, nullptr);
    EXPECT_FALSE(s.print.printingLog);
    EXPECT_EQ(s.print.rowHeight, 24);
    EXPECT_EQ(s.print.columnUnit, 30);
    EXPECT_EQ(s.print.printBottomDepth, 2600);

    // The next print offers to start where this one's description ended.
    s.print.scaleKind = 1;
    services.runPrintSetup = [](app::LogState& log, wellfile::PRINTCFG& cfg) {
        EXPECT_EQ(cfg.startDepth, 1990);
        return testing_support::PressPrintInSetup(log, cfg);
    };
    // Five pages of 136 rows hold the 610 rows; no sixth page is started for the header these pages
    // do not draw.
    EXPECT_EQ(PrintedPages(Pdf(2600)), 5);
    EXPECT_EQ(pages[0].depthBefore, 1990);
}

TEST_F(LogPrint, PageCountsFollowTheRangeHeaderScaleAndExtraPages)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2100, 1, false);
    // Eight page lengths, but the 1,098 rows from 1003 take a ninth page rather than being left out.
    EXPECT_EQ(PrintedPages(Pdf(2100)), 9);
    Ask(1000, 2100, 1, true);
    EXPECT_EQ(PrintedPages(Pdf(2100)), 9);

    // These pages draw no header: two pages of 137 ten-foot rows hold the range.
    Ask(1003, 1997, 3, true);
    EXPECT_EQ(PrintedPages(Pdf(1990, "-1inch")), 2);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].rowsPerPage, 137);
    EXPECT_EQ(pages[0].depthBefore, 1010);  // 1010 and the five before it precede the first row
    EXPECT_EQ(pages[0].endDepth, 1990);
    Ask(1003, 1997, 3, false);
    EXPECT_EQ(PrintedPages(Pdf(1990, "-1inch")), 2);
    EXPECT_EQ(s.print.scaleKind, 3);  // the window's scale is given back

    Ask(1000, 2000);
    s.print.dataAsText = true;
    services.runPrintSetup = [inner = services.runPrintSetup](app::LogState& log, wellfile::PRINTCFG& cfg) {
        const int go = inner(log, cfg);
        log.print.dataAsText = true;
        return go;
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 7);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].rowsPerPage, 164);

    // With the DST option the reports follow the log, two a page.
    WriteDsts(s.well.file.currentFolder + "elogdemo.dst", 3);
    Ask(1000, 2000);
    inSetup = [](platform::Dialog& d) { d.Click(setupid::PrintDsts); };
    std::vector<int> dstFirsts;
    services.painters.dstPage = [&dstFirsts](platform::Dc&, std::span<const wellfile::DSTREPORT> reports, int first) {
        EXPECT_EQ(reports.size(), 4u);  // the file and a zeroed record ending the list
        EXPECT_EQ(reports.back().fromDepth[0], '\0');
        dstFirsts.push_back(first);
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 10);
    EXPECT_EQ(dstFirsts, (std::vector<int>{0, 2}));
    EXPECT_EQ(pages.size(), 8u);
}

TEST_F(LogPrint, DstReportsMakeAPageForEveryTwo)
{
    ASSERT_TRUE(OpenDemo());
    const QString dst = s.well.file.currentFolder + "elogdemo.dst";
    int dstPages = 0;
    services.painters.dstPage = [&dstPages](platform::Dc&, std::span<const wellfile::DSTREPORT>, int) { ++dstPages; };
    for (auto [reports, expected] : {std::pair{1, 1}, {3, 2}, {5, 3}, {0, 0}, {-1, 0}}) {
        if (reports < 0)
            QFile::remove(dst);
        else
            WriteDsts(dst, reports);
        Ask(1000, 2000, 1, false);
        inSetup = [](platform::Dialog& d) { d.Click(setupid::PrintDsts); };
        dstPages = 0;
        // The log keeps all its pages whatever the reports add.
        EXPECT_EQ(PrintedPages(Pdf(2000)), 8 + expected) << reports;
        EXPECT_EQ(pages.size(), 8u) << reports;
        EXPECT_EQ(dstPages, expected) << reports;
    }
}

TEST_F(LogPrint, RangeAskedIsRoundedToWhatTheFileHolds)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2001);
    PrintedPages(Pdf(2000));
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].endDepth, 2000);

    // An end at or above the start prints 150 on, no deeper than the file's last depth.
    Ask(2000, 1900);
    PrintedPages(Pdf(2150));
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].endDepth, 2150);
    Ask(2500, 2500);
    PrintedPages(Pdf(2600));
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].endDepth, 2600);

    Ask(500, 1500);
    PrintedPages(Pdf(1500));
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].depthBefore, 1002);
}

TEST_F(LogPrint, PageClassPagesForceTheHeaderAndTheirMarginSteps)
{
    ASSERT_TRUE(OpenDemo());
    std::array<int, 5> offsets{};
    onPage = [this, &offsets](const LogPage&) { offsets = s.print.margins.yOffsets; };
    struct Case {
        double inches;
        bool twoAndHalf;
        std::array<int, 5> offsets;
    };
    // 3072 and 6144 px at 96 dpi are 32 and 64 in.
    for (const Case& c : {Case{32, false, {0, 12, 24, 6, 18}}, Case{64, false, {0, 24, 48, 12, 36}},
                          Case{32, true, {0, 6, 12, 3, 9}}}) {
        doubles().printers.defaultPrinter = PdfTestPrinter(96, {15, c.inches});
        s.print.printer.reset();
        Ask(1000, 2000, 1, false);
        s.print.twoAndHalfInch = c.twoAndHalf;
        services.runPrintSetup = [inner = services.runPrintSetup](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = inner(log, cfg);
            cfg.twoAndHalfInch = log.print.twoAndHalfInch;
            return go;
        };
        EXPECT_GT(PrintedPages(Pdf(2000)), 0) << c.inches;
        ASSERT_FALSE(pages.empty());
        EXPECT_TRUE(pages[0].fullHeader) << c.inches;
        EXPECT_EQ(offsets, c.offsets) << c.inches;
    }
}

TEST_F(LogPrint, TwoAndAHalfInchHalvesTheRowsForTheRunOnly)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2000, 3);
    s.print.twoAndHalfInch = true;
    services.runPrintSetup = [inner = services.runPrintSetup](app::LogState& log, wellfile::PRINTCFG& cfg) {
        const int go = inner(log, cfg);
        EXPECT_EQ(cfg.twoAndHalfInch, 1);
        return go;
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 8);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].scaleKind, 2);
    EXPECT_EQ(pages[0].rowHeight, 12);
    EXPECT_EQ(pages[0].columnUnit, 11);  // 15, drawn at three quarters
    EXPECT_EQ(pages[0].rowsPerPage, 136);
    const QByteArray pfg = testing_support::ReadBytes(s.well.file.dataFolder + "strativ.pfg");
    ASSERT_EQ(pfg.size(), 250);
    EXPECT_EQ(Int32At(pfg, 224), 1);
    EXPECT_FLOAT_EQ(FloatAt(pfg, 228), 13.75f);
    EXPECT_EQ(Int32At(pfg, 236), 24);
    EXPECT_EQ(Int32At(pfg, 240), 30);
    EXPECT_FALSE(s.print.twoAndHalfInch);
    EXPECT_EQ(s.print.scaleKind, 3);
    EXPECT_EQ(s.print.rowHeight, 24);
}

TEST_F(LogPrint, RunPastTheLastDepthPrintsBlankRowsAndGivesTheBottomBack)
{
    ASSERT_TRUE(OpenWell("W1", 1000, 1990));
    Ask(1900, 2000);
    std::vector<wellfile::RECORD> tail;
    onPage = [&tail](const LogPage& p) {
        for (std::size_t i = 0; i < p.available && p.records[i].depth != 0; ++i)
            if (p.records[i].depth >= 1990)
                tail.push_back(p.records[i]);
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 1);  // the one page holds the range
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].printBottomDepth, 2000);
    EXPECT_EQ(s.print.printBottomDepth, 1990);
    ASSERT_EQ(tail.size(), 6u);
    const wellfile::RECORD& last = tail[0];
    for (std::size_t i = 1; i < tail.size(); ++i) {
        const wellfile::RECORD& r = tail[i];
        EXPECT_EQ(r.depth, 1990 + 2 * int(i));
        EXPECT_FLOAT_EQ(r.rateOdd, 0.1f);
        EXPECT_FLOAT_EQ(r.rateOne, 0.1f);
        EXPECT_FLOAT_EQ(r.rate2Ft, 0.1f);
        EXPECT_EQ(r.minutesScale, last.minutesScale);
        EXPECT_EQ(r.gasScale, last.gasScale);
        EXPECT_EQ(r.temperatureScale, last.temperatureScale);
        EXPECT_EQ(r.chromatographScale, last.chromatographScale);
        EXPECT_EQ(r.gas[0], 0.0f);
    }
}

TEST_F(LogPrint, PdfIsNamedAfterTheWellItsEndAndItsScale)
{
    ASSERT_TRUE(OpenWell("W1", 1000, 4000));
    // A wide continuous-paper printer that writes PDF files.
    doubles().printers.defaultPrinter = PdfTestPrinter(300, {15, 11});
    doubles().printers.defaultPrinter->deviceName = "EPSON Stylus 1000 ESC/P 2 pdf";
    doubles().printers.defaultPrinter->port = "LPT1";
    Ask(3000, 4000, 2);
    EXPECT_EQ(PrintedPages(SendFolder() + "W1@4000-5inch.pdf"), 8);
    Ask(3000, 4000, 3);
    EXPECT_GT(PrintedPages(SendFolder() + "W1@4000-1inch.pdf"), 0);
    EXPECT_EQ(QDir(SendFolder()).entryList({"*.pdf"}, QDir::Files),
              (QStringList{"W1@4000-1inch.pdf", "W1@4000-5inch.pdf"}));
    const QByteArray pfg = testing_support::ReadBytes(s.well.file.dataFolder + "strativ.pfg");
    ASSERT_EQ(pfg.size(), 250);
    EXPECT_EQ(Int32At(pfg, 88), 3);
    EXPECT_EQ(Int32At(pfg, 132), 1);
}

TEST_F(LogPrint, CancelKeepsThePagesPrintedAndEndsTheRun)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2000);
    onPage = [](const LogPage& p) {
        if (p.page == 2)
            CancelPrinting();
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 2);
    EXPECT_EQ(pages.size(), 2u);
    EXPECT_FALSE(s.print.printingLog);
    EXPECT_EQ(s.print.printBottomDepth, 2600);
    for (const auto& font : s.print.fonts)
        EXPECT_FALSE(font.has_value());
    for (const auto& pen : s.print.pens)
        EXPECT_FALSE(pen.has_value());
    EXPECT_EQ(s.customTracks.printData, nullptr);
}

TEST_F(LogPrint, HeaderAndTopsRunsPrintOnePageAndReleaseThePrinter)
{
    ASSERT_TRUE(OpenDemo());
    const QString file = s.well.file.dataFolder + "StrativM.pdf";
    int tops = 0;
    services.painters.topsPage = [&tops](platform::Dc&, std::size_t) {
        ++tops;
        return std::size_t(0);
    };
    services.runPrintSetup = [](app::LogState&, wellfile::PRINTCFG&) {
        ADD_FAILURE() << "no set-up for a header or tops page";
        return 0;
    };

    // The window's scale, line styles and rate units stay the screen's.
    s.print.scaleKind = 2;
    s.well.config.rateLineStyle = 1;
    s.well.config.gasLineStyle = 1;
    s.view.rateInMetresPerHour = 1;
    s.print.headerOnly = true;
    EXPECT_EQ(PrintedPages(file), 1);
    EXPECT_EQ(s.print.scaleKind, 2);
    EXPECT_EQ(s.well.config.rateLineStyle, 1);
    EXPECT_EQ(s.well.config.gasLineStyle, 1);
    EXPECT_EQ(s.view.rateInMetresPerHour, 1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].headerOnly);
    EXPECT_TRUE(pages[0].fullHeader);
    EXPECT_EQ(s.print.printer, nullptr);
    EXPECT_FALSE(s.print.headerOnly);

    s.print.topsPage = true;
    EXPECT_EQ(PrintedPages(file), 1);
    EXPECT_EQ(tops, 1);
    EXPECT_TRUE(pages.empty());
    EXPECT_EQ(s.print.printer, nullptr);
    EXPECT_FALSE(s.print.topsPage);
    EXPECT_EQ(doubles().printers.made, 2);
    EXPECT_FALSE(QFile::exists(s.well.file.dataFolder + "strativ.pfg"));
}

TEST_F(LogPrint, WithoutAPrinterNothingIsPrinted)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2000);
    auto& messages = doubles().prompter.messages;

    doubles().printers.defaultPrinter.reset();
    EXPECT_EQ(PrintedPages(Pdf(2000)), -1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, " Error Communicating With Printer");
    EXPECT_EQ(messages[0].caption, "Printer Error");

    EXPECT_TRUE(pages.empty());
}

// A log laid out narrower than 10 px, or custom tracks wider than the paper however they are squeezed.
TEST_F(LogPrint, LayoutThatDoesNotFitPrintsNoPages)
{
    ASSERT_TRUE(OpenDemo());
    auto& messages = doubles().prompter.messages;
    s.print.pdfPrinter = true;
    s.print.rowHeight = 24;
    s.print.columnUnit = 30;
    struct Case {
        int width;
        const char* text;
        const char* caption;
    };
    for (const Case& c : {Case{9, "Width calculation error", "Print Error"},
                          Case{6000,
                               "Print out is too wide to fit on this paperTry removing one or more grids, or use a "
                               "wider paper",
                               "Print Compression Warning"}}) {
        messages.clear();
        s.well.customTracksEnabled = c.width > 10;
        s.print.compression = true;
        wellfile::PRINTCFG cfg{};
        cfg.fullHeader = 1;
        LogPrintout printout("StrativM", s, PrintRunKind::Log, {1000, 2000}, cfg, services.painters);
        printout.layoutWidth = [&c](int, int) { return c.width; };
        platform::PdfPrinter printer(PdfTestPrinter(300, {15, 11}));
        EXPECT_TRUE(platform::PrintJobWithAbortDialog(printer, printout, nullptr, TestDir()));
        EXPECT_TRUE(pages.empty());
        EXPECT_FALSE(QFile::exists(Pdf(2000)));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, c.caption);
    }
}

TEST_F(LogPrint, RecordBufferThatCannotBeHadEndsTheRun)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 1002 + kMaxPrintRecords);
    const int end = 1002 + kMaxPrintRecords;
    EXPECT_EQ(PrintedPages(Pdf(end)), -1);
    EXPECT_TRUE(pages.empty());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Memory allocation error");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Printing Failure");
    EXPECT_EQ(s.print.printBottomDepth, 2600);
}

TEST_F(LogPrint, OnePrintAtATime)
{
    ASSERT_TRUE(OpenDemo());
    Ask(1000, 2000);
    onPage = [this](const LogPage& p) {
        if (p.page == 1) {
            services.CmPrint(s);
            services.CmPageSetup(s);
        }
    };
    EXPECT_EQ(PrintedPages(Pdf(2000)), 8);
    EXPECT_EQ(pages.size(), 8u);
    EXPECT_EQ(doubles().sounder.beeps, 2);
    EXPECT_EQ(doubles().printers.pageSetups, 0);
}

TEST_F(LogPrint, PdfThatCannotBeMadeLeavesTheSettingsFilesAlone)
{
    ASSERT_TRUE(OpenDemo());
    QDir(SendFolder()).removeRecursively();
    testing_support::WriteBytes(s.well.file.dataFolder + "sendfile", QByteArray("not a folder"));
    const QByteArray configBefore = testing_support::ReadBytes(ConfigPath());
    Ask(1000, 2000);
    onPage = [](const LogPage& p) { p.settings->lastDescribedDepth = 1990; };

    services.CmPrint(s);
    EXPECT_TRUE(pages.empty());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("sendfile/elogdemo@2000-5inch.pdf"));
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), configBefore);
    EXPECT_FALSE(QFile::exists(s.well.file.dataFolder + "strativ.pfg"));
    EXPECT_FALSE(s.print.printingLog);
}

// The real page painters on the demo well with its full header, ended at every 50 from 1100 to 2600:
// the run starts as many pages as it counted, each draws rows of the range (a row at a multiple of 10
// carries the depth label) and the last ends on the end depth. Drawn where nothing is kept: the
// arithmetic is what is checked here; the PDFs below show the pages themselves.
TEST_F(LogPrint, AFullHeaderLogStartsNoPageItDoesNotFillAtAnyEndDepth)
{
    ASSERT_TRUE(OpenDemo());
    struct Drawn {
        int first, rows;
    };
    std::vector<Drawn> drawn;
    PrintPagePainters real;
    real.logPage = LogPagePainter(s, PrintHeaderOf(s), DataTableOf(s));
    PrintPagePainters counted;
    counted.logPage = [&](platform::Dc& dc, const LogPage& p) {
        const int rows = real.logPage(dc, p);
        drawn.push_back({p.records ? p.records[0].depth : 0, rows});
        return rows;
    };
    counted.headerHeight = [this](const wellfile::PRINTCFG& cfg) { return PrintHeaderHeight(s, cfg); };
    ASSERT_NE(PrinterForRun(s.print), nullptr);
    QImage scratch(1, 1, QImage::Format_RGB32);
    for (int end = 1100; end <= 2600; end += 50) {
        Ask(1000, end);
        std::optional<PrintCommandRun> run = PreparePrintCommand(s, services.runPrintSetup);
        ASSERT_TRUE(run);
        MakePrintPens(s, 0);
        drawn.clear();
        int planned = 0, started = 0;
        {
            LogPrintout printout("StrativM", s, run->kind, run->range, run->cfg, counted);
            printout.BeginPrinting(4500, 3300);
            planned = printout.PagesLeft();
            platform::Dc dc(scratch);
            for (int n = 1; printout.HasPage(n); ++n, ++started)
                printout.PrintPage(dc, n, platform::RECT{0, 0, 4500, 3300}, 0);
            printout.EndPrinting();
        }
        MakePrintPens(s, 1);
        FinishPrintCommand(s, *run, false);
        EXPECT_EQ(started, planned) << end;
        ASSERT_EQ(int(drawn.size()), started) << end;
        for (const Drawn& p : drawn) {
            const int last = p.first + p.rows - 1;
            EXPECT_LE(last, end) << end;
            EXPECT_GE(last / 10 * 10, p.first) << end << ": a page without a depth label from " << p.first;
        }
        EXPECT_EQ(drawn.back().first + drawn.back().rows - 1, end) << end;
    }
}

TEST_F(LogPrint, EveryPdfPageOfTheLogCarriesDepthsAndTheDstPagesFollowItsLastPage)
{
    ASSERT_TRUE(OpenDemo());
    services.painters = {};  // the program's own painters
    WriteDsts(s.well.file.currentFolder + "elogdemo.dst", 3);
    Ask(1000, 1900);
    inSetup = [](platform::Dialog& d) { d.Click(setupid::PrintDsts); };
    const int count = PrintedPages(Pdf(1900));
    ASSERT_GE(count, 3);
    std::vector<bool> depths(std::size_t(count) + 1), dst(std::size_t(count) + 1);
    for (const testing_support::PdfWord& w : testing_support::PdfWords(Pdf(1900))) {
        bool number = false;
        const int d = w.text.toInt(&number);
        if (number && d > 1000 && d <= 1900 && d % 10 == 0)
            depths[std::size_t(w.page)] = true;
        if (w.text == "DST")
            dst[std::size_t(w.page)] = true;
    }
    // The log's pages, then straight the two pages of the three reports.
    for (int page = 1; page <= count - 2; ++page) {
        EXPECT_TRUE(depths[std::size_t(page)]) << page;
        EXPECT_FALSE(dst[std::size_t(page)]) << page;
    }
    EXPECT_TRUE(dst[std::size_t(count - 1)]);
    EXPECT_TRUE(dst[std::size_t(count)]);
}
