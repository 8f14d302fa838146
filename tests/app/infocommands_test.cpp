// The help, information and view commands of the main window on an open well: the busy rule, the gas
// chart and the horizontal view with their placement, the TVD dialogs' record buffer, Archive, the
// documents opened through the shell, and the gas labels written back to the data file.
#include "app/commandids.h"
#include "app/infocommands.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using testing_support::WriteRecords;
using wellfile::RECORD;

namespace {

// The chart, the horizontal view, the TVD dialogs, the links and the send-file routine of the other
// subsystems, recording what the window asked of them in one list.
class Others final : public gasmon::GasMonitorServices,
                     public horizontal::HorizontalServices,
                     public elog::ElogServices,
                     public wits::WitsServices,
                     public exchange::ExchangeServices {
public:
    QStringList calls;
    // The chart.
    ChartCfgRecord settings{};
    int settingsRead = 1;
    int redraws = 1;
    bool monitorRunning = false;
    // The horizontal view.
    int horizontalData = 1;
    bool childOpen = false;
    // The TVD dialogs: the buffer each was handed, the TVD-build mark while it ran, and the TVD log file
    // the builder writes (none when empty).
    std::vector<RECORD> buffer;
    std::int32_t buildMark = 0;
    QString tvdLogToWrite;
    // The WITS link.
    bool linkRunning = false;
    const app::LogState* state = nullptr;

    QWidget* CreateChart(app::LogState&, QWidget* parent) override
    {
        calls << "chart made";
        return new QWidget(parent, Qt::Window);
    }
    int ReadChartCfg(app::LogState&, QWidget*, ChartCfgRecord& out) override
    {
        out = settings;
        return settingsRead;
    }
    void SetChartValue(QWidget*, std::int32_t value) override { calls << QString("chart value %1").arg(value); }
    int RedrawChart(app::LogState&, QWidget*) override { return redraws; }
    void CloseChart(app::LogState&, QWidget*) override { calls << "chart closed"; }
    void CmGasMonitor(app::LogState&) override { calls << "gas monitor"; }
    void CmGasMonitorSetup(app::LogState&) override {}
    void EvGasResponse(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    bool MonitorRunning(const app::LogState&) override { return monitorRunning; }

    QWidget* CreateView(app::LogState&, QWidget* parent) override { return new QWidget(parent, Qt::Window); }
    int LoadAndDraw(app::LogState&, QWidget*, int first) override
    {
        calls << QString("load %1").arg(first);
        return horizontalData;
    }
    bool CloseChildWindow(QWidget*) override { return childOpen; }
    void CloseView(app::LogState&, QWidget*) override { calls << "view closed"; }

    void CmSaveAsImage(app::LogState&) override {}
    void CreateLasFile(app::LogState&) override {}
    void RunTvdDialog(app::LogState& s, std::span<RECORD> records, int mode) override
    {
        calls << QString("tvd dialog %1").arg(mode);
        buffer.assign(records.begin(), records.end());
        buildMark = s.marks.tvdBuild;
    }
    bool CreateTvdLog(app::LogState&, std::span<RECORD> records) override
    {
        calls << "tvd log built";
        buffer.assign(records.begin(), records.end());
        if (tvdLogToWrite.isEmpty())
            return false;
        WriteBytes(tvdLogToWrite, QByteArray(616, '\0'));
        return true;
    }

    void CmWits(app::LogState&) override { calls << "wits"; }
    void CmWitsSetup(app::LogState&) override {}
    void CmCustomWits(app::LogState&) override {}
    void CmCustomWitsSetup(app::LogState&) override {}
    void CmWitsAlarms(app::LogState&) override {}
    void CmWitsChart(app::LogState&) override {}
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    bool LinkRunning(const app::LogState&) override { return linkRunning; }

    void CmRestore(app::LogState&) override {}
    void CmSendFile(app::LogState& s) override { calls << QString("send file, archiving %1").arg(s.marks.archiving); }
    void CmRemoteSetup(app::LogState&) override {}
    void CmLiveUpdateConfig(app::LogState&) override {}
    void CmLiveUsers(app::LogState&) override {}
    void ArchiveHText(app::LogState&) override { calls << "notes archived"; }
};

struct WindowOnWell {
    Others others;  // outlives the window
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;

    explicit WindowOnWell(const char* file = "A.svm")
    {
        path = testing_support::OpenNewWell(window, file, 1000, 2000);
        shell::Neighbours& n = window.Neighbours();
        n.gasmon = &others;
        n.horizontal = &others;
        n.elog = &others;
        n.wits = &others;
        n.exchange = &others;
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        S().env.monitorCount = 1;
        doubles().prompter.messages.clear();
        doubles().sounder.beeps = 0;
        doubles().shell.opened.clear();
    }
    app::LogState& S() { return window.State(); }
    bool Checked(int id) const
    {
        const shell::MenuItem* item = window.Menu().Find(id);
        return item && item->checked;
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const auto& m : doubles().prompter.messages)
            out << m.text + " / " + m.caption;
        return out;
    }
    QStringList Opened() const
    {
        QStringList out;
        for (const auto& c : doubles().shell.opened)
            out << c.program + " " + c.args.join(' ');
        return out;
    }
    // Changes the stored record at `depth`.
    void EditRecord(int depth, const std::function<void(RECORD&)>& edit)
    {
        std::vector<RECORD> rows = FileRecords<RECORD>(path);
        edit(rows[std::size_t(depth - 1000)]);
        WriteRecords(path, rows);
    }
    RECORD StoredRecord(int depth) { return FileRecords<RECORD>(path)[std::size_t(depth - 1000)]; }
};

TEST(InfoCommands, BusyWindowBeepsOtherwiseInsertDeleteRunsInFullModeAndCheckInCheckMode)
{
    WindowOnWell f;
    // A data-as-text window open: a beep, no dialog.
    QWidget textView;
    f.window.Tools().dataAsText = &textView;
    Dialog::QueueTestScript([](Dialog&) {});
    EXPECT_TRUE(f.window.EvCommand(app::cmd::InsertDelete));
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(Dialog::PendingTestScripts(), 1);
    Dialog::ClearTestScripts();
    f.window.Tools().dataAsText = nullptr;

    f.window.PaintLog();
    ASSERT_FALSE(f.window.LogPaintPosted());
    bool insertOffered = false;
    Dialog::QueueTestScript([&](Dialog& d) { insertOffered = d.IsEnabled(102) && d.IsEnabled(103); });
    f.window.EvCommand(app::cmd::InsertDelete);
    EXPECT_TRUE(insertOffered);
    EXPECT_TRUE(f.window.LogPaintPosted());

    f.window.PaintLog();
    insertOffered = true;
    QString title;
    Dialog::QueueTestScript([&](Dialog& d) {
        insertOffered = d.IsEnabled(102) || d.IsEnabled(103);
        title = d.windowTitle();
    });
    f.window.EvCommand(app::cmd::CheckFileDepths);
    EXPECT_FALSE(insertOffered);
    EXPECT_EQ(title, "Check File Depths");
    EXPECT_FALSE(f.window.LogPaintPosted());
    EXPECT_EQ(doubles().sounder.beeps, 1);
}

TEST(InfoCommands, GasChartTakesItsCorrectedRectangleAndItsCheckMark)
{
    WindowOnWell f;
    f.S().well.file.drilling = true;  // the menu offers the chart while drilling
    f.window.BuildMenu(-1);
    // Settings: chart value 7, top 50, left 60, width 100, height 300.
    f.others.settings[0] = 7, f.others.settings[1] = 50, f.others.settings[2] = 60;
    f.others.settings[3] = 100, f.others.settings[4] = 300;
    f.window.EvCommand(app::cmd::GasChart);
    QWidget* chart = f.window.Tools().gasChart;
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->pos(), QPoint(60, 50));
    EXPECT_EQ(chart->size(), QSize(250, 300));
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(f.Checked(app::cmd::GasChart));
    // The check mark survives a rebuild of the menu.
    f.window.BuildMenu(-1);
    EXPECT_TRUE(f.Checked(app::cmd::GasChart));

