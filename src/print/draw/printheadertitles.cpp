#include "print/draw/printheadertitles.h"

#include "logview/draw/headerpage.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace print {

namespace {

using platform::Font;

using platform::Trunc;

// A show-column caption: printed when its column is present, at its anchor plus `offset` column units,
// on caption line `line` (0 the first).
enum class Anchor { Page, RateTrack, Oil, Cut };
enum class Needs { Porosity, Oil, Cut };
struct ShowCaption {
    const char* text;
    Needs needs;
    Anchor anchor;
    double offset;
    int line;
};

constexpr std::array<ShowCaption, 9> kLayout1Captions{{
    {"Vis", Needs::Porosity, Anchor::Page, 29, 0},
    {"%", Needs::Porosity, Anchor::Oil, 1, 0},
    {"Por", Needs::Porosity, Anchor::Page, 29, 1},
    {"Tr/", Needs::Porosity, Anchor::Page, 29, 3},
    {"Oil", Needs::Oil, Anchor::Oil, 0.8, 1},
    {"Flu", Needs::Oil, Anchor::Oil, 0.8, 2},
    {"Tr/", Needs::Oil, Anchor::Oil, 0.8, 3},
    {"Cut", Needs::Cut, Anchor::Cut, 0.4, 1},
    {"Tr/", Needs::Cut, Anchor::Cut, 0.3, 3},
}};
constexpr std::array<ShowCaption, 8> kLayout2Captions{{
    {"Vis", Needs::Porosity, Anchor::RateTrack, 1.9, 0},
    {"%", Needs::Porosity, Anchor::Oil, 0.8, 0},
    {"Por", Needs::Porosity, Anchor::RateTrack, 1.9, 1},
    {"Oil", Needs::Oil, Anchor::Oil, 0.8, 1},
    {"Flu", Needs::Oil, Anchor::Oil, 0.8, 2},
    {"Tr/", Needs::Oil, Anchor::Oil, 0.8, 3},
    {"Cut", Needs::Cut, Anchor::Cut, 0.2, 1},
    {"Tr/", Needs::Cut, Anchor::Cut, 0.25, 3},
}};
constexpr std::array<ShowCaption, 6> kLayout4Captions{{
    {"Vis", Needs::Porosity, Anchor::Page, 29, 0},
    {"%", Needs::Porosity, Anchor::Oil, 1.5, 0},
    {"Por", Needs::Porosity, Anchor::Page, 29, 1},
    {"Oil", Needs::Oil, Anchor::Oil, 1.4, 1},
    {"Flu", Needs::Oil, Anchor::Oil, 1.4, 2},
    {"Cut", Needs::Cut, Anchor::Cut, 0.6, 1},
}};

struct Strip {
    platform::Dc& dc;
    const TrackTitleStrip& st;
    const PrintHeaderInput& in = st.in;
    const logview::PrinterGeometry& c = in.columns;
    const HeaderTools& tools = st.tools;
    int R = st.units.R, u = st.units.u, s = st.units.s, M = st.units.M;
    int W = in.logWidth;

    // A show column is present when it has a width and stands on the paper.
    bool porosity = in.porosityColumns > 0 && c.porosityLeft > 0;
    bool oil = in.oilColumns > 0 && c.fluorescenceLeft > 0;
    bool cut = in.cutColumns > 0 && c.cutLeft > 0;
    bool descriptionsPrinted = in.scaleKind == 1 || in.scaleKind == 2 || in.printDescriptions;

    int lith = c.lithologyLeft;
    int oilX = c.fluorescenceLeft;
    int cutX = c.cutLeft;
    int rateCentre = (M + c.rateRight) / 2;

    void Text(const std::string& text, const Font& font, int x, int y)
    {
        logview::DrawLabelText(dc, text, font, x, y, false, 0);
    }
    void Line(int x0, int y0, int x1, int y1) { platform::Line(dc, x0, y0, x1, y1); }
    // A box `width` wide standing left of `right`, from `top` down 0.4 s.
    void BoxLeftOf(int right, double width, int top)
    {
        dc.Rectangle(right - Trunc(width * u), top, right, top + Trunc(0.4 * s));
    }

