// The short reports of a well's ".qpt" on the window's painted log: their boxes drawn at their slots and
// found by the mouse, a box dragged by its top band to another depth, and the other report's bytes
// in the file untouched by the paints between.
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "reports/shortreports.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using wellfile::QREPORT;

namespace {

QREPORT Report(std::int32_t number, std::int32_t depth, const char* wob)
{
    QREPORT r;
    r.number = number;
    r.depth = depth;
    std::strcpy(r.wob, wob);
    std::strcpy(r.rpm, "120");
    std::strcpy(r.weightOut, "1.12");
    r.mechanicalSlot = 1;
    r.mudSlot = 16;
    r.mechanicalFrame = 1;
    r.slotsConverted = 1;
    return r;
}

}  // namespace

TEST(ShortReportWindow, TheBoxesOfTheWellsReportsArePaintedAndOneIsDraggedToAnotherDepth)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const QString qpt = reports::ShortReportFilePath(s.well.file.currentFolder, s.well.file.wellName);
    // The first at an odd depth, with no background: the drawing shows it at 1102 on white.
    testing_support::WriteRecords(qpt, std::vector<QREPORT>{Report(1, 1101, "10"), Report(2, 1130, "12")});
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
    s.well.file.viewTopDepth = 1080;
    window.PaintLog();
    QCoreApplication::processEvents();
    const QByteArray before = testing_support::ReadBytes(qpt);

    const logview::ViewGeometry g = logview::GeometryOf(s);
    ASSERT_EQ(g.rowHeight, 10);
    const int T = g.topMargin, left = logview::MemoSlotToX(logview::ScreenMemoSlots(g), 1);
    const reports::ShortReportBoxes& boxes = s.shortReports.mechanical;
    ASSERT_EQ(boxes.count, 2);
    EXPECT_EQ(boxes.box[0].left, left);
    // The box's top: the line position (the depth line + 7) less three quarters of a row, truncated.
    EXPECT_EQ(boxes.box[0].top, T - 10 + 22 * 10 - 1);
    EXPECT_EQ(boxes.box[0].bottom, boxes.box[0].top + 3 * 10);
    EXPECT_EQ(boxes.grab[1].top, T - 10 + 50 * 10 - 1);
    EXPECT_EQ(s.shortReports.mud.count, 2);
    // The frame's left edge on the painted log.
    const QImage& painted = s.view.bitmaps->backingStore;
    EXPECT_EQ(painted.pixel(left, boxes.box[0].top + 15), qRgb(0, 0, 0));

    // The second box pressed on its top band with Ctrl and let go four rows lower.
    const platform::RECT grab = boxes.grab[1];
    const int top = window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0;
    QTest::mousePress(&window, Qt::LeftButton, Qt::ControlModifier, QPoint(grab.left + 10, top + grab.top + 5));
    ASSERT_TRUE(s.interaction.mouse.shortReportDrilling);
    QTest::mouseMove(&window, QPoint(grab.left + 10, top + grab.top + 45));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::ControlModifier, QPoint(grab.left + 10, top + grab.top + 45));
    QCoreApplication::processEvents();

    const QByteArray after = testing_support::ReadBytes(qpt);
    ASSERT_EQ(after.size(), 2 * 512);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 4), 1134);
    // The first report's record is as it was: its odd depth, its colours, its numbers.
    EXPECT_EQ(before.mid(0, 512), after.mid(0, 512));
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 4), 1101);
}
