// Memo boxes drawn over a log laid out as the demo well's (rate track from 9, description column from
// 509, gas track 739-1054): where a placed memo lands, which memos are drawn, their boxes and hit
// table, their text and colour, the slot numbers, the printer font, and a memo cut by a printed page
// and continued on the next.
#include "entry/draw/memos.h"
#include "layout/trackflags.h"
#include "logview/memoslot.h"
#include "shell/draw/viewpainters.h"
#include "platform/draw/dc.h"
#include "platform/logfont.h"
#include "support/images.h"
#include "support/memos.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QRect>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace entry;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
constexpr int kR = 10, kT = 160, kLogBottom = 880;

logview::ViewGeometry DemoGeometry()
{
    logview::ViewGeometry g;
    g.rowHeight = g.unitWidth = kR;
    g.topMargin = kT;
    g.logBottomY = kLogBottom;
    g.rate = {9, 25, 10};
    g.description = {509, 23, 10};
    g.gas = {739, 35, 9};
    g.gasRight = 1054;
    g.logWidth = 1064;
    g.fileFirstDepth = 1000;
    g.fileLastDepth = 2000;
    g.viewTopDepth = 1090;
    g.scaleIndex = 1;
    g.trackFlags[layout::FLAG_MEMOS] = 1;
    g.trackFlags[layout::FLAG_DESCRIPTIONS] = 1;
    return g;
}

wellfile::SVMEMO Memo(std::int32_t depth, const char* text, std::int32_t slot = 1)
{
    wellfile::SVMEMO m = testing_support::MakeMemo(depth, text);
    m.shown = 1;
    m.slot = slot;
    m.textColour = kBlue;
    m.font = platform::MakeLogFont("Arial", -12);
    return m;
}

wellfile::SVMEMO Description(std::int32_t depth, const char* text)
{
    wellfile::SVMEMO m = Memo(depth, text, 3);
    m.description = 1;
    return m;
}

// A record's packed rectangles, copied out.
std::array<std::int32_t, 4> RectAt(const wellfile::SVMEMO& m, std::size_t offset)
{
    std::array<std::int32_t, 4> r;
    std::memcpy(r.data(), reinterpret_cast<const char*>(&m) + offset, sizeof r);
    return r;
}
std::array<std::int32_t, 4> BoxOf(const wellfile::SVMEMO& m) { return RectAt(m, offsetof(wellfile::SVMEMO, box)); }
std::array<std::int32_t, 4> StripOf(const wellfile::SVMEMO& m) { return RectAt(m, offsetof(wellfile::SVMEMO, topStrip)); }
std::array<std::int32_t, 4> CornerOf(const wellfile::SVMEMO& m) { return RectAt(m, offsetof(wellfile::SVMEMO, cornerSquare)); }

class MemoDrawing : public ::testing::Test {
protected:
    void SetUp() override { dc.RecordText(true); }
    void Draw(int mode = 0)
    {
        MemoPass pass{dc, g, device, memos, state, state.page, options};
        DrawMemos(pass, g.viewTopDepth, 0, kR, kT - kR, mode);
    }
    std::vector<QString> Texts() const
    {
        std::vector<QString> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back(t.text);
        return out;
    }
    const platform::DcText& Only() const
    {
        EXPECT_EQ(dc.TextRecord().size(), 1u);
        return dc.TextRecord().front();
    }
    // The height of a line of the memo font, as the Dc measures it.
    int LineHeight()
    {
        const platform::Font old = dc.SelectObject(platform::Font::FromLogFont(platform::MakeLogFont("Arial", -12)));
        const int h = dc.GetTextExtent("Xg").cy;
        dc.SelectObject(old);
        return h;
    }
    // The row y of a memo at `depth` on the screen rows (before the text's quarter-row inset).
    int RowY(std::int32_t depth) const { return kT - kR + 1 - kR / 2 + (depth - g.viewTopDepth) * kR; }

    logview::ViewGeometry g = DemoGeometry();
    logview::Device device = logview::Device::Screen();
    MemoOptions options;
    MemoDrawState state;
    std::vector<wellfile::SVMEMO> memos;
    QImage image = testing_support::White(1100, 1000);
    platform::Dc dc{image};
};

}  // namespace

