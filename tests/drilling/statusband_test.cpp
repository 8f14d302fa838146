// The drilling status band on the view fixture's geometry (profile 12, R = U = 10, T = 160, log width
// 1064, demo well 1000-2600): drawn into the backing store, texts checked through the Dc's record.
#include "demo/demowell.h"
#include "drilling/draw/statusband.h"
#include "logview/draw/viewbitmaps.h"
#include "platform/draw/dc.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace drilling;
using platform::RGB;

namespace {

class StatusBandTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        g = Geometry();
        band.clientWidth = 1920;
        band.wellName = demo::kDemoWellName;
        band.wellTitle = "Demo 1";
        band.logTitle = QStringLiteral("MUD LOG");
        band.rate = 12;
        band.pens = &s.layout.pens;
        band.depthStatus = [this] { order << "depth"; };
        band.lagStatus = [this] { order << "lag"; };
    }
    platform::Dc& Dc()
    {
        dc = std::make_unique<platform::Dc>(bitmaps.backingStore);
        dc->RecordText(true);
        return *dc;
    }
    const platform::DcText* Find(const QString& prefix) const
    {
        for (const platform::DcText& t : dc->TextRecord())
            if (t.text.startsWith(prefix))
                return &t;
        return nullptr;
    }
    QRgb At(int x, int y) const { return bitmaps.backingStore.pixel(x, y) & 0xFFFFFF; }

    logview::ViewBitmaps bitmaps;
    logview::NeighbourPainters painters;
    logview::ViewGeometry g;
    StatusBand band;
    QStringList order;
    std::unique_ptr<platform::Dc> dc;
};

TEST_F(StatusBandTest, BandClearsAndCarriesTheBannerTitlesAndTheDrillersLines)
{
    bitmaps.backingStore.fill(Qt::gray);
    platform::Dc& d = Dc();
    const int bannerEnd = DrawDrillingStatus(d, g, band, StatusFontsFor(10));

    // The band white inside its frame, the log below it untouched.
    EXPECT_EQ(At(0, 0), 0x000000u);
    EXPECT_EQ(At(300, 100), 0xFFFFFFu);
    EXPECT_EQ(At(1918, 159), 0x000000u);  // the frame's right end: the client's right edge - 1
    EXPECT_EQ(At(300, 170), QColor(Qt::gray).rgb() & 0xFFFFFF);
    // The banner: green inside its frame over the middle of the log (532 +- 90, 40 to 60).
    EXPECT_EQ(At(443, 41), 0x00FF00u);
    EXPECT_EQ(At(620, 58), 0x00FF00u);
    EXPECT_EQ(At(442, 50), 0x000000u);
    EXPECT_EQ(At(622, 50), 0xFFFFFFu);

    const platform::DcText* banner = Find("          DRILLING          ");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->at.x, 532);
    EXPECT_EQ(banner->at.y, 40);
    EXPECT_EQ(banner->align, unsigned(platform::TA_CENTER | platform::TA_TOP));
    EXPECT_EQ(banner->bkMode, platform::TRANSPARENT);
    EXPECT_GT(bannerEnd, 532);

    const platform::DcText* rate = Find("M / Hr:");
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(rate->text, "M / Hr:  12 ");
    EXPECT_EQ(rate->at.x, 15);
    EXPECT_EQ(rate->at.y, 76);
    const platform::DcText* file = Find(QString(demo::kDemoWellName) + ".svm");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->text, QString(demo::kDemoWellName) + ".svm  From 1000 to 2600 ");
    EXPECT_EQ(file->at.y, 155);
    EXPECT_EQ(file->align & platform::TA_BASELINE, unsigned(platform::TA_BASELINE));
    const platform::DcText* title = Find("MUD LOG");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at.x, 532);
    EXPECT_EQ(order, (QStringList{"depth", "lag"}));  // after the band, on the same Dc
    EXPECT_EQ(Find(" Wits"), nullptr);                // no link, no link line

    // Counting strokes the band reaches 3 units further for the stroke counter's box.
    band.strokes = true;
    band.clientWidth = 800;
    EXPECT_EQ(BandRight(g, band), 1063 + 30);
}

TEST_F(StatusBandTest, CompactProfilesDrawTheirOwnDepthAndTitleLines)
{
    g.profile = 64;
    DrawDrillingStatus(Dc(), g, band, StatusFontsFor(10));
    const platform::DcText* depth = Find("Depth:");
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(depth->text, "Depth:  2600 ");
    EXPECT_EQ(depth->at.x, 14);
    EXPECT_EQ(depth->at.y, 30);
    EXPECT_EQ(Find("M / Hr:")->text, "M / Hr:  12  ");
    EXPECT_EQ(Find(QString(demo::kDemoWellName) + ".svm")->at.x, g.gas.left);
    const platform::DcText* well = Find("Demo 1");
    ASSERT_NE(well, nullptr);
    EXPECT_EQ(well->at.x, g.rate.left);
    EXPECT_EQ(well->at.y, 155);
    EXPECT_EQ(order, QStringList{"lag"});  // the depth is the band's own here
    EXPECT_EQ(At(443, 41), 0x00FF00u);
}

TEST_F(StatusBandTest, LinkLineBlinksAndStaysAwayWhenSuppressed)
{
    const StatusFonts fonts = StatusFontsFor(10);
    const LinkLine serial{LinkKind::Serial, 2};
    platform::Dc& d = Dc();
    EXPECT_EQ(DrawLinkStatus(d, g, serial, false, false, fonts), 1);
    ASSERT_EQ(d.TextRecord().size(), 1u);
    const platform::DcText on = d.TextRecord().back();
    EXPECT_EQ(on.text, " Wits Running on Com 2          ");
    EXPECT_EQ(on.at.x, 739);
    EXPECT_EQ(on.align, unsigned(platform::TA_LEFT | platform::TA_BASELINE));
    EXPECT_EQ(on.textColor, RGB(255, 0, 0));
    EXPECT_EQ(d.GetTextColor(), RGB(0, 0, 0));  // set back

    d.SetBkColor(RGB(1, 2, 3));
    EXPECT_EQ(DrawLinkStatus(d, g, serial, false, true, fonts), 1);
    EXPECT_EQ(d.TextRecord().back().textColor, RGB(1, 2, 3));

    EXPECT_EQ(DrawLinkStatus(d, g, serial, true, false, fonts), 0);
    EXPECT_EQ(d.TextRecord().size(), 2u);

    EXPECT_EQ(LinkStatusText({}), " Wits         ");
    EXPECT_EQ(LinkStatusText({LinkKind::TcpClient, 0}), " Wits on TCP          ");
    EXPECT_EQ(LinkStatusText({LinkKind::TcpServer, 5000}), " Wits on TCP AS Server 5000 ");

    // With the link on the band draws the line after the driller's.
    band.witsLinkOn = true;
    band.link = serial;
    DrawDrillingStatus(Dc(), g, band, fonts);
    EXPECT_NE(Find(" Wits Running"), nullptr);

    DrawRemoteUpdate(Dc(), g, 1920, false, fonts);
    EXPECT_EQ(dc->TextRecord().back().at.x, 480);
    DrawRemoteUpdate(*dc, g, 1024, false, fonts);
    EXPECT_EQ(dc->TextRecord().back().at.x, 512);
    EXPECT_EQ(dc->TextRecord().back().text, " Remote Update Running ");
}

}  // namespace
