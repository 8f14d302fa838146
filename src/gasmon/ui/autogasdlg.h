#pragma once
// AutoGasDlg: the gas monitor's set-up and calibration dialog (40, "STRATIV GAS MONITOR SETUP", modal).
// It shows what the session's rules decide and hands its fields to the session's Save; "Close" writes
// nothing. The calibration buttons hand their requests to the running engine through the session; the
// data views list the gas and chart records in list 120; "Help" toggles the gas monitor help window,
// which the main window owns and remembers and which goes with this dialog.
#include "gasmon/chartrecord.h"
#include "gasmon/gasmonsetup_session.h"
#include "gasmon/gasrecord.h"
#include "platform/ui/dialog.h"

#include <QPointer>

#include <vector>

class QMouseEvent;

namespace gasmon {

class AutoGasDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `helpWindow` is the main window's place for the help window, which is made with `parent` as its
    // owner.
    AutoGasDlg(QWidget* parent, GasSetupSession& session, QPointer<QWidget>& helpWindow);
    ~AutoGasDlg() override;

protected:
    void SetupWindow() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Build();
    // On a screen too small for the form, "Advanced" included, the form goes into a scrolled page.
    void FitScreen();
    // Before the first showing: the window and its frame on the screen, with room for "Advanced".
    void PlaceOnScreen();
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
    // The engine's buttons, the views, help and browse (autogasdlg_engine.cpp).
    void ConnectEngineButtons();
    void CmSetElution();
    void CmSetSpan();
    void CmOpenClear();
    void CmHelp();
    void ToggleDataView(int mode);
    // Empties and hides the list with its heading and "Save To File", and frees both buffers.
    void CloseDataView();
    void CmSaveToFile();
    void CmBrowse();

    GasSetupSession& session_;
    QWidget* page_ = nullptr;  // the scrolled page holding the controls; null when the form fits
    int shownType_ = 0;  // the list's selection the session took last
    QWidget* helpOwner_;
    QPointer<QWidget>& helpWindow_;
    // The records the data view shows (empty while it is closed) and what it shows: 0 gas, 1 chart.
    std::vector<GASRECORD> gasRecords_;
    std::vector<CHARTRECORD> chartRecords_;
    int listMode_ = 0;
};

// Runs the dialog modally over `session`; `helpWindow` as for the dialog.
void RunAutoGasDlg(QWidget* parent, GasSetupSession& session, QPointer<QWidget>& helpWindow);

}  // namespace gasmon
