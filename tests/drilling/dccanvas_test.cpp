// The drilling status on a Dc: the fills in their colours and the texts with their alignment, font
// and colour, the Dc left as it was.
#include "drilling/draw/dccanvas.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace drilling;
using platform::RGB;

namespace {

TEST(DcCanvas, FillsAndTextsLeaveTheDcAsTheyFoundIt)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    dc.SelectObject(platform::Brush(RGB(0, 0, 255)));
    dc.RecordText(true);
    const platform::Font status(QStringLiteral("Arial"), -12, 700);
    DcCanvas canvas(dc, status, platform::Font(QStringLiteral("Arial"), -10));

    canvas.Fill(10, 10, 50, 30, kRed);
    canvas.Fill(60, 10, 90, 30, std::nullopt);
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(49, 29), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(50, 30), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(60, 10), RGB(0, 0, 255));  // the current brush

    canvas.Text(100, 40, QStringLiteral("DRILLING"), TextAlign::Centre, FontRole::Status, kBlack);
    canvas.Text(5, 60, QStringLiteral("< 1230"), TextAlign::TopLeft, FontRole::Log, kRed);
    ASSERT_EQ(dc.TextRecord().size(), 2u);
    const platform::DcText& centred = dc.TextRecord()[0];
    EXPECT_EQ(centred.align, unsigned(platform::TA_CENTER | platform::TA_TOP));
    EXPECT_EQ(centred.bkMode, platform::TRANSPARENT);
    EXPECT_EQ(centred.font.height, -12);
    const platform::DcText& mark = dc.TextRecord()[1];
    EXPECT_EQ(mark.at.x, 5);
    EXPECT_EQ(mark.textColor, RGB(255, 0, 0));
    EXPECT_EQ(mark.font.height, -10);
    EXPECT_EQ(dc.GetTextAlign(), unsigned(platform::TA_LEFT | platform::TA_TOP));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));

    // The stroke counter's lines: bottom-aligned, their cells filled, the Dc's background kept.
    dc.SetBkColor(RGB(1, 2, 3));
    DcCanvas strokes(dc, status, status, StrokesFont(10));
    strokes.Text(5, 90, QStringLiteral("Pump 1 Total:"), TextAlign::BottomLeft, FontRole::Strokes, kBlack, RGB(255, 255, 255));
    const platform::DcText& line = dc.TextRecord().back();
    EXPECT_EQ(line.align, unsigned(platform::TA_LEFT | platform::TA_BOTTOM));
    EXPECT_EQ(line.bkMode, platform::OPAQUE);
    EXPECT_EQ(line.bkColor, RGB(255, 255, 255));
    EXPECT_EQ(line.font.face, "Arial Bold");
    EXPECT_EQ(line.font.height, 16);
    EXPECT_EQ(line.font.weight, 400);
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE);
}

}  // namespace
