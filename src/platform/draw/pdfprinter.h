#pragma once
// A printer whose pages are written to a PDF file: the desktop's printer when the system has no print
// queue (device "PDF" on port "FILE:"), and, described otherwise, every printer of the tests.
#include "platform/printer.h"

#include <QSaveFile>
#include <QPageLayout>
#include <QPdfWriter>

#include <memory>

namespace platform {

struct PrinterDescription {
    QString deviceName;
    QString port;
    QString driver;
    int dpi = 300;
    PageSetup page;
    int color = DMCOLOR_COLOR;
    int defaultSource = DMBIN_AUTO;
    int copies = 1;
    // When set, every job is written to this file whatever the job asks.
    QString outputFile;
};

// The desktop's PDF printer: 300 dpi, US standard fanfold paper 14 7/8 x 11 in (the wide continuous
// paper a whole log fits across), no unprintable edge.
PrinterDescription PdfPrinterDescription();

QPageLayout ToPageLayout(const PageSetup& page);
PageSetup FromPageLayout(const QPageLayout& layout);
// Fills the resolution, paper and printable area of `info` from a page laid out at `dpi`.
void SetPageGeometry(PrinterInfo& info, const QPageLayout& layout, int dpi);

class PdfPrinter final : public Printer {
public:
    explicit PdfPrinter(PrinterDescription description = PdfPrinterDescription());
    ~PdfPrinter() override;

    PrinterInfo Info() const override;
    PageSetup Page() const override { return d_.page; }
    void SetPage(const PageSetup& page) override { d_.page = page; }
    void SetCopies(int copies) override { d_.copies = copies; }
    QPaintDevice* BeginJob(const PrintJob& job) override;
    bool EndJob() override;
    QString JobFile() const override { return jobFile_; }

    const PrinterDescription& Description() const { return d_; }

private:
    PrinterDescription d_;
    QString jobFile_;
    // Written beside the job file and given its name only when whole: no one finds a part-written print.
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace platform
