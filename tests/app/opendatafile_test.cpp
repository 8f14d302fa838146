#include "app/opendatafile.h"

#include "app/logstate.h"
#include "drilling/drilling_services.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/profile.h"
#include "wellfile/reportindex.h"
#include "wellfile/reportrecords.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <vector>

using namespace wellfile;
using testing_support::BytesOf;
using testing_support::doubles;
using testing_support::MakeWell;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;

namespace {

// Depths running backwards: not a data file of ours. Returns its bytes.
QByteArray WriteBadWell(const QString& path)
{
    std::vector<RECORD> bad(2);
    bad[0].depth = 3000;
    bad[1].depth = 2990;
    WriteRecords(path, bad);
    return BytesOf(bad);
}

struct Recorder final : app::WindowServices, drilling::DrillingServices {
    QStringList calls;
    void AssignMenu(app::LogState&, int resource) override { calls << QString("menu %1").arg(resource); }
    void CmDrilling(app::LogState&) override { calls << "CmDrilling"; }
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
};

class OpenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::ApplySetupDefaults(s);
        s.env.screenWidth = 1280;
        s.well.file.dataFolder = TestDir() + "data/";
        QDir().mkpath(s.well.file.dataFolder);
        services.window = &recorder;
        services.drilling = &recorder;
    }
    bool Asked(const QString& caption) const
    {
        for (const auto& m : doubles().prompter.messages)
            if (m.caption == caption)
                return true;
        return false;
    }
    void SaveSettings()
    {
        bool field = s.well.fieldSettings;
        ASSERT_EQ(SaveConfig(s.well.config, PlaceOf(s), field), 1);
    }

    app::LogState s;
    Recorder recorder;
    app::WellServices services;
};

wellfile::SHOWREPORT Show(int from, int to)
{
    wellfile::SHOWREPORT r;
    platform::SetFieldText(r.interval, platform::CFormat(" %5d to %5d", from, to));
    return r;
}

}  // namespace

TEST(ShowRecordDepth, ReadsBothDepthsOnlyWhenTheIntervalHasThreeParts)
{
    std::int32_t second = -1;
    wellfile::SHOWREPORT r;
    platform::SetFieldText(r.interval, "100 to 120");
    EXPECT_EQ(ShowRecordDepth(r, second), 100);
    EXPECT_EQ(second, 120);
    platform::SetFieldText(r.interval, " 1200 - 1212");
    EXPECT_EQ(ShowRecordDepth(r, second), 1200);
    EXPECT_EQ(second, 1212);

    second = -1;
    platform::SetFieldText(r.interval, "100-120");
    EXPECT_EQ(ShowRecordDepth(r, second), 0);
    platform::SetFieldText(r.interval, "100 ");
    EXPECT_EQ(ShowRecordDepth(r, second), 0);
    r.interval[0] = 0;
    EXPECT_EQ(ShowRecordDepth(r, second), 0);
    EXPECT_EQ(second, -1);
}

TEST_F(OpenTest, ReportIndexesTakeAsManyRecordsAsTheyHoldAndMissingFilesLeaveZeros)
{
    const QString folder = s.well.file.dataFolder;
    const QString path = MakeWell(folder, "A.svm", 100, 700);
    std::vector<wellfile::SHOWREPORT> shows;
    for (int i = 0; i < 150; ++i)
        shows.push_back(Show(1000 + i, 1005 + i));
    WriteRecords(folder + "A.sho", shows);
    std::vector<wellfile::DSTREPORT> tests(60);
    for (int i = 0; i < 60; ++i)
        platform::SetFieldText(tests[std::size_t(i)].fromDepth, std::to_string(2000 + i));
    WriteRecords(folder + "A.dst", tests);
    std::vector<wellfile::REPORTEX> daily(400);
    for (int i = 0; i < 400; ++i)
        daily[std::size_t(i)].depth = 300.9f + float(i);
    WriteRecords(folder + "A.rpt", daily);

    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(s.well.showDepthIndex[0], 1000);
    EXPECT_EQ(s.well.showDepthIndex[99], 1099);
    EXPECT_EQ(s.well.dstDepthIndex[0], 2000);
    EXPECT_EQ(s.well.dstDepthIndex[49], 2049);
    EXPECT_EQ(s.well.reportDepthIndex[0], 300);  // truncated
    EXPECT_EQ(s.well.reportDepthIndex[299], 599);

    // An old-layout report file is read in its own layout and left as it is; the other indexes of a
    // well without those files are empty, not the last well's.
    const QString b = MakeWell(folder, "B.svm", 100, 300);
    std::vector<wellfile::REPORT> old(10);
    for (int i = 0; i < 10; ++i)
        old[std::size_t(i)].depth = std::uint16_t(150 + i);
    WriteRecords(folder + "B.rpt", old);
    ASSERT_EQ(OpenDataFile(s, services, b), 1);
    EXPECT_EQ(s.well.reportDepthIndex[9], 159);
    EXPECT_EQ(s.well.reportDepthIndex[10], 0);
    EXPECT_EQ(QFileInfo(folder + "B.rpt").size(), 10 * wellfile::kOldReportSize);
    EXPECT_EQ(s.well.showDepthIndex[0], 0);
    EXPECT_EQ(s.well.dstDepthIndex[0], 0);
}

