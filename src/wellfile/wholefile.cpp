#include "wellfile/wholefile.h"

#include "wellfile/fileattrs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace wellfile {

bool ReadExactFile(const QString& path, void* buffer, std::size_t size)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() != qint64(size))
        return false;
    // Read into a scratch copy so a short read cannot leave the caller's record half filled.
    std::vector<char> scratch(size);
    if (f.read(scratch.data(), qint64(size)) != qint64(size))
        return false;
    std::memcpy(buffer, scratch.data(), size);
    return true;
}

long long ReadFilePrefix(const QString& path, void* buffer, std::size_t size)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const qint64 n = f.read(static_cast<char*>(buffer), qint64(size));
    return n < 0 ? 0 : n;
}

namespace {

struct SavedFileListeners {
    std::mutex mutex;
    std::map<int, SavedFileListener> byId;
    int next = 1;
};

SavedFileListeners& Listeners()
{
    static SavedFileListeners listeners;
    return listeners;
}

}  // namespace

void TellSavedFile(const QString& path)
{
    std::vector<SavedFileListener> told;
    {
        SavedFileListeners& l = Listeners();
        const std::lock_guard lock(l.mutex);
        for (const auto& [id, listener] : l.byId)
            told.push_back(listener);
    }
    for (const SavedFileListener& listener : told)
        listener(path);
}

int AddSavedFileListener(SavedFileListener listener)
{
    SavedFileListeners& l = Listeners();
    const std::lock_guard lock(l.mutex);
    const int id = l.next++;
    l.byId[id] = std::move(listener);
    return id;
}

void RemoveSavedFileListener(int id)
{
    SavedFileListeners& l = Listeners();
    const std::lock_guard lock(l.mutex);
    l.byId.erase(id);
}

bool WriteWholeFile(const QString& path, const void* data, std::size_t size)
{
    SetNormalAttributes(path);  // a read-only file from another station is still ours to replace
    QSaveFile f(path);
    // Unbuffered: a write the disk cuts short is seen here. Through the buffer, the flush in commit()
    // would take the short count as done and put the shortened file in place of the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(static_cast<const char*>(data), qint64(size)) != qint64(size)) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit())
        return false;
    TellSavedFile(path);
    return true;
}

QString FreeNumberedPath(const QString& base, const QStringList& extensions)
{
    const auto taken = [&extensions](const QString& path) {
        if (extensions.isEmpty())
            return QFileInfo::exists(path);
        for (const QString& extension : extensions)
            if (QFileInfo::exists(path + extension))
                return true;
        return false;
    };
    QString path = base;
    for (int n = 1; taken(path); ++n)
        path = base + QString::number(n);
    return path;
}

bool CopyFileReplacing(const QString& from, const QString& to, int* errorNumber)
{
    // errno is read right after the call that failed, before anything else can change it.
    auto fail = [errorNumber] {
        if (errorNumber)
            *errorNumber = errno != 0 ? errno : EIO;
        return false;
    };
    errno = 0;
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fail();
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return fail();
    errno = 0;
    if (!WriteWholeFile(to, bytes.constData(), std::size_t(bytes.size())))
        return fail();
    return true;
}

bool CopyFileLeavingReadOnly(const QString& from, const QString& to)
{
    SetNormalAttributes(to);
    if (!CopyFileReplacing(from, to))
        return false;
    QFile::setPermissions(to, QFile::permissions(to) & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup |
                                                         QFile::WriteOther));
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = f.isSequential() ? 0 : f.size();
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError || bytes.size() < size)
        return std::nullopt;
    return bytes;
}

bool ReadSideFile(const QString& path, std::optional<QByteArray>& bytes)
{
    bytes.reset();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    bytes = ReadWholeFile(path);
    return bytes.has_value();
}

}  // namespace wellfile
