#include "reports/ui/dstdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "exchange/copyout.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/printer_commands.h"
#include "reports/draw/dstpage.h"
#include "reports/dsttests.h"
#include "reports/ui/reportprintout.h"
#include "wellfile/reportindex.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <tuple>

namespace reports {

DstDlg::DstDlg(QWidget* parent, app::LogState& log, int requested)
    : Dialog(parent, QStringLiteral("STRATIV DST REPORT")), log_(log), requested_(requested)
{
    // The fields in rows, each block under the one before.
    const auto label = [this](const char* text) { AddStatic(platform::IDC_STATIC, QString::fromLatin1(text)); };
    BeginGrid(6);
    label("DST NO.:");
    AddEdit(IDC_NUMBER, 80, 8);
    label("FROM");
    AddEdit(IDC_FROM, 80, 10);
    label("To");
    AddEdit(IDC_TO, 80, 10);
    EndGrid();
    NewRow();
    BeginGrid(2);
    label("FORMATION:");
    AddEdit(IDC_FORMATION, 80, 40);
    EndGrid();
    NewRow();
    BeginGrid(3);
    SkipCell();
    label("PRESSURE: (PSI)");
    label("TIME: (min.)");
    const struct {
        const char* caption;
        int pressure, pressureWidth, time;
    } rows[6] = {{"INITIAL HYD:", 107, 80, 0},      {"INITIAL FLOW:", 108, 81, 109}, {"INITIAL SHUT IN:", 110, 80, 111},
                 {"FINAL FLOW:", 112, 81, 113},     {"FINAL SHUT IN:", 114, 80, 115}, {"FINAL HYD:", 116, 80, 0}};
    for (const auto& row : rows) {
        label(row.caption);
        AddEdit(row.pressure, row.pressureWidth, 15);
        if (row.time)
            AddEdit(row.time, 80, 15);
        else
            SkipCell();
    }
    EndGrid();
    NewRow();
    BeginGrid(2);
    for (const auto& [id, width, caption] : {std::tuple{117, 81, "DRILL PIPE RECOVERY:"}, {125, 81, ""},
                                             {118, 81, "SAMPLER RECOVERY:"}, {126, 81, ""},
                                             {119, 80, "COMMENTS:"}, {120, 81, ""}, {121, 81, ""}}) {
        label(caption);
        AddEdit(id, width, 60);
    }
    EndGrid();
    NewRow();
    AddButton(IDC_PREVIOUS, QStringLiteral("PREVIOUS"));
    AddButton(IDC_NEXT, QStringLiteral("NEXT"));
    AddButton(IDC_PRINT, QStringLiteral("PRINT"));
    AddButton(IDC_NEW, QStringLiteral("NEW"));
    AddButton(IDC_SAVE, QStringLiteral("SAVE"));
    AddButton(IDC_PRINTER_SETUP, QStringLiteral("Printer Setup"));
    AddButton(IDC_DELETE, QStringLiteral("DELETE"));
    AddButton(IDC_SAVE_AS_TEXT, QStringLiteral("SAVE AS TEXT"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);
    On(IDC_PREVIOUS, platform::BN_CLICKED, [this] { CmPrevious(); });
    On(IDC_NEXT, platform::BN_CLICKED, [this] { CmNext(); });
    On(IDC_PRINT, platform::BN_CLICKED, [this] { CmPrint(); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_PRINTER_SETUP, platform::BN_CLICKED, [this] { CmPrinterSetup(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
    SetSpacing(3);
}

void DstDlg::Load()
{
    const auto tests = ReadDstTests(app::PlaceOf(log_));
    if (!tests) {
        count_ = 0;
        current_ = 0;
        isNew_ = true;
        record_ = DSTREPORT{};
        platform::SetFieldText(record_.number, "1");
        TransferRecord(1);
        return;
    }
    count_ = int(tests->size());
    // A test beyond the last (a mark of a file since shortened) shows the last.
    current_ = requested_ > 0 && requested_ <= count_ ? requested_ - 1 : count_ - 1;
    record_ = (*tests)[std::size_t(current_)];
    isNew_ = false;
    TransferRecord(1);
}

void DstDlg::TransferRecord(int direction)
{
    const auto move = [&](int id, auto& field) {
        if (direction)
            SetFromField(id, field);
        else
            GetField(id, field);
    };
    DSTREPORT& d = record_;
    move(IDC_NUMBER, d.number);
    move(IDC_FROM, d.fromDepth);
    move(IDC_TO, d.toDepth);
    move(IDC_FORMATION, d.formation);
    move(107, d.initialHydrostatic);
    move(108, d.initialFlow);
    move(109, d.initialFlowTime);
    move(110, d.initialShutIn);
    move(111, d.initialShutInTime);
    move(112, d.finalFlow);
    move(113, d.finalFlowTime);
    move(114, d.finalShutIn);
    move(115, d.finalShutInTime);
    move(116, d.finalHydrostatic);
    move(117, d.drillPipeRecovery1);
    move(125, d.drillPipeRecovery2);
    move(118, d.samplerRecovery1);
    move(126, d.samplerRecovery2);
    move(119, d.comment1);
    move(120, d.comment2);
    move(121, d.comment3);
}

// Reads test `index` from the file and shows it; false (nothing changes) when it is not there.
bool DstDlg::ShowTest(int index)
{
    const auto tests = ReadDstTests(app::PlaceOf(log_));
    if (!tests || index < 0 || index >= int(tests->size()))
        return false;
    count_ = int(tests->size());
    current_ = index;
    record_ = (*tests)[std::size_t(index)];
    isNew_ = false;
    TransferRecord(1);
    return true;
}

void DstDlg::CmPrevious()
{
    if (current_ < 1 || !ShowTest(current_ - 1))
        platform::MessageBeep(0);
}

void DstDlg::CmNext()
{
    if (current_ + 1 >= count_ || !ShowTest(current_ + 1))
        platform::MessageBeep(0);
}

void DstDlg::CmNew()
{
    record_ = DSTREPORT{};
    current_ = count_;
    platform::SetFieldText(record_.number, platform::CFormat("%d", count_ + 1));
    isNew_ = true;
    TransferRecord(1);
}

void DstDlg::SendCopy() const
{
    const wellfile::OpenWell& f = log_.well.file;
    const QString name = f.wellName + QStringLiteral(".dst");
    const QString from = platform::FindFileNoCase(f.currentFolder, name);
    if (!QFileInfo(from).isFile())
        return;
    QDir().mkpath(f.dataFolder + QStringLiteral("sendfile"));
    wellfile::CopyFileReplacing(from, f.dataFolder + QStringLiteral("sendfile/") + name);
}

void DstDlg::CmSave()
{
    TransferRecord(0);
    const wellfile::WellPlace place = app::PlaceOf(log_);
    const DstWrite written = WriteDstTest(place, record_, isNew_ ? count_ : current_);
    if (written == DstWrite::Failed)
        return;
    if (written == DstWrite::Added) {
        current_ = count_;
        ++count_;
    } else {
        SendCopy();
    }
    isNew_ = false;
    const wellfile::OpenWell& f = log_.well.file;
    if (f.copyOut && f.drilling)
        exchange::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".dst"));
    wellfile::LoadDstDepthIndex(place, log_.well.dstDepthIndex);
}

void DstDlg::CmDelete()
{
    // An unsaved new test is not in the file: it is dropped, and the file's tests stay.
    if (isNew_) {
        if (count_ == 0 || !ShowTest(count_ - 1))
            CmNew();
        return;
    }
    const auto left = DeleteDstTest(app::PlaceOf(log_), current_);
    if (!left)
        return;
    count_ = int(left->size());
    if (current_ > 0)
        --current_;
    // With no test left the deleted test's texts stay, for a SAVE to write back.
    if (count_ > 0) {
        record_ = (*left)[std::size_t(current_)];
        TransferRecord(1);
    }
}

void DstDlg::CmPrinterSetup()
{
    if (!print::EnsurePrinter(log_.print)) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return;
    }
    print::PrintDialog(log_.print);
}

void DstDlg::CmPrint()
{
    TransferRecord(0);
    const QString pdfTitle = QStringLiteral("%1-DST_No%2@%3")
                                 .arg(log_.well.file.wellName)
                                 .arg(current_ + 1)
                                 .arg(platform::FieldString(record_.fromDepth));
    PrintReportPage(log_, this, QStringLiteral("StrativM DST Report"), pdfTitle,
                    [this](platform::Dc& dc) { DrawPage(dc); });
}

void DstDlg::DrawPage(platform::Dc& dc)
{
    // Company and well as the header reads when the page is drawn; empty when it cannot be read.
    const wellfile::WellPlace place = app::PlaceOf(log_);
    std::string company, well;
    if (log_.well.loggerId == 7) {
        wellfile::WellHeader1450 old{};
        if (wellfile::ReadHeaderOld(old, place)) {
            company = platform::FieldText(old.company);
            well = platform::FieldText(old.well);
        }
    } else {
        wellfile::WellHeader h{};
        if (wellfile::ReadHeader(h, place)) {
            company = platform::FieldText(h.company);
            well = platform::FieldText(h.well);
        }
    }
    DrawDstPage(dc, dc.GetDeviceCaps(platform::LOGPIXELSY) / 10, record_, log_.layout.format.title, company, well);
}

void DstDlg::Closed()
{
    SendCopy();
    log_.view.Invalidate();
}

void RunDstReport(QWidget* parent, app::LogState& log, int requested)
{
    DstDlg dialog(parent, log, requested);
    dialog.Load();
    dialog.Execute();
    // Every way out (CLOSE, Escape, the close box) leaves the send copy.
    dialog.Closed();
}

}  // namespace reports
