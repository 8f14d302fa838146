#include "exchange/housekeeping.h"

#include "platform/folders.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void Write(const QString& folder, std::initializer_list<const char*> names)
{
    QDir().mkpath(folder);
    for (const char* name : names)
        WriteBytes(folder + name, name);
}

// Every folder of the test counts as shared, unless the test says otherwise.
HousekeepingPlaces Places(const QString& well)
{
    return {TestDir() + "install/", TestDir() + "data/", well, 0, {TestDir()}};
}

}  // namespace

TEST(Housekeeping, OneWellStaysInASharedFolderAndOtherWellsAreMovedAside)
{
    const QString shared = TestDir() + "Dropbox/";
    const QString charts = TestDir() + "Dropbox_chart/";
    Write(shared, {"a.svm", "a.cfg", "a.hdr", "b.svm", "B.CFG", "b.las", "~a.svm", "~a.cfg", "a@1-15-26.wit",
                   "b@1-15-26.wit", "notes.txt"});
    Write(shared + "backup/", {"b.svm", "a.svm"});
    Write(shared + "bitmaps/", {"a@100.jpg", "b@100.jpg"});
    Write(charts, {"a@1-15-26.cht", "b@1-15-26.cht", "a (CONFLICTED copy).cht"});

    // Not in the install or data folder, without a well, or for profile 66: nothing moves.
    HousekeepingPlaces places = Places("a");
    places.installFolder = shared;
    EXPECT_EQ(RemoveOtherWells(places, shared, charts), 0);
    places = Places("a");
    places.dataFolder = shared;
    EXPECT_EQ(RemoveOtherWells(places, shared, charts), 0);
    EXPECT_EQ(RemoveOtherWells(Places(""), shared, charts), 0);
    places = Places("a");
    places.profile = 66;
    EXPECT_EQ(RemoveOtherWells(places, shared, charts), 0);
    EXPECT_EQ(Files(shared).size(), 11);
    EXPECT_EQ(Files(charts).size(), 3);

    EXPECT_EQ(RemoveOtherWells(Places("A"), shared, charts), 1);
    EXPECT_EQ(Files(shared),
              (QStringList{"a.cfg", "a.hdr", "a.svm", "a@1-15-26.wit", "notes.txt", "~a.cfg", "~a.svm"}));
    EXPECT_EQ(Files(shared + "removed/"), (QStringList{"B.CFG", "b.las", "b.svm", "b@1-15-26.wit"}));
    EXPECT_EQ(ReadBytes(shared + "removed/b.las"), "b.las");
    EXPECT_EQ(Files(shared + "backup/"), QStringList{"a.svm"});
    EXPECT_EQ(Files(shared + "backup/removed/"), QStringList{"b.svm"});
    EXPECT_EQ(Files(shared + "bitmaps/"), QStringList{"a@100.jpg"});
    EXPECT_EQ(Files(shared + "bitmaps/removed/"), QStringList{"b@100.jpg"});
    // The conflicted copy is moved aside like the other well's chart.
    EXPECT_EQ(Files(charts), QStringList{"a@1-15-26.cht"});
    EXPECT_EQ(Files(charts + "removed/"), (QStringList{"a (CONFLICTED copy).cht", "b@1-15-26.cht"}));
}

TEST(Housekeeping, AWellWhoseNameBeginsWithTheOpenOnesIsAnotherWell)
{
    const QString folder = TestDir() + "remote2/";
    Write(folder, {"A1.svm", "A10.svm", "A10.cfg", "a1@1-15-26.wit", "A10@1-15-26.wit", "A1 (conflicted copy).svm"});
    EXPECT_EQ(DeleteOtherWitsFiles(Places("A1"), folder, Removal::MoveAside), 1);
    EXPECT_EQ(Files(folder + "removed/"), QStringList{"A10@1-15-26.wit"});

    EXPECT_EQ(RemoveOtherWells(Places("A1"), folder, TestDir() + "chart2/"), 1);
    EXPECT_EQ(Files(folder), (QStringList{"A1.svm", "a1@1-15-26.wit"}));

    // Charts: conflicted copies go aside in any letter case; the well's older day stays.
    const QString charts = TestDir() + "W_chart/";
    Write(charts, {"W (CONFLICTED copy).cht", "w (conflicted copy).cht", "W@1-14-26.cht"});
    EXPECT_EQ(RemoveOtherWellCharts(Places("W"), charts), 1);
    EXPECT_EQ(Files(charts), QStringList{"W@1-14-26.cht"});
    EXPECT_EQ(Files(charts + "removed/").size(), 2);

    Write(charts, {"x (Conflicted).txt", "keep.txt"});
    EXPECT_EQ(DeleteMatching(Places("W"), charts), 1);
    EXPECT_EQ(Files(charts), (QStringList{"W@1-14-26.cht", "keep.txt"}));
    EXPECT_EQ(ReadBytes(charts + "removed/x (Conflicted).txt"), "x (Conflicted).txt");
    EXPECT_EQ(DeleteMatching(Places("W"), TestDir() + "missing/"), 0);
}

