#pragma once
// The settings record of a well's horizontal view (".hor"): one 156,458-byte image, read and written
// whole. The view reads it on every drawing and writes back its draw-from depth, scroll position,
// sections and markers; the set-up dialog edits the rest.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace horizontal {

#pragma pack(push, 1)
// A vertical-scaling section of the well path. startMd 0 marks an empty entry.
struct HorzSection {
    float startTvd;
    float endTvd;
    float startMd;
    float endMd;
    float pxPerTvd;   // stored by the view when it draws
    std::int32_t endX;
    float reserved24;
    float dip;
    float sectionVs;
    std::uint8_t reserved36[20];
};

// A lithology symbol placed on the plot. symbolNumber 0 marks an empty entry.
struct HorzMarker {
    std::uint16_t symbolNumber;  // 1..22
    std::uint16_t markerTvd;
    std::uint16_t markerMd;
    std::uint8_t placedScaled;   // placed while vertical scaling was on
    std::int32_t offsetY;        // unaligned: read and assign by value
    std::uint8_t reserved11[9];
};

struct HorzSetupRecord {
    char anchorGammaFile[260];
    char targetGammaFile[260];
    char targetFile[260];
    float regionalDip;
    std::int32_t reserved784;
    std::int32_t drawFromDepth;
    std::int32_t targetOffsetKb;
    std::int32_t anchorOffsetKb;
    std::uint8_t reserved800;
    std::uint8_t gammaOffWellTrack;
    std::uint8_t reserved802[6];
    float inchesPer100Ft;
    char viewName[140];
    std::int32_t reserved952;
    std::int32_t imageFormat;
    std::int32_t fillBehindGas;
    std::int32_t rateScale;
    std::int32_t gasScale;
    std::int32_t gammaScale;
    std::uint8_t reserved976[8];
    std::uint8_t blockedRop;
    std::uint8_t drawRates;
    std::uint8_t drawGas;
    std::uint8_t drawGamma;
    std::uint8_t drawDescriptions;
    std::uint8_t drawMemos;
    std::int32_t gasCount;
    HorzSection sections[10];
    std::uint8_t reserved1554[138380];
    HorzMarker markers[775];
    std::int32_t scrollPosition;
    std::uint8_t drawShows;
    std::uint8_t drawHeader;
    std::uint8_t drawLithOnWellTrack;
    std::uint16_t markerCount;
    std::uint8_t reserved155443[2];
    std::uint16_t reserved155445;
    HorzSection oldSections[10];
    std::uint8_t logGas;
    std::uint8_t logRop;
    std::uint8_t logGamma;
    std::uint8_t reserved156010;
    std::uint8_t fillBehindTargetGamma;
    std::uint8_t drawWrtGamma;
    std::uint8_t lithInOrderEntered;
    std::int32_t highlightTargetGammaBelow;
    std::uint8_t drawCustomTracks;
    std::uint8_t verticalGasScales;
    std::int32_t sectionCount;
    std::uint8_t reserved156024;
    std::uint8_t multipleTargetGammas;
    std::uint8_t drawLithPics;
    std::uint8_t textInOwnTrack;
    std::int32_t textBlockCount;
    std::uint8_t hidePictures;
    std::uint8_t keepDrawFrom;
    std::uint8_t reserved156034[424];
};
#pragma pack(pop)

