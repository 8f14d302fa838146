// The printed header on the first page of a log printed through the print command on a 15 x 11 in page
// at 300 dpi with no margins: row height 24 and, once the run has narrowed it, column unit 22, so text
// unit 22, font unit 19, line step 52 and label column 198 (left margin 0). Pages are read back with
// poppler: words as pdftotext places them, pixels rasterised without smoothing.
#include "printheaderfixture.h"

#include "platform/draw/imagelib.h"
#include "print/draw/printheadertitles.h"
#include "print/printheader.h"

#include <QFileInfo>

#include <cstring>
#include <sys/resource.h>

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

using namespace print_header_test;

// A solid JPEG of w x h in `colour`, at `path`.
void WriteJpeg(const QString& path, int w, int h, QColor colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(img.save(path, "JPEG", 95));
}

// The process's peak resident memory so far.
long PeakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

TEST_F(PrintHeader, FullHeaderOfProfile12)
{
    ASSERT_TRUE(Open(12));
    platform::SetFieldText(s.layout.pens.table.entry[49].lithLabel, "Shaly Sand");
    const QString pdf = Print();
    // Page 1's rows start below the caption frame (T 649 + 12 rows) and hold 39 rows fewer.
    EXPECT_EQ(FirstPageRows(), std::make_pair(937, 136 - 39));

    const std::vector<Word> words = Words(pdf);
    EXPECT_TRUE(WordNear(words, "Abbreviations:", 264, 122));
    EXPECT_TRUE(WordNear(words, "Lithology", 1056, 122));
    EXPECT_TRUE(WordNear(words, "Gas", 1738, 122));
    EXPECT_TRUE(WordNear(words, "Chromatograph", 1811, 122, 12));
    // Legend rows from 187, 31 apart; two abbreviations a row from 88 and 396.
    EXPECT_TRUE(WordNear(words, "NB...New", 88, 187));
    EXPECT_TRUE(WordNear(words, "DST...Drill", 396, 187));
    EXPECT_TRUE(WordNear(words, "SG...Survey", 88, 373));
    EXPECT_TRUE(WordNear(words, "Cust", 902, 404));
    EXPECT_TRUE(WordNear(words, "Sh6", 1558, 404, 12));
    // The shade of entry 49 has a name of its own; the empty ones are numbered.
    EXPECT_TRUE(WordNear(words, "Shaly", 1496, 373));
    EXPECT_FALSE(HasWord(words, "Sh3"));
    for (const char* name : {"Sh1", "Sh2", "Sh4", "Sh5", "Sh6"})
        EXPECT_TRUE(HasWord(words, name)) << name;
    // The pen legend: eight names 39 apart from 239 (each written a quarter step above), total gas in
    // percent and the components in ppm.
    int ppm = 0;
    for (const Word& w : words)
        if (w.text == "ppm") {
            ++ppm;
            EXPECT_GT(w.x, 1738);
            EXPECT_EQ(std::lround(w.y - 226.2) % 39, 0) << w.y;
        }
    EXPECT_EQ(ppm, 7);
    EXPECT_TRUE(WordNear(words, "%", 1833, 226, 20));
    EXPECT_TRUE(WordNear(words, "Drilling", 276, 818, 12));
    // The rate unit stands above the first row.
    EXPECT_TRUE(WordNear(words, "MIN/M", 338, 898));
    EXPECT_TRUE(HasWord(words, "Gas/Chromatograph"));

    const QImage img = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(img.isNull());
    // The frame from (2, 24) to (W + 21, 937) in a 5-pixel pen: without a logo it closes with the
    // caption frame, and no line of it runs on into the rows.
    const int W = s.layout.print.rightEnd;
    for (int x : {2, 4})
        EXPECT_EQ(testing_support::At(img, x, 600), kBlack) << x;
    EXPECT_EQ(testing_support::At(img, 9, 600), kWhite);
    EXPECT_EQ(testing_support::At(img, 1200, 24), kBlack);
    EXPECT_EQ(testing_support::At(img, W + 20, 600), kBlack);
    EXPECT_EQ(testing_support::At(img, W + 27, 600), kWhite);
    EXPECT_EQ(testing_support::At(img, 1500, 935), kBlack);
    for (int y = 1000; y < 1500; ++y) {
        ASSERT_EQ(testing_support::At(img, 1500, y), kWhite) << y;
        ASSERT_EQ(testing_support::At(img, W + 20, y), kWhite) << y;
    }
    // Swatches in their colours; the C1 sample line in its pen's colour.
    EXPECT_EQ(testing_support::At(img, 1375, 199), platform::RGB(255, 0, 0));
    EXPECT_EQ(testing_support::At(img, 781, 292), kBlack);
    EXPECT_EQ(testing_support::At(img, 2068, 245 + 39), s.layout.pens.pens[layout::PEN_C1].colour);
}

