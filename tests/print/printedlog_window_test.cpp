// The demo well printed by the window's print command to the PDF printer (300 dpi, US fan-fold 14 7/8 x
// 11 in, no unprintable edge), the pages read back: the words where pdftotext places them, the pixels of
// the rasterised page.
#include "app/commandids.h"
#include "app/logstate.h"
#include "layout/pentable.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "reports/ui/dstdlg.h"
#include "reports/ui/reportdlgex.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/files.h"
#include "support/testmain.h"
#include "platform/folders.h"
#include "wellfile/record.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

using testing_support::PdfWord;

namespace {

class PrintedLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::ShowDemoWindow(window)); }

    // File > Print from `start` to `end`, the set-up otherwise as `change` leaves it; the PDF written.
    QString Print(int start, int end, const std::function<void(platform::Dialog&)>& change = {})
    {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            if (change)
                change(d);
            d.SetText(print::setupid::StartDepth, QString::number(start));
            d.SetText(print::setupid::EndDepth, QString::number(end));
            d.Click(platform::IDOK);
        });
        window.EvCommand(app::cmd::Print);
        return Written();
    }

    // The file the last message said was written; empty when it said nothing of the kind.
    static QString Written()
    {
        const auto& said = testing_support::doubles().prompter.messages;
        const QString text = said.isEmpty() ? QString() : said.back().text;
        return text.endsWith(QLatin1String("\" written")) ? text.mid(1, text.size() - 10) : QString();
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

}  // namespace

TEST_F(PrintedLog, TheRestsPageSetsEachBoxApartInsideThePage)
{
    // The rows end at 1800 at the foot of the sixth page: the report at 1800 (its mud box under its
    // drilling-parameter box, both in the same slot) goes on on a page of its own after the log.
    const QString pdf = Print(1021, 1800);
    ASSERT_FALSE(pdf.isEmpty());
    const int pages = testing_support::PdfPageCount(pdf);
    const QSizeF paper = testing_support::PdfPageSize(pdf);
    std::vector<PdfWord> rests;
    QStringList text;
    for (const PdfWord& w : testing_support::PdfWords(pdf)) {
        if (w.page == pages) {
            rests.push_back(w);
            text << w.text;
        }
    }
    // Both boxes read whole and once, as on the log.
    EXPECT_EQ(text.count("CHL"), 1);
    EXPECT_EQ(text.count("SPM"), 1);
    for (const char* line : {"WOB 18", "RPM 110", "PP 2350", "SPM 110", "WT IN 1.14", "WT OUT 1.15", "VIS 45",
                             "CHL 12000", "PV 18"})
        EXPECT_TRUE(text.join(' ').contains(QLatin1String(line))) << line << " in " << text.join(' ').toStdString();
    // Every word on the paper, and no two printed over each other.
    constexpr double kTouch = 0.3;
    for (std::size_t i = 0; i < rests.size(); ++i) {
        const PdfWord& a = rests[i];
        EXPECT_TRUE(a.xMin >= 0 && a.yMin >= 0 && a.xMax <= paper.width() && a.yMax <= paper.height())
            << a.text.toStdString() << " at " << a.xMin << "," << a.yMin;
        for (std::size_t j = i + 1; j < rests.size(); ++j) {
            const PdfWord& b = rests[j];
            const bool apart = a.xMax <= b.xMin + kTouch || b.xMax <= a.xMin + kTouch || a.yMax <= b.yMin + kTouch ||
                               b.yMax <= a.yMin + kTouch;
            EXPECT_TRUE(apart) << a.text.toStdString() << " over " << b.text.toStdString() << " at " << b.xMin << ","
                               << b.yMin;
        }
    }
}

namespace {

// The y of each hundred's depth label on page `page`, in points.
std::map<int, double> HundredsAt(const std::vector<PdfWord>& words, int page)
{
    std::map<int, double> at;
    for (const PdfWord& w : words) {
        bool number = false;
        const int depth = w.text.toInt(&number);
        if (w.page == page && number && depth >= 1000 && depth % 100 == 0 && !at.count(depth))
            at[depth] = (w.yMin + w.yMax) / 2;
    }
    return at;
}

// The y of `depth` on the page, from the labels of the hundreds around it; -1 when there are none.
double YOf(const std::map<int, double>& hundreds, double depth)
{
    auto below = hundreds.lower_bound(int(depth));
    if (below == hundreds.end() || below == hundreds.begin())
        return -1;
    auto above = std::prev(below);
    return above->second + (below->second - above->second) * (depth - above->first) / (below->first - above->first);
}

// The flare track is a setting of the program's own, read as it starts.
class PrintedLogWithFlareTrack : public PrintedLog {
protected:
    void SetUp() override
    {
        platform::WriteSetting(QStringLiteral("Options/FlareTrack"), QStringLiteral("1"));
        PrintedLog::SetUp();
    }
};

}  // namespace

