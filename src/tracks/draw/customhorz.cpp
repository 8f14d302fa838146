#include "tracks/draw/customhorz.h"

#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "tracks/draw/customfills.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/draw/customtracks.h"
#include "tracks/gasscale.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>

namespace tracks {

namespace {

using platform::POINT;

constexpr int kMostBands = 4;

using platform::Trunc;
bool IsWetness(int code) { return code == 25 || code == 183; }
bool IsBalance(int code) { return code == 26 || code == 184; }
bool IsResistivityCode(int code) { return code >= 39 && code <= 44; }
bool IsRatio(int kind) { return kind == kRatioTrack || kind == kFitRatioTrack; }

int Height(const layout::CustomTrackEntry& e) { return layout::TrackWidth(e); }
int Bands(const layout::CUSTOMDATA& data) { return std::clamp(data.trackCount, 0, kMostBands); }

// The band edges: each band stands on the one below it; a band without blocks has no height.
void LayOutBands(layout::TrackSet& bands, int baseY)
{
    long long base = baseY;
    for (layout::CustomTrackEntry& e : bands) {
        e.leftX = Trunc(double(base));
        e.rightX = Trunc(double(base) - Height(e));
        base = e.rightX;
    }
}

// The plain grid of a band: a line every block, every fifth major, and a double closing line on top.
void LinearBand(platform::Dc& dc, const logview::ViewGeometry& g, const layout::CustomTrackEntry& e,
                const HorzRange& range, int& y)
{
    const platform::Pen minor = PenOf(g.pens.Grid10()), major = PenOf(g.pens.Grid50());
    for (int j = 0; j < e.blockCount; ++j) {
        dc.SelectObject(j % 5 == 0 ? major : minor);
        Line(dc, range.leftX, y, range.rightX, y);
        y = Trunc(double(y) - e.blockWidth);
    }
    dc.SelectObject(major);
    Line(dc, range.leftX, y, range.rightX, y);
    Line(dc, range.leftX, y - 1, range.rightX, y - 1);
}

// The mud weights out of the first band's records as bars up from the base line, one unit of weight
// a twentieth of the band.
void MudWeightBars(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in, const HorzRange& range)
{
    const layout::CustomTrackEntry& e = bands[0];
    if (e.mudWeight == 0)
        return;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), 2, layout::PS_SOLID));
    const int k = Trunc(0.05 * Height(e));
    const bool ten = in.g.scaleIndex == 3;
    long long x = range.leftX;
    std::size_t i = 0;
    for (int n = 0; n < range.count && i < range.records.size(); ++n) {
        const wellfile::RECORD& r = range.records[i];
        if (r.depth == 0 || r.depth == in.g.fileLastDepth)
            break;
        const float weight = r.mudWeightOut;
        if (weight > 0.0f) {
            const int top = Trunc(range.baseY - double(k) * weight);
            Line(dc, Trunc(double(x)), range.baseY, Trunc(double(x)), top);
            dc.TextOut(Trunc(double(x)), top, platform::CFormat("%.1f", double(weight)).c_str());
        }
        i += ten ? 10 : 1;
        x += ten ? range.xStep : 2LL * range.xStep;
    }
}

std::span<const wellfile::RECORD> FromSecond(const HorzRange& range)
{
    return range.records.size() > 1 ? range.records.subspan(1) : std::span<const wellfile::RECORD>{};
}

// The point lists of the curves: the curve drawn, and the porosity and ratio curves the fills need.
struct HorzLists {
    std::vector<POINT> curve, density, neutron, wetness, balance;
    explicit HorzLists(std::size_t n) : curve(n), density(n), neutron(n), wetness(n), balance(n) {}
    std::vector<POINT>* Of(int code)
    {
        if (code == 33)
            return &density;
        if (code == 34)
            return &neutron;
        if (IsWetness(code))
            return &wetness;
        if (IsBalance(code))
            return &balance;
        return nullptr;
    }
    void SetX(std::size_t k, int x)
    {
        for (std::vector<POINT>* l : {&density, &neutron, &wetness, &balance})
            (*l)[k].x = x;
    }
    static void Clear(std::vector<POINT>& l) { std::fill(l.begin(), l.end(), POINT{}); }
};

