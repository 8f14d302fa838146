#include "wits/witswindow.h"

#include "app/logstate.h"
#include "exchange/datesuffix.h"
#include "platform/folders.h"
#include "wits/dailyfile.h"

#include <QFileInfo>

namespace wits {

QString TodaysWitsFile(app::LogState& log)
{
    exchange::MakeDateSuffix(log.now);
    const QString folder = log.env.witsFolder.isEmpty()
                               ? platform::FindFileNoCase(log.well.file.dataFolder, QStringLiteral("wits"))
                               : log.env.witsFolder;
    return DailyWitsFileName(folder, log.well.file.wellName, log.now.date());
}

bool WriteWitsRecord(app::LogState& log, const WITSRECORD* samples, const QString& path, int count)
{
    const QString today = TodaysWitsFile(log);
    const QString name = path.isEmpty() ? today : path;
    if (!WriteDailyRecords(name, log.now.date(), samples, count))
        return false;
    const app::WitsCopyOptions& copy = log.witsCopy;
    if (log.well.fileOpened && copy.remoteCopy) {
        const QString folder = copy.alternateRemoteFolder
                                   ? copy.remoteFolder
                                   : platform::FindFileNoCase(log.well.file.dataFolder, QStringLiteral("remote"));
        CopyDailyFile(name, folder, log.well.file.wellName + exchange::DateSuffix(log.now.date()) + QStringLiteral(".wit"));
    }
    return true;
}

std::optional<std::vector<WITSRECORD>> OpenWitsFile(app::LogState& log, const QString& path)
{
    return ReadDailyFile(path.isEmpty() ? TodaysWitsFile(log) : path);
}

bool RefreshLiveWits(app::LogState& log, const std::function<void(std::vector<WITSRECORD>&)>& updateLive)
{
    app::WitsChartLink& link = log.witsChart;
    link.currentWitsFile = TodaysWitsFile(log);
    const QFileInfo info(link.currentWitsFile);
    if (!info.exists())
        return false;
    const QDateTime written = info.lastModified();
    const bool changed = link.lastWitsWrite.isValid() && written != link.lastWitsWrite;
    link.lastWitsWrite = written;
    if (!changed)
        return false;
    std::optional<std::vector<WITSRECORD>> samples = ReadDailyFile(link.currentWitsFile);
    if (!samples)
        return false;
    updateLive(*samples);
    return true;
}

}  // namespace wits
