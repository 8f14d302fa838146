// The demo well as a first start shows it: every column of the log holds what its painter draws from the
// demo's records, at each view scale, and the records themselves read as a well a geologist would log.
#include "app/commandids.h"
#include "demo/demowell.h"
#include "elog/curves.h"
#include "layout/curvenames.h"
#include "layout/custchartcfg.h"
#include "layout/pentable.h"
#include "logview/geometryof.h"
#include "platform/draw/syscolors.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using testing_support::TestDir;
using wellfile::RECORD;

namespace {

QRgb Rgb(platform::COLORREF c)
{
    c = platform::ResolveColor(c);
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

struct Box {
    int left, right, top, bottom;  // inside the column's edges and the log's rows
};

int CountColour(const QImage& image, const Box& b, QRgb colour)
{
    int n = 0;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return n;
}

// Pixels of any colour but the background's and the grid's: what a painter put there.
int CountDrawn(const QImage& image, const Box& b, const std::set<QRgb>& grid)
{
    int n = 0;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            n += grid.count(image.pixel(x, y) & 0xFFFFFF) == 0 ? 1 : 0;
    return n;
}

class DemoLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }

    // The record of `depth` as the data file holds it.
    RECORD At(std::int32_t depth)
    {
        const auto records = testing_support::FileRecords<RECORD>(window.State().well.file.dataFileName);
        return records.at(std::size_t(depth - records.front().depth));
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

TEST_F(DemoLog, EveryColumnHoldsItsTrackAtEachScale)
{
    app::LogState& s = window.State();
    // The custom tracks come with the quick view bar's button.
    ASSERT_FALSE(s.well.customTracksEnabled);
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    const layout::LogLayout& L = s.layout.format;
    const RECORD show = At(1620);  // the middle of the reef limestone's show
    for (int scale : {1, 2, 3}) {
        SCOPED_TRACE(scale);
        s.view.viewScale = scale;
        s.well.file.viewTopDepth = 1590;
        window.PaintLog();
        const QImage& image = window.BackingStore();
        ASSERT_GE(image.height(), s.view.logAreaBottom);
        const logview::ViewGeometry g = logview::GeometryOf(s);
        auto pen = [&](int entry) { return Rgb(g.pens.table[std::size_t(entry)].colour); };
        const std::set<QRgb> grid = {qRgb(255, 255, 255) & 0xFFFFFF, qRgb(0, 0, 0) & 0xFFFFFF,
                                     pen(layout::PEN_GRID) & 0xFFFFFF, pen(layout::PEN_HEAVY_GRID) & 0xFFFFFF,
                                     pen(layout::PEN_BORDER) & 0xFFFFFF, pen(layout::PEN_HEAVY_BORDER) & 0xFFFFFF};
        const int top = L.logAreaTop + 1, bottom = s.view.logAreaBottom - 1;
        auto inside = [&](const layout::Column& c) { return Box{c.left + 1, c.Right() - 1, top, bottom}; };

        // Rate, gamma and weight on bit across the rate track.
        for (int entry : {layout::PEN_RATES, layout::PEN_GAMMA, layout::PEN_WOB})
            EXPECT_GT(CountColour(image, inside(L.rate), pen(entry)), 20) << "rate track, pen " << entry;
        // The pictures at the show: the plain one's blue marker and the orange "ISO" and "M" markers at
        // the rate track's right edge (the compressed body draws no markers).
        if (scale < 3) {
            const Box markers{L.rate.Right() - 3 * g.unitWidth, L.rate.Right(), top, bottom};
            EXPECT_GT(CountColour(image, markers, qRgb(0, 128, 255)), 20) << "picture marker";
            EXPECT_GT(CountColour(image, markers, qRgb(255, 128, 0)), 40) << "ISO and M markers";
        }
        // The show's outline, its porosity boxes, the rock patterns, the calcimeter bars, the
        // fluorescence and the cut in their record colours.
        if (scale < 3) {  // the compressed rows draw no outlines
            EXPECT_GT(CountColour(image, inside(L.outline), qRgb(0, 0, 0)), 20) << "outline";
        }
        EXPECT_GT(CountColour(image, inside(L.show1), qRgb(0, 0, 0)), 20) << "porosity";
        EXPECT_GT(CountDrawn(image, inside(L.lithology), grid), 20 * L.lithology.Width()) << "lithology";
        EXPECT_GT(CountColour(image, inside(L.interpreted), Rgb(show.hardnessColour)), 20) << "hardness";
        EXPECT_GT(CountColour(image, inside(L.show2), Rgb(show.fluorColour)), 20) << "fluorescence";
        EXPECT_GT(CountColour(image, inside(L.show3), Rgb(show.ratingColour)), 20) << "cut";
        // The gas track: total gas, every component, CO2 and the mud weights' bars.
        for (int entry = layout::PEN_TG; entry <= layout::PEN_NC5; ++entry)
            EXPECT_GT(CountColour(image, inside(L.gas), pen(entry)), 10) << "gas, pen " << entry;
        EXPECT_GT(CountColour(image, inside(L.gas), pen(layout::PEN_CO2)), 20) << "CO2";
        // The custom tracks: each curve of each track in its own colour (the FIT curves need the FIT data
        // option, off here).
        const layout::CUSTOMDATA* custom = s.customTracks.data.get();
        ASSERT_NE(custom, nullptr);
        ASSERT_GT(custom->trackCount, 0);
        for (int t = 0; t < custom->trackCount; ++t) {
            const layout::CustomTrackEntry& e = custom->screenSet[std::size_t(t)];
            ASSERT_GT(e.rightX, e.leftX);
            EXPECT_LE(e.rightX, image.width());
            for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
                if (e.dataCode[c] != 0 && e.dataCode[c] < layout::kFirstFitCurveCode) {
                    EXPECT_GT(CountColour(image, {e.leftX + 1, e.rightX - 1, top, bottom}, Rgb(e.colour[c])), 20)
                        << "custom track " << t << ", " << e.label[c];
                }
            }
        }
    }
}

TEST_F(DemoLog, TheShortReportsStandInTheGasTrackWithTheirBoxes)
{
    app::LogState& s = window.State();
    ASSERT_EQ(s.shortReports.reports.size(), 3u);
    const std::int32_t depth = s.shortReports.reports[0].depth;
    s.well.file.viewTopDepth = depth - 20;
    window.PaintLog();
    // The drilling-parameter box and the mud box under it, framed, from the gas track's first slot (the
    // mouse's lists hold the boxes below the log too).
    ASSERT_EQ(s.shortReports.mechanical.count, 3);
    ASSERT_EQ(s.shortReports.mud.count, 3);
    const platform::RECT box = s.shortReports.mechanical.box[0], mud = s.shortReports.mud.box[0];
    EXPECT_GE(box.left, s.layout.format.gas.left);
    EXPECT_GT(mud.top, box.top + 5 * s.layout.format.pixelsPerStep);
    const QImage& image = window.BackingStore();
    EXPECT_EQ(image.pixel(box.left, (box.top + box.bottom) / 2) & 0xFFFFFF, 0u);
    const Box inside{box.left + 2, box.right - 2, box.top + 2, box.bottom - 2};
    EXPECT_GT(CountColour(image, inside, qRgb(0, 0, 160)), 20) << "the lines";
}

TEST_F(DemoLog, TheDescriptionColumnHoldsTheCuttingsDescriptionsAndTheTopsAreDrawn)
{
    app::LogState& s = window.State();
    const layout::LogLayout& L = s.layout.format;
    ASSERT_GT(L.description.Width(), 100);
    s.view.viewScale = 1;
    const std::set<QRgb> blank = {qRgb(255, 255, 255) & 0xFFFFFF};
    for (std::int32_t top : {1000, 1300, 1600, 1900, 2200, 2500}) {
        SCOPED_TRACE(top);
        s.well.file.viewTopDepth = top;
        window.PaintLog();
        const QImage& image = window.BackingStore();
        // Black text inside the column, clear of its edges and of the tops' lines across it.
        const Box column{L.description.left + 4, L.description.Right() - 4, L.logAreaTop + 1, s.view.logAreaBottom - 1};
        EXPECT_GT(CountColour(image, column, qRgb(0, 0, 0)), 100) << "no description";
    }
    // The reef limestone's top (1540) seen from 1530: its line and label in the top's colour across the
    // rate track, its row ten rows down.
    s.well.file.viewTopDepth = 1530;
    window.PaintLog();
    const auto reef = std::find_if(s.well.tops.begin(), s.well.tops.end(), [](const wellfile::TOPSEX& t) { return t.depth == 1540; });
    ASSERT_NE(reef, s.well.tops.end());
    const int R = L.pixelsPerStep, y = L.logAreaTop + 10 * R;
    const Box rate{L.rate.left + 1, L.rate.Right() - 1, y - 2 * R, y + 2 * R};
    EXPECT_GT(CountColour(window.BackingStore(), rate, Rgb(reef->colour)), 2 * L.rate.Width()) << "the top's line and label";
}

TEST_F(DemoLog, TheRecordsReadAsALoggedWell)
{
    const wellfile::OpenWell& well = window.State().well.file;
    const auto records = testing_support::FileRecords<RECORD>(well.dataFileName);
    ASSERT_EQ(records.size(), 1601u);
    const auto custom = testing_support::FileRecords<wellfile::CUSTDATAREC>(well.currentFolder + "elogdemo.svx");
    ASSERT_EQ(custom.size(), records.size());

    std::set<float> mudWeights;
    float lastMud = 0, lastInclination = 0;
    int connections = 0, trips = 0, stationsBelowKickOff = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RECORD& r = records[i];
        SCOPED_TRACE(r.depth);
        const float customDepth = custom[i].depth, rpm = custom[i].rpm;
        EXPECT_EQ(customDepth, float(r.depth));
        // A natural gas: each component less than the one before.
        for (int c = wellfile::GAS_C2; c <= wellfile::GAS_NC5; ++c) {
            const float component = r.gas[c], above = r.gas[c - 1];
            ASSERT_LT(component, above);
        }
        const float mud = r.mudWeightIn, inclination = r.inclination;
        if (mud > 0) {
            EXPECT_GE(mud, lastMud);  // weighted up, never down
            lastMud = mud;
            mudWeights.insert(mud);
        }
        connections += r.tripCode == 2 ? 1 : 0;
        trips += r.tripCode == 4 ? 1 : 0;
        if (r.tvd > 0 && r.depth >= 1800) {
            EXPECT_GE(inclination, lastInclination);  // building angle
            lastInclination = inclination;
            ++stationsBelowKickOff;
        } else if (r.tvd > 0) {
            EXPECT_LT(inclination, 1.0f);  // vertical above the kick-off
        }
        // While sliding on the motor the rotary table stands still.
        if (r.slide == 1) {
            EXPECT_EQ(rpm, 0.0f);
        }
    }
    EXPECT_EQ(mudWeights.size(), 3u);
    EXPECT_EQ(connections, 53);  // every 30 units from 1020 to 2580
    EXPECT_EQ(trips, 2);
    EXPECT_GT(lastInclination, 30.0f);
    EXPECT_GT(stationsBelowKickOff, 20);

