// "&Lithology..." on the main window: the dialog driven through its controls, what "Done" and "Cancel"
// leave in the data file, the help window, the resume depth, and the rows drawn while typing.
#include "entry/ui/enterlithdlg.h"
#include "logview/geometryof.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

using entry::EnterLithDlg;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

struct LithWindow : testing_support::EntryWindow {
    LithWindow() : EntryWindow(QStringLiteral("lith.svm")) {}
};

void Key(Dialog& d, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    testing_support::PressKey(d, EnterLithDlg::IDC_VALUE, key, mods);
}

void EnterValue(Dialog& d, const QString& text) { testing_support::EnterValue(d, EnterLithDlg::IDC_VALUE, text); }

}  // namespace

TEST(EnterLithWindow, TextsTypedInTheBoxAreStoredOnDone)
{
    LithWindow w;
    w.S().entry.lithologyResumeDepth = 0;
    doubles().prompter.inputAnswers = { QString("1000") };
    QStringList prompts, previous;
    int stayed = 0;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Lithology");
        prompts << d.GetText(EnterLithDlg::IDC_PROMPT);
        EnterValue(d, "80ls,20sh"); // 1001
        prompts << d.GetText(EnterLithDlg::IDC_PROMPT);
        previous << d.GetText(EnterLithDlg::IDC_PREVIOUS);
        EnterValue(d, "60ls,30sh"); // refused: stays on 1002
        stayed = static_cast<EnterLithDlg&>(d).Entry().Depth();
        EnterValue(d, ""); // 1002 copies 1001
        EnterValue(d, "100" + QString(40, QLatin1Char('s'))); // 1003, cut to 29
        Key(d, Qt::Key_X, Qt::ControlModifier); // not drilling: 1004 kept, one step down
        d.Click(EnterLithDlg::IDC_INTRP);
        prompts << d.GetText(EnterLithDlg::IDC_PROMPT);
        EnterValue(d, ""); // 1005: only the interpreted text of 1004
        EnterValue(d, "108ls"); // 1006: interpreted only
        d.Click(EnterLithDlg::IDC_INTRP);
        d.Click(platform::IDOK);
    });
    w.window.CmEnterLithology();
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[0], "Enter Perc lith for  1000 to  1001");
    EXPECT_EQ(prompts[1], "Enter lith for  1001 to  1002");
    EXPECT_EQ(prompts[2], "Enter Intrp Lith for  1004 to  1005");
    EXPECT_EQ(previous[0], "80ls,20sh");
    EXPECT_EQ(stayed, 1002);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "You have entered more or\nless than 100 percent");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "INVALID DATA");

    const auto lith = [&](int depth) { return platform::FieldText(w.At(depth).lith); };
    const auto interpreted = [&](int depth) { return platform::FieldText(w.At(depth).interpretedLith); };
    EXPECT_EQ(lith(1001), "80ls,20sh");
    EXPECT_EQ(interpreted(1001), "100ls");
    EXPECT_EQ(lith(1002), "80ls,20sh");
    EXPECT_EQ(interpreted(1002), "100ls");
    EXPECT_EQ(lith(1003), "100" + std::string(26, 's'));
    EXPECT_EQ(lith(1004), "100SH");
    EXPECT_EQ(lith(1005), "100SH");
    EXPECT_EQ(interpreted(1005), "");
    EXPECT_EQ(lith(1006), "100SH");
    EXPECT_EQ(interpreted(1006), "108ls");
    // The resume depth follows the percentage entry: the dialog closed on 1007.
    EXPECT_EQ(w.S().entry.lithologyResumeDepth, 1006);
    EXPECT_FALSE(w.S().interaction.mouseEntry.interpreted);
}

// Counts the times a modal window blocks the watched one.
struct BlockWatch : QObject {
    int blocked = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        blocked += e->type() == QEvent::WindowBlocked;
        return false;
    }
};

