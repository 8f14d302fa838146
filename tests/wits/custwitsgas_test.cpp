// The custom WITS link's gas: the gas items of its two gas modes with the ratios and the gas window's
// lines, total gas left to a gas monitor that comes first, and the booking of the step's gas at the lag
// depth into the data file, a running entry, the log and the gas file.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "entry/entrybuffer.h"
#include "entry/entrycommand.h"
#include "gasmon/autogas.h"
#include "gasmon/gasfile.h"
#include "gasmon/gashost.h"
#include "shell/draw/viewpainters.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/viewfixture.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/witsengine.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/datafile.h"
#include "wits/custwits.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

using namespace wits;
using testing_support::At;
using testing_support::EditReadings;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::EditGas;
using testing_support::EditSettings;

namespace {

constexpr int kRecord = int(sizeof(wellfile::RECORD));
constexpr int kGasRecord = 512;

class WindowLines final : public gasmon::GasDisplay {
public:
    void SetLines(const QString* l1, const QString*, const QString*, const QString*) override
    {
        if (l1)
            second = *l1;
    }
    void SetCaption(const QString&) override {}
    void SetHeading(const QString& h) override { first = h; }
    void ShowAt(int, int) override {}
    int Left() const override { return 0; }
    int Top() const override { return 0; }
    QString first, second;
};

class CustGasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::PointAtNewWell(s, "W", 1000, 1300));
        QDir().mkpath(TestDir() + "gas");
        s.well.file.lagDepth = 1020;  // the gas start depth
        driller = std::make_unique<drilling::Driller>(facts, WitsAlarmHost{});
        s.engines.driller = driller.get();
        WitsAlarmHost alarmHost;
        alarmHost.dataFolder = [] { return TestDir(); };
        link = std::make_unique<CUSTWITS>(host, alarmHost);
        auto lines = std::make_unique<WindowLines>();
        window = lines.get();
        link->SetGasWindow(std::move(lines));
    }
    void TearDown() override { s.engines.driller = nullptr; }
    void Item(int code, const char* value) { link->ProcessItem(platform::CFormat("%04d", code), value); }
    bool Book(float lagDepth)
    {
        driller->SetLagDepth(lagDepth);
        return link->StoreDepthStep();
    }
    void Components(const char* c1, const char* c2, const char* c3, const char* ic4, const char* nc4)
    {
        Item(1212, c1);
        Item(1213, c2);
        Item(1214, c3);
        Item(1215, ic4);
        Item(1216, nc4);
    }
    QByteArray DataFile() const { return ReadBytes(s.well.file.dataFileName); }
    QByteArray GasFile() const { return ReadBytes(gasmon::GasFileName(TestDir(), "W")); }
    // The gas monitor lives until the link has gone (the link reads it as it stops).
    gasmon::AutoGas* GasMonitor()
    {
        monitor_ = std::make_unique<gasmon::AutoGas>(gasHost, 10, 0);
        s.engines.autoGas = monitor_.get();
        return monitor_.get();
    }
    const std::string& TotalGasText() const { return link->Lines()[kCustTotalGasText]; }
    // The "TOTAL GAS" alarm takes values, with a delay that raises no alarm while the test runs.
    WitsAlarmEntry& TotalGasAlarm()
    {
        WitsAlarmEntry& e = link->Alarms().Entry(kTotalGasChannel);
        e.Enabled = 1;
        e.Delay = 100;
        return e;
    }

    app::LogState s;
    app::WellServices services;
    drilling::DrillingHost facts{s};
    std::unique_ptr<drilling::Driller> driller;
    gasmon::GasHost gasHost{s};
    std::unique_ptr<gasmon::AutoGas> monitor_;
    CustWitsHost host{s, services};
    std::unique_ptr<CUSTWITS> link;
    WindowLines* window = nullptr;
};

