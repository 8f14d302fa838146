#include "drilling/draw/statusband.h"

#include "drilling/drillinghost.h"
#include "logview/draw/ppmscale.h"
#include "platform/draw/dc.h"

#include <algorithm>

namespace drilling {

namespace {

using platform::Dc;

// The view top lies within the first 100 units: the ppm scale stands below the band.
void PpmScale(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band)
{
    if (band.pens && g.viewTopDepth - g.fileFirstDepth < 100 && g.profile != 126) {
        logview::PpmScaleFlags flags;
        flags.drilling = true;
        logview::DrawPpmScale(dc, g, *band.pens, flags, 0, 0);
    }
}

// The band cleared to white inside a black frame.
void ClearBand(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band)
{
    dc.SelectObject(platform::Pen(kBlack));
    dc.SelectObject(platform::Brush(kWhite));
    dc.Rectangle(0, 0, BandRight(g, band), g.topMargin);
}

// The banner over the middle of the log; returns the x where its text ends.
int Banner(Dc& dc, const logview::ViewGeometry& g, const StatusFonts& fonts)
{
    const int middle = g.logWidth / 2, u = g.unitWidth;
    dc.SelectObject(platform::Pen(kBlack));
    dc.SelectObject(platform::Brush(kGreen));
    dc.Rectangle(middle - 9 * u, 4 * u, middle + 9 * u, 6 * u);
    const QString blanks(10, u' ');
    const QString text = blanks + QStringLiteral("DRILLING") + blanks;
    dc.SelectObject(fonts.status);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.TextOut(middle, 4 * u, text);
    return middle + dc.GetTextExtent(text).cx / 2;
}

void LogTitle(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts)
{
    dc.SelectObject(fonts.title);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_BOTTOM);
    dc.TextOut(g.logWidth / 2, 3 * g.rowHeight, band.logTitle);
}

// "<well>.svm  From <first> to <bottom> " on its baseline half a row above the top margin.
void FileLine(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts, int x,
              bool overOld = false)
{
    dc.SelectObject(fonts.title);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(overOld ? platform::OPAQUE : platform::TRANSPARENT);
    dc.SetBkColor(kWhite);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_BASELINE);
    dc.TextOut(x, g.topMargin - g.rowHeight / 2,
               QStringLiteral("%1.svm  From %2 to %3 ").arg(band.wellName).arg(g.fileFirstDepth).arg(g.fileLastDepth));
}

void StatusText(Dc& dc, const StatusFonts& fonts, int x, int y, const QString& text)
{
    dc.SelectObject(fonts.status);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(platform::OPAQUE);
    dc.SetBkColor(kWhite);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_BOTTOM);
    dc.TextOut(x, y, text);
}

void LinkLines(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts)
{
    if (band.witsLinkOn)
        DrawLinkStatus(dc, g, band.link, band.linkSuppressed, false, fonts);
    if (band.remoteUpdate)
        DrawRemoteUpdate(dc, g, band.screenWidth, false, fonts);
}

// A line in red, or in the Dc's background colour to blink it off.
void LinkText(Dc& dc, int x, int y, const QString& text, bool highlight, const StatusFonts& fonts, unsigned align)
{
    platform::KeepDcState keep(dc);
    dc.SelectObject(fonts.link);
    dc.SetBkMode(platform::OPAQUE);  // a shorter line covers the longer one it replaces
    dc.SetTextAlign(align | platform::TA_BASELINE);
    dc.SetTextColor(highlight ? dc.GetBkColor() : kRed);
    dc.TextOut(x, y, text);
}

}  // namespace

StatusFonts StatusFontsFor(int rowHeight)
{
    const QString arial = QStringLiteral("Arial");
    return {platform::Font(arial, -(rowHeight + 4), platform::FW_BOLD), platform::Font(arial, -(rowHeight + 6), platform::FW_BOLD),
            platform::Font(arial, -(rowHeight + 2), platform::FW_BOLD)};
}

QString LinkStatusText(const LinkLine& link)
{
    const QString blanks(10, u' ');
    switch (link.kind) {
    case LinkKind::Serial: return QStringLiteral(" Wits Running on Com %1").arg(link.port) + blanks;
    case LinkKind::TcpClient: return QStringLiteral(" Wits on TCP") + blanks;
    case LinkKind::TcpServer: return QStringLiteral(" Wits on TCP AS Server %1 ").arg(link.port);
    case LinkKind::None: break;
    }
    return QStringLiteral(" Wits ") + QString(8, u' ');
}

int BandRight(const logview::ViewGeometry& g, const StatusBand& band)
{
    return std::max(band.clientWidth - 1, g.logWidth - 1) + (band.strokes ? 3 * g.unitWidth : 0);
}

void DrawFileLine(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts)
{
    const platform::KeepDcState keep(dc);
    FileLine(dc, g, band, fonts, CompactStatusProfile(g.profile) ? g.gas.left : g.rate.left, true);
}

int DrawDrillingStatus(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts)
{
    PpmScale(dc, g, band);
    if (CompactStatusProfile(g.profile))
        return DrawDrillingStatusCompact(dc, g, band, fonts);
    int bannerEnd = 0;
    {
        platform::KeepDcState keep(dc);
        ClearBand(dc, g, band);
        StatusText(dc, fonts, int(g.rowHeight * 1.5), int(g.rowHeight * 7.6), QString::asprintf("M / Hr: %3d ", band.rate));
        FileLine(dc, g, band, fonts, g.rate.left);
        LogTitle(dc, g, band, fonts);
        bannerEnd = Banner(dc, g, fonts);
    }
    if (band.depthStatus)
        band.depthStatus();
    if (band.lagStatus)
        band.lagStatus();
    LinkLines(dc, g, band, fonts);
    return bannerEnd;
}

int DrawDrillingStatusCompact(Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts)
{
    int bannerEnd = 0;
    {
        platform::KeepDcState keep(dc);
        ClearBand(dc, g, band);
        StatusText(dc, fonts, int(g.unitWidth * 1.4), 3 * g.rowHeight, QString::asprintf("Depth: %5d ", g.fileLastDepth));
        StatusText(dc, fonts, int(g.rowHeight * 1.5), int(g.rowHeight * 7.6), QString::asprintf("M / Hr: %3d  ", band.rate));
        LogTitle(dc, g, band, fonts);
        FileLine(dc, g, band, fonts, g.gas.left);
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_BASELINE);
        dc.TextOut(g.rate.left, g.topMargin - g.rowHeight / 2, band.wellTitle.c_str(), int(band.wellTitle.size()));
        bannerEnd = Banner(dc, g, fonts);
    }
    if (band.lagStatus)
        band.lagStatus();
    LinkLines(dc, g, band, fonts);
    return bannerEnd;
}

int DrawLinkStatus(Dc& dc, const logview::ViewGeometry& g, const LinkLine& link, bool suppressed, bool highlight,
                   const StatusFonts& fonts)
{
    if (suppressed)
        return 0;
    LinkText(dc, g.gas.left, g.topMargin - 2 * g.rowHeight, LinkStatusText(link), highlight, fonts, platform::TA_LEFT);
    return 1;
}

int DrawRemoteUpdate(Dc& dc, const logview::ViewGeometry& g, int screenWidth, bool highlight, const StatusFonts& fonts)
{
    const int x = screenWidth > 1280 ? screenWidth / 4 : screenWidth / 2;
    LinkText(dc, x, g.topMargin - 2 * g.rowHeight, QStringLiteral(" Remote Update Running "), highlight, fonts,
             platform::TA_CENTER);
    return 1;
}

}  // namespace drilling
