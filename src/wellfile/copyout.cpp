#include "wellfile/copyout.h"

#include "platform/folders.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace wellfile {

namespace {

// A drive letter, a network share or any other path of a Windows station: no folder of this machine.
bool ForeignFolder(const QString& folder)
{
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    return folder.contains(u'\\') || driveLetter.match(folder).hasMatch();
}

}  // namespace

CopyOutFolders ConfiguredCopyOutFolders()
{
    CopyOutFolders folders;
    folders.copyOut = platform::SecondDataFolder();
    return folders;
}

QString CopyOutTarget(const QString& given, const CopyOutFolders& folders)
{
    if (folders.sharedOn && folders.liveUpdate && !folders.shared.isEmpty())
        return folders.shared;
    if (!given.isEmpty())
        return given;
    return folders.shared.isEmpty() ? folders.copyOut : folders.shared;
}

int CopyWellFileOut(const QString& dataFolder, const QString& wellName, const QString& extension,
                    const QString& targetFolder, const CopyOutFolders& folders)
{
    if (wellName.isEmpty() || dataFolder.isEmpty())
        return 0;
    QString folder = CopyOutTarget(targetFolder, folders);
    if (folder.isEmpty())
        return 0;
    if (ForeignFolder(folder)) {
        std::fprintf(stderr, "exchange: %s%s not copied to %s: not a folder of this machine\n",
                     qPrintable(wellName), qPrintable(extension), qPrintable(folder));
        return 0;
    }
    if (QDir::isRelativePath(folder))
        folder = platform::FindFileNoCase(dataFolder, folder);
    const QString name = wellName + extension;
    const QFileInfo source(platform::FindFileNoCase(dataFolder, name));
    if (!source.isFile() || !QFileInfo(folder).isDir())
        return 0;
    const QFileInfo target(platform::FindFileNoCase(folder, name));
    if (target.isFile() && target.size() > source.size()) {
        // A copy that grew elsewhere is never cut back by a shorter one; but a side file that was
        // shortened here (tops deleted, a depth corrected) goes out when it is the newer.
        const bool dataFile = extension.compare(QLatin1String(".svm"), Qt::CaseInsensitive) == 0;
        if (dataFile || target.lastModified() >= source.lastModified())
            return 0;
    }
    wellfile::SetNormalAttributes(target.filePath());
    return wellfile::CopyFileReplacing(source.filePath(), target.filePath()) ? 1 : 0;
}

int CopyWellFileOut(const QString& dataFolder, const QString& wellName, const QString& extension,
                    const QString& targetFolder)
{
    return CopyWellFileOut(dataFolder, wellName, extension, targetFolder, ConfiguredCopyOutFolders());
}

}  // namespace wellfile
