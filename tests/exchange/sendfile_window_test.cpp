#include "app/commandids.h"
#include "app/copythreads.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "exchange/remotemonitor.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/ziptools.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

#include <cstring>
#include <set>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

// Two stations on one machine: D drills and sends its update packages into R every 30th tick of timer 3;
// M's monitor takes them from R. Past midnight the first package carries the day before's WITS file too,
// M files both days' files where its WITS chart reads them, and every file of the well that travels is
// M's as D has it; M keeps its own ".wfg", ".sch" and ".lag".
TEST(UpdatePackageWindow, TimerThreeSendsThePackageWholeToTheMonitoringStation)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 1000, 10999).isEmpty());
    app::LogState& s = window.State();
    const QString d = s.well.file.dataFolder, r = TestDir() + "R/", m = TestDir() + "M/";
    QDir().mkpath(r);
    // A well of 10,000 records, so that the copy into R takes a while.
    testing_support::MakeWell(m, "W.svm", 1000, 1100);
    const QByteArray before = ReadBytes(m + "W.svm");
    for (const char* extension : {".hdr", ".top", ".mem", ".hxt", ".rpt", ".qpt", ".svc", ".grdx", ".clr", ".sho"})
        WriteBytes(d + "W" + extension, QByteArray("D") + extension);
    const QStringList own = {"W.wfg", "W.sch", "W.lag"};
    for (const QString& name : own)
        WriteBytes(m + name, "M's own");
    wellfile::RemoteConfig remote;
    std::strcpy(remote.destinationFolder, qPrintable(r));
    remote.updatePackage = 1;
    ASSERT_EQ(wellfile::SaveRemoteConfig(d, remote), 1);
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(s.well.file.drilling && s.engines.driller && s.engines.driller->Time());
    s.drilling.updatePackageOption = 1;
    s.engines.driller->Time()->offBottom = 1;

    for (int tick = 1; tick < 30; ++tick)
        ASSERT_TRUE(doubles().timers.last->Fire(3));
    EXPECT_FALSE(QFile::exists(d + "sendfile/W.sv8"));
    EXPECT_TRUE(QDir(r).isEmpty());
    ASSERT_TRUE(doubles().timers.last->Fire(3));
    // Whatever moment R is looked at, "W.sv8" is either not there or whole.
    std::set<qint64> sizesSeen;
    while (app::FileCopyRunning(s))
        if (const QFileInfo seen(r + "W.sv8"); seen.exists())
            sizesSeen.insert(seen.size());
    app::WaitForCopyThread(s, app::CopyKind::File);
    const QByteArray package = ReadBytes(r + "W.sv8");
    ASSERT_FALSE(package.isEmpty());
    EXPECT_TRUE(sizesSeen.empty() || sizesSeen == std::set<qint64>{package.size()});
    EXPECT_TRUE(testing_support::ZipTestsSound(r + "W.sv8"));
    EXPECT_EQ(QDir(r).entryList(QDir::Files), QStringList{"W.sv8"});
    EXPECT_FALSE(QFile::exists(d + "sendfile/W.sv8"));  // the source goes once the copy is whole

    // M takes it: its well is D's.
    exchange::ReceiveState state;
    const exchange::ReceivePlaces at{r, m, {}, false};
    EXPECT_EQ(exchange::TakeReceivedPackage(at, state).outcome, exchange::PollOutcome::Taken);
    EXPECT_EQ(ReadBytes(m + "W.svm"), ReadBytes(d + "W.svm"));

    // A package cut short in R is refused and M's well stays as it was.
    testing_support::MakeWell(m, "W.svm", 1000, 1100);
    WriteBytes(r + "W.sv8", package.left(package.size() / 2));
    exchange::TakeReceivedPackage(at, state);
    EXPECT_EQ(exchange::TakeReceivedPackage(at, state).outcome, exchange::PollOutcome::Rejected);
    EXPECT_EQ(ReadBytes(m + "W.svm"), before);

    // "Update Now" of the set-up sends one at once.
    platform::Dialog::QueueTestScript([](platform::Dialog& dlg) {
        dlg.SetCheck(103, platform::BST_CHECKED);
        dlg.Click(111);
        dlg.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::RemoteSetup);
    app::WaitForCopyThread(s, app::CopyKind::File);
    EXPECT_TRUE(testing_support::ZipTestsSound(r + "W.sv8"));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    QFile::remove(r + "W.sv8");
    doubles().clock.now = QDateTime(QDate(2026, 1, 16), QTime(0, 2));
    QDir().mkpath(d + "wits");
    WriteBytes(d + "wits/W@1-15-26.wit", "the whole 15th");
    WriteBytes(d + "wits/W@1-16-26.wit", "the 16th from 0:00");
    for (int tick = 0; tick < 30; ++tick)
        ASSERT_TRUE(doubles().timers.last->Fire(3));
    app::WaitForCopyThread(s, app::CopyKind::File);
    ASSERT_EQ(exchange::TakeReceivedPackage(at, state).outcome, exchange::PollOutcome::Taken);
    EXPECT_EQ(ReadBytes(m + "wits/W@1-15-26.wit"), "the whole 15th");
    EXPECT_EQ(ReadBytes(m + "wits/W@1-16-26.wit"), "the 16th from 0:00");
    EXPECT_TRUE(QDir(m).entryList({"W@*"}).isEmpty());
    const QStringList sent = QDir(d).entryList({"W.*"}, QDir::Files);
    EXPECT_GE(sent.size(), 14);
    for (const QString& name : sent)
        EXPECT_EQ(ReadBytes(m + name), own.contains(name) ? "M's own" : ReadBytes(d + name)) << name.toStdString();
    for (const QString& name : QDir(m).entryList({"W.*"}, QDir::Files))
        EXPECT_TRUE(sent.contains(name) || own.contains(name)) << name.toStdString();
    window.EvCommand(app::cmd::Drilling);
}