    f.window.EvCommand(app::cmd::GasChart);
    EXPECT_TRUE(f.window.Tools().gasChart.isNull());
    EXPECT_FALSE(f.Checked(app::cmd::GasChart));
    EXPECT_EQ(f.others.calls, QStringList({"chart made", "chart value 7", "chart closed"}));

    // Settings that were not read (a record longer than 1,024 bytes, say) leave the chart where it was
    // made; a chart that cannot draw goes again, unchecked.
    f.others.calls.clear();
    f.others.settingsRead = 0;
    f.others.redraws = 0;
    f.window.EvCommand(app::cmd::GasChart);
    EXPECT_EQ(f.others.calls, QStringList({"chart made"}));
    EXPECT_TRUE(f.window.Tools().gasChart.isNull());
    EXPECT_FALSE(f.Checked(app::cmd::GasChart));
}

TEST(InfoCommands, ChartRectangleIsBroughtBackOntoTheScreen)
{
    EXPECT_EQ(app::ChartWindowRect(10, 30, 100, 400, 1920, 1080, 1), QRect(30, 10, 250, 400));
    EXPECT_EQ(app::ChartWindowRect(10, 30, 600, 100, 1920, 1080, 1), QRect(30, 10, 600, 250));
    EXPECT_EQ(app::ChartWindowRect(1080, 30, 600, 400, 1920, 1080, 1).top(), 100);
    EXPECT_EQ(app::ChartWindowRect(1079, 30, 600, 400, 1920, 1080, 1).top(), 1079);
    EXPECT_EQ(app::ChartWindowRect(10, 1921, 600, 400, 1920, 1080, 1).left(), 20);
    EXPECT_EQ(app::ChartWindowRect(10, 1920, 600, 400, 1920, 1080, 1).left(), 1920);
    // A second monitor to the right may hold it.
    EXPECT_EQ(app::ChartWindowRect(10, 2500, 600, 400, 1920, 1080, 2).left(), 2500);
}

