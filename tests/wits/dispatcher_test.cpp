// The WITS item dispatcher: each item into the sample, the live record, the data window and the alarm
// table; depth tracking, half steps, the pumps, the lag depth, the gas items and the hold buffer.
#include "alarmfiles.h"
#include "linkwell.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "drilling/pumpthreads.h"
#include "drilling/strokes.h"
#include "gasmon/autogas.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "support/witsengine.h"
#include "support/wells.h"
#include "wits/sidefiles.h"
#include "wits/wits.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace wits;
using namespace wits_testing;
using testing_support::EditDepth;
using testing_support::EditFrames;
using testing_support::EditGas;
using testing_support::EditGasSettings;
using testing_support::EditReadings;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

class DispatcherTest : public ::testing::Test, protected LinkWell {
protected:
    DispatcherTest()
    {
        state.engines.pumpStrokes = pumps;
        host.correctFileDepth = [this](std::int32_t d) {
            corrections << d;
            return correctionResult;
        };
        host.showDepthStatus = [this] { ++depthStatusShown; };
        host.showLagStatus = [this](std::int32_t d) { lagStatusShown << d; };
    }
    void Start()
    {
        WitsAlarmHost alarmHost;
        alarmHost.dataFolder = [] { return TestDir(); };
        engine = std::make_unique<Wits>(host, alarmHost);
    }
    void Item(const char* code, const char* value, bool marked = false) { engine->DispatchItem(code, value, marked); }
    // The tracked state of a drilling well past its first frame.
    void Tracking(std::int32_t tracked)
    {
        Start();
        link.depthTracking = true;
        EditFrames(*engine, [&](auto& v) { v.firstFrame = false; });
        EditDepth(*engine, [&](auto& v) { v.trackedDepth = tracked; });
    }
    QString UnmannedText() const
    {
        return QString::fromLatin1(testing_support::ReadBytes(UnmannedFileName(TestDir(), doubles().clock.now.date())));
    }

    std::shared_ptr<drilling::PumpStrokes> pumps = std::make_shared<drilling::PumpStrokes>();
    std::unique_ptr<Wits> engine;
    QList<std::int32_t> corrections;
    int correctionResult = 1;
    int depthStatusShown = 0;
    QList<std::int32_t> lagStatusShown;
};

enum class Kind { F32, U16, I32 };

struct Row {
    const char* code;
    const char* value;
    int offset;  // of the sample field
    Kind kind;
    double stored;
    bool live;
    int line;  // -1 none
    const char* shown;
    int channel;  // -1 none
};

double FieldAt(const wellfile::WITSRECORD& r, int offset, Kind kind)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&r) + offset;
    float f;
    std::uint16_t u;
    std::int32_t i;
    switch (kind) {
    case Kind::F32:
        std::memcpy(&f, p, 4);
        return f;
    case Kind::U16:
        std::memcpy(&u, p, 2);
        return u;
    case Kind::I32:
        std::memcpy(&i, p, 4);
        return i;
    }
    return 0;
}

