// The program itself on a real X server with a window manager, driven as a user drives it: keys from
// the keyboard (XTEST) go to whichever window has the focus, the screen is read back. What a window
// test cannot see: which window the window manager gives the keyboard to, how it stacks the windows, and
// whether the process ends.
#include "demo/demowell.h"
#include "gasmon/gasmoncfg.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <functional>

using namespace testing_support;

namespace {

// A scroll moves the whole log: far more pixels than a button's own text changes.
constexpr int kScrolled = 5000;

class RealX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString() << " is not installed";
        program = x.StartForProgram(screen);
        ASSERT_FALSE(program.isEmpty());
        home = TestDir() + "home";
    }

    // Starts the program as a first start does (no file named) and waits for its window and bar.
    void StartProgram()
    {
        ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        bar = x.WaitForWindow("^Quick View$");
        ASSERT_FALSE(bar.isEmpty()) << "no quick view bar";
    }

    // The demo well as an exit in drilling mode left it, with `more` changed in its configuration.
    void DemoWellLeftDrilling(const std::function<void(wellfile::WellConfig&)>& more = {})
    {
        ASSERT_TRUE(demo::MakeDemoWell(home + "/StrativM/"));
        ASSERT_TRUE(EditWellConfig(home + "/StrativM/elogdemo.cfg", [&](wellfile::WellConfig& cfg) {
            cfg.drillingAtExit = 1;
            if (more)
                more(cfg);
        }));
    }

    XSession x;
    Child app;
    QString program, home, bar;
    QSize screen{1280, 1024};
};

// The same on a screen of the parameter's size.
class RealXScreen : public RealX, public ::testing::WithParamInterface<QSize> {
protected:
    RealXScreen() { screen = GetParam(); }

    // The pointer out of the way, in the screen's bottom left corner: no button lit under it.
    void PointerAway() const { x.Run("xdotool", {"mousemove", "0", QString::number(screen.height() - 1)}); }
};

}  // namespace

TEST_F(RealX, KeysReachTheLogFromTheStartAndAfterAQuickBarPress)
{
    StartProgram();
    QImage before = x.Settled();
    EXPECT_TRUE(x.FocusedName().startsWith("StrativM")) << x.FocusedName().toStdString();
    for (const char* key : {"Home", "Next", "End"}) {
        x.Key(key);
        const QImage after = x.ChangedFrom(before, kScrolled);
        EXPECT_GT(DifferentPixels(before, after), kScrolled) << key << ": the view top did not move";
        before = after;
    }

    // The bar's pictures button at its right end (60 pixels wide in the demo well, which has pictures),
    // then Page Up. (Its first button is "View Horz", which opens a window of its own.)
    const QRect place = x.Geometry(bar);
    ASSERT_GT(place.width(), 100);
    x.Click(place.x() + place.width() - 30, place.center().y());
    before = x.Settled();
    EXPECT_TRUE(x.FocusedName().startsWith("StrativM")) << x.FocusedName().toStdString();
    x.Key("Prior");
    EXPECT_GT(DifferentPixels(before, x.ChangedFrom(before, kScrolled)), kScrolled) << "Page Up after a bar press";
}

