#include "logview/draw/headerpage.h"

#include "logview/draw/neighbourpainters.h"
#include "logview/draw/ppmscale.h"
#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "platform/text.h"
#include "wellfile/headerrows.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace logview {

namespace {

using platform::Brush;
using platform::Font;
using platform::Pen;
using platform::RGB;

using platform::Trunc;

Font BoldArial(int height, int width = 0)
{
    Font f(QStringLiteral("Arial Bold"), height, platform::FW_NORMAL);
    f.width = width;
    return f;
}

// The office lines of the companies whose address block is their own; every other profile shows the
// four placeholder lines.
std::vector<std::string> AddressLines(int profile)
{
    if (profile == 23)
        return {"Field Office", "Town", "Telephone"};
    if (profile == 134)
        return {"Field Office", "Suburb", "Town, Country", "Telephone"};
    return {"ADDRESS 1", "ADDRESS 2", "ADDRESS 3", "ADDRESS 4"};
}

struct Page {
    platform::Dc& dc;
    const ViewGeometry& g;
    const layout::LogPens& pens;
    const HeaderPage& in;
    NeighbourPainters& painters;

    int R = g.rowHeight, U = g.unitWidth, W = g.logWidth, T = g.topMargin;
    int L = Trunc(2.5 * R);  // line step
    int X0 = 11 * U;         // label column
    int XR = W - 20 * U;     // end of the full-width underlines
    Font title = BoldArial(-Trunc(3.5 * U), Trunc(1.8 * U));
    Font address = BoldArial(Trunc(2.8 * R));
    Font legend = BoldArial(Trunc(1.5 * R));
    Font label = BoldArial(Trunc(2.4 * R));
    Font value = BoldArial(Trunc(2.0 * R));
    Font small = BoldArial(Trunc(1.6 * R));
    Pen pen2{RGB(0, 0, 0), 2};
    Pen pen3{RGB(0, 0, 0), 3};

    // A column counts as shown unless custom tracks are in use and its switch is off.
    bool inUse = g.customTracks && in.customTracksOn;
    bool rateShown = in.switches.rate || !inUse;
    bool lithShown = in.switches.lithology || !inUse;
    bool gasShown = in.switches.gas || !inUse;
    bool descShown = in.switches.descriptions || !inUse;
    bool showsShown = in.switches.shows || !inUse;

    // A text without underline.
    void Text(const char* text, const Font& font, int x, int y) { DrawLabelText(dc, text, font, x, y, false, 0); }

    void Line(const Pen& pen, int x0, int y0, int x1, int y1)
    {
        const platform::KeepDcState keep(dc);
        platform::Line(dc, pen, x0, y0, x1, y1);
    }

    int Centre(const layout::Column& c) const { return c.left + c.count * c.cell / 2; }

    int AddressBlock(int y)
    {
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        const QByteArray titleText = platform::ToCp1252(in.logTitle);
        DrawLabelText(dc, titleText.toStdString(), title, W / 2, y, false, 0);
        y += 2 * L;
        bool first = true;
        for (const std::string& line : AddressLines(g.profile)) {
            if (!first)
                y = Trunc(y + 1.2 * L);
            first = false;
            DrawLabelText(dc, line, address, W / 2, y, false, 0);
        }
        y += 2 * L;
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        return y;
    }

    int WellFields(int y)
    {
        wellfile::WellHeader empty{};
        const wellfile::WellHeader& h = in.header ? *in.header : empty;
        int last = 0;
        for (const wellfile::HeaderFieldCell& c :
             wellfile::HeaderFieldCells(wellfile::HeaderSheet::Screen, g.profile, h, {X0, U, XR})) {
            Text(c.label, label, c.labelX, y + c.line * L);
            DrawLabelText(dc, c.text, value, c.valueX, y + c.line * L, true, c.underlineEnd);
            last = c.line;
        }
        return y + last * L;
    }

