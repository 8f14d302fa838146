#include "layout/printlayout.h"

#include "platform/numbers.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <initializer_list>

namespace layout {

namespace {

using wellfile::ProfileIn;

using platform::Whole;

// The block counts the printout takes from the screen format.
struct Counts {
    std::int32_t left, outline, show1, interpreted, show2, show3, gas, gas2, description, text;
};

Counts CountsOf(const LogLayout& s)
{
    return {s.leftColumn.count, s.outline.count, s.show1.count, s.interpreted.count, s.show2.count,
            s.show3.count,      s.gas.count,     s.gas2.count,  s.description.count, s.textColumn.count};
}

// What custom tracks take away: the descriptions when neither descriptions nor memos are shown (or a
// text track hides them), the gas track without its flag, the shows without theirs.
void HideForCustomTracks(PrintLayout& p, Counts& c, const PrintInputs& in)
{
    const TrackFlags& f = in.trackFlags;
    if ((!On(f, FLAG_DESCRIPTIONS) && !On(f, FLAG_MEMOS)) || in.descriptionOff)
        p.descriptionCount = 0;
    if (!On(f, FLAG_GAS)) {
        p.gasCell = 0;
        c.gas = 0;
    }
    if (!On(f, FLAG_SHOWS))
        p.showCell = 0;
}

// The general format's edges from the rate track to the second show column.
void PlaceToSecondShow(PrintLayout& p, const Counts& c, float b)
{
    p.rateLeft = p.margin;
    p.rateRight = p.rateLeft + 25 * p.rateCell;
    p.outlineRight = Whole(p.rateRight + (c.outline + 1) * double(b));
    p.lithologyLeft = p.outlineRight + c.show1 * p.showCell;
    p.lithologyRight = p.lithologyLeft + 10 * p.lithologyCell;
    p.interpretedRight = p.lithologyRight + c.interpreted * p.showCell;
    p.secondShowRight = p.interpretedRight + c.show2 * p.showCell;
}

// Gas after the shows, then the descriptions (alternate format); `extra` is added to the right end.
void PlaceGasFirst(PrintLayout& p, const Counts& c)
{
    p.gasLeft = p.secondShowRight + (c.show3 + 1) * p.showCell;
    p.gasSplit = p.gasLeft;
    p.gasRight = p.gasLeft + c.gas * p.gasCell;
}

// The descriptions after the shows, then gas.
void PlaceDescriptionFirst(PrintLayout& p, const Counts& c, float b)
{
    p.descriptionLeft = p.secondShowRight + c.show3 * p.showCell;
    p.gasLeft = Whole(p.descriptionLeft + (p.descriptionCount + 1) * double(b));
    p.gasSplit = p.gasLeft;
    p.gasRight = p.gasLeft + c.gas * p.gasCell;
}

// The compact and quick-view printouts: no shows or outlines; rate, lithology, the descriptions
// `lithologyRoom` after the lithology's left, then gas.
void PlaceNarrow(PrintLayout& p, const Counts& c, float b, double lithologyRoom)
{
    p.showCell = 0;
    p.rateLeft = Whole(p.margin + c.left * double(b));
    p.rateRight = p.rateLeft + 25 * p.rateCell;
    p.lithologyLeft = Whole(p.rateRight + 2 * double(b));
    p.lithologyRight = p.lithologyLeft + 10 * p.lithologyCell;
    p.descriptionLeft = Whole(p.lithologyLeft + lithologyRoom);
    p.gasLeft = Whole(p.descriptionLeft + 2 + (p.descriptionCount + 1) * double(b));
    p.gasSplit = p.gasLeft;
    p.gasRight = p.gasLeft + c.gas * p.gasCell;
}

// The compact printout: rate, lithology, descriptions and gas only.
void PlaceCompact(PrintLayout& p, const Counts& c, const PrintInputs& in, float b)
{
    const std::int32_t u = in.printUnit;
    if (in.options.compactLarge) {
        p.margin = Whole(65 * double(b));
        p.gasCell = Whole(10 * u * 2.5 / 34);
        p.rateCell = 20 * u / 25;
        p.lithologyCell = u;
        p.descriptionCount = 27;
    } else {
        p.margin = Whole(44 * double(b));
        p.gasCell = Whole(10 * u * 1.25 / 34);
        p.rateCell = 10 * u / 25;
        p.lithologyCell = 5 * u / 10;
        p.descriptionCount = 18;
    }
    PlaceNarrow(p, c, b, 10.0 * p.lithologyCell);
}

// The quick-view printout: rate, lithology, descriptions, gas and a wide text column.
void PlaceQuickView(PrintLayout& p, const Counts& c, float b)
{
    p.gasCell = p.rateCell = p.lithologyCell = Whole(b);
    p.textCell = Whole(2.5 * double(b));
    p.descriptionCount = 24;
    PlaceNarrow(p, c, b, 10.5 * double(b));
    p.descriptionRight = Whole(20 * p.textCell + double(b) + Whole(p.gasRight + double(b)));
}

std::int32_t GeneralSurveyX(const PrintLayout& p, const PrintInputs& in, bool alternate)
{
    const int profile = in.profile;
    if (wellfile::AlternateSurveyProfile(profile))
        return p.rateRight + 2;
    if (!in.customTracksOn) {
        if (wellfile::RateSurveyProfile(profile))
            return p.rateLeft;
        if (wellfile::FluorescenceFirstProfile(profile))
            return p.gasLeft;
    } else if (wellfile::RateSurveyCustomProfile(profile, alternate)) {
        return p.rateLeft;
    }
    return p.gasLeft + 10 * p.gasCell;
}

void LayoutGeneral(PrintLayout& p, const LogLayout& s, const PrintInputs& in, float b)
{
    Counts c = CountsOf(s);
    const int profile = in.profile;
    if (in.options.printScale) {
        b *= in.printScale;
        p.descriptionCount = c.description + 3;
    }
    p.gasCell = p.gas2Cell = Whole(0.9 * double(b));
    p.showCell = Whole(0.8 * double(b));
    p.rateCell = p.lithologyCell = Whole(b);
    if (On(in.trackFlags, FLAG_INTERPRETED_LITH) && c.interpreted > 0) {
        --p.gasCell;
        --p.gas2Cell;
        --p.descriptionCount;
    }
    if (profile == 82)
        p.descriptionCount = c.description + 1;
    else if (wellfile::RedDepthProfile(profile))
        p.descriptionCount = in.options.printScale ? 27 : 26;

    bool alternate = s.alternateFormat;
    if (in.customTracksOn) {
        HideForCustomTracks(p, c, in);
        const double custom = in.customWidth * 0.1 * double(b);
        PlaceToSecondShow(p, c, b);
        if (alternate) {
            PlaceGasFirst(p, c);
            p.descriptionLeft = p.gasRight;
            p.customLeft = Whole(p.gasRight + (p.descriptionCount + 1) * double(b));
            p.descriptionRight = Whole(p.gasRight + (p.descriptionCount + 1) * double(b) + custom);
        } else {
            PlaceDescriptionFirst(p, c, b);
            p.customLeft = p.gasRight;
            p.descriptionRight = Whole(p.gasRight + custom);
        }
    } else if (in.options.compact) {
        alternate = false;
        PlaceCompact(p, c, in, b);
    } else if (in.quickView) {
        PlaceQuickView(p, c, b);
    } else if (alternate) {
        PlaceToSecondShow(p, c, b);
        PlaceGasFirst(p, c);
        p.descriptionLeft = profile == 7 ? Whole(p.gasLeft + c.gas * p.gasCell + 0.5 * double(b))
                                         : p.gasLeft + (c.gas + 1) * p.gasCell;
        p.descriptionRight = Whole(p.descriptionLeft + p.descriptionCount * double(b));
    } else {
        PlaceToSecondShow(p, c, b);
        PlaceDescriptionFirst(p, c, b);
        p.descriptionRight = Whole(p.gasRight + 2 * double(b));
    }
    p.gasBlocks = c.gas;
    p.surveyX = GeneralSurveyX(p, in, alternate);
    if (in.options.altSurveyPosition)
        p.surveyX = p.rateRight + 1;
    p.block = b;
}

void LayoutWide(PrintLayout& p, const LogLayout& s, const PrintInputs& in, float b)
{
    Counts c = CountsOf(s);
    const int profile = in.profile;
    const float unscaled = b;
    p.printScale = s.twoGasTracks ? 0.72f : 0.75f;
    if (in.options.printScale) {
        b *= p.printScale;
        p.margin = in.options.wideMargin ? Whole(3 * double(unscaled)) : in.options.printerMargin ? in.printUnit : 0;
    }
    p.gasCell = p.gas2Cell = Whole(b);
    if (On(in.trackFlags, FLAG_INTERPRETED_LITH) && c.interpreted > 0) {
        --p.gasCell;
        --p.gas2Cell;
    }
    p.rateCell = Whole(0.9 * double(b));
    p.lithologyCell = Whole((profile == 138 ? 0.7 : 0.85) * double(b));
    p.textCell = Whole((profile == 138 ? 0.4 : 0.5) * double(b));
    p.showCell = Whole(0.75 * double(b));
    if (profile == 134 && !in.options.plotInterpretedLith) {
        p.textCell = 0;
        c.text = 0;
    }
    if (in.customTracksOn)
        HideForCustomTracks(p, c, in);

    const bool alternate = s.alternateFormat;
    p.rateLeft = alternate ? p.margin : Whole(c.left * (double(b) - 1) + p.margin);
    p.rateRight = p.rateLeft + 25 * p.rateCell;
    p.textLeft = p.rateRight;
    p.outlineRight = Whole(p.textLeft + c.text * p.textCell + c.outline * double(b));
    p.lithologyLeft = p.outlineRight + c.show1 * p.showCell;
    p.lithologyRight = p.lithologyLeft + 10 * p.lithologyCell;
    p.interpretedRight = p.lithologyRight;
    p.secondShowRight = p.lithologyRight + c.show2 * p.showCell;
    p.gasLeft = p.secondShowRight + c.show3 * p.showCell;
    // The printed custom tracks follow the descriptions and their margin; their width is the one the
    // print custom-track object laid them out with, already in printer units.
    const std::int32_t customPrint = in.customTracksOn ? in.customPrintWidth : 0;
    if (alternate) {
        p.gasSplit = p.gasLeft;
        p.gasRight = p.gasLeft + c.gas * p.gasCell;
        p.descriptionLeft = Whole(p.gasRight + 0.5 * s.trackUnit);
        p.customLeft = Whole(p.descriptionLeft + (p.descriptionCount + 2) * double(b));
    } else {
        p.gasSplit = p.gasLeft + c.gas * p.gasCell + 1;  // end of the total-gas track
        p.gasRight = p.gasSplit + c.gas2 * p.gas2Cell;    // the chromatograph track
        p.descriptionLeft = Whole(p.gasRight + double(b));
        p.customLeft = Whole(p.descriptionLeft + p.descriptionCount * double(b) + double(b));
    }
    p.descriptionRight = p.customLeft + customPrint;
    p.descriptionEnd = Whole(p.descriptionLeft + (p.descriptionCount + 2) * double(b));
    p.gasBlocks = c.gas;
    p.surveyX = p.rateRight + c.text * p.textCell;
    p.block = b;
}

}  // namespace

bool WidePrintFormat(int profile) { return ProfileIn(profile, {23, 110, 134, 138}); }

PrintLayout LayoutTracks(const LogLayout& screen, const PrintInputs& in, float b)
{
    PrintLayout p;
    p.printScale = in.printScale;
    p.margin = in.options.printerMargin ? in.printUnit : 0;
    p.rateCell = p.lithologyCell = Whole(b);
    p.descriptionCount = screen.description.count;
    if (WidePrintFormat(in.profile))
        LayoutWide(p, screen, in, b);
    else
        LayoutGeneral(p, screen, in, b);
    p.rightEnd = std::max({p.rateRight, p.outlineRight, p.lithologyRight, p.secondShowRight, p.gasRight,
                           p.descriptionRight, p.descriptionEnd});
    return p;
}

}  // namespace layout
