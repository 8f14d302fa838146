#include "support/demowindow.h"

#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/wells.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace testing_support {

namespace {

// A first start: the demo well is made and opened.
void FirstStart(shell::LogWindow& window)
{
    qputenv("USER", "tester");
    shell::CommandLineFilesTaken() = 0;
    window.SetupWindow();
}

}  // namespace

bool ShowDemoWindow(shell::LogWindow& window)
{
    FirstStart(window);
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

bool ShowDemoCustomTracks(shell::LogWindow& window)
{
    window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
    if (!bar || !bar->Click(shell::QBTNDLG::ID_CUSTOM) || !window.State().well.customTracksEnabled ||
        !window.State().customTracks.data) {
        ADD_FAILURE() << "the custom tracks did not come";
        return false;
    }
    window.PaintLog();
    return true;
}

QString OpenNewWell(shell::LogWindow& window, const std::function<QString(const QString& dataFolder)>& make)
{
    FirstStart(window);
    const QString path = make(window.State().well.file.dataFolder);
    if (path.isEmpty()) {
        ADD_FAILURE() << "the new well was not made";
        return {};
    }
    if (window.OpenDataFile(path) != 1) {
        ADD_FAILURE() << "the new well " << path.toStdString() << " could not be opened";
        return {};
    }
    return path;
}

QString OpenNewWell(shell::LogWindow& window, const QString& fileName, int first, int last)
{
    return OpenNewWell(window, [&](const QString& data) { return MakeWell(data, fileName, first, last); });
}

}  // namespace testing_support
