// The cells and logarithmic grids of the horizontal-view image's bands.
#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "tracks/draw/customhorz.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/gasscale.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace tracks {

namespace {

constexpr int kMemoLines = 50;
constexpr int kMemoLineLength = 199;
constexpr std::array<float, 10> kDecades{0.001f, 0.01f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f, 100000.0f, 1000000.0f};

using platform::Trunc;

// The lines of a memo's text: split at carriage returns and line feeds, empty pieces dropped, at most
// 50 lines of at most 199 characters. The text field is read within its width.
std::vector<std::string> MemoLines(const wellfile::SVMEMO& memo)
{
    const std::string text = platform::FieldText(memo.text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size() && lines.size() < kMemoLines) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start)
            lines.push_back(text.substr(start, std::min<std::size_t>(end - start, kMemoLineLength)));
        start = end + 1;
    }
    return lines;
}

int FindPicture(std::span<const HorzPicture> pictures, std::int32_t depth, int after)
{
    for (std::size_t i = std::size_t(std::max(after + 1, 0)); i < pictures.size(); ++i)
        if (pictures[i].depth == depth)
            return int(i);
    return -1;
}

// Reads a picture scaled into a square `side` pixels wide; false (with the failure noted) when it cannot
// be had. A file that does not exist is no failure: it leaves a gap.
bool LoadSquare(const QString& path, int side, platform::ImageDescriptor& square, const HorzSources& in)
{
    platform::JpegInfo info;
    const bool sized = platform::jpeginfo(path, info) == platform::IMAGE_OK;
    platform::ImageDescriptor picture;
    const auto fail = [&](bool memory) {
        if (in.failures)
            in.failures->push_back({QFileInfo(path).fileName(), memory});
        return false;
    };
    if (!sized || (long long)info.width * info.height > kMaxHorzPicturePixels ||
        platform::allocimage(picture, info.width, info.height, 24) != platform::IMAGE_OK)
        return fail(sized);
    if (platform::loadjpg(path, picture) != platform::IMAGE_OK)
        return fail(false);
    if (platform::allocimage(square, side, side, 24) != platform::IMAGE_OK)
        return fail(true);
    platform::resizeex(picture, square, 1);
    platform::freeimage(picture);
    return true;
}

double Span(float minimum, float maximum)
{
    const double M = maximum > 0.0f ? maximum : 0.1, m = minimum > 0.0f ? minimum : 0.1;
    return std::log(M) - std::log(m);
}

std::array<int, 11> Offsets(double span, double height)
{
    std::array<int, 11> off{};
    for (int i = 1; i <= 10; ++i)
        off[std::size_t(i)] = Trunc(std::log(double(i)) / span * height);
    return off;
}

}  // namespace

QString HorzPictureFailureText(const std::vector<HorzPictureFailure>& failures)
{
    QStringList memory, unread;
    for (const HorzPictureFailure& f : failures)
        (f.memory ? memory : unread) << f.file;
    QStringList parts;
    if (!memory.isEmpty())
        parts << QStringLiteral("Memory allocation failed\n") + memory.join('\n');
    if (!unread.isEmpty())
        parts << QStringLiteral("Not Loaded\n") + unread.join('\n');
    return parts.join(QStringLiteral("\n\n"));
}

