// The quick view bar: where it goes, what its buttons switch, and its position kept in the well's
// settings record when it goes.
#include "app/opendatafile.h"
#include "shell/quickbar.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/cursor.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

struct DemoWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    DemoWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        window.setGeometry(0, 0, 600, 400);
    }
    app::LogState& S() { return window.State(); }
    shell::QBTNDLG* Bar() { return qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data()); }
    // The bar's left and top as the well's settings record on disk holds them; -1 when unreadable.
    std::pair<int, int> StoredPosition()
    {
        wellfile::WellConfig cfg{};
        if (wellfile::LoadConfig(cfg, app::PlaceOf(S()), S().well.fieldSettings) != 1)
            return {-1, -1};
        return {int(cfg.quickBarLeft), int(cfg.quickBarTop)};
    }
};

// Profile 12's columns at a unit of 10: the lithology starts at 346, the rate track ends at 259.
shell::QuickBarInputs Window(int left, int right)
{
    shell::QuickBarInputs in;
    in.left = left;
    in.right = right;
    in.edgeA = 346;
    in.edgeB = 259;
    return in;
}

}  // namespace

TEST(QuickBar, PlacedRightOfTheMenusAndInsideTheWindow)
{
    // 600 pixels wide: the bar may not start left of 450, so it shrinks to end at the window's edge.
    shell::QuickBarPlace p = shell::PlaceQuickBar(Window(0, 600));
    EXPECT_EQ(p.x, 450);
    EXPECT_EQ(p.width, 150);

    // A wide window: edge A + 5 units (396) and edge B + 12 rows (379) are both left of the floor.
    p = shell::PlaceQuickBar(Window(100, 2000));
    EXPECT_EQ(p.x, 550);
    EXPECT_EQ(p.width, 240);
    // Further right edges move it: edge A, then edge B + 20 rows while drilling.
    shell::QuickBarInputs in = Window(0, 2000);
    in.edgeA = 500;
    EXPECT_EQ(shell::PlaceQuickBar(in).x, 550);
    in.drilling = true;
    in.edgeB = 400;
    EXPECT_EQ(shell::PlaceQuickBar(in).x, 600);

    // The first placement starts at edge A itself and is 250 wide in the plain mode.
    in = Window(200, 2000);
    in.atCreation = true;
    p = shell::PlaceQuickBar(in);
    EXPECT_EQ(p.x, 650);
    EXPECT_EQ(p.width, 250);
    // A window narrower than the menus leaves the bar no width at all.
    EXPECT_EQ(shell::PlaceQuickBar(Window(0, 400)).width, 0);
}

TEST(QuickBar, MadeOnceOnTheMenuLineAndPlacedAgainWhenTheWindowNarrows)
{
    DemoWindow w;
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->windowTitle(), "Quick View");
    EXPECT_EQ(bar->geometry().x(), 450);
    EXPECT_EQ(bar->geometry().width(), 150);
    EXPECT_FALSE(bar->Control(shell::QBTNDLG::ID_1INCH)->isVisible());
    EXPECT_FALSE(bar->Control(shell::QBTNDLG::ID_5INCH)->isVisible());
    // The mode is the vertical scale index (1): the horizontal-view button is there. The demo well has
    // pictures: their button is shown at the bar's right end.
    EXPECT_EQ(bar->Mode(), 1);
    EXPECT_TRUE(bar->Control(shell::QBTNDLG::ID_HORZ)->isVisible());
    EXPECT_TRUE(bar->Control(shell::QBTNDLG::ID_PICTURES)->isVisible());
    w.window.EnsureQuickBar();
    EXPECT_EQ(w.Bar(), bar);

    // The window moves and narrows below the log's width: the bar follows.
    w.window.setGeometry(100, 0, 1000, 400);
    ASSERT_LT(1000, w.S().layout.format.logRight);
    w.window.EvSize(1000, 380);
    EXPECT_EQ(bar->geometry().x(), w.window.frameGeometry().left() + 450);
    EXPECT_EQ(bar->geometry().width(), 405);
}

