#pragma once
// The drilling status drawn on a Dc: the window's client area, or an image in tests.
#include "drilling/drillinghost.h"
#include "platform/draw/dc.h"

namespace drilling {

class DcCanvas final : public StatusCanvas {
public:
    // `dc` outlives the canvas; texts use `statusFont`, `logFont` or `strokesFont` by their role.
    DcCanvas(platform::Dc& dc, platform::Font statusFont, platform::Font logFont, platform::Font strokesFont = {});

    // Each call leaves the Dc's alignment, background mode and colour, text colour and font as it found
    // them.
    void Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour,
              std::optional<platform::COLORREF> background = std::nullopt) override;
    // A fill without a colour takes the Dc's current brush (the window's background).
    void Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour) override;

private:
    platform::Dc& dc_;
    platform::Font statusFont_;
    platform::Font logFont_;
    platform::Font strokesFont_;
};

// The stroke counter's font for a log of rows `rowHeight` pixels high.
platform::Font StrokesFont(int rowHeight);

}  // namespace drilling