static_assert(sizeof(HorzSection) == 56 && sizeof(HorzMarker) == 20);
static_assert(offsetof(HorzSection, pxPerTvd) == 16 && offsetof(HorzSection, endX) == 20);
static_assert(offsetof(HorzSection, dip) == 28 && offsetof(HorzSection, sectionVs) == 32);
static_assert(offsetof(HorzMarker, markerMd) == 4 && offsetof(HorzMarker, placedScaled) == 6);
static_assert(offsetof(HorzMarker, offsetY) == 7 && offsetof(HorzMarker, reserved11) == 11);
static_assert(sizeof(HorzSetupRecord) == 156458);
static_assert(offsetof(HorzSetupRecord, targetGammaFile) == 260 && offsetof(HorzSetupRecord, targetFile) == 520);
static_assert(offsetof(HorzSetupRecord, regionalDip) == 780 && offsetof(HorzSetupRecord, drawFromDepth) == 788);
static_assert(offsetof(HorzSetupRecord, targetOffsetKb) == 792 && offsetof(HorzSetupRecord, anchorOffsetKb) == 796);
static_assert(offsetof(HorzSetupRecord, reserved800) == 800 && offsetof(HorzSetupRecord, gammaOffWellTrack) == 801);
static_assert(offsetof(HorzSetupRecord, inchesPer100Ft) == 808 && offsetof(HorzSetupRecord, viewName) == 812);
static_assert(offsetof(HorzSetupRecord, reserved952) == 952 && offsetof(HorzSetupRecord, imageFormat) == 956);
static_assert(offsetof(HorzSetupRecord, fillBehindGas) == 960 && offsetof(HorzSetupRecord, rateScale) == 964);
static_assert(offsetof(HorzSetupRecord, gasScale) == 968 && offsetof(HorzSetupRecord, gammaScale) == 972);
static_assert(offsetof(HorzSetupRecord, blockedRop) == 984 && offsetof(HorzSetupRecord, drawMemos) == 989);
static_assert(offsetof(HorzSetupRecord, gasCount) == 990 && offsetof(HorzSetupRecord, sections) == 994);
static_assert(offsetof(HorzSetupRecord, reserved1554) == 1554 && offsetof(HorzSetupRecord, markers) == 139934);
static_assert(offsetof(HorzSetupRecord, scrollPosition) == 155434 && offsetof(HorzSetupRecord, drawShows) == 155438);
static_assert(offsetof(HorzSetupRecord, drawLithOnWellTrack) == 155440);
static_assert(offsetof(HorzSetupRecord, markerCount) == 155441 && offsetof(HorzSetupRecord, reserved155445) == 155445);
static_assert(offsetof(HorzSetupRecord, oldSections) == 155447 && offsetof(HorzSetupRecord, logGas) == 156007);
static_assert(offsetof(HorzSetupRecord, logGamma) == 156009 && offsetof(HorzSetupRecord, fillBehindTargetGamma) == 156011);
static_assert(offsetof(HorzSetupRecord, lithInOrderEntered) == 156013);
static_assert(offsetof(HorzSetupRecord, highlightTargetGammaBelow) == 156014);
static_assert(offsetof(HorzSetupRecord, drawCustomTracks) == 156018 && offsetof(HorzSetupRecord, verticalGasScales) == 156019);
static_assert(offsetof(HorzSetupRecord, sectionCount) == 156020 && offsetof(HorzSetupRecord, multipleTargetGammas) == 156025);
static_assert(offsetof(HorzSetupRecord, textInOwnTrack) == 156027 && offsetof(HorzSetupRecord, textBlockCount) == 156028);
static_assert(offsetof(HorzSetupRecord, hidePictures) == 156032 && offsetof(HorzSetupRecord, keepDrawFrom) == 156033);
static_assert(offsetof(HorzSetupRecord, reserved156034) == 156034);

// Byte 800 of every record the set-up dialog writes; the per-hour rate curve is drawn only from a
// record that carries it, so every record the view writes or reads carries it as well.
constexpr std::uint8_t kRatesMark = 1;

constexpr int kMaxMarkers = 775;
constexpr int kMaxSections = 10;

// Where the record lives and where its copies go: the open well's folders and modes.
struct HorzFiles {
    QString currentFolder;  // the open well's folder
    QString dataFolder;     // the field folder
    QString wellName;
    bool sharedMode = false;        // the well lies in a shared folder
    bool* useFieldSettings = nullptr;  // the well's use-field-settings flag (set by WriteRecord)
    bool drilling = false;
    bool sendOn = false;            // copies go to "sendfile" (unless suppressed)
    bool sendSuppressed = false;
    bool copyOutOn = false;         // the second-folder copy flag
    QString copyOutFolder;
    // Copies data folder + well name + extension to a folder (the copy-out rules of the well).
    std::function<void(const QString& extension, const QString& folder)> copyWellFileOut;
    // Rewrites the well's ".dbc" unchanged; false when it could not.
    std::function<bool()> rewriteDbc;
};

// The view's ".hor": the data folder's when the well is shared, its folder is not the data folder and
// the use-field-settings flag is on; else the current folder's.
QString ViewSetupPath(const HorzFiles& files);

// The set-up as the view makes it when it finds none (with the rates mark, as the dialog's);
// `curvesGammaScale` is the loaded curves' own gamma choice (0 when no curves are loaded).
void ViewDefaults(HorzSetupRecord& r, int curvesGammaScale);
// The set-up as the set-up dialog makes it when it finds none.
void DialogDefaults(HorzSetupRecord& r, int curvesGammaScale, int loggerProfile);

