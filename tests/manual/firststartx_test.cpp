// Manual, 1. The first start, 10. The settings keys and 11. The menus at a glance, with the program itself
// on a real X server: started from its folder with a fresh home, keys pressed as a keyboard presses
// them, the settings file typed where the manual says it is.
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The main window holds the keyboard again (after the start, or once a box it opened has closed).
bool LogHasTheKeys(const XSession& x)
{
    return Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs);
}

TEST(ManualFirstStartX, TheProgramMakesItsInstallFolderAnswersItsMenuLettersAndReadsTheSettingsFile)
{
    if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    XSession x;
    const QString program = x.StartForProgram();
    ASSERT_FALSE(program.isEmpty());
    const QString home = TestDir() + "home", install = home + "/StrativM/";

    // The first start makes StrativM in the home folder with the demo well, the manual and the features
    // page, and shows the demo well.
    Child app;
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
    const QString main = x.WaitForWindow("^StrativM .*elogdemo\\.svm$");
    ASSERT_FALSE(main.isEmpty()) << "no window showing the demo well";
    for (const char* name : {"elogdemo.svm", "SV-Manual.pdf", "features.txt"})
        EXPECT_TRUE(QFileInfo(install + name).isFile()) << name;
    ASSERT_TRUE(LogHasTheKeys(x)) << x.FocusedName().toStdString();

    // Alt+H opens Help on its first item, About: Enter shows the version box.
    x.Key("alt+h");
    x.Key("Return");
    EXPECT_FALSE(x.WaitForWindow("^Info$").isEmpty()) << "Help > About from the keyboard showed nothing";
    x.Key("Return");
    ASSERT_TRUE(LogHasTheKeys(x)) << x.FocusedName().toStdString();
    // Alt+S opens Setup, the next Alt+S Schemes; Left from Schemes is Tops, whose first item is the tops
    // editor.
    // Each key waits for the menu it opens: on a loaded machine a key sent before the menu stands is
    // read by the window under it.
    for (const char* key : {"alt+s", "alt+s", "Left"}) {
        const QImage before = x.Shot();
        x.Key(key);
        x.ChangedFrom(before, 50, 10000);
    }
    x.Key("Return");
    EXPECT_FALSE(x.WaitForWindow("^STRATIV EDIT TOPS$").isEmpty()) << "the second Alt+S did not open Schemes";
    x.Key("Escape");
    ASSERT_TRUE(LogHasTheKeys(x)) << x.FocusedName().toStdString();
    x.Key("alt+F4");
    ASSERT_TRUE(app.WaitForExit(kLoadedMs)) << "the program did not end";

    // The install folder typed into ~/.config/StrativM/strativm.ini while the program is closed: the next
    // start makes the demo well there.
    const QString field = home + "/field";
    QDir().mkpath(home + "/.config/StrativM");
    WriteBytes(home + "/.config/StrativM/strativm.ini", ("[INSTDIR]\nINSTALL DIR=" + field + "\n").toUtf8());
    Child again;
    ASSERT_TRUE(again.Start(program, {}, x.ProgramEnvironment(home)));
    EXPECT_FALSE(x.WaitForWindow("^StrativM ").isEmpty());
    EXPECT_TRUE(Spin([&] { return QFileInfo(field + "/elogdemo.svm").isFile(); }, kLoadedMs));
}

}  // namespace
