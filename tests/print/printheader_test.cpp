// The printed header on the first page of a log printed through the print command on a 15 x 11 in page
// at 300 dpi with no margins: row height 24 and, once the run has narrowed it, column unit 22, so text
// unit 22, font unit 19, line step 52 and label column 198 (left margin 0). Pages are read back with
// poppler: words as pdftotext places them, pixels rasterised without smoothing.
#include "print/draw/printheader.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/text.h"
#include "print/printheader.h"
#include "print/printsetup.h"
#include "print/ui/printheaderof.h"
#include "print/ui/printwindowservices.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

// A word of the page in pixels at 300 dpi.
struct Word {
    QString text;
    double x = 0, y = 0;
};

class PrintHeader : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
        d.outputFile.clear();
        doubles().printers.defaultPrinter = d;
    }

    // Opens the well W1 (1000-1300) of profile `profile` with a well header whose fields `edit` fills.
    bool Open(int profile = 12, const std::function<void(wellfile::WellHeader&)>& edit = {})
    {
        std::vector<wellfile::RECORD> rows;
        for (int d = 900; d <= 1300; ++d)
            rows.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
        platform::SetFieldText(rows.front().interpretedLith, "PRF" + std::to_string(profile));
        const QString path = TestDir() + "wells/W1.svm";
        QDir().mkpath(TestDir() + "wells");
        testing_support::WriteRecords(path, rows);
        if (!testing_support::OpenView(s, path))
            return false;
        s.view.painters = &painters;
        s.print.rowStep = false;
        wellfile::WellHeader header{};
        platform::SetFieldText(header.company, "Acme Oil");
        platform::SetFieldText(header.well, "Test 1");
        platform::SetFieldText(header.fileName, "W1.SVM");
        if (edit)
            edit(header);
        return wellfile::SaveHeader(header, app::PlaceOf(s)) == 1;
    }

    // Prints 1000-1200 at scale kind `kind` with the full header, in colour or not.
    QString Print(int kind = 1, bool colour = true, bool shortHeader = false)
    {
        s.print.scaleKind = kind;
        services.runPrintSetup = [=](app::LogState& log, PRINTCFG& cfg) {
            const int go = RunPrintSetup(log, cfg);
            cfg.startDepth = 1000;
            cfg.endDepth = 1200;
            cfg.fullHeader = !shortHeader;
            cfg.shortHeader = shortHeader;
            cfg.colour = colour;
            return go;
        };
        const QString pdf = s.well.file.dataFolder + "sendfile/W1@1200" + (kind == 3 ? "-1inch" : "-5inch") + ".pdf";
        QFile::remove(pdf);
        painters.calls.clear();
        services.CmPrint(s);
        return pdf;
    }

    // The y of the first printed row and the rows of the first page.
    std::pair<int, int> FirstPageRows() const
    {
        int first = -1, count = 0, last = -1;
        for (const testing_support::PainterCall& c : painters.Named("DrawLithology")) {
            if (c.args[4] != 0)
                continue;
            const int y = int(c.args[1]);
            if (last >= 0 && y < last)
                break;
            if (first < 0)
                first = y;
            last = y;
            ++count;
        }
        return {first, count};
    }

    static std::vector<Word> Words(const QString& pdf, int page = 1)
    {
        std::vector<Word> words;
        for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
            if (w.page == page)
                words.push_back({w.text, w.xMin * 300 / 72, w.yMin * 300 / 72});
        return words;
    }

    // Draws the header straight onto a white page image, with the print's row height 24 and column
    // unit 22 and the window's state as `in` changes it, recording its texts.
    int Draw(const std::function<void(PrintHeaderInput&)>& edit = {}, PRINTCFG* settings = nullptr)
    {
        s.print.rowHeight = 24;
        s.print.columnUnit = 22;
        PrintHeaderInput in = PrintHeaderInputOf(s);
        if (edit)
            edit(in);
        page.fill(Qt::white);
        dc.RecordText(true);
        return DrawPrintHeader(dc, in, settings, s.print.clientTitle);
    }
    bool Drawn(const QString& text) const
    {
        for (const platform::DcText& t : dc.TextRecord())
            if (t.text == text)
                return true;
        return false;
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    testing_support::RecordingPainters painters;
    PrintWindowServices services{nullptr, DefaultPrintServices()};
    QImage page{3400, 1600, QImage::Format_RGB32};
    platform::Dc dc{page};
};

// The words of `words` equal to `text` near (x, y).
bool WordNear(const std::vector<Word>& words, const QString& text, double x, double y, double dx = 3, double dy = 6)
{
    for (const Word& w : words)
        if (w.text == text && std::abs(w.x - x) <= dx && std::abs(w.y - y) <= dy)
            return true;
    return false;
}

bool HasWord(const std::vector<Word>& words, const QString& text)
{
    for (const Word& w : words)
        if (w.text == text)
            return true;
    return false;
}

int Channel(platform::COLORREF c, int shift) { return int((c >> shift) & 0xFF); }

bool Near(platform::COLORREF a, platform::COLORREF b, int tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance)
            return false;
    return true;
}

// A solid JPEG of w x h in `colour`, at `path`.
void WriteJpeg(const QString& path, int w, int h, QColor colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(img.save(path, "JPEG", 95));
}

}  // namespace

TEST_F(PrintHeader, FullHeaderOfProfile12)
{
    ASSERT_TRUE(Open(12));
    platform::SetFieldText(s.layout.pens.table.entry[49].lithLabel, "Shaly Sand");
    const QString pdf = Print();
    // Page 1's rows start below the header's 815 pixels and hold 33 rows fewer.
    EXPECT_EQ(FirstPageRows(), std::make_pair(815, 136 - 33));

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
    EXPECT_TRUE(HasWord(words, "MIN/M"));
    EXPECT_TRUE(HasWord(words, "Gas/Chromatograph"));

    const QImage img = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(img.isNull());
    // The frame from (2, 24) to (W + 21, 1440) in a 5-pixel pen.
    const int W = s.layout.print.rightEnd;
    for (int x : {2, 4})
        EXPECT_EQ(testing_support::At(img, x, 600), kBlack) << x;
    EXPECT_EQ(testing_support::At(img, 9, 600), kWhite);
    EXPECT_EQ(testing_support::At(img, 1200, 24), kBlack);
    EXPECT_EQ(testing_support::At(img, W + 20, 600), kBlack);
    EXPECT_EQ(testing_support::At(img, W + 27, 600), kWhite);
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

