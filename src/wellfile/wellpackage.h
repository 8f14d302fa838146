#pragma once
// Well packages: zip archives of a well's files (".sv8", ".zl9", ".zip"...) that stations send each
// other. They are unpacked in process into one folder. A package is trusted with nothing but the
// bytes of its files: every entry must be a bare file name, so nothing lands outside that folder.
#include <QString>
#include <QStringList>

namespace wellfile {

struct PackageResult {
    bool ok = false;
    QStringList written;  // file names written into the folder
    QString error;        // why the package was refused or failed
};

// Whether `name` may be written as given into a folder: not empty, no folder part ('/' or '\'),
// not "." or "..", no drive letter.
bool IsBareFileName(const QString& name);

// Unpacks every entry of the package `zipPath` into `folder`, replacing files of the same name. Each
// file is written through a temporary file and a rename. A package with any entry that is not a bare
// file name, or that cannot be read, is refused before anything is written.
PackageResult ExtractPackage(const QString& zipPath, const QString& folder);

}  // namespace wellfile
