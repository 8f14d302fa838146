// The drilling command: its refusals, what switching on and off sets, starts and saves, and the
// window timers' work.
#include "commandfixture.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/lagrecord.h"
#include "app/opendatafile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

using namespace drilling;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace drilling_testing {
namespace {

class DrillingCommand : public DrillingCommandTest {};

TEST_F(DrillingCommand, RefusalsLeaveEverythingAsItWas)
{
    const QString path = ConfigPath();
    const QByteArray cfg = ReadBytes(path);
    ASSERT_EQ(cfg.size(), qsizetype(sizeof(wellfile::WellConfig)));
    const auto unchanged = [&] {
        EXPECT_EQ(ReadBytes(path), cfg);
        EXPECT_FALSE(log.well.file.drilling);
        EXPECT_EQ(log.engines.driller, nullptr);
        EXPECT_TRUE(timers.periods.isEmpty());
    };
    wellfile::OpenWell& f = log.well.file;
    auto& asked = doubles().prompter.messages;

    f.wellName = "~ALPHA";
    Toggle();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].text, "Drilling can not be enabled in a TVD file");
    EXPECT_EQ(asked[0].caption, "Mode Error");
    unchanged();
    f.wellName = "ALPHA";

    f.currentFolder = TestDir() + "elsewhere/";
    Toggle();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1].text, f.dataFileName +
                                 "  is located outside the StrativM directory.\n\r Drilling can not be enabled for this "
                                 "file.\n\r Select FILE..OPEN and open file from the StrativM\n\r directory");
    EXPECT_EQ(asked[1].caption, "Invalid file location");
    unchanged();
    f.currentFolder = f.dataFolder;

    log.scroll.renderingImage = true;
    Toggle();
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(asked.size(), 2);
    unchanged();
    log.scroll.renderingImage = false;

    log.env.firstInstance = 0;
    Toggle();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_TRUE(asked[2].text.startsWith("One or more copies of StrativM is already running.\nOnly the FIRST COPY"));
    unchanged();
    log.env.firstInstance = 1;

    // The folders compared without regard to letter case: the same folder is accepted.
    f.dataFolder = f.dataFolder.toUpper();
    ASSERT_NE(f.dataFolder, f.currentFolder);
    Toggle();
    EXPECT_EQ(asked.size(), 3);
    EXPECT_TRUE(f.drilling);
}

TEST_F(DrillingCommand, SwitchingOnStartsTimersLinksAndSavesTheClampedBackupDepth)
{
    config.gasMonitorOn = 1;
    config.witsLinkOn = 1;
    config.customWitsOn = 1;
    config.drillingSetting = 1200;  // below the bottom: taken as the bottom
    config.lagAlarmInterval = 7;
    WriteConfig();
    timers.SetTimer(5, 10000);
    log.env.remoteMonitorOn = true;

    Toggle();
    ASSERT_NE(log.engines.driller, nullptr);
    EXPECT_TRUE(log.well.file.drilling);
    EXPECT_EQ(timers.Period(2), 200);
    EXPECT_EQ(timers.Period(9), 10000);
    EXPECT_FALSE(timers.IsRunning(5));
    EXPECT_EQ(window.menus, QList<int>{3});
    EXPECT_FALSE(log.env.remoteMonitorOn);
    EXPECT_EQ(gas.calls, QStringList{"CmGasMonitor"});
    EXPECT_EQ(wits.calls, QStringList({"CmWits", "CmCustomWits"}));
    EXPECT_EQ(Driller().Setup().lagAlarmInterval, 7);
    EXPECT_EQ(int(SavedConfig().drillingSetting), 1000);
    EXPECT_EQ(log.drilling.backupStartDepth, 1000);
    EXPECT_EQ(Driller().Records().lastFullBackupDepth, 1000);

    commands.CmBackupReminder(log);
    EXPECT_EQ(links.reminders, QStringList{"Last Full Back Up = 1000"}) << "the reminder on demand";

    for (const int depth : {850, 950}) {  // above the first depth: the bottom; within the file: kept
        Toggle();
        config = SavedConfig();
        config.drillingSetting = depth;
        WriteConfig();
        Toggle();
        EXPECT_EQ(int(SavedConfig().drillingSetting), depth == 850 ? 1000 : 950);
    }
}

