// The log body pages printed through the print command on a 15 x 11 in page at 300 dpi with no margins
// (row height 24, 136 rows a page), the window's neighbour painters recording what they are asked to
// draw; the PDF pages read back with poppler.
#include "print/ui/printwindowservices.h"

#include "app/logstate.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "print/draw/logpage.h"
#include "print/ui/logpages.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "platform/ui/dialog.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"
#include "app/opendatafile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

platform::PrinterDescription PdfTestPrinter(int dpi, QSizeF inches)
{
    platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", dpi, inches);
    d.outputFile.clear();
    return d;
}

// A row the lithology painter was asked for: its record's depth and y.
struct Row {
    int depth = 0, y = 0;
};
using Page = std::vector<Row>;

class LogPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        doubles().printers.defaultPrinter = PdfTestPrinter(300, {15, 11});
        services.printHeader = [this](platform::Dc&, wellfile::PRINTCFG&, int) {
            ++headers;
            return headerHeight;
        };
    }

    // Opens the well W1 of sound records first..last, each passed to `edit` before it is written.
    bool Open(int first, int last, const std::function<void(wellfile::RECORD&)>& edit = {})
    {
        std::vector<wellfile::RECORD> rows;
        for (int d = first; d <= last; ++d) {
            rows.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
            if (edit)
                edit(rows.back());
        }
        platform::SetFieldText(rows.front().interpretedLith, "PRF12");
        const QString path = TestDir() + "wells/W1.svm";
        QDir().mkpath(TestDir() + "wells");
        testing_support::WriteRecords(path, rows);
        if (!testing_support::OpenView(s, path))
            return false;
        s.view.painters = &painters;
        s.print.rowStep = false;
        return true;
    }

    // What the user does in the print set-up before pressing "Print".
    std::function<void(platform::Dialog&)> inSetup;

    // The user asks for start-end at scale kind `kind`, printed in black.
    void Ask(int start, int end, int kind = 1, bool fullHeader = false)
    {
        s.print.scaleKind = kind;
        services.runPrintSetup = [=, this](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = testing_support::PressPrintInSetup(log, cfg, inSetup);
            cfg.startDepth = start;
            cfg.endDepth = end;
            cfg.fullHeader = fullHeader;
            cfg.colour = 0;
            return go;
        };
    }

    QString Print(int end, const char* suffix = "-5inch")
    {
        const QString pdf = s.well.file.dataFolder + "sendfile/" + s.well.file.wellName +
                            QStringLiteral("@%1%2.pdf").arg(end).arg(QLatin1String(suffix));
        QFile::remove(pdf);
        painters.calls.clear();
        services.CmPrint(s);
        return pdf;
    }

    // The rows of the lithology pass `pass`, page by page (a page starts where y goes back up).
    std::vector<Page> Pages(int pass = 0) const
    {
        std::vector<Page> pages;
        for (const testing_support::PainterCall& c : painters.Named("DrawLithology")) {
            if (c.args[4] != pass || c.depths.empty())
                continue;
            const int y = int(c.args[1]);
            if (pages.empty() || (!pages.back().empty() && y < pages.back().back().y))
                pages.emplace_back();
            pages.back().push_back({c.depths[0], y});
        }
        return pages;
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    testing_support::RecordingPainters painters;
    PrintWindowServices services{nullptr, DefaultPrintServices()};
    int headerHeight = 0;
    int headers = 0;
};

bool Black(const QImage& page, int x, int y) { return testing_support::At(page, x, y) == kBlack; }

// The words of the PDF equal to `text` on `page`, in pixels at 300 dpi.
std::vector<QPointF> WordsAt(const QString& pdf, const QString& text, int page = 1)
{
    std::vector<QPointF> at;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
        if (w.page == page && w.text == text)
            at.push_back({w.xMin * 300 / 72, w.yMin * 300 / 72});
    return at;
}

bool NearAny(const std::vector<QPointF>& words, double x, double y, double dx, double dy)
{
    for (const QPointF& p : words)
        if (std::abs(p.x() - x) <= dx && std::abs(p.y() - y) <= dy)
            return true;
    return false;
}

}  // namespace

