#include "exchange/liveupdate.h"

#include "app/wellstate.h"
#include "exchange/housekeeping.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/copyout.h"
#include "wellfile/datesuffix.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstring>

namespace exchange {

namespace {

constexpr std::array<std::uint16_t, 19> kClientProfiles = {12, 26, 37, 49, 19, 41, 55, 81, 21, 86,
                                                           84, 15, 51, 71, 2,  1,  62, 88, 74};

// The bare file name of a listed path, which may come from a Windows station.
QString BareName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

}  // namespace

const QStringList& PublishedExtensions()
{
    static const QStringList set = {".hdr", ".svm", ".svx", ".cfg", ".svc", ".grdx", ".sch",
                                    ".rpt", ".qpt", ".hor", ".hxt", ".top", ".mem"};
    return set;
}

wellfile::CopyOutFolders CopyOutFoldersOf(const app::WellState& well, const QString& sharedFolder)
{
    wellfile::CopyOutFolders folders;
    folders.copyOut = well.file.copyOutFolder;
    folders.sharedOn = !sharedFolder.isEmpty() && QFileInfo(sharedFolder).isDir();
    folders.liveUpdate = well.config.copyOptions.copyOut != 0;
    // Without live update the copies go where they always went: the copy-out folder.
    if (folders.sharedOn && folders.liveUpdate)
        folders.shared = sharedFolder;
    return folders;
}

int PublishSavedFile(const app::WellState& state, const QString& sharedFolder, const QString& path)
{
    // The copy is itself a saved file (in the shared folder): it is never published again.
    static thread_local bool publishing = false;
    const wellfile::CopyOutFolders folders = CopyOutFoldersOf(state, sharedFolder);
    const wellfile::OpenWell& well = state.file;
    if (publishing || !folders.sharedOn || !folders.liveUpdate || well.wellName.isEmpty())
        return 0;
    const QFileInfo saved(path);
    const QString name = saved.fileName();
    const QString extension = name.mid(well.wellName.size());
    if (!name.startsWith(well.wellName, Qt::CaseInsensitive) || !extension.startsWith(u'.') ||
        extension.lastIndexOf(u'.') != 0 ||
        platform::WithSlash(saved.absolutePath()) != platform::WithSlash(QFileInfo(well.dataFolder).absoluteFilePath()))
        return 0;
    publishing = true;
    const int copied = wellfile::CopyWellFileOut(well.dataFolder, well.wellName, extension, {}, folders);
    publishing = false;
    return copied;
}

QString PublishedText(const QString& sharedFolder)
{
    if (sharedFolder.isEmpty() || !QFileInfo(sharedFolder).isDir())
        return QStringLiteral("Files not updated: the shared folder %1 is missing.\n"
                              "Press Update Now once the folder is there.")
            .arg(sharedFolder);
    return QStringLiteral("Files Updated");
}

int PublishWell(const QString& dataFolder, const QString& wellName, const QString& sharedFolder, bool wits,
                const QDate& today)
{
    if (sharedFolder.isEmpty() || wellName.isEmpty())
        return 0;
    const wellfile::CopyOutFolders direct;  // only the folder named
    int copied = 0;
    for (const QString& extension : PublishedExtensions()) {
        if (QFileInfo(platform::FindFileNoCase(dataFolder, wellName + extension)).isFile())
            copied += wellfile::CopyWellFileOut(dataFolder, wellName, extension, sharedFolder, direct);
    }
    if (wits) {
        const QString name = wellName + wellfile::DateSuffix(today) + QStringLiteral(".wit");
        const QString from = platform::FindFileNoCase(platform::FindFileNoCase(dataFolder, QStringLiteral("wits")), name);
        if (QFileInfo(from).isFile() && wellfile::CopyFileReplacing(from, platform::JoinPath(sharedFolder, name)))
            ++copied;
    }
    return copied;
}

QStringList ClientCodeWords()
{
    QStringList words;
    for (const std::uint16_t profile : kClientProfiles)
        words << wellfile::LoggerFilePrefix(profile).section(u' ', 0, 0, QString::SectionSkipEmpty);
    return words;
}

QString UsersRoot()
{
    QString root = platform::ReadSetting(QStringLiteral("LiveUsersRoot"), QStringLiteral("/home/"));
    return root.endsWith(u'/') ? root : root + u'/';
}

QStringList LiveUsers(const QString& usersRoot)
{
    QStringList users;
    for (const QString& name : QDir(usersRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString upper = name.toUpper();
        if (name.contains(u'.') || upper.contains(QLatin1String("PUBLIC")) || upper.contains(QLatin1String("USERS")) ||
            upper.contains(QLatin1String("DEFAULT")))
            continue;
        users << name;
    }
    return users;
}

QString LiveUserFolder(const QString& usersRoot, const QString& user)
{
    return platform::JoinPath(usersRoot, user) + QStringLiteral("/Documents/StrativM/");
}

QString LiveUserFilePath(const QString& usersRoot, const QString& user)
{
    return LiveUserFolder(usersRoot, user) + user + QStringLiteral(".usr");
}

QString ListedFile(const wellfile::SettingsBlock& block, int i)
{
    if (i < 0 || i >= 50)
        return {};
    return platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(block.fileList[i])));
}

bool SetListedFile(wellfile::SettingsBlock& block, int i, const QString& path)
{
    const QByteArray bytes = platform::ToCp1252(path);
    if (i < 0 || i >= 50 || bytes.size() >= qsizetype(sizeof block.fileList[i]))
        return false;
    std::memset(block.fileList[i], 0, sizeof block.fileList[i]);
    std::memcpy(block.fileList[i], bytes.constData(), std::size_t(bytes.size()));
    return true;
}

void RemoveWellFromUser(const QString& userFolder, const QString& listedPath)
{
    // A user follows several wells: no other well's daily files are touched.
    DeleteWellFromFolder({}, platform::JoinPath(userFolder, BareName(listedPath)), false);
}

void ReviewListedFiles(const wellfile::SettingsBlock& block, const QString& userFolder, QStringList& listed)
{
    listed.clear();
    for (int i = 0; i < 50; ++i) {
        const QString path = ListedFile(block, i);
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.isFile() || !info.absoluteDir().exists() || !info.isAbsolute())
            listed << path;
        else
            RemoveWellFromUser(userFolder, path);
    }
}

}  // namespace exchange
