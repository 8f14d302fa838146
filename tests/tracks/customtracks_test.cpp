// The custom tracks of the log body on white images and a PDF page: the frame's rules (a minimised
// window, short files, the track walk, row repaints), the block grid and its depth labels, the ratio,
// logarithmic and resistivity grids, the cell tracks (survey, depth labels, pictures, reports, memos,
// show columns), the mud weights and the lithology track.
#include "tracks/draw/customtracks.h"

#include "logview/draw/gridstrips.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/textrecord.h"

#include <QPdfWriter>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kW = 700, kH = 1000, kTop = 100, kR = 10;
const platform::COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255),
                         kLightGrey = RGB(192, 192, 192), kRed = RGB(255, 0, 0);

// Records each lithology item with the row top and the custom track's x at the call.
class LithRecorder : public LithPatternPainters {
public:
    struct Call {
        int y;
        int trackX;
    };
    std::vector<Call> calls;
    void Screen(const LithPatternTarget& t, const LithPattern& p) override { calls.push_back({p.y, t.state.lith.customTrackX}); }
    void Printer(const LithPatternTarget& t, const LithPattern& p) override { Screen(t, p); }
};

class CustomTracksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.fileFirstDepth = 100;
        g.fileLastDepth = 2000;
        g.scaleIndex = 1;
        g.rowHeight = kR;
        g.visibleRows = 80;
        g.logBottomY = kTop + 80 * kR;
        Depths(280);
        rows.first = 1;
        rows.topY = kTop;
        rows.rows = 80;
        rows.rowHeight = kR;
        rows.stopDepth = 2000;
        dc.RecordText(true);
    }
    // Records (and custom records) from `first` down, one depth unit apart; the top line is `first`'s.
    void Depths(std::int32_t first, std::size_t count = 120)
    {
        records.assign(count, wellfile::RECORD{});
        custom.assign(count, wellfile::CUSTDATAREC{});
        for (std::size_t i = 0; i < count; ++i) {
            records[i].depth = first + std::int32_t(i);
            custom[i].depth = float(first + std::int32_t(i));
        }
        rows.records = records;
        rows.custom = custom;
    }
    // Track `t` from `left`: `blocks` blocks of `width`, of type `kind`, with kind letter `letter`.
    layout::CustomTrackEntry& Track(int t, int left, int blocks, int width, int kind = 0, char letter = 0)
    {
        for (layout::TrackSet* set : {&data.screenSet, &data.printSet}) {
            layout::CustomTrackEntry& e = (*set)[std::size_t(t)];
            e.leftX = left;
            e.rightX = left + blocks * width;
            e.blockCount = blocks;
            e.blockWidth = width;
            e.kind = kind;
            e.dataCode[0] = std::uint16_t(std::uint8_t(letter));
        }
        data.trackCount = std::max(data.trackCount, t + 1);
        return data.screenSet[std::size_t(t)];
    }
    // Sets a field of track `t` in both sets.
    void Both(int t, const std::function<void(layout::CustomTrackEntry&)>& set)
    {
        set(data.screenSet[std::size_t(t)]);
        set(data.printSet[std::size_t(t)]);
    }
    int Paint(int mode = kFullPaint)
    {
        CustomPass pass{dc, g, device, settings, state, painters, values, nullptr, window, lith, rows, mode};
        return PaintLogBody(data, pass);
    }
    platform::COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    std::vector<platform::DcText> Texts(const QString& text) const { return testing_support::TextsSaying(dc, text); }
    // Runs of pixels other than white along row y from x0 to x1, and how many of them are blue.
    std::pair<int, int> Runs(int y, int x0, int x1) const
    {
        int runs = 0, blue = 0;
        bool in = false;
        for (int x = x0; x < x1; ++x) {
            const platform::COLORREF c = At(x, y);
            if (c != kWhite && !in) {
                ++runs;
                blue += c == kBlue;
            }
            in = c != kWhite;
        }
        return {runs, blue};
    }

    layout::CustomTrackHost host;
    layout::CUSTOMDATA data{&host, false};
    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings settings;
    PainterState state;
    testing_support::RecordingPainters painters;
    CurveValueSettings values;
    CustomTrackWindow window;
    LithHooks lith;
    CustomCurveRows rows;
    std::vector<wellfile::RECORD> records;
    std::vector<wellfile::CUSTDATAREC> custom;
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

}  // namespace

