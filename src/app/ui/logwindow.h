#pragma once
// The main window: the frame on screen and the owner of the open well's state. The state lives in
// the groups of app::LogState; the window routes commands, timers and posted messages to the
// handlers, most of which hand over to the subsystem that does the work.
#include "app/commandtable.h"
#include "app/logstate.h"
#include "app/neighbours.h"
#include "app/ui/toolwindows.h"
#include "platform/services.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class LogWindow : public QMainWindow {
    Q_OBJECT
public:
    LogWindow(QWidget* parent, const QString& title);
    ~LogWindow() override;

    app::LogState& State() { return state_; }
    app::Neighbours& Neighbours() { return neighbours_; }
    app::ToolWindows& Tools() { return tools_; }

    // The defaults of set-up, before any file is read.
    void SetupWindow();
    // Menu resource 1 (office) or 3 (drilling).
    void AssignMenu(int resource);

    // Runs the handler of command `id`; false when no handler answers it.
    bool EvCommand(int id);
    static const app::CommandTable<LogWindow>& Commands();

    // Window messages: PostMessage queues one for the GUI thread, HandleMessage runs it at once.
    // HandleMessage returns false for a message the window does not answer.
    void PostMessage(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    bool HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // Numbered window timers; each firing reaches EvTimer(id).
    void SetTimer(int id, int ms);
    void KillTimer(int id);
    bool TimerRunning(int id) const;

    void EvTimer(int id);
    void EvJoyButton(unsigned buttons);
    void EvGasResponse(std::uintptr_t wParam, std::intptr_t lParam);
    void EvWitsData(std::uintptr_t wParam, std::intptr_t lParam);
    void EvCustWitsData(std::uintptr_t wParam, std::intptr_t lParam);

    // File
    void CmNewFile();
    void CmPlugBack();
    void CmOpen();
    void CmArchive();
    void CmRestore();
    void CmSaveAs();
    void CmSaveAsImage();
    void CmSendFile();
    void CmPageSetup();
    void CmPrint();
    void CmExit();
    void CmOpenRecent(int id);
    // View
    void CmWitsChart();
    void CmGasChart();
    void CmMorningReport();
    void CmShortReport();
    void CmHeader();
    void CmShowReport();
    void CmDst();
    void CmLithLegend();
    void CmDataAsText();
    void CmHorizontalView();
    void CmHorizontalOptions();
    void CmBuildTvdLog();
    void CmDowntimeReport();
    void CmToggleView9();
    // Options and setup
    void CmOffsetRop();
    void CmGasPercent();
    void CmHotwire();
    void CmElogAsText();
    void CmEditTops();
    void CmGotoTop(int id);
    void CmSaveReportsText();
    void CmCreateLasFile();
    void CmAppendFileDepth();
    void CmAdjustFileDepth();
    void CmWaterSaturation();
    void CmLinesAndScales();
    void CmEditLogColors();
    void CmEditSchemes();
    void CmSelectScheme1();
    void CmSelectScheme2();
    void CmSelectScheme3();
    void CmSelectScheme4();
    void CmSelectScheme5();
    void CmSelectScheme6();
    void CmImportElog();
    void CmSelectElog();
    void CmSelectRop();
    void CmImportTargetData();
    void CmImportMudlog();
    void CmCheckFileDepths();
    void CmInsertDelete();
    // Data entry
    void CmEnterRates();
    void CmEnterLithology();
    void CmEnterGas();
    void CmEnterShows();
    void CmFlareData();
    void CmOutLine();
    void CmTvdFileData();
    void CmSurveyData();
    // Drilling and instruments
    void CmDrilling();
    void CmLagTime();
    void CmBackupReminder();
    void CmAlarms();
    void CmWitsAlarms();
    void CmTestGasValues();
    void CmLagCalculator();
    void CmGasMonitor();
    void CmGasMonitorSetup();
    void CmWits();
    void CmWitsSetup();
    void CmCustomWits();
    void CmCustomWitsSetup();
    void CmRemoteMonitor();
    void CmRemoteSetup();
    void CmLiveUpdateConfig();
    void CmLiveUsers();
    // Help
    void CmAbout();
    void CmManual();
    void CmNewFeatures();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // A command of this window whose work is not built yet.
    static void NotBuiltHere(const char* handler);

    app::LogState state_;
    app::Neighbours neighbours_;
    app::ToolWindows tools_;
    std::unique_ptr<platform::WindowTimers> timers_;
};
