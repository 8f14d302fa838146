#pragma once
// The custom tracks: up to 15 user-defined tracks to the right of the log, each with up to 12 curves.
// Their layout is the well's CUSTCHARTCFGEX record (".grdx", and named views in "views/"); the window
// keeps a CUSTOMDATA object with a screen, a paint and a print copy of the 15 track entries and the
// pens of every curve.
#include "layout/pentable.h"
#include "platform/winapi.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace wellfile {
struct OpenWell;
struct WellConfig;
}

namespace layout {

constexpr int kCustomTrackCount = 15;
constexpr int kCurvesPerTrack = 12;
constexpr std::size_t kTrackEntrySize = 1024;
constexpr std::size_t kCustChartCfgSize = 16576;
constexpr int kTextTrackKind = 13;
// The most ".fit" records held in memory: a depth range far beyond any well (about 124 MB).
constexpr std::int64_t kMaxExtRecords = 200'000;

#pragma pack(push, 1)
struct CustomTrackEntry {
    float pixelsPerUnit[kCurvesPerTrack] = {};  //   0 (right x - left x) / (maximum - minimum), recomputed on load
    float minimum[kCurvesPerTrack] = {};        //  48
    float maximum[kCurvesPerTrack] = {};        //  96
    std::uint8_t unused144[4] = {};             // 144
    std::int32_t rightX = 0;                    // 148 recomputed on load
    std::int32_t leftX = 0;                     // 152 recomputed on load
    std::int32_t blockWidth = 0;                // 156 pixels
    std::int32_t blockCount = 0;                // 160 active when width and count are both above 0
    std::int32_t direction[kCurvesPerTrack] = {};           // 164 1 normal, 0 reversed
    platform::COLORREF colour[kCurvesPerTrack] = {};        // 212
    std::int32_t lineWidth[kCurvesPerTrack] = {};           // 260 1 to 3
    std::int32_t curveValue[kCurvesPerTrack] = {};          // 308 1 in every predefined track
    std::uint16_t dataCode[kCurvesPerTrack] = {};           // 356 position in the curve list
    std::uint8_t unused380[4] = {};                         // 380
    char label[kCurvesPerTrack][20] = {};                   // 384
    std::uint8_t logarithmic = 0;               // 624
    std::uint8_t mudWeight = 0;                 // 625 draw mud weight
    std::uint8_t fill[kCurvesPerTrack] = {};    // 626 fill behind each curve
    char title[50] = {};                        // 638
    std::int32_t kind = 0;                      // 688 predefined kind, 0 user-defined; 13 the text track
    std::uint8_t picturesActualSize = 0;        // 692
    std::uint8_t ppm = 0;                       // 693
    std::uint8_t onHorizontalView = 0;          // 694
    std::uint8_t unused695 = 0;                 // 695
    std::int32_t scaleInterval = 0;             // 696
    std::int32_t schemeIndex = 0;               // 700 custom display scheme (entry 0 only)
    std::uint8_t hideDescriptions = 0;          // 704
    std::uint8_t lithFromElog = 0;              // 705
    std::uint8_t verticalLabel = 0;             // 706
    std::uint8_t unused707[317] = {};           // 707
};
// The 16-byte head and the bytes after the 15 entries mean nothing here; they are read and written back
// unchanged.
struct CUSTCHARTCFGEX {
    std::uint8_t head[16] = {};
    CustomTrackEntry track[kCustomTrackCount];
    std::uint8_t tail[kCustChartCfgSize - 16 - kCustomTrackCount * kTrackEntrySize] = {};
};
#pragma pack(pop)

static_assert(sizeof(CustomTrackEntry) == kTrackEntrySize);
static_assert(offsetof(CustomTrackEntry, minimum) == 48);
static_assert(offsetof(CustomTrackEntry, maximum) == 96);
static_assert(offsetof(CustomTrackEntry, rightX) == 148);
static_assert(offsetof(CustomTrackEntry, leftX) == 152);
static_assert(offsetof(CustomTrackEntry, blockWidth) == 156);
static_assert(offsetof(CustomTrackEntry, blockCount) == 160);
static_assert(offsetof(CustomTrackEntry, direction) == 164);
static_assert(offsetof(CustomTrackEntry, colour) == 212);
static_assert(offsetof(CustomTrackEntry, lineWidth) == 260);
static_assert(offsetof(CustomTrackEntry, curveValue) == 308);
static_assert(offsetof(CustomTrackEntry, dataCode) == 356);
static_assert(offsetof(CustomTrackEntry, label) == 384);
static_assert(offsetof(CustomTrackEntry, logarithmic) == 624);
static_assert(offsetof(CustomTrackEntry, mudWeight) == 625);
static_assert(offsetof(CustomTrackEntry, fill) == 626);
static_assert(offsetof(CustomTrackEntry, title) == 638);
static_assert(offsetof(CustomTrackEntry, kind) == 688);
static_assert(offsetof(CustomTrackEntry, picturesActualSize) == 692);
static_assert(offsetof(CustomTrackEntry, ppm) == 693);
static_assert(offsetof(CustomTrackEntry, onHorizontalView) == 694);
static_assert(offsetof(CustomTrackEntry, scaleInterval) == 696);
static_assert(offsetof(CustomTrackEntry, schemeIndex) == 700);
static_assert(offsetof(CustomTrackEntry, hideDescriptions) == 704);
static_assert(offsetof(CustomTrackEntry, lithFromElog) == 705);
static_assert(offsetof(CustomTrackEntry, verticalLabel) == 706);
static_assert(offsetof(CUSTCHARTCFGEX, track) == 16);
static_assert(offsetof(CUSTCHARTCFGEX, tail) == 16 + kCustomTrackCount * kTrackEntrySize);
static_assert(sizeof(CUSTCHARTCFGEX) == kCustChartCfgSize);

using TrackSet = std::array<CustomTrackEntry, kCustomTrackCount>;
using TrackPens = std::array<std::array<PenSpec, kCurvesPerTrack>, kCustomTrackCount>;

// A track is drawn when its block width and block count are both above 0.
bool TrackActive(const CustomTrackEntry& e);
// The widest custom track shown, in screen pixels: no screen shows a wider one, and with it the log's
// column edges stay far inside int range. A stored track wider than this counts as a gap.
constexpr std::int32_t kMaxTrackWidth = 16384;
// Width in pixels (block width x blocks), 0 for an inactive track; kept within int range.
std::int32_t TrackWidth(const CustomTrackEntry& e);
// Tracks in use: those before the first inactive or over-wide one (a gap hides every track after it).
int ActiveTrackCount(const CustomTrackEntry (&tracks)[kCustomTrackCount]);
int ActiveTrackCount(const TrackSet& tracks);
// (right x - left x) / (maximum - minimum), or 1.0 when the maximum is not above the minimum.
float PixelsPerUnit(std::int32_t leftX, std::int32_t rightX, float minimum, float maximum);

// A named view or any ".grdx": reads at most 16,576 bytes (the rest of the record zero); false when the
// file does not open. And writes the whole record; false when the write failed.
bool ReadCustChartFile(const QString& path, CUSTCHARTCFGEX& config);
bool WriteCustChartFile(const QString& path, const CUSTCHARTCFGEX& config);

struct FontSpec {
    QString family;
    int height = 0;
    int weight = 400;
};

// A track title's rectangle on screen.
struct TitleRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The main window's state that the custom tracks read and set, and the calls they make into the
// rest of the program. The window owns one and keeps it current.
struct CustomTrackHost {
    wellfile::OpenWell* well = nullptr;            // folders, well name, depth range, drilling and copy options
    wellfile::FitFile* fit = nullptr;                        // the ".fit" file and the FIT data option
    const wellfile::WellConfig* config = nullptr;  // the well's configuration: lag settings, backup drive
    const wellfile::LagRecord* drillerLag = nullptr;  // the drilling object's lag settings while drilling
    bool sharedFolderWell = false;
    std::int32_t customTrackSource = 0;  // 1: the ".grdx" lives in the data folder
    bool suppressSendfile = false;       // no copy into "sendfile/"
    int loggerId = 0;

