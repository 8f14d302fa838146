#include "logview/surveytext.h"

#include "platform/numbers.h"
#include "platform/text.h"

namespace logview {

namespace {
using platform::CFormat;
}  // namespace

std::string SurveyHeader(SurveyOrder order)
{
    return order == SurveyOrder::InclFirst ? "INCL    AZM     TVD    VS" : "TVD      AZM      INCL      VS";
}

std::string SurveyLine(SurveyOrder order, const wellfile::RECORD& rec)
{
    const int tvd = platform::Whole(rec.tvd);
    const double azm = rec.azimuth, incl = rec.inclination, vs = rec.verticalSection;
    if (order == SurveyOrder::InclFirst)
        return CFormat("%3.2f\xB0 %3.2f\xB0 %5d' %4.2f' ", incl, azm, tvd, vs);
    return CFormat("%5d' %3.2f\xB0 %3.2f\xB0 %4.2f' ", tvd, azm, incl, vs);
}

std::string SurveyTvdLine(const wellfile::RECORD& rec, bool compressed)
{
    return CFormat(compressed ? "%5d' " : "%5d'", platform::Whole(rec.tvd));
}

std::vector<std::string> SurveyBlock(const wellfile::RECORD& rec)
{
    std::vector<std::string> lines{CFormat("MD %5d'", rec.depth), CFormat("TVD %5.2f'", double(rec.tvd))};
    if (rec.inclination > 0) {
        lines.push_back(CFormat("INC %3.2f\xB0", double(rec.inclination)));
        lines.push_back(CFormat("AZM %3.2f\xB0", double(rec.azimuth)));
        lines.push_back(CFormat("VS %4.2f'", double(rec.verticalSection)));
    }
    return lines;
}

std::string LagTimeText(float minutes) { return CFormat("Lag Time %.1f", double(minutes)); }

}  // namespace logview
