// Every enabled item of the office menu, the drilling menu and the TVD well's menu, triggered through its
// action on the first start's window, answers: a dialog, a message box, a file or input box, a window, a
// file written, a check mark, a menu or a log that changes. Dialogs and boxes are cancelled as they come.
#include "app/commandids.h"
#include "app/infocommands.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QMenuBar>
#include <QPointer>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

namespace {

// What a user could see or find changed after a command.
struct Seen {
    int asked = 0;  // message, file, input and colour boxes, page set-ups, print dialogs, shell opens
    QStringList menu;  // every item with its check and gray marks
    QMap<QString, QDateTime> files;  // the files under the data and install folders
    QImage log;
    QList<QWidget*> windows;
};

QStringList MenuLines(shell::LogWindow& w)
{
    QStringList lines;
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid())
            lines << QString("%1 %2 %3 %4").arg(a->data().toInt()).arg(a->text()).arg(a->isChecked()).arg(a->isEnabled());
    lines.sort();
    return lines;
}

Seen Look(shell::LogWindow& w)
{
    Seen s;
    const auto& d = doubles();
    s.asked = int(d.prompter.messages.size() + d.prompter.fileRequests.size() + d.prompter.inputPrompts.size() +
                  d.prompter.colorInitials.size() + d.shell.opened.size() + d.shell.started.size()) +
              d.printers.pageSetups + d.printers.printDialogs;
    s.menu = MenuLines(w);
    for (const QString& folder : {w.State().well.file.dataFolder, w.State().env.installFolder}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            s.files[path] = QFileInfo(path).lastModified();
        }
    }
    w.PaintLog();
    s.log = w.grab().toImage();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &w)
            s.windows << top;
    return s;
}

// The room a title bar needs for the caption in its bold face and a close box: a narrower dialog shows
// the caption cut ("Creat... RD file").
bool CaptionFits(const Dialog& d)
{
    QFont bold = d.font();
    bold.setBold(true);
    const QFontMetrics m(bold);
    return d.width() >= m.horizontalAdvance(d.windowTitle()) + 2 * m.height();
}

// Triggers every enabled item of the window's menu bar but `skip`; the ids that answered nothing. The
// dialogs narrower than their caption are added to `narrow`.
QList<int> Walk(shell::LogWindow& w, const QSet<int>& skip, QStringList& narrow)
{
    QList<int> ids;
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->isEnabled() && !skip.contains(a->data().toInt()) && !ids.contains(a->data().toInt()))
            ids << a->data().toInt();
    EXPECT_GT(ids.size(), 40);
    QList<int> silent;
    for (int id : ids) {
        QAction* action = nullptr;
        for (QAction* a : w.menuBar()->findChildren<QAction*>())
            if (a->data().isValid() && a->data().toInt() == id)
                action = a;
        if (!action || !action->isEnabled())
            continue;  // an earlier command took it away (a scheme, a top)
        const Seen before = Look(w);
        int dialogs = 0;
        for (int i = 0; i < 4; ++i)
            Dialog::QueueTestScript([&dialogs, &narrow](Dialog& d) {
                ++dialogs;
                if (!CaptionFits(d))
                    narrow << d.windowTitle();
            });
        action->trigger();
        QCoreApplication::processEvents();
        Dialog::ClearTestScripts();
        const Seen after = Look(w);
        const bool answered = dialogs > 0 || after.asked > before.asked || after.menu != before.menu ||
                              after.files != before.files || after.log != before.log ||
                              after.windows != before.windows;
        if (!answered)
            silent << id;
        // Windows the command opened are closed, so the next command finds the log free.
        for (QWidget* top : after.windows)
            if (!before.windows.contains(top))
                top->close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(w.DataFileBusy()) << id;
    }
    return silent;
}

TEST(MenuWalk, EveryEnabledItemOfTheThreeMenusAnswers)
{
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    using namespace app::cmd;
    // Items with no command of their own are gray on both bars.
    const auto grayed = [&w](int id) {
        for (QAction* a : w.menuBar()->findChildren<QAction*>())
            if (a->data().isValid() && a->data().toInt() == id)
                return !a->isEnabled();
        return false;
    };
    EXPECT_TRUE(grayed(AddNote));
    EXPECT_TRUE(grayed(EndOfWellReport));

    // Drilling switches the bar and Exit ends the walk; both are triggered after it.
    const QSet<int> skip = {Drilling, Exit};
    QStringList narrow;
    EXPECT_EQ(Walk(w, skip, narrow), QList<int>()) << "office menu";

    const QString name = w.State().well.file.wellName;
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == Drilling) {
            a->trigger();
            break;
        }
    ASSERT_TRUE(w.State().well.file.drilling);
    EXPECT_TRUE(grayed(EndOfWellReport));
    EXPECT_EQ(Walk(w, skip, narrow), QList<int>()) << "drilling menu";
    w.EvCommand(Drilling);
    ASSERT_FALSE(w.State().well.file.drilling);

    // The TVD log of the well, opened as a well of its own.
    const QString tvd = app::TvdLogPath(w.State().well.file.currentFolder, name);
    if (!QFileInfo(tvd).isFile())
        w.EvCommand(TvdLog);
    ASSERT_TRUE(QFileInfo(tvd).isFile());
    ASSERT_EQ(w.OpenDataFile(tvd), 1);
    ASSERT_TRUE(w.State().well.scratchWell);
    EXPECT_EQ(Walk(w, skip, narrow), QList<int>()) << "TVD well's menu";
    EXPECT_EQ(narrow.join(" | ").toStdString(), "");
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == Exit) {
            a->trigger();
            break;
        }
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
