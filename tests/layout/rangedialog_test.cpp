// The start and stop depth dialog: its limits keep it open with the user told why, and "OK" hands the
// texts and the option boxes back to the caller.
#include "layout/ui/rangedialog.h"
#include "platform/winapi.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

using layout::RangeDlg;
using layout::RangeRequest;
namespace id = layout::rangeid;
using platform::Dialog;
using testing_support::doubles;

namespace {

RangeRequest Limits(std::int32_t lowest, std::int32_t highest)
{
    RangeRequest r;
    r.caption = QStringLiteral("Enter Interval");
    r.startLabel = QStringLiteral("From");
    r.toLabel = QString();
    r.stopLabel = QStringLiteral("To");
    r.lowest = lowest;
    r.highest = highest;
    return r;
}

// Types the two values, presses OK and tells whether the dialog closed.
bool Try(Dialog& d, const char* start, const char* stop)
{
    d.SetText(id::Start, start);
    d.SetText(id::Stop, stop);
    d.Click(platform::IDOK);
    return !d.isVisible();
}

}  // namespace

TEST(RangeDialog, ValuesOutsideTheLimitsAreRefusedAndTheDialogStays)
{
    QString start = "1050", stop = "1100";
    std::int32_t ppm = 7;
    RangeRequest request = Limits(1000, 1100);
    request.ppm = &ppm;
    RangeDlg dlg(nullptr, start, stop, request);
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Interval");
        EXPECT_EQ(d.GetText(id::StartLabel), "From");
        EXPECT_EQ(d.GetText(id::StopLabel), "To");
        EXPECT_EQ(d.GetText(id::Start), "1050");
        EXPECT_TRUE(d.Control(id::LasVer3)->isHidden());
        EXPECT_TRUE(d.Control(id::Advanced)->isHidden());
        auto& asked = doubles().prompter.messages;
        struct Case {
            const char* start;
            const char* stop;
            const char* message;
        };
        for (const Case& c : {Case{"999", "1050", "Start Value out of Range"},
                              Case{"1100", "1100", "Start Value out of Range"},
                              Case{"abc", "1100", "Start Value out of Range"},
                              Case{"1050", "1101", "End Value out of Range"},
                              Case{"1050", "1000", "End Value out of Range"},
                              Case{"1050", "", "End Value out of Range"}}) {
            EXPECT_FALSE(Try(d, c.start, c.stop)) << c.start << " " << c.stop;
            ASSERT_FALSE(asked.isEmpty());
            EXPECT_EQ(asked.back().text, c.message);
            EXPECT_EQ(asked.back().caption, "Error");
        }
        EXPECT_TRUE(Try(d, "1000", "1001"));
    });
    EXPECT_EQ(dlg.Execute(), platform::IDOK);
    EXPECT_EQ(start, "1000");
    EXPECT_EQ(stop, "1001");
    EXPECT_EQ(ppm, 0);
}

TEST(RangeDialog, NoLimitsForAWellFromDepthZeroAndProfile134AlwaysWritesPpm)
{
    QString start = "0", stop = "0";
    std::int32_t ppm = 0, las = 5;
    RangeRequest request = Limits(0, 0);
    request.loggerId = 134;
    request.ppm = &ppm;
    request.lasVersion3 = &las;
    RangeDlg dlg(nullptr, start, stop, request);
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetCheck(id::Ppm), 1);
        EXPECT_FALSE(d.IsEnabled(id::Ppm));
        EXPECT_TRUE(Try(d, "-20", "99999"));
    });
    EXPECT_EQ(dlg.Execute(), platform::IDOK);
    EXPECT_EQ(start, "-20");
    EXPECT_EQ(ppm, 1);
    EXPECT_EQ(las, 5) << "the hidden LAS box hands nothing back";
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    // Cancel leaves the caller's texts alone.
    RangeDlg again(nullptr, start, stop, request);
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(id::Start, "5");
        d.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(again.Execute(), platform::IDCANCEL);
    EXPECT_EQ(start, "-20");
}
