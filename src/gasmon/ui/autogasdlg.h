#pragma once
// AutoGasDlg: the gas monitor's set-up and calibration dialog (40, "STRATIV GAS MONITOR SETUP", modal).
// It shows what the session's rules decide and hands its fields to the session's Save; "Close" writes
// nothing. The calibration, view, help and browse buttons stand in their places and do nothing yet.
#include "gasmon/gasmonsetup_session.h"
#include "platform/ui/dialog.h"

class QMouseEvent;

namespace gasmon {

class AutoGasDlg final : public platform::Dialog {
    Q_OBJECT
public:
    AutoGasDlg(QWidget* parent, GasSetupSession& session);

protected:
    void SetupWindow() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Build();
    void Apply(const SetupView& view);
    void EvTypeChange();
    void CmSave();
    void EvSri();
    void EvBaselineIntegrator();
    void EvDepthOnModule();
    void EvMethaneMode();
    void EvOwnControl();
    void CmAdvanced();
    void CmClearRatios();

    GasSetupSession& session_;
    int shownType_ = 0;  // the list's selection the session took last
};

// Runs the dialog modally over `session`.
void RunAutoGasDlg(QWidget* parent, GasSetupSession& session);

}  // namespace gasmon
