// The header block in the plot's left margin: the log's company title, the well header's fields (read
// afresh at every drawing), the lithology legend, the show-row labels, the scale note and the pen and
// scale legends. Profile 7 keeps the older, shorter header.
#include "horizontal/draw/horzheader.h"
#include "horizontal/draw/horzplot.h"

#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "wellfile/wellheader.h"

#include <algorithm>
#include <string>

namespace horizontal {

using platform::Dc;
using platform::Font;
using platform::RGB;

namespace {

constexpr platform::COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
constexpr unsigned kLeftBottom = platform::TA_LEFT | platform::TA_BOTTOM;
constexpr unsigned kLeftTop = platform::TA_LEFT | platform::TA_TOP;
constexpr unsigned kRightTop = platform::TA_RIGHT | platform::TA_TOP;
constexpr unsigned kCentreBottom = platform::TA_CENTER | platform::TA_BOTTOM;

// A header text is read within its own field: a text that fills the field ends there, not in the next.
using platform::FieldText;

// The header's texts, from either layout.
struct HeaderTexts {
    std::string company, well, county, state, location, location2, startDate, endDate, startDepth, endDepth;
    std::string groundLevel, kb, api, loggers, loggers2, geologist;
};

template <class H>
HeaderTexts CommonTexts(const H& h)
{
    HeaderTexts t;
    t.company = FieldText(h.company);
    t.well = FieldText(h.well);
    t.county = FieldText(h.county);
    t.state = FieldText(h.state);
    t.location = FieldText(h.location);
    t.location2 = FieldText(h.location2);
    t.startDate = FieldText(h.loggedFrom);
    t.endDate = FieldText(h.loggedTo);
    t.startDepth = FieldText(h.intervalFrom);
    t.endDepth = FieldText(h.intervalTo);
    t.groundLevel = FieldText(h.groundLevel);
    t.kb = FieldText(h.kellyBushing);
    t.api = FieldText(h.apiNumber);
    return t;
}

int Width(const Dc& dc, const std::string& text)
{
    return dc.GetTextExtent(text.c_str(), int(text.size())).cx;
}

void Text(Dc& dc, int x, int y, const std::string& text)
{
    dc.TextOut(x, y, text.c_str(), int(text.size()));
}

// The block of either layout; `old` the profile-7 one.
void DrawBlock(Dc& dc, HorzPlot& plot, const HeaderTexts& t, bool old)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(kBlack));
    dc.SetTextColor(kBlack);
    const bool wide = plot.options.screenWidth > 1024;
    // The fields' cell height is the least at which the screen's unsmoothed text keeps a clear column
    // between digits: below it "1000" runs together.
    const Font a(QStringLiteral("Arial"), 16);
    const Font b = old ? a : Font(QStringLiteral("Arial"), wide ? 13 : 10);
    const Font textFont = TextFont(plot);
    // The line height is the fields' own, and the underlines' drop below the text is added to it: the
    // next line stands as far below an underline as the underline's own value does above it.
    dc.SelectObject(a);
    const int L =
        platform::Trunc(dc.GetTextExtent(t.company.c_str(), int(t.company.size())).cy * 1.25) + kUnderlineDrop + 1;
    dc.SelectObject(textFont);
    dc.SetTextAlign(kCentreBottom);
    dc.TextOut(200, 20, plot.headerFacts.logTitle);

    dc.SetTextAlign(kLeftBottom);
    const int x = old ? 2 : 20;
    int y = 20 + L;
    auto field = [&](const char* label, const std::string& value, const Font& font, int at) {
        return DrawHeaderField(dc, label, value.c_str(), font, at, y, true);
    };
    field("COMPANY:  ", t.company, a, x);
    y += L;
    field("WELL:         ", t.well, a, x);
    y += L;
    field("LOCATION:", t.location, b, x);
    if (!t.location2.empty()) {
        y += L;
        field(old ? "                    " : "             ", t.location2, b, x);
    }
    y += L;
    {
        const char* label = "COUNTY:   ";
        field(label, t.county, a, x);
        field("STATE:", t.state, a, x + Width(dc, label) + Width(dc, t.county) + 20);
    }
    y += L;
    field("GL:", t.groundLevel, a, x);
    field("KB:", t.kb, a, old ? 82 : 100);
    y += L;
    // The second field of a line stands 20 pixels past the first one's underline.
    field("End Date ", t.endDate, a, field("Start Date ", t.startDate, a, x) + 20);
    y += L;
    field("End Depth    ", t.endDepth, a, field("Start Depth    ", t.startDepth, a, x) + 20);
    y += L;
    field("API NO:    ", t.api, a, x);
    y += L;
    const QByteArray file = platform::ToCp1252(plot.headerFacts.place.wellName + QStringLiteral(".svw"));
    field("FILE:        ", file.toStdString(), a, x);
    if (!old) {
        y += L;
        field("LOGGERS:        ", t.loggers2.size() > 2 ? t.loggers + " ,  " + t.loggers2 : t.loggers, a, x);
        y += L;
        field("GEOLOGIST:      ", t.geologist, a, x);
    }
    platform::RECT legend{};
    plot.symbolPalette = DrawLithLegend(dc, plot, y + L, &legend);

