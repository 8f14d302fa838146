// The pages of the printout that are not the log: the data table, the tops list, the DST reports and the
// header alone. Drawn straight onto a page image at row height 24 (texts through the Dc's record, the
// rule by its pixels), and printed through the print command on a 15 x 11 in page at 300 dpi with no
// margins (row height 24), the PDF read back with poppler.
#include "print/draw/datatablepage.h"
#include "print/draw/dstpage.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/draw/dc.h"
#include "platform/ui/dialog.h"
#include "print/print_services.h"
#include "print/printcommand.h"
#include "print/printsetup.h"
#include "print/ui/printwindowservices.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

wellfile::RECORD Row(int depth)
{
    wellfile::RECORD r {};
    r.depth = depth;
    r.rateOdd = r.rateOne = r.rate2Ft = 1.0f;
    std::strcpy(r.lith, "100SH");
    return r;
}

wellfile::DSTREPORT Dst(const char* number, const char* from)
{
    wellfile::DSTREPORT d {};
    std::strcpy(d.number, number);
    std::strcpy(d.fromDepth, from);
    std::strcpy(d.toDepth, "1530");
    std::strcpy(d.formation, "Viking");
    std::strcpy(d.initialFlow, "850");
    std::strcpy(d.initialFlowTime, "15");
    std::strcpy(d.comment3, "last line");
    return d;
}

wellfile::TOPSEX Top(int number, int depth, const char* text)
{
    wellfile::TOPSEX t {};
    t.number = number;
    t.depth = depth;
    std::strcpy(t.text, text);
    return t;
}

// A page image drawn at row height 24, its texts recorded.
class ListPageImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.fill(Qt::white);
        dc.RecordText(true);
    }
    const std::vector<platform::DcText>& Texts() const { return dc.TextRecord(); }
    // The texts drawn at y, left to right as drawn.
    std::vector<platform::DcText> TextsAt(int y) const
    {
        std::vector<platform::DcText> out;
        for (const platform::DcText& t : Texts())
            if (t.at.y == y)
                out.push_back(t);
        return out;
    }

    QImage page { 2000, 2400, QImage::Format_RGB32 };
    platform::Dc dc { page };
};

TEST_F(ListPageImage, DataTableHeadingRuleAndLines)
{
    std::vector<wellfile::RECORD> rows { Row(1000), Row(1001), Row(1002), Row(1003) };
    wellfile::RECORD& r = rows[1];
    r.rate2Ft = 3.0f;
    r.rateOdd = 0.0f;
    r.rateOne = 2.0f;
    const float gas[] = { 12.9f, 1234.7f, 5.2f, 0.4f, 7.9f, 1e30f }; // total gas, C1 to NC4
    std::memcpy(r.gas, gas, sizeof gas);
    std::strcpy(r.lith, "60SH,40SS");

    EXPECT_EQ(PrintDataTablePage(dc, rows, 1, 2, 24, false), 2);
    ASSERT_EQ(Texts().size(), 3u);
    const platform::DcText& heading = Texts()[0];
    EXPECT_EQ(heading.text,
        "Depth      2Ft     Odd M    One M       C1        C2        C3        IC4         NC4   "
        "      H.W.       Lithology ");
    EXPECT_EQ(heading.at.x, 2);
    EXPECT_EQ(heading.at.y, 48);
    EXPECT_EQ(heading.font.face, "Courier New Bold");
    EXPECT_EQ(heading.font.height, -33);
    EXPECT_EQ(std::abs(heading.font.width), 16);
    EXPECT_EQ(heading.font.weight, 400);
    EXPECT_EQ(heading.font.pitchAndFamily & 3, platform::FIXED_PITCH);

    // Gas truncated to whole numbers; one no int holds shows as none.
    EXPECT_EQ(Texts()[1].text,
        "1001      3.0       0.0        2.0        1234      5         0          7           "
        "0           12          60SH,40SS                     ");
    EXPECT_EQ(Texts()[1].at.y, 102);
    EXPECT_EQ(Texts()[2].at.y, 138);
    EXPECT_TRUE(Texts()[2].text.startsWith("1002 "));

    // The rule under the heading, from one row in to eighty rows.
    for (int x : { 24, 1000, 1919 })
        EXPECT_EQ(testing_support::At(page, x, 84), kBlack) << x;
    EXPECT_EQ(testing_support::At(page, 23, 84), kWhite);
    EXPECT_EQ(testing_support::At(page, 1000, 83), kWhite);
    EXPECT_EQ(testing_support::At(page, 1000, 85), kWhite);
}

