// The engine books the step's gas at the lag depth into a real data file and gas file, and forms the
// chart samples of a day from the test clock.
#include "enginefixture.h"

#include "drilling/logtime.h"
#include "gasmon/chartfile.h"
#include "gasmon/gasfile.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QDir>

#include <random>
#include <vector>

using namespace testing_support;
using gasmon_testing::EngineTest;

namespace {

constexpr int kFirst = 1000, kLast = 1100;

class Booking : public EngineTest {
protected:
    Booking()
    {
        QDir().mkpath(TestDir() + "gas");
        dataFile = MakeWell(TestDir(), "ALPHA.svm", kFirst, kLast);
        well.currentFolder = TestDir();
        well.wellName = "ALPHA";
        well.dataFileName = dataFile;
        well.fileTopDepth = kFirst;
        well.fileBottomDepth = kLast;
        well.viewTopDepth = 1000;
        well.viewDepthSpan = 40;
        WithDriller();
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.rebuilding = 0; });
        driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
        s.view.rowsChanged = [this](const app::ChangedRows& c) { repaints.push_back({c.firstDepth, c.rows}); };
        host.copyWellFileOut = [this](const QString& extension) { copies << extension; };
        host.setWitsLiveGas = [this](int k, float v) { witsLive[std::size_t(k)] = v; };
        Make(3);
        EditSettings(*engine, [&](auto& v) { v.components = 5; });
        gasFile = gasmon::GasFileName(TestDir(), "ALPHA");
    }
    // The step's gas as the answers and the cycle leave it.
    void Step(float total, std::array<float, 6> components = {30, 5, 3, 1, 1, 0.5})
    {
        EditReadings(*engine, [&](auto& v) { v.record.totalGas = total; });
        for (int k = 0; k < 6; ++k)
            EditReadings(*engine, [&](auto& v) { v.record.components[k] = components[std::size_t(k)]; });
    }
    // The lag depth the driller walked to, and the tick that notices it.
    void LagTo(float depth)
    {
        driller->SetLagDepth(depth);
        engine->Poll();
    }
    wellfile::RECORD At(int depth)
    {
        const std::vector<wellfile::RECORD> all = FileRecords<wellfile::RECORD>(dataFile);
        return all.at(std::size_t(depth - kFirst));
    }

    QString dataFile, gasFile;
    std::int32_t& lastBooked = s.well.lastBookedDepth;
    std::vector<std::pair<std::int32_t, int>> repaints;
    QStringList copies;
    std::array<float, 8> witsLive{};
};

TEST_F(Booking, ALagDepthNoIntHoldsIsHeldAtItsEndAndBooksNothing)
{
    const QByteArray before = ReadExistingBytes(dataFile);
    Step(40);
    LagTo(3e9f);
    EXPECT_EQ(engine->Readings().record.lagDepth, 2147483647);
    LagTo(-3e9f);
    EXPECT_EQ(engine->Readings().record.lagDepth, -2147483647 - 1);
    EXPECT_EQ(ReadExistingBytes(dataFile), before);
    EXPECT_FALSE(QFileInfo::exists(gasFile));
}

