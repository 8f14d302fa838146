#pragma once
// Well packages: zip archives of a well's files (".sv8", ".zl9", ".zip"...) that stations send each
// other. They are unpacked in process. A package is trusted with nothing but the bytes of its files:
// every entry must be a bare file name, so nothing lands outside the target folder. A package is taken
// whole or not at all: its entries are unpacked into a staging folder inside the target folder and
// moved in only when every one of them was read back intact.
#include <QString>
#include <QStringList>

namespace wellfile {

// A well package is a few megabytes. Far larger entries are a damaged or hostile package that would
// fill the disk: it is refused before that.
constexpr unsigned long long kMaxPackageEntryBytes = 512ull << 20;  // one entry unpacked
constexpr unsigned long long kMaxPackageBytes = 1ull << 30;         // all entries together
// A well's files with years of day files stay well below this many.
constexpr long long kMaxPackageEntries = 4096;

struct PackageLimits {
    unsigned long long entryBytes = kMaxPackageEntryBytes;
    unsigned long long totalBytes = kMaxPackageBytes;
    long long entries = kMaxPackageEntries;
};

// Why a package was not taken, in the kinds a station's unzip reports (exchange::UnzipErrorCode).
enum class PackageFailure {
    None,
    BadChecksum,   // an entry's data does not match its checksum
    NotZip,        // not a zip archive, or its directory contradicts itself
    OutOfMemory,
    MissingFile,   // no file at the path
    NoEntries,     // a zip with nothing in it
    ReadCutShort,  // an entry ends before its stored length
    Other,         // refused entries, a file that could not be written, anything else
};

struct PackageResult {
    bool ok = false;
    PackageFailure reason = PackageFailure::None;
    QStringList written;  // file names written into the folder
    QString error;        // why the package was refused or failed, one plain sentence
};

// Whether `name` may be written as given into a folder: not empty, no folder part ('/' or '\'),
// not "." or "..", no drive letter.
bool IsBareFileName(const QString& name);

// Unpacks every entry of the package `zipPath` into `folder`, replacing the files of the same name
// (letter case ignored: the file keeps the name it has on disk). A package with more entries than
// `limits` allow, or with any entry that is not a bare file name or is stored as a link, is refused
// before anything is written; so is one without entries; one with an entry that cannot be read whole
// (damaged data, a wrong checksum) or written, or that unpacks to more than `limits` allow, leaves
// `folder` exactly as it was. The package itself is only read.
PackageResult ExtractPackage(const QString& zipPath, const QString& folder, const PackageLimits& limits = {});

// How WritePackage treats a zip already at the path.
enum class PackageWrite {
    Replace,  // a fresh zip of the files given
    Update,   // the zip's entries kept, those of the names given (any letter case) replaced, others added
};
// Deflate levels: packages and backups are packed fast; archives at the library's default.
constexpr int kPackageLevel = 1;
constexpr int kArchiveLevel = 0;

struct PackageWriteResult {
    bool ok = false;
    int zipError = 0;  // the library's error number (ZIP_ER_*), 0 on success
    QString error;     // one plain sentence
};

// Packs `files` into the zip `zipPath` under their bare names as they are on disk. The new zip is
// written beside the old one and takes its place only when complete: on any failure the old zip (or
// none) stays as it was. Two files of one bare name (in any letter case) are refused before writing.
PackageWriteResult WritePackage(const QString& zipPath, const QStringList& files, int level, PackageWrite mode);

// Tells the user that the package `zipPath` could not be opened and why: the one message for a failed
// package, wherever a package is opened.
void ReportPackageFailure(const QString& zipPath, const PackageResult& result);

}  // namespace wellfile
