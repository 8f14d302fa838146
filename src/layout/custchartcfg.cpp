#include "layout/custchartcfg.h"

#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/backupdrive.h"
#include "wellfile/fileattrs.h"
#include "wellfile/layoutfiles.h"
#include "wellfile/openwell.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <utility>

namespace layout {

using platform::COLORREF;

namespace {
constexpr COLORREF kRed = 0x0000FF, kBlack = 0x000000, kBlue = 0xFF0000, kMagenta = 0xFF00FF,
                   kLightGrey = 0xC0C0C0;
constexpr int kTitleRows = 15;

std::int32_t ClampToInt(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// Places a track at `left` and recomputes its curve scales.
void LayOut(CustomTrackEntry& e, std::int32_t left)
{
    e.leftX = left;
    e.rightX = ClampToInt(std::int64_t(left) + TrackWidth(e));
    for (int c = 0; c < kCurvesPerTrack; ++c)
        e.pixelsPerUnit[c] = PixelsPerUnit(e.leftX, e.rightX, e.minimum[c], e.maximum[c]);
}

PenSpec CurvePen(COLORREF colour, std::int32_t width) { return {colour, width > 0 ? int(width) : 1, PS_SOLID}; }

}  // namespace

bool TrackActive(const CustomTrackEntry& e) { return e.blockWidth > 0 && e.blockCount > 0; }

std::int32_t TrackWidth(const CustomTrackEntry& e)
{
    return TrackActive(e) ? ClampToInt(std::int64_t(e.blockWidth) * e.blockCount) : 0;
}

namespace {
bool TrackShown(const CustomTrackEntry& e) { return TrackActive(e) && TrackWidth(e) <= kMaxTrackWidth; }
}  // namespace

int ActiveTrackCount(const CustomTrackEntry (&tracks)[kCustomTrackCount])
{
    int n = 0;
    while (n < kCustomTrackCount && TrackShown(tracks[n]))
        ++n;
    return n;
}

int ActiveTrackCount(const TrackSet& tracks)
{
    int n = 0;
    while (n < kCustomTrackCount && TrackShown(tracks[std::size_t(n)]))
        ++n;
    return n;
}

float PixelsPerUnit(std::int32_t leftX, std::int32_t rightX, float minimum, float maximum)
{
    if (!(maximum > minimum))  // also when either is not a number
        return 1.0f;
    return float(double(rightX) - double(leftX)) / (maximum - minimum);
}

bool ReadCustChartFile(const QString& path, CUSTCHARTCFGEX& config)
{
    config = CUSTCHARTCFGEX{};
    if (!QFileInfo(path).isFile())
        return false;
    CUSTCHARTCFGEX read{};
    if (wellfile::ReadFilePrefix(path, &read, sizeof read) < 0)
        return false;
    config = read;
    return true;
}

bool WriteCustChartFile(const QString& path, const CUSTCHARTCFGEX& config)
{
    wellfile::SetNormalAttributes(path);
    return wellfile::WriteWholeFile(path, &config, sizeof config);
}

void FillDefaultTracks(CUSTCHARTCFGEX& config, std::int32_t leftX)
{
    for (CustomTrackEntry& e : config.track) {
        e = CustomTrackEntry{};
        for (int c = 0; c < kCurvesPerTrack; ++c) {
            e.colour[c] = kBlue;
            e.lineWidth[c] = 2;
            e.direction[c] = 1;
        }
    }
    struct Curve {
        const char* label;
        std::uint16_t code;
        float maximum;
        COLORREF colour;
    };
    constexpr Curve kDrilling[] = {{"RPM", 13, 500, kRed}, {"WOB", 11, 100, kBlack},
                                   {"PP", 14, 3000, kBlue}, {"SPM", 15, 200, kMagenta}};
    CustomTrackEntry& t = config.track[0];
    platform::SetFieldText(t.title, " DRILLING ");
    t.blockWidth = 5;
    t.blockCount = 25;
    for (int c = 0; c < 4; ++c) {
        platform::SetFieldText(t.label[c], kDrilling[c].label);
        t.dataCode[c] = kDrilling[c].code;
        t.minimum[c] = 0;
        t.maximum[c] = kDrilling[c].maximum;
        t.colour[c] = kDrilling[c].colour;
    }
    LayOut(t, leftX);
    for (int i = 1; i < kCustomTrackCount; ++i)
        LayOut(config.track[i], 0);
}

CUSTOMDATA::CUSTOMDATA(CustomTrackHost* owner_, bool printing_) : owner(owner_), printing(printing_)
{
    labelFont = {QStringLiteral("Arial"), 13, 400};
    titleFont = {QStringLiteral("Arial"), 20, 400};
    if (owner && owner->printerFontSize >= 21)
        titleFont.height = owner->printerFontSize;
    gridPens.fill(PenSpec{kLightGrey, 1, PS_SOLID});
}

std::size_t CUSTOMDATA::ExtIndexAt(double depth, std::int32_t lastDepth) const
{
    std::size_t i = 0;
    while (i < extRecords.size()) {
        const double d = extRecords[i].depth;
        if (!(d < extLastDepth && d < depth && d < lastDepth))
            break;
        ++i;
    }
    return i;
}

namespace {
// A save writes the ".grdx" to the data folder for a shared-folder well that copies to a second folder
// of its own, else to the current folder.
bool SavesToDataFolder(const CustomTrackHost& host, const wellfile::OpenWell& well)
{
    return host.sharedFolderWell && well.secondFolderOption &&
           !platform::SameFolder(well.dataFolder, well.currentFolder);
}

QString SaveFolder(const CustomTrackHost& host, const wellfile::OpenWell& well)
{
    return SavesToDataFolder(host, well) ? well.dataFolder : well.currentFolder;
}
}  // namespace

QString CUSTOMDATA::ConfigPath() const
{
    const wellfile::OpenWell* well = owner ? owner->well : nullptr;
    if (!well || well->wellName.isEmpty())
        return {};
    // Read where saves go, so an edit always comes back; the folder `customTrackSource` names is only
    // the fall-back while the save folder holds no layout yet.
    const QString name = well->wellName + QStringLiteral(".grdx");
    const QString own = platform::FindFileNoCase(SaveFolder(*owner, *well), name);
    if (QFileInfo(own).isFile())
        return own;
    const QString sourceFolder = owner->sharedFolderWell && owner->customTrackSource == 1 ? well->dataFolder : well->currentFolder;
    const QString source = platform::FindFileNoCase(sourceFolder, name);
    return QFileInfo(source).isFile() ? source : own;
}

bool CUSTOMDATA::LoadConfig(CUSTCHARTCFGEX& config) const
{
    const QString path = ConfigPath();
    if (path.isEmpty()) {
        config = CUSTCHARTCFGEX{};
        return false;
    }
    return ReadCustChartFile(path, config);
}

bool CUSTOMDATA::SaveConfig(const CUSTCHARTCFGEX& config)
{
    const wellfile::OpenWell* well = owner ? owner->well : nullptr;
    if (!well || well->wellName.isEmpty())
        return false;
    const QString name = well->wellName + QStringLiteral(".grdx");
    const QString folder = SaveFolder(*owner, *well);
    if (SavesToDataFolder(*owner, *well)) {
        owner->customTrackSource = 1;
        if (owner->markFieldCustomTracks)
            owner->markFieldCustomTracks();
    }
    const QString path = platform::FindFileNoCase(folder, name);
    if (!WriteCustChartFile(path, config)) {
        platform::MessageBox(QStringLiteral("Could not save the custom track layout ") + path, QStringLiteral("File Error"),
                             platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    if (!owner->suppressSendfile)
        wellfile::CopyFileReplacing(path, platform::JoinPath(platform::JoinPath(well->dataFolder, QStringLiteral("sendfile")), name));
    if (well->drilling && well->secondFolderOption && well->copyOut && well->hooks.copyWellFileOut)
        well->hooks.copyWellFileOut(QStringLiteral(".grdx"));
    if (well->drilling && owner->config) {
        const QString drive = platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(owner->config->backupDrive)));
        wellfile::CopyToBackupDrive(folder, well->wellName, QStringLiteral(".grdx"), drive);
    }
    return true;
}

void CUSTOMDATA::DefaultConfig(CUSTCHARTCFGEX& config)
{
    std::int32_t left = owner ? ClampToInt(std::int64_t(owner->gasTrackRight) + owner->trackOffset) : 0;
    if (left == 0)
        left = 1000;
    FillDefaultTracks(config, left);
    printSet = {};
    for (int t = 0; t < kCustomTrackCount; ++t) {
        const CustomTrackEntry& e = config.track[t];
        printSet[std::size_t(t)] = e;
        for (int c = 0; c < kCurvesPerTrack; ++c)
            screenPens[std::size_t(t)][std::size_t(c)] = CurvePen(e.colour[c], e.lineWidth[c]);
    }
    SaveConfig(config);
}

void CUSTOMDATA::LoadTrackConfig()
{
    auto config = std::make_unique<CUSTCHARTCFGEX>();
    printSet = {};
    screenSet = {};
    CustomTrackHost empty;
    CustomTrackHost& host = owner ? *owner : empty;
    const double printFactor = 0.1 * host.printerBlockHeight * host.printScale;
    trackCount = 0;
    host.printTotalWidth = 0;

    const int profile = host.loggerId;
    const std::int32_t screenLeft = (profile == 17 || profile == 88 || profile == 20 || host.customTrackPlacement)
                                        ? host.trackUnitX
                                        : ClampToInt(std::int64_t(host.logWidth) - host.customTotalWidth - host.unitColumnWidth);
    const std::int32_t printLeft = host.printCustomX;

    if (!LoadConfig(*config))
        DefaultConfig(*config);
    for (int t = 0; t < kCustomTrackCount; ++t) {
        screenSet[std::size_t(t)] = config->track[t];
        printSet[std::size_t(t)] = config->track[t];
    }

    trackCount = ActiveTrackCount(screenSet);
    std::int64_t printTotal = 0;
    for (int t = 0; t < trackCount; ++t) {
        const auto i = std::size_t(t);
        if (!printing) {
            CustomTrackEntry& e = screenSet[i];
            LayOut(e, t == 0 ? screenLeft : screenSet[i - 1].rightX);
            for (int c = 0; c < kCurvesPerTrack; ++c)
                screenPens[i][std::size_t(c)] = CurvePen(e.colour[c], e.lineWidth[c]);
            TitleRect& r = host.titleRects[i];
            r.left = e.leftX;
            r.right = e.rightX;
            r.top = ClampToInt(std::int64_t(host.logTopMargin) - std::int64_t(kTitleRows) * host.rowHeight);
            r.bottom = ClampToInt(std::int64_t(r.top) + std::int64_t(kTitleRows) * host.rowHeight);
        } else {
            CustomTrackEntry& p = printSet[i];
            const double width = double(screenSet[i].blockWidth) * printFactor;
            // A scale that is no number, or a width no int holds, gives the track no room.
            p.blockWidth = platform::Whole(width);
            printTotal += TrackWidth(p);
            LayOut(p, t == 0 ? printLeft : printSet[i - 1].rightX);
            for (int c = 0; c < kCurvesPerTrack; ++c) {
                p.lineWidth[c] = std::max<std::int32_t>(p.lineWidth[c], 1);
                printPens[i][std::size_t(c)] = CurvePen(host.printBlackWhite ? kBlack : p.colour[c], p.lineWidth[c]);
            }
        }
    }
    host.printTotalWidth = ClampToInt(printTotal);
}

bool CUSTOMDATA::Load()
{
    extRecords.clear();
    extCount = 0;
    extLastDepth = 0;
    if (owner && owner->fit && owner->fit->dataEnabled)
        LoadExtRecords();
    LoadTrackConfig();
    loaded = true;
    if (!printing && owner) {
        const bool drilling = owner->well && owner->well->drilling;
        if (drilling && owner->drillerLag)
            lagSettings = *owner->drillerLag;
        else if (!drilling && owner->config)
            lagSettings = owner->config->lagSettings;
    }
    return true;
}

void CUSTOMDATA::LoadExtRecords()
{
    extRecords.clear();
    extCount = 0;
    const wellfile::FitFile* fit = owner ? owner->fit : nullptr;
    if (!fit)
        return;
    // The range is the first and last depth held, so the file has one record more than their difference.
    // Only records the file really holds are kept (past its end they would all be zero), and never more
    // than any well has: a damaged range must not take gigabytes.
    std::int64_t n = std::int64_t(fit->bottomDepth) - fit->topDepth + 1;
    const std::int64_t held = QFileInfo(fit->path).size() / std::int64_t(sizeof(wellfile::EXTRECORD));
    n = std::min({n, held, kMaxExtRecords});
    if (n <= 0)
        return;
    try {
        extRecords.assign(std::size_t(n + 10), wellfile::EXTRECORD{});
    } catch (const std::bad_alloc&) {
        extRecords = {};  // no FIT curves rather than a crash
        return;
    }
    const int read = wellfile::ReadExtRecords(*fit, extRecords, fit->path, 0, int(n));
    extCount = std::clamp(read, 0, int(n));
    extLastDepth = fit->bottomDepth;
}

void CUSTOMDATA::MoveTrack(int track, int direction)
{
    CUSTCHARTCFGEX config;
    if (!LoadConfig(config))
        return;
    int other = -1;
    if (direction == 1 && track > 0 && track < trackCount)
        other = track - 1;
    else if (direction == 2 && track >= 0 && track < trackCount - 1)
        other = track + 1;
    if (other < 0 || other >= kCustomTrackCount)
        return;
    std::swap(config.track[track], config.track[other]);
    if (!SaveConfig(config))
        return;
    Load();
    if (owner && owner->repaint)
        owner->repaint();
}

namespace {
// Counts the tracks in use of `config` (none when null) into the window's members.
void CountTracks(CustomTrackHost& host, const CUSTCHARTCFGEX* config)
{
    host.customTrackCount = 0;
    host.customTotalWidth = 0;
    host.textTrackFlag = 0;
    if (config) {
        const int n = ActiveTrackCount(config->track);
        std::int64_t total = 0;
        for (int t = 0; t < n; ++t) {
            const CustomTrackEntry& e = config->track[t];
            total += TrackWidth(e);
            if (e.kind == kTextTrackKind && e.hideDescriptions)
                host.textTrackFlag = e.hideDescriptions;
        }
        host.customTrackCount = n;
        host.customTotalWidth = ClampToInt(total);
    }
    if (host.customTotalWidth == 0) {  // one track of 20 blocks of 6 pixels
        host.customTrackCount = 1;
        host.customTotalWidth = 120;
    }
}
}  // namespace

void ResetCustomTracks(CustomTrackHost& host, const CUSTOMDATA* object, wellfile::WellConfig* config)
{
    if (object) {
        host.customTrackCount = 0;
        host.customTotalWidth = 0;
        if (config)
            config->customTracksEnabled = 0;  // the third of the record's custom-track values
    }
    host.textTrackFlag = 0;
}

void LoadCustomTracks(CustomTrackHost& host, std::unique_ptr<CUSTOMDATA>& object, bool freeObject)
{
    if (host.well && !host.well->wellName.isEmpty()) {
        wellfile::OpenWell& well = *host.well;
        wellfile::FitFile noFit;
        wellfile::FitFile& fit = host.fit ? *host.fit : noFit;
        if (!QFileInfo::exists(well.customDataFileName))
            wellfile::CreateCustomDataFile(well, fit, well.fileTopDepth, well.fileBottomDepth);
        else
            wellfile::ExtendCustomDataFile(well, well.fileBottomDepth);
        if (fit.dataEnabled && !QFileInfo::exists(fit.path))
            wellfile::CreateExtRecords(well, fit, well.fileTopDepth, well.fileBottomDepth);
    }
    if (!object)
        object = std::make_unique<CUSTOMDATA>(&host, false);
    host.titleRects = {};
    auto config = std::make_unique<CUSTCHARTCFGEX>();
    const bool read = object->LoadConfig(*config);
    CountTracks(host, read ? config.get() : nullptr);
    if (freeObject)
        object.reset();
}

void EditCustomTracks(CustomTrackHost& host, std::unique_ptr<CUSTOMDATA>& object, int mouseX, int mouseY)
{
    if (!object || !host.custCfgDlg)
        return;
    const std::int64_t x = std::int64_t(mouseX) + host.horizontalOffset;
    int track = 0;
    for (int t = 0; t < object->trackCount && t < kCustomTrackCount; ++t) {
        const CustomTrackEntry& e = object->screenSet[std::size_t(t)];
        if (e.leftX < x && x < e.rightX) {
            track = t;
            break;
        }
    }
    auto config = std::make_unique<CUSTCHARTCFGEX>();
    if (!object->LoadConfig(*config))
        FillDefaultTracks(*config, object->screenSet[0].leftX);
    const std::int32_t depth = host.depthAtRow ? host.depthAtRow(mouseY) : 0;
    if (!host.custCfgDlg(*config, depth, track))
        return;
    // The edits reach the sets only once they are on disk: a failed save leaves the layout shown.
    if (!object->SaveConfig(*config))
        return;
    for (int t = 0; t < kCustomTrackCount; ++t) {
        object->paintSet[std::size_t(t)] = config->track[t];
        object->screenSet[std::size_t(t)] = config->track[t];
    }
    LoadCustomTracks(host, object, false);
    if (host.setLogFormat)
        host.setLogFormat();
    if (host.buildGridBitmaps)
        host.buildGridBitmaps();
    object->LoadTrackConfig();
    if (host.repaint)
        host.repaint();
}

}  // namespace layout
