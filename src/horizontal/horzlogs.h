#pragma once
// The files the horizontal view correlates the well with: the anchor and target gamma files and the
// well's further curve files (rows of 96-byte curve records, one per depth unit), and the planned
// target path (24-byte records: MD, TVD, AZM, INCL, VS, DLS). Read whole, never written. Each log keeps
// its own count, so a panel reads only the samples of the log it draws.
#include "platform/gdi.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace horizontal {

// Every second record from the start record: its depth and its first curve value (the gamma).
struct GammaSlot {
    float depth = 0, gamma = 0;
};
struct GammaLog {
    std::vector<GammaSlot> samples;  // room for the records from the start + 101; unread ones zero
    int count = 0;                 // (records from the start + 1) / 2, also when the walk ended early
    bool Loaded() const { return !samples.empty(); }
};

// The start record of the gamma and curve files for the drawing's least TVD (a multiple of 10): 1000
// records above it, never before the file's first record.
int GammaStartRecord(std::int32_t leastTvd);

// A file too large to hold says "Memory Allocation Error" and loads nothing, as do the readers below.
// Nothing when the file cannot be opened or holds fewer than 10 records from `startRecord` (a negative
// start counts as 0). Only whole records are read; a depth at or past the record count, or not finite,
// ends the walk.
std::optional<GammaLog> LoadGammaFile(const QString& path, int startRecord);

// One curve file of the well: its log and the KB elevation of the well it comes from (the float at byte
// 28 of its first record).
struct CurveLog {
    std::int32_t depth = 0;  // the whole number after "@" in its name
    GammaLog log;            // empty when the file held too few records
    float kb = 0;
};
std::optional<CurveLog> LoadCurveFile(const QString& path, int startRecord);

// The well's curve files "<well>@<depth>.svc" of the data folder, sorted by depth, every one of them
// (the well's own "<well>.svc" has no "@" and is passed over). Curve number k is entry k - 1; at most 10.
// A name past `lastDrawnDepth` ends the list; a name whose depth is not a whole number is passed over.
struct CurveFiles {
    std::vector<CurveLog> curves;
};
CurveFiles ListCurveFiles(const QString& dataFolder, const QString& wellName, std::int32_t fileFirstDepth,
                          std::int32_t lastDrawnDepth, int startRecord);

// The target path: one (MD, TVD) point per whole record, truncated, and a closing (0, 0).
struct TargetPath {
    int count = 0;  // file size / 24
    std::vector<platform::POINT> points;
};
// Nothing when the path cannot be read as a file: a box shows the path, captioned "file error".
std::optional<TargetPath> LoadTargetFile(const QString& path);

// What one drawing knows of these files: where the window finds the curve files, the logs the loaders
// leave, and the tops' traced lines the crossings leave.
struct HorzLogData {
    QString dataFolder, wellName;
    // The target path drawn as strokes of the target pen's width (off: one thin polyline); a segment
    // spanning fewer columns than the threshold is thickened sideways, else downwards.
    bool thickTargetLine = false;
    int verticalLineThreshold = 3;

    GammaLog anchor, target;
    CurveFiles curves;
    TargetPath path;

    struct TopTrace {
        int top = 0;          // index into the drawing's tops
        int firstRow = -1;    // the first row found along the line
        std::vector<platform::POINT> points;  // one per image column (plot width + 100)
    };
    std::vector<TopTrace> topTraces;
};

}  // namespace horizontal
