#include "platform/draw/pdfprinter.h"

#include <QPageSize>

namespace platform {

PrinterDescription PdfPrinterDescription()
{
    PrinterDescription d;
    d.deviceName = QStringLiteral("PDF");
    d.port = QStringLiteral("FILE:");
    d.driver = QStringLiteral("PDF");
    d.dpi = 300;
    d.page.paper = QPageSize(QPageSize::FanFoldUS).size(QPageSize::Point);  // 14 7/8 x 11 in
    d.color = DMCOLOR_COLOR;
    return d;
}

QPageLayout ToPageLayout(const PageSetup& page)
{
    // Kept as given: a paper wider than high stays so (continuous paper is), and sizes are not rounded
    // to a neighbouring standard size.
    const QPageSize size(page.paper, QPageSize::Point, QString(), QPageSize::ExactMatch);
    QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);  // margins are taken as they are, not checked against a minimum
    layout.setMargins(page.margins);
    layout.setMode(QPageLayout::StandardMode);
    return layout;
}

PageSetup FromPageLayout(const QPageLayout& layout)
{
    PageSetup page;
    page.paper = layout.fullRect(QPageLayout::Point).size();
    page.margins = layout.margins(QPageLayout::Point);
    return page;
}

void SetPageGeometry(PrinterInfo& info, const QPageLayout& layout, int dpi)
{
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    info.dpiX = info.dpiY = dpi;
    info.physicalWidth = full.width();
    info.physicalHeight = full.height();
    info.offsetX = paint.left();
    info.offsetY = paint.top();
    info.printableWidth = paint.width();
    info.printableHeight = paint.height();
}

PdfPrinter::PdfPrinter(PrinterDescription description) : d_(std::move(description)) {}

PdfPrinter::~PdfPrinter() = default;

PrinterInfo PdfPrinter::Info() const
{
    PrinterInfo info;
    info.deviceName = d_.deviceName;
    info.port = d_.port;
    info.driver = d_.driver;
    SetPageGeometry(info, ToPageLayout(d_.page), d_.dpi);
    info.color = d_.color;
    info.defaultSource = d_.defaultSource;
    info.copies = d_.copies;
    return info;
}

QPaintDevice* PdfPrinter::BeginJob(const PrintJob& job)
{
    EndJob();
    jobFile_ = !d_.outputFile.isEmpty() ? d_.outputFile
             : !job.outputFile.isEmpty() ? job.outputFile
                                         : job.folder + job.title + QStringLiteral(".pdf");
    // The file is opened here, so that a file that cannot be made stops the job before any page.
    file_ = std::make_unique<QSaveFile>(jobFile_);
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        return nullptr;
    }
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(d_.dpi);
    writer_->setPageLayout(ToPageLayout(d_.page));
    writer_->setTitle(job.title);
    writer_->setCreator(QStringLiteral("StrativM"));
    return writer_.get();
}

bool PdfPrinter::EndJob()
{
    if (!file_)
        return false;
    writer_.reset();
    const bool ok = file_->commit();
    file_.reset();
    return ok;
}

}  // namespace platform