    // Two columns of legend lines, each next line 0.6 of a line step lower; returns the last line's y.
    template <std::size_t N>
    int Rows(const std::array<std::array<const char*, 2>, N>& rows, int y, int leftX, int rightX)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (i > 0)
                y = Trunc(y + 0.6 * L);
            Text(rows[i][0], legend, leftX, y);
            Text(rows[i][1], legend, rightX, y);
        }
        return y;
    }

    int Legends(int y)
    {
        y = Trunc(y + 1.5 * L);
        const int hy = Trunc(y + 0.1 * R);
        DrawLabelText(dc, "Abbreviations:", label, X0 + 3 * U, hy, true, 0);
        DrawLabelText(dc, "Lithology Symbols:", label, X0 + 39 * U, hy, true, 0);
        if (gasShown)
            DrawLabelText(dc, "Gas Chromatograph Analysis:", value, X0 + 70 * U, hy, true, 0);

        y = Trunc(y + 1.3 * L);
        static constexpr std::array<std::array<const char*, 2>, 5> kAbbreviations{
            {{"NB...New Bit", "DST...Drill Stem Test"},
             {"TG...Trip Gas", "LAT...Logged After Trip"},
             {"WOB...Wt on Bit", "PP...Pump Pressure"},
             {"RPM...Rev/Min", "SPM...Strokes/Min"},
             {"SG...Survey Gas", "DTG...Down Time Gas"}}};
        y = Rows(kAbbreviations, y, X0 - 5 * U, X0 + 9 * U);
        y += L;

        const int ym = y + L / 2;
        Line(pen3, U, ym, 12 * U, ym);
        Line(pen3, Trunc(21.5 * U), ym, 34 * U, ym);
        Text("Mud Data", label, Trunc(13.5 * U), y);
        y += L;
        static constexpr std::array<std::array<const char*, 2>, 4> kMudData{{{"MW..Weight", "V..Viscosity"},
                                                                              {"PH..Acidity", "F..Filtrate"},
                                                                              {"CHL..Chlorides", "SC..Solids Content"},
                                                                              {"PV..Plastic Viscosity", "YP..Yield Point"}}};
        y = Rows(kMudData, y, 6 * U, 21 * U);
        return y + 2 * L;
    }

    void TitleBox(int y)
    {
        const int H = rateShown ? 12 : 16;
        const platform::KeepDcState keep(dc);
        dc.SelectObject(pen2);
        dc.Rectangle(0, y - 1, W - 2, y + H * R - 1);
        auto separator = [&](int x) {
            dc.MoveTo(x, y);
            dc.LineTo(x, y + H * R);
        };
        if (rateShown)
            separator(U - 1);
        if (lithShown)
            separator(g.lithology.left);
        if (showsShown && g.fluorescence.left > 0)
            separator(g.fluorescence.left);
        if (showsShown && g.cut.count > 0)
            separator(g.cut.left);
        if (showsShown && g.hardness.left > 0 && g.hardness.count > 0)
            separator(g.hardness.left);
        if (!g.splitGas && rateShown)
            separator(Trunc(g.description.left + 0.5 * U) - U);
    }

    // The column titles of the companies that have them.
    void ColumnTitles(int y)
    {
        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        const bool hardness = showsShown && g.hardness.count > 0 && g.hardness.left > 0;
        const bool porosity = showsShown && g.porosity.count > 0;
        const bool oil = showsShown && g.fluorescence.count > 0;
        const bool cut = showsShown && g.cut.count > 0;
        if (hardness) {
            const int x = Centre(g.hardness);
            int ly = y;
            if (in.hardnessSwitch) {
                for (const char* letter : {"H", "A", "R", "D"}) {
                    ly = Trunc(ly + 0.6 * L);
                    Text(letter, small, x, ly);
                }
            } else {
                Text("%", small, x, ly);
                for (const char* letter : {"C", "A", "C", "O", "3"}) {
                    ly = Trunc(ly + 0.6 * L);
                    Text(letter, small, x, ly);
                }
            }
        }
        // One row of the show columns' titles; null leaves a column out.
        auto showRow = [&](const char* por, const char* oilText, const char* cutText) {
            if (porosity && por)
                Text(por, small, Centre(g.porosity), y);
            if (oil && oilText)
                Text(oilText, small, Centre(g.fluorescence), y);
            if (cut && cutText)
                Text(cutText, small, Centre(g.cut), y);
        };
        showRow("Vis", "%", nullptr);
        y += L;
        showRow("Por", "Oil", "Cut");
        y = Trunc(y + 0.6 * L);
        showRow(nullptr, "Flu", nullptr);
        y = Trunc(y + 0.6 * L);
        showRow("Tr /", "Tr /", "Tr /");
        const int rateCentre = (g.rate.left + g.rate.Right()) / 2;
        if (rateShown)
            Text("Drilling Rate", value, rateCentre, y + R);
        if ((g.scaleIndex < 3 || in.descriptionsOnOneInch) && descShown)
            Text("Descriptions/Remarks", value, Trunc(g.description.left + 0.5 * U) + g.description.count * U / 2, y);
        if (gasShown)
            Text("Total Gas/Chromatograph", value, g.gas.left + (g.gas.count + g.gas2.count) * g.gas.cell / 2, y);
        y += L;
        if (rateShown) {
            if (g.options.ratePerHour)
                Text("M/HR", legend, rateCentre, y + R);
            else if (g.scaleIndex == 3)
                Text("AVG MIN/5 M", legend, rateCentre, y);
            else
                Text("MIN/M", legend, rateCentre, y);
        }
        y += R;

        dc.SelectObject(platform::StockBrush(platform::BLACK_BRUSH));
        const int lith = g.lithology.left;
        if (g.porosity.count > 0) {
            Text("p", legend, lith - 2 * U, Trunc(y - 0.5 * R));
            if (oil)
                Text("p f g", small, g.fluorescence.left + g.fluorescence.count * U / 2, y);
            if (cut)
                Text("pfg", small, g.cut.left + g.cut.count * U / 2, y);
            dc.Rectangle(Trunc(lith - 0.75 * U), y, lith, Trunc(y + 0.4 * L));
            y = Trunc(y + 0.4 * L);
            Text("f", legend, lith - 3 * U, Trunc(y - 0.4 * R));
            dc.Rectangle(Trunc(lith - 1.5 * U), y, lith, Trunc(y + 0.4 * L));
            y = Trunc(y + 0.4 * L);
            Text("g", legend, lith - 4 * U, Trunc(y - 0.5 * R));
            dc.Rectangle(Trunc(lith - 2.25 * U), y, lith, Trunc(y + 0.4 * L));
        }
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        if (oil) {
            const int S = g.fluorescence.left;
            dc.MoveTo(S, y - 1);
            dc.LineTo(S + 3 * U, y - 2);
            dc.MoveTo(S + U, y + R);
            dc.LineTo(S + U, y - 1);
            dc.MoveTo(S + U, y + R);
            dc.LineTo(S + 2 * U, y - 1);
            if (cut) {
                dc.MoveTo(g.gas.left, y - 11 * R + 1);
                dc.LineTo(g.gas.left, y + R);
            }
            dc.Rectangle(S + 2 * U, y, S + 3 * U, Trunc(y + 0.4 * L));
        }
        dc.SelectObject(platform::StockBrush(platform::WHITE_BRUSH));
    }

    void LowerBand()
    {
        const int yb = (in.customTracksOn ? 58 : 60) * R + T;
        const int D = g.rate.Right(), D5 = D + 5 * U;
        if (!rateShown)
            return;
        Line(pen2, D, yb - 6 * R - 3, D, yb + 6 * R - 2);
        Line(pen2, D5, yb - 6 * R - 3, D5, yb + 6 * R - 2);
        const Device screen = Device::Screen();
        const PaintTarget target{dc, g, screen};
        if (lithShown) {
            painters.DrawVerticalText(target, "INTRP", D5 - 4 * U, yb - 5 * R, R + 2);
            painters.DrawVerticalText(target, "LITH", D5 - 2 * U, Trunc(yb - 3.5 * R), R + 2);
            painters.DrawVerticalText(target, "LITHOLOGY", g.lithology.left + 4 * U, yb - 6 * R, R + 2);
        }
        painters.DrawVerticalText(target, "DEPTH", g.porosity.left - 3 * U, yb - 6 * R, R + 2);

        dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
        static constexpr std::array<int, 9> kGammaScale{25, 50, 100, 150, 200, 300, 500, 800, 1500};
        const int gammaMax = kGammaScale[std::size_t(std::clamp(in.gammaScaleIndex, 1, 9) - 1)];
        const int centre = (g.rate.left + D) / 2;
        auto scale = [&](int y, int maximum, const char* name, int pen, int sampleY) {
            dc.TextOut(g.rate.left + U, y, " 0 ");
            const std::string top = platform::CFormat("%d", maximum);
            dc.TextOut(D - 2 * U, y, top.c_str(), int(top.size()));
            dc.TextOut(centre, y, name);
            const layout::PenSpec& p = pens.pens[std::size_t(pen)];
            Line(Pen(p.colour, p.width, p.style), g.rate.left + 1, sampleY, D - 2, sampleY);
        };
        scale(yb - 3 * R, gammaMax, "GAMMA API", layout::PEN_GAMMA, Trunc(yb - 1.5 * R));
        dc.SetTextColor(platform::ResolveColor(pens.table.entry[layout::PEN_WOB].colour));
        scale(yb - 5 * R, 60, "WOB klb", layout::PEN_WOB, Trunc(yb - 3.5 * R));
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    }
};

}  // namespace

