// The main window drilling a well whose depth comes from a rig over WITS on loopback TCP, through faults:
// a data file that cannot be written for some steps (a file-size limit, as a full disk) keeps the steps
// and catches up with the rig once it can; a restart after a copy was killed while drilling comes back
// in drilling mode, says so, and says when the rig is deeper than the file.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "drilling/ui/toolbar.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "platform/instancelock.h"
#include "rigwindow.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/helperprocess.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/record.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellconfig.h"
#include "wits/custwitscfg.h"
#include "wits/sidefiles.h"
#include "wits/wits.h"
#include "wits/witsserver.h"

#include <QListWidget>
#include <QProcess>
#include <QStatusBar>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <optional>

#include <sys/resource.h>

using testing_support::doubles;
using testing_support::kLoadedMs;
using testing_support::Spin;

namespace {

using wits_testing::DrillingFaults;
using wits_testing::kBottom;
using wits_testing::kTop;

TEST_F(DrillingFaults, StepsTheFileCannotTakeWaitAndAreWrittenWhenItCanWithTheReasonSaid)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(w.State().well.file.drilling);
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 0.5);  // the reference
    Frame(w, kBottom + 1.0);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1);

    // The file may grow no more, as on a full disk: three units drilled meanwhile, twelve seconds each.
    // The program ignores the signal of the limit: the writes fail with their reason.
    std::optional<testing_support::FileSizeLimit> full(std::in_place, rlim_t(Records().size() * sizeof(wellfile::RECORD)));
    for (int unit = 2; unit <= 4; ++unit) {
        Frame(w, kBottom + unit + 0.1);
        Frame(w, kBottom + unit + 0.6);
        EXPECT_TRUE(Status(w).contains("not written yet to " + path + ": File too large")) << Status(w).toStdString();
    }
    EXPECT_TRUE(Status(w).startsWith(QStringLiteral("Depths %1 to %2").arg(kBottom + 2).arg(kBottom + 4)));
    full.reset();
    const QStringList failed = Boxes("File Error");
    ASSERT_EQ(failed.size(), 1) << failed.join(" | ").toStdString();  // once for the spell
    EXPECT_TRUE(failed[0].startsWith("Unable to open file\n" + path + "\nThe write of the record of depth " +
                                      QString::number(kBottom + 2) + " failed: File too large"))
        << failed[0].toStdString();

    // Writing works again: the waiting units go in, one a tick, and the file reaches the rig's depth.
    Frame(w, kBottom + 4.2);
    EXPECT_EQ(Boxes("Data File").size(), 1);
    EXPECT_TRUE(Status(w).contains("is written again from depth " + QString::number(kBottom + 2)));
    for (int tick = 0; tick < 3; ++tick)
        ASSERT_TRUE(doubles().timers.last->Fire(2));
    const std::vector<wellfile::RECORD> records = Records();
    ASSERT_EQ(records.size(), std::size_t(kBottom + 4 - kTop + 1));
    for (std::size_t i = 0; i < records.size(); ++i)
        ASSERT_EQ(records[i].depth, kTop + std::int32_t(i));
    // Each unit written late holds what was measured at its own depth, and its own time.
    for (std::int32_t depth = kBottom + 1; depth <= kBottom + 4; ++depth) {
        const wellfile::RECORD& r = records[std::size_t(depth - kTop)];
        EXPECT_EQ(float(r.weightOnBit[1]), float(WobOf(depth))) << depth;
        if (depth > kBottom + 1) {  // marked 6 s after the last unit written, then every 12 s
            EXPECT_FLOAT_EQ(float(r.rateOne), depth == kBottom + 2 ? 0.1f : 0.2f) << depth;
        }
    }
    EXPECT_EQ(w.State().well.file.fileBottomDepth, kBottom + 4);
    // Ctrl + Data As Text: the lag table has each unit at its depth, the lag clock run on by its own minutes.
    w.ShowDataAsText(true);
    auto* list = qobject_cast<QListWidget*>(w.Tools().lagList.data());
    ASSERT_NE(list, nullptr);
    std::map<std::int32_t, double> clock;  // the lag clock of each depth's row
    for (int row = 0; row < list->count(); ++row) {
        const QStringList fields = list->item(row)->text().split(' ', Qt::SkipEmptyParts);
        clock[fields[0].toFloat()] = fields[1].toDouble();
    }
    for (std::int32_t depth = kBottom + 2; depth <= kBottom + 4; ++depth) {
        ASSERT_TRUE(clock.count(depth) && clock.count(depth - 1)) << depth;
        EXPECT_NEAR(clock[depth] - clock[depth - 1], depth == kBottom + 2 ? 0.1 : 0.2, 0.011) << depth;
    }
    w.ShowDataAsText(true);
    EXPECT_TRUE(w.Tools().lagList.isNull());
    Frame(w, kBottom + 4.3);
    EXPECT_TRUE(Boxes("File Depth").isEmpty()) << "the file is at the rig's depth";
}

