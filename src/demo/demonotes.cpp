#include "demo/demonotes.h"

#include "entry/memofiles.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace demo {

namespace {

struct DemoNote {
    std::int32_t aboveLast;  // units above the last depth: the view draws the well's last few hundred
    const char* text;
    std::int32_t top;        // the box's top in the view's image
    std::uint8_t wellfile::HTEXTEX::* flag;
    platform::COLORREF colour;
};

}  // namespace

std::vector<wellfile::HTEXTEX> DemoDepthNotes(const DemoWellShape& shape)
{
    const DemoNote table[] = {
        {220, "Holding angle\r\nINC 35.0 deg", 230, nullptr, platform::RGB(0, 0, 0)},
        {150, "SS: lt gy, f gr, gd por, brt yel flor", 0, &wellfile::HTEXTEX::onTextTrack, platform::RGB(0, 0, 0)},
        {80, "Target top 2 m low", 0, &wellfile::HTEXTEX::anchoredBottom, platform::RGB(0, 0, 160)},
        {40, "Gas peak 180 units", 300, nullptr, platform::RGB(200, 0, 0)},
    };
    std::vector<wellfile::HTEXTEX> notes;
    for (const DemoNote& d : table) {
        wellfile::HTEXTEX h;
        h.depth = shape.lastDepth - d.aboveLast;
        if (h.depth <= shape.firstDepth)
            continue;
        platform::SetFieldText(h.text, d.text);
        h.box[1] = d.top;
        h.box[3] = d.top + 16;
        h.drawRectangle = 1;
        h.transparent = 1;
        h.fontSize = 2;
        h.textColour = d.colour;
        if (d.flag)
            h.*d.flag = 1;
        notes.push_back(h);
    }
    return notes;
}

bool SaveDemoDepthNotes(const QString& folder, const DemoWellShape& shape)
{
    std::vector<wellfile::HTEXTEX> notes = DemoDepthNotes(shape);
    const QString path = platform::JoinPath(folder, QString::fromLatin1(kDemoWellName) + QStringLiteral(".hxt"));
    return entry::SaveHText(path, notes).has_value();
}

}  // namespace demo
