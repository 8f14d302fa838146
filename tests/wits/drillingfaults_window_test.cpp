// The main window drilling a well whose depth comes from a rig over WITS on loopback TCP, through faults:
// a data file that cannot be written for some steps (a file-size limit, as a full disk) keeps the steps
// and catches up with the rig once it can; a restart after a copy was killed while drilling comes back
// in drilling mode, says so, and says when the rig is deeper than the file.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "platform/instancelock.h"
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
#include "wits/wits.h"
#include "wits/witsserver.h"

#include <QProcess>
#include <QStatusBar>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using testing_support::doubles;
using testing_support::kLoadedMs;
using testing_support::Spin;

namespace {

constexpr std::int32_t kTop = 1000, kBottom = 2250;

// A window with the well "W" open whose settings take the depth and the gas from a WITS link, the link
// a server on a loopback port that `rig` connects to.
class DrillingFaults : public ::testing::Test {
protected:
    void Open(LogWindow& w)
    {
        qputenv("USER", "tester");
        platform::WriteSetting(QStringLiteral("Wits/ServerAddress"), QStringLiteral("127.0.0.1"));
        w.SetupWindow();
        folder = w.State().well.file.dataFolder;
        if (path.isEmpty()) {
            path = testing_support::MakeWell(folder, "W.svm", kTop, kBottom);
            wellfile::WellConfig c = wellfile::DefaultWellConfig({});
            c.gasInstrumentType = 10;
            c.useWitsDepth = 1;
            c.witsLinkOn = 1;  // the link comes with drilling mode
            testing_support::WriteBytes(folder + "W.cfg", &c, sizeof c);
            gasmon::GASMONCFG g{};
            g.ratioMode = 1;
            testing_support::WriteBytes(folder + "gasmon.cfg", &g, sizeof g);
            wits::CUSTWITSCFG s{};
            wits::DefaultCustWitsConfig(s);
            s.witsOnTcp = 1;
            s.tcpServer = 1;
            s.tcpPort = 0;
            ASSERT_EQ(wits::WriteCustWitsConfig(folder, "W", s), 1);
            ASSERT_EQ(w.OpenDataFile(path), 1);
        }
    }
    bool Connect(LogWindow& w)
    {
        wits::Wits* link = w.State().engines.wits;
        if (!link || !link->Server())
            return false;
        rig.connectToHost(QHostAddress::LocalHost, link->Server()->Port());
        return Spin([&] { return link->ServerClientCount() == 1; }, kLoadedMs);
    }
    // One frame of the rig with the bit on bottom at `hole`, parsed on the link's timer, then a drilling
    // tick six seconds on.
    void Frame(LogWindow& w, double hole)
    {
        const QByteArray depth = QByteArray::number(hole, 'f', 2);
        const QByteArray text = "&&\r\n0108 " + depth + "\r\n0110 " + depth + "\r\n!!\r\n";
        rig.write(text);
        rig.flush();
        wits::Wits* link = w.State().engines.wits;
        ASSERT_TRUE(Spin([&] { return link->Server()->WaitingSize() >= std::size_t(text.size()); }, kLoadedMs));
        ASSERT_TRUE(doubles().timers.last->Fire(4));
        doubles().clock.Advance(6000);
        ASSERT_TRUE(doubles().timers.last->Fire(2));
    }
    std::vector<wellfile::RECORD> Records() const { return testing_support::FileRecords<wellfile::RECORD>(path); }
    QStringList Boxes(const QString& caption) const
    {
        QStringList texts;
        for (const auto& m : doubles().prompter.messages)
            if (m.caption == caption)
                texts << m.text;
        return texts;
    }
    static QString Status(LogWindow& w) { return w.statusBar()->currentMessage(); }

    QString folder, path;
    QTcpSocket rig;
};

TEST_F(DrillingFaults, StepsTheFileCannotTakeWaitAndAreWrittenWhenItCanWithTheReasonSaid)
{
    LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(w.State().well.file.drilling);
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 0.5);  // the reference
    Frame(w, kBottom + 1.0);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1);

    // The file may grow no more, as on a full disk: three units drilled meanwhile.
    struct rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit full = before;
    full.rlim_cur = rlim_t(Records().size() * sizeof(wellfile::RECORD));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    for (int unit = 2; unit <= 4; ++unit) {
        Frame(w, kBottom + unit + 0.1);
        EXPECT_TRUE(Status(w).contains("not written yet to " + path + ": File too large")) << Status(w).toStdString();
    }
    EXPECT_TRUE(Status(w).startsWith(QStringLiteral("Depths %1 to %2").arg(kBottom + 2).arg(kBottom + 4)));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    const QStringList failed = Boxes("File Error");
    ASSERT_EQ(failed.size(), 1) << failed.join(" | ").toStdString();  // once for the spell
    EXPECT_TRUE(failed[0].contains(path + "\nFile too large"));

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
    EXPECT_EQ(w.State().well.file.fileBottomDepth, kBottom + 4);
    Frame(w, kBottom + 4.3);
    EXPECT_TRUE(Boxes("File Depth").isEmpty()) << "the file is at the rig's depth";
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

TEST_F(DrillingFaults, ARestartAfterAKillWhileDrillingDrillsOnSaysSoAndTellsTheRigIsDeeper)
{
    QString lockPath;
    {
        LogWindow first(nullptr, QStringLiteral("StrativM"));
        Open(first);
        lockPath = first.State().env.documentsFolder + "tempM";
        first.EvCommand(app::cmd::Drilling);
        ASSERT_TRUE(first.State().well.file.drilling);
        ASSERT_EQ(wellfile::SaveIni(folder, path), 1);
    }  // no exit: the window goes as a killed copy's does, its lock left behind by the copy below
    QProcess killed;
    ASSERT_TRUE(testing_support::StartHelperProcess(killed, "DrillingFaultsHelper.CopyHoldingTheLock",
                                                    "STRATIVM_KILLED_LOCK", lockPath, "GO")
                    .contains("GO"));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(30000));

    LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    ASSERT_EQ(w.State().well.file.dataFileName, path);
    ASSERT_TRUE(w.State().well.file.drilling) << "a well left drilling comes back drilling";
    const QStringList told = Boxes("Drilling");
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("The last run of StrativM ended without closing while drilling W at depth 2250"));
    EXPECT_TRUE(told[0].endsWith("Drilling mode is on again."));

    // The rig drilled on two units meanwhile: the first frame sets the reference, the next steps one unit.
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 2.3);
    Frame(w, kBottom + 2.3);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1);
    Frame(w, kBottom + 2.4);
    const QStringList gap = Boxes("File Depth");
    ASSERT_EQ(gap.size(), 1);
    EXPECT_TRUE(gap[0].startsWith("The rig's hole depth 2252.40 is past the data file's bottom depth 2251"));
    EXPECT_TRUE(gap[0].contains("Options > Correct File Depth"));
    EXPECT_TRUE(Status(w).contains("2252.40") && Status(w).contains("Options > Correct File Depth"));
    Frame(w, kBottom + 2.5);
    EXPECT_EQ(Boxes("File Depth").size(), 1) << "said once";
}

}  // namespace
