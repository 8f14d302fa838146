#include "shell/startup.h"

#include "app/activitylines.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "drilling/drilling_services.h"
#include "exchange/remotemonitor.h"
#include "platform/clocktext.h"
#include "platform/filesizesignal.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/datesuffix.h"
#include "wellfile/fileattrs.h"
#include "wellfile/profile.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/validate.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellpackage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

#include <unistd.h>

namespace shell {

namespace {

// A sub-folder looked up without regard to letter case (folders copied from Windows stations), made
// with the given name when there is none. Returns its path with a trailing '/'.
QString EnsureFolder(const QString& parent, const QString& name)
{
    const QString found = platform::FindFileNoCase(parent, name);
    if (!QFileInfo(found).isDir())
        QDir().mkpath(found);
    return platform::WithSlash(found);
}

QString Extension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

bool ExtensionIn(const QString& extension, std::initializer_list<const char*> list)
{
    return std::any_of(list.begin(), list.end(), [&](const char* e) {
        return extension.compare(QLatin1String(e), Qt::CaseInsensitive) == 0;
    });
}

// "<file> <words> <user> at <depth> ft <time> <date><company>" for the activity log.
std::string OpenLine(const app::LogState& s, const char* words)
{
    const QDateTime now = platform::LocalTime();
    const QDate d = now.date();
    const std::string date = platform::CFormat("%02d-%02d-%02d ", d.month(), d.day(), d.year() - 2000);
    const std::string time = platform::ToCp1252(platform::FormatTime12(now.time().hour(), now.time().minute())).toStdString();
    std::string company;
    if (const auto first = wellfile::ReadFirstRecord(s.well.file.dataFileName))
        company = platform::FieldText(first->interpretedLith);
    const QByteArray file = platform::ToCp1252(s.well.file.dataFileName);
    const QByteArray user = platform::ToCp1252(s.env.userName);
    return platform::CFormat("%s %s %s at %d ft %s %s%s", file.constData(), words, user.constData(),
                             s.well.file.fileBottomDepth, time.c_str(), date.c_str(), company.c_str());
}

// The folder the remote settings forward a well opened by name to: their destination folder when their
// first flag is set and the folder is chosen; empty otherwise (no settings of the right size too).
QString ForwardFolder(const QString& dataFolder)
{
    wellfile::RemoteConfig remote;
    if (!wellfile::LoadDownloadConfig(dataFolder, remote) || remote.startOnOpen == 0)
        return {};
    return wellfile::RemoteFolder(platform::FieldString(remote.destinationFolder));
}

// The numbered partial data files waiting in the data folder applied to their wells.
void ApplyWaitingPartials(app::LogState& s, const app::WellServices& sv)
{
    if (!QDir(s.well.file.dataFolder).entryList({QStringLiteral("*.5??")}, QDir::Files).isEmpty())
        sv.exchange->ApplyPendingUpdates(s, QStringLiteral("*.5??"));
}

// The demo well, and the Open command when there is none.
void OpenDemo(app::LogState& s, const app::WellServices& sv, const OpenCommand& openCommand)
{
    wellfile::DemoFileActions actions;
    actions.openDataFile = [&](const QString& demo) { app::OpenDataFile(s, sv, demo); };
    actions.openCommand = openCommand;
    wellfile::OpenDemoFile(s.well.loggerId, actions);
}

}  // namespace

bool MarkerFileExists(const QString& installFolder, const char* marker)
{
    return QFileInfo(platform::FindFileNoCase(installFolder, QString::fromLatin1(marker))).isFile();
}

void SettleFolders(app::LogState& s)
{
    app::Environment& env = s.env;
    wellfile::OpenWell& well = s.well.file;
    well.currentFolder = platform::WithSlash(QDir::currentPath());

    QString install;
    if (wellfile::GetInstallDir(install)) {
        while (install.size() > 1 && install.endsWith(u'/'))
            install.chop(1);
        install = platform::WithSlash(install);
    } else {
        install = platform::DefaultInstallFolder();
    }
    env.installFolder = install;
    if (env.programFolder.isEmpty())
        env.programFolder = platform::WithSlash(QCoreApplication::applicationDirPath());
    env.documentsFolder = platform::DocumentsFolder();

    // The default install folder keeps the wells itself; any other install (or a documents marker)
    // keeps them in the user's documents.
    const QString home = platform::WithSlash(platform::CurrentFolderRoots().home);
    const bool standardInstall = platform::SameFolder(install, platform::DefaultInstallFolder()) ||
                                 platform::SameFolder(install, home + QStringLiteral("Strativ/"));
    env.useDocumentsFolder = !standardInstall || MarkerFileExists(install, kDocumentsMarker);

    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    env.userName = user.left(128);

    well.dataFolder = env.useDocumentsFolder ? env.documentsFolder : env.installFolder;
    QDir().mkpath(well.dataFolder);
    env.chartFolder = well.dataFolder + QStringLiteral("chart/");
}

QString SharedInstanceLockPath(const QString& userName)
{
    QString user = userName;
    user.replace(u'/', u'_');
    // The user's runtime folder is theirs alone; the temporary folder is shared with every local user.
    QString base;
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/strativm-") + user + QStringLiteral("/tempM");
}

namespace {
// Makes `folder` when missing and keeps it to this user. False when it cannot be made or belongs to
// someone else: another user who made it first could hold the lock there and keep every copy out.
bool MakeOwnFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QFileInfo info(folder);
    if (info.isSymLink() || !info.isDir() || info.ownerId() != ::getuid())
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
}  // namespace

int CreateInstanceMap(app::LogState& s)
{
    const QString folder = s.env.documentsFolder.isEmpty() ? platform::DocumentsFolder() : s.env.documentsFolder;
    auto lock = std::make_unique<platform::InstanceLock>();
    const auto take = [&](const QString& path) {
        switch (lock->Acquire(path)) {
        case platform::InstanceLock::Outcome::Acquired:
            s.env.lastRunUnclosed = lock->TookOverLeftLock();
            s.env.instanceLock = std::move(lock);
            return 1;
        case platform::InstanceLock::Outcome::HeldByOther: return 0;
        case platform::InstanceLock::Outcome::Unavailable: break;
        }
        return -1;
    };
    int first = take(platform::JoinPath(folder, QStringLiteral("tempM")));
    if (first >= 0)
        return first;
    // The documents folder cannot hold the lock: the temporary folder, which every copy of this user
    // reaches, holds it instead.
    const QString fallback = SharedInstanceLockPath(s.env.userName);
    if (MakeOwnFolder(QFileInfo(fallback).path())) {
        first = take(fallback);
        if (first >= 0)
            return first;
    }
    if (!s.well.file.dataFolder.isEmpty())
        app::WriteActivityLine(s, "No single-instance lock could be made: this copy counts as the first");
    return 1;  // no lock can be made anywhere: no other copy can hold one either
}

void ReleaseInstanceMap(app::LogState& s) { s.env.instanceLock.reset(); }

int& CommandLineFilesTaken()
{
    static int taken = 0;
    return taken;
}

int OpenCommandLineFile(app::LogState& s, const app::WellServices& sv, const QString& path)
{
    wellfile::OpenWell& well = s.well.file;
    const QFileInfo info(path);
    wellfile::SetNormalAttributes(path);

    const QString extension = Extension(path);
    if (extension.isEmpty() || ExtensionIn(extension, {".hdr", ".rpt", ".sho", ".dst", ".topx", ".log"}))
        return 0;
    // A file of another logging program opens the data file it stands for (app::DataFileToOpen).
    if (ExtensionIn(extension, {".svm"}) || wellfile::ProfileFromExtension(wellfile::Profiles(), path)) {
        if (!app::OpenDataFile(s, sv, path))
            return 0;
        well.viewTopDepth = wellfile::DefaultViewTop(well);
        return 1;
    }
    if (!ExtensionIn(extension, {".zl9", ".sv9", ".sv8", ".zl8", ".TD_", ".sl_", ".cl_", ".cr_", ".zip", ".dl_"}))
        return 0;
    if (!info.isFile())
        return 0;

    // The package is read where it lies, wherever that is (a browser's download cache too), and left
    // there: only what the program made itself is ever deleted.
    const wellfile::PackageResult unpacked = wellfile::ExtractPackage(path, well.dataFolder);
    if (!unpacked.ok) {
        s.env.commandLineFile.clear();
        s.view.holdRepaint = false;
        wellfile::ReportPackageFailure(path, unpacked);
        return 0;
    }

    // Browsers number repeated downloads "WELL[1].sv8" or "WELL(1).sv8": the well is "WELL".
    QString name = info.completeBaseName();
    const qsizetype mark = name.indexOf(QRegularExpression(QStringLiteral("[\\[(]")));
    if (mark >= 0)
        name.truncate(mark);
    const QString dataFile = platform::FindFileNoCase(well.dataFolder, name + QStringLiteral(".svm"));
    if (!QFileInfo(dataFile).isFile()) {
        platform::MessageBox(dataFile, QStringLiteral("SVM File Not found"));
        return 0;
    }
    if (!app::OpenDataFile(s, sv, dataFile))
        return 0;
    wellfile::LoadOfc(well.dataFolder, well.wellName, s.well.officeCopy);
    return 1;
}

void TellUnclosedDrilling(app::LogState& s)
{
    const wellfile::OpenWell& well = s.well.file;
    if (!std::exchange(s.env.lastRunUnclosed, false) || !s.well.fileOpened || app::ReceivingStation(s) ||
        !wellfile::RestartsInDrilling(s.well.config, well.wellName))
        return;
    const QString then = QStringLiteral("The last run of StrativM ended without closing while drilling ") + well.wellName +
                         QStringLiteral(" at depth %1.\n").arg(well.fileBottomDepth);
    // Queued: a box the link posted meanwhile (the file caught up with the rig) may stand already.
    platform::QueueMessageBox(then + (well.drilling ? QStringLiteral("Drilling mode is on again.")
                                                    : QStringLiteral("Drilling mode is off: choose Options > "
                                                                     "Drilling to drill on.")),
                              QStringLiteral("Drilling"));
}

int StartUp(app::LogState& s, const app::WellServices& sv, const OpenCommand& openCommand)
{
    app::Environment& env = s.env;
    wellfile::OpenWell& well = s.well.file;
    // A file that may grow no more fails its write with the reason, as a full disk does.
    platform::IgnoreFileSizeSignal();
    int& taken = CommandLineFilesTaken();
    if (taken > 0)
        env.commandLineFile.clear();
    env.serverStation = MarkerFileExists(env.installFolder, kServerMarker);
    env.commandLineStart = false;
    // The switches of the installation that no dialog sets: the live view (the shared-wells bar), the
    // separate flare track and its continue flag, the combined gas track and capitals in descriptions.
    const auto on = [](const char* key) {
        return platform::ReadSetting(QStringLiteral("Options/") + QLatin1String(key), QStringLiteral("0")).trimmed().toInt() != 0;
    };
    s.view.liveView = on("LiveView");
    s.layout.flareTrack = on("FlareTrack") ? 1 : 0;
    s.entry.flareContinue = on("FlareContinue");
    s.layout.combinedGasTrack = on("CombinedGasTrack");
    s.notes.allCapsDescriptions = on("MemoAllCaps");

    bool opened = false;
    if (!env.commandLineFile.isEmpty() && taken < 2) {
        env.commandLineStart = true;
        ++taken;
        opened = OpenCommandLineFile(s, sv, env.commandLineFile) == 1;
        env.commandLineFile.clear();
        // A refused file: the start goes on as one without a command line (saved view top, drilling).
        env.commandLineStart = opened;
        if (opened) {
            well.viewTopDepth = wellfile::DefaultViewTop(well);
            if (well.drilling && sv.drilling)
                sv.drilling->CmDrilling(s);
            ApplyWaitingPartials(s, sv);
            const QString officeFolder = platform::FieldString(s.well.officeCopy.folder);
            if (!well.drilling) {
                if (!officeFolder.isEmpty())
                    sv.exchange->CopyWellFilesLogged(s, well.wellName, officeFolder);
                else if (const QString forward = ForwardFolder(well.dataFolder); !forward.isEmpty())
                    sv.exchange->CopyWellFiles(s, well.wellName, forward);
            }
            const QString day = wellfile::DateSuffix(platform::LocalTime().date());
            const QString dayFile = platform::JoinPath(well.dataFolder, well.wellName + day);
            if (QFileInfo::exists(dayFile + QStringLiteral(".cht")))
                sv.exchange->ArchiveChartFile(s, dayFile + QStringLiteral(".cht"));
            if (QFileInfo::exists(dayFile + QStringLiteral(".wit")))
                sv.exchange->ArchiveWitsFile(s, dayFile + QStringLiteral(".wit"));
            if (env.logOpenLines)
                app::WriteActivityLine(s, OpenLine(s, "Opened By Cmd by"));
        }
    }

    if (!opened) {
        QString last;
        bool demoOpened = false;
        const auto openDemo = [&] {
            OpenDemo(s, sv, openCommand);
            demoOpened = true;
        };
        // With no ini (a first start) the demo well opens, or the Open command when there is none.
        if (!wellfile::LoadIni(well.dataFolder, last, openDemo))
            openDemo();
        if (!last.isEmpty())
            opened = app::OpenDataFile(s, sv, last) == 1;
        else if (demoOpened)
            opened = s.well.fileOpened;
        if (opened) {
            env.logOpenLines = true;
            app::WriteActivityLine(s, OpenLine(s, "Opened by"));
        }
        // Partial files kept after a failed write are applied at every start, however the well opened.
        if (s.well.fileOpened)
            ApplyWaitingPartials(s, sv);
    }

    sv.window->RebuildMenu(s);
    if (s.timers) {
        // Timer 3 runs for the window's life; its work waits for drilling mode.
        s.timers->SetTimer(3, 10000);
        if (!well.drilling)
            s.timers->SetTimer(5, 10000);
    }
    if (env.remoteMonitorOn)
        sv.exchange->PollReceiveDir(s, sv);
    else
        sv.exchange->RenameReceivedImage(s);
    CreateWellFolders(s);
    sv.exchange->BackupWellFiles(s, 0);
    if (env.verboseActivityLog)
        app::WriteActivityLine(s, "initilize");
    return 1;
}

void CreateWellFolders(app::LogState& s)
{
    const QString data = s.well.file.dataFolder;
    if (data.isEmpty() || !QFileInfo(data).isDir())
        return;
    app::Environment& env = s.env;
    env.witsFolder = s.well.sharedFolderWell ? s.well.file.currentFolder : EnsureFolder(data, QStringLiteral("WITS"));

    // The station number names this unit's shared folders; it is a setting of the installation.
    const int station = platform::ReadSetting(QStringLiteral("STATION/NUMBER"), QStringLiteral("1")).toInt();
    const QString prefix = wellfile::LoggerFilePrefix(s.well.loggerId);
    const QString company = prefix.section(u' ', 0, 0);
    const QString dropbox = platform::FindFileNoCase(data, QStringLiteral("Dropbox"));
    const bool hasDropbox = QFileInfo(dropbox).isDir();
    if (hasDropbox) {
        const QString unit = company + QString::fromStdString(platform::CFormat("%03d", station));
        env.sharedFolder = EnsureFolder(dropbox, unit);
        env.sharedChartFolder = EnsureFolder(dropbox, unit + QStringLiteral("_chart"));
        if (wellfile::FeetFormatProfile(s.well.loggerId))
            EnsureFolder(env.sharedFolder, QStringLiteral("backup"));
        EnsureFolder(data, QStringLiteral("Bitmaps"));
    } else {
        env.sharedFolder = data + QStringLiteral("Dropbox/") + company + QString::number(station) + u'/';
        env.sharedChartFolder = data + QStringLiteral("chart") + QString::number(station) + u'/';
        EnsureFolder(data, QStringLiteral("remote"));
    }
    EnsureFolder(EnsureFolder(data, QStringLiteral("VIEWS")), QStringLiteral("FIT"));
    EnsureFolder(data, QStringLiteral("chart"));
    EnsureFolder(data, QStringLiteral("gas"));
    const QString sendfile = platform::FindFileNoCase(data, QStringLiteral("sendfile"));
    if (QFileInfo(sendfile).isDir())
        EnsureFolder(sendfile, QStringLiteral("remote"));
    else
        EnsureFolder(data, QStringLiteral("sendfile"));
    for (const char* name : {"mudloglas", "bitmaps", "archives", "backup"})
        EnsureFolder(data, QString::fromLatin1(name));
}

}  // namespace shell
