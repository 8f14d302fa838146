#pragma once
// Notes on the real-time gas chart, apart from its window: the sample on a row of the chart, the level a
// window x gives, which slots take notes and which are written around a new one, the note text of a
// sample, and the boxes of the notes a drawing put on the chart, which the mouse finds again.
#include "gasmon/chartrecord.h"
#include "platform/gdi.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace gasmon {

// A note's text holds at most this many bytes (the 20-byte field keeps its NUL).
constexpr int kChartNoteLength = 19;
// The edit a note is typed in: its size, and how far above the clicked point it opens.
constexpr int kChartNoteEditWidth = 140;
constexpr int kChartNoteEditHeight = 20;
// A note's label box on the screen is a row of text high.
constexpr int kChartNoteBoxHeight = 20;

// The sample on the row at window y: view start + 800 - (y - 120) / p, the division truncated toward
// zero as the rows were laid out. Above the first row or below the last this points past the drawn
// samples, even past the day.
int SampleOnRow(int y, int viewStart, int pixelsPerSample);
// The note level of window x: x / the linear pixels per unit, truncated, within the field's range.
std::uint16_t NoteLevelAt(int x, double pixelsPerUnit);
// Where a note of `level` stands across the chart: level x pixels per unit, truncated.
int NoteX(int level, double pixelsPerUnit);

// Only the samples of the day (0 .. 43,199) take notes.
inline bool TakesNote(long long sample) { return sample >= 0 && sample < kChartSlotsPerDay; }
// The slots written when a note is placed on `sample`: from sample - 5 to sample + 4, within the day.
struct SlotRun {
    int first = 0;
    int count = 0;
};
SlotRun NoteSlotsAround(int sample);

// The note of a sample, read no further than its field; empty for none.
QByteArray NoteText(const CHARTRECORD& r);
// Puts the first 19 bytes of `text` into the sample's note, NUL-terminated, the rest of the field zeroed.
void SetNoteText(CHARTRECORD& r, const QByteArray& text);

// A note as a drawing put it on the chart: its label box and its sample.
struct ChartNoteBox {
    platform::RECT box;
    int sample = 0;
};
// The first note whose box holds (x, y): with its edges, or (`strictly`) inside them, and then only a
// box whose right edge is right of 0. Gives its place in `notes`.
std::optional<int> NoteAt(const std::vector<ChartNoteBox>& notes, int x, int y, bool strictly);

// The next full scale of a double click in the scale band: forward at x of 100 or more, back left of it,
// round from 10000 to 100 and from 100 to 10000.
int StepChartScale(int scaleIndex, int x);

}  // namespace gasmon
