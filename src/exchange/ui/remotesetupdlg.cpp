#include "exchange/ui/remotesetupdlg.h"

#include "platform/services.h"

#include <QFileInfo>

namespace exchange {

using namespace platform;

namespace {
constexpr int kStart = 101, kReceive = 102, kCopy = 103, kDestination = 104, kInterval = 105, kReceiveLabel = 110,
              kUpdateNow = 111, kIntervalLabel = 112, kWitsGroup = 113, kWitsOn = 114, kWitsOff = 115, kBrowse = 116;
}

RemoteSetupDlg::RemoteSetupDlg(QWidget* parent, RemoteSetupFields& fields, RemoteSetupMode mode, bool witsRadios,
                               bool witsOn, Hooks hooks)
    : Dialog(parent, QStringLiteral("STRATIV REMOTE MONITOR SETUP")), fields_(fields), mode_(mode),
      witsRadios_(witsRadios), witsOn_(witsOn), hooks_(std::move(hooks))
{
    AddCheck(kStart, QStringLiteral("Start Remote Monitor On Startup"));
    NewRow();
    AddStatic(kReceiveLabel, QStringLiteral("Receive Directory:"));
    AddEdit(kReceive, 260, 40);
    NewRow();
    AddCheck(kCopy, QStringLiteral("Copy Files To Destination"));
    NewRow();
    AddStatic(IDC_STATIC, QStringLiteral("Destination Directory:"));
    AddEdit(kDestination, 250, 40);
    AddButton(kBrowse, QStringLiteral("Browse"));
    NewRow();
    AddStatic(kIntervalLabel, QStringLiteral("Update Interval (sec)"));
    AddEdit(kInterval, 10, 6);
    AddButton(kUpdateNow, QStringLiteral("Update Now"));
    NewRow();
    BeginGroup(kWitsGroup, QStringLiteral("Wits Update"));
    AddRadio(kWitsOn, QStringLiteral("On"), true);
    AddRadio(kWitsOff, QStringLiteral("OFF"));
    EndGroup();
    NewRow();
    AddOkCancel();
    On(kBrowse, BN_CLICKED, [this] { Browse(); });
    On(kUpdateNow, BN_CLICKED, [this] {
        if (hooks_.updateNow)
            hooks_.updateNow(Shown());
    });
    On(kWitsOn, BN_CLICKED, [this] {
        if (hooks_.witsUpdate)
            hooks_.witsUpdate(true);
    });
    On(kWitsOff, BN_CLICKED, [this] {
        if (hooks_.witsUpdate)
            hooks_.witsUpdate(false);
    });
}

void RemoteSetupDlg::SetupWindow()
{
    SetCheck(kStart, fields_.start ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(kCopy, fields_.copy ? BST_CHECKED : BST_UNCHECKED);
    SetText(kInterval, fields_.interval);
    SetText(kReceive, fields_.receiveFolder);
    SetText(kDestination, fields_.destinationFolder);
    const bool radios = mode_ == RemoteSetupMode::WebUpdate && witsRadios_;
    for (const int id : {kWitsGroup, kWitsOn, kWitsOff})
        Show(id, radios);
    if (radios)
        SetCheck(witsOn_ ? kWitsOn : kWitsOff, BST_CHECKED);
    Show(kUpdateNow, mode_ == RemoteSetupMode::WebUpdate);
    if (mode_ == RemoteSetupMode::CopyOnly) {
        setWindowTitle(QStringLiteral("Copy Files"));
        for (const int id : {kStart, kReceive, kReceiveLabel, kInterval})
            Show(id, false);
        SetText(kIntervalLabel, QStringLiteral("Select Dir to copy files to when opened from E-Mail"));
    } else if (mode_ == RemoteSetupMode::WebUpdate) {
        setWindowTitle(QStringLiteral("Web Update"));
        for (const int id : {kStart, kReceive, kReceiveLabel})
            Show(id, false);
        SetText(kIntervalLabel, QStringLiteral("Update Interval (meters)"));
    }
}

RemoteSetupFields RemoteSetupDlg::Shown()
{
    RemoteSetupFields f;
    f.start = GetCheck(kStart) == BST_CHECKED;
    f.copy = GetCheck(kCopy) == BST_CHECKED;
    f.interval = GetText(kInterval);
    f.receiveFolder = GetText(kReceive);
    f.destinationFolder = GetText(kDestination);
    return f;
}

void RemoteSetupDlg::TransferOut() { fields_ = Shown(); }

void RemoteSetupDlg::Browse()
{
    FileDialogRequest request;
    request.title = QStringLiteral("StrativM Files");
    request.filter = QStringLiteral("StrativM Files (*.svm)|*.svm|");
    request.fileName = hooks_.proposedFile ? hooks_.proposedFile() : QString();
    request.folder = QFileInfo(request.fileName).path();
    const std::optional<QString> chosen = services().prompter->SaveFileName(request);
    if (chosen)
        SetText(kDestination, QFileInfo(*chosen).absolutePath() + u'/');
}

}  // namespace exchange
