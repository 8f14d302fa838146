// The WITS timer tick without a line: the frame it builds, the WITS percentage with its alarms, and the
// result files of a chromatograph in file-input mode.
#include "alarmfiles.h"
#include "linkwell.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/witsengine.h"
#include "wits/custwits.h"
#include "wits/sidefiles.h"
#include "wits/wits.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace wits;
using namespace wits_testing;
using testing_support::EditReadings;
using testing_support::doubles;
using testing_support::TestDir;
using testing_support::EditGas;
using testing_support::EditGasSettings;
using testing_support::EditSettings;

namespace {

class WitsTick : public ::testing::Test, protected LinkWell {
protected:
    WitsTick() { state.engineStatus.gasInstrumentType = 10; }
    void Start()
    {
        WitsAlarmHost alarmHost;
        alarmHost.dataFolder = [] { return TestDir(); };
        engine = std::make_unique<Wits>(host, alarmHost);
        EditGasSettings(*engine, [&](auto& v) {
            v.chromatographFile = TestDir() + "sri/run.chr";
            v.resultFile = TestDir() + "sri/Strativ_TGA.res";
        });
        QDir().mkpath(TestDir() + "sri");
    }
    // The rig answers the frame sent: a hole depth counts it as good.
    void Reply()
    {
        engine->DispatchItem("0110", "1100", false);
        engine->ReadInput(0, 0);
    }
    QByteArray LagLog() const { return testing_support::ReadBytes(TestDir() + "W-sri.txt"); }

    std::unique_ptr<Wits> engine;
};

TEST_F(WitsTick, TheGasFrameTakesItsTotalGasFromTheFirstSourceThatApplies)
{
    Start();
    driller->SetLagDepth(1234.5f);
    EditGas(*engine, [&](auto& v) { v.gasValues[0] = 12.3456f; });
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n12120\r\n!!\r\n");  // send-gas clear

    state.well.config.sendGasViaWits = 1;
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n014012.35\r\n!!\r\n");
    state.well.config.sendGasViaWits = 0;
    state.well.loggerId = 88;
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n014012.35\r\n!!\r\n");
    EditGasSettings(*engine, [&](auto& v) { v.pasonFeed = 1; });  // scale mode 1: hundredths
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n01400.12\r\n!!\r\n");
    EditGasSettings(*engine, [&](auto& v) { v.pasonFeed = 0; });

    // Type 11 without a gas monitor sends the engine's gas; another type sends 1.
    state.engineStatus.gasInstrumentType = 11;
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n014012.35\r\n!!\r\n");
    state.engineStatus.gasInstrumentType = 2;
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n01401\r\n!!\r\n");

    // A gas monitor's total gas, truncated in scale mode 0; the custom link's gas comes first.
    app::LogState gasWindow;
    gasmon::GasHost gasHost(gasWindow);
    gasmon::AutoGas gas(gasHost, 10, 0);
    state.engines.autoGas = &gas;
    EditReadings(gas, [&](auto& v) { v.currentTotalGas = 45.9f; });
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n014045\r\n!!\r\n");
    CustWitsHost customHost(state, services);
    CUSTWITS custom(customHost, WitsAlarmHost{});
    EditSettings(custom, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Gas); });
    state.engines.custWits = &custom;
    link.customLinkTotalGas = 7.5f;
    EXPECT_EQ(engine->BuildOutputFrame(), "&&\r\n01391234.50\r\n01407.50\r\n!!\r\n");
    state.engines.custWits = nullptr;
    state.engines.autoGas = nullptr;
}

TEST_F(WitsTick, OneProfileAlsoSendsTheBitDepthAndTheComponentsAndTheTrafficLogGetsEachFrame)
{
    state.well.loggerId = 134;
    state.well.config.sendGasViaWits = 1;
    Start();
    link.trafficLog = true;
    driller->SetLagDepth(987.25f);
    EditGas(*engine, [&](auto& v) { v.gasValues[0] = 3; v.componentsToSend = {1500.9f, 300, 20, 4, 5, 6, 7}; });
    const std::string frame = engine->BuildOutputFrame();
    EXPECT_EQ(frame, "&&\r\n0139987.25\r\n01403.00\r\n01081200\r\n0139987\r\n12121500\r\n1213300\r\n121420\r\n"
                     "12154\r\n12165\r\n12176\r\n12187\r\n!!\r\n");
    state.well.loggerId = 12;
    state.well.config.sendGasViaWits = 0;
    const std::string idle = engine->BuildOutputFrame();
    const QByteArray log = testing_support::ReadBytes(TrafficLogName(TestDir(), doubles().clock.now.date(), true));
    EXPECT_TRUE(log.startsWith(QByteArray::fromStdString(frame) + "-OUT- at  8:30:00"));
    EXPECT_TRUE(log.contains(QByteArray::fromStdString(idle) + "-OUT-Not sending gas int this mode at  8:30:00"));
}

