#pragma once
// The WITS services of a main window: the ones that open windows (the alarm limits dialog, the alarm
// pop-up and the history chart, whose parent is the window) are answered here, the rest by the services
// they are built on.
#include "wits/wits_services.h"

#include <QPointer>
#include <QWidget>

namespace wits { struct WitsLinkWindow; class AlarmPopup; class WitsAlarms; }

namespace shell {

class LogWindow;

// What the standard and custom links ask of the main window besides its state: its menu, the data and
// gas windows, the drilling status box and band, the link settings dialog.
wits::WitsLinkWindow LinkWindowOf(LogWindow& window);

class WitsWindowServices final : public wits::WitsServices {
public:
    WitsWindowServices(QWidget* window, wits::WitsServices& rest);

    // Sets the window's pop-up maker in the state, for the alarm tables made with it.
    void Install(app::LogState& log);
    wits::AlarmPopup* MakeAlarmPopup(wits::WitsAlarms& table, int channel, const QString& text);

    // Runs the "Wits Alarms" dialog.
    void CmWitsAlarms(app::LogState& log) override;

    void CmWits(app::LogState& log) override { rest_.CmWits(log); }
    void CmWitsSetup(app::LogState& log) override { rest_.CmWitsSetup(log); }
    void CmCustomWits(app::LogState& log) override { rest_.CmCustomWits(log); }
    void CmCustomWitsSetup(app::LogState& log) override { rest_.CmCustomWitsSetup(log); }
    // Opens the WITS chart, or closes it when it is open.
    void CmWitsChart(app::LogState& log) override;
    void EvWitsData(app::LogState& log, std::uintptr_t w, std::intptr_t l) override { rest_.EvWitsData(log, w, l); }
    void EvCustWitsData(app::LogState& log, std::uintptr_t w, std::intptr_t l) override { rest_.EvCustWitsData(log, w, l); }
    bool LinkRunning(const app::LogState& log) override { return rest_.LinkRunning(log); }
    bool CustomLinkRunning(const app::LogState& log) override { return rest_.CustomLinkRunning(log); }
    void LinkTimer(app::LogState& log) override { rest_.LinkTimer(log); }
    void CustomLinkOutput(app::LogState& log) override { rest_.CustomLinkOutput(log); }
    void StopLink(app::LogState& log) override { rest_.StopLink(log); }
    void StopCustomLink(app::LogState& log) override { rest_.StopCustomLink(log); }

private:
    QPointer<QWidget> window_;
    wits::WitsServices& rest_;
};

}  // namespace shell