    void Rules(int top)
    {
        auto rule = [&](int x) {
            if (x > 0)
                Line(x, top + 2 * R, x, top + 12 * R);
        };
        rule(c.rateRight);
        rule(lith);
        rule(oilX);
        rule(cutX);
        if (descriptionsPrinted)
            rule(in.descriptionOffset ? c.descriptionLeft - u : c.descriptionLeft);
        rule(c.gasLeft);
    }

    // "Total Gas/Chromatograph", red for profile 25 in colour with the text black after it.
    void GasCaption(int x, int y)
    {
        if (!st.shown.chromatograph)
            return;
        const bool red = in.profile == 25 && in.colourPrint;
        if (red)
            dc.SetTextColor(platform::RGB(255, 0, 0));
        Text("Total Gas/Chromatograph", tools.value, x, y);
        if (red)
            dc.SetTextColor(platform::RGB(0, 0, 0));
    }
    bool DescriptionCaption() const { return descriptionsPrinted && st.shown.descriptions; }

    // The track captions of layouts 2 to 4, centred on `y`, and the rate unit a line step lower.
    void CentredCaptions(int y)
    {
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        Text("Drilling Rate", tools.value, rateCentre, y);
        Text("Lithology", tools.value, (lith + oilX) / 2, y);
        if (DescriptionCaption())
            Text("Descriptions/Remarks", tools.value, c.descriptionLeft + c.descriptionCellCount * u / 2, y);
        GasCaption(c.gasLeft + c.gasUnits * c.gasCellWidth / 2, y);
        Text(RateUnitText(in.ratePerHour, 1), tools.legend, rateCentre, y + s);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    }

    // The oil column's scale on the "g" line: a rule, a tick and its slant, and a box to the cut column.
    void OilScale(int line, int drop)
    {
        if (!oil)
            return;
        Line(oilX, line - 1, oilX + 3 * u, line - 1);
        Line(oilX + u, line + R - drop, oilX + u, line);
        Line(oilX + u, line + R - drop, oilX + 2 * u, line);
        // The box reaches the cut column: without one right of it there is nothing to reach.
        if (cut && cutX > oilX + 2 * u)
            dc.Rectangle(oilX + 2 * u, line, cutX, line + Trunc(0.4 * s));
    }

    // The p, f and g marks left of the lithology column with their boxes, from `line` down, the letters
    // `offsets` units left of the column; the oil scale on the "g" line.
    void PorosityScale(int line, const std::array<double, 3>& at, double pfgShift, double cutShift, int drop)
    {
        const platform::KeepDcState keep(dc);
        dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
        const int step = Trunc(0.4 * s);
        if (porosity) {
            Text("p", tools.legend, Trunc(lith - at[0] * u), line - Trunc(0.5 * R));
            BoxLeftOf(lith, 0.75, line);
        }
        if (oil)
            Text("p  f  g", tools.caption, Trunc(oilX + pfgShift * u), line);
        if (cut)
            Text("p f g", tools.caption, Trunc(cutX + cutShift * u), line);
        line += step;
        if (porosity) {
            Text("f", tools.legend, Trunc(lith - at[1] * u), line - Trunc(0.4 * R));
            BoxLeftOf(lith, 1.5, line);
        }
        line += step;
        if (porosity) {
            Text("g", tools.legend, Trunc(lith - at[2] * u), line - Trunc(0.5 * R));
            BoxLeftOf(lith, 2.25, line);
        }
        OilScale(line, drop);
    }

    template <std::size_t N>
    void ShowCaptions(const std::array<ShowCaption, N>& captions, int y1, int step)
    {
        for (const ShowCaption& k : captions) {
            const bool present = k.needs == Needs::Porosity ? porosity : k.needs == Needs::Oil ? oil : cut;
            if (!present)
                continue;
            const int anchor = k.anchor == Anchor::Page ? 0
                               : k.anchor == Anchor::RateTrack ? c.rateRight
                               : k.anchor == Anchor::Oil      ? oilX
                                                              : cutX;
            Text(k.text, tools.caption, Trunc(anchor + k.offset * u), y1 + k.line * step);
        }
    }