TEST_F(PrintHeader, WithoutColourOnlyCoalAndCarbShaleAreFilled)
{
    ASSERT_TRUE(Open(12));
    const QImage img = testing_support::RasterisePdf(Print(1, false), 300);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(testing_support::At(img, 1375, 199), kWhite);        // Granite
    EXPECT_EQ(testing_support::At(img, 781, 292), kBlack);         // Coal
    EXPECT_EQ(testing_support::At(img, 781, 323), platform::RGB(216, 216, 216));  // Carb Shale
    EXPECT_EQ(testing_support::At(img, 1067, 230), kWhite);        // Chert
}


TEST_F(PrintHeader, CustomTracksHidingTheChromatographLeaveItsCaptionsOut)
{
    ASSERT_TRUE(Open(12));
    EXPECT_EQ(Draw(), 937);
    EXPECT_TRUE(Drawn("Gas Chromatograph Analysis:"));
    EXPECT_TRUE(Drawn(" C1  ppm"));
    EXPECT_TRUE(Drawn("Total Gas/Chromatograph"));
    // Custom tracks are on, so the caption frame grows and the captions move four line steps down.
    Draw([](PrintHeaderInput& in) {
        in.customTracksObject = in.customTracksOn = true;
        in.kept.chromatograph = false;
    });
    for (const char* gone : {"Gas Chromatograph Analysis:", " TOT  %", " C1  ppm", "Total Gas/Chromatograph"})
        EXPECT_FALSE(Drawn(gone)) << gone;
    EXPECT_TRUE(Drawn("Lithology Symbols:"));
    EXPECT_TRUE(Drawn("Drilling Rate"));
    // The same flags without custom tracks in use hide nothing.
    Draw([](PrintHeaderInput& in) { in.kept.chromatograph = false; });
    EXPECT_TRUE(Drawn("Total Gas/Chromatograph"));
}

TEST_F(PrintHeader, RateUnitFollowsScaleKindAndRateSetting)
{
    ASSERT_TRUE(Open(12));
    struct Case {
        int kind;
        bool perHour;
        const char* text;
    };
    for (const Case& c : {Case{3, false, "AVG MIN/5 M"}, Case{1, false, "MIN/M"}, Case{2, false, "MIN/M"},
                          Case{3, true, "M/HR"}}) {
        Draw([&c](PrintHeaderInput& in) {
            in.scaleKind = c.kind;
            in.ratePerHour = c.perHour;
        });
        EXPECT_TRUE(Drawn(c.text)) << c.kind << c.perHour;
        // Descriptions are captioned on the detailed scales only.
        EXPECT_EQ(Drawn("Descriptions/Remarks"), c.kind < 3) << c.kind;
    }
}

TEST_F(PrintHeader, NarrowLayoutStillGetsAFrameOfAHundredUnits)
{
    ASSERT_TRUE(Open(12));
    Draw([](PrintHeaderInput& in) { in.logWidth = 500; });
    // Right end 100 u + u - 1 = 2221 in a 5-pixel pen.
    EXPECT_EQ(testing_support::At(page, 2220, 600), kBlack);
    EXPECT_EQ(testing_support::At(page, 2226, 600), kWhite);
    // A log wider than the paper is cut to it: 10 R x 11 in - 5 = 2635.
    wellfile::PRINTCFG cfg{};
    cfg.pageWidth = 11.0f;
    Draw([](PrintHeaderInput& in) { in.logWidth = 4000; }, &cfg);
    EXPECT_EQ(testing_support::At(page, 2635 + 20, 600), kBlack);
    EXPECT_EQ(testing_support::At(page, 2635 + 27, 600), kWhite);
}