TEST_F(CustomTracksTest, AMinimisedWindowStopsOnlyTheScreenPaintAndShortFilesGetNoCurves)
{
    Track(0, 100, 10, 10);
    Both(0, [](layout::CustomTrackEntry& e) {
        e.dataCode[0] = 13;  // RPM, 55 of 0-100: x 155
        e.maximum[0] = 100;
        e.direction[0] = 1;
        e.colour[0] = kRed;
    });
    data.screenPens[0][0] = data.printPens[0][0] = {kRed, 1, layout::PS_SOLID};
    for (auto& c : custom)
        c.rpm = 55;

    window.iconic = true;
    EXPECT_EQ(Paint(), 0);
    EXPECT_EQ(testing_support::Touched(dc, kW, kH, kWhite).right, 0);
    device.imageExport = true;  // a log image of a minimised window still has its tracks
    EXPECT_EQ(Paint(), 1);
    EXPECT_EQ(At(100, 305), kBlack);
    EXPECT_EQ(At(155, 305), kRed);

    image.fill(Qt::white);
    device.imageExport = false;
    window.iconic = false;
    g.fileLastDepth = 119;  // fewer than 20 depth units: the grid, no curve
    EXPECT_EQ(Paint(), 0);
    EXPECT_EQ(At(100, 305), kBlack);
    EXPECT_EQ(At(155, 305), kWhite);
}

TEST_F(CustomTracksTest, TheWalkEndsAtATrackWithoutBlocksAndPaintsTenTracksWhileDrilling)
{
    Track(0, 10, 4, 10);
    Track(1, 60, 4, 10);
    Track(2, 110, 0, 10);
    Track(3, 160, 4, 10);
    Paint();
    EXPECT_EQ(At(60, 305), kBlack);
    EXPECT_EQ(At(160, 305), kWhite);

    image.fill(Qt::white);
    for (int t = 0; t < 12; ++t)
        Track(t, 10 + 50 * t, 4, 10);
    window.drilling = true;
    Paint();
    EXPECT_EQ(data.tracksToPaint, 10);
    EXPECT_EQ(At(10 + 50 * 9, 305), kBlack);
    EXPECT_EQ(At(10 + 50 * 10, 305), kWhite);
    window.drilling = false;
    Paint();
    EXPECT_EQ(data.tracksToPaint, 12);
}

TEST_F(CustomTracksTest, TheBlockGridDrawsItsPensAndLabelsDepthsInEveryThirdTrack)
{
    for (int t = 0; t < 5; ++t)
        Track(t, 10 + 130 * t, 10, 10);
    Paint();
    const int left = 10 + 130 * 3;  // the 4th track
    EXPECT_EQ(At(left, 305), kBlack);        // line 0 heavy
    EXPECT_EQ(At(left + 10, 305), kLightGrey);
    EXPECT_EQ(At(left + 50, 305), kBlue);    // every fifth medium
    EXPECT_EQ(At(left + 100, 305), kBlue);   // and the last
    int heavy = 0;  // depth 300: heavy, two pixels
    for (int y = 298; y <= 302; ++y)
        heavy += At(left + 25, y) == kBlack;
    EXPECT_EQ(heavy, 2);
    EXPECT_EQ(At(left + 25, 200), kBlue);    // 290: medium
    EXPECT_EQ(At(left + 25, 210), kLightGrey);
    const auto labels = Texts("300");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].at.x, left + 100 - 2);
    EXPECT_EQ(labels[0].at.y, 300 - 16);
    EXPECT_EQ(labels[0].align & platform::TA_RIGHT, unsigned(platform::TA_RIGHT));
    EXPECT_EQ(Texts("350").size(), 1u);
    EXPECT_EQ(Texts("310").size(), 0u);

    dc.RecordText(false);
    dc.RecordText(true);
    g.profile = 134;
    Paint();
    EXPECT_TRUE(Texts("300").empty());
}

