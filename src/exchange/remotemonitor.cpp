#include "exchange/remotemonitor.h"

#include "exchange/dailyfiles.h"
#include "exchange/filehelpers.h"
#include "exchange/filesets.h"
#include "exchange/unzip.h"
#include "platform/clocktext.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/downloadlog.h"
#include "wellfile/record.h"
#include "wellfile/wellpackage.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <zip.h>

#include <memory>
#include <utility>

namespace exchange {

namespace {

// The text with a trailing "\" (as the stations store folders), held so the field keeps its NUL.
std::string WithSeparator(const QString& text, std::size_t width)
{
    std::string bytes = platform::ToCp1252(text).toStdString();
    if (!bytes.empty() && (bytes.back() == '\\' || bytes.back() == '/')) {
        if (bytes.size() > width - 1)
            bytes.resize(width - 1);
        return bytes;
    }
    if (bytes.size() > width - 2)
        bytes.resize(width - 2);
    return bytes + '\\';
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};

// Whether `entry` is a file of `well`: "<well>.<ext>", its dated day files and pictures ("<well>@...",
// "<well>-ISO@...", "<well>-DES@...") and its TVD twin "~<well without its first letter>.<ext>".
bool WellEntry(const QString& entry, const QString& well)
{
    const QString stem = NameStem(entry);
    if (stem.compare(well, Qt::CaseInsensitive) == 0)
        return true;
    const QString upper = entry.toUpper(), name = well.toUpper();
    if (upper.startsWith(name + QStringLiteral("-ISO@")) || upper.startsWith(name + QStringLiteral("-DES@")))
        return true;
    return well.size() > 1 && !entry.contains(u'@') && stem.compare(u'~' + well.mid(1), Qt::CaseInsensitive) == 0;
}

// The depth of the first record of entry `index`; 0 when it cannot be read.
std::int32_t FirstDepth(zip_t* archive, zip_uint64_t index)
{
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file)
        return 0;
    std::int32_t depth = 0;
    if (zip_fread(file, &depth, sizeof depth) != zip_int64_t(sizeof depth))
        depth = 0;
    zip_fclose(file);
    return depth;
}

// Empty when the package "<well>.sv8" holds only that well's files and every data file in it is whole
// records from a first depth of 1 or more; else why not.
QString CheckPackageEntries(const QString& zipPath, const QString& well)
{
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &error));
    if (!archive)
        return {};  // the unpacking reports it with its own reason
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    unsigned long long total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
            continue;
        const QString name = QString::fromUtf8(st.name);
        if (!WellEntry(name, well))
            return QStringLiteral("\"%1\" is not a file of well %2").arg(name, well);
        if ((st.valid & ZIP_STAT_SIZE) && st.size > wellfile::kMaxPackageEntryBytes)
            return QStringLiteral("\"%1\" unpacks to more than the %2 MiB a station takes of one file")
                .arg(name)
                .arg(wellfile::kMaxPackageEntryBytes >> 20);
        total += (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
        if (total > wellfile::kMaxPackageBytes)
            return QStringLiteral("it unpacks to more than the %1 MiB a station takes of one package")
                .arg(wellfile::kMaxPackageBytes >> 20);
        if (!name.endsWith(QLatin1String(".svm"), Qt::CaseInsensitive))
            continue;
        if (!(st.valid & ZIP_STAT_SIZE) || st.size == 0 || st.size % wellfile::kRecordSize != 0 ||
            FirstDepth(archive.get(), zip_uint64_t(i)) < 1)
            return QStringLiteral("\"%1\" does not hold whole records from a depth of 1 or more").arg(name);
    }
    return {};
}