TEST_F(RealX, ExitWhileDrillingWithTheGasMonitorOnEndsTheProgramAndLeavesWholeFiles)
{
    if (!PymodbusInstalled())
        GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
    // The demo well, left in drilling mode with the gas monitor on: an instrument of type 1 on com port 3,
    // the far end of a pty pair.
    const QString folder = home + "/StrativM/";
    const QString cfgPath = folder + "elogdemo.cfg";
    DemoWellLeftDrilling();
    PtyPair line;
    Child peer;
    GasInstrumentOnCom3(folder, home, line, peer);
    ASSERT_FALSE(HasFatalFailure());
    const qsizetype dataSize = ReadBytes(folder + "elogdemo.svm").size();

    StartProgram();
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not in drilling mode";
    EXPECT_TRUE(x.FocusedName().startsWith("StrativM")) << x.FocusedName().toStdString();
    ASSERT_TRUE(Spin([] { return PeerLogText().contains("1 3 "); }, kLoadedMs)) << "the instrument was not polled";
    ASSERT_FALSE(x.WaitForWindow("GAS MONITOR").isEmpty()) << "no live gas window";
    EXPECT_TRUE(x.FocusedName().startsWith("StrativM")) << x.FocusedName().toStdString();

    // The main window's close box (the window manager's key for it), and OK to the question. On a busy
    // machine the window manager may still be moving the focus: the key goes once the log holds it, and
    // once more should the first press have come before the window manager took it.
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs))
        << "waited for the log to hold the keys; it is with " << x.FocusedName().toStdString();
    x.Key("alt+F4");
    if (x.WaitForWindow("^Close Program$", 8000).isEmpty()) {
        ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs)) << "the log lost the keys";
        x.Key("alt+F4");
    }
    ASSERT_FALSE(x.WaitForWindow("^Close Program$").isEmpty()) << "no question before the exit";
    x.Key("Return");
    EXPECT_TRUE(app.WaitForExit(kLoadedMs)) << "the program still runs a minute after the exit";
    EXPECT_EQ(app.ExitCode(), 0);

    // What the exit wrote is whole: the settings with drilling on at exit, the lag and gas settings, the
    // window placement; the data file keeps its records.
    const QByteArray bytes = ReadBytes(cfgPath);
    wellfile::WellConfig cfg{};
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    EXPECT_EQ(cfg.drillingAtExit, 1);
    EXPECT_EQ(ReadBytes(folder + "elogdemo.lag").size(), 256);
    EXPECT_EQ(ReadBytes(folder + "gasmon.cfg").size(), qsizetype(sizeof(gasmon::GASMONCFG)));
    EXPECT_EQ(ReadBytes(folder + "elogdemo.svm").size(), dataSize);
    EXPECT_TRUE(ReadBytes(home + "/Documents/StrativM/startupM.ini").contains("elogdemo.svm"));
}

TEST_F(RealX, AfterARestartInDrillingModeTheStatusBoxStaysAboveTheLog)
{
    DemoWellLeftDrilling();
    StartProgram();
    const QString log = x.WaitForWindow("^StrativM "), box = x.WaitForWindow("^Drilling Status$");
    ASSERT_FALSE(box.isEmpty()) << "not in drilling mode";
    // The window manager's stacking order, bottom to top: the box after the log.
    const auto boxAbove = [&] {
        QList<qulonglong> ids;
        const QByteArray stack = x.Run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
        for (const QString& id : QString::fromLatin1(stack).section('#', 1).split(',', Qt::SkipEmptyParts))
            ids << id.trimmed().toULongLong(nullptr, 16);
        const qsizetype b = ids.indexOf(box.toULongLong()), l = ids.indexOf(log.toULongLong());
        return b >= 0 && l >= 0 && b > l;
    };
    EXPECT_TRUE(Spin(boxAbove, 20000)) << "the box lies under the log";
    const QRect place = x.Geometry(log);
    x.Click(place.center().x(), place.center().y() + 100);
    x.Settled();
    EXPECT_TRUE(boxAbove()) << "a click on the log put it over the box";
}

