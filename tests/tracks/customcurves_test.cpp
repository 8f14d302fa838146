// The custom curve painter on white images: where values stand on linear and logarithmic scales, the
// line or filled area a walk gives, the gas scale change note, the ratio tags, the porosity crossover,
// the bottom of the screen against paper and images, and the mud weights read above the painted range
// from a data file on disk.
#include "tracks/draw/customcurves.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/testmain.h"
#include "support/textrecord.h"
#include "tracks/lastmudweights.h"

#include <QFile>
#include <gtest/gtest.h>

#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kW = 400, kH = 700;
const platform::COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);

class CustomCurvesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.fileFirstDepth = 100;
        g.fileLastDepth = 2000;
        g.logBottomY = kH;
        g.scaleIndex = 1;
        data.trackCount = 1;
        // Track 0 from 100 to 300: ten blocks of 20.
        Track().leftX = 100;
        Track().rightX = 300;
        Track().blockWidth = 20;
        Track().blockCount = 10;
        for (std::size_t i = 0; i < records.size(); ++i)
            records[i].depth = std::int32_t(100 + i);
        for (std::size_t i = 0; i < custom.size(); ++i)
            custom[i].depth = float(100 + i);
        rows.records = records;
        rows.custom = custom;
        rows.first = 1;
        rows.rows = 30;
        rows.rowHeight = 10;
        rows.stopDepth = 149;  // no label rows unless a test asks for them
        dc.RecordText(true);
    }
    layout::CustomTrackEntry& Track(int t = 0) { return data.paintSet[std::size_t(t)]; }
    // Curve `c` of track 0: code, scale and colour blue, growing from the left.
    void Curve(int c, std::uint16_t code, float minimum, float maximum, bool fromLeft = true)
    {
        Track().dataCode[c] = code;
        Track().minimum[c] = minimum;
        Track().maximum[c] = maximum;
        Track().direction[c] = fromLeft ? 1 : 0;
        Track().colour[c] = kBlue;
        data.screenPens[0][std::size_t(c)] = {kBlue, 1, layout::PS_SOLID};
        data.printPens[0][std::size_t(c)] = {kBlue, 1, layout::PS_SOLID};
    }
    void Rpm(float v)
    {
        for (auto& c : custom)
            c.rpm = v;
    }
    void Paint(int instantMode = kFullPaint)
    {
        PaintCurves(dc, data, g, device, rows, values, elog, state, instantMode);
    }
    platform::COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    platform::RECT Ink(platform::COLORREF c) const { return testing_support::Ink(dc, kW, kH, c); }
    int TextCount(const QString& text) const
    {
        int n = 0;
        for (const auto& t : dc.TextRecord())
            n += t.text == text;
        return n;
    }

    layout::CustomTrackHost host;
    layout::CUSTOMDATA data{&host, false};
    logview::ViewGeometry g;
    logview::Device device;
    CustomCurveRows rows;
    CurveValueSettings values;
    const ElogView* elog = nullptr;
    PainterState state;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(300);
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(300);
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

TEST_F(CustomCurvesTest, ValuesStandOnLinearAndLogarithmicScalesAndBeyondThemOneUnitInside)
{
    Curve(0, 13, 0, 100);  // RPM, one value a row: 50 of 0-100 across 200 pixels
    Rpm(50);
    Paint();
    EXPECT_EQ(Ink(kBlue).left, 200);
    for (const bool fromLeft : {true, false}) {
        image.fill(Qt::white);
        Curve(0, 13, 0, 100, fromLeft);
        Rpm(150);
        Paint();
        EXPECT_EQ(At(fromLeft ? 299 : 101, 150), kBlue);
    }
    // 0.1 to 10000 for a minimum of 0 and a negative maximum: five decades; the entry keeps its values.
    image.fill(Qt::white);
    Track().logarithmic = 1;
    Curve(0, 13, 0, -5);
    Rpm(20);
    Paint();
    EXPECT_EQ(At(192, 150), kBlue);  // ln(200) of ln(100000) across 200 pixels
    EXPECT_EQ(Track().maximum[0], -5.0f);
    image.fill(Qt::white);
    Rpm(0);  // at the minimum: on the base edge
    Paint();
    EXPECT_EQ(Ink(kBlue).right, 101);
}

TEST_F(CustomCurvesTest, CurvesWithoutAFiniteScaleAreNotDrawn)
{
    Rpm(50);
    Curve(0, 13, 20, 20);
    Paint();
    Track().logarithmic = 1;
    Curve(0, 13, 5, 5);
    Paint();
    Curve(0, 13, 0, 0);  // curve off, even with its fill
    Track().fill[0] = 1;
    Paint();
    // A gas curve whose scale changes to its own minimum.
    Track().logarithmic = 0;
    Curve(0, 1, 1000, 500);
    for (auto& r : records)
        r.maxGasScale = 1000;
    Paint();
    EXPECT_EQ(Ink(kBlue).right, 0);
}

