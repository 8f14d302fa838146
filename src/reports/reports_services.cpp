#include "reports/reports_services.h"

#include "app/notbuilt.h"
#include "platform/services.h"

namespace reports {

namespace {

class NotBuilt final : public ReportServices {
public:
    void RunDstDialog(app::LogState&, int, const QString&) override { app::NotBuiltCommand("reports", "dstDlg"); }
};
}  // namespace

// The dialogs need the main window: its report services (reports/ui) run them.
void ReportServices::RunShortReportDialog(app::LogState&, int) {}
void ReportServices::RunDailyReportDialog(app::LogState&, int) { platform::MessageBeep(0); }
// A state without a window has no show dialog to open.
void ReportServices::RunShowDialog(app::LogState&, int, const QString&) { platform::MessageBeep(0); }
void ReportServices::OpenShowReport(app::LogState&, int, const QString&) { platform::MessageBeep(0); }
void ReportServices::OpenDstReport(app::LogState&, int, const QString&) { app::NotBuiltCommand("reports", "dstDlg"); }
void ReportServices::OpenDailyReport(app::LogState&, int) { platform::MessageBeep(0); }
void ReportServices::SaveReportsAsText(app::LogState&, const QString&) { app::NotBuiltCommand("reports", "SaveReportsAsText"); }

ReportServices& DefaultReportServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace reports
