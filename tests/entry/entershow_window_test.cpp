// "&Shows..." on the main window: the four columns driven through the dialog's controls, what "Done"
// and "Cancel" leave in the data file, the colours, and the rows drawn while typing.
#include "entry/showentry.h"
#include "entry/ui/entershow.h"
#include "layout/trackflags.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

using entry::EnterShow;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

// A window whose log shows the calcimeter column.
struct ShowWindow : testing_support::EntryWindow {
    ShowWindow() : EntryWindow(QStringLiteral("shows.svm"))
    {
        S().layout.schemes.trackFlags[layout::FLAG_INTERPRETED_LITH] = 1;
        window.SetLogFormat(S().well.loggerId);
        window.EvSize(1300, 1000);
        window.PaintLog();
    }
};

void EnterValue(Dialog& d, const QString& text) { testing_support::EnterValue(d, EnterShow::IDC_VALUE, text); }

}  // namespace

TEST(EnterShowWindow, TheFourColumnsStoreTheirValuesOnDone)
{
    ShowWindow w;
    w.S().entry.showColours = { 0x00FFFF, 0x00FF00, 0xFF00FF };
    doubles().prompter.inputAnswers = { QString("1000") };
    doubles().prompter.colorAnswers = { platform::COLORREF(0x3040A0) };
    QStringList prompts, valid;
    int beepsAtRefusal = 0;
    bool calcimeterShown = false, colourEnabledAtStart = true;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Show");
        prompts << d.GetText(EnterShow::IDC_PROMPT);
        valid << d.GetText(EnterShow::IDC_VALID);
        calcimeterShown = d.Control(EnterShow::IDC_CALCIMETER)->isVisibleTo(&d);
        colourEnabledAtStart = d.IsEnabled(EnterShow::IDC_COLOR);
        EnterValue(d, "x"); // refused
        beepsAtRefusal = doubles().sounder.beeps;
        EnterValue(d, "P"); // 1001
        for (int k = 0; k < 4; ++k)
            EnterValue(d, "g"); // 1002 ... 1005

        d.Click(EnterShow::IDC_FLUORESCENCE);
        valid << d.GetText(EnterShow::IDC_VALID);
        prompts << d.GetText(EnterShow::IDC_PROMPT);
        EnterValue(d, "30f"); // 1001
        EnterValue(d, "150"); // refused
        EnterValue(d, "45"); // 1002
        d.Click(EnterShow::IDC_COLOR);
        EnterValue(d, "20t"); // 1003 in the chosen colour

        d.Click(EnterShow::IDC_CUT);
        prompts << d.GetText(EnterShow::IDC_PROMPT); // the cut starts at the start depth again
        EnterValue(d, "p");

        d.Click(EnterShow::IDC_CALCIMETER);
        EnterValue(d, "0");
        EnterValue(d, "101"); // refused
        EnterValue(d, "35");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterShows();
    EXPECT_TRUE(calcimeterShown);
    EXPECT_FALSE(colourEnabledAtStart);
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[0], "Enter POR  for  1001");
    EXPECT_EQ(prompts[1], "Enter FLU  for  1001");
    EXPECT_EQ(prompts[2], "Enter CUT  for  1001");
    EXPECT_EQ(valid, (QStringList { " t p f g", " perc+ p f g" }));
    EXPECT_EQ(beepsAtRefusal, 1);
    QStringList texts;
    for (const auto& m : doubles().prompter.messages)
        texts << m.text + "/" + m.caption;
    EXPECT_EQ(texts,
        (QStringList { "Valid entries = 0, t,p,f or g/StrativM",
            "You entered 150, which is out of range/Value Out of Range",
            "You entered 101, which is out of range/Value Out of Range" }));

    EXPECT_EQ(w.At(1001).porosity, 0x70);
    EXPECT_EQ(w.At(1005).porosity, 'g');
    EXPECT_EQ(w.At(1006).porosity, 0);
    EXPECT_EQ(w.At(1001).fluorPercent, 30);
    EXPECT_EQ(w.At(1001).fluorQuality, 'f');
    EXPECT_EQ(std::uint32_t(w.At(1001).fluorColour), 0x00FFFFu);
    EXPECT_EQ(w.At(1002).fluorPercent, 45);
    EXPECT_EQ(w.At(1002).fluorQuality, 'g');
    EXPECT_EQ(w.At(1003).fluorQuality, 't');
    EXPECT_EQ(std::uint32_t(w.At(1003).fluorColour), 0x3040A0u);
    EXPECT_EQ(std::uint32_t(w.At(1004).fluorColour), 0x3040A0u); // the record below
    EXPECT_EQ(w.At(1001).cutRating, 'p');
    EXPECT_EQ(std::uint32_t(w.At(1001).ratingColour), 0x00FF00u);
    EXPECT_EQ(w.At(1001).hardness, 0);
    EXPECT_EQ(std::uint32_t(w.At(1001).hardnessColour), entry::kNoColour);
    EXPECT_EQ(w.At(1002).hardness, 35);
    EXPECT_EQ(std::uint32_t(w.At(1002).hardnessColour), 0xFF00FFu);
    EXPECT_EQ(w.S().entry.showColours.fluorescence, 0x3040A0u);
}

