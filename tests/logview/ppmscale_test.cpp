// The ppm scale's legend on the demo well's layout: names and units from the pen table, the place by
// the flags and arguments, and the pen samples.
#include "logview/draw/ppmscale.h"
#include "platform/draw/dc.h"
#include "platform/draw/textcells.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;

namespace {

class PpmScale : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();  // R = U = 10, gas right 1054
        pens = s.layout.pens;
        for (int i = 0; i < 8; ++i) {
            layout::PenEntry& e = pens.table.entry[i];
            e.colour = RGB(20 * i, 200, 100);
            e.style = 0;
            pens.pens[std::size_t(i)] = {e.colour, 1, layout::PS_SOLID};
        }
        dc.RecordText(true);
    }
    POINT At(int entry) const { return dc.TextRecord()[std::size_t(entry)].at; }

    logview::ViewGeometry g;
    layout::LogPens pens;
    QImage image = testing_support::White(1400, 1000);
    Dc dc{image};
};

}  // namespace

TEST_F(PpmScale, EightEntriesFromThePenTable)
{
    platform::SetFieldText(pens.table.entry[3].name, " PROPANE ");
    dc.SetTextColor(RGB(1, 2, 3));
    EXPECT_EQ(logview::DrawPpmScale(dc, g, pens, {}, 0, 0), 1);

    const std::vector<DcText>& t = dc.TextRecord();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[0].text, QString::fromStdString(platform::FieldText(pens.table.entry[0].name)) + " % ");
    EXPECT_EQ(t[3].text, " PROPANE  ppm ");
    for (int i = 0; i < 8; ++i) {
        // Default place: gas right - 15 U - R, from 2 R down, one row height + 5 apart.
        EXPECT_EQ(t[std::size_t(i)].at, (POINT{1054 - 150 - 10, 20 + 15 * i})) << i;
        EXPECT_EQ(t[std::size_t(i)].textColor, pens.table.entry[i].colour) << i;
    }
    EXPECT_EQ(t[0].align, unsigned(TA_LEFT | TA_BOTTOM));
    EXPECT_EQ(t[0].bkMode, TRANSPARENT);
    // The samples stand in one column half a unit right of the widest name (" PROPANE  ppm " here),
    // at least 8 units from the names' x, 4 units long, each in the row of its own name: the text ends
    // at its y, the step above it is the name's row (the next name's starts at its y).
    int widest = 0;
    for (const DcText& d : t)
        widest = std::max(widest, int(TextCell(dc, d.at.x, d.at.y, d.text, d.align, d.font).right) - d.at.x);
    const int lead = std::max(80, widest + 5);
    EXPECT_GT(lead, 80) << "a name as wide as the 8 units the samples start at by default";
    for (int i = 0; i < 8; ++i) {
        const int lineY = 20 + 15 * i - 8;
        EXPECT_EQ(dc.GetPixel(894 + lead - 1, lineY), RGB(255, 255, 255)) << i;
        EXPECT_EQ(dc.GetPixel(894 + lead, lineY), pens.table.entry[i].colour) << i;
        EXPECT_EQ(dc.GetPixel(894 + lead + 39, lineY), pens.table.entry[i].colour) << i;
        EXPECT_EQ(dc.GetPixel(894 + lead + 40, lineY), RGB(255, 255, 255)) << i;
        for (int y = lineY - 6; y < lineY + 8; ++y)
            EXPECT_EQ(dc.GetPixel(894 + lead + 20, y) == pens.table.entry[i].colour, y == lineY) << i << " " << y;
    }
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);

    // A positive x places the text 2 R right of it. The image: low on the header, gas right - 10 U
    // + 2 R, samples 10 units long, never moved for drilling. Drilling otherwise moves it clear of the
    // status display.
    dc.RecordText(true);
    logview::DrawPpmScale(dc, g, pens, {}, 100, 300);
    EXPECT_EQ(At(0), (POINT{120, 300}));
    dc.RecordText(true);
    logview::DrawPpmScale(dc, g, pens, {.imageRender = true, .drilling = true}, 0, 0);
    EXPECT_EQ(At(0), (POINT{1054 - 100 + 20, 500}));
    EXPECT_EQ(dc.GetPixel(974 + lead + 99, 492), pens.table.entry[0].colour);
    EXPECT_EQ(dc.GetPixel(974 + lead + 100, 492), RGB(255, 255, 255));
    dc.RecordText(true);
    g.logWidth = 1200;  // custom tracks right of the gas track
    logview::DrawPpmScale(dc, g, pens, {.drilling = true}, 0, 0);
    EXPECT_EQ(At(0), (POINT{894 + 100, 20 + 220}));
    // Moved no further than to end (names, then a sample of 4 U) a unit inside the log's right end,
    // which a narrow window's horizontal scroll brings to view.
    g.logWidth = 1000;
    dc.RecordText(true);
    logview::DrawPpmScale(dc, g, pens, {.drilling = true}, 0, 0);
    EXPECT_EQ(At(0), (POINT{1000 - 10 - lead - 40, 20 + 220}));
    EXPECT_EQ(dc.GetPixel(1000 - 10 - 1, 240 + 15 - 8), pens.table.entry[1].colour);
}

TEST_F(PpmScale, StyledEntryDrawsItsWidthAsOnePixelLines)
{
    layout::PenEntry& e = pens.table.entry[2];
    e.style = layout::PS_DASH;
    auto inked = [&](int y) {
        for (int x = 974; x < 1014; ++x)
            if (dc.GetPixel(x, y) == e.colour)
                return true;
        return false;
    };
    // Entry 2's name ends at y 20 + 2 x 15: its dashed lines stand in the middle of the row above, a
    // damaged width no more lines than that row holds.
    for (int width : {3, 2000000000}) {
        e.width = width;
        const int first = width == 3 ? 41 : 35, last = width == 3 ? 43 : 49;
        image.fill(Qt::white);
        logview::DrawPpmScale(dc, g, pens, {}, 0, 0);
        EXPECT_FALSE(inked(first - 1)) << width;
        EXPECT_TRUE(inked(first)) << width;
        EXPECT_TRUE(inked(last)) << width;
        EXPECT_FALSE(inked(last + 1)) << width;
    }
}