int DrawLabelText(platform::Dc& dc, const std::string& text, const Font& font, int x, int y, bool underline,
                  int underlineEnd, int leftOffset)
{
    if (text.empty())
        return 0;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(font);
    const platform::SIZE size = dc.GetTextExtent(text.c_str(), int(text.size()));
    dc.TextOut(x, y, text.c_str(), int(text.size()));
    if (underline) {
        const int end = underlineEnd > 0 ? underlineEnd : x + size.cx;
        dc.SelectObject(Pen(RGB(0, 0, 0), 3));
        dc.MoveTo(x - leftOffset, y + size.cy);
        dc.LineTo(end, y + size.cy);
    }
    return 1;
}

platform::RECT DrawLogHeaderPage(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens,
                                 const HeaderPage& in, NeighbourPainters& painters)
{
    const platform::KeepDcState keep(dc);
    Page page{dc, g, pens, in, painters};
    const int R = g.rowHeight, U = g.unitWidth;

    const int P = std::max(in.clientRight, g.logWidth - 1);
    const int B = in.headerRows * R + g.topMargin;
    dc.SelectObject(Brush(RGB(255, 255, 255)));
    dc.Rectangle(0, 0, P + 2, B);
    dc.SelectObject(page.pen2);
    dc.Rectangle(3, 3, P - 8, B);
    dc.SelectObject(keep.KeptPen());
    dc.SelectObject(keep.KeptBrush());

    int y = page.AddressBlock(2 * R);
    y = page.WellFields(y);
    y = page.Legends(y);
    page.TitleBox(y);
    if (g.profile == 10 || g.profile == 134 || g.profile == 138)
        page.ColumnTitles(y);
    page.LowerBand();

    if (in.switches.gas && !in.importedCurves && g.profile != 126) {
        PpmScaleFlags ppm;
        ppm.imageRender = in.legend.imageRender;
        DrawPpmScale(dc, g, pens, ppm, g.gasRight - 10 * U, 51 * R);
    }
    DrawLithLegend(dc, g, pens, in.legend, in.switches.lithology ? g.lithology.left + 5 * U : (P - 8) / 2, 51 * R);

    return {3, 3, P - 8, B};
}

}  // namespace logview
