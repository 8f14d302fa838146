#include "reports/ui/reportwindowservices.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "reports/reporttext.h"
#include "reports/ui/dstdlg.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/showdlg.h"

namespace reports {

ReportWindowServices::ReportWindowServices(QWidget* window, ReportPrinter& printer)
    : window_(window), printer_(printer)
{
}

// The window is going: its preview goes without the closing work, which would reach into the window.
ReportWindowServices::~ReportWindowServices() { delete preview_.data(); }

void ReportWindowServices::CloseOpen()
{
    // One report dialog at a time: an open one goes first.
    if (preview_) {
        preview_->EndDialog(0);
        delete preview_.data();
    }
}

void ReportWindowServices::RunDailyReportDialog(app::LogState& log, int reportNumber)
{
    CloseOpen();
    ReportDlgEx dialog(window_, log, printer_, ReportDlgEx::Edit, reportNumber);
    if (dialog.Load())
        dialog.Execute();
}

void ReportWindowServices::OpenDailyReport(app::LogState& log, int number)
{
    CloseOpen();
    auto* dialog = new ReportDlgEx(window_, log, printer_, ReportDlgEx::Preview, number);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!dialog->Load()) {
        delete dialog;
        return;
    }
    preview_ = dialog;
    dialog->Create();
}

void ReportWindowServices::RunDstDialog(app::LogState& log, int, const QString&)
{
    CloseOpen();
    RunDstReport(window_, log, printer_, 0);
}
void ReportWindowServices::RunShowDialog(app::LogState& log, int, const QString&)
{
    CloseOpen();
    RunShowReport(window_, log, printer_, 0);
}
void ReportWindowServices::OpenShowReport(app::LogState& log, int number, const QString&)
{
    CloseOpen();
    RunShowReport(window_, log, printer_, number);
}
void ReportWindowServices::OpenDstReport(app::LogState& log, int number, const QString&)
{
    CloseOpen();
    RunDstReport(window_, log, printer_, number);
}
void ReportWindowServices::SaveReportsAsText(app::LogState& log, const QString&)
{
    if (log.well.file.wellName.isEmpty())
        return;
    const ReportTextCounters counters =
        reports::SaveReportsAsText(app::PlaceOf(log), log.well.fieldSettings, log.layout.format.title, log.options.hotwire);
    // The window's settings record follows the file, so a later save keeps the counters.
    if (counters.saved) {
        log.well.config.lastDstReportText = counters.lastDst;
        log.well.config.lastShowReportText = counters.lastShow;
    }
}

}  // namespace reports
