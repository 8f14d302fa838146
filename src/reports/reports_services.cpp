#include "reports/reports_services.h"

#include "reports/shortreports.h"
#include "app/wellservices.h"
#include "app/logstate.h"
#include "platform/services.h"

namespace reports {

namespace {

class WithoutWindow final : public ReportServices {
public:
    void RunDstDialog(app::LogState&, int, const QString&) override { platform::MessageBeep(0); }
};
}  // namespace

// The dialogs and the text export need the main window: its report services (reports/ui) run them.
// A state without a window has none to open.
void ReportServices::RunShortReportDialog(app::LogState&, int) {}
void ReportServices::RunDailyReportDialog(app::LogState&, int) { platform::MessageBeep(0); }
void ReportServices::RunShowDialog(app::LogState&, int, const QString&) { platform::MessageBeep(0); }
void ReportServices::OpenShowReport(app::LogState&, int, const QString&) { platform::MessageBeep(0); }
void ReportServices::OpenDstReport(app::LogState&, int, const QString&) { platform::MessageBeep(0); }
void ReportServices::OpenDailyReport(app::LogState&, int) { platform::MessageBeep(0); }
void ReportServices::SaveReportsAsText(app::LogState&, const QString&) { platform::MessageBeep(0); }

ReportServices& DefaultReportServices()
{
    static WithoutWindow services;
    return services;
}

}  // namespace reports

// The default of the view's services: the short reports are this subsystem's own work.
void app::ViewServices::LoadShortReports(app::LogState& log)
{
    reports::LoadShortReports(log.shortReports, log.well, log.env.remoteMonitorOn);
}
