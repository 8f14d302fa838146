#include "print/ui/printwindowservices.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "platform/ui/printloop.h"
#include "print/printcommand.h"
#include "print/printer_commands.h"
#include "print/ui/headerdlg.h"
#include "print/ui/listpagesof.h"
#include "print/ui/logpages.h"
#include "print/ui/printsetupdlg.h"
#include "print/ui/printheaderof.h"
#include "print/ui/reportprintout.h"

#include <QDir>
#include <QFileInfo>

namespace print {

PrintWindowServices::PrintWindowServices(QWidget* window, PrintServices& rest) : window_(window), rest_(rest)
{
    runPrintSetup = [this](app::LogState& log, wellfile::PRINTCFG& cfg) { return RunPrintSetup(log, cfg, window_); };
}

void PrintWindowServices::CmPageSetup(app::LogState& log) { print::CmPageSetup(log); }

void PrintWindowServices::CmHeader(app::LogState& log) { print::CmHeader(log, *this, window_); }

bool PrintWindowServices::PrintReportPage(app::LogState& log, QWidget* parent, const QString& title,
                                          const QString& pdfTitle, std::function<void(platform::Dc&)> page)
{
    // The check also tells whether the printer writes PDF files.
    CheckPrinter(log);
    platform::Printer* printer = EnsurePrinter(log.print);
    if (!printer) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return false;
    }
    ReportPrintout printout(log.print.pdfPrinter ? pdfTitle : title, std::move(page));
    printout.banding = log.print.banding;
    printout.cutSheet = true;
    if (!platform::PrintJobWithAbortDialog(*printer, printout, parent, log.well.file.dataFolder))
        return false;
    TellWhereThePrintWent(*printer);
    return true;
}

void PrintWindowServices::ReportPrinterSetup(app::LogState& log)
{
    if (!EnsurePrinter(log.print)) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return;
    }
    PrintDialog(log.print);
}

void PrintWindowServices::CmPrint(app::LogState& log)
{
    PrintState& ps = log.print;
    if (ps.printingLog) {
        platform::MessageBeep(0);
        return;
    }
    platform::Printer* printer = PrinterForRun(ps);
    if (!printer)
        return;
    std::optional<PrintCommandRun> run = PreparePrintCommand(log, runPrintSetup);
    if (!run)
        return;
    // The set-up may have chosen another printer in place of the one in hand.
    printer = PrinterForRun(ps);
    if (!printer) {
        FinishPrintCommand(log, *run, false);
        return;
    }

    const QString dataFolder = log.well.file.dataFolder;
    if (ps.pdfPrinter)
        QDir(dataFolder).mkpath(QStringLiteral("sendfile"));
    const bool horizontal = run->kind == PrintRunKind::Log && ps.horizontalPrint && ps.horizontalPage;
    const bool logRun = run->kind == PrintRunKind::Log && !horizontal;
    if (horizontal) {
        run->cfg.fullHeader = 0;
        run->cfg.profile = log.well.loggerId;
    } else if (!logRun) {
        run->cfg.fullHeader = 1;
        run->cfg.profile = log.well.loggerId;
    }
    MakePrintPens(log, 0);
    bool printed = false;
    int pagesPrinted = 0;
    {
        PrintPagePainters pages = painters;
        if (!pages.logPage) {
            pages.logPage = LogPagePainter(log, printHeader ? printHeader : PrintHeaderOf(log),
                                           dataTable ? dataTable : DataTableOf(log));
            if (!printHeader && !pages.headerHeight)
                pages.headerHeight = [&log](const wellfile::PRINTCFG& cfg) { return PrintHeaderHeight(log, cfg); };
        }
        FillListPagePainters(log, pages);
        if (!pages.horizontalPage && horizontal)
            pages.horizontalPage = ps.horizontalPage;
        LogPrintout printout(QStringLiteral("StrativM"), log, run->kind, run->range, run->cfg, std::move(pages));
        printout.banding = logRun || ps.banding;
        if (reloadMemos)
            printout.reloadMemos = [this, &log] { reloadMemos(log); };
        ps.printingLog = true;
        printed = platform::PrintJobWithAbortDialog(*printer, printout, window_, dataFolder);
        pagesPrinted = printout.PagesPrinted();
        ps.printingLog = false;
    }
    // Pages printed to a file: the user is told where it went.
    const QString file = printer->JobFile();
    if (horizontal && printed && !file.isEmpty() && QFileInfo::exists(file))
        platform::MessageBox(
            QStringLiteral("The horizontal view was printed to\n%1").arg(QDir::toNativeSeparators(file)),
            QStringLiteral("Print"), platform::MB_OK);
    else if (printed && pagesPrinted > 0)
        TellWhereThePrintWent(*printer);
    MakePrintPens(log, 1);
    // The horizontal pages leave the well's print record alone.
    FinishPrintCommand(log, *run, printed && !horizontal);
    if (!logRun) {
        run->cfg.fullHeader = 0;
        ps.headerOnly = false;
        ps.topsPage = false;
        ps.printer.reset();
    }
}

}  // namespace print
