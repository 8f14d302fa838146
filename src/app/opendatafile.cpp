#include "app/opendatafile.h"

#include "app/activitylines.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/welltops.h"
#include "drilling/drilling_services.h"
#include "layout/custchartcfg.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/activitylog.h"
#include "wellfile/checkheader.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/profile.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/validate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace app {

using namespace wellfile;  // opening strings the data-file routines together

namespace {

// From the well's settings record just read: the copy-out flag, the remote copy of the daily WITS file
// and the timed copies while drilling, all off without a second data folder (the program's settings
// value "SecondDataFolder", which is then the copy-out folder); and the live-update flag alone, by
// which the remote refresh follows the data and curve files other stations write.
void TakeCopyOptions(WellState& state, WitsCopyOptions& witsCopy, DrillingShell& drilling)
{
    wellfile::OpenWell& well = state.file;
    const wellfile::CopyOptions& options = state.config.copyOptions;
    well.copyOutFolder = platform::SecondDataFolder();
    well.secondFolderOption = !well.copyOutFolder.isEmpty();
    // The well's record keeps its options as they are; only the window's copy is off without the folder.
    well.copyOut = well.secondFolderOption && options.copyOut != 0;
    // Following what other stations write needs no folder of this station's.
    well.liveUpdate = options.copyOut != 0;
    witsCopy.remoteCopy = well.secondFolderOption && options.remoteCopy != 0;
    // Live update publishes the data file with its custom data: the timed copies follow its flag.
    drilling.timedCopy = well.copyOut;
    drilling.timedCustomCopy = well.copyOut;
}

RepairTarget TargetOf(app::LogState& s)
{
    return RepairTarget{s.well.file, s.well.loggerId, s.well.repair, s.well.fit, s.well.sharedFolderWell};
}

bool SharedFolderPath(const QString& folder, std::uint16_t loggerId)
{
    return folder.toUpper().contains(QStringLiteral("DROPBOX")) && loggerId != 66;
}

// Validation leaves the state as it was when it refuses the file, so a refused file costs nothing. Its
// repair pass treats the file as a shared copy by the file's own folder, not by the well open before.
bool Validate(app::LogState& s, const QString& path)
{
    if (path.isEmpty())
        return false;
    RepairTarget target = TargetOf(s);
    target.sharedCopy = SharedFolderPath(QFileInfo(path).absolutePath() + u'/', s.well.loggerId);
    return ValidateDataFile(target, path) == 1;
}

// The same check made on copies of everything validation sets, so the open well stays exactly as it is
// whatever the answer. The open validates once more: stopping drilling in between changes the state
// the copies were made from, so their result cannot simply be taken over.
bool Acceptable(app::LogState& s, const QString& path)
{
    if (path.isEmpty())
        return false;
    OpenWell well = CopyWithoutRecords(s.well.file);
    std::uint16_t loggerId = s.well.loggerId;
    RepairSummary summary = s.well.repair;
    wellfile::FitFile fit = s.well.fit;
    const RepairTarget target{well, loggerId, summary, fit,
                              SharedFolderPath(QFileInfo(path).absolutePath() + u'/', loggerId)};
    return ValidateDataFile(target, path) == 1;
}

void Verbose(app::LogState& s, const char* text)
{
    if (s.env.verboseActivityLog)
        WriteLogLine(s, text);
}

}  // namespace

bool ReceivingStation(const app::LogState& s)
{
    if (s.env.serverStation)
        return true;
    wellfile::RemoteConfig remote;
    return wellfile::LoadDownloadConfig(s.well.file.dataFolder, remote) && remote.startOnOpen != 0;
}

bool CustomTracksAvailable(const app::LogState& s)
{
    const std::uint16_t id = s.well.loggerId;
    return id != 4 && id != 8 && id != 11 && id != 31 && s.env.screenWidth >= 1024 && !s.well.scratchWell;
}

WellPlace PlaceOf(const app::LogState& s) { return PlaceOf(s.well); }

WellPlace PlaceOf(const app::WellState& well)
{
    WellPlace place;
    place.dataFolder = well.file.dataFolder;
    place.currentFolder = well.file.currentFolder;
    place.workingFolder = well.file.dataFolder;
    place.wellName = well.file.wellName;
    place.drilling = well.file.drilling;
    place.sharedFolderWell = well.sharedFolderWell;
    return place;
}

