// Lithology entry on an entry buffer: the percentage check and the interpreted lithology made from a
// text, what Enter stores (and copies from above), the limits of the steps, the prompts and the resume
// depth left for the next entry.
#include "entry/entrybuffer.h"
#include "entry/lithentry.h"
#include "entry/lithhelp.h"
#include "platform/text.h"
#include "support/entrywindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using entry::LithEntry;
using entry::LithOutcome;
using wellfile::RECORD;

namespace {

// Record 0 is `top`; `count` records, then the end mark, 210 in all.
std::vector<RECORD> Buffer(int top, int count)
{
    std::vector<RECORD> b = testing_support::EntryBuffer(top, count, entry::kLithologyBufferRecords);
    for (int k = 0; k < count; ++k)
        platform::SetFieldText(b[std::size_t(k)].interpretedLith, "100SH");
    return b;
}

struct Lith {
    std::vector<RECORD> buffer;
    std::int32_t rowCounter = 0;
    LithEntry entry;
    explicit Lith(std::vector<RECORD> b, bool interpreted = false, std::int32_t last = 1500)
        : buffer(std::move(b))
        , entry(buffer, last, interpreted, 260, 10, rowCounter)
    {
    }
    std::string Text(int index) const { return platform::FieldText(buffer[std::size_t(index)].lith); }
    std::string Interpreted(int index) const { return platform::FieldText(buffer[std::size_t(index)].interpretedLith); }
};

}  // namespace

TEST(LithPercent, TextsThatTotalAHundredPassAndGiveTheirFirstRockAtAHundred)
{
    struct Case {
        const char* text;
        bool passes;
        const char* interpreted;
    };
    const Case cases[] = {
        { "80ls,20sh", true, "100ls" },
        { "100sh", true, "100sh" },
        { "60ls,30sh", false, "100ls" },
        { "65ls,35sh", false, "105ls" }, // the tens sum to 90
        { "65ls,45sh", true, "105ls" }, // 60 + 40
        { "105dolo", true, "105dolo" },
        { "80ls.20sh", true, "100ls" }, // any of the three separators
        { "50ss 30sh 20ls", true, "100ss" },
        { "50~ls,50~sh", true, "100~ls" }, // the fracture mark stays with the rock
        { "99sh", false, "99sh" },
        { "100sh,20ss", false, "100sh" }, // a third character that is a digit ends the walk
        { "80ls,,20sh", false, "100ls" }, // the empty item reads the next one's digit as its third
        { "", false, "" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entry::CheckPercent(c.text), c.passes) << c.text;
        EXPECT_EQ(entry::InterpretPercent(c.text), c.interpreted) << c.text;
    }
    // A first item with a long abbreviation keeps the interpretation within the record's field.
    const std::string longText = "55" + std::string(40, 'l') + ",45sh";
    EXPECT_LE(entry::InterpretPercent(longText).size(), 29u);
    EXPECT_EQ(entry::InterpretPercent(longText).substr(0, 3), "105");
}

TEST(LithEntry, EnterStoresTheTextAndItsInterpretationThenStepsDown)
{
    Lith l(Buffer(990, 100));
    EXPECT_EQ(l.entry.StartDepth(), 1001);
    const entry::LithKeyResult r = l.entry.Enter("80ls,20sh");
    ASSERT_EQ(r.outcome, LithOutcome::Stored);
    EXPECT_EQ(r.index, 11);
    EXPECT_EQ(l.Text(11), "80ls,20sh");
    EXPECT_EQ(l.Interpreted(11), "100ls");
    EXPECT_EQ(l.entry.Row().index, 12);
    EXPECT_EQ(l.entry.Row().y, 270);
    EXPECT_EQ(l.rowCounter, 1);

    // A text that does not total 100 stores nothing and stays.
    EXPECT_EQ(l.entry.Enter("60ls,30sh").outcome, LithOutcome::Invalid);
    EXPECT_EQ(l.Text(12), "100SH");
    EXPECT_EQ(l.entry.Row().index, 12);

    // An empty box copies both texts of the record above.
    EXPECT_EQ(l.entry.Enter("").outcome, LithOutcome::Stored);
    EXPECT_EQ(l.Text(12), "80ls,20sh");
    EXPECT_EQ(l.Interpreted(12), "100ls");

    // A typed text is cut to 29 characters.
    const std::string longText = "100" + std::string(40, 's');
    EXPECT_EQ(l.entry.Enter(longText).outcome, LithOutcome::Stored);
    EXPECT_EQ(l.Text(13), longText.substr(0, 29));
    EXPECT_EQ(l.buffer[13].lith[29], '\0');
}