    // The gas shows lie over the two sand bodies besides the carbonates, each with its outline.
    int sandShows = 0;
    for (const RECORD& r : records) {
        if (r.outlineNarrow == 2 && platform::FieldText(r.interpretedLith) == "100SS")
            ++sandShows;
    }
    EXPECT_EQ(sandShows, 2);
    // Three downtime notes beside the well.
    EXPECT_EQ(QDir(well.currentFolder).entryList({"elogdemo-DT@*.txt"}, QDir::Files).size(), 3);
}

// With the FIT data option on (a setting of the installation) the demo's FIT track draws the FIT analysis
// of its gas, from a ".fit" of one whole record per depth.
TEST(DemoLogFit, TheFitTrackDrawsTheFitAnalysisOfTheGas)
{
    platform::WriteSetting(QStringLiteral("FIT/DATA"), QStringLiteral("1"));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const auto records = testing_support::FileRecords<RECORD>(s.well.file.dataFileName);
    const QByteArray fit = testing_support::ReadExistingBytes(s.well.fit.path);
    ASSERT_EQ(fit.size(), qsizetype(records.size()) * wellfile::kExtRecordSize);
    auto at = [&](std::size_t i, int byte) { return testing_support::At<float>(fit, qsizetype(i) * wellfile::kExtRecordSize + byte); };
    auto thc = [&](std::int32_t depth) { return at(std::size_t(depth - records.front().depth), 358); };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RECORD& r = records[i];
        ASSERT_EQ(at(i, 0), float(r.depth));
        ASSERT_EQ(testing_support::At<std::uint16_t>(fit, qsizetype(i) * wellfile::kExtRecordSize + 172), wellfile::kExtRecordSize);
        // Total hydrocarbons and C1 within a few percent of the chromatograph's: C1 in ppm, the record's
        // hundredths.
        ASSERT_NEAR(thc(r.depth), r.gas[wellfile::GAS_TG], 0.06f * r.gas[wellfile::GAS_TG] + 0.1f);
        ASSERT_NEAR(at(i, 362), 100 * r.gas[wellfile::GAS_C1], 6.0f * r.gas[wellfile::GAS_C1] + 0.1f);
    }

    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    const layout::CustomTrackEntry& track = s.customTracks.data->screenSet[1];
    ASSERT_EQ(track.dataCode[0], 91);  // "FIT THC", 0.01 to 1,000,000 on the logarithmic scale
    s.view.viewScale = 1;
    s.well.file.viewTopDepth = 1580;  // the reef limestone's background, then its show from 1604
    window.PaintLog();
    const QImage& image = window.BackingStore();
    const layout::LogLayout& L = s.layout.format;
    const int R = L.pixelsPerStep;
    for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
        if (track.dataCode[c] != 0) {
            const Box inside{track.leftX + 1, track.rightX - 1, L.logAreaTop + 1, s.view.logAreaBottom - 1};
            EXPECT_GT(CountColour(image, inside, Rgb(track.colour[c])), 20) << track.label[c];
        }
    }
    // The total hydrocarbons where the scale puts them at their depth: eight decades across the track.
    for (std::int32_t depth : {1586, 1592, 1614, 1620, 1626}) {
        const int x = int(track.leftX + std::log10(thc(depth) / 0.01) / 8.0 * (track.rightX - track.leftX));
        const int y = L.logAreaTop + (depth - 1580) * R;
        EXPECT_GT(CountColour(image, {x - 4, x + 5, y - R, y + R}, Rgb(track.colour[0])), 0) << depth;
    }
    EXPECT_GT(thc(1620), 4 * thc(1586));  // the show stands out from the background
}

}  // namespace

