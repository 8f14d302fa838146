// The track title strip of the short header. With row height 24 and column unit 22 the strip's top is
// the line step 52 below the page's top: its frame from row 100 to row 340, its caption lines from 130,
// 31 apart, the p, f and g marks 20 apart.
#include "printheaderfixture.h"

#include "app/printtracks.h"
#include "print/draw/printheadertitles.h"

#include <cstring>

using namespace print;
using namespace print_header_test;
using testing_support::doubles;

namespace {

class TrackTitles : public PrintHeader {
protected:
    // Draws the short header straight onto the page image for `profile`, with `edit` applied to the
    // header's input; keeps that input.
    int DrawStrip(int profile, const std::function<void(PrintHeaderInput&)>& edit = {})
    {
        s.well.loggerId = std::uint16_t(profile);
        app::LayoutPrintTracks(s, 22.0f);  // the print's columns, as a run lays them out
        wellfile::PRINTCFG cfg{};
        cfg.shortHeader = 1;
        return Draw(
            [&](PrintHeaderInput& in) {
                if (edit)
                    edit(in);
                input = in;
            },
            &cfg);
    }
    bool InkOnColumn(int x, int from, int to) const
    {
        for (int y = from; y < to; ++y)
            if (testing_support::At(page, x, y) == kBlack)
                return true;
        return false;
    }
    PrintHeaderInput input;
};

const Word* Find(const std::vector<Word>& words, const QString& text)
{
    for (const Word& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

}  // namespace

TEST_F(TrackTitles, ShortHeaderOfProfile12OnThePrintedPage)
{
    ASSERT_TRUE(Open(12));
    doubles().clock.now = QDateTime(QDate(2016, 3, 19), QTime(14, 5));
    // Keep the print's own column edges for the checks.
    logview::PrinterGeometry c;
    int W = 0;
    services.printHeader = [this, &c, &W, real = PrintHeaderOf(s)](platform::Dc& d, wellfile::PRINTCFG& cfg, int y) {
        const PrintHeaderInput in = PrintHeaderInputOf(s);
        c = in.columns;
        W = in.logWidth;
        return real(d, cfg, y);
    };
    const QString pdf = Print(1, true, true);
    ASSERT_GT(W, 0);
    ASSERT_GT(c.porosityLeft, 0);
    ASSERT_GT(c.fluorescenceLeft, 0);
    ASSERT_GT(c.cutLeft, 0);
    EXPECT_EQ(s.now.date(), QDate(2016, 3, 19));
    // The rows start at 14.3 rows and page 1 holds 15 rows fewer.
    EXPECT_EQ(FirstPageRows(), std::make_pair(343, 136 - 15));

    const std::vector<Word> words = Words(pdf);
    EXPECT_TRUE(WordNear(words, "3-19-16", 44, 4));
    EXPECT_TRUE(WordNear(words, "Well", 44, 52));  // the client title
    EXPECT_TRUE(WordNear(words, "Test", 1760, 52));
    const Word* acme = Find(words, "Acme");
    const Word* oil = Find(words, "Oil");
    ASSERT_TRUE(acme && oil);
    EXPECT_NEAR((acme->x + oil->right) / 2, W / 2, 4);
    EXPECT_NEAR(acme->y, 52, 6);
    // Show captions from 29 u, and on the oil and cut columns.
    EXPECT_TRUE(WordNear(words, "Vis", 638, 130));
    EXPECT_TRUE(WordNear(words, "Por", 638, 161));
    EXPECT_TRUE(WordNear(words, "Tr/", 638, 223));
    EXPECT_TRUE(WordNear(words, "Flu", c.fluorescenceLeft + 17, 192));
    EXPECT_TRUE(WordNear(words, "Cut", c.cutLeft + 8, 161));
    // The track captions centred on the fourth line, the rate unit a line step lower.
    const Word* drilling = Find(words, "Drilling");
    const Word* rate = Find(words, "Rate");
    ASSERT_TRUE(drilling && rate);
    EXPECT_NEAR((drilling->x + rate->right) / 2, c.rateRight / 2, 4);
    EXPECT_NEAR(drilling->y, 223, 6);
    const Word* gas = Find(words, "Gas/Chromatograph");
    const Word* total = Find(words, "Total");
    ASSERT_TRUE(gas && total);
    EXPECT_NEAR((total->x + gas->right) / 2, c.gasLeft + (c.gasUnits + c.gas2Units) * c.gasCellWidth / 2, 4);
    const Word* unit = Find(words, "MIN/M");
    ASSERT_TRUE(unit);
    EXPECT_NEAR(unit->y, 275, 6);
    EXPECT_NEAR((unit->x + unit->right) / 2, c.rateRight / 2, 4);

    const QImage img = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(img.isNull());
    // The frame from (2, 100) to (W, 340) in a 5-pixel pen.
    EXPECT_EQ(testing_support::At(img, 4, 200), kBlack);
    EXPECT_EQ(testing_support::At(img, 9, 200), kWhite);
    EXPECT_EQ(testing_support::At(img, 1500, 101), kBlack);
    EXPECT_EQ(testing_support::At(img, 1500, 95), kWhite);
    EXPECT_EQ(testing_support::At(img, W - 2, 200), kBlack);
    // A column rule at the lithology column's edge.
    EXPECT_EQ(testing_support::At(img, c.lithologyLeft, 120), kBlack);
    // The p, f and g boxes, 0.75, 1.5 and 2.25 u wide, stand on the lithology column's edge from the
    // unit line (275) down, 20 apart: each left side inked, white inside and just left of it.
    const int edge = c.lithologyLeft;
    struct Box {
        int left, mid;
    };
    for (const Box& b : {Box{edge - 16, 285}, Box{edge - 33, 305}, Box{edge - 49, 325}}) {
        EXPECT_EQ(testing_support::At(img, b.left, b.mid), kBlack) << b.left;
        EXPECT_EQ(testing_support::At(img, b.left - 4, b.mid), kWhite) << b.left;
        EXPECT_EQ(testing_support::At(img, b.left + 6, b.mid), kWhite) << b.left;
    }
}

TEST_F(TrackTitles, CaptionsFollowTheCompanysLayout)
{
    ASSERT_TRUE(Open(12));
    doubles().clock.now = QDateTime(QDate(2009, 1, 5), QTime(9, 0));
    auto at = [this](const QString& text) {
        const platform::DcText* t = Recorded(text);
        return t ? t->at : platform::POINT{-1, -1};
    };
    const std::vector<QString> showCaptions{"Vis", "Por", "Flu", "Tr/", "p", "f", "g", "p  f  g", "p f g"};

    EXPECT_EQ(DrawStrip(12), 1);
    EXPECT_TRUE(Drawn("1-05-09"));
    for (const QString& text : showCaptions)
        EXPECT_TRUE(Drawn(text)) << text.toStdString();
    EXPECT_FALSE(Drawn("Lithology"));
    const int lith = input.columns.lithologyLeft, rateRight = input.columns.rateRight;

    // Profile 52 shares the layout but prints no show captions and no scale.
    DrawStrip(52);
    for (const QString& text : showCaptions)
        EXPECT_FALSE(Drawn(text)) << text.toStdString();
    EXPECT_TRUE(Drawn("Drilling Rate"));
    EXPECT_TRUE(Drawn("MIN/M"));

    // The second layout: porosity captions by the rate track, the letters closer to the column.
    DrawStrip(2);
    EXPECT_EQ(at("Vis").x, rateRight + 41);
    EXPECT_EQ(at("Vis").y, 130);
    EXPECT_EQ(at("Lithology").y, 223);
    EXPECT_EQ(at("p").x, lith - 42);
    EXPECT_EQ(at("g").x, lith - 69);

    // The third: the track captions on the first line, no show captions.
    DrawStrip(11);
    EXPECT_EQ(at("Drilling Rate").y, 130);
    EXPECT_EQ(at("MIN/M").y, 182);
    EXPECT_TRUE(Drawn("Lithology"));
    for (const QString& text : showCaptions)
        EXPECT_FALSE(Drawn(text)) << text.toStdString();

    // The fourth: a one-to-ten and per cent scale in place of p, f and g.
    DrawStrip(8);
    for (const char* text : {"1", "0-100%", "to", "10", "Vis", "Flu"})
        EXPECT_TRUE(Drawn(text)) << text;
    for (const char* text : {"p", "f", "g", "p  f  g", "Tr/"})
        EXPECT_FALSE(Drawn(text)) << text;
    EXPECT_EQ(at("10").x, lith - 66);

    // Any other company: frame, date, titles and rules only.
    DrawStrip(6);
    std::vector<QString> texts;
    for (const platform::DcText& t : dc.TextRecord())
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<QString>{"1-05-09", "Well Site Mud Log", "Acme Oil", "Test 1"}));
    EXPECT_TRUE(InkOnColumn(lith, 110, 330));
    EXPECT_TRUE(InkOnColumn(rateRight, 110, 330));
    EXPECT_FALSE(InkOnColumn(lith, 345, 600));
}

