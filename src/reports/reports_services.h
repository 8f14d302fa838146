#pragma once
// Daily, short, show and DST reports. What the main window asks of this subsystem.
// The default services have no window to open a dialog in: their commands beep.
#include <QString>

namespace app {
struct LogState;
}

namespace reports {

// The dialog kinds the report dialogs are made with.
constexpr int kShowDialogKind = 6;
constexpr int kDstDialogKind = 7;

class ReportServices {
public:
    virtual ~ReportServices() = default;
    // Command 51688: the DST report dialog of well `wellName`, run modally.
    virtual void RunDstDialog(app::LogState& log, int kind, const QString& wellName) = 0;
    // Command 51693: the show report dialog of well `wellName`, run modally.
    virtual void RunShowDialog(app::LogState& log, int kind, const QString& wellName);
    // Command 51937: the short report dialog, starting at `reportIndex` (-1: the first short report at
    // or below the top of the view), run modally.
    virtual void RunShortReportDialog(app::LogState& log, int reportIndex);
    // Command 51687: the daily report dialog in edit mode (-1: a new report), run modally.
    virtual void RunDailyReportDialog(app::LogState& log, int reportNumber);
    // A click on a report marker of the log: the show report `number` (from 1) of well `wellName`, run
    // modally; the DST report `number`, run modally; the daily report `number` shown as its page in a
    // modeless window in place of one that is open.
    virtual void OpenShowReport(app::LogState& log, int number, const QString& wellName);
    virtual void OpenDstReport(app::LogState& log, int number, const QString& wellName);
    virtual void OpenDailyReport(app::LogState& log, int number);
    // Command 51691: the well's reports written as text files.
    virtual void SaveReportsAsText(app::LogState& log, const QString& wellName);
};

// The services in force for this subsystem.
ReportServices& DefaultReportServices();

}  // namespace reports