TEST(Housekeeping, TheNewestDataFileIsKept)
{
    const QString folder = TestDir() + "user/";
    Write(folder, {"a.svm", "a.hdr", "b.svm", "b.hdr"});
    QFile a(folder + "a.svm");
    ASSERT_TRUE(a.open(QIODevice::ReadWrite));
    ASSERT_TRUE(a.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    a.close();
    QString result;
    EXPECT_EQ(KeepNewestDataFile(Places("a"), TestDir() + "empty/x.svm", result), 0);
    EXPECT_EQ(KeepNewestDataFile(Places("a"), folder + "a.svm", result), 1);
    EXPECT_EQ(result, folder + "b.svm");
    EXPECT_EQ(Files(folder), (QStringList{"b.hdr", "b.svm"}));
    EXPECT_EQ(Files(folder + "removed/"), (QStringList{"a.hdr", "a.svm"}));
}

TEST(Housekeeping, ChartFolderOfAWellOpenedElsewhere)
{
    const QString data = TestDir() + "data/";
    EXPECT_EQ(SetChartFolder(data, data + "Dropbox/W/"), data + "Dropbox/W_chart/");
    EXPECT_EQ(SetChartFolder(data, data + "remote2/"), data + "chart2/");
    // A remote folder without a number never points at the chart folder of the well opened before.
    EXPECT_EQ(SetChartFolder(data, data + "REMOTE/"), data + "chart/");
    EXPECT_EQ(SetChartFolder(data, data), data + "chart/");
}

TEST(Housekeeping, SettingsComeFromTheFieldFolder)
{
    const QString data = TestDir() + "data/", field = TestDir() + "field/";
    Write(field, {"W.cfg", "W.lfg", "W.HOR", "W.hdr"});
    QDir().mkpath(data);
    WriteBytes(data + "W.cfg", "own cfg");
    WriteBytes(data + "W.lfg", "own lfg");
    EXPECT_EQ(CopyFromFieldFolder(data, TestDir() + "DATA", "W", 0), 0);  // the same folder
    EXPECT_EQ(CopyFromFieldFolder(data, field, "W", 0), 1);
    EXPECT_EQ(Files(data), (QStringList{"W.cfg", "W.hor", "W.lfg"}));
    EXPECT_EQ(ReadBytes(data + "W.cfg"), "own cfg");
    EXPECT_EQ(ReadBytes(data + "W.lfg"), "W.lfg");
    EXPECT_EQ(CopyFromFieldFolder(data, field, "W", 9), 1);
    EXPECT_EQ(ReadBytes(data + "W.hdr"), "W.hdr");
}

TEST(Housekeeping, OpeningAWellFromASharedFolderBringsItsLineSettings)
{
    const QString install = platform::DefaultInstallFolder();
    const QString field = TestDir() + "Dropbox/W/";
    QDir().mkpath(field);
    QDir().mkpath(install);
    const QString well = testing_support::MakeWell(field, "W.svm", 100, 200);
    WriteBytes(field + "W.lfg", "field lfg");
    WriteBytes(install + "W.lfg", "old lfg");
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.State().env.commandLineFile = well;
    window.SetupWindow();
    ASSERT_EQ(window.State().well.file.wellName, "W");
    ASSERT_EQ(window.State().well.file.dataFolder, install);
    EXPECT_EQ(ReadBytes(install + "W.lfg"), "field lfg");
}

// The refresh with live update on keeps a shared well's folder to that well, and leaves a folder of
// several wells the user opened one from as it is.
TEST(Housekeeping, TheRefreshTidiesOnlyTheSharedFolders)
{
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    app::LogState& s = window.State();
    // "Dropbox2/" only begins like the shared-wells root "Dropbox/".
    const QString wells = s.well.file.dataFolder + "Dropbox2/", shared = s.well.file.dataFolder + "Dropbox/A/";
    for (const QString& folder : {wells, shared}) {
        Write(folder, {"B.svm", "A (CONFLICTED copy).hdr"});
        ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(folder, "A.svm", 100, 200)), 1);
        s.well.file.copyOut = true;  // live update on
        for (int tick = 0; tick < 10; ++tick)
            ASSERT_TRUE(testing_support::doubles().timers.last->Fire(5));
    }
    EXPECT_TRUE(QFile::exists(shared + "A.svm"));
    for (const QString name : {"A (CONFLICTED copy).hdr", "B.svm"}) {
        EXPECT_TRUE(QFile::exists(wells + name));
        EXPECT_EQ(ReadBytes(shared + "removed/" + name), ReadBytes(wells + name)) << name.toStdString();
    }
}
