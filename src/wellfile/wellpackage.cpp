#include "wellfile/wellpackage.h"

#include "platform/folders.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <zip.h>

#include <sys/stat.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

namespace wellfile {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

bool Rename(const QString& from, const QString& to)
{
    // POSIX rename: replaces `to` at once, and never copies across file systems.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A fresh folder ".staging-<pid>-<n>" inside the target folder, so that moving out of it is a rename on
// the same file system. It goes, with whatever is left in it, when the extraction ends.
class StagingFolder {
public:
    explicit StagingFolder(const QString& parent)
    {
        static std::atomic<int> serial{0};
        const QDir dir(parent);
        for (int tries = 0; tries < 100 && path_.isEmpty(); ++tries) {
            const QString name =
                QStringLiteral(".staging-%1-%2").arg(QCoreApplication::applicationPid()).arg(serial++);
            if (dir.mkdir(name))
                path_ = platform::JoinPath(parent, name);
        }
    }
    ~StagingFolder()
    {
        if (!path_.isEmpty())
            QDir(path_).removeRecursively();
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const QString& path() const { return path_; }

private:
    QString path_;
};

// Copies entry `index` into the file `path`. The entry is read to its end, which is where the library
// checks the entry's length and checksum: a damaged entry fails here, not after it was taken. No more
// than `room` bytes are taken, whatever the entry claims: `total` counts what all entries unpacked.
QString CopyEntry(zip_t* archive, zip_uint64_t index, const QString& name, const QString& path,
                  const PackageLimits& limits, zip_uint64_t& total)
{
    const QString damaged = QStringLiteral("The entry \"%1\" is damaged.").arg(name);
    const QString tooLarge = QStringLiteral("The entry \"%1\" is too large for a well package.").arg(name);
    const auto over = [&](zip_uint64_t entryBytes) {
        return entryBytes > limits.entryBytes || total > limits.totalBytes || entryBytes > limits.totalBytes - total;
    };
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, index, 0, &st) != 0)
        return damaged;
    if ((st.valid & ZIP_STAT_SIZE) && over(st.size))
        return tooLarge;
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
    if (!entry)
        return damaged;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a short write is seen
        return QStringLiteral("\"%1\" could not be written.").arg(name);
    std::array<char, 64 * 1024> buffer;
    zip_uint64_t read = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
        if (n < 0)
            return damaged;
        if (n == 0)
            break;
        read += zip_uint64_t(n);
        if (over(read))  // the stored size may lie
            return tooLarge;
        if (out.write(buffer.data(), n) != n)
            return QStringLiteral("\"%1\" could not be written.").arg(name);
    }
    if ((st.valid & ZIP_STAT_SIZE) && read != st.size)
        return damaged;
    if (!out.commit())
        return QStringLiteral("\"%1\" could not be written.").arg(name);
    total += read;
    return {};
}

// One file moved into the target folder: where it went and where the file it replaced was set aside.
struct Placed {
    QString target;
    QString setAside;  // empty when no file was replaced
};

// Puts the target folder back as it was: newest move first, so a name replaced twice ends as it began.
void Undo(const std::vector<Placed>& placed)
{
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        if (it->setAside.isEmpty())
            QFile::remove(it->target);
        else
            Rename(it->setAside, it->target);
    }
}

// Whether entry `index` was stored as a symbolic link (by a Unix zip): its bytes are the link's target,
// which a well package never holds.
bool IsLinkEntry(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

}  // namespace

bool IsBareFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        return false;
    return !(name.size() >= 2 && name[1] == u':');
}

PackageResult ExtractPackage(const QString& zipPath, const QString& folder, const PackageLimits& limits)
{
    PackageResult result;
    int err = 0;
    const QByteArray nativePath = QFile::encodeName(zipPath);
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(nativePath.constData(), ZIP_RDONLY, &err));
    if (!archive) {
        result.error = QStringLiteral("The file is not a zip archive or cannot be read.");
        return result;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > limits.entries) {
        result.error = QStringLiteral("The package holds %1 entries, more than a well package has.").arg(count);
        return result;
    }

    // Look at every name first: a package with one bad entry writes nothing at all.
    std::vector<QString> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (!IsBareFileName(name)) {
            result.error = QStringLiteral("The entry \"%1\" is not a plain file name.").arg(name);
            return result;
        }
        if (IsLinkEntry(archive.get(), zip_uint64_t(i))) {
            result.error = QStringLiteral("The entry \"%1\" is a link, not a file.").arg(name);
            return result;
        }
        names.push_back(name);
    }

    // Where each entry goes; a folder standing where a file should go stops the package before any move.
    // Names that differ in letter case only are one file, as on the Windows stations that made them.
    std::vector<QString> targets;
    QHash<QString, QString> targetOf;
    for (const QString& name : names) {
        QString& target = targetOf[name.toLower()];
        if (target.isEmpty())
            target = platform::FindFileNoCase(folder, name);
        targets.push_back(target);
        const QFileInfo existing(targets.back());
        if (existing.exists() && !existing.isFile()) {
            result.error = QStringLiteral("\"%1\" exists in %2 and is not a file.").arg(name, folder);
            return result;
        }
    }

    const StagingFolder staging(folder);
    if (staging.path().isEmpty()) {
        result.error = QStringLiteral("No working folder could be made in %1.").arg(folder);
        return result;
    }
    // Staged under their entry numbers: two entries of one name each keep their bytes until the moves,
    // and the later one wins, as it would in any unzip.
    const auto staged = [&](std::size_t i) { return platform::JoinPath(staging.path(), QString::number(i)); };
    zip_uint64_t unpacked = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString failed = CopyEntry(archive.get(), zip_uint64_t(i), names[i], staged(i), limits, unpacked);
        if (!failed.isEmpty()) {
            result.error = failed;
            return result;
        }
    }

    // Every entry is intact: move them in. A replaced file is set aside in the staging folder until all
    // moves are done, so a move that fails halfway puts everything back.
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Placed p{targets[i], {}};
        const QFileInfo existing(p.target);
        if (existing.exists() || existing.isSymLink()) {
            p.setAside = platform::JoinPath(staging.path(), QStringLiteral("replaced-%1").arg(i));
            if (!Rename(p.target, p.setAside)) {
                Undo(placed);
                result.error = QStringLiteral("\"%1\" in %2 could not be replaced.").arg(names[i], folder);
                return result;
            }
        }
        if (!Rename(staged(i), p.target)) {
            if (!p.setAside.isEmpty())
                Rename(p.setAside, p.target);
            Undo(placed);
            result.error = QStringLiteral("\"%1\" could not be moved into %2.").arg(names[i], folder);
            return result;
        }
        placed.push_back(p);
    }
    for (const QString& name : names)
        if (!result.written.contains(name))
            result.written << name;
    result.ok = true;
    return result;
}

void ReportPackageFailure(const QString& zipPath, const PackageResult& result)
{
    platform::MessageBox(QStringLiteral("The well package %1 could not be opened. Nothing was taken from it.\n%2")
                             .arg(zipPath, result.error),
                         QStringLiteral("Well Package"), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

}  // namespace wellfile
