#include "exchange/archive.h"
#include "exchange/filesets.h"

#include "app/commandids.h"
#include "platform/folders.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/ziptools.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::ZipEntries;

namespace {

// Well W in `data` with the files an archive while drilling takes, each holding its own name.
void MakeDrillingWell(const QString& data)
{
    for (const char* name : {"W.svm", "W.top", "W.cfg", "W.hxt", "wits/W@1-15-26.wit", "chart/W@1-15-26.cht",
                             "gas/W.gas", "sendfile/W.td_", "wits/X@1-15-26.wit", "tmpArchive/X.svm"}) {
        QDir().mkpath(QFileInfo(data + name).path());
        WriteBytes(data + name, name);
    }
}

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

}  // namespace

TEST(Archive, TheWellsDailyFilesAndSetGoIntoItsZipAndLeaveTheWorkingFolders)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    const QString data = TestDir() + "data/";
    MakeDrillingWell(data);
    const ArchivePlaces places{data, data, "W", true};
    ASSERT_EQ(ArchiveWell(places), 1);

    const QString zip = data + "archives/W/W.zip";
    EXPECT_TRUE(testing_support::ZipTestsSound(zip));
    EXPECT_EQ(Sorted(ZipEntries(zip)), (QStringList{"W.cfg", "W.gas", "W.hxt", "W.svm", "W.td_", "W.top",
                                                    "W@1-15-26.cht", "W@1-15-26.wit"}));
    EXPECT_EQ(QDir(data + "wits").entryList(QDir::Files), QStringList{"X@1-15-26.wit"});
    EXPECT_TRUE(QDir(data + "chart").isEmpty());
    EXPECT_TRUE(QDir(data + "gas").isEmpty());
    EXPECT_EQ(ReadBytes(data + "archives/W/W.td_"), "sendfile/W.td_");
    EXPECT_EQ(ReadBytes(data + "remote/W.TD_"), "sendfile/W.td_");
    for (const char* name : {"W.svm", "W.top", "W.cfg", "W.hxt"})
        EXPECT_EQ(ReadBytes(data + name), name);
    // No staging folder is left, and the old one was never taken.
    EXPECT_EQ(QDir(data).entryList({"tmpArchive*"}, QDir::Dirs), QStringList{"tmpArchive"});
    EXPECT_EQ(ReadBytes(data + "tmpArchive/X.svm"), "tmpArchive/X.svm");

    // Again after a change of the tops: one new "W.top" entry, the daily files kept in the zip.
    WriteBytes(data + "W.top", "new tops");
    ASSERT_EQ(ArchiveWell(places), 1);
    EXPECT_EQ(ZipEntries(zip).count("W.top"), 1);
    EXPECT_EQ(ZipEntries(zip).size(), 8);
    const QString out = TestDir() + "out/";
    QDir().mkpath(out);
    ASSERT_TRUE(wellfile::ExtractPackage(zip, out).ok);
    EXPECT_EQ(ReadBytes(out + "W.top"), "new tops");
    EXPECT_EQ(ReadBytes(out + "W@1-15-26.wit"), "wits/W@1-15-26.wit");
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Archive, AFailedZipKeepsTheDailyFilesWhereTheyWere)
{
    const QString data = TestDir() + "data/";
    MakeDrillingWell(data);
    QDir().mkpath(data + "archives/W/W.zip");  // a folder where the zip belongs
    EXPECT_EQ(ArchiveWell({data, data, "W", true}), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Error No. "));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Zip failed in archive");
    for (const char* name : {"wits/W@1-15-26.wit", "chart/W@1-15-26.cht", "gas/W.gas"})
        EXPECT_EQ(ReadBytes(data + name), name);
    EXPECT_EQ(QDir(data).entryList({"tmpArchive*"}, QDir::Dirs), QStringList{"tmpArchive"});
    EXPECT_EQ(ArchiveWell({TestDir() + "none/", TestDir() + "none/", "W", true}), 0);
    EXPECT_EQ(doubles().prompter.messages.last().text, "Archive Failed");
}