TEST_F(DispatcherTest, EveryItemFillsItsSampleFieldLiveFieldDisplayLineAndAlarmValue)
{
    // clang-format off
    const Row rows[] = {
        {"0108", "1234.5",  20, Kind::F32, 1234.5,  false, 10, "1234.50", 3},
        {"0108", "nan",     20, Kind::F32, 0,       false, 10, " 0.00",   3},
        {"0108", "1e39",    20, Kind::F32, 0,       false, 10, " 0.00",   3},
        {"0110", "1100.25", 16, Kind::F32, 1100.25, false,  5, "1100.25", 2},
        {"0112", "45",      54, Kind::U16, 45,      false, -1, "",        29},
        {"0113", "abc",     28, Kind::F32, 0,       false, -1, "",        13},
        {"0113", " +12.5",  28, Kind::F32, 12.5,    false, -1, "",        13},
        {"0115", "3.25",    50, Kind::F32, 3.25,    true,  -1, "",        -1},
        {"0116", "-5",      32, Kind::U16, 0,       true,   0, "0    ",   14},
        {"0117", "25.9",    32, Kind::U16, 25,      true,   0, "25   ",   14},
        {"0118", "70000",   46, Kind::U16, 0,       true,   4, "0",       17},
        {"0118", "65000",   46, Kind::U16, 65000,   true,   4, "65000",   17},
        {"0119", "7",      106, Kind::U16, 7,       true,  -1, "",        -1},
        {"0120", "120",     34, Kind::U16, 120,     true,   1, "120",     15},
        {"0121", "12000",   36, Kind::U16, 0,       true,   2, "0",       16},
        {"0121", "10000",   36, Kind::U16, 10000,   true,   2, "10000",   16},
        {"0122", "300.5",   76, Kind::F32, 300.5,   true,  -1, "",        4},
        {"0123", "65",      38, Kind::U16, 65,      true,   3, "65",      21},
        {"0124", "0",       40, Kind::U16, 0,       true,   6, "0",       22},
        {"0125", "30.9",    42, Kind::U16, 30,      true,   9, "30",      23},
        {"0126", "1234.9",  72, Kind::F32, 1234.9,  true,  11, "1234",    6},
        {"0127", "7.5",    120, Kind::F32, 7.5,     true,  12, "7.5",     7},
        {"0128", "800",     48, Kind::U16, 800,     true,   8, "800",     5},
        {"0130", "1.5",     88, Kind::F32, 1.5,     true,  -1, "",        -1},
        {"0137", "2.5",    112, Kind::F32, 2.5,     false, -1, "",        -1},
        {"0139", "1150.7", 124, Kind::I32, 1150,    false, -1, "",        -1},
        {"0824", "70000",  100, Kind::U16, 0,       false, -1, "",        20},
        {"0824", "150",    100, Kind::U16, 150,     false, -1, "",        20},
        {"0835", "70000",  102, Kind::U16, 4464,    true,  -1, "",        18},
        {"0913", "5",      102, Kind::U16, 5,       true,  -1, "",        18},
        {"0936", "-1",     102, Kind::U16, 65535,   true,  -1, "",        18},
        {"1818", "7",      102, Kind::U16, 7,       true,  -1, "",        18},
        {"1819", "80",     104, Kind::U16, 80,      true,  -1, "",        19},
        {"1222", "12.7",    84, Kind::F32, 12.0,    false, -1, "",        11},
    };
    // clang-format on
    WitsAlarmBlock limits{};
    for (auto& e : limits)
        e = Limits(0, 1e9f, 1000);
    WriteAlarmFile(limits);
    Start();

    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.code) + " " + r.value);
        engine->Sample() = wellfile::WITSRECORD{};
        driller->SetLive(wellfile::WITSRECORD{});
        engine->SetLines({});
        Item(r.code, r.value);
        const double stored = FieldAt(engine->Sample(), r.offset, r.kind);
        EXPECT_FLOAT_EQ(float(stored), float(r.stored));
        EXPECT_FLOAT_EQ(float(FieldAt(driller->Live(), r.offset, r.kind)), r.live ? float(r.stored) : 0.0f);
        if (r.line >= 0) {
            EXPECT_EQ(engine->Lines()[std::size_t(r.line)], r.shown);
        }
        if (r.channel >= 0) {
            EXPECT_FLOAT_EQ(engine->Alarms().Entry(r.channel).Value, float(r.stored));
        }
    }

    // The live casing pressure keeps the largest value; 1984 and unknown items change nothing.
    Item("0122", "500");
    Item("0122", "200");
    EXPECT_FLOAT_EQ(engine->Sample().casingPressure, 200.0f);
    EXPECT_FLOAT_EQ(driller->Live().casingPressure, 500.0f);
    const wellfile::WITSRECORD before = engine->Sample();
    Item("1984", "123");
    Item("0999", "123");
    Item("12", "123");
    EXPECT_EQ(std::memcmp(&before, &engine->Sample(), sizeof before), 0);
    // A long value is cut to a display line.
    Item("0110", "1e25");
    EXPECT_EQ(engine->Lines()[5].size(), std::size_t(kDisplayLineLength));
}

