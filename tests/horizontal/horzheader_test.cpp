// The view's lithology symbols probed on their tiles, and the header block with its legends read
// through the Dc's text record over a real header file: positions from the drawing's fixed numbers,
// order and gaps where a position depends on a text's width.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "horizontal/draw/horzplot.h"
#include "horizontal/ui/horzdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellheader.h"

#include "platform/text.h"
#include "support/textrecord.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace horizontal;
using platform::RGB;

namespace {

constexpr platform::COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
constexpr platform::COLORREF kYellow = RGB(255, 255, 0);

platform::COLORREF Pixel(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

int Count(const QImage& image, QRect r, platform::COLORREF colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += Pixel(image, x, y) == colour;
    return n;
}

struct Header {
    QTemporaryDir dir;
    std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(2000, 2400);
    HorzViewSettings settings;
    HorzPlot plot;
    layout::PenTable pens{};
    wellfile::WellHeader h{};
    QImage image{1000, 900, QImage::Format_RGB32};
    platform::Dc dc{image};
    Header()
    {
        plot.settings = &settings;
        plot.records = records;
        plot.toDraw = int(records.size());
        plot.plotFirstDepth = 2000;
        plot.plotLastDepth = 2400;
        plot.plotLeft = 500;
        plot.clientHeight = 900;
        plot.width = 1000;
        settings.drawShows = true;
        settings.rateScale = 2;
        settings.gasScale = 2;
        settings.gammaScale = 6;
        const std::int32_t plain[10] = {0, 100, 250, 500, 1000, 1500, 2000, 2500, 5000, 10000};
        std::copy(std::begin(plain), std::end(plain), settings.gasScales);
        for (int i = 0; i < 7; ++i)
            platform::SetFieldText(pens.entry[i].name, "PEN" + std::to_string(i));
        plot.headerFacts.place = {dir.path() + "/", dir.path() + "/", dir.path() + "/", "W1"};
        plot.headerFacts.logTitle = "ACME LOGGING";
        plot.headerFacts.penTable = &pens;
        platform::SetFieldText(h.company, "OILCO");
        platform::SetFieldText(h.well, "DEEP 1");
        platform::SetFieldText(h.county, "KERN");
        platform::SetFieldText(h.kellyBushing, "1234");
        platform::SetFieldText(h.loggedFrom, "1/2/2026");
        platform::SetFieldText(h.intervalFrom, "2000");
        platform::SetFieldText(h.loggers, "SAM");
        LayOutPlotBands(plot);
    }
    // Writes the header and draws the block.
    void Draw()
    {
        ASSERT_EQ(wellfile::SaveHeader(h, plot.headerFacts.place), 1);
        image.fill(Qt::white);
        dc.RecordText(true);
        DrawHeader(dc, plot);
    }
    const platform::DcText* Find(const QString& text) const { return testing_support::FindText(dc.TextRecord(), text); }
    platform::POINT At(const QString& text) const
    {
        const platform::DcText* t = Find(text);
        EXPECT_NE(t, nullptr) << text.toStdString();
        return t ? t->at : platform::POINT{-1, -1};
    }
    // The recorded text right after `label` (its value).
    const platform::DcText& After(const QString& label) const
    {
        const auto& r = dc.TextRecord();
        for (std::size_t i = 0; i + 1 < r.size(); ++i)
            if (r[i].text == label)
                return r[i + 1];
        ADD_FAILURE() << label.toStdString();
        return r.front();
    }
};

}  // namespace

TEST(HorzLithSymbols, TilesHoldTheirBoxFillAndSymbol)
{
    HorzPlot plot;
    plot.options.profile = 12;
    BuildLithTiles(plot);
    ASSERT_EQ(plot.lithTiles.size(), 23u);
    for (const QImage& t : plot.lithTiles)
        EXPECT_EQ(t.size(), QSize(40, 11));
    const QImage& sand = plot.lithTiles[1];
    for (auto [x, y] : {std::pair{0, 0}, {39, 9}})
        EXPECT_EQ(Pixel(sand, x, y), kBlack) << x << "," << y;
    EXPECT_EQ(Count(plot.lithTiles[11], QRect(1, 1, 38, 8), kBlack), 38 * 8);  // coal: solid, no symbol
    EXPECT_EQ(Pixel(sand, 5, 5), kYellow);
    EXPECT_GT(Count(sand, QRect(12, 2, 6, 6), kBlack), 0);  // the two small ellipses at x 13 and 33
    EXPECT_GT(Count(sand, QRect(32, 2, 6, 6), kBlack), 0);
    EXPECT_EQ(Count(sand, QRect(20, 2, 10, 6), kBlack), 0);
    EXPECT_EQ(Pixel(plot.lithTiles[2], 3, 5), RGB(0, 192, 248));
    const QImage& fractures = plot.lithTiles[22];
    EXPECT_EQ(Pixel(fractures, 10, 5), kRed);
    EXPECT_EQ(Pixel(fractures, 30, 5), kRed);
    EXPECT_EQ(Pixel(fractures, 20, 5), kWhite);
    EXPECT_GT(Count(plot.lithTiles[19], QRect(20, 1, 19, 8), kBlack), 0);  // "p  p" inside the tile

    // Anhydrite: plain diagonals for profiles 2, 91 and 92, the check mark for the others.
    const QImage check = plot.lithTiles[5];
    for (int profile : {2, 91, 92}) {
        plot.options.profile = profile;
        BuildLithTiles(plot);
        EXPECT_NE(plot.lithTiles[5], check) << profile;
        EXPECT_EQ(Pixel(plot.lithTiles[5], 15, 3), kBlack);  // (x, y + h) to (x + s, y), y = -2
    }
    // The operator colour: dolomite (255,0,248).
    plot.headerFacts.operatorColour = true;
    BuildLithTiles(plot);
    EXPECT_EQ(Pixel(plot.lithTiles[2], 3, 5), RGB(255, 0, 248));
}

TEST(HorzLithSymbols, EmptyKindsAndTheCallersPen)
{
    QImage image(60, 30, QImage::Format_RGB32);
    platform::Dc dc(image);
    for (int kind : {0, 7, 9, 18, 19, 20, 21, 27, -3}) {
        image.fill(Qt::white);
        DrawLithSymbol(dc, kind, 20, 10, 10, 0);
        EXPECT_EQ(Count(image, image.rect(), kWhite), 60 * 30) << kind;
    }
    // A 2-pixel pen selected before does not widen the lines: kind 4 is one column at x + 3 and x + 23.
    image.fill(Qt::white);
    dc.SelectObject(platform::Pen(RGB(0, 0, 255), 2));
    DrawLithSymbol(dc, 4, 20, 10, 10, 0);
    EXPECT_EQ(Count(image, QRect(23, 10, 1, 10), kBlack), 10);
    EXPECT_EQ(Count(image, QRect(43, 10, 1, 10), kBlack), 10);
    EXPECT_EQ(Count(image, image.rect(), kBlack), 20);
    // Fractures put the Dc's first objects back, font included.
    const platform::Font first = dc.CurrentFont();
    dc.SelectObject(platform::Font("Arial", 30));
    DrawLithSymbol(dc, 25, 20, 10, 10, 0);
    EXPECT_EQ(dc.CurrentFont(), first);
    EXPECT_EQ(dc.CurrentPen(), platform::Pen());
}

TEST(HorzLithSymbols, LegendRowsLabelsAndPalette)
{
    Header f;
    f.image.fill(Qt::white);
    f.dc.RecordText(true);
    f.dc.SetTextAlign(platform::TA_LEFT | platform::TA_BOTTOM);
    const SymbolPalette boxes = DrawLithLegend(f.dc, f.plot, 300);
    for (auto [text, x, y] : {std::tuple{"Sand", 10, 300}, {"Dolo", 80, 299}, {"Shale", 10, 325},
                              {"Granite Wash", 150, 350}, {"Quartz Wash", 245, 350}, {"Carb Wash", 10, 375},
                              {"ACCESSORIES", 10, 405}, {"FRACTURES", 290, 423}})
        EXPECT_EQ(f.At(text), (platform::POINT{x, y})) << text;
    EXPECT_EQ(boxes[1], (platform::RECT{10, 300, 50, 310}));
    EXPECT_EQ(boxes[13], (platform::RECT{160, 350, 200, 360}));
    EXPECT_EQ(boxes[22], (platform::RECT{290, 425, 330, 435}));
    EXPECT_EQ(Pixel(f.image, 12, 305), kYellow);
    EXPECT_EQ(Pixel(f.image, 83, 305), RGB(0, 192, 248));
    EXPECT_EQ(Pixel(f.image, 300, 430), kRed);  // a fracture diamond
}

TEST(HorzHeader, FieldsLinesAndUnderlines)
{
    Header f;
    f.Draw();
    const platform::DcText* title = f.Find("ACME LOGGING");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at, (platform::POINT{200, 20}));
    EXPECT_EQ(title->align, unsigned(platform::TA_CENTER | platform::TA_BOTTOM));
    const int L = f.At("WELL:         ").y - f.At("COMPANY:  ").y;
    ASSERT_GT(L, 10);
    EXPECT_EQ(f.At("COMPANY:  "), (platform::POINT{20, 20 + L}));
    EXPECT_EQ(f.After("COMPANY:  ").text, "OILCO");
    const QStringList order = {"LOCATION:", "COUNTY:   ", "GL:", "Start Date ", "Start Depth    ", "API NO:    ",
                               "FILE:        ", "LOGGERS:        ", "GEOLOGIST:      "};
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(f.At(order[i]), (platform::POINT{20, 20 + (i + 3) * L})) << order[i].toStdString();
    EXPECT_EQ(f.At("KB:").x, 100);
    EXPECT_EQ(f.After("KB:").text, "1234");
    EXPECT_EQ(f.After("FILE:        ").text, "W1.svw");
    EXPECT_EQ(f.After("LOGGERS:        ").text, "SAM");
    EXPECT_GT(f.At("STATE:").x, f.After("COUNTY:   ").at.x);
    EXPECT_EQ(f.At("Sand").y, f.At("GEOLOGIST:      ").y + L);