TEST_F(OpenTest, SavedViewTopIsTakenOnlyStrictlyInsideTheFile)
{
    const QString path = MakeWell(s.well.file.dataFolder, "W.svm", 1000, 1500);
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_TRUE(QFile::exists(s.well.file.dataFolder + "W.cfg"));  // made with defaults

    s.well.config.viewTopDepth = 1500;
    SaveSettings();
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(s.well.file.viewTopDepth, 1500 - 40);

    s.well.config.viewTopDepth = 1200;
    SaveSettings();
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(s.well.file.viewTopDepth, 1200);
    EXPECT_EQ(s.well.captionText, "StrativM    " + path);

    // A well shorter than the view is shown from its first depth.
    ASSERT_EQ(OpenDataFile(s, services, MakeWell(s.well.file.dataFolder, "Short.svm", 1000, 1010)), 1);
    EXPECT_EQ(s.well.file.viewTopDepth, 1000);
}

TEST_F(OpenTest, LithLegendSwitchComesFromTheWellSettings)
{
    const QString path = MakeWell(s.well.file.dataFolder, "W.svm", 1000, 1500);
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_FALSE(s.options.lithLegend);
    s.well.config.lithLegend = 1;
    SaveSettings();
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_TRUE(s.options.lithLegend);
    s.well.config.lithLegend = 0;
    SaveSettings();
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_FALSE(s.options.lithLegend);
}

TEST_F(OpenTest, WellLeftDrillingComesBackDrillingButAScratchWellNever)
{
    const QString folder = s.well.file.dataFolder;
    for (const QString name : {"W", "~W"}) {
        const QString path = MakeWell(folder, name + ".svm", 1000, 1100);
        ASSERT_EQ(OpenDataFile(s, services, path), 1);
        s.well.config.drillingAtExit = 1;
        s.well.config.customTracksEnabled = 1;
        SaveSettings();
    }

    recorder.calls.clear();
    ASSERT_EQ(OpenDataFile(s, services, folder + "W.svm"), 1);
    EXPECT_EQ(recorder.calls, QStringList({"menu 1", "menu 3", "CmDrilling"}));
    EXPECT_TRUE(s.well.customTracksEnabled);

    // A scratch well gets neither drilling nor its saved custom tracks back.
    recorder.calls.clear();
    ASSERT_EQ(OpenDataFile(s, services, folder + "~W.svm"), 1);
    EXPECT_TRUE(s.well.scratchWell);
    EXPECT_FALSE(s.well.file.drilling);
    EXPECT_FALSE(s.well.customTracksEnabled);
    EXPECT_EQ(recorder.calls, QStringList({"menu 1", "menu 3"}));
}

TEST_F(OpenTest, RefusedFileChosenWhileDrillingLeavesTheOpenWellAsItWas)
{
    const QString folder = s.well.file.dataFolder;
    const QString good = MakeWell(folder, "Good.svm", 1000, 1200);
    const QByteArray badBytes = WriteBadWell(folder + "Bad.svm");
    ASSERT_EQ(OpenDataFile(s, services, good), 1);

    // Drilling on the open well, which is not yet on the recent list.
    s.well.file.drilling = true;
    alignas(8) static char driller[8];
    s.engines.driller = reinterpret_cast<drilling::Driller*>(driller);  // only tested for null here
    s.env.recentFiles = {"/wells/OLD.svm"};
    ASSERT_EQ(SaveRecent(folder, s.env.recentFiles), 1);
    const QByteArray recentBytes = ReadBytes(folder + "recentM.lst");
    recorder.calls.clear();

    doubles().prompter.fileAnswers.push_back(folder + "Bad.svm");
    EXPECT_EQ(ChooseAndOpenDataFile(s, services), 0);
    EXPECT_TRUE(Asked("Depth Out Of Range"));  // validation says why
    EXPECT_FALSE(Asked("Not A Valid StrativM File"));
    EXPECT_TRUE(s.well.file.drilling);
    EXPECT_TRUE(recorder.calls.isEmpty()) << recorder.calls.join(", ").toStdString();
    EXPECT_TRUE(s.well.writeBottomToFirstRecord);
    EXPECT_EQ(s.env.recentFiles[0], "/wells/OLD.svm");
    EXPECT_TRUE(s.env.recentFiles[1].isEmpty());
    EXPECT_EQ(ReadBytes(folder + "recentM.lst"), recentBytes);
    EXPECT_EQ(s.well.file.dataFileName, good);
    EXPECT_EQ(s.well.file.fileTopDepth, 1000);
    EXPECT_EQ(s.well.file.fileBottomDepth, 1200);
    EXPECT_EQ(s.well.captionText, "StrativM    " + good);
    EXPECT_EQ(ReadBytes(folder + "Bad.svm"), badBytes);  // never repaired into something else
    s.engines.driller = nullptr;
}

