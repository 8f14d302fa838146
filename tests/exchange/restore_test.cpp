#include "exchange/restore.h"

#include "exchange/backups.h"

#include "app/commandids.h"
#include "platform/folders.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/cursor.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/remoteconfig.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

constexpr qsizetype kCustomRecord = 222;

struct RestoreWindow {
    RestoreWindow()
    {
        testing_support::OpenNewWell(window, "W.svm", 100, 1500);
        data = window.State().well.file.dataFolder;
        WriteBytes(data + "W.svx", QByteArray(1401 * kCustomRecord, '\x11'));
        backup = data + "backup/";
        testing_support::MakeWell(backup, "W@1200.svm", 100, 1200);
        WriteBytes(backup + "W@1200.svx", QByteArray(1101 * kCustomRecord, '\0'));
    }
    void Restore(const QString& chosen, std::deque<int> answers = {})
    {
        doubles().prompter.fileAnswers = {chosen};
        doubles().prompter.answers = std::move(answers);
        window.EvCommand(app::cmd::Restore);
    }
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString data, backup;
};

}  // namespace

TEST(Restore, ABackupEndingAboveTheBottomAsksFirstAndReplacesTheDataFileWhole)
{
    RestoreWindow w;
    const QByteArray before = ReadBytes(w.data + "W.svm");
    const QStringList files = QDir(w.data).entryList(QDir::Files | QDir::Hidden);
    w.Restore(w.backup + "W@1200.svm", {platform::IDCANCEL});
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].folder, w.backup.chopped(1));
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "StrativM Files (*.svm)|*.svm|");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "You will lose all data below  1200 \n Click OK to continue, or cancel to return unchanged");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File RESTORE");
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), before);
    EXPECT_EQ(testing_support::cursor().shown, 0);

    w.Restore(w.backup + "W@1200.svm", {platform::IDOK});
    // The wait cursor over the copies and the reading, and the cursor back after.
    EXPECT_EQ(testing_support::cursor().shown, 1);
    EXPECT_EQ(testing_support::cursor().waiting, 0);
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), ReadBytes(w.backup + "W@1200.svm"));
    EXPECT_EQ(w.window.State().well.file.fileBottomDepth, 1200);
    const QByteArray custom = ReadBytes(w.data + "W.svx");
    EXPECT_EQ(custom.size(), 1101 * kCustomRecord);
    EXPECT_EQ(custom.at(100), '\0');  // the backup's custom data, not the old
    EXPECT_EQ(QDir(w.data).entryList(QDir::Files | QDir::Hidden), files);  // no temporary left

    // Deeper than the file: restored without asking.
    testing_support::MakeWell(w.backup, "W@1600.svm", 100, 1600);
    const qsizetype asked = doubles().prompter.messages.size();
    w.Restore(w.backup + "W@1600.svm");
    EXPECT_EQ(doubles().prompter.messages.size(), asked);
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), ReadBytes(w.backup + "W@1600.svm"));
}

TEST(Restore, TheBackupCommandsOwnCopyBringsItsCustomDataAndWhatItReplacesIsKept)
{
    RestoreWindow w;
    app::LogState& s = w.window.State();
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(9, 5));
    ASSERT_EQ(exchange::BackupData(s.well, s.interaction, s.engines.driller, 0), 1);
    const QByteArray edited(1401 * kCustomRecord, '\x22');
    WriteBytes(w.data + "W.svx", edited);
    doubles().clock.now.setTime(QTime(10, 0));
    w.Restore(w.backup + "W@1500-95.svm");
    EXPECT_EQ(ReadBytes(w.data + "W.svx").at(100), '\x11');  // the copy's custom data, depths renumbered
    EXPECT_EQ(ReadBytes(w.backup + "W@1500-100.svx"), edited);

    // Another well's copy asks first; what it replaces is kept.
    ASSERT_EQ(w.window.OpenDataFile(testing_support::MakeWell(w.data, "OTHER.svm", 100, 1600)), 1);
    ASSERT_EQ(exchange::BackupData(s.well, s.interaction, s.engines.driller, 0), 1);
    ASSERT_EQ(w.window.OpenDataFile(w.data + "W.svm"), 1);
    const QByteArray before = ReadBytes(w.data + "W.svm");
    w.Restore(w.backup + "OTHER@1600-100.svm", {platform::IDOK});
    EXPECT_TRUE(doubles().prompter.messages.back().text.contains("is a backup of OTHER, not of W"));
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), ReadBytes(w.data + "OTHER.svm"));
    EXPECT_EQ(ReadBytes(w.backup + "W@1500-1001.svm"), before);
}

TEST(Restore, AnUnreadableBackupOrABusyWindowChangesNothing)
{
    RestoreWindow w;
    const QByteArray before = ReadBytes(w.data + "W.svm");
    WriteBytes(w.backup + "W@7.svm", QByteArray(300, 'x'));
    w.Restore(w.backup + "W@7.svm");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Not a valid data file");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File RESTORE");
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), before);

    w.window.State().interaction.dataEntryActive = 1;
    const int beeps = doubles().sounder.beeps;
    w.Restore(w.backup + "W@1200.svm", {platform::IDOK});
    w.window.State().interaction.dataEntryActive = 0;
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(ReadBytes(w.data + "W.svm"), before);
}

TEST(StartUpCopy, AWellOpenedByNameIsCopiedToTheRemoteSettingsFolder)
{
    const QString install = platform::DefaultInstallFolder();
    const QString forward = TestDir() + "forward/";
    QDir().mkpath(forward);
    QDir().mkpath(install);
    const auto start = [&](const char* folder, int size) {
        wellfile::RemoteConfig config;
        config.startOnOpen = 1;
        std::strncpy(config.destinationFolder, folder, sizeof config.destinationFolder - 1);
        WriteBytes(install + "svdlcfg.cfg", &config, size);
        shell::CommandLineFilesTaken() = 0;
        shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
        window.State().env.commandLineFile = testing_support::MakeWell(install, "W.svm", 100, 200);
        window.SetupWindow();
        EXPECT_EQ(window.State().well.file.wellName, "W");
    };
    const QByteArray folder = QFile::encodeName(forward);
    start("Not Selected\\", wellfile::kRemoteConfigSize);
    start(folder.constData(), wellfile::kRemoteConfigSize - 1);
    EXPECT_TRUE(QDir(forward).isEmpty());
    start(folder.constData(), wellfile::kRemoteConfigSize);
    EXPECT_EQ(ReadBytes(forward + "W.svm"), ReadBytes(install + "W.svm"));
}