    // The value's underline runs under it to 10 pixels past it; the second field starts 20 pixels after.
    const int y = 20 + 6 * L + kUnderlineDrop;
    const int endDate = f.At("End Date ").x;
    EXPECT_EQ(Pixel(f.image, f.After("Start Date ").at.x, y), kBlack);
    EXPECT_EQ(Pixel(f.image, endDate - 21, y), kBlack);
    EXPECT_EQ(Pixel(f.image, endDate - 20, y), kWhite);
    // An empty value gets a 10-pixel line.
    const int api = f.After("API NO:    ").at.x;
    EXPECT_EQ(f.After("API NO:    ").text, "");
    EXPECT_EQ(Count(f.image, QRect(api - 2, 20 + 8 * L + kUnderlineDrop, 14, 1), kBlack), 10);
    // Descenders end above the line, a clear row between.
    platform::SetFieldText(f.h.well, "gygy");
    f.Draw();
    const platform::DcText& well = f.After("WELL:         ");
    const int width = f.dc.GetTextExtent("gygy").cx;
    EXPECT_GT(Count(f.image, QRect(well.at.x, well.at.y - 3, width, 3), kBlack), 0);
    EXPECT_EQ(Count(f.image, QRect(well.at.x, well.at.y, width, kUnderlineDrop), kBlack), 0);
    EXPECT_EQ(Count(f.image, QRect(well.at.x, well.at.y + kUnderlineDrop, width, 1), kBlack), width);
    // The palette is what the legend drew.
    EXPECT_EQ(f.plot.symbolPalette[1].top, f.At("Sand").y);

