#include "lasfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace lasfiles {

std::string Las(double from, double to, double step, const std::string& row, const std::string& extra)
{
    char head[600];
    std::snprintf(head, sizeof head,
                  "~VERSION INFORMATION\nVERS. 2.0 :\nWRAP. NO :\n~WELL\nSTRT.M %g :\nSTOP.M %g :\nSTEP.M %g :\n"
                  "NULL. -999.25 :\nEKB.M 250.0 :\n%s~CURVE\nDEPT.M :\nGR.GAPI :\nDPHI.V/V :\nILD.OHMM :\n"
                  "~PARAMETER\nBS.MM 222.0 :\n~A\n",
                  from, to, step, extra.c_str());
    std::string text = head;
    const int n = int((to - from) / step + 0.5);
    for (int k = 0; k <= n; ++k) {
        char depth[32];
        std::snprintf(depth, sizeof depth, "%.4f", from + k * step);
        text += depth + row + "\n";
    }
    return text;
}

std::string MudlogLas(double strt, double stop, double step, const std::string& curves, const std::string& rows)
{
    char head[400];
    std::snprintf(head, sizeof head,
                  "~VERSION INFORMATION\nVERS. 2.0 :\nWRAP. NO :\n~WELL\nSTRT.M %g :\nSTOP.M %g :\nSTEP.M %g :\n"
                  "NULL. -999.25 :\n~CURVE\nDEPT.M :\n",
                  strt, stop, step);
    return head + curves + "~A\n" + rows;
}

