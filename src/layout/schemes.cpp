#include "layout/schemes.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/fileattrs.h"
#include "wellfile/layoutfiles.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <new>

namespace layout {

const std::array<int, kTrackFlagCount> kFlagBoxIds = {
    0,   101, 102, 103, 104, 105, 112, 106, 107, 108, 109, 110, 111, 124, 125, 126, 114, 115, 117, 116,
    118, 119, 113, 127, 128, 129, 131, 132, 133, 134, 136, 135, 139, 140, 141, 143, 144, 146, 203, 149,
};

namespace {

std::unique_ptr<SchemeSet> NewSet()
{
    try {
        return std::make_unique<SchemeSet>();  // value-initialised: every byte zero
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("Memory ALLOCATION FAILED"), QStringLiteral("Schemes"));
        return nullptr;
    }
}

QString SchemeName(const SchemeFiles& files) { return files.wellName + QStringLiteral(".sch"); }

}  // namespace

SchemeSet DefaultSchemeSet()
{
    static const char* const kNames[kSchemeCount] = {"Mudlog", "Custom", "Custom 2", "Custom 3", "Custom 4", "Default6"};
    SchemeSet set;
    std::memset(&set, 0, sizeof set);
    const TrackFlags flags = DefaultTrackFlags();
    for (int i = 0; i < kSchemeCount; ++i) {
        LOGSCHEME& s = set[std::size_t(i)];
        std::memcpy(s.flags, flags.data(), sizeof s.flags);
        platform::SetFieldText(s.name, kNames[i]);
        s.number = std::uint16_t(i);
    }
    return set;
}

bool SendsFromOwnFolder(const SchemeFiles& files)
{
    return files.sendOption && !files.remoteStation &&
           files.currentFolder.compare(files.dataFolder, Qt::CaseInsensitive) != 0;
}

QString SchemeSavePath(const SchemeFiles& files, bool fieldSchemes)
{
    const bool field = fieldSchemes && SendsFromOwnFolder(files);
    return platform::FindFileNoCase(field ? files.dataFolder : files.currentFolder, SchemeName(files));
}

namespace {

// Where the flag alone says the schemes live, whatever a save would pick.
QString FlagPath(const SchemeFiles& files, bool fieldSchemes)
{
    return platform::FindFileNoCase(fieldSchemes ? files.dataFolder : files.currentFolder, SchemeName(files));
}

// The six old records at `path` in the new layout; null when the file cannot be read as 1,140 bytes.
std::unique_ptr<SchemeSet> ReadOldSchemes(const QString& path)
{
    std::array<OLDLOGSCHEME, kSchemeCount> old;
    static_assert(sizeof old == kOldSchemeFileSize);
    if (!wellfile::ReadExactFile(path, old.data(), kOldSchemeFileSize))
        return nullptr;
    auto set = NewSet();
    if (!set)
        return nullptr;
    for (std::size_t i = 0; i < old.size(); ++i) {
        LOGSCHEME& s = (*set)[i];
        std::memcpy(s.flags, old[i].flags, sizeof s.flags);
        std::memcpy(s.name, old[i].name, sizeof s.name);
        s.name[sizeof s.name - 1] = 0;
        s.densityOnRateGridOff = old[i].densityOnRateGridOff;
        s.reserved184 = 0;
        s.number = old[i].number;
        s.swThreshold = 0;
    }
    return set;
}

}  // namespace

QString SchemeReadPath(const SchemeFiles& files, bool fieldSchemes)
{
    // Read where saves go, so an edit always comes back; the flag's folder is only the fall-back for a
    // well whose own folder has no schemes yet.
    const QString own = SchemeSavePath(files, fieldSchemes);
    if (QFileInfo(own).isFile())
        return own;
    const QString flagged = FlagPath(files, fieldSchemes);
    return QFileInfo(flagged).isFile() ? flagged : own;
}

