// Show entry on an entry buffer: the letter check by profile, the fluorescence reading, what each column
// stores with its colour, the refusals that change nothing, and the four cursors.
#include "entry/entrybuffer.h"
#include "entry/showentry.h"
#include "support/entrywindow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using entry::ShowEntry;
using entry::ShowOutcome;
using wellfile::RECORD;
using namespace entry;

namespace {

// An entry buffer of 110 records: record 0 is `top`, `count` records, then the end mark.
std::vector<RECORD> Buffer(int top, int count)
{
    return testing_support::EntryBuffer(top, count, entry::kEntryBufferRecords);
}

struct Shows {
    std::vector<RECORD> buffer;
    ShowColours kept { 0x0000FF, 0x00FF00, 0xFF0000 };
    std::int32_t rowCounter = 0;
    ShowEntry entry;
    explicit Shows(int profile = 12, std::vector<RECORD> b = Buffer(990, 100), std::int32_t last = 1500)
        : buffer(std::move(b))
        , entry(buffer, ShowSettings { profile, false, last }, kept, 260, 10, rowCounter)
    {
    }
    RECORD& At(int index) { return buffer[std::size_t(index)]; }
};

}  // namespace

TEST(ShowLetters, TheLettersEachProfileTakes)
{
    EXPECT_EQ(CheckShowLetter('p', 12, SHOW_POROSITY).check, LetterCheck::Ok);
    EXPECT_EQ(CheckShowLetter('T', 12, SHOW_CUT).check, LetterCheck::Ok);
    EXPECT_EQ(CheckShowLetter('0', 12, SHOW_CUT).check, LetterCheck::Ok);
    const LetterResult x = CheckShowLetter('x', 12, SHOW_POROSITY);
    EXPECT_EQ(x.check, LetterCheck::Refused);
    EXPECT_EQ(x.message, "Valid entries = 0, t,p,f or g");
    const LetterResult t37 = CheckShowLetter('t', 37, SHOW_POROSITY);
    EXPECT_EQ(t37.check, LetterCheck::Refused);
    EXPECT_EQ(t37.message, "Valid entries = 0, p,f or g");
    EXPECT_EQ(t37.caption, "StrativM");
    EXPECT_EQ(CheckShowLetter('t', 37, SHOW_CUT).check, LetterCheck::Ok);
    EXPECT_EQ(CheckShowLetter('7', 8, SHOW_POROSITY).check, LetterCheck::Ok);
    EXPECT_EQ(CheckShowLetter('p', 31, SHOW_CUT).check, LetterCheck::Dropped);
    EXPECT_EQ(CheckShowLetter('\0', 12, SHOW_CUT).check, LetterCheck::Refused);
}

TEST(ShowLetters, FluorescenceReadingsAndTheTextsOfTheColumns)
{
    struct Case {
        const char* text;
        int percent;
        char quality;
    };
    const Case cases[] = { { "30f", 30, 'f' }, { "45", 45, 'g' }, { "150", 150, 'g' }, { "100T", 100, 't' },
        { "10000", 1000, 'g' }, { "p", 0, 'p' }, { "5 f", 5, 'g' } };
    for (const Case& c : cases) {
        const FluorescenceReading r = ReadFluorescence(c.text);
        EXPECT_EQ(r.percent, c.percent) << c.text;
        EXPECT_EQ(r.quality, c.quality) << c.text;
    }
    EXPECT_EQ(ShowPrompt(ShowColumnName(SHOW_POROSITY, 12, false), 1001), "Enter POR  for  1001");
    EXPECT_EQ(ShowColumnName(SHOW_CUT, 11, false), "SHOW");
    EXPECT_EQ(ShowColumnName(SHOW_CALCIMETER, 12, true), "Hardness");
    EXPECT_EQ(ValidValuesText(SHOW_POROSITY, 37, false), "p f g");
    EXPECT_EQ(ValidValuesText(SHOW_FLUORESCENCE, 8, false), "1-10");
    EXPECT_EQ(ValidValuesText(SHOW_CALCIMETER, 12, true), "0-100 ");
    EXPECT_EQ(SetupValidValuesText(31), "1-10");
}

