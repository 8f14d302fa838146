#pragma once
// The mudlog as a LAS 2.0 file (~Version, ~Well, ~Curve, ~A; 78 blank-delimited curves, one row per half
// depth unit, CR LF line ends) and the memos as its remarks file. Pure text building: the command handler
// reads the records, the header and the settings and writes the results whole.
#include "elog/curverecord.h"
#include "layout/custchartcfg.h"
#include "tracks/elogview.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"
#include "wellfile/wellheader.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace wellfile {
struct SVMEMO;
}

namespace elog {

// The window settings the writer reads.
struct LasSettings {
    bool ppm = false;           // gas components in ppm of the test gas: the title and the rows
    bool ppmCurves = false;     // the component curve lines in ppm (the ppm setting or profile 17's rule)
    bool ppmScaling = false;    // custom export: with `ppm`, parts per million instead of percent of the test gas
    bool drilling = false;      // custom export: DXC and SURF_RPM are worked out only in drilling mode
    bool totalGasFromStep = false;  // TOT is the stored total gas instead of the components' sum
    bool hardness = false;      // HARD instead of CACO3
    bool extendedCustom = false;  // custom values 3 and 4 come from the ".fit": written as 0
    int loggerId = 0;
    std::string logTitle;       // the service company
};

struct LasInput {
    // Records of depths start, start + 1, ...: `count` read, then at least one zeroed record.
    std::span<const wellfile::RECORD> records;
    std::span<const wellfile::CUSTDATAREC> custom;  // the same depths, zero where missing
    int count = 0;
    std::int32_t start = 0;
    const tracks::ElogView* curves = nullptr;  // null: no curve set
    const wellfile::WellHeader* header = nullptr;  // null: empty header texts
    std::array<std::string, 4> customNames{"CUST", "CUST", "CUST", "CUST"};
    wellfile::LagRecord lag{};  // the pumps the motor speed is worked out from
};

constexpr float kLasNull = -999.2f;
// The rate a unit with no rate holds (minutes per unit): such a rate is written as the file's NULL.
constexpr float kLasBlankRate = 0.1f;

// Units per hour of a rate in minutes per unit: 0 for 0 or less, else 60 / value, at most 900.
float LasRateConvert(float minutes);

// Percentages of the record's lithology by rock type (39 of each); the types the LAS columns do not show
// apart are added into sand, limestone and dolomite. Returns 1.
int LasLithPercentages(const wellfile::RECORD& record, std::array<std::int32_t, 39>& percent,
                       std::array<std::int32_t, 39>& remainder);

// The names of custom columns 1-4 from the first ten active tracks' items of types 21, 22, 65 and 66;
// "CUST" where none. Trimmed; inner blanks, "." and ":" and a leading "#" or "~" become "_", so that a
// name is one LAS mnemonic and never breaks its curve line.
std::array<std::string, 4> LasCustomNames(const layout::CUSTCHARTCFGEX& config);

// The whole LAS text. `mudWeightOut` gets the last mud weight out the rows carried (0 when none).
// Row k is written at depth start + k and holds record k, the sample of that depth (as LAS readers take
// a row); the row at d + 0.5 holds the half unit drilled from d, which record k + 1 keeps as its first
// half step (gas, rate, weight on bit), and record k's values of the whole unit. A survey station is on
// the row of its own depth only. The gamma of depth d is the curve record of depth d shifted by the
// e-log depth offset.
std::string BuildLasText(const LasInput& in, const LasSettings& settings, float& mudWeightOut);
// The depths (start + k) of the records read whose depth field is not their depth: damaged records.
std::vector<std::int32_t> LasDamagedRecords(const LasInput& in);

// One line per memo: depth, three blanks, the text without its line breaks, a blank, CR LF CR.
std::string BuildLasRemarks(std::span<const wellfile::SVMEMO> memos);

// Wraps `text` in double quotes in place (for command lines of other programs).
void QuoteString(std::string& text);

}  // namespace elog