    // A second location line adds one; a second loggers text over two characters is appended.
    platform::SetFieldText(f.h.location2, "SEC 12");
    platform::SetFieldText(f.h.loggers2, "ABC");
    f.Draw();
    EXPECT_EQ(f.At("             "), (platform::POINT{20, 20 + 4 * L}));
    EXPECT_EQ(f.After("             ").text, "SEC 12");
    EXPECT_EQ(f.At("GEOLOGIST:      ").y, 20 + 12 * L);
    EXPECT_EQ(f.After("LOGGERS:        ").text, "SAM ,  ABC");
    platform::SetFieldText(f.h.loggers2, "AB");
    std::memset(f.h.location2, 0, sizeof f.h.location2);
    f.h.location2[1] = 'X';  // only the first byte counts
    f.Draw();
    EXPECT_EQ(f.Find("             "), nullptr);
    EXPECT_EQ(f.After("LOGGERS:        ").text, "SAM");

    // Texts are read within their fields: a full company field does not run on into the well's.
    std::memset(f.h.company, 'C', sizeof f.h.company);
    f.Draw();
    EXPECT_EQ(f.After("COMPANY:  ").text, QString(80, 'C'));
}

// With the larger fonts of a wide screen each underline belongs to its value: the clear rows between
// it and the value above are no more than those between it and the text of the line below.
TEST(HorzHeader, EachUnderlineStandsNearerItsValueThanTheNextLine)
{
    Header f;
    f.plot.options.screenWidth = 1920;
    platform::SetFieldText(f.h.apiNumber, "42-389-00000");  // the line below, under the whole underline
    f.Draw();
    const platform::DcText& value = f.After("Start Depth    ");  // "2000"
    const int y = value.at.y + kUnderlineDrop;
    const int x = value.at.x, width = f.dc.GetTextExtent("2000").cx;
    ASSERT_EQ(Count(f.image, QRect(x, y, width, 1), kBlack), width);
    const auto clearRows = [&](int step) {
        int rows = 0;
        while (Count(f.image, QRect(x, y + step * (rows + 1), width, 1), kBlack) == 0)
            ++rows;
        return rows;
    };
    EXPECT_LE(clearRows(-1), clearRows(+1));
}

