// The print fonts of a run at row height 24 and width unit 30 (a 300-dpi printer).
#include "print/printfonts.h"

#include "platform/text.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace print;

namespace {

PrintState Printer300()
{
    PrintState s;
    s.rowHeight = 24;
    s.columnUnit = 30;
    return s;
}

struct Expect {
    const char* face;
    int height;
    int width;
};

void ExpectFont(const PrintState& s, int slot, Expect e, const char* what)
{
    ASSERT_TRUE(s.fonts[std::size_t(slot)].has_value()) << what;
    const LOGFONTA& f = *s.fonts[std::size_t(slot)];
    EXPECT_EQ(FieldText(f.lfFaceName), e.face) << what;
    // Packed fields are read by value.
    EXPECT_EQ(int(f.lfHeight), e.height) << what;
    EXPECT_EQ(int(f.lfWidth), e.width) << what;
    EXPECT_EQ(int(f.lfWeight), FW_NORMAL) << what;
    EXPECT_EQ(int(f.lfCharSet), DEFAULT_CHARSET) << what;
}

}  // namespace

TEST(PrintFonts, TitleFaceDependsOnTheProfile)
{
    for (int profile : {10, 12, 82, 84}) {
        PrintState s = Printer300();
        SetPrintFonts(s, profile);
        ExpectFont(s, FONT_TITLE, {profile == 10 ? "CopperPlate Gothic Bold" : "Arial Bold", 22, 0}, "title");
    }
}

TEST(PrintFonts, BodyAndSmallFontsOfTheNormalAndNarrowFormats)
{
    PrintState s = Printer300();
    SetPrintFonts(s, 10);
    ExpectFont(s, FONT_BODY, {"Courier New Bold", 36, 25}, "normal body");
    EXPECT_EQ(int(s.fonts[FONT_BODY]->lfPitchAndFamily), FIXED_PITCH | FF_MODERN);
    ExpectFont(s, FONT_SMALL, {"Arial Bold", 36, 18}, "small");
    EXPECT_EQ(int(s.fonts[FONT_SMALL]->lfPitchAndFamily), FIXED_PITCH);
    ExpectFont(s, FONT_HEADER, {"Arial Bold", 36, 18}, "header is the small font");

    s.narrowFormat = true;
    SetPrintFonts(s, 10);
    ExpectFont(s, FONT_BODY, {"Courier New Bold", 31, 30}, "narrow body");

    s.v305LexPrinter = true;
    SetPrintFonts(s, 10);
    ExpectFont(s, FONT_BODY, {"Arial", 24, 27}, "narrow body on a V305/LEX printer");
    ExpectFont(s, FONT_SMALL, {"Arial Bold", -27, 0}, "small on a V305/LEX printer");

    s.profileOptions.condensed = true;
    SetPrintFonts(s, 10);
    EXPECT_EQ(int(s.fonts[FONT_BODY]->lfWidth), 24);  // 0.8 x 30

    s.v305LexPrinter = false;
    s.profileOptions = {.alternateHeader = true, .copperplateText = true, .condensed = false};
    s.fonts[FONT_HEADER].reset();
    SetPrintFonts(s, 10);
    ExpectFont(s, FONT_BODY, {"Copperplate Gothic Bold", 24, 24}, "Copperplate body");
    EXPECT_FALSE(s.fonts[FONT_HEADER].has_value());  // the printed header makes its own
}

TEST(PrintFonts, ProfileSmallFonts)
{
    PrintState s = Printer300();
    SetPrintFonts(s, 17);
    ExpectFont(s, FONT_SMALL, {"Arial Bold", -27, 0}, "profile 17");
    SetPrintFonts(s, 81);
    ExpectFont(s, FONT_SMALL, {"Arial", -27, 0}, "profile 81");
    // Profile 60 has no small font of its own: small text is written in the body font.
    SetPrintFonts(s, 60);
    ASSERT_TRUE(s.fonts[FONT_SMALL].has_value());
    ExpectFont(s, FONT_SMALL, {"Courier New Bold", 36, 25}, "profile 60");
}

TEST(PrintFonts, LargePrint)
{
    PrintState s = Printer300();
    s.largePrint = true;
    s.twoAndHalfInch = true;
    SetPrintFonts(s, 10);
    ExpectFont(s, FONT_BODY, {"Copperplate Gothic Bold", -28, 19}, "large body, 2.5 in.");
    ExpectFont(s, FONT_SMALL, {"Copperplate Gothic Bold", -24, 15}, "large small, 2.5 in.");
    s.twoAndHalfInch = false;
    SetPrintFonts(s, 60);
    ExpectFont(s, FONT_BODY, {"Copperplate Gothic Bold", -24, 15}, "large body");
    ExpectFont(s, FONT_SMALL, {"Copperplate Gothic Bold", -18, 12}, "large small");
}

TEST(PrintFonts, RemadeManyTimesAndReleased)
{
    PrintState s = Printer300();
    for (int i = 0; i < 100; ++i)
        SetPrintFonts(s, i % 2 ? 17 : 10);
    ExpectFont(s, FONT_SMALL, {"Arial Bold", -27, 0}, "last call's small font");
    ReleasePrintFonts(s);
    for (const auto& slot : s.fonts)
        EXPECT_FALSE(slot.has_value());
}
