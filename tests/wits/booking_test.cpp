// The gas of a step booked at the lag depth: the depth record and its neighbours on disk, the records
// in memory, the gas file, the maxima and counters of the window, the refusals, the drilling object's
// hand-over of the half steps, and an entry dialog's "Done" over the booked records.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "entry/entrybuffer.h"
#include "gasmon/gasfile.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/witsengine.h"
#include "wellfile/datafile.h"
#include "wits/wits.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace wits;
using testing_support::At;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::EditGas;
using testing_support::EditGasSettings;

namespace {

constexpr int kRecord = int(sizeof(wellfile::RECORD));
constexpr int kGasRecord = 512;

class BookingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::PointAtNewWell(s, "W", 1000, 1300));
        QDir().mkpath(TestDir() + "gas");
        WitsAlarmHost alarms;
        alarms.dataFolder = [] { return TestDir(); };
        engine = std::make_unique<Wits>(host, alarms);
    }
    QByteArray DataFile() const { return ReadBytes(s.well.file.dataFileName); }
    QByteArray GasFile() const { return ReadBytes(gasmon::GasFileName(TestDir(), "W")); }
    wellfile::RECORD RecordAt(std::int32_t depth) const
    {
        wellfile::RECORD r;
        const QByteArray bytes = DataFile().mid(qsizetype(depth - 1000) * kRecord, kRecord);
        EXPECT_EQ(bytes.size(), kRecord);
        std::memcpy(&r, bytes.constData(), std::size_t(std::min<qsizetype>(bytes.size(), kRecord)));
        return r;
    }
    void Maxima(float totalGas, float co2)
    {
        s.witsLink.gasMaxima[0] = totalGas;
        s.witsLink.co2Maximum = co2;
    }

    app::LogState s;
    app::WellServices services;
    WitsHost host{s, services};
    std::unique_ptr<Wits> engine;
};

TEST_F(BookingTest, TheStepGoesIntoTheLagDepthsRecordAloneAndOneGasRecordIsAppended)
{
    const QByteArray before = DataFile();
    Maxima(120, 3);
    s.witsLink.gasMaxima[1] = 7;  // the last C1
    ASSERT_TRUE(engine->StoreDepthStep(1025.4f));

    const QByteArray after = DataFile();
    ASSERT_EQ(after.size(), before.size());
    const qsizetype r = 25 * kRecord;
    EXPECT_FLOAT_EQ(At<float>(after, r + 28), 120.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 60), 3.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 416), 120.0f);  // the first half had no total gas of its own
    for (qsizetype i = 0; i < after.size(); ++i) {
        const qsizetype inRecord = i - r;
        if (inRecord == 28 || inRecord == 60 || inRecord == 416) {
            i += 3;
            continue;
        }
        ASSERT_EQ(after[i], before[i]) << "byte " << i;
    }

    const QByteArray gas = GasFile();
    ASSERT_EQ(gas.size(), kGasRecord);
    EXPECT_EQ(At<std::int32_t>(gas, 0), 1025);
    EXPECT_EQ(At<std::int32_t>(gas, 4), 1300);
    EXPECT_FLOAT_EQ(At<float>(gas, 48), 120.0f);
    EXPECT_FLOAT_EQ(At<float>(gas, 76), 1.0f);
    EXPECT_EQ(At<std::int32_t>(gas, 296), 0);

    EXPECT_EQ(s.witsLink.bookingCounter, 2);
    EXPECT_EQ(s.well.lastBookedDepth, 1025);
    EXPECT_EQ(s.witsLink.gasMaxima[0], 0.0f);
    EXPECT_EQ(s.witsLink.gasMaxima[1], 0.0f);
    EXPECT_EQ(s.witsLink.co2Maximum, 0.0f);
    EXPECT_TRUE(engine->Gas().newStep);

    // The same depth again: its gas stays, nothing is appended, the maxima still go.
    EditGas(*engine, [&](auto& v) { v.newStep = false; });
    Maxima(55, 2);
    EXPECT_FALSE(engine->StoreDepthStep(1025.8f));
    EXPECT_EQ(DataFile(), after);
    EXPECT_EQ(GasFile().size(), kGasRecord);
    EXPECT_EQ(s.witsLink.gasMaxima[0], 0.0f);
    EXPECT_EQ(s.witsLink.co2Maximum, 0.0f);
    EXPECT_EQ(s.witsLink.bookingCounter, 2);
    EXPECT_TRUE(engine->Gas().newStep);
}

