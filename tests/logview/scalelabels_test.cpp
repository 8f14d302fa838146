// The rate scale labels as the Dc's text record sees them, on the screen layout of the demo well and on
// a printed page.
#include "logview/draw/scalelabels.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

using testing_support::ViewTest;

namespace {

using Labels = std::vector<std::pair<int, QString>>;  // x and text of each label

class ScaleLabelsTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();  // rate track 9-259, cell 10
        dc.RecordText(true);
    }
    void Draw(int minutesCode, int hourCode = 0, const logview::ElogRateScale& elog = {})
    {
        dc.RecordText(true);
        rec.minutesScale = std::uint16_t(minutesCode);
        rec.rateScale = std::uint16_t(hourCode);
        logview::DrawScaleLabels(dc, g, device, rec, kY, kHourOffset, kUnitOffset, elog);
    }
    Labels Texts() const
    {
        Labels out;
        for (const platform::DcText& t : dc.TextRecord())
            out.emplace_back(t.at.x, t.text);
        return out;
    }
    int Top() const { return dc.TextRecord().front().at.y; }
    // A printed page: rate track from 100, cells of 20, the e-log label at 600.
    void OnPaper()
    {
        device.printing = true;
        device.printer.rateLeft = 100;
        device.printer.rateCellWidth = 20;
        device.printer.elogLabelX = 600;
        device.printFonts.scale.lfHeight = -40;
        device.printFonts.feetStyle.lfHeight = -44;
    }

    static constexpr int kY = 300, kHourOffset = 10, kUnitOffset = 10;
    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    wellfile::RECORD rec;
    QImage page = testing_support::White(1200, 1200);
    platform::Dc dc{page};
};

}  // namespace

TEST_F(ScaleLabelsTest, MinutesScalesOnTheRateTracksHeavyLines)
{
    const platform::Font font = dc.CurrentFont();
    Draw(1);
    EXPECT_EQ(Texts(), (Labels{{59, "1"}, {109, "2"}, {159, "3"}, {209, "4"}, {259, "5"}}));
    EXPECT_EQ(Top(), 300 - 10 - 5);
    const platform::DcText& first = dc.TextRecord().front();
    EXPECT_EQ(first.align, unsigned(platform::TA_CENTER | platform::TA_TOP));
    EXPECT_EQ(first.bkMode, platform::TRANSPARENT);
    EXPECT_EQ(first.font.height, -10);  // the view's scale font
    // The Dc's font and background mode are put back.
    EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE);
    EXPECT_EQ(dc.CurrentFont(), font);

    // Fractions are written with a point whatever the user's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Draw(7);
    EXPECT_EQ(Texts(), (Labels{{59, "0.5"}, {109, "1.0"}, {159, "1.5"}, {209, "2.0"}, {259, "2.5"}}));
    Draw(8);
    EXPECT_EQ(Texts(), (Labels{{59, "0.25"}, {109, "0.50"}, {159, "0.75"}, {209, "1.00"}, {259, "1.25"}}));
    QLocale::setDefault(QLocale::c());

    // Reversed: the high end on the track's left edge, "1" four heavy lines to the right.
    g.options.reverseRop = true;
    Draw(1);
    EXPECT_EQ(Texts(), (Labels{{9, "5"}, {59, "4"}, {109, "3"}, {159, "2"}, {209, "1"}}));

    // No scale, or one the program does not know: no numbers.
    for (int code : {0, 10}) {
        Draw(code);
        EXPECT_TRUE(Texts().empty()) << code;
    }
}

TEST_F(ScaleLabelsTest, AlternateAndLogarithmicScales)
{
    // Codes 2 and 3: every fourth cell of 9 pixels, 2 pixels less after each label on a wide screen.
    Draw(3);
    EXPECT_EQ(Texts(), (Labels{{45, "2"}, {79, "4"}, {113, "6"}, {147, "8"}, {181, "10"}, {215, "12"}, {249, "14"}}));
    g.screenWidth = 800;  // only after the first two
    Draw(2);
    Labels expected{{45, "1"}, {79, "2"}, {113, "3"}, {149, "4"}, {185, "5"}, {221, "6"}, {257, "7"}};
    EXPECT_EQ(Texts(), expected);
    g.profile = 16;  // a cell one pixel narrower
    Draw(2);
    EXPECT_EQ(Texts()[1].first, 9 + 32 + 32 - 2);

    // The logarithmic option overrides the record's code: decades from 8.5 cells, then 8.25 cells on.
    g = Geometry();
    g.options.logRateScale = true;
    g.options.reverseRop = true;
    for (int code : {3, 0}) {
        Draw(code);
        EXPECT_EQ(Texts(), (Labels{{94, "1"}, {176, "10"}, {258, "100"}})) << code;
    }
    g.profile = 74;
    Draw(1);
    EXPECT_EQ(Texts(), (Labels{{19, "1"}, {109, "10"}, {199, "100"}}));
}

