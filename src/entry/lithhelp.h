#pragma once
// The text of the lithology entry's help window: the rock types with their shortest abbreviations and
// the accessory digits, then the rules of entry.
#include <QString>

namespace entry {

// The heading line above the rows.
QString LithHelpHeader();
// The 37 rows of rock types (the nine that serve as accessories first) and the rules, lines ended by
// CR LF.
QString LithHelpText();

}  // namespace entry
