#include "support/demowindow.h"

#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace testing_support {

bool ShowDemoWindow(LogWindow& window)
{
    qputenv("USER", "tester");
    window.SetupWindow();  // a first start: the demo well is made and opened
    // Laid out again for a 1920 x 1080 screen.
    app::LogState& s = window.State();
    s.env.screenWidth = s.env.desktopWidth = 1920;
    s.env.screenHeight = 1080;
    s.env.monitorCount = 1;
    window.resize(1920, 1080);
    window.show();  // the size reaches the window's size handler
    QCoreApplication::processEvents();
    if (window.OpenDataFile(s.well.file.dataFileName) != 1) {
        ADD_FAILURE() << "the demo well could not be opened";
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

bool ShowDemoCustomTracks(LogWindow& window)
{
    window.EnsureQuickBar();
    auto* bar = qobject_cast<QBTNDLG*>(window.Tools().quickBar.data());
    if (!bar || !bar->Click(QBTNDLG::ID_CUSTOM) || !window.State().well.customTracksEnabled ||
        !window.State().customTracks.data) {
        ADD_FAILURE() << "the custom tracks did not come";
        return false;
    }
    window.PaintLog();
    return true;
}

}  // namespace testing_support
