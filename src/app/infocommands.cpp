#include "app/infocommands.h"

#include "app/featurestext.h"
#include "platform/folders.h"
#include "wellfile/datafile.h"
#include "wellfile/wholefile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace app {

namespace {

bool IsFile(const QString& path) { return QFileInfo(path).isFile(); }

const QString kManualPdf = QStringLiteral("SV-Manual.pdf");
const QString kOldManual = QStringLiteral("drlg-man.rtf");

}  // namespace

std::optional<QString> NewFeaturesPath(const QString& installFolder)
{
    for (const char* name : {"features.txt", "Install.txt"}) {
        const QString path = platform::FindFileNoCase(installFolder, QString::fromLatin1(name));
        if (IsFile(path))
            return path;
    }
    return std::nullopt;
}

QString FeaturesText() { return QString::fromUtf8(kFeaturesText); }

bool InstallFeaturesText(const QString& installFolder)
{
    const QString path = platform::FindFileNoCase(installFolder, QStringLiteral("features.txt"));
    if (IsFile(path))
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a short write is seen
        return false;
    const qint64 size = qint64(sizeof kFeaturesText - 1);
    return file.write(kFeaturesText, size) == size && file.commit();
}

std::optional<QString> ManualPath(const QString& installFolder, const QString& programFolder)
{
    for (const QString& path : {platform::FindFileNoCase(installFolder, kManualPdf),
                                platform::FindFileNoCase(installFolder, kOldManual),
                                platform::JoinPath(programFolder, kManualPdf)}) {
        if (IsFile(path))
            return path;
    }
    return std::nullopt;
}

bool InstallManual(const QString& installFolder, const QString& programFolder)
{
    const QString installed = platform::FindFileNoCase(installFolder, kManualPdf);
    const QFileInfo shipped(platform::JoinPath(programFolder, kManualPdf));
    // A manual of a newer build replaces the older one; the install folder may be the program's folder.
    if (shipped.isFile() && !platform::SameFolder(installFolder, programFolder) &&
        (!IsFile(installed) || QFileInfo(installed).lastModified() < shipped.lastModified()))
        wellfile::CopyFileReplacing(shipped.filePath(), installed);
    return IsFile(installed);
}

QString ManualMissingText(const QString& installFolder, const QString& programFolder)
{
    return QStringLiteral("The manual was not found.\nLooked for %1 and %2 in %3\nand for %1 in %4")
        .arg(kManualPdf, kOldManual, installFolder, platform::WithSlash(programFolder));
}

QRect ChartWindowRect(std::int32_t top, std::int32_t left, std::int32_t width, std::int32_t height, int screenWidth,
                      int screenHeight, int monitorCount)
{
    if (top >= screenHeight)
        top = 100;
    if (monitorCount == 1 && left > screenWidth)
        left = 20;
    return QRect(left, top, std::max(width, 250), std::max(height, 250));
}

QRect HorizontalViewRect(int screenWidth, int screenHeight, int topMargin, int rowHeight)
{
    const bool smallOrTall = screenWidth < 1280 || screenHeight > 1023;
    const int y = topMargin - (smallOrTall ? 5 : 8) * rowHeight;
    const int height = smallOrTall ? screenHeight - topMargin - 25 : screenHeight - topMargin + 40;
    return QRect(20, y, screenWidth - 40, height);
}

std::vector<wellfile::RECORD> ReadTvdBuffer(wellfile::OpenWell& well)
{
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    std::int64_t count = (std::int64_t(well.fileBottomDepth) - well.fileTopDepth) / step + 1;
    count = std::clamp<std::int64_t>(count, 0, wellfile::RecordsInDataFile(well.dataFileName));
    std::vector<wellfile::RECORD> records(std::size_t(count) + 10);
    if (count > 0)
        wellfile::ReadRecords(well, records, well.dataFileName, 0, int(count));
    return records;
}

QString TvdLogPath(const QString& folder, const QString& wellName)
{
    QString name = wellName + QStringLiteral(".svm");
    name[0] = QLatin1Char('~');
    return folder + name;
}

}  // namespace app
