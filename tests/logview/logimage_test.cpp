// The log image: its size and strip numbers, the build on the demo well with its own geometry, the
// stretch into the strip with the marker lines, and the builds that do not happen or fail.
#include "logview/draw/logimage.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/logimagegeometry.h"
#include "logview/ui/logimage.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/recordingpainters.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Records what the painters see of the geometry while the image is built.
class GeometryPainters : public testing_support::RecordingPainters {
public:
    int scaleIndex = -1, gasLeft = -1;
    int DrawLithology(const Target& t, Records r, std::size_t index, int rowHeight, int y, int rowCounter, int split,
                      int interpreted) override
    {
        scaleIndex = t.geometry.scaleIndex;
        gasLeft = t.geometry.gas.left;
        return RecordingPainters::DrawLithology(t, r, index, rowHeight, y, rowCounter, split, interpreted);
    }
};

class LogImage : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        SetViewTop(1600);
    }
    logview::ViewBitmaps bitmaps;
    GeometryPainters painters;
};

}  // namespace

TEST(LogImageGeometry, SizesStripAndMarkerLines)
{
    EXPECT_TRUE(logview::LogImageFits(0, 10000));
    EXPECT_FALSE(logview::LogImageFits(0, 10001));
    const int rows = logview::LogImageRows(1000, 3000);
    EXPECT_EQ(rows, 200);
    EXPECT_EQ(logview::LogImageHeight(rows, 12), 2548);

    const float p = logview::LogImagePixelsPerUnit(600, 1000, 4000);
    EXPECT_FLOAT_EQ(p, 0.2f);
    const int y = logview::LogImageY(2500, 1000, p);
    EXPECT_EQ(y, 300);
    const logview::MarkerLines lines = logview::LogImageMarkerLines(y, 10);
    EXPECT_EQ(lines.above, 292);
    EXPECT_EQ(lines.below, 307);
    EXPECT_EQ(logview::LogImageDepthAt(300, 600, 1000, 4000), 2500);
    // A well of one record: no pixels per unit, no division by zero.
    EXPECT_EQ(logview::LogImagePixelsPerUnit(600, 1000, 1000), 0.0f);
    EXPECT_EQ(logview::LogImageDepthAt(300, 0, 1000, 1000), 1000);

    // The strip stands right of the depth bar, 16 units wide; moved left to end at a narrow window's edge
    // when the gas track has two parts.
    logview::LogImageStripInputs in;
    in.logRight = in.logWidth = 1064;
    in.logBottom = 880;
    in.scrollBarWidth = 16;
    in.unitWidth = 10;
    in.clientWidth = 1920;
    in.profile = 12;
    logview::LogImageStrip strip = logview::PlaceLogImageStrip(in);
    EXPECT_EQ(strip.left, 1090);
    EXPECT_EQ(strip.width, 160);
    EXPECT_EQ(strip.right, 1250);
    EXPECT_EQ(strip.bottom, 880);
    in.singleGas = false;
    in.clientWidth = 1200;
    strip = logview::PlaceLogImageStrip(in);
    EXPECT_EQ(strip.left, 1040);
    in.profile = 17;  // two gas parts: the chromatograph layouts stay right of the bar, 17 units wide
    strip = logview::PlaceLogImageStrip(in);
    EXPECT_EQ(strip.left, 1090);
    EXPECT_EQ(strip.width, 170);
}