TEST_F(Booking, TheFirstBookableDepthIsTwentyUnitsDownAndEachBookingAppendsOneGasRecord)
{
    const QByteArray before = ReadExistingBytes(dataFile);
    Step(40);
    LagTo(kFirst + 19.6f);
    EXPECT_EQ(ReadExistingBytes(dataFile), before) << "first + 19 is not booked";
    EXPECT_FALSE(QFileInfo::exists(gasFile));
    EXPECT_EQ(engine->Readings().record.totalGas, 40.0f) << "a refusal keeps the step";

    LagTo(kFirst + 20.2f);
    const wellfile::RECORD r = At(kFirst + 20);
    EXPECT_EQ(r.gas[wellfile::GAS_TG], 40.0f);
    const float expected[5] = {30, 5, 3, 1, 1};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(r.gas[k], expected[k - 1]) << "component " << k << " at " << 32 + 4 * (k - 1);
    EXPECT_EQ(r.gas[wellfile::GAS_IC5], 0.0f) << "five components only";
    EXPECT_EQ(At(kFirst + 19).gas[wellfile::GAS_TG], 0.0f);
    EXPECT_EQ(At(kFirst + 21).gas[wellfile::GAS_TG], 0.0f);
    EXPECT_EQ(witsLive[1], 30.0f);
    EXPECT_EQ(engine->Readings().bookedGas[0], 40.0f);

    QByteArray gas = ReadExistingBytes(gasFile);
    ASSERT_EQ(gas.size(), 512);
    EXPECT_EQ(testing_support::At<std::int32_t>(gas, 0), kFirst + 20);
    EXPECT_EQ(testing_support::At<std::int32_t>(gas, 4), kLast);
    EXPECT_EQ(testing_support::At<float>(gas, 48), 40.0f);
    EXPECT_EQ(lastBooked, kFirst + 20);
    EXPECT_EQ(engine->Readings().record.totalGas, 0.0f) << "the step starts afresh";
    EXPECT_EQ(engine->Readings().record.components[0], 0.0f);
    ASSERT_EQ(repaints.size(), 1u);
    EXPECT_EQ(repaints[0], std::make_pair(kFirst + 20, 2));

    // Busy, or out of view: booked, not drawn. Off bottom with both copy switches: copied out.
    s.interaction.dialogOpen = true;
    Step(12);
    LagTo(kFirst + 21);
    EXPECT_EQ(At(kFirst + 21).gas[wellfile::GAS_TG], 12.0f);
    s.interaction.dialogOpen = false;
    well.viewTopDepth = 1050;
    well.copyOut = well.secondFolderOption = true;
    driller->SetOffBottom(true);
    Step(13);
    LagTo(kFirst + 22);
    EXPECT_EQ(repaints.size(), 1u);
    EXPECT_EQ(copies, QStringList{".svm"});
    EXPECT_EQ(ReadExistingBytes(gasFile).size(), 3 * 512);
}

TEST_F(Booking, ABookedDepthIsKeptAndARefusedBookingChangesNothing)
{
    wellfile::RECORD booked = At(1030);
    booked.gas[wellfile::GAS_TG] = 6;
    ASSERT_TRUE(wellfile::WriteRecordAtDepth(well, booked, dataFile));
    wellfile::RECORD small = At(1031);
    small.gas[wellfile::GAS_TG] = 5;
    ASSERT_TRUE(wellfile::WriteRecordAtDepth(well, small, dataFile));

    Step(80);
    LagTo(1030);
    EXPECT_EQ(At(1030).gas[wellfile::GAS_TG], 6.0f) << "total gas 6: booked already";
    EXPECT_EQ(engine->Readings().record.totalGas, 0.0f) << "the step is reset";
    EXPECT_FALSE(QFileInfo::exists(gasFile));
    Step(80);
    LagTo(1031);
    EXPECT_EQ(At(1031).gas[wellfile::GAS_TG], 80.0f) << "total gas 5 is written over";

    // Below the last booked depth, with the lag time 0, while the tables are rebuilt: nothing changes.
    QByteArray before = ReadExistingBytes(dataFile);
    const QByteArray gasBefore = ReadExistingBytes(gasFile);
    Step(90);
    lastBooked = 1040;
    LagTo(1035);
    driller->Time()->lagTime = 0;
    LagTo(1041);
    driller->Time()->lagTime = 30;
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.rebuilding = 1; });
    LagTo(1042);
    EXPECT_EQ(ReadExistingBytes(dataFile), before);
    EXPECT_EQ(ReadExistingBytes(gasFile), gasBefore);
    EXPECT_EQ(engine->Readings().record.totalGas, 90.0f);
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.rebuilding = 0; });
    LagTo(1043);
    EXPECT_EQ(At(1043).gas[wellfile::GAS_TG], 90.0f);
    EXPECT_EQ(lastBooked, 1043);
}