TEST_F(BookingTest, ComponentsAreSharesOfTheTotalWithRatiosOnElseTheHalvesScaledForPpm)
{
    EditGasSettings(*engine, [&](auto& v) { v.ratiosOn = true; });
    EditGas(*engine, [&](auto& v) { v.gasShares[1] = 0.5f; v.gasShares[2] = 0.25f; });
    Maxima(80, 0);
    ASSERT_TRUE(engine->StoreDepthStep(1025.2f));
    wellfile::RECORD r = RecordAt(1025);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_C1], 40.0f);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_C2], 20.0f);
    EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_C1], 40.0f);
    EXPECT_EQ(r.gas[wellfile::GAS_C3], 0.0f);

    // Ratios on and no total gas: nothing to share out.
    Maxima(0, 0);
    EXPECT_FALSE(engine->StoreDepthStep(1026.2f));
    EXPECT_EQ(RecordAt(1026).halfGas[wellfile::GAS_TG], 0.0f);

    EditGasSettings(*engine, [&](auto& v) { v.ratiosOn = false; });
    EditGas(*engine, [&](auto& v) { v.firstHalf = {30, 300, 40}; v.secondHalf = {0, 500, 60}; });
    struct Case {
        bool ppmSwitch;
        std::uint16_t profile;
        float factor;
    };
    std::int32_t depth = 1027;
    for (const Case c : {Case{false, 12, 1.0f}, Case{true, 12, 0.01f}, Case{false, 134, 0.01f}}) {
        EditGasSettings(*engine, [&](auto& v) { v.chromatographSwitch = c.ppmSwitch; });
        s.well.loggerId = c.profile;
        Maxima(90, 0);
        ASSERT_TRUE(engine->StoreDepthStep(float(depth) + 0.1f)) << depth;
        r = RecordAt(depth);
        EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_TG], 90.0f);
        EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_TG], 30.0f);  // the first half's own total gas
        EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_C1], 300 * c.factor) << depth;
        EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_C1], 500 * c.factor) << depth;
        EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_C2], 40 * c.factor) << depth;
        EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_C2], 60 * c.factor) << depth;
        ++depth;
    }
    EXPECT_EQ(s.witsLink.bookingCounter, 8);
}

TEST_F(BookingTest, ADepthThatMovedBackNoWitsGasTheFirstUnitsOrAShortFileBookNothing)
{
    struct Case {
        const char* what;
        float lagDepth;
        float maximum;
        std::int32_t lastBooked;
    };
    const QByteArray before = DataFile();
    for (const Case c : {Case{"moved back", 1049.9f, 120, 1050}, Case{"no WITS total gas", 1060.2f, -1, 0},
                         Case{"first units", 1019.9f, 120, 0}}) {
        s.well.lastBookedDepth = c.lastBooked;
        Maxima(c.maximum, 4);
        s.witsLink.gasMaxima[1] = 9;
        EditGas(*engine, [&](auto& v) { v.newStep = false; });
        EXPECT_FALSE(engine->StoreDepthStep(c.lagDepth)) << c.what;
        EXPECT_EQ(s.witsLink.gasMaxima[0], 0.0f) << c.what;
        EXPECT_EQ(s.witsLink.gasMaxima[1], 0.0f) << c.what;
        EXPECT_EQ(s.witsLink.co2Maximum, 0.0f) << c.what;
        EXPECT_TRUE(engine->Gas().newStep) << c.what;
        EXPECT_EQ(s.well.lastBookedDepth, c.lastBooked) << c.what;
    }
    EXPECT_EQ(DataFile(), before);
    EXPECT_TRUE(GasFile().isEmpty());
    EXPECT_EQ(s.witsLink.bookingCounter, 0);

    // The file on disk ends at 1022 although its depths say 1300: the lag depth's record is not read.
    QFile file(s.well.file.dataFileName);
    ASSERT_TRUE(file.resize(qint64(23) * kRecord));
    const QByteArray shortFile = DataFile();
    s.well.lastBookedDepth = 0;
    Maxima(120, 0);
    EXPECT_FALSE(engine->StoreDepthStep(1025.4f));
    EXPECT_EQ(DataFile(), shortFile);
    EXPECT_TRUE(GasFile().isEmpty());
}

