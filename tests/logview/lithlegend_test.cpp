// The lithology legend on the demo well's layout (R = U = 10, porosity column at 319, lithology at 346):
// box fills by pixels, labels through the Dc's text record.
#include "logview/draw/lithlegend.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

using namespace platform;
using testing_support::Ink;
using testing_support::Touched;
using testing_support::White;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255), kBlue = RGB(0, 128, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

class LithLegendTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();
        // Distinct shade colours, so each box shows which entry it read.
        for (int i = layout::PEN_FIRST_SHADE; i <= layout::PEN_LAST_SHADE; ++i) {
            layout::PenEntry& e = pens().table.entry[i];
            e = {};
            e.colour = RGB(10 * i, 100, 200 - i);
        }
        dc.RecordText(true);
    }
    layout::LogPens& pens() { return s.layout.pens; }
    void Draw(int x = 0, int y = 0) { logview::DrawLithLegend(dc, g, pens(), flags, x, y); }
    // A pixel inside box (L, T) that no symbol or label reaches.
    COLORREF Fill(int L, int T) const { return dc.GetPixel(L + 38, T + 8); }
    COLORREF Shade(int entry) { return pens().table.entry[entry].colour; }
    // Each label's reference point.
    std::map<QString, POINT> Labels() const
    {
        std::map<QString, POINT> out;
        for (const DcText& t : dc.TextRecord())
            out[t.text] = t.at;
        return out;
    }
    void SetCustom(int k, bool clay, bool custom, bool wash, const char* label)
    {
        layout::PenEntry& e = pens().table.entry[layout::PEN_FIRST_CUSTOM_SHADE + k - 1];
        e.transparent = clay;
        e.lithCustom = custom;
        e.lithWash = wash;
        SetFieldText(e.lithLabel, label);
    }

    QImage image = White(1400, 800);
    Dc dc{image};
    logview::ViewGeometry g;
    logview::LithLegendFlags flags;
};

}  // namespace

