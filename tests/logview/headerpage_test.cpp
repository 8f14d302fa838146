// The log header page on the demo well's layout (R = U = 10, T = 160, log width 1064, profile 12) and
// the underlined label it shares with the printed header.
#include "logview/draw/headerpage.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"
#include "support/recordingpainters.h"
#include "support/textrecord.h"
#include "support/viewfixture.h"
#include "app/opendatafile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

using namespace platform;
using testing_support::Touched;
using testing_support::White;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

class HeaderPageTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();
        ASSERT_EQ(wellfile::ReadHeader(header, app::PlaceOf(s)), 1);
        in.header = &header;
        in.clientRight = 1200;
        in.logTitle = "STRATIV MUD LOG";
    }
    void Draw()
    {
        image = White(1300, 1000);
        dc = std::make_unique<Dc>(image);
        dc->RecordText(true);
        frame = logview::DrawLogHeaderPage(*dc, g, s.layout.pens, in, painters);
    }
    std::map<QString, const DcText*> Texts() const { return testing_support::TextsByContent(*dc); }
    POINT At(const QString& text) const { return testing_support::TextAt(*dc, text); }
    // The black rows of column x between y0 and y1.
    int BlackRows(int x, int y0, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            n += dc->GetPixel(x, y) == kBlack;
        return n;
    }
    // First and last black row of column x between y0 and y1.
    std::pair<int, int> BlackSpan(int x, int y0, int y1) const
    {
        int first = -1, last = -1;
        for (int y = y0; y < y1; ++y)
            if (dc->GetPixel(x, y) == kBlack) {
                if (first < 0)
                    first = y;
                last = y;
            }
        return {first, last};
    }

    logview::ViewGeometry g;
    wellfile::WellHeader header{};
    logview::HeaderPage in;
    testing_support::RecordingPainters painters;
    QImage image;
    std::unique_ptr<Dc> dc;
    RECT frame;
};

}  // namespace

