#pragma once
// The one-page printout of the report dialogs: a printout holding the page routine of its dialog,
// printed on the window's printer without the print dialog.
#include "platform/draw/printout.h"

#include <functional>

class QWidget;

namespace app {
struct LogState;
}

namespace reports {

class ReportPrintout final : public platform::Printout {
public:
    ReportPrintout(const QString& title, std::function<void(platform::Dc&)> page)
        : Printout(title), page_(std::move(page))
    {
    }
    bool HasPage(int) override { return pagesLeft_ != 0; }
    // Draws the page and ends the job: one call prints the single page.
    void PrintPage(platform::Dc& dc, int page, const platform::RECT&, unsigned) override
    {
        if (page != 0 && page_)
            page_(dc);
        --pagesLeft_;
    }

private:
    std::function<void(platform::Dc&)> page_;
    int pagesLeft_ = 1;
};

// The job title of a report page: `title`, or on a PDF printer `pdfTitle` (the document's name).
// Prints `page` as one page on the window's printer (made when there is none) under the abort dialog,
// on cut-sheet paper; a PDF printer writes into the data folder and then says where the file went. False, after "No Printer
// Available" / "Print Error", when there is no printer; false also when the job could not be opened.
bool PrintReportPage(app::LogState& log, QWidget* parent, const QString& title, const QString& pdfTitle,
                     std::function<void(platform::Dc&)> page);

// "Printer Setup" of the report dialogs: the print dialog over the window's printer, or "No Printer
// Available" ("Print Error") when there is none.
void ReportPrinterSetup(app::LogState& log);

}  // namespace reports