// On the short views of a 1,024 x 768 screen the show rows' labels stand clear of the legend's last row.
TEST(HorzHeader, ShowRowLabelsStayClearOfTheLegendOnAShortView)
{
    Header f;
    f.plot.options.screenWidth = 1024;
    const auto box = [&f](const char* text) {
        const platform::DcText* t = f.Find(text);
        EXPECT_NE(t, nullptr) << text;
        if (!t)
            return QRect();
        f.dc.SelectObject(t->font);
        const platform::SIZE size = f.dc.GetTextExtent(text);
        const int x = (t->align & platform::TA_RIGHT) ? t->at.x - size.cx : t->at.x;
        const int y = (t->align & platform::TA_BOTTOM) ? t->at.y - size.cy : t->at.y;
        return QRect(x, y, size.cx, size.cy);
    };
    for (int height = 400; height <= 700; height += 10) {
        f.plot.clientHeight = height;
        LayOutPlotBands(f.plot);
        f.Draw();
        const QRect fractures = box("FRACTURES");
        for (const char* label : {"CUT ( P F G )", "FLU  0-100% ( P F G )", "POR ( P F G )"})
            EXPECT_FALSE(box(label).intersects(fractures)) << label << " at " << height;
    }
}

TEST(HorzHeader, ShowLabelsNoteAndLegends)
{
    Header f;
    f.plot.pens[0].colour = RGB(0, 150, 0);
    f.plot.options.hardness = true;
    LayOutPlotBands(f.plot);
    f.plot.headerFacts.scaleNote = true;
    f.Draw();
    const HorzBands& b = f.plot.bands;
    const int base = b.showsBandBottom;
    for (auto [text, y] : {std::pair{"SLIDE", b.lowerBase - 10}, {"CUT ( P F G )", base - 45},
                           {"FLU  0-100% ( P F G )", base - 30}, {"POR ( P F G )", base - 15},
                           {"CACO3 0-100%", b.hardnessBase - 15}}) {
        EXPECT_EQ(f.At(text), (platform::POINT{495, y})) << text;
        EXPECT_EQ(f.Find(text)->align, unsigned(platform::TA_RIGHT | platform::TA_TOP));
    }
    const platform::DcText* note = f.Find("5 \" Per 100 M Horizontal");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->textColor, kRed);
    EXPECT_EQ(note->font, platform::Font("Arial Bold", 22));

    // The pen legend: six rows, the gas scale after the first.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(f.At(QString("PEN%1").arg(i)), (platform::POINT{5, 473 + 15 * i}));
    EXPECT_EQ(f.Find("PEN0")->textColor, RGB(0, 150, 0));
    EXPECT_EQ(f.After("PEN0").text, " 1 to 250");
    EXPECT_EQ(f.Find("PEN6"), nullptr);
    // The scale legend.
    for (auto [text, x, y] : {std::tuple{"WELL TRACK", 10, 650}, {"Rop", 10, 670}, {" 0 to 5.0", 162, 665},
                              {"Gamma", 10, 690}, {" 0 to 300", 162, 690}})
        EXPECT_EQ(f.At(text), (platform::POINT{x, y})) << text;

    // Logarithmic scales, rates per hour, the hardness label, the third curve, a target, profile 3.
    f.settings.logGas = f.settings.logRop = f.settings.logGamma = true;
    f.plot.headerFacts.hardnessLabel = true;
    f.plot.options.thirdCurve = true;
    f.plot.targetLoaded = true;
    f.plot.options.profile = 3;
    // A styled seventh pen draws its count of rows under the name, a damaged count only a few.
    f.pens.entry[6].style = platform::PS_DOT;
    f.pens.entry[6].repeat = 1000000;
    f.plot.pens[6].colour = RGB(0, 0, 200);
    f.Draw();
    EXPECT_GT(Count(f.image, QRect(0, 548, 200, 10), RGB(0, 0, 200)), 0);
    EXPECT_EQ(Count(f.image, QRect(0, 560, 200, 80), RGB(0, 0, 200)), 0);
    EXPECT_EQ(f.After("PEN0").text, " .01 to 100 ");
    EXPECT_EQ(f.At("PEN6"), (platform::POINT{5, 563}));
    EXPECT_EQ(f.At(" .1 to 100"), (platform::POINT{162, 665}));
    EXPECT_EQ(f.At(" .1 to 1000"), (platform::POINT{162, 690}));
    EXPECT_EQ(f.At("HARDNESS"), (platform::POINT{495, b.hardnessBase - 15}));
    EXPECT_EQ(f.At("Sonic"), (platform::POINT{10, 710}));
    EXPECT_EQ(f.At(" -.1 to .3"), (platform::POINT{112, 710}));
    EXPECT_EQ(f.At("Target"), (platform::POINT{10, 730}));  // under "Sonic", not on it
    f.settings.logRop = false;
    f.plot.options.ratesPerHour = true;
    f.plot.rateCode = 3;
    f.Draw();
    EXPECT_EQ(f.After("Rop").text, " 0 to 450");
}

