#include "reports/reports_services.h"

#include "app/notbuilt.h"
#include "platform/services.h"

namespace reports {

namespace {

class NotBuilt final : public ReportServices {
public:
    void RunDstDialog(app::LogState&, int, const QString&) override { app::NotBuiltCommand("reports", "dstDlg"); }
    void RunShowDialog(app::LogState&, int, const QString&) override { app::NotBuiltCommand("reports", "showDlg"); }
};
}  // namespace

void ReportServices::RunShortReportDialog(app::LogState&, int) { app::NotBuiltCommand("reports", "QREPORTDLG"); }
// A state without a window has no daily report dialog to open.
void ReportServices::RunDailyReportDialog(app::LogState&, int) { platform::MessageBeep(0); }
void ReportServices::OpenShowReport(app::LogState&, int, const QString&) { app::NotBuiltCommand("reports", "showDlg"); }
void ReportServices::OpenDstReport(app::LogState&, int, const QString&) { app::NotBuiltCommand("reports", "dstDlg"); }
void ReportServices::OpenDailyReport(app::LogState&, int) { platform::MessageBeep(0); }
void ReportServices::SaveReportsAsText(app::LogState&, const QString&) { app::NotBuiltCommand("reports", "SaveReportsAsText"); }

ReportServices& DefaultReportServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace reports
