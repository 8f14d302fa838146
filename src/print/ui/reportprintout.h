#pragma once
// The one-page printout of the report dialogs: a printout holding the page routine of its dialog,
// printed on the window's printer without the print dialog (PrintWindowServices::PrintReportPage).
#include "platform/draw/printout.h"

#include <functional>

namespace print {

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

}  // namespace print
