#include "layout/logformat.h"

#include "layout/custchartcfg.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace layout {

namespace {

std::int32_t Even(std::int32_t v) { return v - v % 2; }

// Places `c` at `x` and returns its right edge.
std::int32_t Place(Column& c, std::int32_t x)
{
    c.left = x;
    return c.Right();
}

// A description of `blocks` + `extra` blocks: no room at all when the column is switched off.
std::int32_t DescriptionWidth(const Column& d, int extra)
{
    return d.count > 0 && d.cell > 0 ? (d.count + extra) * d.cell : 0;
}

// Block counts and cells of the format, before the custom-track and scheme adjustments.
void SetColumns(LogLayout& L, int profile, const LayoutInputs& in)
{
    const std::int32_t W = L.trackUnit;
    const bool interpreted = On(in.trackFlags, FLAG_INTERPRETED_LITH);
    L.leftColumn = {0, 1, W - 1};
    L.rate = {0, 25, W};
    L.textColumn = {};
    L.outline = {0, 5, W};
    L.show1 = {0, 3, W - 1};
    L.lithology = {0, 10, Even(W)};
    L.interpreted = {0, interpreted ? 3 : 0, W - 1};
    L.show2 = {0, 4, W - 1};
    L.show3 = {0, 3, W - 1};
    L.gas = {0, 35, W - 1};
    L.gas2 = {};
    L.description = {0, 23, W};

    switch (L.family) {
    case FormatFamily::General:
        if (profile == 114)
            L.outline.count = 8;
        else if (wellfile::AlternateSurveyProfile(profile) || in.altSurveyPosition)
            L.outline.count = 6;
        if (profile == 114 || profile == 131) {
            L.show1.count = 0;
            L.show2.count = 0;
        }
        if (profile == 131) {
            L.show3.count = 0;
            L.gas.cell = W - 2;
        }
        if (profile == 82)
            L.description.count = 22;
        else if (profile == 114)
            L.description.count = 27;
        else if (profile == 131)
            L.description.count = 30;
        break;
    case FormatFamily::Feet:
        L.leftColumn.count = 11;
        L.rate.cell = W - 1;
        L.outline.count = 2;
        L.show1.count = 2;
        if (in.customTracksOn)
            L.description.count = 22;
        break;
    case FormatFamily::Wide:
        L.rate.cell = W - 1;
        if (profile != 126 && !(profile == 134 && !in.plotInterpretedLith))
            L.textColumn = {0, 10, W / 2};
        L.outline.count = 4;
        L.lithology.cell = W - 2;
        L.interpreted = {};
        if (!L.alternateFormat) {
            L.gas.count = 20;
            L.gas2 = {0, 20, W - 1};
        }
        L.description.count = 26;
        break;
    }
}

// What the custom tracks and the scheme's flags take away, only while custom tracks are shown.
void AdjustForCustomTracks(LogLayout& L, const LayoutInputs& in)
{
    const std::int32_t W = L.trackUnit;
    const TrackFlags& f = in.trackFlags;
    const bool wide = L.family == FormatFamily::Wide;
    if (L.family != FormatFamily::Feet)
        L.description.count += 1;
    if (in.customWidth >= 1 && in.customWidth <= 400) {
        L.gas.cell = W - 1;
        L.gas2.cell = L.gas2.count ? W - 1 : 0;
    } else if (in.customWidth > 400) {
        L.gas.cell = W - 2;
        L.gas2.cell = L.gas2.count ? W - 2 : 0;
        if (!wide) {
            L.show1.cell = L.show2.cell = L.show3.cell = W - 1;
            L.lithology.cell = W - 1;
        }
    }
    if (!On(f, FLAG_GAS))
        L.gas.cell = L.gas2.cell = 0;
    if ((!On(f, FLAG_DESCRIPTIONS) && !On(f, FLAG_MEMOS)) || in.descriptionOff)
        L.description.count = L.description.cell = 0;
    if (!On(f, FLAG_LITHOLOGY)) {
        L.lithology.count = 0;
        if (wide)
            L.textColumn.count = 0;
    }
    if (!On(f, FLAG_SHOWS)) {
        L.show1.cell = L.show3.cell = 0;
        if (L.family != FormatFamily::Feet)  // the 21/86 format keeps its second show column
            L.show2.cell = 0;
    }
    if (!On(f, FLAG_OUTLINES))
        L.outline.count = L.outline.cell = 0;
    if (wide && !On(f, FLAG_ROP)) {
        L.rate.count = L.rate.cell = 0;
        L.imageHeaderRows = 70;
    }
}

// Accumulates the edges left to right in the order of the format.
void PlaceColumns(LogLayout& L, int profile, const LayoutInputs& in)
{
    const std::int32_t W = L.trackUnit;
    // However wide the stored tracks claim to be, the edges summed below stay inside int range.
    const std::int32_t customWidth =
        in.customTracksOn ? std::clamp<std::int32_t>(in.customWidth, 0, kCustomTrackCount * kMaxTrackWidth) : 0;
    L.custom = {0, customWidth > 0 ? 1 : 0, customWidth};
    L.rightMargin = {0, 1, W};

    std::int32_t x = Place(L.leftColumn, 0);
    x = Place(L.rate, x);
    if (L.family == FormatFamily::Wide)
        x = Place(L.textColumn, x);
    else
        L.textColumn.left = 0;
    x = Place(L.outline, x);
    x = Place(L.show1, x);
    x = Place(L.lithology, x);
    if (L.family != FormatFamily::Wide)
        x = Place(L.interpreted, x);
    else
        L.interpreted.left = x;
    x = Place(L.show2, x);

    const bool gasFirst = L.family == FormatFamily::Wide || (L.family == FormatFamily::General && L.alternateFormat);
    if (gasFirst) {
        x = Place(L.show3, x);
        // The general format leaves one more block of the show cell after the third show column; the
        // column itself keeps its own blocks.
        if (L.family == FormatFamily::General)
            x += L.show3.cell;
        x = Place(L.gas, x);
        x = Place(L.gas2, x);
        L.gasRight = x;
        L.description.left = std::int32_t(L.gasRight + 0.5 * W);
        L.descriptionRight = L.description.left + DescriptionWidth(L.description, 1);
        // The general format puts the custom tracks after the description's extra block, the wide
        // formats right after its blocks.
        x = Place(L.custom, L.family == FormatFamily::General ? L.descriptionRight : L.description.Right());
    } else {
        x = Place(L.show3, x);
        L.description.left = x;
        x += DescriptionWidth(L.description, L.family == FormatFamily::Feet ? 2 : 0);
        x = Place(L.gas, x);
        x = Place(L.gas2, x);
        L.gasRight = x;
        L.descriptionRight = L.gasRight;
        x = Place(L.custom, x);
    }
    L.logRight = Place(L.rightMargin, x);
    L.gasSplitX = L.gas2.count > 0 ? L.gas2.left : L.gas.left;

    switch (L.family) {
    case FormatFamily::General:
        if (wellfile::AlternateSurveyProfile(profile) || in.altSurveyPosition)
            L.surveyX = L.rate.Right() + 1;
        else if (profile == 26)
            L.surveyX = L.rate.left;
        else if (!L.alternateFormat || profile == 62)
            L.surveyX = L.gas.left + 10 * L.gas.cell;
        else
            L.surveyX = L.gas.left;
        break;
    case FormatFamily::Feet:
        L.surveyX = 0;
        break;
    case FormatFamily::Wide:
        L.surveyX = L.rate.Right() + L.textColumn.Width();
        break;
    }
}

// The title and the options each format sets.
void SetFormatOptions(LogLayout& L, int profile)
{
    L.title = ProfileTitle(profile);
    switch (L.family) {
    case FormatFamily::General:
        if (L.gasSourceType == -1 && profile == 10)
            L.gasSourceType = 0;
        else if (L.gasSourceType == -1 && profile == 1)
            L.gasSourceType = 1;
        if (profile == 1)
            L.hotWire = false;
        L.altSurveyOrder = false;
        L.feetStyleSecond = false;
        if (profile == 10)
            L.pixelsPerStep = Even(L.pixelsPerStep);
        break;
    case FormatFamily::Feet:
        L.alternateFormat = false;
        if (L.gasSourceType == -1)
            L.gasSourceType = 11;
        L.hotWire = true;
        L.altSurveyOrder = true;
        L.feetStyle = true;  // the only format that sets it
        L.feetStyleSecond = false;
        break;
    case FormatFamily::Wide:
        if (L.gasSourceType == -1)
            L.gasSourceType = 10;
        L.altSurveyOrder = false;
        L.imageHeaderRows = 62;
        L.twoGasTracks = !L.alternateFormat;
        L.pixelsPerStep = Even(L.pixelsPerStep);
        break;
    }
}

}  // namespace

