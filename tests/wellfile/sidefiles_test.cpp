#include "platform/folders.h"
#include "platform/text.h"
#include "shell/startupini.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/backupdrive.h"
#include "wellfile/drives.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>

using namespace wellfile;
using wellfile::REPORT;
using wellfile::REPORTEX;
using wellfile::SHOWREPORT;
using testing_support::BytesOf;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

WellPlace Place() { return testing_support::MakePlace("Well1"); }

std::vector<REPORTEX> CurrentReports(int n)
{
    std::vector<REPORTEX> r(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        r[i].number = i + 1;
        r[i].depth = float(1000 + 10 * i);
        platform::SetFieldText(r[i].date, " 3-14-2025");
        platform::SetFieldText(r[i].presentOperations, "DRILLING AHEAD");
    }
    return r;
}

std::vector<REPORT> OldReports(int n)
{
    std::vector<REPORT> r(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        r[i].number = std::uint16_t(i + 1);
        r[i].depth = std::uint16_t(2000 + i);
        platform::SetFieldText(r[i].date, " 6-2-1998");
        platform::SetFieldText(r[i].time, " 6:00 AM");
        platform::SetFieldText(r[i].presentOperations, "TRIPPING");
        // Text where the current layout keeps its report number and depth: these are what give an old
        // record away when read as a current one.
        std::memset(r[i].unknown0, 'X', sizeof r[i].unknown0);
    }
    return r;
}

// Stands in for the reports' converter: records what it was given and converts the depths only.
struct FakeConverter {
    int calls = 0;
    std::vector<REPORT> given;
    bool fail = false;
    ConvertReportsFn Fn()
    {
        return [this](const QString&, std::span<const REPORT> old) -> std::optional<std::vector<REPORTEX>> {
            ++calls;
            given.assign(old.begin(), old.end());
            if (fail)
                return std::nullopt;
            std::vector<REPORTEX> out(old.size() + 1);
            for (std::size_t i = 0; i < old.size(); ++i)
                out[i].depth = old[i].depth;
            return out;
        };
    }
};

}  // namespace

TEST(ReportFile, OldFilesAreConvertedCurrentAndEmptyFilesReadAsTheyAre)
{
    const WellPlace place = Place();
    const QString rpt = place.currentFolder + "Well1.rpt";

    FakeConverter converter;
    WriteBytes(rpt, BytesOf(OldReports(3)));
    auto old = LoadReportsEx(place, converter.Fn());
    ASSERT_TRUE(old);
    EXPECT_EQ(converter.calls, 1);
    ASSERT_EQ(converter.given.size(), 3u);
    EXPECT_EQ(+converter.given[2].depth, 2002);
    EXPECT_EQ(old->records.size(), 4u);
    EXPECT_EQ(old->size, 6400);
    EXPECT_EQ(+old->records[1].depth, 2001.f);

    FakeConverter unused;
    WriteBytes(rpt, BytesOf(CurrentReports(3)));
    auto current = LoadReportsEx(place, unused.Fn());
    ASSERT_TRUE(current);
    EXPECT_EQ(unused.calls, 0);
    EXPECT_EQ(current->size, 6400);
    ASSERT_EQ(current->records.size(), 4u);
    EXPECT_EQ(+current->records[2].depth, 1020.f);
    EXPECT_EQ(+current->records[3].number, 0);  // the spare record is cleared

    WriteBytes(rpt, QByteArray());
    auto empty = LoadReportsEx(place, unused.Fn());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size, 1600);
    ASSERT_EQ(empty->records.size(), 1u);
    EXPECT_EQ(BytesOf(empty->records), QByteArray(1600, '\0'));

    QFile::remove(rpt);
    EXPECT_FALSE(LoadReportsEx(place, unused.Fn()));
}