TEST_F(LogPages, RowsFollowTheStartRecordAndSlideMarksStandOnTheirRows)
{
    ASSERT_TRUE(Open(900, 1300, [](wellfile::RECORD& r) { r.slide = r.depth >= 1050 && r.depth <= 1054; }));
    Ask(1000, 1200);
    const QString pdf = Print(1200);
    const std::vector<Page> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].front().depth, 1001);
    EXPECT_EQ(pages[0].front().y, 0);
    ASSERT_EQ(pages[0].size(), 136u);
    EXPECT_EQ(pages[0][49].depth, 1050);
    EXPECT_EQ(pages[0][49].y, 1176);
    EXPECT_EQ(pages[1].front().depth, 1137);
    EXPECT_EQ(headers, 0);

    const QImage page = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(page.isNull());
    // The slide bar, 24 px wide about slide x + 2, covers rows 49-53 and neither row beside them
    // (probed clear of the rate track's edge line).
    const int x = s.layout.print.rateLeft + 2 + 8;
    for (int y : {1178, 1236, 1293})
        EXPECT_TRUE(Black(page, x, y)) << y;
    for (int y : {1164, 1308})
        EXPECT_EQ(testing_support::At(page, x, y), kWhite) << y;

    const int letterX = s.layout.print.rateLeft + 24;
    EXPECT_TRUE(NearAny(WordsAt(pdf, "S"), letterX, 1140, 8, 14));
    EXPECT_TRUE(NearAny(WordsAt(pdf, "R"), letterX, 1284, 8, 14));
}

TEST_F(LogPages, MetricRowsStepUpEveryFifthRowInBothLithologyPasses)
{
    ASSERT_TRUE(Open(900, 1300, [](wellfile::RECORD& r) { r.slide = r.depth >= 1050 && r.depth <= 1054; }));
    s.print.rowStep = true;
    Ask(1000, 1300);
    const QString pdf = Print(1300);
    const std::vector<Page> first = Pages(0), second = Pages(1);
    ASSERT_FALSE(first.empty());
    ASSERT_EQ(first[0].size(), 140u);  // four more rows than the page's 136
    for (int r : {1, 5, 6, 49, 53, 139})
        EXPECT_EQ(first[0][std::size_t(r)].y, 24 * r - 4 * ((r - 1) / 5 + 1)) << r;
    ASSERT_FALSE(second.empty());
    ASSERT_EQ(second[0].size(), first[0].size());
    for (std::size_t r = 0; r < first[0].size(); ++r)
        ASSERT_EQ(second[0][r].y, first[0][r].y) << r;

    const QImage page = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(page.isNull());
    const int x = s.layout.print.rateLeft + 2 + 8;
    EXPECT_EQ(testing_support::At(page, x, 1124), kWhite);  // row 48, 1112-1136
    EXPECT_TRUE(Black(page, x, 1138));                       // row 49 from 1136
    EXPECT_TRUE(Black(page, x, 1250));                       // row 53 from 1228 to 1252
    EXPECT_EQ(testing_support::At(page, x, 1264), kWhite);   // row 54, 1252-1276
}

TEST_F(LogPages, HeaderTakesItsRowsOffTheFirstPageAndTheDepthsRunOnWithoutAGap)
{
    ASSERT_TRUE(Open(900, 2100));
    headerHeight = 86 * 24;
    Ask(1000, 2000, 1, true);
    const QString pdf = Print(2000);
    const std::vector<Page> pages = Pages();
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(headers, 1);
    ASSERT_EQ(pages[0].size(), 50u);
    EXPECT_EQ(pages[0].front().y, 2064);
    EXPECT_EQ(pages[0].front().depth, 1001);
    EXPECT_EQ(pages[0].back().depth, 1050);
    EXPECT_EQ(pages[1].front().y, 0);
    EXPECT_EQ(pages[1].front().depth, 1051);
    EXPECT_EQ(pages.back().back().depth, 2000);

    // The depth column's numbers, every ten units, each once.
    std::map<int, int> seen;
    const QRegularExpression number(QStringLiteral("\\b(1\\d{3}|2000)\\b"));
    for (auto it = number.globalMatch(testing_support::PdfText(pdf)); it.hasNext();)
        if (const int depth = it.next().captured(1).toInt(); depth % 10 == 0)
            ++seen[depth];
    for (int depth = 1010; depth <= 2000; depth += 10)
        EXPECT_EQ(seen[depth], 1) << depth;
    EXPECT_EQ(seen.count(1000), 0u);
}