TEST(ShowEntry, EachColumnStoresItsValueAndColour)
{
    Shows s;
    EXPECT_EQ(s.entry.StartDepth(), 1001);
    EXPECT_EQ(s.entry.Enter("P").outcome, ShowOutcome::Stored);
    EXPECT_EQ(s.At(11).porosity, 'p');

    s.entry.Select(SHOW_FLUORESCENCE);
    ShowKeyResult f = s.entry.Enter("30f");
    ASSERT_EQ(f.outcome, ShowOutcome::Stored);
    EXPECT_EQ(f.rows, 2);
    EXPECT_EQ(s.At(11).fluorPercent, 30);
    EXPECT_EQ(s.At(11).fluorQuality, 'f');
    EXPECT_EQ(std::uint32_t(s.At(11).fluorColour), 0x0000FFu);
    EXPECT_EQ(std::uint32_t(s.At(12).fluorColour), 0x0000FFu); // the record below takes the colour too
    s.entry.SetColour(0x123456);
    EXPECT_EQ(s.entry.Enter("0").outcome, ShowOutcome::Stored);
    EXPECT_EQ(std::uint32_t(s.At(12).fluorColour), kNoColour);
    EXPECT_EQ(std::uint32_t(s.At(13).fluorColour), 0x123456u);
    EXPECT_EQ(s.kept.fluorescence, 0x123456u);

    s.entry.Select(SHOW_CUT);
    EXPECT_EQ(s.entry.Enter("g").outcome, ShowOutcome::Stored);
    EXPECT_EQ(s.At(11).cutRating, 'g');
    EXPECT_EQ(std::uint32_t(s.At(11).ratingColour), 0x00FF00u);
    EXPECT_EQ(s.entry.Enter("0").outcome, ShowOutcome::Stored);
    EXPECT_EQ(std::uint32_t(s.At(12).ratingColour), kNoColour);

    s.entry.Select(SHOW_CALCIMETER);
    s.At(11).hardnessColour = 0x777777;
    EXPECT_EQ(s.entry.Enter("0").outcome, ShowOutcome::Stored);
    EXPECT_EQ(s.At(11).hardness, 0);
    EXPECT_EQ(std::uint32_t(s.At(11).hardnessColour), kNoColour);
    EXPECT_EQ(s.entry.Enter("55").outcome, ShowOutcome::Stored);
    EXPECT_EQ(s.At(12).hardness, 55);
    EXPECT_EQ(std::uint32_t(s.At(12).hardnessColour), 0xFF0000u);

    // Every cursor moved on its own.
    EXPECT_EQ(s.entry.Row(SHOW_POROSITY).index, 12);
    EXPECT_EQ(s.entry.Row(SHOW_FLUORESCENCE).index, 13);
    EXPECT_EQ(s.entry.Row(SHOW_CUT).index, 13);
    EXPECT_EQ(s.entry.Row(SHOW_CALCIMETER).index, 13);
    EXPECT_EQ(s.rowCounter, 7);
}

TEST(ShowEntry, RefusalsChangeNothing)
{
    Shows s;
    const RECORD before = s.At(11);
    EXPECT_EQ(s.entry.Enter("x").outcome, ShowOutcome::WrongLetter);
    s.entry.Select(SHOW_FLUORESCENCE);
    const ShowKeyResult big = s.entry.Enter("150");
    EXPECT_EQ(big.outcome, ShowOutcome::OutOfRange);
    EXPECT_EQ(big.message, "You entered 150, which is out of range");
    EXPECT_EQ(big.caption, "Value Out of Range");
    s.entry.Select(SHOW_CALCIMETER);
    EXPECT_EQ(s.entry.Enter("101").outcome, ShowOutcome::OutOfRange);
    // A negative value would wrap round in the 16-bit field.
    const ShowKeyResult negative = s.entry.Enter("-5");
    EXPECT_EQ(negative.outcome, ShowOutcome::OutOfRange);
    EXPECT_EQ(negative.message, "You entered -5, which is out of range");
    EXPECT_EQ(std::memcmp(&before, &s.At(11), sizeof before), 0);
    EXPECT_EQ(s.entry.Row(SHOW_CALCIMETER).index, 11);
}

