// The demo well's window after the commands and dialogs that change what it shows: nothing of the view
// before them stays on it (the paints that follow them start from a cleared window).
#include "app/commandids.h"
#include "app/logstate.h"
#include "layout/linesandscales.h"
#include "layout/trackflags.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/demowindow.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::DifferentPixels;
using testing_support::doubles;

namespace {

class EraseWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }
    app::LogState& S() { return window.State(); }
    // The window once every paint and render it owes has run, as a grab of it shows it.
    QImage Shown()
    {
        for (int i = 0; i < 50 && (window.LogPaintPosted() || S().view.redrawPending); ++i) {
            QCoreApplication::processEvents();
            window.IdleAction(0);
        }
        QCoreApplication::processEvents();
        return window.grab().toImage();
    }
    // Pixels in which two shots differ, the lithology and hardness columns left out: the boundaries of
    // their first row follow the row that the paint before ended with.
    int DifferentBesideLithology(const QImage& a, const QImage& b)
    {
        const logview::ViewGeometry g = logview::GeometryOf(S());
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += (x < g.lithology.left || x >= g.hardness.Right()) && a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(EraseWindow, ZoomOnThenZoomOffLeavesTheLogAsItWas)
{
    window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    const QImage before = Shown();
    ASSERT_TRUE(bar->Click(shell::QBTNDLG::ID_ZOOM));
    ASSERT_TRUE(S().view.logImageMode);
    EXPECT_GT(DifferentPixels(before, Shown()), 10000);
    // The menu bar made again meanwhile takes its room at once: the layout keeps the window's rows.
    ASSERT_TRUE(bar->Click(shell::QBTNDLG::ID_ZOOM));
    ASSERT_FALSE(S().view.logImageMode);
    EXPECT_EQ(DifferentPixels(before, Shown()), 0);
}

TEST_F(EraseWindow, TheSlotNumbersGoWithTheDialogsThatWroteThem)
{
    // The tops editor (left by Escape) and the short report by their commands, the memo dialog by a
    // right click on a description; each closed without a change.
    S().layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    window.InvalidateLog();
    const QImage before = Shown();
    const app::MemoHits& hits = S().notes.drawing.hits;
    ASSERT_GT(hits.count, 0);
    const platform::RECT box = hits.boxes[0];
    const int clientTop = window.menuWidget()->height();
    for (int dialog = 0; dialog < 3; ++dialog) {
        QImage open;
        Dialog::QueueTestScript([&](Dialog& d) {
            open = window.BackingStore().copy();
            if (dialog == 0)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.Click(dialog == 1 ? platform::IDCANCEL : platform::IDOK);
        });
        if (dialog == 0)
            window.EvCommand(app::cmd::EditTops);
        else if (dialog == 1)
            window.EvCommand(app::cmd::ShortReport);
        else
            QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(box.left + 5, box.top + 5 + clientTop));
        ASSERT_FALSE(open.isNull()) << dialog;
        EXPECT_GT(DifferentPixels(open, before.copy(0, clientTop, open.width(), open.height())), 20) << dialog;
        EXPECT_EQ(DifferentPixels(before, Shown()), 0) << dialog;
    }
}

TEST_F(EraseWindow, AfterTheGasEntryAndAnotherWellNothingOfTheViewBeforeStays)
{
    // The well as it opened (its first layout gone), then the gas entry, which shows the log elsewhere
    // while the gas is typed: afterwards the view before comes back as it was.
    const QImage before = Shown();
    doubles().prompter.inputAnswers = {QString("1500")};
    bool typing = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        typing = S().interaction.dataEntryActive;
        d.Click(platform::IDCANCEL);
    });
    window.CmEnterGas();
    ASSERT_TRUE(typing);
    EXPECT_EQ(DifferentBesideLithology(before, Shown()), 0);

    // A short well of another layout: nothing of the demo's log stays below or beside its own.
    const QString path = testing_support::MakeWell(testing_support::TestDir() + "short/", "SHORT.svm", 1000, 1030);
    ASSERT_EQ(window.OpenDataFile(path), 1);
    const QImage opened = Shown();
    window.InvalidateErased();
    EXPECT_EQ(DifferentBesideLithology(opened, Shown()), 0);
}

