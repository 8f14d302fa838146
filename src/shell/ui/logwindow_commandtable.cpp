// The command table of the main window: command id -> handler. Only the constructor asks for it, and
// hands it to the dispatch (EvCommand); commands whose work belongs to another subsystem hand over to
// its services in their handlers.
#include "shell/ui/logwindow.h"

#include "app/commandids.h"

namespace shell {

const shell::CommandTable<LogWindow>& LogWindow::Commands()
{
    using namespace app::cmd;
    static const shell::CommandTable<LogWindow> table = [] {
        shell::CommandTable<LogWindow> t;
        t
            .On(New, &LogWindow::CmNewFile)
            .On(PlugBack, &LogWindow::CmPlugBack)
            .On(Open, &LogWindow::CmOpen)
            .On(Archive, &LogWindow::CmArchive)
            .On(Restore, &LogWindow::CmRestore)
            .On(SaveAs, &LogWindow::CmSaveAs)
            .On(SaveAsImage, &LogWindow::CmSaveAsImage)
            .On(SendFile, &LogWindow::CmSendFile)
            .On(PageSetup, &LogWindow::CmPageSetup)
            .On(Print, &LogWindow::CmPrint)
            .On(Exit, &LogWindow::CmExit)
            .OnRange(RecentFirst, RecentLast, &LogWindow::CmOpenRecent)
            .On(WitsChart, &LogWindow::CmWitsChart)
            .On(GasChart, &LogWindow::CmGasChart)
            .On(MorningReport, &LogWindow::CmMorningReport)
            .On(ShortReport, &LogWindow::CmShortReport)
            .On(Header, &LogWindow::CmHeader)
            .On(ShowReport, &LogWindow::CmShowReport)
            .On(Dst, &LogWindow::CmDst)
            .On(LithLegend, &LogWindow::CmLithLegend)
            .On(DataAsText, &LogWindow::CmDataAsText)
            .On(HorizontalView, &LogWindow::CmHorizontalView)
            .On(HorizontalOptions, &LogWindow::CmHorizontalOptions)
            .On(TvdLog, &LogWindow::CmBuildTvdLog)
            .On(app::cmd::DowntimeReport, &LogWindow::CmDowntimeReport)
            .On(ToggleView, &LogWindow::CmToggleView9)
            .On(OffsetRop, &LogWindow::CmOffsetRop)
            .On(GasPercent, &LogWindow::CmGasPercent)
            .On(Hotwire, &LogWindow::CmHotwire)
            .On(ElogAsText, &LogWindow::CmElogAsText)
            .On(EditTops, &LogWindow::CmEditTops)
            .OnRange(GotoTopFirst, GotoTopLast, &LogWindow::CmGotoTop)
            .On(SaveReportsText, &LogWindow::CmSaveReportsText)
            .On(CreateLasFile, &LogWindow::CmCreateLasFile)
            .On(CorrectFileDepth, &LogWindow::CmAppendFileDepth)
            .On(AdjustFileDepth, &LogWindow::CmAdjustFileDepth)
            .On(WaterSaturation, &LogWindow::CmWaterSaturation)
            .On(LinesAndScales, &LogWindow::CmLinesAndScales)
            .On(LogColors, &LogWindow::CmEditLogColors)
            .On(EditSchemes, &LogWindow::CmEditSchemes)
            .On(SchemeFirst, &LogWindow::CmSelectScheme1)
            .On(SchemeFirst + 1, &LogWindow::CmSelectScheme2)
            .On(SchemeFirst + 2, &LogWindow::CmSelectScheme3)
            .On(SchemeFirst + 3, &LogWindow::CmSelectScheme4)
            .On(SchemeFirst + 4, &LogWindow::CmSelectScheme5)
            .On(SchemeLast, &LogWindow::CmSelectScheme6)
            .On(app::cmd::ImportElog, &LogWindow::CmImportElog)
            .On(app::cmd::SelectElog, &LogWindow::CmSelectElog)
            .On(app::cmd::SelectRop, &LogWindow::CmSelectRop)
            .On(ImportTargetData, &LogWindow::CmImportTargetData)
            .On(app::cmd::ImportMudlog, &LogWindow::CmImportMudlog)
            .On(CheckFileDepths, &LogWindow::CmCheckFileDepths)
            .On(app::cmd::InsertDelete, &LogWindow::CmInsertDelete)
            .On(EnterRates, &LogWindow::CmEnterRates)
            .On(EnterLithology, &LogWindow::CmEnterLithology)
            .On(EnterGas, &LogWindow::CmEnterGas)
            .On(EnterShows, &LogWindow::CmEnterShows)
            .On(FlareData, &LogWindow::CmFlareData)
            .On(OutLine, &LogWindow::CmOutLine)
            .On(TvdFileData, &LogWindow::CmTvdFileData)
            .On(SurveyData, &LogWindow::CmSurveyData)
            .On(Drilling, &LogWindow::CmDrilling)
            .On(LagTime, &LogWindow::CmLagTime)
            .On(BackupReminder, &LogWindow::CmBackupReminder)
            .On(Alarms, &LogWindow::CmAlarms)
            .On(WitsAlarms, &LogWindow::CmWitsAlarms)
            .On(TestGasValues, &LogWindow::CmTestGasValues)
            .On(LagCalculator, &LogWindow::CmLagCalculator)
            .On(GasMonitor, &LogWindow::CmGasMonitor)
            .On(GasMonitorSetup, &LogWindow::CmGasMonitorSetup)
            .On(Wits, &LogWindow::CmWits)
            .On(WitsSetup, &LogWindow::CmWitsSetup)
            .On(CustomWits, &LogWindow::CmCustomWits)
            .On(CustomWitsSetup, &LogWindow::CmCustomWitsSetup)
            .On(RemoteMonitor, &LogWindow::CmRemoteMonitor)
            .On(RemoteSetup, &LogWindow::CmRemoteSetup)
            .On(RemoteUpdateSetup, &LogWindow::CmRemoteSetup)
            .On(LiveUpdateConfig, &LogWindow::CmLiveUpdateConfig)
            .On(LiveUsers, &LogWindow::CmLiveUsers)
            .On(About, &LogWindow::CmAbout)
            .On(Manual, &LogWindow::CmManual)
            .On(NewFeatures, &LogWindow::CmNewFeatures);
        return t;
    }();
    return table;
}

}  // namespace shell
