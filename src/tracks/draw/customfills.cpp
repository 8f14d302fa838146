#include "tracks/draw/customfills.h"

#include "platform/draw/dc.h"

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

namespace tracks {

namespace {

using platform::POINT;

constexpr platform::COLORREF kPrintGrey = platform::RGB(216, 216, 216);

struct FillRules {
    bool compareY = false;               // the horizontal view compares y
    int backStopY = 0;                   // the way back ends at a B point of this y or less
    int backShift = 0;                   // added to B's x on the way back
    std::optional<int> bottomY;          // a stretch stops collecting at this y (the screen's log bottom)
};

void Fill(platform::Dc& dc, PointList a, PointList b, int count, int leftX, platform::COLORREF colour,
          const FillRules& rules)
{
    // Index count is read as the end of the lists: keep every index inside both.
    const std::size_t size = std::min(a.size(), b.size());
    if (size == 0 || count <= 0)
        return;
    const int n = int(std::min<std::size_t>(std::size_t(count), size - 1));
    std::vector<POINT> work;
    try {
        work.reserve((std::size_t(n) + 10) * 2);
    } catch (const std::bad_alloc&) {
        return;  // no message inside a paint: the fill is left out
    }
    auto key = [&](PointList l, int i) { return rules.compareY ? l[std::size_t(i)].y : l[std::size_t(i)].x; };
    auto nearSide = [&](int i) { return key(a, i) < key(b, i); };
    auto add = [&](int x, int y) { work.push_back({std::max(x, leftX), y}); };

    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Brush(colour));
    dc.SelectObject(platform::StockPen(platform::NULL_PEN));
    dc.SetROP2(platform::R2_MASKPEN);

    int i = 0;
    while (i < n) {
        while (i < n && !nearSide(i))
            ++i;
        if (i >= n)
            break;
        const int start = i;
        while (i < n && key(a, i) > 0 && nearSide(i) && (!rules.bottomY || a[std::size_t(i)].y < *rules.bottomY)) {
            add(a[std::size_t(i)].x, a[std::size_t(i)].y);
            ++i;
        }
        const int next = i + 1;
        // A stretch that ends at a crossing goes back from the crossing's sample; one that ran out of
        // samples (the end of the lists, or samples no curve reached) goes back from its own last sample,
        // so it is closed along B rather than left as a line down A.
        const bool ranOut = i > start && (i >= n || !(key(a, i) > 0));
        for (int j = ranOut ? i - 1 : i; j >= 0;) {
            const POINT& p = b[std::size_t(j)];
            if (p.y <= rules.backStopY)
                break;
            add(p.x + rules.backShift, p.y);
            --j;
            if (j < 0 || !nearSide(j))
                break;
        }
        if (work.size() >= 2)
            dc.Polygon(work.data(), int(work.size()));
        work.clear();
        i = next;
    }
}

platform::COLORREF FillColour(const logview::Device& device, platform::COLORREF colour)
{
    return device.printing && !device.colourPrinting ? kPrintGrey : colour;
}

FillRules LogFillRules(const logview::ViewGeometry& g, const logview::Device& device, int topY)
{
    FillRules r;
    r.backStopY = topY;
    r.backShift = -2;
    // Only the screen proper stops at the log's bottom; paper, images and the off-screen log go on.
    if (!device.printing && !device.imageExport && !device.offScreen)
        r.bottomY = g.logBottomY;
    return r;
}

}  // namespace

void FillCrossover(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, PointList a,
                   PointList b, int count, int topY, int leftX, platform::COLORREF colour)
{
    Fill(dc, a, b, count, leftX, FillColour(device, colour), LogFillRules(g, device, topY));
}

void FillRatioCrossover(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, PointList a,
                        PointList b, int count, int topY, int leftX, platform::COLORREF colour)
{
    Fill(dc, a, b, count, leftX, FillColour(device, colour), LogFillRules(g, device, topY));
}

void FillCrossoverHorizontal(platform::Dc& dc, PointList a, PointList b, int count, int leftX, platform::COLORREF colour)
{
    FillRules r;
    r.compareY = true;
    r.backStopY = 10;
    Fill(dc, a, b, count, leftX, colour, r);
}

}  // namespace tracks
