#pragma once
// The six display schemes of a well: which tracks and curves the log shows. They are kept together in
// the well's ".sch" file of six LOGSCHEME records; applying one copies its flags into the window's
// track flags, which the log format, the painters and the e-log curves read.
#include "layout/trackflags.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace wellfile {
struct WellConfig;
}

namespace layout {

constexpr int kSchemeCount = 6;
constexpr std::size_t kSchemeSize = 322;
constexpr std::size_t kOldSchemeSize = 190;  // the layout before the Sw threshold
constexpr std::size_t kSchemeFileSize = kSchemeCount * kSchemeSize;        // 1,932
constexpr std::size_t kOldSchemeFileSize = kSchemeCount * kOldSchemeSize;  // 1,140

#pragma pack(push, 1)
// Packed members: read and assign them by value.
struct LOGSCHEME {
    std::int32_t flags[kTrackFlagCount];    //   0 flag 0 always 1, then track flags 1-39
    char name[20];                          // 160
    std::int32_t densityOnRateGridOff;      // 180 1 when "Plot Density On Rate Grid" was last unticked
    std::int32_t reserved184;               // 184 0 on every save and conversion
    std::uint16_t number;                   // 188 0-5
    float swThreshold;                      // 190 water-saturation highlight, a fraction
    std::uint8_t zero194[128];              // 194
};
struct OLDLOGSCHEME {
    std::int32_t flags[kTrackFlagCount];
    char name[20];
    std::int32_t densityOnRateGridOff;
    std::int32_t reserved184;
    std::uint16_t number;
};
#pragma pack(pop)

static_assert(sizeof(LOGSCHEME) == kSchemeSize);
static_assert(sizeof(OLDLOGSCHEME) == kOldSchemeSize);
static_assert(offsetof(LOGSCHEME, name) == 160);
static_assert(offsetof(LOGSCHEME, densityOnRateGridOff) == 180);
static_assert(offsetof(LOGSCHEME, reserved184) == 184);
static_assert(offsetof(LOGSCHEME, number) == 188);
static_assert(offsetof(LOGSCHEME, swThreshold) == 190);
static_assert(offsetof(LOGSCHEME, zero194) == 194);
static_assert(offsetof(OLDLOGSCHEME, number) == 188);

using SchemeSet = std::array<LOGSCHEME, kSchemeCount>;
static_assert(sizeof(SchemeSet) == kSchemeFileSize);

// The window's scheme state.
struct SchemeState {
    TrackFlags trackFlags = DefaultTrackFlags();
    std::int32_t currentScheme = 0;
    bool fieldSchemes = false;        // the schemes live in the data folder (the user's settings record)
    float swThreshold = 0;
    bool descriptionByMemo = false;   // flag 33 on and flag 18 off
    bool quickView = false;           // set by the quick view bar
    // Options the scheme dialog edits beside the schemes.
    bool hardnessLabel = false;       // "Use Hardness Label"
    bool plotInterpretedLith = false; // "Plot Interpreted Lith"
    // Depth units the real-time gamma is drawn above its records; a lag of 0 is kept as 12.
    float gammaLag = 12.0f;
};

// Where the ".sch" lives and what a save must do besides writing it.
struct SchemeFiles {
    QString dataFolder;     // ends with '/'
    QString currentFolder;  // ends with '/'
    QString wellName;
    bool sendOption = false;      // saved files go to "sendfile/"
    bool remoteStation = false;
    bool copyOption = false;      // saved files are copied out
    std::function<void(const QString& extension)> copyWellFileOut;
};

// The defaults: flags 0 and 16-22 on, numbered 0-5, named "Mudlog", "Custom", ... "Default6".
SchemeSet DefaultSchemeSet();
// Reads the well's schemes from the folder saves go to (SchemeSavePath), or, while that holds none, from
// the folder the field-scheme flag names (data folder with field schemes, else the current folder), so
// an edit always comes back. A 1,140-byte file is converted and saved; a file of any other size in the
// save folder is kept aside under another name. When nothing can be read the defaults are built and
// `defaults` (when given) set. Null after "Memory ALLOCATION FAILED".
std::unique_ptr<SchemeSet> LoadSchemes(const SchemeFiles& files, bool fieldSchemes, bool* defaults = nullptr);
// Converts the 1,140-byte file at `path` and saves the result; the defaults when it cannot be read.
std::unique_ptr<SchemeSet> ConvertOldSchemes(const SchemeFiles& files, bool fieldSchemes, const QString& path);
// The six defaults, saved only where no ".sch" is yet: the user's schemes are never written over.
std::unique_ptr<SchemeSet> DefaultSchemes(const SchemeFiles& files, bool fieldSchemes);
// Writes the 1,932 bytes (data folder only for a field-scheme well that sends from a folder of its
// own); false, after a message, when the write failed.
bool SaveSchemes(const SchemeFiles& files, bool fieldSchemes, const SchemeSet& schemes);
// The file LoadSchemes reads first (the save path when no file is found) and the file saves write.
QString SchemeReadPath(const SchemeFiles& files, bool fieldSchemes);
QString SchemeSavePath(const SchemeFiles& files, bool fieldSchemes);
// True when the window sends from a folder of its own, as the field-scheme choice needs.
bool SendsFromOwnFolder(const SchemeFiles& files);

// What applying a scheme asks of the rest of the window. Each may be left empty.
struct SchemeHost {
    SchemeFiles files;
    int loggerId = 0;
    bool customTracksOn = false;
    // The e-log curve set, when one is loaded.
    bool curvesLoaded = false;
    std::function<bool(int curve)> curvePresent;  // curves 1-15
    std::function<void(bool densityOnRateGrid, bool wrap)> setCurveOptions;
    std::function<void(const QString& file, std::int32_t depthOffset)> setCurveFile;
    // The well's configuration record: read (false when there is none) and write.
    std::function<bool(wellfile::WellConfig&)> loadConfig;
    std::function<bool(const wellfile::WellConfig&)> saveConfig;
    std::function<void()> saveFieldSchemesFlag;  // into the user's settings record
    // Layout and view.
    std::function<void()> refreshGasDisplay;
    std::function<void()> setLogFormat;
    std::function<void()> buildGridBitmaps;
    std::function<void()> loadCustomTracks;
    std::function<void()> resetCustomTracks;
    std::function<void()> reloadCurves;
    std::function<void()> buildMenu;
    std::function<void(int scheme)> checkSchemeMenu;  // checks item 51716 + scheme, unchecks the rest
    std::function<void()> markRedraw;                 // a full re-render is owed
    std::function<void()> invalidate;                 // repaint the window (with erase)
};

// Makes scheme n current: its flags become the track flags, curves the loaded set lacks are switched
// off. When the defaults had to replace the file, scheme 0 is made current instead. In quick-view mode
// a fixed set is shown instead and the result is 0; else 1.
int ApplyScheme(SchemeState& state, SchemeHost& host, int n, bool repaint);
// The "scheme s" commands (s = 0-5): the scheme is made current, remembered in the well's
// configuration and the layout rebuilt.
void SelectScheme(SchemeState& state, SchemeHost& host, int s);

// The dialog's transfer buffer: name, one int32 per check box (flags 1-39), "Use Linear Res Scale".
#pragma pack(push, 1)
struct SchemeTransfer {
    char name[20];
    std::int32_t box[kTrackFlagCount - 1];  // box[k - 1] = flag k
    std::int32_t linearResScale;
};
#pragma pack(pop)
static_assert(sizeof(SchemeTransfer) == 180);

// The check box of each flag (index = flag; 0 has none).
extern const std::array<int, kTrackFlagCount> kFlagBoxIds;

// Fills the transfer from a scheme; "Descriptions" (flag 18) is cleared in the scheme first, so it
// always shows off.
void ShowScheme(LOGSCHEME& scheme, SchemeTransfer& transfer);
// Takes the transfer back into the scheme.
void StoreScheme(const SchemeTransfer& transfer, LOGSCHEME& scheme);
// The highlight threshold as typed: a whole percentage (35 -> 0.35), tens of percent (5 -> 0.5) or a
// fraction (0.4). Nullopt for text that is not one finite number from 0 to 100.
std::optional<float> ParseSwThreshold(const QString& text);
// The gamma lag as typed, depth units from the bit to the gamma sensor. Nullopt for text that is not one
// finite number from 0 to kMaxGammaLag.
constexpr double kMaxGammaLag = 1000;
std::optional<float> ParseGammaLag(const QString& text);

}  // namespace layout
