#pragma once
// The windows of the drilling alarms: the modeless "Alarm Status" window that a raised alarm shows, and
// the modal "Alarm Setup" dialog of "&Alarms...".
#include "drilling/alarmform.h"
#include "drilling/logalarm.h"
#include "platform/ui/dialog.h"
#include "wits/ui/alarmstatusdialog.h"

#include <QStringList>

namespace drilling {

class DrillingCommands;

// Dialog 32, modeless, a child of the main window: the alarm text (105) and "Close" (102), which
// acknowledges the alarm raised last and hides the window; "Disable" (127) is hidden. It lives until its
// parent goes, or until its alarms go (it is then closed and never calls them again).
class AlarmDisplay final : public wits::AlarmStatusDialog, public AlarmStatusWindow {
    Q_OBJECT
public:
    AlarmDisplay(QWidget* owner, LogAlarm* alarms, const QString& firstText);
    ~AlarmDisplay() override;

    bool IsShown() const override;
    void ShowAgain() override;
    void SetAlarmText(const QString& text) override;
    void AlarmsGone() override;

protected:
    void SetupWindow() override;

private:
    void CmClose();

    LogAlarm* alarms_;
    QString firstText_;
};

// Makes and shows the status window of `alarms` over `owner`.
AlarmDisplay* ShowAlarmDisplay(QWidget* owner, LogAlarm& alarms, const QString& firstText);

// Dialog 31, modal: the alarm settings and the lag alarm interval. It edits the record and the interval
// it is given only when it ends with SAVE; a time the alarm cannot have keeps it open with a message.
// The Sounds list (105) holds the data folder's ".wav" files; "Test" (109) plays the one selected.
class AlarmSetupDlg final : public platform::Dialog {
    Q_OBJECT
public:
    AlarmSetupDlg(QWidget* parent, AlarmSetupView view, AlarmSettings& settings, std::int32_t& lagAlarmInterval);

    // The sound files of `dataFolder` the list offers: ".wav" whatever the letter case, by name, none
    // whose name the record cannot hold whole.
    static QStringList SoundFiles(const QString& dataFolder);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void Spin(int spinId, int editId);
    void SoundChanged();
    void CmTest();

    AlarmSetupView view_;
    AlarmSettings& settings_;
    std::int32_t& lagAlarmInterval_;
    AlarmSettings edited_{};  // the record while the dialog runs
};

// Gives the drilling services their alarm windows, parented to `window`.
void InstallAlarmWindows(DrillingCommands& commands, QWidget* window);

}  // namespace drilling
