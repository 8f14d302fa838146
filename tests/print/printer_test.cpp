// The window's printer object: made on first use and kept, the page set-up, a printer that cannot be
// had, the PDF printer's pages, and a real print queue where the machine has one.
#include "print/printer_commands.h"

#include "app/logstate.h"
#include "platform/draw/dc.h"
#include "platform/draw/pdfprinter.h"
#include "platform/draw/raster.h"
#include "platform/ui/cupsprinter.h"
#include "print/print_services.h"
#include "print/printcheck.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::doubles;
using testing_support::TestDir;

TEST(PrinterObject, PageSetupChangesThePaperTheNextCheckReads)
{
    app::LogState log;
    doubles().printers.defaultPrinter = testing_support::TestPrinter("Office", "LPT1", 300, {8.5, 11});
    doubles().printers.pageSetupAnswers = {PageSetup{QSizeF(11, 17) * kPointsPerInch, QMarginsF()}, std::nullopt};

    print::CmPageSetup(log);
    ASSERT_NE(log.print.printer, nullptr);
    print::CheckPrinter(log);
    EXPECT_EQ(log.print.printer->Info().DeviceCaps(PHYSICALHEIGHT), 17 * 300);
    EXPECT_EQ(log.print.printer->Info().DeviceCaps(PHYSICALWIDTH), 11 * 300);

    const Printer* first = log.print.printer.get();
    print::CmPageSetup(log);  // cancelled: the paper stays
    print::CheckPrinter(log);
    EXPECT_EQ(log.print.printer.get(), first);
    EXPECT_EQ(doubles().printers.made, 1);
    EXPECT_EQ(doubles().printers.pageSetups, 2);
    EXPECT_EQ(log.print.printer->Info().DeviceCaps(PHYSICALHEIGHT), 17 * 300);
}

TEST(PrinterObject, WithoutAUsablePrinterPrintSaysSoAndDoesNothingElse)
{
    for (int dpi : {0, 5}) {
        app::LogState log;
        if (dpi == 0)
            doubles().printers.defaultPrinter.reset();  // none can be made
        else
            doubles().printers.defaultPrinter = testing_support::TestPrinter("Blind", "LPT1", dpi, {8.5, 11});
        doubles().prompter.messages.clear();

        print::DefaultPrintServices().CmPrint(log);
        ASSERT_EQ(doubles().prompter.messages.size(), 1) << dpi;
        EXPECT_EQ(doubles().prompter.messages[0].text, " Error Communicating With Printer");
        EXPECT_EQ(doubles().prompter.messages[0].caption, "Printer Error");
        EXPECT_EQ(log.print.printer, nullptr);
        EXPECT_EQ(doubles().sounder.beeps, 0);  // nothing else ran

        EXPECT_EQ(print::CheckPrinter(log), 0);
        EXPECT_EQ(log.print.rowHeight, 0);
        EXPECT_EQ(doubles().printers.pageSetups, 0);
    }
}

