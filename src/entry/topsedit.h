#pragma once
// The formation tops editor's work on the tops: their order, the tops file, the printed mark of a top's
// text, a top's true vertical depth from the depth records, and the tops list written as a text file.
#include "wellfile/sidefiles_tops.h"
#include "wellfile/topsex.h"
#include "wellfile/wellplace.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wellfile {
struct RECORD;
struct WellHeader;
}  // namespace wellfile

namespace entry {

// Puts the tops in depth order (tops of one depth keep their order) and numbers them 1, 2, ... Returns
// the place the top at `follow` moved to (-1 when `follow` is none of them).
int SortTops(std::vector<wellfile::TOPSEX>& tops, int follow = -1);

// The records of a tops file, read whole (size / 253). Nullopt after "Read Tops failed" when the file
// cannot be opened.
std::optional<std::vector<wellfile::TOPSEX>> ReadTops(const QString& path);

// Where the editor's saves go and the copies they make.
struct TopsFiles {
    wellfile::WellPlace place;
    wellfile::TopsPlace tops;
    bool copyTopsOut = false;  // while drilling: copying out and the send-tops option both on
    bool sendOption = false;   // saved files also go to the data folder's "sendfile/"
    std::function<void(const QString& extension)> copyWellFileOut;
};

// Sorts and numbers the tops and writes them (the ".topx" and the ".top", wellfile::SaveTops; none: the
// ".topx" removed). While drilling with copying out on, the ".topx" is copied out. 1, or 0 after "Save
// Tops failed" (the old files stay). `follow`, when given, is the index of a top, moved with it.
int SaveTops(TopsFiles& files, std::vector<wellfile::TOPSEX>& tops, int* follow = nullptr);

// With sending on: the saved ".topx" copied into the data folder's "sendfile/" under its own name.
void SendTopsCopy(const TopsFiles& files);

// The top's text with its printed mark set: printed takes a leading "<" off; not printed puts one
// before the text, cut first so that the whole stays within the record's 29 characters.
std::string PrintedMark(const std::string& text, bool printed);

// True vertical depth of a top, looked for in the records around it: 200 units above it to 200 below,
// read from record TvdWindowIndex.
constexpr int kTvdReach = 200;
constexpr int kTvdWindowRecords = 2 * kTvdReach + 1;
int TvdWindowIndex(std::int32_t depth, std::int32_t firstDepth, std::int32_t depthStep);

// Why a top got no TVD.
enum class TopTvdMissing { None, NoStationAbove, NoStationBelow, PastLastDepth };
struct TopTvd {
    float tvd = 0;        // 0: none could be worked out
    bool ownRecord = false;  // taken from a record within two units of the top, not interpolated
    TopTvdMissing missing = TopTvdMissing::None;
};
// `window` ends at its end or at a record of depth 0. A station is a record with a finite TVD above 0.
// A station within two units of the top gives its TVD; else the TVD is interpolated along the measured
// depth between the nearest stations above and below (within 200 units), as the well path runs
// straight between them. Never more than the top's depth; an interpolation past the file's last depth
// gives 0.
TopTvd TopTvdFrom(std::span<const wellfile::RECORD> window, std::int32_t depth, std::int32_t firstDepth,
                  std::int32_t lastDepth);
// What the editor says when a top marked for the horizontal view gets no TVD.
QString MissingTvdText(const TopTvd& tvd, std::int32_t depth);

// The tops list as text: the header block of profile 131 from `header`, the column line and one line
// per top.
QByteArray TopsListText(const std::vector<wellfile::TOPSEX>& tops, int profile, const wellfile::WellHeader& header);

enum class TopsListResult { Written, NoTops, OpenFailed };
// Reads the tops of `topsxPath` and writes their list to `textPath`; OpenFailed after "FILE OPEN FAILED".
TopsListResult PrintToFile(const QString& topsxPath, const QString& textPath, int profile,
                           const wellfile::WellHeader& header);

}  // namespace entry
