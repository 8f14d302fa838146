#pragma once
// The "Gas Monitor Setup" command (51800) while its dialog is open: the dialog's copy of the settings
// record and what the dialog's actions do to the window, the well configuration, the running engine and
// the WITS link. The dialog itself only shows the views and hands its fields over.
#include "gasmon/gasmonsetup.h"
#include "wits/wits_services.h"

#include <functional>
#include <optional>

namespace app {
struct LogState;
}

namespace gasmon {

class AutoGas;

struct GasSetupHooks {
    std::function<void()> rebuildMenu;
    std::function<void(const wits::GasSetupValues&)> handToWitsLink;
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

private:
    app::LogState& log_;
    AutoGas* engine_;
    GASMONCFG& cfg_;
    GasSetupHooks hooks_;
    int type_;
    bool witsSettingsFile_;
};

}  // namespace gasmon
