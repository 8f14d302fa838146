#include "print/print_services.h"

#include "app/logstate.h"
#include "app/nowindow.h"
#include "print/printer_commands.h"

namespace print {

namespace {

class Windowless final : public PrintServices {
public:
    void CmPrint(app::LogState& log) override
    {
        if (PrinterForRun(log.print))
            app::NoWindowCommand("print", "CmPrint");
    }
    void CmPageSetup(app::LogState& log) override { print::CmPageSetup(log); }
    void CmHeader(app::LogState&) override { app::NoWindowCommand("print", "CmHeader"); }
};
}  // namespace

PrintServices& DefaultPrintServices()
{
    static Windowless services;
    return services;
}

void PrintHeaderOnly(PrintServices& services, app::LogState& log)
{
    log.print.headerOnly = true;
    services.CmPrint(log);
    // Cleared however the command ended (no printer, say), so that the next "&Print..." prints the log.
    log.print.headerOnly = false;
}

void PrintTopsList(PrintServices& services, app::LogState& log)
{
    log.print.topsPage = true;
    services.CmPrint(log);
    log.print.topsPage = false;
}

}  // namespace print
