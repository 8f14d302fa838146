// The drilling header on a 1,024 x 768 screen, on the real window through its menu: the band is as high
// when drilling is switched on as when the well is opened in drilling mode, and its texts end inside the
// window.
#include "app/commandids.h"
#include "app/logstate.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/xsession.h"
#include "support/testmain.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

// Dark pixels (text) of `image` in columns `left` to `right` (excluded), from below the band's top line
// down to `bottom`.
int DarkPixels(const QImage& image, int left, int right, int bottom)
{
    int dark = 0;
    for (int x = left; x < right; ++x)
        for (int y = 1; y < bottom; ++y)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

}  // namespace

TEST(DrillingHeader, SwitchedOnAtA1024By768ScreenItIsAsHighAsOpenedInDrillingModeAndReadsWhole)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    s.env.screenWidth = s.env.desktopWidth = 1024;
    s.env.screenHeight = 768;
    window.resize(1024, 740);
    QCoreApplication::processEvents();
    ASSERT_EQ(window.OpenDataFile(s.well.file.dataFileName), 1);
    const int office = s.layout.format.logAreaTop;

    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == app::cmd::Drilling) {
            a->trigger();
            break;
        }
    ASSERT_TRUE(s.well.file.drilling);
    QCoreApplication::processEvents();
    const int switchedOn = s.layout.format.logAreaTop;
    window.PaintLog();
    const QImage& shot = window.BackingStore();
    ASSERT_LE(shot.width(), 1024);
    const int w = shot.width();
    const int statusRows = switchedOn / 2;  // the status texts, above the title row and its line
    EXPECT_EQ(DarkPixels(shot, w - 1, w, statusRows), 0) << "a text runs past the window's edge";
    EXPECT_GT(DarkPixels(shot, w - 60, w - 1, statusRows), 0) << "the lag depth text ends short of the edge";

    const QImage logSwitchedOn = shot.copy(0, switchedOn, w, shot.height() - switchedOn);

    // The well opened anew, as a run killed in drilling mode comes back: the same header, the same log
    // under it (nothing of the office layout left over).
    ASSERT_EQ(window.OpenDataFile(s.well.file.dataFileName), 1);
    ASSERT_TRUE(s.well.file.drilling);
    EXPECT_EQ(s.layout.format.logAreaTop, switchedOn);
    window.PaintLog();
    const QImage& reopened = window.BackingStore();
    EXPECT_EQ(testing_support::DifferentPixels(logSwitchedOn, reopened.copy(0, switchedOn, w, reopened.height() - switchedOn)), 0);
    EXPECT_LT(switchedOn, office);  // the small screen's drilling header
}