TEST_F(CustGasTest, BloodhoundCapsALoneComponentsRatioForTheLinkButNotForTheGasFile)
{
    EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Bloodhound); });
    Components("4", "0", "0", "0", "0");
    Components("10", "0", "0", "0", "0");  // completed by 1216 with a changed C1
    EXPECT_EQ(link->Gas().componentSets, 2);
    EXPECT_FLOAT_EQ(link->Gas().componentRatios[1], 0.95f);
    EXPECT_FLOAT_EQ(link->Gas().gasRecord.fractions[0], 1.0f);
    EXPECT_FLOAT_EQ(link->Gas().componentRatios[0], 1.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[1], 10.0f);

    // The same C1 again is no new set: nothing changes.
    EditGas(*link, [&](auto& v) { v.gasValues[2] = 3; });
    Item(1216, "0");
    EXPECT_EQ(link->Gas().componentSets, 2);
    EXPECT_FLOAT_EQ(link->Gas().componentRatios[1], 0.95f);
}

TEST_F(CustGasTest, WitsGasModeFeedsTotalGasAndShowsBothLines)
{
    EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Gas); });
    WitsAlarmEntry& alarm = TotalGasAlarm();
    Item(140, "120");
    Components("50", "20", "10", "5", "5");
    EXPECT_EQ(TotalGasText(), "120.00");
    EXPECT_FLOAT_EQ(alarm.Value, 120.0f);
    EXPECT_FLOAT_EQ(link->Sample().totalGas, 120.0f);
    EXPECT_EQ(link->Polls().percent.good, 1.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 120.0f);
    EXPECT_EQ(window->first, "120   50   20   10    5     5    0    0.0   1");
    EXPECT_EQ(window->second, "90  0.56 0.22  0.11 0.06  0.06  0.00");
    EXPECT_EQ(link->Gas().gasLine, window->first.toStdString());
    // The step table holds C2 to iC5 as they came, C1 with its set.
    EXPECT_FLOAT_EQ(link->Gas().stepGas[1], 50.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[5], 5.0f);
    // The gas record: components from byte 52, nC5 at 76, ratios from 116.
    EXPECT_FLOAT_EQ(link->Gas().gasRecord.components[0], 50.0f);
    EXPECT_FLOAT_EQ(link->Gas().gasRecord.fractions[1], 20.0f / 90.0f);

    EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Bloodhound); });
    Item(1216, "5");
    EXPECT_EQ(window->first, "120  50    20   10    5    5      1    ");
    EXPECT_EQ(window->second, "90  0.56  0.22 0.11  0.06  0.06 ");
}

TEST_F(CustGasTest, TotalGasTakesTheAttenuatorAndNeverAMaximumBelowZero)
{
    EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Gas); v.hwAttenuator = 2.0f; });
    Item(140, "60");
    EXPECT_FLOAT_EQ(link->Gas().gasValues[0], 120.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 120.0f);
    Item(140, "30");
    EXPECT_FLOAT_EQ(link->Gas().gasValues[0], 60.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 120.0f);  // the maximum stays

    EditGas(*link, [&](auto& v) { v.stepGas[0] = -5; });
    Item(140, "-7");
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 0.0f);
    EXPECT_EQ(TotalGasText(), " 0.00");
    Item(140, "no number");
    EXPECT_FLOAT_EQ(link->Gas().gasValues[0], 0.0f);

    // Outside the gas modes the gas items do nothing.
    EditGas(*link, [&](auto& v) { v.stepGas.fill(0); });
    EditSettings(*link, [&](auto& v) { v.mode = 1; });
    Item(140, "60");
    Components("1", "2", "3", "4", "5");
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 0.0f);
    EXPECT_FLOAT_EQ(link->Gas().gasValues[1], 0.0f);
}