// A disk too full for the day's WITS file and then for the data file, and nobody at the rig to answer the
// boxes: the rig drills on under the first box, the disk is freed; every box the faults bring is shown,
// each once, in the order they came.
TEST_F(DrillingFaults, EveryBoxOfAFullDiskIsShownInItsTurnWhileAnotherIsUp)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 0.5);
    Frame(w, kBottom + 1.0);
    std::optional<testing_support::FileSizeLimit> full(std::in_place, rlim_t(Records().size() * sizeof(wellfile::RECORD)));

    double hole = kBottom + 1.0;
    bool underABox = false;
    doubles().prompter.whileShown = [&](const testing_support::AskedMessage& m) {
        if (m.caption != "ERROR" || std::exchange(underABox, true))
            return;
        for (int unit = 0; unit < 3; ++unit)
            Frame(w, hole += 1.0);
        full.reset();
        for (int frame = 0; frame < 4; ++frame)
            Frame(w, hole += 0.1);
    };
    // The bit on bottom within one unit until the link writes its samples: the day's file cannot be made.
    for (int frame = 0; frame < 40 && !underABox; ++frame)
        Frame(w, hole += 0.01);
    full.reset();
    doubles().prompter.whileShown = nullptr;
    ASSERT_TRUE(underABox);
    QStringList captions, said;
    for (const auto& m : doubles().prompter.messages) {
        captions << m.caption;
        said << m.caption + ": " + m.text.left(40);
    }
    const std::string all = said.join(" | ").toStdString();
    EXPECT_EQ(captions.count("ERROR"), 1) << all;
    // The day's file only partly fitted: its box says the failing write's own reason.
    EXPECT_TRUE(Boxes("ERROR").value(0).endsWith("\nFile too large")) << Boxes("ERROR").value(0).toStdString();
    EXPECT_EQ(captions.count("File Error"), 1) << all;
    EXPECT_EQ(captions.count("Data File"), 1) << all;
    EXPECT_LT(captions.indexOf("ERROR"), captions.indexOf("File Error")) << all;
    EXPECT_LT(captions.indexOf("File Error"), captions.indexOf("Data File")) << all;
    EXPECT_EQ(captions.count("File Depth"), 0) << all;
    EXPECT_EQ(Records().back().depth, kBottom + 4);
}

// Run by the next test in a process of its own: takes the program's lock at the path it is given and
// waits to be killed, as a copy killed while drilling leaves it.
TEST(DrillingFaultsHelper, CopyHoldingTheLock)
{
    const QString lockPath = qEnvironmentVariable("STRATIVM_KILLED_LOCK");
    if (lockPath.isEmpty())
        GTEST_SKIP() << "runs only as the helper process of ARestartAfterAKillWhileDrilling...";
    platform::InstanceLock lock;
    ASSERT_TRUE(lock.TryAcquire(lockPath));
    std::printf("GO\n");
    std::fflush(stdout);
    QThread::sleep(60);
}

