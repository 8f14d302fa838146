#include "exchange/newwell.h"

#include "app/logstate.h"
#include "app/wellservices.h"
#include "exchange/archive.h"
#include "exchange/filesets.h"
#include "exchange/wellcreation.h"
#include "gasmon/gasmoncfg_window.h"
#include "layout/customdata.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/record.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <vector>

namespace exchange {

namespace {

// Profiles whose wells are not archived: their files go to the shared folder instead.
bool SharedFolderProfile(int profile) { return profile == 21 || profile == 86; }

// Copies folder + well + `extension` (any letter case) to folder + `newName` + the same extension.
void CopyToNewName(const QString& folder, const QString& well, const QString& newName, const QString& extension)
{
    const QString from = platform::FindFileNoCase(folder, well + extension);
    if (QFileInfo(from).isFile())
        wellfile::CopyFileReplacing(from, folder + newName + extension);
}

// The old well as it was before the new one opened.
struct OldWell {
    QString dataFolder;
    QString folder;  // of its data file
    QString name;
    bool drilling = false;
    int profile = 0;
    bool customTracks = false;
    QString sharedFolder;
    gasmon::GasmonCfgPlace gasmon;
};

// "archives/<well>" of the data folder.
QString ArchiveFolder(const OldWell& old)
{
    return platform::JoinPath(platform::FindFileNoCase(old.dataFolder, QStringLiteral("archives")), old.name);
}

// What runs while the old well is still open, once the new data file is written: the old well's files
// archived and cleared out of the working folders. False, with nothing cleared or copied, when the
// archive failed: what is cleared here is held by nothing but the archive.
bool ArchiveAndClear(app::LogState& log, const app::WellServices& services, const OldWell& old,
                     const QString& newName)
{
    services.window->ShowStatus(log, QStringLiteral("Archiving Files"),
                                QStringLiteral("This could take a few minutes"));
    if (!SharedFolderProfile(old.profile) && !ArchiveWell({old.dataFolder, old.folder, old.name, old.drilling})) {
        platform::MessageBox(QStringLiteral("%1 could not be archived.\nNo new file was made and nothing was cleared.")
                                 .arg(old.name),
                             QStringLiteral("Archive"));
        return false;
    }
    if (old.customTracks)
        CopyToNewName(old.folder, old.name, newName, QStringLiteral(".grdx"));
    if (SharedFolderProfile(old.profile))
        CopyToNewName(old.folder, old.name, newName, QStringLiteral(".sch"));
    ResetGasmonForNewWell(old.gasmon);

    services.window->ShowStatus(log, QStringLiteral("Clearing Directories"),
                                QStringLiteral("This could take a few seconds"));
    if (!SharedFolderProfile(old.profile))
        QDir().mkpath(ArchiveFolder(old));
    ClearWellFiles({old.dataFolder, old.sharedFolder, old.name, old.profile, false}, true);
    return true;
}

// The old file set put away once the new well is open.
void PutOldSetAway(const OldWell& old, bool move)
{
    const QString base = old.folder + old.name;
    if (!SharedFolderProfile(old.profile)) {
        CopyWellFiles(base, ArchiveFolder(old), move, old.folder);
        return;
    }
    DeleteWellFileSet(base);
    const QStringList templates = QDir(old.dataFolder).entryList({QStringLiteral("*.tpl")}, QDir::Files, QDir::Name);
    if (!templates.isEmpty() && !old.sharedFolder.isEmpty()) {
        QDir().mkpath(old.sharedFolder);
        wellfile::CopyFileReplacing(old.dataFolder + templates.front(),
                                    platform::JoinPath(old.sharedFolder, templates.front()));
    }
}

}  // namespace

int ResetGasmonForNewWell(const gasmon::GasmonCfgPlace& place)
{
    // A record of another length is not ours to complete with zeros.
    if (QFileInfo(gasmon::GasmonCfgPath(place.folder)).size() != qint64(sizeof(gasmon::GASMONCFG)))
        return 0;
    gasmon::GASMONCFG cfg{};
    if (!gasmon::ReadGasmonCfg(cfg, place))
        return 0;
    gasmon::ResetRatios(cfg);
    return gasmon::WriteGasmonCfg(cfg, place);
}

int ArchiveFiles(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                 const wellfile::WellConfig& config)
{
    const wellfile::OpenWell& f = log.well.file;
    const OldWell old{f.dataFolder,
                      f.currentFolder,
                      f.wellName,
                      f.drilling,
                      log.well.loggerId,
                      log.well.customTracksEnabled,
                      log.env.sharedFolder,
                      gasmon::GasmonCfgPlaceOf(log)};
    const QString newName = FileBaseName(info.path);
    const auto archiveAndClear = [&] { return ArchiveAndClear(log, services, old, newName); };
    if (!CreateNewWell(log, services, info, config, archiveAndClear)) {
        services.window->CloseStatus(log, 0);
        return 0;
    }
    wellfile::OpenWell& opened = log.well.file;
    layout::CreateCustomDataFile(opened, log.well.fit, opened.fileTopDepth, opened.fileBottomDepth);
    PutOldSetAway(old, info.keepCopy);
    DeleteLogTexts(old.dataFolder);
    services.window->ShowStatus(log, QStringLiteral("DONE"), QString());
    services.window->CloseStatus(log, 1000);
    return 1;
}

int CreateBlankDataFile(const QString& path, std::int32_t bottom, const std::string& companyText)
{
    if (bottom < 2)
        return 0;
    std::vector<wellfile::RECORD> records;
    try {
        records.resize(std::size_t(bottom / 2));
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("winrecord alloc failed"), QStringLiteral("File error"));
        return 0;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        wellfile::RECORD& r = records[i];
        r.depth = 2 * std::int32_t(i + 1);
        r.rateOdd = r.rateOne = r.rate2Ft = 0.1f;
        platform::SetFieldText(r.lith, "100BL");
        platform::SetFieldText(r.interpretedLith, i == 0 ? companyText : std::string("100BL"));
        r.minutesScale = 1;
        r.gasScale = 1;
    }
    if (!wellfile::WriteWholeFile(path, records.data(), records.size() * sizeof(wellfile::RECORD))) {
        platform::MessageBox(path + QStringLiteral("\nThe new file could not be written"),
                             QStringLiteral("File error"));
        return 0;
    }
    return 1;
}

}  // namespace exchange
