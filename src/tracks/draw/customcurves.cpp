#include "tracks/draw/customcurves.h"

#include "platform/draw/dc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "tracks/customscale.h"
#include "tracks/draw/customfills.h"
#include "tracks/draw/customlabels.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/gasscale.h"
#include "tracks/lastmudweights.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <optional>
#include <vector>

namespace tracks {

namespace {

using platform::POINT;
using wellfile::RECORD;

constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kLightGreen = platform::RGB(176, 255, 176);
constexpr platform::COLORREF kLightCyan = platform::RGB(168, 255, 255);
constexpr double kMudWeightWindow = 500.0;   // depth units above the first custom record
constexpr std::int64_t kNoScanMargin = 50;   // no look-up when the window starts this close to the top
constexpr int kFirstLabelSample = 11;
constexpr int kPorosityKind = 6;
constexpr int kResistivityKind = 7;

using platform::Trunc;

bool IsRatioKind(int kind) { return kind == 3 || kind == 30; }
bool IsWetness(int code) { return code == 25 || code == 183; }
bool IsBalance(int code) { return code == 26 || code == 184; }
bool IsResistivityCode(int code) { return code >= 39 && code <= 44; }

bool Drawable(const layout::CustomTrackEntry& e) { return e.blockCount > 0 && e.blockWidth > 0; }

// The five point lists of a paint: the curve being drawn, and the x of the curves the fills need. Every
// sample sets the y of all five at its index.
struct PointLists {
    std::vector<POINT> curve, firstCross, secondCross, wetness, balance;
    explicit PointLists(std::size_t n) : curve(n), firstCross(n), secondCross(n), wetness(n), balance(n) {}
    void SetY(std::size_t i, int y)
    {
        for (std::vector<POINT>* l : {&curve, &firstCross, &secondCross, &wetness, &balance})
            (*l)[i].y = y;
    }
    static void Clear(std::vector<POINT>& l) { std::fill(l.begin(), l.end(), POINT{}); }
};

// The band between the ratio curves: centred on 10 of the wetness ratio's scale, 4 blocks either side.
// Until a wetness ratio on a logarithmic track is met it stands at 0.
struct RatioBand {
    std::int64_t centre = 0;
    std::int64_t halfWidth = 0;
    // Outside the band the balance ratio is put on the wetness ratio: nothing is filled there.
    void Test(PointLists& l, std::size_t i) const
    {
        const std::int64_t b = l.balance[i].x, w = l.wetness[i].x;
        if (b > centre + halfWidth || w < centre - halfWidth || b < centre - halfWidth || w > centre + halfWidth)
            l.balance[i].x = l.wetness[i].x;
    }
};

// Everything one paint works with.
struct Paint {
    platform::Dc& dc;
    layout::CUSTOMDATA& data;
    const logview::ViewGeometry& g;
    const logview::Device& device;
    const CustomCurveRows& in;
    int instantMode;
    int bottomY = 0;
    bool onScreen = true;  // the screen proper: curves stop at the log's bottom
    PointLists lists;
    RatioBand band;
};

std::span<const wellfile::CUSTDATAREC> CustomFrom(const CustomCurveRows& in, std::size_t index)
{
    return index < in.custom.size() ? in.custom.subspan(index) : std::span<const wellfile::CUSTDATAREC>{};
}

void SeedMudWeights(const layout::CUSTOMDATA& data, const logview::ViewGeometry& g, double firstCustomDepth,
                    PainterState& state)
{
    state.rememberedMudIn = 0.0f;
    state.rememberedMudOut = 0.0f;
    const std::int64_t start = Trunc(firstCustomDepth - kMudWeightWindow);
    wellfile::OpenWell* well = data.owner ? data.owner->well : nullptr;
    if (well && start > std::int64_t(g.fileFirstDepth) + kNoScanMargin)
        state.rememberedMudOut =
            FindLastMudWeights(*well, state.rememberedMudIn, std::int32_t(start), Trunc(firstCustomDepth));
}

void DrawLabelRows(Paint& p, int labelInterval, int margin)
{
    const CustomCurveRows& in = p.in;
    if (in.rows <= 1)
        return;
    const bool tenPerRow = p.g.scaleIndex != 0 && p.g.scaleIndex != 1;
    int y = in.topY;
    std::size_t k = in.first;
    for (int i = 0; i <= 2 * in.rows && k < in.custom.size(); ++i) {
        const double depth = in.custom[k].depth;
        const std::int32_t d = platform::Whole(in.custom[k].depth);
        if (i >= kFirstLabelSample && d % labelInterval == 0 && d < in.stopDepth && y < p.bottomY &&
            std::int64_t(y) > std::int64_t(in.topY) + margin)
            DrawCurveScaleLabels(p.dc, p.data, p.g, p.device, in.records, y, p.bottomY, in.rowHeight);
        y = tenPerRow ? Trunc(y + in.rowHeight * 0.1) : Trunc(double(y) + in.rowHeight);
        if (!(depth < in.stopDepth) || depth < p.g.fileFirstDepth)
            break;
        ++k;
    }
}

// One curve's walk down the rows; the number of samples walked, or none when a scale change leaves the
// curve without a finite scale.
std::optional<int> WalkCurve(Paint& p, int t, int c, std::span<float> values, float lookBack)
{
    layout::CustomTrackEntry& e = p.data.paintSet[std::size_t(t)];
    const CustomCurveRows& in = p.in;
    const int code = e.dataCode[c];
    const int R = in.rowHeight;
    const bool paired = CurveIsPaired(std::uint16_t(code));
    const double step = paired ? 0.5 : 1.0;
    const int correction = paired ? 2 : 4;
    const int samples = paired ? 2 * in.rows : in.rows;
    const bool fromLeft = e.direction[c] != 0;
    const bool logarithmic = e.logarithmic != 0;
    const double W = double(e.blockCount) * double(e.blockWidth);

    std::optional<LogCurveScale> logScale;
    std::optional<float> factor;
    if (logarithmic) {
        logScale = LogCurveScaleOf(e.minimum[c], e.maximum[c]);
        if (!logScale)
            return std::nullopt;
        if (!(lookBack > 0.0f))
            lookBack = float(logScale->minimum);
    } else {
        factor = LinearCurveScale(e.leftX, e.rightX, e.minimum[c], e.maximum[c]);
        if (!factor)
            return std::nullopt;
    }

    PointLists& l = p.lists;
    int y = in.topY;
    std::size_t cursor = 0;
    int i = 0;
    while (i < samples) {
        const RECORD* rec = cursor < in.records.size() ? &in.records[cursor] : nullptr;
        if (rec && IsGasCode(code)) {
            const int v = rec->maxGasScale;
            if (v > kGasScaleFloor && float(v) != e.maximum[c]) {
                const platform::KeepDcState keep(p.dc);
                p.dc.SetTextColor(kRed);
                const std::string note = platform::CFormat("SCALE CHANGE TO %d", v);
                p.dc.TextOut(Trunc(double(e.leftX) + R), y, note.c_str(), int(note.size()));
            }
            if (v > kGasScaleFloor) {
                // A maximum equal to the minimum leaves no scale: the curve is not drawn.
                const std::optional<float> f = LinearCurveScale(e.leftX, e.rightX, e.minimum[c], float(v));
                if (!f)
                    return std::nullopt;
                e.maximum[c] = float(v);
                e.pixelsPerUnit[c] = *f;
                factor = f;
            }
        }

        double value = i == 0 ? double(lookBack) : double(values[std::size_t(i)]);
        std::int32_t x;
        if (logScale) {
            if (i > 0 && !(value > logScale->minimum)) {
                value = logScale->minimum;
                values[std::size_t(i)] = float(value);
            }
            const bool resistivity = i > 0 && (e.kind == kResistivityKind || IsResistivityCode(code));
            x = CurveX(e.leftX, e.rightX, LogCurvePosition(*logScale, value, resistivity) * W, fromLeft);
            if (i == 0 && IsWetness(code)) {
                p.band.centre = Trunc(e.leftX + std::log(10.0 / logScale->minimum) / logScale->span * W, e.leftX);
                p.band.halfWidth = 4LL * e.blockWidth;
            }
        } else {
            x = CurveX(e.leftX, e.rightX, value * double(*factor), fromLeft);
        }
        x = ClipToTrack(x, e.leftX, e.rightX);

        const std::size_t at = std::size_t(i);
        if (i == 0) {
            l.SetY(0, y);
            l.curve[0].x = x;
        }
        if (code == 34)
            l.secondCross[at].x = Trunc(double(x) + 2, x);
        if (code == 33)
            l.firstCross[at].x = x;
        if (IsWetness(code))
            l.wetness[at].x = x;
        if (IsBalance(code))
            l.balance[at].x = x;

        y = Trunc(y + R * step);
        if (p.data.printing && i % 5 == 0)
            y -= correction;
        if (i > 0) {
            l.SetY(at, y);
            l.curve[at].x = x;
        }
        p.band.Test(l, at);

        if (rec && i % 2 == 0 && rec->depth % 100 == 10 && x > e.leftX) {
            if (code == 25) {
                const platform::KeepDcState keep(p.dc);
                p.dc.SetTextColor(kRed);
                p.dc.TextOut(Trunc(double(x) + 1, x), Trunc(y - 0.5 * R), "WRAT");
            } else if (code == 26) {
                p.dc.TextOut(Trunc(double(x) - 3.0 * R), Trunc(y + 0.5 * R), "BRAT");
            }
        }

        if ((p.onScreen && std::int64_t(y) > std::int64_t(p.bottomY) + R) || !rec || rec->depth == 0 ||
            rec->depth > in.stopDepth)
            break;
        if (i % 2 == 0)
            ++cursor;
        ++i;
    }
    return i;
}

void DrawCurve(Paint& p, int t, int c, int n)
{
    const layout::CustomTrackEntry& e = p.data.paintSet[std::size_t(t)];
    std::vector<POINT>& pts = p.lists.curve;
    if (e.fill[c] == 0) {
        if (n - 1 >= 2)
            p.dc.Polyline(pts.data(), n - 1);
        return;
    }
    if (n <= 0)
        return;
    const std::size_t k = std::size_t(n);
    const int base = e.direction[c] != 0 ? e.leftX : e.rightX;
    pts[k] = pts[k - 1];
    pts[k + 1] = {base, pts[k].y};
    pts[k + 2] = {base, pts[0].y};
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(platform::Brush(e.colour[c]));
    p.dc.Polygon(pts.data(), n + 3);
}

void FillTrack(Paint& p, const layout::CustomTrackEntry& e)
{
    PointLists& l = p.lists;
    const int rows = p.in.rows;
    if (e.kind == kPorosityKind)
        FillCrossover(p.dc, p.g, p.device, l.firstCross, l.secondCross, rows, p.in.topY, e.leftX, kRed);
    PointLists::Clear(l.firstCross);
    PointLists::Clear(l.secondCross);
    if (IsRatioKind(e.kind)) {

        FillRatioCrossover(p.dc, p.g, p.device, l.balance, l.wetness, 2 * rows, p.in.topY, e.leftX, kLightGreen);
        FillRatioCrossover(p.dc, p.g, p.device, l.wetness, l.balance, 2 * rows, p.in.topY, e.leftX, kLightCyan);
    }
    PointLists::Clear(l.wetness);
    PointLists::Clear(l.balance);
}

}  // namespace

void PaintCurves(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                 const logview::Device& device, const CustomCurveRows& in, const CurveValueSettings& values,
                 const ElogView* elog, PainterState& state, int instantMode)
{
    if (in.rows < 1)
        return;
    if (g.fileLastDepth < data.extLastDepth)
        data.extLastDepth = g.fileLastDepth;
    CurveValueSettings settings = values;
    settings.firstDepth = g.fileFirstDepth;
    settings.lastDepth = g.fileLastDepth;
    settings.customDataEndDepth = data.extLastDepth;
    settings.defaultMotorFactor = data.defaultMotorFactor;
    settings.lag = data.lagSettings;

    const double firstCustomDepth = in.first < in.custom.size() ? double(in.custom[in.first].depth) : 0.0;
    const std::size_t ext = data.ExtIndexAt(firstCustomDepth, g.fileLastDepth);
    const std::span<const wellfile::EXTRECORD> extAll(data.extRecords);
    const int trackTotal = TracksToPaint(data);
    const std::size_t slotCount = 4 * std::size_t(in.rows) + 10;

    // Per paint: the value arrays of the curves that may be drawn (the others' values land in a scratch
    // array, for what their walk changes of the remembered mud weights), and the point lists.
    std::optional<Paint> paint;
    std::vector<std::vector<float>> arrays;
    std::vector<float> scratch;
    try {
        arrays.resize(std::size_t(trackTotal) * layout::kCurvesPerTrack);
        for (int t = 0; t < trackTotal; ++t)
            for (int c = 0; c < layout::kCurvesPerTrack; ++c)
                if (Drawable(data.paintSet[std::size_t(t)]) && data.paintSet[std::size_t(t)].dataCode[c] != 0)
                    arrays[std::size_t(t) * layout::kCurvesPerTrack + std::size_t(c)].assign(slotCount, 0.0f);
        scratch.assign(slotCount, 0.0f);
        paint.emplace(Paint{dc, data, g, device, in, instantMode, 0, true, PointLists(slotCount), {}});
    } catch (const std::bad_alloc&) {
        return;  // no room for the rows: nothing is drawn, and no message inside a paint
    }
    Paint& p = *paint;

    const platform::KeepDcState keep(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SelectObject(FontOf(data.labelFont));

    SeedMudWeights(data, g, firstCustomDepth, state);

    // The values: the rows' and the top line's (the look-back), curve by curve, in the order that the
    // remembered mud weights carry from one to the next.
    std::vector<std::array<float, 2>> lookBack(std::size_t(trackTotal) * layout::kCurvesPerTrack);
    const std::span<const RECORD> rows = in.records.empty() ? in.records : in.records.subspan(1);
    const CurveRecords current{rows, CustomFrom(in, in.first), ext < extAll.size() ? extAll.subspan(ext) : extAll.subspan(extAll.size()), elog};
    const CurveRecords before{in.records, in.first > 0 ? CustomFrom(in, in.first - 1) : std::span<const wellfile::CUSTDATAREC>{},
                              ext > 0 ? extAll.subspan(ext - 1) : std::span<const wellfile::EXTRECORD>{}, elog};
    for (int t = 0; t < trackTotal; ++t) {
        const layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            const std::size_t k = std::size_t(t) * layout::kCurvesPerTrack + std::size_t(c);
            std::vector<float>& out = arrays[k].empty() ? scratch : arrays[k];
            if (&out == &scratch)
                std::fill(scratch.begin(), scratch.end(), 0.0f);
            PlotCurve(out, e.dataCode[c], e.minimum[c], current, 2 * in.rows, settings, state);
            PlotCurve(lookBack[k], e.dataCode[c], e.minimum[c], before, 1, settings, state);
        }
    }

    // Label rows, and the bottom the curves stop at on the screen.
    const bool printObject = data.printing;
    const int labelInterval = printObject || device.imageExport || g.scaleIndex == 3 ? 200 : 50;
    const int margin = printObject ? 300 : 200;
    p.bottomY = g.logBottomY;
    if (printObject)
        p.bottomY = Trunc(in.topY + double(in.rows) * in.rowHeight);
    if (g.scaleIndex == 3)
        p.bottomY = Trunc(in.topY + double(in.rows) * in.rowHeight * 0.1);
    p.onScreen = !printObject && !device.printing && !device.imageExport && !device.offScreen;
    DrawLabelRows(p, labelInterval, margin);

    dc.SetROP2(platform::R2_MASKPEN);
    for (int t = 0; t < trackTotal; ++t) {
        const layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        if (!Drawable(e))
            continue;
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            const int code = e.dataCode[c];
            if (e.maximum[c] == 0.0f || code == 0)
                continue;
            if (instantMode == kDrillingStepRepaint && IsGasCode(code))
                continue;
            const std::size_t k = std::size_t(t) * layout::kCurvesPerTrack + std::size_t(c);
            dc.SelectObject(CurvePen(data, t, c));
            const std::optional<int> n = WalkCurve(p, t, c, arrays[k], lookBack[k][0]);
            if (n)
                DrawCurve(p, t, c, *n);
            PointLists::Clear(p.lists.curve);
        }
        FillTrack(p, e);
    }
}

}  // namespace tracks
