// The day chart files and the chart settings on disk: a new day in one piece with its own date, every
// sample at its own slot, torn files moved aside, reads bounded by the file, copies for another
// station, and the settings record with the chart folder kept in the well's settings.
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "gasmon/chartfile.h"
#include "gasmon/chartsettings.h"
#include "gasmon/chartwindow.h"
#include "gasmon/gasfile.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

gasmon::ChartPlace Place()
{
    gasmon::ChartPlace p;
    p.chartFolder = TestDir() + "chart/";
    p.wellName = "ALPHA";
    return p;
}

gasmon::CHARTRECORD Sample(int slot, int depth)
{
    gasmon::CHARTRECORD r = gasmon::PresetChartRecord(QDate(2026, 1, 15), slot);
    r.depth = std::uint16_t(depth);
    r.hotWire = float(depth) / 10;
    return r;
}

gasmon::CHARTRECORD RecordAt(const QByteArray& day, int slot)
{
    return At<gasmon::CHARTRECORD>(day, qsizetype(slot) * gasmon::kChartRecordSize);
}

TEST(ChartFile, ANewDayIsMadeWholeWithTheSlotsOfItsOwnDate)
{
    const gasmon::ChartPlace place = Place();
    EXPECT_EQ(gasmon::TodaysChartFile(place), TestDir() + "chart/ALPHA@1-15-26.cht");
    // A file named for another day than the clock's (the archive code's, a chart stepping back).
    const QString other = gasmon::ChartFileName(place.chartFolder, "ALPHA", QDate(2016, 3, 19));
    ASSERT_EQ(other, TestDir() + "chart/ALPHA@3-19-16.cht");
    EXPECT_EQ(gasmon::DateOfChartFile(other), QDate(2016, 3, 19));
    ASSERT_EQ(gasmon::WriteChartRecords(place, nullptr, 0, other), 1);

    const QByteArray day = ReadExistingBytes(other);
    ASSERT_EQ(day.size(), 2419200);
    const gasmon::CHARTRECORD first = RecordAt(day, 0), second = RecordAt(day, 1), last = RecordAt(day, 43199);
    EXPECT_EQ(+first.month, 3);
    EXPECT_EQ(+first.day, 19);
    EXPECT_EQ(+first.hour * 3600 + first.minute * 60 + first.second, 0);
    EXPECT_EQ(+second.second, 2);
    EXPECT_EQ(+second.recordNumber, 1u);
    EXPECT_EQ(+last.hour, 23);
    EXPECT_EQ(+last.minute, 59);
    EXPECT_EQ(+last.second, 58);
    EXPECT_EQ(+last.recordNumber, 43199u);
    EXPECT_EQ(At<std::uint16_t>(day, 43199 * 56 + 26), 0) << "the upper half of the record number stays zero";
    EXPECT_EQ(+last.depth, 0);
    EXPECT_EQ(+last.hotWire, 0.0f);
    EXPECT_EQ(+last.month, 3) << "every slot carries the file's own date";
    EXPECT_FALSE(QFileInfo::exists(gasmon::TodaysChartFile(place)));
}

