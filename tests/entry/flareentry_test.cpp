// The flare entry on a bare window state: the command's refusals, start depth and buffer, what "DONE"
// and "Cancel" leave in the data file, and the dialog's walk over the records.
#include "app/logstate.h"
#include "entry/flarecommand.h"
#include "entry/flareentry.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "support/commandwell.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>

using entry::FlareEntry;
using entry::FlareOutcome;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

// What the dialog found when it ran.
struct Seen {
    std::int32_t viewTop = 0;
    std::int32_t scale = 0;
    std::int32_t entryOpen = 0;
    int count = 0;
    std::size_t bufferSize = 0;
    std::int32_t firstDepth = 0;  // buffer record 0
};

// A well of depths 1000 to 2000, shown from 1200 on scale 3.
struct Command : testing_support::CommandWell {
    std::vector<Seen> seen;
    std::function<int(app::LogState&)> dialog = [](app::LogState&) { return int(platform::IDCANCEL); };

    Command() : CommandWell("f/", "f.svm", 1000, 2000) { s.layout.flareTrack = 1; }
    entry::FlareHost Host()
    {
        entry::FlareHost h;
        h.askInput = [this](const QString& title, const QString& prompt, QString& buffer, int size) {
            return AskInput(title, prompt, buffer, size);
        };
        h.runDialog = [this](app::LogState& log) {
            const auto& b = log.interaction.dataEntryRecords;
            seen.push_back({log.well.file.viewTopDepth, log.view.viewScale, log.interaction.dataEntryActive,
                            log.entry.count, b.size(), b.empty() ? -1 : b[0].depth});
            return dialog(log);
        };
        return h;
    }
    void Run() { entry::RunFlareCommand(s, Host()); }
    void ExpectPutBack()
    {
        EXPECT_EQ(s.well.file.viewTopDepth, 1200);
        EXPECT_EQ(s.view.viewScale, 3);
        EXPECT_EQ(s.interaction.dataEntryActive, 0);
        EXPECT_TRUE(s.interaction.dataEntryRecords.empty());
    }
};

// An entry buffer as the command reads it from view top `top`: `count` records of consecutive depths.
std::vector<RECORD> Buffer(int top, int count)
{
    std::vector<RECORD> b(entry::kFlareBufferRecords);
    for (int i = 0; i < count; ++i)
        b[std::size_t(i)].depth = top + i;
    return b;
}

}  // namespace

TEST(FlareCommand, RefusedWhileAnotherEntryOrADragRuns)
{
    Command c;
    c.s.interaction.dataEntryActive = 1;
    c.Run();
    EXPECT_EQ(doubles().sounder.beeps, 1);
    c.s.interaction.dataEntryActive = 0;
    c.s.interaction.dragGasActive = true;
    c.Run();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "Press enter or escape to terminate drag gas function \nafter closing this dialog");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Input Error");
    EXPECT_TRUE(c.prompts.isEmpty());
    EXPECT_TRUE(c.seen.empty());
}

TEST(FlareCommand, StartDepthIsAskedUntilInRangeAndKeptClearOfTheTop)
{
    Command c;
    c.answers = {QString("1009"), QString("1010")};
    c.Run();
    ASSERT_EQ(c.prompts.size(), 2);
    EXPECT_EQ(c.titles[0], "StartDepth");
    EXPECT_EQ(c.prompts[0], "Enter Depth to start flare input");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Depth Out Of Range");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    // 1010 is moved to 1020, five rows below the view top; 71 records read into a buffer of 100.
    ASSERT_EQ(c.seen.size(), 1u);
    EXPECT_EQ(c.seen[0].viewTop, 1015);
    EXPECT_EQ(c.seen[0].scale, 2);
    EXPECT_EQ(c.seen[0].entryOpen, 1);
    EXPECT_EQ(c.seen[0].count, 71);
    EXPECT_EQ(c.seen[0].bufferSize, 100u);
    EXPECT_EQ(c.seen[0].firstDepth, 1015);
    c.ExpectPutBack();

    // Log format 16 reads 66; the remembered depth is proposed.
    c.s.well.loggerId = 16;
    c.s.entry.flareStartDepth = 1300;
    c.answers = {QString("1300")};
    c.Run();
    EXPECT_EQ(c.proposed.back(), "1300");
    EXPECT_EQ(c.seen.back().count, 66);
    // Cancel at the box ends the command with nothing changed.
    c.answers = {std::nullopt};
    c.Run();
    EXPECT_EQ(c.seen.size(), 2u);
    c.ExpectPutBack();
}