TEST(ReportFile, DepthIndexTakesWholeDepthsAndNoneForDepthsNoIntHolds)
{
    const WellPlace place = Place();
    std::vector<REPORTEX> r = CurrentReports(6);
    const float depths[] = {1234.9f, -7.5f, 3e9f, -3e9f, std::numeric_limits<float>::quiet_NaN(), 2.1e9f};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i].depth = depths[i];
    WriteBytes(place.currentFolder + "Well1.rpt", BytesOf(r));
    ReportDepthIndex index;
    index.fill(99);
    LoadReportDepthIndex(place, index);
    EXPECT_EQ(std::vector<std::int32_t>(index.begin(), index.begin() + 7),
              (std::vector<std::int32_t>{1234, -7, 0, 0, 0, 2100000000, 0}));
}

TEST(ReportFile, LengthFittingBothLayoutsIsDecidedByItsRecords)
{
    // 126,400 bytes: 79 current records or 100 old ones.
    const std::vector<REPORTEX> current = CurrentReports(79);
    const std::vector<REPORT> old = OldReports(100);
    ASSERT_EQ(BytesOf(current).size(), BytesOf(old).size());
    EXPECT_FALSE(IsOldReportFile(BytesOf(current)));
    EXPECT_TRUE(IsOldReportFile(BytesOf(old)));
    // Nothing that makes sense either way stays with the current layout: it is never rewritten.
    EXPECT_FALSE(IsOldReportFile(QByteArray(126400, char(0x01))));
    // One odd text in each layout does not change its reading.
    std::vector<REPORTEX> typedCurrent = current;
    platform::SetFieldText(typedCurrent[5].presentOperations, "TRIPPING\r\nFOR BIT");
    EXPECT_FALSE(IsOldReportFile(BytesOf(typedCurrent)));
    std::vector<REPORT> typedOld = old;
    platform::SetFieldText(typedOld[5].presentOperations, "TRIPPING\r\nFOR BIT");
    EXPECT_TRUE(IsOldReportFile(BytesOf(typedOld)));

    const WellPlace place = Place();
    WriteBytes(place.currentFolder + "Well1.rpt", BytesOf(old));
    FakeConverter converter;
    auto loaded = LoadReportsEx(place, converter.Fn());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(converter.calls, 1);
    EXPECT_EQ(converter.given.size(), 100u);
    EXPECT_EQ(loaded->size, 101 * 1600);
}

TEST(ReportFile, TornCurrentFileIsReadAsCurrentAndLeftAlone)
{
    // A save cut short: three whole reports and the head of a fourth.
    const WellPlace place = Place();
    const QString rpt = place.currentFolder + "Well1.rpt";
    const QByteArray torn = BytesOf(CurrentReports(4)).left(3 * 1600 + 100);
    WriteBytes(rpt, torn);
    FakeConverter converter;
    auto loaded = LoadReportsEx(place, converter.Fn());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(converter.calls, 0);
    ASSERT_EQ(loaded->records.size(), 4u);  // the whole ones and the spare
    EXPECT_EQ(loaded->size, 6400);
    EXPECT_EQ(+loaded->records[2].depth, 1020.f);
    EXPECT_EQ(+loaded->records[3].number, 0);
    EXPECT_EQ(ReadBytes(rpt), torn);

    // Torn where the length happens to be a whole number of old records: its reports still show.
    EXPECT_FALSE(IsOldReportFile(BytesOf(CurrentReports(3)).left(3 * 1264)));
    // Also when its one whole report has a line break typed into it: it is read, not converted.
    std::vector<REPORTEX> typed = CurrentReports(2);
    platform::SetFieldText(typed[0].presentOperations, "TRIPPING\r\nFOR BIT");
    const QByteArray oneAndTorn = BytesOf(typed).left(2 * 1264);
    WriteBytes(rpt, oneAndTorn);
    FakeConverter untouched;
    const auto typedLoaded = LoadReportsEx(place, untouched.Fn());
    ASSERT_TRUE(typedLoaded);
    EXPECT_EQ(untouched.calls, 0);
    EXPECT_EQ(platform::FieldText(typedLoaded->records[0].presentOperations), "TRIPPING\r\nFOR BIT");
    EXPECT_EQ(ReadBytes(rpt), oneAndTorn);
    // Only old files come at that length otherwise, whatever their bytes: no sound current file is there
    // to keep.
    EXPECT_TRUE(IsOldReportFile(QByteArray(3 * 1264, char(0x01))));
    EXPECT_TRUE(IsOldReportFile(BytesOf(OldReports(3))));
}