TEST(EnterLithWindow, HelpOpensTheWindowOfTheMainWindowAndClosesItOnTheNextPress)
{
    LithWindow w;
    doubles().prompter.inputAnswers = { QString("1000") };
    QPointer<QWidget> opened;
    QString caption;
    bool closedAgain = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(EnterLithDlg::IDC_HELP);
        opened = w.window.Tools().lithologyHelp;
        if (opened)
            caption = opened->windowTitle();
        d.Click(EnterLithDlg::IDC_HELP);
        closedAgain = opened.isNull() && w.window.Tools().lithologyHelp.isNull();
        d.Click(EnterLithDlg::IDC_HELP); // open again: it outlives the dialog
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterLithology();
    EXPECT_EQ(caption, "Lithology Help");
    EXPECT_TRUE(closedAgain);

    // The modal entry leaves the help window free to scroll, this entry and the next.
    BlockWatch watch;
    w.window.Tools().lithologyHelp->installEventFilter(&watch);
    doubles().prompter.inputAnswers = {QString("1000")};
    bool modal = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        modal = QApplication::activeModalWidget() == &d;
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterLithology();
    EXPECT_TRUE(modal);
    EXPECT_EQ(watch.blocked, 0);
    QPointer<QWidget> help = w.window.Tools().lithologyHelp;
    ASSERT_FALSE(help.isNull());
    EXPECT_EQ(help->parentWidget(), &w.window);
    auto* d = qobject_cast<Dialog*>(help.data());
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetText(102), "  Lith               Min. Abbrv.        As Acc");
    const QStringList rows = d->GetText(101).split(QLatin1Char('\n'));
    ASSERT_GT(rows.size(), 37);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("  Limestone")));
    EXPECT_TRUE(rows[36].startsWith(QStringLiteral("  Blank (no lith)")));
    delete help.data();
}

TEST(EnterLithWindow, TheRowsDrawnWhileTypingAreTheRowsTheLogShowsAfterDone)
{
    LithWindow w;
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int R = g.rowHeight, T = g.topMargin;
    const char* texts[] = { "80ls,20sh", "50ss,50sh", "100co", "30ls,30d,40sh", "", "108ls", "70~sh,30ss", "100bl" };
    const int rows = int(std::size(texts));
    doubles().prompter.inputAnswers = { QString("1000") };
    QImage before, during;
    Dialog::QueueTestScript([&](Dialog& d) {
        before = w.window.BackingStore().copy();
        for (const char* t : texts)
            EnterValue(d, t);
        // Back up and type over a row: the row below it is drawn again against it.
        Key(d, Qt::Key_Up);
        Key(d, Qt::Key_Up);
        Key(d, Qt::Key_Up);
        EnterValue(d, "100ls");
        during = w.window.BackingStore().copy();
        d.Click(platform::IDOK);
    });
    w.window.CmEnterLithology();
    ASSERT_FALSE(during.isNull());
    w.window.PaintLog();
    const QImage after = w.window.BackingStore();
    const int top = T + 10 * R, bottom = T + (10 + rows + 1) * R;
    EXPECT_EQ(testing_support::DifferingPixels(during, after, top, bottom, g.logWidth), 0);
    EXPECT_GT(testing_support::DifferingPixels(during, before, top, bottom, g.logWidth), 200);
    EXPECT_EQ(platform::FieldText(w.At(1006).lith), "100ls");
}

TEST(EnterLithWindow, CancelLeavesTheFileAsItWas)
{
    LithWindow w;
    const QByteArray before = testing_support::ReadBytes(w.path);
    doubles().prompter.inputAnswers = { QString("1000") };
    Dialog::QueueTestScript([](Dialog& d) {
        for (int k = 0; k < 30; ++k)
            EnterValue(d, k % 2 ? "80ls,20sh" : "100co");
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterLithology();
    EXPECT_EQ(testing_support::ReadBytes(w.path), before);
}
