// "&Flare Data..." on the main window: the dialog driven through its controls, the step drawn on the log
// while typing, and what "DONE" and "Cancel" leave in the data file.
#include "entry/ui/enterflaredlg.h"
#include "logview/draw/viewbitmaps.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QWidget>

#include <gtest/gtest.h>

using entry::EnterFlareDlg;
using platform::Dialog;
using testing_support::doubles;

namespace {

struct FlareWindow : testing_support::EntryWindow {
    FlareWindow() : EntryWindow(QStringLiteral("flares.svm")) {}
    const QImage& Store() { return S().view.bitmaps->backingStore; }
    // The y of the start depth's record: five rows below the log's top.
    int StartY() { return S().layout.format.logAreaTop + 5 * S().layout.format.pixelsPerStep; }
};

bool Hidden(Dialog& d, int id) { return d.Control(id)->isHidden(); }

}  // namespace

TEST(EnterFlareWindow, FlareTrackEntryDrawsEachStepAndDoneStoresIt)
{
    FlareWindow w;
    w.S().layout.flareTrack = 1;
    doubles().prompter.inputAnswers = {QString("1050")};
    int changed = -1;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV FLARE DATA");
        EXPECT_EQ(d.GetText(EnterFlareDlg::IDC_PROMPT), "Enter flare length for 1050 to 1051");
        EXPECT_EQ(d.GetText(EnterFlareDlg::IDC_DEPTH), "1051");
        EXPECT_FALSE(Hidden(d, EnterFlareDlg::IDC_TEXT));
        EXPECT_FALSE(Hidden(d, EnterFlareDlg::IDC_AIR));
        EXPECT_TRUE(Hidden(d, EnterFlareDlg::IDC_MUD));
        EXPECT_EQ(d.GetCheck(EnterFlareDlg::IDC_LENGTH), 1);
        const QImage before = w.Store().copy();
        d.SetText(EnterFlareDlg::IDC_TEXT, "BIG FLARE");
        testing_support::EnterValue(d, EnterFlareDlg::IDC_VALUE, "60");
        const int R = w.S().layout.format.pixelsPerStep;
        changed = testing_support::DifferingPixels(before, w.Store(), w.StartY() - R, w.StartY() + 2 * R,
                                                   w.Store().width());
        EXPECT_EQ(d.GetText(EnterFlareDlg::IDC_PROMPT), "Enter flare length for 1051 to 1052");
        // Ctrl+Enter carries no text: a beep and nothing stored.
        testing_support::PressKey(d, EnterFlareDlg::IDC_VALUE, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(doubles().sounder.beeps, 1);
        d.Click(platform::IDOK);
    });
    w.window.CmFlareData();
    EXPECT_GT(changed, 0);
    const wellfile::RECORD r = w.At(1051);
    EXPECT_EQ(r.flareLength, 60);
    EXPECT_EQ(platform::FieldText(r.shortText), "BIG FLARE");
    EXPECT_EQ(w.At(1052).flareLength, 0);
    EXPECT_EQ(w.S().interaction.dataEntryActive, 0);
}

TEST(EnterFlareWindow, GasTrackEntryHidesTheTrackControlsAndCancelKeepsTheFile)
{
    FlareWindow w;
    const QByteArray before = testing_support::ReadBytes(w.path);
    doubles().prompter.inputAnswers = {QString("1050")};
    int changed = -1;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_TRUE(Hidden(d, EnterFlareDlg::IDC_TEXT));
        EXPECT_TRUE(Hidden(d, EnterFlareDlg::IDC_TEXT_LABEL));
        EXPECT_TRUE(Hidden(d, EnterFlareDlg::IDC_AIR));
        EXPECT_TRUE(Hidden(d, EnterFlareDlg::IDC_GAIN));
        // Up above the first editable depth beeps.
        testing_support::PressKey(d, EnterFlareDlg::IDC_VALUE, Qt::Key_Up);
        EXPECT_EQ(doubles().sounder.beeps, 1);
        const QImage store = w.Store().copy();
        for (int k = 0; k < 5; ++k)
            testing_support::EnterValue(d, EnterFlareDlg::IDC_VALUE, "80");
        // The polygon is drawn again in the gas track's flare cells from the start depth down.
        const int R = w.S().layout.format.pixelsPerStep;
        changed = testing_support::DifferingPixels(store, w.Store(), w.StartY(), w.StartY() + 5 * R, w.Store().width());
        d.Click(platform::IDCANCEL);
    });
    w.window.CmFlareData();
    EXPECT_GT(changed, 0);
    EXPECT_EQ(testing_support::ReadBytes(w.path), before);
}
