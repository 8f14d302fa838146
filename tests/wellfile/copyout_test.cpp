#include "wellfile/copyout.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "platform/folders.h"
#include "print/sendheadercopy.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/backupdrive.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

void SetAge(const QString& path, int secondsAgo)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

}  // namespace

TEST(CopyOut, TheDataFileIsNeverCutBackButAShortenedSideFileGoesOutWhenNewer)
{
    const QString data = TestDir() + "data/", out = TestDir() + "out/";
    QDir().mkpath(data);
    QDir().mkpath(out);
    wellfile::CopyOutFolders folders;
    folders.copyOut = out;

    WriteBytes(data + "W.svm", QByteArray(100, 'n'));
    WriteBytes(out + "W.svm", QByteArray(200, 'o'));
    SetAge(out + "W.svm", 3600);
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".svm", {}, folders), 0);
    EXPECT_EQ(ReadBytes(out + "W.svm"), QByteArray(200, 'o'));
    WriteBytes(out + "W.svm", QByteArray(100, 'o'));
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".svm", {}, folders), 1);
    EXPECT_EQ(ReadBytes(out + "W.svm"), QByteArray(100, 'n'));

    WriteBytes(data + "W.top", QByteArray(50, 'n'));
    WriteBytes(out + "W.top", QByteArray(300, 'o'));
    QFile::setPermissions(out + "W.top", QFile::ReadOwner);
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".top", {}, folders), 0);  // the larger copy is newer
    SetAge(out + "W.top", 60);
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".top", {}, folders), 1);
    EXPECT_EQ(ReadBytes(out + "W.top"), QByteArray(50, 'n'));
    EXPECT_TRUE(QDir(out).entryList(QDir::Files | QDir::Hidden).size() == 2);  // no temporary left

    // A named folder, relative to the data folder; nowhere at all without one.
    QDir().mkpath(data + "remote");
    WriteBytes(data + "W.cfg", "cfg");
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".cfg", "remote", folders), 1);
    EXPECT_EQ(ReadBytes(data + "remote/W.cfg"), "cfg");
    EXPECT_EQ(wellfile::CopyWellFileOut(data, "W", ".cfg", {}, wellfile::CopyOutFolders{}), 0);
    // Shared folder and live update both on: the shared folder whatever was named.
    folders.shared = out;
    folders.sharedOn = folders.liveUpdate = true;
    EXPECT_EQ(wellfile::CopyOutTarget("remote", folders), out);
}

TEST(CopyOut, ADriveLetterOfAnOlderWellCopiesNothingAnywhere)
{
    const QString data = TestDir() + "data/";
    QDir().mkpath(data);
    WriteBytes(data + "W.hdr", "header");
    const QStringList before = QDir(TestDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(wellfile::CopyToBackupDrive(data, "W", ".hdr", "E:\\"));
    EXPECT_TRUE(wellfile::CopyFileToBackupDrive(data + "W.hdr", "\\\\server\\share\\"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("E:\\W\\"), std::string::npos) << said;
    EXPECT_NE(said.find("\\\\server"), std::string::npos) << said;
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"W.hdr"});
    EXPECT_TRUE(testing_support::doubles().prompter.messages.isEmpty());
}