FormatFamily FamilyOf(int profile)
{
    if (wellfile::FeetFormatProfile(profile))
        return FormatFamily::Feet;
    if (wellfile::WideFormatProfile(profile))
        return FormatFamily::Wide;
    return FormatFamily::General;
}

void SetBlockHeight(LogLayout& L, const LayoutInputs& in)
{
    if (in.renderBusy)
        return;
    L.visibleRows = 55;
    std::int32_t width = in.screen.width;
    // A count below one would divide by zero; such a setting means one monitor.
    std::int32_t monitors = std::max<std::int32_t>(in.screen.monitors, 1);
    std::int32_t h = width == 800 ? 7 : (width > 800 ? 10 : 6);
    if (width >= 2000) {
        if (width >= 5700)
            monitors = 3;
        if (monitors == 1)
            h = 20;
        else
            width /= monitors;
    }
    // The desktop setting itself is never overwritten, so calling this again gives the same screen.
    L.screenWidth = width;
    L.screenHeight = in.screen.height;
    L.monitorCount = monitors;
    // The title band is set afresh on every call, so that switching drilling or the custom tracks off
    // gives the office band back.
    if (in.customTracksOn)
        L.logAreaTop = 18 * h;
    else if (in.drilling && L.screenHeight <= 800)
        L.logAreaTop = 14 * h;
    else
        L.logAreaTop = kOfficeTitleRows * 10;
    L.firstRowY = L.logAreaTop;
    L.pixelsPerStep = 10;
    L.trackUnit = 10;
    L.doubleUnit = 2 * L.trackUnit;
}