TEST(ReportFile, OldFileWithOddTextsIsStillConverted)
{
    // A line break typed into a comment, and a date that fills its field with no end inside it.
    std::vector<REPORT> old = OldReports(3);
    platform::SetFieldText(old[1].presentOperations, "TRIPPING\r\nFOR BIT");
    std::memset(old[2].date, '6', sizeof old[2].date);
    const WellPlace place = Place();
    WriteBytes(place.currentFolder + "Well1.rpt", BytesOf(old));

    FakeConverter converter;
    const auto loaded = LoadReportsEx(place, converter.Fn());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(converter.calls, 1);
    ASSERT_EQ(converter.given.size(), 3u);
    EXPECT_EQ(+loaded->records[2].depth, 2002.f);
}

TEST(ReportFile, FailedConversionHandsOutNothingAndLeavesTheFile)
{
    const WellPlace place = Place();
    const QString rpt = place.currentFolder + "Well1.rpt";
    const QByteArray bytes = BytesOf(OldReports(2));
    WriteBytes(rpt, bytes);
    FakeConverter converter;
    converter.fail = true;
    EXPECT_FALSE(LoadReportsEx(place, converter.Fn()));
    EXPECT_EQ(ReadBytes(rpt), bytes);
}

TEST(ReportFile, LastRecordAndOldRecordLoaders)
{
    const WellPlace place = Place();
    WriteBytes(place.currentFolder + "Well1.rpt", BytesOf(CurrentReports(2)));
    REPORTEX last;
    EXPECT_EQ(LoadReport1600(last, place, "Well1", wellfile::ConvertReports), 1);
    EXPECT_EQ(+last.number, 2);

    // Less than one record: nothing is made up from the file's head.
    WriteBytes(place.currentFolder + "Short.rpt", QByteArray(100, 'Z'));
    last.number = 7;
    EXPECT_EQ(LoadReport1600(last, place, "Short", wellfile::ConvertReports), 0);
    EXPECT_EQ(+last.number, 0);

    // An old file: converted first, its last report handed out; none when the conversion fails.
    WriteBytes(place.currentFolder + "Well1.rpt", BytesOf(OldReports(3)));
    FakeConverter converter;
    EXPECT_EQ(LoadReport1600(last, place, "Well1", converter.Fn()), 1);
    EXPECT_EQ(converter.calls, 1);
    EXPECT_EQ(+last.depth, 2002.f);
    converter.fail = true;
    EXPECT_EQ(LoadReport1600(last, place, "Well1", converter.Fn()), 0);
    EXPECT_EQ(+last.depth, 0.f);

    EXPECT_FALSE(LoadReports(place, place.currentFolder + "Short"));
    WriteBytes(place.currentFolder + "Old.rpt", BytesOf(OldReports(2)));
    auto old = LoadReports(place, place.currentFolder + "Old");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->size, 2 * 1264);
    ASSERT_EQ(old->records.size(), 3u);
    EXPECT_EQ(+old->records[1].depth, 2001);
}

