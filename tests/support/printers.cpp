#include "support/printers.h"

#include "support/testmain.h"

#include "platform/ui/dialog.h"
#include "print/ui/printsetupdlg.h"

namespace testing_support {

namespace {
template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    std::optional<T> a = std::move(answers.front());
    answers.pop_front();
    return a;
}
}  // namespace

std::unique_ptr<platform::Printer> FakePrinters::DefaultPrinter()
{
    if (!defaultPrinter)
        return nullptr;
    ++made;
    return std::make_unique<platform::PdfPrinter>(*defaultPrinter);
}

bool FakePrinters::PrintDialog(std::unique_ptr<platform::Printer>& printer)
{
    ++printDialogs;
    const auto chosen = Next(printDialogAnswers);
    if (!chosen)
        return false;
    printer = std::make_unique<platform::PdfPrinter>(*chosen);
    return true;
}

bool FakePrinters::PageSetupDialog(platform::Printer& printer)
{
    ++pageSetups;
    const auto page = Next(pageSetupAnswers);
    if (!page)
        return false;
    printer.SetPage(*page);
    return true;
}

platform::PrinterDescription TestPrinter(const QString& name, const QString& port, int dpi, QSizeF inches)
{
    platform::PrinterDescription d;
    d.deviceName = name;
    d.port = port;
    d.driver = QStringLiteral("test");
    d.dpi = dpi;
    d.page.paper = inches * platform::kPointsPerInch;
    d.outputFile = TestDir() + QStringLiteral("printed.pdf");
    return d;
}

int PressPrintInSetup(app::LogState& log, wellfile::PRINTCFG& cfg, const std::function<void(platform::Dialog&)>& change)
{
    platform::Dialog::QueueTestScript([change](platform::Dialog& d) {
        if (change)
            change(d);
        d.Click(platform::IDOK);
    });
    return print::RunPrintSetup(log, cfg);
}

}  // namespace testing_support