void SetLogFormat(LogLayout& L, int profile, std::int32_t rowHeight, const LayoutInputs& in, const LayoutCalls& calls)
{
    // A drilling step that is pending is left alone: changing the layout must never drop a drilled unit.
    L.textColumn = {};
    L.altSurveyOrder = false;
    L.feetStyle = false;
    L.formatSwitches = {0, 0, 1, 1};

    if (calls.trace)
        calls.trace(QStringLiteral("Set Block ht"));
    SetBlockHeight(L, in);
    if (rowHeight != 0)
        L.pixelsPerStep = rowHeight;
    if (in.imageView && L.screenWidth <= 1280)
        L.trackUnit -= 1;

    L.family = FamilyOf(profile);
    if (L.family == FormatFamily::Feet)
        L.alternateFormat = false;
    if (calls.trace)
        calls.trace(QStringLiteral("Set screen fonts"));
    SetScreenFonts(L, profile, in);
    if (calls.setPens)
        calls.setPens();

    SetFormatOptions(L, profile);
    SetColumns(L, profile, in);
    if (in.customTracksOn)
        AdjustForCustomTracks(L, in);
    else if (L.family == FormatFamily::Wide && !On(in.trackFlags, FLAG_OUTLINES))
        L.outline.count = L.outline.cell = 0;
    PlaceColumns(L, profile, in);

    const std::int32_t W = L.trackUnit;
    const std::int32_t H = L.pixelsPerStep;
    L.logBodyTop = 10 * H + L.logAreaTop;
    L.flareMarkWidth = std::int32_t(0.9 * L.gas.cell);
    L.surveyCellWidth = std::int32_t(1.5 * W);

    L.logArea = {0, L.logAreaTop, L.logRight, L.screenHeight - 17 * H};
    if ((L.alternateFormat && profile != 88) || wellfile::DescriptionEndsLogProfile(profile))
        L.logArea.right = L.description.left + (L.description.count + 2) * L.description.cell;
    if (in.customTracksOn)
        L.logArea.right = L.logRight + W;

    L.rateTrack = {150.0f, L.rate.left, L.rate.Right(), float(W), 25, 1, 1};
    L.lithologyLeft = L.lithology.left;
    L.visibleRows = VisibleRows(in.clientBottom, L.logAreaTop, H);
    L.viewDepthSpan = 40;
    if (!in.suppressScrollBar && calls.createDepthScrollBar)
        calls.createDepthScrollBar();
}

std::int32_t VisibleRows(int clientHeight, int logAreaTop, int rowHeight)
{
    if (rowHeight <= 0)
        return 0;
    return (clientHeight - logAreaTop - 8 * rowHeight) / rowHeight;
}

}  // namespace layout