TEST_F(CustomCurvesTest, AnUnfilledWalkJoinsOnePointLessThanItWalkedAndAFilledOneClosesOnTheBaseEdge)
{
    Curve(0, 13, 0, 100);
    Rpm(50);
    records[6].depth = 0;  // the walk stops at sample 11: the cursor reaches record 6 there
    Paint();
    const platform::RECT line = Ink(kBlue);
    EXPECT_EQ(line.top, 0);
    EXPECT_EQ(line.bottom, 100);  // points 0 to 9, the last at (9 + 1) rows

    image.fill(Qt::white);
    Track().fill[0] = 1;
    Paint();
    const platform::RECT area = Ink(kBlue);
    EXPECT_EQ(area.left, 100);      // closed along the base edge
    EXPECT_GE(area.bottom, 110);    // down to point 10
    EXPECT_LE(area.bottom, 111);
    EXPECT_EQ(At(150, 50), kBlue);
}

TEST_F(CustomCurvesTest, AGasScaleChangeIsNotedOnceAndInstantDrillingRepaintsLeaveGasCurvesOut)
{
    Curve(0, 1, 0, 500);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].gas[0] = 100;
        records[i].halfGas[0] = 100;
        records[i].maxGasScale = i < 3 ? 8 : i < 5 ? 0 : 1000;
    }
    Paint();
    EXPECT_EQ(TextCount("SCALE CHANGE TO 1000"), 1);
    EXPECT_EQ(TextCount("SCALE CHANGE TO 8"), 0);
    const platform::POINT at = testing_support::TextAt(dc, "SCALE CHANGE TO 1000");
    EXPECT_EQ(at.x, 110);  // left + a row
    EXPECT_EQ(at.y, 45);   // record 5 is first met at sample 9, half a row a sample
    EXPECT_EQ(testing_support::TextsByContent(dc).at("SCALE CHANGE TO 1000")->textColor, kRed);
    EXPECT_EQ(Track().maximum[0], 1000.0f);
    EXPECT_FLOAT_EQ(Track().pixelsPerUnit[0], 0.2f);
    // Above the change 100 of 500 stands at 40 pixels, below it 100 of 1000 at 20.
    EXPECT_EQ(At(140, 20), kBlue);
    EXPECT_EQ(At(120, 150), kBlue);

    image.fill(Qt::white);
    Curve(0, 1, 0, 500);
    dc.RecordText(true);
    Paint(kDrillingStepRepaint);
    EXPECT_EQ(Ink(kBlue).right, 0);
    EXPECT_EQ(TextCount("SCALE CHANGE TO 1000"), 0);
    Paint(kWitsStepRepaint);
    EXPECT_EQ(At(120, 150), kBlue);
}

TEST_F(CustomCurvesTest, TheWetnessRatioIsTaggedEveryHundredUnitsAndOnlyUnderItsOwnCode)
{
    rows.rows = 130;
    rows.rowHeight = 4;
    rows.stopDepth = 2000;
    for (auto& r : records) {
        r.gas[1] = r.halfGas[1] = 60;  // C1
        r.gas[2] = r.halfGas[2] = 40;  // C2
    }
    Curve(0, 25, 0, 100);
    Paint();
    std::vector<int> ys;
    for (const auto& t : dc.TextRecord())
        if (t.text == "WRAT") {
            ys.push_back(t.at.y);
            EXPECT_EQ(t.textColor, kRed);
        }
    // Depths 110 and 210 are met at samples 20 and 220, two units a sample; the tag half a row up.
    EXPECT_EQ(ys, (std::vector<int>{40, 440}));

    dc.RecordText(true);
    Curve(0, 183, 0, 100);
    Paint();
    EXPECT_EQ(TextCount("WRAT"), 0);
}

TEST_F(CustomCurvesTest, TheRatioBandFillsBetweenTheRatiosOnlyWhenTheWetnessRatioComesFirst)
{
    // Wetness 30 and balance 4, less their minimum 1, on 1-100 over 200 pixels: 246 and 147, inside the
    // band 200 +- 80. The band runs to the last sample walked.
    for (auto& r : records) {
        r.gas[1] = r.halfGas[1] = 70;
        r.gas[2] = r.halfGas[2] = 10;
        r.gas[3] = r.halfGas[3] = 20;
    }
    Track().kind = 3;
    Track().logarithmic = 1;
    Curve(0, 25, 1, 100);
    Curve(1, 26, 1, 100);
    Paint();
    EXPECT_EQ(At(200, 100), RGB(176, 255, 176));  // the balance ratio left of the wetness ratio
    EXPECT_EQ(At(130, 100), RGB(255, 255, 255));

    image.fill(Qt::white);
    Curve(0, 26, 1, 100);
    Curve(1, 25, 1, 100);
    Paint();
    EXPECT_EQ(At(200, 100), RGB(255, 255, 255));
}

