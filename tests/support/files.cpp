#include "support/files.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace testing_support {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString FileReadShortOfItsSize(qint64 least)
{
    for (const char* path : {"/sys/devices/system/node/node0/meminfo", "/sys/devices/system/node/node0/vmstat",
                             "/sys/devices/system/node/node0/numastat"}) {
        QFile f(QString::fromLatin1(path));
        const qint64 size = f.size();
        if (f.open(QIODevice::ReadOnly)) {
            const qint64 got = f.readAll().size();
            if (got >= least && got < size)
                return f.fileName();
        }
    }
    return {};
}

QByteArray ReadExistingBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.isOpen() ? f.readAll() : QByteArray();
}

std::vector<qsizetype> DifferingBytes(const QByteArray& a, const QByteArray& b)
{
    std::vector<qsizetype> at;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            at.push_back(i);
    return at;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}

void WriteBytes(const QString& path, const void* data, qsizetype size)
{
    WriteBytes(path, QByteArray(static_cast<const char*>(data), size));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

}  // namespace testing_support
