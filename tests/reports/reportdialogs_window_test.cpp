// The dialogs of the menus and the reports as text through the main window's commands and menu: every
// dialog and window fits a 1,024 x 768 screen, the short report dialog leaves no slot numbers behind, and
// the text file is replaced whole or not at all.
#include "app/commandids.h"
#include "app/logstate.h"
#include "elog/ui/customlasdialog.h"
#include "horizontal/ui/tvdlithdlg.h"
#include "platform/ui/dialog.h"
#include "reports/ui/reportdlgex.h"
#include "reports/ui/reportwindowservices.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/osropdlg.h"
#include "shell/ui/qbtndlg.h"
#include "support/cuttexts.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/xsession.h"
#include "wellfile/reportrecords.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

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
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

// Every window shown while it lives: its title, the least size its layout lets it have, its size; and
// every text of it seen cut, as it came and after its buttons were pressed.
class ShownWindows : public QObject {
public:
    struct Shown {
        QString title;
        QSize least, size;
        QPointer<QWidget> widget;
    };
    std::vector<Shown> shown;
    QSet<QString> cut, noCloseBox;
    void LookForCutTexts(const QWidget& w)
    {
        for (const QString& text : testing_support::CutTexts(w))
            cut << w.windowTitle() + ": " + text;
    }
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType())
            if (auto* w = static_cast<QWidget*>(o); w->isWindow() && !qobject_cast<QMenu*>(w))
            {
                shown.push_back({w->windowTitle(), w->minimumSizeHint().expandedTo(w->minimumSize()), w->size(), w});
                LookForCutTexts(*w);
                const Qt::WindowFlags f = w->windowFlags();
                if ((f & Qt::CustomizeWindowHint) && !(f & (Qt::WindowCloseButtonHint | Qt::FramelessWindowHint)))
                    noCloseBox << w->windowTitle();
            }
        return false;
    }
};

// The commands of the menu items, but the exit and the change of mode.
QList<int> MenuCommands(shell::LogWindow& window)
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
QAction* MenuAction(shell::LogWindow& window, int id)
{
    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id && !a->menu())
            return a;
    return nullptr;
}

// Presses the buttons of a dialog or tool window that do not close it, as a user trying each would.
void PressButtons(QWidget& w)
{
    QList<QPointer<QPushButton>> buttons;
    for (QPushButton* b : w.findChildren<QPushButton*>())
        buttons << b;
    static const QStringList closing = {"OK", "Cancel", "CLOSE", "DONE", "EXIT", "Quit"};
    for (const QPointer<QPushButton>& b : buttons)
        if (b && b->isVisible() && b->isEnabled() &&
            !closing.contains(b->text().trimmed().remove('&'), Qt::CaseInsensitive))
            b->click();
}

