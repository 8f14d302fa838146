#include "reports/draw/reportpage.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "reports/reportfields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace reports {

namespace {

using platform::Dc;
using platform::Font;
using platform::Pen;

// A float cut toward zero; values no int holds count as 0.
using platform::Whole;

// The page grid: positions given in tenths of the unit from the page origin, truncated to device units.
struct Grid {
    int unit;
    int x0;
    int y0;
    int X(int tenths) const { return x0 + tenths * unit / 10; }
    int Y(int tenths) const { return y0 + tenths * unit / 10; }
};

struct PageFonts {
    Font title, subtitle, body;
};

Font MakeFont(const QString& face, int height, int width, int pitchAndFamily = 0)
{
    Font f(face, -height, 400);
    f.width = -width;
    f.pitchAndFamily = pitchAndFamily;
    return f;
}

PageFonts FontsFor(bool printing, int u, bool reportPrinter)
{
    if (printing) {
        const QString face = reportPrinter ? QStringLiteral("Arial Bold") : QStringLiteral("Copperplate Gothic Bold");
        return {MakeFont(face, 19 * u / 10, 7 * u / 10), MakeFont(face, 16 * u / 10, 5 * u / 10),
                MakeFont(face, 13 * u / 10, 5 * u / 10)};
    }
    const QString face = QStringLiteral("Arial Bold");
    return {MakeFont(face, 15 * u / 10, 0), MakeFont(face, 125 * u / 100, 0),
            MakeFont(face, u - 1, 0, platform::FIXED_PITCH | platform::FF_SWISS)};
}

std::string Text(const char* field, std::size_t width) { return platform::FieldText(field, width); }
template <std::size_t N>
std::string Text(const char (&field)[N]) { return platform::FieldText(field, N); }

// The writer of one page: labels in the body font, values underlined.
class PageWriter {
public:
    PageWriter(Dc& dc, const Grid& g, const Font& body) : dc_(dc), g_(g), body_(body) {}
    // A label at x (tenths of U) on row y (device units).
    void Label(int x, int y, const char* text) { dc_.TextOut(g_.X(x), y, text); }
    // A value from x to the underline end `to` (tenths of U).
    void Value(int x, int to, int y, const std::string& text)
    {
        DrawReportText(dc_, text, body_, g_.X(x), y, true, g_.X(to), g_.unit);
    }
    void Item(int labelX, const char* label, int x, int to, int y, const std::string& text)
    {
        Label(labelX, y, label);
        Value(x, to, y, text);
    }

private:
    Dc& dc_;
    const Grid& g_;
    const Font& body_;
};

void Cross(Dc& dc, int left, int top, int right, int bottom)
{
    dc.MoveTo(left, top);
    dc.LineTo(right, bottom);
    dc.MoveTo(right, top);
    dc.LineTo(left, bottom);
}

std::string GasValue(float v) { return platform::CFormat("%5d ", Whole(v)); }

// One gas row: the title line with its tick boxes and the components line below it.
struct GasRow {
    const char* title;
    std::string units;
    int unitsX;        // tenths
    const float* values;
    int titleY, tickY, componentsY;  // tenths from the page origin, printing
    const char* flare;
    const char* chokes;
    std::int32_t source;
    bool at;
    std::string atText;
};

}  // namespace

int ReportPageUnit(const ReportPageDevice& d)
{
    if (d.printing)
        return d.dpiY / 10;
    const int u = d.storedClientHeight <= 800 ? d.rowHeight : d.rowHeight + 1;
    return d.maxUnit > 0 ? std::max(1, std::min(u, d.maxUnit)) : u;
}

bool IsReportPrinter(const QString& name)
{
    const QString upper = name.toUpper();
    return upper.contains(QLatin1String("V305")) || upper.contains(QLatin1String("LEXMARK"));
}

int ThinPenWidth(bool printing, int u) { return !printing ? 2 : u < 60 ? 3 : u < 100 ? 6 : 10; }
int ThickPenWidth(bool printing, int u) { return !printing ? 3 : u < 100 ? 8 : 12; }
int UnderlinePenWidth(int u) { return u <= 12 ? 2 : 4; }

void DrawUnderline(Dc& dc, int x1, int x2, int y, int unit)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(Pen(platform::RGB(0, 0, 0), UnderlinePenWidth(unit), platform::PS_SOLID));
    dc.MoveTo(x1, y);
    dc.LineTo(x2, y);
}