TEST_F(CustGasTest, AGasMonitorThatComesFirstTakesTheTotalGasScaledAndTheLinkStillKeepsItsMaximum)
{
    const auto monitor = GasMonitor();
    EditReadings(*monitor, [&](auto& v) { v.record.totalGas = 10; });
    const WitsAlarmEntry& alarm = TotalGasAlarm();
    EditSettings(*link, [&](auto& v) {
        v.mode = std::int32_t(CustWitsMode::Gas);
        v.gasMonitorFirst = true;
        v.thirdFactor = 2.5f;
    });
    Item(140, "40");
    EXPECT_FLOAT_EQ(s.witsLink.customLinkTotalGas, 100.0f);
    EXPECT_FLOAT_EQ(monitor->Readings().record.totalGas, 100.0f);
    EXPECT_EQ(alarm.Value, 0.0f);  // the alarm is not fed
    EXPECT_EQ(TotalGasText(), "40.00");
    EXPECT_FLOAT_EQ(link->Gas().gasValues[0], 40.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 40.0f);

    // The components of a set go to the gas monitor's booked-gas table.
    Components("50", "20", "10", "5", "5");
    EXPECT_FLOAT_EQ(monitor->Readings().bookedGas[1], 50.0f);
    EXPECT_FLOAT_EQ(monitor->Readings().bookedGas[4], 5.0f);
}

TEST_F(CustGasTest, ProfileTwentyThreeTakesComponentsAsPartsOfTheTestGas)
{
    s.well.loggerId = 23;
    EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Gas); });
    EditGas(*link, [&](auto& v) { v.testGas = {0, 100, 50, 0, 0, 0, 0}; });
    Item(1212, "5000");
    Item(1213, "2000");
    EXPECT_FLOAT_EQ(link->Gas().gasValues[1], 50.0f);
    EXPECT_FLOAT_EQ(link->Gas().gasValues[2], 10.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[2], 10.0f);
}

// ---- Booking at the lag depth ----

class CustBookingTest : public CustGasTest {
protected:
    void SetUp() override
    {
        CustGasTest::SetUp();
        EditSettings(*link, [&](auto& v) { v.mode = std::int32_t(CustWitsMode::Gas); });
        Components("40", "20", "10", "5", "5");  // ratios 0.5, 0.25, 0.125, 0.0625, 0.0625
        EditGas(*link, [&](auto& v) { v.stepGas[0] = 120; });
    }
    wellfile::RECORD RecordAt(std::int32_t depth) const
    {
        wellfile::RECORD r;
        const QByteArray bytes = DataFile().mid(qsizetype(depth - 1000) * kRecord, kRecord);
        EXPECT_EQ(bytes.size(), kRecord);
        std::memcpy(&r, bytes.constData(), std::size_t(std::min<qsizetype>(bytes.size(), kRecord)));
        return r;
    }
};

TEST_F(CustBookingTest, TheStepGoesIntoTheLagDepthsRecordAndOneGasRecordIsAppended)
{
    const auto monitor = GasMonitor();
    const QByteArray before = DataFile();
    ASSERT_TRUE(Book(1180.6f));

    const QByteArray after = DataFile();
    ASSERT_EQ(after.size(), before.size());
    const qsizetype r = 180 * kRecord;
    EXPECT_FLOAT_EQ(At<float>(after, r + 28), 120.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 32), 60.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 36), 30.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 40), 15.0f);
    EXPECT_FLOAT_EQ(At<float>(after, r + 48), 7.5f);
    EXPECT_EQ(before.left(r), after.left(r));
    EXPECT_EQ(before.mid(r + 64), after.mid(r + 64));
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(monitor->Readings().bookedGas[std::size_t(i)], At<float>(after, r + 28 + 4 * i)) << i;

    const QByteArray file = GasFile();
    ASSERT_EQ(file.size(), kGasRecord);
    EXPECT_EQ(At<std::int32_t>(file, 0), 1180);
    EXPECT_EQ(At<std::int32_t>(file, 4), 1300);
    EXPECT_FLOAT_EQ(At<float>(file, 48), 120.0f);
    EXPECT_FLOAT_EQ(At<float>(file, 52), 40.0f);
    EXPECT_FLOAT_EQ(At<float>(file, 116), 0.5f);
    EXPECT_FLOAT_EQ(At<float>(file, 120), 0.25f);
    EXPECT_FLOAT_EQ(At<float>(file, 124), 0.125f);
    EXPECT_EQ(At<std::int32_t>(file, 296), 0);
    for (const float v : link->Gas().stepGas)
        EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(link->Gas().stepStored);
}