void WriteLogLine(app::LogState& s, std::string text) { app::WriteActivityLine(s, std::move(text)); }

int SetFileName(app::LogState& s, const app::WellServices& sv, const QString& path)
{
    const QFileInfo info(path);
    OpenWell& well = s.well.file;
    well.wellName = info.completeBaseName();
    well.currentFolder = platform::WithSlash(info.absolutePath());
    s.well.lastBookedDepth = 0;  // bookings of the well open before do not hold this one's back
    s.well.sharedFolderWell = SharedFolderPath(well.currentFolder, s.well.loggerId);
    sv.view->LoadWellTitle(s);
    // The names of a well's files keep the letter case they have on disk (files from Windows stations).
    well.dataFileName = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svm"));
    well.customDataFileName = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svx"));
    s.well.fit.path = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".fit"));
    Verbose(s, "SET File Name");
    return 1;
}

int LoadFileSettings(app::LogState& s, const app::WellServices& sv, bool& viewTopTaken)
{
    viewTopTaken = false;
    OpenWell& well = s.well.file;
    const WellPlace place = PlaceOf(s);

    s.well.kbElevation = 0;
    // A header of the older layout is converted here and saved as any header is: copied out while
    // drilling with the copy-out options on.
    if (ReadHeader(s.well.header, place, {}, false, well.secondFolderOption && well.copyOut))
        s.well.kbElevation = KbElevationFromText(s.well.header.kellyBushing, sizeof s.well.header.kellyBushing);

    if (s.well.sharedFolderWell) {
        auto block = std::make_unique<SettingsBlock>();
        if (!LoadDbc(*block, place)) {
            // A well received in a shared folder reads its own settings and tops beside its
            // data file: every field-folder flag stays 0 until a setup saves into the data folder.
            block->flagPair[0] = 1;
            block->flagPair[1] = 0;
            block->timeZoneAdjust = -1;
            // Only a missing record is made; one that exists but cannot be read is left for the user.
            if (!QFileInfo::exists(DbcFilePath(place)))
                SaveDbc(*block, place);
        } else if (block->timeZoneAdjust < -24 || block->timeZoneAdjust > 24) {
            block->timeZoneAdjust = CheckHeader(place);
        }
        s.well.timeZoneAdjust = block->timeZoneAdjust;
        s.well.fieldSettings = block->fieldSettings != 0;
        s.well.topsInFieldFolder = block->fieldTopsAndPens != 0;
        sv.exchange->CopyFromFieldFolder(s);
    }

    // This profile's logs always show surveys as the five-line block; no other well keeps it from the last.
    s.view.depthColumn.fiveLineSurvey = s.well.loggerId == 134;

    WellConfig& config = s.well.config;
    if (!LoadConfig(config, place, s.well.fieldSettings)) {
        // Settings the program cannot read are kept for the user, never overwritten by the defaults.
        const QString aside = KeepBadConfigAside(place, s.well.fieldSettings);
        if (!aside.isEmpty())
            platform::MessageBox(QStringLiteral("The well settings file has the wrong size and was kept as\n") + aside +
                                     QStringLiteral("\nDefault settings are used."),
                                 QStringLiteral("Well Settings"));
        ConfigDefaults defaults;
        defaults.loggerId = s.well.loggerId;
        config = DefaultWellConfig(defaults);
        config.windowLeft = 10;
        config.windowTop = 10;
        config.windowWidth = s.env.screenWidth - 20;
        config.windowHeight = s.env.screenHeight - 20;
        config.viewTopDepth = 0;
        SaveConfig(config, place, s.well.fieldSettings);
    } else {
        s.well.customTracksEnabled = CustomTracksAvailable(s) && config.customTracksEnabled != 0;
        // The quick view bar's button says whether the custom tracks are shown: as the log draws them.
        s.options.customTracksView = s.well.customTracksEnabled;
        // A well left in drilling mode comes back in it, but only in the copy that may drill, not for a
        // file given on the command line, and never on a station that receives (the rig's own settings
        // come with every package).
        if (s.env.firstInstance == 1 && !s.env.commandLineStart && !ReceivingStation(s) &&
            RestartsInDrilling(config, well.wellName))
            well.drilling = true;
    }

    // The rate unit is the well's own, the default one for a fresh well: never the last well's (for
    // profile 11 it also says whether depths are metric).
    s.view.rateInMetresPerHour = config.rateUnitPerHour;
    s.options.lithLegend = config.lithLegend != 0;
    TakeCopyOptions(s.well, s.witsCopy, s.drilling);
    // The CO2 curve has five scales; a number outside them is taken as the first.
    if (config.co2ScaleCode < 1 || config.co2ScaleCode > 5)
        config.co2ScaleCode = 1;

    if (!well.drilling && !s.env.commandLineStart && config.viewTopDepth > well.fileTopDepth &&
        config.viewTopDepth < well.fileBottomDepth) {
        well.viewTopDepth = config.viewTopDepth;
        viewTopTaken = true;
    }

    // The curve file of the selected scheme; else the well's own ".svc", which the scheme then takes.
    const int scheme = std::clamp(std::int32_t{config.currentScheme}, 0, 5);
    const ElogOffsetEntry entry = config.elogOffsets[scheme];
    const std::string entryFile = platform::FieldText(entry.fileName);
    s.well.elogFileName.clear();
    s.well.elogDepthOffset = 0;
    if (!entryFile.empty()) {
        s.well.elogFileName = QString::fromStdString(entryFile);
        s.well.elogDepthOffset = entry.depthOffset;
    } else {
        const QString svc = platform::FindFileNoCase(well.dataFolder, well.wellName + QStringLiteral(".svc"));
        if (QFileInfo(svc).isFile()) {
            sv.view->LoadElog(s, svc);
            sv.view->LinkElogToScheme(s, svc);
            s.view.redrawPending = true;
        }
    }
    sv.view->ApplyScheme(s, scheme);

    s.well.offset = {};
    for (const OffsetWellEntry& offset : config.offsetWells) {
        const QString name = platform::FieldString(offset.fileName);
        if (offset.active && !name.isEmpty() && QFileInfo(name).isFile()) {
            app::TakeOffsetWell(s, name, offset.depthShift);
            break;
        }
    }

    ListDrives(well);
    // Always read: a well without tops must not keep the last well's on show.
    LoadTops(place, TopsPlaceOf(s), s.well.tops);
    // Nor the last well's short reports and their boxes, which a drag would write into this well's file.
    s.shortReports = ShortReportState{};
    if (!config.hideShortReports)
        sv.view->LoadShortReports(s);

    const QString drillDemo = platform::FindFileNoCase(well.dataFolder, QStringLiteral("drill-demo.svm"));
    if (QFileInfo(drillDemo).isFile())
        QFile::remove(drillDemo);
    Verbose(s, "SETUP..Init log");
    return 1;
}

