#include "layout/predefinedtracks.h"

#include "layout/curvenames.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace layout {

using platform::COLORREF;

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kMagenta = 0xFF00FF, kBlack = 0,
                   kViolet = 0xFF0080;
// Stand-ins for the colours of the C5 and C6 pens, which the caller supplies.
constexpr COLORREF kPenC5 = 0x02000045, kPenC6 = 0x02000046;

constexpr std::array<std::string_view, kLastTrackKind + 1> kKindNames{
    "NONE", "DRILLING", "CRAT", "WET-BAL RATIO", "PIXLER", "RESERVE", "POROSITY", "RESISTIVITY",
    "CHROMAT PPM", "% OF TOTAL GAS", "DXC", "PERC LITH", "INTERPRETED LITH", "TEXT ", "SHOW ", "GAS ",
    "RESERVE", "RESERVE", "RESERVE", "RESERVE", "RESERVE", "RESERVE",
    "FIT-1 THC-C5", "FIT-2 C6-C10", "FIT-3 N2 CO2 ", "FIT-4 NORM C1,C4, Ben/Tol", "FIT-5 P_N_A",
    "FIT-6 SULFERS", "FIT-7 OBM", "FIT-8 PIXLER", "FIT-9 WET-BAL", "FIT-10 AROMATICS", "FIT-11 ATMOSPHERICS",
    "FIT-12 TOT GAS %GAS", "FIT-13 EXTRACT", "FIT-14 H/L RATIO'S", "FIT-15 H2O SOL RATIO'S",
    "FIT-16 INORGANICS", "FIT-17 THC, C1-C10",
};

// One curve of a layout. A scale or direction it does not give comes from the layout's defaults.
struct KindCurve {
    std::string_view label;
    std::uint16_t code = 0;
    COLORREF colour = kNoOwnColour;
    bool ownMinimum = false, ownMaximum = false;
    float minimum = 0, maximum = 0;
    int direction = -1;  // -1: the layout's
};

constexpr KindCurve Curve(std::string_view label, std::uint16_t code, COLORREF colour)
{
    return {label, code, colour};
}
constexpr KindCurve Curve(std::string_view label, std::uint16_t code, COLORREF colour, float minimum, float maximum,
                          int direction = -1)
{
    return {label, code, colour, true, true, minimum, maximum, direction};
}
constexpr KindCurve UpTo(std::string_view label, std::uint16_t code, COLORREF colour, float maximum)
{
    return {label, code, colour, false, true, 0, maximum};
}

constexpr HorizontalView kSame = HorizontalView::Unchanged, kOn = HorizontalView::Checked,
                         kOff = HorizontalView::Unchecked, kOffFixed = HorizontalView::UncheckedDisabled;

struct KindRow {
    int kind;
    std::string_view title;
    int blocks, width;
    bool logarithmic;
    float minimum, maximum;     // every curve's scale unless the curve gives its own
    int scaledCurves;           // the curves that take that scale; the rest stay 0 .. 0
    int direction;
    COLORREF colour;            // every curve's colour unless the curve gives its own
    TrackKindControls controls;
    std::array<KindCurve, 11> curves;
};

constexpr float kPpmTop = 1000000;