TEST_F(DispatcherTest, AlarmLimitsOfTheDepthsCountAsBeyondThoseOfOtherValuesDoNot)
{
    WitsAlarmBlock limits{};
    limits[3] = Limits(1000, 0, 1000);
    limits[14] = Limits(50, 0, 1000);
    WriteAlarmFile(limits);
    Start();
    doubles().clock.Advance(5000);
    Item("0108", "1000");
    Item("0116", "50");
    EXPECT_NE(engine->Alarms().Entry(3).Since, 0.0f);
    EXPECT_EQ(engine->Alarms().Entry(14).Since, 0.0f);
    Item("0116", "49");
    EXPECT_NE(engine->Alarms().Entry(14).Since, 0.0f);
}

TEST_F(DispatcherTest, TheHoleDepthMarksOneStepPerDeeperUnitAndNeverInTheFirstTwentyUnits)
{
    Tracking(1200);
    Item("0110", "1201.3");
    EXPECT_EQ(driller->Steps().stepPending, 1);
    EXPECT_EQ(driller->Steps().source, drilling::StepSource::Wits);
    EXPECT_EQ(engine->Depth().trackedDepth, 1201);
    EXPECT_FLOAT_EQ(link.holeDepth, 1201.3f);
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    Item("0110", "1201.9");
    EXPECT_EQ(driller->Steps().stepPending, 0);

    // A jump of several units is one step, the tracked depth taking the new depth at once.
    Item("0110", "1206.0");
    EXPECT_EQ(driller->Steps().stepPending, 1);
    EXPECT_EQ(engine->Depth().trackedDepth, 1206);
    EXPECT_EQ(depthStatusShown, 3);

    // Downward the tracked depth follows at once; near the top of the file nothing is marked.
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    for (const char* d : {"1000.5", "1010", "1020.9", "1020.0"})
        Item("0110", d);
    EXPECT_EQ(driller->Steps().stepPending, 0);
    EXPECT_EQ(engine->Depth().trackedDepth, 1000);
    Item("0110", "1021");
    EXPECT_EQ(driller->Steps().stepPending, 1);

    // The first frame never marks; without the tracking flag the depth only waits to be tracked.
    Tracking(1200);
    EditFrames(*engine, [&](auto& v) { v.firstFrame = true; });
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    Item("0110", "1203");
    EXPECT_EQ(driller->Steps().stepPending, 0);
    Tracking(1200);
    link.depthTracking = false;
    testing_support::EditWitsItems(*driller, [](drilling::DrillerWitsItems& v) {
        v.waitingForWitsDepth = 1;
        v.witsDepthWait = 7;
    });
    Item("0110", "1200.5");
    EXPECT_FALSE(link.depthTracking);
    Item("0110", "1201");
    EXPECT_TRUE(link.depthTracking);
    EXPECT_EQ(driller->WitsItems().waitingForWitsDepth, 0);
    EXPECT_EQ(driller->WitsItems().witsDepthWait, 0);
    EXPECT_EQ(driller->Steps().stepPending, 1);
}

TEST_F(DispatcherTest, UnmannedWithTheBitOnBottomCorrectsTheFileDepthAndSaysSo)
{
    doubles().clock.now = QDateTime(QDate(2026, 3, 4), QTime(14, 5, 30));
    state.well.config.unmannedUnit = 1;
    Tracking(1200);
    Item("0108", "1203.0");
    Item("0110", "1203.0");
    EXPECT_EQ(corrections, QList<std::int32_t>{1203});
    EXPECT_EQ(driller->Steps().stepPending, 0);
    EXPECT_EQ(engine->Depth().trackedDepth, 1203);
    EXPECT_EQ(UnmannedText(), QString(" Depth Correction from 1200 to 1203 at 14:05\n\r"));

    correctionResult = 0;
    EditDepth(*engine, [&](auto& v) { v.trackedDepth = 1200; });
    Item("0110", "1203.0");
    EXPECT_TRUE(UnmannedText().endsWith(" Depth Correction failed from 1200 to 1203 at 14:05\n\r"));
    EXPECT_EQ(engine->Depth().trackedDepth, 1203);

    // The bit off bottom by a hundredth: a step, no correction.
    corrections.clear();
    Tracking(1200);
    Item("0108", "1202.99");
    Item("0110", "1203.0");
    EXPECT_TRUE(corrections.isEmpty());
    EXPECT_EQ(driller->Steps().stepPending, 1);

    // One unit below the bottom with the bit on bottom: the step, without a correction.
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    Tracking(1200);
    Item("0108", "1201.0");
    Item("0110", "1201.0");
    EXPECT_TRUE(corrections.isEmpty());
    EXPECT_EQ(driller->Steps().stepPending, 1);
    EXPECT_EQ(engine->Depth().trackedDepth, 1201);
}

