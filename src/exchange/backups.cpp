#include "exchange/backups.h"

#include "app/interactionstate.h"
#include "app/opendatafile.h"
#include "app/wellstate.h"
#include "drilling/driller.h"
#include "exchange/filehelpers.h"
#include "exchange/sendfile.h"
#include "exchange/sendpackage.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "wellfile/backupdrive.h"
#include "wellfile/datafile.h"
#include "wellfile/datesuffix.h"
#include "wellfile/drives.h"
#include "wellfile/profile.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

namespace exchange {

namespace {

constexpr int kKeptCopies = 10;

void Delete(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    QFile::remove(path);
}

QString DriveTarget(const DriveBackupPlaces& p, const QString& extension)
{
    return p.driveRoot + p.wellName + u'/' + p.wellName + extension;
}

qint64 SizeOf(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

// The well's send package, packed as Send File packs it (its send options, the shorter list when the
// full one fails), written as "sendfile/<well>.sv_" and copied to the drive's root. The copy's path, or
// empty when it could not be packed or copied.
QString CopySvFile(const app::WellState& well, const DriveBackupPlaces& p, const QDate& today)
{
    const SendLists lists = SendFileListsOf(well, today);
    const QString send = SendFolderOf(p.dataFolder);
    QDir().mkpath(send);
    const QString package = send + p.wellName + QStringLiteral(".sv_");
    if (!WriteFreshPackage(package, lists.full).ok && !WriteFreshPackage(package, lists.retry).ok)
        return {};
    const QString copy = p.driveRoot + p.wellName + QStringLiteral(".sv_");
    return wellfile::CopyFileReplacing(package, copy) ? copy : QString();
}

int ZipDailyToDrive(const DriveBackupPlaces& p, const QDate& today, const QString& folder, const QString& extension,
                    const QString& zipExtension, const QString& what)
{
    const QString suffix = wellfile::DateSuffix(today);
    const QString archive = DriveTarget(p, suffix + zipExtension);
    const QString source = platform::JoinPath(platform::FindFileNoCase(p.dataFolder, folder),
                                              p.wellName + suffix + extension);
    const QString found = platform::FindFileNoCase(QFileInfo(source).path(), QFileInfo(source).fileName());
    QDir().mkpath(QFileInfo(archive).path());
    const bool ok = QFileInfo(found).isFile() &&
                    wellfile::WritePackage(archive, {found}, wellfile::kPackageLevel, wellfile::PackageWrite::Replace).ok;
    platform::MessageBox((ok ? what + QStringLiteral(" file compressed to %1") : what + QStringLiteral(" file compression failed %1"))
                             .arg(archive),
                         source, platform::MB_OK);
    return 1;
}

}  // namespace

QString DatedCopyBase(const QString& wellName, int bottomDepth, const QTime& time)
{
    const int depth = bottomDepth - bottomDepth % 2;
    return QStringLiteral("%1@%2-%3%4").arg(wellName).arg(depth).arg(time.hour()).arg(time.minute());
}

bool IsDatedCopyOf(const QString& fileName, const QString& wellName)
{
    const QRegularExpression dated(u'^' + QRegularExpression::escape(wellName) + QStringLiteral("@\\d+-\\d+\\.[^.]+$"),
                                   QRegularExpression::CaseInsensitiveOption);
    return !wellName.isEmpty() && dated.match(fileName).hasMatch();
}

int PruneDatedCopies(const QString& folder, const QString& wellName, int bottomDepth, const QString& extension)
{
    QStringList copies;
    for (const QString& name : FilesMatching(folder, u'*' + extension))
        if (IsDatedCopyOf(QFileInfo(name).fileName(), wellName))
            copies << QFileInfo(name).fileName();
    if (copies.isEmpty())
        return 0;
    if (copies.size() > kKeptCopies) {
        SortFileNames(copies, int(copies.size()), 0);
        for (qsizetype i = 0; i < copies.size() - kKeptCopies; ++i) {
            if (DatedNameKey(copies[i], 0) >= bottomDepth)
                continue;
            const QString base = QFileInfo(copies[i]).completeBaseName();
            Delete(platform::JoinPath(folder, copies[i]));
            for (const char* extension : {".svx", ".mem", ".hxt"}) {
                const QString side = platform::FindFileNoCase(folder, base + QLatin1String(extension));
                if (QFileInfo(side).isFile())
                    Delete(side);
            }
        }
    }
    return 1;
}

QString DatedCopyFolder(app::WellState& state, bool toDrive)
{
    wellfile::OpenWell& well = state.file;
    wellfile::ListDrives(well);
    if (toDrive) {
        const QString drive = wellfile::BackupDriveRoot(
            platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(state.config.backupDrive))));
        if (wellfile::HasBackupDrive(drive) && well.drives.contains(drive) && wellfile::IsRemovableDrive(drive))
            return platform::MadeSubFolder(drive, well.wellName);
    }
    return platform::MadeSubFolder(well.dataFolder, QStringLiteral("backup"));
}

