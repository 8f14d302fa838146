#include "reports/dailyfields.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "reports/dailyreport.h"
#include "reports/reportfields.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace reports {

namespace {

using K = DailyFieldKind;

#define FIELD(id, width, kind, member, format, maxChars) \
    DailyField { id, width, kind, int(offsetof(wellfile::REPORTEX, member)), int(sizeof(wellfile::REPORTEX::member)), format, maxChars }
#define TEXT(id, width, member, maxChars) FIELD(id, width, K::Text, member, "", maxChars)
#define GASROW(ids, member)                                                                                 \
    FIELD(ids[0], 10, K::Float, member[0], "%5.0f", 0), FIELD(ids[1], 10, K::Float, member[1], "%5.0f", 0), \
        FIELD(ids[2], 10, K::Float, member[2], "%5.0f", 0), FIELD(ids[3], 10, K::Float, member[3], "%5.0f", 0), \
        FIELD(ids[4], 10, K::Float, member[4], "%5.0f", 0), FIELD(ids[5], 10, K::Float, member[5], "%5.0f", 0), \
        FIELD(ids[6], 10, K::Float, member[6], "%5.0f", 0)

constexpr int kBackgroundIds[7] = {129, 130, 131, 132, 133, 300, 155};
constexpr int kFormationIds[7] = {134, 135, 136, 137, 138, 303, 156};
constexpr int kConnectionIds[7] = {139, 140, 141, 142, 143, 301, 157};
constexpr int kTripIds[7] = {144, 145, 146, 147, 148, 302, 158};

const std::array<DailyField, kDailyFieldCount> kFields = {{
    FIELD(106, 10, K::Int, number, "%d", 0),
    TEXT(105, 30, date, 29),
    TEXT(107, 20, time, 19),
    FIELD(1408, 10, K::Float, depth, "%5.0f", 0),
    TEXT(109, 80, presentOperations, 39),
    FIELD(110, 20, K::Float, footage, "%5.0f", 0),
    TEXT(111, 30, averageRop, 29),
    FIELD(112, 20, K::Lag, lag, "", 0),
    TEXT(113, 80, survey, 79),
    TEXT(114, 80, formation, 39),
    TEXT(117, 80, nextTop, 39),
    DailyField{220, 20, K::SpudDate, -1, 0, "", 19},
    DailyField{182, 20, K::StartDate, -1, 0, "", 19},
    FIELD(183, 10, K::Int, dayNumber, "%d", 0),
    FIELD(185, 10, K::Int, daysLogging, "%d", 0),
    FIELD(186, 10, K::Int, estimatedTd, "%d", 0),
    TEXT(188, 20, unitPhone, 19),
    FIELD(189, 10, K::Float, hoursOnBottom, "%2.2f", 0),
    GASROW(kBackgroundIds, backgroundGas),
    GASROW(kFormationIds, formationGas),
    GASROW(kConnectionIds, connectionGas),
    FIELD(226, 10, K::WholeFloat, connectionGasDepth, "%5d", 0),
    GASROW(kTripIds, tripGas),
    TEXT(115, 80, lithology[0], 79),
    TEXT(116, 80, lithology[1], 79),
    FIELD(161, 10, K::Int, mudSampleDepth, "%d", 0),
    TEXT(120, 6, mudWeight, 5),
    TEXT(121, 6, viscosity, 5),
    FIELD(162, 10, K::Int, plasticViscosity, "%d", 0),
    FIELD(163, 10, K::Int, yieldPoint, "%d", 0),
    TEXT(kGelsFieldId, 20, gels, 19),
    TEXT(122, 6, ph, 5),
    TEXT(153, 6, filtrate, 5),
    TEXT(165, 20, hthpFiltrate, 19),
    TEXT(123, 10, filterCake, 9),
    FIELD(166, 10, K::Float, pm, "%3.2f", 0),
    FIELD(167, 10, K::Float, pf, "%3.2f", 0),
    FIELD(184, 10, K::Float, mf, "%3.2f", 0),
    TEXT(124, 10, chlorides, 9),
    TEXT(168, 10, calcium, 9),
    FIELD(169, 10, K::Float, sand, "%3.2f", 0),
    TEXT(170, 6, solids, 5),
    FIELD(171, 10, K::Float, oil, "%3.2f", 0),
    FIELD(172, 10, K::Float, water, "%3.2f", 0),
    TEXT(174, 10, oilWaterRatio, 9),
    FIELD(175, 10, K::Float, electricalStability, "%3.2f", 0),
    FIELD(176, 10, K::Float, calciumChloride, "%3.2f", 0),
    FIELD(177, 10, K::Float, salt, "%3.2f", 0),
    FIELD(178, 10, K::Float, excessLime, "%3.2f", 0),
    FIELD(179, 10, K::Float, lostCirculation, "%3.2f", 0),
    FIELD(180, 10, K::Float, dailyCost, "%5.2f", 0),
    FIELD(181, 10, K::Float, totalCost, "%6.2f", 0),
    TEXT(125, 10, weightOnBit, 9),
    FIELD(126, 10, K::U16, rpm, "%d", 0),
    FIELD(128, 10, K::U16, spm, "%d", 0),
    FIELD(127, 10, K::U16, pumpPressure, "%d", 0),
    TEXT(149, 100, comments[0], 99),
    TEXT(150, 100, comments[1], 99),
    TEXT(151, 100, comments[2], 99),
    TEXT(227, 100, comments[3], 99),
    TEXT(228, 100, comments[4], 99),
    FIELD(152, 6, K::Int, formationGasDepth, "%d", 0),
    TEXT(196, 10, flare[0], 9),
    TEXT(197, 10, flare[1], 9),
    TEXT(198, 10, flare[2], 9),
    TEXT(199, 10, flare[3], 9),
    FIELD(191, 4, K::Check, gasSource[0], "", 0),
    FIELD(192, 4, K::Check, gasSource[1], "", 0),
    FIELD(193, 4, K::Check, gasSource[2], "", 0),
    FIELD(194, 4, K::Check, gasSource[3], "", 0),
    TEXT(200, 10, chokes[0], 9),
    TEXT(221, 10, chokes[1], 9),
    TEXT(201, 10, chokes[2], 9),
    TEXT(203, 10, chokes[3], 9),
}};

#undef GASROW
#undef TEXT
#undef FIELD

template <class T>
T Get(const wellfile::REPORTEX& r, int offset)
{
    T v;
    std::memcpy(&v, reinterpret_cast<const char*>(&r) + offset, sizeof v);
    return v;
}

template <class T>
void Put(wellfile::REPORTEX& r, int offset, T v)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, &v, sizeof v);
}

