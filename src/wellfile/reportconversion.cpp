#include "wellfile/reportconversion.h"

#include "platform/services.h"
#include "wellfile/reporttext.h"
#include "wellfile/wholefile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace wellfile {

namespace {

// The whole records of `bytes` in an old layout, at most `count` of them.
template <class Old>
std::vector<Old> OldRecords(const QByteArray& bytes, int count)
{
    const std::size_t n = std::min<std::size_t>(std::size_t(std::max(count, 0)), std::size_t(bytes.size()) / sizeof(Old));
    std::vector<Old> out(n);
    if (n > 0)
        std::memcpy(static_cast<void*>(out.data()), bytes.constData(), n * sizeof(Old));
    return out;
}

SHOWREPORT ConvertShow(const OLDSHOWREPORT& old)
{
    SHOWREPORT r;
    CopyReportText(r.company, old.company);
    CopyReportText(r.well, old.well);
    r.number = old.number;
    CopyReportText(r.interval, old.interval);
    CopyReportText(r.ropAbove, old.ropAbove);
    CopyReportText(r.ropDuring, old.ropDuring);
    CopyReportText(r.ropAfter, old.ropAfter);
    // Packed numbers are read by value, element by element.
    for (int j = 0; j < 6; ++j) {
        SetReportText(r.gasAbove[j], std::to_string(old.gasAbove[j]));
        SetReportText(r.gasDuring[j], std::to_string(old.gasDuring[j]));
        SetReportText(r.gasAfter[j], std::to_string(old.gasAfter[j]));
    }
    CopyReportText(r.porosity, old.porosity);
    CopyReportText(r.fluorescence, old.fluorescence);
    CopyReportText(r.cut, old.cut);
    CopyReportText(r.formation, old.formation);
    CopyReportText(r.lithology, old.lithology);
    for (int i = 0; i < 3; ++i) {
        CopyReportText(r.description[i], old.description[i]);
        CopyReportText(r.comments[i], old.comments[i]);
    }
    return r;
}

DSTREPORT ConvertDst(const OLDDSTREPORT& old)
{
    DSTREPORT r;
    CopyReportText(r.number, old.number);
    CopyReportText(r.fromDepth, old.fromDepth);
    CopyReportText(r.toDepth, old.toDepth);
    CopyReportText(r.initialHydrostatic, old.initialHydrostatic);
    CopyReportText(r.initialFlow, old.initialFlow);
    CopyReportText(r.initialFlowTime, old.initialFlowTime);
    CopyReportText(r.initialShutIn, old.initialShutIn);
    CopyReportText(r.initialShutInTime, old.initialShutInTime);
    CopyReportText(r.finalFlow, old.finalFlow);
    CopyReportText(r.finalFlowTime, old.finalFlowTime);
    CopyReportText(r.finalShutIn, old.finalShutIn);
    CopyReportText(r.finalShutInTime, old.finalShutInTime);
    CopyReportText(r.finalHydrostatic, old.finalHydrostatic);
    CopyReportText(r.drillPipeRecovery1, old.drillPipeRecovery);
    CopyReportText(r.samplerRecovery1, old.samplerRecovery);
    CopyReportText(r.comment1, old.comment1);
    CopyReportText(r.comment2, old.comment2);
    CopyReportText(r.comment3, old.comment3);
    return r;
}

// Converts the old records of `bytes` one by one and writes them as the file at `path`.
template <class Old, class New, class Convert>
bool RewriteConverted(const QString& path, const QByteArray& bytes, int count, Convert convert)
{
    try {
        const std::vector<Old> old = OldRecords<Old>(bytes, count);
        std::vector<New> converted;
        converted.reserve(old.size());
        for (const Old& o : old)
            converted.push_back(convert(o));
        return wellfile::WriteWholeFile(path, converted.data(), converted.size() * sizeof(New));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace

REPORTEX ConvertReport(const REPORT& old)
{
    REPORTEX r;
    r.number = old.number;
    r.dayNumber = old.number;
    CopyReportText(r.date, old.date);
    CopyReportText(r.time, old.time);
    r.depth = old.depth;
    r.footage = old.footage;
    r.oldLagMinutes = old.lagMinutes;
    r.lag = old.lag;
    CopyReportText(r.presentOperations, old.presentOperations, 39);
    CopyReportText(r.survey, old.survey, 79);
    CopyReportText(r.formation, old.formation, 39);
    CopyReportText(r.nextTop, old.nextTop, 39);
    CopyReportText(r.lithology[0], old.lithology[0], 79);
    CopyReportText(r.lithology[1], old.lithology[1], 79);
    CopyReportText(r.mudWeight, old.mudWeight);
    CopyReportText(r.viscosity, old.viscosity);
    CopyReportText(r.ph, old.ph);
    CopyReportText(r.filtrate, old.filtrate);
    CopyReportText(r.chlorides, old.chlorides);
    CopyReportText(r.solids, old.solids);
    CopyReportText(r.filterCake, old.filterCake);
    CopyReportText(r.weightOnBit, old.weightOnBit);
    r.rpm = old.rpm;
    r.spm = old.spm;
    r.pumpPressure = old.pumpPressure;
    // Each old gas number becomes the value of its column; packed numbers are read by value.
    for (int j = 0; j < 6; ++j) {
        r.backgroundGas[j] = old.backgroundGas[j];
        r.formationGas[j] = old.formationGas[j];
        r.connectionGas[j] = old.connectionGas[j];
        r.tripGas[j] = old.tripGas[j];
    }
    // The old formation row's sixth value is the depth of the maximum, not a gas.
    r.formationGas[5] = 0;
    r.formationGasDepth = old.formationGas[5];
    for (int i = 0; i < 3; ++i)
        CopyReportText(r.comments[i], old.comments[i]);
    return r;
}

std::optional<std::vector<REPORTEX>> ConvertReports(const QString& path, std::span<const REPORT> old)
{
    try {
        std::vector<REPORTEX> converted;
        converted.reserve(old.size() + 1);
        for (const REPORT& o : old)
            converted.push_back(ConvertReport(o));
        if (wellfile::WriteWholeFile(path, converted.data(), converted.size() * sizeof(REPORTEX))) {
            converted.emplace_back();
            return converted;
        }
    } catch (const std::bad_alloc&) {
    }
    platform::MessageBox(QStringLiteral("REPORT conversion failed"), QString());
    return std::nullopt;
}

bool ConvertShows(const QString& path, const QByteArray& oldRecords, int count)
{
    if (RewriteConverted<OLDSHOWREPORT, SHOWREPORT>(path, oldRecords, count, ConvertShow))
        return true;
    platform::MessageBox(QStringLiteral("Show conversion failed"), QString());
    return false;
}

bool ConvertDsts(const QString& path, const QByteArray& oldRecords, int count)
{
    if (RewriteConverted<OLDDSTREPORT, DSTREPORT>(path, oldRecords, count, ConvertDst))
        return true;
    platform::MessageBox(path, QStringLiteral("DST open failed"));
    return false;
}

}  // namespace wellfile