TEST_F(CustomTracksTest, PrintedBlockGridStepsEveryFifthRowUpAndDrawsTheHeavyPenASixthOfARow)
{
    constexpr int R = 24, T = 40;
    data.printing = true;
    device.printing = true;
    Depths(300);
    rows.rowHeight = R;
    rows.topY = T;
    rows.rows = 12;
    Track(0, 10, 10, 20);  // where the printed strip lays the first track out
    const QString file = testing_support::TestDir() + "customgrid.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(240, 300), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc pdf(writer);
        CustomPass pass{pdf, g, device, settings, state, painters, values, nullptr, window, lith, rows, kFullPaint};
        PaintLogBody(data, pass);
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull());
    const platform::COLORREF grey = RGB(128, 128, 128);
    // Depth 300 on the top line, a heavy line 4 units wide.
    int heavy = 0;
    for (int y = T - 4; y <= T + 4; ++y)
        heavy += testing_support::At4(page, 100, y) == kBlack;
    EXPECT_EQ(heavy, 4);
    // Row 0 ends 4 units short, rows 1 to 5 are whole, row 6 ends short again.
    EXPECT_EQ(testing_support::At4(page, 100, T + R - 4), grey);
    EXPECT_EQ(testing_support::At4(page, 100, T + R), kWhite);
    EXPECT_EQ(testing_support::At4(page, 100, T + 6 * R - 8), grey);
    EXPECT_EQ(testing_support::At4(page, 100, T + 6 * R - 4), kWhite);
    // The first vertical line is doubled one unit to the left; a block line in the printer's blue.
    EXPECT_EQ(testing_support::At4(page, 9, T + 30), kBlack);
    EXPECT_EQ(testing_support::At4(page, 10 + 5 * 20, T + 30), kBlue);
}

TEST_F(CustomTracksTest, RatioGridStandsOnItsFiveValuesWithLabelsEveryFiftyOnScreenAndTwoHundredOnPaper)
{
    Depths(190);
    Track(0, 100, 10, 20, kRatioTrack);
    Both(0, [](layout::CustomTrackEntry& e) {
        e.dataCode[0] = 25;
        e.dataCode[1] = 26;
    });
    // The ratio curves in white: masked over the grid they leave it as it is.
    data.screenPens[0][0] = data.screenPens[0][1] = data.printPens[0][0] = data.printPens[0][1] = {kWhite, 1, 0};
    Paint();
    EXPECT_EQ(At(99, 245), kBlack);
    for (const int x : {100, 200, 224, 260, 300})
        EXPECT_EQ(At(x, 245), kLightGrey) << x;
    EXPECT_EQ(At(150, 245), kWhite);
    EXPECT_EQ(At(150, 200), kBlack);  // depth 200: heavy
    EXPECT_EQ(data.paintSet[0].minimum[1], 1.0f);
    EXPECT_EQ(data.paintSet[0].maximum[1], 100.0f);
    const auto labels = Texts("17.5");
    ASSERT_EQ(labels.size(), 2u);  // 200 and 250 on the 80 rows
    EXPECT_EQ(labels[0].at.x, 224);
    EXPECT_EQ(labels[0].at.y, 200 + 20);
    EXPECT_EQ(Texts("10")[0].at.y, 200);
    EXPECT_EQ(labels[0].textColor, kRed);

    dc.RecordText(false);
    dc.RecordText(true);
    data.printing = true;
    Paint();
    EXPECT_EQ(Texts("17.5").size(), 1u);

    // A WITS step: lines only, every depth line minor.
    dc.RecordText(false);
    dc.RecordText(true);
    data.printing = false;
    image.fill(Qt::white);
    Depths(200);
    rows.topY = 200;
    Paint(kWitsStepRepaint);
    EXPECT_EQ(At(150, 200), kLightGrey);
    EXPECT_EQ(At(224, 245), kLightGrey);
    EXPECT_TRUE(Texts("17.5").empty());
}