std::optional<DataFileChoice> DataFileToOpen(const QString& path)
{
    const std::optional<std::uint16_t> special = ProfileFromExtension(Profiles(), path);
    if (!special)
        return DataFileChoice{path, std::nullopt};
    const QFileInfo info(path);
    const QString name = info.completeBaseName() + QStringLiteral(".svm");
    const QString data = platform::FindFileNoCase(platform::WithSlash(info.absolutePath()), name);
    if (QFileInfo(data).isFile())
        return DataFileChoice{data, special};
    platform::MessageBox(QStringLiteral("%1\nis a file of another logging program (profile %2): its well is opened "
                                        "from the StrativM data file %3 beside it,\nand there is none. Nothing was "
                                        "opened.")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(*special)
                             .arg(name),
                         QStringLiteral("Open"));
    return std::nullopt;
}

QString ReopenPath(const app::WellState& well)
{
    const QString& data = well.file.dataFileName;
    const QFileInfo by(well.openedAs);
    const QFileInfo file(data);
    if (well.openedAs.isEmpty() || by.absolutePath() != file.absolutePath() ||
        by.completeBaseName().compare(file.completeBaseName(), Qt::CaseInsensitive) != 0)
        return data;
    return well.openedAs;
}

int OpenDataFile(app::LogState& s, const app::WellServices& sv, const QString& given)
{
    const std::optional<DataFileChoice> target = DataFileToOpen(given);
    if (!target)
        return 0;
    const QString& path = target->path;
    const QString previous = s.well.fileOpened ? s.well.file.dataFileName : QString();
    const std::uint16_t previousProfile = s.well.loggerId;
    // The FIT data option and the ext-record option are settings of the installation: FIT data off and
    // the ext-record option (the predefined tracks and views of the custom-track setup) on unless set.
    s.well.fit.dataEnabled = platform::ReadSetting(QStringLiteral("FIT/DATA"), QStringLiteral("0")).toInt() != 0;
    s.well.fit.extRecordOption = platform::ReadSetting(QStringLiteral("FIT/EXTRECORDS"), QStringLiteral("1")).toInt() != 0;

    // A refused file leaves the open well as it is: it is opened again. Only when that fails too (or no
    // well was open) is the user told, and the demo well stands in.
    QString chosen = path;
    if (!Validate(s, chosen)) {
        if (!previous.isEmpty() && previous != chosen && Validate(s, previous)) {
            chosen = previous;
        } else {
            platform::MessageBox(path, QStringLiteral("Not A Valid StrativM File"));
            const QString demo = platform::FindFileNoCase(platform::InstallFolder(), QStringLiteral("elogdemo.svm"));
            if (demo == path || !QFileInfo(demo).isFile() || !Validate(s, demo))
                return 0;
            chosen = demo;
            // The stand-in is laid out with the default profile, whatever company its file names.
            s.well.loggerId = kDefaultProfile;
        }
    }
    // The other program's file decides the profile of the data file it stands for.
    const bool byOtherProgram = chosen == path && target->profile;
    if (byOtherProgram)
        s.well.loggerId = *target->profile;
    s.well.openedAs = byOtherProgram ? QFileInfo(given).absoluteFilePath() : chosen;
    s.well.fileOpened = true;
    ++s.well.openCount;
    s.witsChart.settingsKept = true;
    OpenWell& well = s.well.file;

    SetFileName(s, sv, chosen);
    // The passes run later on this well (depth checks, corrections) know whether it is a shared copy.
    InstallRepairHooks(TargetOf(s));
    sv.view->CloseElog(s);
    s.well.elogFileName.clear();
    s.well.offset = {};
    s.now = platform::LocalTime();
    if (s.well.loggerId != previousProfile)
        s.view.redrawPending = true;  // the layout follows the profile: SetLogFormat below rebuilds it

    s.well.scratchWell = well.wellName.startsWith(u'~');
    if (s.well.scratchWell)
        well.drilling = false;
    if (!CustomTracksAvailable(s))
        s.well.customTracksEnabled = false;
    // From now on the bottom depth goes into the first record at exit and while drilling.
    s.well.writeBottomToFirstRecord = true;

    bool viewTopTaken = false;
    LoadFileSettings(s, sv, viewTopTaken);
    sv.view->LoadMemos(s);
    if (s.well.customTracksEnabled)
        sv.view->LoadCustomTracks(s);
    sv.view->SetLogFormat(s, s.well.loggerId);
    sv.view->BuildGridBitmaps(s);

    sv.window->AssignMenu(s, 1);
    if (well.drilling && !s.env.commandLineStart && !s.well.scratchWell) {
        // The well was left while drilling: drilling mode comes back on for it.
        sv.window->AssignMenu(s, 3);
        well.drilling = false;
        if (sv.drilling)
            sv.drilling->CmDrilling(s);
    } else if (s.well.scratchWell) {
        sv.window->AssignMenu(s, 3);
    }
    if (!s.well.elogFileName.isEmpty() && QFileInfo(s.well.elogFileName).isFile())
        sv.view->LoadElog(s, s.well.elogFileName);

    const QString caption = QStringLiteral("StrativM    ") + well.dataFileName;
    s.well.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);

    if (!viewTopTaken)
        well.viewTopDepth = DefaultViewTop(well);
    s.view.redrawPending = true;
    s.view.eraseOwed = true;  // nothing of the last well's layout stays beside or below the new one
    if (!s.view.holdRepaint)
        sv.window->Invalidate(s);

    if (!QDir(well.dataFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty())
        sv.view->ImportNewImages(s, well.wellName);
    if (!s.env.serverStation) {
        LoadRecent(well.dataFolder, s.env.recentFiles);
        AddRecent(s.env.recentFiles, ReopenPath(s.well));
        SaveRecent(well.dataFolder, s.env.recentFiles);
    }

    const WellPlace place = PlaceOf(s);
    LoadShowDepthIndex(place, s.well.showDepthIndex, wellfile::ConvertShows);
    LoadDstDepthIndex(place, s.well.dstDepthIndex);
    LoadReportDepthIndex(place, s.well.reportDepthIndex);
    sv.window->DowntimeReport(s);
    sv.view->LoadImageList(s);
    sv.window->DestroyQuickBar(s);
    ScanRecords(well);  // the lag depth of this well, not the last one's
    ReadAllRecords(well);
    Verbose(s, "Setup Win File");
    // Every way of opening a well passes here: its remote settings may start the monitor.
    sv.window->LoadRemoteConfig(s);
    return 1;
}

