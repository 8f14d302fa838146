#include "wits/itemtable.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

namespace wits {

namespace {

constexpr int kNoField = -1;
constexpr int kNone = -1;
constexpr double kCountMaximum = 65000;
constexpr double kPumpPressureMaximum = 10000;

#define W_AT(field) static_cast<int>(offsetof(wellfile::WITSRECORD, field))

// clang-format off
constexpr std::array kItems = {
//  code  conversion               sample field               type             live         alarm  line  shown            format   effect
    ItemRow{ 108, Conversion::Float,        W_AT(bitDepth),            FieldType::F32, Live::No,     3, 10, Shown::Float,     "%5.2f", Effect::HalfStep, 0},
    ItemRow{ 110, Conversion::Float,        W_AT(holeDepth),           FieldType::F32, Live::No,     2,  5, Shown::Float,     "%5.2f", Effect::Tracking, 0},
    ItemRow{ 112, Conversion::Count,        W_AT(blockHeight),         FieldType::U16, Live::No,    29, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{ 113, Conversion::Float,        W_AT(rop),                 FieldType::F32, Live::No,    13, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{ 115, Conversion::Float,        W_AT(item0115),            FieldType::F32, Live::Same, kNone, kNone, Shown::None, "",     Effect::None, 0},
    ItemRow{ 116, Conversion::Count,        W_AT(wob),                 FieldType::U16, Live::Same,  14,  0, Shown::Int,       "%-5d",  Effect::None, 0},
    ItemRow{ 117, Conversion::Count,        W_AT(wob),                 FieldType::U16, Live::Same,  14,  0, Shown::Int,       "%-5d",  Effect::None, 0},
    ItemRow{ 118, Conversion::Count,        W_AT(torque),              FieldType::U16, Live::Same,  17,  4, Shown::Int,       "%d",    Effect::None, 0},
    ItemRow{ 119, Conversion::Count,        W_AT(item0119),            FieldType::U16, Live::Same, kNone, kNone, Shown::None, "",     Effect::None, 0},
    ItemRow{ 120, Conversion::Count,        W_AT(rpm),                 FieldType::U16, Live::Same,  15,  1, Shown::Int,       "%d",    Effect::RpmSeen, 0},
    ItemRow{ 121, Conversion::PumpPressure, W_AT(pumpPressure),        FieldType::U16, Live::Same,  16,  2, Shown::Int,       "%d",    Effect::None, 0},
    ItemRow{ 122, Conversion::Float,        W_AT(casingPressure),      FieldType::F32, Live::Larger, 4, kNone, Shown::None,  "",      Effect::CasingFlag, 0},
    ItemRow{ 123, Conversion::Count,        W_AT(spm1),                FieldType::U16, Live::Same,  21,  3, Shown::Int,       "%d",    Effect::PumpRate, 0},
    ItemRow{ 124, Conversion::Count,        W_AT(spm2),                FieldType::U16, Live::Same,  22,  6, Shown::Int,       "%d",    Effect::PumpRate, 1},
    ItemRow{ 125, Conversion::Count,        W_AT(spm3),                FieldType::U16, Live::Same,  23,  9, Shown::Int,       "%d",    Effect::PumpRate, 2},
    ItemRow{ 126, Conversion::Float,        W_AT(pitVolume),           FieldType::F32, Live::Same,   6, 11, Shown::Truncated, "%d",    Effect::PitVolumeFlag, 0},
    ItemRow{ 127, Conversion::Float,        W_AT(gainLoss),            FieldType::F32, Live::Same,   7, 12, Shown::Float,     "%2.1f", Effect::None, 0},
    ItemRow{ 128, Conversion::Count,        W_AT(flow),                FieldType::U16, Live::Same,   5,  8, Shown::Int,       "%d",    Effect::FlowFlag, 0},
    ItemRow{ 130, Conversion::Float,        W_AT(item0130),            FieldType::F32, Live::Same, kNone, kNone, Shown::None, "",     Effect::None, 0},
    ItemRow{ 137, Conversion::Float,        W_AT(item0137),            FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::None, 0},
    ItemRow{ 139, Conversion::Integer,      W_AT(lagDepth),            FieldType::I32, Live::No,   kNone, kNone, Shown::None, "",     Effect::LagDepth, 0},
    ItemRow{ 142, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::Item0142, 0},
    ItemRow{ 145, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::Item0145, 0},
    ItemRow{ 813, Conversion::Integer,      kNoField,                  FieldType::I32, Live::No,   kNone, kNone, Shown::None, "",     Effect::MwdDepth, 0},
    ItemRow{ 816, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::MwdA, 0},
    ItemRow{ 820, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::MwdB, 0},
    ItemRow{ 821, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::GammaDepth, 0},
    ItemRow{ 824, Conversion::Count,        W_AT(gamma),               FieldType::U16, Live::No,    20, kNone, Shown::None,  "",      Effect::Gamma, 0},
    ItemRow{ 835, Conversion::Low16,        W_AT(downholePressure),    FieldType::U16, Live::Same,  18, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{ 913, Conversion::Low16,        W_AT(downholePressure),    FieldType::U16, Live::Same,  18, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{ 936, Conversion::Low16,        W_AT(downholePressure),    FieldType::U16, Live::Same,  18, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{1222, Conversion::WholeLow16,   W_AT(co2),                 FieldType::F32, Live::No,    11, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{1818, Conversion::Low16,        W_AT(downholePressure),    FieldType::U16, Live::Same,  18, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{1819, Conversion::Low16,        W_AT(downholeTemperature), FieldType::U16, Live::Same,  19, kNone, Shown::None,  "",      Effect::None, 0},
    ItemRow{1984, Conversion::Float,        kNoField,                  FieldType::F32, Live::No,   kNone, kNone, Shown::None, "",     Effect::Marker, 0},
};
// clang-format on
#undef W_AT

constexpr bool InCodeOrder()
{
    for (std::size_t i = 1; i < kItems.size(); ++i)
        if (kItems[i - 1].code >= kItems[i].code)
            return false;
    return true;
}
static_assert(InCodeOrder());

double CountValue(double v, double maximum) { return v < 0 || v > maximum ? 0 : v; }

}  // namespace

std::span<const ItemRow> StandardItems() { return kItems; }

const ItemRow* FindItem(int code)
{
    const auto it = std::lower_bound(kItems.begin(), kItems.end(), code,
                                     [](const ItemRow& r, int c) { return r.code < c; });
    return it != kItems.end() && it->code == code ? &*it : nullptr;
}

double ConvertValue(const ItemRow& row, std::string_view text)
{
    switch (row.conversion) {
    case Conversion::Float:
        return platform::LeadingFloat(text);
    case Conversion::Count:
        return CountValue(double(platform::LeadingInt(text)), kCountMaximum);
    case Conversion::PumpPressure:
        return CountValue(CountValue(double(platform::LeadingInt(text)), kCountMaximum), kPumpPressureMaximum);
    case Conversion::Low16:
        return double(std::uint16_t(platform::LeadingInt(text) & 0xFFFF));
    case Conversion::Integer:
        return double(platform::LeadingInt(text));
    case Conversion::WholeLow16:
        return double(std::uint16_t(std::uint32_t(TruncInt(platform::LeadingFloat(text))) & 0xFFFF));
    }
    return 0;
}

void StoreField(const ItemRow& row, wellfile::WITSRECORD& record, double value)
{
    if (row.sampleOffset < 0)
        return;
    auto* at = reinterpret_cast<unsigned char*>(&record) + row.sampleOffset;
    switch (row.type) {
    case FieldType::F32: {
        const float f = float(value);
        std::memcpy(at, &f, sizeof f);
        break;
    }
    case FieldType::U16: {
        const auto u = std::uint16_t(std::uint32_t(TruncInt(value)) & 0xFFFF);
        std::memcpy(at, &u, sizeof u);
        break;
    }
    case FieldType::I32: {
        const std::int32_t i = TruncInt(value);
        std::memcpy(at, &i, sizeof i);
        break;
    }
    }
}

double ReadField(const ItemRow& row, const wellfile::WITSRECORD& record)
{
    if (row.sampleOffset < 0)
        return 0;
    const auto* at = reinterpret_cast<const unsigned char*>(&record) + row.sampleOffset;
    switch (row.type) {
    case FieldType::F32: {
        float f;
        std::memcpy(&f, at, sizeof f);
        return f;
    }
    case FieldType::U16: {
        std::uint16_t u;
        std::memcpy(&u, at, sizeof u);
        return u;
    }
    case FieldType::I32: {
        std::int32_t i;
        std::memcpy(&i, at, sizeof i);
        return i;
    }
    }
    return 0;
}

std::string DisplayLine(std::string text)
{
    if (text.size() > std::size_t(kDisplayLineLength))
        text.resize(std::size_t(kDisplayLineLength));
    return text;
}

std::optional<std::string> DisplayText(const ItemRow& row, double value)
{
    if (row.displayLine < 0 || row.shown == Shown::None)
        return std::nullopt;
    // The format of each row takes one number of the kind its row says.
    switch (row.shown) {
    case Shown::Float:
        return DisplayLine(platform::CFormat(row.format, value));
    case Shown::Int:
    case Shown::Truncated:
        return DisplayLine(platform::CFormat(row.format, int(TruncInt(value))));
    case Shown::None:
        break;
    }
    return std::nullopt;
}

}  // namespace wits