QString SharedBackupFolder(const app::WellState& well, const QString& sharedFolder)
{
    if (!well.sharedFolderWell || !wellfile::FeetFormatProfile(well.loggerId) || !QFileInfo(sharedFolder).isDir())
        return {};
    return platform::MadeSubFolder(sharedFolder, QStringLiteral("backup"));
}

int BackupWellFiles(app::WellState& state, int toDrive, const QString& sharedFolder)
{
    const wellfile::OpenWell& well = state.file;
    if (well.wellName.isEmpty())
        return 0;
    const QString custom = SharedBackupFolder(state, sharedFolder);
    const int pruned = PruneDatedCopies(DatedCopyFolder(state, toDrive != 0), well.wellName, well.fileBottomDepth);
    if (custom.isEmpty())
        return pruned;
    return PruneDatedCopies(custom, well.wellName, well.fileBottomDepth, QStringLiteral(".svx")) | pruned;
}

int BackupData(app::WellState& state, const app::InteractionState& interaction, const drilling::Driller* driller,
               int toDrive, const QString& sharedFolder)
{
    if (interaction.commandLock || interaction.dataEntryActive)
        return 0;
    if (driller && (driller->Records().backupSkip[0] || driller->Records().backupSkip[1]))
        return 0;
    const wellfile::OpenWell& well = state.file;
    if (well.wellName.isEmpty() || !QFileInfo(well.dataFileName).isFile())
        return 0;
    BackupWellFiles(state, toDrive, sharedFolder);
    const QString target =
        WriteDatedCopy(well, DatedCopyFolder(state, toDrive != 0), SharedBackupFolder(state, sharedFolder));
    if (target.isEmpty())
        return 0;
    state.backup.lastBackupPath = target;
    return 1;
}

QString WriteDatedCopy(const wellfile::OpenWell& well, const QString& folder, const QString& customFolder)
{
    const QString svm = QStringLiteral(".svm"), svx = QStringLiteral(".svx");
    // Two times can give one name (1:47 and 14:07 both give "-147"): the later copy takes the next.
    const QString base = wellfile::FreeNumberedPath(
        folder + DatedCopyBase(well.wellName, well.fileBottomDepth, platform::services().clock->LocalTime().time()),
        {svm, svx});
    if (!wellfile::CopyFileReplacing(well.dataFileName, base + svm))
        return {};
    const QString custom = platform::FindFileNoCase(well.currentFolder, well.wellName + svx);
    if (QFileInfo(custom).isFile())
        wellfile::CopyFileReplacing(custom, (customFolder.isEmpty() ? folder : customFolder) +
                                                QFileInfo(base).fileName() + svx);
    return base + svm;
}

int CheckDataFileSequence(const QString& dataFile, const std::function<void()>& repair)
{
    QFile f(dataFile);
    if (!f.open(QIODevice::ReadOnly)) {
        platform::MessageBox(dataFile, QStringLiteral("File Error In Read Records"), platform::MB_OK);
        return 0;
    }
    const QByteArray bytes = f.readAll();
    const qsizetype count = bytes.size() / qsizetype(sizeof(wellfile::RECORD));
    const auto depthAt = [&bytes](qsizetype i) {
        std::int32_t depth = 0;
        std::memcpy(&depth, bytes.constData() + i * qsizetype(sizeof(wellfile::RECORD)), sizeof depth);
        return depth;
    };
    // The file's own step: a blank file of every second depth is as whole as one of every depth.
    const std::int32_t step = count >= 2 && depthAt(1) > depthAt(0) ? depthAt(1) - depthAt(0) : 1;
    for (qsizetype i = 1; i < count; ++i) {
        if (depthAt(i) != depthAt(i - 1) + step) {
            if (repair)
                repair();
            return 0;
        }
    }
    return 1;
}

