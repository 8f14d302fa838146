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

using entry::GasPercDlg;
using platform::Dialog;
using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

constexpr int kFirst = 900, kLast = 2000, kSize = 616;

// A window over 900..2000 viewed from 1234, the last record's test values set apart from the others.
struct TestGasWindow : testing_support::EntryWindow {
    TestGasWindow()
        : EntryWindow(QStringLiteral("testgas.svm"), kFirst, kLast)
    {
        std::vector<wellfile::RECORD> rows = testing_support::FileRecords<wellfile::RECORD>(path);
        const float last[8] = { 7.9f, 250.7f, 300.0f, 40.2f, 50.0f, 60.0f, 70.0f, 80.0f };
        std::copy(std::begin(last), std::end(last), rows.back().testGas);
        testing_support::WriteRecords(path, rows);
        S().well.file.viewTopDepth = 1234;
    }
    qsizetype Offset(int depth, int byte) const { return qsizetype(depth - kFirst) * kSize + byte; }
};

// `bytes` with the test values of the records from..to set to `values`.
void SetTestGas(QByteArray& bytes, int from, int to, const std::array<float, 8>& values)
{
    for (int depth = from; depth <= to; ++depth)
        bytes.replace(
            qsizetype(depth - kFirst) * kSize + 68, 32, QByteArray(reinterpret_cast<const char*>(values.data()), 32));
}

} // namespace

TEST(TestGasWindow, OffersTheViewTopToTheEndWithTheLastValuesAndWritesOneIntervalAfterAnother)
{
    TestGasWindow w;
    const QByteArray before = ReadBytes(w.path);
    QStringList shown, proposals;
    bool hotWireShown = true;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Gas Percent Values");
        for (int id : { GasPercDlg::IDC_FROM, GasPercDlg::IDC_TO, GasPercDlg::IDC_C1, GasPercDlg::IDC_C2,
                 GasPercDlg::IDC_C3, GasPercDlg::IDC_IC4, GasPercDlg::IDC_NC5 })
            shown << d.GetText(id);
        hotWireShown = d.Control(GasPercDlg::IDC_HW)->isVisible() || d.Control(GasPercDlg::IDC_HW_LABEL)->isVisible();

        d.SetText(GasPercDlg::IDC_FROM, "1001");
        d.SetText(GasPercDlg::IDC_TO, "1051");
        d.SetText(GasPercDlg::IDC_C1, "200");
        for (int id : { GasPercDlg::IDC_C2, GasPercDlg::IDC_C3, GasPercDlg::IDC_IC4, GasPercDlg::IDC_NC4,
                 GasPercDlg::IDC_IC5, GasPercDlg::IDC_NC5 })
            d.SetText(id, "");
        d.Click(GasPercDlg::IDC_SAVE);
        proposals << d.GetText(GasPercDlg::IDC_FROM) << d.GetText(GasPercDlg::IDC_TO);

        // Near the end the interval stops at the last depth, and then stays there.
        d.SetText(GasPercDlg::IDC_FROM, "1900");
        d.SetText(GasPercDlg::IDC_TO, "1990");
        d.SetText(GasPercDlg::IDC_C2, "abc"); // no number: 1.0
        d.Click(GasPercDlg::IDC_SAVE);
        proposals << d.GetText(GasPercDlg::IDC_FROM) << d.GetText(GasPercDlg::IDC_TO);
        d.Click(GasPercDlg::IDC_SAVE);
        proposals << d.GetText(GasPercDlg::IDC_FROM) << d.GetText(GasPercDlg::IDC_TO);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();

    EXPECT_EQ(shown, (QStringList { "1234", "2000", "250", "300", "40", "50", "80" }));
    EXPECT_FALSE(hotWireShown); // profile 12 has no hot wire
    EXPECT_EQ(proposals, (QStringList { "1052", "1152", "1992", "2000", "2000", "2000" }));

    // C1 200 and 1.0 for the rest in the three intervals written; every other byte as it was.
    QByteArray expected = before;
    const std::array<float, 8> values { 1.0f, 200.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f };
    SetTestGas(expected, 1000, 1050, values);
    SetTestGas(expected, 1900, 1990, values);
    SetTestGas(expected, 1992, 2000, values);
    const QByteArray after = ReadBytes(w.path);
    EXPECT_EQ(At<float>(after, w.Offset(1000, 72)), 200.0f);
    EXPECT_EQ(At<float>(after, w.Offset(1050, 76)), 1.0f);
    EXPECT_EQ(At<float>(after, w.Offset(1051, 72)), 100.0f);
    EXPECT_TRUE(after == expected);
}

