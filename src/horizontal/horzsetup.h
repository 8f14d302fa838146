#pragma once
// The settings of a well's horizontal view: where its record (wellfile/horzsetuprecord.h) lives, how
// it is read and written, and what the view takes of it.
#include "wellfile/horzsetuprecord.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace horizontal {

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
void ViewDefaults(wellfile::HorzSetupRecord& r, int curvesGammaScale);
// The set-up as the set-up dialog makes it when it finds none.
void DialogDefaults(wellfile::HorzSetupRecord& r, int curvesGammaScale, int loggerProfile);

// The view's save: the whole record through a temporary file and a rename, then the copies to
// "sendfile" and the copy-out folder (with the working gamma files `anchorGamma` and `targetGamma`).
// 1 when written, 0 when the write failed (the old file then stays).
int SaveSetupFile(const HorzFiles& files, const wellfile::HorzSetupRecord& r, const QString& anchorGamma = {},
                  const QString& targetGamma = {});
// The view's read: zeroes `r` and reads it, with the rates mark set. A file of the wrong size is set aside as ".ho_" (or the
// first free ".ho_N") and 0 returned; sections kept where an older layout had them are moved and the
// file rewritten. 1 when read, 0 when there is no usable file.
int LoadSetupFile(const HorzFiles& files, wellfile::HorzSetupRecord& r);
// The name a short record is set aside under: current folder + well name + ".ho_", else ".ho_1", ...
QString SetAsidePath(const HorzFiles& files);

// The ".hor" the set-up dialog reads and writes: the data folder's for a shared well away from its
// data folder (the writer then sets the use-field-settings flag, so the view reads it there too), else
// the current folder's, the one the view uses.
QString DialogSetupPath(const HorzFiles& files);
// The set-up dialog's reader of DialogSetupPath (no migration): 1 when read, 0 when there is no file.
// A file of the wrong size is set aside beside it (".ho_", ".ho_1", ...) and 0 returned; -1 when a file
// is there that could be neither read nor set aside (the dialog then writes no defaults over it).
int ReadRecord(const HorzFiles& files, wellfile::HorzSetupRecord& r);
// The writer: decides the use-field-settings flag, rewrites ".dbc" for a shared well, writes
// DialogSetupPath. 1 when written, else 0.
int WriteRecord(const HorzFiles& files, const wellfile::HorzSetupRecord& r);

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
    std::vector<wellfile::HorzMarker> markers;
};

inline constexpr const char* kOffsetKbMessage =
    "The offset KB appears out of range\nThe value should be the KB of the offset file\nThe value will be used as "
    "is if not changed in\n Horizontal Setup";

// Reads the record (writing the view defaults when there is none) and makes the view's settings.
HorzViewSettings ApplySetup(const HorzFiles& files, const HorzApplyInputs& in);
// The steps after the read, on a record in hand (no file is touched, the ".trg" step aside).
HorzViewSettings SettingsOf(const wellfile::HorzSetupRecord& r, const HorzFiles& files, const HorzApplyInputs& in);

}  // namespace horizontal
