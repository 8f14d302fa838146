// Manual, 3. Entering what you see: "Shows", walked on the demo well with drilling mode on.
#include "app/notes.h"
#include "entry/ui/entershow.h"
#include "manual/enteringsteps.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/entrywindow.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <vector>

using entry::EnterShow;
using platform::Dialog;
using testing_support::doubles;
using testing_support::EnterValue;

// Enter Data > Shows...: porosity, fluorescence and cut, each column from the step below the depth typed;
// a double-click in the show columns makes a note while notes are shown and opens the shows once a scheme
// hides them; View > Show Report... opens the report.
TEST(ManualShows, EnterDataShowsAndTheDoubleClickWhileNotesAreHidden)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow w(window);
    ASSERT_TRUE(w.Open(1480));
    QStringList prompts;
    doubles().prompter.inputAnswers = {QString("1500")};
    Dialog::QueueTestScript([&](Dialog& d) {
        prompts << d.windowTitle() << d.GetText(EnterShow::IDC_PROMPT);
        EnterValue(d, EnterShow::IDC_VALUE, "p");
        EnterValue(d, EnterShow::IDC_VALUE, "g");
        d.Click(EnterShow::IDC_FLUORESCENCE);
        prompts << d.GetText(EnterShow::IDC_PROMPT);
        EnterValue(d, EnterShow::IDC_VALUE, "30f");
        d.Click(EnterShow::IDC_CUT);
        EnterValue(d, EnterShow::IDC_VALUE, "f");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Enter Data", "Shows..."));
    EXPECT_EQ(doubles().prompter.inputPrompts, QStringList{"Enter Depth to start shows"});
    EXPECT_EQ(prompts, (QStringList{"Enter Show", "Enter POR  for  1501", "Enter FLU  for  1501"}));
    const wellfile::RECORD r = w.At(1501);
    EXPECT_EQ(r.porosity, 'p');
    EXPECT_EQ(w.At(1502).porosity, 'g');
    EXPECT_EQ(r.fluorPercent, 30);
    EXPECT_EQ(r.fluorQuality, 'f');
    EXPECT_EQ(r.cutRating, 'f');

    // Notes shown (the demo's first scheme): the double-click under POR starts a note, no show entry.
    ASSERT_GT(w.g.porosity.Width(), 0);
    // The middles of the porosity, fluorescence and cut columns as laid out now.
    const auto columns = [&] {
        return std::vector<int>{w.g.porosity.left + w.g.porosity.Width() / 2,
                                w.g.fluorescence.left + w.g.fluorescence.Width() / 2, w.g.cut.left + w.g.cut.Width() / 2};
    };
    app::LogState& s = window.State();
    int dialogs = 0;
    const auto countAndCancel = [&](Dialog& d) {
        ++dialogs;
        d.Click(platform::IDCANCEL);
    };
    for (int x : columns()) {
        w.DoubleClick(x, w.RowY(1520));
        EXPECT_TRUE(s.notes.edit && s.notes.edit->IsOpen()) << x;
        app::CancelNoteEdit(s);
    }
    EXPECT_EQ(doubles().prompter.inputPrompts.size(), 1);

    // The second scheme hides the notes (and lays the columns out again): now the double-click asks where
    // the shows start.
    ASSERT_TRUE(w.Choose("Schemes", "Custom"));
    w.PaintAt(1480);
    for (int x : columns()) {
        Dialog::QueueTestScript(countAndCancel);
        doubles().prompter.inputAnswers = {QString("1540")};
        w.DoubleClick(x, w.RowY(1520));
        EXPECT_FALSE(s.notes.edit && s.notes.edit->IsOpen());
    }
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(doubles().prompter.inputPrompts, QStringList(4, "Enter Depth to start shows"));

    // The show report.
    QString report;
    Dialog::QueueTestScript([&](Dialog& d) {
        report = d.windowTitle();
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(w.Choose("View", "Show Report..."));
    EXPECT_EQ(report, "STRATIV SHOW REPORT");
}