TEST_F(ScaleLabelsTest, PerHourScales)
{
    g.options.ratePerHour = true;
    Draw(1, 0);  // 0 draws as 1
    EXPECT_EQ(Texts(), (Labels{{59, "100"}, {109, "75"}, {159, "50"}, {209, "25"}}));
    EXPECT_EQ(Top(), kY - kHourOffset - 1);
    for (int code : {7, 9}) {
        Draw(1, code);
        EXPECT_EQ(Texts(), (Labels{{59, "40"}, {109, "30"}, {159, "20"}, {209, "10"}})) << code;
    }
    g.options.reverseRop = true;
    Draw(1, 6);  // never reversed
    EXPECT_EQ(Texts(), (Labels{{59, "20"}, {109, "15"}, {159, "10"}, {209, "5"}}));
    EXPECT_EQ(dc.GetBkMode(), platform::OPAQUE);

    // Profile 74 on the logarithmic scale: three labels 12 cells apart from the track's left edge.
    g.profile = 74;
    g.options.logRateScale = true;
    Draw(1, 1);
    EXPECT_EQ(Texts(), (Labels{{9, "300"}, {129, "30"}, {249, "3"}}));
}

TEST_F(ScaleLabelsTest, FeetStyleFormatsRaiseTheLabels)
{
    g.profile = 21;
    dc.SetBkMode(platform::OPAQUE);
    Draw(1);
    EXPECT_EQ(Top(), int(290 - 10 * 0.85));
    EXPECT_EQ(dc.TextRecord().front().bkMode, platform::OPAQUE);  // left as the Dc had it

    g.profile = 86;
    g.options.ratePerHour = true;
    dc.SetBkMode(platform::TRANSPARENT);
    Draw(1, 1);
    const std::vector<platform::DcText>& r = dc.TextRecord();
    ASSERT_EQ(r.size(), 5u);
    const int line = kY - kHourOffset - 3;
    EXPECT_EQ(r.front().at.y, line);
    EXPECT_EQ(r.front().bkMode, platform::OPAQUE);
    EXPECT_EQ(r.front().font.height, g.fonts.feetStyle.lfHeight);
    EXPECT_EQ((std::pair{r.back().text, r.back().at}), (std::pair{QString("FPH"), platform::POINT{9 + 15, line - 15}}));
    EXPECT_EQ(dc.GetBkMode(), platform::TRANSPARENT);

    OnPaper();
    g.options.ratePerHour = false;
    Draw(1);
    EXPECT_EQ(Top(), int(int(kY - kUnitOffset * 1.3) - 20 * 1.2));
}

TEST_F(ScaleLabelsTest, PrintedPageWithTheCurveSetsScale)
{
    OnPaper();
    logview::ElogRateScale elog;
    elog.loaded = elog.curvesOption = elog.rateTrackFlag = true;
    elog.scaleIndex = 3;
    elog.colour = platform::RGB(0, 128, 0);
    device.colourPrinting = true;

    Draw(1, 0, elog);
    const int line = int(kY - kUnitOffset * 1.3);
    Labels expected{{200, "1"}, {300, "2"}, {400, "3"}, {500, "4"}, {600, "5"},
                    {100, "0"}, {600, "150"}, {100, "0"}, {600, "60"}};
    EXPECT_EQ(Texts(), expected);
    const std::vector<platform::DcText>& r = dc.TextRecord();
    EXPECT_EQ((std::array{r[0].at.y, r[5].at.y, r[8].at.y}), (std::array{line - 10, line - 60, line + 60}));
    EXPECT_EQ(r[0].font.height, -40);
    EXPECT_EQ(r[5].textColor, elog.colour);
    EXPECT_EQ(dc.GetTextColor(), platform::RGB(0, 0, 0));

    // Logarithmic on paper starts 10 pixels into the track; an unknown code still gets the e-log scale,
    // and a scale index the table does not hold writes no maximum.
    g.options.logRateScale = true;
    Draw(1, 0, elog);
    EXPECT_EQ(Texts()[0], (std::pair<int, QString>{110, "1"}));
    g.options.logRateScale = false;
    elog.scaleIndex = 9;
    Draw(12, 0, elog);
    EXPECT_EQ(Texts(), (Labels{{100, "0"}, {100, "0"}, {600, "60"}}));

    // Per hour: the first e-log line only.
    g.options.ratePerHour = true;
    elog.scaleIndex = 0;
    Draw(1, 4, elog);
    EXPECT_EQ(Texts(), (Labels{{200, "400"}, {300, "200"}, {400, "100"}, {500, "50"}, {100, "0"}, {600, "25"}}));

    // With the e-log display option a loaded curve set takes the labels' place.
    elog.displayOption = true;
    Draw(1, 4, elog);
    EXPECT_TRUE(Texts().empty());
}
