#pragma once
// Labels found on a screenshot by their ink: a text drawn as the program's own drawing code draws it
// (its black pixels and the ring of pixels round them), and the places where it stands whole on the
// screen, with how many black pixels of something else lie within a pixel of it there.
#include "platform/draw/gdiobjects.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace testing_support {

bool Black(const QImage& image, int x, int y);

// A label's black pixels as the program's drawing code writes it (`font`, or the drawing's default),
// relative to the top left of their box, and the pixels round them within one pixel.
struct Ink {
    std::vector<QPoint> ink, ring;
    QSize size;  // the box's, with the ring
};
Ink InkOf(const QString& text, const std::optional<platform::Font>& font = std::nullopt);

// Each place in `area` of `shot` where the label's ink stands whole (every pixel black, or of a grid
// line drawn across it, `lines`; three in four black) with the black pixels of its ring there (0: the
// label stands clear).
std::vector<std::pair<QPoint, int>> Places(const QImage& shot, const QRect& area, const Ink& label,
                                           const std::vector<QRgb>& lines = {});

bool Fewer(const std::pair<QPoint, int>& a, const std::pair<QPoint, int>& b);

}  // namespace testing_support