TEST_F(ListPageImage, DataTableRatesPerHourAndItsEnd)
{
    std::vector<wellfile::RECORD> rows { Row(1000), Row(1001), Row(1002), Row(0), Row(1004) };
    rows[1].rate2Ft = 3.0f;
    rows[1].rateOdd = 0.0f;
    rows[1].rateOne = 2.0f;
    rows[2].rateOne = -1.0f;
    // A lithology text filling its field runs on into the next one: the line stops at the field's end.
    std::memset(rows[2].lith, 'L', sizeof rows[2].lith);
    std::strcpy(rows[2].interpretedLith, "NEXT");

    EXPECT_EQ(PrintDataTablePage(dc, rows, 1, 40, 24, true), 2);
    ASSERT_EQ(Texts().size(), 3u);
    EXPECT_TRUE(Texts()[1].text.startsWith("1001      20.0      0.0        30.0  ")) << Texts()[1].text.toStdString();
    EXPECT_TRUE(Texts()[2].text.startsWith("1002      60.0      60.0       -1.0  ")) << Texts()[2].text.toStdString();
    EXPECT_TRUE(Texts()[2].text.endsWith(QString(30, 'L')));

    // A page's rows end the table too.
    dc.RecordText(true);
    EXPECT_EQ(PrintDataTablePage(dc, rows, 1, 1, 24, false), 1);
    EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(ListPageImage, TopsListInFileOrder)
{
    std::vector<wellfile::TOPSEX> tops { Top(3, 1500, "Top A"), Top(1, 900, "Top B"), Top(2, 1200, "") };
    // A text that fills its field is read within it.
    std::memset(tops[2].text, 'T', sizeof tops[2].text);
    tops[2].unused77[0] = 'X';
    DrawTopsList(dc, "W1", tops, 24);
    ASSERT_EQ(Texts().size(), 5u);
    EXPECT_EQ(Texts()[0].text, "Tops for W1");
    EXPECT_EQ(Texts()[0].font, DataTableFont(24));
    EXPECT_EQ(Texts()[1].text, " Number   Depth           Text  ");
    EXPECT_EQ(Texts()[2].text, "     3          1500     Top A ");
    EXPECT_EQ(Texts()[3].text, "     1          900      Top B ");
    EXPECT_EQ(Texts()[4].text, "     2          1200     " + QString(30, 'T') + " ");
}

TEST_F(ListPageImage, DstReportsTwoAPage)
{
    std::vector<wellfile::DSTREPORT> dsts { Dst("1", "1500"), Dst("2", "1600"), Dst("3", "1700"), {} };
    EXPECT_EQ(PrintDstPage(dc, dsts, 0, 24), 2);

    const auto first = TextsAt(36);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].text, "DST NO.: 1   From:  1500  TO:  1530");
    EXPECT_EQ(first[0].at.x, 48);
    EXPECT_TRUE(first[0].font.underline);
    EXPECT_EQ(first[0].font.face, "Arial");
    EXPECT_EQ(first[0].font.height, -40);
    EXPECT_EQ(first[0].font.weight, 400);

    const auto formation = TextsAt(108);
    ASSERT_EQ(formation.size(), 2u);
    EXPECT_EQ(formation[0].text, "FORMATION:");
    EXPECT_EQ(formation[0].at.x, 48);
    EXPECT_FALSE(formation[0].font.underline);
    EXPECT_EQ(formation[1].text, "Viking ");
    EXPECT_EQ(formation[1].at.x, 336);

    const auto flow = TextsAt(290);
    ASSERT_EQ(flow.size(), 3u);
    EXPECT_EQ(flow[0].text, "INITIAL FLOW:");
    EXPECT_EQ(flow[1].text, "850");
    EXPECT_EQ(flow[1].at.x, 384);
    EXPECT_EQ(flow[2].text, "15");
    EXPECT_EQ(flow[2].at.x, 888);

    const auto second = TextsAt(1217);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].text, "DST NO.: 2   From:  1600  TO:  1530");

    // The third report alone on the next page.
    dc.RecordText(true);
    EXPECT_EQ(PrintDstPage(dc, dsts, 2, 24), 1);
    ASSERT_FALSE(TextsAt(36).empty());
    EXPECT_EQ(TextsAt(36)[0].text, "DST NO.: 3   From:  1700  TO:  1530");
    EXPECT_TRUE(TextsAt(1217).empty());
}