TEST_F(PrintedLogWithFlareTrack, TheOneInchBodyDrawsTheFlareTrackWhereTheGasWasFlared)
{
    const auto records = testing_support::FileRecords<wellfile::RECORD>(window.State().well.file.dataFileName);
    window.State().print.scaleKind = 3;
    const QString pdf = Print(1000, 2600);
    ASSERT_FALSE(pdf.isEmpty());
    const std::vector<PdfWord> words = testing_support::PdfWords(pdf);
    // The flare profile is red; where its rows stand comes from the labels of the hundreds beside them.
    int flaredFrom = 0, flaredTo = 0, page = 0;
    std::map<int, double> hundreds;
    for (const wellfile::RECORD& r : records) {  // the first run of flared records
        if (r.flareLength > 0 && (flaredTo == 0 || r.depth == flaredTo + 1))
            flaredTo = r.depth, flaredFrom = flaredFrom == 0 ? r.depth : flaredFrom;
    }
    for (int p = 1; p <= testing_support::PdfPageCount(pdf) && page == 0; ++p) {
        hundreds = HundredsAt(words, p);
        if (YOf(hundreds, flaredFrom) >= 0 && YOf(hundreds, flaredTo) >= 0)
            page = p;
    }
    ASSERT_GT(page, 0) << "no page holds the flares of " << flaredFrom << "-" << flaredTo;
    const QImage image = testing_support::RasterisePdf(pdf, 72, page);
    ASSERT_FALSE(image.isNull());
    const auto redIn = [&](double top, double bottom) {
        int n = 0;
        for (int y = std::max(0, int(top)); y <= int(bottom) && y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000 ? 1 : 0;
        return n;
    };
    const double top = YOf(hundreds, flaredFrom), bottom = YOf(hundreds, flaredTo);
    ASSERT_GT(bottom, top);
    // Red filled across its rows (on the page of 72 dpi some 100 pixels a row, where the gas curves'
    // red alone makes about 12).
    EXPECT_GT(redIn(top, bottom), 40 * int(bottom - top)) << flaredFrom << "-" << flaredTo;
}

TEST_F(PrintedLog, TheChromatographTrackPrintsItsUnitGridWithDoubledEdges)
{
    // The demo well under the name of a company whose logs carry the chromatograph track (profile 4 by
    // the data file's extension).
    app::LogState& s = window.State();
    const QString chromatograph = s.well.file.currentFolder + "elogdemo.xa1";
    ASSERT_TRUE(QFile::copy(s.well.file.dataFileName, chromatograph));
    ASSERT_EQ(window.OpenDataFile(chromatograph), 1);
    ASSERT_EQ(s.well.loggerId, 4);
    s.print.scaleKind = 1;
    const QString pdf = Print(1000, 1100);
    ASSERT_FALSE(pdf.isEmpty());
    const QImage page = testing_support::RasterisePdf(pdf, 300, 1);  // a page pixel is a printer pixel
    ASSERT_FALSE(page.isNull());
    // A row of the body: the unit lines of the gas track stand one unit apart (whatever the run's unit
    // is), every fifth heavier, and the track's first and last are doubled (one pixel more beside the
    // heavy line).
    const int y = page.height() * 2 / 3;
    const auto dark = [&](int x, int limit) {
        for (int dx = -1; dx <= 1; ++dx)
            if (x + dx >= 0 && x + dx < page.width() && qGray(page.pixel(x + dx, y)) < limit)
                return true;
        return false;
    };
    int most = 0, first = -1, last = -1, u = 0;  // the starts of the longest run of lines u apart
    for (int unit = 15; unit <= 40; ++unit) {
        for (int x0 = page.width() / 2; x0 < page.width(); ++x0) {
            int n = 0;
            while (x0 + n * unit + 1 < page.width() && dark(x0 + n * unit, 200))
                ++n;
            if (n > most)
                most = n, first = last = x0, u = unit;
            else if (n == most && unit == u && x0 == last + 1)
                last = x0;
        }
    }
    ASSERT_GE(most, 30) << "no unit grid in the gas track";
    const int left = first;
    // The width of the heavy line at x (0 none).
    const auto heavyWidth = [&](int x) {
        int at = -1;
        for (int dx = -1; dx <= 1 && at < 0; ++dx)
            if (qGray(page.pixel(x + dx, y)) < 100)
                at = x + dx;
        if (at < 0)
            return 0;
        int from = at, to = at;
        while (from > 0 && qGray(page.pixel(from - 1, y)) < 100)
            --from;
        while (to + 1 < page.width() && qGray(page.pixel(to + 1, y)) < 100)
            ++to;
        return to - from + 1;
    };
    int heavyBetween = 0, lastFifth = 0;
    for (int k = 0; k < most; ++k) {
        if (k % 5 == 0)
            EXPECT_GT(heavyWidth(left + k * u), 0) << "line " << k;
        else
            heavyBetween += heavyWidth(left + k * u) > 0 ? 1 : 0;  // only where the log grid's decades fall
        lastFifth = k % 5 == 0 ? k : lastFifth;
    }
    EXPECT_LE(heavyBetween, 2);
    EXPECT_GE(heavyWidth(left), 4);
    EXPECT_GE(heavyWidth(left + lastFifth * u), 4);
    EXPECT_EQ(heavyWidth(left + 5 * u), 3);  // a heavy line inside the track is single
}

// The gamma curve and the weight-on-bit scale head are printed across the rate track, as on the screen:
// the curve wanders over the track, and the head reads "0" at its left and "60" towards its right.
TEST_F(PrintedLog, GammaAndTheWeightOnBitHeadStandAcrossThePrintedRateTrack)
{
    app::LogState& s = window.State();
    const QString pdf = Print(1500, 1700);
    ASSERT_FALSE(pdf.isEmpty());
    const int left = s.layout.print.rateLeft, right = s.layout.print.rateRight;  // printer pixels, 300 dpi
    ASSERT_GT(right - left, 100);
    const QImage page = testing_support::RasterisePdf(pdf, 300, 1);
    ASSERT_FALSE(page.isNull());
    const platform::COLORREF c = s.layout.pens.table.entry[layout::PEN_GAMMA].colour;
    const QRgb gamma = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    int least = page.width(), most = -1;
    for (int y = page.height() / 2; y < page.height(); ++y)
        for (int x = 0; x < page.width() / 2; ++x)
            if ((page.pixel(x, y) & 0xFFFFFF) == (gamma & 0xFFFFFF))
                least = std::min(least, x), most = std::max(most, x);
    ASSERT_GE(most, 0) << "no gamma curve";
    EXPECT_GE(least, left);
    EXPECT_LE(most, right);
    EXPECT_GT(most - least, (right - left) / 10) << "a curve, not a line at the page's edge";

    int heads = 0;
    const std::vector<PdfWord> words = testing_support::PdfWords(pdf);
    for (const PdfWord& sixty : words)
        if (sixty.text == "60" && sixty.page == 1)
            for (const PdfWord& zero : words)
                if (zero.text == "0" && zero.page == 1 && std::abs(zero.yMin - sixty.yMin) < 1) {
                    ++heads;
                    EXPECT_GE(zero.xMin, left * 72.0 / 300 - 5);
                    EXPECT_GT(sixty.xMin, zero.xMax + 20);
                    EXPECT_LE(sixty.xMax, right * 72.0 / 300);
                }
    EXPECT_GE(heads, 1);
}

// Every word of the demo's log, 1000-1802, stands whole on its page and over no other (the repeated gas
// heads give way to the short reports, memos and mud weights); each page that repeats the weight-on-bit
// head "0 ... 60" also has the gamma head "0 150" across the rate track, as the screen's foot has both.
// So with the short header, whose company name ("Demo Petroleum Ltd.", centred) stands on the line of the
// well name ("Demo 7-21 Elog", at 80 units).
TEST_F(PrintedLog, EveryPrintedWordStandsOnThePageApartAndBothCurveHeadsAcrossTheRateTrack)
{
    app::LogState& s = window.State();
    const QString pdf = Print(1000, 1802);
    ASSERT_FALSE(pdf.isEmpty());
    const QSizeF paper = testing_support::PdfPageSize(pdf);
    const std::vector<PdfWord> words = testing_support::PdfWords(pdf);
    const QStringList amiss = testing_support::MisplacedWords(words, QRectF(QPointF(0, 0), paper));
    EXPECT_TRUE(amiss.isEmpty()) << amiss.join("\n").toStdString();

    const double left = s.layout.print.rateLeft * 72.0 / 300, right = s.layout.print.rateRight * 72.0 / 300;
    const auto across = [&](const PdfWord& w) { return w.xMin >= left && w.xMax <= right; };
    std::map<int, int> wob, gamma;  // heads by page
    for (const PdfWord& end : words)
        for (const PdfWord& zero : words)
            if (zero.page == end.page && zero.text == "0" && std::abs(zero.yMin - end.yMin) < 1 && across(zero) &&
                across(end) && end.xMin > zero.xMax + 20) {
                wob[end.page] += end.text == "60" ? 1 : 0;
                gamma[end.page] += end.text == "150" ? 1 : 0;
            }
    ASSERT_GE(wob.size(), 6u);
    for (const auto& [page, n] : wob)
        EXPECT_EQ(gamma[page], n) << "page " << page;

    const QString shortHeader = Print(1000, 1100, [](platform::Dialog& d) { d.Click(print::setupid::ShortHeader); });
    ASSERT_FALSE(shortHeader.isEmpty());
    const std::vector<PdfWord> strip = testing_support::PdfWords(shortHeader);
    const QStringList over = testing_support::MisplacedWords(strip, QRectF(QPointF(0, 0), paper));
    EXPECT_TRUE(over.isEmpty()) << over.join("\n").toStdString();
    QStringList top;
    for (const PdfWord& w : strip)
        if (w.page == 1 && w.yMin < 30)
            top << w.text;
    EXPECT_TRUE(top.join(' ').contains("Demo Petroleum Ltd. Demo 7-21 Elog")) << top.join(' ').toStdString();
}

// The demo printed from 1000 to 2600 with the full header and with the short one: every word whole on
// the sheet and over no other (a note carried over to a page written once, the tops' names clear of the
// curve heads, the slide letters on the page), the top "Main Sand" named, the depth numbers a record of
// 0.08 in (5.76 pt) apart on every page within a printer pixel (300 dpi), and the set-up's Length what
// prints: 1600 rows of 0.08 in and the header.
TEST_F(PrintedLog, TheDemoPrintsTrueToScaleEveryWordOnTheSheetAndOnce)
{
    for (const bool shortHeader : {false, true}) {
        QString length;
        const QString pdf = Print(1000, 2600, [&](platform::Dialog& d) {
            if (shortHeader)
                d.Click(print::setupid::ShortHeader);
            d.SetText(print::setupid::StartDepth, QStringLiteral("1000"));
            d.SetText(print::setupid::EndDepth, QStringLiteral("2600"));
            d.Command(print::setupid::EndDepth, platform::EN_KILLFOCUS);
            length = d.GetText(print::setupid::Length);
        });
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(length, shortHeader ? "129 inches" : "131 inches");  // the headers 1.1 in and 3 in
        const std::vector<PdfWord> words = testing_support::PdfWords(pdf);
        const QStringList amiss =
            testing_support::MisplacedWords(words, QRectF(QPointF(0, 0), testing_support::PdfPageSize(pdf)));
        EXPECT_TRUE(amiss.isEmpty()) << shortHeader << "\n" << amiss.join("\n").toStdString();
        const QStringList off = testing_support::OffScale(words, 5.76, 72.0 / 300);
        EXPECT_TRUE(off.isEmpty()) << shortHeader << "\n" << off.join("\n").toStdString();
        int mainSand = 0;
        for (const PdfWord& main : words)
            for (const PdfWord& sand : words)
                mainSand += main.text == "Main" && sand.text == "Sand" && main.page == sand.page &&
                            std::abs(main.yMin - sand.yMin) < 1 && sand.xMin > main.xMax;
        EXPECT_GE(mainSand, 1) << shortHeader;
    }
}

// A well of a chromatograph company (its first record's company text) prints C1 to nC4 as the screen
// draws them: a component at 1 % of its gas (100 hundredths, 10,000 ppm) stands ten printed units right
// of the track's left on the demo's chromatograph scale 1; the company's rule draws C1 by total gas and
// doubles the others. Each curve reaches as far right as its greatest value over a show.
TEST_F(PrintedLog, AChromatographWellPrintsEachComponentAtItsShareOfOnePercent)
{
    app::LogState& s = window.State();
    const QString copy = s.well.file.currentFolder + "chromatograph.svm";
    QByteArray bytes = testing_support::ReadExistingBytes(s.well.file.dataFileName);
    bytes.replace(138, 30, QByteArray("PRF4 CHROMATOGRAPH").leftJustified(30, '\0'));
    testing_support::WriteBytes(copy, bytes);
    ASSERT_EQ(window.OpenDataFile(copy), 1);
    ASSERT_EQ(s.well.loggerId, 4);
    const QString pdf = Print(1200, 1300);
    ASSERT_FALSE(pdf.isEmpty());
    ASSERT_EQ(testing_support::PdfPageCount(pdf), 1);

    // The run's unit and the track's left from the gas head: "25" stands 5 units in, "175" 35 (300 dpi).
    const std::vector<PdfWord> words = testing_support::PdfWords(pdf);
    const auto centre = [](const PdfWord& w) { return (w.xMin + w.xMax) / 2 * 300 / 72; };
    double u = 0, o = 0;
    for (const PdfWord& far : words)
        for (const PdfWord& near : words)
            if (u == 0 && far.text == "175" && near.text == "25" && std::abs(far.yMin - near.yMin) < 1)
                u = (centre(far) - centre(near)) / 30, o = centre(near) - 5 * u;
    ASSERT_GT(u, 10);

    // C1, C3, iC4 and nC4 (the pens of C2 and iC5 share colours with the grid and C1), in hundredths.
    const std::array<std::size_t, 4> curves{1, 3, 4, 5};
    std::map<std::size_t, double> reach;
    for (const wellfile::RECORD& r : testing_support::FileRecords<wellfile::RECORD>(copy))
        if (r.depth >= 1200 && r.depth <= 1300)
            for (const std::size_t i : curves)
                reach[i] = std::max(reach[i], i == 1 ? double(r.gas[0]) : 2.0 * r.gas[i]);
    const QImage page = testing_support::RasterisePdf(pdf, 300, 1);  // a page pixel is a printer pixel
    ASSERT_FALSE(page.isNull());
    for (const std::size_t i : curves) {
        const platform::COLORREF c = s.layout.pens.table.entry[i].colour;
        const QRgb pen = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)) & 0xFFFFFF;
        int most = -1;
        for (int y = 0; y < page.height(); ++y)
            for (int x = int(o) + 1; x < page.width(); ++x)
                if ((page.pixel(x, y) & 0xFFFFFF) == pen)
                    most = std::max(most, x);
        const double x = std::trunc(o + reach[i] / 100 * 10 * u);  // 20 hundredths: two units
        EXPECT_GE(most, x - 3) << "curve " << i << " up to " << reach[i] << " hundredths";
        EXPECT_LE(most, x + 5) << "curve " << i;
    }
}

