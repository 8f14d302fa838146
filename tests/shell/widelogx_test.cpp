// The log wider than the window (1,024 x 768: ten-pixel track units on every screen) on a real X server
// with a window manager: slid to its end by the horizontal bar's arrow, the log's last track with its
// scale labels stands whole left of the depth scroll bar, which stands over the log.
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"


#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The rows of the log's body on a 768-pixel screen, under the title band and above the scale bars: the
// white pixels of column `x` there, and whether it equals column `xb` of `b`.
constexpr int kBodyTop = 300, kBodyBottom = 650, kBodyRows = kBodyBottom - kBodyTop + 1;

int White(const QImage& a, int x)
{
    int n = 0;
    for (int y = kBodyTop; y <= kBodyBottom; ++y)
        n += (a.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? 1 : 0;
    return n;
}

bool ColumnsAlike(const QImage& a, int x, const QImage& b, int xb)
{
    for (int y = kBodyTop; y <= kBodyBottom; ++y)
        if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(xb, y) & 0xFFFFFF))
            return false;
    return true;
}

TEST(WideLogX, SlidToItsEndTheLogsLastTrackStandsWholeLeftOfTheDepthBar)
{
    if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    XSession x;
    const QString program = x.StartForProgram(QSize(1024, 768));
    ASSERT_FALSE(program.isEmpty());
    Child app;
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(TestDir() + "home")));
    const QString main = x.WaitForWindow("^StrativM ");
    ASSERT_FALSE(main.isEmpty()) << "no main window";
    ASSERT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
    x.Run("xdotool", {"mousemove", "0", "767"});
    const QImage start = x.Settled();

    // The horizontal bar's right arrow, at the client's bottom right left of the bars' corner, pressed
    // until the log moves no more.
    const QRect client = x.Client(main);
    const int right = client.x() + client.width(), bottom = client.y() + client.height();
    ASSERT_EQ(right, 1024) << "the window does not fill the screen";
    for (int i = 0; i < 30; ++i)
        x.Click(right - 22, bottom - 5);
    x.Run("xdotool", {"mousemove", "0", "767"});
    const QImage end = x.Settled();

    // How far the log slid: the body's columns of the end found in the start's further right.
    int slid = 0;
    for (int d = 1; d < 300 && slid == 0; ++d) {
        bool alike = true;
        for (int c = 0; c < 500 && alike; c += 3)
            alike = ColumnsAlike(end, c, start, c + d);
        slid = alike ? d : 0;
    }
    ASSERT_GT(slid, 0) << "the log did not slide";
    // The depth bar: from the log's middle on, the first eight columns without white (the log's grid has
    // white between its lines). Right before it the log has ended: blank columns, its last track's right
    // edge and labels left of them.
    const auto solid = [&end](int c) {
        for (int k = 0; k < 8; ++k)
            if (White(end, c + k) > 0)
                return false;
        return true;
    };
    int bar = 500;
    while (bar + 8 < 1024 && !solid(bar))
        ++bar;
    ASSERT_LT(bar + 8, 1024) << "no depth bar found";
    int blank = 0;
    while (blank < 30 && White(end, bar - 1 - blank) == kBodyRows)
        ++blank;
    EXPECT_GE(blank, 2) << "the log runs on under the depth bar at x " << bar << " (slid " << slid << ")";
    EXPECT_LT(blank, 30) << "no log before the depth bar";
    app.Kill();
}

}  // namespace
