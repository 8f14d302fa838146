// Commands that rebuild the menu bar from inside their own modal dialog: the menu and the action that
// started the command must outlive it, even when the dialog's event loop runs deferred deletes.
#include "app/commandids.h"
#include "elog/ui/tvddialog.h"
#include "entry/ui/topsdlg.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

namespace {

QAction* MenuAction(shell::LogWindow& window, int id)
{
    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id)
            return a;
    return nullptr;
}

// What a modal dialog's own event loop does while it runs: posted events and deferred deletes.
void TurnOfADialogLoop()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Watch {
    QPointer<QAction> action;
    QPointer<QWidget> menu;
    bool menuRebuilt = false, aliveAfterLoop = false;

    explicit Watch(QAction* a) : action(a)
    {
        const QList<QObject*> owners = a ? a->associatedObjects() : QList<QObject*>();
        for (QObject* o : owners)
            if (auto* m = qobject_cast<QMenu*>(o))
                menu = m;
    }
    // Inside the dialog, after the step that rebuilt the menu.
    void Check(shell::LogWindow& window)
    {
        menuRebuilt = MenuAction(window, action ? action->data().toInt() : 0) != action.data();
        TurnOfADialogLoop();
        aliveAfterLoop = action && menu;
    }
};

class MenuRebuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = testing_support::OpenNewWell(window, "A12.svm", 1000, 2000);
        ASSERT_FALSE(path.isEmpty());
        folder = window.State().well.file.dataFolder;
        doubles().prompter.messages.clear();
    }
    void Run(Watch& w, const std::function<void(Dialog&)>& script)
    {
        ASSERT_TRUE(w.action) << "no menu item";
        ASSERT_TRUE(w.menu) << "the item is in no menu";
        Dialog::QueueTestScript(script);
        w.action->trigger();
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
        EXPECT_TRUE(w.menuRebuilt) << "the command did not rebuild the menu";
        EXPECT_TRUE(w.aliveAfterLoop) << "the menu or action was freed under its own command";
        // Once the command is over the old bar goes with the loop's next turn.
        TurnOfADialogLoop();
        EXPECT_FALSE(w.action) << "the replaced menu bar was kept";
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder, path;
};

TEST_F(MenuRebuild, TheSurveyDialogStartingATvdLogKeepsItsMenuAlive)
{
    namespace id = elog::tvdid;
    // Options > Drilling, then Enter Data > Survey and/or Horizontal Data...
    QAction* drilling = MenuAction(window, app::cmd::Drilling);
    ASSERT_NE(drilling, nullptr);
    drilling->trigger();
    ASSERT_TRUE(window.State().well.file.drilling);
    // A station first: the TVD log is offered once the well has one.
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetText(id::Md, "1500");
        d.SetText(id::Tvd, "1400");
        d.SetText(id::Incl, "10");
        d.SetText(id::Azm, "45");
        ASSERT_TRUE(d.Click(id::Save));
    });
    MenuAction(window, app::cmd::SurveyData)->trigger();
    Watch w(MenuAction(window, app::cmd::SurveyData));
    Run(w, [&](Dialog& d) {
        ASSERT_TRUE(d.Click(id::CreateLog));
        w.Check(window);
    });
}

TEST_F(MenuRebuild, TheTopsEditorsImportAndFieldTopsKeepTheirMenuAlive)
{
    using entry::TopsDlg;
    testing_support::WriteBytes(folder + "field.topx", QByteArray());
    Watch import(MenuAction(window, app::cmd::EditTops));
    doubles().prompter.fileAnswers = {folder + "field.topx"};
    Run(import, [&](Dialog& d) {
        ASSERT_TRUE(d.Click(TopsDlg::IDC_IMPORT));
        import.Check(window);
    });
    // Only a well of a shared folder with tops of its own may switch to the field's tops.
    window.State().well.sharedFolderWell = true;
    Watch field(MenuAction(window, app::cmd::EditTops));
    Run(field, [&](Dialog& d) {
        ASSERT_TRUE(d.Click(TopsDlg::IDC_FIELD_TOPS));
        field.Check(window);
    });
}

}  // namespace
