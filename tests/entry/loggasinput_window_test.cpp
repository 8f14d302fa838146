// "&Gas..." on the main window: the dialog driven through its controls, the rows and the row marker
// drawn while typing, the mode boxes, the "Max Entries" count kept in the well's settings, and what
// "Done" and "Cancel" leave in the data file.
#include "app/opendatafile.h"
#include "entry/ui/loggasinput.h"
#include "layout/trackflags.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "platform/winapi.h"
#include "platform/ui/updown.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellconfig.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

using entry::LogGasInput;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

struct GasWindow : testing_support::EntryWindow {
    GasWindow() : EntryWindow(QStringLiteral("gas.svm"))
    {
        S().well.config.maxGasEntries = 3;
        doubles().prompter.inputAnswers = {QString("1000")};
    }
    // "Max Entries" as the well's ".cfg" on disk holds it.
    std::int32_t StoredMaxEntries()
    {
        const QByteArray cfg =
            testing_support::ReadBytes(wellfile::OwnConfigPath(app::PlaceOf(S()), S().well.fieldSettings));
        return cfg.size() > 40 ? qFromLittleEndian<std::int32_t>(cfg.constData() + 36) : -1;
    }
    const RECORD& Typed(int depth) { return S().interaction.dataEntryRecords.at(std::size_t(depth - 990)); }
};

void EnterValue(Dialog& d, const QString& text) { testing_support::EnterValue(d, LogGasInput::IDC_VALUE, text); }
void Key(Dialog& d, int key) { testing_support::PressKey(d, LogGasInput::IDC_VALUE, key); }
void SpinUp(Dialog& d) { d.ControlAs<platform::UpDown>(LogGasInput::IDC_MAX_SPIN)->PressUp(); }

}  // namespace

TEST(LogGasInputWindow, TwoPassesTypedInTheBoxAreStoredOnDoneAndTheCountIsKept)
{
    GasWindow w;
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int R = g.rowHeight, T = g.topMargin;
    QStringList prompts;
    QImage before, during;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Gas ");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "TG");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_MAX_ENTRIES), "3");
        before = w.window.BackingStore().copy();
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        EnterValue(d, "1.5");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "C1 ppm");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_VALUE), "");
        EnterValue(d, "2000");
        EnterValue(d, "30");
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[0], 150.0f);
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[1], 20.0f);
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[2], 0.3f);
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        for (const char* v : {"2", "1500", "45", "2.5", "1800", "60", "0.5", "5000", "20"})
            EnterValue(d, v);
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PREVIOUS), " 52.00    50     0     0     0     0     0     0");
        during = w.window.BackingStore().copy();
        // The spinner goes one up at the first component; off it, it beeps.
        SpinUp(d);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_MAX_ENTRIES), "4");
        EnterValue(d, "1");
        SpinUp(d);
        EXPECT_EQ(doubles().sounder.beeps, 1);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_MAX_ENTRIES), "4");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterGas();
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[0], "Enter gas  for 1000.5  ");
    EXPECT_EQ(prompts[1], "Enter gas  for 1001.0 ");
    EXPECT_EQ(prompts[2], "Enter gas  for 1002.5  ");

    const RECORD r = w.At(1001);
    EXPECT_FLOAT_EQ(r.halfGas[0], 150.0f);
    EXPECT_FLOAT_EQ(r.halfGas[1], 20.0f);
    EXPECT_FLOAT_EQ(r.halfGas[2], 0.3f);
    EXPECT_FLOAT_EQ(r.gas[0], 200.0f);
    EXPECT_FLOAT_EQ(r.gas[1], 15.0f);
    EXPECT_FLOAT_EQ(r.gas[2], 0.45f);
    EXPECT_FLOAT_EQ(w.At(1002).gas[0], 52.0f);  // total gas and C1 came out equal
    EXPECT_FLOAT_EQ(w.At(1003).halfGas[0], 100.0f);
    EXPECT_EQ(w.StoredMaxEntries(), 4);
    EXPECT_EQ(w.S().well.config.maxGasEntries, 4);
    EXPECT_EQ(w.S().interaction.mouseEntry.gasDepth, 1002);  // where the next gas entry goes on
    EXPECT_EQ(w.S().interaction.dataEntryActive, 0);

    // The gas track's rows of 1001 and 1002 were drawn while typing; the rows below were not.
    ASSERT_FALSE(during.isNull());
    const auto changed = [&](int row) {
        return testing_support::DifferingPixels(during.copy(g.gas.left, T + row * R, g.gas.Width(), R),
                                                before.copy(g.gas.left, T + row * R, g.gas.Width(), R), 0, R,
                                                g.gas.Width());
    };
    EXPECT_GT(changed(10), 10);
    EXPECT_GT(changed(11), 10);
    EXPECT_EQ(changed(13), 0);
}

