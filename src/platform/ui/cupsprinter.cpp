#include "platform/ui/cupsprinter.h"

#include "platform/draw/pdfprinter.h"
#include "platform/services.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QProcessEnvironment>

#include <optional>

namespace platform {

namespace {

int SourceOf(QPrinter::PaperSource source)
{
    switch (source) {
    case QPrinter::OnlyOne: return DMBIN_UPPER;
    case QPrinter::Lower: return DMBIN_LOWER;
    case QPrinter::Middle: return DMBIN_MIDDLE;
    case QPrinter::Manual: return DMBIN_MANUAL;
    case QPrinter::Envelope: return DMBIN_ENVELOPE;
    case QPrinter::EnvelopeManual: return DMBIN_ENVMANUAL;
    case QPrinter::Tractor: return DMBIN_TRACTOR;
    case QPrinter::SmallFormat: return DMBIN_SMALLFMT;
    case QPrinter::LargeFormat: return DMBIN_LARGEFMT;
    case QPrinter::LargeCapacity: return DMBIN_LARGECAPACITY;
    case QPrinter::Cassette: return DMBIN_CASSETTE;
    case QPrinter::FormSource: return DMBIN_FORMSOURCE;
    default: return DMBIN_AUTO;
    }
}

bool ToFile(const QPrinter& p) { return p.outputFormat() == QPrinter::PdfFormat; }

}  // namespace

QString QueuePort(const QString& queue)
{
    // "device for <queue>: <uri>", asked in the C locale so that the words are the same everywhere.
    QProcess lpstat;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lpstat.setProcessEnvironment(env);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), queue});
    if (!lpstat.waitForFinished(3000) || lpstat.exitStatus() != QProcess::NormalExit || lpstat.exitCode() != 0) {
        lpstat.kill();
        lpstat.waitForFinished(1000);
        return {};
    }
    const QString prefix = QStringLiteral("device for ") + queue + QStringLiteral(": ");
    for (const QString& line : QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(prefix))
            return PortForDeviceUri(line.mid(prefix.size()).trimmed());
    return {};
}

CupsPrinter::CupsPrinter(const QPrinterInfo& queue) : printer_(queue, QPrinter::HighResolution)
{
    // Qt keeps the paper a new printer starts with (A4) on any queue that offers it: the queue's own
    // default paper, as set up in CUPS, is the one to print on.
    const QPageSize paper = queue.defaultPageSize();
    if (paper.isValid())
        printer_.setPageSize(paper);
}

PrinterInfo CupsPrinter::Info() const
{
    PrinterInfo info;
    if (ToFile(printer_)) {  // "Print to File (PDF)" chosen in the print dialog
        info.deviceName = QStringLiteral("PDF");
        info.port = QStringLiteral("FILE:");
        info.driver = QStringLiteral("PDF");
    } else {
        info.deviceName = printer_.printerName();
        if (portQueue_ != info.deviceName || port_.isNull()) {
            portQueue_ = info.deviceName;
            port_ = QueuePort(info.deviceName);
            if (port_.isNull())
                port_ = QLatin1String("");
        }
        info.port = port_;
        info.driver = QPrinterInfo::printerInfo(info.deviceName).makeAndModel();
    }
    SetPageGeometry(info, printer_.pageLayout(), printer_.resolution());
    info.color = printer_.colorMode() == QPrinter::Color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    info.defaultSource = SourceOf(printer_.paperSource());
    info.copies = printer_.copyCount();
    return info;
}

PageSetup CupsPrinter::Page() const { return FromPageLayout(printer_.pageLayout()); }

void CupsPrinter::SetPage(const PageSetup& page) { printer_.setPageLayout(ToPageLayout(page)); }

QPaintDevice* CupsPrinter::BeginJob(const PrintJob& job)
{
    printer_.setDocName(job.title);
    jobFile_.clear();
    if (ToFile(printer_)) {
        jobFile_ = !job.outputFile.isEmpty() ? job.outputFile : job.folder + job.title + QStringLiteral(".pdf");
        printer_.setOutputFileName(jobFile_);
    }
    return &printer_;
}

bool CupsPrinter::EndJob()
{
    const QPrinter::PrinterState s = printer_.printerState();
    return s != QPrinter::Error && s != QPrinter::Aborted;
}

namespace {

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

// Printing runs on the GUI thread, so the dialogs are shown where they are asked for.
class DesktopPrinters final : public Printers {
public:
    std::unique_ptr<Printer> DefaultPrinter() override
    {
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        if (!queue.isNull())
            return std::make_unique<CupsPrinter>(queue);
        auto pdf = std::make_unique<PdfPrinter>();
        if (pdfPage_)
            pdf->SetPage(*pdfPage_);
        return pdf;
    }

    bool PrintDialog(std::unique_ptr<Printer>& printer) override
    {
        const ModalBoxOpen open;
        if (auto* queue = dynamic_cast<CupsPrinter*>(printer.get())) {
            QPrintDialog dialog(&queue->Device(), ActiveWindow());
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);  // the log has no selection to print
            return dialog.exec() == QDialog::Accepted;
        }
        // The PDF printer: the dialog works on a printer of its own, and a queue chosen there replaces it.
        QPrinter chosen(QPrinter::HighResolution);
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setPageLayout(ToPageLayout(printer->Page()));
        chosen.setCopyCount(printer->Info().copies);
        QPrintDialog dialog(&chosen, ActiveWindow());
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (!ToFile(chosen) && !chosen.printerName().isEmpty()) {
            auto queue = std::make_unique<CupsPrinter>(QPrinterInfo::printerInfo(chosen.printerName()));
            queue->Device().setPageLayout(chosen.pageLayout());
            queue->SetCopies(chosen.copyCount());
            printer = std::move(queue);
        } else {
            printer->SetPage(FromPageLayout(chosen.pageLayout()));
            printer->SetCopies(chosen.copyCount());
            pdfPage_ = printer->Page();
        }
        return true;
    }

    bool PageSetupDialog(Printer& printer) override
    {
        const ModalBoxOpen open;
        if (auto* queue = dynamic_cast<CupsPrinter*>(&printer)) {
            QPageSetupDialog dialog(&queue->Device(), ActiveWindow());
            return dialog.exec() == QDialog::Accepted;
        }
        QPrinter page(QPrinter::HighResolution);
        page.setOutputFormat(QPrinter::PdfFormat);
        page.setPageLayout(ToPageLayout(printer.Page()));
        QPageSetupDialog dialog(&page, ActiveWindow());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        printer.SetPage(FromPageLayout(page.pageLayout()));
        pdfPage_ = printer.Page();
        return true;
    }

private:
    // The PDF printer's paper as last set up: a PDF printer made again (after a header-only print)
    // keeps it for as long as the program runs.
    std::optional<PageSetup> pdfPage_;
};

}  // namespace

Printers& RealPrinters()
{
    static DesktopPrinters printers;
    return printers;
}

}  // namespace platform
