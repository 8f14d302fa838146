#include "exchange/ui/liveupdatedlg.h"

#include "exchange/liveupdate.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/wellconfig.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace exchange {

using namespace platform;

namespace {

constexpr int kLiveUpdateOn = 101, kInterval = 102, kUpdateNow = 103, kChart = 105, kWits = 110;
constexpr int kLastFile = 101, kLoginCount = 102, kGasChart = 103, kAdd = 106, kRemove = 107, kClients = 110,
              kFiles = 112, kSave = 113, kUsers = 115;

}  // namespace

LUCFGDLG::LUCFGDLG(QWidget* parent, wellfile::WellConfig& config, int profile, int gasMonitorType,
                   std::function<QString(bool, bool)> publish)
    : Dialog(parent, QStringLiteral("Strativ Live Update Configuration")), config_(config), profile_(profile),
      gasMonitorType_(gasMonitorType), publish_(std::move(publish))
{
    AddCheck(kLiveUpdateOn, QStringLiteral("Live Update On"));
    NewRow();
    AddStatic(IDC_STATIC, QStringLiteral("Update Interval (Meters)"));
    AddEdit(kInterval, 10, 6);
    AddButton(kUpdateNow, QStringLiteral("Update Now"));
    NewRow();
    BeginGroup(IDC_STATIC, QStringLiteral("Files To Send (if available)"));
    const char* names[] = {".svx", ".cht", ".svc", ".top", ".hor", ".cfg", ".wit", ".sch", ".rpt", ".grdx"};
    for (int i = 0; i < 10; ++i)
        AddCheck(104 + i, QString::fromLatin1(names[i]));
    EndGroup();
    NewRow();
    AddStretch();
    AddButton(IDOK, QStringLiteral("Save And Close"), true);
    AddButton(IDCANCEL, QStringLiteral("Close"));
    On(kUpdateNow, BN_CLICKED, [this] { CmUpdateNow(); });
}

void LUCFGDLG::SetupWindow()
{
    wellfile::CopyOptions& o = config_.copyOptions;
    if (profile_ == 21) {
        o.copyOut = 1;
        Enable(kLiveUpdateOn, false);
        Show(kLiveUpdateOn, false);
        Show(kUpdateNow, false);
    }
    SetCheck(kLiveUpdateOn, o.copyOut ? 1 : 0);
    SetCheck(kChart, o.sendChartFiles ? 1 : 0);
    SetCheck(kWits, o.sendWitsFiles ? 1 : 0);
    for (const int hidden : {104, 106, 107, 108, 109, 111, 112, 113})
        Show(hidden, false);
    if (gasMonitorType_ == 10 || gasMonitorType_ == 11) {
        SetCheck(kChart, 0);
        Enable(kChart, false);
        Show(kChart, false);
    } else if (profile_ == 62) {
        SetCheck(kChart, 1);
        Enable(kChart, false);
    }
    if (o.liveUpdateInterval < 2)
        o.liveUpdateInterval = 2;
    SetText(kInterval, QString::asprintf("%d", o.liveUpdateInterval));
    wasOff_ = o.copyOut == 0;
}

void LUCFGDLG::TransferOut()
{
    wellfile::CopyOptions& o = config_.copyOptions;
    o.copyOut = GetCheck(kLiveUpdateOn) == 1 ? 1 : 0;
    if (wasOff_ && o.copyOut) {
        o.sendWitsFiles = 1;
        SetCheck(kWits, 1);
        platform::MessageBox(QStringLiteral("Live updates are enabled. It is the\nloggers responsibility to verify "
                                            "that\nthe shared folders are assigned to the correct\ncompanies "
                                            "and/or geologist's.\nIF ANY DOUBT LEAVE THEM OFF and verify\nwith "
                                            "your supervisor"),
                             QString());
        CmUpdateNow();
    } else {
        o.sendWitsFiles = GetCheck(kWits) == 1 ? 1 : 0;
    }
    o.sendChartFiles = GetCheck(kChart) == 1 ? 1 : 0;
    o.liveUpdateInterval = std::max(GetInt(kInterval), 2);
}

void LUCFGDLG::CmUpdateNow()
{
    const bool on = GetCheck(kLiveUpdateOn) == 1;
    const QString said = publish_ ? publish_(on, GetCheck(kWits) == 1) : QString();
    if (on && !said.isEmpty())
        platform::MessageBox(said, QString());
}

