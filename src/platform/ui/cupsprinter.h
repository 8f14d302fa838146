#pragma once
// The desktop's printers: a system print queue (CUPS) as the printer object, the default printer
// (the default queue, else the PDF printer), and the print and page set-up dialogs.
#include "platform/printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

class CupsPrinter final : public Printer {
public:
    explicit CupsPrinter(const QPrinterInfo& queue);

    PrinterInfo Info() const override;
    PageSetup Page() const override;
    void SetPage(const PageSetup& page) override;
    void SetCopies(int copies) override { printer_.setCopyCount(copies); }
    QPaintDevice* BeginJob(const PrintJob& job) override;
    bool EndJob() override;
    QString JobFile() const override { return jobFile_; }

    QPrinter& Device() { return printer_; }

private:
    QPrinter printer_;
    mutable QString portQueue_;  // the queue whose port is kept in port_
    mutable QString port_;
    QString jobFile_;
};

// The port CUPS gives for `queue` (its device URI as PortForDeviceUri reports it); empty when CUPS gives
// none.
QString QueuePort(const QString& queue);

// The desktop's printers and printer dialogs.
Printers& RealPrinters();

}  // namespace platform
