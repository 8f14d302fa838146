// The screen fonts and log titles of the log formats.
#include "layout/logformat.h"

#include "platform/logfont.h"
#include "wellfile/profile.h"

namespace layout {

namespace {

constexpr std::uint8_t kFixedModern = platform::FIXED_PITCH | platform::FF_MODERN;  // 0x31

platform::LOGFONTA MakeFont(const char* face, std::int32_t height, std::int32_t width, std::uint8_t pitchAndFamily = 0)
{
    return platform::MakeLogFont(face, height, width, pitchAndFamily);
}

bool WideTextProfile(int profile) { return profile == 23 || profile == 110 || profile == 134; }

platform::LOGFONTA LogTextFont(const LogLayout& L, int profile, std::int32_t H, std::int32_t W)
{
    if (L.pixelsPerStep == 9)  // the compressed grid keeps its own size, image export or not
        return MakeFont("Courier New", -(L.pixelsPerStep + 1), -L.pixelsPerStep, kFixedModern);
    const std::int32_t width = L.screenWidth;
    if (width < 800)
        return MakeFont("Courier New", -(H + 3), -W, kFixedModern);
    if (width == 800)
        return MakeFont(WideTextProfile(profile) ? "Arial" : "Courier New", -(H + 3), -W, kFixedModern);
    if (width == 1024)
        return MakeFont("Courier New", -(H + 4), -(W - 1), kFixedModern);
    if (WideTextProfile(profile))
        return MakeFont(" Courier New ", -(H + 4), -(W - 1), kFixedModern);
    return MakeFont("Courier New", -(H + 5), -(W - 1), kFixedModern);
}

}  // namespace

void SetScreenFonts(LogLayout& L, int profile, const LayoutInputs& in)
{
    const std::int32_t H = in.imageFont ? 26 : L.pixelsPerStep;
    const std::int32_t W = in.imageFont ? 17 : L.trackUnit;
    L.titleFont = MakeFont("Arial Bold", -(H + 6), 0);
    L.subtitleFont = MakeFont("Arial Bold", -(H + 2), 0);
    const bool plainCompany = wellfile::AlternateSurveyProfile(profile) || in.altSurveyPosition;
    L.companyFont = MakeFont(plainCompany ? "Arial Bold" : "CopperPlate Gothic Bold", H + 2, 0);
    L.logFont = LogTextFont(L, profile, H, W);
    if (FamilyOf(profile) == FormatFamily::Feet) {
        const std::int32_t h = in.imageFont ? std::int32_t(0.75 * L.pixelsPerStep) : L.pixelsPerStep;
        L.labelFont = MakeFont("Comic Sans MS", -(h + 2), -(h - 3));
    }
    L.textFace = QStringLiteral("Verdana");
}

QString ProfileTitle(int profile)
{
    switch (profile) {
    case 1: return QStringLiteral("FORMATION EVALUATION LOG");
    case 10: return QStringLiteral("MUD LOG");
    case 21: return QStringLiteral("GEOLOGICAL LOG");
    case 23: return QStringLiteral("WELLSITE GEOLOGY LOG");
    case 86: return QStringLiteral("GEOLOGICAL STRIP LOG");
    case 110: return QStringLiteral("DRILLING DATA LOG");
    case 126: return QStringLiteral("LITHOLOGY AND GAS LOG");
    case 134: return QStringLiteral("FORMATION LOG");
    case 138: return QStringLiteral("GAS DETECTION LOG");
    default: return QStringLiteral("STRATIV MUD LOG");
    }
}

}  // namespace layout
