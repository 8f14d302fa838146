#pragma once
// The "Gas Monitor Setup" command (51800) while its dialog is open: the dialog's copy of the settings
// record and what the dialog's actions do to the window, the well configuration, the running engine and
// the WITS link. The dialog itself only shows the views and hands its fields over.
#include "gasmon/chartrecord.h"
#include "gasmon/gasmonsetup.h"
#include "gasmon/gasrecord.h"
#include "platform/services.h"
#include "wits/wits_services.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace app {
struct LogState;
}

namespace gasmon {

class AutoGas;

struct GasSetupHooks {
    std::function<void()> rebuildMenu;
    std::function<void(const wits::GasSetupValues&)> handToWitsLink;
    std::function<bool()> gasChartOpen;
    std::function<void()> closeGasChart;  // closes and destroys the open real-time chart
};

// What a press of "Set Chrom Span" leaves for the dialog.
struct SpanStep {
    bool acted = false;        // false without an engine, or after Cancel
    bool closeDialog = false;  // the hot-wire calibration was asked for
    bool showInfo = false;     // "Span Info" shows `info`; else it is hidden
    QString info;
};

// The record the dialog opens over: the file as read, completed with the first-setup defaults when
// there is no valid file, or with the running engine's ratios.
GASMONCFG OpenSetupRecord(const app::LogState& log, const AutoGas* engine, int instrumentType);

// The instrument type the set-up starts with: the window's, else the well configuration's, else 0.
int SetupInstrumentType(const app::LogState& log);

class GasSetupSession {
public:
    GasSetupSession(app::LogState& log, AutoGas* engine, GASMONCFG& cfg, GasSetupHooks hooks);

    GASMONCFG& Record() { return cfg_; }
    SetupInputs Inputs() const;
    // The view of the dialog as it opens (the record's bounds applied).
    SetupView OpenView();
    platform::LOGFONTA ListFont() const;

    // Another instrument type was chosen: the window and the well configuration take it at once and the
    // view of the type comes back. While the engine runs nothing changes (after the message): empty.
    std::optional<SetupView> ChangeType(int type);
    // Save: the record read from the form, the well configuration, the running engine and link, the file.
    // False when refused or a write failed (after the message).
    bool Save(const SetupForm& form);

    // ---- Requests to the running engine (none: nothing happens) ----
    // "Set Elution Times": an open chart is closed outside profiles 2 and 114, the operator is asked, and
    // the engine's elution-time request is set (OK) or cleared (Cancel). True when the dialog is to close.
    bool ElutionSetup();
    // "Set Chrom Span" ("Set HW Span" in profile 37): the hot-wire calibration asked for in profile 37,
    // then the span adjustment toggled.
    SpanStep SpanCalibration();
    void RequestSampleNow();
    void RequestCloseBlock();
    // The caption of "Open Clear" ("Flow On": the engine's flow is never switched); empty without an engine.
    std::optional<QString> FlowCaption() const;
    // The integrator checks as they stand after a click of "BASELINE Intergrator": the engine runs the
    // checked one (SRI first). Only in the profiles that switch integrators while running.
    void TakeIntegratorChoice(bool sriChecked, bool baselineChecked);

    // ---- The data views and their exports ----
    // The well's gas file and today's chart file, read without an engine.
    std::vector<GASRECORD> ReadGasRecords() const;
    std::vector<CHARTRECORD> ReadChartRecords() const;
    std::int32_t FirstDepth() const;
    bool EngineRunning() const { return engine_ != nullptr; }
    // "gasmon.txt" and "chart.txt" in the open well's folder (only while the engine runs). False when
    // nothing was written (a failure is reported).
    bool ExportGasText(std::span<const GASRECORD> records) const;
    bool ExportChartText(std::span<const CHARTRECORD> records) const;
    // The file-open request of "Browse" (its filter follows the record's baseline integrator).
    platform::FileDialogRequest IntegratorFileRequest() const;

private:
    app::LogState& log_;
    AutoGas* engine_;
    GASMONCFG& cfg_;
    GasSetupHooks hooks_;
    int type_;
    bool witsSettingsFile_;
};

}  // namespace gasmon