// A run killed while drilling: the window goes without its exit, and a copy that took the lock it let
// go is killed holding it, as the killed run leaves it.
void LeaveLockOfAKilledRun(const QString& lockPath)
{
    QProcess killed;
    ASSERT_TRUE(testing_support::StartHelperProcess(killed, "DrillingFaultsHelper.CopyHoldingTheLock",
                                                    "STRATIVM_KILLED_LOCK", lockPath, "GO")
                    .contains("GO"));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(30000));
}

TEST_F(DrillingFaults, EachRestartAfterAKillWhileDrillingSaysSoAndTakesTheFileToTheRigsDepth)
{
    QString lockPath;
    {
        shell::LogWindow first(nullptr, QStringLiteral("StrativM"));
        Open(first);
        lockPath = first.State().env.documentsFolder + "tempM";
        first.EvCommand(app::cmd::Drilling);
        ASSERT_TRUE(first.State().well.file.drilling);
        ASSERT_EQ(wellfile::SaveIni(folder, path), 1);
    }
    std::int32_t rig = kBottom;  // the rig's hole depth, in whole units
    for (int restart = 1; restart <= 10; ++restart) {
        LeaveLockOfAKilledRun(lockPath);
        const std::int32_t fileBottom = Records().back().depth;
        rig += 1 + restart;  // drilled on while nothing logged

        // The last restart names the well on the command line, which leaves drilling off: said so.
        const bool commandLine = restart == 10;
        shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
        Open(w, commandLine);
        ASSERT_EQ(w.State().well.file.dataFileName, path);
        ASSERT_EQ(w.State().well.file.drilling, !commandLine) << "a well left drilling comes back drilling";
        // Said once the window is on the screen, above it; the status box waits for it too.
        EXPECT_EQ(Boxes("Drilling").size(), restart - 1) << "a box before the window";
        for (const QWidget* box : w.findChildren<drilling::TOOLBAR*>())
            EXPECT_FALSE(box->isVisible()) << "the status box before the window";
        bool windowShown = false;
        doubles().prompter.whileShown = [&](const testing_support::AskedMessage& m) {
            if (m.caption == "Drilling")
                windowShown = w.isVisible();
        };
        w.show();
        ASSERT_TRUE(Spin([&] { return Boxes("Drilling").size() == restart; }, kLoadedMs)) << "said after every restart";
        EXPECT_TRUE(windowShown);
        doubles().prompter.whileShown = nullptr;
        const QStringList told = Boxes("Drilling");
        EXPECT_TRUE(told.back().startsWith(
            QStringLiteral("The last run of StrativM ended without closing while drilling W at depth %1")
                .arg(fileBottom)));
        if (commandLine) {
            EXPECT_TRUE(told.back().endsWith("Drilling mode is off: choose Options > Drilling to drill on."));
            break;
        }
        EXPECT_TRUE(told.back().endsWith("Drilling mode is on again."));

        // The first frame finds the rig deeper: the file goes to the rig's depth, the units between unlogged.
        ASSERT_TRUE(Connect(w));
        Frame(w, rig + 0.3);
        ASSERT_EQ(w.State().well.file.fileBottomDepth, rig) << "restart " << restart;
        const QStringList corrected = Boxes("File Depth");
        ASSERT_EQ(corrected.size(), restart);
        const QString said = QStringLiteral("The rig's hole depth %1 was past the data file's bottom depth %2: "
                                            "the file depth was corrected to %1")
                                 .arg(rig)
                                 .arg(fileBottom);
        EXPECT_TRUE(corrected.back().startsWith(said)) << corrected.back().toStdString();
        EXPECT_TRUE(Status(w).startsWith(said)) << Status(w).toStdString();
        const QByteArray unmanned = testing_support::ReadExistingBytes(
            wits::UnmannedFileName(folder, doubles().clock.now.date()));
        const QString line = QStringLiteral(" Depth Correction from %1 to %2 at ").arg(fileBottom).arg(rig);
        EXPECT_TRUE(unmanned.contains(line.toLatin1()));

        // Drilling on, every record logged holds its own depth's values; the skipped ones hold none.
        Frame(w, rig + 1.0);
        Frame(w, rig + 1.5);
        Frame(w, rig + 2.0);
        rig += 2;
        const std::vector<wellfile::RECORD> records = Records();
        ASSERT_EQ(records.back().depth, rig);
        for (std::int32_t depth = fileBottom + 1; depth <= rig; ++depth) {
            const wellfile::RECORD& r = records[std::size_t(depth - kTop)];
            ASSERT_EQ(r.depth, depth);
            EXPECT_EQ(float(r.weightOnBit[1]), depth > rig - 2 ? float(WobOf(depth)) : 0.0f) << depth;
        }
        EXPECT_EQ(Boxes("File Depth").size(), restart) << "no gap is left to tell";
    }
}