TEST(MemoSlots, APlacedMemoLandsOnTheCellUnderTheMouse)
{
    const logview::ViewGeometry g = DemoGeometry();
    const logview::MemoSlotLayout screen = logview::ScreenMemoSlots(g);
    EXPECT_EQ(logview::XToMemoSlot(screen, 9).slot, 0);
    EXPECT_EQ(logview::XToMemoSlot(screen, 9).offset, 10);
    EXPECT_EQ(logview::XToMemoSlot(screen, -40).offset, 10);
    // The rate column and the description column (the right-hand region) on their own cells; the first
    // five rate cells are slot 0, which stands 2 pixels into the column.
    for (int x = 10; x <= 739; ++x) {
        const int left = x <= 509 ? 9 : 509;
        const int cellLeft = left + (x - left) / 10 * 10;
        const logview::SlotPlace p = logview::XToMemoSlot(screen, x);
        EXPECT_EQ(logview::MemoSlotToX(screen, p.slot) + p.offset, cellLeft + (p.slot == 0 ? 2 : 0)) << x;
        EXPECT_TRUE(p.slot >= 0 && p.slot <= 24) << x;
    }
    EXPECT_EQ(logview::XToMemoSlot(screen, 520).slot, 19);
    // The gas track: slot 11 on its cell, slots 12-18 (gas cell - 2) = 7 further left, or on the cell
    // without the adjustment.
    logview::MemoSlotLayout flat = screen;
    flat.noGasAdjust = true;
    for (int x = 740; x < 1054; ++x) {
        const int cellLeft = 739 + (x - 739) / 9 * 9;
        const logview::SlotPlace p = logview::XToMemoSlot(screen, x);
        EXPECT_EQ(logview::MemoSlotToX(screen, p.slot) + p.offset, cellLeft - (p.slot > 11 ? 7 : 0)) << x;
        const logview::SlotPlace q = logview::XToMemoSlot(flat, x);
        EXPECT_EQ(logview::MemoSlotToX(flat, q.slot) + q.offset, cellLeft) << x;
    }
    // Stored slots outside the table.
    EXPECT_EQ(logview::MemoSlotToX(screen, 31), logview::MemoSlotToX(screen, 1));
    EXPECT_EQ(logview::MemoSlotToX(screen, -1), logview::MemoSlotToX(screen, 1));
    for (int slot = 25; slot <= 30; ++slot)
        EXPECT_EQ(logview::MemoSlotToX(screen, slot), logview::MemoSlotToX(screen, 24));
}

TEST_F(MemoDrawing, BoxRecordAndHitTableOfAOneLineMemoAtAnOddDepth)
{
    memos = {Memo(1101, "Gas peak")};
    Draw();
    const int step = int(LineHeight() * 0.9);
    const wellfile::SVMEMO& m = memos[0];
    EXPECT_EQ(std::int32_t(m.depth), 1101);  // drawn at the next even depth, its own kept
    const int y = RowY(1102);
    const platform::DcText& t = Only();
    EXPECT_EQ(t.text, "Gas peak");
    EXPECT_EQ(t.textColor, kBlue);
    const int left = 9 + 50 + 2;  // slot 1
    EXPECT_EQ(t.at, (platform::POINT{left + kR / 4, y + kR / 4}));
    const std::array<std::int32_t, 4> box = BoxOf(m);
    EXPECT_EQ(box[0], left);
    EXPECT_EQ(box[1], y);
    EXPECT_EQ(box[3] - y, int(2 * step * 0.75));
    EXPECT_EQ(StripOf(m), (std::array<std::int32_t, 4>{left, y, box[2], y + 2 * kR}));
    EXPECT_EQ(CornerOf(m), (std::array<std::int32_t, 4>{box[2] - 4 * kR, box[3] - 4 * kR, box[2], box[3]}));
    ASSERT_EQ(state.hits.count, 1);
    EXPECT_EQ(state.hits.boxes[0], (platform::RECT{box[0], box[1], box[2], box[3]}));
    EXPECT_EQ(state.hits.memo[0], 0);

    // With the frame on, the box is outlined in black on the screen.
    memos[0].drawRectangle = 1;
    memos[0].frameColour = RGB(255, 255, 200);
    image.fill(Qt::white);
    Draw();
    EXPECT_EQ(dc.GetPixel(BoxOf(memos[0])[0], BoxOf(memos[0])[1] + 3), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(BoxOf(memos[0])[0] + 1, BoxOf(memos[0])[1] + 1), RGB(255, 255, 200));
}