TEST_F(BookingTest, TheRecordsInMemoryTakeTheBookedGasUnlessKeptAsRead)
{
    ASSERT_EQ(wellfile::ReadAllRecords(s.well.file), 1);
    std::vector<wellfile::RECORD>& all = s.well.file.allRecords;
    ASSERT_GT(all.size(), 30u);
    // The record of the file's first depth + 20 is left as it is while the records are in memory.
    const QByteArray before = DataFile();
    Maxima(120, 3);
    EXPECT_FALSE(engine->StoreDepthStep(1020.4f));
    EXPECT_EQ(DataFile(), before);
    EXPECT_EQ(all[20].gas[wellfile::GAS_TG], RecordAt(1020).gas[wellfile::GAS_TG]);

    EditGas(*engine, [&](auto& v) { v.firstHalf = {0, 11}; v.secondHalf = {0, 13}; });
    Maxima(120, 3);
    ASSERT_TRUE(engine->StoreDepthStep(1025.4f));
    const wellfile::RECORD onDisk = RecordAt(1025);
    EXPECT_EQ(std::memcmp(&all[25].gas, &onDisk.gas, 36), 0);          // bytes 28..63
    EXPECT_EQ(std::memcmp(&all[25].halfGas, &onDisk.halfGas, 36), 0);  // bytes 416..451
    EXPECT_FLOAT_EQ(all[25].gas[wellfile::GAS_C1], 13.0f);
    EXPECT_FLOAT_EQ(all[25].gas[wellfile::GAS_NINTH], 3.0f);

    s.well.file.allRecordsKept = true;
    Maxima(100, 0);
    ASSERT_TRUE(engine->StoreDepthStep(1026.4f));
    EXPECT_EQ(all[26].gas[wellfile::GAS_TG], 0.0f);
    EXPECT_FLOAT_EQ(RecordAt(1026).gas[wellfile::GAS_TG], 100.0f);
}

TEST_F(BookingTest, TheHandOverFillsTheHalvesAndBooksOnANewWholeDepth)
{
    EditGas(*engine, [&](auto& v) { v.gasValues[0] = 40; v.gasValues[1] = 21; });
    engine->TakeLagDepth(1025.3f, 3, false, false);
    EditGas(*engine, [&](auto& v) { v.gasValues[1] = 25; });
    engine->TakeLagDepth(1025.7f, 7, false, false);
    EXPECT_EQ(engine->Gas().firstHalf[1], 21.0f);
    EXPECT_EQ(engine->Gas().secondHalf[1], 25.0f);
    EXPECT_TRUE(GasFile().isEmpty());

    EditGas(*engine, [&](auto& v) { v.gasValues[1] = 27; });
    Maxima(60, 0);
    engine->TakeLagDepth(1026.0f, 0, true, false);
    const wellfile::RECORD r = RecordAt(1026);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_TG], 60.0f);
    EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_TG], 40.0f);
    EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_C1], 27.0f);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_C1], 25.0f);
    EXPECT_EQ(engine->Gas().gasValues[1], 0.0f);  // the engine's values start again for the next step
    EXPECT_TRUE(engine->Gas().newStep);

    // With the depth from WITS a new tenths digit above 0 leaves no step to complete.
    engine->TakeLagDepth(1026.2f, 2, false, true);
    EXPECT_FALSE(engine->Gas().newStep);
}

TEST_F(BookingTest, AnEntryDialogsDoneOverTheSameRecordsKeepsTheBookedGas)
{
    const int index = entry::EntryRecordIndex(1030, 1000, 1);
    std::vector<wellfile::RECORD> asRead;
    const int count = entry::ReadEntryRecords(s.well.file, asRead, entry::kEntryBufferRecords, index,
                                              entry::kEntryReadRecords);
    ASSERT_GT(count, 10);
    std::vector<wellfile::RECORD> typed = asRead;
    wellfile::RECORD& typedRow = typed[std::size_t(1025 - 1000 - index)];
    ASSERT_EQ(typedRow.depth, 1025);
    typedRow.mudWeightIn = 9.5f;
    typed[std::size_t(1027 - 1000 - index)].gas[wellfile::GAS_TG] = 33;  // typed where nothing is booked

    Maxima(120, 3);  // booked while the dialog is open
    ASSERT_TRUE(engine->StoreDepthStep(1025.4f));

    ASSERT_EQ(entry::WriteBackEntry(s.well.file, s.well.file.dataFileName, index, count, asRead, typed,
                                    entry::FieldsOf(entry::EntryKind::Gas)),
              count);
    const wellfile::RECORD r = RecordAt(1025);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_TG], 120.0f);
    EXPECT_FLOAT_EQ(r.gas[wellfile::GAS_NINTH], 3.0f);
    EXPECT_FLOAT_EQ(r.halfGas[wellfile::GAS_TG], 120.0f);
    EXPECT_FLOAT_EQ(r.mudWeightIn, 9.5f);
    EXPECT_FLOAT_EQ(RecordAt(1027).gas[wellfile::GAS_TG], 33.0f);
}

}  // namespace