int PaintHorzMemos(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in,
                   std::span<const wellfile::RECORD> records, int textTopY, int startX, int xStep,
                   std::int32_t stopDepth, int track)
{
    if (records.empty())
        return 1;
    const layout::CustomTrackEntry& e = bands[std::size_t(track)];
    const platform::KeepDcState keep(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const std::int32_t first = records[0].depth;
    int lineHeight = in.g.rowHeight;
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < in.memos.size() && drawn < in.memos.size(); ++i) {
        const wellfile::SVMEMO& memo = in.memos[i];
        const std::int32_t depth = memo.depth;
        if (memo.copiedToHorz == 0) {
            if (depth < stopDepth)
                continue;
            break;
        }
        const long long x = ((long long)depth - first) * xStep + startX + xStep;
        const platform::LOGFONTA font = memo.font;
        dc.SelectObject(platform::Font::FromLogFont(font));
        const std::vector<std::string> lines = MemoLines(memo);
        long long widest = 0;
        for (const std::string& line : lines) {
            const platform::SIZE extent = dc.GetTextExtent(line.c_str(), int(line.size()));
            widest = std::max<long long>(widest, extent.cx);
            lineHeight = Trunc(extent.cy * 0.95);
        }
        // The box runs down the band from its upper edge, where the text starts.
        const int left = Trunc(double(x) - xStep * 0.5);
        const int top = e.rightX + 1;
        const int right = Trunc(double(left) + double(widest) + xStep * 0.25);
        const int bottom = lines.size() <= 2 ? Trunc(double(top) + 2.0 * lineHeight) : e.leftX - 1;
        const platform::COLORREF colour = memo.frameColour;
        if (colour != 0)
            dc.SelectObject(platform::Brush(colour));
        dc.Rectangle(left, top, right, bottom);
        dc.SelectObject(keep.KeptBrush());
        long long y = (long long)textTopY + 10;
        for (const std::string& line : lines) {
            dc.TextOut(Trunc(double(x)), Trunc(double(y)), line.c_str(), int(line.size()));
            y += lineHeight;
        }
        ++drawn;
        if (i + 1 < in.memos.size()) {
            const std::int32_t next = in.memos[i + 1].depth;
            if (next >= stopDepth || next == 0)
                break;
        }
    }
    return 1;
}

int PaintHorzPictures(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in,
                      std::span<const wellfile::RECORD> records, int baseY, int startX, int count, int xStep,
                      std::int32_t stopDepth, int track)
{
    const layout::CustomTrackEntry& e = bands[std::size_t(track)];
    const int side = e.leftX - e.rightX;
    if (side <= 0)
        return 1;
    long long x = (long long)startX - 70;
    int picture = -1;  // the first search starts at the first picture
    for (int n = 0; n < count && std::size_t(n) < records.size(); ++n) {
        const std::int32_t depth = records[std::size_t(n)].depth;
        picture = FindPicture(in.pictures, depth, picture);
        if (picture >= 0) {
            const QString path = platform::FindFileNoCase(in.picturesFolder, in.pictures[std::size_t(picture)].file);
            platform::ImageDescriptor square;
            if (!path.isEmpty() && QFileInfo(path).isFile() && LoadSquare(path, side, square, in)) {
                dc.BitBlt(Trunc(double(x)), baseY - side, side, side, square.image, 0, 0, platform::SRCCOPY);
                platform::freeimage(square);
            }
        }
        if (depth >= stopDepth || depth == 0)
            break;
        x += 2LL * xStep;
    }
    return 1;
}

int PaintHorzSurvey(platform::Dc& dc, const HorzSources& in, std::span<const wellfile::RECORD> records, int baseY,
                    int startX, int count, int xStep, std::int32_t stopDepth)
{
    if (records.empty() || xStep < 1)
        return 1;
    const int R = in.g.rowHeight;
    const int top = Trunc(baseY - 7.5 * R), spacing = R + 3;
    if (in.g.scaleIndex > 1)
        count *= 5;
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SelectObject(platform::Font::FromLogFont(in.g.fonts.smallLog));
    dc.SetTextColor(in.g.pens.SurveyMarker().colour);
    const std::int32_t first = records[0].depth;
    for (int n = 0; n < count && std::size_t(n) < records.size(); ++n) {
        const wellfile::RECORD& r = records[std::size_t(n)];
        if (r.tvd > 0.0f) {
            const int x = Trunc(((double)r.depth - first) * xStep + startX + xStep);
            dc.TextOut(x, top, platform::CFormat("MD %5d'", r.depth).c_str());
            dc.TextOut(x, top + spacing, platform::CFormat("TVD %5.1f'", double(r.tvd)).c_str());
            if (r.inclination > 0.0f) {
                dc.TextOut(x, top + 2 * spacing, platform::CFormat("INC %3.2f\xB0", double(r.inclination)).c_str());
                dc.TextOut(x, top + 3 * spacing, platform::CFormat("AZM %3.2f\xB0", double(r.azimuth)).c_str());
                dc.TextOut(x, top + 4 * spacing, platform::CFormat("VS %4.2f'", double(r.verticalSection)).c_str());
            }
        }
        if (r.depth >= stopDepth || r.depth == 0)
            break;
    }
    return 1;
}

