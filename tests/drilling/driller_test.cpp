// The depth step: timing of the units, the records written, the step rings and the failures of the
// data file.
#include "drillingfixture.h"

#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"
#include "wellfile/remoteconfig.h"

#include <QFile>

#include <cstring>

using namespace drilling;
using namespace drilling_testing;
using testing_support::doubles;

namespace {

float CustomFloat(const wellfile::CUSTDATAREC& r, int offset)
{
    float v = 0;
    std::memcpy(&v, reinterpret_cast<const char*>(&r) + offset, 4);
    return v;
}

class DrillerTest : public DrillingTest {};

TEST_F(DrillerTest, UnitsAreTimedFromTheFirstStepAndThePolledHalves)
{
    MakeWellOnDisk(900, 1000);
    CustomDataInUse();
    StartDriller();
    qint64 size = 0;
    Records(&size);

    Run(60);
    Pulse();
    qint64 afterFirst = 0;
    auto records = Records(&afterFirst);
    ASSERT_EQ(afterFirst, size + 616);
    EXPECT_EQ(records.back().depth, 1001);
    EXPECT_FLOAT_EQ(records.back().rateOne, 1.0f);
    EXPECT_FLOAT_EQ(records.back().rateOdd, records.back().rateOne);
    const qint64 customAfterFirst = CustomFileSize();
    EXPECT_EQ(customAfterFirst, 102 * 222);  // made for 900..1000, then the new depth

    Run(30);
    HalfPulse();
    EXPECT_EQ(Records().size(), records.size());  // half a unit writes nothing
    Run(40);
    Pulse(StepSource::Polled);
    qint64 afterSecond = 0;
    records = Records(&afterSecond);
    EXPECT_EQ(afterSecond, afterFirst + 616);
    EXPECT_EQ(CustomFileSize(), customAfterFirst + 222);
    const wellfile::RECORD& r = records.back();
    EXPECT_EQ(r.depth, 1002);
    EXPECT_FLOAT_EQ(r.rateOdd, 1.0f);
    EXPECT_NEAR(r.rateOne, 1.3333f, 1e-4);
    EXPECT_NEAR(r.rate2Ft, 1.1667f, 1e-4);
    EXPECT_EQ(well.fileBottomDepth, 1002);
    const auto custom = testing_support::FileRecords<wellfile::CUSTDATAREC>(well.customDataFileName);
    EXPECT_FLOAT_EQ(custom.back().depth, 1002.0f);
    EXPECT_FLOAT_EQ(customRows.at(102).depth, 1002.0f);
}

TEST_F(DrillerTest, ShortUnitsAreDroppedOnBottomOnlyAndLongUnitsNearTheTopAreCapped)
{
    MakeWellOnDisk(1000, 1020);
    StartDriller();
    Run(700);
    Pulse();
    EXPECT_FLOAT_EQ(Records().back().rateOne, 1.0f);  // 700 s at first + 20 counts as 60 s

    const QByteArray before = testing_support::ReadBytes(well.dataFileName);
    Run(3);
    driller->Time()->KeyDown('F', true);
    Run(0.2);
    EXPECT_EQ(testing_support::ReadBytes(well.dataFileName), before);
    EXPECT_EQ(driller->Steps().stepPending, 0);
    EXPECT_EQ(well.fileBottomDepth, 1021);

    driller->Time()->KeyDown('D', true);  // off bottom: the same short unit steps
    driller->Time()->KeyDown('F', true);
    Run(0.2);
    EXPECT_EQ(well.fileBottomDepth, 1022);
    EXPECT_EQ(Records().back().depth, 1022);
    EXPECT_EQ(Time().offBottom, 0);
}

// A depth source silent while several units were drilled: every unit gets its record and its share of
// the time, however short that share is.
TEST_F(DrillerTest, ARiseOfSeveralUnitsStepsEachOfThemWithItsShareOfTheTime)
{
    MakeWellOnDisk(1000, 1030);
    StartDriller();
    Run(10);
    driller->MarkSteps(StepSource::WholeUnitBox, 3);
    Run(1);
    auto records = Records();
    ASSERT_EQ(records.size(), 34u);
    EXPECT_EQ(well.fileBottomDepth, 1033);
    const float minutes[3] = {records[31].rateOne, records[32].rateOne, records[33].rateOne};
    EXPECT_FLOAT_EQ(minutes[0], 3 / 60.0f) << "3 s, below the shortest unit, and kept";
    EXPECT_FLOAT_EQ(minutes[1], 3 / 60.0f);
    EXPECT_FLOAT_EQ(minutes[2], 4 / 60.0f) << "the shares add up to the rise's 10 s";
    EXPECT_EQ(driller->Steps().riseUnits, 0);
    EXPECT_EQ(driller->Steps().stepPending, 0);

    // A rise while one unit is pending already counts that unit too.
    Run(8);
    driller->MarkStep(StepSource::WholeUnitBox);
    driller->MarkSteps(StepSource::WholeUnitBox, 2);
    Run(1);
    EXPECT_EQ(well.fileBottomDepth, 1036);

    // The records of a rise that cannot be written are tried again: none is lost.
    Run(8);
    const QString aside = well.dataFileName + ".aside";
    ASSERT_TRUE(QFile::rename(well.dataFileName, aside));
    driller->MarkSteps(StepSource::WholeUnitBox, 2);
    Run(0.4);
    EXPECT_EQ(well.fileBottomDepth, 1036);
    ASSERT_TRUE(QFile::rename(aside, well.dataFileName));
    Run(1);
    EXPECT_EQ(well.fileBottomDepth, 1038);
    EXPECT_EQ(Records().back().depth, 1038);
}

TEST_F(DrillerTest, WholeUnitSourcesAreTimedAsMeasuredAndTheDownTimeIsLeftOut)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    Run(60);
    Pulse();
    Run(60);
    driller->Time()->KeyDown('F', true);
    Run(0.2);
    EXPECT_FLOAT_EQ(Records().back().rateOne, 1.0f);  // Ctrl+F 60 s on: one minute, not two