TEST_F(ListPageImage, DstListEndsAtAnEmptyFromDepthAndFieldsStayInTheirSlots)
{
    std::vector<wellfile::DSTREPORT> dsts { Dst("1", "1500"), Dst("2", ""), Dst("3", "1700") };
    EXPECT_EQ(PrintDstPage(dc, dsts, 0, 24), 1);
    EXPECT_TRUE(TextsAt(1217).empty());

    // A number filling its 80 bytes stops there rather than running on into the from-depth.
    dc.RecordText(true);
    std::memset(dsts[0].number, '7', sizeof dsts[0].number);
    EXPECT_EQ(PrintDstPage(dc, std::span(dsts).first(1), 0, 24), 1);
    ASSERT_FALSE(TextsAt(36).empty());
    EXPECT_EQ(TextsAt(36)[0].text, "DST NO.: " + QString(80, '7') + "   From:  1500  TO:  1530");
}

TEST(DstPen, WidthFollowsTheRowHeight)
{
    for (auto [h, width] :
        { std::pair { 17, 2 }, { 24, 2 }, { 30, 3 }, { 36, 3 }, { 48, 2 }, { 59, 2 }, { 60, 6 }, { 96, 6 } })
        EXPECT_EQ(DstPenWidth(h), width) << h;
}

// The print command on the 15 x 11 in PDF printer.
class ListPagePrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", 300, { 15, 11 });
        d.outputFile.clear();
        doubles().printers.defaultPrinter = d;
    }

    bool Open(int first, int last)
    {
        return testing_support::OpenView(s, testing_support::MakeWell(TestDir() + "wells/", "W1.svm", first, last));
    }
    QString Local(const char* extension) const { return s.well.file.currentFolder + "W1" + extension; }
    // The file a header or tops page is printed to.
    QString OnePage() const { return s.well.file.dataFolder + "StrativM.pdf"; }
    QString LogPdf(int end) const
    {
        return s.well.file.dataFolder + QStringLiteral("sendfile/W1@%1-5inch.pdf").arg(end);
    }

    // A log print of start-end with `change` made in the set-up.
    void Ask(int start, int end, std::function<void(platform::Dialog&)> change)
    {
        services.runPrintSetup = [=](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = testing_support::PressPrintInSetup(log, cfg, change);
            cfg.startDepth = start;
            cfg.endDepth = end;
            return go;
        };
    }

    // The words of page `page` in 300-dpi pixels.
    static std::vector<testing_support::PdfWord> Words(const QString& pdf, int page)
    {
        std::vector<testing_support::PdfWord> out;
        for (testing_support::PdfWord w : testing_support::PdfWords(pdf))
            if (w.page == page) {
                w.xMin *= 300.0 / 72;
                w.yMin *= 300.0 / 72;
                out.push_back(w);
            }
        return out;
    }
    static bool Near(const testing_support::PdfWord& w, double x, double y)
    {
        return std::abs(w.xMin - x) <= 4 && std::abs(w.yMin - y) <= 8;
    }
    static const testing_support::PdfWord* Find(
        const std::vector<testing_support::PdfWord>& words, const QString& text, int nth = 0)
    {
        for (const testing_support::PdfWord& w : words)
            if (w.text == text && nth-- == 0)
                return &w;
        return nullptr;
    }

    // The report number after the nth "NO.:" of page `page`; empty when there is none.
    static QString ReportNumber(const QString& pdf, int page, int nth)
    {
        const auto words = Words(pdf, page);
        for (std::size_t i = 0; i + 1 < words.size(); ++i)
            if (words[i].text == "NO.:" && nth-- == 0)
                return words[i + 1].text;
        return {};
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    PrintWindowServices services { nullptr, DefaultPrintServices() };
};

