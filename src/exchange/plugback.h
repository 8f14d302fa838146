#pragma once
// The plug back: a new well that keeps the open one down to the kick-off depth, with the pictures,
// reports, shows and curves of the hole above it. The open well's own files are not changed.
#include "wellfile/wellplace.h"

#include <QString>

#include <cstdint>

namespace app {
struct WellState;
}
namespace wellfile {
struct OpenWell;
}

namespace exchange {

// Plug Back from the new-file dialog (exchange::ExchangeServices::OpenWellFiles) is built from these:
// the drilling object's lag tables cleared, the open well archived (not for profiles 21 and 86), its
// file set copied to the new name, cut at `info.startDepth` and opened (exchange/wellcreation.h); then
// the pictures, reports, shows and the curve file of the copy are cut at that depth, the header read
// and written back, the records scanned and drilling mode switched on.

// The pictures folder of a well: data folder + "Bitmaps/" (as spelt on disk) + well + "/".
QString WellPictureFolder(const wellfile::OpenWell& well);

// The opened plug-back well's pictures (from `oldPictures`, the old well's folder), reports and shows
// cut at `depth`; while copy-out is on, each report or show file rewritten is then copied out (after
// the cut: a copy made before would send the uncut file).
void CutPlugBackSideFiles(const app::WellState& well, const QString& oldPictures, std::int32_t depth);

// The curve file of the well (".svc" beside its data file), or empty when there is none; cut at the
// kick-off depth (a row per depth unit), said when it cannot be.
QString WellCurveFile(const wellfile::OpenWell& well);
void CutCurveFileAtDepth(const QString& curves, std::int32_t depth);

// The opened plug-back well read back: the header read and written back, the show and report depth
// indexes loaded and the records scanned.
void ReadBackPlugBackWell(app::WellState& well);

// Copies each "*.jpg" of `oldFolder` whose name has a depth of at most `depth` right after its first
// "@" into `newFolder` (made when missing) as `newWell` + "@" + the rest of its name. Names without such
// a depth are passed over. Returns the number copied.
int CopyPicturesBelowDepth(const QString& oldFolder, const QString& newFolder, const QString& newWell,
                           std::int32_t depth);

// The daily reports of the well at `place` (an old layout converted first) end with the first report
// deeper than `depth`, which takes `depth` as its depth; the shows kept are those starting at or above
// `depth` (none left: the file goes). The file is replaced whole; when it cannot be written it stays as
// it was, after "Report File Error" (" Show Report File Error") with the caption "Report". 1 done or
// nothing to do, 0 after the message; `rewritten`, when given, tells whether the file was written.
int CutReportsAtDepth(const wellfile::WellPlace& place, std::int32_t depth, bool* rewritten = nullptr);
int CutShowsAtDepth(const wellfile::WellPlace& place, std::int32_t depth, bool* rewritten = nullptr);

}  // namespace exchange