TEST(HorzHeader, OlderHeaderOfProfileSevenAndNoHeader)
{
    Header f;
    // No header file: nothing of the block, no palette.
    f.image.fill(Qt::white);
    f.dc.RecordText(true);
    DrawHeader(f.dc, f.plot);
    EXPECT_TRUE(f.dc.TextRecord().empty());
    EXPECT_EQ(f.plot.symbolPalette[1], platform::RECT{});

    // Profile 7 with today's header only: nothing either.
    f.plot.options.profile = 7;
    f.Draw();
    EXPECT_TRUE(f.dc.TextRecord().empty());

    wellfile::WellHeader1450 old{};
    platform::SetFieldText(old.company, "OLDCO");
    platform::SetFieldText(old.kellyBushing, "530KB");
    platform::SetFieldText(old.apiNumber, "API550");
    testing_support::WriteBytes(f.dir.path() + "/W1.hdr", &old, sizeof old);
    f.plot.headerFacts.scaleNote = true;
    f.plot.options.hardness = true;
    f.dc.RecordText(true);
    DrawHeader(f.dc, f.plot);
    EXPECT_EQ(f.After("COMPANY:  ").text, "OLDCO");
    EXPECT_EQ(f.At("COMPANY:  ").x, 2);
    EXPECT_EQ(f.At("KB:").x, 82);
    EXPECT_EQ(f.After("KB:").text, "530KB");
    EXPECT_EQ(f.After("API NO:    ").text, "API550");
    EXPECT_EQ(f.At("Sand").y - f.At("FILE:        ").y, f.At("WELL:         ").y - f.At("COMPANY:  ").y);
    EXPECT_EQ(f.At("CUT ( P F G )").y, f.plot.bands.pathBottom - 2);
    EXPECT_EQ(f.At("POR ( P F G )").y, f.plot.bands.pathBottom + 30);
    for (const char* absent : {"LOGGERS:        ", "GEOLOGIST:      ", "CACO3 0-100%", "WELL TRACK",
                               "5 \" Per 100 M Horizontal"})
        EXPECT_EQ(f.Find(absent), nullptr) << absent;
    EXPECT_NE(f.Find("PEN6"), nullptr);
}

