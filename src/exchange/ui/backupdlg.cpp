#include "exchange/ui/backupdlg.h"

#include "platform/services.h"

namespace exchange {

using namespace platform;

namespace {
constexpr int kDrives = 101, kGasCharts = 102, kCompress = 103, kWitsCharts = 104, kSvFile = 105, kLastDepth = 107;
}

BackupDlg::BackupDlg(QWidget* parent, BackupChoice& choice) : Dialog(parent, QStringLiteral("Backup")), choice_(choice)
{
    AddStatic(IDC_STATIC, QStringLiteral("Select Drive"));
    AddCombo(kDrives);
    NewRow();
    AddCheck(kCompress, QStringLiteral("Compress"));
    NewRow();
    AddCheck(kGasCharts, QStringLiteral("Backup Gas Charts"));
    NewRow();
    AddCheck(kWitsCharts, QStringLiteral("Backup Wits Charts"));
    NewRow();
    AddCheck(kSvFile, QStringLiteral("Create SV_ file on drive"));
    NewRow();
    AddStatic(IDC_STATIC, QStringLiteral("Last Backed Up At"));
    AddStatic(kLastDepth, QString());
    NewRow();
    AddStretch();
    AddButton(IDOK, QStringLiteral("Backup"), true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));
}

void BackupDlg::SetupWindow()
{
    const BackupChoice& c = choice_;
    SetCheck(kSvFile, 0);
    Show(kCompress, false);
    // Profile 2 compresses whenever the zip writer is there; the others never do.
    SetCheck(kCompress, c.profile == 2 ? 1 : 0);
    Enable(kCompress, c.profile == 2 && c.zipAvailable);
    SetCheck(kGasCharts, c.profile == 2 ? 1 : 0);
    SetCheck(kWitsCharts, c.witsLinkOn ? 1 : 0);
    Show(kWitsCharts, c.witsLinkOn);
    if (c.gasMonitorType == 10 || c.gasMonitorType == 11) {
        SetCheck(kGasCharts, 0);
        Show(kGasCharts, false);
    }
    SetText(kLastDepth, QString::number(c.lastBackedUpDepth));
    for (const QString& drive : c.drives)
        if (c.profile != 26 || !drive.startsWith(u'C', Qt::CaseInsensitive))
            AddString(kDrives, drive);
    SetSelIndex(kDrives, GetCount(kDrives) > 0 ? 0 : -1);
    for (int i = 0; i < GetCount(kDrives); ++i)
        if (GetString(kDrives, i).compare(c.drive, Qt::CaseInsensitive) == 0)
            SetSelIndex(kDrives, i);
}

void BackupDlg::TransferOut()
{
    BackupChoice& c = choice_;
    if (const int i = GetSelIndex(kDrives); i >= 0)
        c.drive = GetString(kDrives, i);
    c.compress = IsEnabled(kCompress) && GetCheck(kCompress) == BST_CHECKED;
    c.gasCharts = GetCheck(kGasCharts) == BST_CHECKED;
    c.witsCharts = GetCheck(kWitsCharts) == BST_CHECKED;
    c.svFile = GetCheck(kSvFile) == BST_CHECKED;
}

}  // namespace exchange
