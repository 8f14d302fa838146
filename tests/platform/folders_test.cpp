#include "platform/folders.h"
#include "platform/numbers.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;

TEST(Folders, OneFolderWhateverItsSpellingAndSubFoldersAsOnDisk)
{
    const QString root = testing_support::TestDir() + "folders/";
    EXPECT_TRUE(SameFolder(root + "Well/", root + "WELL"));
    EXPECT_TRUE(SameFolder(root + "a/../Well/./", root + "well"));
    EXPECT_TRUE(SameFolder(QDir::currentPath() + "/x", "x/"));
    EXPECT_FALSE(SameFolder(root + "Well", root + "Well2"));
    EXPECT_FALSE(SameFolder(QString(), root));
    EXPECT_TRUE(SameFolder(QString(), QString()));

    ASSERT_TRUE(QDir().mkpath(root + "Bitmaps"));
    EXPECT_EQ(SubFolder(root, "BITMAPS"), root + "Bitmaps/");
    EXPECT_EQ(SubFolder(root, "none"), root + "none/");
    EXPECT_FALSE(QDir(root + "none").exists());
    EXPECT_EQ(MadeSubFolder(root, "Backup"), root + "Backup/");
    EXPECT_TRUE(QDir(root + "Backup").exists());
}

TEST(Numbers, WholeReadsDamagedValuesAsNoneTruncIntHoldsThemInRange)
{
    EXPECT_EQ(Whole(1234.9), 1234);
    EXPECT_EQ(Whole(-7.9), -7);
    EXPECT_EQ(Whole(2147483647.5), 2147483647);
    EXPECT_EQ(Whole(3.0e9), 0);
    EXPECT_EQ(Whole(std::nan("")), 0);
    EXPECT_EQ(Whole(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(WholeOf(-0.5), 0);  // a true 0, told from none
    EXPECT_EQ(WholeOf(-3.0e9), std::nullopt);
    EXPECT_EQ(TruncInt(-7.9), -7);
    EXPECT_EQ(TruncInt(3.0e30), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncInt(-std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncInt(std::nan("")), 0);
}