// The demo's daily report and drill-stem test, each printed from its dialog to the PDF printer: every
// word of each stands whole on its page and over no other, and the daily report's survey ("DEV", its
// label at 50 tenths of a unit, the field to 66, "RPM" at 20) ends within its field.
TEST_F(PrintedLog, EveryWordOfTheDemosReportsStandsOnThePageApart)
{
    const auto printed = [&](int command, int print) {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            d.Click(print);
            d.Click(platform::IDOK);
        });
        window.EvCommand(command);
        return Written();
    };
    const QString daily = printed(app::cmd::MorningReport, reports::ReportDlgEx::IDC_RPT_PRINT);
    for (const QString& pdf : {daily, printed(app::cmd::Dst, reports::DstDlg::IDC_PRINT)}) {
        ASSERT_FALSE(pdf.isEmpty());
        const QStringList amiss = testing_support::MisplacedWords(
            testing_support::PdfWords(pdf), QRectF(QPointF(0, 0), testing_support::PdfPageSize(pdf)));
        EXPECT_TRUE(amiss.isEmpty()) << pdf.toStdString() << ": " << amiss.join('\n').toStdString();
    }

    const std::vector<PdfWord> words = testing_support::PdfWords(daily);
    const auto dev = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "DEV"; });
    ASSERT_NE(dev, words.end());
    const auto rpm = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) {
        return w.text == "RPM" && std::abs(w.yMin - dev->yMin) < 1;
    });
    ASSERT_NE(rpm, words.end());
    const double fieldEnd = dev->xMin + (dev->xMin - rpm->xMin) / 300 * 160;
    for (const PdfWord& w : words) {
        if (std::abs(w.yMin - dev->yMin) < 1 && w.xMin > dev->xMax) {
            EXPECT_LE(w.xMax, fieldEnd + 0.5) << w.text.toStdString();
        }
    }
}
