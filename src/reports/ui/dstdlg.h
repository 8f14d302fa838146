#pragma once
// The DST report dialog ("STRATIV DST REPORT"): steps through the well's drill-stem tests one at a
// time, makes new ones, saves and deletes them straight in the ".dst", and prints one test per page.
// Every close leaves a send copy of the file and repaints the log.
#include "reports/ui/recordreportdlg.h"
#include "wellfile/reportrecords.h"

namespace reports {

class DstDlg final : public RecordReportDlg {
    Q_OBJECT
public:
    enum : int {
        IDC_PREVIOUS = 101, IDC_NEXT = 102, IDC_PRINT = 103, IDC_NUMBER = 104, IDC_FROM = 105, IDC_TO = 106,
        IDC_NEW = 122, IDC_SAVE = 123, IDC_FORMATION = 124, IDC_SAVE_AS_TEXT = 127, IDC_PRINTER_SETUP = 128,
        IDC_DELETE = 129,
    };
    // `requested`: the test (from 1) to show first; 0 shows the last.
    DstDlg(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested);

    // Reads the requested test; a well without tests starts on a new test "1".
    void Load();
    void DrawPage(platform::Dc& dc) override;
    // The closing work: the send copy of the ".dst" and a repaint of the log.
    void Closed();

    int Count() const override { return count_; }
    int Current() const override { return current_; }
    bool IsNew() const { return isNew_; }
    const wellfile::DSTREPORT& Shown() const { return record_; }

private:
    void TransferRecord(int direction) override;
    bool ShowRecord(int index) override;
    void CmNew() override;
    void CmSave() override;
    void CmDelete() override;
    QString PrintedDepth() const override;
    QByteArray RecordText() const override;

    int requested_;
    wellfile::DSTREPORT record_{};
    int count_ = 0;
    int current_ = 0;
    bool isNew_ = false;
};

// Runs the DST report dialog of the open well modally at test `requested` (0: the last).
void RunDstReport(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested);

}  // namespace reports
