// The custom tracks of the horizontal-well view's image on a white image: the bands and where they
// stop, the scale labels, the mud-weight bars, a curve, the survey, memo and picture cells (pictures as
// real JPEG files on disk) and the decade grids; the log's track set is left as it was.
#include "tracks/draw/customhorz.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/testmain.h"
#include "support/textrecord.h"
#include "tracks/draw/customtracks.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kW = 800, kH = 600, kBase = 500, kLeft = 100, kRight = 700;
const platform::COLORREF kWhite = RGB(255, 255, 255), kMinor = RGB(192, 192, 192), kMajor = RGB(0, 0, 255),
                         kGreen = RGB(0, 160, 0);

class CustomHorzTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.fileFirstDepth = 100;
        g.fileLastDepth = 2000;
        g.rowHeight = 10;
        g.scaleIndex = 1;
        g.pens.table[layout::PEN_BORDER] = {kMinor, 1, layout::PS_SOLID};
        g.pens.table[layout::PEN_HEAVY_BORDER] = {kMajor, 1, layout::PS_SOLID};
        Depths(290, 400);
        range.count = 100;
        range.xStep = 2;
        range.leftX = kLeft;
        range.rightX = kRight;
        range.baseY = kBase;
        dc.RecordText(true);
    }
    void Depths(std::int32_t first, std::size_t count)
    {
        records.assign(count, wellfile::RECORD{});
        custom.assign(count, wellfile::CUSTDATAREC{});
        for (std::size_t i = 0; i < count; ++i) {
            records[i].depth = first + std::int32_t(i);
            custom[i].depth = float(first + std::int32_t(i));
        }
        range.records = records;
        range.custom = custom;
    }
    // Track `t`: `blocks` blocks of 10, of type `kind` with kind letter `letter`.
    layout::CustomTrackEntry& Track(int t, int blocks, int kind = 0, char letter = 0)
    {
        layout::CustomTrackEntry& e = data.screenSet[std::size_t(t)];
        e.leftX = 1000 + 100 * t;  // the log's x, which the image must leave alone
        e.rightX = e.leftX + 10 * blocks;
        e.blockCount = blocks;
        e.blockWidth = 10;
        e.kind = kind;
        e.dataCode[0] = std::uint16_t(std::uint8_t(letter));
        data.trackCount = std::max(data.trackCount, t + 1);
        return e;
    }
    // An RPM curve, 0 to 100 across the band, growing from its base edge.
    layout::CustomTrackEntry& Rpm(layout::CustomTrackEntry& e, const char* label = "RPM")
    {
        e.dataCode[0] = 13;
        e.maximum[0] = 100;
        e.pixelsPerUnit[0] = float(e.blockCount * e.blockWidth) / 100.0f;
        e.direction[0] = 1;
        e.colour[0] = kGreen;
        e.lineWidth[0] = 1;
        platform::SetFieldText(e.label[0], label);
        return e;
    }
    void Paint() { PaintCustomTracks(dc, data, sources, range); }
    platform::COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    std::vector<platform::DcText> Texts(const QString& text) const { return testing_support::TextsSaying(dc, text); }
    void ClearText()
    {
        dc.RecordText(false);
        dc.RecordText(true);
    }

    layout::CustomTrackHost host;
    layout::CUSTOMDATA data{&host, false};
    logview::ViewGeometry g;
    PainterState state;
    CurveValueSettings values;
    std::vector<HorzPicture> pictures;
    std::vector<wellfile::SVMEMO> memos;
    std::vector<HorzPictureFailure> failures;
    HorzSources sources{g, state, values, nullptr, {}, {}, {}, &failures};
    HorzRange range;
    std::vector<wellfile::RECORD> records;
    std::vector<wellfile::CUSTDATAREC> custom;
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

}  // namespace

