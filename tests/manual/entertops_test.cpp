// Manual, 3. Entering what you see: "Tops, outlines and flares", walked on the demo well with drilling
// mode on.
#include "app/opendatafile.h"
#include "app/welltops.h"
#include "entry/ui/enterflaredlg.h"
#include "entry/ui/outlinedlg.h"
#include "entry/ui/topsdlg.h"
#include "manual/enteringsteps.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/sidefiles_tops.h"

#include <QAction>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

// Tops > Edit adds a top (the tops file and the Tops menu have it); Enter Data > Out Line... brackets an
// interval; Enter Data > Flare Data... stores a flare length a step and draws it at the gas track's edge.
TEST(ManualTopsOutlinesFlares, ATopAnOutlineAndFlaresAreStoredAndShown)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow w(window);
    ASSERT_TRUE(w.Open(1480));
    app::LogState& s = window.State();

    w.PaintAt(1530);
    const QImage noTop = window.BackingStore().copy();
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(entry::TopsDlg::IDC_NEW);
        d.SetText(entry::TopsDlg::IDC_DEPTH, "1555");
        d.SetText(entry::TopsDlg::IDC_MENU_NAME, "Cherty Lime");
        d.SetText(entry::TopsDlg::IDC_TEXT, "Cherty Lime");
        d.Click(entry::TopsDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Tops", "Edit..."));
    const auto tops = testing_support::FileRecords<wellfile::TOPSEX>(
        wellfile::TopsFilePath(app::PlaceOf(s), app::TopsPlaceOf(s)));
    int found = 0;
    for (const wellfile::TOPSEX& t : tops)
        found += t.depth == 1555 && platform::FieldText(t.menuName) == "Cherty Lime";
    EXPECT_EQ(found, 1);
    EXPECT_NE(w.Item("Tops", "Cherty Lime"), nullptr);
    w.PaintAt(1530);
    EXPECT_GT(testing_support::DifferingPixels(noTop, window.BackingStore(), w.RowY(1554), w.RowY(1557), w.g.logWidth), 50);

    // Out Line: a 20-unit interval below the top typed, its text down the middle, bracketed just right
    // of the rate track.
    w.PaintAt(1280);
    const int sideX = w.g.rate.Right() + int(w.g.rowHeight * 0.9);
    const auto black = [&](int depth) { return QColor(window.BackingStore().pixel(sideX, w.RowY(depth))) == QColor(Qt::black); };
    for (int depth = 1300; depth <= 1321; ++depth)
        ASSERT_EQ(w.At(depth).outlineNarrow, 0) << depth;
    EXPECT_FALSE(black(1304));
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetText(entry::OutLineDlg::IDC_TOP, "1300");
        d.SetText(entry::OutLineDlg::IDC_BOTTOM, "1305");
        d.Click(entry::OutLineDlg::IDC_SAVE);
        d.SetText(entry::OutLineDlg::IDC_TOP, "1300");
        d.SetText(entry::OutLineDlg::IDC_BOTTOM, "1320");
        d.SetText(entry::OutLineDlg::IDC_TEXT, "REEF");
        d.Click(entry::OutLineDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Enter Data", "Out Line..."));
    QString codes;
    for (int depth = 1300; depth <= 1320; ++depth) {
        const int c = w.At(depth).outlineNarrow;
        codes += c == 0 ? '.' : c == 1 ? '|' : c == 2 ? '<' : c == 3 ? '>' : QChar(c);
    }
    EXPECT_EQ(codes.toStdString(), ".<|||||||REEF|||||||>");
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, "Minimum outline is 6 M");
    w.PaintAt(1280);
    EXPECT_TRUE(black(1304));  // the row above a record's depth shows it

    // Flare Data: the length of each step from the depth typed down, drawn at the gas track's right edge.
    w.PaintAt(1680);
    const QImage before = window.BackingStore().copy();
    QString prompt;
    doubles().prompter.inputAnswers = {QString("1700")};
    Dialog::QueueTestScript([&](Dialog& d) {
        prompt = d.GetText(entry::EnterFlareDlg::IDC_PROMPT);
        for (const char* v : {"60", "40", "20"})
            testing_support::EnterValue(d, entry::EnterFlareDlg::IDC_VALUE, v);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Enter Data", "Flare Data..."));
    EXPECT_EQ(doubles().prompter.inputPrompts.back(), "Enter Depth to start flare input");
    EXPECT_EQ(prompt, "Enter flare length for 1700 to 1701");
    EXPECT_EQ(w.At(1701).flareLength, 60);
    EXPECT_EQ(w.At(1703).flareLength, 20);
    w.PaintAt(1680);
    const int R = w.g.rowHeight, T = w.g.topMargin;
    const int edge = (w.g.gas.left + w.g.gasRight) / 2, width = w.g.logWidth - edge;  // the track's right half on
    EXPECT_GT(testing_support::DifferingPixels(before.copy(edge, T + 19 * R, width, 5 * R),
                                               window.BackingStore().copy(edge, T + 19 * R, width, 5 * R), 0, 5 * R,
                                               width),
              20);
}
