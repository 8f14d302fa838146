#include "wellfile/wellpackage.h"

#include "platform/folders.h"

#include <QFile>
#include <QSaveFile>

#include <zip.h>

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

// Whole entries are held in memory while they are copied; a package of one well is a few megabytes.
constexpr zip_uint64_t kMaxEntryBytes = zip_uint64_t(1) << 31;

}  // namespace

bool IsBareFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        return false;
    return !(name.size() >= 2 && name[1] == u':');
}

PackageResult ExtractPackage(const QString& zipPath, const QString& folder)
{
    PackageResult result;
    int err = 0;
    const QByteArray nativePath = QFile::encodeName(zipPath);
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(nativePath.constData(), ZIP_RDONLY, &err));
    if (!archive) {
        result.error = QStringLiteral("cannot open the package");
        return result;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);

    // Look at every name first: a package with one bad entry writes nothing at all.
    std::vector<QString> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (!IsBareFileName(name)) {
            result.error = QStringLiteral("entry \"%1\" is not a plain file name").arg(name);
            return result;
        }
        names.push_back(name);
    }

    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
            st.size > kMaxEntryBytes) {
            result.error = QStringLiteral("cannot read entry %1").arg(names[std::size_t(i)]);
            return result;
        }
        std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive.get(), zip_uint64_t(i), 0));
        QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
        if (!entry || zip_fread(entry.get(), bytes.data(), st.size) != zip_int64_t(st.size)) {
            result.error = QStringLiteral("cannot read entry %1").arg(names[std::size_t(i)]);
            return result;
        }
        QSaveFile out(platform::JoinPath(folder, names[std::size_t(i)]));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            result.error = QStringLiteral("cannot write %1").arg(names[std::size_t(i)]);
            return result;
        }
        result.written << names[std::size_t(i)];
    }
    result.ok = true;
    return result;
}

}  // namespace wellfile
