#include "support/doubles.h"
#include "support/testmain.h"
#include "tracks/ui/eloglithdialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

using namespace tracks;
using namespace platform;
using testing_support::doubles;

namespace {

struct Session {
    wellfile::WellConfig config{};
    std::optional<tracks::ElogLithThresholds> saved;
    int saves = 0;
    bool accept = true;

    int Execute(std::function<void(Dialog&)> script)
    {
        Dialog::QueueTestScript(std::move(script));
        ELOGLITHDLG dlg(nullptr, config, [this](const tracks::ElogLithThresholds& t) {
            ++saves;
            if (accept)
                saved = t;
            return accept;
        });
        return dlg.Execute();
    }
};

void SetTable(wellfile::WellConfig& c, std::size_t index, float v) { c.elogLithThresholds[index] = v; }

}  // namespace

TEST(ElogLithologySetup, AnUnsetTableOpensWithTheDefaults)
{
    for (float limePe : {0.0f, -1.0f}) {
        Session r;
        SetTable(r.config, 1, limePe);
        SetTable(r.config, 25, 3.2f);  // a shale value alone does not make a table
        SetTable(r.config, 3, 77.0f);
        r.Execute([](Dialog& d) {
            EXPECT_EQ(d.GetText(102), "4.90");   // LIME MIN PE
            EXPECT_EQ(d.GetText(101), "2.00");   // LIME MIN GAM
            EXPECT_EQ(d.GetText(125), "5.05");   // ANHYDRITE MAX PE
            EXPECT_EQ(d.GetText(133), "30.00");  // ANHYDRITE MAX SEP
            EXPECT_EQ(d.GetText(138), "-2.00");  // CHERT MIN SEP
            EXPECT_EQ(d.GetText(122), "200.00"); // SHALE MAX GAM
            d.Click(1);
        });
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        EXPECT_EQ(doubles().prompter.messages[0].text, "defaults");
        EXPECT_EQ(r.saves, 0);  // closed without SAVE: nothing stored
        doubles().prompter.messages.clear();
    }
}

TEST(ElogLithologySetup, SaveStoresTheEditsMarksTheTableAndStaysOpen)
{
    Session r;
    for (int i = 1; i < 55; ++i)
        SetTable(r.config, std::size_t(i), float(i));
    SetTable(r.config, 0, 99.0f);  // not part of the table the dialog edits: kept
    r.Execute([&r](Dialog& d) {
        EXPECT_EQ(d.GetText(103), "2.00");   // LIME MAX PE, index 2
        EXPECT_EQ(d.GetText(139), "46.00");  // CHERT MAX SEP, index 46
        d.SetText(130, "12.5");              // DOLOMITE MAX SEP, index 14
        d.SetText(119, "3.3");               // SHALE MIN PE, index 25
        d.SetText(136, "x");                 // CHERT MIN GAM
        d.Click(104);
        EXPECT_EQ(r.saves, 0);
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        EXPECT_EQ(doubles().prompter.messages[0].text, "Enter a number for CHERT MIN GAM");
        d.SetText(136, "7");
        d.Click(104);
        EXPECT_TRUE(d.isVisible());
        d.Click(1);
    });
    ASSERT_TRUE(r.saved);
    const tracks::ElogLithThresholds& t = *r.saved;
    EXPECT_FLOAT_EQ(t[14], 12.5f);
    EXPECT_FLOAT_EQ(t[25], 3.3f);
    EXPECT_FLOAT_EQ(t[43], 7.0f);
    EXPECT_FLOAT_EQ(t[0], 99.0f);
    EXPECT_FLOAT_EQ(t[7], 7.0f);  // the unused places as they were
    std::int32_t mark = 0;
    std::memcpy(&mark, &t[49], sizeof mark);
    EXPECT_EQ(mark, 1);

    // Written into the record at 4781, the mark at 4781 + 196.
    wellfile::WellConfig c{};
    SetElogLithThresholds(c, t);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&c);
    std::memcpy(&mark, bytes + 4781 + 196, sizeof mark);
    EXPECT_EQ(mark, 1);
    float lime = 0;
    std::memcpy(&lime, bytes + 4781 + 4 * 14, sizeof lime);
    EXPECT_FLOAT_EQ(lime, 12.5f);
}