// Closes the tool windows a command left open, as their close boxes do.
void CloseNewWindows(ShownWindows& watch, std::size_t first, const QWidget* quickBar)
{
    for (std::size_t i = first; i < watch.shown.size(); ++i)
        if (QWidget* w = watch.shown[i].widget; w && w->isVisible() && w != quickBar) {
            w->close();  // what the window manager's close does
            EXPECT_FALSE(w->isVisible()) << watch.shown[i].title.toStdString() << " stays open";
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class ScreenWalk : public ReportDialogsWindow, public ::testing::WithParamInterface<QSize> {};

// Each menu item of the office and the drilling menu, each button of the quick view bar and the dialogs
// no menu opens, as a user tries them on a 1,024 x 768 and on a 1,920 x 1,080 screen, with the buttons
// of what they open pressed in turn: every dialog and window that comes, at any depth, opens at a size
// the screen holds and can be no smaller, shows every text whole, and closes by the window manager's close.
TEST_P(ScreenWalk, EveryWindowFitsTheScreenReadsWholeAndCloses)
{
    const QSize screen = GetParam();
    app::LogState& s = window.State();
    s.env.screenWidth = s.env.desktopWidth = screen.width();
    s.env.screenHeight = screen.height();
    window.resize(screen.width(), screen.height() - 28);
    QCoreApplication::processEvents();
    ASSERT_EQ(window.OpenDataFile(s.well.file.dataFileName), 1);
    testing_support::WriteRecords(Path(".rpt"), std::vector<wellfile::REPORTEX>(1));
    testing_support::WriteRecords(Path(".sho"), std::vector<wellfile::SHOWREPORT>(1));
    s.options.horizontalEditing = true;  // the horizontal set-up's "Edit Vertical Scaling" too
    // What the commands ask for: a depth to enter data from, a LAS file to import, a well's rates.
    const QString las = s.well.file.dataFolder + "small.las";
    testing_support::WriteBytes(las, QByteArray("~Version\r\nVERS. 2.0 :\r\nWRAP. NO :\r\n~Well\r\nSTRT.M 2000 :\r\n"
                                                "STOP.M 2002 :\r\nSTEP.M 1 :\r\nNULL. -999.25 :\r\n~Curve\r\n"
                                                "DEPT.M :\r\nGR.API :\r\n~A\r\n2000 50\r\n2001 60\r\n2002 70\r\n"));
    const std::map<int, QString> files = {{app::cmd::ImportElog, las},
                                          {app::cmd::ImportMudlog, las},
                                          {app::cmd::OffsetRop, s.well.file.dataFileName},
                                          {app::cmd::SelectRop, s.well.file.dataFileName},
                                          {app::cmd::SelectElog, s.well.elogFileName}};
    const QString depth = QString::number(s.well.file.fileBottomDepth - 20);

    ShownWindows watch;
    QSet<QString> titles;
    const auto run = [&](const QString& what, const std::function<void()>& open) {
        const std::size_t first = watch.shown.size();
        Dialog::QueueTestScript([](Dialog& d) { PressButtons(d); });  // for the first dialog
        open();
        Dialog::ClearTestScripts();
        for (std::size_t i = first; i < watch.shown.size(); ++i)  // and the tool windows
            if (QWidget* w = watch.shown[i].widget; w && w->isVisible() && w != window.Tools().quickBar)
                PressButtons(*w);
        QCoreApplication::processEvents();
        for (std::size_t i = first; i < watch.shown.size(); ++i) {
            ShownWindows::Shown& w = watch.shown[i];
            if (w.widget) {  // a window left open has been placed by now, its texts set by the buttons
                w.size = w.widget->size();
                watch.LookForCutTexts(*w.widget);
            }
            titles << w.title;
            for (const QSize& size : {w.least, w.size}) {  // with room for a frame and a title bar
                EXPECT_LE(size.width(), screen.width() - 24) << what.toStdString() << ": " << w.title.toStdString();
                EXPECT_LE(size.height(), screen.height() - 38) << what.toStdString() << ": " << w.title.toStdString();
            }
        }
        CloseNewWindows(watch, first, window.Tools().quickBar);
    };
    const auto runMenus = [&] {
        auto& prompter = testing_support::doubles().prompter;
        for (int id : MenuCommands(window))
            if (QAction* a = MenuAction(window, id))
                run(a->text(), [&, a, id] {
                    prompter.inputAnswers = {depth};
                    if (files.count(id))
                        prompter.fileAnswers = {files.at(id)};
                    a->trigger();
                    if (QWidget* chart = window.Tools().witsChart; chart && id == app::cmd::WitsChart)
                        QTest::mouseClick(chart, Qt::RightButton, {}, QPoint(100, 200));  // its settings
                    prompter.inputAnswers.clear();
                    prompter.fileAnswers.clear();
                });
    };
    runMenus();
    window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    for (int button : { shell::QBTNDLG::ID_HORZ, shell::QBTNDLG::ID_SURVEY, shell::QBTNDLG::ID_ZOOM,
             shell::QBTNDLG::ID_CUSTOM, shell::QBTNDLG::ID_PICTURES })
        for (int twice = 0; twice < 2; ++twice)
            run(QStringLiteral("bar %1").arg(button), [&] { bar->Click(button); });
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(s.well.file.drilling);
    runMenus();

    // The dialogs no menu item opens, each by its own call.
    std::vector<wellfile::TOPSEX> tops(2);
    platform::SetFieldText(tops[0].menuName, "Upper Sand");
    platform::SetFieldText(tops[1].menuName, "Lower Shale");
    wellfile::WellConfig config{};
    run("TVD Lithology", [&] { horizontal::TVDLITHDLG(&window, tops, [] { return 1; }).Execute(); });
    run("Offset Wells", [&] { shell::OsRopDlg(&window, config).Execute(); });
    run("Custom LAS", [&] { elog::CUSTLASDLG(&window).Execute(); });

    // Some of those reached only through answers, buttons or a click.
    for (const char* title : {"STRATIV MORNING REPORT", "STRATIV SHOW REPORT", "Show Interval", "STRATIV DST REPORT",
                              "STRATIV SHORT REPORT", "TVD WELL DATA", "STRATIV ELOG IMPORT", "IMPORT LAS LOG DATA",
                              "Enter Lithology", "STRATIV FLARE DATA", "Strativ Horizontal Section Setup",
                              "Strativ Wits Chart Configuration", "STRATIV GAS MONITOR SETUP", "Drilling Status",
                              "Enter Rates", "Enter Show", "Enter Gas ", "TVD Lithology", "Offset Wells",
                              "Strativ Custom LAS "})
        EXPECT_TRUE(titles.contains(title)) << title;
    EXPECT_GT(titles.size(), 50);
    QStringList cut = watch.cut.values();
    cut.sort();
    EXPECT_EQ(cut.join('\n').toStdString(), "") << "texts wider than their labels";
    EXPECT_EQ(watch.noCloseBox, QSet<QString>()) << "windows without a close box";
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, ScreenWalk, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)));

// The daily report's page opened from its mark: the whole form and the buttons under it on a 1,024 x 768
// screen.
TEST_F(ReportDialogsWindow, TheDailyReportPageOfAMarkFitsA1024By768Screen)
{
    testing_support::WriteRecords(Path(".rpt"), std::vector<wellfile::REPORTEX>(1));
    window.Neighbours().reports->OpenDailyReport(window.State(), 1);
    const auto* services = dynamic_cast<reports::ReportWindowServices*>(window.Neighbours().reports);
    ASSERT_TRUE(services && services->OpenPreview());
    reports::ReportDlgEx& preview = *services->OpenPreview();
    for (const QSize& size : {preview.minimumSizeHint(), preview.size()}) {
        EXPECT_LE(size.width(), 1000);
        EXPECT_LE(size.height(), 730);
    }
    QWidget* page = preview.Control(1999);
    ASSERT_TRUE(page);
    page->grab();  // draws the page
    const int unit = preview.PageState().unit;
    EXPECT_GE(unit, 5);
    EXPECT_GE(page->height(), reports::kPreviewSheetHeight * unit);
    EXPECT_GE(page->width(), reports::kPreviewSheetWidth * unit);
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
    std::vector<wellfile::REPORTEX> daily(2);
    daily[1].depth = 2345;
    testing_support::WriteRecords(Path(".rpt"), daily);
    std::vector<wellfile::SHOWREPORT> shows(2);
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
