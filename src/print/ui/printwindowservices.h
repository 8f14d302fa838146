#pragma once
// The print services of a main window: "&Print..." runs its print job here, with the abort dialog
// parented to the window, and "&Header..." its dialog; `rest` is what they are built on. The report
// dialogs print their pages on the window's printer through them.
#include "print/print_services.h"
#include "print/draw/logpage.h"
#include "print/printsetup.h"
#include "print/ui/logprintout.h"
#include "reports/ui/reportprinter.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace print {

class PrintWindowServices final : public PrintServices, public reports::ReportPrinter {
public:
    PrintWindowServices(QWidget* window, PrintServices& rest);

    // Prints the log, the header alone or the tops list, as the window's flags ask. One print at a
    // time: while a job runs this only beeps.
    void CmPrint(app::LogState& log) override;
    void CmPageSetup(app::LogState& log) override;
    // The header dialog, parented to the window; its "PRINT" goes through CmPrint.
    void CmHeader(app::LogState& log) override;
    bool PrintReportPage(app::LogState& log, QWidget* parent, const QString& title, const QString& pdfTitle,
                         std::function<void(platform::Dc&)> page) override;
    void ReportPrinterSetup(app::LogState& log) override;

    // The set-up asked before a log run: the print set-up dialog, parented to the window.
    RunPrintSetupFn runPrintSetup;
    // What draws the pages; a painter left empty is the window's.
    PrintPagePainters painters;
    // The printed header of the log pages and their data table (empty: the window's).
    PrintHeaderFn printHeader;
    DataTableFn dataTable;
    // Reads the well's memo list again after a log run.
    std::function<void(app::LogState&)> reloadMemos;

private:
    QPointer<QWidget> window_;
    PrintServices& rest_;
};

}  // namespace print