// The run's rows per page (164) are more than a page holds of lines one and a half rows apart: each page
// writes what fits above its foot and the next goes on from there, so no record is left out.
TEST_F(ListPagePrint, DataAsTextPrintsEveryRecordOfTheRangeWithoutHeader)
{
    ASSERT_TRUE(Open(1000, 2600));
    Ask(1000, 2000, [](platform::Dialog& d) {
        d.Click(setupid::DataAsText);  // a fresh well's rates already read per hour
    });
    const QString pdf = LogPdf(2000);
    QFile::remove(pdf);
    services.CmPrint(s);
    const int pageCount = testing_support::PdfPageCount(pdf);

    const QStringList pages = testing_support::PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), pageCount);
    std::vector<int> depths, linesOfPage;
    for (const QString& page : pages) {
        int lines = 0;
        for (const QString& line : page.split('\n')) {
            const QStringList fields = line.simplified().split(' ');
            bool number = false;
            const int depth = fields[0].toInt(&number);
            if (!number)
                continue;
            ++lines;
            depths.push_back(depth);
            // The well's rates of 2.0 minutes a unit print as 30 units an hour.
            if (fields.mid(1, 3) != QStringList { "30.0", "30.0", "30.0" })
                ADD_FAILURE() << line.toStdString();
        }
        linesOfPage.push_back(lines);
        EXPECT_LE(lines, 164);
        EXPECT_FALSE(page.contains("Abbreviations")) << "no header";
    }
    // Every record once, in order, from the one after the start to the end of the range.
    ASSERT_FALSE(depths.empty());
    EXPECT_EQ(depths.front(), 1003);
    EXPECT_EQ(depths.back(), 2000);
    for (std::size_t i = 1; i < depths.size(); ++i)
        ASSERT_EQ(depths[i], depths[i - 1] + 1);
    // Full pages but the last, each line on the paper.
    const int full = linesOfPage.front();
    EXPECT_GT(full, 80);
    EXPECT_EQ(pageCount, (998 + full - 1) / full);
    for (int p = 1; p < pageCount; ++p)
        EXPECT_EQ(linesOfPage[std::size_t(p - 1)], full) << p;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
        ASSERT_LE(w.yMax * 300 / 72, 3300) << w.text.toStdString();
}

TEST_F(ListPagePrint, TopsListPrintsTheTopFileOnOnePage)
{
    ASSERT_TRUE(Open(1000, 2600));
    // A torn record at the end is no top.
    testing_support::WriteRecords(Local(".top"),
        std::vector { Top(1, 1500, "Alpha"), Top(2, 900, "Beta"), Top(3, 1200, "Gamma") }, QByteArray(100, 'x'));
    services.runPrintSetup = [](app::LogState&, wellfile::PRINTCFG&) {
        ADD_FAILURE() << "no set-up for the tops list";
        return 0;
    };
    PrintTopsList(services, s);
    ASSERT_EQ(testing_support::PdfPageCount(OnePage()), 1);
    EXPECT_FALSE(s.print.topsPage);
    EXPECT_EQ(s.print.printer, nullptr);
    const auto words = Words(OnePage(), 1);
    ASSERT_NE(Find(words, "Tops"), nullptr);
    EXPECT_TRUE(Near(*Find(words, "Tops"), 2, 48));
    ASSERT_NE(Find(words, "Number"), nullptr);
    EXPECT_NEAR(Find(words, "Number")->yMin, 156, 8);
    const char* names[] = { "Alpha", "Beta", "Gamma" };
    for (int i = 0; i < 3; ++i) {
        const auto* w = Find(words, names[i]);
        ASSERT_NE(w, nullptr) << names[i];
        EXPECT_NEAR(w->yMin, 210 + 54 * i, 8) << names[i];
    }
    EXPECT_EQ(Find(words, "x"), nullptr);

    // Without a ".top" the page is blank and the run still ends with its one page.
    QFile::remove(Local(".top"));
    QFile::remove(OnePage());
    PrintTopsList(services, s);
    EXPECT_EQ(testing_support::PdfPageCount(OnePage()), 1);
    EXPECT_TRUE(Words(OnePage(), 1).empty());
}

