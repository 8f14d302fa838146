// Manual, 3. Entering what you see: "Gas, rates and mud weights", walked on the demo well with drilling
// mode on, through the menus and the mouse as the manual names them.
#include "entry/ui/enterrate.h"
#include "entry/ui/loggasinput.h"
#include "layout/pentable.h"
#include "manual/enteringsteps.h"
#include "platform/ui/dialog.h"
#include "platform/winapi.h"
#include "shell/ui/labelgasdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/entrywindow.h"
#include "support/testmain.h"

#include <QAction>

#include <gtest/gtest.h>

using entry::EnterRate;
using entry::LogGasInput;
using platform::Dialog;
using testing_support::doubles;
using testing_support::EnterValue;

namespace {

// One pass of the gas entry: total gas in percent, then C1 to nC5 in ppm.
void GasPass(Dialog& d, const QStringList& values)
{
    for (const QString& v : values)
        EnterValue(d, LogGasInput::IDC_VALUE, v);
}

QRgb Colour(platform::COLORREF c) { return qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c)); }

}  // namespace

// Enter Data > Gas... and Enter Data > Rates...: the depth asked, the half step first, the mud weights and
// CO2 by their boxes, each value read back from the data file at its own depth; then the gas shown as
// percent of total.
TEST(ManualGasRatesMudWeights, EnterDataGasAndRatesStoreEachValueAtItsDepth)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow w(window);
    ASSERT_TRUE(w.Open(1480));
    const wellfile::RECORD typedDepth = w.At(1500);
    const QStringList half = {"1.5", "3000", "1000", "500", "250", "250", "0", "0"};
    const QStringList full = {"2.5", "6000", "2000", "1000", "500", "500", "0", "0"};
    QStringList prompts;
    doubles().prompter.inputAnswers = {QString("1500")};
    Dialog::QueueTestScript([&](Dialog& d) {
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        GasPass(d, half);
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        GasPass(d, full);
        GasPass(d, full);  // 1502 as 1501: the percent curves run straight down there
        GasPass(d, full);
        d.Click(LogGasInput::IDC_MUD_OUT);
        prompts << d.GetText(LogGasInput::IDC_PROMPT);
        EnterValue(d, LogGasInput::IDC_VALUE, "10.2");
        d.Click(LogGasInput::IDC_MUD_OUT);
        EXPECT_EQ(d.GetText(LogGasInput::IDC_LABEL), "TG");  // back to the gas
        d.Click(LogGasInput::IDC_MUD_IN);
        EnterValue(d, LogGasInput::IDC_VALUE, "10.1");
        d.Click(LogGasInput::IDC_MUD_IN);
        d.Click(LogGasInput::IDC_CO2);
        EnterValue(d, LogGasInput::IDC_VALUE, "0.7");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Enter Data", "Gas..."));
    EXPECT_EQ(doubles().prompter.inputPrompts, QStringList{"Enter Depth to start gas"});
    EXPECT_EQ(prompts, (QStringList{"Enter gas  for 1500.5  ", "Enter gas  for 1501.0 ", "Enter WT for  1503"}));
    const wellfile::RECORD r1501 = w.At(1501), r1502 = w.At(1502);
    EXPECT_FLOAT_EQ(r1501.halfGas[0], 150.0f);  // percent kept times 100
    EXPECT_FLOAT_EQ(r1501.halfGas[1], 30.0f);   // ppm kept times 0.01
    EXPECT_FLOAT_EQ(r1501.halfGas[5], 2.5f);
    EXPECT_FLOAT_EQ(r1501.gas[0], 250.0f);
    EXPECT_FLOAT_EQ(r1501.gas[1], 60.0f);
    EXPECT_FLOAT_EQ(r1502.gas[2], 20.0f);
    EXPECT_FLOAT_EQ(w.At(1503).mudWeightOut, 10.2f);
    EXPECT_FLOAT_EQ(w.At(1504).mudWeightIn, 10.1f);
    EXPECT_FLOAT_EQ(w.At(1505).co2, 0.7f);
    EXPECT_FLOAT_EQ(w.At(1500).gas[0], typedDepth.gas[0]);  // the depth typed keeps its gas
    EXPECT_FLOAT_EQ(w.At(1500).halfGas[1], typedDepth.halfGas[1]);

    // Rates: two halves a step, from the depth typed down; the step keeps both and their mean.
    prompts.clear();
    doubles().prompter.inputAnswers = {QString("1600")};
    Dialog::QueueTestScript([&](Dialog& d) {
        prompts << d.GetText(EnterRate::IDC_PROMPT);
        EnterValue(d, EnterRate::IDC_VALUE, "2");
        prompts << d.GetText(EnterRate::IDC_PROMPT);
        EnterValue(d, EnterRate::IDC_VALUE, "4");
        EnterValue(d, EnterRate::IDC_VALUE, "1.5");
        EnterValue(d, EnterRate::IDC_VALUE, "1.5");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.Choose("Enter Data", "Rates..."));
    EXPECT_EQ(doubles().prompter.inputPrompts.back(), "Enter Depth to start rates");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_TRUE(prompts[0].startsWith("Enter 1 M Rates for 1600.0 TO 1600.5")) << prompts[0].toStdString();
    EXPECT_TRUE(prompts[1].startsWith("Enter  Rate for 1600.5 TO 1601.0")) << prompts[1].toStdString();
    const wellfile::RECORD rate = w.At(1601);
    EXPECT_FLOAT_EQ(rate.rateOdd, 2.0f);
    EXPECT_FLOAT_EQ(rate.rateOne, 4.0f);
    EXPECT_FLOAT_EQ(rate.rate2Ft, 3.0f);
    EXPECT_FLOAT_EQ(w.At(1602).rateOne, 1.5f);

    // Options > Gas As Percent of Total: C1 is 60 % and C2 20 % of the components of 1502, drawn in the
    // percent column (20 gas cells for 100 %) that stands in the descriptions' place left of the gas track.
    // A record's curves take the row above its depth: 1501 and 1502 run straight down the row of 1501.
    QAction* percent = w.Item("Options", "Gas As Percent of Total");  // the bar is built anew by each choice
    ASSERT_TRUE(percent && percent->isEnabled());
    w.PaintAt(1480);
    const QImage plain = window.BackingStore().copy();
    ASSERT_TRUE(w.Choose("Options", "Gas As Percent of Total"));
    EXPECT_TRUE(w.Item("Options", "Gas As Percent of Total")->isChecked());
    w.PaintAt(1480);
    const QImage& shown = window.BackingStore();
    const int origin = w.g.description.left + w.g.gas.cell, y = w.RowY(1501);
    const auto curveNear = [&](const QImage& image, int x, int pen) {
        for (int dx = -2; dx <= 2; ++dx)
            if ((image.pixel(x + dx, y) & 0xFFFFFF) == (Colour(w.g.pens.table[std::size_t(pen)].colour) & 0xFFFFFF))
                return true;
        return false;
    };
    EXPECT_TRUE(curveNear(shown, origin + 12 * w.g.gas.cell, layout::PEN_C1));
    EXPECT_TRUE(curveNear(shown, origin + 4 * w.g.gas.cell, layout::PEN_C2));
    EXPECT_FALSE(curveNear(plain, origin + 12 * w.g.gas.cell, layout::PEN_C1));
    ASSERT_TRUE(w.Choose("Options", "Gas As Percent of Total"));
    EXPECT_FALSE(w.Item("Options", "Gas As Percent of Total")->isChecked());
    w.PaintAt(1480);
    EXPECT_FALSE(curveNear(window.BackingStore(), origin + 12 * w.g.gas.cell, layout::PEN_C1));
}

// Ctrl with a double-click in the gas or rate track opens its entry at the clicked depth, without asking.
TEST(ManualGasRatesMudWeights, CtrlDoubleClickInTheGasAndRateTracksStartsThereWithoutAsking)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow w(window);
    ASSERT_TRUE(w.Open(1680));
    QStringList opened;
    Dialog::QueueTestScript([&](Dialog& d) {
        opened << d.windowTitle() + ": " + d.GetText(LogGasInput::IDC_PROMPT);
        GasPass(d, {"3", "5000", "100", "50", "20", "20", "10", "10"});
        d.Click(platform::IDOK);
    });
    w.DoubleClick(w.g.gas.left + 40, w.RowY(1700), Qt::ControlModifier);
    Dialog::QueueTestScript([&](Dialog& d) {
        opened << d.windowTitle() + ": " + d.GetText(EnterRate::IDC_PROMPT).left(36);
        EnterValue(d, EnterRate::IDC_VALUE, "7");
        EnterValue(d, EnterRate::IDC_VALUE, "9");
        d.Click(platform::IDOK);
    });
    w.PaintAt(1680);
    w.DoubleClick(w.g.rate.left + 30, w.RowY(1720), Qt::ControlModifier);
    EXPECT_EQ(opened.join("|").toStdString(),
              "Enter Gas : Enter gas  for 1700.5  |Enter Rates: Enter 1 M Rates for 1720.0 TO 1720.5");
    EXPECT_TRUE(doubles().prompter.inputPrompts.isEmpty());
    EXPECT_FLOAT_EQ(w.At(1701).halfGas[0], 300.0f);
    EXPECT_FLOAT_EQ(w.At(1721).rateOne, 9.0f);
}

// The right and Ctrl clicks on the tracks: gas peaks labelled, the ratio chart, connection, trip and
// casing-point marks, each written into the record the manual names.
TEST(ManualGasRatesMudWeights, ClicksBesideTheTracksLabelPeaksDrawTheRatioChartAndMarkDepths)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow w(window);
    ASSERT_TRUE(w.Open(1780));
    const int U = w.g.unitWidth;

    // Ctrl with a right click in the gas track: the gases of that depth whose curves carry their names.
    QString title;
    Dialog::QueueTestScript([&](Dialog& d) {
        title = d.GetText(shell::LabelGasDlgX::ID_TITLE);
        d.Click(shell::LabelGasDlgX::ID_FIRST_GAS + 1);  // C1
        d.Click(platform::IDOK);
    });
    const float c1 = w.At(1800).gas[1];
    ASSERT_GT(c1, 0.0f);
    const int R = w.g.rowHeight, band = w.RowY(1798);
    const QImage unlabelled = window.BackingStore().copy(w.g.gas.left, band, w.g.gasRight - w.g.gas.left, 4 * R);
    w.Click(Qt::RightButton, w.g.gasRight - 30, w.RowY(1800), Qt::ControlModifier);
    EXPECT_EQ(title, "Select Gasses to label at 1800");
    EXPECT_FLOAT_EQ(w.At(1800).gas[1], -c1);  // a labelled gas keeps its value
    w.PaintAt(1780);
    const QImage labelled = window.BackingStore().copy(w.g.gas.left, band, w.g.gasRight - w.g.gas.left, 4 * R);
    EXPECT_GT(testing_support::DifferingPixels(unlabelled, labelled, 0, 4 * R, labelled.width()), 10);  // "C1" written

    // The marks, each set by a click and cleared by the same click again, in the record the manual names,
    // and drawn on the log in the rows around it meanwhile.
    struct Mark {
        const char* what;
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        int x, clicked, record, code;
    };
    const Mark marks[] = {
        {"connection, right of the rate track", Qt::LeftButton, Qt::ControlModifier, w.g.rate.Right() + 5 * U + U / 2, 1810, 1810, 2},
        {"trip, the gas track's left edge", Qt::LeftButton, Qt::ControlModifier, w.g.gas.left + U, 1820, 1821, 4},
        {"casing, the lithology column's left edge", Qt::RightButton, Qt::NoModifier, w.g.lithology.left - U / 2, 1830, 1831, 3},
    };
    for (const Mark& m : marks) {
        w.PaintAt(1780);
        const QImage unmarked = window.BackingStore().copy();
        const int top = w.RowY(m.clicked) - 2 * R, bottom = w.RowY(m.clicked) + 3 * R;
        const int neighbour = m.record == m.clicked ? m.record + 1 : m.clicked;
        const std::uint16_t neighbourCode = w.At(neighbour).tripCode;
        ASSERT_EQ(w.At(m.record).tripCode, 0) << m.what;
        w.Click(m.button, m.x, w.RowY(m.clicked), m.keys);
        EXPECT_EQ(w.At(m.record).tripCode, m.code) << m.what;
        EXPECT_EQ(w.At(neighbour).tripCode, neighbourCode) << m.what;
        w.PaintAt(1780);
        EXPECT_GT(testing_support::DifferingPixels(unmarked, window.BackingStore(), top, bottom, w.g.logWidth), 10) << m.what;
        w.Click(m.button, m.x, w.RowY(m.clicked), m.keys);
        EXPECT_EQ(w.At(m.record).tripCode, 0) << m.what;
        w.PaintAt(1780);
        EXPECT_EQ(testing_support::DifferingPixels(unmarked, window.BackingStore(), top, bottom, w.g.logWidth), 0) << m.what;
    }

    // Ctrl with a right click right of the last custom track: the ratio chart, a square of 30 units at the
    // lithology column's left edge, with its zones and the sample's blue line.
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    w.PaintAt(1780);
    const int T = w.g.topMargin, S = 30 * U, left = w.g.lithology.left;
    const auto any = [&](QRgb rgb, int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if ((window.BackingStore().pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF))
                    return true;
        return false;
    };
    EXPECT_FALSE(any(qRgb(255, 0, 0), left + S / 4, left + S / 2, T + 45, T + 60));
    // The demo's custom tracks are a drilling and a FIT track: the chart comes right of them, where no
    // custom track stands and the depth records give the ratios.
    int customRight = 0;
    for (const auto& t : window.State().customTracks.data->screenSet)
        customRight = std::max(customRight, t.rightX);
    const int gasTrackX = customRight + 5;
    ASSERT_LT(gasTrackX, w.g.logWidth);
    w.Click(Qt::RightButton, gasTrackX, w.RowY(1840), Qt::ControlModifier);
    EXPECT_TRUE(any(qRgb(255, 0, 0), left + S / 4, left + S / 2, T + 45, T + 60));  // "Dry Gas"
    EXPECT_TRUE(any(qRgb(0, 0, 255), left, left + 2, T, T + S));                     // the frame
    w.PaintAt(1780);
    EXPECT_FALSE(any(qRgb(255, 0, 0), left + S / 4, left + S / 2, T + 45, T + 60));
}
