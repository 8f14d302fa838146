// The plot's grids rendered into an image, probed where the layout of a 615-pixel window over MD
// 2,000-2,400 puts them, and their labels through the Dc's text record.
#include "horizontal/draw/horzplot.h"
#include "support/deviatedwell.h"
#include "support/testmain.h"
#include "support/textrecord.h"

#include <gtest/gtest.h>

using namespace horizontal;
using platform::RGB;

namespace {

constexpr platform::COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(192, 192, 192), kBlue = RGB(0, 0, 255);
constexpr platform::COLORREF kRateColour = RGB(200, 0, 0), kGasColour = RGB(0, 150, 0), kGammaColour = RGB(150, 0, 150);

struct Grid {
    std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(2000, 2400);
    HorzViewSettings settings;
    HorzPlot plot;
    QImage image{3300, 600, QImage::Format_RGB32};
    platform::Dc dc{image};
    Grid()
    {
        plot.settings = &settings;
        plot.records = records;
        plot.toDraw = int(records.size());
        plot.plotFirstDepth = 2000;
        plot.plotLastDepth = 2400;
        plot.clientHeight = 615;
        plot.width = 3300;
        plot.pens[layout::PEN_RATES] = {kRateColour, 1, layout::PS_SOLID};
        plot.pens[layout::PEN_TG] = {kGasColour, 1, layout::PS_SOLID};
        plot.pens[layout::PEN_GAMMA] = {kGammaColour, 1, layout::PS_SOLID};
        const std::int32_t plain[10] = {0, 100, 250, 500, 1000, 1500, 2000, 2500, 5000, 10000};
        std::copy(std::begin(plain), std::end(plain), settings.gasScales);
        LayOutPlotBands(plot);
        image.fill(Qt::white);
        dc.RecordText(true);
    }
    // The texts recorded: "text@x,y".
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back(t.text.toStdString() + "@" + std::to_string(t.at.x) + "," + std::to_string(t.at.y));
        return out;
    }
    bool Has(const std::string& s) const
    {
        const auto t = Texts();
        return std::find(t.begin(), t.end(), s) != t.end();
    }
    const platform::DcText* Find(const QString& text) const { return testing_support::FindText(dc.TextRecord(), text); }
};

}  // namespace

TEST(HorzGrids, LinearBandsAndTheMdGrid)
{
    Grid g;
    ASSERT_EQ(g.plot.bands.lowerBase, 588);
    DrawGasGrid(g.dc, g.plot);
    DrawLowerGrid(g.dc, g.plot);
    for (int y : {588, 548, 508, 468})
        EXPECT_EQ(g.dc.GetPixel(1003, y), kBlue) << y;
    EXPECT_EQ(g.dc.GetPixel(1003, 580), kGrey);
    for (int y : {161, 121, 81, 41})
        EXPECT_EQ(g.dc.GetPixel(1003, y), kBlue) << y;
    EXPECT_EQ(g.dc.GetPixel(1003, 153), kGrey);
    EXPECT_EQ(g.dc.GetPixel(1003, 376), kBlue);  // the path area's bottom, 2 pixels
    EXPECT_EQ(g.dc.GetPixel(1003, 375), kBlue);
    EXPECT_EQ(g.dc.GetPixel(1003, 300), kWhite);
    // MD 2,050 at x 450: blue and labelled at the lower band and the top; MD 2,010 grey, no label.
    EXPECT_EQ(g.dc.GetPixel(450, 300), kBlue);
    EXPECT_EQ(g.dc.GetPixel(130, 300), kGrey);
    EXPECT_EQ(g.dc.GetPixel(134, 300), kWhite);
    EXPECT_TRUE(g.Has("2050 @452,433"));
    EXPECT_TRUE(g.Has("2050 @452,10"));
    EXPECT_EQ(g.Find("2010 "), nullptr);
    EXPECT_EQ(g.Find("2400 "), nullptr);  // the walk stops at the plot's last depth
}

