// The report dialogs and the reports as text through the main window's commands and menu: each dialog
// fits a 1,024 x 768 screen, the short report dialog leaves no slot numbers behind, and the text file is
// replaced whole or not at all.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "app/ui/qbtndlg.h"
#include "platform/ui/dialog.h"
#include "reports/reportrecords.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/xsession.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::ReadExistingBytes;

namespace {

class ReportDialogsWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }
    QString Path(const char* extension)
    {
        return window.State().well.file.currentFolder + window.State().well.file.wellName + extension;
    }
    LogWindow window{nullptr, QStringLiteral("StrativM")};
};

// Every window shown while it lives: its title, the least size its layout lets it have, its size.
class ShownWindows : public QObject {
public:
    struct Shown {
        QString title;
        QSize least, size;
        QPointer<QWidget> widget;
    };
    std::vector<Shown> shown;
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType())
            if (auto* w = static_cast<QWidget*>(o); w->isWindow() && !qobject_cast<QMenu*>(w))
                shown.push_back({w->windowTitle(), w->minimumSizeHint().expandedTo(w->minimumSize()), w->size(), w});
        if (e->type() == QEvent::Hide && o->isWidgetType() && qEnvironmentVariableIsSet("SHOW_OPENED"))
            if (auto* w = static_cast<QWidget*>(o); w->isWindow() && !qobject_cast<QMenu*>(w))
                w->grab().save(QStringLiteral("/tmp/149b/%1-%2.png").arg(shown.size()).arg(w->windowTitle().left(12).simplified().replace('/', '_')));
        return false;
    }
};

// The commands of the menu items, but the exit and the change of mode.
QList<int> MenuCommands(LogWindow& window)
{
    QList<int> ids;
    for (QAction* a : window.menuBar()->findChildren<QAction*>()) {
        const int id = a->data().isValid() ? a->data().toInt() : 0;
        if (id != 0 && id != app::cmd::Exit && id != app::cmd::Drilling && !a->menu() && !ids.contains(id))
            ids << id;
    }
    return ids;
}

// The menu item of command `id` as the menu stands now (a command may have rebuilt it), or null.
QAction* MenuAction(LogWindow& window, int id)
{
    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id && !a->menu())
            return a;
    return nullptr;
}