// The layouts. Titles and labels keep their blanks: the painters draw them as they stand.
const std::array kRows{
    KindRow{0, "", 20, 5, false, 0, 100, 12, 1, kBlack, {kSame, 0}, {}},
    KindRow{1, "DRILLING", 20, 6, false, 0, 0, 12, 1, kNoOwnColour, {kOn, 0},
            {Curve("RPM", 13, kRed, 0, 400), Curve("WOB", 11, kBlue, 0, 100), Curve("PP", 14, kGreen, 0, 3000),
             Curve("SPM", 15, kMagenta, 0, 400), Curve("TORQ", 51, kBlack, 0, 4000)}},
    KindRow{2, "CH", 3, 10, false, 0, 0, 12, 1, kNoOwnColour, {kOff, CtlLogarithmic},
            {Curve("CH", 27, kMagenta, 0, 3)}},
    KindRow{3, " WET-BAL Ratio", 20, 6, true, 0, 0, 12, 1, kNoOwnColour, {kOn, kScaleControls},
            {Curve("WRAT", 25, kRed, 1, 100), Curve("BRAT", 26, kBlack, 1, 100)}},
    KindRow{4, "PIXLER", 20, 6, false, 0, 0, 12, 1, kNoOwnColour, {kOn, 0},
            {Curve("C1/C2", 47, kRed, 0, 100), Curve("C1/C3", 48, kBlue, 0, 100),
             Curve("C1/IC4+NC4", 49, kGreen, 0, 100), Curve("C1/IC5+NC5", 50, kMagenta, 0, 100)}},
    KindRow{6, "POROSITY", 20, 6, false, 0, 0, 12, 0, kNoOwnColour, {kOn, CtlLogarithmic | CtlFill, true},
            {Curve("DPOR", 33, kRed, -0.1f, 0.3f), Curve("NPOR", 34, kBlue, -0.1f, 0.3f),
             Curve("CPPOR", 35, kBlack, -0.1f, 0.3f), Curve(" PE ", 38, kMagenta, 0, 10, 1)}},
    KindRow{7, "Resistivity", 30, 5, true, 0.2f, 2000, 12, 1, kNoOwnColour, {kOn, kScaleControls},
            {Curve("RES 10", 39, kRed), Curve("RES 30", 41, kBlue), Curve("RES 60", 42, kBlack),
             Curve("RES 120", 44, kMagenta)}},
    KindRow{8, " CHROMATOGRAPH PPM ", 30, 10, true, 10, kPpmTop, 8, 1, kNoOwnColour, {kSame, CtlReverse},
            {Curve("Methane C1(ppm)", 2, kRed), Curve("Ethane C2 (ppm)", 3, kBlue),
             Curve("Propane C3 (ppm)", 4, kGreen), Curve("Butane IC4 (ppm)", 5, kMagenta),
             Curve("Butane NC4 (ppm)", 6, kViolet), Curve("Pentane IC5 (ppm)", 7, kGreen),
             Curve("Pentane NC5 (ppm)", 8, kRed)}},
    KindRow{9, "  % of Total ", 20, 6, false, 0, 100, 12, 1, kNoOwnColour, {kOn, 0},
            {Curve(" C1/Tot ", 55, kRed), Curve(" C2/Tot", 56, kBlue), Curve(" C3/Tot ", 57, kGreen),
             Curve(" IC4/Tot ", 58, kMagenta), Curve(" NC4/Tot ", 59, kRed), Curve(" IC5/Tot ", 60, kBlue),
             Curve(" NC5/Tot ", 61, kBlack)}},
    KindRow{10, " DXC ", 20, 6, false, 0, 100, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve(" WOB ", 11, kGreen), Curve(" RPM ", 13, kBlue, 0, 300), Curve(" DXC ", 28, kRed, 0, 3)}},
    KindRow{11, " PERC LITH ", 10, 8, false, 0, 100, 12, 1, kNoOwnColour, {kOffFixed, 0}, {}},
    KindRow{12, " INTRP LITH ", 10, 5, false, 0, 100, 12, 1, kNoOwnColour, {kOffFixed, 0}, {}},
    KindRow{13, " TEXT ", 20, 10, false, 0, 0, 12, 1, kNoOwnColour,
            {kOn, CtlMaximum | CtlMinimum | CtlLogarithmic | CtlFill}, {Curve("", 69, kNoOwnColour)}},
    KindRow{14, " SHOW ", 3, 10, false, 0, 0, 12, 1, kNoOwnColour,
            {kOffFixed, CtlMaximum | CtlMinimum | CtlLogarithmic | CtlReverse}, {Curve("", 73, kNoOwnColour)}},
    KindRow{15, " GAS ", 25, 10, false, 0, 0, 12, 1, kNoOwnColour, {kSame, CtlReverse},
            {Curve("TG", 1, kBlack, 0, 1000), Curve("C1", 2, kRed, 0, 500), Curve("C2", 3, kBlue, 0, 500),
             Curve("C3", 4, kGreen, 0, 500), Curve("IC4", 5, kMagenta, 0, 250), Curve("NC4", 6, kViolet, 0, 250),
             Curve("IC5", 7, kGreen, 0, 100), Curve("NC5", 8, kRed, 0, 100)}},
    KindRow{22, " THC C1-C5 ", 40, 5, true, 0.01f, kPpmTop, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("THC-Units", 91, kRed), Curve("C1-PPM", 92, kBlue), Curve("C2-PPM", 93, kBlack),
             Curve("C3-PPM", 94, kMagenta), Curve("C4-PPM", 95, kGreen), Curve("C5-PPM", 96, kBlack)}},
    KindRow{23, " C6-C10 PPM ", 40, 5, true, 0.01f, kPpmTop, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("C6", 97, kRed), Curve("C7", 98, kBlue), Curve("C8", 99, kBlack), Curve("C9", 100, kMagenta),
             Curve("C10", 101, kGreen)}},
    KindRow{24, " CO2 N2 BEN TOL ", 40, 5, true, 0.01f, kPpmTop, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("N2", 103, kRed), Curve("CO2", 102, kBlue), Curve("BENZENE", 104, kBlack),
             Curve("TOLUENE", 105, kMagenta), Curve("XYLENE", 147, kGreen)}},
    KindRow{25, "NORM C1 C4 C7  ", 20, 6, false, 0, 0, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve("Norm-C1 ", 133, kRed, 0, 100), Curve("Norm-C4", 134, kGreen, 0, 100),
             Curve("Norm-C7", 135, kBlack, 0, 100), Curve("Norm-Ben_Tol", 136, kMagenta, 0, 100)}},
    KindRow{26, "PAR NAPH AROM", 20, 6, false, 0, 0, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve("PARA %", 123, kGreen, 0, 100), Curve(" NAPH %", 122, kBlue, 0, 100),
             Curve("AROM %", 121, kRed, 0, 100)}},
    KindRow{27, " SULFERS ", 20, 6, false, 0, 0, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve(" SUL 1 ", 117, kRed, 0, 1000), Curve(" SUL 2", 118, kBlue, 0, 10),
             Curve(" SUL 3 ", 119, kMagenta, 0, 10), Curve(" SUL 4", 120, kBlack, 0, 10)}},
    KindRow{28, " C4-C9 OBM ", 40, 5, true, 0.01f, kPpmTop, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("C4 OBM", 107, kRed), Curve("C5 OBM", 108, kBlue), Curve("C6 OBM", 109, kBlack),
             Curve("C7 OBM", 110, kMagenta), Curve("C8 OBM", 111, kNoOwnColour), Curve("C9 OBM", 112, kNoOwnColour)}},
    KindRow{29, " FIT PIXLER ", 30, 4, true, 0, 0, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("C1/C2", 113, kRed, 1, 1000), Curve("C1/C3", 114, kBlue, 1, 1000),
             Curve("C1/C4", 115, kBlack, 1, 1000), Curve("C1/C5", 116, kMagenta, 1, 1000)}},
    KindRow{30, "FIT BAL-WH Ratio", 20, 6, true, 0, 0, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("WRAT", 183, kRed, 1, 100), Curve("BRAT", 184, kBlack, 1, 100)}},
    KindRow{31, " AROMATICS ", 20, 6, false, 0, 10, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve("BENZENE", 104, kRed, 0, 0.5f), Curve("TOLUENE", 105, kBlue, 0, 0.5f),
             Curve("XYLENE", 147, kBlack, 0, 0.5f, 0)}},
    KindRow{32, " ATMOSPHERICS ", 20, 6, false, 0.01f, 5000, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {UpTo(" N2 ppm", 103, kRed, 100000), UpTo(" O2 ppm", 126, kBlue, 500000),
             UpTo(" AR ppm ", 127, kBlack, 50000), UpTo(" H2O ppm", 128, kMagenta, 50000)}},
    KindRow{33, " FIT TOT, GAS %GAS ", 20, 6, false, 0, 100, 12, 1, kNoOwnColour,
            {kOffFixed, CtlBlocks | CtlWidth | CtlMinimum},
            {Curve(" TOT GAS ", 153, kRed, 0, 1000), Curve("  PERC GAS ", 152, kBlue, 0, 1)}},
    KindRow{34, "Extraction ", 10, 6, false, 0, 1, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve(" AIR 1", 129, kRed), Curve(" AIR 2", 130, kBlue)}},
    KindRow{35, "H/L Ratios /10 ", 30, 6, false, 0, 1, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve(" R0 ", 194, kRed, 0, 100000), Curve(" R1 ", 195, kBlue, 0, 100000),
             Curve(" R2  ", 196, kBlack, 0, 100000), Curve(" R3 ", 197, kMagenta, 0, 100000)}},
    KindRow{36, "Water Sol Ratios ", 20, 6, false, 0, 1, 12, 1, kNoOwnColour,
            {kOffFixed, CtlBlocks | CtlWidth | CtlMinimum},
            {Curve(" SOL 1 ", 198, kRed, 0, 20), Curve(" SOL 2 ", 199, kBlue, 0, 1),
             Curve(" SOl 3  ", 200, kMagenta, 0, 1)}},
    KindRow{37, "Inorganics ", 20, 6, false, 0, 1, 12, 1, kNoOwnColour, {kOffFixed, 0},
            {Curve(" HE ", 125, kRed, 0, 100), Curve(" HYD  ", 124, kBlue, 0, 35000),
             Curve(" CO2(calc2)   ", 166, kMagenta, 0, 5000)}},
    KindRow{38, " THC C1-C10 ", 50, 5, true, 0.01f, kPpmTop, 12, 1, kNoOwnColour, {kOffFixed, kScaleControls},
            {Curve("THC", 91, kRed), Curve("C1", 92, kBlue), Curve("C2", 93, kBlack), Curve("C3", 94, kMagenta),
             Curve("C4", 95, kGreen), Curve("C5", 96, kPenC5), Curve("C6", 97, kPenC6), Curve("C7", 98, kBlue),
             Curve("C8", 99, kBlack), Curve("C9", 100, kMagenta), Curve("C10", 101, kGreen)}},
};