TEST(LogGasInputWindow, CancelLeavesTheFileAsItWasAndStillKeepsTheCount)
{
    GasWindow w;
    const QByteArray before = testing_support::ReadBytes(w.path);
    w.S().well.file.lastMudWeightOut = 9.5f;
    w.S().well.file.lastMudWeightOutDepth = 980;
    Dialog::QueueTestScript([&](Dialog& d) {
        for (int k = 0; k < 30; ++k)
            EnterValue(d, QString::number(1 + k % 7));
        d.Click(LogGasInput::IDC_MUD_OUT);
        EnterValue(d, "10.5");
        EXPECT_FLOAT_EQ(w.S().well.file.lastMudWeightOut, 10.5f);
        d.Click(LogGasInput::IDC_MUD_OUT);
        SpinUp(d);
        SpinUp(d);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmEnterGas();
    EXPECT_EQ(testing_support::ReadBytes(w.path), before);
    EXPECT_EQ(w.StoredMaxEntries(), 5);
    EXPECT_FLOAT_EQ(w.S().well.file.lastMudWeightOut, 9.5f);
    EXPECT_EQ(w.S().well.file.lastMudWeightOutDepth, 980);
    EXPECT_EQ(w.S().interaction.mouseEntry.gasDepth, 1006);
}

TEST(LogGasInputWindow, DoneKeepsWhatWasBookedMeanwhileInFieldsNotTyped)
{
    GasWindow w;
    Dialog::QueueTestScript([&](Dialog& d) {
        for (const char* v : {"1", "100", "10", "2", "200", "20"})
            EnterValue(d, v);
        // The gas monitor books into the file under the dialog: another component of a typed record
        // and the gas of a record the entry has not reached.
        auto rows = testing_support::FileRecords<RECORD>(w.path);
        rows.at(1001 - 980).gas[5] = 7.0f;
        rows.at(1001 - 980).co2 = 0.8f;
        rows.at(1005 - 980).gas[0] = 333.0f;
        testing_support::WriteRecords(w.path, rows);
        d.Click(platform::IDOK);
    });
    w.window.CmEnterGas();
    const RECORD r = w.At(1001);
    EXPECT_FLOAT_EQ(r.gas[0], 200.0f);
    EXPECT_FLOAT_EQ(r.gas[1], 2.0f);
    EXPECT_FLOAT_EQ(r.gas[5], 7.0f);
    EXPECT_FLOAT_EQ(r.co2, 0.8f);
    EXPECT_FLOAT_EQ(w.At(1005).gas[0], 333.0f);
}

TEST(LogGasInputWindow, ModeBoxesTakeOneValueAStepAndTheMarkerFollowsTheRow)
{
    GasWindow w;
    w.S().well.file.lastMudWeightOut = 0;
    w.S().well.file.lastMudWeightOutDepth = 0;
    w.S().layout.schemes.trackFlags[layout::FLAG_CO2] = 1;
    w.S().layout.schemes.trackFlags[layout::FLAG_MUD_WEIGHTS] = 1;
    auto rows = testing_support::FileRecords<RECORD>(w.path);
    for (int depth : {1001, 1002, 1003})
        rows.at(std::size_t(depth - 980)).gas[wellfile::GAS_NINTH] = 1.5f;
    testing_support::WriteRecords(w.path, rows);
    w.window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int R = g.rowHeight, T = g.topMargin;
    const int x = (g.rate.left + g.gas.left) / 2;  // on the marker line, between the rate and gas tracks
    QImage clean;
    std::vector<int> markedRows;
    const platform::COLORREF pen = g.pens.table[layout::PEN_CO2].colour;
    const QRgb co2Colour = qRgb(platform::GetRValue(pen), platform::GetGValue(pen), platform::GetBValue(pen));
    const auto colourInRow = [&](QRgb colour, int row) {
        int n = 0;
        const QImage& store = w.window.BackingStore();
        for (int y = T + row * R; y < T + (row + 1) * R; ++y)
            for (int x = g.gas.left + 1; x < g.gas.Right() - 2; ++x)  // inside the track's edges
                n += store.pixel(x, y) == colour;
        return n;
    };
    const auto marked = [&](int row) { return w.window.BackingStore().pixel(x, T + row * R) != clean.pixel(x, T + row * R); };
    Dialog::QueueTestScript([&](Dialog& d) {
        // The marker stands on the first row: a line the log did not have.
        EXPECT_TRUE(marked(10));
        EXPECT_FALSE(marked(11));
        d.Click(LogGasInput::IDC_CO2);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PROMPT), "Enter CO2 for  1001");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "CO2");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_MAX_ENTRIES), "");
        EXPECT_FALSE(d.IsEnabled(LogGasInput::IDC_MAX_ENTRIES));
        EXPECT_FALSE(d.Control(LogGasInput::IDC_USE_RATIOS)->isVisible());
        EnterValue(d, "1.25");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PROMPT), "Enter CO2 for  1002");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PREVIOUS), "1.25");
        // The row is drawn again with the CO2 curve the log shows there (the one the gas monitor books):
        // the track's background comes back, and the curve's stroke down the row with it.
        EnterValue(d, "");
        EXPECT_GE(colourInRow(co2Colour, 11), R);

        d.Click(LogGasInput::IDC_MUD_OUT);
        EXPECT_EQ(d.GetCheck(LogGasInput::IDC_CO2), 0);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "Mud Wt Out");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PROMPT), "Enter WT for  1003");
        const QImage beforeMud = w.window.BackingStore().copy();
        EnterValue(d, "10.4");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "Mud WT Out");
        // The weight is written over the gas track about the typed row.
        EXPECT_GT(testing_support::DifferingPixels(w.window.BackingStore().copy(g.gas.left, T + 11 * R, g.gas.Width(), 3 * R),
                                                   beforeMud.copy(g.gas.left, T + 11 * R, g.gas.Width(), 3 * R), 0, 3 * R,
                                                   g.gas.Width()),
                  20);
        d.Click(LogGasInput::IDC_MUD_IN);
        EnterValue(d, "10.2");
        d.Click(LogGasInput::IDC_CUSTOM);
        EnterValue(d, "3.5");
        d.Click(LogGasInput::IDC_CUSTOM2);
        EnterValue(d, "4.5");
        for (int row = 8; row < 20; ++row)
            if (marked(row))
                markedRows.push_back(row);
        // Back to gas at total gas, with the count again.
        d.Click(LogGasInput::IDC_CUSTOM2);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "TG");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_MAX_ENTRIES), "3");
        EXPECT_TRUE(d.IsEnabled(LogGasInput::IDC_MAX_ENTRIES));
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PROMPT), "Enter gas  for 1006.5  ");
        d.Click(platform::IDOK);
    });
    clean = w.window.BackingStore().copy();
    w.window.CmEnterGas();
    EXPECT_FLOAT_EQ(w.At(1001).co2, 1.25f);
    EXPECT_FLOAT_EQ(w.At(1002).co2, 1.25f);
    EXPECT_FLOAT_EQ(w.At(1003).mudWeightOut, 10.4f);
    EXPECT_FLOAT_EQ(w.At(1004).mudWeightIn, 10.2f);
    EXPECT_FLOAT_EQ(w.At(1005).custom1, 3.5f);
    EXPECT_FLOAT_EQ(w.At(1006).custom2, 4.5f);
    EXPECT_FLOAT_EQ(w.At(1003).gas[wellfile::GAS_NINTH], 1.5f);
    EXPECT_FLOAT_EQ(w.S().well.file.lastMudWeightOut, 10.4f);
    EXPECT_EQ(w.S().well.file.lastMudWeightOutDepth, 1003);
    // One marker line, on the row of the record the entry stands on (1007), whatever the modes did.
    EXPECT_EQ(markedRows, (std::vector<int>{16}));
}