TEST(TestGasWindow, HotWireProfilesTakeTheHotWireAndAnIntervalUpsideDownIsRefused)
{
    TestGasWindow w;
    w.S().well.loggerId = 17;
    const QByteArray before = ReadBytes(w.path);
    QString hotWire;
    bool shown = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        hotWire = d.GetText(GasPercDlg::IDC_HW);
        shown = d.Control(GasPercDlg::IDC_HW)->isVisible() && d.Control(GasPercDlg::IDC_HW_LABEL)->isVisible();
        // From above To: a beep, and the file as it was.
        d.SetText(GasPercDlg::IDC_FROM, "1500");
        d.SetText(GasPercDlg::IDC_TO, "1400");
        d.Click(GasPercDlg::IDC_SAVE);
        EXPECT_EQ(ReadBytes(w.path), before);
        EXPECT_EQ(doubles().sounder.beeps, 1);
        EXPECT_EQ(d.GetText(GasPercDlg::IDC_FROM), "1500");

        d.SetText(GasPercDlg::IDC_FROM, "1100");
        d.SetText(GasPercDlg::IDC_TO, "1110");
        d.SetText(GasPercDlg::IDC_HW, "0.5");
        d.Click(GasPercDlg::IDC_SAVE);
        d.SetText(GasPercDlg::IDC_FROM, "1200");
        d.SetText(GasPercDlg::IDC_TO, "1202");
        d.SetText(GasPercDlg::IDC_HW, "12.5");
        d.Click(GasPercDlg::IDC_SAVE);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();
    EXPECT_EQ(hotWire, "7");
    EXPECT_TRUE(shown);
    const QByteArray after = ReadBytes(w.path);
    EXPECT_EQ(At<float>(after, w.Offset(1100, 68)), 50.0f);
    EXPECT_EQ(At<float>(after, w.Offset(1110, 68)), 50.0f);
    EXPECT_EQ(At<float>(after, w.Offset(1111, 68)), 100.0f);
    EXPECT_EQ(At<float>(after, w.Offset(1202, 68)), 12.5f);
    EXPECT_EQ(At<float>(after, w.Offset(1202, 72)), 250.0f); // the box as it was shown
}

TEST(TestGasWindow, WhileDrillingAnIntervalToTheBottomSetsTheDrillersValues)
{
    TestGasWindow w;
    app::LogState& s = w.S();
    s.env.firstInstance = 1;
    s.well.file.dataFolder = s.well.file.currentFolder; // drilling keeps to the data folder
    w.window.CmDrilling();
    ASSERT_NE(s.engines.driller, nullptr)
        << (doubles().prompter.messages.empty() ? QString() : doubles().prompter.messages.back().text).toStdString();
    drilling::Driller& driller = *s.engines.driller;
    const float before = driller.working.testGas[wellfile::TEST_C1];

    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetText(GasPercDlg::IDC_FROM, "1500");
        d.SetText(GasPercDlg::IDC_TO, "1997"); // ends at 1996, short of the bottom
        d.SetText(GasPercDlg::IDC_C1, "321");
        d.Click(GasPercDlg::IDC_SAVE);
        EXPECT_EQ(driller.working.testGas[wellfile::TEST_C1], before);

        d.SetText(GasPercDlg::IDC_FROM, "1998");
        d.SetText(GasPercDlg::IDC_TO, "2000");
        d.SetText(GasPercDlg::IDC_C1, "400");
        d.SetText(GasPercDlg::IDC_C3, "-5");
        d.Click(GasPercDlg::IDC_SAVE);
        d.Click(platform::IDCANCEL);
    });
    w.window.CmTestGasValues();
    for (const wellfile::RECORD* r : { &driller.previous, &driller.working }) {
        EXPECT_EQ(r->testGas[wellfile::TEST_TG], 1.0f);
        EXPECT_EQ(r->testGas[wellfile::TEST_C1], 400.0f);
        EXPECT_EQ(r->testGas[wellfile::TEST_C2], 300.0f);
        EXPECT_EQ(r->testGas[wellfile::TEST_C3], 1.0f); // 0 or less is 1.0
        EXPECT_EQ(r->testGas[wellfile::TEST_NC5], 80.0f);
    }
    w.window.CmDrilling();
    EXPECT_EQ(s.engines.driller, nullptr);
}