TEST_F(PrintHeader, Profile134PrintsItsLogoAndTheWellFields)
{
    ASSERT_TRUE(Open(134, [](wellfile::WellHeader& h) { platform::SetFieldText(h.field, ""); }));
    // Found whatever the letter case of the folder and the file.
    WriteJpeg(s.well.file.dataFolder + "Bitmaps/qkrt_LOGO.JPG", 100, 40, QColor(0, 160, 0));
    const QString pdf = Print();
    const QImage img = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(img.isNull());
    // 440 x 176 from (W/2 - 220, 52): twice the logo enlarged 2.2 times.
    const int mid = s.layout.print.rightEnd / 2;
    for (auto [x, y] : {std::pair{mid, 140}, std::pair{mid - 214, 58}, std::pair{mid + 214, 222}})
        EXPECT_TRUE(Near(testing_support::At(img, x, y), platform::RGB(0, 160, 0), 8)) << x << "," << y;
    for (auto [x, y] : {std::pair{mid - 226, 140}, std::pair{mid + 226, 140}, std::pair{mid, 46}, std::pair{mid, 234}})
        EXPECT_EQ(testing_support::At(img, x, y), kWhite) << x << "," << y;

    const std::vector<Word> words = Words(pdf);
    EXPECT_TRUE(WordNear(words, "COMPANY:", 198, 616));
    EXPECT_TRUE(WordNear(words, "Acme", 506, 616));
    EXPECT_TRUE(WordNear(words, "WELL:", 198, 668));
    EXPECT_TRUE(WordNear(words, "Filename:", 198, 616 + 9 * 52));
    EXPECT_TRUE(WordNear(words, "w1.svm", 462, 616 + 9 * 52));
    // The company's underline starts 1 u before it and runs to the frame's end; the empty field on
    // the third line draws no underline.
    auto underlined = [&img](int x, int top) {
        for (int y = top + 30; y < top + 52; ++y)
            if (testing_support::At(img, x, y) == kBlack)
                return true;
        return false;
    };
    EXPECT_TRUE(underlined(487, 616));
    EXPECT_FALSE(underlined(479, 616));
    EXPECT_TRUE(underlined(s.layout.print.rightEnd - 10, 616));
    EXPECT_FALSE(underlined(700, 720));
}

TEST_F(PrintHeader, PaperDatesTheLogAndAddsTheApiLineAndForProfile23CountyAndState)
{
    auto header = [](wellfile::WellHeader& h) {
        platform::SetFieldText(h.county, "Kern");
        platform::SetFieldText(h.state, "CA");
        platform::SetFieldText(h.apiNumber, "API-77");
        platform::SetFieldText(h.loggedFrom, "1 May");
        platform::SetFieldText(h.loggedTo, "9 May");
    };
    ASSERT_TRUE(Open(23, header));
    WriteJpeg(s.well.file.dataFolder + "bitmaps/client_logo.jpg", 10, 4, Qt::green);
    ASSERT_GT(Draw(), 0);
    // Lines a step of 52 apart, x in text units of 22 from the label column.
    const platform::POINT company = Recorded("COMPANY:")->at;
    auto at = [&](int units, int line) { return platform::POINT{company.x + units * 22, company.y + line * 52}; };
    EXPECT_EQ(Recorded("COUNTY:")->at, at(35, 2));
    EXPECT_EQ(Recorded("Kern")->at, at(45, 2));
    EXPECT_EQ(Recorded("STATE:")->at, at(58, 2));
    EXPECT_EQ(Recorded("CA")->at, at(66, 2));
    EXPECT_EQ(Recorded("Date Logged:")->at, at(0, 5));
    EXPECT_EQ(Recorded("1 May")->at, at(15, 5));
    EXPECT_EQ(Recorded("9 May")->at, at(34, 5));
    EXPECT_EQ(Recorded("Spud Date:")->at, at(46, 5));
    EXPECT_EQ(Recorded("Api No.:")->at, at(0, 8));
    EXPECT_EQ(Recorded("API-77")->at, at(12, 8));
    EXPECT_EQ(Recorded("Geologist:")->at, at(0, 10));
    EXPECT_FALSE(Drawn("Start Date :"));

    // Profile 134 prints the same lines without county and state.
    ASSERT_TRUE(Open(134, header));
    WriteJpeg(s.well.file.dataFolder + "bitmaps/QKRT_logo.jpg", 10, 4, Qt::green);
    ASSERT_GT(Draw(), 0);
    EXPECT_TRUE(Drawn("Api No.:"));
    EXPECT_FALSE(Drawn("COUNTY:"));
    EXPECT_FALSE(Drawn("Kern"));
}

