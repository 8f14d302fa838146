#pragma once
// The horizontal plot's loading steps as plain functions of the records and the set-up record: the
// padded range, the draw-from depth, the walk that counts the drawn records and finds where the well
// turns horizontal, the vertical-scaling sections, the tops of the range and the image size. The window
// reads the files, calls these in order and draws (horizontal/draw/horzplot.h).
#include "horizontal/horzsetup.h"
#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace horizontal {

// The records read past the last one: pad = 100 - (last mod 100), at least 20; the end depth is the
// last depth rounded down to even plus 100 - (last mod 100).
struct PadRange {
    int pad = 0;
    std::int32_t endDepth = 0;
};
PadRange PadAndEnd(std::int32_t lastDepth);
// Records to read: (end - first) / step + pad + 10.
int RecordsToRead(std::int32_t firstDepth, std::int32_t endDepth, std::int32_t step, int pad);

// Fills `pad` records after the `countRead` read ones (as far as the buffer goes): depth one more than
// the one before, its scale codes at 100 and 322, rates 0.1. Returns the last pad record's depth (the
// last read depth when nothing could be padded).
std::int32_t PadRecords(std::span<wellfile::RECORD> records, int countRead, int pad);

// The truncated TVD of the first record (depth above 0 and below `endDepth`) whose TVD exceeds
// `wellGreatestTvd` - 500; 0 when there is none.
std::int32_t FindDrawFromDepth(std::span<const wellfile::RECORD> records, std::int32_t endDepth,
                               float wellGreatestTvd);

// What the walk over the records found.
struct RecordWalk {
    int skipped = 0;        // records before the draw-from depth
    int first = -1;         // index of the first counted record
    int toDraw = 0;         // records visited from the first counted one on
    int counted = 0;
    int surveys = 0;        // counted with inclination over 10 degrees
    int highAngle = 0;      // over 85 degrees
    float greatestInclination = 0;
    bool sectionMissing = false;  // a counted record with vertical section 0
    int rateCode = 0;
    std::int32_t plotFirstDepth = 0;
    std::int32_t leastTvd = 0, greatestTvd = 0;
};
// Skips records above `drawFrom`, then walks the rest of the `available` ones (read and padded) up to
// the one at `endDepth`. A record counts when its TVD is finite, above 0 and not deeper than its MD,
// and its inclination is finite.
RecordWalk WalkRecords(std::span<const wellfile::RECORD> records, std::int32_t drawFrom, std::int32_t endDepth,
                       int available);

// False when fewer than 4 records lie over 10 degrees and the greatest inclination is below 30.
bool HasHorizontalPart(const RecordWalk& w);

// The loader's range over the records read: steps draw-from, walk, first-load recount and the
// horizontal test; a stored draw-from depth that leaves nothing to draw falls back to the well's
// greatest TVD - 200 (stored, without keepDrawFrom). `setup` is the record as read; the caller saves it when `setupChanged`.
struct LoadInputs {
    std::int32_t fileFirstDepth = 0;
    std::int32_t endDepth = 0;
    int countRead = 0;
    int pad = 0;
    float wellGreatestTvd = 0;  // the well's greatest TVD
    bool first = false;         // the view's first load
};
struct LoadPlan {
    RecordWalk walk;
    std::int32_t drawFrom = 0;
    bool setupChanged = false;
    bool horizontal = false;
    std::int32_t leastTvd = 0;  // lowered to a multiple of 10
};
LoadPlan PlanLoad(std::span<const wellfile::RECORD> records, const LoadInputs& in, wellfile::HorzSetupRecord& setup);

// The drawing's TVD range: greatest + half the span, at most `plotLastDepth`, raised to a multiple of
// 10; least lowered to a multiple of 10. The span is at least 10 (an even TVD would divide by zero).
struct TvdRange {
    std::int32_t least = 0, greatest = 0;
};
TvdRange DrawTvdRange(std::int32_t least, std::int32_t greatest, std::int32_t plotLastDepth);

// The pixels per TVD unit of a section: the quotient rounded to one decimal as the stored files have it.
float PixelsPerTvd(int pathTop, int pathBottom, float startTvd, float endTvd);

// The sections of one drawing.
struct SectionInputs {
    std::int32_t leastTvd = 0, greatestTvd = 0;
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0;
    std::int32_t drawFrom = 0;
    int pixelsPerUnit = 8, plotLeft = 50;
    int pathTop = 0, pathBottom = 0;
    bool sectionMissing = false;
    bool scalingAllowed = false;
    float regionalDip = 0;  // the view's own copy
};
struct SectionPlan {
    std::array<wellfile::HorzSection, kMaxSections> sections{};
    int count = 1;
    bool dipMessage = false;  // show kSectionDataMessage and store dip 0 in the set-up record
    bool computed = true;     // one section made from the drawn range, not the record's own
};
SectionPlan CheckVerticalSection(const wellfile::HorzSetupRecord& setup, const SectionInputs& in);
// The set-up record's sections: cleared, then those with startMd above 0, packed in order.
void StoreSections(wellfile::HorzSetupRecord& setup, std::span<const wellfile::HorzSection> sections);
// The same for the sections of a drawing, except that sections the user entered (any with a start TVD
// above 0 below its end TVD) are never replaced by the one section a drawing computed.
void StoreDrawnSections(wellfile::HorzSetupRecord& setup, const SectionPlan& plan);

// The measured depth under window column x, in whole units as the mouse and the notes place things.
std::int32_t DepthAtColumn(int x, int scrollPos, int plotLeft, int pixelsPerUnit, std::int32_t plotFirstDepth);
// The section holding column x: the first whose end column lies beyond x - plotLeft, else 0. An x of 0
// stands for the view's scroll position.
int SectionAtDepth(std::span<const wellfile::HorzSection> sections, int x, int scrollPos, int plotLeft);

inline constexpr const char* kSectionDataMessage =
    " Some Or All Vertical Section Data Missing\n Regional Dip Set To Zero And,\n Vertical Scaling Is Disabled\n "
    "Enter Vertical Section Data to Restore Full Funtionality";
inline constexpr const char* kSectionDataCaption = " HORIZONTAL DATA ERROR";

// The tops drawn: number above 0 and TVD strictly between the draw-from depth and the greatest TVD, at
// most 12; `firstIndex` the first copied (-1 none).
struct TopsOfRange {
    std::vector<wellfile::TOPSEX> tops;
    int firstIndex = -1;
};
TopsOfRange CollectTops(std::span<const wellfile::TOPSEX> tops, std::int32_t drawFrom, std::int32_t greatestTvd);

// The image: (last - first) x pixelsPerUnit + plotLeft + 50 wide, at least client width + 500; client
// height less the scroll bar, down to a multiple of 10.
struct ImageSize {
    int width = 0, height = 0;
};
ImageSize PlotImageSize(std::int32_t plotFirstDepth, std::int32_t plotLastDepth, int pixelsPerUnit, int plotLeft,
                        int clientWidth, int clientHeight, int scrollHeight);

// The image file: `folder`/<well>@<first>-<last>-5in-hor<ext>, the folder bitmaps/<well>/ of the data
// folder found whatever its letter case. Empty for format 0 or an unknown one.
QString PlotImageFolder(const QString& dataFolder, const QString& wellName);
QString PlotImagePath(const QString& folder, const QString& wellName, std::int32_t first, std::int32_t last,
                      int format);

}  // namespace horizontal