TEST(Archive, ARemoteStationsFolderNamesItsDailyFolders)
{
    EXPECT_EQ(ArchiveWitsFolderName("/d/Remote12/"), "wits12");
    EXPECT_EQ(ArchiveChartFolderName("/d/myremote-a1b/"), "chart1b");
    EXPECT_EQ(ArchiveWitsFolderName("/d/Field12/"), "wits");
}

TEST(Archive, TheArchiveCommandArchivesTheOpenWellWhileDrilling)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 100, 200).isEmpty());
    const QString data = window.State().well.file.dataFolder;
    for (const char* name : {"wits/W@1-15-26.wit", "sendfile/W.td_"}) {
        QDir().mkpath(QFileInfo(data + name).path());
        WriteBytes(data + name, name);
    }
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(window.State().well.file.drilling);
    doubles().prompter.answers = {platform::IDOK};
    window.EvCommand(app::cmd::Archive);
    const QStringList entries = ZipEntries(data + "archives/W/W.zip");
    EXPECT_TRUE(entries.contains("W.svm") && entries.contains("W@1-15-26.wit") && entries.contains("W.td_"))
        << entries.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(data + "wits/W@1-15-26.wit"));
    window.EvCommand(app::cmd::Drilling);
}

// The Archive command on the demo well: the zip holds every "<well>.<ext>" of it (".fit", ".grdx" and
// ".topx" among them), so the zip alone gives the well back after New clears it.
TEST(Archive, TheZipHoldsEveryFileOfTheDemoWell)
{
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const app::LogState& s = window.State();
    ASSERT_EQ(s.well.file.wellName, "elogdemo");
    const QString folder = s.well.file.currentFolder;
    for (const char* extension : {".fit", ".grdx", ".topx"})
        if (!QFile::exists(folder + "elogdemo" + extension))
            WriteBytes(folder + "elogdemo" + extension, extension);
    const QStringList files = QDir(folder).entryList({"elogdemo.*"}, QDir::Files);
    window.EvCommand(app::cmd::Drilling);
    doubles().prompter.answers = {platform::IDOK};
    window.EvCommand(app::cmd::Archive);
    const QStringList entries = ZipEntries(s.well.file.dataFolder + "archives/elogdemo/elogdemo.zip");
    for (const QString& name : files)
        EXPECT_TRUE(entries.contains(name, Qt::CaseInsensitive)) << name.toStdString();
    window.EvCommand(app::cmd::Drilling);
}

// After the archive the well's pictures lie in "sendfile/" as Send File puts them there, though its
// "Send All Pictures" is off: the next package carries them.
TEST(Archive, ThePicturesGoIntoTheSendFolderForTheNextPackage)
{
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const app::LogState& s = window.State();
    ASSERT_FALSE(s.setupOptions.sendAllPictures);
    const QString data = s.well.file.dataFolder;
    const QString folder = s.pictures.folder;
    const QStringList pictures = QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(pictures.isEmpty()) << folder.toStdString();
    doubles().prompter.answers = {platform::IDOK};
    window.EvCommand(app::cmd::Archive);
    EXPECT_EQ(QDir(data + "sendfile").entryList({"*.jpg"}, QDir::Files, QDir::Name), pictures);
    for (const QString& name : pictures)
        EXPECT_EQ(ReadBytes(data + "sendfile/" + name), ReadBytes(platform::JoinPath(folder, name)));
}

