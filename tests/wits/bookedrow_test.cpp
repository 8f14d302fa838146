// The row of a step booked over WITS, drawn on the demo well's log: through the window's painters it
// matches a whole paint of the same records; by profile the chromatograph track instead of the gas
// curves; and only an invalidation, or nothing, where the row may not be drawn now.
#include "app/wellservices.h"
#include "shell/draw/viewpainters.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/witsengine.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/datafile.h"
#include "wits/wits.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

using testing_support::EditGas;

namespace {

// With the view top at 1590 the row of 1625 is row 34: y 500 to 510; the gas track runs from 739 to 1054.
constexpr std::int32_t kViewTop = 1590;
constexpr std::int32_t kDepth = 1625;
constexpr int kRowY = 500, kRowHeight = 10, kGasLeft = 739, kGasRight = 1054;

class BookedRow : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        SetViewTop(kViewTop);
        QDir().mkpath(s.well.file.dataFolder + "gas");
        s.well.lastBookedDepth = 0;
        s.view.invalidate = [this] { ++invalidations; };
        logview::ListenForChangedRows(s, view);
        wits::WitsAlarmHost alarms;
        alarms.dataFolder = [] { return testing_support::TestDir(); };
        engine = std::make_unique<wits::Wits>(host, alarms);
    }
    // The demo well has gas everywhere: the record of `depth` loses it, so that a booking may go there.
    void ClearGas(std::int32_t depth)
    {
        wellfile::OpenWell& well = s.well.file;
        std::vector<wellfile::RECORD> one(2);
        ASSERT_EQ(wellfile::ReadRecords(well, one, well.dataFileName, depth - well.fileTopDepth, 1), 1);
        std::fill(std::begin(one[0].gas), std::end(one[0].gas), 0.0f);
        std::fill(std::begin(one[0].halfGas), std::end(one[0].halfGas), 0.0f);
        ASSERT_TRUE(wellfile::WriteRecordAt(well.dataFileName, depth - well.fileTopDepth, &one[0], sizeof one[0]));
    }
    bool Book(std::int32_t depth)
    {
        ClearGas(depth);
        s.witsLink.gasMaxima[0] = 120;
        return engine->StoreDepthStep(float(depth) + 0.4f);
    }
    QImage& store() { return bitmaps.backingStore; }

    logview::ViewBitmaps bitmaps;
    logview::LogView view;
    app::WellServices services;
    wits::WitsHost host{s, services};
    std::unique_ptr<wits::Wits> engine;
    int invalidations = 0;
};

TEST_F(BookedRow, TheBookedRowsGasTrackIsWhatAWholePaintDrawsThere)
{
    shell::ViewPainters painters;
    painters.trackSettings = [this] { return tracks::TrackSettingsOf(s); };
    painters.trackState = &s.trackPainters;
    AttachImages(bitmaps, painters);
    const auto paint = [this] {
        store().fill(Qt::black);
        platform::Dc dc(store());
        view.Paint(s, dc);
    };
    // The row's top line is left out: a 2-pixel pen of the row above reaches into it.
    const auto row = [this] { return store().copy(kGasLeft, kRowY + 1, kGasRight - kGasLeft, kRowHeight - 1); };
    ClearGas(kDepth);
    paint();
    const QImage without = row();

    int area[2] = {-1, -1};
    s.view.updateArea = [&](int, int top, int, int bottom) { area[0] = top, area[1] = bottom; };
    EditGas(*engine, [&](auto& v) { v.firstHalf = {0, 40, 10, 5}; v.secondHalf = {0, 60, 15, 8}; });
    s.witsLink.gasMaxima[0] = 120;
    ASSERT_TRUE(engine->StoreDepthStep(kDepth + 0.4f));
    const QImage booked = row();
    EXPECT_EQ(area[0], kRowY);
    EXPECT_EQ(area[1], kRowY + 2 * kRowHeight);  // with the row below, whose curves join to it
    EXPECT_EQ(invalidations, 0);

    paint();
    EXPECT_NE(booked, without);
    EXPECT_EQ(booked, row());
}

TEST_F(BookedRow, ABookingUnderATenthDepthKeepsItsDepthLine)
{
    shell::ViewPainters painters;
    painters.trackSettings = [this] { return tracks::TrackSettingsOf(s); };
    painters.trackState = &s.trackPainters;
    AttachImages(bitmaps, painters);
    // 1620's line lies on the top pixel row of 1621's row, y 460, across the gas track.
    constexpr int kLineY = kRowY - 4 * kRowHeight;
    ASSERT_TRUE(Book(1621));
    store().fill(Qt::black);
    {
        platform::Dc dc(store());
        view.Paint(s, dc);
    }
    const QImage full = store().copy();
    const QRgb line = full.pixel(kGasLeft + 3, kLineY);
    ASSERT_NE(line, full.pixel(kGasLeft + 3, kLineY + kRowHeight));  // not the plain row line below
    ASSERT_TRUE(Book(1621));
    int linePixels = 0;
    for (int x = kGasLeft + 1; x < kGasRight; ++x) {
        if (full.pixel(x, kLineY) != line)
            continue;  // a curve over the line
        ++linePixels;
        ASSERT_EQ(store().pixel(x, kLineY), line) << x;
    }
    EXPECT_GT(linePixels, (kGasRight - kGasLeft) / 2);
}

TEST_F(BookedRow, ChromatographProfilesDrawTheirTrackAndRowsThatMayNotBeDrawnAreNot)
{
    testing_support::RecordingPainters painters;
    AttachImages(bitmaps, painters);
    std::int32_t depth = kDepth;
    for (const std::uint16_t profile : {12, 4, 11, 64, 78}) {
        s.well.loggerId = profile;
        painters.calls.clear();
        ASSERT_TRUE(Book(depth)) << profile;
        const bool chromatograph = profile != 12;
        const auto drawn = painters.Named(chromatograph ? "DrawChromatographTrack" : "DrawGasCurves");
        ASSERT_EQ(drawn.size(), 2u) << profile;  // and the row below, which joins to it
        EXPECT_EQ(drawn[0].depths.at(0), depth) << profile;
        EXPECT_TRUE(painters.Named(chromatograph ? "DrawGasCurves" : "DrawChromatographTrack").empty()) << profile;
        ++depth;
    }
    EXPECT_EQ(invalidations, 0);
    s.well.loggerId = 12;

    // The window owes a whole repaint, or a paint runs: the row is left to it.
    s.view.repaintLater = true;
    painters.calls.clear();
    const QImage before = store().copy();
    ASSERT_TRUE(Book(depth++));
    EXPECT_EQ(invalidations, 1);
    s.view.repaintLater = false;
    s.view.painting = true;
    ASSERT_TRUE(Book(depth++));
    EXPECT_EQ(invalidations, 2);
    s.view.painting = false;
    EXPECT_TRUE(painters.calls.empty());
    EXPECT_EQ(store(), before);

    // Below and above the log area, and on a compressed scale: booked, but nothing drawn.
    ASSERT_TRUE(Book(kViewTop + 73));  // 1663: row 72 starts at the log's bottom, y 880
    ASSERT_TRUE(Book(kViewTop + 90));
    s.well.lastBookedDepth = 0;
    ASSERT_TRUE(Book(kViewTop - 5));
    s.view.viewScale = 3;
    ASSERT_TRUE(Book(kDepth + 20));
    EXPECT_TRUE(painters.calls.empty());
    EXPECT_EQ(invalidations, 2);
    EXPECT_EQ(store(), before);
}

}  // namespace
