// Clicks on the demo's log on a real X server with a window manager, as the manual tells a newcomer:
// a show's red marker opens the show's report on one click.
#include "demo/demowell.h"
#include "support/logshot.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/xsession.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

class RealXClicks : public RealXScreens {
protected:
    void SetUp() override
    {
        RealXScreens::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(demo::MakeDemoWell(folder));
    }

    QImage StartProgram()
    {
        EXPECT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        EXPECT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        EXPECT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
        EXPECT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        x.Run("xdotool", {"mousemove", "0", QString::number(GetParam().height() - 1)});
        return x.Settled();
    }
};

}  // namespace

// The first show marker up the log (a red box beside the rate track, an "S" in it): one click on its
// letter opens the show's report.
TEST_P(RealXClicks, OneClickOnAShowMarkerOpensItsReport)
{
    QImage shot = StartProgram();
    const int top = LogTop(shot), rateRight = RateLeft(shot, top + 5) + 250;
    const auto red = [&shot](int px, int py) { return (shot.pixel(px, py) & 0xFFFFFF) == 0xFF0000; };
    QPoint marker(-1, -1);
    for (int page = 0; page < 40 && marker.x() < 0; ++page) {
        for (int py = top; py + 12 < shot.height() && marker.x() < 0; ++py)
            for (int px = rateRight - 20; px <= rateRight && marker.x() < 0; ++px)
                if (red(px, py) && red(px, py + 12))
                    marker = QPoint(px, py);
        if (marker.x() < 0) {
            x.Key("Prior");
            shot = x.Settled();
        }
    }
    ASSERT_GE(marker.x(), 0) << "no show marker on the log";
    // The "S" in the box: its first dark pixel.
    QPoint letter(-1, -1);
    for (int py = marker.y(); py < marker.y() + 20 && letter.x() < 0; ++py)
        for (int px = marker.x(); px <= rateRight && letter.x() < 0; ++px)
            if (qGray(shot.pixel(px, py)) < 80)
                letter = QPoint(px, py);
    ASSERT_GE(letter.x(), 0) << "no letter in the marker";
    x.Click(letter.x(), letter.y());
    EXPECT_FALSE(x.WaitForWindow("^STRATIV SHOW REPORT$", 5000).isEmpty()) << "one click opened no report";
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXClicks, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
