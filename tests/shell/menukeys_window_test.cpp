// Menu letters that two items share, pressed on the first start's window: Alt+S opens "&Setup" before
// "&Schemes" however often it was pressed before, and in a pop-up a shared letter only selects.
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace {

struct ShownWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ShownWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        window.show();
        QApplication::setActiveWindow(&window);
        QCoreApplication::processEvents();
    }
    QMenu* Popup() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    QString Open() const { return Popup() ? Popup()->title() : QString(); }
    void Press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(to ? to : &window, key, mods);
        QCoreApplication::processEvents();
    }
    void CloseMenus()
    {
        while (QMenu* m = Popup())
            Press(m, Qt::Key_Escape);
        Press(&window, Qt::Key_Escape);
    }
};

TEST(MenuKeys, AltSOpensSetupFirstAndTheNextPressSchemes)
{
    ShownWindow f;
    for (int round = 0; round < 3; ++round) {
        f.Press(nullptr, Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(f.Open(), "&Setup") << round;
        f.Press(f.Popup(), Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(f.Open(), "&Schemes") << round;
        f.Press(f.Popup(), Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(f.Open(), "&Setup") << round;
        // A letter no other title has still opens its menu.
        f.Press(f.Popup(), Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(f.Open(), "&Tops") << round;
        f.CloseMenus();
        EXPECT_EQ(f.Popup(), nullptr);
    }
}

TEST(MenuKeys, ASharedLetterInAPopupSelectsAndEnterRunsTheSelectedItem)
{
    ShownWindow f;
    f.Press(nullptr, Qt::Key_F, Qt::AltModifier);
    QMenu* file = f.Popup();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->title(), "&File");
    int dialogs = 0;
    platform::Dialog::QueueTestScript([&dialogs](platform::Dialog&) { ++dialogs; });
    const auto asked = [] { return doubles().prompter.fileRequests.size() + doubles().prompter.messages.size(); };

    // "&Save as..." and "&Save As Image" share S: each press moves to the next, nothing runs.
    f.Press(file, Qt::Key_S);
    ASSERT_NE(file->activeAction(), nullptr);
    EXPECT_EQ(file->activeAction()->text(), "&Save as...");
    f.Press(file, Qt::Key_S);
    EXPECT_EQ(file->activeAction()->text(), "&Save As Image");
    EXPECT_EQ(f.Popup(), file);
    EXPECT_EQ(dialogs + asked(), 0);

    // Enter runs the selected one: the image's dialog, not Save As's.
    f.Press(file, Qt::Key_Return);
    EXPECT_EQ(f.Popup(), nullptr);
    EXPECT_EQ(dialogs + asked(), 1);
    EXPECT_TRUE(doubles().prompter.fileRequests.isEmpty() || !doubles().prompter.fileRequests[0].filter.contains(".svm"));
}

}  // namespace