TEST_F(OpenTest, NotValidMessageOnlyWhenTheOpenWellCannotBeOpenedAgainEither)
{
    const QString folder = s.well.file.dataFolder;
    const QString good = MakeWell(folder, "Good.svm", 1000, 1200);
    WriteBadWell(folder + "Bad.svm");
    ASSERT_EQ(OpenDataFile(s, services, good), 1);

    // The open well is opened again, and the user hears only validation's own message.
    EXPECT_EQ(OpenDataFile(s, services, folder + "Bad.svm"), 1);
    EXPECT_FALSE(Asked("Not A Valid StrativM File"));
    EXPECT_EQ(s.well.file.dataFileName, good);

    // With the open well gone from the disk as well, the user is told and the demo well stands in.
    const QString demo = MakeWell(platform::InstallFolder(), "elogdemo.svm", 1000, 2600);
    QFile::remove(good);
    EXPECT_EQ(OpenDataFile(s, services, folder + "Bad.svm"), 1);
    ASSERT_TRUE(Asked("Not A Valid StrativM File"));
    EXPECT_EQ(doubles().prompter.messages.back().text, folder + "Bad.svm");
    EXPECT_EQ(s.well.file.dataFileName, demo);
    EXPECT_EQ(s.well.loggerId, kDefaultProfile);  // not the profile its company text names
}

TEST_F(OpenTest, RefusedFirstFileWithNoDemoOpensNothing)
{
    WriteBadWell(s.well.file.dataFolder + "Bad.svm");
    EXPECT_EQ(OpenDataFile(s, services, s.well.file.dataFolder + "Bad.svm"), 0);
    EXPECT_TRUE(Asked("Not A Valid StrativM File"));
    EXPECT_FALSE(s.well.fileOpened);
    EXPECT_TRUE(s.well.file.dataFileName.isEmpty());
    EXPECT_TRUE(s.well.captionText.isEmpty());
}

TEST_F(OpenTest, CancelledOrRefusedOpenCommandLeavesAScratchWellAsItWas)
{
    const QString folder = s.well.file.dataFolder;
    const QString scratch = MakeWell(folder, "~Scratch.svm", 1000, 1200);
    WriteBadWell(folder + "Bad.svm");
    ASSERT_EQ(OpenDataFile(s, services, scratch), 1);
    ASSERT_TRUE(s.well.scratchWell);
    s.well.lastModifiedText = "Last Modified";

    doubles().prompter.fileAnswers.push_back(std::nullopt);
    doubles().prompter.fileAnswers.push_back(folder + "Bad.svm");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ChooseAndOpenDataFile(s, services), 0);
        EXPECT_EQ(s.well.file.dataFileName, scratch);
        EXPECT_TRUE(s.well.scratchWell) << i;
        EXPECT_EQ(s.well.lastModifiedText, "Last Modified");
    }
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 2);
    EXPECT_EQ(doubles().prompter.fileRequests[0].folder, folder);
}

namespace {

// A sound settings record of the well: scheme `scheme`, view top `viewTop`.
WellConfig Settings(int scheme, int viewTop)
{
    WellConfig c = DefaultWellConfig({});
    c.currentScheme = scheme;
    c.viewTopDepth = viewTop;
    return c;
}

}  // namespace

TEST_F(OpenTest, UnreadableSettingsFilesNeverCostTheWellItsOwn)
{
    const QString folder = s.well.file.dataFolder;
    const QString path = MakeWell(folder, "W.svm", 1000, 1500);
    const WellConfig own = Settings(4, 1200);
    testing_support::WriteBytes(folder + "W.cfg", &own, sizeof own);

    // An empty "default.cfg" stands in for nothing: the well's own settings are read and kept.
    testing_support::WriteBytes(folder + "default.cfg", QByteArray());
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(int(s.well.config.currentScheme), 4);
    EXPECT_EQ(s.well.file.viewTopDepth, 1200);
    EXPECT_EQ(ReadBytes(folder + "W.cfg"), QByteArray(reinterpret_cast<const char*>(&own), sizeof own));
    QFile::remove(folder + "default.cfg");

    // The well's own file at a wrong size is kept aside before the defaults take its place, and the
    // user is told once.
    testing_support::WriteBytes(folder + "W.cfg", QByteArray(5267, '\x05'));
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(ReadBytes(folder + "W.cfg.bad"), QByteArray(5267, '\x05'));
    EXPECT_EQ(QFileInfo(folder + "W.cfg").size(), qint64(sizeof(WellConfig)));
    EXPECT_EQ(int(s.well.config.currentScheme), 0);
    ASSERT_TRUE(Asked("Well Settings"));
    doubles().prompter.messages.clear();
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_FALSE(Asked("Well Settings"));
}

