#pragma once
// The "Backup" dialog: the drive, compression, the daily files that go along and the ".sv_" copy.
#include "exchange/backups.h"
#include "platform/ui/dialog.h"

namespace exchange {

class BackupDlg final : public platform::Dialog {
public:
    BackupDlg(QWidget* parent, BackupChoice& choice);

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    BackupChoice& choice_;
};

}  // namespace exchange
