#pragma once
// The "STRATIV PRINT SETUP" dialog (resource 4, modal) through which "&Print..." asks for the depth range
// and options of a log print. It shows the printer's resolution and an estimate of the printout's length,
// lets the user choose another printer, and remembers "Print All" in the well's settings record.
#include "platform/ui/dialog.h"
#include "print/printsetup.h"

#include <cstdint>

class QLabel;

namespace print {

class printSetupDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `transfer` receives the controls' states when "Print" closes the dialog; `cfg` is the run's
    // settings (its start depth and continuous-paper byte are read, its pictures byte is set).
    printSetupDlg(QWidget* parent, app::LogState& log, PrintSetupTransfer& transfer, wellfile::PRINTCFG& cfg);

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    void TransferIn();
    void ShowLength();
    void ShowResolution();
    void ToggleHeader(int clicked, int other);
    void ClickPrintAll();
    void ChoosePrinter();

    app::LogState& log_;
    PrintSetupTransfer& transfer_;
    wellfile::PRINTCFG& cfg_;
    std::uint8_t continuousPaper_ = 0;  // the printer check's answer for the printer in hand
    std::int32_t startDepth_ = 0;
    std::int32_t endDepth_ = 0;
    QLabel* widthLabel_ = nullptr;
};

// Runs the set-up for the print of `log` with `cfg` holding the start depth offered; when the user
// presses "Print" with a sound range, moves the choices into `cfg` and the window's print flags and
// gives 1. Cancel, or an end depth shallower than the start, gives 0.
int RunPrintSetup(app::LogState& log, wellfile::PRINTCFG& cfg, QWidget* parent = nullptr);

}  // namespace print