TEST_F(CustomTracksTest, LogarithmicGridDrawsOneCycleOfNineLinesADecadeFromItsEdge)
{
    Track(0, 100, 10, 27).logarithmic = 1;
    Both(0, [](layout::CustomTrackEntry& e) {
        e.logarithmic = 1;
        e.minimum[0] = 1;
        e.maximum[0] = 1000;
        e.direction[0] = 1;
    });
    Paint();
    EXPECT_EQ(At(99, 305), kBlack);  // the double edge
    EXPECT_EQ(At(100, 305), kBlack);
    EXPECT_EQ(Runs(305, 90, 400), std::make_pair(1 + 27, 3));

    image.fill(Qt::white);
    Both(0, [](layout::CustomTrackEntry& e) {
        e.minimum[0] = 5;
        e.maximum[0] = 50;
        e.direction[0] = 0;  // from the right edge
    });
    Paint();
    EXPECT_EQ(At(370, 305), kBlack);
    EXPECT_EQ(At(369, 305), kBlack);
    EXPECT_EQ(Runs(305, 90, 400), std::make_pair(1 + 9, 1));
    EXPECT_EQ(At(100, 305), kBlue);  // the decade's tenth line lands on the far edge

    image.fill(Qt::white);
    Both(0, [](layout::CustomTrackEntry& e) {
        e.minimum[0] = 200;
        e.maximum[0] = 300;
    });
    Paint();
    EXPECT_EQ(Runs(305, 90, 400).first, 0);
    EXPECT_EQ(At(150, 300), kWhite);
}

TEST_F(CustomTracksTest, ResistivityGridPutsItsDecadesAndTheTwoThousandLine)
{
    Track(0, 100, 10, 21, kResistivityTrack);
    Paint();
    EXPECT_EQ(At(100, 305), kBlack);
    for (const int x : {137, 189, 241, 293, 309})
        EXPECT_EQ(At(x, 305), kBlue) << x;
    EXPECT_EQ(Runs(305, 95, 320), std::make_pair(1 + 8 + 3 * 9 + 1, 5));
    EXPECT_EQ(At(150, 200), kBlue);   // 290: medium every 10
    EXPECT_EQ(At(150, 300), kBlack);  // heavy every 50

    // Ten records a row: the grid reads from the record before the first, heavy every 100, no medium.
    image.fill(Qt::white);
    g.scaleIndex = 3;
    Depths(201);
    Paint();
    EXPECT_EQ(At(150, kTop), kBlack);           // 200
    EXPECT_EQ(At(150, kTop + 5 * kR), kLightGrey);  // 250
    EXPECT_EQ(At(150, kTop + 10 * kR), kBlack);  // 300
}

TEST_F(CustomTracksTest, SurveyCellsWriteTheirLinesOnlyForStationsWithAVerticalDepth)
{
    Depths(1230);
    Track(0, 100, 10, 20, kTextTrack, kSurveyKind);
    wellfile::RECORD& r = records[4];  // 1234
    r.tvd = 1200.5f;
    r.inclination = 3.5f;
    r.azimuth = 270.25f;
    r.verticalSection = 15.5f;
    records[6].tvd = 1210.0f;  // no inclination
    g.scaleIndex = 3;
    rows.rows = 10;
    Paint();
    const auto compact = Texts(platform::FromCp1252(" 1234' 1200.5' 3.50\xB0 270.25\xB0 15.5'"));
    ASSERT_EQ(compact.size(), 1u);
    EXPECT_EQ(compact[0].at.x, 105);
    EXPECT_EQ(Texts(" 1236'1210.0'").size(), 1u);

    dc.RecordText(false);
    dc.RecordText(true);
    g.scaleIndex = 1;
    Paint();
    EXPECT_EQ(Texts("MD  1234'").size(), 1u);
    EXPECT_EQ(Texts(platform::FromCp1252("INC 3.50\xB0")).size(), 1u);
    EXPECT_EQ(Texts("MD  1236'").size(), 1u);
    EXPECT_EQ(Texts("TVD 1210.0'").size(), 1u);
    int lines = 0;
    for (const auto& t : dc.TextRecord())
        lines += t.text.startsWith("MD") || t.text.startsWith("TVD") || t.text.startsWith("INC") ||
                 t.text.startsWith("AZM") || t.text.startsWith("VS");
    EXPECT_EQ(lines, 5 + 2);
}

TEST_F(CustomTracksTest, TextTracksWriteDepthsDownwardsOrStayEmptyBetweenTheirBorders)
{
    Depths(99);
    Track(0, 100, 10, 10, kTextTrack, kDepthKind);
    Track(1, 300, 10, 10, kTextTrack, kDescriptionsKind);
    Track(2, 500, 10, 10, kTextTrack, kPicturesKind);  // no picture list: a plain text track
    Paint();
    QString written;
    for (const auto& t : dc.TextRecord())
        if (t.at.x == 100 + 2 * kR)
            written += t.text;
    EXPECT_TRUE(written.startsWith("100110120")) << written.toStdString();
    for (const int left : {300, 500}) {
        EXPECT_EQ(At(left, 305), kBlack);
        EXPECT_EQ(At(left + 100, 305), kBlack);
        for (int x = left + 1; x < left + 100; ++x)
            ASSERT_EQ(At(x, 305), kWhite) << x;
    }
    EXPECT_TRUE(painters.Named("FindNextImageAtDepth").empty());
}

