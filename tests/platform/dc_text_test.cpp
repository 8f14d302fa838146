// Text: face substitution, cells, alignment, DrawText and metrics on images.
#include "platform/draw/dc.h"
#include "platform/draw/fonts.h"
#include "support/images.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Ink;
using testing_support::White;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

}  // namespace

// Extents depend on these fonts: a machine without them must fail here, not draw other extents.
TEST(DcText, FacesResolveToTheInstalledStandIns)
{
    struct Case {
        const char* face;
        const char* family;
        bool bold;
    };
    for (const Case& c : {Case{"Arial", "Liberation Sans", false}, Case{"Arial Bold", "Liberation Sans", true},
                          Case{"Courier New", "Liberation Mono", false}, Case{"Times New Roman", "Liberation Serif", false},
                          Case{"Verdana", "DejaVu Sans", false}, Case{"Tahoma", "DejaVu Sans", false},
                          Case{"Georgia", "DejaVu Serif", false}, Case{"System", "DejaVu Sans Mono", false},
                          Case{"Fixedsys", "DejaVu Sans Mono", false}}) {
        const QFont f = MakeQFont(Font(c.face, -14), 96);
        const QFontInfo info(f);
        EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << c.face;
        EXPECT_EQ(info.bold(), c.bold) << c.face;
        EXPECT_EQ(info.pixelSize(), 14) << c.face;
    }
    EXPECT_EQ(SubstituteFace("Some Unknown Face", FF_ROMAN).family, "DejaVu Serif");
    EXPECT_EQ(SubstituteFace("Other", FIXED_PITCH).family, "DejaVu Sans Mono");
}

TEST(DcText, HeightsAndMetrics)
{
    QImage img = White(10, 10);
    Dc dc(img);
    dc.SelectObject(Font("Arial", -20));
    TEXTMETRIC tm = dc.GetTextMetrics();
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);  // negative: the character height
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GT(tm.tmAveCharWidth, 5);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    dc.SelectObject(Font("Arial", 20, FW_BOLD));
    tm = dc.GetTextMetrics();
    EXPECT_NEAR(tm.tmHeight, 20, 1);  // positive: the cell height
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(dc.GetTextExtent("AB").cy, tm.tmHeight);
    // Windows-1252 text: 0xB0 is the degree sign.
    EXPECT_EQ(dc.GetTextExtent("10\xB0", -1), dc.GetTextExtent(QString::fromUtf8("10\u00B0")));
    EXPECT_GT(dc.GetTextExtent("WWW").cx, dc.GetTextExtent("iii").cx);
    Font wide("Arial", -20);
    wide.width = 2 * tm.tmAveCharWidth;
    dc.SelectObject(Font("Arial", -20));
    const int normal = dc.GetTextExtent("MMMM").cx;
    dc.SelectObject(wide);
    EXPECT_GT(dc.GetTextExtent("MMMM").cx, normal * 3 / 2);
}

TEST(DcText, OpaqueTextFillsItsCellAndTransparentDoesNot)
{
    for (int mode : {OPAQUE, TRANSPARENT}) {
        QImage img = White(120, 40);
        Dc dc(img);
        dc.SelectObject(Font("Arial", -16));
        dc.SetBkMode(mode);
        dc.SetBkColor(RGB(255, 0, 0));
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(10, 5, "Hi 1");
        const SIZE ext = dc.GetTextExtent("Hi 1");
        int red = 0, blue = 0, other = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) {
                const COLORREF c = dc.GetPixel(x, y);
                const bool inCell = x >= 10 && x < 10 + ext.cx && y >= 5 && y < 5 + ext.cy;
                if (c == RGB(0, 0, 255))
                    ++blue;
                else if (c == RGB(255, 0, 0)) {
                    ++red;
                    EXPECT_TRUE(inCell) << x << "," << y;
                } else if (c != kWhite)
                    ++other;  // no antialiasing: nothing in between
                else if (mode == OPAQUE) {
                    EXPECT_FALSE(inCell) << x << "," << y;
                }
            }
        EXPECT_GT(blue, 20);
        EXPECT_EQ(other, 0);
        EXPECT_EQ(red > 0, mode == OPAQUE);
    }
}

TEST(DcText, AlignmentPutsTheReferencePointWhereAsked)
{
    QImage img = White(200, 80);
    Dc dc(img);
    dc.SelectObject(Font("Arial", -20));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.TextOut(100, 50, "HHH");
    const RECT ink = Ink(dc, 200, 80, kBlack);
    EXPECT_EQ(ink.bottom, 50);  // the capitals stand on the baseline
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2);

    QImage img2 = White(200, 80);
    Dc dc2(img2);
    dc2.SelectObject(Font("Arial", -20));
    dc2.SetBkColor(RGB(255, 0, 0));
    dc2.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc2.TextOut(150, 60, "Hg");
    const SIZE ext = dc2.GetTextExtent("Hg");
    EXPECT_EQ(Ink(dc2, 200, 80, RGB(255, 0, 0)).right <= 150, true);
    const RECT cell = Ink(dc2, 200, 80, RGB(255, 0, 0));
    EXPECT_EQ(cell.bottom, 60);
    EXPECT_EQ(cell.top, 60 - ext.cy);
    EXPECT_EQ(cell.right, 150);
}