TEST_F(ListPagePrint, ATopsListLongerThanAPageGoesOnOnTheNextPages)
{
    ASSERT_TRUE(Open(1000, 2600));
    std::vector<wellfile::TOPSEX> tops;
    for (int i = 1; i <= 150; ++i)
        tops.push_back(Top(i, 1000 + 10 * i, QStringLiteral("Z%1").arg(i, 3, 10, QChar('0')).toLatin1().constData()));
    testing_support::WriteRecords(Local(".top"), tops, {});
    PrintTopsList(services, s);
    const int pages = testing_support::PdfPageCount(OnePage());
    ASSERT_GE(pages, 2);
    // Every top once, in file order, each page starting with its title and heading.
    int next = 1;
    for (int page = 1; page <= pages; ++page) {
        const auto words = Words(OnePage(), page);
        ASSERT_NE(Find(words, "Tops"), nullptr) << page;
        ASSERT_NE(Find(words, "Number"), nullptr) << page;
        for (const testing_support::PdfWord& w : words) {
            ASSERT_LE(w.yMin, 3300) << w.text.toStdString();
            if (w.text.startsWith('Z')) {
                ASSERT_EQ(w.text, QStringLiteral("Z%1").arg(next++, 3, 10, QChar('0'))) << page;
            }
        }
    }
    EXPECT_EQ(next, 151);
    EXPECT_FALSE(s.print.topsPage);
}

TEST_F(ListPagePrint, DstReportsFollowTheLogTwoAPage)
{
    ASSERT_TRUE(Open(1000, 2600));
    // Three whole reports and a torn fourth, which is no report.
    wellfile::DSTREPORT torn = Dst("4", "1800");
    testing_support::WriteRecords(Local(".dst"), std::vector { Dst("1", "1500"), Dst("2", "1600"), Dst("3", "1700") },
        QByteArray(reinterpret_cast<const char*>(&torn), 500));
    Ask(1000, 2000, [](platform::Dialog& d) { d.Click(setupid::PrintDsts); });
    const QString pdf = LogPdf(2000);
    QFile::remove(pdf);
    services.CmPrint(s);
    const int pages = testing_support::PdfPageCount(pdf);
    ASSERT_GE(pages, 3);
    EXPECT_EQ(ReportNumber(pdf, pages - 1, 0), "1");
    EXPECT_EQ(ReportNumber(pdf, pages - 1, 1), "2");
    EXPECT_EQ(ReportNumber(pdf, pages, 0), "3");
    EXPECT_EQ(ReportNumber(pdf, pages, 1), "");
    const auto words = Words(pdf, pages - 1);
    ASSERT_NE(Find(words, "DST"), nullptr);
    EXPECT_TRUE(Near(*Find(words, "DST"), 48, 36));
    ASSERT_NE(Find(words, "DST", 1), nullptr);
    EXPECT_NEAR(Find(words, "DST", 1)->yMin, 1217, 8);

    // A ".dst" that cannot be read gives no DST page.
    QFile::remove(Local(".dst"));
    QDir().mkpath(Local(".dst"));
    QFile::remove(pdf);
    services.CmPrint(s);
    EXPECT_EQ(testing_support::PdfPageCount(pdf), pages - 2);
}

TEST_F(ListPagePrint, HeaderOnlyPageHasNoRowsForAWellOfAnyLength)
{
    for (int last : { 1020, 9000 }) {
        ASSERT_TRUE(Open(1000, last));
        // Profile 12 with a well header: the header draws its legend.
        s.well.loggerId = 12;
        ASSERT_EQ(wellfile::SaveHeader(wellfile::WellHeader {}, app::PlaceOf(s)), 1);
        QFile::remove(OnePage());
        PrintHeaderOnly(services, s);
        ASSERT_EQ(testing_support::PdfPageCount(OnePage()), 1) << last;
        EXPECT_FALSE(s.print.headerOnly);
        const auto words = Words(OnePage(), 1);
        EXPECT_NE(Find(words, "Abbreviations:"), nullptr) << last;
        for (const testing_support::PdfWord& w : words)
            EXPECT_FALSE(w.text.toInt() >= 1000 && w.text.toInt() <= last && w.text.size() == 4)
                << w.text.toStdString();
    }

    // Without a printer the header print stops, and the next print is the log again.
    doubles().printers.defaultPrinter.reset();
    PrintHeaderOnly(services, s);
    EXPECT_FALSE(s.print.headerOnly);
    EXPECT_EQ(RequestedRunKind(s), PrintRunKind::Log);
}

} // namespace
