// The main window keeps its grid strips in step with the layout of the open well.
#include "app/activitylines.h"
#include "logview/draw/viewbitmaps.h"
#include "platform/folders.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"

#include <gtest/gtest.h>

TEST(WindowGridStrips, OpeningAWellBuildsThemAndAVerboseLogSaysSo)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();  // opens the demo well
    app::LogState& s = window.State();
    ASSERT_NE(s.view.bitmaps, nullptr);
    const logview::GridStrips& grid = s.view.bitmaps->grid;
    EXPECT_EQ(grid.main.width(), s.layout.format.logRight);
    EXPECT_EQ(grid.main.height(), s.layout.format.pixelsPerStep);
    EXPECT_EQ(grid.logRate.width(), s.layout.format.rate.Width());

    // Opening again rebuilds them, and a verbose activity log records it.
    s.env.verboseActivityLog = true;
    s.view.currentRowY = 77;
    const QString log = platform::JoinPath(app::ActivityContextOf(s).dataFolder, QStringLiteral("svdata-M.txt"));
    ASSERT_EQ(window.OpenDataFile(platform::DefaultInstallFolder() + "elogdemo.svm"), 1);
    EXPECT_EQ(grid.main.height(), s.layout.format.pixelsPerStep);
    EXPECT_EQ(s.view.currentRowY, 0);
    EXPECT_TRUE(testing_support::ReadBytes(log).contains("Grid Mapping Done"));
}
