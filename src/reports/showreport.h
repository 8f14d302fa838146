#pragma once
// The work of the show report dialog apart from any window: the shows of a well kept as a growing
// array, a new show filled from the depth records around its interval, the total gas column of the
// hot-wire-off display, and the file saved sorted by top depth.
#include "wellfile/record.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace reports {

// How a new show writes its rates and gas.
struct ShowFillSettings {
    int profile = 0;
    bool calibratedGas = false;  // gas as fractions of the test gas
    bool ratesPerHour = false;   // the window's rate-unit flag
    std::array<float, 6> divisors{1, 1, 1, 1, 1, 1};
};

// Gas cells as two decimals of the test gas (and no C5 cells) rather than whole numbers.
bool ShowGasAsFractions(const ShowFillSettings& s);
// Rates as units per hour rather than minutes per unit.
bool ShowRatesPerHour(const ShowFillSettings& s);

// The divisors of the gas cells: the test gas TG, C1..NC4 of `last` (the last depth record; none: all
// 1.0), each 1.0 where not above 0; the first always 1.0.
std::array<float, 6> ShowGasDivisors(const wellfile::RECORD* last);

// The top depth of a show: the first token of its interval split at blanks and '-', as an integer.
std::int32_t ShowTopDepth(const wellfile::SHOWREPORT& show);

// The first gas column of each row as the sum of C1, C2, C3, IC4 and NC4 ("%d"), as the total gas
// column shows while the hot-wire setting is off. C5 is not part of it.
void SumTotalGas(wellfile::SHOWREPORT& show);

// A cleared show of interval top..bottom: " %5d to %5d", numbered after `previous` (none: 1), company
// and well of the header when it was read.
void StartShow(wellfile::SHOWREPORT& show, std::int32_t top, std::int32_t bottom, const wellfile::SHOWREPORT* previous,
               const std::string* company, const std::string* well);

// Fills the rates and gas rows of `show` from the data file `path` (records of `firstDepth`..`lastDepth`,
// one per unit): the mean of the records above (top - 10 .. top - 1) and after (bottom + 1 ..
// bottom + 10), the mean rate during (top + 1 .. bottom) and the gas of the record of highest total gas
// during. False, with the show untouched, when the file does not open.
bool FillShowFromRecords(wellfile::SHOWREPORT& show, const QString& path, std::int32_t firstDepth, std::int32_t lastDepth,
                         std::int32_t top, std::int32_t bottom, const ShowFillSettings& settings);

// The whole shows of the well's ".sho" (an old file converted first); nullopt when there is none
// or it holds no whole show. `unreadable`, when given, tells whether the file is there but could not be
// read or converted: its shows are unknown, and a save must not replace it.
std::optional<std::vector<wellfile::SHOWREPORT>> LoadShowFile(const wellfile::WellPlace& place, bool* unreadable = nullptr);

// Sorts `shows` by top depth (equal tops keep their order), numbers them 1..n and replaces the ".sho"
// with them; `current` follows the show it pointed at. False, after the message (path, "Save failed"),
// when the file could not be written; then neither the array nor the old file change.
bool SaveShowFile(const wellfile::WellPlace& place, std::vector<wellfile::SHOWREPORT>& shows, int& current);

// Removes show `current`, lowers the numbers of the later ones by 1; returns the index then shown.
int DeleteShow(std::vector<wellfile::SHOWREPORT>& shows, int current);

// The index shown at opening: show `requested` (from 1) when 0 < requested < count, else the last.
int OpeningShow(int count, int requested);

}  // namespace reports
