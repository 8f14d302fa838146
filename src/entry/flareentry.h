#pragma once
// Flare entry: a flare length and a short flare text per depth step, typed into a window of records
// read from the data file. FlareEntry walks that buffer: it starts on buffer record 6 (the record after
// the start depth's), stores what is typed for the step from the record above down to it, and moves one
// record down. It stores and steps; drawing and beeps are the dialog's, which it tells through the
// outcome of each key.
#include "entry/entrybuffer.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace entry {

constexpr int kFlareBufferRecords = 100;
constexpr int kFlareFirstIndex = 6;       // the first record typed into
constexpr int kFlareRowsAboveStart = 5;   // the start depth stands five rows below the view top
constexpr int kFlareLowestStartRows = 20; // a start nearer the first depth is moved down to first + 20

// The records read for a flare entry: 71, or 66 with log format 16.
int FlareReadCount(int logFormat);
// The fields the flare entry writes: flare length, flare text and mud weight out.
std::span<const RecordField> FlareFields();

enum class FlareMode { Length = 0, AirPressure = 1, MudWeight = 2, GainLoss = 3 };

// "Enter flare length for %d to %d" and its siblings by mode.
QString FlarePrompt(FlareMode mode, std::int32_t from, std::int32_t to);
// Writes a typed line as the record's flare text: at most 14 characters, always NUL-terminated.
void SetFlareText(wellfile::RECORD& r, const QString& text);

enum class FlareOutcome {
    Refused,  // beep
    Stored,   // the record is stored and the entry one record down
    Moved,    // Up or Down went one record
};

struct FlareKeyResult {
    FlareOutcome outcome = FlareOutcome::Refused;
    int index = 0;  // Stored: the record stored
    int y = 0;      // and the y of the record above it, where its step starts
};

class FlareEntry {
public:
    // `buffer` is the entry buffer (it may grow meanwhile: records are addressed by index); `firstRowY`
    // the y of the start depth's record; `rowCounter` the painters' row counter, kept in step.
    FlareEntry(std::vector<wellfile::RECORD>& buffer, std::int32_t lastDepth, int firstRowY, int rowHeight,
               std::int32_t& rowCounter);

    // A new mode starts again at the first record.
    void SetMode(FlareMode mode);
    FlareMode Mode() const { return mode_; }

    // Enter with the value box's first line (none while Ctrl is held) and the flare text line. An empty
    // value repeats the record above (flare length, or mud weight out in the mud weight mode).
    FlareKeyResult Enter(const std::optional<QString>& value, const QString& flareText);
    FlareKeyResult Up();
    FlareKeyResult Down();

    int Index() const { return index_; }
    int RowY() const { return y_; }
    std::int32_t FirstEditableDepth() const { return firstEditable_; }
    // What the dialog shows of the current record.
    QString Prompt() const;
    QString DepthText() const;
    QString FlareText() const;
    QString ValueText() const;  // "%d" flare length, or "%3.2f" mud weight out in the mud weight mode

private:
    void Step(int rows);

    std::vector<wellfile::RECORD>& buffer_;
    std::int32_t lastDepth_;
    int firstRowY_;
    int rowHeight_;
    std::int32_t& rowCounter_;
    FlareMode mode_ = FlareMode::Length;
    int index_ = kFlareFirstIndex;
    int y_;
    std::int32_t firstEditable_ = 0;
};

}  // namespace entry
