#include "elog/lasexport.h"

#include "elog/lasout.h"
#include "logview/rateplot.h"
#include "platform/text.h"
#include "tracks/curvehelpers.h"
#include "tracks/lithtypes.h"
#include "wellfile/memorecords.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

namespace elog {

namespace {

using wellfile::RECORD;

void WriteHeader(Out& o, const LasInput& in, const LasSettings& st, std::int32_t stop)
{
    using H = wellfile::WellHeader;
    const std::string elevation = LasElevation(in.header);

    o.Text("~Version\n");
    o.Text("VERS.      2.0   :CWLS LOG ASCII STANDARD - VERSION 2.0\n");
    o.Text("WRAP.  NO        : One line per depth step\n");
    o.Text("~Well\n");
    o.Text("#MNEM.UNIT        DATA                    DESCRIPTION OF MNEMONIC\n");
    o.Text("#_________       ____________                 ______________\n");
    o.Text("STRT.M");
    o.Line("   %-10s                                      :START DEPTH\n", {}, std::to_string(in.start));
    o.Text("STOP.M");
    o.Line("   %-10s                                      :STOP DEPTH\n", {}, std::to_string(stop));
    o.Text("STEP.M");
    o.Line("   %-4s                                            :STEP\n", {}, "0.5");
    o.Line("NULL.     %-7.2f                                          :NULL VALUE\n", {double(kLasNull)});
    o.Line("COMP.     %-20s                       :COMPANY\n", {}, LasHeaderText(in.header, &H::company));
    o.Line("WELL.     %-15s                                :WELL\n", {}, LasHeaderText(in.header, &H::well));
    o.Line("FLD.      %-15s                                 :FIELD\n", {}, LasHeaderText(in.header, &H::field));
    o.Line("LOC.      %-40s        :LOCATION\n", {}, LasHeaderText(in.header, &H::location));
    o.Line("LOC2.    %-40s         :LOCATION\n", {}, LasHeaderText(in.header, &H::location2));
    o.Text("EKB.M");
    o.Line("    %-10s                                        :ELEVATION KELLY BUSHING \n", {}, elevation);
    o.Line("CNTY.      %-4s                                          :COUNTY\n", {}, LasHeaderText(in.header, &H::county));
    o.Line("STAT.      %-15s                                :STATE\n", {}, LasHeaderText(in.header, &H::state));
    o.Line("CTRY.      %-4s                                           :COUNTRY\n", {}, "USA");
    std::string title = st.logTitle;
    std::replace(title.begin(), title.end(), '\r', ' ');
    std::replace(title.begin(), title.end(), '\n', ' ');
    o.Line("SRVC.    %-25s                        :SERVICE COMPANY\n", {}, title);
    o.Line("DATE.     %-10s                                      :DATE\n", {}, LasHeaderText(in.header, &H::loggedFrom));
    o.Line("API.     %-30s                   :API NUMBER ID\n", {}, LasHeaderText(in.header, &H::apiNumber));
}

// The mnemonic of a curve line: the text before its first dot, without blanks around it.
std::string_view MnemonicOf(std::string_view line)
{
    line = line.substr(0, line.find('.'));
    const std::size_t from = line.find_first_not_of(' '), to = line.find_last_not_of(' ');
    return from == std::string_view::npos ? std::string_view{} : line.substr(from, to - from + 1);
}
std::string Upper(std::string_view text)
{
    std::string u(text);
    for (char& c : u)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

// Curve lines whose mnemonic repeats get 1, 2, ... after it, so that a reader keyed by mnemonic keeps
// every column ("ROP" twice becomes "ROP1" and "ROP2").
void NumberRepeatedMnemonics(std::vector<std::string>& lines)
{
    std::map<std::string, int> count, seen;
    for (const std::string& line : lines)
        ++count[Upper(MnemonicOf(line))];
    for (std::string& line : lines) {
        const std::string_view m = MnemonicOf(line);
        const std::string key = Upper(m);
        if (count[key] < 2)
            continue;
        const std::size_t at = std::size_t(m.data() - line.data()), size = m.size();
        line.insert(at + size, std::to_string(++seen[key]));
    }
}

void WriteCurves(Out& o, const LasInput& in, const LasSettings& st)
{
    o.Text("~Curve\n");
    Out curves;  // the curve lines, one "\n" each, before the mnemonics are made unique
    curves.Text("DEPTH.m                           :Depth\n"
           "TVD.m                             :True vertical depth\n"
           "INCL.DEG                           :Directional survey\n"
           "AZM.DEG                            :Directional azimth\n"
           "VS.m                              :Directional Vertical Section\n"
           "ROP.min/M                          :One meter rate min/M\n"
           "ROP.m/hr                          :One meter rate M/hr\n"
           "10MROP.m/hr                      :Ten meter rate m/hr\n"
           "5MROP.m/hr                      :Five meter rate m/hr\n"
           "GAMMA.GAPI                         :Gamma Ray\n"
           "ANHY.%                          :Lithology\n"
           "CHERT.%                         :Lithology\n"
           "LIME.%                          :Lithology\n"
           "DOLO.%                          :Lithology\n"
           "SS.%                            :Lithology\n"
           "SILT.%                          :Lithology\n"
           "CONG.%                          :Lithology\n"
           "CLY.%                         :Lithology\n"
           "COAL.%                          :Shale Lithology\n"
           "SALT.%                          :Lithology\n"
           "GRAN.%                          :Lithology\n"
           "GRANWSH.%                       :Lithology\n"
           "QTZWSH.%                        :Lithology\n"
           "CARBWSH.%                        :Lithology\n"
           "BEN.%                           :Bentonite Lithology\n"
           "REDSH.%                         :Red Shales Lithology\n"
           "ORGSH.%                         :Organge Shales Lithology\n"
           "GNSH.%                          :Green Shales Lithology\n"
           "CARBSH .%                          :CARB SH Lithology\n"
           "CHK.%                           :Chalk Lithology\n"
           "VOL.%                           :Volcanics Lithology\n");
    for (int i = 1; i <= 6; ++i) {
        const std::string d = std::to_string(i);
        curves.Text("CL" + d + ".%                           :Cust Lith " + d + " Lithology\n");
    }
    curves.Text("INT.%                           :Intrupreted Lith  Lithology\n"
           "CON.unit                           :CONNECTION 1=conn 3= csng pt 4=trip\n");
    if (st.ppmCurves)
        curves.Text("C1.PPM          :PPM C1\n"
               "C2.PPM          :PPM C2\n"
               "C3.PPM          :PPM C3\n"
               "IC4.PPM         :PPM IC4\n"
               "NC4.PPM         :PPM NC4\n"
               "IC5.PPM          :PPM IC5\n"
               "NC5.PPM          :PPM NC5\n");
    else
        curves.Text("C1.UNITS          :C1\n"
               "C2.UNITS          :C2\n"
               "C3.UNITS          :C3\n"
               "IC4.UNITS         :IC4\n"
               "NC4.UNITS         :NC4\n"
               "IC5.UNITS         :IC5\n"
               "NC5.UNITS         :NC5\n");
    curves.Text(st.loggerId == 134 ? "TOT.%        :Total Gas or H.W.\n" : "TOT.UNITS         :Total Gas or H.W.\n");
    curves.Text("CO2.%          : % CO2\n"
           "POR.UNITS         :Porosity\n"
           "FLU.%          :Fluoresence\n"
           "FLUQUAL.UNITS     :Fluoresence Quality\n"
           "CUT.UNITS         :Cut\n");
    curves.Text("FLARE.M          :Flare Length\n"
           "MUDWTOUT.LB/G     :Mud Wt Out\n"
           "MUDWTIN.LB/G      :Mud Wt In\n"
           "GAIN.BBLS         :Gain or Loss\n"
           "FLOW.%         :Flow\n"
           "DHP.PSI           :Down Hole Pressure\n"
           "DXC.UNITS         :D Exponent Corrected\n");
    curves.Text(st.hardness ? "HARD.%         :Hardness\n" : "CACO3.%        :Calcimeter\n");
    curves.Text("TEMP.DEG          :MUD Temp out\n"
           "LAGTIME.MIN       :Lagtime\n"
           "SG.UNITS          :SPECIFIC GRAVITY\n"
           "WRAT.UNITS        :WETNESS RATIO\n"
           "BRAT.UNITS        :BALANCE RATIO\n"
           "RPM.UNITS         :Total RPM\n"
           "WOB.kLB           :Max WOB\n"
           "SLIDE.UNITS         :1=Slide 0=Rotate \n"
           "HKLD.KLB           :HOOK LOAD (I)\n"
           "FLOW-in_units.GPM_US     : Flow In   (I)\n"
           "SPP.PSIG          : Pump Pressure   (I)\n"
           "SURF_RPM.UNITS     :SURFACE RPM (I) \n"
           "BitHrs.HRS         :Total Hours on Bit (I) \n"
           "BitRev.REV         :Total Revolutions on Bit (I) \n");
    for (const std::string& name : in.customNames)
        curves.Text(name + ".UNITS          :Custom Data\n");
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < curves.s.size();) {
        const std::size_t end = curves.s.find("\r\n", at);
        lines.push_back(curves.s.substr(at, end - at));
        at = end + 2;
    }
    NumberRepeatedMnemonics(lines);
    for (const std::string& line : lines)
        o.Text(line + "\n");
    // The title names the custom columns as their curve lines do.
    std::array<std::string, 4> customNames;
    for (std::size_t i = 0; i < 4; ++i)
        customNames[i] = std::string(MnemonicOf(lines[lines.size() - 4 + i]));

    o.Text(st.ppm
               ? "~A MD   TVD      DEV     AZM  VS   Rate/MM  Rate/MH  10M     5M     GR    ANH  CHT   LS   DOL  SS "
                 "SILT   CG   CLY   CO  SALT GR  GW   QW   CW   BEN  RSH OSH  GSH  CS   CHK  VOL  CL1  CL2 CL3 CL4   "
                 "CL5 CL6  INT  CON C1         C2         C3        IC4         NC4       IC5        NC5         TOT   "
                 "CO2  POR  FLU  FQ  CUT  FLARE WTOUT WTIN   GAIN   FLOW   DHP     DXC    HD    TEMP    LAG      SG     "
                 "WR    BR   RPM   WOB   SL   HKLD    FLOW_IN    SPP   SURF_RPM    TOTHR    TOTREV      "
               : "~A MD   TVD      DEV     AZM  VS   Rate/MM  Rate/MH  10M     5M    GR     ANH  CHT   LS  DOL  SS "
                 "SILT   CG   CLY   CO SALT   GR   GW   QW   CW  BEN RSH   OSH  GSH CS   CHK  VOL   CL1  CL2 CL3 CL4  "
                 "CL5  CL6  INT  CON  C1   C2    C3   IC4   NC4   IC5   NC5   TOT      CO2  POR  FLU  FQ  CUT  FLARE "
                 "WTOUT WTIN   GAIN   FLOW   DHP    DXC    HD    TEMP    LAG      SG     WR    BR   RPM   WOB  SL  "
                 "HKLD FLOW_IN SPP SURF_RPM TOTHR TOTREV");
    for (std::size_t i = 0; i < 4; ++i)
        o.Text(customNames[i] + (i == 3 ? "    " : "   "));
    o.Text("\n");
}

// The rock types of columns ANH .. CL6, in column order.
constexpr std::array<int, 27> kLithColumns{3, 5, 4, 1, 2, 6, 12, 8, 9, 10, 11, 23, 24, 26,
                                           16, 27, 28, 29, 22, 36, 37, 30, 31, 32, 33, 34, 35};

// The mean two-unit rate from records[at] as units per hour; null when the group holds no rate at all
// (the averaging takes that as 0.1 minutes).
double GroupRate(std::span<const RECORD> records, std::size_t at)
{
    int used = 0;
    const float mean = logview::AverageRecords(records, at, used);
    bool any = false;
    for (int i = 0; i < used; ++i)
        any = any || records[at + std::size_t(i)].rate2Ft > 0;
    return any && mean > 0 ? 60.0 / mean : double(kLasNull);
}

}  // namespace

float LasRateConvert(float minutes)
{
    if (!(minutes > 0))
        return 0;
    return std::min(60.0f / minutes, 900.0f);
}

int LasLithPercentages(const RECORD& record, std::array<std::int32_t, 39>& percent,
                       std::array<std::int32_t, 39>& remainder)
{
    percent.fill(0);
    remainder.fill(0);
    const std::string text = platform::FieldText(record.lith);
    auto store = [&](int type, int value) {
        if (type < 0 || type >= 39)
            return;
        percent[std::size_t(type)] = value / 10 * 10;
        remainder[std::size_t(type)] = value % 10;
    };
    if (tracks::IsMultiItemLith(text)) {
        int total = 0;
        for (const tracks::LithItem& item : tracks::LithItems(text)) {
            store(item.type, item.percent);
            total += item.percent;
            if (total >= 100)
                break;
        }
    } else if (text.size() > 3) {
        int mark = 0;
        store(tracks::LithTypeFromCode(std::string_view(text).substr(3, 4), mark), 100);
    }
    auto fold = [&](int into, std::initializer_list<int> from) {
        for (int t : from) {
            percent[std::size_t(into)] += percent[std::size_t(t)];
            percent[std::size_t(t)] = 0;
        }
    };
    fold(2, {17, 21});
    fold(4, {13, 14, 15});
    fold(1, {18, 19, 20});
    return 1;
}

std::array<std::string, 4> LasCustomNames(const layout::CUSTCHARTCFGEX& config)
{
    std::array<std::string, 4> names;
    for (int e = 0; e < 10; ++e) {
        const layout::CustomTrackEntry& t = config.track[e];
        if (t.blockWidth == 0 || t.blockCount == 0)
            continue;
        for (int j = 0; j < 6; ++j) {
            const int slot = t.dataCode[j] == 21 ? 0 : t.dataCode[j] == 22 ? 1 : t.dataCode[j] == 65 ? 2
                           : t.dataCode[j] == 66                           ? 3
                                                                           : -1;
            if (slot < 0)
                continue;
            // A mnemonic holds no blank, dot or colon, and a line starting "#" or "~" is no curve line.
            std::string name = platform::FieldText(t.label[j]);
            const std::size_t from = name.find_first_not_of(" \t\r\n"), to = name.find_last_not_of(" \t\r\n");
            name = from == std::string::npos ? std::string() : name.substr(from, to - from + 1);
            for (char& c : name)
                if (c == '.' || c == ':' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
                    c = '_';
            if (!name.empty() && (name[0] == '#' || name[0] == '~'))
                name[0] = '_';
            names[std::size_t(slot)] = name;
        }
    }
    for (std::string& n : names)
        if (n.empty())
            n = "CUST";
    return names;
}

namespace {

// The curve record of depth `d` shifted by the e-log depth offset (record i holds depth i); null outside.
const tracks::ElogRow* CurveRecordAt(const tracks::ElogView& curves, std::int32_t d)
{
    const std::int64_t i = std::int64_t(d) + curves.depthOffset;
    return i >= 0 && i < std::int64_t(curves.rows.size()) ? &curves.rows[std::size_t(i)] : nullptr;
}

}  // namespace

std::vector<std::int32_t> LasDamagedRecords(const LasInput& in)
{
    std::vector<std::int32_t> damaged;
    const int n = std::clamp(in.count, 0, int(in.records.size()) - 1);
    for (int k = 0; k < n; ++k)
        if (in.records[std::size_t(k)].depth != in.start + k)
            damaged.push_back(in.start + k);
    return damaged;
}

std::string BuildLasText(const LasInput& in, const LasSettings& st, float& mudWeightOut)
{
    Out o;
    o.null = kLasNull;
    const int n = std::clamp(in.count, 0, int(in.records.size()) - 1);
    o.s.reserve(4096 + std::size_t(n) * 2 * 560);
    const std::int32_t stop = in.start + std::max(n, 1) - 1;
    WriteHeader(o, in, st, stop);
    WriteCurves(o, in, st);

    const bool profile318 = wellfile::NumericShowProfile(st.loggerId);
    static const RECORD kZero{};
    static const wellfile::CUSTDATAREC kNoCustom{};
    double wtOut = 0, wtIn = 0, hours = 0, wr = 0;
    std::array<std::int32_t, 39> lith{}, rem{};

    for (int k = 0; k < n; ++k) {
        const RECORD& rec = in.records[std::size_t(k)];
        const RECORD& next = std::size_t(k) + 1 < in.records.size() ? in.records[std::size_t(k) + 1] : kZero;
        const wellfile::CUSTDATAREC& cust = std::size_t(k) < in.custom.size() ? in.custom[std::size_t(k)] : kNoCustom;
        // The row's depth is its place in the range: a record with a damaged depth field is written at
        // the depth it stands for, so that STEP still describes the index.
        const std::int32_t d = in.start + k;

        // Once per pair.
        const float pairRate = (k % 2 == 1) ? next.rateOne : next.rateOdd;
        const double speed = pairRate > 0 ? 60.0 / pairRate : 1.0;
        hours += pairRate > 0 ? pairRate / 60.0 : 0.0;
        if (rec.mudWeightOut > 0)
            wtOut = rec.mudWeightOut;
        if (rec.mudWeightIn > 0)
            wtIn = rec.mudWeightIn;
        const double dxc = cust.rpm > 0 && cust.las28 > 0 && speed > 0 && cust.caliper > 0 && wtOut > 0
                               ? tracks::CalcDExponent(speed, cust.rpm * 60.0, cust.las28 * 12000.0, wtOut,
                                                       cust.caliper * 1000000.0)
                               : 0.0;
        const double surfRpm = cust.rpm - tracks::CalcPumpVolume(in.lag, cust.motorFactor,
                                                                 std::int32_t(cust.spm), cust.pumpOutput);
        LasLithPercentages(rec, lith, rem);
        int mark = 0;
        const std::string interp = platform::FieldText(rec.interpretedLith);
        const std::size_t digits = interp.find_first_not_of("0123456789");
        const int interpreted =
            digits == std::string::npos ? 0 : tracks::LithTypeFromCode(std::string_view(interp).substr(digits), mark);
        // A station stands on the row of its own depth; elsewhere nothing is known of the path: NULL, not
        // a vertical well at TVD 0.
        const bool survey = rec.tvd > 0;
        constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
        const int flu = rec.fluorQuality == 't' ? 5 : rec.fluorPercent;
        int fq = 0;
        switch (rec.fluorQuality) {
        case 't': fq = 0; break;
        case 'p': fq = 1; break;
        case 'f': fq = 2; break;
        case 'g': fq = 3; break;
        default: fq = flu > 0 ? 3 : 0;
        }
        if (profile318 && flu > 0)
            fq = 3;
        const int por = profile318 ? rec.porosity : wellfile::RatingValue(rec.porosity);
        double gamma = 0;
        if (in.curves)
            if (const tracks::ElogRow* row = CurveRecordAt(*in.curves, d))
                gamma = (*row)[1] > 3000 ? 0.0 : double((*row)[1]);

        // Row d holds record d; row d + 0.5 the half unit drilled from d, which record d + 1 keeps as its
        // first half step (gas, rate, weight on bit), with record d's values of the whole unit.
        for (int half = 0; half < 2; ++half) {
            if (half && d == stop)
                break;
            const RECORD& sample = half ? next : rec;
            const double md = d + (half ? 0.5 : 0.0);
            const float rate = half ? next.rateOdd : rec.rateOne;
            const bool drilled = rate > kLasBlankRate;  // a unit with no rate holds 0.1 minutes
            double ten = kLasNull, five = kLasNull;
            if (k >= 5 && !half && d % 10 == 0) {
                ten = GroupRate(in.records.first(std::size_t(n)), std::size_t(k - 4));
                const auto& R = in.records;
                const double s = 0.2 * (R[k - 2].rateOne + R[k - 1].rateOne + R[k].rateOne + R[k - 1].rateOdd +
                                        R[k].rateOdd);
                five = s > 0 ? 60.0 / s : s;
            } else if (k >= 5 && half && (d + 1) % 5 == 0) {
                five = GroupRate(in.records.first(std::size_t(n)), std::size_t(k - 1));
            }
            int con = 0;
            if (half)
                con = rec.tripCode == 1 ? 1 : 0;
            else
                con = rec.tripCode == 2 ? 1 : rec.tripCode == 3 ? 3 : rec.tripCode == 4 || rec.tripCode == 5 ? 4 : 0;

            std::array<double, 7> c{};
            for (std::size_t i = 0; i < 7; ++i) {
                c[i] = half ? next.halfGas[i + 1] : rec.gas[i + 1];
                if (st.ppm) {
                    const float test = sample.testGas[i + 1];
                    c[i] = c[i] / (test > 0 ? test : 1.0f) * 10000.0;
                }
            }
            double tot = 0;
            if (st.totalGasFromStep)
                tot = std::abs(double(std::int64_t(half ? next.halfGas[0] : rec.gas[0])));
            else
                tot = c[0] + c[1] + c[2] + c[3] + c[4] + c[5];
            if (st.loggerId == 134)
                tot *= 0.01;
            const double sg = tracks::GasSpecificGravity(sample, half != 0);  // of the row's own gas
            const double sum = c[0] + c[1] + c[2] + c[3] + c[4] + c[5] + c[6];
            if (sum > 0)
                wr = (sum - c[0]) / sum * 100;
            double brDiv = c[2] + c[3] + c[4] + c[5];
            if (brDiv <= 0)
                brDiv = 1;
            const double br = (c[0] + c[1]) / brDiv;
            const bool station = survey && !half;

            o.Line(" %-5.1f  %-7.1f  %-5.1f   %-5.1f %-4d  %-5.2f  %-5.1f  %-7.1f  %-7.1f  %-6.1f ",
                   {md, station ? rec.tvd : kNoValue, station ? rec.inclination : kNoValue,
                    station ? rec.azimuth : kNoValue, station ? std::trunc(rec.verticalSection) : kNoValue,
                    drilled ? rate : kNoValue, drilled ? LasRateConvert(rate) : kNoValue, ten, five, gamma});
            for (int part = 0; part < 2; ++part) {
                const std::size_t b = std::size_t(part) * 9;
                o.Line("%-3d  %-3d  %-3d  %-3d  %-3d  %-3d  %-3d  %-3d  %-3d ",
                       {double(lith[kLithColumns[b]]), double(lith[kLithColumns[b + 1]]),
                        double(lith[kLithColumns[b + 2]]), double(lith[kLithColumns[b + 3]]),
                        double(lith[kLithColumns[b + 4]]), double(lith[kLithColumns[b + 5]]),
                        double(lith[kLithColumns[b + 6]]), double(lith[kLithColumns[b + 7]]),
                        double(lith[kLithColumns[b + 8]])});
            }
            o.Line("%-3d  %-3d  %-3d  %-3d  %-3d  %-3d ",
                   {double(lith[kLithColumns[18]]), double(lith[kLithColumns[19]]), double(lith[kLithColumns[20]]),
                    double(lith[kLithColumns[21]]), double(lith[kLithColumns[22]]), double(lith[kLithColumns[23]])});
            o.Line("%-3d  %-3d  %-3d  %-3d  %-2d ", {double(lith[kLithColumns[24]]), double(lith[kLithColumns[25]]),
                                                 double(lith[kLithColumns[26]]), double(interpreted), double(con)});
            o.Line(st.ppm ? "%-10.1f %-10.1f %-10.1f %-10.1f %-10.1f %-10.1f %-10.1f %-5.2f  %-3.1f  "
                          : "%-5.1f %-5.1f %-5.1f %-5.1f %-5.1f %-5.1f %-5.1f %-5.2f %-3.1f  ",
                   {c[0], c[1], c[2], c[3], c[4], c[5], c[6], tot, rec.co2});
            o.Line("%-3d  %-3d  %-3d  %-3d  %-3d  %-5.1f  %-5.1f  %-5d %-5.1f ",
                   {double(por), double(flu), double(fq), double(wellfile::RatingValue(rec.cutRating)), double(rec.flareLength),
                    wtOut, wtIn, std::trunc(cust.gainLoss), std::trunc(cust.flow)});
            // WOB: the whole step (486) of d on its row, the first half step (482) of d + 1 on the half-step row.
            o.Line("%-6.1f  %-5.1f  %-5.1f  %-5.1f  %-5.1f  %-5.3f  %-5.2f  %-5.2f  %-5d %-5d %-2d %-7.1f  %-7.1f  "
                   "%-7.1f  %-7.1f  %-10.1f %-10.1f   ",
                   {cust.downholePressure, dxc, double(rec.hardness), 0.0, rec.lagTime, sg, wr, br,
                    std::trunc(cust.rpm), std::trunc(half ? next.weightOnBit[0] : rec.weightOnBit[1]), double(rec.slide), cust.las8,
                    cust.las202, cust.las4, surfRpm, hours, hours * 60.0 * cust.rpm});
            o.Line("%-6.1f  %-6.1f  %-6.1f %-6.1f  \n",
                   {rec.custom1, rec.custom2, st.extendedCustom ? 0.0 : cust.custom[0],
                    st.extendedCustom ? 0.0 : cust.custom[1]});
        }
    }
    mudWeightOut = float(wtOut);
    return std::move(o.s);
}

std::string BuildLasRemarks(std::span<const wellfile::SVMEMO> memos)
{
    Out o;
    for (const wellfile::SVMEMO& m : memos) {
        std::string text = platform::FieldText(m.text);
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        o.Line("%-6d   %-s \n\r", {double(m.depth)}, text);
    }
    return std::move(o.s);
}

void QuoteString(std::string& text) { text = '"' + text + '"'; }

}  // namespace elog