// Closes the tool windows a command left open, as their close boxes do.
void CloseNewWindows(ShownWindows& watch, std::size_t first, const QWidget* quickBar)
{
    for (std::size_t i = first; i < watch.shown.size(); ++i)
        if (QWidget* w = watch.shown[i].widget; w && w->isVisible() && w != quickBar)
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST_F(ReportDialogsWindow, EveryWindowOfTheMenusAndTheQuickViewBarFitsA1024By768Screen)
{
    // The demo well on a 1,024 x 768 screen.
    app::LogState& s = window.State();
    s.env.screenWidth = s.env.desktopWidth = 1024;
    s.env.screenHeight = 768;
    window.resize(1024, 740);
    QCoreApplication::processEvents();
    ASSERT_EQ(window.OpenDataFile(s.well.file.dataFileName), 1);
    testing_support::WriteRecords(Path(".rpt"), std::vector<reports::REPORTEX>(1));
    testing_support::WriteRecords(Path(".sho"), std::vector<reports::SHOWREPORT>(1));
    ShownWindows watch;
    QStringList opened;
    const auto run = [&](const QString& what, const std::function<void()>& open) {
        const std::size_t first = watch.shown.size();
        open();
        QCoreApplication::processEvents();
        for (std::size_t i = first; i < watch.shown.size(); ++i) {
            ShownWindows::Shown& w = watch.shown[i];
            if (w.widget)  // a window left open has been placed by now
                w.size = w.widget->size();
            opened << what + ": " + w.title;
            if (qEnvironmentVariableIsSet("SHOW_OPENED") && w.widget)
                w.widget->grab().save(QStringLiteral("/tmp/149b/%1-%2.png").arg(i).arg(w.title.left(12).simplified().replace('/', '_')));
            // With room for a frame and a title bar.
            for (const QSize& size : {w.least, w.size}) {
                EXPECT_LE(size.width(), 1000) << what.toStdString() << " " << w.title.toStdString();
                EXPECT_LE(size.height(), 730) << what.toStdString() << " " << w.title.toStdString();
            }
        }
        if (qEnvironmentVariableIsSet("SHOW_OPENED")) {
            for (const auto& m : testing_support::doubles().prompter.messages)
                opened << what + " message: " + m.text.left(60) + " / " + m.caption;
            for (const auto& r : testing_support::doubles().prompter.fileRequests)
                opened << what + " file: " + r.title + " " + r.filter;
            testing_support::doubles().prompter.messages.clear();
            testing_support::doubles().prompter.fileRequests.clear();
        }
        CloseNewWindows(watch, first, window.Tools().quickBar);
    };
    const auto runMenus = [&] {
        for (int id : MenuCommands(window))
            if (QAction* a = MenuAction(window, id))
                run(QStringLiteral("%1 %2").arg(id).arg(a->text()), [a] { a->trigger(); });
    };
    runMenus();
    window.EnsureQuickBar();
    auto* bar = qobject_cast<QBTNDLG*>(window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    for (int button : {QBTNDLG::ID_HORZ, QBTNDLG::ID_SURVEY, QBTNDLG::ID_ZOOM, QBTNDLG::ID_CUSTOM, QBTNDLG::ID_PICTURES})
        for (int twice = 0; twice < 2; ++twice)
            run(QStringLiteral("bar %1").arg(button), [&] { bar->Click(button); });
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(window.State().well.file.drilling);
    runMenus();
    if (qEnvironmentVariableIsSet("SHOW_OPENED"))
        qInfo().noquote() << opened.join('\n');
}

TEST_F(ReportDialogsWindow, TheShortReportDialogLeavesNoSlotNumbersOnTheLog)
{
    window.PaintLog();
    const QImage before = window.BackingStore().copy();
    QImage during;
    Dialog::QueueTestScript([&](Dialog&) { during = window.BackingStore().copy(); });  // then closed
    window.EvCommand(51937);
    window.PaintLog();
    EXPECT_GT(testing_support::DifferentPixels(before, during), 0);  // the slot numbers, in red
    EXPECT_EQ(testing_support::DifferentPixels(before, window.BackingStore()), 0);
}

TEST_F(ReportDialogsWindow, ReportsAsTextFromTheOptionsMenuKeepTheOldTextWhenTheWriteFails)
{
    std::vector<reports::REPORTEX> daily(2);
    daily[1].depth = 2345;
    testing_support::WriteRecords(Path(".rpt"), daily);
    std::vector<reports::SHOWREPORT> shows(2);
    shows[0].number = 1;
    testing_support::WriteRecords(Path(".sho"), std::vector{shows[0]});
    const auto run = [this] {
        for (QAction* a : window.menuBar()->findChildren<QAction*>())
            if (a->data().toInt() == 51691 && a->isEnabled())
                return a->trigger();
        ADD_FAILURE() << "no menu item";
    };
    run();
    EXPECT_EQ(ReadExistingBytes(Path(".txt")).count(" SHOW NO.: 1\r\n\r"), 1);
    run();  // the morning report anew, the show not again
    const QByteArray text = ReadExistingBytes(Path(".txt"));
    EXPECT_TRUE(text.contains(" DEPTH:    2345 "));
    EXPECT_FALSE(text.contains("SHOW REPORT"));

    // A write that fails leaves the old text and the counter; the next one adds the new show.
    shows[1].number = 2;
    testing_support::WriteRecords(Path(".sho"), shows);
    {
        testing_support::FileSizeLimit limit(100);
        run();
    }
    EXPECT_EQ(testing_support::doubles().prompter.messages.back().text, "Unable to open file");
    EXPECT_EQ(ReadExistingBytes(Path(".txt")), text);
    run();
    EXPECT_EQ(ReadExistingBytes(Path(".txt")).count(" SHOW NO.: 2\r\n\r"), 1);
}
