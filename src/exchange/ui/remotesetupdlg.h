#pragma once
// The remote monitor set-up ("STRATIV REMOTE MONITOR SETUP"), also the update-package set-up of a
// drilling station and the copy folder of a well opened from e-mail.
#include "exchange/remotemonitor.h"
#include "platform/ui/dialog.h"

#include <functional>

namespace exchange {

enum class RemoteSetupMode {
    Office,     // the monitor: start box, receive folder, copy box, destination, poll interval
    CopyOnly,   // "Copy Files": only the destination
    WebUpdate,  // drilling: update-package box, destination, send interval, "Update Now"
};

// Controls: 101 start box, 102 receive folder, 103 copy box, 104 destination, 105 interval, 110 and 112
// labels, 111 "Update Now", 116 "Browse", 113 group "Wits Update" with radios 114 "On" and 115 "OFF".
class RemoteSetupDlg final : public platform::Dialog {
public:
    struct Hooks {
        std::function<void(const RemoteSetupFields& shown)> updateNow;  // "Update Now", with what is shown
        std::function<void(bool on)> witsUpdate;       // a radio chosen
        std::function<QString()> proposedFile;         // the well's data file for "Browse"
    };
    // `witsRadios` shows the group (profile 134 in drilling) with "On" checked when `witsOn`.
    RemoteSetupDlg(QWidget* parent, RemoteSetupFields& fields, RemoteSetupMode mode, bool witsRadios, bool witsOn,
                   Hooks hooks);

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    void Browse();
    RemoteSetupFields Shown();

    RemoteSetupFields& fields_;
    RemoteSetupMode mode_;
    bool witsRadios_;
    bool witsOn_;
    Hooks hooks_;
};

}  // namespace exchange
