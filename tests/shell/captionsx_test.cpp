// The program's own windows under a window manager (openbox) on a real X server: the title bars of the
// drilling status box, an input box and a dialog of fixed size show their captions whole, at the
// smallest screen the program is used at and at a large one.
#include "demo/demowell.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/titlebars.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace testing_support;

namespace {

class CaptionsX : public ::testing::TestWithParam<QSize> {};

TEST_P(CaptionsX, TheProgramsWindowsShowTheirCaptionsWholeInTheTitleBar)
{
    if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    ASSERT_EQ(XSession::MissingTools().toStdString(), "") << "scripts/install-deps.sh installs them";
    const QString program = QCoreApplication::applicationDirPath() + "/../src/strativm";
    ASSERT_TRUE(QFile::exists(program)) << "build the strativm program";
    const QSize screen = GetParam();
    XSession x;
    ASSERT_TRUE(x.Start(screen));

    // The demo well as an exit in drilling mode left it: the start shows the drilling status box.
    const QString home = TestDir() + "home", cfgPath = home + "/StrativM/elogdemo.cfg";
    ASSERT_TRUE(demo::MakeDemoWell(home + "/StrativM/"));
    wellfile::WellConfig cfg{};
    QByteArray bytes = ReadBytes(cfgPath);
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    cfg.drillingAtExit = 1;
    WriteBytes(cfgPath, QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg));
    Child app;
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
    const QString status = x.WaitForWindow("^Drilling Status$");
    ASSERT_FALSE(status.isEmpty()) << "not in drilling mode";
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs)) << x.FocusedName().toStdString();

    // Options opens on Correct File Depth, an input box.
    x.Key("alt+o");
    x.Key("Return");
    const QString input = x.WaitForWindow("^Correct File Depth$");
    ASSERT_FALSE(input.isEmpty()) << "Options > Correct File Depth showed nothing";
    TitleBars bars(x, screen);
    bars.Unfocus();
    QImage shot = x.Settled();
    EXPECT_EQ(bars.Cut(shot, {status, input}).join(" | ").toStdString(), "");

    // Options > Create Las File asks for the interval in a dialog of fixed size.
    x.Run("xdotool", {"windowactivate", "--sync", input});
    x.Key("Escape");
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs)) << x.FocusedName().toStdString();
    x.Key("alt+o");
    x.Key("l");
    const QString las = x.WaitForWindow("^Create LOG ASCII STANDARD file$");
    ASSERT_FALSE(las.isEmpty()) << "Options > Create Las File showed nothing";
    bars.Unfocus();
    shot = x.Settled();
    EXPECT_EQ(bars.Cut(shot, {las}).join(" | ").toStdString(), "");
    app.Kill();
}

INSTANTIATE_TEST_SUITE_P(Screens, CaptionsX, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

}  // namespace
