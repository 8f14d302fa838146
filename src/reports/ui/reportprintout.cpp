#include "reports/ui/reportprintout.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "platform/ui/printloop.h"
#include "print/printer_commands.h"

namespace reports {

bool PrintReportPage(app::LogState& log, QWidget* parent, const QString& title, const QString& pdfTitle,
                     std::function<void(platform::Dc&)> page)
{
    // The check also tells whether the printer writes PDF files.
    print::CheckPrinter(log);
    platform::Printer* printer = print::EnsurePrinter(log.print);
    if (!printer) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return false;
    }
    ReportPrintout printout(log.print.pdfPrinter ? pdfTitle : title, std::move(page));
    printout.banding = log.print.banding;
    printout.cutSheet = true;
    if (!platform::PrintJobWithAbortDialog(*printer, printout, parent, log.well.file.dataFolder))
        return false;
    print::TellWhereThePrintWent(*printer);
    return true;
}

void ReportPrinterSetup(app::LogState& log)
{
    if (!print::EnsurePrinter(log.print)) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return;
    }
    print::PrintDialog(log.print);
}

}  // namespace reports
