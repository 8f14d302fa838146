#pragma once
// The LAS files the import tests read, made in one place so that the independent reader's test reads
// every one of them too.
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace lasfiles {

// A LAS 2.0 file of depths `from`..`to` by `step` with the curves DEPT, GR, DPHI and ILD; `row` gives
// the data after the depth, `extra` more ~Well lines.
std::string Las(double from, double to, double step, const std::string& row = " 70 20 10", const std::string& extra = "");

// A LAS 2.0 file in feet: STRT `strt`, STOP `stop`, STEP `step`, the curve lines `curves` after DEPT.F,
// and the data lines `rows` as given.
std::string MudlogLas(double strt, double stop, double step, const std::string& curves, const std::string& rows);
// The data lines from..to by step: the depth and `values` of it.
template <class Values>
std::string Rows(double from, double to, double step, Values values)
{
    std::string rows;
    const int n = int((to - from) / step + 0.5);
    for (int k = 0; k <= n; ++k) {
        const double d = std::round((from + k * step) * 1e6) / 1e6;
        rows += std::to_string(d) + " " + values(d) + "\n";
    }
    return rows;
}

struct LasFile {
    std::string name;
    std::string text;
    // Within LAS 2.0, so another LAS reader must read it as the import does. The others are files from
    // the field that the import takes all the same (commas, comment lines among the data, CR line ends).
    bool standard = true;
};
const std::vector<LasFile>& ImportTestFiles();
const std::string& ImportTestFile(std::string_view name);

}  // namespace lasfiles
