#include "support/labelink.h"

#include "platform/draw/dc.h"

#include <algorithm>
#include <cstdint>

namespace testing_support {

bool Black(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

Ink InkOf(const QString& text, const std::optional<platform::Font>& font)
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::Dc dc(image);
        if (font)
            dc.SelectObject(*font);
        dc.SetBkMode(platform::TRANSPARENT);
        dc.TextOut(10, 10, text);
    }
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            box |= Black(image, x, y) ? QRect(x, y, 1, 1) : QRect();
    Ink out;
    out.size = box.size() + QSize(2, 2);
    for (int y = box.top() - 1; y <= box.bottom() + 1; ++y)
        for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    near = near || Black(image, x + dx, y + dy);
            if (Black(image, x, y))
                out.ink.push_back(QPoint(x, y) - box.topLeft());
            else if (near)
                out.ring.push_back(QPoint(x, y) - box.topLeft());
        }
    return out;
}

std::vector<std::pair<QPoint, int>> Places(const QImage& shot, const QRect& area, const Ink& label,
                                           const std::vector<QRgb>& lines)
{
    const QRect inside
        = area.intersected(QRect(1, 1, shot.width() - label.size.width(), shot.height() - label.size.height()));
    // Each pixel the label may cover from there: 1 black, 2 a grid line's, 0 else.
    const QRect reach = inside.adjusted(-1, -1, label.size.width(), label.size.height()).intersected(shot.rect());
    std::vector<std::uint8_t> kind(std::size_t(reach.width()) * std::size_t(reach.height()));
    for (int y = reach.top(); y <= reach.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = reach.left(); x <= reach.right(); ++x) {
            const QRgb c = row[x] & 0xFFFFFF;
            kind[std::size_t((y - reach.top()) * reach.width() + x - reach.left())] = c == 0 ? 1
                : std::find(lines.begin(), lines.end(), c) != lines.end()                    ? 2
                                                                                             : 0;
        }
    }
    const auto at
        = [&](int x, int y) { return kind[std::size_t((y - reach.top()) * reach.width() + x - reach.left())]; };
    std::vector<std::pair<QPoint, int>> touching;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            std::size_t black = 0, i = 0;
            for (; i < label.ink.size(); ++i) {
                const std::uint8_t k = at(x + label.ink[i].x(), y + label.ink[i].y());
                if (k == 0)
                    break;
                black += k == 1 ? 1 : 0;
            }
            if (i < label.ink.size() || black * 4 < label.ink.size() * 3)
                continue;
            int n = 0;
            for (const QPoint& p : label.ring)
                n += at(x + p.x(), y + p.y()) == 1 ? 1 : 0;
            touching.emplace_back(QPoint(x, y), n);
        }
    return touching;
}

bool Fewer(const std::pair<QPoint, int>& a, const std::pair<QPoint, int>& b) { return a.second < b.second; }

}  // namespace testing_support
