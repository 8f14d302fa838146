// "&Rates..." on the main window: the dialog driven through its controls, what "Done" and "Cancel"
// leave in the data file, the rows drawn while typing, and the drilling keys from the value box.
#include "app/ui/logwindow.h"
#include "entry/ui/enterrate.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

using entry::EnterRate;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

struct RateWindow {
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;
    RateWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        path = testing_support::MakeWell(testing_support::TestDir() + "wells/", "rates.svm", 980, 1500);
        EXPECT_EQ(window.OpenDataFile(path), 1);
        app::LogState& s = window.State();
        s.view.firstPaint = false;
        s.view.holdRepaint = false;
        s.well.file.viewTopDepth = 990;
        s.view.viewScale = 1;
        window.resize(1300, 1000);
        window.EvSize(1300, 1000);
        window.PaintLog();
    }
    app::LogState& S() { return window.State(); }
    RECORD At(int depth)
    {
        return testing_support::FileRecords<RECORD>(path).at(std::size_t(depth - 980));
    }
};

void Key(Dialog& d, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QWidget* box = d.Control(EnterRate::IDC_VALUE);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(box, &press);
}

// Types `text` into the value box and presses Enter.
void EnterValue(Dialog& d, const QString& text)
{
    d.SetText(EnterRate::IDC_VALUE, text);
    Key(d, Qt::Key_Return);
}

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
    const app::LogState& s = w.S();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int R = g.rowHeight, T = g.topMargin;
    const int rows = 8;
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
    const int top = T + 10 * R, bottom = T + (10 + rows) * R;
    int differing = 0, typed = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < g.logWidth; ++x) {
            differing += during.pixel(x, y) != after.pixel(x, y);
            typed += during.pixel(x, y) != before.pixel(x, y);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(typed, 500);  // the rows did change from the stored 2-minute curve
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
