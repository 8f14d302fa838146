// Report markers, depth triangles and slide bars on the demo well's layout.
#include "logview/draw/markers.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace platform;
using testing_support::Ink;
using testing_support::White;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

class Markers : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        SetViewTop(1590);
        g = Geometry();
        dc.RecordText(true);
    }
    // The texts drawn so far.
    std::vector<QString> Texts() const
    {
        std::vector<QString> out;
        for (const DcText& t : dc.TextRecord())
            out.push_back(t.text);
        return out;
    }
    QImage image = White(1920, 1080);
    Dc dc{image};
    logview::ViewGeometry g;
};

wellfile::RECORD Slide(bool on)
{
    wellfile::RECORD r;
    r.slide = on ? 1 : 0;
    return r;
}

}  // namespace

TEST_F(Markers, ShowMarkerIsARedBoxEndingOnItsDepthLineWithItsLetterOnTop)
{
    logview::DrawShowMarkers(dc, g, s.well.showDepthIndex, 1590, 1664);
    // Only the show at 1604 lies in the window; its line is y 300.
    EXPECT_EQ(Ink(dc, 1920, 1080, kRed), (RECT{239, 280, 259, 300}));
    EXPECT_EQ(dc.GetPixel(259, 290), kWhite);
    EXPECT_EQ(dc.GetPixel(249, 300), kWhite);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    const DcText& t = dc.TextRecord()[0];
    EXPECT_EQ(t.text, "S");
    EXPECT_EQ(t.at, (POINT{249, 280}));
    EXPECT_EQ(t.align, unsigned(TA_CENTER | TA_TOP));
    EXPECT_EQ(t.bkMode, TRANSPARENT);
    // The Dc is left as it was found.
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.CurrentPen(), Pen());
    EXPECT_EQ(dc.CurrentBrush(), Brush());
}

TEST_F(Markers, EachKindHasItsOwnDepthWindow)
{
    // The paint's window: from the view top to the last record drawn + 2.
    const std::int32_t from = 1590, bottom = 1662, to = bottom + 2;
    const std::array<std::int32_t, 3> atTopAndBottom{from, to + 2, 0};

    logview::DrawShowMarkers(dc, g, std::array<std::int32_t, 3>{from, to, 0}, from, to);
    EXPECT_TRUE(Texts().empty());  // a show at the view top or at `to` is not marked

    logview::DrawDstMarkers(dc, g, atTopAndBottom, from, to);
    EXPECT_EQ(Texts(), std::vector<QString>{"D"});  // at the view top yes; at to + 2 no
    dc.RecordText(true);
    logview::DrawDstMarkers(dc, g, std::array<std::int32_t, 2>{from - 2, to + 1}, from, to);
    EXPECT_EQ(Texts(), std::vector<QString>{"D"});

    dc.RecordText(true);
    logview::DrawReportMarkers(dc, g, atTopAndBottom, from, to);
    logview::DrawDowntimeMarkers(dc, g, atTopAndBottom, from, to);
    EXPECT_EQ(Texts(), (std::vector<QString>{"R", "R", "DTR", "DTR"}));
    dc.RecordText(true);
    logview::DrawReportMarkers(dc, g, std::array<std::int32_t, 1>{to + 3}, from, to);
    EXPECT_TRUE(Texts().empty());
}

TEST_F(Markers, DowntimeBoxStandsInTheGasTrackAndKeepsTheDcsPen)
{
    const Pen grey(RGB(128, 128, 128), 1);
    dc.SelectObject(grey);
    logview::DrawDowntimeMarkers(dc, g, std::array<std::int32_t, 1>{1604}, 1590, 1664);
    // Gas track left 739: the box from 749 to 789 above the line y 300, "DTR" at 769.
    EXPECT_EQ(Ink(dc, 1920, 1080, RGB(255, 0, 255)), (RECT{750, 281, 788, 299}));
    EXPECT_EQ(dc.GetPixel(749, 290), RGB(128, 128, 128));
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{769, 280}));
    EXPECT_EQ(dc.CurrentPen(), grey);
}

TEST_F(Markers, TablesEndAtTheirFirstZeroOrTheirLength)
{
    // Before a file is opened the tables hold "0000" in every entry and no 0.
    std::array<std::int32_t, 100> unfilled;
    unfilled.fill(app::kUnfilledDepthIndex);
    logview::DrawShowMarkers(dc, g, unfilled, 1590, 1664);
    logview::DrawReportMarkers(dc, g, unfilled, 1590, 1664);
    EXPECT_TRUE(Texts().empty());

    // Entries after the first 0 are not read; a table without a 0 is read to its end only.
    const std::array<std::int32_t, 4> table{1600, 0, 1610, 1620};
    logview::DrawReportMarkers(dc, g, table, 1590, 1664);
    EXPECT_EQ(Texts(), std::vector<QString>{"R"});
    dc.RecordText(true);
    logview::DrawReportMarkers(dc, g, std::span(table).subspan(2, 1), 1590, 1664);
    EXPECT_EQ(Texts(), std::vector<QString>{"R"});
}

