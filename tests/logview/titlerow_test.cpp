// The title band on the demo well's layout (R = U = 10, T = 160, log width 1064): the panel by pixels,
// the texts through the Dc's text record, the header page and drilling's display through their callers.
#include "logview/draw/titlerow.h"
#include "logview/ui/titlerowpaint.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/recordingpainters.h"
#include "support/textrecord.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace platform;
using testing_support::Ink;
using testing_support::White;

namespace {

constexpr COLORREF kPanel = RGB(220, 220, 220);

class TitleRowTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        dc.RecordText(true);
    }
    void Paint(int clientWidth = 1920)
    {
        dc.RecordText(true);
        logview::PaintTrackTitles(s, dc, clientWidth, painters);
    }
    std::map<QString, const DcText*> Texts() const { return testing_support::TextsByContent(dc); }
    POINT At(const QString& text) const { return testing_support::TextAt(dc, text); }

    QImage image = White(1920, 600);
    Dc dc{image};
    testing_support::RecordingPainters painters;
};

}  // namespace

TEST_F(TitleRowTest, PanelAndFileLinesWithoutACurveSet)
{
    dc.SelectObject(Brush(RGB(1, 2, 3)));
    Paint();
    // The panel spans the client area, its outline in the Dc's pen.
    EXPECT_EQ(s.view.titleRect, (RECT{1, 0, 1919, 160}));
    EXPECT_EQ(Ink(dc, 1920, 600, kPanel), (RECT{2, 1, 1918, 159}));
    EXPECT_EQ(dc.GetPixel(1, 80), RGB(0, 0, 0));

    EXPECT_EQ(At(" FILE: ELOGDEMO.SVM  "), (POINT{14, 10}));
    EXPECT_EQ(At(" FROM 1000  TO 2600  KB=820.5 "), (POINT{14, 30}));
    int fileLines = 0;
    for (const DcText& t : dc.TextRecord())
        fileLines += t.at.x == 14;
    EXPECT_EQ(fileLines, 2);
    const DcText& file = *Texts().at(" FILE: ELOGDEMO.SVM  ");
    EXPECT_EQ(file.align, unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(file.textColor, s.layout.pens.table.entry[layout::PEN_HEADER_TEXT].colour);
    EXPECT_EQ(file.bkMode, TRANSPARENT);  // the header text entry is transparent

    // The Dc is given back as it was.
    EXPECT_EQ(dc.CurrentBrush(), Brush(RGB(1, 2, 3)));
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));

    // A client area narrower than the log: the panel still spans the log.
    Paint(800);
    EXPECT_EQ(s.view.titleRect, (RECT{1, 0, 1063, 160}));
}

TEST_F(TitleRowTest, CurveSetAddsTwoLinesAndTheTitleSitsOnTheLog)
{
    s.well.wellTitle = "Demo 7-21 \xB0";
    logview::TitleRow in = logview::TitleRowOf(s, 1920);
    in.curves = logview::TitleCurveSet{"/data/wells/elogdemo.svc", 990, 2610, 821.25f};
    logview::DrawTrackTitles(dc, Geometry(), s.layout.pens, in, painters, s.view.titleRect);
    EXPECT_EQ(At(" CURVE FILE: ELOGDEMO.SVC "), (POINT{14, 50}));
    EXPECT_EQ(At(" FROM 990  TO 2610  Kb=821.2"), (POINT{14, 70}));
    EXPECT_EQ(At("Demo 7-21 \u00B0"), (POINT{532, 20}));
    EXPECT_EQ(Texts().at("Demo 7-21 \u00B0")->align, unsigned(TA_CENTER | TA_BASELINE));

    // Imported curves shown: no curve-file lines.
    dc.RecordText(true);
    in.importedCurves = true;
    logview::DrawTrackTitles(dc, Geometry(), s.layout.pens, in, painters, s.view.titleRect);
    EXPECT_EQ(Texts().count(" CURVE FILE: ELOGDEMO.SVC "), 0u);
}

