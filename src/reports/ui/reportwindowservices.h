#pragma once
// The report services of a main window: the daily report dialog opened by the morning report command
// (edit mode, modal) and by a click on a report mark (preview, modeless, in place of one that is
// open), the short report dialog (qreportservices.cpp) and the show report dialog by its command and its
// marks, the DST report dialog by its command and its marks, and the reports saved as text.
#include "reports/reports_services.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/reportprinter.h"

#include <QPointer>
#include <QWidget>

namespace reports {

class ReportWindowServices final : public ReportServices {
public:
    // The dialogs print on `printer`.
    ReportWindowServices(QWidget* window, ReportPrinter& printer);
    ~ReportWindowServices() override;

    void RunDstDialog(app::LogState& log, int kind, const QString& wellName) override;
    void RunShowDialog(app::LogState& log, int kind, const QString& wellName) override;
    void RunShortReportDialog(app::LogState& log, int reportIndex) override;
    void RunDailyReportDialog(app::LogState& log, int reportNumber) override;
    void OpenShowReport(app::LogState& log, int number, const QString& wellName) override;
    void OpenDstReport(app::LogState& log, int number, const QString& wellName) override;
    void OpenDailyReport(app::LogState& log, int number) override;
    void SaveReportsAsText(app::LogState& log, const QString& wellName) override;

    // The preview window now open, if any.
    ReportDlgEx* OpenPreview() const { return preview_.data(); }

private:
    void CloseOpen();

    QPointer<QWidget> window_;
    ReportPrinter& printer_;
    QPointer<ReportDlgEx> preview_;
};

}  // namespace reports
