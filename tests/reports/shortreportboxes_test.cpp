// The short-report boxes drawn into an image: where the lines and frames stand for a report's depth and
// slot, which boxes the screen lists for the mouse, which a printed page cuts and how the next page goes
// on with them; the reports themselves are never changed by a drawing.
#include "reports/draw/shortreportboxes.h"

#include "platform/draw/dc.h"
#include "platform/logfont.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstring>

using wellfile::QREPORT;

namespace {

constexpr int kR = 16, kSlot3 = 10 + 3 * 5 * 10;  // slot 3: rate left 10, cell 10

QREPORT Report(std::int32_t depth, std::int32_t type = 0)
{
    QREPORT r;
    r.depth = depth;
    r.type = type;
    std::strcpy(r.wob, "25");
    std::strcpy(r.rpm, "120");
    std::strcpy(r.mmrpm, "0");
    std::strcpy(r.pumpPressure, "2500");
    std::strcpy(r.spm, "90");
    std::strcpy(r.weightOut, "9.5");
    std::strcpy(r.filterCake, "<1");
    std::strcpy(r.vis, "<45");
    r.mechanicalSlot = r.mudSlot = 3;
    r.mechanicalOffset = 10;
    r.mechanicalFrame = 1;
    return r;
}

class ShortReportBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        image.fill(Qt::white);
        g.rowHeight = kR;
        g.topMargin = 40;
        g.viewTopDepth = 1000;
        g.fileFirstDepth = 1000;
        g.fileLastDepth = 2600;
        g.logBottomY = 1050;
        g.rate = {10, 25, 10};
        g.fonts.smallLog = platform::MakeLogFont("Arial", -12);
        dc.RecordText(true);
    }
    void Draw(int xOverride = 0)
    {
        reports::DrawShortReports({dc, g, device}, s, {g.viewTopDepth, 0, kR, 40 - kR, xOverride});
    }
    // The recorded lines as "text@x,y".
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back(t.text.toStdString() + "@" + std::to_string(t.at.x) + "," + std::to_string(t.at.y));
        return out;
    }
    int Width(const char* text)
    {
        const platform::Font old = dc.SelectObject(platform::Font::FromLogFont(g.fonts.smallLog));
        const int w = dc.GetTextExtent(text).cx;
        dc.SelectObject(old);
        return w;
    }
    bool Black(int x, int y) const { return image.pixel(x, y) == qRgb(0, 0, 0); }

    QImage image{1300, 1100, QImage::Format_RGB32};
    platform::Dc dc{image};
    logview::ViewGeometry g;
    logview::Device device;
    reports::ShortReportState s;
};

}  // namespace

