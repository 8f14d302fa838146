#pragma once
// The "LAG CALCULATOR" dialog (resource 45, modal): the hole, the drill string and the pumps typed in,
// the lag figures shown; its work is the LagCalculator's.
#include "drilling/lagcalculator.h"
#include "platform/ui/formdialog.h"

#include <memory>

namespace drilling {

class DrillingCommands;

class LagCalcDlg final : public platform::FormDialog {
    Q_OBJECT
public:
    LagCalcDlg(QWidget* parent, LagCalcHost host);
    ~LagCalcDlg() override;

    LagCalculator& Calculator() { return *calculator_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    std::unique_ptr<LagForm> form_;
    std::unique_ptr<LagCalculator> calculator_;
};

// Gives the drilling services their lag calculator, parented to `window`.
void InstallLagCalculator(DrillingCommands& commands, QWidget* window);

}  // namespace drilling