TEST_F(DrillingCommand, SwitchingOffSavesWhatOutlivesDrillingAndStopsTheLinks)
{
    config.witsLinkOn = 1;
    config.gasMonitorOn = 1;
    config.lagByStrokesFromWits = 1;
    WriteConfig();
    Toggle();
    testing_support::EditSetup(Driller(), [](drilling::DrillerSetup& v) {
        v.lagAlarmInterval = 12;
        v.minSecondsPerUnit = 9;
        v.switchPolarity = 1;
        v.lagMarks = 1;
    });
    testing_support::EditRecords(Driller(), [](drilling::DrillerRecords& v) { v.lastFullBackupDepth = 990; });
    testing_support::EditLag(Driller(), [](wellfile::LagRecord& lag) { lag.mudWeight = 11.5f; });
    testing_support::EditLive(Driller(), [](wellfile::WITSRECORD& live) {
        live.spm1 = 5;
        live.spm2 = 5;  // 10 strokes a minute: the pumps stood still
    });
    log.drilling.optionWord = 77;
    gas.calls.clear();
    wits.calls.clear();

    Toggle();
    EXPECT_EQ(log.engines.driller, nullptr);
    EXPECT_FALSE(log.well.file.drilling);
    EXPECT_FALSE(timers.IsRunning(2));
    EXPECT_FALSE(timers.IsRunning(9));
    EXPECT_EQ(timers.Period(5), 10000);
    EXPECT_EQ(window.menus, QList<int>({3, 1}));
    EXPECT_EQ(gas.calls, QStringList{"StopMonitor"});
    EXPECT_EQ(wits.calls, QStringList{"StopLink"});

    const wellfile::WellConfig saved = SavedConfig();
    EXPECT_EQ(int(saved.lagAlarmInterval), 12);
    EXPECT_EQ(int(saved.minSecondsPerUnit), 9);
    EXPECT_EQ(int(saved.switchPolarity), 1);
    EXPECT_EQ(int(saved.markLagDepth), 1);
    EXPECT_EQ(int(saved.drillingSetting), 990);
    EXPECT_EQ(int(saved.drillingSetting3370), 77);
    EXPECT_EQ(int(saved.witsLinkOn), 1);
    EXPECT_EQ(int(saved.lagByStrokesFromWits), 0);

    wellfile::LagRecord lag{};
    ASSERT_EQ(wellfile::LoadLag(lag, app::PlaceOf(log)), 1);
    EXPECT_EQ(float(lag.mudWeight), 11.5f);

    // 11 strokes a minute keep lag by strokes from WITS for the next start.
    config = saved;
    config.lagByStrokesFromWits = 1;
    WriteConfig();
    Toggle();
    testing_support::EditLive(Driller(), [](wellfile::WITSRECORD& live) { live.spm3 = 11; });
    Toggle();
    EXPECT_EQ(int(SavedConfig().lagByStrokesFromWits), 1);
}

TEST_F(DrillingCommand, Timer3WorksOnThe30thTickWhileDrillingOffBottom)
{
    config.remoteSetting = 1;  // the update-package option
    WriteConfig();
    for (int i = 0; i < 40; ++i)  // not drilling: the counter does not move
        commands.EvTimer(log, 3);
    Toggle();
    Driller().Time()->GoOffBottom();
    log.well.file.copyOut = true;
    log.drilling.timedCopy = true;
    for (int i = 0; i < 29; ++i)
        commands.EvTimer(log, 3);
    EXPECT_EQ(links.packages, 0);
    commands.EvTimer(log, 3);
    EXPECT_EQ(links.packages, 1);
    EXPECT_EQ(links.copies, QStringList{".svm"});
    EXPECT_EQ(commands.timer3Count(), 0);

    log.drilling.holdButtons = true;  // held: no count
    for (int i = 0; i < 30; ++i)
        commands.EvTimer(log, 3);
    log.drilling.holdButtons = false;
    Driller().Time()->GoOnBottom();  // on bottom: no package, the copies go on
    for (int i = 0; i < 30; ++i)
        commands.EvTimer(log, 3);
    EXPECT_EQ(links.packages, 1);
    EXPECT_EQ(links.copies.size(), 2);
}

