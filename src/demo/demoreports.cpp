#include "demo/demoreports.h"

#include "platform/text.h"
#include "reports/dailyreport.h"
#include "reports/dailyreports.h"
#include "reports/dsttests.h"
#include "reports/reportfields.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace demo {

using wellfile::RECORD;
using wellfile::WellPlace;

namespace {

constexpr std::int32_t kReportedUnits = 150;  // drilled on the report's day
constexpr std::int32_t kMainSandTop = 1900;

}  // namespace

bool SaveDemoDailyReport(const WellPlace& place, const DemoData& data, const DemoWellShape& shape)
{
    using wellfile::SetReportText;
    if (data.records.empty())
        return true;
    wellfile::REPORTEX r;
    r.number = 1;
    const QDate day = reports::ReadReportDate(kDemoEndDate);
    SetReportText(r.date, reports::ReportDateText(day));
    SetReportText(r.time, reports::ReportTimeText(QTime(6, 0)));
    const std::string date = platform::FieldText(r.date);
    r.depth = float(shape.lastDepth);
    r.footage = float(kReportedUnits);
    r.dayNumber = reports::DayCount(kDemoSpudDate, date, day);
    r.daysLogging = reports::DayCount(kDemoStartDate, date, day);
    r.estimatedTd = shape.lastDepth + 400;
    r.hoursOnBottom = 20.5f;
    SetReportText(r.averageRop, reports::AverageRateText(kReportedUnits, r.hoursOnBottom));
    SetReportText(r.presentOperations, "Drilling ahead");
    SetReportText(r.formation, "Basal Sh");
    SetReportText(r.nextTop, "TD");
    SetReportText(r.unitPhone, "555-0142");

    // The day's gas: the mean of its records as background, the highest total gas as formation gas.
    const std::size_t from = data.records.size() - std::min<std::size_t>(data.records.size(), kReportedUnits);
    int counted = 0;
    for (std::size_t i = from; i < data.records.size(); ++i) {
        const RECORD& rec = data.records[i];
        for (int g = 0; g < 7; ++g)
            r.backgroundGas[g] += std::fabs(rec.gas[g]);
        ++counted;
        if (std::fabs(rec.gas[0]) > r.formationGas[0]) {
            for (int g = 0; g < 7; ++g)
                r.formationGas[g] = std::round(std::fabs(rec.gas[g]));
            r.formationGasDepth = rec.depth;
        }
        if (rec.tvd > 0)
            SetReportText(r.survey, platform::CFormat("MD %d' TVD %.1f' AZM %.1f INCL %.1f", rec.depth, double(rec.tvd),
                                                      double(rec.azimuth), double(rec.inclination)));
    }
    for (float& g : r.backgroundGas)
        g = std::round(g / float(std::max(counted, 1)));
    const RECORD& last = data.records.back();
    SetReportText(r.lithology[0], platform::CFormat("%s at %d", platform::FieldText(last.lith).c_str(), int(last.depth)));
    r.lag = std::round(last.lagTime);

    SetReportText(r.mudWeight, "10.4");
    SetReportText(r.viscosity, "45");
    SetReportText(r.ph, "9.5");
    SetReportText(r.filtrate, "6.2");
    SetReportText(r.chlorides, "12000");
    SetReportText(r.solids, "6");
    SetReportText(r.filterCake, "2/32");
    r.mudSampleDepth = shape.lastDepth - 20;
    r.yieldPoint = 14;
    r.plasticViscosity = 18;
    SetReportText(r.weightOnBit, "22");
    r.rpm = 100;
    r.spm = 110;
    r.pumpPressure = 2600;
    SetReportText(r.comments[0], "Drilling ahead in Basal Sh, background gas steady, no show since the Lower Dol.");
    return reports::SaveDailyReports(place, {&r, 1});
}

bool SaveDemoDst(const WellPlace& place, const DemoData& data)
{
    const auto show = std::find_if(data.shows.begin(), data.shows.end(),
                                   [](const auto& s) { return s.first >= kMainSandTop; });
    if (show == data.shows.end())
        return true;
    using wellfile::SetReportText;
    wellfile::DSTREPORT t;
    SetReportText(t.number, "1");
    SetReportText(t.fromDepth, std::to_string(show->first));
    SetReportText(t.toDepth, std::to_string(show->second));
    SetReportText(t.formation, "Main Sand");
    // Hydrostatic of the 9.8 lb/gal mud at the test's depth; the formation near its normal gradient.
    const int hydrostatic = int(std::lround(0.052 * 9.8 * show->first));
    const int reservoir = int(std::lround(0.433 * show->first));
    SetReportText(t.initialHydrostatic, std::to_string(hydrostatic) + " psi");
    SetReportText(t.initialFlow, "45-88 psi");
    SetReportText(t.initialFlowTime, "15 min");
    SetReportText(t.initialShutIn, std::to_string(reservoir) + " psi");
    SetReportText(t.initialShutInTime, "60 min");
    SetReportText(t.finalFlow, "92-140 psi");
    SetReportText(t.finalFlowTime, "60 min");
    SetReportText(t.finalShutIn, std::to_string(reservoir - 14) + " psi");
    SetReportText(t.finalShutInTime, "120 min");
    SetReportText(t.finalHydrostatic, std::to_string(hydrostatic - 2) + " psi");
    SetReportText(t.drillPipeRecovery1, "620 ft gas in pipe");
    SetReportText(t.drillPipeRecovery2, "90 ft oil and gas cut mud");
    SetReportText(t.samplerRecovery1, "2100 cc oil, 0.8 cu ft gas");
    SetReportText(t.comment1, "Strong blow throughout, gas to surface in 22 min");
    return reports::WriteDstTest(place, t, 0) != reports::DstWrite::Failed;
}

}  // namespace demo