TEST_F(PrintHeader, HeaderTextsStayWithinTheirFields)
{
    // Full fields without their NUL run on into the next field in the file.
    ASSERT_TRUE(Open(134, [](wellfile::WellHeader& h) {
        std::memset(h.company, 'C', sizeof h.company);
        std::memset(h.field, 'F', sizeof h.field);
    }));
    WriteJpeg(s.well.file.dataFolder + "bitmaps/QKRT_logo.jpg", 10, 4, Qt::green);
    EXPECT_GT(Draw(), 0);
    EXPECT_TRUE(Drawn(QString(80, 'C')));
    EXPECT_TRUE(Drawn(QString(30, 'F')));
    EXPECT_TRUE(Drawn("Test 1"));
}

TEST_F(PrintHeader, MissingLogoOrHeaderLeavesThePageWithoutHeader)
{
    ASSERT_TRUE(Open(134));
    auto& messages = doubles().prompter.messages;
    Print();
    EXPECT_EQ(FirstPageRows().first, 0);
    ASSERT_EQ(messages.size(), 2);  // then where the PDF went
    EXPECT_TRUE(messages[0].text.endsWith("bitmaps/QKRT_logo.jpg")) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].caption, "LOGO FILE NOT FOUND");
    EXPECT_TRUE(messages[1].text.endsWith(".pdf\" written"));

    messages.clear();
    s.well.loggerId = 23;
    EXPECT_EQ(Draw(), 0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "LOGO FILE NOT FOUND");

    messages.clear();
    s.well.loggerId = 12;
    ASSERT_TRUE(QFile::remove(wellfile::HeaderFilePath(app::PlaceOf(s))));
    EXPECT_EQ(Draw(), 0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "NO HEADER FILE");
    EXPECT_EQ(messages[0].caption, "ERROR");
    EXPECT_TRUE(dc.TextRecord().empty());
}

TEST_F(PrintHeader, LogoThatCannotBeReadOrHeldFailsBeforeDrawing)
{
    ASSERT_TRUE(Open(134));
    auto& messages = doubles().prompter.messages;
    const QString logo = s.well.file.dataFolder + "bitmaps/QKRT_logo.jpg";
    QDir().mkpath(s.well.file.dataFolder + "bitmaps");
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* text;
    };
    const std::vector<Case> cases{
        {"not a JPEG", [&] { testing_support::WriteBytes(logo, QByteArray(2000, 'x')); }, "Image Failed toLoad"},
        // A small file that says it is 30,000 pixels square (3.6 GB of pixels): refused before any of it
        // is allocated or decoded.
        {"beyond the limit",
         [&] {
             WriteJpeg(logo, 16, 16, Qt::green);
             QByteArray bytes = testing_support::ReadBytes(logo);
             const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
             ASSERT_GT(sof, 0);
             for (qsizetype at : {sof + 5, sof + 7}) {
                 bytes[at] = char(30000 >> 8);
                 bytes[at + 1] = char(30000 & 0xFF);
             }
             testing_support::WriteBytes(logo, bytes);
             platform::JpegInfo info;
             ASSERT_EQ(platform::jpeginfo(logo, info), platform::IMAGE_OK);
             ASSERT_EQ(info.width, 30000);
         },
         "Image Failed toLoad"},
        // 2.2 times 15,000 pixels is wider than any image can be.
        {"too wide enlarged", [&] { WriteJpeg(logo, 15000, 1, Qt::green); }, "JPG Memory allocation failed"},
    };
    for (const Case& c : cases) {
        messages.clear();
        c.make();
        const long peakBefore = PeakMemoryKb();
        EXPECT_EQ(Draw(), 0) << c.what;
        // No image of the file's claimed size was ever made.
        EXPECT_LT(PeakMemoryKb() - peakBefore, 512L * 1024) << c.what;
        ASSERT_EQ(messages.size(), 1) << c.what;
        EXPECT_EQ(messages[0].text, c.text) << c.what;
        // Nothing of the well fields was drawn.
        EXPECT_FALSE(Drawn("COMPANY:")) << c.what;
    }
}

