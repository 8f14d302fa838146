// The short-report file: whole records only, the sort by depth with equal depths in their order and the
// numbers 1..n, and a file that cannot be written left whole and said to the user.
#include "app/logstate.h"
#include "platform/text.h"
#include "reports/shortreports.h"
#include "reports/shortreportslots.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

using wellfile::QREPORT;
using testing_support::doubles;
using testing_support::FileSizeLimit;
using testing_support::ReadBytes;
using testing_support::TestDir;

namespace {

QREPORT Report(std::int32_t depth, const char* wob)
{
    QREPORT r;
    r.depth = depth;
    std::strcpy(r.wob, wob);
    r.slotsConverted = 1;  // as this program writes them
    return r;
}

}  // namespace

TEST(ShortReportFile, WholeRecordsAreReadAndAMissingFileIsNone)
{
    const QString path = TestDir() + "w.qpt";
    std::vector<QREPORT> two{Report(1100, "12"), Report(1200, "14")};
    // 1,000 bytes: one record; the 488 after it are not read.
    testing_support::WriteBytes(path, testing_support::BytesOf(two).left(1000));
    auto read = reports::ReadShortReportFile(path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ(std::memcmp(&read->front(), &two[0], sizeof(QREPORT)), 0);

    testing_support::WriteBytes(path, testing_support::BytesOf(two).left(1300));
    EXPECT_EQ(reports::ReadShortReportFile(path)->size(), 2u);
    EXPECT_FALSE(reports::ReadShortReportFile(TestDir() + "none.qpt"));
}

TEST(ShortReportFile, TheSortKeepsEqualDepthsInOrderAndNumbersThemFromOne)
{
    std::vector<QREPORT> list{Report(1200, "a"), Report(1100, "b"), Report(1200, "c"), Report(1050, "d"),
                              Report(1100, "e")};
    reports::SortShortReports(list);
    const char* order[] = {"d", "b", "e", "a", "c"};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_STREQ(list[i].wob, order[i]);
        EXPECT_EQ(std::int32_t(list[i].number), std::int32_t(i + 1));
    }
}

TEST(ShortReportFile, TheWindowsReportsAreSavedSortedAndAFailedSaveKeepsTheOldFile)
{
    app::LogState s;
    s.well.file.currentFolder = TestDir();
    s.well.file.wellName = QStringLiteral("W1");
    const QString path = TestDir() + "W1.qpt";
    s.shortReports.reports = {Report(1200, "a"), Report(1100, "b"), Report(1150, "c")};
    ASSERT_TRUE(reports::SaveShortReports(s.shortReports, s.well));
    const QByteArray saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), 3 * 512);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 4), 1100);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 512), 2);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 1024 + 4), 1200);

    // Read back, the window's array is the file's.
    s.shortReports.reports.clear();
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
    ASSERT_EQ(s.shortReports.reports.size(), 3u);
    EXPECT_STREQ(s.shortReports.reports[1].wob, "c");

    // A file that cannot be written whole: said, and the old one stays as it was.
    s.shortReports.reports.push_back(Report(1300, "d"));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(reports::SaveShortReports(s.shortReports, s.well));
    }
    const auto& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].text, "File Save Error");
    EXPECT_EQ(m[0].caption, " Short Report");
    EXPECT_EQ(ReadBytes(path), saved);
    EXPECT_EQ(QDir(TestDir()).entryList({"W1.qpt.*"}, QDir::Files).size(), 0);

    // Another well without a file has none.
    s.well.file.wellName = QStringLiteral("W2");
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
    EXPECT_TRUE(s.shortReports.reports.empty());
}