TEST_F(MemoDrawing, WhichMemosAreDrawn)
{
    // A memo just below the first depth that the memo dialog accepts is skipped, not the end of all.
    memos = {Memo(1010, "head"), Memo(1050, "below the head"), Memo(2100, "past the file")};
    g.viewTopDepth = 1000;
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"below the head"}));

    // Memos above the view's top lose their boxes; the hit table counts from the first one below.
    memos = {Memo(1050, "above"), Memo(1100, "in view")};
    memos[0].box[2] = 99;
    g.viewTopDepth = 1090;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"in view"}));
    EXPECT_EQ(BoxOf(memos[0])[2], 0);
    EXPECT_EQ(state.hits.firstMemo, 1);

    // Compressed scales: only "DRAW ON ONE INCH"; normal scales leave "ONE INCH ONLY" out; a shown
    // flag of 0 empties the text in memory.
    memos = {Memo(1100, "plain"), Memo(1110, "one inch"), Memo(1120, "only on one inch"), Memo(1130, "hidden")};
    memos[1].oneInch = 1;
    memos[2].oneInch = memos[2].oneInchOnly = 1;
    memos[3].shown = 0;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"plain", "one inch"}));
    EXPECT_EQ(memos[3].text[0], '\0');
    g.scaleIndex = 3;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"one inch", "only on one inch"}));

    // Memos and descriptions follow their track flags; custom tracks draw the descriptions themselves.
    g.scaleIndex = 1;
    memos = {Memo(1100, "memo"), Description(1110, "description")};
    g.trackFlags[layout::FLAG_MEMOS] = 0;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"description"}));
    g.trackFlags[layout::FLAG_MEMOS] = 1;
    options.customTracks = true;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(Texts(), (std::vector<QString>{"memo"}));
}

TEST_F(MemoDrawing, RedStarsCapitalsAndDescriptions)
{
    memos = {Memo(1100, "*kick"), Description(1110, "sh gy sft"), Memo(1120, "note")};
    options.allCaps = true;
    Draw();
    ASSERT_EQ(dc.TextRecord().size(), 3u);
    EXPECT_EQ(dc.TextRecord()[0].text, "kick");
    EXPECT_EQ(dc.TextRecord()[0].textColor, kRed);
    EXPECT_EQ(dc.TextRecord()[1].text, "SH GY SFT");
    EXPECT_EQ(std::int32_t(memos[1].slot), 19);  // its slot taken anew from the right-hand region
    EXPECT_EQ(dc.TextRecord()[1].at.x, 509 + 2 + kR / 4);
    EXPECT_EQ(dc.TextRecord()[2].text, "note");  // plain memos keep their case
    // While drilling the "*" is drawn too.
    options.drilling = true;
    dc.RecordText(true);
    Draw();
    EXPECT_EQ(dc.TextRecord()[0].text, "*kick");
    EXPECT_EQ(dc.TextRecord()[0].textColor, kRed);
    // A mode above 0 draws only the descriptions, at x = mode, and leaves the log body's boxes alone.
    dc.RecordText(true);
    Draw(600);
    EXPECT_EQ(state.hits.count, 3);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "SH GY SFT");
    EXPECT_EQ(dc.TextRecord()[0].at.x, 600 + kR / 4);
}

// A survey station's description, written by the program without line breaks that fit: its box and
// text stay inside the descriptions column (509 .. 739, the gas track from 739), nothing drawn over
// the gas track, and every word is written.
TEST_F(MemoDrawing, ADescriptionStaysInsideItsColumn)
{
    memos = {Description(1110, "Survey@ 2580.00m MD\nIncl:35.00  Azim:134.60  TVD:2488.10 VS:337.20 DLS:1.25")};
    memos[0].drawRectangle = 1;
    Draw();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ink |= QRect(x, y, 1, 1);
    EXPECT_GE(ink.left(), 509);
    EXPECT_LT(ink.right(), 739) << "the description runs over the gas track";
    QString written;
    for (const platform::DcText& t : dc.TextRecord())
        written += t.text + " ";
    EXPECT_EQ(written.simplified(), "Survey@ 2580.00m MD Incl:35.00 Azim:134.60 TVD:2488.10 VS:337.20 DLS:1.25");
}

