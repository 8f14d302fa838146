#include "logview/draw/titlerow.h"

#include "logview/draw/neighbourpainters.h"
#include "logview/draw/ppmscale.h"
#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <QFileInfo>

#include <algorithm>

namespace logview {

namespace {

using platform::COLORREF;
using platform::Font;
using platform::RGB;

using platform::Trunc;

struct Band {
    platform::Dc& dc;
    const ViewGeometry& g;
    const TitleRow& in;

    void Text(int x, int y, const QString& text) { dc.TextOut(x, y, text); }

    // The well title's x: beside the descriptions for some companies, else centred on the log.
    int WellTitleX() const
    {
        const int U = g.unitWidth;
        if (wellfile::ChromatographProfile(g.profile) && (g.profile != 88 || !in.showColumn))
            return g.description.left + 12 * U;
        if (!in.rightEdgeDepth)
            return in.tallTitle ? g.rate.Right() + 20 * U : g.logWidth / 2;
        return g.logWidth / 2 - 15 * U;
    }

    void FileLines()
    {
        const int R = g.rowHeight;
        const int x = Trunc(1.4 * g.unitWidth);
        const int y0 = in.tallTitle ? 5 * R : R;
        Text(x, y0, QStringLiteral(" FILE: %1%2  ").arg(in.wellName.toUpper(), QStringLiteral(".SVM")));
        const std::string range =
            in.tvdFile ? platform::CFormat(" FROM %d  TO %d TVD  KB=%5.1f", g.fileFirstDepth, g.fileLastDepth, double(in.kb))
                       : platform::CFormat(" FROM %d  TO %d  KB=%5.1f ", g.fileFirstDepth, g.fileLastDepth, double(in.kb));
        dc.TextOut(x, y0 + 2 * R, range.c_str(), int(range.size()));
        if (in.curves && !in.importedCurves) {
            const QFileInfo file(in.curves->path);
            Text(x, y0 + 4 * R, QStringLiteral(" CURVE FILE: %1 ").arg(file.fileName().toUpper()));
            const std::string curveRange = platform::CFormat(" FROM %d  TO %d  Kb=%5.1f", in.curves->firstDepth,
                                                             in.curves->lastDepth, double(in.curves->kb));
            dc.TextOut(x, y0 + 6 * R, curveRange.c_str(), int(curveRange.size()));
        }
    }

    void ShowTitles(int y)
    {
        const int U = g.unitWidth;
        if (g.porosity.count > 0)
            Text(g.porosity.left + U - 5, y, QStringLiteral(" POR "));
        if (g.fluorescence.count > 0) {
            if (g.profile == 116)
                Text(g.fluorescence.left + 2 * U, y, QStringLiteral(" OIL  "));
            else
                Text(Trunc(g.fluorescence.left + 1.5 * U), y, QStringLiteral(" FLU "));
        }
        if (g.Flag(layout::FLAG_INTERPRETED_LITH) && g.hardness.count > 0)
            Text(Trunc(g.hardness.left + 1.5 * U), y, in.hardnessLabel ? QStringLiteral(" HD ") : QStringLiteral(" CA "));
        if (g.cut.count > 0) {
            if (g.profile == 115 || (g.profile == 88 && in.showColumn))
                Text(g.cut.left + 2 * U, y, QStringLiteral(" SHOW  "));
            else if (g.profile == 116)
                Text(g.cut.left + 2 * U, y, QStringLiteral(" GAS  "));
            else
                Text(Trunc(g.cut.left + 1.5 * U), y, QStringLiteral(" CUT "));
        }
    }

    void GasTitles(int y)
    {
        const int gasMiddle = (g.gas.left + g.gasRight) / 2;
        if (g.profile == 88 && !in.descriptionLayout) {
            Text((g.description.left + g.description.Right()) / 2, y, QStringLiteral(" DESCRIPTIONS "));
            Text((g.gas.left + g.gasMiddleX) / 2, y, QStringLiteral(" TOT GAS UNITS "));
            Text((g.gasMiddleX + g.gasRight) / 2, y, QStringLiteral(" CHROMATOGRAPH "));
        } else if (g.profile == 88) {
            Text(gasMiddle, y, QStringLiteral(" DESCRIPTIONS "));
            Text(gasMiddle, y, QStringLiteral(" Total Gas / Chromatograph "));
        } else {
            Text(gasMiddle, y, QStringLiteral(" GAS UNITS "));
        }
        if (in.gasDescription)
            Text((g.description.left + g.gas.left) / 2, y, QStringLiteral(" GAS % OF TOTAL "));
    }

