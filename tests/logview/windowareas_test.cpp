// Saved window areas: what the drags save comes back byte for byte, and a failed restore costs a
// redraw, never a message box.
#include "app/logstate.h"
#include "logview/draw/windowareas.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <memory>

using namespace platform;
using testing_support::doubles;

namespace {

// The bytes of `r` in `image`.
QByteArray Bytes(const QImage& image, const RECT& r)
{
    QByteArray out;
    for (int y = r.top; y < r.bottom; ++y)
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)) + 4 * r.left, 4 * r.Width());
    return out;
}

}  // namespace

TEST(WindowAreas, SaveThenRestoreGivesTheSameBytesBack)
{
    QImage window = testing_support::White(300, 200);
    Dc dc(window);
    dc.SelectObject(Brush(RGB(10, 200, 30)));
    dc.Ellipse(20, 30, 180, 150);
    dc.SetPixel(60, 50, RGB(1, 2, 3));
    const RECT r{40, 40, 140, 110};
    const QByteArray before = Bytes(window, r);

    QImage area(r.Width(), r.Height(), QImage::Format_RGB32);
    EXPECT_EQ(logview::SaveWindowArea(dc, area, r), 1);
    // A rubber band over it, in XOR as the drags draw.
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(Pen(RGB(255, 255, 255), 3));
    dc.MoveTo(0, 0);
    dc.LineTo(300, 200);
    dc.SetROP2(R2_COPYPEN);
    ASSERT_NE(Bytes(window, r), before);

    auto state = std::make_unique<app::LogState>();
    state->view.redrawPending = false;
    EXPECT_EQ(logview::RestoreWindowArea(dc, area, r, state->view.redrawPending, state->view.invalidate), 1);
    EXPECT_EQ(Bytes(window, r), before);
    EXPECT_FALSE(state->view.redrawPending);
}

TEST(WindowAreas, AFailedRestoreAsksForARedrawInsteadOfAMessage)
{
    QImage window = testing_support::White(100, 100);
    Dc dc(window);
    auto state = std::make_unique<app::LogState>();
    state->view.redrawPending = false;
    int invalidated = 0;
    state->view.invalidate = [&] { ++invalidated; };

    const QImage neverSaved;
    EXPECT_EQ(logview::RestoreWindowArea(dc, neverSaved, RECT{10, 10, 50, 50}, state->view.redrawPending,
                                         state->view.invalidate), 0);
    EXPECT_TRUE(state->view.redrawPending);
    EXPECT_EQ(invalidated, 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(testing_support::Touched(dc, 100, 100, RGB(255, 255, 255)).right, 0);
}