TEST(ShortReportSlots, OldSlotNumbersMoveToThePresentColumns)
{
    const std::int32_t old[] = {0, 5, 6, 7, 8, 9, 10, 12, 26, 27, -1};
    const std::int32_t other[] = {0, 5, 5, 8, 9, 10, 11, 15, 29, 1, 1};
    const std::int32_t single[] = {0, 5, 6, 7, 8, 10, 11, 15, 29, 1, 1};
    for (std::size_t i = 0; i < std::size(old); ++i) {
        EXPECT_EQ(reports::RemapReportSlot(old[i], 1, 2), other[i]) << old[i];
        EXPECT_EQ(reports::RemapReportSlot(old[i], 1, 1), single[i]) << old[i];
        EXPECT_EQ(reports::RemapReportSlot(old[i], 4, 2), old[i]) << old[i];
    }
    // Once per file: a file whose first record is marked is left as it is.
    std::vector<QREPORT> list{Report(1100, "a"), Report(1200, "b")};
    list[1].slotsConverted = 0;
    list[1].mechanicalSlot = 9;
    EXPECT_FALSE(reports::ConvertShortReportSlots(list, 1, 2));
    EXPECT_EQ(+list[1].mechanicalSlot, 9);
    EXPECT_EQ(list[1].slotsConverted, 0);
}

// Through the open of a well: its short reports are converted and saved once, marked, and read as they
// are the next time.
TEST(ShortReportSlots, OpeningAWellConvertsItsShortReportsOnce)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    app::LogState* s = &window.State();
    const QString path = testing_support::MakeWell(s->well.file.dataFolder, "W1.svm", 1000, 1400);
    ASSERT_FALSE(path.isEmpty());
    const QString qpt = s->well.file.dataFolder + "W1.qpt";
    std::vector<QREPORT> list{Report(1100, "a"), Report(1200, "b"), Report(1300, "c")};
    const std::int32_t given[][2] = {{6, 7}, {12, 27}, {8, -1}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].mechanicalSlot = given[i][0];
        list[i].mudSlot = given[i][1];
        list[i].slotsConverted = i == 2;  // the last one already converted: kept
    }
    testing_support::WriteRecords(qpt, list);
    // Old show and drill-stem test files beside it: the open converts the shows for their marks and
    // reads the tests' marks in their own layout.
    std::vector<wellfile::OLDSHOWREPORT> shows(2);
    platform::SetFieldText(shows[1].interval, " 1250 to  1260");
    testing_support::WriteRecords(s->well.file.dataFolder + "W1.sho", shows);
    std::vector<wellfile::OLDDSTREPORT> tests(2);
    platform::SetFieldText(tests[1].fromDepth, "1320");
    testing_support::WriteRecords(s->well.file.dataFolder + "W1.dst", tests);
    ASSERT_EQ(window.OpenDataFile(path), 1);
    EXPECT_EQ(ReadBytes(s->well.file.dataFolder + "W1.sho").size(), 2 * 1320);
    EXPECT_EQ(s->well.showDepthIndex[1], 1250);
    EXPECT_EQ(s->well.dstDepthIndex[1], 1320);
    EXPECT_EQ(ReadBytes(s->well.file.dataFolder + "W1.dst"), testing_support::BytesOf(tests));

    ASSERT_EQ(s->well.loggerId, 12);
    const QByteArray saved = ReadBytes(qpt);
    ASSERT_EQ(saved.size(), 3 * 512);
    const std::int32_t want[][2] = {{5, 8}, {15, 1}, {8, -1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(testing_support::At<std::int32_t>(saved, i * 512 + 182), want[i][0]) << i;
        EXPECT_EQ(testing_support::At<std::int32_t>(saved, i * 512 + 186), want[i][1]) << i;
        EXPECT_EQ(saved[i * 512 + 330], 1) << i;
    }
    EXPECT_EQ(s->shortReports.reports.size(), 3u);
    EXPECT_EQ(+s->shortReports.reports[1].mudSlot, 1);

    // Saved once: the next load reads the file as it is and writes nothing.
    int copies = 0;
    s->well.file.drilling = s->well.file.copyOut = true;
    s->well.file.hooks.copyWellFileOut = [&](const QString&) { ++copies; };
    reports::LoadShortReports(s->shortReports, s->well, s->env.remoteMonitorOn);
    EXPECT_EQ(copies, 0);
    EXPECT_EQ(ReadBytes(qpt), saved);

    // A monitoring station leaves an unconverted file as it is.
    testing_support::WriteRecords(qpt, list);
    s->env.remoteMonitorOn = true;
    reports::LoadShortReports(s->shortReports, s->well, s->env.remoteMonitorOn);
    EXPECT_EQ(ReadBytes(qpt), testing_support::BytesOf(list));
    EXPECT_EQ(+s->shortReports.reports[0].mechanicalSlot, 6);
}
