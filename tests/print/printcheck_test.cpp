// The printer check: print geometry from the resolution, continuous paper, and the printer flags.
#include "print/printcheck.h"

#include "platform/draw/pdfprinter.h"

#include <gtest/gtest.h>

using namespace platform;
using print::CheckPrinter;
using print::PrintState;

namespace {

// What a printer of `dpi` on paper `widthIn` x `heightIn` inches reports, as the PDF printer works it out.
PrinterInfo Described(const QString& name, const QString& port, int dpi, double widthIn, double heightIn = 11)
{
    PrinterDescription d;
    d.deviceName = name;
    d.port = port;
    d.dpi = dpi;
    d.page.paper = QSizeF(widthIn, heightIn) * kPointsPerInch;
    return PdfPrinter(d).Info();
}

}  // namespace

TEST(PrinterCheck, RowHeightAndColumnUnitFollowTheResolution)
{
    struct Case { int dpi, unit, row; };
    for (const Case c : {Case{600, 60, 48}, Case{300, 30, 24}, Case{203, 20, 17}, Case{96, 9, 8}}) {
        PrintState s;
        CheckPrinter(Described("Office", "", c.dpi, 8.5), s);
        EXPECT_EQ(s.columnUnit, c.unit) << c.dpi;
        EXPECT_EQ(s.rowHeight, c.row) << c.dpi;
    }
}

TEST(PrinterCheck, WideEpsonOnTheFirstParallelPortIsContinuousPaper)
{
    const QString epson = "EPSON Stylus 1000 ESC/P 2 (copy 2)";
    PrintState s;
    EXPECT_EQ(CheckPrinter(Described(epson, "LPT1", 300, 14), s), 1);
    EXPECT_TRUE(s.tractorFeed);

    PrintState other;
    EXPECT_EQ(CheckPrinter(Described(epson, "LPT2", 300, 14), other), 0);
    EXPECT_FALSE(other.tractorFeed);
    EXPECT_EQ(CheckPrinter(Described(epson, "LPT1", 300, 8.5), other), 0);
    // Whole inches by integer division: 10.99 inches is 10, too narrow.
    EXPECT_EQ(CheckPrinter(Described(epson, "LPT1", 300, 10.99), other), 0);
    EXPECT_EQ(CheckPrinter(Described("Epson Stylus 1000", "LPT1", 300, 14), other), 0);

    // Any Epson fed by tractor on LPT1 with paper of 11 inches or more.
    PrinterInfo tractor = Described("Epson LQ-2070", "LPT1", 180, 11);
    tractor.defaultSource = DMBIN_TRACTOR;
    EXPECT_EQ(CheckPrinter(tractor, other), 1);
    tractor.deviceName = "Oki Microline";
    EXPECT_EQ(CheckPrinter(tractor, other), 0);
    EXPECT_TRUE(other.tractorFeed);  // the paper source alone sets tractor feed
    tractor.deviceName = "epson lq";  // the second rule compares "Epson" and "EPSON" only
    EXPECT_EQ(CheckPrinter(tractor, other), 0);
}

TEST(PrinterCheck, FlagsComeFromTheNameTheColourAndThePaperSource)
{
    auto flags = [](const QString& name) {
        PrintState s;
        s.faxPrinter = s.pdfPrinter = s.v305LexPrinter = true;  // left over from another printer
        CheckPrinter(Described(name, "", 300, 8.5), s);
        return s;
    };
    EXPECT_TRUE(flags("Microsoft Print to pdf writer").pdfPrinter);
    EXPECT_TRUE(flags("PDF").pdfPrinter);
    EXPECT_FALSE(flags("Pdf").pdfPrinter);
    EXPECT_TRUE(flags("Lexmark Optra").v305LexPrinter);
    EXPECT_TRUE(flags("Canon V305").v305LexPrinter);
    EXPECT_FALSE(flags("lexmark").v305LexPrinter);
    EXPECT_TRUE(flags("Office Fax").faxPrinter);
    const PrintState plain = flags("HP LaserJet");
    EXPECT_FALSE(plain.faxPrinter || plain.pdfPrinter || plain.v305LexPrinter);

    PrintState s;
    s.printInColour = true;
    PrinterInfo colour = Described("HP", "", 300, 8.5);
    colour.color = DMCOLOR_COLOR;
    CheckPrinter(colour, s);
    EXPECT_TRUE(s.colourPrinter);
    EXPECT_TRUE(s.printInColour);
    PrinterInfo mono = colour;
    mono.color = DMCOLOR_MONOCHROME;
    mono.defaultSource = DMBIN_TRACTOR;
    CheckPrinter(mono, s);
    EXPECT_FALSE(s.colourPrinter);
    EXPECT_FALSE(s.printInColour);
    EXPECT_TRUE(s.tractorFeed);
    CheckPrinter(colour, s);
    EXPECT_FALSE(s.tractorFeed);
}

TEST(PrinterCheck, PageClassIsAPageOf3072Or6144Pixels)
{
    auto pageClass = [](double heightPt) {
        PrintState s;
        CheckPrinter(Described("PDF", "FILE:", 96, 8.5, heightPt / kPointsPerInch), s);
        return s.pageClass;
    };
    EXPECT_TRUE(pageClass(2304));   // 3072 px
    EXPECT_TRUE(pageClass(4608));   // 6144 px
    EXPECT_FALSE(pageClass(2296));
}

TEST(PrinterCheck, APrinterUnder10DpiChangesNothing)
{
    PrintState s;
    s.rowHeight = 24;
    s.columnUnit = 30;
    const PrinterInfo blind = Described("Broken", "LPT1", 9, 14);
    EXPECT_FALSE(print::HasUsableResolution(blind));
    EXPECT_EQ(CheckPrinter(blind, s), 0);
    EXPECT_EQ(s.rowHeight, 24);
    EXPECT_EQ(s.columnUnit, 30);
}