namespace {

// The mudlog import's files: every field a number, so another reader sees what the import sees.
void AddMudlogFiles(std::vector<LasFile>& files)
{
    // Half steps from above the interval; ROP 0 at 1040, the unit 1050 missing, TOTGAS NULL at 1060.0.
    std::string half = Rows(995, 1100, 0.5, [](double d) {
        const bool dotFive = d != double(int(d));
        const std::string tg = d == 1060.0 ? "-999.25" : dotFive ? "7" : "5";
        return std::string(int(d) == 1040 ? "0" : "30") + " " + tg + " 5000 " + std::to_string(int(d) - 10) + " 45 60";
    });
    for (const char* gone : {"1050.000000", "1050.500000"})
        half.erase(half.find(gone), half.find('\n', half.find(gone)) + 1 - half.find(gone));
    files.push_back({"mudlog half steps",
                     MudlogLas(995, 1200, 0.5, "ROP.M/HR :\nTOTGAS.% :\nC1.PPM :\nTVD.F :\nAZM.DEG :\nGAMMA.GAPI :\n", half)});
    files.push_back({"mudlog whole steps",
                     MudlogLas(1000, 1100, 1.0, "GAMMA.GAPI :\nWOB.LBS :\nRPM.RPM :\nTORQ.FTLB :\nTOTGAS.% :\n",
                               Rows(1000, 1100, 1.0, [](double d) {
                                   return int(d) == 1070 ? std::string("60 70000 120 70000 4") : std::string("60 12000 120 3000 4");
                               }))});
    // GAMMA 0, 1, 2 ... 9 at the tenths of each unit.
    const auto tenths = [](double d) { return std::to_string(int((d - int(d)) * 10 + 0.5)); };
    files.push_back({"mudlog fifth steps", MudlogLas(1000, 1100, 0.2, "GAMMA.GAPI :\n", Rows(1000, 1100, 0.2, tenths))});
    files.push_back({"mudlog tenth steps", MudlogLas(1000, 1100, 0.1, "GAMMA.GAPI :\n", Rows(1000, 1100, 0.1, tenths))});
    files.push_back({"mudlog short", MudlogLas(1000, 1100, 1.0, "GAMMA.GAPI :\n",
                                               Rows(1000, 1060, 1.0, [](double) { return std::string("60"); }))});
}

// A wireline run as service companies write it: aligned items, a ~Parameter block that repeats ~Well
// mnemonics with other values and units, NULL runs at the top of the run, GR = MD - 900 (or `gr`).
std::string ServiceRun(int from, int to, int nullsTo, double gr)
{
    std::string text = "# written by the logging unit\n~Version Information\n VERS.   2.0 :   CWLS log ASCII Standard\n"
                       " WRAP.                  NO :   One line per depth step\n~Well Information Block\n"
                       "#MNEM.UNIT       Data Type    Information\n STRT.FT         " + std::to_string(from) +
                       ".0000 :\n STOP.FT         " + std::to_string(to) + ".0000 :\n STEP.FT   0.5000 :\n"
                       " NULL.   -999.2500 :\n WELL.   I-1 :   WELL\n EKB .FT   1250.00 :   Kelly bushing\n"
                       "~Curve Information Block\n DEPT.FT    :   Depth\n GR  .GAPI  :   Gamma Ray\n"
                       " DPHI.PU    :   Density porosity\n ILD .OHMM  :   Deep resistivity\n~Parameter Information Block\n"
                       " BS  .IN   8.500 :   Bit size\n STEP.      5 cm   :   Tool sampling\n NULL.   -9999 :\n"
                       " EKB .M    381.00 :   Elevation\n BS  .MM   216 :\n STRT.M   304.80 :\n~A  DEPTH  GR  DPHI  ILD\n";
    for (double d = from; d <= to; d += 0.5) {
        const bool null = d < nullsTo;
        char row[96];
        std::snprintf(row, sizeof row, "%10.4f%10.3f%10.3f%10.4f\n", d, null ? -999.25 : gr < 0 ? d - 900 : gr,
                      null ? -999.25 : 10.0 + int(d) % 20, null ? -999.25 : 2.0 + int(d) % 10 / 10.0);
        text += row;
    }
    return text;
}

std::vector<LasFile> Make()
{
    std::vector<LasFile> files;
    // One file written differently.
    const std::string a = Las(100, 105, 0.5);
    const std::size_t data = a.find("~A\n") + 3;
    std::string comma = a, tabs = a, cr = a, blanks = a.substr(0, data), commented = a;
    for (std::size_t k = data; k < a.size(); ++k)
        if (a[k] == ' ')
            comma[k] = ',', tabs[k] = '\t';
    for (char& c : cr)
        c = c == '\n' ? '\r' : c;
    for (std::size_t k = data; k < a.size(); ++k)
        blanks += a[k] == '\n' ? std::string("\n  \n# note\n\n") : std::string(1, a[k]);
    commented.insert(commented.find("DEPT.M"), "#GR.X 1 : x\n").insert(commented.find("STRT"), "# a comment\n");
    commented.replace(commented.find("GR.GAPI :"), 9, "GR.GAPI : gamma # ray");
    std::string las12 = Las(100, 105, 0.5, " 70 20 10", "COMP. : ACME OIL\n");
    las12.replace(las12.find("VERS. 2.0"), 9, "VERS. 1.20");
    las12.replace(las12.find("~A\n"), 3, "~OTHER\nsome words\n~ASCII DEPT GR DPHI ILD\n");
    files.push_back({"plain", a});
    files.push_back({"comma", comma, false});
    files.push_back({"tabs", tabs});
    files.push_back({"cr", cr, false});
    files.push_back({"blank and comment lines among the data", blanks, false});
    files.push_back({"comments", commented});
    files.push_back({"las 1.2", las12});

    // Bottom up, with 77 at depth 101.
    std::string up = Las(105, 100, -0.25, " 0 0 0");
    up.replace(up.find("\n101.0000") + 10, 5, "77 0 0");
    files.push_back({"bottom up", up});
    // Fine steps, 66 on the first line of unit 101.
    std::string fine = Las(100, 102, 0.1524, " 0 0 0");
    fine.replace(fine.find("\n101.0668") + 10, 5, "66 0 0");
    files.push_back({"fine steps", fine});
    files.push_back({"two units a line", Las(100, 110, 2.0)});
    // A gap, a first line below STRT, a comment among the data and an empty comma field.
    std::string gap = Las(98, 106, 1.0, " 0 0 0");
    gap = gap.substr(0, gap.find("~A\n") + 3) + "# starts late\n100,,3,9\n101 71 0 0\n104 74 0 0\n";
    files.push_back({"gap", gap, false});
    std::string huge = Las(0, 2, 1.0);
    huge.replace(huge.find("STOP.M 2"), 8, "STOP.M 2000000000");
    files.push_back({"huge stop", huge});
    files.push_back({"percent porosity", Las(100, 120, 1.0, " 60 20 10")});
    files.push_back({"ten percent rows", Las(100, 109, 1.0, " 60 20 10")});
    std::string nulls = Las(100, 102, 1.0);
    nulls.replace(nulls.find("100.0000 70"), 11, "100.0000 -999.25").replace(nulls.find("101.0000 70"), 11, "101.0000 1600");
    files.push_back({"nulls", nulls});
    nulls.replace(nulls.find("NULL. -999.25"), 13, "NULL. 999.25").replace(nulls.find("102.0000 70"), 11, "102.0000 999.25");
    files.push_back({"positive null", nulls});
    files.push_back({"merge", Las(100, 121, 1.0, " 80 25 0")});
    AddMudlogFiles(files);
    files.push_back({"service run 1", ServiceRun(1000, 1100, 1010, -1)});
    files.push_back({"service run 2", ServiceRun(1040, 1100, 1060, 300)});
    // Written where the comma is the decimal mark: "1000,500000 51,5 2,5".
    std::string commas = Rows(1000, 1010, 0.5, [](double) { return std::string("51.5 2.5"); });
    std::replace(commas.begin(), commas.end(), '.', ',');
    files.push_back({"comma decimals", MudlogLas(1000, 1010, 0.5, "GR.GAPI :\nILD.OHMM :\n", commas), false});
    return files;
}

}  // namespace

const std::vector<LasFile>& ImportTestFiles()
{
    static const std::vector<LasFile> files = Make();
    return files;
}

const std::string& ImportTestFile(std::string_view name)
{
    for (const LasFile& f : ImportTestFiles())
        if (f.name == name)
            return f.text;
    ADD_FAILURE() << "no LAS test file " << name;
    static const std::string none;
    return none;
}

}  // namespace lasfiles