int CheckBackupSize(const DriveBackupPlaces& p, bool final, bool skip, const std::function<void()>& repair)
{
    const qint64 copy = SizeOf(DriveTarget(p, QStringLiteral(".svm")));
    const qint64 source = CheckDataFileSequence(p.dataFile, repair) ? SizeOf(p.dataFile) : 0;
    if (skip)
        return 1;
    if (final) {
        const bool same = source == copy;
        QString text = QString::fromStdString(
            platform::CFormat("Source file size= %ld \n\rBackup file size= %ld", long(source), long(copy)));
        if (same)
            text += QStringLiteral("\n\rBacked up to ") + QFileInfo(DriveTarget(p, QStringLiteral(".svm"))).path() + u'/';
        platform::MessageBox(text, same ? QStringLiteral("Back up Success") : QStringLiteral("SIZE ERROR"), platform::MB_OK);
        return same ? 1 : 0;
    }
    if (source >= copy)
        return 1;
    const QString question = QStringLiteral(
        "Current back up file is deeper than current data file\nIf you have made a depth correction shallower\n"
        "since the last backup, click OK to continue.\n\nOtherwise click cancel to abort and try a different\n"
        "disk in the drive. SAVE THE OLD DISK!\nIf not sure Call the office or Pat Quarry");
    return platform::MessageBox(question + u' ', QStringLiteral("Back Up"), platform::MB_OKCANCEL) == platform::IDOK ? 1 : 0;
}

int ZipDataToDrive(const DriveBackupPlaces& p)
{
    QStringList files = StemFilesIn(p.currentFolder, p.wellName);
    const QString gasmon = platform::FindFileNoCase(p.currentFolder, QStringLiteral("gasmon.cfg"));
    if (QFileInfo(gasmon).isFile())
        files << gasmon;
    const QString zip = DriveTarget(p, QStringLiteral(".zip"));
    const wellfile::PackageWriteResult written =
        wellfile::WritePackage(zip, files, wellfile::kPackageLevel, wellfile::PackageWrite::Replace);
    if (!written.ok) {
        platform::MessageBox(QStringLiteral("Error No. %1").arg(written.zipError ? written.zipError : 1),
                             QStringLiteral("Zip failed"), platform::MB_OK);
        return 0;
    }
    const QString settings = platform::FindFileNoCase(p.dataFolder, QStringLiteral("gasmon.cfg"));
    if (QFileInfo(settings).isFile())
        wellfile::CopyFileReplacing(settings, p.driveRoot + QStringLiteral("gasmon.cfg"));
    return 1;
}

int ZipChartToDrive(const DriveBackupPlaces& p, const QDate& today)
{
    return ZipDailyToDrive(p, today, QStringLiteral("chart"), QStringLiteral(".cht"), QStringLiteral(".ch_"),
                           QStringLiteral("Chart"));
}

int ZipWitsToDrive(const DriveBackupPlaces& p, const QDate& today)
{
    return ZipDailyToDrive(p, today, QStringLiteral("wits"), QStringLiteral(".wit"), QStringLiteral(".wi_"),
                           QStringLiteral("Wits"));
}

