#pragma once
// TvdFile: the TVD well's files as survey stations build and extend them. The TVD well is a copy of the
// well re-numbered to true vertical depth: its data file (".svm") holds one record per whole TVD unit
// from the well's first depth, its curve file (".svc") the gamma rows re-numbered the same way, its
// ".mem" the copied memos and its ".tvd" the current interval.
//
// Where the hole is deviated an interval of t TVD units spans n > t MD units: record k of the interval
// takes MD record round(k x n / t), so the record at each station's TVD holds that station's MD record
// and data, gamma and memos stay in line. Every file is written whole through a temporary file and a
// rename, only once everything it needs was read.
#include "elog/tvdinterval.h"
#include "wellfile/memorecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace elog {

// What a TVD log is built from: the open well's files and its first depth. The TVD well's own files
// are named after the TVD data file's path (its extension replaced).
struct TvdSources {
    QString dataFile;            // the well's data file
    QString curveFile;           // the well's curve file, the gamma source
    QString headerFile;          // the well's ".hdr"
    std::int32_t firstDepth = 0;  // the data file's first depth
};

// The MD depth that TVD depth `tvd` of the interval starting at (`md0`, `tvd0`) with `n` MD and `t` TVD
// units takes: md0 + round((tvd - tvd0) x n / t). With t 0 or less the MD end.
std::int64_t MdOfTvd(std::int64_t tvd, std::int64_t md0, std::int64_t tvd0, std::int64_t n, std::int64_t t);

// `path` with its extension replaced by `extension` (".tvd", ".mem", ".hdr").
QString TvdSidePath(const QString& path, const char* extension);

// The TVD well's configuration made from the well's (".cfg" bytes): every e-log entry that names a
// curve file names the TVD well's own, `tvdCurveFile`, which is built from the well's `curveFile`; the
// depth shift stays with an entry that named that file and is 0 for another. An entry whose name the
// field cannot hold is emptied. A configuration of another length comes back as it is.
QByteArray TvdConfigOf(const QByteArray& wellConfig, const QString& curveFile, const QString& tvdCurveFile);

class TvdFile {
public:
    explicit TvdFile(TvdSources sources) : sources_(std::move(sources)) {}

    QString curvePath;                     // the TVD curve file
    std::span<const wellfile::SVMEMO> memos;  // the well's memos, in depth order
    bool curvesLoaded = false;             // the well's curve set is loaded
    bool gammaFlag = false;                // the TVD curve file is kept up to date
    bool createTvd = false;                // memos are copied whatever the interval says
    std::function<void()> rebuildMenu;     // after a TVD log was started

    // Each returns 1 on success, 0 on failure (said to the user where the file work failed).
    // Starts the TVD data file with the first interval (MD and TVD start at the first depth) and the
    // TVD ".mem" afresh; the interval then starts at its end and is saved.
    int Update(const QString& path, TvdInterval& iv);
    // Appends one interval; a station more than 4 units shallower than the TVD reached asks before the
    // file is cut back to it.
    int BuildInterval(const QString& path, TvdInterval& iv);
    int StartGamma(const QString& tvdCurvePath, const TvdInterval& iv);
    int AppendGamma(const QString& tvdCurvePath, const TvdInterval& iv);
    // Copies the memos of the interval to the TVD ".mem" at their TVD depths (`d` the MD-TVD
    // difference, spare room); `afresh` replaces what the file held.
    int CopyMemos(const QString& path, const TvdInterval& iv, std::int32_t d, bool afresh = false);
    // Cuts the TVD data file back to the interval's TVD end, which becomes its start.
    int CutTvdFile(const QString& path, TvdInterval& iv);
    static int SaveInterval(const QString& path, const TvdInterval& iv);
    // 0 when the ".tvd" is missing or shorter than an interval (`iv` then unchanged).
    static int LoadInterval(const QString& path, TvdInterval& iv);

    // Two wells whose names differ only in their first character share a TVD name. False, said to the
    // user, when the TVD well at `path` exists and its header names another well than the open one's.
    bool BelongsToWell(const QString& path) const;

private:
    TvdSources sources_;
};

}  // namespace elog
