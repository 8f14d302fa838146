// The value boxes' keys and the row marker of the entry dialogs.
#include "entry/draw/depthlines.h"
#include "entry/entrykeys.h"
#include "platform/draw/dc.h"
#include "support/viewfixture.h"

#include <QImage>

#include <gtest/gtest.h>


using entry::EntryBox;
using entry::KeyRoute;
using entry::RouteEntryKey;

TEST(EntryKeys, EachBoxHandsOnItsOwnKeys)
{
    using namespace entry;
    // Enter always hands on the box's text; Up and Down go without it (the lithology box passes its empty
    // buffer); Left only from the gas box.
    for (EntryBox box : {EntryBox::Gas, EntryBox::Lithology, EntryBox::Show, EntryBox::Rate})
        EXPECT_EQ(RouteEntryKey(box, KEY_RETURN, false), KeyRoute::PassText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Gas, KEY_UP, false), KeyRoute::PassNoText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Rate, KEY_DOWN, false), KeyRoute::PassNoText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Show, KEY_UP, false), KeyRoute::PassNoText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Lithology, KEY_DOWN, false), KeyRoute::PassEmpty);
    EXPECT_EQ(RouteEntryKey(EntryBox::Gas, KEY_LEFT, false), KeyRoute::PassNoText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Rate, KEY_LEFT, false), KeyRoute::Edit);
    EXPECT_EQ(RouteEntryKey(EntryBox::Gas, KEY_ADD, false), KeyRoute::PassNoText);
    EXPECT_EQ(RouteEntryKey(EntryBox::Rate, KEY_ADD, false), KeyRoute::Edit);
    EXPECT_EQ(RouteEntryKey(EntryBox::Rate, '5', false), KeyRoute::Edit);

    // With Ctrl: every key from the rate, show and lithology boxes; from the gas box only a few.
    for (int key : std::initializer_list<int>{'F', 'D', 'C', KEY_RETURN, KEY_UP}) {
        EXPECT_EQ(RouteEntryKey(EntryBox::Rate, key, true), KeyRoute::PassCtrl);
        EXPECT_EQ(RouteEntryKey(EntryBox::Show, key, true), KeyRoute::PassCtrl);
        EXPECT_EQ(RouteEntryKey(EntryBox::Lithology, key, true), KeyRoute::PassCtrl);
    }
    for (int key : std::initializer_list<int>{KEY_UP, KEY_DOWN, KEY_LEFT, 'C', 'D', KEY_NUMPAD3, KEY_NUMPAD4})
        EXPECT_EQ(RouteEntryKey(EntryBox::Gas, key, true), KeyRoute::PassCtrl);
    EXPECT_EQ(RouteEntryKey(EntryBox::Gas, 'F', true), KeyRoute::Edit);
    EXPECT_EQ(RouteEntryKey(EntryBox::Gas, KEY_RETURN, true), KeyRoute::Edit);
}

class DepthLines : public testing_support::ViewTest {};

TEST_F(DepthLines, XorLinesFromTheRateTrackToTheGasTrackTakeThemselvesOff)
{
    const logview::ViewGeometry g = Geometry();  // rate track from 9, gas track from 739, R = 10
    QImage image(1100, 600, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    for (int x = 300; x < 400; ++x)
        image.setPixel(x, 265, qRgb(10, 20, 30));  // something under the lines
    const QImage before = image;
    const QRgb green = qRgb(0, 255, 0);  // magenta over white
    {
        platform::Dc dc(image);
        EXPECT_TRUE(entry::DrawDepthLines(dc, g, 260, false, false));
    }
    EXPECT_EQ(image.pixel(9, 260), green);
    EXPECT_EQ(image.pixel(738, 260), green);
    EXPECT_EQ(image.pixel(8, 260), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(739, 260), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(500, 270), green);
    EXPECT_EQ(image.pixel(500, 261), qRgb(255, 255, 255));
    {
        platform::Dc dc(image);
        entry::DrawDepthLines(dc, g, 260, false, false);
    }
    EXPECT_EQ(image, before);

    // A step: the old row's line goes and the next row's stays; up draws the row above.
    {
        platform::Dc dc(image);
        entry::DrawDepthLines(dc, g, 260, false, true);
        entry::DrawDepthLines(dc, g, 260, false, false);
    }
    EXPECT_EQ(image.pixel(500, 260), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(500, 270), green);
    {
        platform::Dc dc(image);
        entry::DrawDepthLines(dc, g, 280, true, false);
    }
    EXPECT_EQ(image.pixel(500, 270), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(500, 280), green);
}