TEST_F(DemoLog, TenFootPrintoutCarriesTheCustomTracksDownToItsLastRow)
{
    app::LogState& s = window.State();
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    platform::PrinterDescription pdf = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
    pdf.outputFile.clear();
    testing_support::doubles().printers.defaultPrinter = pdf;
    s.print.scaleKind = 3;
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetText(print::setupid::StartDepth, QStringLiteral("1000"));
        d.SetText(print::setupid::EndDepth, QStringLiteral("1900"));
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::Print);
    const QString file = s.well.file.dataFolder + "sendfile/elogdemo@1900-1inch.pdf";
    const QImage page = testing_support::RasterisePdf(file, 100, 1);
    ASSERT_FALSE(page.isNull());

    // The custom track under its title, and the last hundred the page labels.
    double left = -1, right = -1, lastLabel = -1;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(file)) {
        if (w.page != 1)
            continue;
        if (w.text == "DRILLING")
            left = w.xMin * 100 / 72, right = w.xMax * 100 / 72;
        bool number = false;
        const int depth = w.text.toInt(&number);
        if (number && depth > 1000 && depth % 100 == 0)
            lastLabel = std::max(lastLabel, w.yMin * 100 / 72);
    }
    ASSERT_GT(left, 0);
    ASSERT_GT(lastLabel, page.height() / 2);
    // Rows of five records, ten custom records a row: its grid and curves reach the page's last hundred too.
    int gridLines = 0;
    for (int y = int(lastLabel) - 20; y < int(lastLabel) + 20; ++y)
        gridLines += CountDrawn(page, Box{int(left), int(right), y, y + 1}, {qRgb(255, 255, 255) & 0xFFFFFF}) > (right - left) / 2;
    EXPECT_GE(gridLines, 3);
}

