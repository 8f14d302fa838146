#include "print/printer_commands.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "print/printcheck.h"
#include "print/printfonts.h"
#include "print/printpens.h"

#include <QDir>

namespace print {

platform::Printer* EnsurePrinter(PrintState& state)
{
    if (!state.printer) {
        platform::Printers* printers = platform::services().printers;
        if (printers)
            state.printer = printers->DefaultPrinter();
    }
    // Every later step divides by the row height, which such a printer would make 0.
    if (state.printer && !HasUsableResolution(state.printer->Info()))
        state.printer.reset();
    return state.printer.get();
}

platform::Printer* PrinterForRun(PrintState& state)
{
    platform::Printer* printer = EnsurePrinter(state);
    if (!printer)
        platform::MessageBox(QStringLiteral(" Error Communicating With Printer"), QStringLiteral("Printer Error"));
    return printer;
}

void TellWhereThePrintWent(const platform::Printer& printer)
{
    if (const QString file = printer.JobFile(); !file.isEmpty())
        platform::MessageBox(QStringLiteral("\"%1\" written").arg(QDir::toNativeSeparators(file)), QStringLiteral("Print"));
}

bool PrintDialog(PrintState& state)
{
    if (!EnsurePrinter(state))
        return false;
    const bool chosen = platform::services().printers->PrintDialog(state.printer);
    if (state.printer && !HasUsableResolution(state.printer->Info()))
        state.printer.reset();  // the next print makes the default printer again
    return chosen && state.printer;
}

std::uint8_t CheckPrinter(app::LogState& log)
{
    platform::Printer* printer = EnsurePrinter(log.print);
    return printer ? CheckPrinter(printer->Info(), log.print) : 0;
}

void SetPrintFonts(app::LogState& log) { SetPrintFonts(log.print, log.well.loggerId); }

void MakePrintPens(app::LogState& log, int flag)
{
    MakePrintPens(log.print, log.layout.pens.table, log.well.loggerId, flag);
}

void CmPageSetup(app::LogState& log)
{
    // The printer is not changed under a running print.
    if (log.print.printingLog) {
        platform::MessageBeep(0);
        return;
    }
    platform::Printer* printer = PrinterForRun(log.print);
    if (printer)
        platform::services().printers->PageSetupDialog(*printer);
}

}  // namespace print
