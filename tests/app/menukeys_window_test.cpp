// The menus from the keyboard on a window just started: Alt and a title's letter open its menu, the arrow
// keys move in it and Enter runs the item's command.
#include "app/commandids.h"
#include "app/ui/logwindow.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(MenuKeys, OptionsDrillingFromTheKeyboardOnAFreshWindowSwitchesDrillingOn)
{
    qputenv("USER", "tester");
    LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const QString path = testing_support::MakeWell(window.State().well.file.dataFolder, "K.svm", 1000, 1200);
    ASSERT_EQ(window.OpenDataFile(path), 1);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QMenu* options = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (options = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }))
        << "Alt+O opened no menu";
    QTest::keyClick(options, Qt::Key_Up);
    QTest::keyClick(options, Qt::Key_Return);
    EXPECT_TRUE(window.State().well.file.drilling) << "Options > Drilling from the keyboard did nothing";
}

}  // namespace