TEST(HorzGrids, LogBandsInDecades)
{
    Grid g;
    g.settings.logRop = g.settings.logGamma = g.settings.logGas = true;
    DrawLowerGrid(g.dc, g.plot);
    DrawGasGrid(g.dc, g.plot);
    for (int y : {535, 482, 429})
        EXPECT_EQ(g.dc.GetPixel(1003, y), kBlue) << y;
    EXPECT_EQ(g.dc.GetPixel(1003, 572), kGrey);  // the first line of a decade, 16 above its base
    EXPECT_EQ(g.dc.GetPixel(1003, 519), kGrey);
    for (int y : {128, 96, 64, 32})
        EXPECT_EQ(g.dc.GetPixel(1003, y), kBlue) << y;
    // Decade labels every 200 units: x 70 and 1,670; in the gas band right of the MD labels 2000 and
    // 2200 of its top rows (x 89 and 1,689), bottom-aligned above their lines (the base's 9 above it),
    // the top line's under it.
    for (int x : {70, 1670}) {
        EXPECT_TRUE(g.Has(".1@" + std::to_string(x) + ",576"));
        EXPECT_TRUE(g.Has("100@" + std::to_string(x) + ",417"));
        EXPECT_TRUE(g.Has("1000@" + std::to_string(x + 50) + ",417"));
        EXPECT_TRUE(g.Has(".001%@" + std::to_string(x + 19) + ",151"));
        EXPECT_TRUE(g.Has(".01%@" + std::to_string(x + 19) + ",127"));
        EXPECT_TRUE(g.Has("100%@" + std::to_string(x + 19) + ",1"));
        EXPECT_TRUE(g.Has("10ppm@" + std::to_string(x + 69) + ",151"));
        EXPECT_TRUE(g.Has("1000k@" + std::to_string(x + 69) + ",1"));
    }
    EXPECT_EQ(g.Find(".1")->textColor, kRateColour);
    EXPECT_EQ(g.Find("1000")->textColor, kGammaColour);
    EXPECT_FALSE(g.Has(".1@3270,576"));
}

// The gas band's decade labels keep off the other texts of the band: the MD labels of its top rows
// (2,200 at x 1,652 meets the second column of labels, 1,670 and 1,720) and the path's first TVD label
// (2300 at x 52, its bottom 8 pixels under the gas base at 160). The decade labels alone and the rest of
// the frame alone are rendered; no black pixel of one is within a pixel of a black pixel of the other.
TEST(HorzGrids, DecadeLabelsClearOfTheMdAndTvdLabels)
{
    Grid others, labels;
    for (Grid* g : {&others, &labels}) {
        g->settings.logRop = g->settings.logGamma = g->settings.logGas = true;
        wellfile::HorzSection& s = g->plot.sections.sections[0];
        s.startTvd = 2300;
        s.endTvd = 2400;
        s.endMd = 2400;
        s.pxPerTvd = 2.0f;
        g->plot.sections.count = 1;
    }
    DrawGasLogGrid(labels.dc, labels.plot);
    DrawLowerLogGrid(others.dc, others.plot);
    DrawTvdGrid(others.dc, others.plot);
    const auto black = [](const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; };
    int met = 0, labelInk = 0, otherInk = 0;
    for (int y = 1; y < 200; ++y)
        for (int x = 1; x < 3299; ++x) {
            labelInk += black(labels.image, x, y);
            otherInk += black(others.image, x, y);
            if (black(labels.image, x, y))
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        met += black(others.image, x + dx, y + dy);
        }
    EXPECT_GT(labelInk, 500);
    EXPECT_GT(otherInk, 500);
    EXPECT_EQ(met, 0) << "the decade labels meet the MD or TVD labels";
}