    void Layout1(int y1, int step)
    {
        const int y4 = y1 + 3 * step;
        const bool shows = !wellfile::ChromatographProfile(in.profile) && in.profile != 52;
        if (shows)
            ShowCaptions(kLayout1Captions, y1, step);
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        Text("Drilling Rate", tools.value, rateCentre, y4);
        if (DescriptionCaption())
            Text("Descriptions/Remarks", tools.value, (c.descriptionLeft + c.gasLeft) / 2, y4);
        GasCaption(c.gasLeft + (c.gasUnits + c.gas2Units) * c.gasCellWidth / 2, y4);
        const int y5 = y4 + s;
        Text(RateUnitText(in.ratePerHour, 1), tools.legend, rateCentre, y5);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        if (shows)
            PorosityScale(y5, {2, 3, 4}, 0, 0, 6);
    }

    void Layout2(int y1, int step)
    {
        ShowCaptions(kLayout2Captions, y1, step);
        CentredCaptions(y1 + 3 * step);
        PorosityScale(y1 + 3 * step + s, {1.9, 2.5, 3.1}, 0.1, 0.1, 5);
    }

    void Layout4(int y1, int step)
    {
        ShowCaptions(kLayout4Captions, y1, step);
        const int y4 = y1 + 3 * step;
        CentredCaptions(y4);
        // The porosity scale of this company: 1 to 10, and a per cent range.
        const int y5 = y4 + s;
        if (porosity) {
            Text("1", tools.legend, lith - 2 * u, y5 - Trunc(0.5 * R));
            Text("10", tools.legend, lith - 3 * u, y5 + Trunc(0.4 * s) - Trunc(0.4 * R));
        }
        if (oil)
            Text("0-100%", tools.caption, Trunc(oilX + 0.2 * u), y5);
        if (cut)
            Text("to", tools.caption, Trunc(cutX + 0.6 * u), y5);
    }

    int Width(const std::string& text, const Font& font)
    {
        const platform::KeepDcState keep(dc);
        dc.SelectObject(font);
        return text.empty() ? 0 : dc.GetTextExtent(text.c_str(), int(text.size())).cx;
    }

    // The company centred on the strip and the well name at 80 u, on the client title's line. A company
    // name long enough to reach the well name ends a unit before it; where it would then reach the client
    // title, it follows the title and the well name follows it.
    void CompanyAndWell(int top)
    {
        const std::string company = platform::FieldText(st.well.company), well = platform::FieldText(st.well.well);
        const int width = Width(company, tools.value);
        int centre = W / 2, wellX = 80 * u;
        if (centre - width / 2 + width + u > wellX) {
            const int titleEnd = st.clientTitle.empty() ? 0 : 2 * u + Width(st.clientTitle, tools.value) + u;
            centre = std::max(wellX - u - width + width / 2, titleEnd + width / 2);
            wellX = std::max(wellX, centre - width / 2 + width + u);
        }
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        Text(company, tools.value, centre, top);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        Text(well, tools.value, wellX, top);
    }

    void Draw(int y, const QDate& today)
    {
        const int top = y + s;
        dc.SelectObject(tools.frame);
        {
            const platform::KeepDcState keep(dc);
            dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
            dc.Rectangle(M + 2, top + 2 * R, W, top + 12 * R);
        }
        dc.SelectObject(tools.symbol);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        Text(TrackTitleDate(today), tools.value, 2 * u, top - 2 * R);
        Text(st.clientTitle, tools.value, 2 * u, top);
        CompanyAndWell(top);
        Rules(top);

        const int y1 = top + Trunc(1.5 * s);
        const int step = Trunc(0.6 * s);
        switch (TrackTitleLayout(in.profile)) {
        case 1: Layout1(y1, step); break;
        case 2: Layout2(y1, step); break;
        case 3: CentredCaptions(y1); break;
        case 4: Layout4(y1, step); break;
        default: break;
        }
    }
};

}  // namespace

int DrawPrintTrackTitles(platform::Dc& dc, int y, const TrackTitleStrip& strip, const QDate& today)
{
    const platform::KeepDcState keep(dc);
    Strip{dc, strip}.Draw(y, today);
    return 1;
}

}  // namespace print
