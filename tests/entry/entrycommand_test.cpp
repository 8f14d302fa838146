// The entry commands' one path on a bare window state: refusals, the start depth (asked, or given by a
// double-click's request), and the view set for the entry and put back.
#include "app/logstate.h"
#include "entry/entrycommand.h"
#include "platform/winapi.h"
#include "support/commandwell.h"
#include "support/doubles.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>
#include <vector>

using entry::EntryKind;
using testing_support::doubles;

namespace {

constexpr EntryKind kAll[] = {EntryKind::Rates, EntryKind::Shows, EntryKind::Gas, EntryKind::Lithology};

// What the dialog found when it ran.
struct Seen {
    EntryKind kind;
    std::int32_t viewTop;
    std::int32_t scale;
    std::int32_t entryOpen;
    std::int32_t startRecord;  // depth of buffer record 10
    std::size_t bufferSize;
    int count;
    bool gasEntry;
    bool config;
};

struct Command : testing_support::CommandWell {
    bool dataText = false, elogText = false;
    std::vector<Seen> seen;
    std::function<int(app::LogState&)> dialog = [](app::LogState&) { return int(platform::IDCANCEL); };

    Command() : CommandWell("w/", "w.svm", 1000, 1500) {}
    entry::EntryHost Host()
    {
        entry::EntryHost h;
        h.dataTextOpen = [this] { return dataText; };
        h.elogTextOpen = [this] { return elogText; };
        h.askInput = [this](const QString& title, const QString& prompt, QString& buffer, int size) {
            return AskInput(title, prompt, buffer, size);
        };
        h.runDialog = [this](app::LogState& log, EntryKind kind, wellfile::WellConfig* config) {
            const auto& b = log.interaction.dataEntryRecords;
            seen.push_back({kind, log.well.file.viewTopDepth, log.view.viewScale, log.interaction.dataEntryActive,
                            b.size() > 10 ? b[10].depth : -1, b.size(), log.entry.count, log.entry.gasEntry,
                            config != nullptr});
            return dialog(log);
        };
        return h;
    }
    void Run(EntryKind kind) { entry::RunEntryCommand(s, kind, Host()); }
    void ExpectViewPutBack()
    {
        EXPECT_EQ(s.well.file.viewTopDepth, 1200);
        EXPECT_EQ(s.view.viewScale, 3);
        EXPECT_EQ(s.interaction.dataEntryActive, 0);
        EXPECT_TRUE(s.interaction.dataEntryRecords.empty());
        EXPECT_FALSE(s.entry.gasEntry);
        EXPECT_FALSE(s.interaction.mouseEntry.set);
    }
};

}  // namespace

TEST(EntryCommand, TheStartDepthIsAskedUntilItLiesInTheFileAndTheViewIsPutBackAfterwards)
{
    for (EntryKind kind : kAll) {
        Command c;
        c.answers = {QString("1009"), QString("12a"), QString("1500"), std::nullopt};
        c.Run(kind);
        ASSERT_EQ(c.prompts.size(), 3);
        EXPECT_EQ(c.titles[0], "StartDepth");
        EXPECT_EQ(c.prompts[0], entry::StartDepthPrompt(kind));
        EXPECT_EQ(c.proposed[1], "1009");  // the box shows what was typed
        ASSERT_EQ(doubles().prompter.messages.size(), 2);
        EXPECT_EQ(doubles().prompter.messages[0].text, "Depth Out Of Range");
        EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
        doubles().prompter.messages.clear();

        ASSERT_EQ(c.seen.size(), 1u);
        const Seen& d = c.seen[0];
        EXPECT_EQ(d.viewTop, 1490);
        EXPECT_EQ(d.startRecord, 1500);
        EXPECT_EQ(d.count, 11);
        EXPECT_EQ(d.entryOpen, 1);
        EXPECT_EQ(d.scale, kind == EntryKind::Rates ? 1 : 2);
        EXPECT_EQ(d.bufferSize, kind == EntryKind::Lithology ? 210u : 110u);
        EXPECT_EQ(d.gasEntry, kind == EntryKind::Gas);
        EXPECT_EQ(d.config, kind == EntryKind::Gas);
        c.ExpectViewPutBack();

        // Cancelling the box changes nothing, and drops a request that lay outside the file.
        c.s.interaction.mouseEntry = {true, 9000, 9000, 0, false};
        const wellfile::WellConfig before = c.s.well.config;
        c.Run(kind);
        EXPECT_EQ(c.seen.size(), 1u);
        c.ExpectViewPutBack();
        EXPECT_EQ(std::memcmp(&before, &c.s.well.config, sizeof before), 0);
    }
    EXPECT_EQ(doubles().sounder.beeps, 0);
}