// Whether files can be made in `folder` now (a read-only folder, or a share mounted read-only, cannot).
bool CanWriteIn(const QString& folder)
{
    QTemporaryFile probe(platform::JoinPath(folder, QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

// The dated day files a package brought go where the charts look for them: "<well>@m-dd-yy.wit" into
// "wits/", ".cht" into "chart/", replacing the older copy there.
void FileReceivedDailyFiles(const QString& dataFolder, const QString& well)
{
    const auto sub = [&dataFolder](const char* name) {
        const QString folder = platform::FindFileNoCase(dataFolder, QString::fromLatin1(name));
        QDir().mkpath(folder);
        return folder;
    };
    MoveWellWitsFiles(dataFolder, sub("wits"), well);
    MoveWellChartFiles(dataFolder, sub("chart"), well);
}

// Moves the package into "rejected/" of the receive folder (a name taken there gets a number) and
// logs why in the data folder's "download.txt".
void Reject(const QString& receiveFolder, const QString& dataFolder, const QString& name, const QString& reason)
{
    const QString folder = platform::JoinPath(receiveFolder, QStringLiteral("rejected"));
    QDir().mkpath(folder);
    QString target = platform::JoinPath(folder, name);
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = platform::JoinPath(folder, name + QStringLiteral(".%1").arg(n));
    const QString from = platform::JoinPath(receiveFolder, name);
    if (!QFile::rename(from, target) && wellfile::CopyFileReplacing(from, target))
        QFile::remove(from);
    wellfile::WriteDownloadLog(dataFolder, QStringLiteral("Package rejected (%1):").arg(reason), target,
                               wellfile::kDownloadNoWord);
}

}  // namespace

RemoteSetupFields SetupFieldsOf(const wellfile::RemoteConfig& config, bool drilling, const QString& dataFolder)
{
    RemoteSetupFields f;
    f.start = config.startOnOpen != 0;
    f.copy = (drilling ? config.updatePackage : config.copyOn) != 0;
    const int shownWhenLow = drilling ? 10 : 30;
    f.interval = QString::number(config.interval < (drilling ? 1 : 10) ? shownWhenLow : config.interval);
    f.receiveFolder = platform::FieldString(config.receiveFolder);
    if (wellfile::NamesNoFolder(f.receiveFolder)) {
        f.receiveFolder = dataFolder;
        f.start = false;
    }
    f.destinationFolder = platform::FieldString(config.destinationFolder);
    if (wellfile::NamesNoFolder(f.destinationFolder)) {
        f.destinationFolder = QLatin1String(wellfile::kNotSelected);
        f.copy = false;
    }
    return f;
}

void StoreSetupFields(wellfile::RemoteConfig& config, const RemoteSetupFields& fields, bool drilling)
{
    config.startOnOpen = fields.start ? 1 : 0;
    const int interval = fields.interval.trimmed().toInt();
    if (drilling) {
        config.updatePackage = fields.copy ? 1 : 0;
        config.interval = interval < 1 ? 2 : interval;
    } else {
        config.copyOn = fields.copy ? 1 : 0;
        config.interval = interval < 10 ? 60 : interval;
    }
    platform::SetFieldText(config.receiveFolder, WithSeparator(fields.receiveFolder, sizeof config.receiveFolder));
    platform::SetFieldText(config.destinationFolder,
                           WithSeparator(fields.destinationFolder, sizeof config.destinationFolder));
    if (wellfile::NamesNoFolder(fields.receiveFolder))
        config.startOnOpen = 0;
    if (wellfile::NamesNoFolder(fields.destinationFolder)) {
        config.copyOn = 0;
        config.updatePackage = 0;
    }
}

PollResult TakeReceivedPackage(const ReceivePlaces& places, ReceiveState& state)
{
    PollResult result;
    const QStringList names = MatchingNames(platform::JoinPath(places.receiveFolder, QStringLiteral("*.sv8")));
    // Forget packages that went away (taken by hand, or by another station).
    for (auto it = state.seen.begin(); it != state.seen.end();)
        it = names.contains(it->first) ? std::next(it) : state.seen.erase(it);
    QString name;
    QFileInfo info;
    for (const QString& candidate : names) {  // name order: every station takes the same one first
        info = QFileInfo(platform::JoinPath(places.receiveFolder, candidate));
        if (info.isFile()) {
            name = candidate;
            break;
        }
    }
    if (name.isEmpty()) {
        if (!QFileInfo(places.receiveFolder).isDir()) {
            // A share that is away: said at every look, logged once until it is back.
            if (!std::exchange(state.folderMissingLogged, true))
                wellfile::WriteDownloadLog(places.dataFolder, QStringLiteral("Receive folder not found:"),
                                           places.receiveFolder, wellfile::kDownloadNoWord);
            result.outcome = PollOutcome::NoFolder;
            return result;
        }
        state.folderMissingLogged = false;
        return result;
    }
    state.folderMissingLogged = false;
    result.package = name;
    const QString path = info.absoluteFilePath();

    SeenPackage& seen = state.seen[name];
    const bool known = seen.size >= 0;
    const bool changed = known && (seen.size != info.size() || seen.modified != info.lastModified());
    if (changed)
        seen.failedOnce = false;
    seen.size = info.size();
    seen.modified = info.lastModified();
    if (changed) {
        result.outcome = PollOutcome::Waiting;
        return result;
    }

    // A data folder that cannot be written is no fault of the package: it waits there for the folder.
    if (!CanWriteIn(places.dataFolder)) {
        result.reason = QStringLiteral("%1 cannot be written").arg(places.dataFolder);
        // The line goes where it can be written: the data folder's log, else the receive folder's.
        const QString line = QStringLiteral("Package waits, %1:").arg(result.reason);
        if (!seen.waitLogged)
            seen.waitLogged =
                wellfile::WriteDownloadLog(places.dataFolder, line, path, wellfile::kDownloadNoWord) == 1 ||
                wellfile::WriteDownloadLog(places.receiveFolder, line, path, wellfile::kDownloadNoWord) == 1;
        result.outcome = PollOutcome::Waiting;
        return result;
    }

    const QString well = name.left(name.size() - 4);  // "<well>.sv8"
    QString reason = CheckPackageEntries(path, well);
    if (reason.isEmpty() && Unzip(path, places.dataFolder, places.dataFolder, true)) {
        // Only a package this station took goes on to the next one.
        if (places.copyOn && !places.destinationFolder.isEmpty())
            wellfile::CopyFileReplacing(path, platform::JoinPath(places.destinationFolder, name));
        state.seen.erase(name);
        QFile::remove(path);
        FileReceivedDailyFiles(places.dataFolder, well);
        result.outcome = PollOutcome::Taken;
        return result;
    }
    if (reason.isEmpty())
        reason = QStringLiteral("it could not be unpacked whole");
    // Seen for the first time and failing: it may still be arriving; one more look before refusing it.
    if (!seen.failedOnce) {
        seen.failedOnce = true;
        result.outcome = PollOutcome::Waiting;
        return result;
    }
    state.seen.erase(name);
    Reject(places.receiveFolder, places.dataFolder, name, reason);
    result.outcome = PollOutcome::Rejected;
    result.reason = reason;
    return result;
}

QString PollStatusText(const PollResult& result, const QString& receiveFolder, const QString& openWell,
                       const QDateTime& now)
{
    switch (result.outcome) {
    case PollOutcome::NoFolder:
        return QStringLiteral("Remote Monitor: the receive folder %1 cannot be found").arg(receiveFolder);
    case PollOutcome::Waiting:
        if (result.reason.isEmpty())
            return {};
        return QStringLiteral("Remote Monitor: package %1 waits, %2").arg(result.package, result.reason);
    case PollOutcome::Rejected:
        return QStringLiteral("Remote Monitor: package %1 rejected (%2), moved to \"rejected\"")
            .arg(result.package, result.reason);
    case PollOutcome::Taken: {
        const QString well = result.package.left(result.package.size() - 4);
        if (well.compare(openWell, Qt::CaseInsensitive) == 0)
            return {};
        return QStringLiteral("Remote Monitor: %1.svm updated AT %2 (%3 is open)")
            .arg(well, platform::FormatTime12(now.time().hour(), now.time().minute()), openWell);
    }
    case PollOutcome::None: break;
    }
    return {};
}

QString ReceivedCaption(const QString& wellName, const QDateTime& now)
{
    const QDate d = now.date();
    const std::string when = platform::CFormat("%2d/%d/%2d", d.month(), d.day(), d.year());
    return wellName + QStringLiteral(".svm  Last Updated AT ") +
           platform::FormatTime12(now.time().hour(), now.time().minute()) + QStringLiteral(",  ") +
           QString::fromStdString(when) + QStringLiteral("  ");
}

int NextRefreshTick(int tick) { return tick >= 999 ? 0 : tick + 1; }

RefreshChores RefreshChoresOf(int tick, bool autoLas, bool liveUpdate, bool drilling, int profile)
{
    RefreshChores c;
    c.exportLas = autoLas && tick > 0 && tick % 10 == 0;
    c.deleteConflicts = liveUpdate && !drilling && profile != 66;
    c.removeOtherWells = c.deleteConflicts && tick % 5 == 0;
    return c;
}

int PickUpPdf(const QString& source, const QString& target, bool pending)
{
    if (!QFileInfo(source).isFile())
        return 0;
    if (!pending) {
        QFile::remove(source);
        return 0;
    }
    QFile::remove(target);
    if (QFile::rename(source, target))
        return 1;
    if (!wellfile::CopyFileReplacing(source, target))
        return 0;  // the PDF stays for the next tick
    QFile::remove(source);
    return 1;
}

}  // namespace exchange

#include "wellfile/sidefiles_settings.h"

namespace exchange {

RemoteLoad LoadRemoteConfig(const QString& dataFolder, const QString& wellName, bool drilling, bool permission,
                            bool firstInstance)
{
    RemoteLoad load;
    wellfile::RemoteConfig config;
    if (!wellfile::LoadDownloadConfig(dataFolder, config)) {
        config = wellfile::RemoteConfig{};
        wellfile::SaveRemoteConfig(dataFolder, config);
    }
    load.start = config.startOnOpen != 0;
    load.copy = config.copyOn != 0;
    load.receiveFolder = platform::FieldString(config.receiveFolder);
    load.destinationFolder = platform::FieldString(config.destinationFolder);
    if (!permission && !drilling)
        load.start = load.copy = false;
    if (drilling) {
        load.sendInterval = config.interval;
        load.depthUnits = config.depthUnitsToSend < 2 ? 100 : int(config.depthUnitsToSend);
        load.copy = false;
        load.handOverFolder = platform::JoinPath(dataFolder, QStringLiteral("sendfile/remote/"));
        load.handOverFile = load.handOverFolder + wellName + QStringLiteral(".zl8");
        const QString destination = wellfile::RemoteFolder(load.destinationFolder);
        load.destinationFile = destination.isEmpty() ? QString() : destination + wellName + QStringLiteral(".zl8");
    }
    if (!firstInstance) {
        // Said only to a station whose settings ask for the monitor: other copies open wells as usual.
        load.refused = load.start;
        load.start = false;
    }
    return load;
}

}  // namespace exchange
