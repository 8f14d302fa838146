#include "app/logstate.h"
#include "support/files.h"
#include "support/helperprocess.h"
#include "support/testmain.h"
#include "wits/dailyfile.h"
#include "wits/witswindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadExistingBytes;
using testing_support::TestDir;
using wellfile::WITSRECORD;

namespace {

constexpr qint64 kDaySize = 1843200;

// A well "ALPHA" with its data folder and the "wits/", "remote/" and "gas/" folders; the test clock
// reads 15 January 2026, 8:30.
struct WitsWell {
    std::unique_ptr<app::LogState> log = std::make_unique<app::LogState>();
    QString data = TestDir() + QStringLiteral("data/");
    WitsWell()
    {
        for (const char* sub : {"wits", "remote", "gas"})
            QDir().mkpath(data + sub);
        log->well.file.dataFolder = data;
        log->well.file.wellName = QStringLiteral("ALPHA");
        log->env.witsFolder = data + QStringLiteral("wits/");
    }
    QString Today() const { return data + QStringLiteral("wits/ALPHA@1-15-26.wit"); }
};

// A record of 15 January 2026 holding only its time.
WITSRECORD Dated(int hour, int minute, int second)
{
    WITSRECORD r;
    r.day = 15;
    r.month = 1;
    r.year = 26;
    r.hour = std::uint16_t(hour);
    r.minute = std::uint16_t(minute);
    r.second = std::uint16_t(second);
    return r;
}

// A sample as the end of a frame stamps it, with `marker` in every value field so that a record can
// be told whole or torn.
WITSRECORD Sample(int hour, int minute, int second, int slot, int marker)
{
    WITSRECORD s = Dated(hour, minute, second - second % 6);
    s.slot = std::uint16_t(slot);
    s.holeDepth = float(marker);
    s.bitDepth = float(marker);
    s.torque = std::uint16_t(marker);
    s.lagDepth = marker;
    return s;
}

bool SameBytes(const WITSRECORD& a, const WITSRECORD& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Whether the record holds its day's preset time and nothing else.
bool IsPreset(const WITSRECORD& r, int hour, int minute, int second) { return SameBytes(r, Dated(hour, minute, second)); }

const QDate kDay(2026, 1, 15);

// A whole daily file of `kDay`: its preset records.
QString WriteDailyFile(const QString& path)
{
    std::vector<WITSRECORD> day;
    for (int r = 0; r < wellfile::kSlotsPerDay; ++r)
        day.push_back(wits::PresetRecord(kDay, r));
    testing_support::WriteBytes(path, day.data(), qsizetype(day.size() * sizeof(WITSRECORD)));
    return path;
}

}  // namespace

TEST(DailyWitsFile, FirstWriteMakesTheWholePresetDay)
{
    WitsWell w;
    const WITSRECORD sample = Sample(8, 30, 0, 5100, 4321);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    qint64 size = 0;
    const auto day = FileRecords<WITSRECORD>(w.Today(), &size);
    ASSERT_EQ(size, kDaySize);
    EXPECT_TRUE(IsPreset(day[0], 0, 0, 6));
    EXPECT_TRUE(IsPreset(day[9], 0, 0, 60));
    EXPECT_TRUE(IsPreset(day[10], 0, 1, 6));
    EXPECT_TRUE(IsPreset(day[6001], 10, 0, 12));
    EXPECT_TRUE(IsPreset(day[14399], 23, 59, 60));
    // Past the time fields every preset byte is 0; only the sample's record (slot 5,100) holds values.
    int valued = 0;
    for (std::size_t r = 0; r < day.size(); ++r) {
        const char* bytes = reinterpret_cast<const char*>(&day[r]);
        if (std::any_of(bytes + 12, bytes + 128, [](char b) { return b != 0; }))
            ++valued;
    }
    EXPECT_EQ(valued, 1);
    EXPECT_TRUE(SameBytes(day[5100], sample));
    EXPECT_EQ(QDir(w.data + "wits").entryList(QDir::Files), QStringList{"ALPHA@1-15-26.wit"});  // no temporary left
}

TEST(DailyWitsFile, EachSampleLandsOnTheRecordOfItsSlot)
{
    WitsWell w;
    const WITSRECORD first = Sample(9, 0, 0, 5400, 1);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &first, {}, 1));
    const QByteArray before = ReadExistingBytes(w.Today());

    // Five samples of one slot (10:00:12 to 10:00:17, slot 6,002): the last written wins, on record
    // 6,002 (byte 768,256), and no other byte changes.
    WITSRECORD batch[5];
    for (int i = 0; i < 5; ++i)
        batch[i] = Sample(10, 0, 13 + i, 6002, 100 + i);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, batch, {}, 5));
    QByteArray after = ReadExistingBytes(w.Today());
    ASSERT_EQ(after.size(), kDaySize);
    EXPECT_EQ(std::memcmp(after.constData() + 768256, &batch[4], 128), 0);
    after.replace(768256, 128, before.mid(768256, 128));
    EXPECT_TRUE(after == before);

    // The first six seconds of the day (slot 0) go to record 0.
    const WITSRECORD midnight = Sample(0, 0, 3, 0, 7);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &midnight, {}, 1));
    EXPECT_TRUE(SameBytes(FileRecords<WITSRECORD>(w.Today())[0], midnight));

    // Samples of five slots in a row land on five records in a row; a single sample without a hole
    // depth between two with one is filled from the one before, a slot later. A sample whose slot lies
    // outside the day is left out and the file keeps its size.
    WITSRECORD run[6];
    for (int i = 0; i < 5; ++i)
        run[i] = Sample(12, 0, 6 * i, 7200 + i, 200 + i);
    run[2].holeDepth = 0;
    run[5] = Sample(0, 0, 0, 14400, 999);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, run, {}, 6));
    qint64 size = 0;
    const auto day = FileRecords<WITSRECORD>(w.Today(), &size);
    EXPECT_EQ(size, kDaySize);
    EXPECT_TRUE(SameBytes(day[7200], run[0]));
    EXPECT_TRUE(SameBytes(day[7201], run[1]));
    WITSRECORD filled = run[1];
    filled.slot = 7202;
    EXPECT_TRUE(SameBytes(day[7202], filled));
    EXPECT_TRUE(SameBytes(day[7204], run[4]));
}