TEST(InfoCommands, HorizontalViewIsPlacedByTheScreenAndRefusedWithoutData)
{
    // 1920 x 1080 is taller than 1023: five rows above the log's top, the height less 25.
    EXPECT_EQ(app::HorizontalViewRect(1920, 1080, 160, 10), QRect(20, 110, 1880, 1080 - 160 - 25));
    // 1280 x 1000: eight rows above, 40 more than the screen below the log's top.
    EXPECT_EQ(app::HorizontalViewRect(1280, 1000, 160, 10), QRect(20, 80, 1240, 1000 - 160 + 40));
    EXPECT_EQ(app::HorizontalViewRect(1279, 1000, 160, 10).top(), 110);

    WindowOnWell f;
    f.S().interaction.dataEntryActive = 1;
    f.window.EvCommand(app::cmd::HorizontalView);
    EXPECT_EQ(f.Messages(), QStringList({"Can not view horizontal in data entry mode / ERROR"}));
    EXPECT_TRUE(f.others.calls.isEmpty());
    f.S().interaction.dataEntryActive = 0;

    doubles().prompter.messages.clear();
    f.others.horizontalData = 0;
    f.window.EvCommand(app::cmd::HorizontalView);
    EXPECT_EQ(f.Messages(), QStringList({"No Horizontal data available.Must have 4 or more surveys,\nwith INCL GREATER "
                                         "THAN 10 deg / INFO"}));
    EXPECT_TRUE(f.window.Tools().horzView.isNull());
    EXPECT_FALSE(f.Checked(app::cmd::HorizontalView));

    doubles().prompter.messages.clear();
    f.others.horizontalData = 1;
    f.window.EvCommand(app::cmd::HorizontalView);
    QWidget* view = f.window.Tools().horzView;
    ASSERT_NE(view, nullptr);
    const app::LogState& s = f.S();
    const QRect where = app::HorizontalViewRect(1920, 1080, s.layout.format.logAreaTop, s.layout.format.pixelsPerStep);
    EXPECT_EQ(view->pos(), where.topLeft());
    EXPECT_EQ(view->size(), where.size());
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(f.Checked(app::cmd::HorizontalView));

    // The options are refused while the view is open.
    f.window.EvCommand(app::cmd::HorizontalOptions);
    EXPECT_EQ(f.Messages(), QStringList({"You must close the horizontal view to access this dialog / "}));

    // A window of the view's own closes first; the next command closes the view.
    f.others.childOpen = true;
    f.window.EvCommand(app::cmd::HorizontalView);
    EXPECT_FALSE(f.window.Tools().horzView.isNull());
    f.others.childOpen = false;
    f.window.EvCommand(app::cmd::HorizontalView);
    EXPECT_TRUE(f.window.Tools().horzView.isNull());
    EXPECT_FALSE(f.Checked(app::cmd::HorizontalView));
    EXPECT_EQ(f.others.calls, QStringList({"load 1", "load 1", "view closed"}));
}