TEST(FlareCommand, ContinueFlagStartsAtTheRememberedDepthOnce)
{
    Command c;
    c.s.entry.flareStartDepth = 1500;
    c.s.entry.flareContinue = true;
    c.Run();
    EXPECT_TRUE(c.prompts.isEmpty());
    ASSERT_EQ(c.seen.size(), 1u);
    EXPECT_EQ(c.seen[0].viewTop, 1495);
    EXPECT_FALSE(c.s.entry.flareContinue);
    // A remembered depth at the file's last depth is not taken.
    c.s.entry.flareStartDepth = 2000;
    c.s.entry.flareContinue = true;
    c.answers = {std::nullopt};
    c.Run();
    EXPECT_EQ(c.prompts.size(), 1);
}

TEST(FlareCommand, DoneWritesTheTypedFlaresAndCancelLeavesTheFileAlone)
{
    Command c;
    const QByteArray before = testing_support::ReadBytes(c.path);
    const auto type = [](app::LogState& log) {
        FlareEntry e(log.interaction.dataEntryRecords, 2000, 0, 10, log.view.rowCounter);
        EXPECT_EQ(e.Prompt(), "Enter flare length for 1050 to 1051");
        EXPECT_EQ(e.Enter(QString("60"), "BIG FLARE").outcome, FlareOutcome::Stored);
        EXPECT_EQ(e.Enter(QString(""), "").outcome, FlareOutcome::Stored);
    };
    c.answers = {QString("1050")};
    c.dialog = [&](app::LogState& log) {
        type(log);
        return int(platform::IDCANCEL);
    };
    c.Run();
    EXPECT_EQ(testing_support::ReadBytes(c.path), before);

    c.answers = {QString("1050")};
    c.dialog = [&](app::LogState& log) {
        type(log);
        return int(platform::IDOK);
    };
    c.Run();
    const QByteArray after = testing_support::ReadBytes(c.path);
    const qsizetype at = qsizetype(1051 - 1000) * wellfile::kRecordSize;
    EXPECT_EQ(testing_support::At<std::uint16_t>(after, at + 358), 60);
    EXPECT_EQ(after.mid(at + 366, 10), QByteArray("BIG FLARE", 10));
    // The empty value repeated the length above; its text is empty.
    EXPECT_EQ(testing_support::At<std::uint16_t>(after, at + wellfile::kRecordSize + 358), 60);
    EXPECT_EQ(after.at(at + wellfile::kRecordSize + 366), '\0');
    // Nothing else changed.
    QByteArray expected = before;
    expected.replace(at, 2 * wellfile::kRecordSize, after.mid(at, 2 * wellfile::kRecordSize));
    EXPECT_EQ(after, expected);
    c.ExpectPutBack();
}

