#include "app/transferscript.h"
#include "exchange/exchange_services.h"
#include "exchange/sendfile.h"
#include "exchange/sendpackage.h"

#include "app/commandids.h"
#include "app/copythreads.h"
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "horizontal/horzsetup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/ziptools.h"
#include "wellfile/sidefiles_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::ZipEntries;

namespace {

void WriteFiles(const QString& folder, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        QDir().mkpath(QFileInfo(folder + name).path());
        WriteBytes(folder + name, name);
    }
}

QStringList Sorted(QStringList names)
{
    names.sort(Qt::CaseInsensitive);
    return names;
}

std::unique_ptr<app::LogState> WellW()
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    auto log = std::make_unique<app::LogState>();
    EXPECT_TRUE(testing_support::PointAtNewWell(*log, "W", 1000, 1500));
    return log;
}

}  // namespace

TEST(UpdatePackage, LeavesTheStationsOwnSettingsOutAndLogsEveryRun)
{
    auto log = WellW();
    const QString data = log->well.file.dataFolder;
    WriteFiles(data, {"W.cfg", "W.top", "W.wfg", "W.sch", "W.lag", "wits/W@1-15-26.wit", "sendfile/old.zip",
                      "sendfile/W.zl8"});
    const QByteArray svm = ReadBytes(data + "W.svm");
    ASSERT_EQ(BuildUpdatePackage(PackageStateOf(*log), 1), 1);

    const QString package = data + "sendfile/W.sv8";
    EXPECT_TRUE(testing_support::ZipTestsSound(package));
    EXPECT_EQ(Sorted(ZipEntries(package)), (QStringList{"W.cfg", "W.svm", "W.top", "W@1-15-26.wit"}));
    for (const char* kept : {"W.wfg", "W.sch", "W.lag"})
        EXPECT_EQ(ReadBytes(data + kept), kept);
    EXPECT_EQ(ReadBytes(data + "W.svm"), svm);
    EXPECT_TRUE(QDir(data).entryList({"save.*"}).isEmpty());
    // The send folder keeps only the package: old packages and the loose copies are gone.
    EXPECT_EQ(QDir(data + "sendfile").entryList(QDir::Files), QStringList{"W.sv8"});
    EXPECT_TRUE(ReadBytes(data + "download.txt")
                    .contains(" Update file created    " + package.toUtf8() + "  at 10:05 ,  1/15/2026"));

    // A destination folder that is not there: the copy thread says so in "download.txt" and, once the
    // window's queue delivers it, on the status line; the package stays in the send folder.
    wellfile::RemoteConfig nowhere;
    std::strcpy(nowhere.destinationFolder, qPrintable(TestDir() + "nowhere/"));
    ASSERT_EQ(wellfile::SaveRemoteConfig(data, nowhere), 1);
    QStringList said;
    ASSERT_EQ(BuildUpdatePackage(PackageStateOf(*log), 1, [&said](const QString& t) { said << t; }), 1);
    app::WaitForCopyThread(*log, app::CopyKind::File);
    const QString notCopied = "Update file not copied (the destination folder does not exist) to " + TestDir() +
                              "nowhere/W.sv8";
    EXPECT_TRUE(ReadBytes(data + "download.txt").contains(" " + notCopied.toUtf8() + "  at 10:05"));
    doubles().queue.DeliverAll();
    EXPECT_EQ(said, QStringList{notCopied});
    EXPECT_TRUE(QFile::exists(package));
    QFile::remove(data + "svdlcfg.cfg");

    // A package still being copied is not rebuilt under the copy: the run skips its turn.
    log->engines.fileCopyRunning->store(true);
    EXPECT_EQ(BuildUpdatePackage(PackageStateOf(*log), 1), 0);
    EXPECT_TRUE(ReadBytes(data + "download.txt").contains("Update skipped, copy still running"));
    log->engines.fileCopyRunning->store(false);

    // A full disk: no package, and no temporary left beside it.
    {
        const testing_support::FileSizeLimit full(512);
        EXPECT_EQ(BuildUpdatePackage(PackageStateOf(*log), 1), 0);
    }
    EXPECT_EQ(QDir(data + "sendfile").entryList(QDir::Files | QDir::Hidden), QStringList{"W@1-15-26.wit"});

    // A send folder that cannot hold a package: logged, told in the status text, no box, nothing handed
    // to the copy thread (there is a destination).
    wellfile::RemoteConfig remote;
    std::strcpy(remote.destinationFolder, qPrintable(TestDir() + "R/"));
    ASSERT_EQ(wellfile::SaveRemoteConfig(data, remote), 1);
    QDir(data + "sendfile").removeRecursively();
    WriteBytes(data + "sendfile", "a plain file");
    QStringList status;
    EXPECT_EQ(BuildUpdatePackage(PackageStateOf(*log), 1, [&status](const QString& t) { status << t; }), 0);
    EXPECT_TRUE(ReadBytes(data + "download.txt").contains(" Update file failed    "));
    EXPECT_EQ(status.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_FALSE(log->engines.threadA.joinable());
    // Asked for by the user (Send File while drilling): the box.
    EXPECT_EQ(BuildUpdatePackage(PackageStateOf(*log), 0), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Error No. "));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Zip failed");
}

TEST(UpdatePackage, ClearingTheSendFolderKeepsThePictures)
{
    const QString data = TestDir();
    WriteFiles(data, {"sendfile/a.svm", "sendfile/a.zip", "sendfile/a.sv8", "sendfile/a.zl8", "sendfile/a.jpg"});
    EXPECT_EQ(WriteSendFile(data, true), 1);
    EXPECT_EQ(QDir(data + "sendfile").entryList(QDir::Files), QStringList{"a.jpg"});
    EXPECT_EQ(WriteSendFile(data + "none/", true), 0);
}

TEST(SendFile, ADuplicateNameOfTheGammaFilesFallsBackToTheShorterList)
{
    auto log = WellW();
    const QString data = log->well.file.dataFolder;
    // The anchor well's folder lies outside the program's folders, so its paths are taken as stored.
    QTemporaryDir anchorWell(QDir::tempPath() + "/anchor-XXXXXX");
    const QString o = anchorWell.path() + '/';
    WriteFiles(data, {"W.las", "~.svm", "sendfile/p.jpg"});
    WriteFiles(o, {"W.las", "T.las"});
    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
    std::strcpy(setup->anchorGammaFile, qPrintable(o + "W.las"));
    WriteBytes(data + "W.hor", setup.get(), sizeof *setup);
    std::strcpy(setup->targetGammaFile, qPrintable(o + "t.LAS"));
    WriteBytes(data + "W.hor", setup.get(), sizeof *setup - 1);
    EXPECT_EQ(ReadHorzSetup(data, "W", *setup), 0);
    WriteBytes(data + "W.hor", setup.get(), sizeof *setup);
    auto read = std::make_unique<wellfile::HorzSetupRecord>();
    ASSERT_EQ(ReadHorzSetup(data, "W", *read), 1);
    EXPECT_EQ(std::memcmp(read.get(), setup.get(), sizeof *setup), 0);
    EXPECT_EQ(HorzGammaFiles(*setup, data, "W"), QStringList{o + "W.las"});  // "t.LAS" is not there
    std::strcpy(setup->targetGammaFile, qPrintable(o + "w.LAS"));
    EXPECT_EQ(HorzGammaFiles(*setup, data, "W"), QStringList{o + "W.las"});
    std::strcpy(setup->targetGammaFile, qPrintable(o + "T.las"));
    EXPECT_EQ(HorzGammaFiles(*setup, data, "W"), (QStringList{o + "W.las", o + "T.las"}));
    // The anchor being the well's own curves: neither travels.
    std::strcpy(setup->anchorGammaFile, qPrintable(data + "W.svc"));
    EXPECT_TRUE(HorzGammaFiles(*setup, data, "W").isEmpty());
    std::strcpy(setup->anchorGammaFile, qPrintable(o + "W.las"));
    WriteBytes(data + "W.hor", setup.get(), sizeof *setup);

    log->well.config.sendHorzConfigFile = 1;
    SendFile(*log);
    const QStringList entries = Sorted(ZipEntries(data + "sendfile/W.sv8"));
    EXPECT_EQ(entries, (QStringList{"p.jpg", "W.hor", "W.las", "W.svm"}));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Mail");

    // Without the duplicate the first list goes: the TVD twin and the gamma files travel too.
    QFile::remove(data + "W.las");
    WriteFiles(data, {"sendfile/p.jpg"});
    SendFile(*log);
    EXPECT_EQ(Sorted(ZipEntries(data + "sendfile/W.sv8")),
              (QStringList{"p.jpg", "T.las", "W.hor", "W.las", "W.svm", "~.svm"}));

    EXPECT_EQ(app::TransferScriptName("ABCDEFG x"), "ABCDE.jfw");
    EXPECT_EQ(app::TransferScriptName("AB CD"), "AB.jfw");
}

TEST(SendFile, TheCommandPacksTheWellForMailAndForTheArchive)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 1000, 1500).isEmpty());
    app::LogState& s = window.State();
    const QString data = s.well.file.dataFolder;
    WriteFiles(data, {"W.top", "sendfile/x.jpg", "sendfile/W.svm", "chart/W@1-15-26.cht"});
    s.well.config.sendTopsFile = 0;
    s.setupOptions.sendChartFile = true;
    doubles().prompter.messages.clear();
    ASSERT_TRUE(window.EvCommand(app::cmd::SendFile));

    const QString package = data + "sendfile/W.sv8";
    const QStringList entries = ZipEntries(package);
    EXPECT_TRUE(entries.contains("W.svm") && entries.contains("x.jpg") && entries.contains("W@1-15-26.cht"));
    EXPECT_FALSE(entries.contains("W.top", Qt::CaseInsensitive));
    EXPECT_EQ(ReadBytes(data + "W.top"), "W.top");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "\"" + package + "\" from 1000 to 1500 ready for mail");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Mail");
    EXPECT_TRUE(QDir(data + "sendfile").entryList({"*.svm", "*.jpg", "*.top", "*.cht"}).isEmpty());
    EXPECT_FALSE(s.setupOptions.sendChartFile);

    // For the archive: "W.TD_", no box, the send folder left as it is.
    WriteFiles(data, {"sendfile/y.jpg"});
    s.marks.archiving = true;
    ASSERT_TRUE(window.EvCommand(app::cmd::SendFile));
    s.marks.archiving = false;
    EXPECT_TRUE(ZipEntries(data + "sendfile/W.TD_").contains("y.jpg"));
    EXPECT_FALSE(QFile::exists(package));
    EXPECT_TRUE(QFile::exists(data + "sendfile/y.jpg"));
    EXPECT_EQ(doubles().prompter.messages.size(), 1);

    // Data entry under way: a beep only.
    const int beeps = doubles().sounder.beeps;
    s.interaction.dataEntryActive = 1;
    ASSERT_TRUE(window.EvCommand(app::cmd::SendFile));
    s.interaction.dataEntryActive = 0;
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_TRUE(QFile::exists(data + "sendfile/W.TD_"));
}

