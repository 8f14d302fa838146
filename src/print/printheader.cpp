#include "print/printheader.h"

#include "platform/folders.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace print {

HeaderUnits HeaderUnitsFor(const HeaderUnitsInput& in)
{
    HeaderUnits h;
    h.R = in.rowHeight;
    h.u = in.columnUnit;
    if (in.customTracks && h.u < 20)
        h.u = 20;
    h.f = int(0.9 * h.u) + (h.u > 30 ? 2 : 0);
    if (in.twoAndHalfInch && h.u < 60)
        h.f = 15;
    h.t = h.u;
    h.s = int(2.2 * h.R);
    h.M = in.leftMargin;
    h.L = h.M + 9 * h.t;
    h.W = in.logWidth;
    const double paper = 10.0 * h.R * double(in.pageWidth);
    if (in.pageWidth > 0 && h.W > paper)
        h.W = int(paper - 5);
    h.W = std::max(h.W, 100 * h.u);
    return h;
}

std::string ClientTitleFor(std::int32_t operatorCode)
{
    return operatorCode == 2 ? "Operator Copy" : "Well Site Mud Log";
}

const char* RateUnitText(bool perHour, int scaleKind)
{
    if (perHour)
        return "M/HR";
    return scaleKind == 3 ? "AVG MIN/5 M" : "MIN/M";
}

int TrackTitleLayout(int profile)
{
    // Inclusive profile ranges of each layout.
    struct Span {
        int from, to, layout;
    };
    static constexpr std::array<Span, 31> kSpans{{
        {1, 1, 1},     {3, 3, 1},     {5, 5, 1},     {9, 10, 1},    {12, 13, 1},   {15, 16, 1},
        {18, 19, 1},   {21, 21, 1},   {23, 31, 1},   {33, 34, 1},   {36, 36, 1},   {38, 43, 1},
        {45, 56, 1},   {58, 62, 1},   {65, 65, 1},   {69, 77, 1},   {79, 87, 1},   {90, 90, 1},
        {93, 100, 1},  {102, 110, 1}, {134, 134, 1}, {138, 138, 1}, {2, 2, 2},     {91, 92, 2},
        {4, 4, 3},     {11, 11, 3},   {17, 17, 3},   {64, 64, 3},   {78, 78, 3},   {88, 88, 3},
        {8, 8, 4},
    }};
    for (const Span& s : kSpans)
        if (profile >= s.from && profile <= s.to)
            return s.layout;
    return 0;
}

std::string TrackTitleDate(const QDate& date)
{
    return platform::CFormat("%d-%02d-%02d", date.month(), date.day(), date.year() - 2000);
}

std::string ShadeName(const layout::PenTable& table, int entry)
{
    static constexpr std::array<const char*, 3> kFixed{"Red Sh", " Org Sh", "Green Sh"};
    if (entry < layout::PEN_FIRST_SHADE || entry > layout::PEN_LAST_SHADE)
        return {};
    if (entry < layout::PEN_FIRST_CUSTOM_SHADE)
        return kFixed[std::size_t(entry - layout::PEN_FIRST_SHADE)];
    std::string name = platform::FieldText(table.entry[entry].lithLabel);
    if (name.empty())
        name = "Cust Sh" + std::to_string(entry - layout::PEN_FIRST_CUSTOM_SHADE + 1);
    return name;
}

QString LogoFileFor(const QString& dataFolder, int profile)
{
    QString name;
    if (profile == 134)
        name = QStringLiteral("QKRT_logo.jpg");
    else if (profile == 23)
        name = QStringLiteral("client_logo.jpg");
    else
        return {};
    const QString folder = platform::FindFileNoCase(dataFolder, QStringLiteral("bitmaps"));
    return platform::FindFileNoCase(folder, name);
}

}  // namespace print
