#include "reports/ui/dstdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/text.h"
#include "reports/draw/dstpage.h"
#include "reports/dsttests.h"
#include "reports/reporttext.h"
#include "reports/reportwell.h"
#include "wellfile/copyout.h"
#include "wellfile/reportindex.h"

namespace reports {

DstDlg::DstDlg(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested)
    : RecordReportDlg(parent, QStringLiteral("STRATIV DST REPORT"), log, printer, QStringLiteral("DST"),
                      QStringLiteral("DST")),
      requested_(requested)
{
    // The fields in rows, each block under the one before.
    AddEditGrid(3, {{"DST NO.:", IDC_NUMBER, 80, 8}, {"FROM", IDC_FROM, 80, 10}, {"To", IDC_TO, 80, 10}});
    NewRow();
    AddEditGrid(1, {{"FORMATION:", IDC_FORMATION, 80, 40}});
    NewRow();
    BeginGrid(3);
    SkipCell();
    AddCaption("PRESSURE: (PSI)");
    AddCaption("TIME: (min.)");
    const struct {
        const char* caption;
        int pressure, pressureWidth, time;
    } rows[6] = {{"INITIAL HYD:", 107, 80, 0},      {"INITIAL FLOW:", 108, 81, 109}, {"INITIAL SHUT IN:", 110, 80, 111},
                 {"FINAL FLOW:", 112, 81, 113},     {"FINAL SHUT IN:", 114, 80, 115}, {"FINAL HYD:", 116, 80, 0}};
    for (const auto& row : rows) {
        AddCaptionedEdits({{row.caption, row.pressure, row.pressureWidth, 15}});
        if (row.time)
            AddEdit(row.time, 80, 15);
        else
            SkipCell();
    }
    EndGrid();
    NewRow();
    AddEditGrid(1, {{"DRILL PIPE RECOVERY:", 117, 81, 60},
                    {"", 125, 81, 60},
                    {"SAMPLER RECOVERY:", 118, 81, 60},
                    {"", 126, 81, 60},
                    {"COMMENTS:", 119, 80, 60},
                    {"", 120, 81, 60},
                    {"", 121, 81, 60}});
    AddRecordButtons<DstDlg>();
}

void DstDlg::Load()
{
    const auto tests = ReadDstTests(app::PlaceOf(log_));
    if (!tests) {
        count_ = 0;
        current_ = 0;
        isNew_ = true;
        record_ = wellfile::DSTREPORT{};
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
    wellfile::DSTREPORT& d = record_;
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

// The test as the file holds it now.
bool DstDlg::ShowRecord(int index)
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

void DstDlg::CmNew()
{
    record_ = wellfile::DSTREPORT{};
    current_ = count_;
    platform::SetFieldText(record_.number, platform::CFormat("%d", count_ + 1));
    isNew_ = true;
    TransferRecord(1);
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
        LeaveSendCopy(log_.well.file, QStringLiteral(".dst"));
    }
    isNew_ = false;
    const wellfile::OpenWell& f = log_.well.file;
    if (f.copyOut && f.drilling)
        wellfile::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".dst"));
    wellfile::LoadDstDepthIndex(place, log_.well.dstDepthIndex);
}

void DstDlg::CmDelete()
{
    // An unsaved new test is not in the file: it is dropped, and the file's tests stay.
    if (isNew_) {
        if (count_ == 0 || !ShowRecord(count_ - 1))
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

QString DstDlg::PrintedDepth() const { return platform::FieldString(record_.fromDepth); }

QByteArray DstDlg::RecordText() const { return DstText(record_); }

void DstDlg::DrawPage(platform::Dc& dc)
{
    // Company and well as the header reads when the page is drawn; empty when it cannot be read.
    const HeaderNames names = ReadHeaderNames(app::PlaceOf(log_), log_.well.loggerId).value_or(HeaderNames{});
    DrawDstPage(dc, dc.GetDeviceCaps(platform::LOGPIXELSY) / 10, record_, log_.layout.format.title, names.company,
                names.well);
}

void DstDlg::Closed()
{
    LeaveSendCopy(log_.well.file, QStringLiteral(".dst"));
    log_.view.Invalidate();
}

void RunDstReport(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested)
{
    DstDlg dialog(parent, log, printer, requested);
    dialog.Load();
    dialog.Execute();
    // Every way out (CLOSE, Escape, the close box) leaves the send copy.
    dialog.Closed();
}

}  // namespace reports