TEST_F(MemoDrawing, LongTextsStayInsideTheLineTable)
{
    std::string text;
    for (int i = 1; i <= 60; ++i)
        text += "L" + std::to_string(i) + "\r\n";
    wellfile::SVMEMO many = Memo(1100, "");
    std::snprintf(many.text, sizeof many.text, "%s", text.c_str());
    wellfile::SVMEMO wide = Memo(1100, std::string(300, 'w').c_str());
    // Lines past the log's bottom are not drawn on screen: draw into an image without that stop.
    device.imageExport = true;
    memos = {many, wide};
    Draw();
    const std::vector<QString> texts = Texts();
    ASSERT_EQ(texts.size(), 50u);
    EXPECT_EQ(texts[48], "L49");
    EXPECT_EQ(texts[49], QString(199, 'w'));
    EXPECT_EQ(state.hits.count, 0);  // images keep no hit boxes

    MemoLines lines;
    SplitMemoLines("a\r\r\nb\n\nc", 9, 1000, lines);
    EXPECT_EQ(lines.count, 3);
    EXPECT_STREQ(lines.text[2].data(), "c");
}

TEST_F(MemoDrawing, TheHitTableStopsAt200Boxes)
{
    for (int i = 0; i < 250; ++i)
        memos.push_back(Memo(1100, "x", i % 24));
    Draw();
    EXPECT_EQ(state.hits.count, kMaxMemoHits);
    EXPECT_EQ(state.hits.memo[199], 199);
    EXPECT_NE(BoxOf(memos[199])[2], 0);
    EXPECT_EQ(BoxOf(memos[200])[2], 0);  // drawn, but no box kept
    EXPECT_EQ(dc.TextRecord().size(), 250u);
    MemoPass pass{dc, g, device, memos, state, state.page, options};
    EXPECT_EQ(DrawMemoBox(pass, 250, 3, kR, 77, 0), 77);  // no such memo
    EXPECT_EQ(DrawMemoBox(pass, -1, 3, kR, 77, 0), 77);
}

TEST(MemoPrintFont, ScaledByThePrintedRowAndFactor)
{
    logview::PrinterGeometry p;
    p.rowHeight = 24;
    const platform::LOGFONTA f = platform::MakeLogFont("Arial", -12, 7, 0, 400);
    platform::LOGFONTA out = MemoPrintFont(f, p);
    EXPECT_EQ(out.lfHeight, -26);
    EXPECT_EQ(out.lfWeight, 500);
    EXPECT_EQ(out.lfWidth, 0);
    EXPECT_STREQ(out.lfFaceName, "Arial");
    p.scaleFactor = 1.5f;
    EXPECT_EQ(MemoPrintFont(f, p).lfHeight, -26);
    p.scaleFactor = 0.5f;
    EXPECT_EQ(MemoPrintFont(f, p).lfHeight, -13);
}

TEST(MemoLabels, SlotNumbersOverTheLog)
{
    const logview::ViewGeometry g = DemoGeometry();
    QImage image = testing_support::White(1400, 400);
    platform::Dc dc(image);
    dc.RecordText(true);
    DrawMemoLabel(dc, g, false);
    const std::vector<platform::DcText>& t = dc.TextRecord();
    ASSERT_EQ(t.size(), 25u);
    // 5 rate cells of 10 a label; "11" at the gas track; after "12" to "19" 5 gas cells of 9 less 7.
    for (int k = 0; k < 25; ++k) {
        const platform::DcText& label = t[std::size_t(k)];
        const int x = k <= 10 ? 9 + 50 * k : k == 11 ? 739 : 789 + 38 * std::min(k - 12, 8) + 50 * std::max(k - 20, 0);
        EXPECT_EQ(label.text, QString::number(k));
        EXPECT_EQ(label.at, (platform::POINT{x, kT + 2 * kR})) << k;
        EXPECT_EQ(label.textColor, kRed);
        EXPECT_EQ(label.align, unsigned(platform::TA_BASELINE | platform::TA_CENTER));
    }

    dc.SetBkColor(RGB(240, 240, 240));
    dc.RecordText(true);
    DrawMemoLabel(dc, g, true);
    ASSERT_EQ(dc.TextRecord().size(), 25u);
    EXPECT_EQ(dc.TextRecord()[7].textColor, RGB(240, 240, 240));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));  // the Dc's own colour is back
}