TEST(DcText, EscapementTurnsTextUpwards)
{
    QImage img = White(100, 200);
    Dc dc(img);
    Font up("Arial", -16);
    up.escapement = 900;
    dc.SelectObject(up);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(40, 150, "Vertical");
    const RECT ink = Ink(dc, 100, 200, kBlack);
    const SIZE ext = dc.GetTextExtent("Vertical");
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.right, 40 + ext.cy);
    EXPECT_LE(ink.bottom, 150);
    EXPECT_GE(ink.top, 150 - ext.cx - 1);
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
}

TEST(DcText, DrawTextWrapsPlacesAndClips)
{
    QImage img = White(200, 120);
    Dc dc(img);
    dc.SelectObject(Font("Arial", -12));
    const int lh = dc.GetTextMetrics().tmHeight;
    RECT calc{10, 10, 70, 10};
    const int h = dc.DrawText("one two three four five six", -1, calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(h, 3 * lh);
    EXPECT_EQ(h % lh, 0);
    EXPECT_EQ(calc.bottom, 10 + h);
    EXPECT_LE(calc.right, 70);
    EXPECT_EQ(Ink(dc, 200, 120, kBlack).right, 0);  // CALCRECT draws nothing

    // Centred both ways in a single line.
    dc.SetBkMode(TRANSPARENT);
    RECT box{20, 20, 180, 60};
    dc.DrawText("HHHH", -1, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = Ink(dc, 200, 120, kBlack);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 40, 4);

    // Clipped to the rectangle unless DT_NOCLIP; "&&" is one ampersand.
    QImage img2 = White(200, 60);
    Dc dc2(img2);
    dc2.SelectObject(Font("Arial", -20));
    RECT small{10, 10, 30, 20};
    dc2.DrawText("WWWWWW", -1, small, DT_LEFT);
    EXPECT_EQ(Ink(dc2, 200, 60, kBlack).right, 30);
    EXPECT_LE(Ink(dc2, 200, 60, kBlack).bottom, 20);
    RECT loose{10, 30, 30, 40};
    dc2.DrawText("WWWWWW", -1, loose, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(Ink(dc2, 200, 60, kBlack).right, 60);
    RECT amp{0, 0, 0, 0};
    dc2.DrawText("A&&B", -1, amp, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(amp.right, dc2.GetTextExtent("A&B").cx);
}

TEST(DcText, TheTextRecordHoldsWhatWasAskedWhileItIsOn)
{
    QImage img = White(200, 100);
    Dc dc(img);
    dc.TextOut(1, 1, "before");  // not recorded: the record is off
    dc.RecordText(true);
    const Font font("Arial", -12, FW_BOLD);
    dc.SelectObject(font);
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkColor(RGB(0, 0, 255));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(50, 40, "S\xB0", -1);
    RECT measure{0, 0, 100, 20};
    dc.DrawText("measured only", -1, measure, DT_CALCRECT);
    RECT box{10, 60, 150, 90};
    dc.DrawText(QStringLiteral("&Box"), box, DT_CENTER | DT_SINGLELINE);

    const std::vector<DcText>& r = dc.TextRecord();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].at, (POINT{50, 40}));
    EXPECT_EQ(r[0].text, QString::fromUtf8("S\u00B0"));
    EXPECT_EQ(r[0].align, unsigned(TA_CENTER | TA_BASELINE));
    EXPECT_EQ(r[0].textColor, RGB(255, 0, 0));
    EXPECT_EQ(r[0].bkColor, RGB(0, 0, 255));
    EXPECT_EQ(r[0].bkMode, TRANSPARENT);
    EXPECT_EQ(r[0].font, font);
    EXPECT_FALSE(r[0].drawText);
    EXPECT_TRUE(r[1].drawText);
    EXPECT_EQ(r[1].text, QStringLiteral("&Box"));
    EXPECT_EQ(r[1].rect, box);
    EXPECT_EQ(r[1].align, unsigned(DT_CENTER | DT_SINGLELINE));
    // The glyphs are still drawn.
    EXPECT_NE(Ink(dc, 200, 100, RGB(255, 0, 0)).right, 0);

    dc.RecordText(false);
    dc.TextOut(1, 1, "after");
    EXPECT_EQ(dc.TextRecord().size(), 2u);
    dc.RecordText(true);
    EXPECT_TRUE(dc.TextRecord().empty());
}