TEST(EntryCommand, RefusalsBeepAndChangeNothing)
{
    for (EntryKind kind : kAll) {
        Command open, elog, text;
        open.s.interaction.dataEntryActive = 1;
        elog.elogText = true;
        text.dataText = true;  // with the records shown as text only the rates still open
        text.answers = {std::nullopt};
        for (Command* c : {&open, &elog, &text})
            c->Run(kind);
        EXPECT_EQ(open.prompts.size() + elog.prompts.size(), 0);
        EXPECT_EQ(text.prompts.size(), kind == EntryKind::Rates ? 1 : 0);
    }
    EXPECT_EQ(doubles().sounder.beeps, 11);

    Command drag;
    drag.s.interaction.dragGasActive = true;
    drag.Run(EntryKind::Gas);
    EXPECT_TRUE(drag.prompts.isEmpty());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "Press enter or escape to terminate drag gas function \nafter closing this dialog");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Input Error");
}

TEST(EntryCommand, ADoubleClicksRequestStartsWithoutAskingWhileItLiesInTheFile)
{
    // Near the top the start is lowered to ten below the first depth.
    Command rates;
    rates.s.interaction.mouseEntry = {true, 1003, 0, 0, false};
    rates.Run(EntryKind::Rates);
    EXPECT_TRUE(rates.prompts.isEmpty());
    ASSERT_EQ(rates.seen.size(), 1u);
    EXPECT_EQ(rates.seen[0].viewTop, 1000);
    EXPECT_EQ(rates.seen[0].startRecord, 1010);
    EXPECT_FALSE(rates.s.interaction.mouseEntry.set);

    // Gas: the resume depth starts it with the flag, else the box proposes it.
    Command gas;
    gas.s.interaction.mouseEntry = {false, 0, 1250, 0, false};
    gas.answers = {std::nullopt};
    gas.Run(EntryKind::Gas);
    EXPECT_EQ(gas.proposed, QStringList{"1250"});
    gas.s.interaction.mouseEntry.set = true;
    gas.Run(EntryKind::Gas);
    ASSERT_EQ(gas.seen.size(), 1u);
    EXPECT_EQ(gas.seen[0].startRecord, 1250);

    // Lithology: the clicked depth, else the resume depth; the flag counts only while the resume depth
    // lies ten below the top or more. The request and its interpreted flag are used up.
    Command lith;
    lith.s.entry.lithologyResumeDepth = 1100;
    lith.s.interaction.mouseEntry = {true, 0, 0, 1200, true};
    lith.Run(EntryKind::Lithology);
    lith.s.interaction.mouseEntry = {true, 0, 0, 0, false};
    lith.Run(EntryKind::Lithology);
    lith.s.entry.lithologyResumeDepth = 1005;
    lith.s.interaction.mouseEntry = {true, 0, 0, 1200, false};
    lith.answers = {std::nullopt};
    lith.Run(EntryKind::Lithology);
    ASSERT_EQ(lith.seen.size(), 2u);
    EXPECT_EQ(lith.seen[0].startRecord, 1200);
    EXPECT_EQ(lith.seen[1].startRecord, 1100);
    EXPECT_EQ(lith.prompts.size(), 1);
    EXPECT_EQ(lith.s.interaction.mouseEntry.lithologyDepth, 0);
    EXPECT_FALSE(lith.s.interaction.mouseEntry.interpreted);
}