// A print moved out of the send folder never replaces one kept earlier under its name, and Send File says
// where it went as New does, mailing or updating while drilling.
TEST(SendFile, APrintMovedToTheDataFolderReplacesNoKeptPrintAndIsSaid)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 1000, 1500).isEmpty());
    app::LogState& s = window.State();
    const QString data = s.well.file.dataFolder;
    WriteBytes(data + "W@1500-5inch.pdf", "kept earlier");
    WriteFiles(data, {"sendfile/W@1500-5inch.pdf"});
    doubles().prompter.messages.clear();
    ASSERT_TRUE(window.EvCommand(app::cmd::SendFile));
    EXPECT_EQ(ReadBytes(data + "W@1500-5inch.pdf"), "kept earlier");
    EXPECT_EQ(ReadBytes(data + "W@1500-5inch_2.pdf"), "sendfile/W@1500-5inch.pdf");
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text,
              "The log prints of the send folder were kept, moved to the data folder:\n" + data + "W@1500-5inch_2.pdf");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "Prints Kept");

    WriteFiles(data, {"sendfile/W@1500-5inch.pdf"});
    doubles().prompter.messages.clear();
    EXPECT_EQ(BuildUpdatePackage(PackageStateOf(s), 0), 1);
    EXPECT_EQ(ReadBytes(data + "W@1500-5inch_3.pdf"), "sendfile/W@1500-5inch.pdf");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Prints Kept");
}