TEST_F(LogPages, GasScaleHeadingStandsEveryTwoHundredUnitsFromTwentyTwo)
{
    ASSERT_TRUE(Open(100, 700));
    Ask(100, 700);
    Print(700);
    std::vector<int> depths;
    for (const testing_support::PainterCall& c : painters.Named("DrawGasScaleHeader"))
        if (c.args[2] == 1)
            depths.push_back(c.depths[0]);
    EXPECT_EQ(depths, (std::vector<int>{222, 422, 622}));
}

TEST_F(LogPages, LastDescribedDepthIsTheDeepestDescribedRecord)
{
    ASSERT_TRUE(Open(900, 1300, [](wellfile::RECORD& r) {
        if (r.depth > 1187)
            platform::SetFieldText(r.lith, r.depth == 1190 ? "100BL" : "100bl");
    }));
    const QString config = wellfile::OwnConfigPath(app::PlaceOf(s), s.well.fieldSettings);
    const QByteArray before = testing_support::ReadBytes(config);
    ASSERT_EQ(before.size(), int(sizeof(wellfile::WellConfig)));
    Ask(1000, 1300);
    Print(1300);
    const QByteArray after = testing_support::ReadBytes(config);
    ASSERT_EQ(after.size(), before.size());
    std::int32_t described = 0;
    std::memcpy(&described, after.constData() + 3378, 4);
    EXPECT_EQ(described, 1187);
    for (int i = 0; i < after.size(); ++i) {
        if (i < 3378 || i > 3381) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
}

TEST_F(LogPages, RightEdgeStaysOnNarrowPaper)
{
    ASSERT_TRUE(Open(900, 1300));
    doubles().printers.defaultPrinter = PdfTestPrinter(300, {8.5, 11});
    Ask(1000, 1100);
    const QString pdf = Print(1100);
    ASSERT_GT(s.layout.print.rightEnd, 2550);
    const QImage page = testing_support::RasterisePdf(pdf, 300);
    ASSERT_EQ(page.width(), 2550);
    EXPECT_TRUE(Black(page, 2545, 24 * 20 + 12));
    EXPECT_EQ(testing_support::At(page, 2539, 24 * 20 + 12), kWhite);
}

TEST_F(LogPages, TenFootRowsTakeFiveRecordsAndRunOnAcrossPages)
{
    ASSERT_TRUE(Open(900, 2100));
    Ask(1003, 1997, 3);
    const QString pdf = Print(1990, "-1inch");
    const std::vector<Page> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].front().depth, 1011);

    // Each hundredth depth is labelled once, on the row of five that holds it, though no row starts on it.
    std::map<int, int> labelled;
    for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf)) {
        const int depth = w.text.toInt();
        if (w.text.size() != 4 || depth % 100 != 0)
            continue;
        ++labelled[depth];
        const Page& page = pages.at(std::size_t(w.page - 1));
        const auto row = std::find_if(page.begin(), page.end(), [&](const Row& r) { return r.depth <= depth && depth < r.depth + 5; });
        ASSERT_NE(row, page.end()) << depth;
        const double y = w.yMin * 300 / 72, next = std::next(row) != page.end() ? std::next(row)->y : row->y + 80;
        EXPECT_TRUE(y >= row->y && y < next) << depth << " at " << y << ", its row from " << row->y;
    }
    EXPECT_EQ(labelled.size(), 9u);
    for (const auto& [depth, times] : labelled)
        EXPECT_TRUE(depth >= 1100 && depth <= 1900 && times == 1) << depth << " " << times;
    for (const Page& p : pages)
        for (std::size_t r = 1; r < p.size(); ++r)
            ASSERT_EQ(p[r].depth, p[r - 1].depth + 5) << r;
    EXPECT_EQ(pages[1].front().depth, pages[0].back().depth + 5);
    EXPECT_EQ(pages[1].front().y, 0);
    EXPECT_EQ(pages[1].back().depth, 1986);
}