TEST(HorzHeader, TheViewsHeaderCommandDrawsTheBlockAndTheMarkersTakeTheirTiles)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    ASSERT_FALSE(testing_support::OpenNewWell(window, [](const QString& data) {
                     return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400);
                 }).isEmpty());
    app::LogState& s = window.State();
    s.env.screenWidth = 1920;
    wellfile::WellHeader h{};
    platform::SetFieldText(h.company, "OILCO");
    ASSERT_EQ(wellfile::SaveHeader(h, app::PlaceOf(s)), 1);
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    ViewDefaults(*r, 0);
    r->drawLithOnWellTrack = 0;
    r->markerCount = 1;
    r->markers[0].symbolNumber = 1;  // sand
    r->markers[0].markerMd = 1300;
    testing_support::WriteBytes(s.well.file.currentFolder + "H.hor", r.get(), sizeof *r);

    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    view->resize(1200, 900);
    view->Click(kViewHeaderButton);
    const HorzPlot& p = view->Plot();
    ASSERT_EQ(p.plotLeft, 500);
    const QImage& image = view->Image();
    // The palette's sand box is yellow on the image, with the header's texts and underlines above it.
    const platform::RECT sand = p.symbolPalette[1];
    ASSERT_GT(sand.top, 100);
    EXPECT_EQ(Pixel(image, sand.left + 3, sand.top + 5), kYellow);
    EXPECT_GT(Count(image, QRect(0, 0, 500, sand.top - 20), kBlack), 200);
    // The marker: the sand tile at three quarters, under the lithology band.
    const int x = RecordX(p, 1300), y = p.bands.LithBandBottom() + 15;
    EXPECT_GT(Count(image, QRect(x, y, 30, 8), kYellow), 80);
    // Hidden again: no palette to pick from.
    view->Click(kViewHeaderButton);
    EXPECT_EQ(view->Plot().symbolPalette[1], platform::RECT{});
}

// The header's numbers on a 1,024 and a 1,920 pixel wide screen: each digit of a depth, a date and the API
// number stands apart from the next, a clear pixel column between them.
TEST(HorzHeader, DigitsOfTheFieldsStandApartOnSmallAndLargeScreens)
{
    for (const int screen : {1024, 1920}) {
        Header f;
        f.plot.options.screenWidth = screen;
        platform::SetFieldText(f.h.intervalTo, "2600");
        platform::SetFieldText(f.h.apiNumber, "42-389-00000");
        f.Draw();
        for (const char* label : {"Start Depth    ", "End Depth    ", "API NO:    "}) {
            const platform::DcText& value = f.After(label);
            f.dc.SelectObject(value.font);
            const QString text = value.text;
            const platform::SIZE size = f.dc.GetTextExtent(text);
            // Columns of the text (bottom-left at its point) with no black pixel: one at least between
            // each two glyphs.
            int clear = 0;
            for (int x = value.at.x + 1; x < value.at.x + size.cx - 1; ++x)
                clear += Count(f.image, QRect(x, value.at.y - size.cy, 1, size.cy), kBlack) == 0;
            EXPECT_GE(clear, text.size() - 1) << screen << " " << text.toStdString();
        }
    }
}