TEST(FlareEntry, WalksTheBufferWithinWhatMayBeEdited)
{
    std::vector<RECORD> b = Buffer(1045, 71);
    std::int32_t rows = 0;
    FlareEntry e(b, 2000, 150, 10, rows);
    EXPECT_EQ(e.FirstEditableDepth(), 1051);
    EXPECT_EQ(e.Prompt(), "Enter flare length for 1050 to 1051");
    // Up above the first editable depth is refused; Down and Up move one record with the row.
    EXPECT_EQ(e.Up().outcome, FlareOutcome::Refused);
    EXPECT_EQ(e.Down().outcome, FlareOutcome::Moved);
    EXPECT_EQ(e.RowY(), 160);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(e.Up().outcome, FlareOutcome::Moved);
    EXPECT_EQ(e.Index(), entry::kFlareFirstIndex);
    EXPECT_EQ(rows, 0);

    // Enter stores, reports the record and the row its step starts at, and steps down.
    const entry::FlareKeyResult r = e.Enter(QString("25"), "AB");
    EXPECT_EQ(r.outcome, FlareOutcome::Stored);
    EXPECT_EQ(r.index, 6);
    EXPECT_EQ(r.y, 150);
    EXPECT_EQ(b[6].flareLength, 25);
    EXPECT_EQ(e.Prompt(), "Enter flare length for 1051 to 1052");
    // Ctrl held: no text to read, only a beep.
    EXPECT_EQ(e.Enter(std::nullopt, "").outcome, FlareOutcome::Refused);

    // Other modes start again at the first record; air pressure and gain store no value.
    e.SetMode(entry::FlareMode::AirPressure);
    EXPECT_EQ(e.Prompt(), "Enter AP for 1050 to 1051");
    EXPECT_EQ(e.Enter(QString("7"), "AIR").outcome, FlareOutcome::Stored);
    EXPECT_EQ(b[6].flareLength, 25);
    EXPECT_EQ(platform::FieldText(b[6].shortText), "AIR");
    e.SetMode(entry::FlareMode::GainLoss);
    EXPECT_EQ(e.Prompt(), "Enter Gain for 1050 to 1051");
    e.SetMode(entry::FlareMode::MudWeight);
    EXPECT_EQ(e.Prompt(), "Enter Mud Wt for 1050 to 1051");
    b[5].mudWeightOut = 1.25f;
    EXPECT_EQ(e.Enter(QString(" "), "").outcome, FlareOutcome::Stored);
    EXPECT_FLOAT_EQ(b[6].mudWeightOut, 1.25f);
    EXPECT_EQ(rows, 1);
}

TEST(FlareEntry, EndsAtTheLastDepthAndAtTheRecordsRead)
{
    // The file ends at 1048: Enter for the step below it beeps, and Down stops on it.
    std::vector<RECORD> b = Buffer(1045, 6);
    std::int32_t rows = 0;
    std::vector<RECORD> file = Buffer(1045, 8);
    FlareEntry atLast(file, 1050, 0, 10, rows);
    EXPECT_EQ(atLast.Enter(QString("5"), "").outcome, FlareOutcome::Refused);
    EXPECT_EQ(atLast.Down().outcome, FlareOutcome::Refused);
    // A record past those read (depth 0) takes nothing: it would never be written.
    FlareEntry shortRead(b, 2000, 0, 10, rows);
    EXPECT_EQ(shortRead.Enter(QString("5"), "").outcome, FlareOutcome::Refused);
    EXPECT_EQ(b[6].flareLength, 0);
}

TEST(FlareEntry, TextIsCutToFourteenCharactersAndLengthsToTheField)
{
    RECORD r;
    std::memset(r.shortText, 'x', sizeof r.shortText);
    entry::SetFlareText(r, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(platform::FieldText(r.shortText), "ABCDEFGHIJKLMN");
    EXPECT_EQ(r.shortText[14], '\0');

    std::vector<RECORD> b = Buffer(1045, 71);
    std::int32_t rows = 0;
    FlareEntry e(b, 2000, 0, 10, rows);
    e.Enter(QString("99999"), "");
    EXPECT_EQ(b[6].flareLength, 65535);
    e.Enter(QString("-5"), "");
    EXPECT_EQ(b[7].flareLength, 0);
    e.Enter(QString("12abc"), "");
    EXPECT_EQ(b[8].flareLength, 12);
}
