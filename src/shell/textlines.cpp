#include "shell/textlines.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <array>

namespace shell {

namespace {

constexpr const char* kMudlogHeading =
    "Depth     ROP       TG %   C1       C2     C3     IC4    NC4     IC5     NC5     GS    Lithology        "
    "                TVD        AZM        INCL    Gam1  Gam2  Gam3  Gam4  Gam5        Test Gas Valuies  ";

constexpr const char* kElogHeading =
    "Depth      Rw        SwA      SwM       Sw           Gam         BVw      Dpor         Npor        Xplot   "
    "   Res10      Res20     Res30      Res60       Res90    Res120   Res Curve  ";

std::string MudlogLine(const wellfile::RECORD& r, bool halfStep, const MudlogTextContext& in, double gasFactor)
{
    using platform::Whole;
    const double depth = halfStep ? double(r.depth) - 0.5 : double(r.depth);
    const double rate = halfStep ? r.rateOdd : r.rateOne;
    const double rop = in.ratePerHour && rate > 0 ? 60.0 / rate : rate;
    const float* gas = halfStep ? r.halfGas : r.gas;
    auto component = [&](int i) { return Whole(double(gas[i]) * gasFactor); };
    const std::string lith = platform::FieldText(r.lith);
    return platform::CFormat(
        "%-5.2f  %-6.2f  %6.2f    %-6d  %-6d  %-6d  %-6d  %-6d  %-6d  %-6d %d    %-30s %6.2f     %6.2f     %6.2f     "
        "%-4d  %-4d  %-4d  %-4d  %-4d       %3d %3d %3d %3d %3d %3d %3d",
        depth, rop, double(gas[wellfile::GAS_TG]) * 0.01, component(1), component(2), component(3), component(4),
        component(5), component(6), component(7), int(r.gasScale), lith.c_str(), double(r.tvd), double(r.azimuth),
        double(r.inclination), Whole(r.gamma[0]), Whole(r.gamma[1]), Whole(r.gamma[2]), Whole(r.gamma[3]),
        Whole(r.gamma[4]), Whole(r.testGas[1]), Whole(r.testGas[2]), Whole(r.testGas[3]), Whole(r.testGas[4]),
        Whole(r.testGas[5]), Whole(r.testGas[6]), Whole(r.testGas[7]));
}

// The name of the resistivity curve a row's water saturation used. Rows keep it as a slot number
// (RES10..RES120, 8 to 13) or as an index into the names (0 to 5); anything else names none.
const char* ResistivityName(std::int32_t choice)
{
    static constexpr std::array<const char*, 6> names = {"R10", "R20", "R30", "R60", "R90", "R120"};
    if (choice >= 0 && choice <= 5)
        return names[std::size_t(choice)];
    if (choice >= elog::SLOT_RES10 && choice <= elog::SLOT_RES120)
        return names[std::size_t(choice - elog::SLOT_RES10)];
    return "";
}

}  // namespace

std::vector<std::string> MudlogTextLines(std::span<const wellfile::RECORD> rows, const MudlogTextContext& in)
{
    std::vector<std::string> lines{kMudlogHeading};
    const double gasFactor = in.loggerId == 134 ? 100.0 : 1.0;
    std::size_t i = 0;
    while (i < rows.size() && rows[i].depth <= in.fileTopDepth + 10)
        ++i;
    // Two lines per record, never past the rows given: a well starting at depth 0 has no end mark the
    // depth test below would see.
    for (; i < rows.size(); ++i) {
        const wellfile::RECORD& r = rows[i];
        lines.push_back(MudlogLine(r, true, in, gasFactor));
        if (r.depth == in.fileBottomDepth || r.depth < in.fileTopDepth)
            break;
        lines.push_back(MudlogLine(r, false, in, gasFactor));
    }
    return lines;
}

std::vector<std::string> ElogTextLines(std::span<const elog::CurveRecord> rows, const ElogTextContext& in)
{
    using namespace elog;
    std::vector<std::string> lines{kElogHeading};
    for (const CurveRecord& row : rows) {
        const float* v = row.values.data();
        lines.push_back(platform::CFormat(
            "%5.0f     %3.3f     %3.3f     %3.2f    %6.2f      %6.2f      %6.2f     %6.3f      %6.3f      %6.3f     "
            "%6.2f     %6.2f     %6.2f     %6.2f     %6.2f     %6.2f   %-10s  ",
            double(v[SLOT_DEPTH]), double(v[SLOT_RW]), double(v[SLOT_SWA]), double(v[SLOT_SWM]), double(v[SLOT_SW]),
            double(v[SLOT_GAMMA]), double(v[SLOT_SW]) * double(v[SLOT_DENSITY_POR]), double(v[SLOT_DENSITY_POR]),
            double(v[SLOT_NEUTRON_POR]), double(v[SLOT_CROSSPLOT_POR]), double(v[8]), double(v[9]), double(v[10]),
            double(v[11]), double(v[12]), double(v[13]), ResistivityName(row.IntAt(SLOT_RES_CHOICE))));
        const float depth = v[SLOT_DEPTH];
        if (depth == float(in.curveLastDepth) || depth >= float(in.fileBottomDepth) || depth == 0)
            break;
    }
    return lines;
}

std::vector<std::string> LagListLines(std::span<const drilling::LagEntry> entries)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    int i = 0;
    for (const drilling::LagEntry& e : entries)
        lines.push_back(platform::CFormat(" %.1f  %3.2f  %3.2f   %d", double(e.depth), double(e.clock), double(e.lag), i++));
    return lines;
}

}  // namespace shell
