#pragma once
// The horizontal target: a planned well path from the directional company, read from a text file into
// the well's target file (".trg", a bare array of 24-byte records MD, TVD, AZM, INCL, VS, DLS).
//
// The text: any lines up to one beginning with "~"; then up to six column-name lines ("MD", "TVD",
// "AZM", "INCL", "VS", "DLS" in any letter case; other lines take a place but fill nothing) ended by a
// line beginning with "#" or after the sixth; that line and the next are passed over; every line after
// them is a data line of blank- or tab-separated values. Empty lines do not count.
#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace elog {

using TargetRecord = std::array<float, 6>;
static_assert(sizeof(TargetRecord) == 24);

// The `field`-th blank- or tab-separated value of `line` read as a decimal number (0 when there is
// none); for every field but the first a value below `minimum` gives 0.
float ReadTextField(const QByteArray& line, int field, float minimum);

// The records of a target text, or the number of the format message ("Data not found, check file
// format #n") when it has none. A data line that does not begin with a number (a footer) is skipped.
struct TargetParse {
    std::vector<TargetRecord> records;
    int formatError = 0;
};
TargetParse ParseTargetText(const QByteArray& text);

// Reads `textPath` and replaces `trgPath` with its records once the whole text was read; says how it
// went ("Import Done"). 1 on success, 0 otherwise (the old target file then stays).
int ImportTargetData(const QString& textPath, const QString& trgPath);

}  // namespace elog
