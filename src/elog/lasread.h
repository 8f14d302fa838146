#pragma once
// The LAS reader of the e-log and mudlog imports: the header items, the ~Curve list, the data lines and
// their fields, read from a whole file held in memory. Lines end at CR or LF (empty lines vanish);
// numbers are read in the C locale. The file comes from other programs: nothing here trusts it.
#include "elog/elog_services.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace elog {

// The lines of `text`, split at CR and LF; empty lines are left out.
std::vector<std::string_view> SplitLasLines(std::string_view text);

// What the header gives besides LasHeader.
struct LasHeaderExtra {
    float bitSize = 0;          // the "BS" item
    std::string depthUnit;      // the unit of "STRT", upper case ("M", "F", "FT", ...)
};

// Reads the header of the LAS text `text` into `header` (zeroed first). kLasRead; kLasRefused when an
// item is out of range (negative start, stop below 1 in a top-down file, step 0), which the caller
// reports; kLasReported after the reader showed its own message (`path` is the source, the caption of
// "Invalid Source").
int ReadLasHeaderText(std::string_view text, const QString& path, LasHeader& header, LasHeaderExtra& extra);

// A file logged from deep to shallow (STRT below STOP, or a negative STEP), as wireline runs are often
// written: its depths are taken in depth order all the same.
bool LasBottomUp(const LasHeader& header);

// The ~Curve list: the lines after the "~C" line up to the next section; none when there is no such
// list or it is empty.
std::optional<std::string_view> LasCurveList(std::string_view text);

// The data lines after the first "~A" line up to the next section, comment and blank lines left out;
// none when the text has no "~A" line.
std::optional<std::vector<std::string_view>> LasDataLines(std::string_view text);
// The fields of a data line as LasField takes them, and one field as a number (none when it is not
// all a finite number).
void SplitLasFields(std::string_view line, std::vector<std::string_view>& out);
std::optional<double> LasNumber(std::string_view field);

// Field `column` (1-based) of a data line as a number: fields are separated by blanks and tabs, or by
// one comma (so "100,,3" has an empty second field). None for a missing, empty or non-numeric field.
std::optional<double> LasField(std::string_view line, int column);
// The field within its limits: kept when at or above `low` and, for a positive `high`, at or below it;
// otherwise (and for no data) 0.
float GetColumnValue(std::string_view line, int column, float high, float low);

// The column map of the e-log import: entry t (1-14) holds the 1-based column that fills target t.
constexpr int kElogTargets = 14;
constexpr int kElogMapEntries = 18;
// The curve slot of target t, and its limits in a new file and in a merge.
int TargetSlot(int target);

// The depth column the next e-log import reads (1-based; 0 = column 1): cleared by the import dialog,
// set there to a TVD column. The merge and the mudlog import always read column 1.
int LasDepthColumn();
void SetLasDepthColumn(int column);

// What one import is given besides the LAS text.
struct LasImportInput {
    LasHeader header;
    std::int32_t map[kElogMapEntries] = {};
    float bitSize = 0;
    int depthColumn = 1;  // the column of the depth (a TVD column when chosen)
    float kb = 0;         // the KB elevation record 0 carries when its PE is below 1.0
};
// The new curve file of `text`, or its message and caption. Record i holds depth i.
struct LasImportResult {
    QByteArray bytes;
    QString message, caption;
};
// Why the data of `text` cannot be imported, or none: no "~A" line ("Ascii data section missing"), no
// data line ("File Read  Error"), or one of the first data lines holding more or fewer values than the
// ~Curve section lists curves. Asked before the import dialog and again by every import.
std::optional<LasImportResult> CheckLasData(std::string_view text);

// Deepest depth unit an import fills: bounds the records made from one file.
constexpr std::int32_t kMaxLasDepth = 200000;

LasImportResult BuildCurveFile(std::string_view text, const LasImportInput& in);
// The existing curve file `old` with the file's values merged into it.
LasImportResult MergeCurveFile(std::string_view text, const LasImportInput& in, const QByteArray& old);

}  // namespace elog