// One curve of a band: its points, the number of samples reached. Every sample stands at the x of its
// own depth: the codes of the depth records give two samples a record (one x step apart), the others
// one (two x steps apart).
int WalkCurve(const layout::CustomTrackEntry& e, int c, std::span<float> values, const HorzRange& range,
              HorzLists& l, int& wetnessY)
{
    const int code = e.dataCode[c];
    const bool paired = CurveIsPaired(std::uint16_t(code));
    const int step = paired ? range.xStep : 2 * range.xStep;
    const int samples = paired ? 2 * range.count : range.count;
    const int base = e.leftX, far = e.rightX;
    const double H = Height(e);
    const bool fromBase = e.direction[c] != 0;
    const bool logarithmic = e.logarithmic != 0;
    const double M = e.maximum[c] > 0.0f ? e.maximum[c] : 10000.0, m = e.minimum[c] > 0.0f ? e.minimum[c] : 1.0;
    const double L = std::log(M) - std::log(m);
    const long long rightLimit = (long long)range.leftX + 2LL * range.count * range.xStep;
    std::vector<POINT>* own = l.Of(code);
    long long x = range.leftX;
    int k = 0;
    for (; k < samples && std::size_t(k) < values.size() && std::size_t(k) < l.curve.size() - 1; ++k) {
        double v = values[std::size_t(k)];
        int y = fromBase ? Trunc(base - double(e.pixelsPerUnit[c]) * v) : Trunc(far + double(e.pixelsPerUnit[c]) * v);
        if (logarithmic) {
            if (k == 0 && IsWetness(code) && L != 0.0)
                wetnessY = Trunc(base - std::log(10.0 / m) / L * H);
            if (!(v > 0.0)) {
                v = 0.1;
                values[std::size_t(k)] = 0.1f;
            }
            const double f = (e.kind == kResistivityTrack || IsResistivityCode(code)) ? (std::log(v) - std::log(0.4)) / L
                                                                                      : std::log(v / m) / L;
            y = std::isfinite(f) ? Trunc(base - f * H) : base;
        }
        if (y > base)
            y = base + 1;
        else if (y < far)
            y = far - 2;
        const std::size_t at = std::size_t(k);
        if (k == 0) {
            l.curve[0] = {Trunc(double(x)), fromBase ? base : far};
            if (own)
                (*own)[0].y = y;
        }
        l.SetX(at, Trunc(double(x)));
        x += step;
        if (x > rightLimit)
            break;
        if (k > 0) {
            l.curve[at] = {Trunc(double(x)), y};
            l.SetX(at, Trunc(double(x)));
            if (own)
                (*own)[at].y = y;
            const int b = l.balance[at].y, w = l.wetness[at].y;
            if (b > wetnessY + 30 || b < wetnessY - 30 || w > wetnessY + 30 || w < wetnessY - 30)
                l.balance[at].y = l.wetness[at].y;
        }
    }
    return k;
}

void DrawCurve(platform::Dc& dc, const layout::CustomTrackEntry& e, int c, HorzLists& l, int n)
{
    if (e.fill[c] == 0) {
        if (n >= 2)
            dc.Polyline(l.curve.data(), n);
        return;
    }
    if (n <= 0)
        return;
    const std::size_t k = std::size_t(n);
    l.curve[k] = e.direction[c] != 0 ? POINT{l.curve[k - 1].x, e.leftX} : l.curve[k - 1];
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Brush(e.colour[c]));
    dc.Polygon(l.curve.data(), n + 1);
}

// The crossover fills of a band: their points are kept right of the image's left x.
void FillBand(platform::Dc& dc, const layout::CustomTrackEntry& e, HorzLists& l, int count, int leftX)
{
    const platform::COLORREF red = platform::RGB(255, 0, 0), green = platform::RGB(176, 255, 176),
                             cyan = platform::RGB(168, 255, 255);
    if (e.kind == kPorosityTrack) {
        FillCrossoverHorizontal(dc, l.neutron, l.density, count, leftX, red);
        HorzLists::Clear(l.neutron);
        HorzLists::Clear(l.density);
    } else if (e.kind == kRatioTrack) {
        FillCrossoverHorizontal(dc, l.wetness, l.balance, count, leftX, green);
        FillCrossoverHorizontal(dc, l.balance, l.wetness, count, leftX, cyan);
    } else if (e.kind == kFitRatioTrack) {
        FillCrossoverHorizontal(dc, l.balance, l.wetness, count, leftX, cyan);
        FillCrossoverHorizontal(dc, l.wetness, l.balance, count, leftX, green);
    }
    HorzLists::Clear(l.wetness);
    HorzLists::Clear(l.balance);
}