TEST_F(LithLegendTest, DefaultOriginFillsEachBoxWithItsRockColour)
{
    // A caller's pen and brush do not reach the boxes, and are given back.
    dc.SelectObject(Brush(RGB(1, 2, 3)));
    dc.SelectObject(Pen(RGB(4, 5, 6), 3));
    Draw();

    const int X = 319, Y = 35;  // porosity column, trunc(3.5 R)
    struct Box {
        int L, T;
        COLORREF fill;
    };
    const std::vector<Box> boxes{
        {X, Y, kYellow},                                   // Sand
        {X + 50, Y, kCyan},                                // Dolo
        {X + 100, Y, kBlue},                               // Lime
        {X + 150, Y, RGB(255, 128, 0)},                    // Chert
        {X + 200, Y, kWhite},                              // Anhydrite: the Dc's starting brush
        {X + 250, Y, kLightGrey},                          // CLY
        {X, Y + 20, Shade(44)},                            // RD SH
        {X + 50, Y + 20, Shade(46)},                       // GN SH
        {X + 100, Y + 20, Shade(45)},                      // ORG SH
        {X + 150, Y + 20, RGB(130, 130, 130)},             // Carb Sh
        {X + 200, Y + 20, kWhite},                         // Salt
        {X + 250, Y + 20, kRed},                           // Granite
        {X, Y + 40, RGB(255, 182, 108)},                   // Siltstone
        {X + 60, Y + 40, kBlack},                          // Coal
        {X + 110, Y + 40, kLightGrey},                     // Bentonite
        {X + 170, Y + 40, kRed},                           // Granite Wash
        {X + 230, Y + 40, kYellow},                        // Quartz Wash
        {X, Y + 60, kBlue},                                // Carb Wash
        {X + 60, Y + 60, kYellow},                         // Cong
        {X + 110, Y + 60, kWhite},                         // Chalk
        {X + 160, Y + 60, Shade(52)},                      // Volc: custom rock type 6's colour
        {X + 210, Y + 60, kLightGrey},                     // Cement
    };
    for (const Box& b : boxes) {
        EXPECT_EQ(Fill(b.L, b.T), b.fill) << b.L << "," << b.T;
        EXPECT_EQ(dc.GetPixel(b.L, b.T + 5), kBlack) << "outline of " << b.L << "," << b.T;
    }
    // The accessory boxes are two pixels taller and take the stock white brush that Coal left.
    EXPECT_EQ(dc.GetPixel(X + 20, Y + 110), kBlack);
    EXPECT_EQ(dc.GetPixel(X + 20, Y + 110 + 11), kBlack);
    EXPECT_EQ(dc.GetPixel(X + 58, Y + 110 + 9), kWhite);

    const auto labels = Labels();
    EXPECT_EQ(labels.at("Sand"), (POINT{X, Y}));
    EXPECT_EQ(labels.at("Dolo"), (POINT{X + 50, Y - 1}));
    EXPECT_EQ(labels.at("Granite Wash"), (POINT{X + 160, Y + 40}));
    EXPECT_EQ(labels.at("Chalk"), (POINT{X + 112, Y + 60}));
    EXPECT_EQ(labels.at("ACCESSORIES"), (POINT{X + 120, Y + 100}));  // 10 rows below, not 10.5
    EXPECT_EQ(labels.at("FRACTURES"), (POINT{X + 220, Y + 110}));
    const DcText& first = dc.TextRecord().front();
    EXPECT_EQ(first.align, unsigned(TA_LEFT | TA_BASELINE));
    EXPECT_EQ(first.bkMode, TRANSPARENT);
    EXPECT_EQ(first.font.face, "Arial");
    EXPECT_EQ(first.font.height, -10);

    EXPECT_EQ(dc.CurrentBrush(), Brush(RGB(1, 2, 3)));
    EXPECT_EQ(dc.CurrentPen(), Pen(RGB(4, 5, 6), 3));
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

TEST_F(LithLegendTest, OriginsOfTheCallers)
{
    Draw(500, 300);  // the caller's origin: y is read, the accessories half a row lower
    EXPECT_EQ(Labels().at("Sand"), (POINT{500, 300}));
    EXPECT_EQ(Labels().at("ACCESSORIES"), (POINT{620, 405}));

    dc.RecordText(true);
    flags.imageRender = true;  // in an image: five units into the lithology column
    Draw(0, 300);
    EXPECT_EQ(Labels().at("Sand"), (POINT{396, 35}));

    dc.RecordText(true);
    flags = {};
    flags.customTracksShown = true;  // shown, but the window has no custom-track set
    Draw();
    EXPECT_EQ(Labels().at("Sand"), (POINT{319, 35}));

    dc.RecordText(true);
    g.customTracks = true;
    Draw();
    EXPECT_EQ(Labels().at("Sand"), (POINT{319, 550}));
    EXPECT_EQ(Labels().at("ACCESSORIES"), (POINT{439, 650}));
}

TEST_F(LithLegendTest, OneBitImageKeepsOnlyDoloAndCoalFills)
{
    flags.oneBitImage = true;
    SetCustom(1, false, true, false, "Marl");
    Draw();
    const int X = 319, Y = 35;
    EXPECT_EQ(Fill(X, Y), kWhite);             // Sand
    EXPECT_EQ(Fill(X + 50, Y), kCyan);         // Dolo
    EXPECT_EQ(Fill(X + 100, Y), kWhite);       // Lime
    EXPECT_EQ(Fill(X, Y + 20), kWhite);        // RD SH
    EXPECT_EQ(Fill(X + 60, Y + 40), kBlack);   // Coal
    EXPECT_EQ(Fill(X + 230, Y + 40), kWhite);  // Quartz Wash
    EXPECT_EQ(Fill(X, Y + 80), kWhite);        // custom rock type 1
}

TEST_F(LithLegendTest, CustomRowLabelsAndWashShifts)
{
    SetCustom(1, false, true, true, "Wash1");   // a wash: the later boxes move 2 U right
    SetCustom(2, true, false, false, "");       // drawn as clay without a label
    SetCustom(3, false, true, true, "Wash3");   // a wash in type 3 moves nothing
    SetCustom(4, false, false, false, "Lost");  // not custom: its label is not shown
    SetCustom(5, false, true, false, "Five");
    // type 6 keeps every switch clear
    Draw();

    const int T = 35 + 80;
    const auto labels = Labels();
    EXPECT_EQ(labels.at("Wash1"), (POINT{319, T}));
    EXPECT_EQ(labels.at("Cust 2"), (POINT{384, T}));
    EXPECT_EQ(labels.at("Wash3"), (POINT{434, T}));
    EXPECT_EQ(labels.at("Cust 4"), (POINT{479, T}));
    EXPECT_EQ(labels.at("Five"), (POINT{524, T}));
    EXPECT_EQ(labels.at("Cust 6"), (POINT{574, T}));
    EXPECT_EQ(labels.count("Lost"), 0u);
    // Each box has the colour of its own entry.
    for (const int L : {319, 384, 434, 479, 524, 574})
        EXPECT_NE(Fill(L, T), kWhite);
    EXPECT_EQ(Fill(319, T), Shade(47));
    EXPECT_EQ(Fill(574, T), Shade(52));

    dc.RecordText(true);
    SetCustom(1, false, false, true, "Wash1");  // not custom: "CUST1", and no wash shift
    SetCustom(6, false, true, false, "");
    layout::PenEntry& six = pens().table.entry[layout::PEN_LAST_SHADE];
    std::memset(six.lithLabel, 'Z', sizeof six.lithLabel);  // a label without its end stops at its slot
    six.unused66 = 'Q';
    Draw();
    EXPECT_EQ(Labels().at("CUST1"), (POINT{319, T}));
    EXPECT_EQ(Labels().at("Cust 2"), (POINT{364, T}));
    EXPECT_EQ(Labels().count(QString(20, 'Z')), 1u);
}

TEST_F(LithLegendTest, SymbolKinds)
{
    auto symbol = [&](int kind, int profile = 12) {
        QImage img = White(60, 40);
        Dc d(img);
        g.profile = profile;
        logview::DrawLithLegendSymbol(d, g, flags, kind, 10, 10, 10);
        return img;
    };
    for (const int kind : {-1, 0, 7, 9, 18, 19, 20, 21, 27, 28, 29, 31, 32, 33, 34, 35, 36, 38, 41, 99}) {
        QImage img = symbol(kind);
        Dc d(img);
        EXPECT_EQ(Touched(d, 60, 40, kWhite).right, 0) << "kind " << kind;
    }

    // Anhydrite: a diagonal through the middle for three companies, a tick elsewhere.
    for (const int profile : {2, 91, 92}) {
        QImage img = symbol(3, profile);
        EXPECT_EQ(Dc(img).GetPixel(15, 15), kBlack) << profile;
    }
    QImage tick = symbol(3, 12);
    EXPECT_EQ(Dc(tick).GetPixel(15, 15), kWhite);
    EXPECT_NE(Touched(Dc(tick), 60, 40, kWhite).right, 0);

    // Fractures: outlined black in the brush in force, or red throughout when printing in colour.
    QImage plain = White(60, 40);
    Dc d(plain);
    d.SelectObject(Brush(kRed));
    logview::DrawLithLegendSymbol(d, g, flags, 25, 10, 10, 10);
    EXPECT_NE(Ink(d, 60, 40, kBlack).right, 0);
    EXPECT_NE(Ink(d, 60, 40, kRed).right, 0);
    QImage colour = White(60, 40);
    Dc c(colour);
    flags.colourPrinting = true;
    logview::DrawLithLegendSymbol(c, g, flags, 25, 10, 10, 10);
    EXPECT_EQ(Ink(c, 60, 40, kBlack).right, 0);
    EXPECT_NE(Ink(c, 60, 40, kRed).right, 0);
    EXPECT_EQ(c.CurrentBrush(), Brush());  // the red objects are not left selected
    EXPECT_EQ(c.CurrentPen(), Pen());
}