// While connected, a rig whose hole depth jumps takes the file to its depth as after a restart: the units
// between hold nothing, one box a jump names them, and each later record holds its own depth's values. A
// file set behind the rig by hand is said at every frame, in one box a spell, until it is set to the rig's.
TEST_F(DrillingFaults, ARigThatJumpsIsCaughtUpWithAndAFileLeftBehindItIsSaidEveryFrameUntilCorrected)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    for (double hole : {0.3, 1.3, 4.3, 4.8, 5.3, 5.8, 6.3})  // three units at once from 2251.3
        Frame(w, kBottom + hole);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 6);
    EXPECT_EQ(Boxes("File Depth"), QStringList("The rig's hole depth 2254 was past the data file's bottom depth 2251: "
                                               "the file depth was corrected to 2254, depths 2252 to 2254 not logged."));
    const std::vector<wellfile::RECORD> records = Records();
    for (std::int32_t depth = kBottom + 1; depth <= kBottom + 6; ++depth) {
        const float wob = depth == kBottom + 1 || depth > kBottom + 4 ? float(WobOf(depth)) : 0.0f;
        EXPECT_EQ(float(records[std::size_t(depth - kTop)].weightOnBit[1]), wob) << depth;
    }
    Frame(w, kBottom + 9.3);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 9);
    EXPECT_EQ(Boxes("File Depth").size(), 2) << "a box a jump";

    // Set two units behind the rig: the file steps with the rig's units, the gap said at every frame.
    doubles().prompter.inputAnswers.push_back(QString::number(kBottom + 7));
    doubles().prompter.answers.assign({platform::IDOK, platform::IDOK});
    w.EvCommand(app::cmd::CorrectFileDepth);
    for (double hole : {9.8, 10.3, 10.8, 11.3}) {
        Frame(w, kBottom + hole);
        const QString depths = QString::number(kBottom + hole, 'f', 2);
        EXPECT_TRUE(Status(w).contains(depths) && Status(w).contains("Options > Correct File Depth"))
            << hole << ": " << Status(w).toStdString();
    }
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 10);
    EXPECT_EQ(Boxes("File Depth").size(), 3) << "one box a spell";

    // Options > Correct File Depth to the rig's depth: the gap is gone and the next unit holds its own values.
    doubles().prompter.inputAnswers.push_back(QString::number(kBottom + 11));
    doubles().prompter.answers.push_back(platform::IDOK);
    w.EvCommand(app::cmd::CorrectFileDepth);
    Frame(w, kBottom + 11.8);
    EXPECT_FALSE(Status(w).contains("Correct File Depth")) << Status(w).toStdString();
    Frame(w, kBottom + 12.3);
    ASSERT_EQ(Records().back().depth, kBottom + 12);
    EXPECT_EQ(float(Records().back().weightOnBit[1]), float(WobOf(kBottom + 12)));
}

}  // namespace