TEST(ShowEntry, ProfilesWithNumberedRatingsAndTheBlackCut)
{
    Shows numbered(8);
    EXPECT_EQ(numbered.entry.Enter("7").outcome, ShowOutcome::Stored);
    EXPECT_EQ(numbered.At(11).porosity, 7);
    EXPECT_EQ(numbered.entry.Enter("p").outcome, ShowOutcome::Dropped);
    EXPECT_EQ(numbered.entry.Row(SHOW_POROSITY).index, 12);

    Shows p37(37);
    EXPECT_EQ(p37.entry.Enter("t").outcome, ShowOutcome::WrongLetter);
    EXPECT_EQ(p37.entry.Enter("f").outcome, ShowOutcome::Stored);
    p37.entry.Select(SHOW_FLUORESCENCE);
    p37.entry.Enter("20t");
    EXPECT_EQ(p37.At(11).fluorQuality, 'g');

    Shows black;
    black.kept.cut = 0;
    ShowEntry entry(black.buffer, ShowSettings { 12, false, 1500 }, black.kept, 260, 10, black.rowCounter);
    entry.Select(SHOW_CUT);
    const ShowKeyResult cut = entry.Enter("p");
    EXPECT_EQ(cut.outcome, ShowOutcome::Stored);
    EXPECT_TRUE(cut.blackCut);
    EXPECT_FALSE(entry.Enter("0").blackCut);
}

TEST(ShowEntry, TheRecordBelowIsColouredOnlyWhenItWasRead)
{
    // Records 990 ... 1001 only: the record after 1001 is the end mark.
    Shows s(12, Buffer(990, 12));
    s.entry.Select(SHOW_FLUORESCENCE);
    const ShowKeyResult r = s.entry.Enter("40");
    EXPECT_EQ(r.outcome, ShowOutcome::Stored);
    EXPECT_EQ(r.rows, 1);
    EXPECT_EQ(std::uint32_t(s.At(12).fluorColour), 0u);
    EXPECT_EQ(s.entry.Enter("40").outcome, ShowOutcome::Refused);

    // Nor at the file's last depth.
    Shows last(12, Buffer(990, 100), 1001);
    last.entry.Select(SHOW_FLUORESCENCE);
    EXPECT_EQ(last.entry.Enter("40").rows, 1);
    EXPECT_EQ(std::uint32_t(last.At(12).fluorColour), 0u);
    EXPECT_EQ(last.entry.Enter("40").outcome, ShowOutcome::Refused); // the record above is the last depth's
}

TEST(ShowEntry, EmptyBoxCopiesTheColumnFromAboveAndUpStopsAtTheStart)
{
    Shows s;
    s.At(10).fluorPercent = 60;
    s.At(10).fluorQuality = 'p';
    s.entry.Select(SHOW_FLUORESCENCE);
    EXPECT_EQ(s.entry.Up().outcome, ShowOutcome::Refused);
    EXPECT_EQ(s.entry.Enter("").outcome, ShowOutcome::Stored);
    EXPECT_EQ(s.At(11).fluorPercent, 60);
    EXPECT_EQ(s.At(11).fluorQuality, 'p');
    EXPECT_EQ(s.entry.Up().outcome, ShowOutcome::Moved);
    EXPECT_EQ(s.entry.Row(SHOW_FLUORESCENCE).index, 11);
    for (int k = 0; k < 5; ++k)
        s.entry.Down();
    s.entry.Select(SHOW_CUT);
    EXPECT_EQ(s.entry.Prompt(), "Enter CUT  for  1001");
}
