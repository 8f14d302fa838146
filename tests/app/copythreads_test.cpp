#include "app/copythreads.h"
#include "app/logstate.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {
// Big enough that a copy is still under way when the test goes on.
QByteArray Payload(char fill) { return QByteArray(16 << 20, fill); }
}  // namespace

TEST(CopyThreads, CopyThenDeleteOnlyAfterAGoodCopy)
{
    auto log = std::make_unique<app::LogState>();
    const QString dir = TestDir();
    QDir().mkpath(dir + "out");
    WriteBytes(dir + "a.zl8", Payload('a'));
    WriteBytes(dir + "b.zl8", Payload('b'));

    // The second copy of a kind waits for the first: once it has started, the first is complete.
    ASSERT_TRUE(app::StartCopyThread(*log, app::CopyKind::Wits, dir + "a.zl8", dir + "out/a.zl8"));
    ASSERT_TRUE(app::StartCopyThread(*log, app::CopyKind::Wits, dir + "b.zl8", dir + "out/b.zl8"));
    EXPECT_TRUE(ReadBytes(dir + "out/a.zl8") == Payload('a'));
    EXPECT_FALSE(QFileInfo::exists(dir + "a.zl8"));

    // Closing the window joins the threads: the copy under way ends whole.
    log->engines.StopWorkers();
    EXPECT_FALSE(log->engines.witsCopyThread.joinable());
    EXPECT_TRUE(ReadBytes(dir + "out/b.zl8") == Payload('b'));
    EXPECT_FALSE(QFileInfo::exists(dir + "b.zl8"));
    EXPECT_TRUE(log->engines.witsCopyDone->load());

    // No target folder: the source stays for the next try and the done flag stays clear.
    WriteBytes(dir + "c.sv8", "package");
    ASSERT_TRUE(app::StartCopyThread(*log, app::CopyKind::File, dir + "c.sv8", dir + "missing/c.sv8"));
    log->engines.StopWorkers();
    EXPECT_FALSE(log->engines.fileCopyDone->load());
    EXPECT_TRUE(ReadBytes(dir + "c.sv8") == "package");
}
