// The custom tracks' read-out of a click right of the gas track.
#include "app/logstate.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/ui/leftbutton.h"
#include "logview/ui/mousewindow.h"
#include "logview/ui/readoutbox.h"
#include "platform/services.h"
#include "platform/text.h"
#include "tracks/curvevalues.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/customdata.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>

namespace logview {

namespace {

constexpr std::uint16_t kRatioCodeA = 25;  // the two curves whose pair adds the CRAT line
constexpr std::uint16_t kRatioCodeB = 26;

// The track whose x range holds the log x strictly inside; track 0 when none does.
int TrackAt(const layout::CUSTOMDATA& data, long long logX)
{
    for (int t = 0; t < layout::kCustomTrackCount; ++t) {
        const layout::CustomTrackEntry& e = data.screenSet[std::size_t(t)];
        if (e.leftX < logX && logX < e.rightX)
            return t;
    }
    return 0;
}

// (|iC4| + |nC4| + |iC5| + |nC5| of the half step) / |C3|; 0 without C3.
float CratOf(const wellfile::RECORD& r)
{
    const float c3 = std::fabs(r.gas[wellfile::GAS_C3]);
    if (!(c3 > 0.0f))
        return 0.0f;
    float sum = 0.0f;
    for (int i = wellfile::GAS_IC4; i <= wellfile::GAS_NC5; ++i)
        sum += std::fabs(r.halfGas[i]);
    return sum / c3;
}

}  // namespace

int ShowValueBox(app::LogState& s, const MouseContext& m, std::int32_t depth, int x, int y)
{
    layout::CUSTOMDATA* data = s.customTracks.data.get();
    const std::vector<wellfile::CUSTDATAREC>& rows = s.customTracks.rows;
    const long long index = (long long)depth - s.well.file.fileTopDepth;
    // The values are computed with the custom record one step above the depth's: none at the first depth.
    if (!data || index < 1 || index >= (long long)rows.size())
        return 1;
    const wellfile::CUSTDATAREC& record = rows[std::size_t(index)];
    if (record.depth == 0.0f || !std::isfinite(record.depth))
        return 1;
    const double rowAt = double(record.depth) - s.well.file.viewTopDepth;
    const std::vector<wellfile::RECORD>& cache = s.view.recordCache;
    if (!(rowAt >= 0.0) || rowAt >= double(cache.size()))
        return 1;
    const wellfile::RECORD& r = cache[std::size_t(rowAt)];

    const layout::CustomTrackEntry& track = data->screenSet[std::size_t(TrackAt(*data, (long long)x + s.scroll.horizontalOffset))];
    const tracks::CurveValueSettings settings = tracks::CurveValueSettingsOf(s);
    const tracks::ElogView* elog = s.view.painters ? s.view.painters->ShownElogView() : nullptr;
    // The FIT values with the custom record one step above, as a paint from that record reads them.
    const std::size_t ext = data->ExtIndexAt(rows[std::size_t(index - 1)].depth, s.well.file.fileBottomDepth);
    const std::span<const wellfile::EXTRECORD> fit(data->extRecords);
    const tracks::CurveRecords in{std::span<const wellfile::RECORD>(&r, 1),
                                  std::span<const wellfile::CUSTDATAREC>(rows).subspan(std::size_t(index - 1), 2),
                                  fit.subspan(std::min(ext, fit.size())), elog};
    // The read-out leaves the painters' remembered mud weights as the paint left them.
    tracks::PainterState scratch = s.trackPainters;

    std::string text;
    int width = 120, height = 50, ratioCurves = 0;
    const int lineHeight = m.readout.LineHeight();
    const auto addLine = [&](const std::string& name, float value) {
        const std::string line = platform::CFormat("%s =%.2f  ", name.c_str(), double(value));
        text += line + "\n";
        const int lineWidth = m.readout.TextWidth(line);
        if (lineWidth > width)
            width = lineWidth + 10;
        height += lineHeight;
    };
    for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
        const std::uint16_t code = track.dataCode[c];
        if (code == 0)
            continue;
        std::array<float, 12> values{};
        tracks::PlotCurve(values, code, 0.0f, in, 1, settings, scratch);
        addLine(platform::FieldText(track.label[c]), tracks::CurveIsPaired(code) ? values[1] : values[0]);
        if (code == kRatioCodeA || code == kRatioCodeB)
            ++ratioCurves;
    }
    if (ratioCurves == 2)
        addLine("CRAT", CratOf(r));
    text += platform::CFormat("At %d meters\n", int(record.depth));

    if (!m.readout.Exists()) {
        platform::MessageBox(platform::FromCp1252(text.data(), text.size()), QStringLiteral("View Data"));
        return 1;
    }
    m.readout.Show(text, x, y, width, height, m.window.clientTop ? m.window.clientTop() : 0);
    return 1;
}

}  // namespace logview
