// The user and well settings blocks and the well configuration: size rules, which file is read, and
// what saving changes beside the record.
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wellconfig.h"

#include "platform/folders.h"
#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

using namespace wellfile;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

template <typename T>
void WriteRecord(const QString& path, const T& record)
{
    WriteBytes(path, &record, sizeof record);
}

template <typename T>
bool AllZero(const T& record)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        if (p[i])
            return false;
    return true;
}

WellConfig ConfigMarked(int marker)
{
    WellConfig c = DefaultWellConfig({});
    c.viewTopDepth = marker;
    return c;
}

// A data folder, a local folder and a working folder apart from each other.
WellPlace Place(const QString& well = QStringLiteral("north7"))
{
    WellPlace p = testing_support::MakePlace(well);
    p.workingFolder = TestDir() + QStringLiteral("work/");
    QDir().mkpath(p.workingFolder);
    return p;
}

}  // namespace

TEST(SettingsBlock, OnlyAFileOfExactlyTheRecordSizeIsRead)
{
    const QString path = UserFilePath(QStringLiteral("geo"));
    for (qsizetype size : {qsizetype(14455), qsizetype(14457), qsizetype(0)}) {
        WriteBytes(path, QByteArray(size, '\x5A'));
        SettingsBlock block;
        std::memset(&block, 0xFF, sizeof block);
        EXPECT_EQ(LoadUserFile(block, QStringLiteral("geo")), 0) << size;
        EXPECT_TRUE(AllZero(block)) << size;
    }

    SettingsBlock saved{};
    saved.loginCount = 12;
    platform::SetFieldText(saved.lastFileViewed, "/wells/north7.svm");
    ASSERT_EQ(SaveUserFile(saved, QStringLiteral("geo")), 1);
    EXPECT_EQ(QFileInfo(path).size(), 14456);
    SettingsBlock back;
    ASSERT_EQ(LoadUserFile(back, QStringLiteral("geo")), 1);
    EXPECT_EQ(std::memcmp(&back, &saved, sizeof back), 0);
}

TEST(SettingsBlock, WellBlockNeedsAnOpenWell)
{
    WellPlace none = Place(QString());
    SettingsBlock block{};
    EXPECT_EQ(SaveDbc(block, none), 0);
    EXPECT_EQ(LoadDbc(block, none), 0);
    EXPECT_TRUE(QDir(none.dataFolder).isEmpty());
}

TEST(WellConfig, DefaultCfgInWorkingFolderStandsInForTheWellsOwnWhileNotDrilling)
{
    WellPlace p = Place();
    WriteRecord(p.currentFolder + "north7.cfg", ConfigMarked(111));
    WriteRecord(p.dataFolder + "default.cfg", ConfigMarked(222));

    WellConfig c;
    ASSERT_EQ(LoadConfig(c, p, false), 1);
    EXPECT_EQ(c.viewTopDepth, 111) << "no default.cfg in the working folder yet";

    WriteBytes(p.workingFolder + "DEFAULT.CFG", "x");  // its content does not matter, nor its letter case
    ASSERT_EQ(LoadConfig(c, p, false), 1);
    EXPECT_EQ(c.viewTopDepth, 222);

    p.drilling = true;
    ASSERT_EQ(LoadConfig(c, p, false), 1);
    EXPECT_EQ(c.viewTopDepth, 111) << "while drilling the well's own file is read";
}

TEST(WellConfig, FieldSettingsOfASharedWellReadTheDataFolder)
{
    WellPlace p = Place();
    WriteRecord(p.currentFolder + "north7.cfg", ConfigMarked(111));
    WriteRecord(p.dataFolder + "north7.cfg", ConfigMarked(333));
    WellConfig c;

    ASSERT_EQ(LoadConfig(c, p, true), 1);
    EXPECT_EQ(c.viewTopDepth, 111) << "not a shared-folder well";
    p.sharedFolderWell = true;
    ASSERT_EQ(LoadConfig(c, p, true), 1);
    EXPECT_EQ(c.viewTopDepth, 333);
    ASSERT_EQ(LoadConfig(c, p, false), 1);
    EXPECT_EQ(c.viewTopDepth, 111);

    WriteBytes(p.dataFolder + "north7.cfg", QByteArray(5267, '\x01'));
    std::memset(&c, 0x7F, sizeof c);
    EXPECT_EQ(LoadConfig(c, p, true), 0);
    EXPECT_TRUE(AllZero(c));
}