TEST(InfoCommands, OpeningAnotherWellClosesTheChartAndTheViewThroughTheirOwnersACancelNothing)
{
    WindowOnWell f;
    f.S().well.file.drilling = true;
    f.window.EvCommand(app::cmd::GasChart);
    f.S().well.file.drilling = false;
    f.window.EvCommand(app::cmd::HorizontalView);
    f.window.EnsureQuickBar();
    ASSERT_FALSE(f.window.Tools().gasChart.isNull());
    ASSERT_FALSE(f.window.Tools().horzView.isNull());
    ASSERT_FALSE(f.window.Tools().quickBar.isNull());
    f.others.calls.clear();

    // The file dialog cancelled: the well and its tool windows stay.
    doubles().prompter.fileAnswers.clear();
    f.window.EvCommand(app::cmd::Open);
    EXPECT_EQ(f.S().well.file.dataFileName, f.path);
    EXPECT_TRUE(f.others.calls.isEmpty()) << f.others.calls.join(", ").toStdString();
    EXPECT_FALSE(f.window.Tools().quickBar.isNull());
    EXPECT_FALSE(f.window.Tools().gasChart.isNull());
    EXPECT_FALSE(f.window.Tools().horzView.isNull());
    EXPECT_TRUE(f.Checked(app::cmd::HorizontalView));

    const QString other = testing_support::MakeWell(f.S().well.file.dataFolder, "B.svm", 1000, 1100);
    doubles().prompter.fileAnswers = {other};
    f.window.EvCommand(app::cmd::Open);
    ASSERT_EQ(f.S().well.file.wellName, "B");
    EXPECT_EQ(f.others.calls, QStringList({"view closed", "chart closed"}));
    EXPECT_TRUE(f.window.Tools().gasChart.isNull());
    EXPECT_TRUE(f.window.Tools().horzView.isNull());
    EXPECT_FALSE(f.Checked(app::cmd::HorizontalView));
}

TEST(InfoCommands, TvdDialogsWorkOnEveryRecordAndTenSpareOnes)
{
    WindowOnWell f;
    f.S().well.file.allRecords.clear();
    f.window.EvCommand(app::cmd::TvdFileData);
    ASSERT_EQ(f.others.calls, QStringList({"tvd dialog 0"}));
    const std::vector<RECORD> stored = FileRecords<RECORD>(f.path);
    ASSERT_EQ(f.others.buffer.size(), stored.size() + 10);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(f.others.buffer.data()), qsizetype(stored.size() * 616)),
              ReadBytes(f.path));
    for (std::size_t i = stored.size(); i < f.others.buffer.size(); ++i)
        EXPECT_EQ(f.others.buffer[i].depth, 0) << i;
    EXPECT_EQ(f.others.buildMark, 1);
    EXPECT_EQ(f.S().marks.tvdBuild, 0);
    EXPECT_FALSE(f.S().well.file.allRecords.empty());  // read again afterwards
    EXPECT_FALSE(f.window.Tools().quickBar.isNull());  // a new quick bar

    // Damaged depths: the count stops at the records the file holds.
    f.others.calls.clear();
    f.S().well.file.fileBottomDepth = 50'000'000;
    f.window.EvCommand(app::cmd::SurveyData);
    EXPECT_EQ(f.others.calls, QStringList({"tvd dialog 1"}));
    EXPECT_EQ(f.others.buffer.size(), stored.size() + 10);
    EXPECT_TRUE(f.window.Tools().quickBar.isNull());
}

TEST(InfoCommands, TvdLogIsNamedAfterTheWellWithoutItsFirstCharacter)
{
    EXPECT_EQ(app::TvdLogPath("/w/", "B12"), "/w/~12.svm");
    EXPECT_EQ(app::TvdLogPath("/w/", "C12"), "/w/~12.svm");

    WindowOnWell f("B12.svm");
    const QString tvdLog = f.S().well.file.currentFolder + "~12.svm";
    f.others.tvdLogToWrite = tvdLog;
    f.window.EvCommand(app::cmd::TvdLog);
    EXPECT_EQ(f.others.calls, QStringList({"tvd log built"}));
    EXPECT_EQ(f.Messages(), QStringList({tvdLog + " / "}));
    // Another copy of this program opens it, not the desktop's opener (which knows no ".svm").
    const auto started = [] {
        QStringList out;
        for (const auto& c : doubles().shell.started)
            out << c.program + " " + c.args.join(' ');
        return out;
    };
    const QString copy = QCoreApplication::applicationFilePath() + " " + tvdLog;
    EXPECT_EQ(started(), QStringList({copy}));
    EXPECT_TRUE(f.Opened().isEmpty());
    EXPECT_TRUE(f.S().marks.tvdViewed);

    // Once it exists it is opened as it is.
    f.others.calls.clear();
    doubles().shell.started.clear();
    f.window.EvCommand(app::cmd::TvdLog);
    EXPECT_TRUE(f.others.calls.isEmpty());
    EXPECT_EQ(started(), QStringList({copy}));

    // A TVD log open in the window cannot take new TVD data.
    doubles().prompter.messages.clear();
    f.S().well.file.wellName = "~12";
    f.window.EvCommand(app::cmd::TvdFileData);
    EXPECT_EQ(f.Messages(), QStringList({"Can't update tvd file while\nviewing tvd file / "}));
    EXPECT_TRUE(f.others.calls.isEmpty());
}