TEST_F(RealX, EachRestartAfterAKillWhileDrillingSaysSoAboveTheWindowShownFirst)
{
    DemoWellLeftDrilling();
    StartProgram();
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not in drilling mode";
    for (int run = 1; run <= 4; ++run) {
        app.Kill();
        // The last restart names the well on the command line, which leaves drilling off.
        const bool commandLine = run == 4;
        const QStringList args = commandLine ? QStringList{home + "/StrativM/elogdemo.svm"} : QStringList{};
        ASSERT_TRUE(app.Start(program, args, x.ProgramEnvironment(home)));
        // Neither the box nor the drilling status window comes before the log's window.
        const QString first = x.WaitForWindow("^(StrativM .*|Drilling|Drilling Status)$");
        ASSERT_FALSE(first.isEmpty()) << "run " << run << ": no window";
        EXPECT_FALSE(x.WaitForWindow("^StrativM ", 1).isEmpty()) << "run " << run << ": a box before the window";
        const QString box = x.WaitForWindow("^Drilling$");
        ASSERT_FALSE(box.isEmpty()) << "run " << run << ": the restart after a kill said nothing";
        const QString log = x.WaitForWindow("^StrativM ");
        QList<qulonglong> ids;
        const QByteArray stack = x.Run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
        for (const QString& id : QString::fromLatin1(stack).section('#', 1).split(',', Qt::SkipEmptyParts))
            ids << id.trimmed().toULongLong(nullptr, 16);
        EXPECT_GT(ids.indexOf(box.toULongLong()), ids.indexOf(log.toULongLong()))
            << "run " << run << ": the box under the log";
        if (!commandLine) {
            EXPECT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "run " << run << ": not drilling again";
        }
    }
}

TEST_F(RealX, OptionsDrillingChosenWithTheKeyboardOnAFreshWindowSwitchesDrillingOn)
{
    StartProgram();
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs))
        << "waited for the log to hold the keys; it is with " << x.FocusedName().toStdString();
    // Options opens on its first item; Up goes round to its last, "Drilling".
    x.Key("alt+o");
    x.Key("Up");
    x.Key("Return");
    EXPECT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "Options > Drilling from the keyboard did nothing";
}

// Zoom On and Zoom Off (the quick view bar's third button: its horizontal-view, survey, zoom and
// custom-track buttons share what the pictures button leaves of the bar) give back the log of the
// start, down to the scale bars under its body.
TEST_P(RealXScreen, AfterZoomOnAndZoomOffTheLogIsTheStartsPixelForPixel)
{
    StartProgram();
    PointerAway();
    const QImage start = x.Settled();
    const QRect place = x.Geometry(bar);
    ASSERT_GT(place.width(), 200);
    const QPoint zoom(place.x() + (place.width() - 60) * 5 / 8, place.center().y());
    x.Click(zoom.x(), zoom.y());
    PointerAway();
    const QImage zoomed = x.ChangedFrom(start, kScrolled);
    ASSERT_GT(DifferentPixels(start, zoomed), kScrolled) << "Zoom On changed nothing";
    x.Click(zoom.x(), zoom.y());
    PointerAway();
    const QImage back = x.ChangedFrom(zoomed, kScrolled);
    EXPECT_EQ(DifferentPixels(start, back), 0) << "the log after Zoom Off is not the start's";
    if (DifferentPixels(start, back) != 0) {
        start.save(TestDir() + "start.png");
        back.save(TestDir() + "back.png");
    }
}

// The TVD log (a well whose name starts with "~", started by the TVD dialog as a second copy of the
// program with the file on its command line) stands whole on the screen.
TEST_P(RealXScreen, TheTvdLogWindowEndsOnTheScreen)
{
    const QString folder = home + "/StrativM/";
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    ASSERT_TRUE(QFile::copy(folder + "elogdemo.svm", folder + "~logdemo.svm"));
    ASSERT_TRUE(app.Start(program, {folder + "~logdemo.svm"}, x.ProgramEnvironment(home)));
    const QString log = x.WaitForWindow("^StrativM ");
    ASSERT_FALSE(log.isEmpty()) << "no main window";
    ASSERT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
    x.Settled();
    const QRect window = x.Geometry(log);
    EXPECT_GT(window.height(), screen.height() / 2);
    EXPECT_LE(window.bottom(), screen.height() - 1) << "the window ends below the screen";
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXScreen, ::testing::Values(QSize(1024, 768), QSize(1600, 1000)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