TEST_F(CustomTracksTest, CellTracksDrawWhatThePrintedPageLeftFirstAndForgetIt)
{
    Track(0, 100, 10, 10, kTextTrack, kMemosKind);
    Track(1, 300, 10, 10, kTextTrack, kShortReportKind);
    Track(2, 500, 10, 10, kTextTrack, kPicturesKind);
    window.pictureList = true;
    state.pending.memo = 3;
    state.pending.shortReports = {1, 2};
    state.pending.picture = 4;
    state.pending.pictureRemaining = 50;
    painters.pictureDepths = {281, 285, 290};
    g.topMargin = 50;  // a picture on the screen is drawn below the top margin's first row
    Paint();
    const std::vector<std::string> order{"DrawMemoBox", "DrawMemosAt", "DrawShortReportsCompact",
                                         "DrawShortReportsCompact", "DrawShortReportsAt", "DrawImageAt"};
    std::vector<std::string> names;
    for (const auto& c : painters.calls)
        if (c.name != "FindNextImageAtDepth")
            names.push_back(c.name);
    ASSERT_GE(names.size(), order.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + long(order.size())), order);
    EXPECT_EQ(painters.Named("DrawMemoBox")[0].args, (std::vector<long long>{3, kR, kTop - kR, 105}));
    EXPECT_EQ(painters.Named("DrawMemosAt")[0].args, (std::vector<long long>{280, 80 * kR, kR, kTop - kR, 105}));
    EXPECT_EQ(painters.Named("DrawShortReportsCompact")[1].args[0], 2);
    // The pending picture continues at the top, then the pictures of 281 (the first row), 285 and 290.
    const auto pictures = painters.Named("DrawImageAt");
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_EQ(pictures[0].args, (std::vector<long long>{4, kTop, 500, 100, 0, 1}));
    EXPECT_EQ(pictures[1].args, (std::vector<long long>{0, kTop, 500, 100, 0, 0}));
    EXPECT_EQ(pictures[3].args, (std::vector<long long>{2, kTop + 9 * kR, 500, 100, 0, 0}));
    EXPECT_EQ(state.pending.memo, -1);
    EXPECT_EQ(state.pending.shortReports, (std::array<std::int32_t, 2>{-1, -1}));
    EXPECT_EQ(state.pending.picture, -1);

    painters.calls.clear();
    Paint();
    EXPECT_TRUE(painters.Named("DrawMemoBox").empty());
    EXPECT_TRUE(painters.Named("DrawShortReportsCompact").empty());
}

TEST_F(CustomTracksTest, PrintedCutTrackScalesItsUnitAndMudWeightsGoIntoEveryTrackThatAsks)
{
    host.printCustomX = 90;  // the printed strip lays the track out at 100
    Track(0, 100, 10, 10, kShowTrack, kCutKind);
    records[1].cutRating = 'p';
    data.printing = true;
    device.printing = true;
    device.printer.scaleFactor = 1.5f;
    rows.rows = 3;
    Paint();
    EXPECT_NE(At(102, kTop + 5), kWhite);  // one unit of 15 for 'p'
    EXPECT_NE(At(113, kTop + 5), kWhite);
    EXPECT_EQ(At(118, kTop + 5), kWhite);

    // A ratio track with mud weights: every record with a weight gets its value.
    image.fill(Qt::white);
    dc.RecordText(false);
    dc.RecordText(true);
    data.printing = device.printing = false;
    rows.rows = 80;
    Track(0, 100, 10, 20, kRatioTrack);
    Both(0, [](layout::CustomTrackEntry& e) { e.mudWeight = 1; });
    for (const std::size_t i : {3u, 7u, 8u})
        records[i].mudWeightOut = 10.0f;
    records[7].mudWeightIn = 9.5f;
    Paint();
    int out = 0, in = 0;
    for (const auto& t : dc.TextRecord()) {
        out += t.text.contains("10.0 OUT");
        in += t.text.contains("9.5 IN");
    }
    EXPECT_EQ(out, 3);
    EXPECT_EQ(in, 1);
}

