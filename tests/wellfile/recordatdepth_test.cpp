// The drilling append: the new bottom record goes to its own place in the data file.
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <gtest/gtest.h>

using namespace wellfile;
using testing_support::TestDir;

namespace {

TEST(WriteRecordAtDepth, OverwritesATornTailAndRefusesToLeaveAGap)
{
    const QString path = testing_support::MakeWell(TestDir(), "W.svm", 100, 102);
    OpenWell well;
    well.fileTopDepth = 100;
    well.fileBottomDepth = 103;
    QByteArray bytes = testing_support::ReadExistingBytes(path);
    testing_support::WriteBytes(path, bytes + QByteArray(200, 'x'));  // a record cut off by a crash

    RECORD r = testing_support::ValidRecord(103, 1.5f, "100SH");
    ASSERT_TRUE(WriteRecordAtDepth(well, r, path));
    qint64 size = 0;
    auto records = testing_support::FileRecords<RECORD>(path, &size);
    EXPECT_EQ(size, 4 * kRecordSize);
    EXPECT_EQ(records.back().depth, 103);

    r.depth = 105;  // 104 was never written
    EXPECT_FALSE(WriteRecordAtDepth(well, r, path));
    EXPECT_EQ(testing_support::ReadExistingBytes(path).size(), 4 * kRecordSize);
    EXPECT_FALSE(WriteRecordAtDepth(well, r, TestDir() + "missing.svm"));
}

}  // namespace