// Moves of the main window (the window manager's own at a first start among them) place the bar again
// while it stays mapped: an unmap and map in quick succession can leave it unmapped for good. The
// drilling menus reach past the 450-pixel floor: the bar stands right of their last title.
TEST(QuickBar, PlacedAgainWithoutBeingHiddenAndNeverOverTheMenus)
{
    struct Hides : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::Hide;
            return false;
        }
    } hides;
    DemoWindow w;
    w.window.show();
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();
    bar->installEventFilter(&hides);
    w.window.setGeometry(100, 0, 1000, 400);
    w.window.EvMove();
    w.window.EvSize(1000, 380);
    EXPECT_EQ(hides.count, 0);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().x(), w.window.frameGeometry().left() + 450);

    w.window.setGeometry(0, 0, 1200, 400);
    w.window.AssignMenu(3);
    w.window.BuildMenu(-1);
    const QMenuBar* menus = w.window.menuBar();
    const QRect help = menus->actionGeometry(menus->actions().back());
    const int menuRight = menus->mapToGlobal(QPoint(help.right() + 1, 0)).x();
    ASSERT_GT(menuRight, w.window.frameGeometry().left() + 450) << "the drilling menus end left of the floor";
    EXPECT_EQ(bar->geometry().x(), menuRight);
    EXPECT_EQ(hides.count, 0);
}

TEST(QuickBar, NeverTakesTheFocusFromTheLog)
{
    DemoWindow w;
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();
    ASSERT_NE(bar, nullptr);
    // The window manager is told too: the bar asks for no input, and none of its buttons takes the focus.
    EXPECT_TRUE(bar->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    for (QWidget* control : bar->findChildren<QWidget*>())
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->metaObject()->className();
    EXPECT_EQ(QApplication::activeWindow(), &w.window) << "made";
    bar->Place();
    EXPECT_EQ(QApplication::activeWindow(), &w.window) << "placed again";
    // A press, as the mouse makes it: the log keeps the keys.
    QTest::mouseClick(bar->Control(shell::QBTNDLG::ID_SURVEY), Qt::LeftButton);
    EXPECT_TRUE(w.S().view.surveyShown);
    EXPECT_EQ(QApplication::activeWindow(), &w.window) << "after a press";
}

TEST(QuickBar, ZoomOnlyForWellsUpToTenThousandUnits)
{
    DemoWindow w;
    wellfile::OpenWell& f = w.S().well.file;
    f.fileTopDepth = 1000;
    f.fileBottomDepth = 11000;
    w.window.EnsureQuickBar();
    EXPECT_TRUE(w.Bar()->IsEnabled(shell::QBTNDLG::ID_ZOOM));
    w.window.DestroyQuickBar();
    f.fileBottomDepth = 11001;
    w.window.EnsureQuickBar();
    EXPECT_FALSE(w.Bar()->IsEnabled(shell::QBTNDLG::ID_ZOOM));
}

TEST(QuickBar, ButtonsSwitchTheDisplayModes)
{
    DemoWindow w;
    app::LogState& s = w.S();
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();

    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_SURVEY), "View Svy");
    bar->Command(shell::QBTNDLG::ID_SURVEY);
    EXPECT_TRUE(s.view.surveyShown);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_SURVEY), "Hide Svy");

    bar->Command(shell::QBTNDLG::ID_ZOOM);
    EXPECT_TRUE(s.view.logImageMode);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_ZOOM), "Zoom Off");
    bar->Command(shell::QBTNDLG::ID_ZOOM);
    EXPECT_FALSE(s.view.logImageMode);

    bar->Command(shell::QBTNDLG::ID_PICTURES);
    EXPECT_TRUE(s.view.picturesShown);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_PICTURES), "Pics Off");

    // The custom tracks: the demo's layout (the drilling track of 25 blocks of 5 pixels, the FIT track of
    // 40 of 5) after the gas track, and one more description block, widen the log; switching them off
    // takes both away.
    ASSERT_FALSE(s.well.customTracksEnabled);
    const int right = s.layout.format.logRight;
    bar->Command(shell::QBTNDLG::ID_CUSTOM);
    EXPECT_TRUE(s.options.customTracksView);
    EXPECT_TRUE(s.well.customTracksEnabled);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_CUSTOM), "Hide C/T");
    EXPECT_EQ(s.layout.format.custom.Width(), 325);
    EXPECT_EQ(s.layout.format.logRight, right + 325 + 10);
    bar->Command(shell::QBTNDLG::ID_CUSTOM);
    EXPECT_FALSE(s.options.customTracksView);
    EXPECT_EQ(s.customTracks.data, nullptr);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_CUSTOM), "Show C/T");
    EXPECT_EQ(s.layout.format.logRight, right);
    // The demo well brings its custom-data file: nothing had to be made, nothing was said.
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(QuickBar, NoCustomTracksInAScratchWell)
{
    DemoWindow w;
    app::LogState& s = w.S();
    s.well.scratchWell = true;
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();
    EXPECT_FALSE(bar->IsEnabled(shell::QBTNDLG::ID_CUSTOM));
    bar->Command(shell::QBTNDLG::ID_CUSTOM);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Custom Tracks Not Available wit Air Format");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "");
    EXPECT_FALSE(s.well.customTracksEnabled);
}