TEST(DstFile, AllTestsEndWithAZeroedRecord)
{
    const WellPlace place = Place();
    EXPECT_FALSE(LoadDsts(place, wellfile::ConvertDsts));

    std::vector<wellfile::DSTREPORT> tests(3);
    for (int i = 0; i < 3; ++i)
        std::snprintf(tests[std::size_t(i)].fromDepth, sizeof tests[0].fromDepth, "%d", 1000 + 100 * i);
    QByteArray bytes = BytesOf(tests);
    bytes.append(QByteArray(10, 'x'));  // a torn last record is kept
    WriteBytes(place.currentFolder + "Well1.dst", bytes);
    auto all = LoadDsts(place, wellfile::ConvertDsts);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size, 3 * 1688 + 10);
    ASSERT_EQ(all->records.size(), 5u);
    EXPECT_STREQ(all->records[2].fromDepth, "1200");
    EXPECT_EQ(reinterpret_cast<const char*>(&all->records[3])[0], 'x');
    EXPECT_EQ(all->records[4].fromDepth[0], 0);

    WriteBytes(place.currentFolder + "Well1.dst", QByteArray());
    all = LoadDsts(place, wellfile::ConvertDsts);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size, 0);
    EXPECT_TRUE(all->records.empty());
}

TEST(ShowFile, OldFilesConvertPartialRecordsAreKeptAndFailedSavesAreReported)
{
    const WellPlace place = Place();
    const QString sho = place.currentFolder + "Well1.sho";

    int converted = 0;
    ConvertShowsFn convert = [&](const QString& path, const QByteArray& old, int count) {
        ++converted;
        EXPECT_EQ(count, 2);
        EXPECT_EQ(old.size(), 2 * 1049);
        std::vector<SHOWREPORT> out(2);
        out[1].number = 2;
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(BytesOf(out)) == 2 * 1320;
    };
    WriteBytes(sho, QByteArray(2 * 1049, 'a'));
    auto shows = LoadShows(place, convert);
    ASSERT_TRUE(shows);
    EXPECT_EQ(converted, 1);
    EXPECT_EQ(shows->size, 3 * 1320);
    EXPECT_EQ(+shows->records[1].number, 2);

    // A conversion that fails must not hand out old bytes as current records.
    WriteBytes(sho, QByteArray(1049, 'a'));
    EXPECT_FALSE(LoadShows(place, [](const QString&, const QByteArray&, int) { return false; }));

    // A torn last record is kept, padded with zeros, not dropped.
    std::vector<SHOWREPORT> two(2);
    platform::SetFieldText(two[1].interval, " 1200 to  1210");
    WriteBytes(sho, BytesOf(two).left(1320 + 200));
    shows = LoadShows(place, nullptr);
    ASSERT_TRUE(shows);
    ASSERT_EQ(shows->records.size(), 3u);
    EXPECT_EQ(platform::FieldText(shows->records[1].interval), " 1200 to  1210");

    QFile::remove(sho);
    shows = LoadShows(place, nullptr);
    ASSERT_TRUE(shows);
    EXPECT_EQ(shows->size, 1320);

    EXPECT_EQ(SaveShows(place, two), 1);
    EXPECT_EQ(ReadBytes(sho), BytesOf(two));
    QFile::remove(sho);
    QDir().mkpath(sho);  // a folder where the file should be
    EXPECT_EQ(SaveShows(place, two), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, sho);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Save Show failed");
}

