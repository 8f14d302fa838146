#include "reports/dailyreport.h"

#include "logview/readouts.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "reports/reportfields.h"
#include "wellfile/datafile.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace reports {

namespace {

// Which rows a memo near a record puts the record into, or keeps it out of.
struct MemoMarks {
    bool connection = false;  // "CG", "SVY", "DTG", "SG": the connection row
    bool trip = false;        // "TG..." or "TRIP": the trip row
    bool excluded = false;    // any mark keeps the record out of the formation row and the background
};

MemoMarks MarksOf(const wellfile::SVMEMO& memo)
{
    std::string head = platform::FieldText(memo.text).substr(0, 10);
    std::transform(head.begin(), head.end(), head.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    const auto has = [&head](const char* s) { return head.find(s) != std::string::npos; };
    MemoMarks m;
    m.connection = has("CG") || has("SVY") || has("DTG") || has("SG");
    m.trip = head.rfind("TG", 0) == 0 || has("TRIP");
    m.excluded = m.connection || m.trip || has("TT") || has("TRAP") || has("CLT");
    return m;
}

void CopyRow(float (&to)[7], const float (&from)[7])
{
    for (int i = 0; i < 7; ++i)
        to[i] = from[i];
}

void CombineIc4Nc4(float (&row)[7])
{
    row[4] += row[5];
    row[5] = 0;
}

template <std::size_t N>
void CopyText(char (&to)[N], const char* from, std::size_t width, std::size_t maxChars = N - 1)
{
    wellfile::SetReportText(to, platform::FieldText(from, width), maxChars);
}

}  // namespace

std::string ReportTimeText(const QTime& time)
{
    const int hour = time.hour();
    const int h12 = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
    return platform::CFormat("%2d:%02d %s", h12, time.minute(), hour < 12 ? "AM" : "PM");
}

std::string ReportDateText(const QDate& date)
{
    return platform::CFormat("%2d-%d-%4d", date.month(), date.day(), date.year());
}

int GasWindow(std::int32_t rate)
{
    if (rate >= 1 && rate <= 20)
        return 20;
    if (rate >= 1 && rate <= 50)
        return 50;
    return 100;
}

void ScanGas(wellfile::REPORTEX& r, std::int32_t from, ReportWell& well, const DrillingNow& drilling)
{
    wellfile::OpenWell& f = well.file;
    const int step = std::max(1, f.depthStep);
    const int index = (from - f.fileTopDepth) / step;
    const int count = (f.fileBottomDepth - from) / step + 1;
    if (index < 0 || count <= 0)
        return;
    std::vector<wellfile::RECORD> records(std::size_t(count) + 1);
    const int read = wellfile::ReadRecords(f, records, f.dataFileName, index, count);

    const int window = GasWindow(drilling.rate);
    const float lagDepth = drilling.drilling ? drilling.lagDepth : 0.f;
    float sums[7] = {};
    int counted = 0;
    bool lithologySet = false;
    for (int i = 0; i < read; ++i) {
        const wellfile::RECORD& rec = records[std::size_t(i)];
        if (rec.depth == 0)  // the end of the records
            break;
        float gas[7];
        for (int g = 0; g < 7; ++g)
            gas[g] = std::fabs(rec.gas[g]);

        MemoMarks marks;
        for (const wellfile::SVMEMO& memo : well.memos) {
            const std::int32_t below = memo.depth - rec.depth;
            if (memo.depth == 0 || below < -2 || below > (i == 0 ? 4 : 2))
                continue;
            const MemoMarks m = MarksOf(memo);
            marks.connection |= m.connection;
            marks.trip |= m.trip;
            marks.excluded |= m.excluded;
        }
        if (marks.connection && gas[0] > r.connectionGas[0]) {
            CopyRow(r.connectionGas, gas);
            r.connectionGasDepth = float(rec.depth);
        }
        if (marks.trip && gas[0] > r.tripGas[0])
            for (int g = 0; g < 7; ++g)
                r.tripGas[g] = std::trunc(gas[g]);
        if (!marks.excluded && gas[0] > r.formationGas[0]) {
            CopyRow(r.formationGas, gas);
            r.formationGasDepth = rec.depth;
        }
        if (lagDepth != 0) {
            if (!marks.excluded && rec.depth > lagDepth - float(window) && rec.depth < lagDepth) {
                for (int g = 0; g < 7; ++g)
                    sums[g] += gas[g];
                if (gas[0] > 0)
                    ++counted;
            }
            // The cuttings at the surface now: the first record at or past the lag depth.
            const std::string lith = platform::FieldText(rec.lith);
            if (!lithologySet && rec.depth >= lagDepth && float(f.fileTopDepth + 20) < lagDepth &&
                QString::fromLatin1(lith.c_str()).compare(QStringLiteral("100BL"), Qt::CaseInsensitive) != 0) {
                const std::string text = logview::BuildLithText(rec.lith);
                wellfile::SetReportText(r.lithology[0],
                              platform::CFormat("%s at %d ", text.c_str(), int(lagDepth)), 79);
                lithologySet = true;
            }
        }
        if (rec.tvd > 0)
            wellfile::SetReportText(r.survey,
                          platform::CFormat("MD %d' TVD %.1f' AZM %.1f INCL %.1f", rec.depth, double(rec.tvd),
                                            double(rec.azimuth), double(rec.inclination)),
                          79);
    }
    if (counted > 0)
        for (int g = 0; g < 7; ++g)
            r.backgroundGas[g] = sums[g];
    if (well.combineIc4Nc4) {
        CombineIc4Nc4(r.backgroundGas);
        CombineIc4Nc4(r.formationGas);
        CombineIc4Nc4(r.connectionGas);
        CombineIc4Nc4(r.tripGas);
    }
    if (counted > 0)
        for (float& v : r.backgroundGas)
            v /= float(counted);
}

int NewReport(std::vector<wellfile::REPORTEX>& reports, int& count, ReportWell& well, const DrillingNow& drilling,
              const QDateTime& now)
{
    const wellfile::OpenWell& f = well.file;
    const int index = std::max(count, 0);
    if (reports.size() < std::size_t(index) + 2)
        reports.resize(std::size_t(index) + 2);
    wellfile::REPORTEX& r = reports[std::size_t(index)];
    r = wellfile::REPORTEX{};
    wellfile::SetReportText(r.date, ReportDateText(now.date()));
    wellfile::SetReportText(r.time, ReportTimeText(now.time()));
    const std::string date = platform::FieldText(r.date);
    r.depth = float(f.fileBottomDepth);
    std::int32_t scanFrom = 0;
    bool scan = false;
    if (index == 0) {
        r.number = 1;
        r.dayNumber = DayCount(well.spudDate, date, now.date());
        r.daysLogging = 1;
        r.footage = float(f.fileBottomDepth - f.fileTopDepth);
        scanFrom = f.fileTopDepth + 20;
        scan = scanFrom < f.fileBottomDepth;
    } else {
        const wellfile::REPORTEX& p = reports[std::size_t(index) - 1];
        r.number = p.number + 1;
        r.dayNumber = DayCount(well.spudDate, date, now.date());
        r.daysLogging = DayCount(well.startLogging, date, now.date());
        r.estimatedTd = p.estimatedTd;
        r.footage = std::max(0.f, r.depth - p.depth);
        wellfile::CopyReportText(r.formation, p.formation, 39);
        wellfile::CopyReportText(r.nextTop, p.nextTop, 39);
        wellfile::CopyReportText(r.survey, p.survey, 79);
        wellfile::CopyReportText(r.unitPhone, p.unitPhone);
        wellfile::CopyReportText(r.mudWeight, p.mudWeight);
        wellfile::CopyReportText(r.viscosity, p.viscosity);
        wellfile::CopyReportText(r.ph, p.ph);
        wellfile::CopyReportText(r.filtrate, p.filtrate);
        wellfile::CopyReportText(r.filterCake, p.filterCake);
        wellfile::CopyReportText(r.chlorides, p.chlorides);
        r.mudSampleDepth = p.mudSampleDepth;
        r.yieldPoint = p.yieldPoint;
        r.plasticViscosity = p.plasticViscosity;
        wellfile::CopyReportText(r.gels, p.gels);
        wellfile::CopyReportText(r.hthpFiltrate, p.hthpFiltrate);
        r.pm = p.pm;
        r.mf = p.mf;
        wellfile::CopyReportText(r.calcium, p.calcium);
        r.sand = p.sand;
        r.oil = p.oil;
        r.water = p.water;
        wellfile::CopyReportText(r.oilWaterRatio, p.oilWaterRatio);
        r.electricalStability = p.electricalStability;
        r.calciumChloride = p.calciumChloride;
        r.salt = p.salt;
        r.excessLime = p.excessLime;
        r.lostCirculation = p.lostCirculation;
        r.totalCost = p.totalCost;
        r.dailyCost = 0;
        wellfile::CopyReportText(r.weightOnBit, p.weightOnBit);
        r.rpm = p.rpm;
        r.spm = p.spm;
        r.pumpPressure = p.pumpPressure;
        wellfile::SetReportText(r.presentOperations, "drilling", 39);
        scanFrom = std::int32_t(p.depth);
        scan = f.fileTopDepth + 20 <= scanFrom && scanFrom < f.fileBottomDepth - 10;
    }
    if (drilling.drilling)
        r.lag = drilling.lagByStrokes ? drilling.lagStrokes : drilling.lagMinutes;
    if (scan)
        ScanGas(r, scanFrom, well, drilling);
    count = index + 1;
    return index;
}

std::optional<int> StepReport(int index, int count, bool forward, bool ctrl)
{
    if (forward) {
        if (index + 1 >= count)
            return std::nullopt;
        return ctrl && index + 5 < count ? index + 5 : index + 1;
    }
    if (index <= 0)
        return std::nullopt;
    return ctrl && index >= 6 ? index - 5 : index - 1;
}

std::optional<int> RequestedReport(std::span<const wellfile::REPORTEX> reports, int count, int number)
{
    count = std::min<int>(count, int(reports.size()));
    if (number <= 0 || number > count)
        return std::nullopt;
    int index = number - 1;
    while (index + 1 < count && std::fabs(reports[std::size_t(index) + 1].depth - reports[std::size_t(index)].depth) < 2)
        ++index;
    return index;
}

int DeleteReport(std::vector<wellfile::REPORTEX>& reports, int& count, int index)
{
    if (index < 0 || index >= count)
        return index;
    reports.erase(reports.begin() + index);
    reports.push_back(wellfile::REPORTEX{});
    --count;
    for (int i = 0; i < count; ++i)
        reports[std::size_t(i)].number = i + 1;
    return std::min(index, count - 1);
}

std::string AverageRateText(std::int32_t footage, float hours)
{
    if (!(hours > 0))
        return {};
    return platform::CFormat("%3.1f", double(float(footage) / hours));
}

bool StoreMudWeight(wellfile::OpenWell& file, float depth, const char (&mudWeight)[6])
{
    const std::string text = platform::FieldText(mudWeight);
    if (text.empty())
        return false;
    const int index = (int(depth) - file.fileTopDepth) / std::max(1, file.depthStep);
    const float weight = LeadingFloat(text);
    if (index <= 25 || !(weight > 0) || weight > 20)
        return false;
    // Only a record the file holds: the record is read whole before it is changed.
    if (index >= wellfile::RecordsInDataFile(file.dataFileName))
        return false;
    std::vector<wellfile::RECORD> record(2);
    if (wellfile::ReadRecords(file, record, file.dataFileName, index, 1) != 1 || record[0].depth == 0)
        return false;
    record[0].mudWeightOut = weight;
    return wellfile::SaveRecords(file, record, file.dataFileName, index, 1) == 1;
}

bool AppendShortReport(const QString& path, const wellfile::REPORTEX& r)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        platform::MessageBox(QStringLiteral("File Error"), QStringLiteral("Report"));
        return false;
    }
    // A torn last record is left behind: the new one starts at a whole-record boundary.
    const qint64 whole = file.size() / wellfile::kShortReportSize;
    wellfile::QREPORT q;
    // A record of its own has today's slot numbers; a copy keeps its source's, and their mark with them.
    q.slotsConverted = 1;
    if (whole > 0) {
        file.seek((whole - 1) * wellfile::kShortReportSize);
        if (file.read(reinterpret_cast<char*>(&q), wellfile::kShortReportSize) != wellfile::kShortReportSize) {
            q = wellfile::QREPORT{};
            q.slotsConverted = 1;
        }
    }
    q.depth = platform::Whole(r.depth);
    q.type = 0;
    CopyText(q.wob, r.weightOnBit, sizeof r.weightOnBit);
    wellfile::SetReportText(q.rpm, platform::CFormat("%d", int(r.rpm)));
    wellfile::SetReportText(q.pumpPressure, platform::CFormat("%d", int(r.pumpPressure)));
    wellfile::SetReportText(q.spm, platform::CFormat("%d", int(r.spm)));
    CopyText(q.weightOut, r.mudWeight, sizeof r.mudWeight);
    CopyText(q.vis, r.viscosity, sizeof r.viscosity);
    CopyText(q.ph, r.ph, sizeof r.ph);
    CopyText(q.filtrate, r.filtrate, sizeof r.filtrate);
    CopyText(q.chlorides, r.chlorides, sizeof r.chlorides);
    CopyText(q.solids, r.solids, sizeof r.solids);
    CopyText(q.filterCake, r.filterCake, sizeof r.filterCake);
    wellfile::SetReportText(q.yp, platform::CFormat("%d", int(r.yieldPoint)));
    wellfile::SetReportText(q.pv, platform::CFormat("%d", int(r.plasticViscosity)));
    const bool written = file.seek(whole * wellfile::kShortReportSize) &&
                         file.write(reinterpret_cast<const char*>(&q), wellfile::kShortReportSize) == wellfile::kShortReportSize &&
                         file.flush();
    if (!written) {
        file.resize(whole * wellfile::kShortReportSize);
        platform::MessageBox(QStringLiteral("File Error"), QStringLiteral("Report"));
    } else {
        file.close();
        wellfile::TellSavedFile(path);  // published with live update on
    }
    return written;
}

}  // namespace reports
