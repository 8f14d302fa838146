// The chromatograph's cycle fed answer by answer: the peaks inside the component windows, the end of a
// cycle, the calibration with a test gas, the baseline second and the hot-wire span set from a test gas.
#include "enginefixture.h"

#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"
#include "wellfile/openwell.h"

#include <QFile>

#include <array>
#include <cstring>

using namespace testing_support;
using gasmon_testing::EngineTest;

namespace {

using Block = std::array<std::uint16_t, 25>;

class Cycle : public EngineTest {
protected:
    // The chromatograph reading `ch` (and hot wire `hw`) answered `t` seconds into the cycle.
    void At(gasmon::AutoGas& e, int t, int ch, int hw = 0)
    {
        doubles().clock.ms = start + std::int64_t(t) * 1000;
        e.Poll();
        Block r{};
        r[0] = std::uint16_t(hw);
        r[2] = std::uint16_t(ch);
        e.TakeAnswer(r.data(), 0);
    }
    std::int64_t start = 0;
};

TEST_F(Cycle, EachComponentTakesItsPeakOverTheBaselineInsideItsWindow)
{
    cfg.chromatSpan = 2000;
    cfg.chromatAttenuator = 1;
    const int elution[5] = {30, 60, 90, 120, 150};
    for (int k = 0; k < 5; ++k)
        cfg.elutionTime[k] = elution[k];
    cfg.chromatZero = 24;
    cfg.drift[0] = 5;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    start = doubles().clock.ms;
    EXPECT_EQ(e.Settings().baselineSecond, 24);

    // The baseline is the mean of the three answers around its second; earlier ones are not in it.
    At(e, 20, 900);
    for (int t = 23; t <= 25; ++t)
        At(e, t, 90 + (t - 23) * 10);
    At(e, 27, 5000) ;  // the window opens after the elution time less 3 s
    EXPECT_EQ(e.Readings().values[1], 0.0f);
    const int c1[] = {1000, 1600, 1590, 1500, 1000};
    for (int i = 0; i < 5; ++i)
        At(e, 28 + i, c1[i]);
    EXPECT_FLOAT_EQ(e.Settings().zeros[1], 100.0f);
    EXPECT_FLOAT_EQ(e.Readings().values[1], 150.0f - 5.0f) << "(1,600 - 100) x 2,000 / 20,000 less C1's offset";
    EXPECT_EQ(e.Cycle().peakEndSeconds[1], 31) << "the first second below 99 % of the peak";

    // C2 never rises above the baseline; C3 does.
    for (int t = 34; t <= 100; ++t)
        At(e, t, t > 88 && t < 92 ? 600 : 50);
    EXPECT_EQ(e.Readings().values[2], 0.0f);
    EXPECT_FLOAT_EQ(e.Readings().values[3], 50.0f);
    EXPECT_EQ(e.Cycle().componentIndex, 4);

    // Past C3 the baseline kept from C1 counts, whatever the running one says now.
    EditSettings(e, [&](auto& v) { v.zeros[1] = 400; });
    for (int t = 101; t <= 160; ++t)
        At(e, t, t == 120 ? 300 : 100);
    EXPECT_FLOAT_EQ(e.Readings().values[4], 20.0f);
    EXPECT_TRUE(e.Cycle().cycleEnded) << "past the last component";
    EXPECT_EQ(e.Cycle().componentIndex, 6);
    EXPECT_FLOAT_EQ(e.Readings().record.components[0], 145.0f);
    EXPECT_FLOAT_EQ(e.Readings().record.components[2], 50.0f);
}

TEST_F(Cycle, TheEndOfACycleKeepsOnlyTheFractionsTheReadingsCarry)
{
    WithDriller();
    gasmon::AutoGas& e = Make(3);
    EditReadings(e, [&](auto& v) {
        v.currentTotalGas = 20;
        v.values[1] = 1.5f;
        v.values[3] = 0.5f;
    });
    e.EndCycle();
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[0], 1.5f / 20);
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(e.Readings().record.fractions[k], 0.0f) << k;

