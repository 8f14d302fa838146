#pragma once
// The windows of the WITS alarm table: the "Alarm Status" pop-up that an alarm shows, and the "Wits
// Alarms" dialog in which the user sets the limits of each channel in "wits.alm".
#include "platform/ui/dialog.h"
#include "wits/ui/alarmstatusdialog.h"
#include "wits/witsalarms.h"

namespace wits {

// Dialog 32, modeless, a child of the main window: the alarm message (105), "Close" (102) hides it and
// "Disable" (127) clears the alarm of its channel. It lives until its parent goes, or until its table
// goes (it is then closed and never calls the table again).
class WitsAlarmDisplay final : public AlarmStatusDialog, public AlarmPopup {
    Q_OBJECT
public:
    WitsAlarmDisplay(QWidget* owner, WitsAlarms* table, int channel, const QString& text);
    ~WitsAlarmDisplay() override;

    int Channel() const { return channel_; }
    const WitsAlarms* Table() const { return table_; }

    bool IsShown() const override;
    void ShowAgain() override;
    void SetAlarmText(const QString& text, int channel) override;
    void TableGone() override;

protected:
    void SetupWindow() override;

private:
    void Disable();

    WitsAlarms* table_;
    int channel_;
    QString text_;
};

// Makes and shows the pop-up of `table` for its first alarm, with `owner` as its parent.
WitsAlarmDisplay* ShowWitsAlarmDisplay(QWidget* owner, WitsAlarms& table, int channel, const QString& text);

// Dialog 66, modal: the channel list (101), the low, high and time edits (102 to 104), "SAVE" (105),
// "Notify By Email" (106, profile 12 only) and "Done" (1). It works on its own copy of the file, loaded
// once when it opens; each "SAVE" stores the edits into the channel shown and writes the whole copy.
class WitsAlarmsDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `host` gives the data folder, the profile and the WITS engine's reload.
    WitsAlarmsDlg(QWidget* parent, WitsAlarmHost host);

    const WitsAlarmBlock& Block() const { return block_; }

protected:
    void SetupWindow() override;

private:
    void ShowEntry(const char* format);
    void SelectionChanged();
    void SaveEntry();
    int Profile() const;
    QString DataFolder() const;

    WitsAlarmHost host_;
    WitsAlarmBlock block_{};
    int selection_ = 0;
};

}  // namespace wits