int DrawReportText(Dc& dc, const std::string& text, const Font& font, int x, int y, bool underline,
                   int underlineEnd, int unit)
{
    dc.SelectObject(font);
    platform::SIZE size = dc.GetTextExtent(text.empty() ? "test" : text.c_str());
    // A value longer than its field is written narrower, so that it ends where the field ends.
    Font narrow = font;
    for (int tries = 0; tries < 4 && !text.empty() && underlineEnd > x && size.cx > underlineEnd - x; ++tries) {
        const int average = narrow.width != 0 ? std::abs(narrow.width) : int(dc.GetTextMetrics().tmAveCharWidth);
        narrow.width = -std::max(1, average * (underlineEnd - x) / int(size.cx) - (tries > 0 ? 1 : 0));
        dc.SelectObject(narrow);
        size = dc.GetTextExtent(text.c_str());
    }
    if (!text.empty())
        dc.TextOut(x, y, text.c_str());
    dc.SelectObject(font);
    if (underline)
        DrawUnderline(dc, x - unit / 2, underlineEnd > 0 ? underlineEnd : x + size.cx, y + size.cy, unit);
    return 1;
}

int DrawReportPage(Dc& dc, const ReportPageDevice& device, const ReportPageData& data, ReportPageState& state)
{
    const wellfile::REPORTEX& r = *data.report;
    const wellfile::WellHeader& h = *data.header;
    const bool printing = device.printing;
    state.reportPrinter = IsReportPrinter(device.printerName);
    const int u = ReportPageUnit(device);
    state.unit = u;
    const Pen thin(platform::RGB(0, 0, 0), ThinPenWidth(printing, u), platform::PS_SOLID);
    const Pen thick(platform::RGB(0, 0, 0), ThickPenWidth(printing, u), platform::PS_SOLID);
    const PageFonts fonts = FontsFor(printing, u, state.reportPrinter);
    const platform::KeepDcState keep(dc);

    if (!printing)  // the white sheet
        dc.Rectangle(device.client.left, device.client.top, device.client.right - 9 * u, device.client.bottom);

    const Grid g{u, printing || device.screenWidth <= 1024 ? 7 * u : 2 * u, printing ? 10 * u : 6 * u};
    // The boxes, in tenths: header left and right, gas, lag and lithology, mud, rig functions, remarks.
    dc.SelectObject(thick);
    const int boxes[7][4] = {{-10, 0, 275, 135},  {285, 0, 680, 135},  {-10, 140, 680, 325}, {-10, 330, 680, 380},
                             {-10, 385, 680, 490}, {-10, 495, 680, 525}, {-10, 530, 680, 680}};
    for (const auto& b : boxes)
        dc.Rectangle(g.X(b[0]), g.Y(b[1]), g.X(b[2]), g.Y(b[3]));

    dc.SelectObject(fonts.body);
    dc.SelectObject(thin);
    // The titles, centred on the page.
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    const int titleX = 81 * u / 2;
    const int titleY = printing ? 4 * u : u;
    const int ls = 2 * u;
    dc.SelectObject(fonts.title);
    if (data.profile == 35)
        dc.TextOut(titleX, titleY, QString::fromLatin1(Text(h.company).c_str()).toUpper());
    else
        dc.TextOut(titleX, titleY, data.title);
    dc.SelectObject(fonts.subtitle);
    dc.TextOut(titleX, titleY + ls, "DAILY DRILLING REPORT");
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SelectObject(fonts.body);

    PageWriter w(dc, g, fonts.body);
    const auto row = [&](int tenths) { return g.Y(tenths); };
    // Header, left column.
    w.Item(0, "DATE:", 35, 150, row(15), Text(r.date) + "  " + Text(r.time));
    w.Item(180, "SPUD:", 215, 260, row(15), Text(h.spudDate));
    w.Item(0, "START LOGGING:", 100, 180, row(35), Text(h.loggedFrom));
    w.Item(0, "DAY NO:", 50, 80, row(55), platform::CFormat("%d", int(r.dayNumber)));
    w.Item(140, "Days Logging:", 225, 250, row(55), platform::CFormat("%d", int(r.daysLogging)));
    w.Item(0, "DEPTH:", 50, 100, row(75), platform::CFormat("%d", Whole(r.depth)));
    w.Item(150, "EST TD:", 200, 240, row(75), platform::CFormat("%d", int(r.estimatedTd)));
    w.Item(0, "OPERATIONS:", 80, 260, row(95), Text(r.presentOperations));
    w.Item(0, "M. MADE:", 55, 90, row(115), platform::CFormat("%d", Whole(r.footage)));
    w.Item(90, "HRS:", 120, 160, row(115), platform::CFormat("%3.2f", double(r.hoursOnBottom)));
    w.Item(170, "ROP:", 200, 230, row(115), Text(r.averageRop));
    w.Label(230, row(115), "M/HR");
    // Header, right column.
    w.Item(295, "OPERATOR:", 365, 665, row(15), Text(h.company));
    w.Item(295, "WELL NAME:", 370, 665, row(35), Text(h.well));
    w.Item(295, "CO. ST:", 345, 475, row(55), Text(h.county) + ", " + Text(h.state));
    w.Item(495, "PHONE:", 545, 665, row(55), Text(r.unitPhone));
    w.Item(295, "LEGAL:", 345, 665, row(75), Text(h.location));
    w.Item(295, "CONTRACTOR:", 380, 595, row(95), Text(h.rig));
    w.Item(295, "LOGGERS:", 360, 545, row(115), Text(h.loggers));
    w.Item(555, "UNIT NO:", 610, 665, row(115), Text(h.unitNumber));

    // Gas block: in preview every row lies 0.6U lower.
    const int gasShift = printing ? 0 : 6;
    std::string backgroundUnits = platform::CFormat("%d", Whole(r.backgroundGas[0]));
    if (data.profile == 37)
        backgroundUnits = platform::CFormat("%d-%d", Whole(r.backgroundGas[0]), Whole(r.formationGas[0]));
    const GasRow rows[4] = {
        {"BACKGROUND GAS", backgroundUnits, 110, r.backgroundGas, 144, 142, 164, r.flare[0], r.chokes[0],
         r.gasSource[0], false, {}},
        {"MAX FORM GAS", platform::CFormat("%d", Whole(r.formationGas[0])), 110, r.formationGas, 188, 186, 212,
         r.flare[1], r.chokes[1], r.gasSource[1], true, GasValue(float(r.formationGasDepth))},
        {"MAX CONN GAS", platform::CFormat("%5.0f", double(r.connectionGas[0])), 105, r.connectionGas, 236, 231, 256,
         r.flare[2], r.chokes[2], r.gasSource[2], true, GasValue(r.connectionGasDepth)},
        {"MAX TRIP GAS", platform::CFormat("%5.0f", double(r.tripGas[0])), 105, r.tripGas, 280, 276, 300, r.flare[3],
         r.chokes[3], r.gasSource[3], false, {}},
    };
    for (const GasRow& gr : rows) {
        const int y = row(gr.titleY + gasShift);
        w.Label(0, y, gr.title);
        w.Value(gr.unitsX, 150, y, gr.units);
        w.Label(160, y, "UNITS");
        w.Label(230, y, "FLOWLINE");
        w.Label(330, y, "SEP");
        w.Label(410, y, "FLARE");
        w.Value(460, 510, y, Text(gr.flare, 10));
        w.Label(510, y, "M");
        w.Label(550, y, "CHOKES");
        w.Value(600, 640, y, Text(gr.chokes, 10));
        w.Label(640, y, "psi");
        const int top = row(gr.tickY + gasShift);
        const int bottom = row(gr.tickY + gasShift + 15);
        dc.Rectangle(g.X(290), top, g.X(310), bottom);
        dc.Rectangle(g.X(360), top, g.X(380), bottom);
        if (gr.source == 1)
            Cross(dc, g.X(360), top, g.X(380), bottom);
        else if (gr.source == 0)
            Cross(dc, g.X(290), top, g.X(310), bottom);
        const int cy = row(gr.componentsY + gasShift);
        w.Item(0, "C1", 20, 60, cy, GasValue(gr.values[1]));
        w.Item(80, "C2", 100, 140, cy, GasValue(gr.values[2]));
        w.Item(160, "C3", 180, 220, cy, GasValue(gr.values[3]));
        w.Item(240, "IC4", 260, 300, cy, GasValue(gr.values[4]));
        w.Item(320, "NC4", 350, 380, cy, GasValue(gr.values[5]));
        if (gr.at)
            w.Item(400, "AT", 420, 460, cy, gr.atText);
    }
    // The lag line, on the trip components row.
    state.lagText = LagText(r.lag, r.spm);
    w.Item(410, "LAG TIME/STROKES : ", 520, 600, row(300 + gasShift), state.lagText);

    // Lithology and formation.
    int y10 = 300 + gasShift + (printing ? 36 : 40);
    w.Item(0, " % LITHOLOGY @", 100, 640, row(y10), Text(r.lithology[0]) + " " + Text(r.lithology[1]));
    y10 += 20;
    w.Item(0, " FORMATION", 100, 280, row(y10), Text(r.formation));
    w.Item(295, " NEXT TOP", 355, 535, row(y10), Text(r.nextTop));

    // Mud, four rows 1.2 LS apart.
    const auto f2 = [](float v) { return platform::CFormat("%3.2f", double(v)); };
    y10 += printing ? 36 : 38;
    int y = row(y10);
    w.Item(0, "MUD CHECK @", 80, 120, y, platform::CFormat("%5d", int(r.mudSampleDepth)));
    w.Label(120, y, "M");
    w.Item(150, "WT", 180, 210, y, Text(r.mudWeight));
    w.Item(230, "VIS", 260, 290, y, Text(r.viscosity));
    w.Item(300, "PV", 330, 360, y, platform::CFormat("%d", int(r.plasticViscosity)));
    w.Item(370, "YP", 400, 430, y, platform::CFormat("%d", int(r.yieldPoint)));
    w.Item(440, "GELS", 480, 510, y, Text(r.gels));
    w.Item(520, "PH", 550, 580, y, Text(r.ph));
    w.Item(590, "FL", 610, 640, y, Text(r.filtrate));
    y10 += 24;
    y = row(y10);
    w.Item(0, "HT.HP.FL", 60, 90, y, Text(r.hthpFiltrate));
    w.Item(110, "FC", 140, 170, y, Text(r.filterCake));
    w.Item(180, "PM", 210, 240, y, f2(r.pm));
    w.Item(250, "PF", 270, 300, y, f2(r.pf));
    w.Item(310, "MF", 340, 370, y, f2(r.mf));
    w.Item(380, "CL", 400, 440, y, Text(r.chlorides));
    w.Item(450, "Ca", 470, 510, y, Text(r.calcium));
    w.Item(520, "SD", 540, 570, y, f2(r.sand));
    w.Label(570, y, "%");
    w.Item(590, "SOL", 620, 650, y, Text(r.solids));
    w.Label(650, y, "%");
    y10 += 24;
    y = row(y10);
    w.Item(0, "OIL", 30, 70, y, f2(r.oil));
    w.Label(70, y, "%");
    w.Item(90, "H2O", 120, 170, y, f2(r.water));
    w.Label(170, y, "%");
    w.Item(190, "O/W", 230, 260, y, Text(r.oilWaterRatio));
    w.Item(280, "ELEC STAB", 350, 380, y, f2(r.electricalStability));
    w.Item(440, "CaCl", 480, 510, y, f2(r.calciumChloride));
    w.Item(590, "SALT", 630, 670, y, f2(r.salt));
    y10 += 24;
    y = row(y10);
    w.Item(0, "EX.LM", 50, 80, y, f2(r.excessLime));
    w.Item(180, "LCM", 210, 240, y, f2(r.lostCirculation));
    w.Item(340, "DAILY $", 390, 460, y, platform::CFormat("%5.2f", double(r.dailyCost)));
    w.Item(520, "TTL $", 560, 670, y, platform::CFormat("%5.2f", double(r.totalCost)));

    // Rig functions.
    y10 += printing ? 38 : 40;
    y = row(y10);
    w.Item(0, "RIG FUNCTIONS: WOB", 130, 170, y, Text(r.weightOnBit));
    w.Item(200, "RPM", 230, 270, y, platform::CFormat("%d", int(r.rpm)));
    w.Item(290, "PUMP PRESS", 375, 400, y, platform::CFormat("%d", int(r.pumpPressure)));
    w.Item(430, "SPM", 460, 490, y, platform::CFormat("%d", int(r.spm)));
    w.Item(500, "DEV", 530, 660, y, Text(r.survey));

    // Remarks: the five comment lines without underline.
    y10 += printing ? 32 : 34;
    w.Label(0, row(y10), "REMARKS:");
    y10 += 16;
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            y10 += 14;
        w.Label(0, row(y10), Text(r.comments[i]).c_str());
    }

    // Survey stations of the report's interval, three to a line.
    if (data.profile == 37) {
        y10 += 20;
        for (int i = 2; i < 5; ++i)
            if (r.comments[i][0] == 0)
                y10 -= 14;
        if (data.firstSurveyOffset > 0 && !data.surveys.empty()) {
            std::string line;
            int inLine = 0;
            for (std::size_t i = 0; i < data.surveys.size(); ++i) {
                const wellfile::RECORD& s = data.surveys[i];
                if (!(s.tvd > 0) || float(s.depth) > r.depth || s.depth < data.surveyLowerBound)
                    continue;
                line += platform::CFormat("MD %d  TVD %d  INCL %3.2f  AZM %3.2f..", int(s.depth), Whole(s.tvd),
                                          double(s.inclination), double(s.azimuth));
                if (++inLine == 3 || i + 1 == data.surveys.size()) {
                    w.Label(0, row(y10), line.c_str());
                    y10 += 14;
                    line.clear();
                    inLine = 0;
                }
            }
            if (!line.empty())
                w.Label(0, row(y10), line.c_str());
        }
    }
    return 1;
}

}  // namespace reports