    void ColumnTitles()
    {
        const int R = g.rowHeight, U = g.unitWidth;
        const bool surveyFont = in.alternateDepthStyle && !wellfile::FeetFormatProfile(g.profile);
        const platform::KeepDcState keep(dc);
        dc.SelectObject(Font::FromLogFont(surveyFont ? g.fonts.surveyBlock : g.fonts.smallLog));
        const int y = Trunc(g.topMargin - 0.5 * R);
        Text((g.rate.left + g.rate.Right()) / 2, y, RateTitle(g).toUpper());
        if (g.Flag(layout::FLAG_LITHOLOGY))
            Text(Trunc(g.lithology.left + 4.5 * U), y, QStringLiteral(" LITHOLOGY "));
        if (g.Flag(layout::FLAG_SHOWS) && !wellfile::NoShowTitlesProfile(g.profile))
            ShowTitles(y);
        if (g.Flag(layout::FLAG_GAS))
            GasTitles(y);
    }
};

}  // namespace

QString RateTitle(const ViewGeometry& g)
{
    if (g.options.ratePerHour)
        return QStringLiteral(" ROP M/Hr ");
    return g.scaleIndex == 3 ? QStringLiteral(" ROP Min/5 M ") : QStringLiteral(" ROP Min/M ");
}

void DrawTrackTitles(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const TitleRow& in,
                     NeighbourPainters& painters, platform::RECT& titleRect)
{
    if (in.imageRender) {
        titleRect = DrawLogHeaderPage(dc, g, pens, in.headerPage, painters);
        return;
    }
    if (in.drilling) {
        const Device screen = Device::Screen();
        painters.DrawDrillingStatus({dc, g, screen});
        return;
    }

    const platform::KeepDcState keep(dc);
    const layout::PenEntry& headerText = pens.table.entry[layout::PEN_HEADER_TEXT];
    dc.SetBkMode(headerText.transparent ? platform::TRANSPARENT : platform::OPAQUE);
    const int R = g.rowHeight;

    // The band starts from the window's background, as after an erase: the drilling status band (it
    // reaches the window's left edge, which this band leaves out) leaves nothing behind.
    const int across = dc.Image() ? dc.Image()->width() : std::max(in.clientWidth, g.logWidth);
    dc.FillRect({g.horizontalScroll, 0, g.horizontalScroll + across, g.topMargin}, platform::Brush(RGB(255, 255, 255)));
    titleRect = {1, 0, std::max(in.clientWidth - 1, g.logWidth - 1), g.topMargin};
    if (!in.noPanelBrush)
        dc.SelectObject(platform::Brush(RGB(220, 220, 220)));
    dc.Rectangle(titleRect);

    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetTextColor(platform::ResolveColor(headerText.colour));
    if (!in.importedCurves)
        dc.SelectObject(Font::FromLogFont(in.curves || g.profile == 66 ? g.fonts.smallLog : g.fonts.title));

    Band band{dc, g, in};
    band.FileLines();

    dc.SetTextAlign(platform::TA_CENTER | platform::TA_BASELINE);
    const std::string& title = in.wellTitle;
    const bool legendShown = g.Flag(layout::FLAG_LITHOLOGY) && in.lithLegend;
    int titleX = band.WellTitleX();
    // The legend fills the band from the descriptions' left edge on: the title stands left of it.
    if (const int half = dc.GetTextExtent(title.c_str(), int(title.size())).cx / 2 + 1;
        legendShown && titleX + half > g.description.left - g.unitWidth)
        titleX = g.description.left - g.unitWidth - half;
    dc.TextOut(titleX, in.tallTitle ? 8 * R : 2 * R, title.c_str(), int(title.size()));
    band.ColumnTitles();

    if (g.Flag(layout::FLAG_GAS) && !in.importedCurves && g.profile != 131 && g.profile != 126)
        DrawPpmScale(dc, g, pens, PpmScaleFlags{}, 0, 0);
    if (legendShown) {
        LithLegendFlags legend;
        legend.oneBitImage = in.oneBitImage;
        legend.colourPrinting = in.colourPrinting;
        legend.customTracksShown = in.customTracksShown;
        DrawLithLegend(dc, g, pens, legend, g.description.left, 2 * R);
    }

    dc.SelectObject(keep.KeptFont());
    dc.SetBkMode(keep.KeptBkMode());
    dc.SelectObject(keep.KeptBrush());
    dc.SelectObject(keep.KeptPen());

    if (in.flareScale) {
        // The two scale heads close the flare column's right end, one above the other on the band's
        // last rows: under the gas legend (its eight lines end 9 R + 35 down) and right of " GAS UNITS ".
        const platform::KeepDcState keepAlign(dc);
        dc.SetTextAlign(platform::TA_RIGHT | platform::TA_BOTTOM);
        const int right = std::max(in.flareLeft, g.gasRight - 2);
        const int line = dc.GetTextExtent("<", 1).cy;
        dc.SetTextColor(RGB(255, 0, 0));
        dc.TextOut(right, g.topMargin - 2 - line, "<0  flare  50>");
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(right, g.topMargin - 2, "<500  AP   0>");
    }
    if (in.remoteMonitor) {
        const platform::KeepDcState keepFont(dc);
        dc.SelectObject(Font::FromLogFont(g.fonts.surveyBlock));
        dc.SetTextColor(RGB(255, 0, 0));
        dc.TextOut(g.logWidth / 2, g.topMargin - 4 * R, " Remote Monitor Running ");
    }
}

}  // namespace logview
