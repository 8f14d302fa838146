#pragma once
// The standard WITS link's services of a main window: the "Wits Monitor" command (51777) that makes,
// connects and starts the engine or disconnects and deletes it, the waiting text (WM_USER+3), timer 4
// and what drilling mode asks. The link's state is LogState::witsLink; whether it runs is
// LogState::engineStatus.witsRunning.
#include "platform/textlink.h"
#include "wits/custwitscfg.h"
#include "wits/linkreconnect.h"
#include "wits/wits.h"
#include "wits/wits_services.h"

#include <QString>

#include <functional>
#include <memory>

namespace gasmon {
class GasDisplay;
}
namespace app {
struct WellServices;
}

namespace wits {

class CustWitsCommands;

// What the link needs of the window besides its state. Any may be left empty: the link goes without.
struct WitsLinkWindow {
    std::function<void(app::LogState&, int id, bool checked)> checkMenuItem;
    std::function<void(app::LogState&)> buildMenu;
    // The data window: `linkKind` 1 for TCP, 2 for serial; the caption follows `settings`.
    std::function<std::unique_ptr<WitsDisplay>(app::LogState&, int linkKind, const CUSTWITSCFG& settings)> makeDataWindow;
    // The gas text window with `caption`.
    std::function<std::unique_ptr<gasmon::GasDisplay>(app::LogState&, const QString& caption)> makeGasWindow;
    // The drilling object's "Drilling Status" box: whether it exists, taken away while the link drives
    // the drilling status, made and shown again when the link goes off.
    std::function<bool(app::LogState&)> statusBoxExists;
    std::function<void(app::LogState&)> removeStatusBox;
    std::function<void(app::LogState&)> showStatusBox;
    // The pump-stroke threads of the pumps on the hole are started (the link goes off while strokes
    // are counted).
    std::function<void(app::LogState&)> startPumpThreads;
    // The pumps are switched on (lag by pump strokes).
    std::function<void(app::LogState&)> pumpsOn;
    // The link part of the status area is drawn again.
    std::function<void(app::LogState&)> drawLinkStatus;
    // Runs the link settings dialog in `form` (kStandardLinkForm or kCustomLinkForm) over `settings`,
    // which it edits in place; true when closed with "Save and Close".
    std::function<bool(app::LogState&, int form, CUSTWITSCFG& settings)> runLinkSettings;
};

// How a link is taken down and brought up again when its settings change.
struct LinkCalls {
    std::function<void(app::LogState&)> disconnect;
    std::function<bool(app::LogState&)> connect;  // false after a failure that was reported
    std::function<void(app::LogState&)> failed;  // switches the link off after a failed connect
};

class WitsCommands final : public WitsServices {
public:
    // `services` outlive the commands (the engine's depth correction goes through them).
    WitsCommands(WitsServices& rest, const app::WellServices& services, WitsLinkWindow window);
    ~WitsCommands() override;

    void CmWits(app::LogState& log) override;
    // Command 51945: the standard link's TCP settings; saved, a running link is reconnected.
    void CmWitsSetup(app::LogState& log) override;
    // Command 51939: the custom link on or off (custwitscommands.h).
    void CmCustomWits(app::LogState& log) override;
    // Command 51940: the custom link's settings; saved, a running custom link is reconnected.
    void CmCustomWitsSetup(app::LogState& log) override;
    void CmWitsAlarms(app::LogState& log) override { rest_.CmWitsAlarms(log); }
    void CmWitsChart(app::LogState& log) override { rest_.CmWitsChart(log); }
    void EvWitsData(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) override;
    void EvCustWitsData(app::LogState& log, std::uintptr_t w, std::intptr_t l) override;
    bool LinkRunning(const app::LogState& log) override;
    bool CustomLinkRunning(const app::LogState& log) override;
    void LinkTimer(app::LogState& log) override;
    void CustomLinkOutput(app::LogState& log) override;
    void StopLink(app::LogState& log) override;
    void StopCustomLink(app::LogState& log) override;

    // Opens the link for the engine: 1 when it is up, 0 after a failure that was reported (the engine
    // is then the caller's to delete; nothing of the link is left open).
    int Connect(app::LogState& log, Wits& engine);
    // Stops timer 4, closes the link, keeps the com port and the windows' places in the gas monitor
    // settings and takes the windows away.
    int Disconnect(app::LogState& log, Wits& engine);

    // Disconnects a running link now and connects it again after the pause, with the wait cursor
    // shown; a connect that fails runs `calls.failed`.
    void Reconnect(app::LogState& log, const LinkCalls& calls);

    // "Reset Dialogs": the data window to (`dataLeft`, `top`) and the gas window to (`gasLeft`, `top`),
    // screen places, when the link runs.
    void MoveWindowsHome(int dataLeft, int gasLeft, int top);

    Wits* engine() const { return engine_.get(); }
    CustWitsCommands& custom() { return *custom_; }
    LinkReconnect& reconnect() { return reconnect_; }


private:
    void DeleteEngine(app::LogState& log);
    // What a failed switch-on leaves: no engine, the link marked off in the window and the settings.
    void LinkFailed(app::LogState& log);
    // Reads the settings record, runs the dialog in `form` and writes the record when it was saved;
    // true when written.
    bool EditLinkSettings(app::LogState& log, int form);
    int ConnectSerial(app::LogState& log, Wits& engine, const platform::SerialSettings& serial);
    int ConnectTcp(app::LogState& log, Wits& engine, const CUSTWITSCFG& settings);

    WitsServices& rest_;
    const app::WellServices& services_;
    WitsLinkWindow window_;
    std::unique_ptr<WitsHost> host_;
    std::unique_ptr<Wits> engine_;
    LinkReconnect reconnect_;
    std::unique_ptr<CustWitsCommands> custom_;
};

}  // namespace wits