TEST(ChartFile, EverySampleGoesToItsOwnSlotSlotZeroIncluded)
{
    const gasmon::ChartPlace place = Place();
    std::vector<gasmon::CHARTRECORD> batch = {Sample(0, 1500), Sample(1, 1501), Sample(3, 1503), Sample(43199, 1599)};
    ASSERT_EQ(gasmon::WriteChartRecords(place, batch.data(), int(batch.size())), 1);
    QByteArray day = ReadExistingBytes(gasmon::TodaysChartFile(place));
    ASSERT_EQ(day.size(), 2419200);
    EXPECT_EQ(+RecordAt(day, 0).depth, 1500) << "a batch starting at 00:00:00 is written";
    EXPECT_EQ(+RecordAt(day, 1).depth, 1501);
    EXPECT_EQ(+RecordAt(day, 2).depth, 0) << "the missed slot stays preset";
    EXPECT_EQ(+RecordAt(day, 2).second, 4);
    EXPECT_EQ(+RecordAt(day, 3).depth, 1503);
    EXPECT_EQ(+RecordAt(day, 43199).depth, 1599);

    // A record of no slot of the day is left out; the file keeps its size.
    gasmon::CHARTRECORD stray = Sample(5, 1505);
    stray.recordNumber = 43200;
    ASSERT_EQ(gasmon::WriteChartRecords(place, &stray, 1), 1);
    EXPECT_EQ(ReadExistingBytes(gasmon::TodaysChartFile(place)).size(), 2419200);

    // A day file that cannot be made is said once per spell; the samples are lost for that write.
    gasmon::ChartPlace blocked = place;
    blocked.chartFolder = TestDir() + "file/";
    WriteBytes(TestDir() + "file", QByteArray("x"));
    gasmon::FailureSpell spell;
    EXPECT_EQ(gasmon::WriteChartRecords(blocked, batch.data(), 1, {}, &spell), 0);
    EXPECT_EQ(gasmon::WriteChartRecords(blocked, batch.data(), 1, {}, &spell), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Chart File Create Failed");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
}

TEST(ChartFile, ReadsAreBoundedAndATornFileIsMovedAsideForAFreshDay)
{
    const gasmon::ChartPlace place = Place();
    const QString today = gasmon::TodaysChartFile(place);
    std::vector<gasmon::CHARTRECORD> into(100);
    // Reading a missing day makes it.
    EXPECT_EQ(gasmon::ReadChartFile(place, into, 0, -1), 43200);
    EXPECT_EQ(gasmon::ReadChartFile(place, into, 43150, 100), 50);
    EXPECT_EQ(+into[49].recordNumber, 43199u);
    EXPECT_EQ(+into[50].recordNumber, 0u) << "zeroed past the file's end";
    EXPECT_EQ(gasmon::ReadChartFile(place, std::span(into).first(10), 0, 100), 10) << "never past the destination";

    // A torn file is moved aside and reads as nothing; an older ".old" is kept under a numbered name.
    WriteBytes(TestDir() + "chart/ALPHA@1-15-26.old", QByteArray("older"));
    QFile f(today);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("x", 1);
    f.close();
    ASSERT_EQ(QFileInfo(today).size(), 2419201);
    EXPECT_EQ(gasmon::ReadChartFile(place, into, 0, -1), 0);
    EXPECT_FALSE(QFileInfo::exists(today));
    EXPECT_EQ(QFileInfo(TestDir() + "chart/ALPHA@1-15-26.old").size(), 2419201);
    EXPECT_EQ(ReadBytes(TestDir() + "chart/ALPHA@1-15-26.old.1"), QByteArray("older"));
    const gasmon::CHARTRECORD s = Sample(10, 1510);
    ASSERT_EQ(gasmon::WriteChartRecords(place, &s, 1), 1);
    EXPECT_EQ(QFileInfo(today).size(), 2419200) << "the next write starts a fresh day";

    // A well of another station: a missing day is not made.
    gasmon::ChartPlace remote = place;
    remote.remoteView = true;
    remote.wellName = "BETA";
    EXPECT_EQ(gasmon::ReadChartFile(remote, into, 0, -1), 0);
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "chart/BETA@1-15-26.cht"));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    // Today's file for the exports: read as far as it goes, never made.
    std::vector<gasmon::CHARTRECORD> shortDay = {Sample(0, 1), Sample(1, 2), Sample(2, 3)};
    WriteRecords(today, shortDay);
    EXPECT_EQ(gasmon::ReadTodayChart(place, into, 0, -1), 3);
    EXPECT_EQ(gasmon::ReadTodayChart(place, into, 1, 100), 2);
    EXPECT_EQ(+into[0].depth, 2);
    EXPECT_EQ(gasmon::ReadTodayChart(remote, into, 0, 10), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, TestDir() + "chart/BETA@1-15-26.cht");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Chart File Read Error ");
}

