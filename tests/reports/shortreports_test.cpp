// The short-report file: whole records only, the sort by depth with equal depths in their order and the
// numbers 1..n, and a file that cannot be written left whole and said to the user.
#include "app/logstate.h"
#include "reports/shortreports.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

using reports::QREPORT;
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
    ASSERT_TRUE(reports::SaveShortReports(s));
    const QByteArray saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), 3 * 512);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 4), 1100);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 512), 2);
    EXPECT_EQ(testing_support::At<std::int32_t>(saved, 1024 + 4), 1200);

    // Read back, the window's array is the file's.
    s.shortReports.reports.clear();
    reports::LoadShortReports(s);
    ASSERT_EQ(s.shortReports.reports.size(), 3u);
    EXPECT_STREQ(s.shortReports.reports[1].wob, "c");

    // A file that cannot be written whole: said, and the old one stays as it was.
    s.shortReports.reports.push_back(Report(1300, "d"));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(reports::SaveShortReports(s));
    }
    const auto& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].text, "File Save Error");
    EXPECT_EQ(m[0].caption, " Short Report");
    EXPECT_EQ(ReadBytes(path), saved);
    EXPECT_EQ(QDir(TestDir()).entryList({"W1.qpt.*"}, QDir::Files).size(), 0);

    // Another well without a file has none.
    s.well.file.wellName = QStringLiteral("W2");
    reports::LoadShortReports(s);
    EXPECT_TRUE(s.shortReports.reports.empty());
}