TEST(WellConfig, SavingASharedWellMarksFieldSettingsInItsDbc)
{
    WellPlace p = Place();
    p.sharedFolderWell = true;
    SettingsBlock dbc{};
    dbc.timeZoneAdjust = -5;
    dbc.fieldTopsAndPens = 1;
    ASSERT_EQ(SaveDbc(dbc, p), 1);

    bool fieldSettings = false;
    ASSERT_EQ(SaveConfig(ConfigMarked(444), p, fieldSettings), 1);
    EXPECT_TRUE(fieldSettings);
    SettingsBlock back;
    ASSERT_EQ(LoadDbc(back, p), 1);
    EXPECT_EQ(back.fieldSettings, 1);
    EXPECT_EQ(back.timeZoneAdjust, -5) << "the rest of the block is kept";
    EXPECT_EQ(back.fieldTopsAndPens, 1);
    EXPECT_TRUE(QFileInfo::exists(p.dataFolder + "north7.cfg"));
    EXPECT_FALSE(QFileInfo::exists(p.currentFolder + "north7.cfg"));

    WellConfig c;
    ASSERT_EQ(LoadConfig(c, p, fieldSettings), 1);
    EXPECT_EQ(c.viewTopDepth, 444);
}

TEST(WellConfig, LocalWellIsSavedInItsOwnFolderWithoutADbc)
{
    WellPlace p = Place();
    bool fieldSettings = false;
    ASSERT_EQ(SaveConfig(ConfigMarked(555), p, fieldSettings), 1);
    EXPECT_FALSE(fieldSettings);
    EXPECT_EQ(QFileInfo(p.currentFolder + "north7.cfg").size(), 5268);
    EXPECT_FALSE(QFileInfo::exists(p.dataFolder + "north7.dbc"));
}

TEST(WellConfig, ScratchWellNeverRestartsInDrillingMode)
{
    WellPlace p = Place(QStringLiteral("~scratch"));
    WellConfig c = ConfigMarked(1);
    c.drillingAtExit = 1;
    bool fieldSettings = false;
    ASSERT_EQ(SaveConfig(c, p, fieldSettings), 1);
    WellConfig back;
    ASSERT_EQ(LoadConfig(back, p, false), 1);
    EXPECT_EQ(back.drillingAtExit, 0);

    // A record that says otherwise (copied from another well) does not bring drilling back either.
    EXPECT_FALSE(RestartsInDrilling(c, QStringLiteral("~scratch")));
    EXPECT_TRUE(RestartsInDrilling(c, QStringLiteral("north7")));
    c.drillingAtExit = 0;
    EXPECT_FALSE(RestartsInDrilling(c, QStringLiteral("north7")));
}

TEST(WellConfig, DefaultRecordCarriesTheWindowValuesAndProfileRules)
{
    const WellConfig plain = DefaultWellConfig({0, 1, 1, 10});
    EXPECT_EQ(plain.rateLineStyle, 0);
    EXPECT_EQ(plain.sendColourFile, 1);
    EXPECT_EQ(plain.reverseCo2, 0);
    EXPECT_EQ(platform::FieldText(plain.backupDrive), "C:\\");
    EXPECT_EQ(std::int32_t{plain.gasInstrumentType}, -1);  // copied out: the field is unaligned
    EXPECT_EQ(DefaultWellConfig({1, 1, 0, 86}).reverseCo2, 1);
}

TEST(Settings, EverySaverReportsAFailedWrite)
{
    WellPlace gone = Place();
    gone.dataFolder = TestDir() + QStringLiteral("missing/data/");
    gone.currentFolder = TestDir() + QStringLiteral("missing/local/");
    SettingsBlock block{};
    bool fieldSettings = false;
    EXPECT_EQ(SaveDbc(block, gone), 0);
    EXPECT_EQ(SaveConfig(ConfigMarked(1), gone, fieldSettings), 0);

    // A folder standing where the file should be.
    ASSERT_TRUE(QDir().mkpath(UserFilePath(QStringLiteral("geo"))));
    EXPECT_EQ(SaveUserFile(block, QStringLiteral("geo")), 0);

    // The configuration is written but the field-settings mark could not be: still a failure.
    WellPlace shared = Place();
    shared.sharedFolderWell = true;
    ASSERT_TRUE(QDir().mkpath(shared.dataFolder + "north7.dbc"));
    EXPECT_EQ(SaveConfig(ConfigMarked(1), shared, fieldSettings), 0);
    EXPECT_EQ(QFileInfo(shared.dataFolder + "north7.cfg").size(), 5268);
}