int BackupToDrive(app::WellState& wellState, const BackupLinks& links, int quiet, const BackupDialog& dialog)
{
    wellfile::OpenWell& well = wellState.file;
    app::BackupState& state = wellState.backup;
    if (well.wellName.isEmpty())
        return 0;
    const auto say = [quiet](const QString& text, const QString& caption) {
        if (!quiet)
            platform::MessageBox(text, caption, platform::MB_OK);
    };

    // 1.-2. The configured drive, "C:\" (the user's home folder) when it is not mounted.
    wellfile::ListDrives(well);
    const wellfile::WellPlace place = app::PlaceOf(wellState);
    wellfile::WellConfig config{};
    QString drive = QStringLiteral("C:\\");
    if (wellfile::LoadConfig(config, place, wellState.fieldSettings))
        drive = wellfile::BackupDriveRoot(platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(config.backupDrive))));
    else
        config = wellState.config;
    if (wellfile::HasBackupDrive(drive) && !well.drives.contains(drive))
        drive = QStringLiteral("C:\\");
    if (!wellfile::HasBackupDrive(drive)) {
        drive = wellfile::SystemDriveFolder();
        say(QStringLiteral("Back Ups to %1 WILL NOT be available if the harddrive crashes\nRecommend backing up to USB "
                           "Thumb drive")
                .arg(drive),
            QStringLiteral("Information"));
    }

    // 3. The dialog; the choice is kept in the well's settings.
    if (!quiet) {
        if (!dialog)
            return 0;
        BackupChoice choice;
        choice.drives = well.drives;
        choice.drive = drive;
        choice.profile = wellState.loggerId;
        choice.gasMonitorType = links.gasMonitorType;
        choice.witsLinkOn = links.witsLinkOn;
        choice.lastBackedUpDepth = state.lastBackedUpDepth;
        if (!dialog(choice))
            return 0;
        state.requestDepth = well.fileBottomDepth;
        state.compress = choice.compress;
        state.gasCharts = choice.gasCharts;
        state.witsCharts = choice.witsCharts;
        state.svFile = choice.svFile;
        drive = choice.drive;
        const QString stored = wellfile::HasBackupDrive(drive) ? drive.left(wellfile::kBackupDriveChars) : QStringLiteral("C:\\");
        platform::SetFieldText(config.backupDrive, platform::ToCp1252(stored).toStdString());
        platform::SetFieldText(wellState.config.backupDrive, platform::ToCp1252(stored).toStdString());
        wellfile::SaveConfig(config, place, wellState.fieldSettings);
    }

    // 4.-5. The drive must be there still; the target folder is made. The copies take a while.
    const platform::WaitCursor wait;
    DriveBackupPlaces p{well.dataFileName, well.currentFolder, well.dataFolder, well.wellName,
                        wellfile::HasBackupDrive(drive) ? platform::WithSlash(drive) : wellfile::SystemDriveFolder()};
    if (!QFileInfo(p.driveRoot).isDir() || !QDir().mkpath(p.driveRoot + well.wellName)) {
        say(QStringLiteral("Failure reading drive "), QStringLiteral("Backup"));
        return 0;
    }
    const std::function<void()> repair = well.hooks.loadAndRepairRecords;

    // 6. A file with a depth break is repaired, never backed up.
    if (!CheckDataFileSequence(p.dataFile, repair)) {
        say(QStringLiteral("Error in file Back up Aborted"), QStringLiteral("Backup"));
        return 0;
    }
    const QDate today = platform::services().clock->LocalTime().date();
    if (state.compress) {
        // 8. One zip of the well's files.
        if (!ZipDataToDrive(p))
            return 0;
        state.lastBackedUpDepth = well.fileBottomDepth;
    } else {
        // 7. A plain copy, replacing the old one only when whole.
        if (!CheckBackupSize(p, false, state.skipSizeCheck, repair))
            return 0;
        if (!wellfile::CopyFileReplacing(p.dataFile, DriveTarget(p, QStringLiteral(".svm")))) {
            say(QStringLiteral("Failure reading drive ") + p.driveRoot, QStringLiteral("Backup"));
            return 0;
        }
        if (!CheckBackupSize(p, true, state.skipSizeCheck, repair))
            return 0;
        state.lastBackedUpDepth = well.fileBottomDepth;
    }
    if (!quiet || state.compress) {
        if (state.gasCharts)
            ZipChartToDrive(p, today);
        if (links.witsLinkOn && state.witsCharts)
            ZipWitsToDrive(p, today);
    }
    if (state.svFile && CopySvFile(wellState, p, today).isEmpty())
        say(p.driveRoot + p.wellName + QStringLiteral(".sv_\ncould not be made"), QStringLiteral("Backup"));
    state.svFile = false;
    return 1;
}

}  // namespace exchange
