#include "app/infocommands.h"

#include "platform/folders.h"
#include "wellfile/datafile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace app {

namespace {

bool IsFile(const QString& path) { return QFileInfo(path).isFile(); }

constexpr char kFeaturesText[] =
    "StrativM - New Features\r\n"
    "\r\n"
    "Linux edition\r\n"
    "  - Runs as a Qt 6 desktop program; the well files are those of every other station.\r\n"
    "  - The depth interface box is read through the Linux joystick device.\r\n"
    "  - Gas instruments over MODBUS RTU (serial) or MODBUS TCP, WITS over a serial line or TCP.\r\n"
    "  - Well packages are unpacked by the program itself and taken in only when every file is whole.\r\n"
    "  - Printed logs go to any CUPS printer or to a PDF file.\r\n"
    "\r\n"
    "Log\r\n"
    "  - Custom tracks with curves, fills and lithology columns, and the six display schemes.\r\n"
    "  - Scale changes over depth intervals kept with each record.\r\n"
    "  - Quick view bar for surveys, pictures, custom tracks and the zoomed image view.\r\n"
    "\r\n"
    "Files\r\n"
    "  - Insert, delete and check records keep the custom data in step with the depth records.\r\n"
    "  - Settings and records are written whole: a failed write leaves the old file as it was.\r\n";

}  // namespace

QString NewFeaturesPath(const QString& installFolder)
{
    const QString features = platform::FindFileNoCase(installFolder, QStringLiteral("features.txt"));
    return IsFile(features) ? features : platform::FindFileNoCase(installFolder, QStringLiteral("Install.txt"));
}

std::optional<QString> ManualPath(const QString& installFolder)
{
    for (const char* name : {"SV-Manual.pdf", "drlg-man.rtf"}) {
        const QString path = platform::FindFileNoCase(installFolder, QString::fromLatin1(name));
        if (IsFile(path))
            return path;
    }
    return std::nullopt;
}

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