const KindRow* FindRow(int kind)
{
    for (const KindRow& row : kRows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

// The layouts of cells, lithology and gas in units or ppm take no pictures at their actual size.
bool ClearsPicturesFlag(int kind) { return (kind >= 8 && kind <= 15) || (kind >= 22 && kind <= 28) || kind >= 31; }

}  // namespace

QStringList DataListNames(bool fitData, bool hardnessColumn)
{
    QStringList names;
    const int count = fitData ? kFitDataCodes : kPlainDataCodes;
    for (int code = 0; code < count; ++code) {
        const std::string_view name = CurveCodeName(code, !hardnessColumn);
        names << QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    return names;
}

QStringList PredefinedTrackNames(bool fitData)
{
    QStringList names;
    const int count = fitData ? kLastTrackKind + 1 : kPlainTrackKinds;
    for (int kind = 0; kind < count; ++kind)
        names << QString::fromLatin1(kKindNames[std::size_t(kind)].data(), qsizetype(kKindNames[std::size_t(kind)].size()));
    return names;
}

bool FixedScaleKind(int kind)
{
    constexpr int kFixed[] = {3, 6, 7, 11, 12, 14, 22, 23, 28, 30, 38};
    return std::find(std::begin(kFixed), std::end(kFixed), kind) != std::end(kFixed);
}

bool BuildPredefinedTrack(CustomTrackEntry& e, int kind, COLORREF fitC5, COLORREF fitC6)
{
    e.kind = kind;
    const KindRow* row = FindRow(kind);
    if (!row)
        return false;
    e.logarithmic = row->logarithmic ? 1 : 0;
    e.blockCount = row->blocks;
    e.blockWidth = row->width;
    e.mudWeight = 0;
    if (ClearsPicturesFlag(kind))
        e.picturesActualSize = 0;
    for (int c = 0; c < kCurvesPerTrack; ++c) {
        const bool scaled = c < row->scaledCurves;
        e.direction[c] = row->direction;
        e.colour[c] = row->colour;
        e.lineWidth[c] = 2;
        e.curveValue[c] = 1;
        e.minimum[c] = scaled ? row->minimum : 0;
        e.maximum[c] = scaled ? row->maximum : 0;
        e.dataCode[c] = 0;
        e.fill[c] = 0;
        platform::SetFieldText(e.label[c], std::string());
    }
    for (int c = 0; c < int(row->curves.size()); ++c) {
        const KindCurve& k = row->curves[std::size_t(c)];
        if (k.code == 0)
            break;
        platform::SetFieldText(e.label[c], std::string(k.label));
        e.dataCode[c] = k.code;
        e.colour[c] = k.colour == kPenC5 ? fitC5 : k.colour == kPenC6 ? fitC6 : k.colour;
        if (k.ownMinimum)
            e.minimum[c] = k.minimum;
        if (k.ownMaximum)
            e.maximum[c] = k.maximum;
        if (k.direction >= 0)
            e.direction[c] = k.direction;
    }
    platform::SetFieldText(e.title, std::string(row->title));
    return true;
}

TrackKindControls PredefinedTrackControls(int kind)
{
    const KindRow* row = FindRow(kind);
    return row ? row->controls : TrackKindControls{};
}

}  // namespace layout
