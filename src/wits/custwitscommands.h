#pragma once
// The custom WITS link's services of a main window: command 51939 (" Custom Wits") that makes, connects
// and starts the link or disconnects and deletes it, the waiting text (WM_USER+4), timer 8 and what
// drilling mode and the link settings ask. The commands own the link; LogState::engines.custWits points
// at it while it runs.
#include "wits/custwits.h"
#include "wits/witscommands.h"

#include <memory>

namespace app {
struct LogState;
struct WellServices;
}  // namespace app

namespace wits {

class CustWitsCommands {
public:
    static constexpr int kOutputTimer = 8;

    // `services` and `window` outlive the commands.
    CustWitsCommands(const app::WellServices& services, const WitsLinkWindow& window);
    ~CustWitsCommands();
    CustWitsCommands(const CustWitsCommands&) = delete;
    CustWitsCommands& operator=(const CustWitsCommands&) = delete;

    // Command 51939: the link on or off. Not in a TVD file.
    void CmCustomWits(app::LogState& log);
    void EvCustWitsData(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam);
    // Timer 8.
    void Output(app::LogState& log);
    // Drilling stops: the link is disconnected and deleted (the well keeps it marked on).
    void Stop(app::LogState& log);
    bool Running() const { return link_ != nullptr; }
    CUSTWITS* link() const { return link_.get(); }

    // Opens the port of the link settings, starts timer 8, shows the windows and sends the first poll:
    // 1 when the link is up, 0 after a failure that was reported (nothing of the link is left open; the
    // object stays the caller's to delete).
    int Connect(app::LogState& log, CUSTWITS& link);
    // Stops timer 8, takes the windows away and closes the port. Returns 1.
    int Disconnect(app::LogState& log, CUSTWITS& link);

    // Reconnects the running link after its settings were saved: disconnected now, connected again
    // after the pause (with the wait cursor shown). One that does not come back is switched off as a
    // failed switch-on is.
    void Reconnect(app::LogState& log);
    LinkReconnect& reconnect() { return reconnect_; }

private:
    void Delete(app::LogState& log);
    // The link marked off in the well's settings (byte 4569).
    void StoreOn(app::LogState& log, bool on);
    void MakeHost(app::LogState& log);

    const app::WellServices& services_;
    const WitsLinkWindow& window_;
    std::unique_ptr<CustWitsHost> host_;
    std::unique_ptr<CUSTWITS> link_;
    LinkReconnect reconnect_;
};

// The baud rate of the link settings' baud index (4,800 to 115,200); an index off the list gives the
// settings' default, 19,200.
std::uint32_t CustWitsBaudRate(std::int32_t baudIndex);
// The period of timer 8 for "Read /Send Interval (sec)": whole milliseconds, 4,000 for 0 or less.
int CustWitsInterval(float seconds);

}  // namespace wits