TEST_F(OpenTest, WellReceivedInASharedFolderReadsItsOwnSettingsAndTops)
{
    const QString shared = TestDir() + "Dropbox/";
    const QString path = MakeWell(shared, "R.svm", 1000, 1500);
    const WellConfig own = Settings(3, 1100);
    testing_support::WriteBytes(shared + "R.cfg", &own, sizeof own);
    std::vector<wellfile::TOPSEX> tops(2);
    WriteRecords(shared + "R.top", tops);
    // A stale copy of the settings in the data folder must not be taken for the well's own.
    const WellConfig stale = Settings(1, 1300);
    testing_support::WriteBytes(s.well.file.dataFolder + "R.cfg", &stale, sizeof stale);

    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    ASSERT_TRUE(s.well.sharedFolderWell);
    EXPECT_EQ(int(s.well.config.currentScheme), 3);
    EXPECT_EQ(s.well.file.viewTopDepth, 1100);
    EXPECT_EQ(s.well.tops.size(), 2u);

    // The ".dbc" made for it: no field-folder flag set, the pair after them 1 and 0, time zone -1.
    SettingsBlock dbc{};
    ASSERT_EQ(LoadDbc(dbc, PlaceOf(s)), 1);
    const QByteArray bytes(reinterpret_cast<const char*>(&dbc), sizeof dbc);
    EXPECT_EQ(bytes.mid(13380, 36), QByteArray(36, '\0'));
    EXPECT_EQ(int(dbc.flagPair[0]), 1);
    EXPECT_EQ(int(dbc.flagPair[1]), 0);
    EXPECT_EQ(int(dbc.timeZoneAdjust), -1);

    // The tops flag alone sends the tops to the data folder, whatever the settings flag says.
    WriteRecords(s.well.file.dataFolder + "R.top", std::vector<wellfile::TOPSEX>(5));
    dbc.fieldTopsAndPens = 1;
    ASSERT_EQ(SaveDbc(dbc, PlaceOf(s)), 1);
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(s.well.tops.size(), 5u);
    EXPECT_EQ(int(s.well.config.currentScheme), 3);

    // A ".dbc" that cannot be read is not written over: the well opens on its own files.
    testing_support::WriteBytes(DbcFilePath(PlaceOf(s)), QByteArray(100, '\x01'));
    ASSERT_EQ(OpenDataFile(s, services, path), 1);
    EXPECT_EQ(ReadBytes(DbcFilePath(PlaceOf(s))), QByteArray(100, '\x01'));
    EXPECT_EQ(s.well.tops.size(), 2u);
}

TEST_F(OpenTest, OpenSetsTheLagDepthFromTheDeepestGas)
{
    const QString folder = s.well.file.dataFolder;
    const QString gassy = MakeWell(folder, "G.svm", 1000, 1100);
    std::vector<RECORD> rows = testing_support::FileRecords<RECORD>(gassy);
    rows[40].gas[GAS_TG] = 5.0f;
    rows[60].gas[GAS_TG] = 1.5f;
    WriteRecords(gassy, rows);
    ASSERT_EQ(OpenDataFile(s, services, gassy), 1);
    EXPECT_EQ(s.well.file.lagDepth, 1060);

    // A well without gas above 1 unit: its first depth + 20, not the last well's lag depth.
    ASSERT_EQ(OpenDataFile(s, services, MakeWell(folder, "N.svm", 2000, 2100)), 1);
    EXPECT_EQ(s.well.file.lagDepth, 2020);
}

TEST_F(OpenTest, FiveLineSurveysForTheProfileThatAlwaysShowsThem)
{
    const QString folder = s.well.file.dataFolder;
    std::vector<RECORD> rows;
    for (int d = 1000; d <= 1100; ++d)
        rows.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
    platform::SetFieldText(rows.front().interpretedLith, "PRF134");
    WriteRecords(folder + "P.svm", rows);

    ASSERT_EQ(OpenDataFile(s, services, folder + "P.svm"), 1);
    ASSERT_EQ(s.well.loggerId, 134);
    EXPECT_TRUE(s.view.depthColumn.fiveLineSurvey);
    // The next well of another profile writes its surveys as it always did.
    ASSERT_EQ(OpenDataFile(s, services, MakeWell(folder, "W.svm", 1000, 1100)), 1);
    EXPECT_FALSE(s.view.depthColumn.fiveLineSurvey);
}