TEST_F(CustBookingTest, AboveTheGasStartDepthNothingIsBookedAndTheStepKeepsItsGas)
{
    s.well.file.lagDepth = 1200;
    const QByteArray before = DataFile();
    EXPECT_FALSE(Book(1180.6f));
    EXPECT_EQ(DataFile(), before);
    EXPECT_TRUE(GasFile().isEmpty());
    EXPECT_FLOAT_EQ(link->Gas().stepGas[0], 120.0f);
    EXPECT_FLOAT_EQ(link->Gas().stepGas[1], 40.0f);
    EXPECT_FALSE(link->Gas().stepStored);
}

TEST_F(CustBookingTest, WithoutTheLagDepthsRecordOnlyTheGasFileAndTheStepTableAreServed)
{
    // The file on disk ends five records after 1175 although its depths say 1300.
    QFile data(s.well.file.dataFileName);
    ASSERT_TRUE(data.resize(qint64(180) * kRecord));
    const QByteArray shortFile = DataFile();
    EXPECT_FALSE(Book(1180.6f));
    EXPECT_EQ(DataFile(), shortFile);
    EXPECT_EQ(GasFile().size(), kGasRecord);
    EXPECT_EQ(link->Gas().stepGas[0], 0.0f);
}

TEST_F(CustBookingTest, TheTenRecordsFromIndex175GoBackWithTheLagDepthsRecordSixth)
{
    // The file on disk ends with the tenth record from 175: a write of more, or from a later index,
    // would lengthen it; a read from another index would put another depth sixth.
    QFile data(s.well.file.dataFileName);
    ASSERT_TRUE(data.resize(qint64(185) * kRecord));
    const QByteArray before = DataFile();
    ASSERT_TRUE(Book(1180.6f));
    const QByteArray after = DataFile();
    ASSERT_EQ(after.size(), before.size());
    const qsizetype r = 180 * kRecord;
    EXPECT_EQ(At<std::int32_t>(after, r), 1180);
    EXPECT_FLOAT_EQ(At<float>(after, r + 28), 120.0f);
    EXPECT_EQ(before.left(r), after.left(r));
    EXPECT_EQ(before.mid(r + 64), after.mid(r + 64));
}

TEST_F(CustBookingTest, AGasFileThatCannotBeWrittenIsReportedAfterTheRecordsAreWritten)
{
    ASSERT_TRUE(QDir(TestDir() + "gas").removeRecursively());
    EXPECT_TRUE(Book(1180.6f));
    EXPECT_FLOAT_EQ(RecordAt(1180).gas[wellfile::GAS_TG], 120.0f);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Gas File Create Failed");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");

    // A folder where the gas file should be: it cannot be opened.
    ASSERT_TRUE(QDir().mkpath(gasmon::GasFileName(TestDir(), "W")));
    EXPECT_TRUE(Book(1181.6f));
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "Gas File Open Failed");
}