TEST(TopsFile, SaveAndLoadInTheRightFolder)
{
    WellPlace place = Place();
    TopsPlace tops;
    std::vector<wellfile::TOPSEX> list(2);
    list[0].depth = 1500;
    list[1].depth = 1800;
    list[1].tvd = 1790.5f;
    platform::SetFieldText(list[1].menuName, "DAKOTA");

    EXPECT_EQ(SaveTops(place, tops, list), 1);
    std::vector<wellfile::TOPSEX> read;
    EXPECT_EQ(LoadTops(place, tops, read), 1);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(+read[1].tvd, 1790.5f);
    EXPECT_EQ(platform::FieldText(read[1].menuName), "DAKOTA");

    // No tops still leaves one cleared record.
    EXPECT_EQ(SaveTops(place, tops, {}), 1);
    EXPECT_EQ(ReadBytes(place.currentFolder + "Well1.top"), QByteArray(253, '\0'));

    // Less than one record: no tops, and none of the previous well's stay.
    WriteBytes(place.currentFolder + "Well1.top", QByteArray(100, '\0'));
    EXPECT_EQ(LoadTops(place, tops, read), 0);
    EXPECT_TRUE(read.empty());

    // A well in a shared folder keeps its tops in the field folder and says so in its ".dbc".
    place.sharedFolderWell = true;
    EXPECT_EQ(SaveTops(place, tops, list), 1);
    EXPECT_TRUE(tops.topsInFieldFolder);
    EXPECT_EQ(ReadBytes(place.dataFolder + "Well1.top").size(), 2 * 253);
    auto block = std::make_unique<SettingsBlock>();
    ASSERT_EQ(LoadDbc(*block, place), 1);
    EXPECT_EQ(+block->fieldTopsAndPens, 1);

    QDir().mkpath(place.dataFolder + "Well1.top.d");
    QFile::remove(place.dataFolder + "Well1.top");
    QDir().rename(place.dataFolder + "Well1.top.d", place.dataFolder + "Well1.top");
    EXPECT_EQ(SaveTops(place, tops, list), 0);
}

TEST(SideFiles, FoundInAnyLetterCaseAndSavedOverAsSpeltOnDisk)
{
    // Files from a Windows station: "WELL1.TOP" and the rest in upper case.
    const WellPlace place = Place();
    const QString folder = place.currentFolder;
    std::vector<wellfile::TOPSEX> tops(3);
    WriteBytes(folder + "WELL1.TOP", BytesOf(tops));
    WriteBytes(folder + "WELL1.RPT", BytesOf(CurrentReports(2)));
    std::vector<SHOWREPORT> shows(2);
    shows[1].number = 2;
    WriteBytes(folder + "WELL1.SHO", BytesOf(shows));
    std::vector<wellfile::DSTREPORT> dsts(2);
    platform::SetFieldText(dsts[1].fromDepth, "1234");
    WriteBytes(folder + "WELL1.DST", BytesOf(dsts));
    WriteBytes(folder + "OLD.RPT", BytesOf(OldReports(2)));

    std::vector<wellfile::TOPSEX> read;
    TopsPlace topsPlace;
    EXPECT_EQ(LoadTops(place, topsPlace, read), 1);
    EXPECT_EQ(read.size(), 3u);
    REPORTEX report;
    EXPECT_EQ(LoadReport1600(report, place, "Well1", wellfile::ConvertReports), 1);
    EXPECT_EQ(+report.number, 2);
    auto all = LoadReportsEx(place, nullptr);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->records.size(), 3u);
    SHOWREPORT show;
    EXPECT_EQ(LoadShow(show, place, "Well1"), 1);
    EXPECT_EQ(+show.number, 2);
    wellfile::DSTREPORT dst;
    EXPECT_EQ(LoadDst(dst, place, "Well1"), 1);
    EXPECT_EQ(platform::FieldText(dst.fromDepth), "1234");
    EXPECT_TRUE(LoadReports(place, folder + "Old"));

    // Saves replace the file as spelt: no second file beside it.
    EXPECT_EQ(SaveTops(place, topsPlace, std::vector<wellfile::TOPSEX>(1)), 1);
    EXPECT_EQ(SaveShows(place, std::vector<SHOWREPORT>(1)), 1);
    EXPECT_EQ(ReadBytes(folder + "WELL1.TOP").size(), 253);
    EXPECT_EQ(ReadBytes(folder + "WELL1.SHO").size(), 1320);
    EXPECT_EQ(QDir(folder).entryList({"*.top", "*.sho"}, QDir::Files, QDir::Name),
              QStringList({"WELL1.SHO", "WELL1.TOP"}));
}

