#include "gasmon/chartview.h"

#include "app/scrolling.h"
#include "platform/gdi.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString WithSlash(QString folder)
{
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

}  // namespace

ChartGeometry ChartGeometryOf(int clientWidth, int clientHeight)
{
    ChartGeometry g;
    g.clientRight = clientWidth;
    g.clientBottom = clientHeight;
    const int right = std::max(clientWidth - 30, g.plotLeft);
    g.plotRight = right - (right - g.plotLeft) % 50;
    return g;
}

int FullScale(int scaleIndex) { return kChartFullScales[std::size_t(ChartScaleIndex(scaleIndex))]; }

int ChartScaleIndex(std::int32_t stored)
{
    return stored >= 0 && stored < int(kChartFullScales.size()) ? int(stored) : kDefaultChartScale;
}

double LinearPixelsPerUnit(const ChartGeometry& g, int scaleIndex)
{
    return double(g.PlotWidth()) / FullScale(scaleIndex);
}

int ValueX(const ChartGeometry& g, double value, int scaleIndex, bool logScale)
{
    double offset = 0;
    if (!logScale)
        offset = value * LinearPixelsPerUnit(g, scaleIndex);
    else if (value > 0)
        offset = g.PlotWidth() * std::log10(value) / 4;
    // A NaN reading lands at the left edge, a huge one at an edge.
    return std::clamp(g.plotLeft + platform::Trunc(offset), g.plotLeft, std::max(g.plotLeft, g.plotRight - 2));
}

int LogGridOffset(int plotWidth, int k)
{
    if (k <= 1)
        return 0;
    return int(std::trunc(plotWidth * std::log10(double(k)) / 4));
}

int ClampViewStart(long long s, int highest)
{
    return int(std::clamp<long long>(s, kViewStartLowest, highest));
}

int ViewStartOfNow(const QTime& now, int offsetHours)
{
    const long long slot = (now.hour() + offsetHours) * 1800LL + now.minute() * 30 + now.second() / 2;
    return ClampViewStart(slot - kChartWindowLength);
}

int ChartTimeOffset(int setting) { return setting < -24 || setting > 24 ? 0 : setting; }

int ScrollViewStart(std::span<const CHARTRECORD> day, int viewStart, int code, int thumbPosition, bool ctrl)
{
    const int line = ctrl ? 15 : 30;
    const int page = ctrl ? 30 : 150;
    long long s = viewStart;
    switch (code) {
    case app::SB_LINEUP: s += line; break;
    case app::SB_LINEDOWN: s -= line; break;
    case app::SB_PAGEUP: s += page; break;
    case app::SB_PAGEDOWN: s -= page; break;
    case app::SB_THUMBPOSITION: {
        s = kChartSlotsPerDay - (long long)thumbPosition + 10;
        // Back to the first sample of the depth there; the walk never goes below sample 1.
        auto depthAt = [&day](long long i) { return InDayArray(i) && i < (long long)day.size() ? day[std::size_t(i)].depth : 0; };
        if (s >= 1 && depthAt(s) != 0 && depthAt(s - 1) != 0) {
            while (s > 1 && depthAt(s) == depthAt(s - 1))
                --s;
        }
        s -= kChartWindowLength;
        break;
    }
    case app::SB_THUMBTRACK:
        return ClampViewStart(kChartSlotsPerDay - (long long)thumbPosition - kChartWindowLength, kThumbTrackHighest);
    default: return ClampViewStart(viewStart);
    }
    return ClampViewStart(s);
}

ChartDepthRange DepthRangeOf(std::span<const CHARTRECORD> day, int fileFirstDepth)
{
    ChartDepthRange range;
    const std::size_t end = std::min<std::size_t>(day.size(), 43100);
    bool found = false;
    for (std::size_t i = 0; i < end; ++i) {
        const int depth = day[i].depth;
        if (!found && depth > fileFirstDepth) {
            range.from = depth;
            found = true;
        }
        range.to = std::max(range.to, depth);
    }
    return range;
}

QString DepthRangeText(const ChartDepthRange& range)
{
    return Text(platform::CFormat("From %d To %d ", range.from, range.to));
}

QString TopSampleTimeText(const CHARTRECORD& r, int year)
{
    return Text(platform::CFormat("%d:%02d:%02d %d/%d/%02d", r.hour, r.minute, r.second, r.month, r.day, year - 2000));
}

QString GasReadoutText(float value) { return Text(platform::CFormat("%5.2f", double(value))); }

QString TextViewHeading()
{
    return QStringLiteral("LagDepth Depth  HW Chrom   Day  Hour  Min  Sec  Index AlutTime Notes");
}

QString TextViewLine(const CHARTRECORD& r)
{
    using platform::Whole;
    const std::string note = platform::FieldText(r.note);
    return Text(platform::CFormat("%-5d     %-5d %-5d %-5d%-2d    %-2d   %-2d   %-2d    %-2d    %2d %s", r.lagDepth,
                                  r.depth, Whole(r.hotWire), Whole(r.chromat), r.day, r.hour, r.minute, r.second,
                                  r.index, r.channel4, note.c_str()));
}

QStringList TextViewLines(std::span<const CHARTRECORD> day, int viewStart)
{
    QStringList lines;
    const long long top = (long long)viewStart + kChartWindowLength;
    for (long long i = top; i > top - 100; --i) {
        if (InDayArray(i) && i < (long long)day.size())
            lines << TextViewLine(day[std::size_t(i)]);
    }
    return lines;
}

QString RetentionTimesText(const std::array<std::int32_t, 8>& t)
{
    return Text(platform::CFormat("C1 %d sec   C2 %d sec  C3 %d sec  IC4 %d sec  NC4 %d sec ", t[1], t[2], t[3], t[4],
                                  t[5]));
}

QString ChartFolderFor(const QString& dataFolder, const QString& currentFolder)
{
    const QString data = WithSlash(dataFolder);
    const QString current = WithSlash(currentFolder);
    const QString own = data + QStringLiteral("chart/");
    if (current.isEmpty() || current.compare(data, Qt::CaseInsensitive) == 0)
        return own;
    const QString bare = current.chopped(1);
    const int cut = bare.lastIndexOf(QLatin1Char('/'));
    const QString parent = bare.left(cut + 1);
    const QString name = bare.mid(cut + 1);
    const int remote = name.toUpper().indexOf(QStringLiteral("REMOTE"));
    if (remote < 0)
        return bare + QStringLiteral("_chart/");
    for (int i = remote + 6; i < name.size(); ++i) {
        if (name[i].isDigit())
            return parent + QStringLiteral("chart") + name.mid(i) + QLatin1Char('/');
    }
    return own;
}

bool TakeSample(std::span<CHARTRECORD> day, const CHARTRECORD& s)
{
    const std::uint32_t slot = s.recordNumber;
    if (slot >= day.size() || !InDayArray(slot))
        return false;
    CHARTRECORD& r = day[slot];
    r.depth = s.depth;
    r.lagDepth = s.lagDepth;
    r.hotWire = s.hotWire;
    r.chromat = s.chromat;
    r.index = s.index;
    r.recordNumber = s.recordNumber;
    r.cycleEnd = s.cycleEnd;
    r.channel4 = s.channel4;
    return true;
}

int StoredChartTop(int chartTop, int mainTop) { return chartTop <= mainTop || chartTop < 0 ? mainTop + 4 : chartTop; }

}  // namespace gasmon