int OpenCheckedDataFile(app::LogState& s, const app::WellServices& sv, const QString& chosen,
                        const std::function<void()>& letGo)
{
    OpenWell& well = s.well.file;
    const QString previous = well.dataFileName;
    const QString previousOpenedAs = ReopenPath(s.well);
    if (chosen.isEmpty())
        return 0;
    const std::optional<DataFileChoice> target = DataFileToOpen(chosen);
    if (!target)
        return 0;
    // The chosen file is checked before anything of the open well is let go: a refused file leaves that
    // well open as it was, drilling and all, and the recent list as it was. (Validation has told the
    // user why.) With no well open the refusal takes the usual way to the demo well; the open well chosen
    // again is checked by the open itself, once drilling has let go of it.
    if (s.well.fileOpened && !previous.isEmpty() && target->path != previous && !Acceptable(s, target->path))
        return 0;

    if (letGo)
        letGo();
    s.well.scratchWell = false;
    s.well.lastModifiedText.clear();
    s.well.writeBottomToFirstRecord = false;
    if (s.well.customTracksEnabled) {
        s.customTracks.data.reset();
        s.well.customTracksEnabled = false;
    }
    if (well.drilling && s.engines.driller && sv.drilling)
        sv.drilling->CmDrilling(s);
    if (!previous.isEmpty()) {
        LoadRecent(well.dataFolder, s.env.recentFiles);
        AddRecent(s.env.recentFiles, previousOpenedAs);
        SaveRecent(well.dataFolder, s.env.recentFiles);
    }
    const int opened = OpenDataFile(s, sv, chosen);
    sv.window->BuildMenu(s, -1);
    return opened;
}