TEST(MemoPaper, AMemoCutByThePageGoesOnAtTheTopOfTheNext)
{
    // 300 dpi pages 1200 x 1500 px; printed rows of 30 px; the page's rows end at y 1100.
    logview::ViewGeometry g = DemoGeometry();
    logview::Device device;
    device.printing = true;
    logview::PrinterGeometry& p = device.printer;
    p.rowHeight = 30;
    p.rateLeft = 30;
    p.rateCellWidth = 30;
    p.gasLeft = 700;
    p.gasRight = 1100;
    p.gasUnits = p.gas2Units = 20;
    p.descriptionLeft = 600;
    p.unitWidth = 30;
    p.logRight = 1150;
    constexpr int kPageBottom = 1100, kPR = 30;

    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "LINE" + std::to_string(i) + "\r\n";
    // Two ten-line memos side by side reach the page's bottom together; a third starts below it.
    std::vector<wellfile::SVMEMO> memos{Memo(1030, ""), Memo(1032, "", 12), Memo(1060, "DEEPER")};
    std::snprintf(memos[0].text, sizeof memos[0].text, "%s", text.c_str());
    text.clear();
    for (int i = 1; i <= 10; ++i)
        text += "TEXT" + std::to_string(i) + "\r\n";
    std::snprintf(memos[1].text, sizeof memos[1].text, "%s", text.c_str());
    memos[0].drawRectangle = 1;

    shell::ViewPainters painters;
    MemoDrawState state;
    painters.memos = [&] { return MemoSource{memos, &state, {}}; };

    const QString file = testing_support::TestDir() + "memos.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(288, 360), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc dc(writer);
        const logview::PaintTarget target{dc, g, device};
        painters.DrawMemos(target, 1000, logview::PageBottomY{kPageBottom}, kPR, 0);
        ASSERT_EQ(state.page.count, 2);
        dc.NewPage();
        // The first cut memo drawn on its own; a memo that was not cut draws nothing that way; the next
        // page's memos (from 1037) come after the rest of the other cut one.
        painters.DrawMemoBox(target, painters.PendingMemo(), kPR, 0, 0);
        painters.DrawMemoBox(target, 2, kPR, 0, 0);
        painters.DrawMemos(target, 1037, logview::PageBottomY{kPageBottom}, kPR, 0);
        EXPECT_EQ(painters.PendingMemo(), -1);
    }
    ASSERT_EQ(testing_support::PdfPageCount(file), 2);
    const QStringList pages = testing_support::PdfText(file).split('\f');
    ASSERT_GE(pages.size(), 2);
    for (const char* word : {"LINE", "TEXT"}) {
        int onFirst = 0, onSecond = 0;
        for (int i = 1; i <= 10; ++i) {
            const QRegularExpression line(QStringLiteral("\\b%1%2\\b").arg(word).arg(i));
            const bool first = pages[0].contains(line), second = pages[1].contains(line);
            EXPECT_NE(first, second) << word << i;  // on exactly one page
            if (first) {
                EXPECT_EQ(onSecond, 0) << word << i;  // page 2 goes on where page 1 stopped
                ++onFirst;
            }
            onSecond += second;
        }
        EXPECT_GE(onFirst, 2) << word;
        EXPECT_GE(onSecond, 2) << word;
    }
    // A memo that starts below the page's rows is left for the next page.
    EXPECT_FALSE(pages[0].contains("DEEPER"));
    EXPECT_EQ(pages[1].count("DEEPER"), 1);
}

TEST(MemoPaper, TheCustomTrackKeepsItsOwnCutDescription)
{
    logview::ViewGeometry g = DemoGeometry();
    logview::Device device;
    device.printing = true;
    device.printer.rowHeight = 30;
    device.printer.logRight = 1150;
    std::vector<wellfile::SVMEMO> memos{Description(1020, "A\r\nB\r\nC\r\nD\r\nE\r\nF"), Memo(1020, "G\r\nH\r\nI\r\nJ")};
    shell::ViewPainters painters;
    tracks::PainterState trackState;
    painters.trackState = &trackState;
    MemoDrawState state;
    painters.memos = [&] { return MemoSource{memos, &state, {}}; };
    QImage page = testing_support::White(1200, 1500);
    platform::Dc dc(page);
    const logview::PaintTarget target{dc, g, device};
    // The track's rows end where the description's second line would stand.
    painters.DrawMemosAt(target, 1000, 640, 30, 0, 400);
    ASSERT_TRUE(state.customTrack.Pending());
    EXPECT_EQ(trackState.pending.memo, 0);
    EXPECT_FALSE(state.page.Pending());
    // The log body's own drawing on the same page leaves the track's pending memo alone.
    painters.DrawMemos(target, 1000, logview::PageBottomY{1100}, 30, 0);
    EXPECT_TRUE(state.customTrack.Pending());
    dc.RecordText(true);
    painters.DrawMemoBox(target, 0, 30, 0, 400);
    ASSERT_FALSE(dc.TextRecord().empty());
    EXPECT_NE(dc.TextRecord().front().text, "A");
    EXPECT_EQ(dc.TextRecord().back().text, "F");
    EXPECT_FALSE(state.customTrack.Pending());
}