TEST_F(DispatcherTest, HalfStepsAreMarkedOncePastTheMiddleOfTheTrackedUnit)
{
    Tracking(1200);
    link.halfUnitInterface = true;
    Item("0108", "1200.4");
    EXPECT_EQ(driller->Steps().halfStepPending, 0);
    Item("0108", "1200.6");
    EXPECT_EQ(driller->Steps().halfStepPending, 1);
    EXPECT_TRUE(link.halfStepMarked);
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.halfStepPending = 0; });
    Item("0108", "1200.8");
    EXPECT_EQ(driller->Steps().halfStepPending, 0);
    // The next whole step clears the mark.
    Item("0110", "1201.0");
    EXPECT_FALSE(link.halfStepMarked);
    // The sub-step slots follow the even tenths of the bit.
    Item("0108", "1201.4");
    Item("0113", "1");
    EXPECT_EQ(engine->Depth().mwdSlot, 2);
    EXPECT_EQ(engine->Depth().gammaSlot, 2);
}

TEST_F(DispatcherTest, ThePumpRatesSetTheStrokeIntervalsWhileStrokesAreCounted)
{
    Start();
    Item("0123", "120");
    EXPECT_FLOAT_EQ(driller->Lag().pump1Spm, 120.0f);
    EXPECT_EQ(pumps->interval[0].load(), drilling::kPumpStands);
    if (!driller->Time())
        driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
    driller->Time()->strokes = std::make_unique<drilling::STROKES>(*driller);  // strokes are counted
    link.pumpRatesFromWits = true;
    Item("0123", "120");
    Item("0125", "7");
    EXPECT_EQ(pumps->interval[0].load(), 500);
    EXPECT_EQ(pumps->interval[2].load(), 8571);
    Item("0123", "0");
    EXPECT_EQ(pumps->interval[0].load(), drilling::kPumpStands);
    EXPECT_TRUE(engine->Depth().pumpRateSeen);
}

TEST_F(DispatcherTest, LagDepthFromWitsUpToTheBottomAndTheDrillingAlarmFlags)
{
    Start();
    Item("0139", "1150");
    EXPECT_FLOAT_EQ(driller->LagDepth(), 0.0f);
    link.lagFromWits = true;
    Item("0139", "1150");
    Item("0139", "1201");
    EXPECT_FLOAT_EQ(driller->LagDepth(), 1150.0f);
    EXPECT_EQ(lagStatusShown, QList<std::int32_t>{1150});
    EXPECT_EQ(engine->Sample().lagDepth, 1201);

    drilling::AlarmSettings& s = driller->Alarms()->settings;
    auto& flags = driller->Alarms()->flags;
    s.casingLimit = 500;
    Item("0122", "499");
    EXPECT_EQ(flags[drilling::kAlarmCasing], 0);
    Item("0122", "500");
    Item("0122", "100");  // the live value keeps its largest
    EXPECT_EQ(flags[drilling::kAlarmCasing], 1);

    // Only the limits set are tested.
    s.pitVolumeMinimum = 100;
    Item("0126", "150");
    EXPECT_EQ(flags[drilling::kAlarmPitVolume], 0);
    Item("0126", "99.5");
    EXPECT_EQ(flags[drilling::kAlarmPitVolume], 1);
    s.flowMaximum = 900;
    Item("0128", "900");
    EXPECT_EQ(flags[drilling::kAlarmFlow], 0);
    Item("0128", "901");
    EXPECT_EQ(flags[drilling::kAlarmFlow], 1);

    // The WITS percentage against its minimum.
    s.witsPercentLimit = 80;
    EditFrames(*engine, [&](auto& v) { v.percent.exchanges = 4; v.percent.good = 2; });
    Item("0110", "1100");
    EXPECT_FLOAT_EQ(driller->Live().witsPercent, 75.0f);
    EXPECT_EQ(engine->Lines()[7], "75.0");
    EXPECT_EQ(flags[drilling::kAlarmWitsPercent], 1);
}

