// Damaged readings (not a number, infinite, far past any scale) through the painters that turn values
// into positions: each draws within its track, and the sanitizers see no overflow on the way.
#include "logview/draw/curveplotter.h"
#include "platform/draw/dc.h"
#include "platform/gdi.h"
#include "support/images.h"
#include "support/viewfixture.h"
#include "tracks/draw/customcurves.h"
#include "tracks/draw/gascurves.h"
#include "tracks/draw/printedgas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <iterator>
#include <vector>

using platform::RGB;
using platform::Trunc;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
const std::vector<float> kDamaged{kNaN, kInf, -kInf, FLT_MAX, -FLT_MAX};
const platform::COLORREF kInk = RGB(0, 0, 200);

// Something is inked, and all of it within columns [left, right).
void ExpectInkWithin(const platform::Dc& dc, int w, int h, int left, int right)
{
    const platform::RECT ink = testing_support::Ink(dc, w, h, kInk);
    EXPECT_LT(ink.left, ink.right);
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.right, right);
}

}  // namespace

TEST(DamagedValues, PositionsTruncateTowardZeroAndStayFarOffTheTrack)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(std::nan("")), 0);
    EXPECT_EQ(Trunc(std::nan(""), 740), 740);
    EXPECT_EQ(Trunc(1e300), Trunc(HUGE_VAL));
    EXPECT_EQ(Trunc(-1e300), -Trunc(HUGE_VAL));
    EXPECT_GT(Trunc(1e300), 100000);
    // Far enough inside the int range that a painter may add a few of them.
    EXPECT_LT(std::int64_t(Trunc(1e300)) * 8, std::int64_t(std::numeric_limits<int>::max()));
}

TEST(DamagedValues, GasCurvesStayOnTheTrackOnScreenAndPaper)
{
    constexpr int kW = 1200, kH = 60;
    logview::ViewGeometry g;
    g.rowHeight = 10;
    g.gas = {100, 50, 10};
    g.gasRight = 603;
    g.gasSecondLeft = 100;
    g.ratio = {700, 20, 10};
    for (auto& pen : g.pens.table)
        pen = {kInk, 1, platform::PS_DOT};
    tracks::TrackSettings s;
    s.hotwire = true;
    s.gasStrokes.fill(3);
    for (const bool logScale : {true, false}) {
        s.logGasScale = logScale;
        for (const float v : kDamaged) {
            SCOPED_TRACE(testing::Message() << "log " << logScale << " value " << v);
            // A sound record, then two damaged ones joined to it.
            std::vector<wellfile::RECORD> records(3);
            for (std::size_t k = 0; k < records.size(); ++k) {
                std::fill(std::begin(records[k].gas), std::end(records[k].gas), k ? v : 50.0f);
                std::fill(std::begin(records[k].halfGas), std::end(records[k].halfGas), k ? v : 50.0f);
                records[k].gasScale = 3;
            }
            tracks::PainterState state;
            state.rowCounter = 1;  // a later row of the pass: it joins the sound record's positions
            QImage image = testing_support::White(kW, kH);
            platform::Dc dc(image);
            tracks::DrawGasCurves(dc, g, logview::Device::Screen(), s, state, records, 1, 10, false, true);
            SCOPED_TRACE("gas track");
            ExpectInkWithin(dc, kW, kH, 100, 605);
            tracks::DrawGasCurves(dc, g, logview::Device::Screen(), s, state, records, 1, 30, true, true);
            SCOPED_TRACE("ratio column");
            ExpectInkWithin(dc, kW, kH, 100, 605 + 710);

            // On paper as well: the right limit (601) and up to 12 strokes of a styled pen beside it.
            logview::Device paper = logview::Device::Screen();
            paper.printing = true;
            paper.printer.gasLeft = paper.printer.gas2Left = 100;
            paper.printer.gasRight = 600;
            paper.printer.gasUnits = 50;
            paper.printer.unitWidth = 10;
            paper.printer.lineThickness = 45;
            for (std::size_t i = 0; i < 7; ++i)
                paper.printPens[i] = {kInk, 1, platform::PS_DOT};
            image.fill(Qt::white);
            state.printRowCounter = 0;  // the first printed row starts from the record before it
            tracks::PrintCurveTrack(dc, g, paper, s, state, nullptr, records, 1, 20, false, 10);
            ExpectInkWithin(dc, kW, kH, 100, 614);
        }
    }
}

TEST(DamagedValues, RateCurveStaysOnItsTrack)
{
    class View : public testing_support::ViewTest {
    public:
        void TestBody() override {}
        using ViewTest::Geometry;
        using ViewTest::SetUp;
    } view;
    view.SetUp();
    logview::ViewGeometry g = view.Geometry();  // the rate track 9-259
    g.pens.table[layout::PEN_RATES] = {kInk, 1, layout::PS_SOLID};
    for (const bool logarithmic : {false, true}) {
        g.options.logRateScale = logarithmic;
        for (const float v : kDamaged) {
            std::vector<wellfile::RECORD> records(6);
            for (std::size_t i = 0; i < records.size(); ++i) {
                records[i].depth = std::int32_t(1100 + i);
                records[i].rateOdd = records[i].rateOne = records[i].rate2Ft = i % 2 ? v : 2.0f;
                records[i].minutesScale = 1;
            }
            QImage image = testing_support::White(400, 300);
            platform::Dc dc(image);
            logview::DrawCurve(dc, g, logview::Device::Screen(), {}, records, 1, 5, 10, 160, false);
            ExpectInkWithin(dc, 400, 300, 0, 270);
        }
    }
}

TEST(DamagedValues, CustomCurvesStayOnTheirTrack)
{
    constexpr int kW = 400, kH = 400;
    layout::CustomTrackHost host;
    layout::CUSTOMDATA data{&host, false};
    logview::ViewGeometry g;
    g.fileFirstDepth = 100;
    g.fileLastDepth = 2000;
    g.logBottomY = kH;
    g.scaleIndex = 1;
    data.trackCount = 1;
    layout::CustomTrackEntry& e = data.paintSet[0];
    e.leftX = 100;
    e.rightX = 300;
    e.blockWidth = 20;
    e.blockCount = 10;
    e.dataCode[0] = 13;  // RPM
    e.maximum[0] = 100;
    e.direction[0] = 1;
    e.colour[0] = kInk;
    data.screenPens[0][0] = {kInk, 1, layout::PS_SOLID};
    std::vector<wellfile::RECORD> records(40);
    std::vector<wellfile::CUSTDATAREC> custom(40);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].depth = std::int32_t(100 + i);
        custom[i].depth = float(100 + i);
    }
    tracks::CustomCurveRows rows;
    rows.records = records;
    rows.custom = custom;
    rows.first = 1;
    rows.rows = 30;
    rows.rowHeight = 10;
    rows.stopDepth = 149;
    for (const bool logarithmic : {false, true}) {
        e.logarithmic = logarithmic;
        for (const float v : kDamaged) {
            for (std::size_t i = 0; i < custom.size(); ++i)
                custom[i].rpm = i % 3 ? v : 50.0f;
            QImage image = testing_support::White(kW, kH);
            platform::Dc dc(image);
            tracks::PainterState state;
            tracks::PaintCurves(dc, data, g, logview::Device(), rows, {}, nullptr, state, tracks::kFullPaint);
            ExpectInkWithin(dc, kW, kH, 100, 301);
        }
    }
}
