#include "wits/chartdays.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "wits/chartview.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace wits {

namespace {

using platform::Whole;

}  // namespace

int MonthLength(int month, int year)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0)
        return 29;
    return kDays[std::clamp(month, 1, 12) - 1];
}

ChartDay StepDay(ChartDay d, int step)
{
    d.day += step;
    if (d.day > MonthLength(d.month, d.year)) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    } else if (d.day < 1) {
        if (--d.month < 1) {
            d.month = 12;
            --d.year;
        }
        d.day = MonthLength(d.month, d.year);
    }
    return d;
}

int ChartTimeZoneOffset(int setting, bool drilling)
{
    if (drilling || setting < -23 || setting > 24)
        return 0;
    return setting;
}

int SlotOfNow(const QTime& now, int offset)
{
    const int slot = (now.hour() + offset) * 600 + now.minute() * 10 + now.second() / 6;
    return std::clamp(slot, 0, kChartImageRows - 1);
}

int ViewIndexOfNow(const QTime& now, int offset)
{
    return std::max(0, SlotOfNow(now, offset) - 100);
}

DayDepthRange DepthRange(const wellfile::WITSRECORD* samples, int count)
{
    DayDepthRange r;
    for (int i = 10; i <= count - 11; ++i) {
        const int d = Whole(samples[i].holeDepth);
        if (d > 0 && (r.least == 0 || d < r.least))
            r.least = d;
        r.greatest = std::max(r.greatest, d);
    }
    return r;
}

std::optional<int> SampleAtDepth(const wellfile::WITSRECORD* samples, int count, int depth)
{
    const int n = std::min(count, kChartImageRows);
    for (int i = 0; i < n; ++i) {
        const int d = Whole(samples[i].holeDepth);
        if (d > depth)
            return std::nullopt;
        if (d == depth)
            return i;
    }
    return std::nullopt;
}

std::optional<int> FirstSampleAtOrPast(const wellfile::WITSRECORD* samples, int count, int depth)
{
    for (int i = 0; i < count; ++i)
        if (Whole(samples[i].holeDepth) >= depth - 2)
            return i;
    return std::nullopt;
}

std::optional<int> ShownSample(const wellfile::WITSRECORD* samples, int count, int index, bool useNow, int slotOfNow)
{
    if (count <= 0)
        return std::nullopt;
    int at = std::clamp(useNow ? slotOfNow : index - 1, 0, count - 1);
    for (int back = std::min(std::max(index, 0), 100); back > 0 && at > 0; --back) {
        if (samples[at].holeDepth > 0 || samples[at].bitDepth > 0)
            break;
        --at;
    }
    return at;
}

BottomState BottomStateOf(const wellfile::WITSRECORD& s)
{
    if (!(s.bitDepth > 0) || !(s.holeDepth > 0))
        return BottomState::NoData;
    const int bit = Whole(s.bitDepth);
    const int hole = Whole(s.holeDepth);
    if (bit == hole)
        return BottomState::OnBottom;
    return bit < hole ? BottomState::OffBottom : BottomState::Unknown;
}

const char kDataTableHeader[] =
    "  TIME    DATE     DEPTH   BIT DEPTH   ROP   WOB   RPM    PP   SPM1  SPM2  SPM3  TORQUE   FLOW PIT VOL    ";

QString DataTableLine(const wellfile::WITSRECORD& s)
{
    return QString::fromStdString(platform::CFormat(
        "%02d:%02d:%02d %d-%02d-%02d %-8.2f  %-8.2f   %-3.2f   %-4d  %-4d  %-4d  %-4d  %-4d  %-4d   %-4d    %-4d  %-5d",
        s.hour, s.minute, s.second, s.month, s.day, s.year, double(s.holeDepth), double(s.bitDepth), double(s.rop),
        s.wob, s.rpm, s.pumpPressure, s.spm1, s.spm2, s.spm3, s.torque, s.flow, Whole(s.pitVolume)));
}

std::optional<ChartDay> DayOfDailyFileName(const QString& fileName)
{
    static const QRegularExpression kSuffix(QStringLiteral("@(\\d{1,2})-(\\d{1,2})-(\\d{1,2})"));
    const QRegularExpressionMatch m = kSuffix.match(QFileInfo(fileName).fileName());
    if (!m.hasMatch())
        return std::nullopt;
    ChartDay d{2000 + m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > MonthLength(d.month, d.year))
        return std::nullopt;
    return d;
}

}  // namespace wits
