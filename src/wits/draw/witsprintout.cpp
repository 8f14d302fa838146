#include "wits/draw/witsprintout.h"

#include "platform/draw/dc.h"
#include "platform/printer.h"

namespace wits {

void WitsPrintout::PrintPage(platform::Dc& dc, int page)
{
    if (page != 0) {
        const int w = image_.width();
        dc.StretchBlt(10, 10, 3 * w, 3000, image_, 0, viewIndex_, w, 2000, platform::SRCCOPY);
    }
    --pagesLeft_;
}

bool PrintWitsChart(platform::Printer& printer, WitsPrintout& printout, const QString& folder)
{
    QPaintDevice* device = printer.BeginJob(platform::PrintJob{QString::fromLatin1(WitsPrintout::kTitle), {}, folder});
    if (!device)
        return false;
    {
        platform::Dc dc(*device);
        for (int page = 1; printout.HasPage(); ++page)
            printout.PrintPage(dc, page);
    }
    return printer.EndJob();
}

}  // namespace wits
