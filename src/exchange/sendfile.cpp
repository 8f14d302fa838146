#include "exchange/sendfile.h"

#include "app/copythreads.h"
#include "app/engines.h"
#include "app/wellstate.h"
#include "app/windowgroups.h"
#include "exchange/filesets.h"
#include "exchange/remotemonitor.h"
#include "exchange/sendpackage.h"
#include "platform/folders.h"
#include "platform/messagewindows.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/sendheadercopy.h"
#include "wellfile/deletefiles.h"
#include "wellfile/downloadlog.h"
#include "wellfile/horzsetuprecord.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace exchange {

namespace {

void DeletePatterns(const QString& folder, std::initializer_list<const char*> patterns)
{
    for (const char* pattern : patterns)
        wellfile::DeleteFiles(folder, QString::fromLatin1(pattern));
}

// Today's dated copy of a daily file of `subfolder` into the send folder.
int SendDatedFile(const QString& dataFolder, const QString& wellName, const QDate& today, const char* subfolder,
                  const QString& extension)
{
    const QString copy = DatedSendCopy(dataFolder, wellName, today, extension);
    const QString source = platform::FindFileNoCase(
        platform::FindFileNoCase(dataFolder, QString::fromLatin1(subfolder)), QFileInfo(copy).fileName());
    if (QFileInfo(source).isFile())
        wellfile::CopyFileReplacing(source, copy);
    return 1;
}

ClearPlaces ClearPlacesOf(const PackageState& s)
{
    const wellfile::OpenWell& f = s.well.file;
    return {f.dataFolder, s.sharedFolder, f.wellName, s.well.loggerId, false};
}

QDate Today(QDateTime& now)
{
    now = platform::LocalTime();
    return now.date();
}

}  // namespace

int WriteSendFile(const QString& dataFolder, bool clearFirst)
{
    const QString send = SendFolderOf(dataFolder);
    if (!QFileInfo(send).isDir())
        return 0;
    if (clearFirst)
        DeletePatterns(send, {"*.svm", "*.zip", "*.sv8"});
    DeletePatterns(send, {"*.zl8", "*.svm"});
    return 1;
}

int SendWitsFile(const QString& dataFolder, const QString& wellName, const QDate& today)
{
    return SendDatedFile(dataFolder, wellName, today, "wits", QStringLiteral(".wit"));
}

int SendChartFile(const QString& dataFolder, const QString& wellName, const QDate& today)
{
    return SendDatedFile(dataFolder, wellName, today, "chart", QStringLiteral(".cht"));
}

int BuildUpdatePackage(const PackageState& s, int mode, const StatusText& status)
{
    wellfile::RemoteConfig remote;
    if (!wellfile::LoadDownloadConfig(s.well.file.dataFolder, remote))
        remote = wellfile::RemoteConfig{};
    return BuildUpdatePackageTo(s, mode, status, wellfile::RemoteFolder(platform::FieldString(remote.destinationFolder)));
}

int BuildUpdatePackageTo(const PackageState& s, int mode, const StatusText& status, const QString& destination)
{
    const wellfile::OpenWell& f = s.well.file;
    const QString& data = f.dataFolder;
    if (!QFileInfo(platform::FindFileNoCase(data, f.wellName + QStringLiteral(".svm"))).isFile())
        return 0;
    const QString package = SendFolderOf(data) + f.wellName + QStringLiteral(".sv8");
    // The copy under way ends by deleting the package it copies: a new one must not be built under it.
    if (app::FileCopyRunning(s.engines)) {
        wellfile::WriteDownloadLog(data, QStringLiteral("Update skipped, copy still running"), package,
                                   wellfile::kDownloadBlank);
        return 0;
    }
    app::WaitForCopyThread(s.engines, app::CopyKind::File);
    WriteSendFile(data, true);
    const QDate today = Today(s.now);
    SendWitsFile(data, f.wellName, today);
    // Until a package of today reached the destination (or in this run) the packages carry yesterday's
    // file too: its last minutes came after the last package that arrived.
    const std::shared_ptr<std::atomic<qint64>> delivered = s.well.receive.deliveredDay;
    if (delivered->load() != today.toJulianDay())
        SendWitsFile(data, f.wellName, today.addDays(-1));

    QStringList files = UpdatePackageFiles(data, f.wellName);
    // Said before it is sent: the receiving station would refuse the whole package for it.
    const auto say = [&](const QString& text) {
        wellfile::WriteDownloadLog(data, QStringLiteral("Update file:"), text, wellfile::kDownloadNoWord);
        if (mode == 0)
            platform::MessageBox(text, QStringLiteral("Update file"));
        else if (status)
            status(QStringLiteral("Update file: ") + text);
    };
    if (const QString large = LeaveOutTooLarge(files); !large.isEmpty())
        say(large);
    if (const QString refused = TooLargeTogether(files); !refused.isEmpty()) {
        say(refused);
        return 0;
    }
    const wellfile::PackageWriteResult written = WriteFreshPackage(package, files);
    wellfile::WriteDownloadLog(data, written.ok ? QStringLiteral("Update file created") : QStringLiteral("Update file failed"),
                               package, wellfile::kDownloadBlank);
    if (!written.ok) {
        const QString text = QStringLiteral("Error No. %1").arg(written.zipError);
        if (mode == 0)
            platform::MessageBox(text, QStringLiteral("Zip failed"));
        else if (status)
            status(QStringLiteral("Update file failed: ") + written.error);
        else
            std::fprintf(stderr, "Update file failed: %s\n", qPrintable(written.error));
        return 0;
    }
    if (!destination.isEmpty()) {
        const QString target = platform::JoinPath(destination, f.wellName + QStringLiteral(".sv8"));
        // The copy thread says how the hand-over went: a package that never arrives is no success.
        const auto outcome = [data, target, status, delivered, day = today.toJulianDay()](const QString& failure) {
            if (failure.isEmpty())
                delivered->store(day);
            const QString text = failure.isEmpty() ? QStringLiteral("Update file copied to")
                                                   : QStringLiteral("Update file not copied (%1) to").arg(failure);
            wellfile::WriteDownloadLog(data, text, target, wellfile::kDownloadNoWord);
            if (!failure.isEmpty() && status)
                platform::PostToGuiQueue([status, line = text + u' ' + target] { status(line); });
        };
        app::StartCopyThread(s.engines, app::CopyKind::File, package, target, outcome);
    }
    QStringList kept;
    ClearWellFiles(ClearPlacesOf(s), false, &kept);
    for (const QString& print : std::as_const(kept))
        wellfile::WriteDownloadLog(data, QStringLiteral("Print kept in the data folder:"), print,
                                   wellfile::kDownloadNoWord);
    // Asked for (Send File while drilling): said as every other clearing says it; the timed update
    // waits for no one, its log lines say it.
    if (mode == 0)
        SayPrintsKept(kept);
    return 1;
}

