// A rig set up only through the program's own dialogs and menus: a new well in drilling mode, a MODBUS
// gas instrument (pymodbus on a pty pair), the TCP WITS feed as the client of a rig on loopback, "Use
// Wits Depth" and "Wits Monitor". In every order of set-up the rig's hole depth steps the data file one
// unit at a time, each record with the rig's values sent for its unit; and so after drilling is switched
// off and on and after a restart.
#include "app/commandids.h"
#include "gasmon/gasmonsetup.h"
#include "layout/linesandscales.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "wellfile/record.h"
#include "wits/wits.h"

#include <QAction>
#include <QMenuBar>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using platform::Dialog;
using testing_support::doubles;
using testing_support::kLoadedMs;
using testing_support::Spin;
using wellfile::RECORD;

namespace {

enum class Step { Gas, Feed, Lines, Wits };

// Chooses the menu item of command `id` as the user does; false when the menus hold none.
bool Menu(shell::LogWindow& w, int id)
{
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id) {
            a->trigger();
            return true;
        }
    return false;
}

class DialogRig : public ::testing::TestWithParam<std::vector<Step>> {
protected:
    void SetUp() override
    {
        if (!testing_support::PymodbusInstalled())
            GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
        qputenv("USER", "tester");
        ASSERT_TRUE(line.Start()) << "socat pty pair";
        platform::WriteSetting(QStringLiteral("Serial/COM3"), line.a);
        testing_support::StartPeer(peer, {"--rtu", line.b, "--ir", "2=3", "--ir", "3=4000"});
        ASSERT_TRUE(rigServer.listen(QHostAddress::LocalHost, 0));
    }
    void TearDown() override { doubles().prompter.messages.clear(); }