TEST(PrinterObject, DesktopPdfPrinterIsWideFanfoldAt300Dpi)
{
    const PrinterInfo info = PdfPrinter().Info();
    EXPECT_EQ(info.deviceName, "PDF");
    EXPECT_EQ(info.port, "FILE:");
    EXPECT_EQ(info.DeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(info.DeviceCaps(PHYSICALWIDTH) / 300, 14);  // 14 7/8 in
    EXPECT_EQ(info.DeviceCaps(PHYSICALHEIGHT), 3300);
    EXPECT_EQ(info.DeviceCaps(HORZRES), info.DeviceCaps(PHYSICALWIDTH));  // a file has no unprintable edge
    EXPECT_EQ(info.DeviceCaps(PHYSICALOFFSETX), 0);

    print::PrintState s;
    EXPECT_EQ(print::CheckPrinter(info, s), 0);
    EXPECT_TRUE(s.pdfPrinter);
    EXPECT_EQ(s.rowHeight, 24);
    EXPECT_EQ(s.columnUnit, 30);
}

TEST(PrinterObject, PdfJobsWriteTheirPagesWhereTheRunSays)
{
    PrinterDescription d = PdfPrinterDescription();
    d.dpi = 100;
    d.page = {QSizeF(3, 2) * kPointsPerInch, QMarginsF(36, 18, 0, 0)};  // half an inch left, a quarter on top
    PdfPrinter printer(d);
    const PrinterInfo info = printer.Info();
    EXPECT_EQ(info.DeviceCaps(PHYSICALOFFSETX), 50);
    EXPECT_EQ(info.DeviceCaps(PHYSICALOFFSETY), 25);
    EXPECT_EQ(info.DeviceCaps(HORZRES), 250);

    // Without a file name the job goes to the folder, named after its title.
    QPaintDevice* device = printer.BeginJob({"StrativM", QString(), TestDir()});
    ASSERT_NE(device, nullptr);
    {
        Dc dc(*device);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 250);
        dc.FillRect({0, 0, 20, 10}, Brush(RGB(0, 0, 0)));
        ASSERT_TRUE(dc.NewPage());
        dc.TextOut(10, 10, "SECOND PAGE");
    }
    EXPECT_TRUE(printer.EndJob());
    const QString file = TestDir() + "StrativM.pdf";
    EXPECT_EQ(printer.JobFile(), file);
    EXPECT_EQ(testing_support::PdfPageCount(file), 2);
    EXPECT_TRUE(testing_support::PdfText(file).contains("SECOND PAGE"));
    const QImage page = testing_support::RasterisePdf(file, 100);
    ASSERT_EQ(page.size(), QSize(300, 200));
    // Drawing starts at the printable area's corner.
    EXPECT_EQ(raster::ToColorRef(page.pixel(55, 30)), RGB(0, 0, 0));
    EXPECT_EQ(raster::ToColorRef(page.pixel(45, 30)), RGB(255, 255, 255));
    EXPECT_EQ(raster::ToColorRef(page.pixel(55, 20)), RGB(255, 255, 255));

    // A file that cannot be made stops the job before any page.
    EXPECT_EQ(printer.BeginJob({"x", TestDir() + "missing/folder/x.pdf", TestDir()}), nullptr);
    EXPECT_FALSE(printer.EndJob());
}

TEST(PrinterObject, QueuePortsFromDeviceUris)
{
    EXPECT_EQ(PortForDeviceUri("parallel:/dev/lp0"), "LPT1");
    EXPECT_EQ(PortForDeviceUri("parallel:/dev/lp1"), "LPT2");
    EXPECT_EQ(PortForDeviceUri("usb://EPSON/Stylus%201000"), "usb://EPSON/Stylus%201000");
    EXPECT_EQ(PortForDeviceUri("parallel:/dev/lp0x"), "parallel:/dev/lp0x");
    EXPECT_EQ(PortForDeviceUri(""), "");
}

TEST(PrinterObject, RealPrintQueueIsRead)
{
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull())
        GTEST_SKIP() << "this machine has no print queue";
    const auto printer = RealPrinters().DefaultPrinter();  // no job is sent to it
    ASSERT_NE(printer, nullptr);
    const PrinterInfo info = printer->Info();
    EXPECT_EQ(info.deviceName, queue.printerName());
    EXPECT_GT(info.DeviceCaps(LOGPIXELSY), 0);
    print::PrintState s;
    print::CheckPrinter(info, s);
    EXPECT_EQ(s.columnUnit, info.DeviceCaps(LOGPIXELSY) / 10);
}

TEST(PrinterObject, PrintDialogMayChooseAnotherPrinter)
{
    app::LogState log;
    auto& printers = doubles().printers;
    printers.defaultPrinter = testing_support::TestPrinter("Office", "LPT2", 300, {8.5, 11});
    printers.printDialogAnswers = {std::nullopt, testing_support::TestPrinter("EPSON Stylus 1000 ESC/P 2", "LPT1", 180, {15, 11}),
                                   testing_support::TestPrinter("Broken", "LPT1", 4, {15, 11})};

    EXPECT_FALSE(print::PrintDialog(log.print));  // cancelled: the printer stays
    EXPECT_EQ(log.print.printer->Info().deviceName, "Office");
    EXPECT_TRUE(print::PrintDialog(log.print));
    EXPECT_EQ(print::CheckPrinter(log), 1);
    EXPECT_EQ(log.print.columnUnit, 18);
    EXPECT_FALSE(print::PrintDialog(log.print));  // a printer under 10 dpi is none
    EXPECT_EQ(log.print.printer, nullptr);
    EXPECT_EQ(printers.printDialogs, 3);
    EXPECT_EQ(printers.made, 1);
}