TEST(HorzGrids, TvdGridAndLabelsOfASection)
{
    Grid g;
    wellfile::HorzSection& s = g.plot.sections.sections[0];
    s.startTvd = 1230;
    s.endTvd = 1340;
    s.endMd = 2400;
    s.pxPerTvd = 2.0f;
    g.plot.sections.count = 1;
    g.plot.plotLastDepth = 2400;
    DrawTvdGrid(g.dc, g.plot);
    EXPECT_EQ(g.dc.GetPixel(1003, 180), kGrey);
    EXPECT_EQ(g.dc.GetPixel(1003, 200), kBlue);
    EXPECT_EQ(g.dc.GetPixel(1003, 360), kGrey);
    EXPECT_EQ(g.dc.GetPixel(1003, 370), kWhite);
    EXPECT_EQ(g.dc.GetPixel(3235, 200), kBlue);   // to the section's end less 10
    EXPECT_EQ(g.dc.GetPixel(3245, 200), kWhite);
    EXPECT_EQ(g.dc.GetPixel(1003, 588), kBlue);   // the 3-pixel frame line
    EXPECT_EQ(g.dc.GetPixel(1003, 590), kWhite);
    ASSERT_EQ(g.Texts(), (std::vector<std::string>{"1250 @52,208", "1300 @52,308"}));
    EXPECT_EQ(g.dc.TextRecord()[0].align, unsigned(platform::TA_LEFT | platform::TA_BOTTOM));
    DrawTvdLabels(g.dc, g.plot, 1650, 0);
    EXPECT_TRUE(g.Has("1250 @1652,208"));
    EXPECT_TRUE(g.Has("1300 @1652,308"));
    EXPECT_EQ(g.dc.TextRecord().size(), 4u);

    // A section whose start is not a multiple of 10 gets neither lines nor labels.
    g.image.fill(Qt::white);
    s.startTvd = 1235;
    DrawTvdGrid(g.dc, g.plot);
    DrawTvdLabels(g.dc, g.plot, 1650, 0);
    EXPECT_EQ(g.dc.GetPixel(1003, 200), kWhite);
    EXPECT_EQ(g.dc.TextRecord().size(), 4u);
}

TEST(HorzGrids, VsLabelsKeepTheirDistance)
{
    Grid g;
    g.plot.pixelsPerUnit = 1;  // one pixel a record
    for (wellfile::RECORD& r : g.records)
        r.verticalSection = 0;
    auto at = [&g](int depth) -> wellfile::RECORD& { return g.records[std::size_t(depth - 2000)]; };
    at(2080).verticalSection = 120.7f;  // x 130
    at(2140).verticalSection = 5;       // 60 pixels on: none
    at(2141).verticalSection = 6;       // 61: labelled
    DrawVsLabels(g.dc, g.plot);
    EXPECT_EQ(g.Texts(), (std::vector<std::string>{"VS 120@130,165", "VS 6@191,165"}));
    EXPECT_EQ(g.dc.GetPixel(130, 180), kBlue);  // the tick, 20 to 35 under the path area's top
    EXPECT_EQ(g.dc.GetPixel(130, 194), kBlue);
    EXPECT_EQ(g.dc.GetPixel(130, 196), kWhite);
}

// A section starting at TVD 1,250 at the path area's top: its label "1250 " stands left-aligned at x 52,
// its bottom 8 under the top, in the VS labels' row. Every record has a VS (its depth less 2,000, at x
// 50 + VS): the first label is the first centred clear of "1250 ".
TEST(HorzGrids, VsLabelsStandClearOfTheTvdLabels)
{
    Grid g;
    g.plot.pixelsPerUnit = 1;
    for (wellfile::RECORD& r : g.records)
        r.verticalSection = float(r.depth - 2000);
    wellfile::HorzSection& s = g.plot.sections.sections[0];
    s = {};
    s.startTvd = 1250;
    s.endTvd = 1360;
    s.endMd = 2400;
    s.pxPerTvd = 2.0f;
    g.plot.sections.count = 1;
    DrawVsLabels(g.dc, g.plot, DrawTvdGrid(g.dc, g.plot));
    ASSERT_TRUE(g.Has("1250 @52,168"));
    g.dc.SelectObject(LabelFont(g.plot));
    const int right = 52 + g.dc.GetTextExtent("1250 ").cx;
    const auto& texts = g.dc.TextRecord();
    const auto vs
        = std::find_if(texts.begin(), texts.end(), [](const platform::DcText& t) { return t.text.startsWith("VS "); });
    ASSERT_NE(vs, texts.end());
    const int half = g.dc.GetTextExtent(vs->text.toStdString().c_str()).cx / 2;
    EXPECT_GT(vs->at.x - half, right) << vs->text.toStdString() << " at " << vs->at.x;
    EXPECT_LE(vs->at.x - half, right + 3);
    EXPECT_EQ(vs->text, QString("VS %1").arg(vs->at.x - 50));
}

