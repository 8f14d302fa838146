// The printed layout of the open well, as the print job asks the main window for it.
#include "app/ui/logwindow.h"
#include "layout/custchartcfg.h"
#include "platform/folders.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct DemoWindow {
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    DemoWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
    }
    app::LogState& S() { return window.State(); }
};

}  // namespace

// The print copy of the custom tracks is made again by every layout, for the printer, and its tracks
// run from the gas track's right to the printed log's right end.
TEST(PrintTracks, CustomTracksGetAPrintCopyThatEndsThePrintedLog)
{
    DemoWindow w;
    app::LogState& s = w.S();
    ASSERT_EQ(s.well.loggerId, 12);

    const layout::PrintLayout& plain = w.window.LayoutTracks(20.0f);
    EXPECT_EQ(plain.descriptionRight, 2150);
    EXPECT_EQ(s.customTracks.printData, nullptr);

    // The screen object writes the default layout (one track of 25 blocks of 5 pixels), then the
    // window counts it and lays the screen out with it.
    s.well.customTracksEnabled = true;
    w.window.LoadCustomTracks(false);
    ASSERT_NE(s.customTracks.data, nullptr);
    s.customTracks.data->LoadTrackConfig();
    w.window.LoadCustomTracks(false);
    ASSERT_EQ(s.customTracks.host.customTotalWidth, 125);
    w.window.SetLogFormat(12);

    const layout::PrintLayout p = w.window.LayoutTracks(20.0f);
    const layout::CUSTOMDATA* print = s.customTracks.printData.get();
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->printing);
    ASSERT_EQ(print->trackCount, 1);
    EXPECT_EQ(print->printSet[0].leftX, p.gasRight);
    EXPECT_EQ(s.customTracks.host.printTotalWidth, 250);
    EXPECT_EQ(print->printSet[0].rightX, p.descriptionRight);
    EXPECT_EQ(p.rightEnd, p.descriptionRight);
    EXPECT_EQ(s.layout.print.descriptionRight, p.descriptionRight);

    // Without custom tracks the print copy goes.
    s.well.customTracksEnabled = false;
    w.window.LayoutTracks(20.0f);
    EXPECT_EQ(s.customTracks.printData, nullptr);
}