LIVEUSERDLG::LIVEUSERDLG(QWidget* parent, const QString& usersRoot)
    : Dialog(parent, QStringLiteral("Strativ Live User Setup")), usersRoot_(usersRoot)
{
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("SELECT CLIENT"));
    AddStatic(IDC_STATIC, QStringLiteral("USER NAME"));
    AddList(kClients);
    AddList(kUsers);
    EndGrid();
    NewRow();
    AddStatic(IDC_STATIC, QStringLiteral("FILE LIST"));
    NewRow();
    AddList(kFiles);
    NewRow();
    AddButton(kAdd, QStringLiteral("ADD "));
    AddButton(kRemove, QStringLiteral("REMOVE"));
    AddButton(kSave, QStringLiteral("SAVE"));
    NewRow();
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("Last File Viewed"));
    AddEdit(kLastFile, 260);
    AddStatic(IDC_STATIC, QStringLiteral("Times Logged  In"));
    AddEdit(kLoginCount, 12);
    EndGrid();
    NewRow();
    AddCheck(kGasChart, QStringLiteral("Allow Viewing of Gas Chart "));
    NewRow();
    AddStretch();
    AddButton(IDCANCEL, QStringLiteral("Close"));
    On(kUsers, LBN_SELCHANGE, [this] { SelectUser(); });
    On(kClients, LBN_SELCHANGE, [this] { SelectClient(); });
    On(kAdd, BN_CLICKED, [this] { Add(); });
    On(kRemove, BN_CLICKED, [this] { Remove(); });
    // The gas-chart choice is stored with the next change, as the stations did.
}

void LIVEUSERDLG::SetupWindow()
{
    for (const QString& word : ClientCodeWords())
        AddString(kClients, word);
    for (const QString& user : LiveUsers(usersRoot_))
        AddString(kUsers, user);
    Enable(kGasChart, false);
}

QString LIVEUSERDLG::User() const
{
    const int i = GetSelIndex(kUsers);
    return i < 0 ? QString() : GetString(kUsers, i);
}

int LIVEUSERDLG::ReadUserFile()
{
    const QString user = User();
    return user.isEmpty() ? 0 : wellfile::LoadUserFileAt(block_, LiveUserFilePath(usersRoot_, user));
}

int LIVEUSERDLG::WriteUserFile()
{
    const QString user = User();
    return user.isEmpty() ? 0 : wellfile::SaveUserFileAt(block_, LiveUserFilePath(usersRoot_, user));
}

void LIVEUSERDLG::SelectUser()
{
    ClearStrings(kFiles);
    const bool read = ReadUserFile() == 1;
    const QString last = platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(block_.lastFileViewed)));
    QStringList listed;
    ReviewListedFiles(block_, LiveUserFolder(usersRoot_, User()), listed);
    for (const QString& path : listed) {
        const int at = AddString(kFiles, path);
        if (path == last)
            SetSelIndex(kFiles, at);
    }
    const QString client = platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(block_.clientText)));
    for (int i = 0; i < GetCount(kClients); ++i)
        if (GetString(kClients, i) == client)
            SetSelIndex(kClients, i);
    // A record of the wrong size reads as empty; it is rewritten only when the user changes something.
    if (listed.isEmpty() && read) {
        std::memset(block_.lastFileViewed, 0, sizeof block_.lastFileViewed);
        WriteUserFile();
    }
    SetFromField(kLastFile, block_.lastFileViewed);
    SetText(kLoginCount, QString::asprintf("%d", block_.loginCount));
    Enable(kGasChart, true);
    SetCheck(kGasChart, block_.allowGasChartViewing ? 1 : 0);
}

void LIVEUSERDLG::SelectClient()
{
    const int i = GetSelIndex(kClients);
    if (i < 0 || User().isEmpty())
        return;
    platform::SetFieldText(block_.clientText, platform::ToCp1252(GetString(kClients, i)).toStdString());
    WriteUserFile();
}

void LIVEUSERDLG::Add()
{
    if (User().isEmpty())
        return;
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("StrativM Files (*.SVM)|*.svm|");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    // The first free entry: an entry of a file now missing keeps its place, so none is overwritten.
    int slot = 0;
    while (slot < 50 && !ListedFile(block_, slot).isEmpty())
        ++slot;
    // A path that does not fit its field is refused whole: a cut path would name another file.
    if (!SetListedFile(block_, slot, *chosen)) {
        std::fprintf(stderr, "Not added to the user's list: %s\n", qPrintable(*chosen));
        platform::MessageBeep();
        return;
    }
    block_.fileCount = GetCount(kFiles) + 1;
    WriteUserFile();
    SetSelIndex(kFiles, AddString(kFiles, *chosen));
}

void LIVEUSERDLG::Remove()
{
    const int i = GetSelIndex(kFiles);
    if (i < 0 || User().isEmpty())
        return;
    const QString removed = GetString(kFiles, i);
    QStringList kept;
    for (int k = 0; k < GetCount(kFiles); ++k)
        if (k != i)
            kept << GetString(kFiles, k);
    std::memset(block_.fileList, 0, sizeof block_.fileList);
    for (int k = 0; k < kept.size(); ++k)
        SetListedFile(block_, k, kept[k]);
    block_.fileCount = std::max(block_.fileCount - 1, 0);
    const QString last = platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(block_.lastFileViewed)));
    if (last == removed) {
        std::memset(block_.lastFileViewed, 0, sizeof block_.lastFileViewed);
        SetText(kLastFile, QString());
    }
    block_.allowGasChartViewing = GetCheck(kGasChart) == 1 ? 1 : 0;
    WriteUserFile();
    ClearStrings(kFiles);
    for (const QString& path : kept)
        AddString(kFiles, path);
    RemoveWellFromUser(LiveUserFolder(usersRoot_, User()), removed);
}

}  // namespace exchange