TEST_F(DispatcherTest, MwdAndGammaValuesGoToTheirDepthAndSubStepSlots)
{
    link.mwdSensorOffset = 12;
    link.gammaSensorOffset = 10;
    link.mwdDisplay = true;
    Start();
    Item("0813", "1100");
    EXPECT_EQ(engine->Mwd().mwdDepth, 0);  // with an offset the depth is the bottom's
    Item("0816", "35.5");
    EXPECT_EQ(engine->Mwd().mwdDepth, 1188);
    EXPECT_FLOAT_EQ(engine->Mwd().mwdSlotsA[0], 35.5f);
    EXPECT_FLOAT_EQ(engine->Mwd().mwdSlotsA[5], kSlotFraction);
    EXPECT_TRUE(engine->Mwd().mwdASeen);

    Item("0824", "88");
    EXPECT_FLOAT_EQ(engine->Mwd().gamma.depth, 1190.0f);
    EXPECT_FLOAT_EQ(driller->WitsItems().gammaSlots[0], 88.0f);
    EXPECT_EQ(engine->Lines()[13], "88   ");
    EXPECT_EQ(engine->Lines()[14], "1190.0");
    EXPECT_TRUE(engine->Frames().percent.counted);

    const QByteArray before = testing_support::ReadBytes(well.dataFileName);
    ASSERT_TRUE(engine->WriteMwdSlots(1188));
    QByteArray expected = before;
    const float slot = 35.5f, fraction = kSlotFraction;
    expected.replace((1188 - 1000) * 616 + 212, 4, reinterpret_cast<const char*>(&slot), 4);
    expected.replace((1188 - 1000) * 616 + 232, 4, reinterpret_cast<const char*>(&fraction), 4);
    EXPECT_EQ(testing_support::ReadBytes(well.dataFileName), expected);

    // A depth off the file writes nothing.
    for (std::int32_t depth : {999, 1201, -2147483647 - 1, 2147483647})
        EXPECT_FALSE(engine->WriteMwdSlots(depth));
    EXPECT_EQ(testing_support::ReadBytes(well.dataFileName), expected);

    Item("0820", "-4");
    EXPECT_FLOAT_EQ(engine->Mwd().mwdValueB, 0.0f);
    EXPECT_FALSE(engine->Mwd().mwdBSeen);
    EXPECT_FLOAT_EQ(engine->Mwd().mwdSlotsB[5], kSlotFraction);
}

TEST_F(DispatcherTest, TotalGasIsHeldWhileThePumpsStandAndDeliveredInOrderWhenTheyRun)
{
    state.engineStatus.gasInstrumentType = 10;
    Start();
    EXPECT_FLOAT_EQ(link.gasMaxima[0], -1.0f);
    EditGasSettings(*engine, [&](auto& v) { v.holdLength = 10; });
    EditFrames(*engine, [&](auto& v) { v.firstFrame = false; });
    EditDepth(*engine, [&](auto& v) { v.pumpRateSum = 0; });
    for (int v = 1; v <= 6; ++v) {
        Item("0140", std::to_string(v).c_str());
        EXPECT_FLOAT_EQ(engine->Gas().gasValues[0], float(v));
        EXPECT_FLOAT_EQ(engine->Sample().totalGas, float(v));
    }
    EXPECT_EQ(engine->Hold().holdCount, 5);
    EXPECT_TRUE(link.gasOverWits);
    EditDepth(*engine, [&](auto& v) { v.pumpRateSum = 20; });
    std::vector<float> delivered;
    for (int v = 50; v <= 55; ++v) {
        Item("0140", std::to_string(v).c_str());
        delivered.push_back(engine->Gas().gasValues[0]);
    }
    EXPECT_EQ(delivered, (std::vector<float>{1, 2, 3, 4, 5, 55}));
    EXPECT_FLOAT_EQ(link.gasMaxima[0], 55.0f);

    // However long the hold, the buffer keeps 500.
    EditGasSettings(*engine, [&](auto& v) { v.holdLength = 5000; });
    EditDepth(*engine, [&](auto& v) { v.pumpRateSum = 0; });
    for (int i = 0; i < 800; ++i)
        Item("0140", "3");
    EXPECT_EQ(engine->Hold().holdCount, kHoldBufferSize);
}