TEST_F(CustBookingTest, ARunningEntryGetsTheBookedGasButTheGasEntryAndDoneKeepsItEitherWay)
{
    for (const entry::EntryKind kind : {entry::EntryKind::Rates, entry::EntryKind::Gas}) {
        SCOPED_TRACE(kind == entry::EntryKind::Gas ? "gas entry" : "rate entry");
        const int index = entry::EntryRecordIndex(1170, 1000, 1);
        entry::OpenEntryBuffer(s, entry::kEntryBufferRecords, index, entry::kEntryReadRecords);
        s.entry.gasEntry = kind == entry::EntryKind::Gas;
        std::vector<wellfile::RECORD>& typed = s.interaction.dataEntryRecords;
        wellfile::RECORD& row = typed[std::size_t(1180 - 1000 - index)];
        ASSERT_EQ(row.depth, 1180);
        std::fill(std::begin(row.gas), std::end(row.gas), 0.0f);
        ASSERT_TRUE(s.well.file.lagDepth <= 1180);

        EditGas(*link, [&](auto& v) { v.stepGas[0] = 120; });
        ASSERT_TRUE(Book(1180.6f));
        if (kind == entry::EntryKind::Rates) {
            EXPECT_FLOAT_EQ(row.gas[wellfile::GAS_TG], 120.0f);
            EXPECT_FLOAT_EQ(row.gas[wellfile::GAS_C1], 60.0f);
            EXPECT_FLOAT_EQ(row.gas[wellfile::GAS_NINTH], RecordAt(1180).gas[wellfile::GAS_NINTH]);
        } else {
            EXPECT_EQ(row.gas[wellfile::GAS_TG], 0.0f);
        }
        EXPECT_EQ(typed[std::size_t(1181 - 1000 - index)].gas[wellfile::GAS_TG], 0.0f);

        ASSERT_GT(entry::WriteBackEntry(s.well.file, s.well.file.dataFileName, index, s.entry.count, s.entry.snapshot,
                                        typed, entry::FieldsOf(kind)),
                  0);
        EXPECT_FLOAT_EQ(RecordAt(1180).gas[wellfile::GAS_TG], 120.0f);
        EXPECT_FLOAT_EQ(RecordAt(1180).gas[wellfile::GAS_C1], 60.0f);
        entry::CloseEntry(s, s.well.file.viewTopDepth, 0);
        wellfile::RECORD blank = RecordAt(1180);
        std::fill(std::begin(blank.gas), std::end(blank.gas), 0.0f);
        ASSERT_TRUE(wellfile::WriteRecordAt(s.well.file.dataFileName, 180, &blank, kRecord));
    }
}

TEST_F(CustBookingTest, TheEntrysCopyStaysWithinTheRunOfRecordsItHolds)
{
    // The entry's records end (a depth-0 record) before the lag depth's.
    const int index = entry::EntryRecordIndex(1170, 1000, 1);
    entry::OpenEntryBuffer(s, entry::kEntryBufferRecords, index, 5);
    const std::vector<wellfile::RECORD> asOpened = s.interaction.dataEntryRecords;
    ASSERT_TRUE(Book(1180.6f));
    EXPECT_EQ(std::memcmp(asOpened.data(), s.interaction.dataEntryRecords.data(), asOpened.size() * sizeof asOpened[0]), 0);

    // A gap in the depths ends the run too; past the buffer's end nothing is touched.
    s.interaction.dataEntryRecords.resize(12);
    for (std::size_t i = 0; i < 12; ++i)
        s.interaction.dataEntryRecords[i].depth = std::int32_t(1175 + i + (i >= 3 ? 1 : 0));
    EditGas(*link, [&](auto& v) { v.stepGas[0] = 50; });
    ASSERT_TRUE(Book(1181.2f));
    for (const wellfile::RECORD& r : s.interaction.dataEntryRecords)
        EXPECT_EQ(r.gas[wellfile::GAS_TG], 0.0f) << r.depth;
    s.interaction.dataEntryRecords.resize(3);  // 1175 to 1177: the lag depth lies past the end
    ASSERT_TRUE(Book(1182.2f));
    EXPECT_EQ(s.interaction.dataEntryRecords.size(), 3u);
}

