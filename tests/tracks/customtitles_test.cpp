// The scale labels and title strips of the custom tracks, read through the Dc's text record: the label
// texts and where they stand, the gas maxima taken from the records, the tracks that get none, the
// "Elog Lith" title, downward titles, the compact strip of drilling and the printed strip's layout.
#include "tracks/draw/customlabels.h"
#include "tracks/draw/customtitles.h"
#include "tracks/draw/verticaltext.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/textrecord.h"
#include "tracks/customscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kR = 10, kTop = 160;

class CustomTitlesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.topMargin = kTop;
        dc.RecordText(true);
    }
    // Track t from `left`, `width` wide in blocks of 10, titled `title`.
    layout::CustomTrackEntry& Track(int t, int left, int width, const char* title = "")
    {
        layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        e.leftX = left;
        e.rightX = left + width;
        e.blockWidth = 10;
        e.blockCount = width / 10;
        std::strncpy(e.title, title, sizeof e.title - 1);
        host.titleRects[std::size_t(t)] = {left, kTop - 15 * kR, left + width, kTop};
        data.trackCount = std::max(data.trackCount, t + 1);
        return e;
    }
    static void Curve(layout::CustomTrackEntry& e, int c, std::uint16_t code, float minimum, float maximum,
                      bool fromLeft, const char* name = "")
    {
        e.dataCode[c] = code;
        e.minimum[c] = minimum;
        e.maximum[c] = maximum;
        e.direction[c] = fromLeft ? 1 : 0;
        e.colour[c] = RGB(0, 0, 255);
        std::strncpy(e.label[c], name, sizeof e.label[c] - 1);
    }
    std::vector<const platform::DcText*> Texts(const QString& text) const
    {
        std::vector<const platform::DcText*> out;
        for (const auto& t : dc.TextRecord())
            if (t.text == text)
                out.push_back(&t);
        return out;
    }
    platform::POINT At(const QString& text) const { return testing_support::TextAt(dc, text); }

    layout::CustomTrackHost host;
    layout::CUSTOMDATA data{&host, false};
    logview::ViewGeometry g;
    logview::Device device;
    QImage image = testing_support::White(1200, 1000);
    platform::Dc dc{image};
};

TEST_F(CustomTitlesTest, CurveLabelsStandAtTheEdgesOneCurveUnderTheOther)
{
    Curve(Track(0, 100, 40), 0, 13, 0.5f, 10, true, "NARROW");
    Curve(Track(1, 140, 60), 0, 13, 0.5f, 10, true, "WIDE");
    Curve(data.paintSet[1], 1, 15, 0, 100, false, "REV");
    DrawCurveScaleLabels(dc, data, g, device, {}, 500, 900, kR);
    EXPECT_EQ(At("<0").x, 100);
    EXPECT_EQ(At("<0").y, 490);
    EXPECT_EQ(At("<0.50").x, 140);
    EXPECT_EQ(At("NARROW").x, 120);
    EXPECT_EQ(At("NARROW").y, 478);
    // The reversed curve under the first of its track: its maximum at the left edge.
    EXPECT_EQ(At("<100").x, 140);
    EXPECT_EQ(At("<100").y, 515);
    EXPECT_EQ(At("0>").x, 200);
    EXPECT_EQ(testing_support::TextsByContent(dc).at("0>")->align, unsigned(platform::TA_RIGHT));
    EXPECT_EQ(testing_support::TextsByContent(dc).at("REV")->textColor, RGB(0, 0, 255));

    // Title strips set the texts in and close up; paper without colour writes black.
    dc.RecordText(true);
    device.printing = true;
    DrawTitleScaleLabels(dc, data, g, device, {}, 20, 0, kR);
    EXPECT_EQ(At("<0").x, 102);
    EXPECT_EQ(At("0>").x, 198);
    EXPECT_EQ(At("REV").y, 20 + 19 - 15);
    EXPECT_EQ(testing_support::TextsByContent(dc).at("REV")->textColor, RGB(0, 0, 0));
    // A damaged scale's value is written as a whole number an int holds.
    EXPECT_EQ(ScaleLabelText(std::nanf(""), 60, true), "<0");
    EXPECT_EQ(ScaleLabelText(1e20f, 60, false), "2147483647>");
}

TEST_F(CustomTitlesTest, GasMaximaComeFromOneRecordPerCurveAndSomeTracksGetNoLabels)
{
    layout::CustomTrackEntry& e = Track(0, 100, 100);
    Curve(e, 0, 1, 0, 500, true, "TG");
    Curve(e, 1, 13, 0, 100, true, "RPM");
    Curve(e, 2, 2, 0, 500, true, "C1");
    std::vector<wellfile::RECORD> records(2);
    records[0].maxGasScale = 250;
    records[1].maxGasScale = 250;  // read for RPM; C1 has no record left
    DrawCurveScaleLabels(dc, data, g, device, records, 500, 900, kR);
    EXPECT_EQ(Texts("250>").size(), 1u);
    EXPECT_EQ(e.maximum[0], 250.0f);
    EXPECT_EQ(e.maximum[1], 100.0f);
    EXPECT_EQ(e.maximum[2], 500.0f);

    // Outside the log nothing is written; ratio, cell and show tracks never get labels.
    dc.RecordText(true);
    DrawCurveScaleLabels(dc, data, g, device, {}, kTop + 10 - 50, 900, kR);  // the third at top + 10
    DrawCurveScaleLabels(dc, data, g, device, {}, 900, 900, kR);
    for (int kind : {3, 30, 13, 14}) {
        e.kind = kind;
        DrawCurveScaleLabels(dc, data, g, device, {}, 500, 900, kR);
        DrawTitleScaleLabels(dc, data, g, device, {}, 500, 900, kR);
    }
    EXPECT_TRUE(dc.TextRecord().empty());
}