TEST_F(PrintHeader, ShortHeaderDrawsOnlyTheStrip)
{
    ASSERT_TRUE(Open(12, [](wellfile::WellHeader& h) { h.operatorCode = 2; }));
    wellfile::PRINTCFG cfg{};
    cfg.shortHeader = 1;
    int strips = 0;
    auto strip = [&strips](PrintHeaderInput& in, int kind) {
        in.scaleKind = kind;
        in.trackTitles = [&strips](platform::Dc&, int y, const TrackTitleStrip& strip) {
            ++strips;
            EXPECT_EQ(y, 0);
            EXPECT_EQ(platform::FieldText(strip.well.company), "Acme Oil");
            EXPECT_EQ(strip.units.u, 22);
            return 1;
        };
    };
    s.print.clientTitle.clear();
    EXPECT_EQ(Draw([&](PrintHeaderInput& in) { strip(in, 3); }, &cfg), 14 * 24);
    EXPECT_EQ(Draw([&](PrintHeaderInput& in) { strip(in, 1); }, &cfg), 1);
    EXPECT_EQ(strips, 2);
    EXPECT_TRUE(dc.TextRecord().empty());
    EXPECT_EQ(s.print.clientTitle, ClientTitleFor(2));
    EXPECT_NE(ClientTitleFor(2), ClientTitleFor(0));
    // Until the strip exists the short header draws nothing and gives the same heights.
    EXPECT_EQ(Draw([](PrintHeaderInput& in) { in.scaleKind = 3; }, &cfg), 336);
}

TEST_F(PrintHeader, HeaderOnlyRunKeepsTheFullColumnUnit)
{
    ASSERT_TRUE(Open(12));
    s.print.headerOnly = true;
    const QString pdf = s.well.file.dataFolder + "StrativM.pdf";
    QFile::remove(pdf);
    services.CmPrint(s);
    EXPECT_TRUE(WordNear(Words(pdf), "Abbreviations:", 360, 122));
}

TEST(PrintHeaderUnits, UnitsFollowTheColumnUnitAndTheOptions)
{
    HeaderUnitsInput in;
    in.rowHeight = 24;
    in.columnUnit = 12;
    in.leftMargin = 30;
    in.logWidth = 3000;
    HeaderUnits h = HeaderUnitsFor(in);
    EXPECT_EQ(h.u, 12);
    EXPECT_EQ(h.L, 30 + 9 * 12);
    in.customTracks = true;  // raised to 20 with custom tracks
    h = HeaderUnitsFor(in);
    EXPECT_EQ(h.u, 20);
    EXPECT_EQ(h.f, 18);
    in.columnUnit = 40;  // above 30: two more
    h = HeaderUnitsFor(in);
    EXPECT_EQ(h.u, 40);
    EXPECT_EQ(h.f, 38);
    EXPECT_EQ(h.W, 4000);  // never narrower than 100 u
    in.twoAndHalfInch = true;
    EXPECT_EQ(HeaderUnitsFor(in).f, 15);
    in.columnUnit = 60;
    EXPECT_EQ(HeaderUnitsFor(in).f, 56);
}
