#include "app/ui/logwindow.h"

#include "app/commandids.h"
#include "app/depthcorrection.h"
#include "app/notbuilt.h"
#include "platform/services.h"

// The command table of the main window. Commands whose work belongs to another subsystem hand over to
// its services; the window's own commands that are not built yet beep.

const app::CommandTable<LogWindow>& LogWindow::Commands()
{
    using namespace app::cmd;
    static const app::CommandTable<LogWindow> table = [] {
        app::CommandTable<LogWindow> t;
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
            .On(ImportElog, &LogWindow::CmImportElog)
            .On(SelectElog, &LogWindow::CmSelectElog)
            .On(SelectRop, &LogWindow::CmSelectRop)
            .On(ImportTargetData, &LogWindow::CmImportTargetData)
            .On(ImportMudlog, &LogWindow::CmImportMudlog)
            .On(CheckFileDepths, &LogWindow::CmCheckFileDepths)
            .On(InsertDelete, &LogWindow::CmInsertDelete)
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

void LogWindow::NotBuiltHere(const char* handler) { app::NotBuiltCommand("app", handler); }

void LogWindow::CmNewFile() { NotBuiltHere("CmNewFile"); }
void LogWindow::CmPlugBack() { NotBuiltHere("CmPlugBack"); }
void LogWindow::CmArchive() { NotBuiltHere("CmArchive"); }
void LogWindow::CmRestore() { neighbours_.exchange->CmRestore(state_); }
void LogWindow::CmSaveAs() { NotBuiltHere("CmSaveAs"); }
void LogWindow::CmSaveAsImage() { neighbours_.elog->CmSaveAsImage(state_); }
void LogWindow::CmSendFile() { neighbours_.exchange->CmSendFile(state_); }
void LogWindow::CmPageSetup() { neighbours_.print->CmPageSetup(state_); }
void LogWindow::CmPrint() { neighbours_.print->CmPrint(state_); }
void LogWindow::CmOpenRecent(int) { NotBuiltHere("CmOpenRecent"); }
void LogWindow::CmWitsChart() { neighbours_.wits->CmWitsChart(state_); }
void LogWindow::CmGasChart() { NotBuiltHere("CmGasChart"); }
void LogWindow::CmHeader() { neighbours_.print->CmHeader(state_); }
void LogWindow::CmLithLegend() { NotBuiltHere("CmLithLegend"); }
void LogWindow::CmDataAsText() { NotBuiltHere("CmDataAsText"); }
void LogWindow::CmHorizontalView() { NotBuiltHere("CmHorizontalView"); }
void LogWindow::CmHorizontalOptions() { NotBuiltHere("CmHorizontalOptions"); }
void LogWindow::CmBuildTvdLog() { NotBuiltHere("CmBuildTvdLog"); }
void LogWindow::CmOffsetRop() { NotBuiltHere("CmOffsetRop"); }
void LogWindow::CmGasPercent() { NotBuiltHere("CmGasPercent"); }
void LogWindow::CmHotwire() { NotBuiltHere("CmHotwire"); }
void LogWindow::CmElogAsText() { NotBuiltHere("CmElogAsText"); }
void LogWindow::CmEditTops() { NotBuiltHere("CmEditTops"); }
void LogWindow::CmGotoTop(int) { NotBuiltHere("CmGotoTop"); }
void LogWindow::CmSaveReportsText() { NotBuiltHere("CmSaveReportsText"); }
void LogWindow::CmCreateLasFile() { neighbours_.elog->CreateLasFile(state_); }
void LogWindow::CmAppendFileDepth()
{
    if (DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    app::CorrectFileDepth(state_, wellServices_, 0, 0);
}

void LogWindow::CmAdjustFileDepth()
{
    if (state_.interaction.commandLock || DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    app::AdjustFileDepth(state_, wellServices_);
}

bool LogWindow::DataFileBusy() const
{
    return tools_.dataAsText || tools_.elogAsText || tools_.lagList || state_.interaction.dataEntryActive;
}
void LogWindow::CmWaterSaturation() { NotBuiltHere("CmWaterSaturation"); }
void LogWindow::CmImportTargetData() { NotBuiltHere("CmImportTargetData"); }
void LogWindow::CmCheckFileDepths() { NotBuiltHere("CmCheckFileDepths"); }
void LogWindow::CmInsertDelete() { NotBuiltHere("CmInsertDelete"); }
void LogWindow::CmEnterRates() { neighbours_.entry->CmEnterRates(state_); }
void LogWindow::CmEnterLithology() { neighbours_.entry->CmEnterLithology(state_); }
void LogWindow::CmEnterGas() { neighbours_.entry->CmEnterGas(state_); }
void LogWindow::CmEnterShows() { neighbours_.entry->CmEnterShows(state_); }
void LogWindow::CmFlareData() { neighbours_.entry->CmFlareData(state_); }
void LogWindow::CmOutLine() { NotBuiltHere("CmOutLine"); }
void LogWindow::CmTvdFileData() { NotBuiltHere("CmTvdFileData"); }
void LogWindow::CmSurveyData() { NotBuiltHere("CmSurveyData"); }
void LogWindow::CmDrilling() { neighbours_.drilling->CmDrilling(state_); }
void LogWindow::CmLagTime() { neighbours_.drilling->CmLagTime(state_); }
void LogWindow::CmBackupReminder() { neighbours_.drilling->CmBackupReminder(state_); }
void LogWindow::CmAlarms() { NotBuiltHere("CmAlarms"); }
void LogWindow::CmWitsAlarms() { neighbours_.wits->CmWitsAlarms(state_); }
void LogWindow::CmTestGasValues() { NotBuiltHere("CmTestGasValues"); }
void LogWindow::CmLagCalculator() { NotBuiltHere("CmLagCalculator"); }
void LogWindow::CmGasMonitor() { neighbours_.gasmon->CmGasMonitor(state_); }
void LogWindow::CmGasMonitorSetup() { neighbours_.gasmon->CmGasMonitorSetup(state_); }
void LogWindow::CmWits() { neighbours_.wits->CmWits(state_); }
void LogWindow::CmWitsSetup() { neighbours_.wits->CmWitsSetup(state_); }
void LogWindow::CmCustomWits() { neighbours_.wits->CmCustomWits(state_); }
void LogWindow::CmCustomWitsSetup() { neighbours_.wits->CmCustomWitsSetup(state_); }
void LogWindow::CmRemoteMonitor() { NotBuiltHere("CmRemoteMonitor"); }
void LogWindow::CmRemoteSetup() { neighbours_.exchange->CmRemoteSetup(state_); }
void LogWindow::CmLiveUpdateConfig() { neighbours_.exchange->CmLiveUpdateConfig(state_); }
void LogWindow::CmManual() { NotBuiltHere("CmManual"); }
void LogWindow::CmNewFeatures() { NotBuiltHere("CmNewFeatures"); }
