// AutoGasDlg's buttons that act on the running engine, its data views with their text exports, the
// help window and the integrator file's "Browse".
#include "gasmon/ui/autogasdlg.h"

#include "app/ui/helpdlg.h"
#include "gasmon/gasdataviews.h"
#include "gasmon/gasmonhelp.h"
#include "platform/services.h"

#include <QApplication>
#include <QListWidget>

namespace gasmon {

namespace {

enum ListMode : int { kGasData = 0, kChartData = 1 };

// The wait cursor while files are read or written.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

AutoGasDlg::~AutoGasDlg()
{
    if (QWidget* help = helpWindow_) {
        helpWindow_ = nullptr;
        help->hide();
        delete help;
    }
}

void AutoGasDlg::ConnectEngineButtons()
{
    On(kSetElution, platform::BN_CLICKED, [this] { CmSetElution(); });
    On(kSetSpan, platform::BN_CLICKED, [this] { CmSetSpan(); });
    On(kSampleNow, platform::BN_CLICKED, [this] { session_.RequestSampleNow(); });
    On(kCloseBlock, platform::BN_CLICKED, [this] { session_.RequestCloseBlock(); });
    On(kOpenClear, platform::BN_CLICKED, [this] { CmOpenClear(); });
    On(kHelp, platform::BN_CLICKED, [this] { CmHelp(); });
    On(kViewGas, platform::BN_CLICKED, [this] { ToggleDataView(kGasData); });
    On(kViewChart, platform::BN_CLICKED, [this] { ToggleDataView(kChartData); });
    On(kSaveToFile, platform::BN_CLICKED, [this] { CmSaveToFile(); });
    On(kBrowse, platform::BN_CLICKED, [this] { CmBrowse(); });
}

void AutoGasDlg::CmSetElution()
{
    if (session_.ElutionSetup())
        EndDialog(kClose);
}

void AutoGasDlg::CmSetSpan()
{
    const SpanStep step = session_.SpanCalibration();
    if (!step.acted)
        return;
    if (step.showInfo)
        SetText(kSpanInfo, step.info);
    Show(kSpanInfo, step.showInfo);
    if (step.closeDialog)
        EndDialog(kClose);
}

void AutoGasDlg::CmOpenClear()
{
    if (const std::optional<QString> caption = session_.FlowCaption())
        SetText(kOpenClear, *caption);
}

void AutoGasDlg::CmHelp()
{
    if (helpWindow_.isNull()) {
        auto* help = new app::HelpDlg(helpOwner_, GasMonitorHelpText(), QString(), 0);
        help->Create();
        helpWindow_ = help;
    } else if (helpWindow_->isHidden()) {
        helpWindow_->show();
    } else {
        QWidget* help = helpWindow_;
        helpWindow_ = nullptr;
        help->hide();
        delete help;
    }
}

void AutoGasDlg::CloseDataView()
{
    ClearStrings(kDataList);
    for (int id : {kDataList, kDataHeading, kSaveToFile})
        Show(id, false);
    gasRecords_ = {};
    chartRecords_ = {};
}

void AutoGasDlg::ToggleDataView(int mode)
{
    const QWidget* list = Control(kDataList);
    if (list && !list->isHidden()) {
        const bool ownData = listMode_ == mode;
        CloseDataView();
        if (ownData)
            return;
    }
    listMode_ = mode;
    QStringList lines;
    {
        const WaitCursor wait;
        if (mode == kChartData) {
            chartRecords_ = session_.ReadChartRecords();
            lines = ChartViewLines(chartRecords_);
            SetText(kDataHeading, ChartViewHeading());
        } else {
            gasRecords_ = session_.ReadGasRecords();
            lines = GasViewLines(gasRecords_, session_.FirstDepth());
            SetText(kDataHeading, GasViewHeading());
        }
        if (auto* box = ControlAs<QListWidget>(kDataList))
            box->addItems(lines);
    }
    Show(kDataList, true);
    Show(kDataHeading, true);
    // The export writes while the engine runs only.
    Show(kSaveToFile, session_.EngineRunning());
}

void AutoGasDlg::CmSaveToFile()
{
    const QWidget* list = Control(kDataList);
    if (!list || list->isHidden() || !session_.EngineRunning())
        return;
    const WaitCursor wait;
    if (listMode_ == kChartData)
        session_.ExportChartText(chartRecords_);
    else
        session_.ExportGasText(gasRecords_);
}

void AutoGasDlg::CmBrowse()
{
    SetText(kIntegratorFile, QString());
    if (const std::optional<QString> path = platform::services().prompter->OpenFileName(session_.IntegratorFileRequest()))
        SetText(kIntegratorFile, *path);
}

}  // namespace gasmon
