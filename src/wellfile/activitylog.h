#pragma once
// The activity log "svdata-M.txt" in the data folder: one entry appended at start, open, exit and at
// trace points, with the drilling figures while drilling. The program never reads it back.
#include <QString>

#include <optional>
#include <string>

namespace wellfile {

// Texts longer than this are logged as "Invalid data. text string to long".
constexpr std::size_t kMaxActivityText = 1800;

// The drilling object's figures that go into every entry while drilling.
struct DrillingFigures {
    int rate = 0;          // current rate, depth units per hour
    double timeCount = 0;  // the counter of the drilling time record; logged divided by 60
    int maxGasDepth = 0;   // depth of the maximum gas
};

struct ActivityLogContext {
    QString dataFolder;
    std::optional<DrillingFigures> drilling;  // set while drilling
    int viewScale = 1;                        // picks the depth-step label
};

// Appends `text` (Windows-1252 bytes) with the drilling suffix, the depth-step label and "\n\r", then
// empties `text` whether or not the log could be written. While drilling the text is upper-cased, and
// an entry holding "OPENED" gets its drilling figures on a line of their own. An empty text writes
// nothing. Returns whether an entry was written; a failure is not reported otherwise.
bool WriteActivityLog(std::string& text, const ActivityLogContext& context);

}  // namespace wellfile