TEST_F(ShortReportBoxes, BoxesStandAtTheirDepthAndSlotAndAreListedWithTheirGrabStrips)
{
    QREPORT odd = Report(1051);
    odd.mechanicalSlot = 5;
    odd.mechanicalOffset = 0;
    odd.mudSlot = 7;
    odd.mudFrame = 1;
    odd.mechanicalFrame = 0;
    s.reports = {Report(1050), odd};
    const std::vector<QREPORT> before = s.reports;
    Draw();

    const int widest = std::max({Width("WOB  25"), Width("RPM  120"), Width("PP  2500"), Width("SPM  90")});
    const int x = kSlot3 + 10, right = x + widest + kR;
    const std::vector<std::string> lines = Lines();
    auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
    // Four lines (no MRPM for 0), two pixels into the box, from half a row above the depth line.
    for (const auto& l : {"WOB  25@172,828", "RPM  120@172,844", "PP  2500@172,860", "SPM  90@172,876"})
        EXPECT_TRUE(has(l)) << l;
    // Equal slots: the mud box six rows lower; a "<" value without its label, FIL CK keeping it.
    EXPECT_TRUE(has("WT OUT 9.5@162,912"));
    EXPECT_TRUE(has("45@162,928"));
    EXPECT_TRUE(has("<1@162,944"));
    // The odd depth at the next row; its mud box in another slot, framed, half a row lower.
    const int x5 = 10 + 5 * 5 * 10 + 2, x7 = 10 + 7 * 5 * 10 + 2;
    EXPECT_TRUE(has("WOB  25@" + std::to_string(x5) + ",860"));
    EXPECT_TRUE(has("WT OUT 9.5@" + std::to_string(x7) + ",856"));
    for (const std::string& l : lines)
        EXPECT_EQ(l.find("MRPM"), std::string::npos) << l;

    // The frame of the first box: 824-904, filled white.
    EXPECT_TRUE(Black(x, 824) && Black(x, 900) && Black(right - 1, 850) && Black(x + 3, 903));
    EXPECT_FALSE(Black(x, 905));
    EXPECT_FALSE(Black(right - 3, 850));
    // The unframed box of 1052 has no frame.
    EXPECT_FALSE(Black(x5 - 2, 870));

    ASSERT_EQ(s.mechanical.count, 2);
    EXPECT_EQ(s.mechanical.box[0], (platform::RECT{x, 824, right, 904}));
    EXPECT_EQ(s.mechanical.grab[0], (platform::RECT{x, 824, right, 856}));
    ASSERT_EQ(s.mud.count, 2);
    EXPECT_EQ(s.mud.box[0].top, 920 - 12);
    EXPECT_EQ(s.mud.box[1].top, 864 - 12);
    // Nothing the drawing adjusts goes into the reports.
    EXPECT_EQ(std::memcmp(before.data(), s.reports.data(), 2 * sizeof(QREPORT)), 0);
}

TEST_F(ShortReportBoxes, EachLineStaysWithinItsRowWhateverTheLogFont)
{
    // The log's text font of a 10-pixel row on a wide screen is 15 pixels high: the box's lines get one
    // that fits the row, so a line's ink never reaches the row of the line below it.
    g.fonts.smallLog = platform::MakeLogFont("Courier New", -15, -9, platform::FIXED_PITCH | platform::FF_MODERN);
    QREPORT r;
    r.depth = 1100;
    r.type = 1;
    r.mudSlot = 3;
    std::strcpy(r.weightIn, "10.4");
    s.reports = {r};
    reports::DrawShortReports({dc, g, device}, s, {1000, 0, 10, 30, 0});
    QImage white(200, 10, image.format());
    white.fill(Qt::white);
    const int y = 100 * 10 + 30;  // the line's row: y - 5 .. y + 5
    EXPECT_NE(image.copy(kSlot3, y - 5, 200, 10), white);
    EXPECT_EQ(image.copy(kSlot3, y + 5, 200, 10), white);
}

TEST_F(ShortReportBoxes, KindsColoursTracksAndLimitsDecideWhatIsDrawnAndListed)
{
    QREPORT mudOnly = Report(1100, 1), mechanicalOnly = Report(1200, 2), black = Report(1300), bare = Report(1400, 2);
    black.mechanicalText = black.mudText = platform::RGB(255, 0, 0);
    for (char* f : {bare.wob, bare.rpm, bare.pumpPressure, bare.spm})
        f[0] = '\0';
    // One report too shallow to draw hides none of those below it.
    s.reports = {Report(1010), mudOnly, mechanicalOnly, black, bare, Report(1500)};
    g.profile = 68;
    Draw();
    EXPECT_EQ(s.mechanical.count, 3);  // 1200, 1300, 1500
    EXPECT_EQ(s.mud.count, 4);         // 1010, 1100, 1300, 1500
    EXPECT_EQ(s.mechanical.box[2].top, 500 * kR + 24);
    for (const platform::DcText& t : dc.TextRecord())
        EXPECT_EQ(t.textColor, platform::RGB(0, 0, 0));

    // A custom track: no frame, the boxes listed at its x; a box cut at the log's bottom.
    s.reports = {Report(1050)};
    image.fill(Qt::white);
    g.logBottomY = 860;
    Draw(600);
    EXPECT_EQ(s.mechanical.box[0].left, 600);
    EXPECT_FALSE(Black(600, 850));
    image.fill(Qt::white);
    Draw();
    EXPECT_TRUE(Black(170, 859));
    EXPECT_FALSE(Black(170, 870));

    // The 201st box is drawn, not listed.
    g.logBottomY = 1050;
    s.reports.clear();
    for (int k = 0; k < 201; ++k)
        s.reports.push_back(Report(1060 + 2 * k, 2));
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(s.mechanical.count, reports::kMaxShortReportBoxes);
    EXPECT_EQ(std::count_if(dc.TextRecord().begin(), dc.TextRecord().end(),
                            [](const platform::DcText& t) { return t.text == "WOB  25"; }),
              201);

    // The one-inch log: only boxes flagged for it, ten depth units a row.
    g.scaleIndex = 3;
    QREPORT flagged = Report(1050, 2);
    flagged.mechanicalOneInch = 1;
    s.reports = {Report(1060, 2), flagged};
    Draw();
    ASSERT_EQ(s.mechanical.count, 1);
    EXPECT_EQ(s.mechanical.box[0].top, 80 + 24);
}