TEST_F(DispatcherTest, GasItemsFeedTheLinksValuesOrTheGasMonitor)
{
    state.engineStatus.gasInstrumentType = 10;
    Start();
    // Over the link, in ppm: scaled by the component's test gas.
    EditGasSettings(*engine, [&](auto& v) { v.chromatographSwitch = true; v.testGas[1] = 200; });
    Item("1212", "5000");
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[1], 100.0f);
    Item("1213", "-7");
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[2], 0.0f);
    Item("1222", "3.5");
    Item("1222", "1.5");
    EXPECT_FLOAT_EQ(link.co2Maximum, 3.5f);
    EditGasSettings(*engine, [&](auto& v) { v.pasonFeed = 1; v.gasScale[0] = 2; });
    Item("0170", "4.5");
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[0], 9.0f);
    EXPECT_EQ(engine->Lines()[9], " 9.00");

    // Taken by the gas monitor: its value and its peak.
    app::LogState gasWindow;
    gasmon::GasHost gasHost(gasWindow);
    gasmon::AutoGas gas(gasHost, 10, 0);
    gas.SetGasFromWits(true);
    state.engines.autoGas = &gas;
    state.well.loggerId = 2;
    EditReadings(gas, [&](auto& v) { v.record.nc5 = 5; });
    Item("1218", "-3");
    EXPECT_FLOAT_EQ(gas.Readings().values[7], -3.0f);
    EXPECT_FLOAT_EQ(gas.Readings().record.nc5, 5.0f);
    EditReadings(gas, [&](auto& v) { v.record.nc5 = -1; });
    Item("1218", "-3");
    EXPECT_FLOAT_EQ(gas.Readings().record.nc5, 0.0f);
    Item("1214", "12");
    Item("1214", "8");
    EXPECT_FLOAT_EQ(gas.Readings().values[3], 8.0f);
    EXPECT_FLOAT_EQ(gas.Readings().record.components[2], 12.0f);
    Item("1214", "-1");
    EXPECT_FLOAT_EQ(gas.Readings().record.components[2], 0.0f);
    EditGasSettings(*engine, [&](auto& v) { v.fileInputMode = true; });
    Item("1212", "40");
    EXPECT_FLOAT_EQ(gas.Readings().values[1], 0.0f);
    Item("1222", "-2");
    EXPECT_FLOAT_EQ(gas.Readings().values[8], 0.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[1], 100.0f);  // the link's own values are left alone
    state.engines.autoGas = nullptr;
}

TEST_F(DispatcherTest, ComponentSharesOfTheirSum)
{
    Start();
    const float c[] = {40, 20, 10, 5, 5};
    EditGas(*engine, [&](auto& v) { std::copy(std::begin(c), std::end(c), v.gasValues.begin() + 1); });
    engine->ComputeGasShares();
    EXPECT_FLOAT_EQ(engine->Gas().componentSum, 80.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[1], 0.5f);
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[2], 0.25f);
    EXPECT_FLOAT_EQ(link.gasMaxima[1], 40.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasRecord.components[0], 40.0f);

    EditGas(*engine, [&](auto& v) { v.gasValues.fill(0); v.gasValues[1] = 10; });
    engine->ComputeGasShares();
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[1], 0.95f);

    EditGas(*engine, [&](auto& v) { v.gasShares[3] = 0.7f; v.gasShares[0] = 0; v.gasValues[1] = 1.0f; });
    engine->ComputeGasShares();
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[1], 0.95f);
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[3], 0.7f);
    EXPECT_FLOAT_EQ(engine->Gas().gasShares[0], 1.0f);
    EXPECT_FLOAT_EQ(engine->Gas().componentSum, 1.0f);
}

}  // namespace