    const HorzBands& bands = plot.bands;
    const int showBase = bands.showsBandBottom;
    dc.SetTextAlign(kRightTop);
    const int rightX = plot.plotLeft - 5;
    // A row label that would run into the legend (a view short for the header) takes the smaller font.
    const auto rowLabel = [&](int labelY, const char* text) {
        dc.SelectObject(textFont);
        const platform::SIZE size = dc.GetTextExtent(text);
        if (rightX - size.cx < legend.right && labelY < legend.bottom && labelY + size.cy > legend.top)
            dc.SelectObject(b);
        dc.TextOut(rightX, labelY, text);
    };
    if (plot.settings->drawShows) {
        rowLabel(bands.lowerBase - 10, "SLIDE");
        // The older header labels the rows from the path area's bottom.
        const int floY = old ? bands.pathBottom + 15 : showBase - 30;
        rowLabel(old ? bands.pathBottom - 2 : showBase - 45, "CUT ( P F G )");
        rowLabel(floY, "FLU  0-100% ( P F G )");
        rowLabel(floY + 15, "POR ( P F G )");
    }
    if (!old) {
        if (plot.options.hardness)
            rowLabel(bands.hardnessBase - 15, plot.headerFacts.hardnessLabel ? "HARDNESS" : "CACO3 0-100%");
        if (plot.headerFacts.scaleNote) {
            dc.SetTextColor(kRed);
            dc.SelectObject(Font(QStringLiteral("Arial Bold"), 22));
            dc.TextOut(14 * L, showBase + 5 * L,
                       plot.pixelsPerUnit >= 8 ? "5 \" Per 100 M Horizontal" : "1 \"  Per 100 M Horizontal");
            dc.SetTextColor(kBlack);
        }
    }
    dc.SetTextAlign(kLeftBottom);
    DrawCurveLegend(dc, plot);
    if (!old)
        DrawScaleLegend(dc, plot);
}

}  // namespace

int DrawHeaderField(Dc& dc, const char* label, const char* value, const Font& font, int x, int y, bool underline)
{
    dc.SelectObject(font);
    dc.TextOut(x, y, label);
    const int valueX = x + dc.GetTextExtent(label).cx + 10;
    dc.TextOut(valueX, y, value);
    const int end = valueX + dc.GetTextExtent(value).cx + 10;
    // Under the value: descenders reach the text's bottom row, so the line keeps a clear row below it.
    if (underline)
        platform::Line(dc, valueX, y + kUnderlineDrop, end, y + kUnderlineDrop);
    return end;
}

void DrawHeader(Dc& dc, HorzPlot& plot)
{
    if (plot.options.profile == 7) {
        DrawHeaderOld(dc, plot);
        return;
    }
    const wellfile::WellPlace& place = plot.headerFacts.place;
    wellfile::WellHeader h{};
    if (place.wellName.isEmpty() || !wellfile::ReadHeader(h, place))
        return;  // no header: the plot goes on without it
    HeaderTexts t = CommonTexts(h);
    t.loggers = FieldText(h.loggers);
    t.loggers2 = FieldText(h.loggers2);
    t.geologist = FieldText(h.geologist);
    DrawBlock(dc, plot, t, false);
}

void DrawHeaderOld(Dc& dc, HorzPlot& plot)
{
    const wellfile::WellPlace& place = plot.headerFacts.place;
    wellfile::WellHeader1450 h{};
    if (place.wellName.isEmpty() || !wellfile::ReadHeaderOld(h, place))
        return;
    DrawBlock(dc, plot, CommonTexts(h), true);
}

