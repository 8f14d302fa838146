// The drawing-state keeper: whatever a painter sets is put back when its scope ends, however it ends.
#include "platform/draw/dc.h"
#include "support/images.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const Pen kCallerPen(RGB(0, 0, 255), 1);
const Brush kCallerBrush(RGB(0, 255, 0));
const Font kCallerFont(QStringLiteral("Arial"), -12);

void SetCallerState(Dc& dc)
{
    dc.SelectObject(kCallerPen);
    dc.SelectObject(kCallerBrush);
    dc.SelectObject(kCallerFont);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkColor(RGB(4, 5, 6));
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.SetBkMode(TRANSPARENT);
    dc.SetROP2(R2_COPYPEN);
    dc.SetViewportOrg(3, 4);
}

// Changes every part of the state, reads back what the caller had, and leaves early when asked.
bool Painter(Dc& dc, bool leaveEarly, Pen& keptPen, COLORREF& keptText)
{
    const KeepDcState keep(dc);
    dc.SelectObject(Pen(RGB(255, 0, 0), 3, PS_DASH));
    dc.SelectObject(Brush::Hatched(HS_CROSS, RGB(255, 0, 0)));
    dc.SelectObject(Font(QStringLiteral("Courier New"), 30, FW_BOLD));
    dc.SetTextColor(RGB(200, 0, 0));
    dc.SetBkColor(RGB(0, 0, 0));
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.SetBkMode(OPAQUE);
    dc.SetROP2(R2_XORPEN);
    dc.SetViewportOrg(-50, -60);
    keptPen = keep.KeptPen();
    keptText = keep.KeptTextColor();
    if (leaveEarly)
        return false;
    dc.Rectangle(60, 70, 80, 90);
    return true;
}

}  // namespace

TEST(KeepDcState, PutsBackAllAPainterChangedAlsoWhenItLeavesEarly)
{
    for (const bool early : {false, true}) {
        QImage image = testing_support::White(40, 40);
        Dc dc(image);
        SetCallerState(dc);
        Pen keptPen;
        COLORREF keptText = 0;
        EXPECT_EQ(Painter(dc, early, keptPen, keptText), !early);

        // Mid-scope the keeper names what the caller had.
        EXPECT_EQ(keptPen, kCallerPen);
        EXPECT_EQ(keptText, RGB(1, 2, 3));
        // Afterwards the caller's state is whole again.
        EXPECT_EQ(dc.CurrentPen(), kCallerPen);
        EXPECT_EQ(dc.CurrentBrush(), kCallerBrush);
        EXPECT_EQ(dc.CurrentFont(), kCallerFont);
        EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
        EXPECT_EQ(dc.GetBkColor(), RGB(4, 5, 6));
        EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_RIGHT | TA_BOTTOM));
        EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
        EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
        EXPECT_EQ(dc.GetViewportOrg(), (POINT{3, 4}));

        // The caller draws as before the painter: a copy-mix rectangle in its own pen and brush, moved by
        // its own origin to (5, 6)..(11, 12).
        dc.Rectangle(2, 2, 8, 8);
        EXPECT_EQ(image.pixel(8, 9) & 0xFFFFFF, 0x00FF00u) << "early " << early;  // the caller's brush
        EXPECT_EQ(image.pixel(5, 8) & 0xFFFFFF, 0x0000FFu) << "early " << early;  // its pen
        EXPECT_EQ(image.pixel(4, 8) & 0xFFFFFF, 0xFFFFFFu) << "early " << early;
    }
}