TEST(FileSets, AFailedDataFileEndsTheCopyWithOneErrorLine)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    const QString from = TestDir() + "from/", to = TestDir() + "to/";
    QDir().mkpath(from + "W.SVM");  // a folder: the copy of the data file fails
    QDir().mkpath(to);
    WriteBytes(from + "W.top", "tops");
    EXPECT_EQ(CopyWellFiles(from + "W", to, false, from), 0);
    const QStringList lines = QString::fromLatin1(ReadBytes(from + "download.txt")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(" Error=") && lines[0].contains("Source=" + from + "W.SVM") &&
                lines[0].contains(to + "W.SVM"))
        << lines[0].toStdString();
    EXPECT_TRUE(QDir(to).isEmpty());

    // Tops only: a well all the same. A side file that fails gets its own line first; moving deletes.
    QFile::remove(from + "download.txt");
    QDir(from + "W.SVM").removeRecursively();
    QDir().mkpath(to + "w.HDR");  // in the way of the header
    WriteBytes(from + "w.HDR", "header");
    WriteBytes(from + "W.hxt", "notes");
    EXPECT_EQ(CopyWellFiles(from + "W", to, true, from), 1);
    const QStringList moved = QString::fromLatin1(ReadBytes(from + "download.txt")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(moved.size(), 2);
    EXPECT_TRUE(moved[0].startsWith(" Error=") && moved[0].contains("w.HDR"));
    EXPECT_EQ(moved[1], " W files copied to  " + to + "  at 10:05 ,  1/15/2026");
    EXPECT_EQ(ReadBytes(to + "W.top"), "tops");
    EXPECT_EQ(ReadBytes(to + "W.hxt"), "notes");
    EXPECT_FALSE(QFile::exists(from + "W.top"));
    EXPECT_TRUE(QFile::exists(from + "w.HDR"));

    // The logged copy makes its folder and leaves the notes out.
    WriteBytes(from + "W.top", "tops");
    EXPECT_EQ(CopyWellFilesLogged(from, "W", TestDir() + "field/", false), 1);
    EXPECT_EQ(Sorted(QDir(TestDir() + "field/").entryList(QDir::Files)), (QStringList{"W.top", "w.HDR"}));
}

TEST(FileSets, ClearingTakesOnlyTheOldWellsFilesFromSharedPlaces)
{
    const QString data = TestDir() + "data/", shared = TestDir() + "shared/";
    for (const QString& path : {data + "remote/W.svm", data + "remote/w@1-15-26.cht", data + "remote/WX.svm",
                                data + "remote/OTHER.svm", shared + "W.TOP", shared + "OTHER.top",
                                data + "backup/W@1200-95.svm", data + "backup/OTHER@900-95.svm", data + "sendfile/ANY.sv_",
                                data + "sendfile/X.rpt", data + "sendfile/X.keep", data + "a.mdm",
                                data + "WITSDATA1.txt", data + "my error.TXT", data + "notes.txt", data + "W.svm",
                                data + "W.grdx", data + "W.hxt"}) {
        QDir().mkpath(QFileInfo(path).path());
        WriteBytes(path, "x");
    }
    EXPECT_EQ(ClearWellFiles({data, shared, "w", 10, false}, true), 1);
    EXPECT_EQ(Sorted(QDir(data + "remote").entryList(QDir::Files)), (QStringList{"OTHER.svm", "WX.svm"}));
    EXPECT_EQ(QDir(shared).entryList(QDir::Files), QStringList{"OTHER.top"});
    EXPECT_EQ(QDir(data + "backup").entryList(QDir::Files), QStringList{"OTHER@900-95.svm"});
    EXPECT_EQ(QDir(data + "sendfile").entryList(QDir::Files), QStringList{"X.keep"});
    EXPECT_FALSE(QFile::exists(data + "a.mdm"));

    DeleteLogTexts(data);
    DeleteWellFileSet(data + "W");
    EXPECT_EQ(Sorted(QDir(data).entryList(QDir::Files)), (QStringList{"W.hxt", "notes.txt"}));
    EXPECT_EQ(FileBaseName("C:\\logs\\W.2.svm"), "W.2");
    EXPECT_EQ(ClearWellFiles({TestDir() + "none/", {}, "W", 10, false}, false), 0);
}
