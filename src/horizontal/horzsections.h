#pragma once
// The rules of the vertical-scaling sections editor and of the tops' lithology list, as plain functions
// over the sections, the well's depth records and the tops. No widgets here.
#include "horizontal/horzsetup.h"

#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace horizontal {

// The records as the editor reads them: in file order, ended by a record of depth 0 (or the span's end).
using SurveyRecords = std::span<const wellfile::RECORD>;

// The number of leading sections in use (startMd not 0), at most 10.
int LeadingSectionCount(const wellfile::HorzSection (&sections)[kMaxSections]);

// Moves the first section's start onto the nearer record with a TVD (the shallower on a tie) when the
// record at its depth has none. Nothing when that record has a TVD or no TVD lies on one side.
void SnapFirstStart(wellfile::HorzSection& first, SurveyRecords records);

// The survey list, deepest first: "MD :%d TVD :%.2f INCL %.2f" for each record with a TVD, from the last
// record up to (not including) the first inclined one; and the last record's depth.
QStringList SurveyLines(SurveyRecords records, std::int32_t* lastDepth);

// The least positive and the greatest TVD from the first record at or below `depth` with a TVD on.
struct SurveyTvdRange {
    float least = 0, greatest = 0;
};
SurveyTvdRange TvdRangeFrom(SurveyRecords records, std::int32_t depth);

// The editor's state: the caller's sections and count, the section shown, and a new section started
// from the survey list and not saved yet (it sits at index count - 1 and is counted).
struct SectionEditor {
    wellfile::HorzSection sections[kMaxSections] = {};
    int count = 0;
    int current = 0;
    bool pending = false;
    std::int32_t lastDepth = 0;
};

// What the editor's edits hold (texts as typed).
struct SectionFields {
    QString startMd, endMd, startTvd, endTvd, dip;
};

SectionFields FieldsOf(const wellfile::HorzSection& s);
// A survey line chosen after New: the new section is the one after the last (a second choice before
// Save replaces it). Returns false when there is no room. `fields` gets the line's depth and, when
// there is a section before it, that section's dip and vertical depths.
bool StartNewSection(SectionEditor& e, const QString& line, SectionFields& fields);
// Stores the edits in the section shown and ends the previous section where this one starts. False
// when there is no section yet.
bool SaveSection(SectionEditor& e, const SectionFields& fields);
// Deletes the section shown (never the first); false when nothing was deleted.
bool DeleteSection(SectionEditor& e);
// Moves by +1 or -1 through the sections; true when it wrapped round.
bool StepSection(SectionEditor& e, int step);
// The sections as Done leaves them: an unsaved new section is not counted.
int SavedCount(const SectionEditor& e);

// The lithology names of a top, by number.
inline constexpr const char* kTopLithologies[9] = {"None",  "Lime",       "Dolomite", "Shale", "Chert",
                                                   "Sand",  "Carb Shale", "Cust 1",   "Cust 2"};
// A top's line in the tops list: its menu name, else its text, else "no label".
QString TopLabel(const wellfile::TOPSEX& top);
// The top selected first: the first after the first one drawn on the horizontal view, else the first.
int FirstSelectedTop(const std::vector<wellfile::TOPSEX>& tops);

}  // namespace horizontal