TEST_F(HeaderPageTest, AddressBlockAndWellFields)
{
    SetFieldText(header.fileName, "ELOGDEMO.SVM");
    header.field[0] = 0;
    Draw();
    EXPECT_EQ(frame, (RECT{3, 3, 1192, 780}));  // client right - 8; 62 rows + T

    // The log title and the placeholder lines, centred on the log from two rows down.
    const DcText& title = *Texts().at("STRATIV MUD LOG");
    EXPECT_EQ(title.at, (POINT{532, 20}));
    EXPECT_EQ(title.align, unsigned(TA_CENTER | TA_TOP));
    EXPECT_EQ(title.font.face, "Arial Bold");
    EXPECT_EQ(At("ADDRESS 1"), (POINT{532, 70}));
    EXPECT_EQ(At("ADDRESS 2"), (POINT{532, 100}));
    EXPECT_EQ(At("ADDRESS 4"), (POINT{532, 160}));

    // Label at 11 U, value at 25 U, the value underlined with 3 pixels up to 20 U short of the log's end.
    EXPECT_EQ(At("COMPANY:"), (POINT{110, 210}));
    EXPECT_EQ(At("Demo Petroleum Ltd."), (POINT{250, 210}));
    EXPECT_EQ(Texts().at("Demo Petroleum Ltd.")->align, unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(BlackRows(860, 211, 245), 3);
    EXPECT_EQ(BlackRows(866, 211, 270), 0);
    // The field is empty: its label stands, without a value or an underline.
    EXPECT_EQ(At("FIELD:"), (POINT{110, 260}));
    EXPECT_EQ(BlackRows(400, 261, 285), 0);
    EXPECT_EQ(At("LOCATION:"), (POINT{110, 285}));
    // The file name is shown lower-cased, underlined to the end of its text only.
    EXPECT_EQ(At("elogdemo.svm"), (POINT{230, 410}));
    EXPECT_EQ(Texts().count("ELOGDEMO.SVM"), 0u);
    EXPECT_EQ(BlackRows(600, 411, 435), 0);

    // The Dc is given back.
    EXPECT_EQ(dc->GetTextAlign(), unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(dc->CurrentBrush(), Brush());
    EXPECT_EQ(dc->CurrentPen(), Pen());
}

TEST_F(HeaderPageTest, FieldsEndAtTheirSlotAndAMissingHeaderLeavesTheLabels)
{
    std::memset(header.field, 'F', sizeof header.field);          // runs on into the county
    std::memset(header.geologist, 'G', sizeof header.geologist);  // and into the file name
    Draw();
    EXPECT_EQ(Texts().count(QString(30, 'F')), 1u);
    EXPECT_EQ(Texts().count(QString(20, 'G')), 1u);
    EXPECT_EQ(Texts().count("elogdemo.svm"), 1u);

    in.header = nullptr;
    Draw();
    EXPECT_EQ(At("Geologist:"), (POINT{110, 435}));
    EXPECT_EQ(BlackRows(860, 211, 245), 0);
    for (const DcText& t : dc->TextRecord())
        EXPECT_FALSE(t.text.isEmpty());
}

TEST_F(HeaderPageTest, PageDatesTheLogFromStartToEndWithoutTheApiLine)
{
    SetFieldText(header.apiNumber, "API-77");
    SetFieldText(header.loggedFrom, "1 May");
    SetFieldText(header.loggedTo, "9 May");
    SetFieldText(header.county, "Kern");
    in.header = &header;
    Draw();
    // Line 6 of the fields (25 apart from 210), positions in U = 10 from the label column at 110.
    EXPECT_EQ(At("Start Date :"), (POINT{110, 335}));
    EXPECT_EQ(At("1 May"), (POINT{260, 335}));
    EXPECT_EQ(At("End Date:"), (POINT{400, 335}));
    EXPECT_EQ(At("9 May"), (POINT{510, 335}));
    EXPECT_EQ(At("Spud Date:"), (POINT{630, 335}));
    EXPECT_EQ(At("Loggers:"), (POINT{110, 385}));
    EXPECT_EQ(At("Filename:"), (POINT{110, 410}));
    for (const char* paperOnly : {"Date Logged:", "Api No.:", "API-77", "COUNTY:", "Kern"})
        EXPECT_EQ(Texts().count(paperOnly), 0u) << paperOnly;
}

TEST_F(HeaderPageTest, RateSwitchDecidesTitleBoxAndLowerBand)
{
    g.profile = 10;  // a company with column titles
    Draw();
    // Box from y 709: 12 rows with the rate track, its separator at U - 1, the band's lines at the rate
    // track's right edge from 6 rows above the band at 60 rows + T.
    const auto [top, bottom] = BlackSpan(1000, 690, 900);
    EXPECT_NEAR(bottom - top, 120, 2);
    EXPECT_EQ(dc->GetPixel(9, 760), kBlack);
    EXPECT_EQ(dc->GetPixel(259, 700), kBlack);
    EXPECT_EQ(Texts().count("Drilling Rate"), 1u);
    EXPECT_EQ(Texts().count("MIN/M"), 1u);
    EXPECT_EQ(Texts().count("GAMMA API"), 1u);
    EXPECT_EQ(painters.Named("DrawVerticalText").size(), 4u);

    // Custom tracks on with the rate switch off: 16 rows, no separator, no rate titles, no band.
    g.customTracks = true;
    in.customTracksOn = true;
    in.switches.rate = false;
    painters.calls.clear();
    Draw();
    const auto [top16, bottom16] = BlackSpan(1000, 690, 900);
    EXPECT_EQ(top16, top);
    EXPECT_EQ(bottom16 - top16, bottom - top + 40);
    EXPECT_EQ(dc->GetPixel(9, 760), kWhite);
    EXPECT_EQ(dc->GetPixel(259, 700), kWhite);
    EXPECT_EQ(Texts().count("Drilling Rate"), 0u);
    EXPECT_EQ(Texts().count("MIN/M"), 0u);
    EXPECT_EQ(Texts().count("GAMMA API"), 0u);
    EXPECT_TRUE(painters.calls.empty());

    // Other companies: the box without titles.
    g = Geometry();
    in = {};
    in.header = &header;
    Draw();
    EXPECT_EQ(Texts().count("Drilling Rate"), 0u);
    EXPECT_EQ(Texts().count("GAMMA API"), 1u);
}

TEST_F(HeaderPageTest, LowerBandFollowsCustomTracksAndTheGammaScale)
{
    auto gammaTexts = [&] {
        std::vector<std::pair<QString, POINT>> out;
        for (const DcText& t : dc->TextRecord())
            if (t.at.x == 239)  // two units inside the rate track's right edge
                out.emplace_back(t.text, t.at);
        return out;
    };
    in.gammaScaleIndex = 0;  // below the table: its first entry
    Draw();
    EXPECT_EQ(gammaTexts(), (std::vector<std::pair<QString, POINT>>{{"25", {239, 730}}, {"60", {239, 710}}}));
    const auto vertical = painters.Named("DrawVerticalText");
    ASSERT_EQ(vertical.size(), 4u);
    EXPECT_EQ(vertical.back().text, "DEPTH");
    EXPECT_EQ(vertical.back().args, (std::vector<long long>{289, 700, 12}));

    // Custom tracks switched on: the band two rows higher, on this drawing only.
    in.gammaScaleIndex = 12;
    in.customTracksOn = true;
    Draw();
    EXPECT_EQ(gammaTexts().front(), (std::pair<QString, POINT>{"1500", {239, 710}}));
    in.customTracksOn = false;
    in.gammaScaleIndex = 4;
    Draw();
    EXPECT_EQ(gammaTexts().front(), (std::pair<QString, POINT>{"150", {239, 730}}));
}

TEST_F(HeaderPageTest, PpmScaleFollowsTheGasSwitch)
{
    auto ppmAt = [&] {
        for (const DcText& t : dc->TextRecord())
            if (t.text.endsWith(" % "))
                return t.at;
        return POINT{-1, -1};
    };
    Draw();
    EXPECT_EQ(ppmAt(), (POINT{974, 510}));  // gas right - 10 U + 2 R, 51 rows
    // The gas switch is read as it is, custom tracks or not.
    in.switches.gas = false;
    Draw();
    EXPECT_EQ(ppmAt(), (POINT{-1, -1}));
    in.switches.gas = true;
    g.profile = 126;
    Draw();
    EXPECT_EQ(ppmAt(), (POINT{-1, -1}));
}

TEST_F(HeaderPageTest, LithologyLegendPlace)
{
    Draw();
    EXPECT_EQ(At("Sand"), (POINT{396, 510}));  // lithology column + 5 U, 51 rows
    // With the lithology switch off it stands at half the frame's width, custom tracks or not.
    in.switches.lithology = false;
    Draw();
    EXPECT_EQ(At("Sand"), (POINT{596, 510}));
}

TEST(DrawLabelText, EmptyTextDrawsNothingAndUnderlinesRunToTheirEnd)
{
    QImage image = White(400, 100);
    Dc dc(image);
    const Font start = dc.CurrentFont();
    const Font font(QStringLiteral("Arial Bold"), 20);
    EXPECT_EQ(logview::DrawLabelText(dc, "", font, 50, 20, true, 300), 0);
    EXPECT_EQ(Touched(dc, 400, 100, kWhite).right, 0);

    EXPECT_EQ(logview::DrawLabelText(dc, "Rig", font, 50, 20, true, 0, 10), 1);
    const SIZE size = [&] {
        dc.SelectObject(font);
        const SIZE s = dc.GetTextExtent("Rig");
        dc.RestoreFont();
        return s;
    }();
    // From x - the left offset to the end of the text, three pixels from the text's height down.
    for (int y = 20 + size.cy - 1; y <= 20 + size.cy + 1; ++y) {
        EXPECT_EQ(dc.GetPixel(40, y), kBlack) << y;
        EXPECT_EQ(dc.GetPixel(50 + size.cx - 1, y), kBlack) << y;
        EXPECT_EQ(dc.GetPixel(50 + size.cx + 2, y), kWhite) << y;
    }
    EXPECT_EQ(dc.GetPixel(38, 20 + size.cy), kWhite);
    EXPECT_EQ(dc.CurrentFont(), start);
}