TEST_F(CustomHorzTest, FourBandsStandOnTheBaseLineAndAFifthTrackOnlyGetsItsLabels)
{
    for (int t = 0; t < 5; ++t)
        Rpm(Track(t, 5), t == 4 ? "FIFTH" : "RPM");
    for (auto& c : custom)
        c.rpm = 50;
    const layout::TrackSet before = data.screenSet;
    Paint();
    // Band k from 500 - 50k down to 450 - 50k: block lines every 10, the fifth major.
    EXPECT_EQ(At(300, kBase), kMajor);
    EXPECT_EQ(At(300, kBase - 10), kMinor);
    EXPECT_EQ(At(300, kBase - 160), kMinor);
    EXPECT_EQ(At(300, kBase - 210), kWhite);  // no fifth band
    // The curve stands halfway up its band, from the second sample on: one custom record a depth, at the
    // x of its depth (two x steps a record).
    EXPECT_EQ(At(kLeft + 8 + 1, kBase - 25), kGreen);
    EXPECT_EQ(At(kLeft + 8 + 1, kBase - 225), kWhite);
    EXPECT_EQ(At(kLeft + 4 * 100 - 1, kBase - 25), kGreen);  // to the range's last record
    EXPECT_EQ(At(kLeft + 4 * 100 + 8, kBase - 25), kWhite);
    // Labels at depth 300 for all five: the fifth's upper label at its far edge 250.
    const auto fifth = Texts("FIFTH");
    ASSERT_EQ(fifth.size(), 1u);
    EXPECT_EQ(fifth[0].at.y, kBase - 225 - 10);
    EXPECT_EQ(Texts("RPM").size(), 4u);
    bool topLabel = false;
    for (const auto& t : dc.TextRecord())
        topLabel |= t.at.y == kBase - 250 && t.textColor == kGreen;
    EXPECT_TRUE(topLabel);
    // The log's track set is as it was.
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(data.screenSet[std::size_t(t)].leftX, before[std::size_t(t)].leftX);
        EXPECT_EQ(data.screenSet[std::size_t(t)].rightX, before[std::size_t(t)].rightX);
    }
}

TEST_F(CustomHorzTest, ABandWithoutBlocksStopsTheCellsAndCurvesThere)
{
    Rpm(Track(0, 5));
    Track(1, 0);
    Rpm(Track(2, 5));
    for (auto& c : custom)
        c.rpm = 50;
    Paint();
    EXPECT_EQ(At(kLeft + 9, kBase - 25), kGreen);
    EXPECT_EQ(At(300, kBase - 60), kWhite);  // track 2 would stand from 450 up
    EXPECT_EQ(At(kLeft + 5, kBase - 75), kWhite);
    EXPECT_EQ(Texts("RPM").size(), 2u);  // its labels still come, above the first band
}

TEST_F(CustomHorzTest, ScaleLabelsRepeatEvery500DepthsAtOnePixelASampleElseEvery150AndShowWholeValuesInLowBands)
{
    Rpm(Track(0, 5)).maximum[0] = 0.5f;  // 50 pixels: "%d"
    Rpm(Track(1, 10)).maximum[0] = 0.5f;  // 100 pixels: "%.1f"
    Depths(290, 700);
    range.count = 600;
    range.xStep = 1;
    range.rightX = kLeft + 600;
    Paint();
    EXPECT_EQ(Texts("RPM").size(), 2u);  // 500 only
    EXPECT_EQ(Texts("0").size(), 2u);    // both ends of the low band
    EXPECT_EQ(Texts("0.5").size(), 1u);
    EXPECT_EQ(Texts("0.0").size(), 1u);

    ClearText();
    range.xStep = 2;
    range.rightX = kLeft + 1200;
    Paint();
    EXPECT_EQ(Texts("RPM").size(), 2u * 4);  // 300, 450, 600 and 750 of the 600 records
}

TEST_F(CustomHorzTest, MudWeightsOfTheFirstBandStandAsBarsOfATwentiethOfTheBandPerUnit)
{
    Track(0, 10).mudWeight = 1;  // 100 pixels
    records[3].mudWeightOut = 10.0f;
    Paint();
    const int x = kLeft + 3 * 2 * range.xStep;
    EXPECT_NE(At(x, kBase - 30), kWhite);   // the bar below its label
    EXPECT_EQ(At(x, kBase - 52), kWhite);
    const auto label = Texts("10.0");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].at.x, x);
    EXPECT_EQ(label[0].at.y, kBase - 50);

    ClearText();
    data.screenSet[0].mudWeight = 0;
    Paint();
    EXPECT_TRUE(Texts("10.0").empty());
}

TEST_F(CustomHorzTest, SurveyCellsStandAtTheirDepth)
{
    Track(0, 10, kTextTrack, kSurveyKind);
    records[5].tvd = 300.5f;
    records[5].inclination = 2.0f;
    Paint();
    const auto md = Texts("MD   295'");
    ASSERT_EQ(md.size(), 1u);
    EXPECT_EQ(md[0].at.x, kLeft + 5 * 2 * range.xStep);  // the x of its depth
    EXPECT_EQ(Texts(platform::FromCp1252("INC 2.00\xB0")).size(), 1u);
}

TEST_F(CustomHorzTest, MemoLinesAreCutAt199CharactersAndFiftyLines)
{
    Track(0, 10, kTextTrack, kMemosKind);
    wellfile::SVMEMO hidden, shown;
    hidden.depth = 300;
    platform::SetFieldText(hidden.text, "HIDDEN");
    shown.depth = 310;
    shown.copiedToHorz = 1;
    shown.frameColour = RGB(255, 255, 0);
    std::string text(250, 'A');
    for (int i = 0; i < 60; ++i)
        text += "\r\nL";
    platform::SetFieldText(shown.text, text);
    memos = {hidden, shown};
    sources.memos = memos;
    Paint();
    EXPECT_TRUE(Texts("HIDDEN").empty());
    EXPECT_EQ(Texts(QString(199, 'A')).size(), 1u);
    EXPECT_EQ(Texts("L").size(), 49u);
    const int x = kLeft + (310 - 290) * 2 * range.xStep;  // the x of its depth
    EXPECT_EQ(Texts("L")[0].at.x, x);
    EXPECT_EQ(At(x + 20, kBase - 50), RGB(255, 255, 0));  // the box filled with the memo's colour
}