int PaintHorzRatioGrid(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands,
                       const HorzSources& in, const HorzRange& range, int baseY, int track)
{
    static constexpr std::array<double, 5> values{1.0, 10.0, 17.5, 40.0, 100.0};
    static constexpr std::array<const char*, 5> labels{" 1 ", " 10  WRAT/BRAT ", " 17.5", " 40", " 100"};
    const layout::CustomTrackEntry& e = bands[std::size_t(track)];
    const double L = Span(e.minimum[0], e.maximum[0]), H = layout::TrackWidth(e);
    if (!(L > 0.0))
        return 1;
    std::array<int, 5> ys{};
    long long y = baseY;
    int previous = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int offset = Trunc(std::log(values[i]) / L * H);
        y -= offset - previous;
        previous = offset;
        ys[i] = Trunc(double(y));
        Line(dc, range.leftX, ys[i], range.rightX, ys[i]);
    }
    const platform::KeepDcState keep(dc);
    dc.SelectObject(FontOf(data.labelFont));
    dc.SetTextColor(platform::RGB(255, 0, 0));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    long long x = range.leftX;
    for (int n = 0; n < range.count / 2 && std::size_t(n) < range.records.size(); ++n) {
        const std::int32_t depth = range.records[std::size_t(n)].depth;
        if (depth == in.g.fileLastDepth)
            break;
        if (depth % 200 == 0)
            for (std::size_t i = 0; i < labels.size(); ++i)
                dc.TextOut(Trunc(double(x) + 10), i < 4 ? ys[i] - 10 : ys[i], labels[i]);
        x += 2LL * range.xStep;
    }
    return 1;
}

int PaintHorzResistivityGrid(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands,
                             const HorzRange& range, int track)
{
    const layout::CustomTrackEntry& e = bands[std::size_t(track)];
    const std::array<int, 11> off = Offsets(std::log(2000.0) - std::log(0.2), layout::TrackWidth(e));
    const platform::Pen minor = PenOf(data.gridPens[0]), medium = PenOf(data.gridPens[1]);
    const platform::KeepDcState keep(dc);
    long long y = e.leftX;
    for (int decade = 0; decade < 4; ++decade) {
        dc.SelectObject(minor);
        for (int i = decade == 0 ? 2 : 1; i <= 9; ++i) {
            y -= off[std::size_t(i + 1)] - off[std::size_t(i)];
            Line(dc, range.leftX, Trunc(double(y)), range.rightX, Trunc(double(y)));
            if (i == 8)
                dc.SelectObject(medium);
        }
    }
    return 1;
}

int PaintHorzLogGrid(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in, const HorzRange& range,
                     int baseY, int track)
{
    const layout::CustomTrackEntry& e = bands[std::size_t(track)];
    const float M = e.maximum[0] > 0.0f ? e.maximum[0] : 0.1f, m = e.minimum[0] > 0.0f ? e.minimum[0] : 0.1f;
    int decades = 0;
    for (const float d : kDecades) {
        if (d >= M)
            break;
        if (d >= m)
            ++decades;
    }
    const double L = Span(m, M);
    if (decades == 0 || !(L > 0.0))
        return 0;
    const std::array<int, 11> off = Offsets(L, layout::TrackWidth(e));
    const platform::Pen minor = PenOf(in.g.pens.Grid10()), major = PenOf(in.g.pens.Grid50());
    const platform::KeepDcState keep(dc);
    dc.SelectObject(major);
    Line(dc, range.leftX, baseY, range.rightX, baseY);
    Line(dc, range.leftX, baseY + 1, range.rightX, baseY + 1);
    long long y = baseY;
    for (int d = 0; d < decades; ++d) {
        dc.SelectObject(minor);
        for (int i = 1; i <= 9; ++i) {
            y -= off[std::size_t(i + 1)] - off[std::size_t(i)];
            Line(dc, range.leftX, Trunc(double(y)), range.rightX, Trunc(double(y)));
            if (i == 8)
                dc.SelectObject(major);
        }
    }
    return 1;
}

}  // namespace tracks