TEST_F(CustBookingTest, ProfileTwentyThreesLagDepthItemBooksOnceOnEachEvenDepth)
{
    s.well.loggerId = 23;
    s.witsLink.lagFromWits = true;
    std::vector<std::int32_t> lagShown;
    host.showLagStatus = [&](std::int32_t d) { lagShown.push_back(d); };

    const auto bookings = [this] { return GasFile().size() / kGasRecord; };
    Item(139, "1180");
    EXPECT_EQ(driller->LagDepth(), 1180.0f);
    EXPECT_EQ(bookings(), 1);
    EXPECT_FLOAT_EQ(RecordAt(1180).gas[wellfile::GAS_TG], 120.0f);
    Item(139, "1180");
    EXPECT_EQ(bookings(), 1);
    Item(139, "1181");
    EXPECT_EQ(bookings(), 1);
    EXPECT_FALSE(link->Gas().stepStored);
    Item(139, "1182");
    EXPECT_EQ(bookings(), 2);
    EXPECT_EQ(lagShown, (std::vector<std::int32_t>{1180, 1180, 1181, 1182}));

    // Another profile, or the lag not from WITS: the item books nothing.
    s.well.loggerId = 12;
    Item(139, "1184");
    s.well.loggerId = 23;
    s.witsLink.lagFromWits = false;
    Item(139, "1186");
    EXPECT_EQ(bookings(), 2);
}

TEST_F(CustBookingTest, TheLagDepthHandOverBooksOnceInTheFirstHalfOfEachUnit)
{
    const auto bookings = [this] { return GasFile().size() / kGasRecord; };
    const auto hand = [this](float lag, int digit) {
        driller->SetLagDepth(lag);
        link->TakeLagDepth(lag, digit, 1300);
    };
    hand(1180.2f, 2);
    EXPECT_EQ(bookings(), 1);
    hand(1180.4f, 4);
    EXPECT_EQ(bookings(), 1);
    hand(1180.6f, 6);
    EXPECT_FALSE(link->Gas().stepStored);
    hand(1181.1f, 1);
    EXPECT_EQ(bookings(), 2);
    // Past the file's bottom, or no lag depth yet: nothing.
    hand(1181.7f, 7);
    hand(1301.2f, 2);
    hand(0, 0);
    EXPECT_EQ(bookings(), 2);
}

// The booked row on the demo well's log (view top 1590: the row of 1625 is y 500 to 510, the gas track
// runs from x 739 to 1054) is what a whole paint draws there.
class CustBookedRow : public testing_support::ViewTest {};

TEST_F(CustBookedRow, TheBookedRowsGasTrackIsWhatAWholePaintDrawsThere)
{
    constexpr std::int32_t kDepth = 1625;
    constexpr int kRowY = 500, kRowHeight = 10, kGasLeft = 739, kGasRight = 1054;
    SetViewTop(1590);
    QDir().mkpath(s.well.file.dataFolder + "gas");
    s.well.file.lagDepth = 1100;
    logview::ViewBitmaps bitmaps;
    logview::LogView view;
    shell::ViewPainters painters;
    painters.trackSettings = [this] { return tracks::TrackSettingsOf(s); };
    painters.trackState = &s.trackPainters;
    AttachImages(bitmaps, painters);
    app::WellServices services;
    CustWitsHost host(s, services);
    logview::ListenForChangedRows(s, view);
    drilling::DrillingHost facts(s);
    drilling::Driller driller(facts, WitsAlarmHost{});
    s.engines.driller = &driller;
    driller.SetLagDepth(kDepth + 0.4f);
    WitsAlarmHost alarmHost;
    alarmHost.dataFolder = [] { return testing_support::TestDir(); };
    CUSTWITS link(host, alarmHost);
    EditGas(link, [&](auto& v) { v.componentRatios = {1, 0.5f, 0.3f, 0.1f, 0.05f, 0.05f}; v.stepGas[0] = 70; });

    const auto paint = [&] {
        bitmaps.backingStore.fill(Qt::black);
        platform::Dc dc(bitmaps.backingStore);
        view.Paint(s, dc);
    };
    // The row's top line is left out: a 2-pixel pen of the row above reaches into it.
    const auto row = [&] { return bitmaps.backingStore.copy(kGasLeft, kRowY + 1, kGasRight - kGasLeft, kRowHeight - 1); };
    paint();
    const QImage before = row();
    ASSERT_TRUE(link.StoreDepthStep());
    const QImage booked = row();
    paint();
    EXPECT_NE(booked, before);
    EXPECT_EQ(booked, row());
    s.engines.driller = nullptr;
}

}  // namespace