TEST(DailyWitsFile, ABlockAcrossMidnightIsSplitBetweenTheTwoDaysFiles)
{
    WitsWell w;
    w.log->now = QDateTime(QDate(2026, 1, 15), QTime(0, 0, 12));
    WITSRECORD block[5];
    for (int i = 0; i < 5; ++i) {
        const QDateTime t = QDateTime(QDate(2026, 1, 14), QTime(23, 59, 48)).addSecs(6 * i);
        wits::StampSample(block[i], t);
        block[i].holeDepth = float(1200 + i);
    }
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, block, {}, 5));
    const auto yesterday = FileRecords<WITSRECORD>(w.data + "wits/ALPHA@1-14-26.wit");
    const auto today = FileRecords<WITSRECORD>(w.Today());
    ASSERT_EQ(yesterday.size(), 14400u);
    ASSERT_EQ(today.size(), 14400u);
    EXPECT_TRUE(SameBytes(yesterday[14398], block[0]));
    EXPECT_TRUE(SameBytes(yesterday[14399], block[1]));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(SameBytes(today[std::size_t(i)], block[2 + i])) << i;
    EXPECT_TRUE(IsPreset(today[3], 0, 0, 24));
    EXPECT_EQ(yesterday[14397].holeDepth, 0.0f);
    EXPECT_EQ(yesterday[14397].day, 14);
}