TEST_F(LogPages, ShowColumnsOfEachRowSeeTheRecordAboveItAcrossThePages)
{
    ASSERT_TRUE(Open(900, 2100));
    Ask(1003, 1400);
    Print(1400);
    const std::vector<Page> pages = Pages();
    ASSERT_GE(pages.size(), 2u);
    // The fluorescence carries the percent of the row above on, the last page's last row too.
    const auto boxes = painters.Named("DrawBoxColumn");
    ASSERT_FALSE(boxes.empty());
    bool pageStart = false;
    for (const testing_support::PainterCall& c : boxes) {
        ASSERT_EQ(c.depths.size(), 1u);
        EXPECT_EQ(c.args[2], c.depths[0] - 1) << c.depths[0];
        pageStart = pageStart || c.depths[0] == pages[1].front().depth;
    }
    EXPECT_TRUE(pageStart);
    EXPECT_EQ(pages[1].front().depth, pages[0].back().depth + 1);

    // The hardness column of a page starts from the record before the page's first row.
    s.layout.schemes.trackFlags[38] = 1;
    Print(1400);
    const auto bars = painters.Named("DrawBarColumn");
    ASSERT_GE(bars.size(), 2u);
    for (const testing_support::PainterCall& c : bars)
        EXPECT_EQ(c.args[2], c.depths.front() - 1);
}

TEST_F(LogPages, PageClassPagesStepBackTwelvePixelsAndOneRecord)
{
    ASSERT_TRUE(Open(900, 2100));
    doubles().printers.defaultPrinter = PdfTestPrinter(96, {15, 32});  // 3072 px high
    Ask(1000, 2000);
    Print(2000);
    const std::vector<Page> pages = Pages();
    ASSERT_GE(pages.size(), 2u);
    const int rowsPerPage = 384;  // 3072 / 8 px rows
    EXPECT_EQ(pages[0].front().y, 0);
    EXPECT_EQ(int(pages[0].size()), rowsPerPage + 1);
    EXPECT_EQ(pages[1].front().y, -12);
    EXPECT_EQ(pages[1].front().depth, pages[0].back().depth);
    EXPECT_EQ(int(pages[1].size()), rowsPerPage + 1);
}

TEST_F(LogPages, TallHeaderNeverDropsTheLastRecordsBeforeTheDstPages)
{
    ASSERT_TRUE(Open(900, 2100));
    std::vector<wellfile::DSTREPORT> dsts(3);
    for (int i = 0; i < 3; ++i) {
        std::snprintf(dsts[std::size_t(i)].number, 80, "%d", i + 1);
        std::snprintf(dsts[std::size_t(i)].fromDepth, 80, "%d", 1100 + 100 * i);
    }
    testing_support::WriteRecords(s.well.file.currentFolder + "W1.dst", dsts);
    headerHeight = 100 * 24;
    Ask(1000, 2000, 1, true);
    inSetup = [](platform::Dialog& d) { d.Click(setupid::PrintDsts); };
    std::vector<std::string> order;
    auto logPages = LogPagePainter(s, services.printHeader, {});
    services.painters.logPage = [&](platform::Dc& dc, const LogPage& page) {
        order.push_back("log");
        return logPages(dc, page);
    };
    services.painters.dstPage = [&](platform::Dc&, std::span<const wellfile::DSTREPORT>, int) {
        order.push_back("dst");
    };
    const QString pdf = Print(2000);
    EXPECT_EQ(testing_support::PdfPageCount(pdf), 11);
    ASSERT_EQ(order.size(), 11u);
    EXPECT_EQ(std::count(order.begin(), order.begin() + 9, "log"), 9);
    EXPECT_EQ(order[9], "dst");
    EXPECT_EQ(order[10], "dst");
    const std::vector<Page> pages = Pages();
    ASSERT_EQ(pages.size(), 9u);
    EXPECT_EQ(pages.back().back().depth, 2000);
}

// A page drawn straight from a frame: a short buffer, a zero end mark, switches off, empty hooks.
class LogPageFrameTest : public ::testing::Test {
protected:
    LogPageFrameTest() : image(800, 1200, QImage::Format_RGB32), dc(image)
    {
        image.fill(Qt::white);
        device.printing = true;
        device.printer.rowHeight = 24;
        device.printer.unitWidth = 30;
        print.printBottomDepth = 2000;
        settings.pageLength = 13.75f;
        settings.pageWidth = 18.75f;
        for (int d = 1000; d < 1010; ++d)
            records.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
    }
    int Draw(bool tenFoot = false)
    {
        LogPageFrame frame{geometry, device, painters, print, tracks, settings};
        frame.records = records;
        frame.first = tenFoot ? 5 : 1;
        frame.rows = 50;
        frame.fileFirstDepth = 1000;
        frame.options = options;
        frame.header = header;
        frame.custom = custom;
        geometry.customTracks = !custom.all.empty();
        return tenFoot ? PrintLogPageTenFoot(dc, frame) : PrintLogPage(dc, frame);
    }
    std::size_t Rows() const
    {
        std::size_t n = 0;
        for (const auto& c : painters.Named("DrawLithology"))
            n += c.args[4] == 0;
        return n;
    }

