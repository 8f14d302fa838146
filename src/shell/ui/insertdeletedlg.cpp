#include "shell/ui/insertdeletedlg.h"

#include "app/depthcorrection.h"
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/drilling_services.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"

namespace shell {

using namespace wellfile;  // the record operations this dialog runs

namespace {

using namespace platform;

constexpr int kGroup = 101, kInsert = 102, kDelete = 103, kCheck = 104, kDepth = 105, kCount = 106, kMessage = 107,
              kContinue = 108;

// The files an insert or delete shifts: the data file and every side file that holds depths by record.
RecordFiles FilesOf(const app::LogState& log)
{
    const OpenWell& f = log.well.file;
    RecordFiles files;
    files.dataFile = f.dataFileName;
    files.customFile = f.customDataFileName;
    files.step = f.depthStep;
    files.fitFile = log.well.fit.path;
    files.memoFile = FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".mem"));
    files.noteFile = FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".hxt"));
    files.shortReportFile = FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".qpt"));
    return files;
}

std::optional<int> IntOf(const Dialog& d, int id)
{
    bool ok = false;
    const int value = d.GetInt(id, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

InsertDelete::InsertDelete(QWidget* parent, app::LogState& log, const app::WellServices& services, bool fullMode)
    : Dialog(parent, QStringLiteral("Insert Delete")), log_(log), services_(services), fullMode_(fullMode)
{
    BeginGroup(kGroup, QStringLiteral("Select Option"));
    AddRadio(kInsert, QStringLiteral("Insert Record (s)"));
    NewRow();
    AddRadio(kDelete, QStringLiteral("Delete Record (s)"));
    NewRow();
    AddRadio(kCheck, QStringLiteral("Check File Depths"));
    EndGroup();
    NewRow();
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("Depth"));
    AddEdit(kDepth, 10, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Number of meters"));
    AddEdit(kCount, 4, 4);
    EndGrid();
    NewRow();
    AddStatic(kMessage, QString());
    NewRow();
    AddButton(kContinue, QStringLiteral("Continue"));
    AddStretch();
    AddButton(IDOK, QStringLiteral("Done"), true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));

    On(kInsert, BN_CLICKED, [this] { EnableEntry(); });
    On(kDelete, BN_CLICKED, [this] { EnableEntry(); });
    On(kDepth, EN_SETFOCUS, [this] { EnableEntry(); });
    On(kCount, EN_SETFOCUS, [this] { EnableEntry(); });
    On(kCheck, BN_CLICKED, [this] { SelectCheck(); });
    On(kCount, EN_KILLFOCUS, [this] { Confirm(); });
    On(kContinue, BN_CLICKED, [this] { CmContinue(); });
}

void InsertDelete::SetupWindow()
{
    SetCheck(kCheck, BST_CHECKED);
    SetCheck(kInsert, BST_UNCHECKED);
    SetCheck(kDelete, BST_UNCHECKED);
    if (!fullMode_) {
        Enable(kInsert, false);
        Enable(kDelete, false);
        setWindowTitle(QStringLiteral("Check File Depths"));
    }
    Enable(kDepth, false);
    Enable(kCount, false);
    // A dated copy of the data and custom-data files before anything can change.
    services_.exchange->BackupData(log_, 0);
}

RecordOperation InsertDelete::Operation() const
{
    if (GetCheck(kCheck) == BST_CHECKED)
        return RecordOperation::Check;
    if (GetCheck(kDelete) == BST_CHECKED)
        return RecordOperation::Delete;
    if (GetCheck(kInsert) == BST_CHECKED)
        return RecordOperation::Insert;
    return RecordOperation::Check;
}

void InsertDelete::EnableEntry()
{
    if (IsEnabled(kContinue))
        Enable(kContinue, false);
    if (!IsEnabled(kDepth)) {
        Enable(kDepth, true);
        SetFocusTo(kDepth);
    }
    if (!IsEnabled(kCount))
        Enable(kCount, true);
    SetText(kMessage, QString());
}

void InsertDelete::SelectCheck()
{
    Enable(kContinue, true);
    Enable(kDepth, false);
    Enable(kCount, false);
}

void InsertDelete::Confirm()
{
    const RecordOperation op = Operation();
    if (op == RecordOperation::Check) {
        SetText(kMessage, QStringLiteral("Checking File For Errors"));
    } else {
        const OpenWell& f = log_.well.file;
        const std::optional<int> depth = IntOf(*this, kDepth);
        const std::optional<int> count = IntOf(*this, kCount);
        if (const auto refusal = RefuseRecordEntry(op, f.fileTopDepth, f.fileBottomDepth, f.depthStep, depth, count)) {
            MessageBox(refusal->text, refusal->caption);
            return;
        }
        depth_ = *depth;
        count_ = *count;
        const char* verb = op == RecordOperation::Delete ? "Deleting" : "Inserting";
        SetText(kMessage,
                QString::fromStdString(CFormat(
                    " %s %d records at %d, click continue to proceed, or cancel to return unchanged ", verb, count_,
                    int(depth_))));
    }
    Enable(kContinue, true);
    SetFocusTo(kContinue);
}

void InsertDelete::CmContinue()
{
    const RecordOperation op = Operation();
    if (op == RecordOperation::Check) {
        CheckDepths();
        return;
    }
    const int done = op == RecordOperation::Delete ? DeleteRecords() : InsertRecords();
    if (done) {
        SetText(kMessage, op == RecordOperation::Delete ? QStringLiteral("Delete Done") : QStringLiteral("Insert Done"));
        OpenWell& f = log_.well.file;
        if (f.copyOut && f.drilling && f.hooks.copyWellFileOut)
            f.hooks.copyWellFileOut(QStringLiteral(".svm"));
    }
    Enable(kContinue, false);
    SetText(kDepth, QString());
    SetText(kCount, QString());
}

int InsertDelete::TakeShift(RecordOperation op, const RecordShift& shift)
{
    OpenWell& f = log_.well.file;
    switch (shift.status) {
    case RecordShift::Done:
        break;
    case RecordShift::ReadFailed:
        MessageBox(shift.path, QStringLiteral("File Error In Read Records"));
        return 0;
    case RecordShift::WriteFailed:
        MessageBox(shift.path + QStringLiteral("\nThe records could not be written; the files are unchanged"),
                   QStringLiteral("File Error"));
        return 0;
    case RecordShift::Refused:
        MessageBox(QStringLiteral("Depth out of Range"), QStringLiteral("Range Error"));
        return 0;
    }
    f.fileBottomDepth = shift.lastDepth;
    if (shift.customChanged) {
        f.customTopDepth = shift.customFirst;
        f.customBottomDepth = shift.customLast;
    }
    if (shift.fitChanged) {
        log_.well.fit.topDepth = shift.fitFirst;
        log_.well.fit.bottomDepth = shift.fitLast;
    }
    // Memos, depth notes, short reports, tops and shows at or below the point moved with the records.
    const std::int32_t point = depth_;
    const std::int32_t delta = (op == RecordOperation::Delete ? -1 : 1) * count_ * std::max(f.depthStep, 1);
    services_.view->LoadMemos(log_);
    services_.view->LoadShortReports(log_);
    app::MoveTopsAndShows(log_, services_, [point, delta](std::int32_t d) { return MovedDepth(d, point, delta); });
    if (f.drilling && count_ > 1 && services_.drilling)
        services_.drilling->LoadLagRecords(log_, depth_);
    log_.view.redrawPending = true;
    services_.window->Invalidate(log_);
    return 1;
}

int InsertDelete::InsertRecords()
{
    const OpenWell& f = log_.well.file;
    if (RefuseRecordEntry(RecordOperation::Insert, f.fileTopDepth, f.fileBottomDepth, f.depthStep, depth_, count_)) {
        MessageBox(QStringLiteral("Invalid Starting Depth"), QStringLiteral("Range Error"));
        return 0;
    }
    return TakeShift(RecordOperation::Insert, wellfile::InsertRecords(FilesOf(log_), depth_, count_));
}

int InsertDelete::DeleteRecords()
{
    const OpenWell& f = log_.well.file;
    if (const auto refusal =
            RefuseRecordEntry(RecordOperation::Delete, f.fileTopDepth, f.fileBottomDepth, f.depthStep, depth_, count_)) {
        MessageBox(refusal->text, refusal->caption);
        return 0;
    }
    return TakeShift(RecordOperation::Delete, wellfile::DeleteRecords(FilesOf(log_), depth_, count_));
}

int InsertDelete::CheckDepths()
{
    OpenWell& f = log_.well.file;
    const auto progress = [this](std::int32_t d) {
        SetText(kMessage, QString::fromStdString(CFormat("Checking file at %d ", int(d))));
    };
    const DepthCheck check = wellfile::CheckDepths(f.dataFileName, f.depthStep > 0 ? f.depthStep : 1, progress);
    if (!check.readable) {
        MessageBox(f.dataFileName, QStringLiteral("File Error In Read Records"));
        return 0;
    }
    if (check.gapAfter) {
        MessageBox(QString::fromStdString(CFormat("File error corrected at %d ", int(*check.gapAfter))),
                   QStringLiteral("File Error"));
        if (f.hooks.loadAndRepairRecords)
            f.hooks.loadAndRepairRecords();
        return 0;
    }
    SetText(kMessage, QStringLiteral("No Errors Found"));
    return 1;
}

}  // namespace shell