    // File > New: the well "RIG" from depth 2000, opened in drilling mode.
    void NewWell(shell::LogWindow& w)
    {
        ASSERT_FALSE(testing_support::OpenNewWell(w, "OLD.svm", 1000, 1100).isEmpty());
        Dialog::QueueTestScript([](Dialog& d) {
            d.SetText(101, "RIG.svm");
            d.SetText(102, "2000");
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(Menu(w, app::cmd::New));
        path = w.State().well.file.dataFileName;
        ASSERT_TRUE(path.endsWith("RIG.svm"));
        ASSERT_TRUE(w.State().well.file.drilling);
    }
    void Run(shell::LogWindow& w, Step step)
    {
        switch (step) {
        case Step::Gas:  // an instrument of type 3 ("OTHER ") on com port 3, the monitor on
            Dialog::QueueTestScript([](Dialog& d) {
                d.SetSelIndex(gasmon::kInstrumentList, 3);
                d.Command(gasmon::kInstrumentList, platform::CBN_SELCHANGE);
                d.SetText(gasmon::kGasComPort, "3");
                EXPECT_TRUE(d.Click(gasmon::kSave));
                d.Click(gasmon::kClose);
            });
            ASSERT_TRUE(Menu(w, app::cmd::GasMonitorSetup));
            ASSERT_TRUE(Menu(w, app::cmd::GasMonitor));  // and switched on: it polls the instrument
            ASSERT_TRUE(w.State().engineStatus.gasMonitorRunning);
            break;
        case Step::Feed:  // the client of the rig's server
            Dialog::QueueTestScript([this](Dialog& d) {
                d.SetCheck(119, platform::BST_CHECKED);
                d.SetCheck(127, platform::BST_UNCHECKED);
                d.SetText(120, QString::number(rigServer.serverPort()));
                for (int i = 0; i < 4; ++i)
                    d.SetText(121 + i, QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
                d.Click(platform::IDOK);
            });
            ASSERT_TRUE(Menu(w, app::cmd::WitsSetup));
            break;
        case Step::Lines:  // "Use Wits Depth" ticked whenever the dialog offers it
            Dialog::QueueTestScript([](Dialog& d) {
                if (d.Control(layout::setupid::UseWitsDepth)->isVisible())
                    d.SetCheck(layout::setupid::UseWitsDepth, platform::BST_CHECKED);
                d.Click(platform::IDOK);
            });
            ASSERT_TRUE(Menu(w, app::cmd::LinesAndScales));
            break;
        case Step::Wits:
            ASSERT_FALSE(w.State().engineStatus.witsRunning);
            ASSERT_TRUE(Menu(w, app::cmd::Wits));
            ASSERT_TRUE(w.State().engineStatus.witsRunning);
            Accept();
            break;
        }
    }
    void Accept()
    {
        ASSERT_TRUE(Spin([&] { return rigServer.hasPendingConnections(); }, kLoadedMs)) << "the link never called";
        rig.reset(rigServer.nextPendingConnection());
    }
    // One frame of the rig with the bit on bottom at `hole` and a weight on bit naming the unit, parsed
    // when it comes, then a drilling tick six seconds on.
    void Frame(shell::LogWindow& w, double hole)
    {
        const QByteArray depth = QByteArray::number(hole, 'f', 2);
        rig->write("&&\r\n0108" + depth + "\r\n0110" + depth + "\r\n0116" + QByteArray::number(Wob(int(hole))) +
                   "\r\n!!\r\n");
        rig->flush();
        ASSERT_TRUE(Spin([&] { return w.State().witsLink.holeDepth == float(hole); }, kLoadedMs));
        doubles().clock.Advance(6000);
        ASSERT_TRUE(doubles().timers.last->Fire(2));
    }
    static int Wob(int unit) { return unit - 1900; }
    // The rig drills `units` units from the file's bottom, two frames a unit; the file follows, each new
    // record with its unit's weight on bit.
    void Drill(shell::LogWindow& w, int units)
    {
        const std::int32_t bottom = w.State().well.file.fileBottomDepth;
        Frame(w, bottom + 0.3);  // the first frame sets the reference
        for (int u = 1; u <= units; ++u) {
            Frame(w, bottom + u + 0.3);
            Frame(w, bottom + u + 0.6);
        }
        EXPECT_EQ(w.State().well.file.fileBottomDepth, bottom + units);
        const std::vector<RECORD> rows = testing_support::FileRecords<RECORD>(path);
        ASSERT_GE(rows.size(), std::size_t(units));
        for (int u = 1; u <= units; ++u) {
            const RECORD& r = rows[rows.size() - std::size_t(units - u) - 1];
            EXPECT_EQ(+r.depth, bottom + u);
            EXPECT_EQ(+r.weightOnBit[1], float(Wob(bottom + u))) << r.depth;
        }
    }

    testing_support::PtyPair line;
    testing_support::Child peer;
    QTcpServer rigServer;
    std::unique_ptr<QTcpSocket> rig;
    QString path;
};

TEST_P(DialogRig, TheWitsHoleDepthStepsTheFileInEveryOrderAfterDrillingAgainAndAfterARestart)
{
    {
        shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
        NewWell(w);
        for (Step step : GetParam())
            Run(w, step);
        Drill(w, 3);

        // Drilling off and on through the menu: the link comes back with drilling and drives it again.
        ASSERT_TRUE(Menu(w, app::cmd::Drilling));
        ASSERT_FALSE(w.State().well.file.drilling);
        ASSERT_TRUE(Menu(w, app::cmd::Drilling));
        ASSERT_TRUE(w.State().well.file.drilling);
        ASSERT_TRUE(w.State().engineStatus.witsRunning);
        Accept();
        Drill(w, 2);
        doubles().prompter.answers = {platform::IDOK};
        ASSERT_TRUE(w.CanClose());
    }
    // The program again: the well comes back drilling with the link.
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    w.SetupWindow();
    ASSERT_EQ(w.State().well.file.dataFileName, path);
    ASSERT_TRUE(w.State().well.file.drilling);
    ASSERT_TRUE(w.State().engineStatus.witsRunning);
    Accept();
    Drill(w, 2);
}

INSTANTIATE_TEST_SUITE_P(Orders, DialogRig,
                         ::testing::Values(std::vector<Step>{Step::Gas, Step::Feed, Step::Wits, Step::Lines},
                                           std::vector<Step>{Step::Lines, Step::Feed, Step::Gas, Step::Wits},
                                           std::vector<Step>{Step::Feed, Step::Wits, Step::Lines, Step::Gas}));

}  // namespace
