#pragma once
// The window's printer as the report dialogs print on it: one page of a dialog's page routine, and the
// printer's set-up. The print services of the window answer (print/ui/printwindowservices.h).
#include <QString>

#include <functional>

class QWidget;

namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace reports {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // The job title of a report page: `title`, or on a PDF printer `pdfTitle` (the document's name).
    // Prints `page` as one page on the window's printer (made when there is none) under the abort dialog,
    // on cut-sheet paper; a PDF printer writes into the data folder and then says where the file went.
    // False, after "No Printer Available" / "Print Error", when there is no printer; false also when the
    // job could not be opened.
    virtual bool PrintReportPage(app::LogState& log, QWidget* parent, const QString& title, const QString& pdfTitle,
                                 std::function<void(platform::Dc&)> page) = 0;
    // "Printer Setup" of the report dialogs: the print dialog over the window's printer, or "No Printer
    // Available" ("Print Error") when there is none.
    virtual void ReportPrinterSetup(app::LogState& log) = 0;
};

}  // namespace reports
