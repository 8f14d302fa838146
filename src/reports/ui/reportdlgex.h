#pragma once
// The daily drilling report dialog ("STRATIV MORNING REPORT"): in edit mode a modal form of the report's
// fields, whose new report is filled from the depth records, the memos and the drilling state; in
// preview mode a modeless window that shows the stored reports as the printed page. Both step through
// the reports, print, delete; edit mode also makes, saves and turns a report into a short report.
#include "platform/ui/dialog.h"
#include "reports/dailyfields.h"
#include "reports/dailyreport.h"
#include "reports/draw/reportpage.h"
#include "wellfile/wellheader.h"

#include <functional>
#include <vector>

class QLabel;

namespace app {
struct LogState;
}

namespace reports {

class ReportPageView;
class ReportPrinter;

class ReportDlgEx final : public platform::Dialog {
    Q_OBJECT
public:
    enum Mode { Preview = 0, Edit = 1 };
    // Buttons.
    enum : int {
        IDC_RPT_PRINT = 103, IDC_RPT_NEW = 108, IDC_RPT_SAVE = 154, IDC_RPT_PREVIOUS = 118, IDC_RPT_NEXT = 119,
        IDC_RPT_DELETE = 101, IDC_RPT_PRINTER_SETUP = 159, IDC_RPT_SHORT_REPORT = 164, IDC_RPT_LAG_LABEL = 173,
    };

    // `requested`: the report number (from 1) to show, -1 for the last. `printer` prints the page and
    // sets up the printer.
    ReportDlgEx(QWidget* parent, app::LogState& log, ReportPrinter& printer, Mode mode, int requested);
    ~ReportDlgEx() override;

    // Loads the reports and picks the one shown; false (after telling the user) when the dialog is not
    // to be shown.
    bool Load();

    // The drilling state a new report reads; the window's driller unless a test sets it.
    std::function<DrillingNow()> drillingNow;

    // Previous or next report, `ctrl` as if Ctrl were held.
    void Step(bool forward, bool ctrl);
    // Draws the preview page into `dc` as the dialog's window shows it (client area `client`).
    void DrawPreview(platform::Dc& dc, const platform::RECT& client);
    // Draws the page of the shown report on paper.
    void DrawPrintedPage(platform::Dc& dc);

    Mode ShownMode() const { return mode_; }
    int Index() const { return index_; }
    int Count() const { return count_; }
    const wellfile::REPORTEX& Shown() const { return reports_[std::size_t(index_)]; }
    const ReportPageState& PageState() const { return page_; }

protected:
    void SetupWindow() override;

private:
    void BuildFields();
    void BuildButtons();
    // The preview's page area: the page at the largest unit up to the log's at which it fits the screen.
    void SizePreview();
    ReportPageDevice PreviewDevice() const;
    void Fill();
    void ReadFields();
    void ShowLagText();
    void CmNew();
    void CmSave();
    void CmDelete();
    void CmShortReport();
    void CmPrint();
    void HoursLeft();
    void Closing();
    ReportPageData PageData() const;
    ReportWell Well();

    app::LogState& log_;
    ReportPrinter& printer_;
    Mode mode_;
    int requested_;
    std::vector<wellfile::REPORTEX> reports_;  // count_ reports and a spare
    int count_ = 0;
    int index_ = 0;
    wellfile::WellHeader header_{};  // the dialog's copy; its dates are edited here only
    ReportPageState page_;
    std::vector<wellfile::RECORD> surveys_;  // profile 37: the records from the first survey on
    QLabel* holder_ = nullptr;  // the preview's page area
    ReportPageView* view_ = nullptr;
    int previewMaxUnit_ = 0;  // the largest page unit at which the preview fits the screen
    bool closed_ = false;
};

}  // namespace reports