TEST(DailyWitsFile, FailuresAreReportedAndChangeNothing)
{
    WitsWell w;
    const WITSRECORD sample = Sample(8, 30, 0, 5100, 1);

    // The file cannot be made: said with the file and the reason, once until it can be made.
    QDir(w.data + "wits").removeRecursively();
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_FALSE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty()) << "no box in the midst of the writer's work";
    doubles().queue.DeliverAll();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Wits File Create Failed\n" + w.Today() + "\n"))
        << doubles().prompter.messages[0].text.toStdString();
    const QString named = "Wits File Create Failed\n" + w.Today() + "\n";
    EXPECT_GT(doubles().prompter.messages[0].text.size(), named.size()) << "and the reason";
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    QDir().mkpath(w.data + "wits");
    EXPECT_TRUE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    QDir(w.data + "wits").removeRecursively();
    EXPECT_FALSE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    doubles().queue.DeliverAll();
    ASSERT_EQ(doubles().prompter.messages.size(), 2) << "a new spell is said again";
    doubles().prompter.messages.clear();

    // A folder where the file should be: it exists but does not open.
    QDir().mkpath(w.Today());
    EXPECT_FALSE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    doubles().queue.DeliverAll();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Wits File Open Failed (in Data)");
    EXPECT_TRUE(QFileInfo(w.Today()).isDir());
}

TEST(DailyWitsFile, NamedFileAndRemoteCopy)
{
    WitsWell w;
    const WITSRECORD sample = Sample(8, 30, 0, 5100, 1);

    // A named file is written as named, and no copy is made while no data file is open.
    const QString named = w.data + "ALPHA@1-14-26.wit";
    w.log->witsCopy.remoteCopy = true;
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &sample, named, 1));
    EXPECT_EQ(QFileInfo(named).size(), kDaySize);
    EXPECT_FALSE(QFileInfo::exists(w.Today()));
    EXPECT_TRUE(QDir(w.data + "remote").isEmpty());

    // With a data file open the written file goes to "remote/" under today's name, read-only.
    w.log->well.fileOpened = true;
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &sample, {}, 1));
    const QString copy = w.data + "remote/ALPHA@1-15-26.wit";
    EXPECT_TRUE(ReadExistingBytes(copy) == ReadExistingBytes(w.Today()));
    EXPECT_FALSE(QFileInfo(copy).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));

    // With its flag set, to the folder of the settings.
    const QString other = TestDir() + "station/";
    QDir().mkpath(other);
    w.log->witsCopy.alternateRemoteFolder = true;
    w.log->witsCopy.remoteFolder = other;
    const WITSRECORD later = Sample(8, 31, 0, 5110, 2);
    ASSERT_TRUE(wits::WriteWitsRecord(*w.log, &later, {}, 1));
    EXPECT_TRUE(ReadExistingBytes(other + "ALPHA@1-15-26.wit") == ReadExistingBytes(w.Today()));
}

TEST(DailyWitsFile, OpenReadsWholeRecordsOfTheRealLength)
{
    WitsWell w;
    EXPECT_FALSE(wits::OpenWitsFile(*w.log).has_value());  // no file today

    WITSRECORD records[8];
    for (int i = 0; i < 8; ++i)
        records[i] = Sample(1, 0, 0, 600 + i, 10 + i);
    testing_support::WriteBytes(w.Today(), QByteArray(reinterpret_cast<const char*>(records), 1000));
    const auto read = wits::OpenWitsFile(*w.log);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 7u);
    EXPECT_TRUE(SameBytes((*read)[6], records[6]));
    EXPECT_FALSE(wits::OpenWitsFile(*w.log, w.data + "missing.wit").has_value());
}

// Run by the next test in a process of its own: writes batches into a daily file until it is killed.
TEST(DailyWitsFile, WriterProcess)
{
    const QString path = qEnvironmentVariable("STRATIVM_WITS_WRITER");
    if (path.isEmpty())
        GTEST_SKIP() << "runs only as the helper process of KilledWriterLeavesWholeRecords";
    std::printf("GO\n");
    std::fflush(stdout);
    const QDate date(2026, 1, 15);
    for (int batch = 0; batch < 200000; ++batch) {  // ends by itself should the test die first
        WITSRECORD samples[5];
        for (int i = 0; i < 5; ++i) {
            const int slot = (batch * 5 + i) * 7 % 14400;
            samples[i] = Sample(slot / 600, slot / 10 % 60, slot % 10 * 6, slot, 1 + batch * 5 + i);
        }
        wits::WriteDailyRecords(path, date, samples, 5);
    }
}