TEST(LithEntry, InterpretedModeWritesAndCopiesOnlyTheInterpretedText)
{
    Lith l(Buffer(990, 100), true);
    platform::SetFieldText(l.buffer[10].lith, "70ss,30sh");
    platform::SetFieldText(l.buffer[10].interpretedLith, "100ss");
    EXPECT_EQ(l.entry.Enter("").outcome, LithOutcome::Stored);
    EXPECT_EQ(l.Text(11), "100SH");
    EXPECT_EQ(l.Interpreted(11), "100ss");
    EXPECT_EQ(l.entry.Enter("108ls").outcome, LithOutcome::Stored);
    EXPECT_EQ(l.Text(12), "100SH");
    EXPECT_EQ(l.Interpreted(12), "108ls");
    EXPECT_EQ(l.entry.Enter("50ls").outcome, LithOutcome::Invalid);
    // The resume depth is left alone by an interpreted entry.
    EXPECT_EQ(l.entry.ResumeDepthAfter(900), 900);
}

TEST(LithEntry, StepsStayWithinTheStartTheLastDepthAndTheRecordsRead)
{
    Lith l(Buffer(990, 15), false, 1003); // records 990 ... 1004; the file ends at 1003
    EXPECT_EQ(l.entry.Up().outcome, LithOutcome::Refused); // the record above is the start depth's
    EXPECT_EQ(l.entry.Down().outcome, LithOutcome::Moved);
    EXPECT_EQ(l.entry.Up().outcome, LithOutcome::Moved);
    EXPECT_EQ(l.entry.Down().outcome, LithOutcome::Moved);
    EXPECT_EQ(l.entry.Down().outcome, LithOutcome::Moved); // now at 1003
    EXPECT_EQ(l.entry.Down().outcome, LithOutcome::Refused);
    EXPECT_EQ(l.entry.Depth(), 1003);

    // A plain key steps on without storing, up to the end of the records read, never past it.
    EXPECT_EQ(l.entry.OtherKey().outcome, LithOutcome::Stored);
    EXPECT_EQ(l.entry.OtherKey().outcome, LithOutcome::Stored); // 1004, the last read
    EXPECT_EQ(l.entry.Depth(), 0);
    EXPECT_EQ(l.entry.OtherKey().outcome, LithOutcome::Refused);
    EXPECT_EQ(l.entry.Enter("100ls").outcome, LithOutcome::Refused);
    EXPECT_EQ(l.Text(14), "100SH");

    // At the buffer's very end nothing reads past it.
    std::vector<RECORD> full = Buffer(990, entry::kLithologyBufferRecords);
    Lith end(full, false, 5000);
    for (int k = 0; k < 300; ++k)
        end.entry.OtherKey();
    EXPECT_EQ(end.entry.Row().index, entry::kLithologyBufferRecords - 1);
    EXPECT_EQ(end.entry.Down().outcome, LithOutcome::Refused);
}

TEST(LithEntry, PromptsAndTheResumeDepth)
{
    using entry::LithPromptKind;
    EXPECT_EQ(entry::LithPrompt(LithPromptKind::Setup, false, 1001), "Enter Perc lith for  1000 to  1001");
    EXPECT_EQ(entry::LithPrompt(LithPromptKind::Setup, true, 1001), "Enter Intrp lith for  1000 to  1001");
    EXPECT_EQ(entry::LithPrompt(LithPromptKind::ModeChanged, false, 1001), "Enter Perc Lith for  1000 to  1001");
    EXPECT_EQ(entry::LithPrompt(LithPromptKind::Step, false, 1002), "Enter lith for  1001 to  1002");
    EXPECT_EQ(entry::LithPrompt(LithPromptKind::Step, true, 1002), "Enter Intrp Lith for  1001 to  1002");

    Lith l(Buffer(990, 100));
    l.entry.Enter("100ls");
    l.entry.Enter("100ls");
    EXPECT_EQ(l.entry.Depth(), 1003);
    EXPECT_EQ(l.entry.ResumeDepthAfter(0), 1002);
    EXPECT_EQ(l.entry.ResumeDepthAfter(1200), 1200); // never moved up
}

TEST(LithHelp, TheRowsOfTheRockTypesAndTheRules)
{
    EXPECT_EQ(entry::LithHelpHeader(), "  Lith               Min. Abbrv.        As Acc\r\n");
    const QStringList lines = entry::LithHelpText().split(QStringLiteral("\r\n"));
    ASSERT_GT(lines.size(), 37);
    EXPECT_EQ(lines[0], "  Limestone          l                  4");
    EXPECT_EQ(lines[8], "  Pyrite             n/a                7");
    EXPECT_EQ(lines[36].trimmed(), "Blank (no lith)    bl");
    // Every row's abbreviation selects its rock: the column lines up under the heading.
    for (int k = 0; k < 37; ++k)
        EXPECT_EQ(lines[k].mid(21, 1) != QStringLiteral(" "), true) << k;
    EXPECT_TRUE(entry::LithHelpText().contains(QStringLiteral("50~ls,50~sh")));
}