TEST_F(TrackTitles, DescriptionsAreCaptionedOnDetailedScalesOrWhenAsked)
{
    ASSERT_TRUE(Open(12));
    struct Case {
        int kind;
        bool option;
        bool shown;
    };
    for (const Case& k : {Case{3, false, false}, Case{3, true, true}, Case{1, false, true}}) {
        DrawStrip(12, [&k](PrintHeaderInput& in) {
            in.scaleKind = k.kind;
            in.printDescriptions = k.option;
        });
        const logview::PrinterGeometry& c = input.columns;
        ASSERT_GT(c.descriptionLeft, c.cutLeft);
        const int x = input.descriptionOffset ? c.descriptionLeft - 22 : c.descriptionLeft;
        EXPECT_EQ(Drawn("Descriptions/Remarks"), k.shown) << k.kind << k.option;
        // Above the first caption line nothing but the rules stands in the frame.
        EXPECT_EQ(InkOnColumn(x, 104, 126), k.shown) << k.kind << k.option;
        EXPECT_TRUE(Drawn("Total Gas/Chromatograph"));
    }
}

TEST_F(TrackTitles, Profile25PrintsTheGasCaptionInRedInColour)
{
    ASSERT_TRUE(Open(25));
    for (const bool colour : {true, false}) {
        DrawStrip(25, [colour](PrintHeaderInput& in) { in.colourPrint = colour; });
        const std::vector<platform::DcText>& record = dc.TextRecord();
        std::size_t i = 0;
        while (i < record.size() && record[i].text != "Total Gas/Chromatograph")
            ++i;
        ASSERT_LT(i + 1, record.size());
        EXPECT_EQ(record[i].textColor, colour ? platform::RGB(255, 0, 0) : kBlack);
        EXPECT_EQ(record[i + 1].textColor, kBlack) << record[i + 1].text.toStdString();
    }
    // The Dc's text colour is its own again afterwards.
    EXPECT_EQ(dc.GetTextColor(), kBlack);
}

TEST_F(TrackTitles, WellTextsStayWithinTheirFields)
{
    // Full fields without their NUL run on into the next field in the file.
    ASSERT_TRUE(Open(12, [](wellfile::WellHeader& h) {
        std::memset(h.company, 'C', sizeof h.company);
        std::memset(h.well, 'W', sizeof h.well);
    }));
    DrawStrip(12);
    EXPECT_TRUE(Drawn(QString(80, 'C')));
    EXPECT_TRUE(Drawn(QString(80, 'W')));
}