bool SaveSchemes(const SchemeFiles& files, bool fieldSchemes, const SchemeSet& schemes)
{
    if (files.wellName.isEmpty())
        return false;
    const QString path = SchemeSavePath(files, fieldSchemes);
    wellfile::SetNormalAttributes(path);
    if (!wellfile::WriteWholeFile(path, schemes.data(), kSchemeFileSize)) {
        platform::MessageBox(QStringLiteral("Could not save the display schemes ") + path, QStringLiteral("File Error"));
        return false;
    }
    if (files.copyOption && files.copyWellFileOut)
        files.copyWellFileOut(QStringLiteral(".sch"));
    return true;
}

std::unique_ptr<SchemeSet> DefaultSchemes(const SchemeFiles& files, bool fieldSchemes)
{
    auto set = NewSet();
    if (!set)
        return nullptr;
    *set = DefaultSchemeSet();
    // The user's own schemes are never written over with the defaults.
    if (!QFileInfo::exists(SchemeSavePath(files, fieldSchemes)))
        SaveSchemes(files, fieldSchemes, *set);
    return set;
}

std::unique_ptr<SchemeSet> ConvertOldSchemes(const SchemeFiles& files, bool fieldSchemes, const QString& path)
{
    auto set = ReadOldSchemes(path);
    if (!set)
        return DefaultSchemes(files, fieldSchemes);
    SaveSchemes(files, fieldSchemes, *set);
    return set;
}

std::unique_ptr<SchemeSet> LoadSchemes(const SchemeFiles& files, bool fieldSchemes, bool* defaults)
{
    if (defaults)
        *defaults = false;
    if (!files.wellName.isEmpty()) {
        const QString own = SchemeSavePath(files, fieldSchemes);
        const QString flagged = FlagPath(files, fieldSchemes);
        QStringList paths{own};
        if (flagged != own)
            paths << flagged;
        for (const QString& path : paths) {
            const QFileInfo info(path);
            if (!info.isFile())
                continue;
            wellfile::SetNormalAttributes(path);
            if (std::size_t(info.size()) == kSchemeFileSize) {
                auto set = NewSet();
                if (!set)
                    return nullptr;
                if (wellfile::ReadExactFile(path, set->data(), kSchemeFileSize))
                    return set;
            } else if (std::size_t(info.size()) == kOldSchemeFileSize) {
                if (auto set = ReadOldSchemes(path)) {
                    SaveSchemes(files, fieldSchemes, *set);
                    return set;
                }
            }
            // Damaged or unreadable. The defaults go where saves go: a file there is kept for the user
            // rather than written over; one in the other folder is left where it is.
            if (path == own)
                wellfile::KeepAside(path);
        }
    }
    if (defaults)
        *defaults = true;
    return DefaultSchemes(files, fieldSchemes);
}

int ApplyScheme(SchemeState& state, SchemeHost& host, int n, bool repaint)
{
    TrackFlags& f = state.trackFlags;
    if (state.quickView) {
        f.fill(1);
        for (int k : {4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 19, 20, 21, 23, 26, 27, 28, 29, 30, 31})
            f[std::size_t(k)] = 0;
        return 0;
    }
    if (n < 0 || n >= kSchemeCount)
        n = 0;
    bool defaults = false;
    const auto set = LoadSchemes(host.files, state.fieldSchemes, &defaults);
    if (!set) {
        f = DefaultTrackFlags();
        if (host.refreshGasDisplay)
            host.refreshGasDisplay();
        if (host.customTracksOn) {
            if (host.setLogFormat)
                host.setLogFormat();
            if (host.buildGridBitmaps)
                host.buildGridBitmaps();
            if (host.loadCustomTracks)
                host.loadCustomTracks();
        }
        if (host.invalidate)
            host.invalidate();
        return 1;
    }

    if (defaults)
        n = 0;  // the scheme asked for is gone with the file it was in
    const LOGSCHEME& s = (*set)[std::size_t(n)];
    for (int k = 1; k < kTrackFlagCount; ++k)
        f[std::size_t(k)] = s.flags[k];
    f[FLAG_ALWAYS_ON] = 1;
    state.currentScheme = n;
    state.swThreshold = s.swThreshold;

    if (host.curvesLoaded) {
        if (host.setCurveOptions)
            host.setCurveOptions(On(f, FLAG_DENSITY_ON_RATE_GRID), On(f, FLAG_WRAP));
        if (host.curvePresent)
            for (int k = FLAG_FIRST_CURVE; k <= FLAG_LAST_CURVE; ++k)
                if (!host.curvePresent(k))
                    f[std::size_t(k)] = 0;
    }

    if (host.loadConfig && host.setCurveFile) {
        auto config = std::make_unique<wellfile::WellConfig>();
        if (host.loadConfig(*config)) {
            const wellfile::ElogOffsetEntry& first = config->elogOffsets[0];
            const std::string name = platform::FieldText(first.fileName);
            if (!name.empty())
                host.setCurveFile(platform::FromCp1252(name.data(), name.size()), first.depthOffset);
        }
    }

    if (host.markRedraw)
        host.markRedraw();
    if (repaint && host.invalidate)
        host.invalidate();
    return 1;
}