// Opening another well and exiting keep the bar's left and top in the settings of the well it was
// shown with.
TEST(QuickBar, PositionIsSavedWhenTheBarGoes)
{
    DemoWindow w;
    app::LogState& s = w.S();
    const wellfile::WellPlace demo = app::PlaceOf(s);
    w.window.EnsureQuickBar();
    w.Bar()->move(123, 45);
    const QString other = testing_support::MakeWell(TestDir() + "wells/", "OTHER.svm", 1000, 1100);
    ASSERT_EQ(w.window.OpenDataFile(other), 1);
    EXPECT_EQ(w.Bar(), nullptr);
    wellfile::WellConfig cfg{};
    ASSERT_EQ(wellfile::LoadConfig(cfg, demo, false), 1);
    EXPECT_EQ(int(cfg.quickBarLeft), 123);
    EXPECT_EQ(int(cfg.quickBarTop), 45);

    w.window.EnsureQuickBar();
    w.Bar()->move(321, 54);
    ASSERT_TRUE(w.window.CanClose());
    EXPECT_EQ(w.StoredPosition(), std::make_pair(321, 54));
}

// A settings record that cannot be read is not written over with a record of two fields.
TEST(QuickBar, UnreadableSettingsAreLeftAlone)
{
    DemoWindow w;
    const QString cfg = wellfile::OwnConfigPath(app::PlaceOf(w.S()), w.S().well.fieldSettings);
    ASSERT_TRUE(QFileInfo::exists(cfg));
    testing_support::WriteBytes(cfg, QByteArray(100, 'x'));
    w.window.EnsureQuickBar();
    w.Bar()->SavePosition();
    EXPECT_EQ(testing_support::ReadBytes(cfg), QByteArray(100, 'x'));
}

// The bar's mode is the vertical scale index: its horizontal-view button is there, opens the view of a
// lateral and closes it again, and says which it does next.
TEST(QuickBar, TheHorizontalViewButtonOpensAndClosesTheView)
{
    DemoWindow w;
    app::LogState& s = w.S();
    testing_support::LateralShape shape;
    shape.last = 10500;
    ASSERT_EQ(w.window.OpenDataFile(testing_support::MakeLateralWell(s.well.file.dataFolder, "L.svm", shape)), 1);
    s.env.screenWidth = 1920;
    s.env.screenHeight = 1080;
    w.window.setGeometry(0, 0, 1600, 400);
    w.window.EnsureQuickBar();
    shell::QBTNDLG* bar = w.Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Mode(), s.view.viewScale);
    EXPECT_TRUE(bar->Control(shell::QBTNDLG::ID_HORZ)->isVisible());
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_HORZ), "View Horz");
    bar->Command(shell::QBTNDLG::ID_HORZ);
    ASSERT_NE(w.window.Tools().horzView, nullptr);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_HORZ), "Hide Horz");
    EXPECT_GE(testing_support::cursor().shown, 1) << "the view's load shows the wait cursor";
    EXPECT_EQ(testing_support::cursor().waiting, 0);
    bar->Command(shell::QBTNDLG::ID_HORZ);
    EXPECT_EQ(w.window.Tools().horzView, nullptr);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_HORZ), "View Horz");
}
