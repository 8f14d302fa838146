#pragma once
// The lines of the text views of the well's data: the depth records ("Mudlog data "), the e-log curve
// rows ("Elog data ") and the drilling object's lag tables, each line as the list box shows it. Pure
// functions of the rows they are given; numbers in the C locale.
#include "drilling/drilling_services.h"
#include "elog/curverecord.h"
#include "wellfile/record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace shell {

inline constexpr const char* kMudlogTextCaption = "Mudlog data ";
inline constexpr const char* kElogTextCaption = "Elog data ";

// What the mudlog table reads of the open well besides its records.
struct MudlogTextContext {
    std::int32_t fileTopDepth = 0;
    std::int32_t fileBottomDepth = 0;
    bool ratePerHour = false;    // rates shown as 60 / minutes per unit
    std::uint16_t loggerId = 0;  // profile 134 shows the components x 100
};

// The heading, then two lines per record: its first half step (depth - 0.5) and its whole step. Leading
// records no deeper than the file's first depth + 10 are left out; the listing ends after the half-step
// line of the file's last record, at a record above the file's first depth, or with the rows given.
std::vector<std::string> MudlogTextLines(std::span<const wellfile::RECORD> rows, const MudlogTextContext& in);

// What the e-log table reads besides the curve rows.
struct ElogTextContext {
    std::int32_t curveLastDepth = 0;
    std::int32_t fileBottomDepth = 0;  // of the data file
};

// The heading, then one line per curve row; the listing ends after the row at the curve set's last
// depth, at or past the data file's last depth, at a row of depth 0, or with the rows given.
std::vector<std::string> ElogTextLines(std::span<const elog::CurveRecord> rows, const ElogTextContext& in);

// One line per slot of the lag tables: depth, clock, lag and the slot number.
std::vector<std::string> LagListLines(std::span<const drilling::LagEntry> entries);

}  // namespace shell
