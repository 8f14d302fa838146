#pragma once
// The read-outs of a click on the log: the small box of values of the clicked depth (rates, gas, the
// lithology and the show described in words). The texts are Windows-1252 bytes with "\n" line breaks;
// numbers are written with a point whatever the user's locale. The lithology and show texts are also
// what the reports and exports write.
#include "wellfile/record.h"

#include <cstdint>
#include <span>
#include <string>

namespace logview {

// The longest lithology description: the text is cut there.
constexpr std::size_t kLithTextMax = 259;

// A lithology field ("60ss,40sh", "100sh") in words: "60% sandstone, 40% shale". The field is read
// within its width, with or without an ending NUL. Each item's units digit names an accessory rock
// ("55sh" is "50% cherty shale"); the items are joined by ", " until their rounded percentages add up to
// 100, so a text that never reaches 100 ends with ", ".
std::string BuildLithText(std::span<const char> lith);
// The fluorescence, cut and porosity of a record in words, one line each:
// "30% poor fluor\n fair cut\n No visible por ".
std::string BuildShowText(const wellfile::RECORD& r);

// A read-out: its text and the size of the box that shows it.
struct Readout {
    std::string text;
    int width = 0;
    int height = 0;
};

// The rates of a record, minutes per unit and units per hour for the half step, the step and two units,
// with the two gamma values below. `elogShown`: a curve set with its curves on the log (a taller box).
Readout RateReadout(const wellfile::RECORD& r, float gamma1, float gamma2, bool elogShown);

struct GasReadoutOptions {
    bool hotWire = false;          // total gas is the hot-wire value; else the sum of C1 to nC4
    bool percentOfTestGas = false;  // the components as percent of their test gas
    int profile = 0;
    bool co2Line = false;          // the CO2 track is shown: its value is added
};
// The total gas and the components of a record, ending with the record's depth.
Readout GasReadout(const wellfile::RECORD& r, const GasReadoutOptions& options);
// Whether the percent-of-test-gas read-out applies: the layout's gas-percent option, or profiles 17
// and 88 with two gas tracks.
bool GasAsPercentOfTestGas(bool gasPercentOption, int profile, bool singleGas);

// The hardness column's line under the lithology and show read-outs: "\n Hardness= %d %%", or
// "\n CACO3= %d %%" when the column shows calcimetry.
std::string HardnessLine(const wellfile::RECORD& r, bool hardness);

}  // namespace logview