    // Screen geometry, from the log format.
    std::int32_t logWidth = 0;
    std::int32_t unitColumnWidth = 0;
    std::int32_t trackUnitX = 0;         // where the custom tracks start for profiles 17, 20 and 88
    bool customTrackPlacement = false;   // start them there for every profile
    std::int32_t logTopMargin = 0;
    std::int32_t rowHeight = 0;
    std::int32_t gasTrackRight = 0;      // right edge of the gas track
    std::int32_t trackOffset = 0;
    std::int32_t horizontalOffset = 0;   // scroll offset added to x before a hit test

    // Printer geometry.
    std::int32_t printerBlockHeight = 0;
    float printScale = 1.0f;
    std::int32_t printerFontSize = 0;
    std::int32_t printCustomX = 0;       // left edge of the printed custom tracks
    bool printBlackWhite = false;

    // Kept by the window, set here.
    std::int32_t customTrackCount = 0;
    std::int32_t customTotalWidth = 0;
    std::int32_t printTotalWidth = 0;
    std::uint8_t textTrackFlag = 0;      // a text track hides the descriptions
    std::array<TitleRect, kCustomTrackCount> titleRects{};

    // Calls out; each may be left empty.
    std::function<void()> markFieldCustomTracks;  // sets the ".dbc" flag of a ".grdx" in the data folder
    std::function<std::int32_t(int row)> depthAtRow;
    // The custom-track dialog on `config` at `depth` with `track` selected; true when closed with OK.
    std::function<bool(CUSTCHARTCFGEX& config, std::int32_t depth, int track)> custCfgDlg;
    std::function<void()> setLogFormat;
    std::function<void()> buildGridBitmaps;
    std::function<void()> repaint;
};

class CUSTOMDATA {
public:
    CUSTOMDATA(CustomTrackHost* owner, bool printing);

