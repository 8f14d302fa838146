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
// The kind of failure a library error stands for.
PackageFailure FailureOf(int zipError)
{
    switch (zipError) {
    case ZIP_ER_CRC: return PackageFailure::BadChecksum;
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
    case ZIP_ER_COMPRESSED_DATA: return PackageFailure::NotZip;
    case ZIP_ER_MEMORY: return PackageFailure::OutOfMemory;
    case ZIP_ER_NOENT: return PackageFailure::MissingFile;
    case ZIP_ER_EOF: return PackageFailure::ReadCutShort;
    default: return PackageFailure::Other;
    }
}

QString CopyEntry(zip_t* archive, zip_uint64_t index, const QString& name, const QString& path,
                  const PackageLimits& limits, zip_uint64_t& total, PackageFailure& reason)
{
    reason = PackageFailure::Other;
    const QString damaged = QStringLiteral("The entry \"%1\" is damaged.").arg(name);
    const QString tooLarge = QStringLiteral("The entry \"%1\" is too large for a well package.").arg(name);
    const auto over = [&](zip_uint64_t entryBytes) {
        return entryBytes > limits.entryBytes || total > limits.totalBytes || entryBytes > limits.totalBytes - total;
    };
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, index, 0, &st) != 0) {
        reason = FailureOf(zip_error_code_zip(zip_get_error(archive)));
        return damaged;
    }
    if ((st.valid & ZIP_STAT_SIZE) && over(st.size))
        return tooLarge;
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
    if (!entry) {
        reason = FailureOf(zip_error_code_zip(zip_get_error(archive)));
        return damaged;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a short write is seen
        return QStringLiteral("\"%1\" could not be written.").arg(name);
    std::array<char, 64 * 1024> buffer;
    zip_uint64_t read = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
        if (n < 0) {
            reason = FailureOf(zip_error_code_zip(zip_file_get_error(entry.get())));
            return damaged;
        }
        if (n == 0)
            break;
        read += zip_uint64_t(n);
        if (over(read))  // the stored size may lie
            return tooLarge;
        if (out.write(buffer.data(), n) != n)
            return QStringLiteral("\"%1\" could not be written.").arg(name);
    }
    if ((st.valid & ZIP_STAT_SIZE) && read != st.size) {
        reason = PackageFailure::ReadCutShort;
        return damaged;
    }
    if (!out.commit())
        return QStringLiteral("\"%1\" could not be written.").arg(name);
    total += read;
    reason = PackageFailure::None;
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
        result.reason = FailureOf(err);
        result.error = result.reason == PackageFailure::MissingFile
                           ? QStringLiteral("The file is not there.")
                           : QStringLiteral("The file is not a zip archive or cannot be read.");
        return result;
    }
    result.reason = PackageFailure::Other;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count <= 0) {
        result.reason = PackageFailure::NoEntries;
        result.error = QStringLiteral("The package holds no files.");
        return result;
    }
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
        PackageFailure reason = PackageFailure::None;
        const QString failed =
            CopyEntry(archive.get(), zip_uint64_t(i), names[i], staged(i), limits, unpacked, reason);
        if (!failed.isEmpty()) {
            result.reason = reason;
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
    result.reason = PackageFailure::None;
    return result;
}

PackageWriteResult WritePackage(const QString& zipPath, const QStringList& files, int level, PackageWrite mode)
{
    PackageWriteResult result;
    const auto fail = [&](int zipError, const QString& error) {
        result.zipError = zipError;
        result.error = error;
        return result;
    };
    if (files.isEmpty())
        return fail(ZIP_ER_INVAL, QStringLiteral("There are no files to pack."));
    // The names the entries get; a second file of one name would silently replace the first.
    QStringList names;
    QHash<QString, QString> seen;
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        if (!IsBareFileName(name))
            return fail(ZIP_ER_INVAL, QStringLiteral("\"%1\" is not a file name.").arg(file));
        QString& first = seen[name.toLower()];
        if (!first.isEmpty())
            return fail(ZIP_ER_EXISTS, QStringLiteral("\"%1\" and \"%2\" would be one entry.").arg(first, file));
        first = file;
        names << name;
    }

    int err = 0;
    const QByteArray nativePath = QFile::encodeName(zipPath);
    const int flags = ZIP_CREATE | (mode == PackageWrite::Replace ? ZIP_TRUNCATE : 0);
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(nativePath.constData(), flags, &err));
    if (!archive)
        return fail(err, QStringLiteral("%1 could not be opened as a zip archive.").arg(zipPath));
    const auto libraryError = [&](const QString& what) {
        return fail(zip_error_code_zip(zip_get_error(archive.get())), what);  // the archive is discarded
    };

    for (qsizetype i = 0; i < files.size(); ++i) {
        const QByteArray source = QFile::encodeName(files[i]);
        const QByteArray entryName = names[i].toUtf8();
        zip_source_t* data = zip_source_file(archive.get(), source.constData(), 0, -1);
        if (!data)
            return libraryError(QStringLiteral("\"%1\" could not be read.").arg(files[i]));
        zip_int64_t index = zip_name_locate(archive.get(), entryName.constData(), ZIP_FL_NOCASE);
        if (index >= 0) {
            // The entry takes the file's bytes and, when it differs in letter case, its name.
            const char* old = zip_get_name(archive.get(), zip_uint64_t(index), ZIP_FL_ENC_RAW);
            const bool renamed = !old || entryName != QByteArray(old);
            if (zip_file_replace(archive.get(), zip_uint64_t(index), data, ZIP_FL_ENC_UTF_8) != 0) {
                zip_source_free(data);  // still ours: the library takes a source only when the call works
                return libraryError(QStringLiteral("\"%1\" could not be replaced in the zip.").arg(names[i]));
            }
            if (renamed &&
                zip_file_rename(archive.get(), zip_uint64_t(index), entryName.constData(), ZIP_FL_ENC_UTF_8) != 0)
                return libraryError(QStringLiteral("\"%1\" could not be renamed in the zip.").arg(names[i]));
        } else {
            index = zip_file_add(archive.get(), entryName.constData(), data, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                zip_source_free(data);
                return libraryError(QStringLiteral("\"%1\" could not be added to the zip.").arg(names[i]));
            }
        }
        if (zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, zip_uint32_t(level)) != 0)
            return libraryError(QStringLiteral("The compression level %1 is not available.").arg(level));
    }
    // The library writes a temporary file beside the zip and renames it over the zip when complete.
    if (zip_close(archive.get()) != 0)
        return libraryError(QStringLiteral("%1 could not be written.").arg(zipPath));
    archive.release();
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