TEST_F(WitsTick, ThePercentageFeedsItsAlarmAndTheDrillingAlarmsLowFlag)
{
    WitsAlarmBlock block{};
    block[kWitsPercentChannel] = Limits(80, 0, 1);
    WriteAlarmFile(block);
    driller->Alarms()->settings.witsPercentLimit = 90;
    Start();
    engine->EvTimer();  // the first counted tick
    doubles().clock.Advance(500);

    // Replies on ticks 1, 2 and 4 of five; the tick after a silent one waits out the time-out first.
    const bool replies[] = {true, true, false, true, false};
    QList<float> percents;
    float firstLowSince = 0;
    for (const bool answered : replies) {
        if (answered)
            Reply();
        else
            doubles().clock.Advance(2000);
        engine->EvTimer();
        percents << driller->Live().witsPercent;
        const WitsAlarmEntry& e = engine->Alarms().Entry(kWitsPercentChannel);
        if (e.Since != 0 && firstLowSince == 0)
            firstLowSince = e.Since;
        doubles().clock.Advance(30000);
    }
    const float expected[] = {100, 100, 66.667f, 75, 60};
    ASSERT_EQ(percents.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(percents[i], expected[i], 0.001) << i;
    EXPECT_EQ(engine->Lines()[7], "60.0");
    EXPECT_FLOAT_EQ(firstLowSince, 500.0f + 2 * 30000 + 2000);  // the tick of 66.7
    const WitsAlarmEntry& e = engine->Alarms().Entry(kWitsPercentChannel);
    EXPECT_FLOAT_EQ(e.Value, 60.0f);
    EXPECT_NEAR(e.MinutesOut, (2 * 30000.0 + 2000) / 60000, 1e-3);  // beyond its minute: the alarm sounded
    EXPECT_EQ(driller->Alarms()->flags[drilling::kAlarmWitsPercent], 1);
    EXPECT_EQ(doubles().sounder.played.size(), 1);

    // Every reply brings it back above both limits.
    for (int i = 0; i < 40; ++i) {
        Reply();
        engine->EvTimer();
    }
    EXPECT_EQ(driller->Alarms()->flags[drilling::kAlarmWitsPercent], 0);
    EXPECT_FLOAT_EQ(engine->Alarms().Entry(kWitsPercentChannel).Since, 0.0f);
}

TEST_F(WitsTick, TheResultFileGivesTheTotalGasAndTheChromatographFileTheComponents)
{
    link.gasMaxima[0] = 100;
    Start();
    EditGasSettings(*engine, [&](auto& v) { v.fileInputMode = true; });
    driller->SetLagDepth(1180);
    testing_support::WriteBytes(engine->GasSettings().resultFile, QByteArray("Sample 4\r\nrun 12\r\na b c 250\r\n"));
    testing_support::WriteBytes(engine->GasSettings().chromatographFile, QByteArray("RUN\nC1 x 1500\nC2 x 300\n"));
    engine->EvTimer();
    EXPECT_FALSE(QFile::exists(engine->GasSettings().resultFile));
    EXPECT_FALSE(QFile::exists(engine->GasSettings().chromatographFile));
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[0], 250.0f);
    EXPECT_FLOAT_EQ(link.gasMaxima[0], 250.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[1], 1500.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[2], 300.0f);
    EXPECT_FLOAT_EQ(link.liveValues2[2], 300.0f);
    EXPECT_FLOAT_EQ(engine->Gas().componentsToSend[1], 300.0f);
    EXPECT_EQ(LagLog(), "TGA =250  C1 =1500 C2 =300  @1-15-26_08:30:00 lag to 1180\n\r");

    // A line naming the total gas is no new component value: nothing is logged.
    testing_support::WriteBytes(engine->GasSettings().chromatographFile, QByteArray("run\r\nTGA 1 250\r\n"));
    EditGas(*engine, [&](auto& v) { v.gasValues[0] = 0; });
    engine->ReadChromatographFile();
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[0], 250.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[1], 0.0f);
    EXPECT_EQ(LagLog().count('\n'), 1);

    // A line without a name takes the component before it; without C1 the rest are noise.
    testing_support::WriteBytes(engine->GasSettings().chromatographFile, QByteArray("RUN\nC3 x 40\nx x 50\n"));
    engine->ReadChromatographFile();
    EXPECT_FLOAT_EQ(link.gasMaxima[3], 50.0f);
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[3], 0.0f);
    testing_support::WriteBytes(engine->GasSettings().chromatographFile,
                                QByteArray("RUN\nC1 x 0\nC2 x 300\nNC5 x 9\n"));
    engine->ReadChromatographFile();
    for (int i = 1; i <= 7; ++i)
        EXPECT_FLOAT_EQ(engine->Gas().gasValues[std::size_t(i)], 0.0f) << i;
}

TEST_F(WitsTick, ResultFilesOfTheWrongSizeAreDeletedUnread)
{
    Start();
    EditGasSettings(*engine, [&](auto& v) { v.fileInputMode = true; });
    EditGas(*engine, [&](auto& v) { v.gasValues = {}; v.gasValues[0] = 5; v.gasValues[1] = 77; });
    testing_support::WriteBytes(engine->GasSettings().chromatographFile,
                                "RUN\nC1 x 1500\n" + QByteArray(1025 - 14, ' '));
    engine->EvTimer();
    EXPECT_FALSE(QFile::exists(engine->GasSettings().chromatographFile));
    EXPECT_FLOAT_EQ(engine->Gas().gasValues[1], 77.0f);

    for (const QByteArray& text : {QByteArray(), "RUN\n1 2 3 400\n" + QByteArray(5001 - 14, ' ')}) {
        testing_support::WriteBytes(engine->GasSettings().resultFile, text);
        doubles().clock.Advance(2000);  // the reply time-out of the tick before
        engine->EvTimer();
        EXPECT_FALSE(QFile::exists(engine->GasSettings().resultFile)) << text.size();
        EXPECT_FLOAT_EQ(engine->Gas().gasValues[0], 5.0f) << text.size();
    }
    EXPECT_FALSE(QFile::exists(TestDir() + "W-sri.txt"));
}

}  // namespace