    Run(20);
    driller->Time()->KeyDown('D', true);
    Run(90);
    driller->Time()->KeyDown('D', true);
    Run(20);
    Pulse(StepSource::Polled);
    EXPECT_NEAR(Records().back().rateOne, 1.3333f, 1e-4);

    // The clock going back restarts the unit at one second.
    Clock().ms -= 30'000;
    driller->Time()->Tick();
    EXPECT_EQ(Time().unitSeconds, 1);
}

TEST_F(DrillerTest, LagTimeGrowsWithTheHole)
{
    MakeWellOnDisk(900, 1000);
    auto last = wellfile::ReadLastRecord(well, well.dataFileName);
    last->lagTime = 30.0f;
    ASSERT_EQ(wellfile::WriteLastRecord(*last, well.dataFileName), 1);
    StartDriller();
    Run(60);
    Pulse();
    EXPECT_NEAR(Records().back().lagTime, 30.03f, 1e-4);
}

TEST_F(DrillerTest, RateIsSixtyOverTheMeanOfTenSlots)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    EmptyRings();
    Run(120);
    Pulse();
    Run(120);
    Pulse();
    EXPECT_FLOAT_EQ(driller->Steps().meanStepMinutes, 0.4f);
    EXPECT_EQ(driller->Rate(), 150);
    EXPECT_EQ(driller->Steps().stepIndex, 2);

    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepIndex = kStepSlots - 1; });
    Run(5);
    Pulse();
    EXPECT_EQ(driller->Steps().stepIndex, 0);
}

TEST_F(DrillerTest, TheBackwardSumWrapsOnlyOnLongFiles)
{
    MakeWellOnDisk(900, 2000);
    StartDriller();
    std::array<float, kStepTableSize> table{};
    table[0] = 1;
    table[1] = 2;
    table[kStepSlots - 1] = 4;
    table[kStepSlots] = 100;  // beyond the ring: never read
    well.fileBottomDepth = well.fileTopDepth + 1200;
    EXPECT_FLOAT_EQ(driller->SumStepTimes(table, 10, 1), 3.0f);
    well.fileBottomDepth = well.fileTopDepth + 1201;
    EXPECT_FLOAT_EQ(driller->SumStepTimes(table, 10, 1), 7.0f);
}

TEST_F(DrillerTest, TheFirstRecordTakesTheBottomEveryTenUnits)
{
    MakeWellOnDisk(990, 1005);
    state.well.writeBottomToFirstRecord = true;
    StartDriller();
    QList<int> changes;
    std::int32_t kept = wellfile::ReadFirstRecord(well.dataFileName)->bottomDepth;
    for (int i = 0; i < 17; ++i) {
        Run(5);
        Pulse();
        const std::int32_t now = wellfile::ReadFirstRecord(well.dataFileName)->bottomDepth;
        if (now != kept)
            changes << now;
        kept = now;
    }
    EXPECT_EQ(changes, (QList<int>{1010, 1020}));
}

