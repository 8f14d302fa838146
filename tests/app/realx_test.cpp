// The program itself on a real X server with a window manager, driven as a user drives it: keys from
// the keyboard (XTEST) go to whichever window has the focus, the screen is read back. What a window
// test cannot see: which window the window manager gives the keyboard to, and whether the process ends.
#include "demo/demowell.h"
#include "gasmon/gasmoncfg.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstring>

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
        ASSERT_EQ(XSession::MissingTools().toStdString(), "") << "scripts/install-deps.sh installs them";
        program = QCoreApplication::applicationDirPath() + "/../src/strativm";
        ASSERT_TRUE(QFile::exists(program)) << "build the strativm program";
        ASSERT_TRUE(x.Start());
        home = TestDir() + "home";
        QDir().mkpath(home + "/run");
        QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Starts the program as a first start does (no file named) and waits for its window and bar.
    void StartProgram()
    {
        QProcessEnvironment env = x.Environment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("XDG_RUNTIME_DIR", home + "/run");
        env.insert("USER", "tester");
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        ASSERT_TRUE(app.Start(program, {}, env));
        ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        bar = x.WaitForWindow("^Quick View$");
        ASSERT_FALSE(bar.isEmpty()) << "no quick view bar";
    }

    XSession x;
    Child app;
    QString program, home, bar;
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

    // The bar's first button (the survey values), then Page Up.
    const QRect place = x.Geometry(bar);
    ASSERT_GT(place.width(), 40);
    x.Click(place.x() + 20, place.center().y());
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
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    const QString cfgPath = folder + "elogdemo.cfg";
    wellfile::WellConfig cfg{};
    QByteArray bytes = ReadBytes(cfgPath);
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    cfg.drillingAtExit = 1;
    cfg.gasMonitorOn = 1;
    cfg.gasInstrumentType = 1;
    WriteBytes(cfgPath, QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg));
    gasmon::GASMONCFG gas{};
    gas.gasComPort = 3;
    gas.cycleTime = 300;
    ASSERT_EQ(gasmon::WriteGasmonCfg(gas, {folder, {}}), 1);
    PtyPair line;
    ASSERT_TRUE(line.Start()) << "socat pty pair";
    Child peer;
    StartPeer(peer, {"--rtu", line.b, "--stopbits", "1"});
    {
        QSettings ini(home + "/.config/StrativM/strativm.ini", QSettings::IniFormat);
        ini.setValue("Serial/COM3", line.a);
    }
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
    bytes = ReadBytes(cfgPath);
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    EXPECT_EQ(cfg.drillingAtExit, 1);
    EXPECT_EQ(ReadBytes(folder + "elogdemo.lag").size(), 256);
    EXPECT_EQ(ReadBytes(folder + "gasmon.cfg").size(), qsizetype(sizeof gas));
    EXPECT_EQ(ReadBytes(folder + "elogdemo.svm").size(), dataSize);
    EXPECT_TRUE(ReadBytes(home + "/Documents/StrativM/startupM.ini").contains("elogdemo.svm"));
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