    QImage image;
    platform::Dc dc;
    logview::ViewGeometry geometry;
    logview::Device device;
    testing_support::RecordingPainters painters;
    PrintState print;
    tracks::PainterState tracks;
    wellfile::PRINTCFG settings;
    std::vector<wellfile::RECORD> records;
    LogPageOptions options;
    PrintHeaderFn header;
    logview::CustomRecords custom;
};

TEST_F(LogPageFrameTest, RowLoopStopsAtTheBufferEndTheZeroMarkAndTheBottomDepth)
{
    options.memos = true;
    EXPECT_EQ(Draw(), 9);  // 1001-1009: no record after the buffer is read
    EXPECT_EQ(Rows(), 9u);
    // The memos from the first row's depth on a page whose rows end below the last row; the page-bottom
    // mark stands ten rows below the last row's top.
    const auto memos = painters.Named("DrawMemos");
    ASSERT_EQ(memos.size(), 1u);
    EXPECT_EQ(memos[0].args[0], 1001);
    EXPECT_EQ(memos[0].args[1], 9 * 24);
    EXPECT_EQ(tracks.pending.pageBottomY, 8 * 24 + 10 * 24);
    EXPECT_EQ(print.lastPrintedDepth, 1009);
    EXPECT_EQ(tracks.printRowCounter, 8);  // the second pass counted its rows again

    painters.calls.clear();
    records[5].depth = 0;
    EXPECT_EQ(Draw(), 4);
    painters.calls.clear();
    records[5].depth = 1005;
    print.printBottomDepth = 1003;
    EXPECT_EQ(Draw(), 3);
    EXPECT_EQ(Rows(), 3u);

    // Ten-foot rows stop at a group beyond the bottom depth too, and at the buffer's end.
    painters.calls.clear();
    print.printBottomDepth = 2000;
    EXPECT_EQ(Draw(true), 5);
    EXPECT_EQ(Rows(), 1u);
}

TEST_F(LogPageFrameTest, OptionalPaintersAndEmptyHooksDrawNothing)
{
    geometry.trackFlags[layout::FLAG_SHOWS] = 0;
    geometry.trackFlags[layout::FLAG_OUTLINES] = 0;
    geometry.trackFlags[layout::FLAG_LITHOLOGY] = 0;
    geometry.trackFlags[layout::FLAG_ROP] = 0;
    device.printer.porosityLeft = 100;
    settings.fullHeader = 1;  // no header painter: the rows start at the top
    options.memos = false;
    EXPECT_EQ(Draw(), 9);
    for (const char* name : {"DrawRatingColumn", "DrawBoxColumn", "DrawPorosityColumn", "DrawTextColumn",
                             "DrawLithology", "DrawMemos", "DrawShortReports", "PaintCustomTracks", "DrawImage"})
        EXPECT_TRUE(painters.Named(name).empty()) << name;

    // "Data As Text" without a table painter moves on a page's rows.
    options.dataAsText = true;
    EXPECT_EQ(Draw(), 50);
}

TEST_F(LogPageFrameTest, HeaderOnlyRunDrawsTheHeaderAndNoRow)
{
    int headers = 0;
    header = [&headers](platform::Dc&, wellfile::PRINTCFG&, int topY) {
        EXPECT_EQ(topY, 0);
        ++headers;
        return 600;
    };
    settings.fullHeader = 1;
    options.headerOnlyRun = true;
    EXPECT_EQ(Draw(), 0);
    EXPECT_EQ(headers, 1);
    EXPECT_TRUE(painters.calls.empty());
}

TEST_F(LogPageFrameTest, CustomTracksReadNoCustomRecordBeforeTheFilesFirst)
{
    std::vector<wellfile::CUSTDATAREC> rows(20);
    custom.all = rows;
    EXPECT_EQ(Draw(), 9);
    const auto calls = painters.Named("PaintCustomTracks");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[5], 1);  // the first row's, 1001
    EXPECT_EQ(calls[0].depths.front(), 1000);  // from the top line's record

    // A first row on the file's first depth has no custom record above it: nothing is painted.
    painters.calls.clear();
    for (wellfile::RECORD& r : records)
        r.depth -= 1;
    EXPECT_EQ(Draw(), 9);
    EXPECT_TRUE(painters.Named("PaintCustomTracks").empty());
}
