#pragma once
// The WITS items the links take, as data: for each item code how its value text is read, which field of
// the sample it fills (and of the drilling object's live record), which alarm channel it feeds, which
// line of the data window shows it and which special effect it has. The standard link's dispatcher
// works through this table; the custom link takes the same rows with its differences.
//
// Value texts are read in the C locale, and a text that is no number reads as 0. Numbers outside what a
// field can hold are brought into range before they are stored (a count beyond its range is 0).
#include "platform/numbers.h"
#include "wellfile/witsrecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wits {

// How a value text becomes the stored value.
enum class Conversion : std::uint8_t {
    Float,         // a decimal floating-point number
    Count,         // a whole number; below 0 or above 65,000 it is 0; a 16-bit field
    PumpPressure,  // a count that is 0 above 10,000 as well
    Low16,         // a whole number of which a 16-bit field keeps the low 16 bits
    Integer,       // a whole number into a 32-bit field
    WholeLow16,    // a float truncated to a whole number, low 16 bits unsigned, kept as a float (CO2)
};

// The type of the field a row fills.
enum class FieldType : std::uint8_t { F32, U16, I32 };

// What a row does beyond storing its value.
enum class Effect : std::uint8_t {
    None,
    HalfStep,      // 0108: half-step marking
    Tracking,      // 0110: WITS percent and depth tracking
    RpmSeen,       // 0120
    CasingFlag,    // 0122: the drilling alarm's casing-pressure flag
    PumpRate,      // 0123 to 0125
    PitVolumeFlag, // 0126
    FlowFlag,      // 0128
    LagDepth,      // 0139
    Item0142,
    Item0145,
    MwdDepth,      // 0813
    MwdA,          // 0816
    MwdB,          // 0820
    GammaDepth,    // 0821
    Gamma,         // 0824
    Marker,        // 1984: nothing, and no gas stage
};

// How the live record takes the value.
enum class Live : std::uint8_t { No, Same, Larger };

// How a display line shows the stored value.
enum class Shown : std::uint8_t { None, Float, Int, Truncated };

struct ItemRow {
    int code;
    Conversion conversion;
    int sampleOffset;   // byte offset in WITSRECORD; -1 none
    FieldType type;
    Live live;
    int alarmChannel;   // -1 none
    int displayLine;    // -1 none
    Shown shown;
    const char* format; // printf format of the display line
    Effect effect;
    int pump;           // PumpRate: 0 to 2
};

// The stage-1 rows, in code order.
std::span<const ItemRow> StandardItems();
// The row of `code`, or none for an item the link does not take.
const ItemRow* FindItem(int code);

using platform::TruncInt;

// The value of `text` as `row` stores it, in the field's own units.
double ConvertValue(const ItemRow& row, std::string_view text);
// Writes `value` into the row's field of `record` (a row without a field writes nothing).
void StoreField(const ItemRow& row, wellfile::WITSRECORD& record, double value);
// Reads the row's field of `record`.
double ReadField(const ItemRow& row, const wellfile::WITSRECORD& record);
// The display text of `value` for `row` (none for a row without a line), at most kDisplayLineLength
// characters.
std::optional<std::string> DisplayText(const ItemRow& row, double value);

constexpr int kDisplayLines = 20;
constexpr int kDisplayLineLength = 27;
// `text` cut to a display line.
std::string DisplayLine(std::string text);

}  // namespace wits
