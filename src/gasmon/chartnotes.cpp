#include "gasmon/chartnotes.h"

#include "gasmon/chartview.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

int SampleOnRow(int y, int viewStart, int pixelsPerSample)
{
    const long long row = (static_cast<long long>(y) - kChartFirstRowY) / std::max(1, pixelsPerSample);
    return int(std::clamp<long long>(viewStart + kChartWindowLength - row, -1000000, 1000000));
}

std::uint16_t NoteLevelAt(int x, double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0))
        return 0;
    // The small allowance keeps a level that was placed at its own box's left edge from losing a unit
    // to the rounding of the division.
    const double level = std::trunc(x / pixelsPerUnit + 1e-9);
    return std::uint16_t(std::clamp(level, 0.0, 65535.0));
}

int NoteX(int level, double pixelsPerUnit) { return int(std::trunc(level * pixelsPerUnit)); }

SlotRun NoteSlotsAround(int sample)
{
    const int first = std::max(sample - 5, 0);
    const int last = std::min(sample + 4, kChartSlotsPerDay - 1);
    return {first, std::max(last - first + 1, 0)};
}

QByteArray NoteText(const CHARTRECORD& r) { return QByteArray::fromStdString(platform::FieldText(r.note)); }

void SetNoteText(CHARTRECORD& r, const QByteArray& text)
{
    platform::SetFieldText(r.note, text.left(kChartNoteLength).toStdString());
}

std::optional<int> NoteAt(const std::vector<ChartNoteBox>& notes, int x, int y, bool strictly)
{
    for (std::size_t n = 0; n < notes.size(); ++n) {
        const platform::RECT& b = notes[n].box;
        const bool holds = strictly ? (b.right > 0 && x > b.left && x < b.right && y > b.top && y < b.bottom)
                                    : (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom);
        if (holds)
            return int(n);
    }
    return std::nullopt;
}

int StepChartScale(int scaleIndex, int x)
{
    const int n = int(kChartFullScales.size());
    return (ChartScaleIndex(scaleIndex) + (x >= 100 ? 1 : n - 1)) % n;
}

}  // namespace gasmon