TEST(ChartFile, WithTheCopySwitchesOnEveryWriteLeavesAReadOnlyCopy)
{
    gasmon::ChartPlace place = Place();
    place.copyOn = true;
    place.copyFolder = TestDir() + "copy/";
    QDir().mkpath(place.copyFolder);
    const QString copy = TestDir() + "copy/ALPHA@1-15-26.cht";
    const gasmon::CHARTRECORD a = Sample(100, 1600), b = Sample(101, 1601);
    ASSERT_EQ(gasmon::WriteChartRecords(place, &a, 1), 1);
    ASSERT_EQ(gasmon::WriteChartRecords(place, &b, 1), 1) << "the read-only copy is replaced";
    EXPECT_EQ(ReadExistingBytes(copy), ReadExistingBytes(gasmon::TodaysChartFile(place)));
    EXPECT_EQ(+RecordAt(ReadExistingBytes(copy), 101).depth, 1601);
    EXPECT_FALSE(QFileInfo(copy).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

TEST(ChartSettings, OnlyARecordOfAtMostItsSizeIsTakenAndARewriteKeepsTheReservedBytes)
{
    gasmon::ChartSettings s;
    s.scaleIndex = 3;
    WriteBytes(TestDir() + "SVCHART.cfg", QByteArray(1025, '\x01'));
    EXPECT_EQ(gasmon::ReadChartCfg(TestDir(), s), 0);
    EXPECT_EQ(+s.scaleIndex, 0) << "nothing of a longer file is applied";

    gasmon::ChartSettings stored;
    stored.scaleIndex = 4;
    stored.windowTop = 900;
    stored.windowLeft = 3000;
    stored.windowWidth = 100;
    stored.windowHeight = 400;
    std::memset(stored.reserved, 0x5a, sizeof stored.reserved);
    WriteBytes(TestDir() + "svchart.CFG", &stored, sizeof stored);
    ASSERT_TRUE(QFile::remove(TestDir() + "SVCHART.cfg"));
    ASSERT_EQ(gasmon::ReadChartCfg(TestDir(), s), 1) << "found whatever its letter case";
    s.logScale = 1;
    ASSERT_TRUE(gasmon::WriteChartCfg(TestDir(), s));
    const QByteArray back = ReadExistingBytes(TestDir() + "svchart.CFG");
    ASSERT_EQ(back.size(), 1024);
    EXPECT_EQ(At<std::int32_t>(back, 20), 1);
    EXPECT_EQ(back.mid(24), QByteArray(1000, '\x5a'));

    // A shorter file fills its length.
    WriteBytes(TestDir() + "svchart.CFG", QByteArray(8, '\x02'));
    ASSERT_EQ(gasmon::ReadChartCfg(TestDir(), s), 1);
    EXPECT_EQ(+s.windowTop, 0x02020202);
    EXPECT_EQ(+s.windowLeft, 0);

    // Where the window opens: off-screen places and small sizes are brought back.
    EXPECT_EQ(gasmon::PlaceChartWindow(stored, 1920, 900, 1), QRect(20, 100, 250, 400));
    EXPECT_EQ(gasmon::PlaceChartWindow(stored, 1920, 1080, 2), QRect(3000, 900, 250, 400));
}

TEST(ChartSettings, SavingKeepsTheChartFolderInTheWellsSettingsUnlessDrilling)
{
    app::LogState s;
    const wellfile::WellPlace place = MakePlace("ALPHA");
    wellfile::OpenWell& f = s.well.file;
    f.dataFolder = place.dataFolder;
    f.currentFolder = place.currentFolder;
    f.wellName = "ALPHA";
    bool field = false;
    ASSERT_TRUE(wellfile::SaveConfig(wellfile::DefaultWellConfig({}), app::PlaceOf(s), field));
    const auto storedFolder = [&s] {
        wellfile::WellConfig c{};
        EXPECT_EQ(wellfile::LoadConfig(c, app::PlaceOf(s), false), 1);
        return std::string(c.chartFolder, strnlen(c.chartFolder, sizeof c.chartFolder));
    };

    gasmon::ChartSettings settings;
    settings.scaleIndex = 2;
    const QString chartFile = place.dataFolder + "chart/ALPHA@1-14-26.cht";
    ASSERT_EQ(gasmon::SaveChartCfg(s, settings, chartFile), 1);
    EXPECT_EQ(storedFolder(), (place.dataFolder + "chart/").toStdString());
    EXPECT_EQ(std::string(s.well.config.chartFolder), (place.dataFolder + "chart/").toStdString());
    EXPECT_EQ(ReadExistingBytes(place.dataFolder + "SVCHART.cfg").size(), 1024);

    f.drilling = true;
    ASSERT_EQ(gasmon::SaveChartCfg(s, settings, chartFile), 1);
    EXPECT_EQ(storedFolder(), "");
    gasmon::ChartSettings read;
    EXPECT_EQ(gasmon::ReadChartCfg(s, read), 1);
    EXPECT_EQ(+read.scaleIndex, 2);
}

}  // namespace

// ---- A full disk: the file size limited in a child process ----

namespace {

int Said(const QString& text)
{
    int n = 0;
    for (const auto& m : testing_support::doubles().prompter.messages)
        n += m.text == text && m.caption == QStringLiteral("ERROR");
    return n;
}

// Runs `work` in a child whose files cannot grow past `limit` bytes; its exit code (0 = all held).
int WithFileLimit(rlim_t limit, const std::function<int()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        const rlimit r{limit, limit};
        _exit(setrlimit(RLIMIT_FSIZE, &r) == 0 ? work() : 99);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

TEST(ChartFileOnAFullDisk, FailedWritesAreSaidOncePerSpellAndReturnFailure)
{
    const QString path = TestDir() + "chart/ALPHA@1-15-26.cht";
    ASSERT_EQ(gasmon::WriteChartRecords(gasmon::ChartPlace{}, nullptr, 0, path), 1);
    const QString gasPath = TestDir() + "ALPHA.gas";
    gasmon::GASRECORD record{};
    ASSERT_TRUE(gasmon::AppendGasRecord(gasPath, record));
    const int code = WithFileLimit(1 << 20, [&] {
        gasmon::FailureSpell spell;
        gasmon::CHARTRECORD late = gasmon::PresetChartRecord(QDate(2026, 1, 15), 30000);  // past 1 MB
        gasmon::CHARTRECORD early = gasmon::PresetChartRecord(QDate(2026, 1, 15), 10);
        int failures = 0;
        failures += gasmon::WriteChartRecords(gasmon::ChartPlace{}, &late, 1, path, &spell) != 0;
        failures += gasmon::WriteChartRecords(gasmon::ChartPlace{}, &late, 1, path, &spell) != 0;
        if (failures || Said("Chart File Create Failed") != 1 || !spell.failing())
            return 1;
        if (gasmon::WriteChartRecords(gasmon::ChartPlace{}, &early, 1, path, &spell) != 1 || spell.failing())
            return 2;  // a whole write ends the spell
        if (gasmon::WriteChartRecords(gasmon::ChartPlace{}, &late, 1, path, &spell) != 0 ||
            Said("Chart File Create Failed") != 2)
            return 3;
        // The gas file cannot grow past its one record: the append is said and taken back.
        const rlimit r{512, 512};
        setrlimit(RLIMIT_FSIZE, &r);
        gasmon::FailureSpell gasSpell;
        if (gasmon::AppendGasRecord(gasPath, record, &gasSpell) || gasmon::AppendGasRecord(gasPath, record, &gasSpell))
            return 4;
        if (Said("Gas File Open Failed") != 1 || QFileInfo(gasPath).size() != 512)
            return 5;
        return 0;
    });
    EXPECT_EQ(code, 0) << "1-3 chart file, 4-5 gas file";
}

}  // namespace