TEST_F(Booking, RatioModeBooksTotalGasTimesEachFractionAlsoIntoTheRecordsInMemory)
{
    EditReadings(*engine, [&](auto& v) {
        v.record.ratioMode = 1;
        std::fill(std::begin(v.record.fractions), std::end(v.record.fractions), 0.0f);
        v.record.fractions[0] = 0.5f;
        v.record.fractions[1] = 0.1f;
    });
    ASSERT_EQ(wellfile::ReadAllRecords(well), 1);
    ASSERT_GT(well.allRecords.size(), 70u);

    Step(120);
    LagTo(1050);
    wellfile::RECORD r = At(1050);
    EXPECT_EQ(r.gas[wellfile::GAS_C1], 60.0f);
    EXPECT_EQ(r.gas[wellfile::GAS_C2], 12.0f);
    EXPECT_EQ(r.gas[wellfile::GAS_C3], 0.0f);
    EXPECT_EQ(well.allRecords[50].gas[wellfile::GAS_TG], 120.0f);
    EXPECT_EQ(well.allRecords[50].gas[wellfile::GAS_C1], 60.0f);

    // C1 as large as the total gas (above 2) is booked one below it.
    EditReadings(*engine, [&](auto& v) { v.record.fractions[0] = 1.0f; });
    Step(120);
    LagTo(1051);
    EXPECT_EQ(At(1051).gas[wellfile::GAS_C1], 119.0f);
    EXPECT_EQ(well.allRecords[51].gas[wellfile::GAS_C1], 119.0f) << "the record of the odd depth too";
    EXPECT_EQ(engine->Readings().bookedGas[1], 119.0f);
    Step(2);
    LagTo(1052);
    EXPECT_EQ(At(1052).gas[wellfile::GAS_C1], 2.0f);
}

// ---- Chart samples --------------------------------------------------------------------------------

class ChartSamples : public EngineTest {
protected:
    ChartSamples()
    {
        well.fileBottomDepth = 2345;
        host.writeChart = [this](const gasmon::CHARTRECORD* s, int n, const QDate& day, gasmon::FailureSpell& spell) {
            ++batches;
            written.insert(written.end(), s, s + n);
            return gasmon::WriteChartRecords(place, s, n, gasmon::ChartFileName(place.chartFolder, "ALPHA", day),
                                             &spell) == 1;
        };
        place.chartFolder = TestDir() + "chart/";
        place.wellName = "ALPHA";
    }
    QByteArray Day(const QDate& d) { return ReadExistingBytes(gasmon::ChartFileName(place.chartFolder, "ALPHA", d)); }

    gasmon::ChartPlace place;
    int batches = 0;
    std::vector<gasmon::CHARTRECORD> written;
};

TEST_F(ChartSamples, ASampleLandsAtTheSlotOfItsTimeWithItsFields)
{
    gasmon::AutoGas& e = Make(3);
    EditReadings(e, [&](auto& v) { v.record.lagDepth = 2301; });
    EditSettings(e, [&](auto& v) {
        v.effectiveFactors = {2, 5, 1, 1};
        v.zeros[0] = 0.25f;
    });
    EditReadings(e, [&](auto& v) { v.chartMaxima = {10000, 6000}; });
    EditCycle(e, [&](auto& v) { v.chartBaselines = {0, 2000}; });
    EditCycle(e, [&](auto& v) {
        v.componentIndex = 7;  // past the last of five components
        v.cycleEnded = true;
        v.peakEndSeconds[6] = 0;
    });
    EditSettings(e, [&](auto& v) { v.autoTc = true; });
    EditReadings(e, [&](auto& v) { v.channels[5] = 0.4f; });
    const QDateTime at(QDate(2026, 1, 15), QTime(13, 45, 37));
    e.FillChartSample(at);
    e.WriteChartBatch();

    const QByteArray day = Day(at.date());
    ASSERT_EQ(day.size(), 2419200);
    const gasmon::CHARTRECORD s = testing_support::At<gasmon::CHARTRECORD>(day, 1387008);
    EXPECT_EQ(+s.recordNumber, 24768u);
    EXPECT_EQ(+s.depth, 2345);
    EXPECT_EQ(+s.lagDepth, 2301);
    EXPECT_EQ(+s.month, 1);
    EXPECT_EQ(+s.day, 15);
    EXPECT_EQ(+s.hour, 13);
    EXPECT_EQ(+s.minute, 45);
    EXPECT_EQ(+s.second, 37);
    EXPECT_FLOAT_EQ(+s.hotWire, 0.75f) << "10000 x 2 / 20000 less the zero";
    EXPECT_FLOAT_EQ(+s.chromat, 1.0f) << "(6000 - 2000) / 20000 x 5";
    EXPECT_EQ(+s.index, 6);
    EXPECT_EQ(+s.cycleEnd, 1);
    EXPECT_EQ(+s.channel4, 1) << "channel 4 of 0 is stored as 1";
    EXPECT_EQ(e.Readings().chartMaxima[0], 0.0f) << "the maxima start again";

    // The peak end is set when the sample before had none; channel 4 past 10,000 is 0; type 2's own
    // mode has no chromatograph.
    EditCycle(e, [&](auto& v) {
        v.componentIndex = 2;
        v.peakEndSeconds[2] = 47;
    });
    EditReadings(e, [&](auto& v) {
        v.channels[5] = 12000;
        v.chartMaxima = {10000, 6000};
    });
    e.FillChartSample(at.addSecs(1));
    EXPECT_EQ(+e.Booking().lastChartSample.peakEnd, 47);
    EXPECT_EQ(+e.Booking().lastChartSample.channel4, 0);
    EditSettings(e, [&](auto& v) { v.type2Mode = true; });
    e.FillChartSample(at.addSecs(3));
    EXPECT_EQ(+e.Booking().lastChartSample.peakEnd, 0);
    EXPECT_EQ(+e.Booking().lastChartSample.chromat, 0.0f);
}

