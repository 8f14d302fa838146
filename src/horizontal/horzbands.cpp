#include "horizontal/horzbands.h"

#include "platform/gdi.h"

#include <algorithm>
#include <cmath>

namespace horizontal {

namespace {

constexpr int kPictureBandHeight = 72;  // 9 x 8, whatever the layout factor

HorzBands Lay(const BandInputs& in)
{
    HorzBands b;
    const bool custom = in.customTracks;
    b.customTracks = custom;
    b.pictures = in.drawLithPics && in.pictureOption;
    b.textBlockCount = TextBlocksOf(in.textBlockCount);
    b.layoutFactor = custom ? 0.75 : 1.0;
    b.gasTop = custom ? std::max(0, in.customHeight) : 0;
    b.divisionHeight = platform::Trunc(8 * b.layoutFactor);
    b.lithRowHeight = platform::Trunc(6 * b.layoutFactor);
    b.showRowHeight = platform::Trunc(5 * b.layoutFactor);
    const int lith = b.lithRowHeight, show = b.showRowHeight;
    const int notes = in.textInOwnTrack ? b.textBlockCount * 10 : 0;

    b.gasBandHeight = !in.drawGas && custom ? 0 : 20 * b.divisionHeight;
    b.gasBase = b.gasTop + b.gasBandHeight;
    b.pathTop = b.gasBase;
    b.lowerBandHeight = !in.drawRates && custom ? 0 : 20 * b.divisionHeight;
    b.plotBottom = in.plotBottom;
    b.lowerBase = in.plotBottom - 2;
    b.lowerTop = b.lowerBase - b.lowerBandHeight;
    b.lithBandTop = b.lowerTop + 8 - 10 * lith - (custom ? 40 : 0);
    b.pathBottom = b.lithBandTop;

    if (in.textInOwnTrack) {
        b.notesBandBottom = b.lithBandTop;
        b.notesBandTop = b.notesBandBottom - notes;
        b.pathBottom = b.notesBandTop;
    }
    b.pictureBandBottom = b.lithBandTop + 8 - lith;
    b.pictureBandTop = b.pictureBandBottom - kPictureBandHeight;
    if (b.pictures) {
        b.notesBandBottom = b.pictureBandTop;
        b.notesBandTop = b.notesBandBottom - notes;
        b.pathBottom = b.notesBandTop;
    } else {
        b.pictureBandTop = b.pictureBandBottom;
    }
    const int showsBase =
        b.lithBandTop - (in.extraShowsStrip ? 4 * show : 0) - (b.pictures ? kPictureBandHeight : 0);
    if (in.drawShows) {
        b.showsBandBottom = showsBase;
        if (!in.textInOwnTrack) {
            b.pathBottom = b.showsBandBottom - 10 * show;
        } else {
            b.notesBandBottom = b.showsBandBottom - 10 * show;
            b.notesBandTop = b.notesBandBottom - notes + 10;
            b.pathBottom = b.notesBandTop;
        }
    }
    // The lithology riding on the path gives the fixed band's room to the bands above it.
    const int g = in.drawLithOnWellTrack ? 10 * lith - 8 : 0;
    if (in.drawLithOnWellTrack) {
        b.pictureBandTop += g;
        b.pictureBandBottom += g;
        if (in.drawShows)
            b.showsBandBottom += g;
        if (!in.textInOwnTrack) {
            b.pathBottom += g;
        } else {
            b.notesBandBottom += g;
            b.notesBandTop = b.notesBandBottom - notes + 10;
            b.pathBottom = b.notesBandTop;
        }
    }
    b.hardnessHeight = 4 * show;
    b.hardnessBase = showsBase + g + b.hardnessHeight;
    b.plotRight = in.plotLeft + (in.plotLastDepth - in.plotFirstDepth) * in.pixelsPerUnit - 10;
    return b;
}

}  // namespace

BandInputs BandInputsOf(const HorzViewSettings& s)
{
    BandInputs in;
    in.drawGas = s.drawGas;
    in.drawRates = s.drawRates;
    in.drawShows = s.drawShows;
    in.drawLithPics = s.drawLithPics;
    in.drawLithOnWellTrack = s.drawLithOnWellTrack;
    in.textInOwnTrack = s.textInOwnTrack;
    in.textBlockCount = s.textBlockCount;
    return in;
}

int TextBlocksOf(std::int32_t textBlockCount)
{
    return textBlockCount == 0 ? 10 : std::clamp<std::int32_t>(textBlockCount, 1, 20);
}

HorzBands ComputeBandLayout(const BandInputs& in)
{
    HorzBands b = Lay(in);
    const int room = b.pathBottom - b.pathTop;
    if (room >= 20)
        return b;
    // Everything from the path's bottom down follows plotBottom one for one.
    BandInputs taller = in;
    taller.plotBottom += (20 - room + 9) / 10 * 10;
    return Lay(taller);
}

HeaderTracks LayOutHeaderTracks(const layout::TrackSet& list, int textBlockCount)
{
    HeaderTracks h;
    long long widths = 0;
    for (int i = 0; i < 10; ++i) {
        layout::CustomTrackEntry e = list[std::size_t(i)];
        const std::uint16_t letter = e.dataCode[0];
        if (letter == 'F' || letter == 'G')
            e.onHorizontalView = 0;
        if (e.onHorizontalView == 0)
            continue;
        const bool empty = e.blockWidth == 0 || e.blockCount == 0;
        e.rightX = std::int32_t(std::clamp<long long>((long long)e.leftX + layout::TrackWidth(e), INT32_MIN, INT32_MAX));
        widths += (long long)e.rightX - e.leftX;
        if (e.kind != 3)
            for (int c = 0; c < 8; ++c) {
                if (e.maximum[c] == e.minimum[c] || e.rightX < 1)
                    break;
                e.pixelsPerUnit[c] = float(double(e.rightX - e.leftX) / double(e.maximum[c] - e.minimum[c]));
            }
        if (letter == 'E' || letter == 'N')
            e.blockCount = textBlockCount;
        h.height += layout::TrackWidth(e);
        h.tracks[std::size_t(h.kept++)] = e;
        if (h.kept == 6 || widths >= 250 || empty)
            break;
    }
    return h;
}

float RateFullScale(int rateScale)
{
    static constexpr float kTable[6] = {2.5f, 5.0f, 10.0f, 15.0f, 20.0f, 50.0f};
    return kTable[rateScale >= 1 && rateScale <= 6 ? rateScale - 1 : 0];
}

int RatePerHourFullScale(int rateCode)
{
    static constexpr int kTable[7] = {150, 300, 450, 600, 50, 800, 1600};
    return kTable[rateCode >= 1 && rateCode <= 7 ? rateCode - 1 : 0];
}

int GasFullScale(const HorzViewSettings& s, int index)
{
    // A blank record's code 0 (or any outside the table) takes the second entry, as the track points do.
    return s.gasScales[index >= 1 && index <= 9 ? index : 2];
}

int TvdLabelStep(double range)
{
    if (range > 500)
        return 100;
    if (range > 100)
        return 50;
    if (range > 50)
        return 20;
    return 10;
}

std::array<int, 10> LogDecadeOffsets(int height, int decades)
{
    std::array<int, 10> t{};
    const double whole = std::log(std::pow(10.0, std::max(1, decades)));
    for (int k = 1; k < 10; ++k)
        t[std::size_t(k)] = platform::Trunc(std::log(double(k + 1)) / whole * height);
    return t;
}

}  // namespace horizontal