TEST(InfoCommands, ArchiveStopsTheLiveDataBeforeTheSendFileRoutine)
{
    WindowOnWell f;
    f.window.EvCommand(app::cmd::GasChart);
    f.S().well.file.drilling = true;
    f.others.monitorRunning = true;
    f.others.linkRunning = true;
    f.others.calls.clear();

    doubles().prompter.answers = {platform::IDCANCEL};
    f.window.EvCommand(app::cmd::Archive);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Archive");
    EXPECT_TRUE(f.others.calls.isEmpty());
    EXPECT_FALSE(f.window.Tools().gasChart.isNull());

    doubles().prompter.answers = {platform::IDOK};
    f.window.EvCommand(app::cmd::Archive);
    EXPECT_EQ(f.others.calls, QStringList({"chart closed", "gas monitor", "wits", "send file, archiving 1",
                                           "notes archived"}));
    EXPECT_FALSE(f.S().marks.archiving);
}

TEST(InfoCommands, DocumentsAreLookedUpInTheInstallFolder)
{
    WindowOnWell f;
    const QString install = f.S().env.installFolder;
    // The first start wrote the release notes.
    const QString features = install + "features.txt";
    ASSERT_TRUE(QFileInfo(features).isFile());
    EXPECT_TRUE(ReadBytes(features).startsWith("StrativM - New Features"));
    f.window.EvCommand(app::cmd::NewFeatures);
    EXPECT_EQ(f.Opened(), QStringList({features + " open"}));

    // Without them the install notes of the install folder, never a bare name.
    ASSERT_TRUE(QFile::remove(features));
    doubles().shell.opened.clear();
    WriteBytes(install + "Install.txt", QByteArray("notes"));
    f.window.EvCommand(app::cmd::NewFeatures);
    EXPECT_EQ(f.Opened(), QStringList({install + "Install.txt open"}));
    // Neither there, or no program to open them: the page is shown in the program's own help window.
    ASSERT_TRUE(QFile::remove(install + "Install.txt"));
    doubles().shell.opened.clear();
    f.window.EvCommand(app::cmd::NewFeatures);
    EXPECT_TRUE(f.Opened().isEmpty());
    auto* help = qobject_cast<Dialog*>(f.window.Tools().helpWindow.data());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->GetText(101).startsWith("StrativM - New Features"));
    WriteBytes(features, QByteArray("ours"));
    doubles().shell.openFails = true;
    f.window.EvCommand(app::cmd::NewFeatures);
    help = qobject_cast<Dialog*>(f.window.Tools().helpWindow.data());
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->GetText(101), "ours");
    doubles().shell.openFails = false;

    // An existing file is kept as it is.
    EXPECT_TRUE(app::InstallFeaturesText(install));
    EXPECT_EQ(ReadBytes(features), "ours");

    // No manual: the command says what it looked for and where. The old manual, then the PDF one, from
    // the install folder.
    doubles().shell.opened.clear();
    f.window.EvCommand(app::cmd::Manual);
    EXPECT_TRUE(f.Opened().isEmpty());
    ASSERT_EQ(f.Messages().size(), 1);
    EXPECT_TRUE(f.Messages()[0].contains("SV-Manual.pdf")) << f.Messages()[0].toStdString();
    EXPECT_TRUE(f.Messages()[0].contains("drlg-man.rtf in " + install));
    doubles().prompter.messages.clear();
    WriteBytes(install + "drlg-man.rtf", QByteArray("{\\rtf1}"));
    f.window.EvCommand(app::cmd::Manual);
    WriteBytes(install + "SV-Manual.pdf", QByteArray("%PDF-1.4"));
    f.window.EvCommand(app::cmd::Manual);
    EXPECT_EQ(f.Opened(), QStringList({install + "drlg-man.rtf open", install + "SV-Manual.pdf open"}));
    EXPECT_EQ(doubles().sounder.beeps, 0);
    EXPECT_TRUE(f.Messages().isEmpty());
    // A manual but no program to open it: said, with where the manual is.
    doubles().shell.openFails = true;
    f.window.EvCommand(app::cmd::Manual);
    ASSERT_EQ(f.Messages().size(), 1);
    EXPECT_TRUE(f.Messages()[0].contains(install + "SV-Manual.pdf"));
}