// The demo's wireline log: loaded with the well, its deep resistivity shown by the first scheme, the
// GAMMA outline of the depth match placed over the rate track where the scale puts the curve, one record
// a row, three units shallow of the mudlog's gamma, and the read-out's saturation over the reef
// limestone's show below the water's.
TEST_F(DemoLog, TheWirelineLogIsLoadedAndOutlinedOverTheRateTrack)
{
    app::LogState& s = window.State();
    ASSERT_TRUE(s.engines.elogCurves);
    const elog::Curves& c = *s.engines.elogCurves;
    EXPECT_EQ(c.lastDepth, 2590);
    EXPECT_TRUE(s.view.elogShown);
    s.well.file.viewTopDepth = 1590;
    window.PaintLog();
    QCoreApplication::processEvents();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    ASSERT_EQ(s.well.elogDepthOffset, 0);
    // A press on the curve in the row of 1595 places the outline (the drag starts) and the button up
    // takes it off. Point i is curve record 1590 + i, on the top edge of the row of depth 1590 + i,
    // where the rate curve has its point of that depth.
    const int x = int(g.rate.left + c.Records()[1595].values[elog::SLOT_GAMMA] * c.gammaScale.factor) + 1;
    const int clientTop = window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0;
    const QPoint press(x - g.horizontalScroll, g.topMargin + 5 * g.rowHeight + g.rowHeight / 2 + clientTop);
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, press);
    EXPECT_TRUE(s.interaction.mouse.elogDrag);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, press);
    ASSERT_GT(c.points.size(), 10u);
    for (std::size_t i : {0u, 5u, 9u}) {
        const platform::POINT p = c.points[i];
        const float gamma = c.Records()[1590 + i].values[elog::SLOT_GAMMA];
        EXPECT_NEAR(p.x, g.rate.left + gamma * c.gammaScale.factor, 1.0) << i;
        EXPECT_EQ(p.y, g.topMargin + int(i) * g.rowHeight) << i;
    }
    const RECORD mudlog = At(1623);
    float mean = 0;
    for (float v : mudlog.gamma)
        mean += v / 5;
    EXPECT_NEAR(c.Records()[1620].values[elog::SLOT_GAMMA], mean, 10.0);
    // Sw of the show well below that of the limestone's water-bearing part above it.
    EXPECT_LT(c.Records()[1615].values[elog::SLOT_SW], 0.5f * c.Records()[1580].values[elog::SLOT_SW]);
}
