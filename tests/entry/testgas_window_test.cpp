// "&Test Gas Values... " on the main window: what the dialog offers, what "Save" writes into the data
// file interval after interval, the hot-wire profiles, a refused interval and the drilling object's
// values at the bottom of the file.
#include "drilling/driller.h"
#include "entry/ui/gaspercdlg.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

using entry::GasPercDlg;
using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

constexpr qsizetype kSize = 616;

// A window over 900..2000 viewed from 1234, the last record's test values set apart from the others.
struct TestGasWindow : testing_support::EntryWindow {
    TestGasWindow() : EntryWindow(QStringLiteral("testgas.svm"), 900, 2000)
    {
        std::vector<wellfile::RECORD> rows = testing_support::FileRecords<wellfile::RECORD>(path);
        const float last[8] = {7.9f, 250.7f, 300.0f, 40.2f, 50.0f, 60.0f, 70.0f, 80.0f};
        std::copy(std::begin(last), std::end(last), rows.back().testGas);
        testing_support::WriteRecords(path, rows);
        S().well.file.viewTopDepth = 1234;
    }
};

// `bytes` with the test values of the records from..to set to `values`.
void SetTestGas(QByteArray& bytes, int from, int to, const std::array<float, 8>& values)
{
    for (int depth = from; depth <= to; ++depth)
        bytes.replace((depth - 900) * kSize + 68, 32, QByteArray(reinterpret_cast<const char*>(values.data()), 32));
}

void Interval(Dialog& d, const QString& from, const QString& to)
{
    d.SetText(GasPercDlg::IDC_FROM, from);
    d.SetText(GasPercDlg::IDC_TO, to);
}

}  // namespace

TEST(TestGasWindow, OffersTheViewTopToTheEndWithTheLastValuesAndWritesOneIntervalAfterAnother)
{
    TestGasWindow w;
    QByteArray expected = ReadBytes(w.path);
    QStringList shown, proposals;
    bool hotWireShown = true;
    Dialog::QueueTestScript([&](Dialog& d) {
        for (int id : {GasPercDlg::IDC_FROM, GasPercDlg::IDC_TO, GasPercDlg::IDC_C1, GasPercDlg::IDC_C3,
                       GasPercDlg::IDC_NC5})
            shown << d.GetText(id);
        hotWireShown = d.Control(GasPercDlg::IDC_HW)->isVisible() || d.Control(GasPercDlg::IDC_HW_LABEL)->isVisible();
        Interval(d, "1001", "1051");
        d.SetText(GasPercDlg::IDC_C1, "200");
        for (int id : {GasPercDlg::IDC_C2, GasPercDlg::IDC_C3, GasPercDlg::IDC_IC4, GasPercDlg::IDC_NC4,
                       GasPercDlg::IDC_IC5})
            d.SetText(id, "");
        d.SetText(GasPercDlg::IDC_NC5, "abc");  // no number: 1.0
        const auto save = [&] {
            d.Click(GasPercDlg::IDC_SAVE);
            proposals << d.GetText(GasPercDlg::IDC_FROM) + ".." + d.GetText(GasPercDlg::IDC_TO);
        };
        save();
        Interval(d, "1900", "1990");
        save();
        save();  // the intervals proposed
        save();
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();
    EXPECT_EQ(shown, (QStringList{"1234", "2000", "250", "40", "80"}));
    EXPECT_FALSE(hotWireShown);  // profile 12 has no hot wire
    // Near the end the proposal stops at the last depth, and then stays there.
    EXPECT_EQ(proposals, (QStringList{"1052..1152", "1992..2000", "2000..2000", "2000..2000"}));

    // C1 200 and 1.0 for the rest in the intervals written; every other byte as it was.
    const std::array<float, 8> values{1.0f, 200.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    SetTestGas(expected, 1000, 1050, values);
    SetTestGas(expected, 1900, 1990, values);
    SetTestGas(expected, 1992, 2000, values);
    EXPECT_TRUE(ReadBytes(w.path) == expected);
}

TEST(TestGasWindow, HotWireProfilesTakeTheHotWireAndAnIntervalUpsideDownIsRefused)
{
    TestGasWindow w;
    w.S().well.loggerId = 17;
    QByteArray expected = ReadBytes(w.path);
    QString hotWire;
    Dialog::QueueTestScript([&](Dialog& d) {
        hotWire = d.Control(GasPercDlg::IDC_HW_LABEL)->isVisible() ? d.GetText(GasPercDlg::IDC_HW) : "hidden";
        Interval(d, "1500", "1400");  // a beep and nothing written
        d.Click(GasPercDlg::IDC_SAVE);
        EXPECT_EQ(doubles().sounder.beeps, 1);
        EXPECT_EQ(d.GetText(GasPercDlg::IDC_FROM), "1500");
        Interval(d, "1100", "1110");
        d.SetText(GasPercDlg::IDC_HW, "0.5");
        d.Click(GasPercDlg::IDC_SAVE);
        Interval(d, "1200", "1202");
        d.SetText(GasPercDlg::IDC_HW, "12.5");
        d.Click(GasPercDlg::IDC_SAVE);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();
    EXPECT_EQ(hotWire, "7");
    SetTestGas(expected, 1100, 1110, {50.0f, 250.0f, 300.0f, 40.0f, 50.0f, 60.0f, 70.0f, 80.0f});
    SetTestGas(expected, 1200, 1202, {12.5f, 250.0f, 300.0f, 40.0f, 50.0f, 60.0f, 70.0f, 80.0f});
    EXPECT_TRUE(ReadBytes(w.path) == expected);
}

TEST(TestGasWindow, WhileDrillingAnIntervalToTheBottomSetsTheDrillersValues)
{
    TestGasWindow w;
    app::LogState& s = w.S();
    s.env.firstInstance = 1;
    s.well.file.dataFolder = s.well.file.currentFolder;  // drilling keeps to the data folder
    w.window.CmDrilling();
    ASSERT_NE(s.engines.driller, nullptr);
    drilling::Driller& driller = *s.engines.driller;
    const float before = driller.Records().working.testGas[wellfile::TEST_C1];
    Dialog::QueueTestScript([&](Dialog& d) {
        Interval(d, "1500", "1997");  // ends at 1996, short of the bottom
        d.SetText(GasPercDlg::IDC_C1, "321");
        d.Click(GasPercDlg::IDC_SAVE);
        EXPECT_EQ(driller.Records().working.testGas[wellfile::TEST_C1], before);
        Interval(d, "1998", "2000");
        d.SetText(GasPercDlg::IDC_C1, "400");
        d.SetText(GasPercDlg::IDC_C3, "-5");
        d.Click(GasPercDlg::IDC_SAVE);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();
    for (const wellfile::RECORD* r : {&driller.Records().previous, &driller.Records().working}) {
        std::vector<float> v(8);
        std::memcpy(v.data(), reinterpret_cast<const char*>(r) + 68, 32);
        EXPECT_EQ(v, (std::vector<float>{1, 400, 300, 1, 50, 60, 70, 80}));  // -5 is 1.0
    }
    w.window.CmDrilling();
    EXPECT_EQ(s.engines.driller, nullptr);
}
