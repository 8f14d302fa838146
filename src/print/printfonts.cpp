#include "print/printfonts.h"

#include "platform/logfont.h"
#include "wellfile/profile.h"

namespace print {

namespace {

constexpr std::uint8_t kFixedModern = platform::FIXED_PITCH | platform::FF_MODERN;
constexpr const char* kCopperplate = "Copperplate Gothic Bold";

// A negative height is a character height, a positive one a cell height; every print font is of
// normal weight.
platform::LOGFONTA Font(const char* face, int height, int width = 0, std::uint8_t pitchAndFamily = 0)
{
    return platform::MakeLogFont(face, height, width, pitchAndFamily);
}

int Times(double factor, int value) { return int(factor * value); }

}  // namespace

void ReleasePrintFonts(PrintState& state)
{
    for (auto& slot : state.fonts)
        slot.reset();
}

void SetPrintFonts(PrintState& state, int profile)
{
    const int h = state.rowHeight;
    const int u = state.columnUnit;
    const ProfilePrintOptions& options = state.profileOptions;
    auto& fonts = state.fonts;
    auto put = [&](int slot, const platform::LOGFONTA& font) {
        fonts[std::size_t(slot)].reset();
        fonts[std::size_t(slot)] = font;
    };

    const bool arialTitle = wellfile::AlternateSurveyProfile(profile);
    put(FONT_TITLE, Font(arialTitle ? "Arial Bold" : "CopperPlate Gothic Bold", h - 2));

    double narrow = 0.9;
    if (h > 30)
        narrow = 0.85;
    if (options.condensed)
        narrow = 0.8;

    if (state.largePrint) {
        if (state.twoAndHalfInch) {
            put(FONT_BODY, Font(kCopperplate, -Times(1.2, h), Times(0.65, u)));
            put(FONT_SMALL, Font(kCopperplate, -h, Times(0.5, u)));
        } else {
            put(FONT_BODY, Font(kCopperplate, -h, Times(0.5, u)));
            put(FONT_SMALL, Font(kCopperplate, -Times(0.75, h), Times(0.4, u)));
        }
    } else {
        if (options.copperplateText)
            put(FONT_BODY, Font(kCopperplate, h, Times(0.8, u)));
        else if (state.narrowFormat && state.v305LexPrinter)
            put(FONT_BODY, Font("Arial", h, Times(narrow, u), kFixedModern));
        else if (state.narrowFormat)
            put(FONT_BODY, Font("Courier New Bold", Times(1.3, h), u, kFixedModern));
        else
            put(FONT_BODY, Font("Courier New Bold", Times(1.5, h), Times(0.86, u), kFixedModern));
        // Profile 60 has no small font of its own; it writes small text in the body font, so that no
        // painter selects an empty slot.
        if (profile != 60)
            put(FONT_SMALL, Font("Arial Bold", Times(1.5, h), Times(0.6, u), platform::FIXED_PITCH));
        else
            put(FONT_SMALL, *fonts[FONT_BODY]);
    }

    if (profile == 17 || (state.v305LexPrinter && !options.copperplateText))
        put(FONT_SMALL, Font("Arial Bold", -(h + 3)));
    if (profile == 81)
        put(FONT_SMALL, Font("Arial", -(h + 3)));

    // With the alternate header layout the printed header puts its own font in the header slot.
    if (!options.alternateHeader)
        put(FONT_HEADER, *fonts[FONT_SMALL]);
}

}  // namespace print