TEST_F(ShortReportBoxes, APrintedBoxCutAtThePageFootGoesOnOnceOnTheNextPage)
{
    device.printing = true;
    device.printer.rowHeight = device.printer.rowSize = 30;
    device.printer.rateLeft = 50;
    device.printer.rateCellWidth = 20;
    const int R = 30, x = 50 + 3 * 5 * 20 + 10 * 3;
    s.reports = {Report(1050)};
    // Lines at 1622 (WOB) and 1652 (RPM): the page's rows end at 1640, RPM is the next page's.
    reports::DrawShortReports({dc, g, device}, s, {1000, 1640, R, 100, 0});
    EXPECT_EQ(s.mechanicalCut.report, 0);
    EXPECT_EQ(s.mechanicalCut.line, 1);
    EXPECT_EQ(s.mud.count + s.mechanical.count, 0);  // paper lists nothing
    // Its mud box, six rows lower, starts below the rows: all of it goes on the next page.
    EXPECT_EQ(s.mudCut.report, 0);
    EXPECT_EQ(s.mudCut.line, 0);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "WOB  25");

    // The next page: from RPM (the rest draws MRPM for 0) at the page's top, framed, its lines as on the
    // log; the mud box whole, its short lines too, in a place of its own below the first box it would
    // cover (a quarter row into each box, half a row between them).
    dc.RecordText(true);
    image.fill(Qt::white);
    reports::DrawShortReportsCompact({dc, g, device}, s, 0, R, 100, 0);
    const std::string at = "@" + std::to_string(x + 2) + ",";
    EXPECT_EQ(Lines(), (std::vector<std::string>{"RPM  120" + at + "107", "MRPM  0" + at + "137",
                                                 "PP  2500" + at + "167", "SPM  90" + at + "197",
                                                 "WT OUT 9.5@352,257", "45@352,287", "<1@352,317"}));
    EXPECT_TRUE(Black(x, 100) && Black(x, 100 + 9 * R / 2 - 1));
    // The page then draws the full boxes, the cut report no more.
    reports::DrawShortReports({dc, g, device}, s, {1060, 1640, R, 100, 0});
    EXPECT_EQ(s.mechanicalCut.report, -1);
    EXPECT_EQ(dc.TextRecord().size(), 7u);

    // Both pending, of two reports: each call draws only its own report's cut box (the mechanical
    // report's mud box was printed whole).
    QREPORT second = Report(1080, 1);
    std::strcpy(second.weightOut, "10.1");
    s.reports = {Report(1050), second};
    s.mechanicalCut = {0, 4};
    s.mudCut = {1, 0};
    dc.RecordText(true);
    reports::DrawShortReportsCompact({dc, g, device}, s, 0, R, 100, 0);
    s.mechanicalCut = {};
    reports::DrawShortReportsCompact({dc, g, device}, s, 1, R, 100, 0);
    std::vector<std::string> texts;
    for (const platform::DcText& t : dc.TextRecord())
        texts.push_back(t.text.toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"SPM  90", "WT OUT 10.1", "45", "<1"}));
}
