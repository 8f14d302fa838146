#include "exchange/filehelpers.h"
#include "wellfile/deletefiles.h"

#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::doubles;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

QStringList Files(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

}  // namespace

TEST(FileHelpers, ExistenceFindsPatternsAndFoldersWhateverTheLetterCase)
{
    const QString d = TestDir();
    WriteBytes(d + "well.svm", "x");
    QDir().mkpath(d + "chart");
    EXPECT_EQ(FileExists(d + "W*.SVM"), 1);
    EXPECT_EQ(FileExists(d + "WELL.SVM"), 1);
    EXPECT_EQ(FileExists(d + "chart"), 1);
    EXPECT_EQ(FileExists(d + "*.cht"), 0);
    EXPECT_EQ(FileExists(d + "*/well.svm"), 0);  // no wildcards in the folder part
    EXPECT_EQ(FileExists("well.svm"), 0);         // nor the current folder
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(FileExists(d + "w?ll.svm", true), 1);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "FIND");
    EXPECT_EQ(doubles().prompter.messages[0].text, d + "w?ll.svm");
}

TEST(FileHelpers, DeletionRefusesWholeFoldersAndFolderParts)
{
    const QString d = TestDir();
    for (const char* name : {"A.ZIP", "b.zip", "c.svm", ".hidden"})
        WriteBytes(d + name, "x");
    QFile::setPermissions(d + "b.zip", QFile::ReadOwner);  // read-only files from other stations go too
    const QStringList all = Files(d);
    EXPECT_EQ(wellfile::DeleteFiles(d, "*"), 0);
    EXPECT_EQ(wellfile::DeleteFiles(d, ".*"), 0);
    EXPECT_EQ(wellfile::DeleteFiles(d, "../*.zip"), 0);
    EXPECT_EQ(wellfile::DeleteFiles(QString(), "*.zip"), 0);
    EXPECT_EQ(Files(d), all);
    EXPECT_EQ(wellfile::DeleteFiles(d + "missing.svm"), 1);
    EXPECT_EQ(wellfile::DeleteFiles(d, "*.zip"), 1);
    EXPECT_EQ(Files(d), (QStringList{".hidden", "c.svm"}));
    EXPECT_EQ(wellfile::DeleteFiles(d, "*.zip"), 0);
}

TEST(FileHelpers, ListsCountAndFindLoops)
{
    const QString d = TestDir();
    QStringList names{"kept"};
    EXPECT_EQ(ListFiles(names, 10, d + "*.svm"), 0);
    EXPECT_TRUE(names.isEmpty());
    QString buffer = "as it was";
    EXPECT_EQ(FindFirstName(buffer, d + "*.svm"), 0);
    EXPECT_EQ(buffer, "as it was");

    WriteBytes(d + "one.svm", "x");
    EXPECT_EQ(ListFiles(names, 10, d + "*.svm"), 0);  // one match returns what none does
    EXPECT_EQ(names, QStringList{"one.svm"});
    for (int i = 2; i <= 12; ++i)
        WriteBytes(d + QString("w%1.SVM").arg(i, 2, 10, QChar('0')), QByteArray(i, 'x'));
    EXPECT_EQ(CountFiles(d + "*.svm"), 12);
    std::vector<QDateTime> times;
    EXPECT_EQ(ListFilesWithTimes(names, 10, d + "*.svm", times), 9);
    ASSERT_EQ(names.size(), 10);
    ASSERT_EQ(times.size(), 10u);
    EXPECT_EQ(times[1], QFileInfo(d + names[1]).lastModified());
    EXPECT_EQ(FindFirstName(buffer, d + "W1*.svm"), 1);
    EXPECT_EQ(buffer, "w10.SVM");

    FindRecord record;
    std::optional<FindSearch> search = FindFirst(d + "w1?.svm", record);
    ASSERT_TRUE(search);
    QStringList found{record.name};
    while (FindNext(*search, record))
        found << record.name;
    EXPECT_EQ(found, (QStringList{"w10.SVM", "w11.SVM", "w12.SVM"}));
}

TEST(FileHelpers, DatedNamesSortByTheirNumberAndParseTheirDate)
{
    QStringList names{"w@120-3.svm", "w@95-1.svm", "w.svm", "a@95-2.svm"};
    SortFileNames(names, 4, 100);
    EXPECT_EQ(names, (QStringList{"w@95-1.svm", "a@95-2.svm", "w.svm", "w@120-3.svm"}));  // equal keys keep order
    QStringList plain{"b", "C", "a", "B"};
    SortNames(plain, 4);
    EXPECT_EQ(plain, (QStringList{"a", "b", "B", "C"}));

    int m = 0, d = 0, y = 0;
    EXPECT_EQ(ParseDate("WELL@3-18-16.cht", m, d, y), 1);
    EXPECT_EQ((std::array{m, d, y}), (std::array{3, 18, 16}));
    EXPECT_EQ(ParseDate("WELL.cht", m, d, y), 0);
    EXPECT_EQ(ParseDate("WELL@3-18.cht", m, d, y), 0);
}

TEST(FileHelpers, TimeTextsOnATwelveHourClock)
{
    EXPECT_EQ(FormatTimeText("Tue Jan  5 00:07:09 2016\n", 0), "1-5-16 12:07 AM");
    EXPECT_EQ(FormatTimeText("Tue Jan  5 13:07:09 2016\n", 0), "1-5-16  1:07 PM");
    EXPECT_EQ(FormatTimeText("tue jan 05 12:00:00 2016", 0), "1-05-16 12:00 PM");
    // An offset across midnight moves the date, across a month and a year too.
    EXPECT_EQ(FormatTimeText("Sat Jan 31 23:10:00 2026\r\n", 2), "2-1-26  1:10 AM");
    EXPECT_EQ(FormatTimeText("Tue Jan 05 01:10:00 2016", -3), "1-04-16 10:10 PM");
    EXPECT_EQ(FormatTimeText("Thu Dec 31 22:00:00 2026", 3), "1-1-27  1:00 AM");
    EXPECT_EQ(FormatTimeText("Tue Foo  5 01:10:00 2016", 0), "");
    EXPECT_EQ(FormatTimeText("", 0), "");
}
