#pragma once
// SV_LIVEDLG, the live monitor bar: a one-line drop-down list across the top of the main window of the
// wells an office user follows through the shared folder, one summary line each. Choosing a line opens
// that well in the main window. The main window keeps one while the live view is on
// (ToolWindows::liveBar), a strip of its own under the menu bar that the log starts below; it is shown
// only while it lists a well, and placed on every move and resize.
#include "exchange/sharedwells.h"
#include "platform/ui/dialog.h"
#include "shell/ui/barlinks.h"

namespace shell {

class SV_LIVEDLG final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_WELLS = 103 };

    explicit SV_LIVEDLG(shell::BarLinks links);

    // Puts the bar under the owner's menu bar, as wide as the log less its unit column, shown while it
    // lists a well.
    void Place();
    const exchange::SharedWellList& Wells() const { return list_; }

protected:
    void SetupWindow() override;

private:
    void FillWellList();
    void EvWellSelected();

    QMainWindow& Owner() const { return *links_.window; }

    shell::BarLinks links_;
    exchange::SharedWellList list_;
    int timeZone_ = 0;
    bool roomTaken_ = false;  // the main window has laid the log out below the bar
};

}  // namespace shell