TEST_F(EraseWindow, PlugBackLeftByEscapeBringsTheQuickViewBarBack)
{
    window.EnsureQuickBar();
    Shown();
    Dialog::QueueTestScript([](Dialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    window.EvCommand(app::cmd::PlugBack);
    EXPECT_TRUE(window.Tools().quickBar.isNull());
    Shown();
    ASSERT_FALSE(window.Tools().quickBar.isNull());
    EXPECT_TRUE(window.Tools().quickBar->isVisible());
}

TEST_F(EraseWindow, ShowAndHideCustomTracksLeaveNoOldRowsAndTheButtonSaysWhatIsDrawnAfterAReopen)
{
    // Each press repaints the log from a cleared window: a mark left on the window's picture below the
    // log, where no row is drawn, goes with it.
    const auto markAndPress = [this](const char* caption) {
        QImage& store = S().view.bitmaps->backingStore;
        const QRect mark(0, store.height() - 40, 300, 30);
        QPainter(&store).fillRect(mark, Qt::magenta);
        auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
        ASSERT_NE(bar, nullptr);
        ASSERT_TRUE(bar->Click(shell::QBTNDLG::ID_CUSTOM));
        EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_CUSTOM), caption);
        const QImage shown = Shown();
        int left = 0;
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            for (int x = mark.left(); x <= mark.right(); ++x)
                left += shown.pixel(x, y) == QColor(Qt::magenta).rgb();
        EXPECT_EQ(left, 0) << caption << ": the old picture stayed below the log";
    };
    window.EnsureQuickBar();
    const QImage without = Shown();
    markAndPress("Hide C/T");
    ASSERT_TRUE(S().well.customTracksEnabled);
    EXPECT_GT(DifferentPixels(without, Shown()), 10000);
    markAndPress("Show C/T");
    ASSERT_FALSE(S().well.customTracksEnabled);

    // A well whose settings enable its custom tracks ("Lines and Scales"), opened again: it draws them,
    // and the button offers to hide them.
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetCheck(layout::setupid::CustomTracks, platform::BST_CHECKED);
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::LinesAndScales);
    ASSERT_EQ(window.OpenDataFile(S().well.file.dataFileName), 1);
    ASSERT_TRUE(S().well.customTracksEnabled);
    window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_CUSTOM), "Hide C/T");
    ASSERT_TRUE(bar->Click(shell::QBTNDLG::ID_CUSTOM));
    EXPECT_FALSE(S().well.customTracksEnabled) << "the first press hides the tracks it shows";
}

TEST_F(EraseWindow, TheShortReportDialogDrawsOnlyTheSlotNumbersWhileOpen)
{
    // Mid-well, where scale changes lie below the view top.
    S().well.file.viewTopDepth = 1500;
    window.InvalidateLog();
    const QImage before = Shown();
    const QImage store = window.BackingStore().copy();
    QImage open;
    Dialog::QueueTestScript([&](Dialog& d) {
        QCoreApplication::processEvents();
        open = window.BackingStore().copy();
        d.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::ShortReport);
    ASSERT_FALSE(open.isNull());
    // The numbers stand on their baseline two rows below the top margin; nothing else changed.
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const int baseline = g.topMargin + 2 * g.rowHeight;
    ASSERT_EQ(open.size(), store.size());
    int inBand = 0, elsewhere = 0;
    for (int y = 0; y < open.height(); ++y)
        for (int x = 0; x < open.width(); ++x)
            if (open.pixel(x, y) != store.pixel(x, y))
                ++(y > baseline - 20 && y <= baseline + 4 ? inBand : elsewhere);
    EXPECT_GT(inBand, 100);
    EXPECT_EQ(elsewhere, 0);
    EXPECT_EQ(DifferentPixels(before, Shown()), 0);
}
