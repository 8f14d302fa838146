#pragma once
// The live-update settings of the well ("Strativ Live Update Configuration") and the live users of this
// machine ("Strativ Live User Setup").
#include "platform/ui/dialog.h"
#include "wellfile/settingsblock.h"

#include <functional>

namespace wellfile { struct WellConfig; }

namespace exchange {

// Controls: 101 "Live Update On", 102 interval, 103 "Update Now", 104-113 the files to send (only 105
// ".cht" and 110 ".wit" shown); "Save And Close" is IDOK, "Close" IDCANCEL.
class LUCFGDLG final : public platform::Dialog {
public:
    // `publish(on, wits)` is "Update Now": it sets the window's live-update flag and, when on, publishes
    // the well (with today's daily WITS file when `wits`) and gives the text then shown ("Files Updated",
    // or the shared folder that is missing).
    LUCFGDLG(QWidget* parent, wellfile::WellConfig& config, int profile, int gasMonitorType,
             std::function<QString(bool on, bool wits)> publish);

    void CmUpdateNow();

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    wellfile::WellConfig& config_;
    int profile_;
    int gasMonitorType_;
    std::function<QString(bool, bool)> publish_;
    bool wasOff_ = false;
};

// Controls: 110 client list, 115 user list, 112 file list, 106 ADD, 107 REMOVE, 113 SAVE, 101 last file
// viewed, 102 times logged in, 103 gas-chart box; "Close" is IDCANCEL. Every change is written at once.
class LIVEUSERDLG final : public platform::Dialog {
public:
    LIVEUSERDLG(QWidget* parent, const QString& usersRoot);

    // The selected user's record: 1 when read (a file of any other size reads as empty, 0).
    int ReadUserFile();
    int WriteUserFile();

protected:
    void SetupWindow() override;

private:
    void SelectUser();
    void SelectClient();
    void Add();
    void Remove();
    QString User() const;

    QString usersRoot_;
    wellfile::SettingsBlock block_{};
};

}  // namespace exchange