std::string ScaleValue(float v, bool whole)
{
    return whole ? platform::CFormat("%d", Trunc(double(v))) : platform::CFormat("%.1f", double(v));
}

}  // namespace

int PaintCustomTracks(platform::Dc& dc, layout::CUSTOMDATA& data, const HorzSources& in, const HorzRange& range)
{
    return PaintCustomTracks(dc, data, data.screenSet, in, range);
}

int PaintCustomTracks(platform::Dc& dc, layout::CUSTOMDATA& data, const layout::TrackSet& tracks,
                      const HorzSources& in, const HorzRange& range)
{
    layout::TrackSet bands = tracks;
    LayOutBands(bands, range.baseY);
    PaintHorzCells(dc, data, bands, in, range);
    PaintHorzCurves(dc, data, bands, in, range);
    return 1;
}

int PaintHorzCells(platform::Dc& dc, layout::CUSTOMDATA& data, layout::TrackSet& bands, const HorzSources& in,
                   const HorzRange& range)
{
    const logview::ViewGeometry& g = in.g;
    const platform::KeepDcState keep(dc);
    const platform::Pen major = PenOf(g.pens.Grid50());
    const std::span<const wellfile::RECORD> second = FromSecond(range);
    int y = range.baseY;
    for (int t = 0; t < Bands(data) && layout::TrackActive(bands[std::size_t(t)]); ++t) {
        const layout::CustomTrackEntry& e = bands[std::size_t(t)];
        const int h = Height(e);
        const auto frame = [&] {
            dc.SelectObject(major);
            dc.Rectangle(range.leftX, y, range.rightX, y - h);
        };
        if (e.kind == kTextTrack) {
            switch (KindLetter(e)) {
            case kPicturesKind:
                frame();
                PaintHorzPictures(dc, bands, in, second, y, range.leftX, range.count, range.xStep, g.fileLastDepth, t);
                y -= h;
                continue;
            case kSurveyKind:
                frame();
                PaintHorzSurvey(dc, in, second, y + 5, range.leftX, range.count, 2 * range.xStep, g.fileLastDepth);
                y -= h;
                continue;
            case kShortReportKind: y -= h; continue;
            case kMemosKind:
                frame();
                PaintHorzMemos(dc, bands, in, second, y - h, range.leftX, 2 * range.xStep, g.fileLastDepth, t);
                y -= h;
                continue;
            default:
                Line(dc, range.leftX, y, range.rightX, y);
                Line(dc, range.leftX, y - 1, range.rightX, y - 1);
                LinearBand(dc, g, e, range, y);
                continue;
            }
        }
        if (e.logarithmic == 0) {
            LinearBand(dc, g, e, range, y);
            continue;
        }
        if (IsRatio(e.kind))
            PaintHorzRatioGrid(dc, data, bands, in, range, y, t);
        else if (e.kind == kResistivityTrack)
            PaintHorzResistivityGrid(dc, data, bands, range, t);
        else
            PaintHorzLogGrid(dc, bands, in, range, y, t);
        y -= h;
    }
    MudWeightBars(dc, bands, in, range);
    return 1;
}

