#include "elog/customlas.h"

#include "elog/lasout.h"
#include "tracks/curvehelpers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdlib>
#include <string_view>

namespace elog {

namespace {

using wellfile::RECORD;
using S = CustomLasSource;

// Lines of entries outside the selection follow the selected ones' style; nothing writes them yet.
constexpr std::array<CustomLasEntry, kCustomLasEntries> kCatalogue{{
    /*  0 */ {"DEPTH.M                           :Depth {I}\n", "# MD   ", " %-6.1f  ", S::Depth},
    /*  1 */ {"TVD.M                             :True vertical depth {F}\n", "TVD     ", "%-7.1f  "},
    /*  2 */ {"INCL.DEG                          :Directional survey {F}\n", "INCL   ", "%-5.1f  "},
    /*  3 */ {"AZM.DEG                           :Directional azimuth {F}\n", "AZM    ", "%-5.1f  "},
    /*  4 */ {"VS.M                              :Directional Vertical Section {F}\n", "VS     ", "%-6.1f  "},
    /*  5 */ {"ROP.MIN/M                         :One meter rate min/M {F}\n", "MPM    ", "%-6.2f  "},
    /*  6 */ {"ROP.M/HR                          :One meter rate M/HR {F}\n", "  MPH    ", "%-6.2f  ", S::Rate},
    /*  7 */ {"10MROP.M/HR                       :Ten meter rate M/HR {F}\n", "10M    ", "%-6.2f  "},
    /*  8 */ {"5MROP.M/HR                        :Five meter rate M/HR {F}\n", "5M     ", "%-6.2f  "},
    /*  9 */ {"GAMMA.GAPI                        :Gamma Ray {F}\n", "GR     ", "%-6.1f  "},
    /* 10 */ {"ANHY.%                          :Lithology {I}\n", "ANH   ", "%-4d  ", S::Lith, 3},
    /* 11 */ {"CHERT.%                         :Lithology {I}\n", "CHT   ", "%-4d  ", S::Lith, 5},
    /* 12 */ {"LST.%                         :Lithology {I}\n", "LST   ", "%-4d  ", S::Lith, 4},
    /* 13 */ {"DOLO.%                          :Lithology {I}\n", "DOL   ", "%-4d  ", S::Lith, 1},
    /* 14 */ {"SST.%                           :Lithology {I}\n", " SST ", "%-4d  ", S::Lith, 2},
    /* 15 */ {"SLTST.%                         :Lithology {I}\n", "SLTST   ", "%-4d  ", S::Lith, 6},
    /* 16 */ {"CONG.%                         :Lithology {I}\n", "CG   ", "%-4d  ", S::Lith, 12},
    /* 17 */ {"CLYST.%                        :Lithology {I}\n", "CLYST  ", "%-4d  ", S::Lith, 8},
    /* 18 */ {"CO.%                         :Lithology {I}\n", "CO  ", "%-4d  ", S::Lith, 9},
    /* 19 */ {"SALT.%                          :Lithology {I}\n", "SALT  ", "%-4d  ", S::Lith, 10},
    /* 20 */ {"GRAN.%                          :Lithology {I}\n", "GRAN  ", "%-4d  ", S::Lith, 11},
    /* 21 */ {"GRANWASH.%                      :Lithology {I}\n", "GW    ", "%-4d  ", S::Lith, 23},
    /* 22 */ {"QTZWASH.%                       :Lithology {I}\n", "QW    ", "%-4d  ", S::Lith, 24},
    /* 23 */ {"CARBWASH.%                      :Lithology {I}\n", "CW    ", "%-4d  ", S::Lith, 26},
    /* 24 */ {"BEN.%                           :Bentonite Lithology {I}\n", "BEN   ", "%-4d  ", S::Lith, 16},
    /* 25 */ {"REDSH.%                         :Red Shales Lithology {I}\n", "RSH   ", "%-4d  ", S::Lith, 27},
    /* 26 */ {"ORGSH.%                         :Organge Shales Lithology {I}\n", "OSH   ", "%-4d  ", S::Lith, 28},
    /* 27 */ {"GNSH.%                          :Green Shales Lithology {I}\n", "GSH   ", "%-4d  ", S::Lith, 29},
    /* 28 */ {"CARBSH.%                        :CARB SH Lithology {I}\n", "CS    ", "%-4d  ", S::Lith, 22},
    /* 29 */ {"VOLC.%                          :Lithology {I}\n", "VOLC   ", "%-4d  ", S::Lith, 37},
    /* 30 */ {"CON.UNITS                         :CONNECTION 1=conn 3= csng pt 4=trip {I}\n", "CON  ", "%-2d  "},
    /* 31 */ {"GAS_C1.UNITS                         :C1 units/area {F}\n", " C1    ", "%-7.1f ", S::Gas, 1},
    /* 32 */ {"GAS_C2.UNITS                          :C2 units/area {F}\n", "C2    ", "%-7.1f ", S::Gas, 2},
    /* 33 */ {"GAS_C3.UNITS                          :C3 units/area {F}\n", "C3   ", "%-7.1f ", S::Gas, 3},
    /* 34 */ {"GAS_IC4.UNITS                         :IC4 units/area  {F}\n", "IC4   ", "%-7.1f ", S::Gas, 4},
    /* 35 */ {"GAS_NC4.UNITS                         :NC4 units/area  {F}\n", "NC4   ", "%-7.1f ", S::Gas, 5},
    /* 36 */ {"GAS_IC5.UNITS                         :IC5 units/area  {F}\n", "IC5   ", "%-7.1f ", S::Gas, 6},
    /* 37 */ {"GAS_NC5.UNITS                         :NC5 units/area  {F}\n", "NC5  ", "%-7.1f ", S::Gas, 7},
    /* 38 */ {"TOT.units                        :Total Gas or HW units {I}\n", "TOT   ", "%-7.2f ", S::TotalGas},
    /* 39 */ {"CO2.%                          : % CO2 {F}\n", "CO2     ", "%-6.2f    ", S::Co2},
    /* 40 */ {"POR.UNITS                         :Porosity {I}\n", "POR  ", "%-3d  "},
    /* 41 */ {"FLU.%                             :Fluoresence {I}\n", "FLU  ", "%-3d  "},
    /* 42 */ {"FLUQUAL.UNITS                     :Fluoresence Quality {I}\n", "FQ   ", "%-3d  "},
    /* 43 */ {"CUT.UNITS                         :Cut {I}\n", "CUT  ", "%-3d  "},
    /* 44 */ {"FLARE.M                           :Flare Length {I}\n", "FLARE  ", "%-3d  "},
    /* 45 */ {"MUDWT.LBS                         :MUD WT OUT {F}\n", "WTOUT  ", "%-6.1f  ", S::MudOut},
    /* 46 */ {"MUDWTIN.LBS                       :MUD WT IN {F}\n", "WTIN   ", "%-6.1f  ", S::MudIn},
    /* 47 */ {"GAIN.BBLS                         :Gain or Loss {I}\n", "GAIN   ", "%-5d  "},
    /* 48 */ {"FLOW.%                            :Flow {I}\n", "FLOW   ", "%-5d  "},
    /* 49 */ {"FLOW_IN.BBLS                      :Flow In {F}\n", "FLOW_IN   ", "%-6.1f  ", S::FlowIn},
    /* 50 */ {"DHP.PSI                           :Down Hole Pressure {F}\n", "DHP    ", "%-6.1f  "},
    /* 51 */ {"DXC.UNITS                         :D Exponent Corrected  {F}\n", "DXC   ", "%-6.2f  ", S::Dxc},
    /* 52 */ {"CACO3.%                           :Calcimeter {I}\n", "CACO3  ", "%-4d  "},
    /* 53 */ {"TEMP.DEG                          :MUD Temp out {F}\n", "TEMP   ", "%-5.1f  "},
    /* 54 */ {"LAGTIME.MIN                       :Lagtime {F}\n", "LAG    ", "%-5.1f  "},
    /* 55 */ {"SG.UNITS                          :SPECIFIC GRAVITY {F}\n", "SG     ", "%-5.3f  "},
    /* 56 */ {"WRAT.UNITS                        :WETNESS RATIO {F}\n", "WR     ", "%-5.2f  "},
    /* 57 */ {"BRAT.UNITS                        :BALANCE RATIO {F}\n", "BR     ", "%-5.2f  "},
    /* 58 */ {"RPM.UNITS                         :Total RPM {I}\n", "RPM     ", "%-6d  ", S::Rpm},
    /* 59 */ {"WOB.lbs                           :WOB {I}\n", "WOB     ", "%-6d  ", S::Wob},
    /* 60 */ {"TORQ.ft/lbs                       :TORQUE (AVG) {I}\n", "TORQ     ", "%-6d  ", S::TorqueAvg},
    /* 61 */ {"TORQMAX.ft/lbs                    :TORQUE MAX {I}\n", "TORQM    ", "%-6d  ", S::TorqueMax},
    /* 62 */ {"SPP.psi                           :Stand Pipe Pressure {I}\n", "SPP    ", "%-6d  ", S::Spp},
    /* 63 */ {"SLIDE.UNITS                       :1=Slide 0=Rotate {I}\n", "SL  ", "%-6d  ", S::Slide},
    /* 64 */ {"HKLD.KLB           :HOOK LOAD (I)\n", "HKLD  ", "%-8d  ", S::HookLoad},
    /* 65 */ {"SURF_RPM.UNITS     :SURFACE RPM (I) \n", "SURF_RPM  ", "%-6d  ", S::SurfaceRpm},
    /* 66 */ {"BITHRS.HRS                        :Total Hours on Bit {F}\n", "BITHRS  ", "%-7.1f  "},
    /* 67 */ {"BitRev.REV                        :Total Revolutions on Bit {F}\n", "BitRev  ", "%-10.1f  "},
    /* 68 */ {nullptr, nullptr, "%-6.1f  ", S::Custom, 0},
    /* 69 */ {nullptr, nullptr, "%-6.1f  ", S::Custom, 1},
    /* 70 */ {nullptr, nullptr, "%-6.1f  ", S::Custom, 2},
    /* 71 */ {nullptr, nullptr, "%-6.1f  ", S::Custom, 3},
}};

// The percent and PPM forms of the components C1 .. NC5 (curve line, then title).
constexpr const char* kPercentCurves[7] = {
    "GAS_C1.%                            :% C1 {F}\n",   "GAS_C2.%                            :% C2 {F}\n",
    "GAS_C3.%                            :% C3 {F}\n",   "GAS_IC4.%                           :% IC4 {F}\n",
    "GAS_NC4.%                           :% NC4 {F}\n",  "GAS_IC5.%                           :% IC5 {F}\n",
    "GAS_NC5.%                           :% NC5 {F}\n"};
constexpr const char* kPpmCurves[7] = {
    "GAS_C1.PPM                        :PPM C1 {I}\n",   "GAS_C2.PPM                        :PPM C2 {I}\n",
    "GAS_C3.PPM                          :PPM C3 {I}\n", "GAS_IC4.PPM                         :PPM IC4 {F}\n",
    "GAS_NC4.PPM                       :PPM NC4 {F}\n",  "GAS_IC5.PPM                         :PPM IC5 {F}\n",
    "GAS_NC5.PPM                       :PPM NC5 {F}\n"};
constexpr const char* kPpmTitles[7] = {" C1         ", "C2         ", "C3         ", "IC4        ",
                                       "NC4       ",   "IC5        ", "NC5         "};

// The component of the row in its gas form, unrounded: record d's whole step, or on the half-step row
// the first half step of record d + 1 over that record's test gas.
double Component(const LasSettings& st, const CustomLasRow& row, int c)
{
    const RECORD& sample = row.half ? row.next : row.record;
    double v = std::abs(double(row.half ? sample.halfGas[c] : sample.gas[c]));
    if (st.ppm) {
        const float test = sample.testGas[c];
        v /= test > 0 ? double(test) : 1.0;
        if (st.ppmScaling || st.loggerId == 17)
            v *= 10000.0;
    }
    return v;
}

// The step's rate in minutes per unit: the record's whole step, the half-step row the next record's half.
float StepRate(const CustomLasRow& row) { return row.half ? row.next.rateOdd : row.record.rateOne; }

}  // namespace

const std::array<CustomLasEntry, kCustomLasEntries>& CustomLasCatalogue() { return kCatalogue; }

GasForm CustomLasGasForm(const LasSettings& st)
{
    if (!st.ppm)
        return GasForm::Units;
    return st.ppmScaling ? GasForm::Ppm : GasForm::Percent;
}

bool ExportCustomLasCurves(const LasSettings& st, const std::array<std::string, 4>& customNames, int entry,
                           std::string& line, std::string& titles)
{
    if (entry < 0 || entry >= kCustomLasEntries)
        return false;
    const CustomLasEntry& e = kCatalogue[std::size_t(entry)];
    std::string title = e.title ? e.title : "";
    if (e.source == S::Custom) {
        // The custom line of that column; its title the name's first four characters.
        const std::string& name = customNames[std::size_t(e.arg)];
        line = name + ".UNITS          :Custom Data\n";
        title = name.substr(0, 4) + (e.arg == 3 ? "   " : "    ");
    } else if (e.source == S::Gas && CustomLasGasForm(st) != GasForm::Units) {
        const bool ppm = CustomLasGasForm(st) == GasForm::Ppm;
        line = (ppm ? kPpmCurves : kPercentCurves)[e.arg - 1];
        if (ppm)
            title = kPpmTitles[e.arg - 1];
    } else if (entry == 38 && st.loggerId == 134) {
        line = "TOTAL_GAS.%                         :Total Gas or HW % {F}\n";
        title = "TOT     ";
    } else if (entry == 52 && st.hardness) {
        line = "HARD.%                            :Hardness {I}\n";
        title = "HARD   ";
    } else {
        line = e.curve;
    }
    titles += title;
    return true;
}

void ExportCustomLasRows(Out& o, const LasSettings& st, CustomLasRow& row, int entry)
{
    if (entry < 0 || entry >= kCustomLasEntries)
        return;
    const CustomLasEntry& e = kCatalogue[std::size_t(entry)];
    const RECORD& next = row.next;
    const RECORD& own = row.record;  // the values of the whole unit
    const wellfile::CUSTDATAREC& cust = row.custom;
    const int h = row.half;
    std::string_view format = e.format;
    double v = 0;
    switch (e.source) {
    case S::None: return;
    case S::Depth: v = double(next.depth - 1) + (h ? 0.5 : 0.0); break;
    case S::Rate:
        v = StepRate(row) > kLasBlankRate ? 60.0 / StepRate(row) : std::numeric_limits<double>::quiet_NaN();
        break;
    case S::Lith: v = row.lith[std::size_t(e.arg)]; break;
    case S::Gas:
        v = Component(st, row, e.arg);
        if (CustomLasGasForm(st) == GasForm::Ppm)
            format = "%-10d ";
        break;
    case S::TotalGas:
        if (st.totalGasFromStep)
            v = std::abs(std::trunc(double(h ? next.halfGas[0] : own.gas[0])));
        else
            for (int c = 1; c <= 6; ++c)  // C1 .. IC5, as the mudlog file sums them
                v += Component(st, row, c);
        if (st.loggerId == 134)
            v *= 0.01;
        break;
    case S::Co2: v = own.co2; break;
    case S::MudOut:
        if (own.mudWeightOut > 0)
            row.mudWeight = own.mudWeightOut;
        v = row.mudWeight;
        break;
    case S::MudIn:
        if (own.mudWeightIn > 0)
            row.mudWeightIn = own.mudWeightIn;
        v = row.mudWeightIn;
        break;
    case S::FlowIn: v = cust.las202; break;
    case S::Dxc: {
        const float rate = StepRate(row);
        if (st.drilling && cust.rpm > 0 && cust.las28 > 0 && rate > 0 && cust.caliper > 0 && row.mudWeight > 0)
            v = tracks::CalcDExponent(60.0 / rate, cust.rpm * 60.0, cust.las28 * 12000.0, row.mudWeight,
                                      cust.caliper * 1000000.0);
        break;
    }
    case S::Rpm: v = cust.rpm; break;
    case S::Wob: v = cust.las28; break;
    // The whole step (sample 1) on the row of d, the first half step of d + 1 on the half-step row.
    case S::TorqueAvg: v = h ? next.torqueAvg[0] : own.torqueAvg[1]; break;
    case S::TorqueMax: v = h ? next.torqueMax[0] : own.torqueMax[1]; break;
    case S::Spp: v = cust.las4; break;
    case S::Slide: v = own.slide; break;
    case S::HookLoad: v = cust.las8; break;
    case S::SurfaceRpm:
        if (st.drilling) {
            static const wellfile::LagRecord kNoPumps{};
            const float pumps = tracks::CalcPumpVolume(row.lag ? *row.lag : kNoPumps, cust.motorFactor,
                                                       std::int32_t(cust.spm), cust.pumpOutput);
            v = std::max(double(cust.rpm) - double(pumps), 0.0);
        }
        break;
    case S::Custom: v = cust.custom[std::size_t(e.arg)]; break;
    }
    o.Line(format, {v});
}

std::string BuildCustomLasText(const CustomLasInput& in, const LasSettings& st, float& mudWeight)
{
    Out o;
    o.null = kCustomLasNull;
    const int n = std::clamp(in.count, 0, int(in.records.size()));
    // Row pairs: next records of depth start + 1 .. stop, in file order; a record of depth 0 ends them.
    int pairs = 0;
    while (pairs + 2 < n && in.records[std::size_t(pairs + 2)].depth != 0 &&
           in.records[std::size_t(pairs + 2)].depth <= in.stop)
        ++pairs;
    o.s.reserve(8192 + std::size_t(pairs) * 2 * 200);

    // STOP is the depth of the last row, so the header agrees with the data.
    std::string stopText = std::to_string(in.start);
    if (pairs > 0) {
        Out last;
        last.Line("%-1.1f", {double(in.records[std::size_t(pairs + 1)].depth) - 0.5});
        stopText = last.s;
    }
    using H = wellfile::WellHeader;
    const wellfile::WellHeader* h = in.header;
    o.Text("~Version\n"
           "VERS.      2.0   :CWLS LOG ASCII STANDARD - VERSION 2.0\n"
           "WRAP.  NO        : One line per depth step\n"
           "~Well\n"
           "#MNEM.UNIT        DATA                    DESCRIPTION OF MNEMONIC\n"
           "#_________       ____________                 ______________\n");
    constexpr std::string_view kPad65 = "                                                                 ";
    o.Text("STRT.M");
    o.Line("   %-10s", {}, std::to_string(in.start));
    o.Text(std::string(kPad65) + ":START DEPTH\n");
    o.Text("STOP.M");
    o.Line("   %-10s", {}, stopText);
    o.Text(std::string(kPad65) + ":STOP DEPTH\n");
    o.Text("STEP.M");
    o.Line("   %-10s", {}, "0.5");
    o.Text(std::string(kPad65) + ":STEP\n");
    o.Line("NULL.     %-7.2f                                                                     :NULL VALUE\n",
           {double(kCustomLasNull)});
    o.Line("COMP.     %-30s                                            :COMPANY\n", {}, LasHeaderText(h, &H::company));
    o.Line("WELL.     %-30s                                       :WELL\n", {}, LasHeaderText(h, &H::well));
    o.Line("FLD.      %-30s                                                :FIELD\n", {}, LasHeaderText(h, &H::field));
    o.Line("LOC.      %-40s                                        :LOCATION\n", {}, LasHeaderText(h, &H::location));
    o.Line("LOC2.    %-40s                                 :LOCATION\n", {}, LasHeaderText(h, &H::location2));
    o.Text("EKB.M");
    o.Line("    %-10s", {}, LasElevation(h));
    o.Text(std::string(kPad65) + ":ELEVATION KELLY BUSHING \n");
    o.Line("CNTY.      %-20s                                                                :COUNTY\n", {},
           LasHeaderText(h, &H::county));
    o.Line("STAT.      %-15s                                                                :STATE\n", {},
           LasHeaderText(h, &H::state));
    o.Line("CTRY.      %-20s                                                                :COUNTRY\n", {}, "USA");
    std::string title = st.logTitle;
    std::replace(title.begin(), title.end(), '\r', ' ');
    std::replace(title.begin(), title.end(), '\n', ' ');
    o.Line("SRVC.    %-40s                                                         :SERVICE COMPANY\n", {}, title);
    o.Line("DATE.     %-20s                                                                 :DATE\n", {},
           LasHeaderText(h, &H::loggedFrom));
    o.Line("API.     %-20s                                                                  :API NUMBER ID\n", {},
           LasHeaderText(h, &H::apiNumber));

    o.Text("~Curve\n######\n");
    std::string line, titles;
    for (int entry : kCustomLasSelection)
        if (ExportCustomLasCurves(st, in.customNames, entry, line, titles))
            o.Text(line);
    o.Text(titles);
    o.Text("\n~A\n");

    static const wellfile::CUSTDATAREC kNoCustom{};
    float carried = 0, carriedIn = 0;  // no mud weight above the first one measured
    std::array<std::int32_t, 39> remainder{};
    for (int p = 0; p < pairs; ++p) {
        const std::size_t i = std::size_t(p) + 2;
        const wellfile::CUSTDATAREC& cust = i - 1 < in.custom.size() ? in.custom[i - 1] : kNoCustom;
        CustomLasRow row{in.records[i - 1], in.records[i], cust};
        LasLithPercentages(row.record, row.lith, remainder);
        row.lag = &in.lag;
        row.mudWeight = carried;
        row.mudWeightIn = carriedIn;
        for (int half = 0; half < 2; ++half) {
            row.half = half;
            for (int entry : kCustomLasSelection)
                ExportCustomLasRows(o, st, row, entry);
            o.Text("\n");
        }
        carried = row.mudWeight;
        carriedIn = row.mudWeightIn;
    }
    mudWeight = carried;
    return std::move(o.s);
}

}  // namespace elog