TEST(EnterShowWindow, ABlackCutIsToldAndTheEntryGoesOn)
{
    ShowWindow w;
    w.S().entry.showColours.cut = 0;
    doubles().prompter.inputAnswers = { QString("1000") };
    QString told;
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(EnterShow::IDC_CUT);
        EnterValue(d, "f");
        told = d.GetText(EnterShow::IDC_PROMPT);
        EnterValue(d, "g");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterShows();
    // Told in the dialog, not by a box that would take the next value's keys.
    EXPECT_TRUE(told.endsWith("Black cut")) << told.toStdString();
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(w.At(1001).cutRating, 'f');
    EXPECT_EQ(w.At(1002).cutRating, 'g');
}

TEST(EnterShowWindow, TheRowsDrawnWhileTypingAreTheRowsTheLogShowsAfterDone)
{
    ShowWindow w;
    w.S().entry.showColours = { 0x0000FF, 0x008000, 0x800080 };
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    ASSERT_GT(g.hardness.count, 0);
    const int R = g.rowHeight, T = g.topMargin;
    const int rows = 8;
    doubles().prompter.inputAnswers = { QString("1000") };
    QImage before, during;
    Dialog::QueueTestScript([&](Dialog& d) {
        before = w.window.BackingStore().copy();
        for (const char* v : { "p", "g", "f", "t", "0", "g", "p", "f" })
            EnterValue(d, v);
        d.Click(EnterShow::IDC_FLUORESCENCE);
        for (const char* v : { "30f", "80g", "10t", "100", "5", "0", "60f", "40" })
            EnterValue(d, v);
        d.Click(EnterShow::IDC_CUT);
        for (const char* v : { "g", "p", "t", "f", "g", "0", "p", "g" })
            EnterValue(d, v);
        d.Click(EnterShow::IDC_CALCIMETER);
        for (const char* v : { "20", "90", "0", "55", "100", "10", "70", "30" })
            EnterValue(d, v);
        during = w.window.BackingStore().copy();
        d.Click(platform::IDOK);
    });
    w.window.CmEnterShows();
    ASSERT_FALSE(during.isNull());
    w.window.PaintLog();
    const QImage after = w.window.BackingStore();
    const int top = T + 10 * R, bottom = T + (10 + rows + 1) * R;
    EXPECT_EQ(testing_support::DifferingPixels(during, after, top, bottom, g.logWidth), 0);
    EXPECT_GT(testing_support::DifferingPixels(during, before, top, bottom, g.logWidth), 200);
}

TEST(EnterShowWindow, CancelLeavesTheFileAsItWas)
{
    ShowWindow w;
    const QByteArray before = testing_support::ReadBytes(w.path);
    doubles().prompter.inputAnswers = { QString("1000") };
    Dialog::QueueTestScript([](Dialog& d) {
        for (int column :
            { EnterShow::IDC_POROSITY, EnterShow::IDC_FLUORESCENCE, EnterShow::IDC_CUT, EnterShow::IDC_CALCIMETER }) {
            d.Click(column);
            for (int k = 0; k < 12; ++k)
                EnterValue(d, column == EnterShow::IDC_POROSITY || column == EnterShow::IDC_CUT ? "g" : "40");
        }
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterShows();
    EXPECT_EQ(testing_support::ReadBytes(w.path), before);
}