void SelectScheme(SchemeState& state, SchemeHost& host, int s)
{
    if (s < 0 || s >= kSchemeCount)
        return;
    if (host.checkSchemeMenu)
        host.checkSchemeMenu(s);
    state.currentScheme = s;
    if (host.loadConfig && host.saveConfig) {
        auto config = std::make_unique<wellfile::WellConfig>();
        if (host.loadConfig(*config)) {  // without a record there is nothing to remember it in
            config->currentScheme = s;
            host.saveConfig(*config);
        }
    }
    const bool full = state.quickView || host.customTracksOn;
    state.quickView = false;
    ApplyScheme(state, host, s, false);
    // The columns depend on the flags (interpreted lithology, outlines), so the layout is always rebuilt.
    if (host.setLogFormat)
        host.setLogFormat();
    if (host.buildGridBitmaps)
        host.buildGridBitmaps();
    if (full) {
        if (host.curvesLoaded && host.reloadCurves)
            host.reloadCurves();
        if (host.loadCustomTracks)
            host.loadCustomTracks();
    }
    if (host.invalidate)
        host.invalidate();
    if (host.refreshGasDisplay)
        host.refreshGasDisplay();
}

void ShowScheme(LOGSCHEME& scheme, SchemeTransfer& transfer)
{
    scheme.flags[FLAG_DESCRIPTIONS] = 0;
    std::memset(&transfer, 0, sizeof transfer);
    platform::SetFieldText(transfer.name, platform::FieldText(scheme.name));
    for (int k = 1; k < kTrackFlagCount; ++k)
        transfer.box[k - 1] = scheme.flags[k];
}

void StoreScheme(const SchemeTransfer& transfer, LOGSCHEME& scheme)
{
    platform::SetFieldText(scheme.name, platform::FieldText(transfer.name));
    for (int k = 1; k < kTrackFlagCount; ++k)
        scheme.flags[k] = transfer.box[k - 1];
    scheme.flags[FLAG_ALWAYS_ON] = 1;
}

namespace {
// The number typed; nullopt unless the whole text is one finite number (the C locale's form).
std::optional<double> FiniteNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
}  // namespace

std::optional<float> ParseSwThreshold(const QString& text)
{
    std::optional<double> v = FiniteNumber(text);
    if (!v || *v < 0 || *v > 100)
        return std::nullopt;
    // A whole percentage becomes a fraction; a single figure counts tens of percent. Only one of the
    // two applies, so 100 stays the whole range (1.0) instead of shrinking to 0.1.
    if (*v >= 10)
        *v *= 0.01;
    else if (*v >= 1)
        *v *= 0.1;
    return float(*v);
}

std::optional<float> ParseGammaLag(const QString& text)
{
    const std::optional<double> v = FiniteNumber(text);
    if (!v || *v < 0 || *v > kMaxGammaLag)
        return std::nullopt;
    return float(*v);
}

}  // namespace layout