int DrawCurveLegend(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(TextFont(plot));
    dc.SetTextAlign(kLeftBottom);
    const layout::PenTable* table = plot.headerFacts.penTable;
    const HorzViewSettings& s = *plot.settings;
    auto name = [table](int i) { return table ? FieldText(table->entry[i].name) : std::string(); };
    constexpr int y0 = 451;
    for (int i = 0; i <= 5; ++i) {
        const int y = y0 + 15 * i;
        const layout::PenSpec& pen = plot.pens[std::size_t(i)];
        dc.SetTextColor(pen.colour);
        const std::string n = name(i);
        Text(dc, 5, y + 22, n);
        const int w = Width(dc, n);
        platform::Line(dc, layout::PenOf(pen), 5 + w + 4, y + 15, 5 + w + 4 + 40, y + 15);
        if (i == 0)
            Text(dc, 5 + w + 40 + 10, y + 22,
                 s.logGas ? platform::CFormat(" %s ", ".01 to 100")
                          : platform::CFormat(" %s to %d", "1", GasFullScale(s, s.gasScale)));
    }
    const int profile = plot.options.profile;
    if (profile == 3 || profile == 7 || profile == 16) {
        const int y = y0 + 90;
        const layout::PenSpec& pen = plot.pens[6];
        dc.SetTextColor(pen.colour);
        const std::string n = name(6);
        Text(dc, 5, y + 22, n);
        const int left = 5 + Width(dc, n) + 4;
        const int style = table ? table->entry[6].style : 0;
        if (style == 0) {
            platform::Line(dc, layout::PenOf(pen), left, y + 7, left + 40, y + 7);
        } else {
            // A damaged colour file's count is held to a few rows.
            const std::int32_t repeat = table ? table->entry[6].repeat : 0;  // packed: read by value
            const int count = std::clamp(repeat, 0, 10);
            dc.SelectObject(platform::Pen(pen.colour, 1, style));
            for (int k = 0; k < count; ++k)
                platform::Line(dc, left, y + 7 + k, left + 40, y + 7 + k);
        }
    }
    return 1;
}

void DrawScaleLegend(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(TextFont(plot));
    dc.SetTextAlign(kLeftTop);
    const HorzViewSettings& s = *plot.settings;
    constexpr int x0 = -38, y0 = 500;
    auto label = [&](int entry, const char* text, int y) {
        const layout::PenSpec& pen = plot.pens[std::size_t(entry)];
        dc.SelectObject(layout::PenOf(pen));
        dc.SetTextColor(pen.colour);
        dc.TextOut(x0 + 48, y, text);
    };
    label(layout::PEN_WELL_TRACK, "WELL TRACK", y0 + 150);
    platform::Line(dc, x0 + 150, y0 + 160, x0 + 190, y0 + 160);

    label(layout::PEN_RATES, "Rop", y0 + 170);
    platform::Line(dc, x0 + 150, y0 + 180, x0 + 190, y0 + 180);
    std::string rop;
    if (s.logRop)
        rop = platform::CFormat(" %s", ".1 to 100");
    else if (plot.options.ratesPerHour)
        rop = platform::CFormat(" %s to %d", "0", RatePerHourFullScale(plot.rateCode));
    else
        rop = platform::CFormat(" %s to %.1f", "0", double(RateFullScale(s.rateScale)));
    Text(dc, x0 + 200, y0 + 165, rop);

    label(layout::PEN_GAMMA, "Gamma", y0 + 190);
    platform::Line(dc, x0 + 150, y0 + 200, x0 + 190, y0 + 200);
    Text(dc, x0 + 200, y0 + 190,
         s.logGamma ? platform::CFormat(" %s", ".1 to 1000")
                    : platform::CFormat(" %s to %d", "0", GammaFullScale(s.gammaScale)));

    const bool sonic = plot.options.thirdCurve;
    if (sonic) {
        label(layout::PEN_SONIC, "Sonic", y0 + 210);
        Text(dc, x0 + 150, y0 + 210, platform::CFormat(" %s to %s", "-.1", ".3"));
    }
    if (plot.targetLoaded) {
        // Below "Sonic" when both are shown, so that neither covers the other.
        const int y = y0 + 210 + (sonic ? 20 : 0);
        label(layout::PEN_HORZ_TARGET, "Target", y);
        platform::Line(dc, x0 + 100, y + 10, x0 + 140, y + 10);
    }
}

}  // namespace horizontal