    EditSettings(e, [&](auto& v) { v.ratioSetting = true; });
    EditReadings(e, [&](auto& v) {
        v.currentTotalGas = 200;
        v.values[1] = 100;
        v.values[2] = 2;
        v.values[3] = 0;
    });
    e.EndCycle();
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[0], 0.95f) << "100 / 102, at most 0.95";
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[1], 2.0f / 102);

    // Gas of a connection gives no fractions.
    driller->SetConnectionMarker(1);
    EditReadings(e, [&](auto& v) { v.values[1] = 50; });
    e.EndCycle();
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[0], 0.95f);
    EXPECT_FLOAT_EQ(e.Readings().record.fractions[1], 2.0f / 102);

    // Retention times go to the chart, then start over.
    std::array<std::int32_t, 8> shown{};
    host.showRetentionTimes = [&](const std::array<std::int32_t, 8>& t) { shown = t; };
    EditCycle(e, [&](auto& v) { v.peakEndSeconds[1] = 31; });
    e.EndCycle();
    EXPECT_EQ(shown[1], 31);
    EXPECT_EQ(e.Cycle().peakEndSeconds[1], 0);
}

TEST_F(Cycle, ANewCycleCountsTheConnectionMarkerDownUnlessTheBitIsStillOff)
{
    WithDriller();
    driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
    gasmon::AutoGas& e = Make(3);
    testing_support::EditBottom(*driller, [](drilling::DrillerBottom& v) { v.connectionMarkerLimit = 5; });
    driller->SetConnectionMarker(2);
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 1);
    driller->Time()->offBottom = 1;
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 1) << "off bottom without circulation";
    driller->Time()->circulating = 1;
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 0);
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 0) << "not below 0";
    driller->SetConnectionMarker(7);
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 0) << "past its limit";
    EditSettings(e, [&](auto& v) { v.baselineFid = true; });
    driller->SetConnectionMarker(5);
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 0) << "the limit is 3 with the BASELINE FID";
    driller->SetConnectionMarker(4);
    e.StartCycle();
    EXPECT_EQ(driller->Bottom().connectionMarker, 3);
}

TEST_F(Cycle, TheBaselineSecondAtStartLiesShortlyBeforeTheFirstComponent)
{
    const auto at = [&](int e1, int zero, int type = 3) {
        cfg.elutionTime[0] = e1;
        cfg.chromatZero = zero;
        WriteCfg();
        return StartOffline(type).Settings().baselineSecond;
    };
    EXPECT_EQ(at(12, 10), 6) << "9, then E1 - 6";
    EXPECT_EQ(at(30, 25), 24);
    EXPECT_EQ(at(30, 10), 21) << "not earlier than E1 - 0.3 x E1";
    EXPECT_EQ(at(0, 10), 0);
    EXPECT_EQ(at(30, 10, 7), 10) << "the TCP chromatograph keeps its own";
}

TEST_F(Cycle, ACalibrationLearnsTheElutionTimesAndStoresTheTestGas)
{
    WithDriller();
    // The data file's last record, read back after the calibration.
    const QString dataFile = TestDir() + QStringLiteral("ALPHA.svm");
    wellfile::RECORD last{};
    last.depth = 1200;
    last.testGas[wellfile::TEST_C1] = 7;
    {
        QFile f(dataFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(&last), sizeof last);
    }
    lastRecord = last;
    host.writeLastRecord = [&](const wellfile::RECORD& r) { return wellfile::WriteRecordAt(dataFile, 0, &r, sizeof r); };
    cfg.chromatSpan = 20000;  // one unit per count
    cfg.elutionTime[0] = 40;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    e.OpenGasDisplay();
    ASSERT_NE(display, nullptr);
    start = doubles().clock.ms;
    EditRequests(e, [&](auto& v) { v.calibrationCycle = true; });

    const int peaks[5] = {30, 50, 70, 90, 110};
    for (int t = 1; t <= 200 && e.Requests().calibrationCycle; ++t) {
        int ch = 100;
        for (int i = 0; i < 5; ++i) {
            const int d = t - peaks[i];
            ch += d == -1 ? 60 : d == 0 ? 200 + 10 * i : d == 1 ? 80 : d == 2 ? 10 : 0;
        }
        if (t == 2) {
            ASSERT_EQ(display->caption, QStringLiteral("Elution Time Setup"));
        }
        At(e, t, ch);
    }
    ASSERT_FALSE(e.Requests().calibrationCycle);
    EXPECT_EQ(display->caption, QStringLiteral("StrativM Gas Monitor"));
    EXPECT_EQ(display->lines[0], QStringLiteral("Calibrate Done"));
    EXPECT_EQ(display->lines[1], QStringLiteral("31   51  71   91   111  "));
    EXPECT_EQ(e.Settings().elutionTimes[6], 131);
    EXPECT_EQ(e.Settings().baselineSecond, 24) << "trunc(0.8 x 31)";

    const gasmon::GASMONCFG saved = SavedCfg();
    EXPECT_EQ(saved.elutionTime[0], 31);
    EXPECT_EQ(saved.elutionTime[5], 131);
    EXPECT_EQ(saved.chromatZero, 24);
    EXPECT_STREQ(saved.calibrationDate, "1/15/2026");

    wellfile::RECORD back{};
    const QByteArray bytes = ReadBytes(dataFile);
    ASSERT_EQ(bytes.size(), qsizetype(sizeof back));
    std::memcpy(&back, bytes.constData(), sizeof back);
    EXPECT_FLOAT_EQ(back.testGas[wellfile::TEST_C1], 200.0f);
    EXPECT_FLOAT_EQ(back.testGas[wellfile::TEST_NC4], 240.0f);
    EXPECT_EQ(back.testGas[wellfile::TEST_IC5], 0.0f) << "no sixth peak: kept";
    EXPECT_FLOAT_EQ(driller->Records().previous.testGas[wellfile::TEST_C3], 220.0f);
    EXPECT_FLOAT_EQ(driller->Records().working.testGas[wellfile::TEST_C3], 220.0f);
}