// A field's text as its buffer holds it: at most width - 1 characters.
std::string Cut(const std::string& text, int width)
{
    return text.substr(0, std::size_t(std::max(0, width - 1)));
}

}  // namespace

const std::array<DailyField, kDailyFieldCount>& DailyFields() { return kFields; }

DailyTexts FillDailyFields(const wellfile::REPORTEX& r, const HeaderDates& dates, const QDate& today)
{
    DailyTexts texts;
    const std::string reportDate = platform::FieldText(r.date);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const DailyField& f = kFields[i];
        std::string t;
        switch (f.kind) {
        case K::Text: t = platform::FieldText(reinterpret_cast<const char*>(&r) + f.offset, std::size_t(f.size)); break;
        case K::Int:
            t = platform::CFormat(f.format, int(Get<std::int32_t>(r, f.offset)));
            break;
        case K::U16: t = platform::CFormat(f.format, int(Get<std::uint16_t>(r, f.offset))); break;
        case K::Float: t = platform::CFormat(f.format, double(Get<float>(r, f.offset))); break;
        case K::WholeFloat: t = platform::CFormat(f.format, platform::Whole(Get<float>(r, f.offset))); break;
        case K::Lag: {
            // A converted report keeps its lag in whole minutes elsewhere.
            const float lag = r.lag > 0 ? r.lag : std::trunc(r.oldLagMinutes);
            t = LagText(lag, r.spm);
            break;
        }
        case K::Check: t = Get<std::int32_t>(r, f.offset) == 1 ? "1" : "0"; break;
        case K::SpudDate: t = dates.spud; break;
        case K::StartDate: t = dates.startLogging; break;
        }
        if (f.id == 183)
            t = platform::CFormat("%d", DayCount(dates.spud, reportDate, today));
        else if (f.id == 185)
            t = platform::CFormat("%d", DayCount(dates.startLogging, reportDate, today));
        else if (f.id == IDC_RPT_ROP)
            t = AverageRateText(std::int32_t(r.footage), r.hoursOnBottom);
        texts[i] = Cut(t, f.width);
    }
    return texts;
}

wellfile::REPORTEX ReadDailyFields(const DailyTexts& texts, HeaderDates& dates)
{
    wellfile::REPORTEX r;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const DailyField& f = kFields[i];
        const std::string t = Cut(texts[i], f.width);
        switch (f.kind) {
        case K::Text: {
            char* field = reinterpret_cast<char*>(&r) + f.offset;
            std::memset(field, 0, std::size_t(f.size));
            platform::SetFieldText(field, std::size_t(f.size), t.substr(0, std::size_t(f.maxChars)));
            break;
        }
        case K::Int: Put<std::int32_t>(r, f.offset, LeadingInt(t)); break;
        case K::U16: Put<std::uint16_t>(r, f.offset, LeadingU16(t)); break;
        case K::Float:
        case K::WholeFloat:
        case K::Lag: Put<float>(r, f.offset, LeadingFloat(t)); break;
        case K::Check: Put<std::int32_t>(r, f.offset, LeadingInt(t) == 1 ? 1 : 0); break;
        case K::SpudDate: dates.spud = t; break;
        case K::StartDate: dates.startLogging = t; break;
        }
    }
    return r;
}

}  // namespace reports