TEST(DailyWitsFile, KilledWriterLeavesWholeRecords)
{
    const QString path = TestDir() + "ALPHA@1-15-26.wit";
    std::mt19937 random(1843200);
    for (int round = 0; round < 20; ++round) {
        if (round % 2 == 0)
            QFile::remove(path);  // half the kills may fall while the file is made
        QProcess writer;
        const QByteArray out = testing_support::StartHelperProcess(writer, "DailyWitsFile.WriterProcess",
                                                                   "STRATIVM_WITS_WRITER", path, "GO");
        ASSERT_TRUE(out.contains("GO")) << out.constData();
        QThread::usleep(random() % 40000);
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30000));

        if (!QFileInfo::exists(path))
            continue;
        qint64 size = 0;
        const auto day = FileRecords<WITSRECORD>(path, &size);
        ASSERT_EQ(size, kDaySize) << "round " << round;
        for (int r = 0; r < int(day.size()); ++r) {
            const WITSRECORD& rec = day[std::size_t(r)];
            if (IsPreset(rec, r / 600, r / 10 % 60, 6 * (r % 10 + 1)))
                continue;
            const int slot = rec.slot;
            const WITSRECORD whole = Sample(slot / 600, slot / 10 % 60, slot % 10 * 6, slot, int(rec.holeDepth));
            ASSERT_TRUE(SameBytes(rec, whole)) << "round " << round << ", record " << r;
            ASSERT_EQ(wits::RecordOfSlot(slot), r);
        }
    }
}

TEST(DailyWitsFile, TheRecentWindowEndsNow)
{
    const QString path = WriteDailyFile(TestDir() + "W@1-15-26.wit");
    int bytes = 0;
    auto window = wits::ReadRecentWitsRecords(path, QTime(10, 0), 0, bytes);
    ASSERT_TRUE(window);
    EXPECT_EQ(bytes, 12800);
    ASSERT_EQ(window->size(), 100u);
    const WITSRECORD first = wits::PresetRecord(kDay, 5900), midnight = wits::PresetRecord(kDay, 0);
    EXPECT_EQ(std::memcmp(&window->front(), &first, sizeof(WITSRECORD)), 0);
    EXPECT_EQ((std::array{window->back().hour, window->back().minute, window->back().second}),
              (std::array<std::uint16_t, 3>{9, 59, 60}));
    auto shifted = wits::ReadRecentWitsRecords(path, QTime(8, 0), 2, bytes);
    ASSERT_TRUE(shifted);
    EXPECT_EQ(std::memcmp(shifted->data(), window->data(), 12800), 0);
    window = wits::ReadRecentWitsRecords(path, QTime(0, 3), 0, bytes);
    EXPECT_EQ(std::memcmp(window->data(), &midnight, sizeof(WITSRECORD)), 0);
    // An offset across midnight: the day after (or before) is read, at the moved hour.
    EXPECT_EQ(wits::WitsWindowDay(QDateTime(kDay.addDays(-1), QTime(22, 0)), 2), kDay);
    EXPECT_EQ(wits::WitsWindowDay(QDateTime(kDay.addDays(1), QTime(1, 0)), -2), kDay);
    shifted = wits::ReadRecentWitsRecords(path, QTime(22, 0), 12, bytes);
    ASSERT_TRUE(shifted);
    EXPECT_EQ(std::memcmp(&shifted->front(), &first, sizeof(WITSRECORD)), 0);
    shifted = wits::ReadRecentWitsRecords(path, QTime(1, 0), -3, bytes);
    EXPECT_EQ(bytes, 12800);
    EXPECT_EQ(shifted->back().hour, 21);

    const QString shortFile = TestDir() + "short.wit";
    testing_support::WriteBytes(shortFile, testing_support::ReadBytes(path).left(3968));
    window = wits::ReadRecentWitsRecords(shortFile, QTime(0, 3), 0, bytes);
    EXPECT_EQ(bytes, 3968);
    EXPECT_EQ(window->size(), 31u);
    EXPECT_FALSE(wits::ReadRecentWitsRecords(TestDir() + "none.wit", QTime(0, 3), 0, bytes));
}
