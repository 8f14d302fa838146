#pragma once
// The arithmetic of a log print run: page length and width, margin tables, the depth range, rows per page,
// the page count, the PDF output name and the record buffer with its blank filler. No printer needed.
#include "app/printstate.h"
#include "wellfile/record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace print {

constexpr int kPrintScaleTenFoot = 3;   // ten-foot scales (1 in./100 ft)
constexpr float kFullHeaderLength = 8.12f;  // page-length units the printed header takes
constexpr float kExtraPageLength = 11.0f;   // one show or DST page, and the fallback page length
constexpr int kExtraRecords = 100;          // records the buffer holds beyond the range
constexpr int kShortHeaderRows = 15;        // rows the short header line takes from the first page

// Page height (or width) in tens of rows; 11.0 when the page size is not positive.
float PageLength(int pixels, int rowHeight);

// The per-page margin tables (app/printstate.h).
using app::MarginTables;
MarginTables MarginTablesFor(int cx, int cy, bool twoAndHalfInch);

// Two DST reports a page.
int DstPages(int dstCount);

// The end depth asked for, made even (toward zero); when that is not above the start, the start plus 150,
// but no deeper than the print bottom depth.
int PrintEndDepth(int requestedEnd, int startDepth, int printBottomDepth);

// Depth units per page-length unit and the rows (ten-foot rows for kind 3) a page holds.
int UnitsPerLength(int scaleKind, bool dataAsText);
int RowsPerPage(int unitsPerLength, float pageLength, int scaleKind);

// The range actually printed: the start at least the first depth + 2; for ten-foot scales both ends on
// multiples of ten within the file.
struct DepthRange {
    int start = 0;
    int end = 0;
};
DepthRange PrintedRange(DepthRange asked, int firstDepth, int lastDepth, int scaleKind);

// The length of the run in page-length units and the pages it takes (at least 1; 0 for a failed run).
float LogLength(DepthRange range, int unitsPerLength, bool fullHeader, int showPages, int dstPages);
int PageCount(float logLength, float pageLength, bool failed);
// The pages `rows` printed rows fill when the first page holds `firstRows` of them (what its header
// leaves) and every later page `laterRows`: at least 1.
int LogPagesFor(int rows, int firstRows, int laterRows);
// The rows of a log page whose first row stands at `topY`: `rows`, but never more than stand whole above
// the foot of a printable area `pageHeight` pixels high (0: not known) with a row's height under the last
// for what is written below its foot (its depth number).
int RowsOnPage(int rows, int topY, int pageHeight, int rowHeight);
// Whether a row at `y` and what is written under it stand whole on that printable area.
bool RowOnPage(int y, int pageHeight, int rowHeight);

// "<data folder>sendfile/<well>@<end>-5inch.pdf" (kind 3 "-1inch", other kinds "-2inch"; "-horz" for
// the horizontal view before ".pdf").
QString PrintPdfName(const QString& dataFolder, const QString& wellName, int endDepth, int scaleKind,
                     bool horizontal = false);
// Whether a file name is one PrintPdfName makes (any well, any letter case): a print the program wrote.
bool IsPrintPdfName(const QString& fileName);

// Where the records of a run lie: how many to read and the file index of the first. Ten-foot scales read
// the five records before the start too.
struct RecordSpan {
    int count = 0;
    int firstIndex = 0;
    int BufferRecords() const { return count + kExtraRecords; }
};
RecordSpan PrintRecordSpan(DepthRange range, int firstDepth, int depthStep, int scaleKind);

// Fills the records after the last consecutive one (each the previous depth + the depth step) as blank
// records two units apart up to `endDepth`: scale codes carried from the record before, the three rates
// 0.1. Never writes past the buffer. Returns how many it filled.
int FillBlankRecords(std::span<wellfile::RECORD> buffer, int endDepth, int depthStep);

}  // namespace print