TEST_F(LogImage, BuildDrawsTheWholeWellWithItsOwnGeometryAndTheWindowKeepsItsOwn)
{
    const logview::ViewGeometry before = Geometry();
    s.view.viewScale = 1;
    logview::CreateLogImage(s);
    ASSERT_TRUE(logview::HasLogImage(s));
    // 1000-2600: 160 rows of ten units; (160 + 4) x 10 + 100 pixels high, gas right + 2 units wide.
    const QImage& image = bitmaps.logImage.image;
    EXPECT_EQ(image.height(), 1740);
    EXPECT_EQ(image.width(), before.gasRight + 20);
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() - 50), qRgb(223, 239, 255));
    // The painters saw scale index 3 and the gas track at lithology left + 15 units.
    EXPECT_EQ(painters.scaleIndex, 3);
    EXPECT_EQ(painters.gasLeft, before.lithology.left + 150);
    const auto lith = painters.Named("DrawLithology");
    ASSERT_EQ(lith.size(), 160u);
    EXPECT_EQ(lith[0].depths.at(0), 1010);
    EXPECT_EQ(lith[1].depths.at(0), 1020);
    EXPECT_EQ(lith[1].args.at(1), 10);
    EXPECT_EQ(painters.Named("DrawGasCurves").size(), 160u);
    // The window's scale, gas track and build flag are as they were.
    EXPECT_EQ(s.view.viewScale, 1);
    EXPECT_EQ(Geometry().gas.left, before.gas.left);
    EXPECT_FALSE(s.view.imageBuild);
    // The strip: right of the depth bar, down to the log's bottom; 880 / 1600 pixels per unit.
    EXPECT_EQ(s.view.imageStrip.left, before.logWidth + s.view.scrollBarWidth + 10);
    EXPECT_FLOAT_EQ(s.view.imagePixelsPerUnit, 880.0f / 1600.0f);
    EXPECT_EQ(s.view.imageY, int(600 * (880.0f / 1600.0f)));

    logview::FreeLogImage(s);
    EXPECT_FALSE(logview::HasLogImage(s));
}

TEST_F(LogImage, TheChromatographTrackStartsOnTheSameRecordAsItsNeighbours)
{
    s.well.loggerId = 4;
    s.layout.format.twoGasTracks = true;
    logview::CreateLogImage(s);
    const auto chrom = painters.Named("DrawChromatographTrack");
    ASSERT_EQ(chrom.size(), 1u);
    EXPECT_EQ(chrom[0].depths.at(0), 1010);
    EXPECT_EQ(chrom[0].args.at(1), 0);  // from the image's top, as the curve
}

TEST_F(LogImage, PaintsBuildOnceThenStretchIntoTheStripWithTheMarkerLines)
{
    s.view.logImageMode = true;
    s.view.viewScale = 3;
    logview::LogView view;
    {
        Dc dc(bitmaps.backingStore);
        view.Paint(s, dc);
    }
    ASSERT_TRUE(logview::HasLogImage(s));
    const logview::LogImageStrip strip = s.view.imageStrip;
    const QImage& store = bitmaps.backingStore;
    // The stretched image's ground fills the strip; the view top (1600) has its lines 0.75 rows about y.
    EXPECT_EQ(store.pixel(strip.left + 1, strip.bottom - 2), qRgb(223, 239, 255));
    const logview::MarkerLines lines = logview::LogImageMarkerLines(s.view.imageY, 10);
    const auto blueIn = [&](int y) {
        int blue = 0;
        for (int x = strip.left; x < strip.right; ++x)
            blue += store.pixel(x, y) == qRgb(0, 0, 255);
        return blue;
    };
    EXPECT_GT(blueIn(lines.above), 40);
    EXPECT_GT(blueIn(lines.below), 40);
    EXPECT_EQ(blueIn(lines.above + 1), 0);

    // A second paint stretches the same image again.
    const qint64 key = bitmaps.logImage.image.cacheKey();
    painters.calls.clear();
    {
        Dc dc(bitmaps.backingStore);
        view.Paint(s, dc);
    }
    EXPECT_EQ(bitmaps.logImage.image.cacheKey(), key);
    EXPECT_TRUE(s.view.paintFailure.isEmpty());
}

TEST_F(LogImage, AWellTooLongOrABadImageLeavesNoImageAndNoBuildFlag)
{
    s.well.file.fileBottomDepth = s.well.file.fileTopDepth + 10001;
    logview::CreateLogImage(s);
    EXPECT_FALSE(logview::HasLogImage(s));
    EXPECT_FALSE(s.view.imageBuild);

    // An image the library cannot make (far too high rows): "Memory allocation failed", no caption, and
    // the next paint may try again.
    s.well.file.fileBottomDepth = s.well.file.fileTopDepth + 1600;
    s.layout.format.pixelsPerStep = 300;
    logview::CreateLogImage(s);
    EXPECT_FALSE(logview::HasLogImage(s));
    EXPECT_FALSE(s.view.imageBuild);
    EXPECT_EQ(s.view.paintFailure, "Memory allocation failed");
    EXPECT_TRUE(s.view.paintFailureUncaptioned);
}
