#pragma once
// The custom LAS file: the mudlog as LAS 2.0 (~Version, ~Well with wide lines, ~Curve, ~A) with a fixed
// selection of 30 curves out of a catalogue of 72, one row per half depth unit, CR LF line ends, C locale.
// Pure text building: the command (elog/ui/customlascommand.h) reads the records, the header and the
// settings and writes the file.
#include "elog/lasexport.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace elog {

class Out;

// Where an entry's value comes from. The catalogue keeps every entry's curve line, title and format, but
// only the sources of the written selection (and of lithology, which any rock type shares) are worked
// out; the others are `None` and write nothing.
enum class CustomLasSource : std::uint8_t {
    None,
    Depth,
    Rate,       // units per hour of the step's rate
    Lith,       // percentage of rock type `arg`
    Gas,        // chromatograph component `arg` (1 C1 .. 7 NC5) in the gas form
    TotalGas,
    Co2,
    MudOut,     // carried from the last record that has one; 0 before the first
    MudIn,
    FlowIn,
    Dxc,
    Rpm,
    Wob,
    TorqueAvg,
    TorqueMax,
    Spp,
    Slide,
    HookLoad,
    SurfaceRpm,
    Custom,     // custom column `arg` (0-3)
};

struct CustomLasEntry {
    const char* curve;          // the curve line; the units form for the components; null for custom columns
    const char* title;          // appended to the column-title line
    const char* format;
    CustomLasSource source = CustomLasSource::None;
    int arg = 0;
};

constexpr int kCustomLasEntries = 72;
const std::array<CustomLasEntry, kCustomLasEntries>& CustomLasCatalogue();

// The entries written, in this order.
constexpr std::array<int, 30> kCustomLasSelection{0,  6,  12, 14, 15, 16, 17, 18, 29, 31, 32, 33, 34, 35, 36,
                                                  37, 38, 39, 45, 46, 49, 51, 58, 59, 60, 61, 62, 63, 64, 65};

// The components as they are in the records (units), as percent of the test gas (the PPM setting), or
// as parts per million (the PPM setting with its scaling).
enum class GasForm { Units, Percent, Ppm };
GasForm CustomLasGasForm(const LasSettings& settings);

// The entry's curve line (depth units of the well, the gas form, profile 134's total gas, the hardness
// choice, the custom column names) into `line`, its title appended to `titles`. False, and nothing
// changed, for an entry outside the catalogue.
bool ExportCustomLasCurves(const LasSettings& settings, const std::array<std::string, 4>& customNames, int entry,
                           std::string& line, std::string& titles);

// What one data row reads: the record of depth d, the next record (d + 1) and the custom record of d. As
// in the mudlog file, both rows hold record d's values of the whole unit; the half-step row takes its gas,
// rate and drilling samples from the first half step of record d + 1, drilled from d to d + 0.5.
struct CustomLasRow {
    const wellfile::RECORD& record;
    const wellfile::RECORD& next;
    const wellfile::CUSTDATAREC& custom;
    int half = 0;                           // 0 the row at d, 1 the half-step row at d + 0.5
    std::array<std::int32_t, 39> lith{};    // LasLithPercentages of `record`
    const wellfile::LagRecord* lag = nullptr;  // the pumps of the surface RPM; none: no pumps on hole
    float mudWeight = 0;                    // the mud weight out carried from row to row
    float mudWeightIn = 0;                  // the mud weight in, carried the same way
};

// Writes the entry's value for the row with its format; nothing for an entry without a source.
void ExportCustomLasRows(Out& out, const LasSettings& settings, CustomLasRow& row, int entry);

struct CustomLasInput {
    // records[0] is the record above the start (zeroed above the file's first depth), records[k] the
    // record of depth start - 1 + k; `count` of them are valid. `custom` is indexed the same way.
    std::span<const wellfile::RECORD> records;
    std::span<const wellfile::CUSTDATAREC> custom;
    int count = 0;
    std::int32_t start = 0;
    std::int32_t stop = 0;
    const wellfile::WellHeader* header = nullptr;  // null: empty header texts
    std::array<std::string, 4> customNames{"CUST", "CUST", "CUST", "CUST"};
    wellfile::LagRecord lag{};
};

constexpr float kCustomLasNull = -999.25f;

// The whole file. Rows run from start to stop - 0.5 (none at stop); STOP is the last row's depth.
// WTOUT and WTIN are 0 until a record with a mud weight out (in) is met, then the last one carried;
// `mudWeight` gets the last weight out carried (0 when none). A unit with no rate writes ROP as NULL.
std::string BuildCustomLasText(const CustomLasInput& in, const LasSettings& settings, float& mudWeight);

}  // namespace elog
