#include "reports/ui/dailyreportservices.h"

#include "reports/ui/reportdlgex.h"

namespace reports {

DailyReportServices::DailyReportServices(QWidget* window, ReportServices& rest) : window_(window), rest_(rest) {}

// The window is going: its preview goes without the closing work, which would reach into the window.
DailyReportServices::~DailyReportServices() { delete preview_.data(); }

void DailyReportServices::CloseOpen()
{
    // One report dialog at a time: an open one goes first.
    if (preview_) {
        preview_->EndDialog(0);
        delete preview_.data();
    }
}

void DailyReportServices::RunDailyReportDialog(app::LogState& log, int reportNumber)
{
    CloseOpen();
    ReportDlgEx dialog(window_, log, ReportDlgEx::Edit, reportNumber);
    if (dialog.Load())
        dialog.Execute();
}

void DailyReportServices::OpenDailyReport(app::LogState& log, int number)
{
    CloseOpen();
    auto* dialog = new ReportDlgEx(window_, log, ReportDlgEx::Preview, number);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!dialog->Load()) {
        delete dialog;
        return;
    }
    preview_ = dialog;
    dialog->Create();
}

void DailyReportServices::RunDstDialog(app::LogState& log, int kind, const QString& wellName)
{
    rest_.RunDstDialog(log, kind, wellName);
}
void DailyReportServices::RunShowDialog(app::LogState& log, int kind, const QString& wellName)
{
    rest_.RunShowDialog(log, kind, wellName);
}
void DailyReportServices::RunShortReportDialog(app::LogState& log, int reportIndex)
{
    rest_.RunShortReportDialog(log, reportIndex);
}
void DailyReportServices::OpenShowReport(app::LogState& log, int number, const QString& wellName)
{
    rest_.OpenShowReport(log, number, wellName);
}
void DailyReportServices::OpenDstReport(app::LogState& log, int number, const QString& wellName)
{
    rest_.OpenDstReport(log, number, wellName);
}
void DailyReportServices::SaveReportsAsText(app::LogState& log, const QString& wellName)
{
    rest_.SaveReportsAsText(log, wellName);
}

}  // namespace reports