TEST(TopsFile, DrillingKeepsABackupCopyUnlessTheBackupDriveIsTheSystemDrive)
{
    WellPlace place = Place();
    place.drilling = true;
    TopsPlace tops;
    tops.backupFolder = TestDir() + "backup/";
    std::vector<wellfile::TOPSEX> list(1);
    list[0].depth = 900;
    ASSERT_EQ(SaveTops(place, tops, list), 1);
    EXPECT_EQ(ReadBytes(tops.backupFolder + "Well1/Well1.top"), BytesOf(list));

    list[0].depth = 950;
    ASSERT_EQ(SaveTops(place, tops, list), 1);
    EXPECT_EQ(ReadBytes(tops.backupFolder + "Well1/Well1.top"), BytesOf(list));
    // Replaced whole: nothing of the copy is left beside it.
    EXPECT_EQ(QDir(tops.backupFolder + "Well1").entryList(QDir::Files), QStringList{"Well1.top"});

    tops.backupFolder = "c:\\";
    EXPECT_EQ(SaveTops(place, tops, list), 1);
    EXPECT_FALSE(QFile::exists(platform::JoinPath("c:\\", "Well1")));

    // Every other drive letter is a backup drive (the usual one is "E:\"); the system drive is not.
    EXPECT_TRUE(HasBackupDrive("E:\\"));
    EXPECT_TRUE(HasBackupDrive("d:"));
    EXPECT_FALSE(HasBackupDrive("C:\\"));
    EXPECT_FALSE(HasBackupDrive("c:"));
    EXPECT_FALSE(HasBackupDrive(""));
    EXPECT_FALSE(HasBackupDrive("/"));
    EXPECT_FALSE(HasBackupDrive(SystemDriveFolder()));
}

TEST(BackupDrive, FilesSpeltOtherwiseOnDiskAreCopiedOverTheOldCopy)
{
    // A layout saved by a Windows station as "WELL1.GRDX"; the backup holds an older copy, as spelt there.
    const QString folder = TestDir() + "local/";
    const QString backup = TestDir() + "backup/";
    QDir().mkpath(folder);
    QDir().mkpath(backup + "Well1");
    WriteBytes(folder + "WELL1.GRDX", QByteArray("new layout"));
    WriteBytes(backup + "Well1/well1.grdx", QByteArray("old layout"));

    ASSERT_TRUE(CopyToBackupDrive(folder, "Well1", ".grdx", backup));
    EXPECT_EQ(QDir(backup + "Well1").entryList(QDir::Files), QStringList{"well1.grdx"});
    EXPECT_EQ(ReadBytes(backup + "Well1/well1.grdx"), "new layout");

    // A copy that cannot be made leaves the old one as it was.
    QFile::remove(folder + "WELL1.GRDX");
    EXPECT_FALSE(CopyToBackupDrive(folder, "Well1", ".grdx", backup));
    EXPECT_EQ(ReadBytes(backup + "Well1/well1.grdx"), "new layout");
}

TEST(RecentFiles, AddKeepsFiveDistinctPathsNewestFirst)
{
    RecentFiles recent;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(AddRecent(recent, QString("/wells/W%1.svm").arg(i)), 1);
    EXPECT_EQ(recent[0], "/wells/W5.svm");
    EXPECT_EQ(recent[4], "/wells/W1.svm");

    const RecentFiles before = recent;
    EXPECT_EQ(AddRecent(recent, "/WELLS/w3.SVM"), 0);
    EXPECT_EQ(recent, before);

    EXPECT_EQ(AddRecent(recent, "/wells/W6.svm"), 1);
    EXPECT_EQ(recent[0], "/wells/W6.svm");
    EXPECT_EQ(recent[4], "/wells/W2.svm");  // W1 dropped

    const RecentFiles full = recent;
    EXPECT_EQ(AddRecent(recent, "/" + QString(259, 'a')), 0);
    EXPECT_EQ(recent, full);
    EXPECT_EQ(AddRecent(recent, "/" + QString(258, 'a')), 1);
}

