// "&Rates..." on the main window: the dialog driven through its controls, what "Done" and "Cancel"
// leave in the data file, the rows drawn while typing, and the drilling keys from the value box.
#include "entry/ui/enterrate.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"

#include <gtest/gtest.h>

#include <vector>

using entry::EnterRate;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

struct RateWindow : testing_support::EntryWindow {
    // Rates typed in minutes a unit (a fresh well's rates read per hour).
    RateWindow() : EntryWindow(QStringLiteral("rates.svm")) { S().view.rateInMetresPerHour = 0; }
};

void Key(Dialog& d, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    testing_support::PressKey(d, EnterRate::IDC_VALUE, key, mods);
}

void EnterValue(Dialog& d, const QString& text) { testing_support::EnterValue(d, EnterRate::IDC_VALUE, text); }

}  // namespace

TEST(EnterRateWindow, TwoHalvesTypedInTheBoxAreStoredOnDone)
{
    RateWindow w;
    doubles().prompter.inputAnswers = {QString("1000")};
    QStringList prompts;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Rates");
        EXPECT_EQ(w.S().view.viewScale, 1);
        EXPECT_EQ(w.S().interaction.dataEntryRecords.at(10).depth, 1000);
        prompts << d.GetText(EnterRate::IDC_PROMPT);
        EnterValue(d, "4");
        prompts << d.GetText(EnterRate::IDC_PROMPT);
        EXPECT_EQ(d.GetText(EnterRate::IDC_VALUE), "");
        EnterValue(d, "6");
        prompts << d.GetText(EnterRate::IDC_PROMPT);
        // Out of range: a message and nothing stored; the box is emptied.
        EnterValue(d, "100.5");
        EXPECT_EQ(d.GetText(EnterRate::IDC_VALUE), "");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterRates();
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[0], "Enter 1 M Rates for 1000.0 TO 1000.5 Now.. Press enter after each entry  (Min/M)");
    EXPECT_EQ(prompts[1], "Enter  Rate for 1000.5 TO 1001.0 Now.. Press enter after each entry  (Min/M)");
    EXPECT_EQ(prompts[2], "Enter 1 M Rates for 1001.0 TO 1001.5 Now.. Press enter after each entry  (Min/M)");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Value out of range");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Input Error");

    const RECORD r = w.At(1001);
    EXPECT_FLOAT_EQ(r.rateOdd, 4.0f);
    EXPECT_FLOAT_EQ(r.rateOne, 6.0f);
    EXPECT_FLOAT_EQ(r.rate2Ft, 5.0f);
    EXPECT_FLOAT_EQ(w.At(1002).rateOdd, 2.0f);
    EXPECT_EQ(w.S().interaction.dataEntryActive, 0);
}

TEST(EnterRateWindow, ValuesOfARecordThatMovedUnderTheDialogAreLeftOutAndTheUserIsTold)
{
    RateWindow w;
    doubles().prompter.inputAnswers = {QString("1000")};
    Dialog::QueueTestScript([&](Dialog& d) {
        EnterValue(d, "4");
        EnterValue(d, "6");
        EnterValue(d, "3");
        // Another writer moves the record of 1001 while the dialog is open.
        RECORD moved = w.At(1001);
        moved.depth = 7777;
        ASSERT_TRUE(wellfile::WriteRecordAt(w.path, 1001 - w.first, &moved, sizeof moved));
        d.Click(platform::IDOK);
    });
    w.window.CmEnterRates();
    const RECORD kept = testing_support::FileRecords<RECORD>(w.path).at(std::size_t(1001 - w.first));
    EXPECT_EQ(kept.depth, 7777);
    EXPECT_FLOAT_EQ(kept.rateOdd, 2.0f);
    EXPECT_FLOAT_EQ(w.At(1002).rateOdd, 3.0f);
    // Both halves and the rate they make.
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "3 values were not saved: their depths changed while the entry was open.");
}

TEST(EnterRateWindow, CancelLeavesTheFileAsItWasAfterManyValues)
{
    RateWindow w;
    const QByteArray before = testing_support::ReadBytes(w.path);
    doubles().prompter.inputAnswers = {QString("1000")};
    Dialog::QueueTestScript([](Dialog& d) {
        for (int k = 0; k < 60; ++k)
            EnterValue(d, QString::number(1 + k % 7));
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterRates();
    EXPECT_EQ(testing_support::ReadBytes(w.path), before);

}

TEST(EnterRateWindow, TheRowsDrawnWhileTypingAreTheRowsTheLogShowsAfterDone)
{
    RateWindow w;
    app::LogState& s = w.S();
    // The gamma and weight-on-bit curves share the rate track with the rate curve.
    std::vector<RECORD> file = testing_support::FileRecords<RECORD>(w.path);
    for (std::size_t i = 0; i < file.size(); ++i) {
        for (float& v : file[i].gamma)
            v = float(30 + (i * 37) % 90);
        file[i].weightOnBit[0] = float(5 + (i * 13) % 30);
        file[i].weightOnBit[1] = float(5 + (i * 11) % 30);
    }
    testing_support::WriteRecords(w.path, file);
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int R = g.rowHeight, T = g.topMargin;
    const int rows = 8;
    const int top = T + 10 * R, bottom = T + (10 + rows) * R;
    w.window.PaintLog();
    const QImage bare = w.window.BackingStore().copy();
    s.layout.schemes.trackFlags[1] = s.layout.schemes.trackFlags[27] = 1;
    w.window.PaintLog();
    ASSERT_GT(testing_support::DifferingPixels(w.window.BackingStore(), bare, top, bottom, g.logWidth), 50);
    doubles().prompter.inputAnswers = {QString("1000")};
    QImage before, during;
    Dialog::QueueTestScript([&](Dialog& d) {
        before = w.window.BackingStore().copy();
        const char* values[] = {"4", "6", "1.5", "9", "0.5", "20", "12", "3", "7", "2", "5", "5", "45", "80", "2", "6"};
        for (const char* v : values)
            EnterValue(d, v);
        during = w.window.BackingStore().copy();
        d.Click(platform::IDOK);
    });
    w.window.CmEnterRates();
    ASSERT_FALSE(during.isNull());
    w.window.PaintLog();
    const QImage after = w.window.BackingStore();
    // The rows of 1001 ... 1008, ten rows below the top.
    EXPECT_EQ(testing_support::DifferingPixels(during, after, top, bottom, g.logWidth), 0);
    EXPECT_GT(testing_support::DifferingPixels(during, before, top, bottom, g.logWidth), 500);
    EXPECT_FLOAT_EQ(w.At(1003).rateOdd, 0.5f);
}

TEST(EnterRateWindow, CtrlKeysGoToTheDrillingKeysOnlyWhileDrilling)
{
    RateWindow w;
    std::vector<int> keys;
    w.S().engines.drillingKeys = [&keys](int key) { keys.push_back(key); };
    doubles().prompter.inputAnswers = {QString("1000"), QString("1000")};
    QString text;
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetText(EnterRate::IDC_VALUE, "5");
        Key(d, Qt::Key_F, Qt::ControlModifier);  // not drilling: dropped
        text = d.GetText(EnterRate::IDC_VALUE);
    });
    w.window.CmEnterRates();
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(text, "5");

    w.S().well.file.drilling = true;
    Dialog::QueueTestScript([&](Dialog& d) {
        Key(d, Qt::Key_F, Qt::ControlModifier);
        Key(d, Qt::Key_D, Qt::ControlModifier);
    });
    w.window.CmEnterRates();
    EXPECT_EQ(keys, (std::vector<int>{'F', 'D'}));
}
