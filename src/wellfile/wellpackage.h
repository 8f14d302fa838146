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

struct PackageResult {
    bool ok = false;
    QStringList written;  // file names written into the folder
    QString error;        // why the package was refused or failed, one plain sentence
};

// Whether `name` may be written as given into a folder: not empty, no folder part ('/' or '\'),
// not "." or "..", no drive letter.
bool IsBareFileName(const QString& name);

// Unpacks every entry of the package `zipPath` into `folder`, replacing the files of the same name
// (letter case ignored: the file keeps the name it has on disk). A package with more entries than
// `limits` allow, or with any entry that is not a bare file name or is stored as a link, is refused
// before anything is written; one with an entry that cannot be read whole
// (damaged data, a wrong checksum) or written, or that unpacks to more than `limits` allow, leaves
// `folder` exactly as it was. The package itself is only read.
PackageResult ExtractPackage(const QString& zipPath, const QString& folder, const PackageLimits& limits = {});

// Tells the user that the package `zipPath` could not be opened and why: the one message for a failed
// package, wherever a package is opened.
void ReportPackageFailure(const QString& zipPath, const PackageResult& result);

}  // namespace wellfile