TEST(RecentFiles, FileRoundTripWindowsLineEndsAndOverlongLines)
{
    const QString data = Place().dataFolder;
    RecentFiles recent{"/w/A.svm", "", "/w/B.svm", "", ""};
    ASSERT_EQ(SaveRecent(data, recent), 1);
    EXPECT_EQ(ReadBytes(data + "recentM.lst"), QByteArray("/w/A.svm\n/w/B.svm\n"));

    // A list from a Windows station, with a line no entry can hold.
    WriteBytes(data + "recentM.lst", "C:\\W\\ONE.SVM\r\n" + QByteArray(300, 'x') + "\r\nC:\\W\\TWO.SVM\r\n");
    RecentFiles loaded{"", "", "", "", "/kept.svm"};
    EXPECT_EQ(LoadRecent(data, loaded), 1);
    EXPECT_EQ(loaded[0], "C:\\W\\ONE.SVM");
    EXPECT_EQ(loaded[1], "C:\\W\\TWO.SVM");
    EXPECT_EQ(loaded[2], "");
    EXPECT_EQ(loaded[4], "/kept.svm");

    EXPECT_EQ(LoadRecent(TestDir() + "nowhere/", loaded), 0);
    EXPECT_EQ(SaveRecent(TestDir() + "nowhere/", recent), 0);
}

TEST(LastFileIni, SavedPathOpensAgainOrFallsBackToTheDemoFile)
{
    const QString data = Place().dataFolder;
    const QString file = data + "Well1.svm";
    WriteBytes(file, QByteArray(616, '\0'));
    int demo = 0;
    const auto openDemo = [&] { ++demo; };

    EXPECT_EQ(SaveIni(data, ""), 0);
    ASSERT_EQ(SaveIni(data, file), 1);
    EXPECT_EQ(ReadBytes(data + "StrativM.ini"), QFile::encodeName(file) + '\0');
    QString path;
    EXPECT_EQ(LoadIni(data, path, openDemo), 1);
    EXPECT_EQ(path, file);
    EXPECT_EQ(demo, 0);

    WriteBytes(data + "StrativM.ini", QByteArray("Well1.svm", 10));  // a bare name lies in the data folder
    path.clear();
    EXPECT_EQ(LoadIni(data, path, openDemo), 1);
    EXPECT_EQ(path, file);

    QFile::remove(file);
    EXPECT_EQ(LoadIni(data, path, openDemo), 1);
    EXPECT_TRUE(path.isEmpty());
    EXPECT_EQ(demo, 1);

    WriteBytes(data + "StrativM.ini", QByteArray("x", 2));
    EXPECT_EQ(LoadIni(data, path, openDemo), 0);
    WriteBytes(data + "StrativM.ini", "/" + QByteArray(300, 'a'));
    EXPECT_EQ(LoadIni(data, path, openDemo), 0);
    EXPECT_EQ(demo, 1);

    EXPECT_EQ(SaveIni(TestDir() + "nowhere/", file), 0);
}

TEST(WindowPlacementIni, WrittenAsTheStartupReaderReadsIt)
{
    const QString folder = platform::DocumentsFolder();
    WindowPlacement p{100, 50, 900, 650, false, 10, 8, 420};
    ASSERT_EQ(SaveWindowPos(folder, p, "/w/Well1.svm", true), 1);
    EXPECT_EQ(ReadBytes(folder + "startupM.ini"),
              QByteArray("/w/Well1.svm\nLeft=100\nTop=50\nWidth=800\nHeight=600\nEnd=420\ntrue"));
    shell::StartupPlacement read;
    ASSERT_TRUE(shell::ReadStartupIni(folder, read));
    EXPECT_EQ(read.x, 100);
    EXPECT_EQ(read.y, 50);
    EXPECT_EQ(read.width, 800);
    EXPECT_EQ(read.height, 600);

    p.maximised = true;  // comes back as a normal window inside the screen
    ASSERT_EQ(SaveWindowPos(folder, p, "/w/Well1.svm", false), 1);
    ASSERT_TRUE(shell::ReadStartupIni(folder, read));
    EXPECT_EQ(read.x, 120);
    EXPECT_EQ(read.y, 66);
    EXPECT_EQ(read.width, 760);
    EXPECT_EQ(read.height, 568);
    EXPECT_FALSE(ReadBytes(folder + "startupM.ini").endsWith("true"));

    EXPECT_EQ(SaveWindowPos(folder, p, "", false), 0);
    EXPECT_EQ(SaveWindowPos(TestDir() + "nowhere/", p, "/w/Well1.svm", false), 0);
}