SendLists SendFileListsOf(const app::WellState& well, const QDate& today)
{
    const wellfile::OpenWell& f = well.file;
    const wellfile::WellConfig& c = well.config;
    const SendOptions options{c.sendConfigFile != 0, c.sendHorzConfigFile != 0, c.sendTopsFile != 0,
                              c.sendColourFile != 0};
    QStringList horzFiles;
    if (options.horz) {
        auto setup = std::make_unique<wellfile::HorzSetupRecord>();
        if (ReadHorzSetup(f.dataFolder, f.wellName, *setup))
            horzFiles = HorzGammaFiles(*setup, f.currentFolder, f.wellName);
    }
    return SendFileLists({f.dataFolder, f.currentFolder, f.wellName}, options, today, horzFiles);
}

void SendWellFile(const PackageState& s, app::SetupOptions& setup, bool archiving, const QDate& today,
                  const StatusText& status)
{
    const wellfile::OpenWell& f = s.well.file;
    const QString& data = f.dataFolder;
    if (setup.sendChartFile) {
        SendChartFile(data, f.wellName, today);
        setup.sendChartFile = false;
    }
    if (s.well.config.witsUpdate)
        SendWitsFile(data, f.wellName, today);
    // While drilling the package is the update package (no setting here asks for the full send).
    if (f.drilling) {
        BuildUpdatePackage(s, 0, status);
        return;
    }

    QString send = SendFolderOf(data);
    if (!QFileInfo(send).isDir()) {
        send = data + QStringLiteral("sendfile/");
        QDir().mkpath(send);
    }
    DeletePatterns(send, {"*.zl9", "*.zl8", "*.sv8", "*.TD_", "*.zip"});
    DeletePatterns(data, {"*.zl9", "*.sv8", "*.TD_"});

    const QString package = send + f.wellName + (archiving ? QStringLiteral(".TD_") : QStringLiteral(".sv8"));
    SendLists lists = SendFileListsOf(s.well, today);
    if (!archiving) {
        // Said before it is mailed: the receiving station would refuse the whole package.
        const QString large = LeaveOutTooLarge(lists.full);
        LeaveOutTooLarge(lists.retry);
        const QString refused = TooLargeTogether(lists.full);
        if (!large.isEmpty() || !refused.isEmpty())
            platform::MessageBox((large + u'\n' + refused).trimmed(), QStringLiteral("Send File"));
        if (!refused.isEmpty())
            return;
    }
    wellfile::PackageWriteResult written = WriteFreshPackage(package, lists.full);
    if (!written.ok)
        written = WriteFreshPackage(package, lists.retry);
    if (!written.ok) {
        platform::MessageBox(QStringLiteral("Error No. %1\n Try closing your email \n program, and then recreate the sendfile")
                                 .arg(written.zipError),
                             QStringLiteral("Zip failed"));
        return;
    }
    if (archiving)
        return;  // the archive takes the package and the send folder's copies
    QStringList kept;
    ClearWellFiles(ClearPlacesOf(s), false, &kept);
    platform::MessageBox(QStringLiteral("\"%1\" from %2 to %3 ready for mail").arg(package).arg(f.fileTopDepth).arg(f.fileBottomDepth),
                         QStringLiteral("Mail"));
    SayPrintsKept(kept);
}

}  // namespace exchange
