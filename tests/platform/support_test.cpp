// The shared test helpers refuse what they cannot make instead of reading past their data.
#include "support/testmain.h"
#include "support/wells.h"

#include <QFile>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(TestSupport, AWellOfNoRecordsFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(testing_support::MakeWell(testing_support::TestDir(), "W.svm", 1010, 1000),
                            "at least one record");
    EXPECT_FALSE(QFile::exists(testing_support::TestDir() + "W.svm"));
    EXPECT_TRUE(QFile::exists(testing_support::MakeWell(testing_support::TestDir(), "W.svm", 1000, 1000)));
}
