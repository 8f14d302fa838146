// The row of buttons the show and DST dialogs share, through the window's commands: PREVIOUS and NEXT
// step through the file's records with a beep at either end, and Printer Setup without a printer says so.
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "reports/reportfields.h"
#include "reports/showreport.h"
#include "reports/ui/dstdlg.h"
#include "reports/ui/showdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

namespace {

// Clicks `button` and checks the record shown after it and whether the click beeped.
void Step(reports::RecordReportDlg& d, int button, int shown, bool beeps)
{
    const int before = doubles().sounder.beeps;
    d.Click(button);
    EXPECT_EQ(d.Current(), shown) << button;
    EXPECT_EQ(doubles().sounder.beeps, before + (beeps ? 1 : 0)) << button;
}

}  // namespace

TEST(RecordReportWindow, StepsBeepAtEitherEndAndPrinterSetupNeedsAPrinter)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    std::vector<wellfile::SHOWREPORT> shows(2);
    wellfile::SetReportText(shows[0].interval, " 1500 to  1510");
    wellfile::SetReportText(shows[1].interval, " 1600 to  1610");
    int current = 0;
    ASSERT_TRUE(reports::SaveShowFile(app::PlaceOf(s), shows, current));
    doubles().printers.defaultPrinter.reset();

    using reports::ShowDlg;
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<ShowDlg&>(dialog);
        ASSERT_EQ(d.Count(), 2);
        Step(d, ShowDlg::IDC_NEXT, 1, true);  // opens on the last
        Step(d, ShowDlg::IDC_PREVIOUS, 0, false);
        EXPECT_EQ(d.GetText(ShowDlg::IDC_INTERVAL), " 1500 to  1510");
        Step(d, ShowDlg::IDC_PREVIOUS, 0, true);
        Step(d, ShowDlg::IDC_NEXT, 1, false);
        d.Click(ShowDlg::IDC_PRINTER_SETUP);
        EXPECT_EQ(doubles().prompter.messages.back().text, "No Printer Available");
    });
    window.EvCommand(51693);

    // The demo well's one test; a new unsaved test is left by PREVIOUS and not found again by NEXT.
    using reports::DstDlg;
    Dialog::QueueTestScript([&](Dialog& dialog) {
        auto& d = static_cast<DstDlg&>(dialog);
        ASSERT_EQ(d.Count(), 1);
        Step(d, DstDlg::IDC_PREVIOUS, 0, true);
        d.Click(DstDlg::IDC_NEW);
        EXPECT_EQ(d.Current(), 1);
        Step(d, DstDlg::IDC_PREVIOUS, 0, false);
        EXPECT_EQ(d.GetText(DstDlg::IDC_FORMATION), "Main Sand");
        Step(d, DstDlg::IDC_NEXT, 0, true);
    });
    window.EvCommand(51688);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}
