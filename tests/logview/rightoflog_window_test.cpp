// What lies right of the log on the demo well's window: the paint covers the log's width only, so what an
// earlier paint left there must not stay.
#include "app/commandids.h"
#include "app/logstate.h"
#include "logview/geometryof.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/testmain.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// The painted pixels of the backing store right of the log, below the titles.
std::vector<QPoint> RightOfLog(shell::LogWindow& window, std::int32_t viewTop)
{
    window.State().well.file.viewTopDepth = viewTop;
    window.PaintLog();
    QCoreApplication::processEvents();
    const logview::ViewGeometry g = logview::GeometryOf(window.State());
    const QImage& store = window.BackingStore();
    std::vector<QPoint> painted;
    for (int y = g.topMargin + 1; y < store.height(); ++y)
        for (int x = g.logWidth + 2; x < store.width(); ++x)
            if (store.pixel(x, y) != qRgb(255, 255, 255))
                painted.emplace_back(x, y);
    return painted;
}

}  // namespace

TEST(RightOfLog, TheDrillingGasLegendLeavesNoStubsOnceScrolledAway)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(window.State().well.file.drilling);
    // Within the first 100 units of the well the legend stands in the log, its pen samples ending inside
    // the log's right end (where a narrow window's horizontal scroll reaches): nothing right of the log,
    // neither then nor once scrolled away.
    EXPECT_TRUE(RightOfLog(window, 1020).empty());
    EXPECT_TRUE(RightOfLog(window, 1500).empty());
    window.EvCommand(app::cmd::Drilling);
}
