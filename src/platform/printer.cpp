#include "platform/printer.h"

#include <QRegularExpression>

namespace platform {

int PrinterInfo::DeviceCaps(int index) const
{
    switch (index) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case HORZSIZE: return dpiX > 0 ? int(printableWidth * 254L / (dpiX * 10L)) : 0;
    case VERTSIZE: return dpiY > 0 ? int(printableHeight * 254L / (dpiY * 10L)) : 0;
    case HORZRES: return printableWidth;
    case VERTRES: return printableHeight;
    case BITSPIXEL: return color == DMCOLOR_COLOR ? 24 : 1;
    case PLANES: return 1;
    case LOGPIXELSX: return dpiX;
    case LOGPIXELSY: return dpiY;
    case PHYSICALWIDTH: return physicalWidth;
    case PHYSICALHEIGHT: return physicalHeight;
    case PHYSICALOFFSETX: return offsetX;
    case PHYSICALOFFSETY: return offsetY;
    default: return 0;
    }
}

QSizeF CutSheetPaper(const QLocale& locale)
{
    constexpr double kPointsPerMm = kPointsPerInch / 25.4;
    if (locale.measurementSystem() == QLocale::MetricSystem)
        return {210 * kPointsPerMm, 297 * kPointsPerMm};  // A4
    return {8.5 * kPointsPerInch, 11 * kPointsPerInch};   // US Letter
}

bool IsContinuousPaper(const PageSetup& page) { return page.paper.width() > page.paper.height(); }

QString PortForDeviceUri(const QString& uri)
{
    static const QRegularExpression parallel(QStringLiteral("^parallel:/dev/lp(\\d{1,3})$"));
    const QRegularExpressionMatch m = parallel.match(uri);
    if (m.hasMatch())
        return QStringLiteral("LPT") + QString::number(m.captured(1).toInt() + 1);
    return uri;
}

}  // namespace platform
