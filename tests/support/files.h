#pragma once
// Whole files of bytes or of packed records, to set up and check the files under test.
#include <QByteArray>
#include <QString>

#include <cstring>
#include <vector>

#include <sys/resource.h>

namespace testing_support {

// The file's bytes; empty when it does not open.
QByteArray ReadBytes(const QString& path);

// The file's bytes; a file that does not open fails the check (and gives none).
QByteArray ReadExistingBytes(const QString& path);

// Makes the file hold exactly `bytes`; a file that does not open or a short write fails the test.
void WriteBytes(const QString& path, const QByteArray& bytes);
void WriteBytes(const QString& path, const void* data, qsizetype size);

// A file of the running system that opens but reads short of the size it reports, with at least
// `least` bytes read (a kernel attribute file: its size says a page, its text is shorter); empty when
// this machine has none.
QString FileReadShortOfItsSize(qint64 least);

// The offsets at which two copies of a file differ, over the length of the shorter.
std::vector<qsizetype> DifferingBytes(const QByteArray& a, const QByteArray& b);

// The value of type T at byte `offset` of `bytes` (which must hold it).
template <class T>
T At(const QByteArray& bytes, qsizetype offset)
{
    T v{};
    if (offset >= 0 && offset + qsizetype(sizeof v) <= bytes.size())
        std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

// The byte image of packed records.
template <class R>
QByteArray BytesOf(const std::vector<R>& rows)
{
    return QByteArray(reinterpret_cast<const char*>(rows.data()), qsizetype(rows.size() * sizeof(R)));
}

// Makes the file hold `rows`, then `tail`.
template <class R>
void WriteRecords(const QString& path, const std::vector<R>& rows, const QByteArray& tail = {})
{
    WriteBytes(path, BytesOf(rows) + tail);
}

// The whole records of a file that must exist (a torn last one left out); `size` gets the file's length.
template <class R>
std::vector<R> FileRecords(const QString& path, qint64* size = nullptr)
{
    const QByteArray all = ReadExistingBytes(path);
    if (size)
        *size = all.size();
    std::vector<R> rows(std::size_t(all.size()) / sizeof(R));
    if (!rows.empty())
        std::memcpy(static_cast<void*>(rows.data()), all.constData(), rows.size() * sizeof(R));
    return rows;
}

// While it lives, files of the process may grow to `bytes` at most: a longer write fails as on a full disk
// (the signal such a write raises is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace testing_support