void PaintHorzCurves(platform::Dc& dc, layout::CUSTOMDATA& data, layout::TrackSet& bands, const HorzSources& in,
                     const HorzRange& range)
{
    const logview::ViewGeometry& g = in.g;
    if (range.count <= 0)
        return;
    if (g.fileLastDepth < data.extLastDepth)
        data.extLastDepth = g.fileLastDepth;
    const std::span<const wellfile::CUSTDATAREC> custom =
        range.custom.size() > 1 ? range.custom.subspan(1) : std::span<const wellfile::CUSTDATAREC>{};
    // The ext records from the first not above the end depth, the first drawn record and the last depth.
    std::size_t ext = 0;
    const double firstCustom = custom.empty() ? 0.0 : double(custom[0].depth);
    while (ext < data.extRecords.size()) {
        const double d = data.extRecords[ext].depth;
        if (!(d < data.extLastDepth && d < firstCustom && d < g.fileLastDepth))
            break;
        ++ext;
    }
    CurveValueSettings settings = in.values;
    settings.firstDepth = g.fileFirstDepth;
    settings.lastDepth = g.fileLastDepth;
    settings.customDataEndDepth = data.extLastDepth;
    settings.defaultMotorFactor = data.defaultMotorFactor;
    settings.lag = data.lagSettings;
    const CurveRecords records{FromSecond(range), custom,
                               std::span<const wellfile::EXTRECORD>(data.extRecords).subspan(std::min(ext, data.extRecords.size())),
                               in.elog};

    // Two samples a record for the depth records' codes (and room for the walks that write more).
    const std::size_t sampleCount = 4 * std::size_t(range.count) + 10;
    std::vector<float> values;
    std::optional<HorzLists> lists;
    try {
        values.assign(sampleCount, 0.0f);
        lists.emplace(sampleCount);
    } catch (const std::bad_alloc&) {
        return;  // no room for the samples: no curves, and no message inside a paint
    }
    HorzLists& l = *lists;

    const platform::KeepDcState keep(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SelectObject(FontOf(data.labelFont));

    // Scale labels at every 500th depth with one pixel a sample, else every 150th.
    const int interval = range.xStep == 1 ? 500 : 150;
    const long long rightLimit = (long long)range.leftX + 2LL * range.count * range.xStep;
    long long x = range.leftX;
    for (int n = 0; n <= range.count && std::size_t(n) < custom.size(); ++n) {
        const double depth = custom[std::size_t(n)].depth;
        const std::int32_t whole = platform::Whole(custom[std::size_t(n)].depth);
        if (whole % interval == 0 && whole < g.fileLastDepth)
            PaintHorzScaleLabels(dc, data, bands, Trunc(double(x)), range.xStep);
        if (x > rightLimit)
            break;
        x += 2LL * range.xStep;
        if (!(depth < g.fileLastDepth) || depth < g.fileFirstDepth)
            break;
    }

    dc.SetROP2(platform::R2_MASKPEN);
    int wetnessY = 0;
    for (int t = 0; t < Bands(data) && layout::TrackActive(bands[std::size_t(t)]); ++t) {
        const layout::CustomTrackEntry& e = bands[std::size_t(t)];
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            if (e.maximum[c] == 0.0f || e.dataCode[c] == 0)
                continue;
            std::fill(values.begin(), values.end(), 0.0f);
            PlotCurve(values, e.dataCode[c], e.minimum[c], records, 2 * range.count, settings, in.state);
            dc.SelectObject(platform::Pen(e.colour[c], std::max(e.lineWidth[c], 1), layout::PS_SOLID));
            const int n = WalkCurve(e, c, values, range, l, wetnessY);
            DrawCurve(dc, e, c, l, n);
            HorzLists::Clear(l.curve);
        }
        FillBand(dc, e, l, 2 * range.count, range.leftX);
    }
}

void PaintHorzScaleLabels(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands, int x,
                          int xStep)
{
    dc.SetTextColor(platform::RGB(0, 0, 0));  // the labels leave the text black
    const platform::KeepDcState keep(dc);
    dc.SelectObject(FontOf(data.labelFont));
    dc.SetBkMode(platform::OPAQUE);
    dc.SetTextAlign(platform::TA_CENTER);
    const long long advance = xStep == 1 ? 50LL : xStep == 2 ? 20LL * xStep : 10LL * xStep;
    for (int t = 0; t < std::clamp(data.trackCount, 0, layout::kCustomTrackCount); ++t) {
        const layout::CustomTrackEntry& e = bands[std::size_t(t)];
        if (e.blockCount == 0 || IsRatio(e.kind) || e.kind == kTextTrack)
            continue;
        long long x0 = t == 1 ? (long long)x + 50 : x;
        const bool whole = Height(e) <= 50;
        const int mid = e.leftX - (e.leftX - e.rightX) / 2;
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            if (e.dataCode[c] == 0)
                continue;
            dc.SetTextColor(e.colour[c]);
            const int lx = Trunc(double(x0) + 5.0 * xStep);
            const bool fromBase = e.direction[c] != 0;
            dc.TextOut(lx, Trunc(e.leftX - 3.0 * xStep), ScaleValue(fromBase ? e.minimum[c] : e.maximum[c], whole).c_str());
            const std::string label = platform::FieldText(e.label[c]);
            dc.TextOut(lx, mid - 10, label.c_str(), int(label.size()));
            dc.TextOut(lx, e.rightX, ScaleValue(fromBase ? e.maximum[c] : e.minimum[c], whole).c_str());
            x0 += advance;
        }
    }
}

}  // namespace tracks