namespace {

// The main window with the well "W" opened from its data folder, its settings' copy-out flag as given.
struct WindowWell {
    explicit WindowWell(std::uint8_t copyOutFlag)
    {
        shell::CommandLineFilesTaken() = 0;
        window.SetupWindow();
        app::LogState& s = window.State();
        const QString data = s.well.file.dataFolder;
        const QString path = testing_support::MakeWell(data, "W.svm", 100, 200);
        wellfile::WellConfig config = wellfile::DefaultWellConfig({});
        config.copyOptions.copyOut = copyOutFlag;
        config.copyOptions.remoteCopy = 1;
        bool field = false;
        wellfile::WellPlace place;
        place.dataFolder = place.currentFolder = data;
        place.wellName = "W";
        EXPECT_EQ(wellfile::SaveConfig(config, place, field), 1);
        EXPECT_EQ(window.OpenDataFile(path), 1);
    }
    bool SaveHeader()
    {
        window.State().well.file.drilling = true;
        wellfile::WellHeader header{};
        std::memcpy(header.well, "W", 1);
        return print::WriteWellHeader(window.State(), header);
    }
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST(CopyOut, TheSecondDataFolderGetsTheSavedHeaderWhenTheWellSaysSo)
{
    const QString second = TestDir() + "second/";
    QDir().mkpath(second);
    platform::WriteSetting("SecondDataFolder", second);
    {
        WindowWell w(1);
        const wellfile::OpenWell& f = w.window.State().well.file;
        EXPECT_TRUE(f.secondFolderOption && f.copyOut);
        EXPECT_EQ(f.copyOutFolder, second);
        EXPECT_TRUE(w.window.State().witsCopy.remoteCopy);
        EXPECT_TRUE(w.window.State().drilling.timedCopy);
        ASSERT_TRUE(w.SaveHeader());
        EXPECT_EQ(ReadBytes(second + "W.hdr"), ReadBytes(f.dataFolder + "W.hdr"));
        QFile::remove(second + "W.hdr");
    }
    {
        WindowWell w(0);
        EXPECT_FALSE(w.window.State().well.file.copyOut);
        ASSERT_TRUE(w.SaveHeader());
        EXPECT_FALSE(QFile::exists(second + "W.hdr"));
    }
    platform::WriteSetting("SecondDataFolder", QString());
    {
        WindowWell w(1);
        const wellfile::OpenWell& f = w.window.State().well.file;
        EXPECT_FALSE(f.secondFolderOption || f.copyOut || w.window.State().witsCopy.remoteCopy);
        ASSERT_TRUE(w.SaveHeader());
        EXPECT_FALSE(QFile::exists(second + "W.hdr"));
    }
}

TEST(CopyOut, WhileDrillingTheDataFileGoesOutEveryThirtiethTickOfTimerThree)
{
    const QString second = TestDir() + "second/";
    QDir().mkpath(second);
    platform::WriteSetting("SecondDataFolder", second);
    WindowWell w(1);
    w.window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(w.window.State().engines.driller);
    for (int tick = 0; tick < 29; ++tick)
        testing_support::doubles().timers.last->Fire(3);
    EXPECT_FALSE(QFile::exists(second + "W.svm"));
    testing_support::doubles().timers.last->Fire(3);
    EXPECT_EQ(ReadBytes(second + "W.svm"), ReadBytes(w.window.State().well.file.dataFileName));
    w.window.EvCommand(app::cmd::Drilling);
}

// Live update on (the well's flag) and the station's shared folder there: every side file saved is
// published into it, with or without a second data folder; with live update off nothing goes there.
TEST(CopyOut, WithLiveUpdateOnASavedHeaderAppearsInTheSharedFolder)
{
    WindowWell w(1);
    app::LogState& s = w.window.State();
    const QString data = s.well.file.dataFolder;
    QDir().mkpath(data + "Dropbox");
    shell::CreateWellFolders(s);
    const QString shared = s.env.sharedFolder;
    ASSERT_TRUE(QFileInfo(shared).isDir());
    ASSERT_TRUE(w.SaveHeader());
    EXPECT_EQ(ReadBytes(shared + "W.hdr"), ReadBytes(data + "W.hdr"));
    EXPECT_EQ(QDir(shared).entryList(QDir::Files), QStringList{"W.hdr"});

    s.well.config.copyOptions.copyOut = 0;
    const QByteArray published = ReadBytes(shared + "W.hdr");
    ASSERT_TRUE(print::WriteWellHeader(s, wellfile::WellHeader{}));
    EXPECT_EQ(ReadBytes(shared + "W.hdr"), published);
}
