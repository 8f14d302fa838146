#pragma once
// TvdFile: the TVD well's files as survey stations build and extend them. The TVD well is a copy of the
// well re-numbered to true vertical depth: its data file (".svm") holds one record per whole TVD unit
// from the well's first depth, its curve file (".svc") the gamma rows re-numbered the same way, its
// ".mem" the copied memos and its ".tvd" the current interval.
//
// Each TVD unit takes the MD record at which the well path reaches that TVD, to the nearest unit: the
// path runs through every survey station stored in the records (TVD = MD above the first, linear
// between stations), so the record at each station's TVD holds that station's MD record and data,
// gamma and memos stay in line. Every file is written whole through a temporary file and a rename,
// only once everything it needs was read.
#include "elog/tvdinterval.h"
#include "wellfile/memorecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace elog {

// What a TVD log is built from: the open well's files and its first depth. The TVD well's own files
// are named after the TVD data file's path (its extension replaced).
struct TvdSources {
    QString dataFile;            // the well's data file
    QString curveFile;           // the well's curve file, the gamma source
    QString headerFile;          // the well's ".hdr"
    std::int32_t firstDepth = 0;  // the data file's first depth
};

// A survey station of the well path.
struct PathPoint {
    double md = 0, tvd = 0;
};
// The measured depth at which the well path through `stations` (in MD order) reaches true vertical
// depth `tvd`: the depth itself above the first station, linear between stations (the first pair that
// spans it), the last station's MD below them.
double MdAtTvd(double tvd, std::span<const PathPoint> stations);

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
    // The gamma rows, copied or appended, and the memos of the interval copied to the TVD ".mem" at
    // their TVD depths (`d` the MD-TVD difference, spare room; `afresh` replaces what the file held),
    // each along the well path through `stations`, as the data file's records.
    int StartGamma(const QString& tvdCurvePath, const TvdInterval& iv, std::span<const PathPoint> stations);
    int AppendGamma(const QString& tvdCurvePath, const TvdInterval& iv, std::span<const PathPoint> stations);
    int CopyMemos(const QString& path, const TvdInterval& iv, std::int32_t d, std::span<const PathPoint> stations,
                  bool afresh = false);
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