TEST_F(DrillingCommand, Timer2DoesNothingWithoutADrillerOrWhileStartingUp)
{
    Toggle();
    const int records = RecordCount();
    Tick(5);
    Driller().MarkStep(StepSource::Keyboard);
    log.well.fileOpened = false;
    Tick(1);
    EXPECT_EQ(Driller().Steps().stepPending, 1);
    log.well.fileOpened = true;
    Tick(0.2);
    EXPECT_EQ(RecordCount(), records + 1);
    Toggle();
    commands.EvTimer(log, 2);  // after the driller is gone
    EXPECT_EQ(RecordCount(), records + 1);
}

TEST_F(DrillingCommand, Timer9HandsPdfsOverAndRemovesOnlyItsOwn)
{
    Toggle();
    const QString pdf = TestDir() + "StrativM.pdf";
    WriteBytes(pdf, QByteArray("user's own"));
    commands.EvTimer(log, 9);
    EXPECT_TRUE(QFileInfo::exists(pdf));  // not made here: kept

    log.sessionFiles.handOverPdfs.push_back(pdf);
    commands.EvTimer(log, 9);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(log.sessionFiles.handOverPdfs.empty());

    WriteBytes(pdf, QByteArray("the log"));
    ASSERT_TRUE(QDir().mkpath(TestDir() + "out"));
    log.drilling.pdfHandOver = true;
    log.drilling.pdfTarget = TestDir() + "out/ALPHA log.pdf";
    commands.EvTimer(log, 9);
    EXPECT_FALSE(log.drilling.pdfHandOver);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(ReadBytes(log.drilling.pdfTarget), QByteArray("the log"));

    const QString second = TestDir() + "Short.pdf";
    ASSERT_TRUE(QDir().mkpath(log.env.installFolder + "sendfile"));
    WriteBytes(second, QByteArray("short"));
    log.drilling.secondPdfName = "Short";
    log.drilling.secondPdfHandOver = true;
    commands.EvTimer(log, 9);
    EXPECT_FALSE(log.drilling.secondPdfHandOver);
    EXPECT_EQ(ReadBytes(log.env.installFolder + "sendfile/Short.pdf"), QByteArray("short"));

    EXPECT_TRUE(view.calls.isEmpty());
    WriteBytes(TestDir() + "CORE.JPG", QByteArray("jpeg"));
    commands.EvTimer(log, 9);
    EXPECT_EQ(view.calls, QStringList({"ImportNewImages ALPHA", "LoadImageList"}));
}

TEST_F(DrillingCommand, GasMonitorSettingsBackupTakesTheWellsFile)
{
    ASSERT_TRUE(QDir().mkpath(log.env.installFolder));
    WriteBytes(log.env.installFolder + "gasmon.cfg", QByteArray("install"));
    EXPECT_EQ(BackupGasMonitorConfig(log), 1);
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "backup/gasmon.cfg"));  // the well has none: skipped

    WriteBytes(TestDir() + "gasmon.cfg", QByteArray("well"));
    Toggle();
    Toggle();  // the stop backs it up
    EXPECT_EQ(ReadBytes(TestDir() + "backup/gasmon.cfg"), QByteArray("well"));
}

TEST_F(DrillingCommand, LinesAndScalesSettingsWhileDrilling)
{
    EXPECT_EQ(commands.Settings(log).delay, 2);  // no driller: the defaults
    Toggle();
    layout::DrillerSettings set = commands.Settings(log);
    EXPECT_EQ(set.delay, 4);
    set.delay = 7;
    set.autoDrill = true;
    set.autoDrillRate = 1.5f;
    set.onBottomMode = 1;  // closed on bottom with the switch open: off bottom at once
    commands.ApplySettings(log, set);
    EXPECT_EQ(Driller().Setup().minSecondsPerUnit, 7);
    EXPECT_EQ(Driller().Setup().autoMinutesPerUnit, 1.5f);
    EXPECT_TRUE(Driller().Time()->offBottom);
    doubles().gamePort.buttons = kButton5;
    commands.SetOnBottomMode(log, 1);
    EXPECT_FALSE(Driller().Time()->offBottom);

    commands.SetWorkingRecordsScale(log, 322, 3);
    commands.SetWorkingRecordsScale(log, 615, 9);  // past the record: refused
    std::uint16_t previous = 0, working = 0;
    std::memcpy(&previous, reinterpret_cast<const char*>(&Driller().Records().previous) + 322, 2);
    std::memcpy(&working, reinterpret_cast<const char*>(&Driller().Records().working) + 322, 2);
    EXPECT_EQ(previous, 3);
    EXPECT_EQ(working, 3);
}

}  // namespace
}  // namespace drilling_testing