TEST_F(CustomTitlesTest, InterpretedLithologyFromTheElogIsTitledElogLithEverywhere)
{
    Track(0, 100, 100, "LITH").kind = 12;
    data.paintSet[0].lithFromElog = 1;
    Track(1, 200, 100, "LITH2").kind = 11;
    data.paintSet[1].lithFromElog = 1;
    DrawTrackTitles(dc, data, g, device, {}, kR, false);
    EXPECT_EQ(At("Elog Lith").x, 150);
    EXPECT_EQ(At("Elog Lith").y, kTop - 150);
    EXPECT_EQ(At("LITH2").x, 250);

    data.paintSet[0].lithFromElog = 0;  // the title stays until the working set is refilled
    std::strcpy(data.paintSet[0].title, "LITH");
    data.paintSet[0].lithFromElog = 1;
    dc.RecordText(true);
    device.imageExport = true;
    DrawTrackTitles(dc, data, g, device, {}, kR, true);  // an image gets the full strip while drilling
    EXPECT_EQ(At("Elog Lith").y, kTop + 520);

    std::strcpy(data.paintSet[0].title, "LITH");
    dc.RecordText(true);
    device = {};
    device.printing = true;
    device.printer.rowHeight = kR;
    DrawPrintedTitles(dc, data, g, device, {}, 400);
    EXPECT_EQ(Texts("Elog Lith").size(), 1u);
    EXPECT_EQ(Texts("LITH").size(), 0u);
}

TEST_F(CustomTitlesTest, DownwardTitlesAreCappedAtFifteenRowsAndTheirLettersStepAFifthOver)
{
    layout::CustomTrackEntry& e = Track(0, 100, 40, "ABCDEFGHIJKLMNOPQRST");
    e.verticalLabel = 1;
    DrawTrackTitles(dc, data, g, device, {}, kR, false);
    ASSERT_EQ(dc.TextRecord().size(), 20u);
    EXPECT_EQ(dc.TextRecord()[0].text, "A");
    EXPECT_EQ(dc.TextRecord()[0].at.x, 120);
    EXPECT_EQ(dc.TextRecord()[0].at.y, kTop - 150);
    EXPECT_EQ(dc.TextRecord()[1].at.y, kTop - 138);
    EXPECT_EQ(dc.TextRecord()[19].at.y, kTop - 150 + 19 * 12);
    EXPECT_EQ(dc.TextRecord()[0].align, unsigned(platform::TA_CENTER));
    EXPECT_EQ(dc.TextRecord()[0].bkMode, platform::TRANSPARENT);

    // The text's own routine puts back what it changed.
    dc.SetTextAlign(platform::TA_RIGHT);
    DrawVerticalText(dc, "XY", 10, 10, 5);
    EXPECT_EQ(dc.GetTextAlign(), unsigned(platform::TA_RIGHT));
    EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE);
}

TEST_F(CustomTitlesTest, WhileDrillingTheScreenGetsTheCompactStripWithoutLabels)
{
    Curve(Track(0, 100, 100, "GAS"), 0, 13, 0, 100, true, "RPM");
    layout::CustomTrackEntry& down = Track(1, 200, 40, "ROP");
    down.verticalLabel = 1;
    DrawTrackTitles(dc, data, g, device, {}, kR, true);
    EXPECT_EQ(At("GAS").y, kTop - 20);
    EXPECT_EQ(At("R").y, kTop - 45 + 10);  // three letters: 45 high, a row below the box's top
    EXPECT_TRUE(Texts("RPM").empty());
    EXPECT_EQ(image.pixel(150, kTop - 30) & 0xffffff, 0u);  // the box's top line
    EXPECT_EQ(image.pixel(220, kTop - 45) & 0xffffff, 0u);

    dc.RecordText(true);
    DrawTrackTitles(dc, data, g, device, {}, kR, false);
    EXPECT_EQ(At("GAS").y, kTop - 150);
    EXPECT_EQ(At("RPM").y, kTop - 120 - 15);
}

TEST_F(CustomTitlesTest, PrintedTracksAreLaidOutFromTheOriginWithTheirFontByResolution)
{
    host.printCustomX = 500;
    Track(0, 0, 100, "A");
    Track(1, 0, 150, "B");
    Track(2, 0, 80);
    device.printing = true;
    device.printer.rowHeight = 40;
    DrawPrintedTitles(dc, data, g, device, {}, 900);
    const auto& s = data.paintSet;
    EXPECT_EQ(s[0].leftX, 510);
    EXPECT_EQ(s[0].rightX, 610);
    EXPECT_EQ(s[1].leftX, 611);
    EXPECT_EQ(s[1].rightX, 761);
    EXPECT_EQ(s[2].leftX, 762);
    EXPECT_EQ(s[2].rightX, 842);
    EXPECT_EQ(At("A").x, 560);
    EXPECT_EQ(At("A").y, 900 - 440 - 180);
    const platform::DcText* a = testing_support::TextsByContent(dc).at("A");
    EXPECT_EQ(a->font.height, 56);
    EXPECT_EQ(a->font.face, "Arial Bold");
    // Every track gets its separator, titled or not.
    EXPECT_EQ(image.pixel(762, 800) & 0xffffff, 0u);

    dc.RecordText(true);
    device.pdfPrinter = true;
    DrawPrintedTitles(dc, data, g, device, {}, 900);
    EXPECT_EQ(testing_support::TextsByContent(dc).at("A")->font.height, 66);
    device.printer.rowHeight = 30;
    dc.RecordText(true);
    DrawPrintedTitles(dc, data, g, device, {}, 900);
    EXPECT_EQ(testing_support::TextsByContent(dc).at("A")->font.height, 32);
}

}  // namespace