// The Remote Update set-up of a drilling station, as its user works it: "Update Now" sends with what the
// dialog shows (or says why it sent nothing), and the box ticked there makes timer 3 send while the bit
// stands off bottom. The packages carry the day before's WITS file until one of the new day arrived (a
// destination away at 0:02 loses nothing), and a file a receiving station would refuse is left out and
// said before anything is sent.
TEST(UpdatePackageWindow, TheRemoteUpdateBoxSendsWhileTheDepthStandsStill)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(23, 50));
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 1000, 1100).isEmpty());
    app::LogState& s = window.State();
    const QString d = s.well.file.dataFolder, r = TestDir() + "R";
    QDir().mkpath(r);
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(s.well.file.drilling && s.engines.driller && s.engines.driller->Time());
    s.engines.driller->Time()->offBottom = 1;  // tripping: the depth does not move

    platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
        dlg.Click(111);
        dlg.SetCheck(103, platform::BST_CHECKED);
        dlg.SetText(104, TestDir() + "away");
        dlg.Click(111);
        dlg.SetText(104, r);
        dlg.Click(111);
        dlg.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::RemoteUpdateSetup);
    app::WaitForCopyThread(s, app::CopyKind::File);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "No update file was sent.\n\"Copy Files To Destination\" is not ticked.");
    EXPECT_TRUE(doubles().prompter.messages[1].text.endsWith("away/ cannot be found."));
    EXPECT_TRUE(testing_support::ZipTestsSound(r + "/W.sv8"));
    doubles().prompter.messages.clear();

    const auto period = [&](const QTime& at) {
        QFile::remove(r + "/W.sv8");
        doubles().clock.now = QDateTime(at < QTime(12, 0) ? QDate(2026, 1, 16) : QDate(2026, 1, 15), at);
        for (int tick = 0; tick < 30; ++tick)
            ASSERT_TRUE(doubles().timers.last->Fire(3));
        app::WaitForCopyThread(s, app::CopyKind::File);
    };
    period(QTime(23, 55));
    ASSERT_TRUE(QFile::exists(r + "/W.sv8"));
    QDir().mkpath(d + "wits");
    WriteBytes(d + "wits/W@1-15-26.wit", "the whole 15th");
    WriteBytes(d + "wits/W@1-16-26.wit", "the 16th");
    ASSERT_TRUE(QDir().rename(r, r + ".away"));
    period(QTime(0, 2));
    ASSERT_TRUE(QDir().rename(r + ".away", r));
    period(QTime(0, 7));
    EXPECT_TRUE(testing_support::ZipEntries(r + "/W.sv8").contains("W@1-15-26.wit"));

    QFile las(d + "W.las");  // sparse: no disk is used
    ASSERT_TRUE(las.open(QIODevice::WriteOnly) && las.resize(qint64(wellfile::kMaxPackageEntryBytes) + 1));
    las.close();
    period(QTime(0, 12));
    const QStringList entries = testing_support::ZipEntries(r + "/W.sv8");
    EXPECT_TRUE(entries.contains("W.svm"));
    EXPECT_FALSE(entries.contains("W.las") || entries.contains("W@1-15-26.wit")) << entries.join(' ').toStdString();
    EXPECT_EQ(window.statusBar()->currentMessage(),
              "Update file: W.las left out: larger than the 512 MiB a receiving station takes of one file");
    QFile::remove(d + "W.las");
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    window.EvCommand(app::cmd::Drilling);
}

// Files that together unpack to more than a receiving station takes of one package, each below its
// limit of one file: neither Send File nor the update package sends anything, and the box names the
// files that make it too large.
TEST(UpdatePackageWindow, APackageOverTheTotalIsNotSentAndItsLargestFilesAreNamed)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 1000, 1100).isEmpty());
    app::LogState& s = window.State();
    const QString d = s.well.file.dataFolder, r = TestDir() + "R";
    QDir().mkpath(r);
    using Sized = std::pair<const char*, int>;
    for (const auto& [name, mib] : {Sized{"W.las", 400}, Sized{"W.pdf", 450}, Sized{"W.txt", 300}}) {
        QFile file(d + name);  // sparse: no disk is used
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(mib) << 20));
    }
    const QString said = "Nothing was sent: W.pdf (450 MiB) makes the package larger than the 1024 MiB a receiving "
                         "station takes of one package";
    window.EvCommand(app::cmd::SendFile);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, said);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Send File");
    EXPECT_FALSE(QFile::exists(d + "sendfile/W.sv8"));

    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(s.well.file.drilling);
    platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
        dlg.SetCheck(103, platform::BST_CHECKED);
        dlg.SetText(104, r);
        dlg.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::RemoteUpdateSetup);
    doubles().prompter.messages.clear();
    window.EvCommand(app::cmd::SendFile);
    app::WaitForCopyThread(s, app::CopyKind::File);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, said);
    EXPECT_TRUE(QDir(r).isEmpty());
    EXPECT_FALSE(QFile::exists(d + "sendfile/W.sv8"));
    window.EvCommand(app::cmd::Drilling);
}