TEST_F(CustomCurvesTest, OnlyTheScreenCutsCurvesAtTheLogsBottom)
{
    Curve(0, 13, 0, 100);
    Rpm(50);
    g.logBottomY = 100;
    Paint();
    EXPECT_LE(Ink(kBlue).bottom, 130);  // stopped once y passed the bottom and a row

    for (int mode = 0; mode < 2; ++mode) {
        image.fill(Qt::white);
        device.imageExport = mode == 0;
        data.printing = mode == 1;
        Paint();
        EXPECT_GE(Ink(kBlue).bottom, 250) << mode;
    }
}

TEST_F(CustomCurvesTest, LabelRowsStandEveryFiftyUnitsInsideTheLogButNeverWithOneRow)
{
    Curve(0, 13, 0, 100);
    Track().label[0][0] = 'R';
    rows.rows = 60;
    rows.stopDepth = 2000;
    Paint();
    // Depth 150 (custom record 50) at sample 49: y 490, below the margin of 200.
    EXPECT_EQ(testing_support::TextAt(dc, "R").y, 490 - 22);
    EXPECT_EQ(TextCount("<0"), 1);

    dc.RecordText(true);
    rows.rows = 1;
    Paint();
    EXPECT_EQ(TextCount("R"), 0);
}

// ---- Mud weights above the painted range ----

class MudWeightsTest : public CustomCurvesTest {
protected:
    // A data file of records first..last with the mud weights `out` and `in` at the given depths.
    void WriteWell(int first, int last)
    {
        well.dataFileName = testing_support::TestDir() + "mud.svm";
        well.fileTopDepth = first;
        well.fileBottomDepth = last;
        file.assign(std::size_t(last - first + 1), wellfile::RECORD{});
        for (std::size_t i = 0; i < file.size(); ++i)
            file[i].depth = first + int(i);
        Save();
        host.well = &well;
    }
    void Save()
    {
        QFile f(well.dataFileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(file.data()), qint64(file.size() * sizeof(wellfile::RECORD)));
    }
    wellfile::RECORD& At(int depth) { return file[std::size_t(depth - well.fileTopDepth)]; }
    wellfile::OpenWell well;
    std::vector<wellfile::RECORD> file;
};

TEST_F(MudWeightsTest, TheLastWeightsAboveFiveAreFoundWithinTheFileAndSoundSteps)
{
    WriteWell(100, 1500);
    At(200).mudWeightOut = 9.5f;
    At(200).mudWeightIn = 9.4f;
    At(300).mudWeightOut = 10.5f;
    At(400).mudWeightOut = 5.0f;  // never taken
    At(400).mudWeightIn = 5.0f;
    At(600).depth = 0;            // ends the scan
    At(700).mudWeightOut = 12.0f;
    Save();
    float in = -1;
    EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 150, 900), 10.5f);
    EXPECT_FLOAT_EQ(in, 9.4f);
    in = -1;
    EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 350, 500), 0.0f);
    EXPECT_FLOAT_EQ(in, -1.0f);  // left alone
    // Stored depths that claim far more than the file holds; steps and ranges that give nothing.
    well.fileBottomDepth = 2'000'000'000;
    EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 650, 2'000'000'000), 12.0f);
    for (const int step : {0, -1}) {
        well.depthStep = step;
        EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 150, 500), 0.0f);
    }
    well.depthStep = 1;
    EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 50, 500), 0.0f);  // starts above the file
    EXPECT_FLOAT_EQ(FindLastMudWeights(well, in, 500, 150), 0.0f);
}

TEST_F(MudWeightsTest, APaintSeedsTheWeightsFromAboveItsFirstRowUnlessThatLiesNearTheTop)
{
    WriteWell(100, 1500);
    At(400).mudWeightOut = 9.8f;
    At(400).mudWeightIn = 9.7f;
    Save();
    Curve(0, 13, 0, 100);
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i].depth = float(700 + i);  // the first row at 701: the look-up covers 201 to 701
    Paint();
    EXPECT_FLOAT_EQ(state.rememberedMudOut, 9.8f);
    EXPECT_FLOAT_EQ(state.rememberedMudIn, 9.7f);

    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i].depth = float(649 + i);  // 650 is within 550 of the first depth
    Paint();
    EXPECT_FLOAT_EQ(state.rememberedMudOut, 0.0f);
    EXPECT_FLOAT_EQ(state.rememberedMudIn, 0.0f);
}

}  // namespace