TEST_F(CustomHorzTest, AMissingPictureLeavesAGapAndAnUnreadableOneIsListedNotShown)
{
    const QString folder = testing_support::TestDir() + "pictures/";
    QDir().mkpath(folder);
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(folder + "core2.jpg", "JPG"));
    {
        QFile broken(folder + "core3.jpg");
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }
    Track(0, 5, kTextTrack, kPicturesKind);  // 50-pixel squares
    pictures = {{292, "gone.jpg"}, {300, "CORE2.JPG"}, {310, "core3.jpg"}};
    sources.pictures = pictures;
    sources.picturesFolder = folder;
    Paint();
    const int x = kLeft - 70 + (300 - 291) * 2 * range.xStep;
    const platform::COLORREF c = At(x + 25, kBase - 25);
    EXPECT_GT(platform::GetRValue(c), 200);
    EXPECT_LT(platform::GetGValue(c), 60);
    EXPECT_NE(At(x + 49, kBase - 49), kWhite);
    const int gap = kLeft - 70 + (292 - 291) * 2 * range.xStep;
    EXPECT_EQ(At(gap + 25, kBase - 25), kWhite);  // the frame's fill, no picture
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, "core3.jpg");
    EXPECT_TRUE(HorzPictureFailureText(failures).startsWith("Not Loaded"));
}

TEST_F(CustomHorzTest, DecadeAndRatioBandsDrawTheirLinesUpFromTheBase)
{
    Depths(180, 400);
    layout::CustomTrackEntry& ratio = Track(0, 20, kRatioTrack);  // 200 pixels over 0.1 to 100
    ratio.logarithmic = 1;
    ratio.maximum[0] = 100;
    layout::CustomTrackEntry& log = Track(1, 27);  // 270 pixels, 1 to 1000: three decades of nine lines
    log.logarithmic = 1;
    log.minimum[0] = 1;
    log.maximum[0] = 1000;
    Paint();
    // The ratio band: 1 on the base line, 10 a third of the way up (ln 10 of ln 1000), 100 two thirds.
    EXPECT_NE(At(300, kBase), kWhite);
    EXPECT_NE(At(300, kBase - 66), kWhite);
    EXPECT_NE(At(300, kBase - 133), kWhite);
    EXPECT_EQ(At(300, kBase - 100), kWhite);
    const auto labels = Texts(" 10  WRAT/BRAT ");
    ASSERT_EQ(labels.size(), 1u);  // depth 200; 400 lies past the first half of the records
    EXPECT_EQ(labels[0].textColor, RGB(255, 0, 0));
    EXPECT_EQ(labels[0].at.y, kBase - 66 - 10);
    // The decade band above it.
    int lines = 0, major = 0;
    for (int y = kBase - 198; y >= kBase - 475; --y) {
        const platform::COLORREF c = At(300, y);
        if (c != kWhite && At(300, y + 1) == kWhite) {
            ++lines;
            major += c == kMajor;
        }
    }
    EXPECT_EQ(lines, 1 + 27);  // the double base line, then the decades
    EXPECT_EQ(major, 1 + 3);
}

TEST_F(CustomHorzTest, APorosityFillSpansTheImageFromItsLeftEdge)
{
    // Neutron 40 over density 10 all along, a band of 50 standing on y 500, 500 pixels of samples.
    std::vector<ElogRow> rows(1000);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i][0] = float(i);
        rows[i][2] = 10.0f;  // density
        rows[i][3] = 40.0f;  // neutron
    }
    ElogView elog;
    elog.rows = rows;
    elog.depthOffset = 1;
    sources.elog = &elog;
    layout::CustomTrackEntry& band = Track(0, 5, kPorosityTrack);
    for (int c : {0, 1}) {
        band.dataCode[c] = std::uint16_t(c == 0 ? 34 : 33);
        band.maximum[c] = 100;
        band.pixelsPerUnit[c] = 0.5f;
        band.direction[c] = 1;
        band.colour[c] = kGreen;
        band.lineWidth[c] = 1;
    }
    range.count = 250;
    Paint();
    // The curves at 480 (neutron) and 495 (density); the red fill between them from the image's left.
    for (int x : {110, 300, 499, 590})
        EXPECT_EQ(At(x, 488), RGB(255, 0, 0)) << x;
    EXPECT_EQ(At(300, 475), kWhite);
}