TEST(HorzGrids, ScaleLabelsOfTheLinearTracks)
{
    Grid g;
    g.settings.rateScale = 2;
    g.settings.gasScale = 2;
    g.settings.gammaScale = 6;
    const int x = 500, k = 100;
    DrawScaleLabels(g.dc, g.plot, k, x);
    EXPECT_EQ(g.Texts(), (std::vector<std::string>{" 5.0 @550,428", " 250 @600,10", " 300 @650,428"}));
    EXPECT_EQ(g.Find(" 5.0 ")->textColor, kRateColour);
    EXPECT_EQ(g.Find(" 300 ")->textColor, kGammaColour);

    // Rates per hour take the records' rate code; a code past the table takes code 1.
    g.plot.options.ratesPerHour = true;
    g.plot.rateCode = 3;
    g.settings.logGas = g.settings.logGamma = true;
    DrawScaleLabels(g.dc, g.plot, k, x);
    g.plot.rateCode = 9;
    DrawScaleLabels(g.dc, g.plot, k, x);
    EXPECT_TRUE(g.Has(" 450 @550,568"));
    EXPECT_TRUE(g.Has(" 150 @550,568"));

    // Vertical gas scales: a change of the record's code is written in red; the index then stays.
    g.settings.logGas = false;
    g.settings.logRop = true;
    g.settings.verticalGasScales = true;
    const std::int32_t vertical[10] = {0, 175, 350, 700, 1750, 3500, 7000, 10500, 14000, 14000};
    std::copy(std::begin(vertical), std::end(vertical), g.settings.gasScales);
    g.records[k - 1].gasScale = 2;
    g.records[k].gasScale = 4;
    g.records[k + 1].gasScale = 4;
    DrawScaleLabels(g.dc, g.plot, k, x);
    const platform::DcText* change = g.Find("Scale change from 350 to 1750 ");
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->at.x, 510);
    EXPECT_EQ(change->at.y, 30);
    EXPECT_EQ(change->textColor, RGB(255, 0, 0));
    EXPECT_EQ(change->bkMode, platform::OPAQUE);
    DrawScaleLabels(g.dc, g.plot, k + 1, x + 1600);
    EXPECT_TRUE(g.Has(" 1750 @2200,10"));
    g.settings.verticalGasScales = false;
    DrawScaleLabels(g.dc, g.plot, k + 1, x);
    EXPECT_EQ(g.dc.TextRecord().back().text, " 1750 ");  // held until the set-up is applied again
    // A blank record's code 0 takes the second entry.
    g.settings.verticalGasScales = true;
    g.records[k + 1].gasScale = 0;
    g.records[k + 2].gasScale = 0;
    DrawScaleLabels(g.dc, g.plot, k + 2, x);
    EXPECT_EQ(g.dc.TextRecord().back().text, " 350 ");

    // CO2 scale only on a linear gas band.
    g.plot.options.co2Track = true;
    g.plot.options.co2Scale = 3;
    DrawScaleLabels(g.dc, g.plot, k + 2, x);
    EXPECT_TRUE(g.Has("17.5@630,144"));
    const std::size_t before = g.dc.TextRecord().size();
    g.settings.logGas = true;
    DrawScaleLabels(g.dc, g.plot, k + 2, x);
    EXPECT_EQ(g.dc.TextRecord().size(), before);
}