    CustomTrackHost* owner;
    bool printing;
    FontSpec labelFont;
    FontSpec titleFont;
    std::int32_t trackCount = 0;  // tracks in use
    // Tracks the last paint walked: the tracks in use, at most 10 while drilling; -1 before the first.
    std::int32_t tracksToPaint = -1;
    bool loaded = false;  // Load has laid the tracks out; the paint prepares an object that has not been
    std::int32_t extCount = 0;
    std::int32_t extLastDepth = 0;    // the custom data end depth: a FIT value stops at a record of it
    // The mud-motor factor of a custom record whose own is 0 or less; no setting sets it, so the
    // record's factor decides.
    float defaultMotorFactor = 0.0f;
    // The ".fit" records from its first depth, as many as the file holds (at most kMaxExtRecords), then
    // ten zeroed ones; empty without FIT data. Readers stay within its size.
    std::vector<wellfile::EXTRECORD> extRecords;
    // The first FIT record a curve of the custom rows from `depth` reads: the first whose depth is not
    // below all of the custom data end depth, `depth` and the file's `lastDepth`.
    std::size_t ExtIndexAt(double depth, std::int32_t lastDepth) const;
    TrackSet printSet{};
    TrackSet paintSet{};
    TrackSet screenSet{};
    TrackPens screenPens{};
    TrackPens printPens{};
    std::array<PenSpec, 3> gridPens{};
    wellfile::LagRecord lagSettings{};

    // The well's ".grdx": the one in the folder saves go to (the data folder for a shared-folder well
    // copying to a second folder, else the current folder); while that holds none, the one in the
    // folder `customTrackSource` names. Saves and reloads thus always meet.
    QString ConfigPath() const;
    // Clears `config` and reads the file; false when there is none.
    bool LoadConfig(CUSTCHARTCFGEX& config) const;
    // Writes the record and makes its copies; false (with a message) when the write failed.
    bool SaveConfig(const CUSTCHARTCFGEX& config);
    // The " DRILLING " layout: fills the record, the print set and the screen pens, and saves.
    void DefaultConfig(CUSTCHARTCFGEX& config);
    // Reads the record (the defaults when there is none) and lays the tracks out for screen or printer.
    void LoadTrackConfig();
    bool Load();
    void LoadExtRecords();
    // Swaps a track with its left (direction 1) or right (direction 2) neighbour, saves and reloads.
    // A move past either end changes nothing.
    void MoveTrack(int track, int direction);
};

// The " DRILLING " layout in the entries of `config` (head and tail untouched), track 0 placed at `leftX`.
void FillDefaultTracks(CUSTCHARTCFGEX& config, std::int32_t leftX);

// The window's custom-track routines. Reset clears the window's count and width and the record's
// custom-tracks-enabled value.
void ResetCustomTracks(CustomTrackHost& host, const CUSTOMDATA* object, wellfile::WellConfig* config);
// Creates the ".svx" (and with FIT data the ".fit") when missing, else brings the ".svx" to the file's
// last depth; counts the tracks and their width, making the object when the window has none; frees it
// after with `freeObject`.
void LoadCustomTracks(CustomTrackHost& host, std::unique_ptr<CUSTOMDATA>& object, bool freeObject);
// The right mouse button on the custom tracks: runs the custom-track dialog on the track under the
// mouse and, after OK, saves and lays everything out again.
void EditCustomTracks(CustomTrackHost& host, std::unique_ptr<CUSTOMDATA>& object, int mouseX, int mouseY);

}  // namespace layout
