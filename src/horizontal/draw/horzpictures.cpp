#include "horizontal/draw/horzpictures.h"

#include "horizontal/draw/horzplot.h"
#include "platform/gdi.h"
#include "platform/services.h"

#include <QDir>

namespace horizontal {

bool ListPictures(HorzPictureLists& lists, std::int32_t plotFirstDepth, std::int32_t plotLastDepth)
{
    if (lists.folder.isEmpty())
        return false;
    const QStringList names = QDir(lists.folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    std::vector<elog::PictureEntry> found;
    for (const QString& name : names)
        if (elog::SafePictureName(name) && name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
            found.push_back({elog::PictureDepth(name), name, 0});
    if (found.empty())
        return false;
    SortPictures(found);
    lists.inRange = PicturesInRange(found, plotFirstDepth, plotLastDepth);
    lists.found = std::move(found);
    lists.boxes.clear();
    return true;
}

void DrawPictureMarkers(platform::Dc& dc, const HorzPlot& plot, HorzPictureLists& lists)
{
    lists.boxes.clear();
    const platform::COLORREF blue = platform::RGB(0, 128, 255);
    platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(blue));
    dc.SelectObject(platform::Brush(blue));
    dc.SetBkMode(platform::TRANSPARENT);
    const int pathTop = plot.bands.pathTop;
    for (elog::PictureEntry& e : lists.inRange) {
        if (e.depth < plot.plotFirstDepth || e.depth > plot.plotLastDepth)
            continue;
        e.markY = pathTop;
        const platform::RECT box = PictureBox(RecordX(plot, e.depth), pathTop);
        dc.Rectangle(box);
        dc.TextOut(box.left + 10, box.top, QStringLiteral("P"));
        lists.boxes.push_back(box);
    }
}

int StretchImageTo(platform::Dc& printer, const PlotColumns& columns, int windowWidth, const HorzPrintInput& in,
                   std::int32_t& startDepth, std::int32_t endDepth, HorzPrintPosition& at, int page)
{
    const HorzPagePlan p = PlanHorzPage(in, startDepth, endDepth, at, page);
    if (p.failure == HorzPageFailure::InvalidRange) {
        platform::MessageBox(QStringLiteral("INVALID RANGE"), QStringLiteral("ERROR"));
        return 0;
    }
    if (p.failure != HorzPageFailure::None || !columns)
        return 0;
    // A slice wider than a window goes on in pieces, each to its share of the page.
    const auto blit = [&](const HorzBlit& b) {
        const BlitRect& s = b.source;
        const BlitRect& d = b.destination;
        const int chunk = std::max(1, windowWidth);
        for (int from = 0; from < s.width; from += chunk) {
            const int w = std::min(chunk, s.width - from);
            const QImage image = columns(s.x + from, w);
            if (image.isNull())
                return false;
            const int x0 = d.x + int(qint64(from) * d.width / s.width);
            const int x1 = d.x + int(qint64(from + w) * d.width / s.width);
            if (!printer.StretchBlt(x0, d.y, x1 - x0, d.height, image, 0, s.y, w, s.height, platform::SRCCOPY))
                return false;
        }
        return true;  // a slice of no columns draws nothing and fails nothing
    };
    if ((p.header && !blit(*p.header)) || !blit(p.slice)) {
        platform::MessageBox(QStringLiteral("Stretch Operation 1 failed"), QString());
        return 0;
    }
    return p.result;
}

}  // namespace horizontal