TEST_F(DrillerTest, AnUnwritableDataFileKeepsTheStepForTheNextTick)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    EmptyRings();
    Run(60);
    Pulse();
    const QString aside = well.dataFileName + ".aside";
    ASSERT_TRUE(QFile::rename(well.dataFileName, aside));
    Run(60);
    Pulse();
    Run(1);
    EXPECT_EQ(well.fileBottomDepth, 1001);
    EXPECT_EQ(driller->Steps().stepPending, 1);
    EXPECT_EQ(driller->Steps().stepIndex, 1);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);  // once for the whole spell
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Unable to open file\n" + well.dataFileName +
                                                                 "\nThe write of the record of depth 1002 failed: "
                                                                 "No such file or directory"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Error");

    ASSERT_TRUE(QFile::rename(aside, well.dataFileName));
    Run(0.2);
    const auto records = Records();
    EXPECT_EQ(well.fileBottomDepth, 1002);
    EXPECT_EQ(records.back().depth, 1002);
    EXPECT_EQ(records[records.size() - 2].depth, 1001);
    EXPECT_NEAR(records.back().rateOne, 60.0f / 60, 0.02);  // the unit's own time, not the wait for the file
    EXPECT_EQ(driller->Steps().stepIndex, 2);
}

TEST_F(DrillerTest, CustomRecordTakesTheWitsValuesAndTheMeanPumpOutput)
{
    MakeWellOnDisk(900, 1000);
    CustomDataInUse();
    WitsLinkOn();
    StartDriller();
    testing_support::EditLag(*driller, [](wellfile::LagRecord& lag) {
        lag.pumpOnHole[0] = 1;
        lag.pumpOnHole[1] = 1;
        lag.pump1Output = 0.1f;
        lag.pump2Output = 0.12f;
        lag.pumpEfficiency[0] = 0.95f;
        lag.pumpEfficiency[1] = 0.9f;
    });
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) {
        live.spm1 = 60;
        live.spm2 = 50;
        live.spm3 = 70;  // not on the hole
        live.casingPressure = 350;
        live.rpm = 120;
    });
    Run(60);
    Pulse();
    const auto custom = testing_support::FileRecords<wellfile::CUSTDATAREC>(well.customDataFileName);
    const wellfile::CUSTDATAREC& c = custom.back();
    EXPECT_FLOAT_EQ(c.spm, 110.0f);
    // The output a stroke of the two pumps together: their flows over their strokes (0.1009, not the
    // pumps' plain mean 0.1015), so that rate x output is the flow.
    EXPECT_NEAR(CustomFloat(c, 182), (60 * 0.1 * 0.95 + 50 * 0.12 * 0.9) / 110, 1e-6);
    EXPECT_FLOAT_EQ(c.casingPressure, 350.0f);
    EXPECT_FLOAT_EQ(c.rpm, 120.0f);
    EXPECT_FLOAT_EQ(driller->Live().casingPressure, 0.0f);  // taken by the step
}

TEST_F(DrillerTest, UpdatePackagesAtTheIntervalOfTheRemoteSettings)
{
    MakeWellOnDisk(900, 1000);
    wellfile::RemoteConfig remote;
    remote.updatePackage = 1;
    remote.interval = 5;
    testing_support::WriteBytes(well.dataFolder + "svdlcfg.cfg", &remote, sizeof remote);
    StartDriller();
    for (int i = 0; i < 6; ++i) {
        Run(5);
        Pulse();
    }
    EXPECT_EQ(links.packages, 1);  // at 1005 only
    EXPECT_EQ(driller->Setup().depthUnitsToSend, 100);
}

TEST_F(DrillerTest, BackupsEveryHundredUnitsAndTheReminderOnFailure)
{
    MakeWellOnDisk(900, 998);
    StartDriller();
    links.backupResult = false;
    Run(5);
    Pulse();
    Run(5);
    Pulse();
    EXPECT_EQ(links.backups.size(), 1);
    EXPECT_EQ(links.reminders, QStringList{"Last Full Back Up = 0"});
    EXPECT_EQ(driller->Records().lastFullBackupDepth, 0);
}

}  // namespace

namespace {

TEST_F(DrillerTest, TheReminderCountsFiveHundredUnitsFromWhereDrillingStarted)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    // Drilling mode has been on since 500; a full backup a unit ago does not restart the count.
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.startDepth = 500; });
    testing_support::EditRecords(*driller, [](drilling::DrillerRecords& v) { v.lastFullBackupDepth = 1000; });
    Run(5);
    Pulse();
    EXPECT_EQ(links.reminders, QStringList{"Last Full Back Up = 500"});
    links.reminders.clear();
    // 1002 is 500 units below it exactly: not yet.
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.startDepth = 502; });
    Run(5);
    Pulse();
    EXPECT_TRUE(links.reminders.isEmpty());
}

}  // namespace