TEST_F(Cycle, SomeProfilesTakeTheElutionTimeWhereTheSignalStopsFallingAndShiftIt)
{
    s.well.loggerId = 2;
    cfg.chromatSpan = 20000;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    start = doubles().clock.ms;
    EditRequests(e, [&](auto& v) { v.calibrationCycle = true; });
    const int peaks[5] = {30, 50, 70, 90, 110};
    for (int t = 1; t <= 200 && e.Requests().calibrationCycle; ++t) {
        int above = t < 29 ? 0 : 60;  // between the peaks the signal stays above the threshold
        for (int p : peaks) {
            const int d = t - p;
            if (d >= -1 && d <= 3)
                above = d == -1 ? 100 : d == 0 ? 200 : d == 1 ? 120 : 70;
        }
        At(e, t, 100 + above);
    }
    ASSERT_FALSE(e.Requests().calibrationCycle);
    // Where the signal stops falling (3 s after each peak), then 2 s more for C1-C3 and 3 s for iC4, nC4.
    const int expected[7] = {0, 35, 55, 75, 96, 116, 133};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(e.Settings().elutionTimes[std::size_t(k)], expected[k]) << k;
    EXPECT_EQ(e.Settings().baselineSecond, 28);
}

TEST_F(Cycle, ACalibrationWithoutPeaksEndsAtTenMinutesEvenWhenTheClockJumps)
{
    cfg.chromatSpan = 20000;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(7);
    start = doubles().clock.ms;
    EditRequests(e, [&](auto& v) { v.calibrationCycle = true; });
    Block r{};
    for (int t : {5, 100, 599}) {
        EditCycle(e, [&](auto& v) { v.cycleSeconds = t; });
        e.TakeAnswer(r.data(), 0);
        ASSERT_TRUE(e.Requests().calibrationCycle) << t;
    }
    EditCycle(e, [&](auto& v) { v.cycleSeconds = 750; });
    e.TakeAnswer(r.data(), 0);
    EXPECT_FALSE(e.Requests().calibrationCycle);
    EXPECT_EQ(e.Settings().elutionTimes[6], 20);
    EXPECT_EQ(e.Settings().baselineSecond, 0);
}

TEST_F(Cycle, TheHotWireSpanIsSetFromTheTestGasAndStopsAtTheWornFilament)
{
    cfg.hotWireSpan = 200;
    cfg.hotWireAttenuator = 1;
    WriteCfg();
    gasmon::AutoGas& e = StartOffline(3);
    EditRequests(e, [&](auto& v) { v.autoSpanRequest = true; });
    Block r{};
    r[0] = 5000;
    e.TakeAnswer(r.data(), 0);
    EXPECT_FALSE(e.Requests().autoSpanRequest);
    EXPECT_EQ(e.Readings().record.hotWireSpan, 400.0f);
    EXPECT_EQ(SavedCfg().hotWireSpan, 400.0f);
    EXPECT_FLOAT_EQ(e.Readings().currentTotalGas, 100.0f) << "the same answer reads with the new span";

    e.AutoSpanHotWire(0);
    EXPECT_EQ(e.Readings().record.hotWireSpan, 1170.0f);
    e.AutoSpanHotWire(-300);
    EXPECT_EQ(e.Readings().record.hotWireSpan, 1170.0f);
    ASSERT_EQ(doubles().prompter.messages.size(), 1) << "said once";
    EXPECT_EQ(doubles().prompter.messages[0].text, QStringLiteral("Filiment needs to be replaced as soon as possible"));
    e.AutoSpanHotWire(1e6f);
    EXPECT_EQ(e.Readings().record.hotWireSpan, 2.0f) << "nor below 2";
}

}  // namespace
