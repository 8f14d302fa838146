#pragma once
// The WITS chart's printout: one page holding 2,000 rows of the day image from the view index,
// stretched three times wide and one and a half times high.
#include <QImage>
#include <QString>

namespace platform {
class Dc;
class Printer;
}

namespace wits {

class WitsPrintout {
public:
    static constexpr char kTitle[] = "StrativM Wits";

    WitsPrintout(const QImage& image, int viewIndex) : image_(image), viewIndex_(viewIndex) {}
    bool HasPage() const { return pagesLeft_ > 0; }
    // Page numbers start at 1.
    void PrintPage(platform::Dc& dc, int page);

private:
    const QImage& image_;
    int viewIndex_;
    int pagesLeft_ = 1;
};

// Prints every page of `printout` on `printer` without a print dialog; a printer that writes files
// writes into `folder`. False when the job could not be started or completed.
bool PrintWitsChart(platform::Printer& printer, WitsPrintout& printout, const QString& folder);

}  // namespace wits
