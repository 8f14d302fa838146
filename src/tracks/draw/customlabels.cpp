#include "tracks/draw/customlabels.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "tracks/customscale.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/gasscale.h"

namespace tracks {

namespace {

struct LabelStyle {
    bool inLog = true;     // the log's label rows: drawn only inside the log
    double inset = 0.0;    // rows the value texts stand in from the edges
    double nameRise = 2.2; // rows the name stands above y
    double step = 2.5;     // rows to the next curve
};

using platform::Trunc;

bool NoLabels(const layout::CustomTrackEntry& e)
{
    return e.blockCount == 0 || e.kind == 3 || e.kind == 30 || e.kind == layout::kTextTrackKind || e.kind == 14;
}

void DrawLabels(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                const logview::Device& device, std::span<const wellfile::RECORD> records, int y, int bottomY, int R,
                const LabelStyle& style)
{
    int y0 = y;
    if (data.printing && std::int64_t(y0) > std::int64_t(bottomY) - 30LL * R)
        y0 = Trunc(double(bottomY) - 30.0 * R);
    dc.SetTextColor(platform::RGB(0, 0, 0));  // the labels leave the text black
    const platform::KeepDcState keep(dc);
    dc.SelectObject(FontOf(data.labelFont));
    dc.SetBkMode(platform::OPAQUE);
    const int inset = Trunc(style.inset * R);
    std::size_t cursor = 0;

    for (int t = 0; t < TracksToPaint(data); ++t) {
        layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        if (NoLabels(e))
            continue;
        dc.SetTextAlign(platform::TA_CENTER);
        const std::int64_t W = std::int64_t(e.blockCount) * e.blockWidth;
        int yy = y0;
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            const int code = e.dataCode[c];
            if (code == 0)
                continue;
            if (cursor < records.size()) {
                const int scale = records[cursor].maxGasScale;
                if (scale > kGasScaleFloor && IsGasCode(code))
                    e.maximum[c] = float(scale);
                ++cursor;
            }
            dc.SelectObject(CurvePen(data, t, c));
            dc.SetTextColor(device.printing && !device.colourPrinting ? platform::RGB(0, 0, 0) : e.colour[c]);
            const bool fromLeft = e.direction[c] != 0;
            const bool shown = !style.inLog || (LogTopY(g) + 10 < yy && yy < bottomY);
            const int textY = Trunc(double(yy) - R);
            if (shown) {
                const std::string left = ScaleLabelText(fromLeft ? e.minimum[c] : e.maximum[c], W, true);
                dc.SetTextAlign(platform::TA_LEFT);
                dc.TextOut(Trunc(double(e.leftX) + inset), textY, left.c_str(), int(left.size()));
                const std::string name = platform::FieldText(e.label[c]);
                dc.SetTextAlign(platform::TA_CENTER);
                const int centre = int((std::int64_t(e.rightX) - e.leftX) / 2 + e.leftX);
                dc.TextOut(centre, Trunc(yy - style.nameRise * R), name.c_str(), int(name.size()));
                const std::string right = ScaleLabelText(fromLeft ? e.maximum[c] : e.minimum[c], W, false);
                dc.SetTextAlign(platform::TA_RIGHT);
                dc.TextOut(Trunc(double(e.rightX) - inset), textY, right.c_str(), int(right.size()));
            }
            yy = Trunc(yy + style.step * R);
        }
    }
}

}  // namespace

void DrawCurveScaleLabels(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                          const logview::Device& device, std::span<const wellfile::RECORD> records, int y, int bottomY,
                          int rowHeight)
{
    DrawLabels(dc, data, g, device, records, y, bottomY, rowHeight, LabelStyle{});
}

void DrawTitleScaleLabels(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                          const logview::Device& device, std::span<const wellfile::RECORD> records, int y, int bottomY,
                          int rowHeight)
{
    DrawLabels(dc, data, g, device, records, y, bottomY, rowHeight, LabelStyle{false, 0.2, 1.5, 1.9});
}

}  // namespace tracks