TEST_F(Markers, DepthTrianglesFlankTheLithologyColumnOnScreenAndOnPaper)
{
    EXPECT_EQ(logview::DrawDepthMarkers(dc, g, logview::Device::Screen(), 300, 10), 1);
    // Lithology column 346-446; triangles 15 high and 15 wide pointing outward.
    EXPECT_EQ(dc.GetPixel(342, 297), kBlack);
    EXPECT_EQ(dc.GetPixel(450, 297), kBlack);
    EXPECT_EQ(dc.GetPixel(350, 297), kWhite);
    EXPECT_EQ(dc.GetPixel(440, 297), kWhite);
    const RECT ink = Ink(dc, 1920, 1080, kBlack);
    EXPECT_EQ(ink.left, 331);
    EXPECT_EQ(ink.right, 462);
    EXPECT_EQ(ink.top, 285);
    EXPECT_EQ(dc.CurrentBrush(), Brush());

    QImage paper = White(600, 600);
    Dc pdc(paper);
    logview::Device printer;
    printer.printing = true;
    printer.printer.lithologyLeft = 100;
    printer.printer.lithologyCellWidth = 20;
    logview::DrawDepthMarkers(pdc, g, printer, 500, 30);
    EXPECT_EQ(pdc.GetPixel(90, 495), kBlack);   // left of 100
    EXPECT_EQ(pdc.GetPixel(310, 495), kBlack);  // right of 100 + 10 x 20
    EXPECT_EQ(pdc.GetPixel(200, 495), kWhite);
    EXPECT_EQ(Ink(pdc, 600, 600, kBlack).top, 455);  // 1.5 printer rows
}

TEST_F(Markers, SlideBarsStepAFifthOfARowTruncated)
{
    const COLORREF slide = g.pens.SlideColour();
    ASSERT_NE(slide, kWhite);
    // Row height 13: each step is trunc(2.6) = 2 pixels, so the tenth record's bar starts 18 below.
    std::vector<wellfile::RECORD> records(10, Slide(false));
    records[9] = Slide(true);
    EXPECT_EQ(logview::DrawMarkerLines(dc, g, logview::Device::Screen(), records, 72, 13, 0, 400), 1);
    const int x = g.rate.left + 2;
    EXPECT_EQ(dc.GetPixel(x, 419), slide);
    EXPECT_EQ(dc.GetPixel(x, 412), kWhite);
    EXPECT_EQ(dc.GetPixel(x, 426), kWhite);
    // Six pixels wide about the bar's x.
    EXPECT_EQ(Ink(dc, 1920, 1080, slide).right - Ink(dc, 1920, 1080, slide).left, 6);

    // No more than ten records are drawn, and never more than were passed.
    std::vector<wellfile::RECORD> many(12, Slide(true));
    QImage other = White(400, 600);
    Dc odc(other);
    logview::DrawMarkerLines(odc, g, logview::Device::Screen(), many, 72, 10, 0, 100);
    EXPECT_LE(Ink(odc, 400, 600, slide).bottom, 100 + 10 * 2 + 3);
    EXPECT_GE(Ink(odc, 400, 600, slide).bottom, 100 + 10 * 2);
    logview::DrawMarkerLines(odc, g, logview::Device::Screen(), std::span(many).first(0), 72, 10, 0, 300);
    EXPECT_LE(Ink(odc, 400, 600, slide).bottom, 100 + 10 * 2 + 3);
    EXPECT_EQ(odc.CurrentPen(), Pen());
}

TEST_F(Markers, PrintedSlideBarsAreFilledRectanglesAtThePrintersRateTrack)
{
    logview::Device printer;
    printer.printing = true;
    printer.printer.rateLeft = 50;
    const std::vector<wellfile::RECORD> records{Slide(true), Slide(false), Slide(true)};
    for (const int colour : {0, 1}) {
        SCOPED_TRACE(colour);
        QImage paper = White(300, 300);
        Dc pdc(paper);
        // Printer row height 30: bars of 6 rows of pixels, one record in two.
        logview::DrawMarkerLines(pdc, g, printer, records, colour, 30, 40, 100);
        const COLORREF c = colour == 0 ? kBlack : g.pens.SlideColour();
        EXPECT_EQ(Ink(pdc, 300, 300, c), (RECT{50, 100, 90, 118}));
        EXPECT_EQ(pdc.GetPixel(70, 103), c);
        EXPECT_EQ(pdc.GetPixel(70, 108), kWhite);  // the second record has no slide
    }
}