// The view's save: the whole record through a temporary file and a rename, then the copies to
// "sendfile" and the copy-out folder (with the working gamma files `anchorGamma` and `targetGamma`).
// 1 when written, 0 when the write failed (the old file then stays).
int SaveSetupFile(const HorzFiles& files, const HorzSetupRecord& r, const QString& anchorGamma = {},
                  const QString& targetGamma = {});
// The view's read: zeroes `r` and reads it, with the rates mark set. A file of the wrong size is set aside as ".ho_" (or the
// first free ".ho_N") and 0 returned; sections kept where an older layout had them are moved and the
// file rewritten. 1 when read, 0 when there is no usable file.
int LoadSetupFile(const HorzFiles& files, HorzSetupRecord& r);
// The name a short record is set aside under: current folder + well name + ".ho_", else ".ho_1", ...
QString SetAsidePath(const HorzFiles& files);

// The ".hor" the set-up dialog reads and writes: the data folder's for a shared well away from its
// data folder (the writer then sets the use-field-settings flag, so the view reads it there too), else
// the current folder's, the one the view uses.
QString DialogSetupPath(const HorzFiles& files);
// The set-up dialog's reader of DialogSetupPath (no migration): 1 when read, 0 when there is no file.
// A file of the wrong size is set aside beside it (".ho_", ".ho_1", ...) and 0 returned; -1 when a file
// is there that could be neither read nor set aside (the dialog then writes no defaults over it).
int ReadRecord(const HorzFiles& files, HorzSetupRecord& r);
// The writer: decides the use-field-settings flag, rewrites ".dbc" for a shared well, writes
// DialogSetupPath. 1 when written, else 0.
int WriteRecord(const HorzFiles& files, const HorzSetupRecord& r);

// A stored file path made usable here: "" or "NOT SELECTED" give "", a path through a folder of the
// program's ("strativ") or of the sharing service ("dropbox") is taken as current folder + name.
QString RebasedPath(const QString& stored, const QString& currentFolder);

// What the main window tells the set-up's application.
struct HorzApplyInputs {
    float kbElevation = 0;          // the well's KB from its header
    int curvesGammaScale = 0;       // the loaded curves' gamma choice; 0 none
    bool customTracks = false;      // the window has custom tracks
    bool lithPictures = false;      // the window's lithology-picture flag
    bool verticalGasOption = false; // the window's vertical-gas-scale option
};

// The view's working settings made from the record.
struct HorzViewSettings {
    QString anchorGammaFile, targetGammaFile, targetFile;
    float regionalDip = 0;
    std::int32_t drawFromDepth = 0;
    std::int32_t scrollPosition = 0;
    std::int32_t targetShift = 0, anchorShift = 0;
    bool offsetKbOutOfRange = false;  // the caller shows kOffsetKbMessage
    std::int32_t pixelsPerUnit = 8;
    bool gammaOffWellTrack = false;
    bool logGas = false, logRop = false, logGamma = false, hidePictures = false;
    bool fillBehindTargetGamma = false, fillBehindGas = false;
    std::int32_t imageFormat = 0;
    bool drawLithOnWellTrack = false, blockedRop = false, drawRates = false, drawGamma = false;
    bool drawWrtGamma = false, drawGas = false, drawDescriptions = false, drawMemos = false;
    bool multipleTargetGammas = false, drawShows = false, drawHeader = false, textInOwnTrack = false;
    bool lithInOrderEntered = false, drawCustomTracks = false, drawLithPics = false, verticalGasScales = false;
    std::int32_t textBlockCount = 0, highlightTargetGammaBelow = 0;
    std::int32_t rateScale = 1, gasScale = 1, gammaScale = 1, gasCount = 0;
    std::int32_t gasScales[12] = {};  // full scales by gasScale, from index 1
    std::vector<HorzMarker> markers;
};

inline constexpr const char* kOffsetKbMessage =
    "The offset KB appears out of range\nThe value should be the KB of the offset file\nThe value will be used as "
    "is if not changed in\n Horizontal Setup";

// Reads the record (writing the view defaults when there is none) and makes the view's settings.
HorzViewSettings ApplySetup(const HorzFiles& files, const HorzApplyInputs& in);
// The steps after the read, on a record in hand (no file is touched, the ".trg" step aside).
HorzViewSettings SettingsOf(const HorzSetupRecord& r, const HorzFiles& files, const HorzApplyInputs& in);

}  // namespace horizontal
