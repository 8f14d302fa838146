#include "exchange/newwell.h"

#include "app/wellstate.h"
#include "exchange/archive.h"
#include "exchange/filesets.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/customdata.h"
#include "wellfile/profile.h"
#include "wellfile/record.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <vector>

namespace exchange {

namespace {

// Profiles whose wells are not archived: their files go to the shared folder instead.
bool SharedFolderProfile(int profile) { return wellfile::FeetFormatProfile(profile); }

// Copies folder + well + `extension` (any letter case) to folder + `newName` + the same extension.
void CopyToNewName(const QString& folder, const QString& well, const QString& newName, const QString& extension)
{
    const QString from = platform::FindFileNoCase(folder, well + extension);
    if (QFileInfo(from).isFile())
        wellfile::CopyFileReplacing(from, folder + newName + extension);
}

// "archives/<well>" of the data folder.
QString ArchiveFolder(const OldWell& old)
{
    return platform::JoinPath(platform::FindFileNoCase(old.dataFolder, QStringLiteral("archives")), old.name);
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

OldWell OldWellOf(const app::WellState& well, const QString& sharedFolder)
{
    const wellfile::OpenWell& f = well.file;
    return {f.dataFolder, f.currentFolder, f.wellName, f.drilling, well.loggerId, well.customTracksEnabled,
            sharedFolder, gasmon::GasmonCfgPlaceOf(well)};
}

bool ArchiveAndClear(const OldWell& old, const QString& newName, const StatusLines& status)
{
    status(QStringLiteral("Archiving Files"), QStringLiteral("This could take a few minutes"));
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

    status(QStringLiteral("Clearing Directories"), QStringLiteral("This could take a few seconds"));
    if (!SharedFolderProfile(old.profile))
        QDir().mkpath(ArchiveFolder(old));
    QStringList kept;
    ClearWellFiles({old.dataFolder, old.sharedFolder, old.name, old.profile, false}, true, &kept);
    SayPrintsKept(kept);
    return true;
}

void PutOldWellAway(const OldWell& old, app::WellState& opened, bool move)
{
    wellfile::OpenWell& f = opened.file;
    wellfile::CreateCustomDataFile(f, opened.fit, f.fileTopDepth, f.fileBottomDepth);
    PutOldSetAway(old, move);
    DeleteLogTexts(old.dataFolder);
}

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
