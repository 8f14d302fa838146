#pragma once
// The printers double: printers the test describes (any name, port, resolution, paper, margins, colour,
// paper source), whose pages go to real PDF files, and scripted answers of the print and page set-up
// dialogs.
#include "platform/draw/pdfprinter.h"

#include <QLocale>

#include <deque>
#include <functional>
#include <optional>

namespace app {
struct LogState;
}
namespace platform {
class Dialog;
}
namespace wellfile {
struct PRINTCFG;
}

namespace testing_support {

class FakePrinters final : public platform::Printers {
public:
    // What the next DefaultPrinter() makes; nullopt: no printer can be made. At first the desktop's
    // PDF printer, which writes where the job says.
    std::optional<platform::PrinterDescription> defaultPrinter = platform::PdfPrinterDescription();
    // Page set-up answers in order: a page is OK with that paper, nullopt is Cancel; none left: Cancel.
    std::deque<std::optional<platform::PageSetup>> pageSetupAnswers;
    // Print dialog answers in order: a description is OK with that printer chosen, nullopt is Cancel.
    std::deque<std::optional<platform::PrinterDescription>> printDialogAnswers;

    int made = 0;  // printers made by DefaultPrinter
    int pageSetups = 0;
    int printDialogs = 0;

    std::unique_ptr<platform::Printer> DefaultPrinter() override;
    bool PrintDialog(std::unique_ptr<platform::Printer>& printer) override;
    bool PageSetupDialog(platform::Printer& printer) override;
};

// The locale (whose paper the reports print on) for the life of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(kept_); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale kept_;
};

// A printer of `dpi` on paper of `inches`, no unprintable edge, colour, whose jobs all go to
// TestDir() + "printed.pdf".
platform::PrinterDescription TestPrinter(const QString& name, const QString& port, int dpi, QSizeF inches);

// The print set-up dialog answered by a user who changes only what `change` does and presses "Print".
int PressPrintInSetup(app::LogState& log, wellfile::PRINTCFG& cfg, const std::function<void(platform::Dialog&)>& change = {});

}  // namespace testing_support
