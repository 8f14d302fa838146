#include "horizontal/horzsections.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <cstdlib>
#include <cstring>

namespace horizontal {
namespace {

// Index of the last record before the depth-0 end; -1 when there is none.
qsizetype LastIndex(SurveyRecords records)
{
    qsizetype i = 0;
    while (i < qsizetype(records.size()) && records[std::size_t(i)].depth != 0)
        ++i;
    return i - 1;
}

}  // namespace

int LeadingSectionCount(const wellfile::HorzSection (&sections)[kMaxSections])
{
    int n = 0;
    while (n < kMaxSections && sections[n].startMd != 0)
        ++n;
    return n;
}

void SnapFirstStart(wellfile::HorzSection& first, SurveyRecords records)
{
    const std::int32_t x = std::int32_t(first.startMd);
    const qsizetype last = LastIndex(records);
    qsizetype at = 0;
    while (at <= last && records[std::size_t(at)].depth < x)
        ++at;
    if (at > last || records[std::size_t(at)].tvd > 0)
        return;
    qsizetype before = at - 1, after = at + 1;
    while (before >= 0 && records[std::size_t(before)].tvd == 0)
        --before;
    while (after <= last && records[std::size_t(after)].tvd == 0)
        ++after;
    if (before < 0 || after > last)
        return;
    const std::int32_t up = records[std::size_t(before)].depth, down = records[std::size_t(after)].depth;
    first.startMd = float(std::abs(x - up) <= std::abs(down - x) ? up : down);
}

QStringList SurveyLines(SurveyRecords records, std::int32_t* lastDepth)
{
    const qsizetype last = LastIndex(records);
    if (lastDepth)
        *lastDepth = last >= 0 ? records[std::size_t(last)].depth : 0;
    qsizetype inclined = 0;
    while (inclined <= last && !(records[std::size_t(inclined)].inclination > 0))
        ++inclined;
    const qsizetype stop = inclined <= last ? inclined : -1;  // no inclined record: down to the first
    QStringList lines;
    for (qsizetype i = last; i > stop; --i) {
        const wellfile::RECORD& r = records[std::size_t(i)];
        if (r.tvd > 0)
            lines << QString::asprintf("MD :%d TVD :%.2f INCL %.2f", r.depth, double(r.tvd), double(r.inclination));
    }
    return lines;
}

SurveyTvdRange TvdRangeFrom(SurveyRecords records, std::int32_t depth)
{
    const qsizetype last = LastIndex(records);
    qsizetype i = 0;
    while (i <= last && (records[std::size_t(i)].depth < depth || records[std::size_t(i)].tvd == 0))
        ++i;
    SurveyTvdRange range;
    for (; i <= last; ++i) {
        const float tvd = records[std::size_t(i)].tvd;
        if (tvd > 0 && (range.least == 0 || tvd < range.least))
            range.least = tvd;
        if (tvd > range.greatest)
            range.greatest = tvd;
    }
    return range;
}

SectionFields FieldsOf(const wellfile::HorzSection& s)
{
    return {QString::asprintf("%.0f", double(s.startMd)), QString::asprintf("%.0f", double(s.endMd)),
            QString::asprintf("%.0f", double(s.startTvd)), QString::asprintf("%.0f", double(s.endTvd)),
            QString::asprintf("%.2f", double(s.dip))};
}

bool StartNewSection(SectionEditor& e, const QString& line, SectionFields& fields)
{
    if (!e.pending) {
        if (e.count >= kMaxSections)
            return false;
        e.current = e.count++;
        e.pending = true;
        e.sections[e.current] = wellfile::HorzSection{};
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    fields.startMd = QString::number(platform::LeadingInt(colon < 0 ? QString() : line.mid(colon + 1)));
    if (e.current > 0) {
        const wellfile::HorzSection& before = e.sections[e.current - 1];
        fields.dip = QString::asprintf("%.2f", double(before.dip));
        fields.startTvd = QString::asprintf("%.0f", double(before.startTvd));
        fields.endTvd = QString::asprintf("%.0f", double(before.endTvd));
    }
    return true;
}

bool SaveSection(SectionEditor& e, const SectionFields& fields)
{
    if (e.count == 0)
        return false;
    wellfile::HorzSection& s = e.sections[e.current];
    s.startMd = float(platform::LeadingDouble(fields.startMd));
    s.startTvd = float(platform::LeadingDouble(fields.startTvd));
    s.endMd = float(platform::LeadingDouble(fields.endMd));
    s.endTvd = float(platform::LeadingDouble(fields.endTvd));
    s.dip = float(platform::LeadingDouble(fields.dip));
    if (e.current > 0)
        e.sections[e.current - 1].endMd = s.startMd;
    e.pending = false;
    return true;
}

bool DeleteSection(SectionEditor& e)
{
    if (e.count == 0 || e.current == 0)
        return false;
    if (e.current == e.count - 1) {
        e.sections[e.current] = wellfile::HorzSection{};
        --e.count;
        e.sections[e.count - 1].endMd = float(e.lastDepth);
        e.pending = false;
    } else {
        for (int i = e.current; i < e.count - 1; ++i)
            e.sections[i] = e.sections[i + 1];
        --e.count;
        for (int i = e.count; i < kMaxSections; ++i)
            e.sections[i] = wellfile::HorzSection{};
    }
    e.current = e.current - 1;
    return true;
}

bool StepSection(SectionEditor& e, int step)
{
    if (e.count == 0)
        return false;
    e.current += step;
    if (e.current >= e.count) {
        e.current = 0;
        return true;
    }
    if (e.current < 0) {
        e.current = e.count - 1;
        return true;
    }
    return false;
}

int SavedCount(const SectionEditor& e) { return e.pending ? e.count - 1 : e.count; }

QString TopLabel(const wellfile::TOPSEX& top)
{
    QString label = platform::FieldString(top.menuName);
    if (label.isEmpty())
        label = platform::FieldString(top.text);
    return label.isEmpty() ? QStringLiteral("no label") : label;
}

int FirstSelectedTop(const std::vector<wellfile::TOPSEX>& tops)
{
    for (std::size_t i = 1; i < tops.size(); ++i) {
        const std::int32_t drawn = tops[i].drawOnHorizontal;
        if (drawn > 0)
            return int(i);
    }
    return 0;
}

}  // namespace horizontal
