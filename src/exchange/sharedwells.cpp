#include "exchange/sharedwells.h"

#include "exchange/filehelpers.h"
#include "exchange/housekeeping.h"
#include "exchange/liveupdate.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/checkheader.h"
#include "wellfile/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <array>
#include <cstring>
#include <vector>

namespace exchange {

namespace {

// Users that see every well of the root.
constexpr std::array<const char*, 4> kAllWellsUsers = {"TOMAS", "KIT4", "Lux5", "OVERSEERGROUP"};
// A summary is read from the last this many records.
constexpr int kSummaryRecords = 250;
// A data file needs more records than this to have a summary.
constexpr int kShortFileRecords = 25;

bool IsUser(const QString& userName, const char* name)
{
    return userName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QString StemOf(const QString& path)
{
    return QFileInfo(QString(path).replace(u'\\', u'/')).completeBaseName();
}

}  // namespace

LiveBarFontSize LiveBarFont(int rowHeight, int charWidth, int screenWidth)
{
    if (rowHeight == 9)
        return {-10, -9};
    if (screenWidth == 800)
        return {-(rowHeight + 3), -charWidth};
    if (screenWidth == 1024)
        return {-(rowHeight + 4), -(charWidth - 1)};
    return {-(rowHeight + 14), -(charWidth + 2)};
}

LiveBarPlace PlaceLiveBar(int mainLeft, int mainTop, int mainWidth, int logWidth, int unitWidth)
{
    return {mainLeft + 4, mainTop + 45, std::min(logWidth, mainWidth) - unitWidth};
}

QString SharedWellsRoot(const QString& dataFolder)
{
    QString root = platform::ReadSetting(QStringLiteral("SharedWellsRoot"));
    if (root.isEmpty())
        root = platform::FindFileNoCase(dataFolder, QStringLiteral("Dropbox"));
    return root.endsWith(u'/') ? root : root + u'/';
}

bool HasAllWellsRight(const QString& userName)
{
    for (const char* name : kAllWellsUsers)
        if (IsUser(userName, name))
            return true;
    return false;
}

QString SharedWellFilter(const QString& userName)
{
    // The customer rows that would replace the filter by a fixed word are none here.
    return userName.section(u'$', 0, 0);
}

int ListSharedWells(const QString& root, const QString& userName, QStringList& list)
{
    const bool right = HasAllWellsRight(userName);
    const QString filter = SharedWellFilter(userName).toUpper();
    if (filter.isEmpty() && !right)
        return 0;
    int added = 0;
    for (const QString& entry : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString upper = entry.toUpper();
        if (!(right && entry.size() >= 6) && !upper.contains(filter))
            continue;
        if (upper.contains(QLatin1String("CHART")))
            continue;
        const QString folder = platform::JoinPath(root, entry);
        QString name;
        if (FindFirstName(name, platform::JoinPath(folder, QStringLiteral("*.svm"))) &&
            QFileInfo(platform::JoinPath(folder, name)).isFile()) {
            list << platform::JoinPath(folder, name);
            ++added;
        }
    }
    return added;
}

int KeepWell(const SharedWellsUser& user, const QString& path)
{
    if (IsUser(user.userName, "TOMAS"))
        return 1;
    if (!user.openWell.isEmpty() && path.contains(user.openWell, Qt::CaseInsensitive))
        return 1;
    const QFileInfo info(path);
    // A file that cannot be seen now (a share not mounted) has no age to judge.
    if (!info.isFile() || info.lastModified().secsTo(user.now) < kIdleWellSeconds)
        return 1;
    if (!user.userFolder.isEmpty())
        DeleteWellFromFolder({}, platform::JoinPath(user.userFolder, StemOf(path) + QStringLiteral(".svm")), false);
    return 0;
}

int ReadWellSummary(const QString& path, int timeZone, WellSummary& summary)
{
    summary = {};
    if (path.isEmpty())
        return 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    const qsizetype count = bytes.size() / wellfile::kRecordSize;
    if (count <= kShortFileRecords)
        return 0;
    wellfile::RECORD record;
    for (qsizetype i = std::max<qsizetype>(0, count - kSummaryRecords); i < count; ++i) {
        std::memcpy(&record, bytes.constData() + i * wellfile::kRecordSize, sizeof record);
        if (record.gas[0] > 1.0f) {
            summary.gasDepth = record.depth;
            summary.gasValue = int(record.gas[0]);
        }
        const std::string lith = platform::FieldText(record.lith);
        if (QString::fromLatin1(lith).compare(QLatin1String("100bl"), Qt::CaseInsensitive) != 0) {
            summary.lithDepth = record.depth;
            summary.lithText = platform::FromCp1252(QByteArray::fromStdString(lith));
        }
    }
    summary.lastDepth = record.depth;
    // The change time as the runtime's ctime writes it, then the stations' last-update text.
    const QString ctime =
        QLocale::c().toString(QFileInfo(file).lastModified(), QStringLiteral("ddd MMM d HH:mm:ss yyyy"));
    summary.timeText = FormatTimeText(ctime, timeZone);
    return 1;
}

QString WellLine(const QString& path, const WellSummary& summary)
{
    return QString::fromStdString(platform::CFormat("%-25s at %-6d Mod %s  Gas at %-6d=%dU   %-s",
                                                    StemOf(path).toStdString().c_str(), summary.lastDepth,
                                                    summary.timeText.toStdString().c_str(), summary.gasDepth,
                                                    summary.gasValue, ""));
}

int LiveTimeZone(const wellfile::WellPlace& place, int profile)
{
    if (profile == 19)
        return 0;
    auto block = std::make_unique<wellfile::SettingsBlock>();
    wellfile::LoadDbc(*block, place);
    const int hours = block->timeZoneAdjust;
    return hours >= -24 && hours <= 24 ? hours : wellfile::CheckHeader(place);
}

SharedWellList FillWellList(const SharedWellsUser& user, const QString& root, int timeZone,
                            wellfile::SettingsBlock& block, bool blockRead, bool& store)
{
    QStringList found;
    if (user.userName.contains(u'$') || HasAllWellsRight(user.userName))
        ListSharedWells(root, user.userName, found);
    if (found.isEmpty()) {
        const int stored = std::clamp(block.fileCount, 0, kSharedWellSlots);
        for (int i = 0; i < stored; ++i) {
            const QString path = ListedFile(block, i);
            if (!path.isEmpty() && QFileInfo(path).isFile())
                found << path;
        }
    }
    QStringList kept;
    for (const QString& path : found) {
        if (kept.size() == kSharedWellSlots)
            break;
        if (KeepWell(user, path))
            kept << path;
    }
    std::memset(block.fileList, 0, sizeof block.fileList);
    int slot = 0;
    for (const QString& path : kept)
        if (SetListedFile(block, slot, path))
            ++slot;
    block.fileCount = slot;
    store = blockRead;

    SharedWellList list;
    for (const QString& path : kept) {
        if (!QFileInfo(path).isFile())
            continue;
        WellSummary summary;
        ReadWellSummary(path, timeZone, summary);
        if (!user.openWell.isEmpty() && path.contains(user.openWell, Qt::CaseInsensitive))
            list.selected = int(list.paths.size());
        list.paths << path;
        list.lines << WellLine(path, summary);
    }
    return list;
}

}  // namespace exchange