TEST(SettingsFiles, PrintDownloadOfficeCopyAndInstallFolder)
{
    const QString data = Place().dataFolder;
    wellfile::PRINTCFG pcfg;
    ASSERT_EQ(SavePrintConfig(data, pcfg), 1);
    EXPECT_EQ(ReadBytes(data + "strativ.pfg").size(), 250);
    QDir().mkpath(data + "sub/strativ.pfg");
    EXPECT_EQ(SavePrintConfig(data + "sub/", pcfg), 0);

    wellfile::RemoteConfig rc;
    rc.interval = 99;
    WriteBytes(data + "svdlcfg.cfg", QByteArray(reinterpret_cast<const char*>(&rc), 782));
    wellfile::RemoteConfig loaded;
    EXPECT_EQ(LoadDownloadConfig(data, loaded), 1);
    EXPECT_EQ(+loaded.interval, 99);
    WriteBytes(data + "svdlcfg.cfg", QByteArray(reinterpret_cast<const char*>(&rc), 782) + "x");
    EXPECT_EQ(LoadDownloadConfig(data, loaded), 0);
    EXPECT_EQ(+loaded.interval, 0);

    OfficeCopyRecord ofc;
    ofc.copyFlag = 5;
    EXPECT_EQ(LoadOfc(data, "Well1", ofc), 0);
    EXPECT_EQ(+ofc.copyFlag, 0);
    QByteArray bytes(1036, '\0');
    bytes[0] = 1;
    std::memcpy(bytes.data() + 4, "/office/copy/\0junk", 18);
    WriteBytes(data + "Well1.ofc", bytes);
    EXPECT_EQ(LoadOfc(data, "Well1", ofc), 1);
    EXPECT_EQ(+ofc.copyFlag, 1);
    EXPECT_EQ(platform::FieldText(ofc.folder), "/office/copy/");
    EXPECT_EQ(std::memcmp(ofc.folder + 14, "junk", 4), 0);  // kept as read

    QString folder = "unchanged";
    EXPECT_EQ(GetInstallDir(folder), 0);
    EXPECT_EQ(folder, "unchanged");
    platform::SetInstallFolder("/opt/strativm/");
    EXPECT_EQ(GetInstallDir(folder), 1);
    EXPECT_EQ(folder, "/opt/strativm/");
    platform::SetInstallFolder("/" + QString(300, 'a'));
    EXPECT_EQ(GetInstallDir(folder), 0);
}

TEST(WholeFile, ReadOnlyWhenEveryByteComesBack)
{
    const QString path = TestDir() + "whole.bin";
    WriteBytes(path, QByteArray("abcdefghij"));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("abcdefghij"));
    EXPECT_EQ(ReadWholeRecords<std::int32_t>(path)->size(), 2u);  // the torn third left out
    EXPECT_FALSE(ReadWholeFile(TestDir() + "missing.bin"));
    ASSERT_TRUE(QDir().mkpath(TestDir() + "folder.svm"));
    EXPECT_FALSE(ReadWholeFile(TestDir() + "folder.svm"));
    EXPECT_FALSE(ReadWholeRecords<std::int32_t>("/proc/self/mem"));  // opens, then every read fails
    if (const QString shortFile = testing_support::FileReadShortOfItsSize(1); !shortFile.isEmpty()) {
        EXPECT_FALSE(ReadWholeFile(shortFile)) << shortFile.toStdString();
    }
}