// A desktop without a viewer for the file: its opener (first on PATH) ends with 3. The release notes come
// up in the program's own window, the manual command says so; nothing counts the open as done.
TEST(InfoCommands, AnOpenerThatFailsIsNoticed)
{
    WindowOnWell f;
    const QString install = f.S().env.installFolder, bin = testing_support::TestDir() + "bin/";
    ASSERT_TRUE(QDir().mkpath(bin));
    WriteBytes(bin + "xdg-open", QByteArray("#!/bin/sh\nexit 3\n"));
    QFile::setPermissions(bin + "xdg-open", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    WriteBytes(install + "SV-Manual.pdf", QByteArray("%PDF-1.4"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit());
    platform::Services real = platform::services();
    real.shell = &platform::RealShell();
    platform::InstallServices(real);
    f.window.EvCommand(app::cmd::NewFeatures);
    f.window.EvCommand(app::cmd::Manual);
    qputenv("PATH", path);
    auto* help = qobject_cast<Dialog*>(f.window.Tools().helpWindow.data());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->GetText(101).startsWith("StrativM - New Features"));
    ASSERT_EQ(f.Messages().size(), 1);
    EXPECT_TRUE(f.Messages()[0].contains(install + "SV-Manual.pdf"));
}

TEST(InfoCommands, GasLabelsAreWrittenBackOnlyAfterSave)
{
    WindowOnWell f;
    f.EditRecord(1500, [](RECORD& r) {
        r.gas[wellfile::GAS_TG] = -25;
        r.gas[wellfile::GAS_C1] = 40;
        r.gas[wellfile::GAS_C2] = 0;
        r.gas[wellfile::GAS_NC5] = -3;
    });
    const QByteArray before = ReadBytes(f.path);

    // Cancel leaves the file as it was.
    Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDCANCEL); });
    f.window.LabelGasesAt(1500);
    EXPECT_EQ(ReadBytes(f.path), before);

    bool hw = false, c1 = true, nc5Shown = true;
    QString title;
    Dialog::QueueTestScript([&](Dialog& d) {
        hw = d.GetCheck(101) == platform::BST_CHECKED;
        c1 = d.GetCheck(102) == platform::BST_CHECKED;
        nc5Shown = d.Control(108)->isVisible();
        title = d.GetText(109);
        d.Click(102);  // C1
        d.Click(103);  // C2, a gas of 0
        d.Click(platform::IDOK);
    });
    f.window.LabelGasesAt(1500);
    EXPECT_TRUE(hw);
    EXPECT_FALSE(c1);
    EXPECT_FALSE(nc5Shown);  // profile 12 has no NC5 label
    EXPECT_EQ(title, "Select Gasses to label at 1500");
    const RECORD saved = f.StoredRecord(1500);
    EXPECT_EQ(saved.gas[wellfile::GAS_TG], -25.0f);
    EXPECT_EQ(saved.gas[wellfile::GAS_C1], -40.0f);
    EXPECT_EQ(saved.gas[wellfile::GAS_C2], 0.0f);
    EXPECT_EQ(saved.gas[wellfile::GAS_NC5], -3.0f);  // the hidden box kept its label
    EXPECT_EQ(ReadBytes(f.path).left(500 * 616), before.left(500 * 616));

    // A data file that cannot be written: the writer says so and nothing changes.
    const QByteArray labelled = ReadBytes(f.path);
    const QString aside = f.path + ".aside";
    Dialog::QueueTestScript([&](Dialog& d) {
        QFile::rename(f.path, aside);
        QDir().mkdir(f.path);
        d.Click(101);  // HW off
        d.Click(platform::IDOK);
    });
    doubles().prompter.messages.clear();
    f.window.LabelGasesAt(1500);
    ASSERT_EQ(f.Messages().size(), 1);
    EXPECT_TRUE(f.Messages().front().startsWith("File Open Failed In Save Records"));
    QDir().rmdir(f.path);
    QFile::rename(aside, f.path);
    EXPECT_EQ(ReadBytes(f.path), labelled);
}

}  // namespace
