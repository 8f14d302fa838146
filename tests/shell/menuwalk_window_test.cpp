// Every enabled item of the office menu, the drilling menu and the TVD well's menu, triggered through its
// action on the first start's window, answers: a dialog, a message box, a file or input box, a window, a
// file written, a check mark, a menu or a log that changes. Dialogs and boxes are cancelled as they come.
#include "app/commandids.h"
#include "app/infocommands.h"
#include "platform/ui/boxes.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/testmain.h"
#include "support/titlebars.h"
#include "support/xsession.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>

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

// Each caption of a window, dialog or box the walk met, with the least width it was shown at.
using Captions = QMap<QString, int>;

void Note(Captions& seen, const QString& shown, int width)
{
    // A caption naming a file names it under the test's home, whose random folder name would change
    // the caption's width from run to run: measure it under a user's home of fixed name instead.
    QString caption = shown;
    caption.replace(QRegularExpression(QStringLiteral("^.*/strativm-test-[^/]+/home/")), QStringLiteral("/home/geologist/"));
    if (!seen.contains(caption) || seen[caption] > width)
        seen[caption] = width;
}

// The message and input boxes asked for since the first `messages` and `inputs`, as the desktop would
// show them.
void NoteBoxes(Captions& seen, qsizetype messages, qsizetype inputs)
{
    const auto& p = doubles().prompter;
    for (qsizetype i = messages; i < p.messages.size(); ++i) {
        QList<std::pair<QMessageBox::StandardButton, int>> answers;
        const auto box = platform::MakeMessageBox(nullptr, p.messages[i].text, p.messages[i].caption, p.messages[i].flags, answers);
        box->show();
        Note(seen, box->windowTitle(), box->width());
    }
    for (qsizetype i = inputs; i < p.inputCaptions.size(); ++i) {
        const auto box = platform::MakeInputBox(nullptr, p.inputPrompts[i], p.inputCaptions[i], QString(), 10);
        box->show();
        Note(seen, box->windowTitle(), box->width());
    }
}

// Triggers every enabled item of the window's menu bar but `skip`; the ids that answered nothing. The
// captions of the windows, dialogs and boxes that came are noted in `seen`.
QList<int> Walk(shell::LogWindow& w, const QSet<int>& skip, Captions& seen)
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
        const qsizetype messages = doubles().prompter.messages.size(), inputs = doubles().prompter.inputCaptions.size();
        int dialogs = 0;
        for (int i = 0; i < 4; ++i)
            Dialog::QueueTestScript([&dialogs, &seen](Dialog& d) {
                ++dialogs;
                Note(seen, d.windowTitle(), d.width());
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
        NoteBoxes(seen, messages, inputs);
        // Windows the command opened are closed, so the next command finds the log free.
        for (QWidget* top : after.windows)
            if (!before.windows.contains(top)) {
                Note(seen, top->windowTitle(), top->width());
                top->close();
            }
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
    Captions seen;
    EXPECT_EQ(Walk(w, skip, seen), QList<int>()) << "office menu";

    const QString name = w.State().well.file.wellName;
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == Drilling) {
            a->trigger();
            break;
        }
    ASSERT_TRUE(w.State().well.file.drilling);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &w)
            Note(seen, top->windowTitle(), top->width());  // the drilling status box
    EXPECT_TRUE(grayed(EndOfWellReport));
    EXPECT_EQ(Walk(w, skip, seen), QList<int>()) << "drilling menu";
    w.EvCommand(Drilling);
    ASSERT_FALSE(w.State().well.file.drilling);

    // The TVD log of the well, opened as a well of its own.
    const QString tvd = app::TvdLogPath(w.State().well.file.currentFolder, name);
    if (!QFileInfo(tvd).isFile())
        w.EvCommand(TvdLog);
    ASSERT_TRUE(QFileInfo(tvd).isFile());
    ASSERT_EQ(w.OpenDataFile(tvd), 1);
    ASSERT_TRUE(w.State().well.scratchWell);
    EXPECT_EQ(Walk(w, skip, seen), QList<int>()) << "TVD well's menu";
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == Exit) {
            a->trigger();
            break;
        }
    EXPECT_FALSE(w.isVisible());

    // Boxes of few words the menus do not bring: drilling's "ratios off" at the WITS start and "Depth Out
    // Of Range", and Update Now's "Files Updated".
    for (const auto& [text, caption] : {std::pair{"ratios off", ""}, {"Files Updated", ""}, {"Depth Out Of Range", "ERROR"}}) {
        QList<std::pair<QMessageBox::StandardButton, int>> answers;
        const auto box = platform::MakeMessageBox(nullptr, text, caption, platform::MB_OK, answers);
        box->show();
        Note(seen, box->windowTitle(), box->width());
    }

    // Every caption met, in a window of the width it had, under a window manager (openbox) at the two
    // screen sizes the program is used at: each title bar shows its caption whole.
    if (!testing_support::XSession::MissingServer().isEmpty())
        return;
    QList<std::pair<QString, int>> captions;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        captions.append({it.key(), it.value()});
    EXPECT_GT(captions.size(), 40);

    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        testing_support::XSession x;
        ASSERT_TRUE(x.Start(screen));
        EXPECT_EQ(testing_support::CaptionsCut(x, screen, captions).join(" | ").toStdString(), "") << screen.width() << " x " << screen.height();
    }
}

}  // namespace
