#pragma once
// The show report dialog ("STRATIV SHOW REPORT"): steps through the well's shows, makes a new one over
// an interval asked with NewShowDlg and filled from the depth records, saves, deletes and prints one
// show per page. Closing reloads the show marks of the log and, while drilling, leaves a send copy.
#include "reports/showreport.h"
#include "reports/ui/recordreportdlg.h"

#include <array>
#include <vector>

namespace reports {

// The interval of a new show: top and bottom within the data file.
class NewShowDlg final : public platform::FormDialog {
    Q_OBJECT
public:
    enum : int { IDC_TOP = 101, IDC_BOTTOM = 102 };
    // `interval` holds the file's first and last depth; on OK the chosen top and bottom.
    NewShowDlg(QWidget* parent, std::int32_t (&interval)[2]);

protected:
    bool CanClose() override;

private:
    std::int32_t (&interval_)[2];
    std::int32_t first_, last_;
};

class ShowDlg final : public RecordReportDlg {
    Q_OBJECT
public:
    enum : int {
        IDC_SHOW_NUMBER = 103, IDC_INTERVAL = 104, IDC_PREVIOUS = 134, IDC_NEXT = 135, IDC_PRINT = 136,
        IDC_SAVE_AS_TEXT = 138, IDC_NEW = 139, IDC_SAVE = 140, IDC_GAS_HEADING = 142, IDC_PRINTER_SETUP = 145,
        IDC_DELETE = 149,
    };
    // `requested`: the show (from 1) to show first; any other value shows the last.
    ShowDlg(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested);

    // Loads the shows (a well without any starts with NEW); false when that first NEW was cancelled.
    bool Load();
    void DrawPage(platform::Dc& dc) override;

    // Gas as fractions of the test gas whatever the profile (the window has no such switch of its own).
    bool calibratedGas = false;

    int Count() const override { return int(shows_.size()); }
    int Current() const override { return current_; }
    const wellfile::SHOWREPORT& Shown() const { return shows_[std::size_t(current_)]; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void TransferRecord(int direction) override;
    bool ShowRecord(int index) override;
    void CmNew() override;
    void CmSave() override;
    void CmDelete() override;
    QString PrintedDepth() const override;
    QByteArray RecordText() const override;
    ShowFillSettings Settings() const;
    QString ShowPath() const;
    // The log's show marks read again from the file, and the log repainted.
    void ReloadMarks();

    int requested_;
    std::vector<wellfile::SHOWREPORT> shows_;
    int current_ = -1;
    bool cancelled_ = false;
    bool unreadable_ = false;  // the ".sho" is there but could not be read: it is never written over
    std::array<float, 6> divisors_{1, 1, 1, 1, 1, 1};
};

// Runs the show report dialog of the open well modally at show `requested`.
void RunShowReport(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested);

}  // namespace reports