TEST(LogGasInputWindow, RatiosNeedAFirstComponentAboveAndKeysBeepAtTheLimits)
{
    GasWindow w;
    auto rows = testing_support::FileRecords<RECORD>(w.path);
    rows.at(1000 - 980).gas[0] = 100.0f;
    rows.at(1000 - 980).gas[1] = 50.0f;
    rows.at(1000 - 980).gas[2] = 25.0f;
    testing_support::WriteRecords(w.path, rows);
    Dialog::QueueTestScript([&](Dialog& d) {
        Key(d, Qt::Key_Up);  // above the start depth
        Key(d, Qt::Key_Left);  // at the first component
        EXPECT_EQ(doubles().sounder.beeps, 2);
        d.Click(LogGasInput::IDC_USE_RATIOS);
        EXPECT_EQ(d.GetCheck(LogGasInput::IDC_USE_RATIOS), 1);
        EnterValue(d, "2");
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[0], 200.0f);
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[1], 100.0f);
        EXPECT_FLOAT_EQ(w.Typed(1001).halfGas[2], 50.0f);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_PROMPT), "Enter gas  for 1001.0 ");
        d.Click(LogGasInput::IDC_USE_RATIOS);  // off
        EnterValue(d, "1");
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "C1 ppm");
        d.Click(LogGasInput::IDC_USE_RATIOS);  // off the first component: refused
        EXPECT_EQ(d.GetCheck(LogGasInput::IDC_USE_RATIOS), 0);
        EXPECT_EQ(doubles().sounder.beeps, 3);
        // Another key empties the box and shows the component's label again.
        d.SetText(LogGasInput::IDC_VALUE, "12");
        testing_support::PressKey(d, LogGasInput::IDC_VALUE, Qt::Key_Plus, Qt::KeypadModifier);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_VALUE), "");
        // With nothing above to take proportions from, ticking beeps and leaves the box clear.
        Key(d, Qt::Key_Left);
        Key(d, Qt::Key_Down);
        Key(d, Qt::Key_Down);
        d.Click(LogGasInput::IDC_USE_RATIOS);
        EXPECT_EQ(d.GetCheck(LogGasInput::IDC_USE_RATIOS), 0);
        EXPECT_EQ(doubles().sounder.beeps, 4);
        d.Click(platform::IDOK);
    });
    w.window.CmEnterGas();
    EXPECT_FLOAT_EQ(w.At(1001).halfGas[2], 50.0f);
}