TEST_F(ChartSamples, TicksAtAnyPaceGiveEveryEvenSecondOneSampleWrittenByTens)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(8, 29, 59));
    gasmon::AutoGas& e = Make(3);
    std::mt19937 random(45);
    std::uniform_int_distribution<int> pace(200, 400);
    for (int i = 0; i < 5000; ++i) {  // 10,000 ticks, 3,000 s in all
        const int a = pace(random);
        doubles().clock.Advance(a);
        e.Poll();
        doubles().clock.Advance(600 - a);
        e.Poll();
    }
    EXPECT_EQ(batches, 150);
    ASSERT_EQ(written.size(), 1500u);
    const int first = gasmon::ChartSlot(QTime(8, 30, 0));
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(+written[i].recordNumber, std::uint32_t(first + int(i))) << "sample " << i;
    const QByteArray day = Day(QDate(2026, 1, 15));
    EXPECT_EQ(+testing_support::At<gasmon::CHARTRECORD>(day, qsizetype(first + 1499) * 56).depth, 2345);
    EXPECT_EQ(+testing_support::At<gasmon::CHARTRECORD>(day, qsizetype(first + 1500) * 56).depth, 0);
}

TEST_F(ChartSamples, ALateTickMissesOneSlotAndMidnightSplitsTheBatchBetweenTheDays)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(23, 59, 51, 500));
    gasmon::AutoGas& e = Make(3);
    for (int i = 0; i < 5; ++i) {  // 23:59:52.5 to 23:59:56.5
        doubles().clock.Advance(1000);
        e.Poll();
    }
    doubles().clock.Advance(3000);  // 23:59:59.5: the tick of 23:59:58 came 3 s late
    e.Poll();
    for (int i = 0; i < 9; ++i) {  // 00:00:00.5 to 00:00:08.5
        doubles().clock.Advance(1000);
        e.Poll();
    }
    EXPECT_EQ(batches, 1) << "the old day's samples went when the new day began";
    e.Disconnect();
    EXPECT_EQ(batches, 2) << "the samples not yet written are written when the engine stops";

    const QByteArray old = Day(QDate(2026, 1, 15)), fresh = Day(QDate(2026, 1, 16));
    const auto at = [](const QByteArray& day, int slot) {
        return testing_support::At<gasmon::CHARTRECORD>(day, qsizetype(slot) * 56);
    };
    for (int second : {52, 54, 56})
        EXPECT_EQ(+at(old, 43170 + second / 2).second, second);
    EXPECT_EQ(+at(old, 43170 + 26).depth, 2345);
    EXPECT_EQ(+at(old, 43199).depth, 0) << "23:59:58 stays preset";
    for (int slot = 0; slot <= 4; ++slot) {
        EXPECT_EQ(+at(fresh, slot).depth, 2345) << "slot " << slot;
        EXPECT_EQ(+at(fresh, slot).day, 16);
    }
    EXPECT_EQ(+at(fresh, 5).depth, 0);
}

}  // namespace
