#include "platform/folders.h"
#include "platform/instancelock.h"
#include "support/helperprocess.h"
#include "support/testmain.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

using platform::InstanceLock;

TEST(InstanceLock, SecondHolderIsRefusedHoweverOldTheLiveLock)
{
    const QString path = platform::JoinPath(testing_support::TestDir(), "tempM");
    InstanceLock first, second;
    ASSERT_TRUE(first.TryAcquire(path));
    EXPECT_TRUE(first.TryAcquire(path));  // taking it again while held
    EXPECT_FALSE(second.TryAcquire(path));

    // An old lock file is not a stale one while its holder lives.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(second.TryAcquire(path));
    EXPECT_FALSE(second.IsHeld());

    first.Release();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(second.TryAcquire(path));
    EXPECT_TRUE(second.IsHeld());
}

// Run by the next test in a process of its own: holds the lock until it is killed.
TEST(InstanceLock, HolderProcess)
{
    const QString path = qEnvironmentVariable("STRATIVM_LOCK_HOLDER");
    if (path.isEmpty())
        GTEST_SKIP() << "runs only as the helper process of KilledHolderIsTakenOver";
    InstanceLock lock;
    std::printf(lock.TryAcquire(path) ? "LOCK HELD\n" : "LOCK REFUSED\n");
    std::fflush(stdout);
    for (int i = 0; i < 600; ++i)  // a minute at most, should the test die first
        QThread::msleep(100);
}

TEST(InstanceLock, KilledHolderIsTakenOver)
{
    const QString path = platform::JoinPath(testing_support::TestDir(), "tempM");
    QProcess holder;
    const QByteArray out = testing_support::StartHelperProcess(holder, "InstanceLock.HolderProcess",
                                                               "STRATIVM_LOCK_HOLDER", path, "LOCK ");
    ASSERT_TRUE(out.contains("LOCK HELD")) << out.constData();

    InstanceLock second;
    EXPECT_FALSE(second.TryAcquire(path));  // the other copy runs

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_TRUE(QFile::exists(path));  // left behind by the killed copy
    EXPECT_TRUE(second.TryAcquire(path));
}