TEST_F(TitleRowTest, ColumnTitles)
{
    Paint();
    const int y = 155;  // half a row above the first row
    EXPECT_EQ(At(" ROP MIN/M "), (POINT{134, y}));
    EXPECT_EQ(At(" LITHOLOGY "), (POINT{391, y}));
    EXPECT_EQ(At(" POR "), (POINT{324, y}));
    EXPECT_EQ(At(" FLU "), (POINT{461, y}));
    EXPECT_EQ(At(" CUT "), (POINT{497, y}));
    EXPECT_EQ(At(" GAS UNITS "), (POINT{896, y}));

    s.view.viewScale = 3;
    Paint();
    EXPECT_EQ(At(" ROP MIN/5 M "), (POINT{134, y}));
    s.view.rateInMetresPerHour = 1;  // per hour wins over the five-unit title
    Paint();
    EXPECT_EQ(At(" ROP M/HR "), (POINT{134, y}));

    // Shows off, and the show titles go; the profiles without show titles never have them.
    s.layout.schemes.trackFlags[layout::FLAG_SHOWS] = 0;
    Paint();
    EXPECT_EQ(Texts().count(" POR "), 0u);
    s.layout.schemes.trackFlags[layout::FLAG_SHOWS] = 1;
    s.well.loggerId = 20;
    Paint();
    EXPECT_EQ(Texts().count(" CUT "), 0u);
}

TEST_F(TitleRowTest, LithLegendFollowsItsSwitchAndTheLithologyFlag)
{
    Paint();
    EXPECT_EQ(Texts().count("ACCESSORIES"), 0u);
    s.options.lithLegend = true;
    Paint();
    const logview::ViewGeometry g = Geometry();
    // At the descriptions column's left edge, two rows down; the caller's origin puts the accessories
    // ten and a half rows below that.
    EXPECT_EQ(At("ACCESSORIES"), (POINT{g.description.left + 120, 125}));
    s.layout.schemes.trackFlags[layout::FLAG_LITHOLOGY] = 0;
    Paint();
    EXPECT_EQ(Texts().count("ACCESSORIES"), 0u);
}

TEST_F(TitleRowTest, DrillingAndImageRenderTakeTheBandOver)
{
    s.view.titleRect = {7, 7, 7, 7};
    s.well.file.drilling = true;
    Paint();
    EXPECT_EQ(painters.Named("DrawDrillingStatus").size(), 1u);
    EXPECT_TRUE(dc.TextRecord().empty());
    EXPECT_EQ(Ink(dc, 1920, 600, kPanel).right, 0);
    EXPECT_EQ(s.view.titleRect, (RECT{7, 7, 7, 7}));

    s.well.file.drilling = false;
    s.scroll.imageRender = true;
    Paint();
    EXPECT_EQ(painters.Named("DrawDrillingStatus").size(), 1u);
    EXPECT_EQ(At("COMPANY:").x, 110);
    EXPECT_EQ(At("Demo Petroleum Ltd.").x, 250);  // read from the well's header file
    EXPECT_EQ(Texts().count(" FILE: ELOGDEMO.SVM  "), 0u);
    EXPECT_EQ(s.view.titleRect, (RECT{3, 3, 1912, 780}));  // the page frame: 62 rows + T
}

TEST_F(TitleRowTest, PpmScaleWithGasExceptForTwoProfiles)
{
    auto ppmLines = [&] {
        int n = 0;
        for (const DcText& t : dc.TextRecord())
            n += t.text.endsWith(" ppm ") || t.text.endsWith(" % ");
        return n;
    };
    Paint();
    EXPECT_EQ(ppmLines(), 8);
    for (const int profile : {131, 126}) {
        s.well.loggerId = std::uint16_t(profile);
        Paint();
        EXPECT_EQ(ppmLines(), 0) << profile;
    }
    s.well.loggerId = 12;
    s.layout.schemes.trackFlags[layout::FLAG_GAS] = 0;
    Paint();
    EXPECT_EQ(ppmLines(), 0);
}

// The flare column's two heads stand where nothing else of the band is drawn: every pixel they change
// was bare panel before (not the gas legend's lines and samples, not " GAS UNITS "), and both are there:
// red and black ink within the flare column (gas right - 20 cells of 9 = 874 .. 1054), above the log.
TEST_F(TitleRowTest, FlareHeadsOnBarePanel)
{
    Paint();
    const QImage without = image.copy();
    s.layout.flareTrack = 1;
    Paint();
    QRect red, black;
    int covered = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 1920; ++x) {
            const QRgb now = image.pixel(x, y), was = without.pixel(x, y);
            if (now == was)
                continue;
            covered += (was & 0xFFFFFF) != 0xDCDCDC;
            if (qRed(now) > 200 && qGreen(now) < 80)
                red |= QRect(x, y, 1, 1);
            else if (qGray(now) < 80)
                black |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(covered, 0) << "the flare heads cover other drawing";
    EXPECT_GE(red.left(), 874);
    EXPECT_LE(red.right(), 1054);
    EXPECT_GT(red.width(), 40);
    EXPECT_GE(black.left(), 874);
    EXPECT_LE(black.bottom(), 159);
    EXPECT_GT(black.top(), red.bottom() - 3);
}