TEST_F(CustomTracksTest, LithologyTrackPaintsEachRowsOwnRecordAtTheTracksLeftEdge)
{
    Track(0, 100, 10, 10, kPercentLithTrack);
    for (std::size_t i = 0; i < records.size(); ++i)
        platform::SetFieldText(records[i].lith, i == 1 ? "100ls" : "100sh");
    LithRecorder recorder;
    lith.patterns = &recorder;
    rows.rows = 3;
    rows.stopDepth = 283;
    Paint();
    ASSERT_EQ(recorder.calls.size(), 3u);
    EXPECT_EQ(recorder.calls[0].y, kTop);
    EXPECT_EQ(recorder.calls[1].y, kTop + kR);
    for (const auto& c : recorder.calls)
        EXPECT_EQ(c.trackX, 100);
    EXPECT_EQ(state.lith.customTrackX, 0);
    EXPECT_EQ(At(100, kTop + 5), kBlack);
    EXPECT_EQ(At(200, kTop + 5), kBlack);
}

TEST_F(CustomTracksTest, RowRepaintsDrawOneRowAndAWitsStepRestoresTheTracksStripFirst)
{
    logview::GridStrips strips;
    strips.blank = testing_support::White(500, kR);
    window.strips = &strips;
    Track(0, 100, 10, 10);
    Depths(300);
    rows.topY = 300;
    rows.rows = 2;
    image.fill(QColor(255, 0, 0));
    Paint(kDrillingStepRepaint);
    EXPECT_EQ(At(105, 305), kRed);    // nothing restored
    EXPECT_EQ(At(105, 300), kBlack);  // the row's one depth line (300)
    EXPECT_EQ(At(105, 310), kRed);

    image.fill(QColor(255, 0, 0));
    Paint(kWitsStepRepaint);
    EXPECT_EQ(At(105, 305), kWhite);   // the strip under the track's row
    EXPECT_EQ(At(105, 300), kBlack);
    EXPECT_EQ(At(105, 315), kRed);     // below the row
    EXPECT_EQ(At(110, 315), RGB(192, 0, 0));  // the block lines go on down, mixed with what is there
}

TEST_F(CustomTracksTest, LithologyTrackStaggersItsRowsAndARowRepaintDrawsWhatTheFullPaintDrew)
{
    g.lithology = {500, 10, 10};
    g.topMargin = kTop;
    Track(0, 100, 10, 10, kPercentLithTrack);
    for (auto& r : records)
        platform::SetFieldText(r.lith, "100d");
    rows.rows = 10;
    Paint();
    // Rows 0 and 1 differ where dolomite staggers its rhombs; rows 0 and 2 are alike.
    int odd = 0, even = 0;
    for (int y = 1; y < kR - 1; ++y)
        for (int x = 101; x < 200; ++x) {
            odd += At(x, kTop + y) != At(x, kTop + kR + y);
            even += At(x, kTop + y) != At(x, kTop + 2 * kR + y);
        }
    EXPECT_GT(odd, 10);
    EXPECT_EQ(even, 0);

    // A drilling step's repaint of row 7: the row's top line and the row, at the row's y.
    QImage full = image.copy();
    const platform::Dc fullDc{full};
    image.fill(Qt::white);
    rows.records = std::span<const wellfile::RECORD>(records).subspan(7, 2);
    rows.custom = std::span<const wellfile::CUSTDATAREC>(custom).subspan(7, 2);
    rows.topY = kTop + 7 * kR;
    rows.rows = 2;
    Paint(kDrillingStepRepaint);
    int differ = 0;
    for (int y = rows.topY + 1; y < rows.topY + kR - 1; ++y)
        for (int x = 101; x < 200; ++x)
            differ += At(x, y) != fullDc.GetPixel(x, y);
    EXPECT_EQ(differ, 0);
}

TEST_F(CustomTracksTest, AnImageDrawsFiveTimesTheRowsItIsGivenDownToItsBottom)
{
    Track(0, 100, 10, 10);
    device.imageExport = true;
    rows.rows = 20;
    Paint();
    EXPECT_EQ(At(100, kH - 1), kBlack);      // the heavy first block line to the image's bottom
    EXPECT_EQ(At(105, kTop + 80 * kR), kBlue);  // the depth line of 360, the 80th row
}