namespace {

// The data files and the other logging programs' files that stand for them (matched, as they are
// opened, on the dot and two letters, in either case: the dialog matches case on this system).
QString OpenDialogFilter()
{
    QStringList shown{QStringLiteral("*.svm")};
    QStringList patterns{QStringLiteral("*.svm"), QStringLiteral("*.SVM")};
    for (const wellfile::ProfileRow& row : wellfile::Profiles().extensions) {
        if (row.text.size() < 3)
            continue;
        const QString stem = QStringLiteral("*") + platform::FromCp1252(row.text.data(), 3);
        shown << QStringLiteral("*") + platform::FromCp1252(row.text.data(), int(row.text.size()));
        patterns << stem.toLower() + u'*' << stem.toUpper() + u'*';
    }
    return QStringLiteral("StrativM Data Files (%1)|%2|").arg(shown.join(u' '), patterns.join(u';'));
}

}  // namespace

int ChooseAndOpenDataFile(app::LogState& s, const app::WellServices& sv, const std::function<void()>& letGo)
{
    platform::FileDialogRequest request;
    request.folder = s.well.file.dataFolder;
    request.filter = OpenDialogFilter();
    request.defaultExt = QStringLiteral("LOG");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (!chosen)
        return 0;
    return OpenCheckedDataFile(s, sv, *chosen, letGo);
}

}  // namespace app
