#include "print/draw/printheader.h"

#include "logview/draw/headerpage.h"
#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/draw/syscolors.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/draw/headerlogo.h"
#include "print/draw/logpagesteps.h"
#include "print/draw/printheadertitles.h"
#include "tracks/draw/verticaltext.h"
#include "wellfile/headerrows.h"
#include "wellfile/profile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <memory>

namespace print {

namespace {

using platform::Brush;
using platform::COLORREF;
using platform::Font;
using platform::Pen;
using platform::RGB;

using platform::Trunc;

Font HeaderFont(int height) { return Font(QStringLiteral("Arial Bold"), height, platform::FW_NORMAL); }

// A swatch of the lithology legend: its kind, name and fill.
enum class Fill { None, Colour, Always, PenEntry };
struct Swatch {
    int kind = -1;  // -1: no symbol
    const char* name = nullptr;  // null: the shade name of pen entry `entry`
    Fill fill = Fill::None;
    COLORREF colour = 0;
    int entry = 0;
};

constexpr COLORREF kLightBlue = RGB(0, 192, 248);
constexpr COLORREF kMagenta = RGB(255, 0, 248);
constexpr COLORREF kBlue = RGB(0, 128, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kLightOrange = RGB(255, 182, 108);
constexpr COLORREF kGrey = RGB(216, 216, 216);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Header {
    platform::Dc& dc;
    const PrintHeaderInput& in;
    const wellfile::WellHeader& well;
    HeaderUnits h;
    HeaderTracks shown;

    const HeaderTools& tools;

    int R = h.R, u = h.u, t = h.t, s = h.s, M = h.M, L = h.L, W = h.W;
    const Font& legend = tools.legend;
    const Font& label = tools.label;
    const Font& value = tools.value;
    const Font& caption = tools.caption;
    const Pen& framePen = tools.frame;
    const Pen& symbolPen = tools.symbol;
    const Pen& thinPen = tools.thin;
    const logview::PrinterGeometry& c = in.columns;

    void Text(const std::string& text, const Font& font, int x, int y)
    {
        logview::DrawLabelText(dc, text, font, x, y, false, 0);
    }
    // A value underlined from 1 u before it to `end` (0: the end of the text).
    void Value(const std::string& text, int x, int y, int end)
    {
        logview::DrawLabelText(dc, text, value, x, y, true, end, u);
    }
    void Line(int x0, int y0, int x1, int y1) { platform::Line(dc, x0, y0, x1, y1); }

    void WellFields(int& y)
    {
        int lines = 0;
        for (const wellfile::HeaderFieldCell& c :
             wellfile::HeaderFieldCells(wellfile::HeaderSheet::Paper, in.profile, well, {L, t, W})) {
            Text(c.label, label, c.labelX, y + c.line * s);
            Value(c.text, c.valueX, y + c.line * s, c.underlineEnd);
            lines = c.line + 1;
        }
        y += lines * s;
    }

    // The logo, the well fields and the four legend boxes of profiles 134 and 23; false when the logo
    // failed.
    bool LogoAndFields(int& y)
    {
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        y = in.profile == 134 ? 4 * R : Trunc(3.5 * R);
        const QString file = LogoFileFor(in.dataFolder, in.profile);
        if (file.isEmpty() || !QFile::exists(file)) {
            if (in.measureOnly)
                return false;
            if (in.profile == 134)
                platform::MessageBox(file, QStringLiteral("LOGO FILE NOT FOUND"));
            else
                platform::MessageBox(QStringLiteral("LOGO FILE NOT FOUND"), QString());
            return false;
        }
        if (in.measureOnly) {
            platform::JpegInfo info;
            if (platform::jpeginfo(file, info) != platform::IMAGE_OK)
                return false;
        } else if (!DrawHeaderLogo(dc, file, {W / 2, y - 2 * t, R < 60})) {
            return false;
        }
        // A debugging note of the logo's size choice, kept for the activity log.
        if (in.profile == 23 && R >= 60 && in.trace)
            in.trace(QStringLiteral("found logo 60"));
        y += (in.profile == 134 ? 7 : 16) * s;
        y += 3 * s;
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        WellFields(y);
        y += 3 * s;
        dc.SelectObject(framePen);
        for (auto [left, right] : {std::pair{M + 2, 34 * t}, std::pair{M, M + 34 * t},
                                   std::pair{M + 34 * t, M + 78 * t}, std::pair{M + 78 * t, W + u}})
            dc.Rectangle(left, y - 3, right, y + 24 * R);
        dc.SelectObject(symbolPen);
        return true;
    }

    void Headings(int y)
    {
        dc.SelectObject(thinPen);
        const int hy = y + Trunc(0.1 * R);
        logview::DrawLabelText(dc, "Abbreviations:", label, L + 3 * t, hy, true, 0, u);
        logview::DrawLabelText(dc, "Lithology Symbols:", label, L + 39 * t, hy, true, 0, u);
        if (shown.chromatograph)
            logview::DrawLabelText(dc, "Gas Chromatograph Analysis:", value, L + 70 * t, hy, true, 0, u);
    }

    void DrawSwatch(const Swatch& sw, int x, int y)
    {
        const int left = M + x * t;
        dc.SelectObject(framePen);
        const platform::KeepDcState keep(dc);
        COLORREF colour = sw.colour;
        if (sw.fill == Fill::PenEntry && in.pens)
            colour = platform::ResolveColor(in.pens->table.entry[sw.entry].colour);
        const bool filled = sw.fill == Fill::Always || (in.colourPrint && sw.fill != Fill::None);
        if (filled)
            dc.SelectObject(Brush(colour));
        dc.Rectangle(left, y, left + 5 * t, y + R);
        // The symbol's closed figures take the swatch's fill.
        if (sw.kind >= 0 && in.legendSymbol) {
            dc.SelectObject(symbolPen);
            in.legendSymbol(dc, sw.kind, left + t, y, t);
        }
        const std::string name = sw.name ? std::string(sw.name) : ShadeName(in.pens->table, sw.entry);
        Text(name, legend, M + (x + 6) * t, y);
    }

    // The legend rows; returns row 8's y.
    int LegendRows(int y)
    {
        const COLORREF dolomite = in.customerFlag ? kMagenta : kLightBlue;
        using R3 = std::array<Swatch, 3>;
        const std::array<R3, 8> swatches{{
            {{{3, "Anhydrite"}, {10, "Salt"}, {11, "Granite", Fill::Colour, kRed}}},
            {{{6, "Siltstone", Fill::Colour, kLightOrange},
              {5, "Chert", Fill::Colour, kOrange},
              {2, "Sandstone", Fill::Colour, kYellow}}},
            {{{1, "Dolomite", Fill::Colour, dolomite},
              {12, "Conglomerate", Fill::Colour, kYellow},
              {4, "Limestone", Fill::Colour, kBlue}}},
            {{{-1, "Coal", Fill::Always, kBlack},
              {8, "Claystone", Fill::Colour, kGrey},
              {16, "Bentonite", Fill::Colour, kGrey}}},
            {{{22, "Carb Shale", Fill::Always, kGrey},
              {23, "Granite Wash", Fill::Colour, kRed},
              {24, "Quartz Wash", Fill::Colour, kYellow}}},
            {{{27, nullptr, Fill::PenEntry, 0, 44}, {28, nullptr, Fill::PenEntry, 0, 45}, {29, nullptr, Fill::PenEntry, 0, 46}}},
            {{{30, nullptr, Fill::PenEntry, 0, 47}, {31, nullptr, Fill::PenEntry, 0, 48}, {32, nullptr, Fill::PenEntry, 0, 49}}},
            {{{33, nullptr, Fill::PenEntry, 0, 50}, {34, nullptr, Fill::PenEntry, 0, 51}, {35, nullptr, Fill::PenEntry, 0, 52}}},
        }};
        static constexpr std::array<std::array<const char*, 2>, 7> kAbbreviations{{
            {"NB...New Bit", "DST...Drill Stem Test"},
            {"CO...Circ Out", "DS...Directional Survey"},
            {"NR...No Returns", "CG...Connection gas"},
            {"TG...Trip Gas", "LAT...Logged After Trip"},
            {"WOB...Wt on Bit", "SPP...Stand Pipe Pressure"},
            {"RPM...Rev/Min", "SPM...Strokes/Min"},
            {"SG...Survey Gas", "DTG...Down Time Gas"},
        }};
        const int step = Trunc(0.6 * s);
        int row = y + Trunc(1.3 * s);
        const int first = row;
        for (std::size_t i = 0; i < swatches.size(); ++i) {
            if (i > 0)
                row += step;
            if (i < kAbbreviations.size()) {
                Text(kAbbreviations[i][0], legend, L - 5 * t, row);
                Text(kAbbreviations[i][1], legend, L + 9 * t, row);
            }
            DrawSwatch(swatches[i][0], 35, row);
            DrawSwatch(swatches[i][1], 48, row);
            DrawSwatch(swatches[i][2], 62, row);
            if (i == 0 && shown.chromatograph) {
                const platform::KeepDcState keep(dc);
                dc.SelectObject(value);
                DrawPpmLabel(dc, *in.pens, L, first, t, s);
            }
        }
        return row;
    }

    // The accessory swatch of `kind` from M + x t, `tall` high; `frame` false leaves the frame out.
    void Accessory(int kind, const char* name, int x, int y, int tall, bool frame, bool grey = false,
                   int symbolX = 1)
    {
        const int left = M + x * t;
        if (frame) {
            dc.SelectObject(framePen);
            const platform::KeepDcState keep(dc);
            dc.SelectObject(grey ? Brush(kGrey) : platform::StockBrush(platform::NULL_BRUSH));
            dc.Rectangle(left, y, left + 4 * t, y + tall);
        }
        if (in.legendSymbol) {
            dc.SelectObject(symbolPen);
            const platform::KeepDcState keep(dc);
            dc.SelectObject(legend);  // pyrite's letters
            in.legendSymbol(dc, kind, symbolX == 1 ? left + t : left + Trunc(0.5 * t), y, t);
        }
        Text(name, legend, left + 5 * t, y);
    }

    // The mud data list and the accessories; returns the y of the "PV" line.
    int MudDataAndAccessories(int row8)
    {
        const int step = Trunc(0.6 * s);
        int y = row8 - step + s;
        dc.SelectObject(symbolPen);
        Line(M, y + s / 2, 12 * t, y + s / 2);
        Line(M + Trunc(20.5 * t), y + s / 2, M + 33 * t, y + s / 2);
        Text("Mud Data", label, M + Trunc(12.5 * t), y);
        Text("Accessories", label, M + 51 * t, y + Trunc(0.25 * s));
        y += s;
        const int a = y + Trunc(0.4 * s);
        static constexpr std::array<std::array<const char*, 2>, 4> kMudData{{
            {"MW..Weight", "V..Viscosity"},
            {"PH..Acidity", "F..Filtrate"},
            {"CHL..Chlorides", "SC..Solids Content"},
            {"PV..Plastic Viscosity", "YP..Yield Point"},
        }};
        for (std::size_t i = 0; i < kMudData.size(); ++i) {
            if (i > 0)
                y += step;
            Text(kMudData[i][0], legend, M + 5 * t, y);
            Text(kMudData[i][1], legend, M + 20 * t, y);
        }
        Accessory(13, "Glauconite", 35, a, R, true);
        Accessory(17, "Pyrite", 47, a, Trunc(1.25 * R), true);
        Accessory(15, "Fossils", 57, a, R, true);
        Accessory(14, "Oolites", 67, a, R, true);
        Accessory(25, "Fractures", 35, a + s, R, true, false, 0);
        Accessory(26, "Cement", 47, a + s, R, in.colourPrint, true);
        return y;
    }

    // The caption frame and its column rules; returns the frame's top T.
    int CaptionFrame(int pvLine, int& bottom)
    {
        const int T = pvLine + Trunc(0.6 * s) + 2 * R;
        bottom = T + (in.customTracksOn ? 16 : 12) * R;
        dc.SelectObject(framePen);
        dc.Rectangle(M + 2, T - 5, W + u, bottom);
        auto rule = [&](int x) { Line(x, T, x, bottom); };
        if (shown.rate) {
            rule(M);
            rule(c.rateLeft);
            rule(c.lithologyLeft);
        }
        if (shown.shows) {
            if (c.fluorescenceLeft > 0)
                rule(c.fluorescenceLeft);
            if (c.cutLeft > 0)
                rule(c.cutLeft);
            if (c.hardnessLeft > 0 && in.extraColumns > 0)
                rule(c.hardnessLeft);
        }
        if (in.descriptionOffset && shown.rate)
            rule(c.descriptionLeft - u);
        return T;
    }

    int Centre(int left, int columns) const { return left + columns * in.columnPixels / 2; }

    // The track captions of the profiles that print them; returns the y the next step starts from.
    int TrackCaptions(int T)
    {
        int y = T + Trunc(0.6 * s);
        if (!(in.profile == 10 || in.profile == 12 || in.profile == 23 || in.profile == 134 || in.profile == 138))
            return y;
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        y = in.customTracksOn ? y + 4 * s : y + Trunc(2.2 * s);
        const int rateCentre = (c.rateLeft + c.rateRight) / 2;
        if (shown.rate)
            Text("Drilling Rate", value, rateCentre, y + R);
        if (shown.descriptions && (in.scaleKind < 3 || in.printDescriptions))
            Text("Descriptions/Remarks", value,
                 c.descriptionLeft + Trunc(0.2 * t) + c.descriptionCellCount * t / 2, y + R);
        if (shown.chromatograph)
            Text("Total Gas/Chromatograph", value, c.gasLeft + (c.gasUnits + c.gas2Units) * c.gasCellWidth / 2,
                 y + R);
        if (shown.rate)
            Text(RateUnitText(in.ratePerHour, in.scaleKind), legend, rateCentre, y + 2 * s);

        const int step = Trunc(0.6 * s);
        const bool porosity = shown.shows && c.porosityLeft > 0;
        const bool oil = shown.shows && c.fluorescenceLeft > 0;
        const bool cut = shown.shows && c.cutLeft > 0;
        auto captions = [&](int ly, const char* por, const char* oilText, const char* cutText) {
            if (porosity && por)
                Text(por, caption, Centre(c.porosityLeft, in.porosityColumns), ly);
            if (oil && oilText)
                Text(oilText, caption, Centre(c.fluorescenceLeft, in.oilColumns), ly);
            if (cut && cutText)
                Text(cutText, caption, Centre(c.cutLeft, in.cutColumns), ly);
        };
        const int y1 = y - Trunc(1.5 * s);
        captions(y1, "Vis", "%", nullptr);
        captions(y1 + step, "Por", "Oil", "Cut");
        captions(y1 + 2 * step, nullptr, "Flu", nullptr);
        const int y4 = y1 + 3 * step;
        captions(y4, "Tr /", "Tr /", "Tr /");

        const int y5 = y4 + Trunc(2.5 * R);
        const int y6 = y5 + Trunc(0.4 * s);
        const int y7 = y6 + Trunc(0.4 * s);
        const int box = Trunc(0.4 * s);
        const platform::KeepDcState keep(dc);
        dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
        if (porosity) {
            const int edge = c.lithologyLeft;
            Text("p", legend, edge - 2 * t, y5 - Trunc(0.5 * R));
            dc.Rectangle(edge - Trunc(0.75 * t), y5, edge, y5 + box);
            if (oil)
                Text("pfg", caption, Centre(c.fluorescenceLeft, in.oilColumns), y5);
            if (cut)
                Text("pfg", caption, Centre(c.cutLeft, in.cutColumns), y5);
            Text("f", legend, edge - 3 * t, y6 - Trunc(0.4 * R));
            dc.Rectangle(edge - Trunc(1.5 * t), y6, edge, y6 + box);
            Text("g", legend, edge - 4 * t, y7 - Trunc(0.5 * R));
            dc.Rectangle(edge - Trunc(2.25 * t), y7, edge, y7 + box);
        }
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        if (oil) {
            const int o = c.fluorescenceLeft;
            Line(o, y7 - 1, o + 3 * t, y7 - 1);
            Line(o + t, y7 + R - 6, o + t, y7);
            Line(o + t, y7 + R - 6, o + 2 * t, y7);
            dc.Rectangle(o + 2 * t, y7, o + 3 * t, y7 + box);
        }
        return y;
    }

    // The lithology, gamma and weight captions; returns the y the result is taken from.
    int LowerCaptions(int y, int T, int bottom)
    {
        y -= in.customTracksOn ? Trunc(2.5 * R) : Trunc(1.5 * R);
        const int base = y - 3 * R;
        const int x = c.rateRight + 5 * u;
        if (shown.rate) {
            dc.SelectObject(framePen);
            Line(c.rateRight, T, c.rateRight, bottom);
            if (in.interpretedLithology)
                Line(x, T, x, bottom);
        }
        if (shown.rate && shown.lithology) {
            if (in.interpretedLithology) {
                dc.SelectObject(value);
                tracks::DrawVerticalText(dc, "INTRP", x - 4 * u, base - 4 * R, R + 12);
                tracks::DrawVerticalText(dc, "LITH", x - 2 * u, base - Trunc(2.5 * R), R + 12);
            }
            dc.SelectObject(legend);
            tracks::DrawVerticalText(dc, "LITHOLOGY", c.lithologyLeft + Trunc(3.5 * u), base - Trunc(5.5 * R), R + 11);
        }
        if (shown.rate && wellfile::GammaRateTrackProfile(in.profile))
            GammaAndWeight(base);
        return y;
    }

    void GammaAndWeight(int base)
    {
        static constexpr std::array<int, 9> kGammaScale{25, 50, 100, 150, 200, 300, 500, 800, 1500};
        const layout::LogPens& pens = *in.pens;
        dc.SetTextColor(platform::ResolveColor(pens.table.entry[layout::PEN_GAMMA].colour));
        const platform::KeepDcState keep(dc);
        dc.SetBkMode(platform::TRANSPARENT);
        dc.SelectObject(value);
        const int centre = (c.rateLeft + c.rateRight) / 2;
        auto scale = [&](int ty, const std::string& top, int topX, const char* name) {
            dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
            dc.TextOut(c.rateLeft, ty, " 0 ");
            dc.TextOut(topX, ty, top.c_str(), int(top.size()));
            dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
            dc.TextOut(centre, ty, name);
            dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        };
        const int gamma = kGammaScale[std::size_t(std::clamp(in.gammaScale, 1, 9) - 1)];
        scale(base - 3 * R, platform::CFormat("%d", gamma), c.rateRight - 3 * u, "GAMMA API");
        auto penOf = [&](int entry) {
            const layout::PenSpec& p = pens.pens[std::size_t(entry)];
            return Pen(platform::ResolveColor(p.colour), p.width, p.style);
        };
        dc.SelectObject(penOf(layout::PEN_GAMMA));
        Line(c.rateLeft + 5, Trunc(base - 1.5 * R), c.rateRight - 1, Trunc(base - 1.5 * R));
        scale(base - 5 * R, platform::CFormat("%d", 60), c.rateRight - 2 * u, "WOB klb");
        dc.SelectObject(penOf(layout::PEN_WOB));
        Line(c.rateLeft + 1, Trunc(base - 3.5 * R), c.rateRight - 1, Trunc(base - 3.5 * R));
    }
};

}  // namespace

HeaderTools HeaderToolsFor(const HeaderUnits& h)
{
    return {HeaderFont(Trunc(1.5 * h.f)), HeaderFont(Trunc(2.4 * h.f)), HeaderFont(Trunc(2.0 * h.f)),
            HeaderFont(Trunc(1.6 * h.f)), Pen(kBlack, Trunc(0.25 * h.u)), Pen(kBlack, Trunc(0.15 * h.u)),
            Pen(kBlack, Trunc(0.10 * h.u))};
}

void DrawPpmLabel(platform::Dc& dc, const layout::LogPens& pens, int x, int y, int t, int step)
{
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    y += step;
    for (int i = layout::PEN_TG; i <= layout::PEN_NC5; ++i) {
        const layout::PenEntry& e = pens.table.entry[i];
        const layout::PenSpec& spec = pens.pens[std::size_t(i)];
        dc.SelectObject(Pen(platform::ResolveColor(spec.colour), spec.width, spec.style));
        // A styled pen is one pixel wide: its width is shown by lines side by side.
        const int lines = e.style != 0 ? std::clamp(e.width, 0, 8) + 2 : 1;
        for (int k = 0; k < lines; ++k) {
            dc.MoveTo(x + 80 * t, y + 6 + k);
            dc.LineTo(x + 90 * t, y + 6 + k);
        }
        dc.SetTextColor(platform::ResolveColor(e.colour));
        const std::string name = platform::FieldText(e.name) + (i == layout::PEN_TG ? " %" : " ppm");
        dc.TextOut(x + 70 * t, y - Trunc(0.25 * step), name.c_str(), int(name.size()));
        y += Trunc(0.75 * step);
    }
}

int DrawPrintHeader(platform::Dc& dc, const PrintHeaderInput& in, const wellfile::PRINTCFG* settings,
                    std::string& clientTitle)
{
    if (!in.pens)
        return 0;
    // Custom tracks hide the standard tracks their layout leaves out.
    const bool hiding = in.customTracksObject && in.customTracksOn;
    HeaderTracks shown;
    shown.chromatograph = !hiding || in.kept.chromatograph;
    shown.descriptions = !hiding || in.kept.descriptions;
    shown.lithology = !hiding || in.kept.lithology;
    shown.shows = !hiding || in.kept.shows;
    shown.rate = !hiding || in.kept.rate;

    auto well = std::make_unique<wellfile::WellHeader>();
    if (!wellfile::ReadHeader(*well, in.place)) {
        if (!in.measureOnly)
            platform::MessageBox(QStringLiteral("NO HEADER FILE"), QStringLiteral("ERROR"));
        return 0;
    }
    clientTitle = ClientTitleFor(well->operatorCode);

    HeaderUnitsInput ui;
    ui.rowHeight = in.rowHeight;
    ui.columnUnit = in.columnUnit;
    ui.customTracks = in.customTracksObject;
    ui.twoAndHalfInch = in.twoAndHalfInch;
    ui.leftMargin = in.leftMargin;
    ui.logWidth = in.logWidth;
    ui.pageWidth = settings ? settings->pageWidth : 0.0f;
    const HeaderUnits units = HeaderUnitsFor(ui);
    if (units.R <= 0 || units.u <= 0)
        return 0;

    const platform::KeepDcState keep(dc);
    dc.SetBkMode(platform::TRANSPARENT);  // text is written transparent until the end
    const HeaderTools tools = HeaderToolsFor(units);
    if (settings && settings->shortHeader) {
        // The strip is drawn with the column unit of the call.
        HeaderUnits strip = units;
        strip.u = in.columnUnit;
        const int result = in.trackTitles
                               ? in.trackTitles(dc, 0, TrackTitleStrip{in, *well, strip, tools, shown, clientTitle})
                               : 1;
        return in.scaleKind >= 3 ? 14 * units.R : result;
    }

    Header hd{dc, in, *well, units, shown, tools};
    const int R = units.R;
    const bool logo = in.profile == 23 || in.profile == 134;
    int y = 5 * R;
    if (logo && !hd.LogoAndFields(y))
        return 0;
    hd.Headings(y);
    const int row8 = hd.LegendRows(y);
    const int pvLine = hd.MudDataAndAccessories(row8);
    int bottom = 0;
    const int T = hd.CaptionFrame(pvLine, bottom);
    y = hd.TrackCaptions(T);
    y = hd.LowerCaptions(y, T, bottom);
    // The outer frame holds the logo and the well fields; without them it closes with the caption
    // frame, and the page's rows start below all the header drew.
    dc.SelectObject(hd.framePen);
    dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
    dc.Rectangle(units.M + 2, R, units.W + units.u - 1, logo ? 5 * R + (in.profile == 23 ? 70 : 55) * R : bottom);
    return std::max(int(y + 2.4 * R), bottom);
}

}  // namespace print
