#include "tracks/lithtypes.h"

#include "wellfile/profile.h"

#include <algorithm>
#include <cctype>

namespace tracks {

namespace {

constexpr std::string_view kSeparators = ",. ";

struct Prefix {
    std::string_view text;
    int type;
};

// Tested in this order; the order settles the overlaps: "gsh" before "gs", "sa" after "ss"/"sd" and
// before the one-letter "a", and the one-letter "d", "a", "l" and "q" take every longer word.
constexpr Prefix kPrefixes[] = {
    {"bl", 0},  {"d", 1},   {"ss", 2},  {"sd", 2},  {"sa", 10}, {"a", 3},   {"l", 4},   {"ch", 5},
    {"sl", 6},  {"si", 6},  {"sh", 8},  {"CL", 8},  {"CLY", 8}, {"co", 9},  {"gr", 11}, {"cg", 12},
    {"ol", 13}, {"gl", 14}, {"fl", 15}, {"be", 16}, {"fd", 18}, {"gd", 19}, {"od", 20}, {"xs", 21},
    {"cs", 22}, {"csh", 22}, {"gw", 23}, {"q", 24}, {"cm", 25}, {"cmt", 25}, {"ce", 25}, {"cw", 26},
    {"rsh", 27}, {"osh", 28}, {"gsh", 29}, {"gs", 17}, {"c1", 30}, {"c2", 31}, {"c3", 32}, {"c4", 33},
    {"c5", 34}, {"c6", 35}, {"ck", 36}, {"VO", 37},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The characters from `from`, at most `n`, never past the text.
std::string_view Field(std::string_view text, std::size_t from, std::size_t n)
{
    return from >= text.size() ? std::string_view{} : text.substr(from, n);
}

// A percentage field read as atoi reads it, within the field only; negative counts as 0.
int Percent(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && std::isspace(static_cast<unsigned char>(field[i])))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    int value = 0;
    for (; i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])); ++i)
        value = value * 10 + (field[i] - '0');  // three digits at most: no overflow
    return negative ? 0 : value;
}

LithItem Item(std::string_view percentField, std::string_view code)
{
    LithItem item;
    item.percent = Percent(percentField);
    item.type = LithTypeFromCode(code, item.mark);
    return item;
}

}  // namespace

int LithTypeFromCode(std::string_view code, int& mark)
{
    mark = 0;
    code = code.substr(0, code.find('\0')).substr(0, 4);
    if (!code.empty() && code.front() == '~') {
        code.remove_prefix(1);
        mark = 1;
    }
    if (!code.empty() && code.front() == '\'') {
        code.remove_prefix(1);
        mark = 2;
    }
    for (const Prefix& p : kPrefixes)
        if (StartsWithNoCase(code, p.text))
            return p.type;
    return LITH_BLANK;
}

bool IsMultiItemLith(std::string_view text) { return text.find_first_of(kSeparators) != std::string_view::npos; }

std::vector<LithItem> LithItems(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    if (!IsMultiItemLith(text))
        return {Item(Field(text, 0, 3), Field(text, 3, 4))};
    std::vector<LithItem> items;
    std::size_t at = 0;
    while (at < text.size()) {
        items.push_back(Item(Field(text, at, 2), Field(text, at + 2, 4)));
        const std::size_t separator = text.find_first_of(kSeparators, at);
        if (separator == std::string_view::npos)
            break;
        at = separator + 1;
    }
    return items;
}

std::int32_t AddLithItem(LithShares& shares, const LithItem& item)
{
    const auto t = static_cast<std::size_t>(item.type);
    shares.mark[t] = item.mark;
    const std::int32_t total = shares.share[t] + item.percent;
    shares.accessory[t] = total % 10;
    shares.share[t] = total - shares.accessory[t];
    return shares.share[t];
}

LithShares ParseLithString(std::string_view text)
{
    LithShares shares;
    std::int32_t total = 0;
    for (const LithItem& item : LithItems(text)) {
        total += AddLithItem(shares, item);
        if (total >= 100)
            break;
    }
    return shares;
}

int RoundLithPercents(std::span<std::int32_t> shares, int start, int count)
{
    count = std::min<int>(count, int(shares.size()));
    if (start < 0 || start >= count)
        return 1;
    auto roundToTens = [](std::int32_t& v) {
        const std::int32_t units = v % 10;
        if (units != 0)
            v = v < 50 ? v + 10 - units : v - units;
    };
    roundToTens(shares[std::size_t(start)]);
    int smallest = 0, largest = 0;
    std::int32_t smallestShare = 100, largestShare = 0;
    for (int i = start + 1; i < count; ++i) {
        std::int32_t& v = shares[std::size_t(i)];
        roundToTens(v);
        if (v >= 1 && v < smallestShare) {
            smallestShare = v;
            smallest = i;
        }
        if (v > largestShare) {
            largestShare = v;
            largest = i;
        }
    }
    const std::int32_t sum = SumInts(shares, count);
    if (sum > 100)
        shares[std::size_t(largest)] -= sum - 100;
    else if (sum > 0 && sum < 100)
        shares[std::size_t(smallest)] += 100 - sum;
    return 1;
}

std::int32_t SumInts(std::span<const std::int32_t> values, int n)
{
    std::int32_t sum = 0;
    for (int i = 0; i < n && std::size_t(i) < values.size(); ++i)
        sum += values[std::size_t(i)];
    return sum;
}

const LithOrder& LithOrderTable(int table)
{
    static constexpr LithOrder kTables[4] = {
        {3, 11, 23, 5, 1, 18, 19, 20, 4, 36, 13, 14, 15, 26, 2, 24, 17, 21, 12, 6, 8, 27, 28, 29, 30, 31, 32, 33, 34, 35,
         22, 9, 16, 10, 7, 0, 25, 37},
        {8, 27, 28, 29, 30, 31, 32, 33, 34, 35, 22, 3, 11, 23, 5, 1, 18, 19, 20, 4, 36, 13, 14, 15, 26, 2, 17, 21, 12, 6,
         9, 16, 10, 7, 24, 0, 25, 37},
        {3, 11, 23, 5, 1, 18, 19, 20, 4, 36, 13, 14, 15, 26, 8, 27, 28, 29, 30, 31, 32, 33, 34, 35, 22, 16, 6, 2, 17, 21,
         12, 10, 9, 7, 24, 0, 25, 37},
        {3, 1, 18, 19, 20, 4, 13, 14, 15, 36, 26, 8, 27, 28, 29, 30, 31, 32, 33, 34, 35, 22, 16, 9, 2, 17, 21, 6, 7, 11,
         12, 23, 25, 24, 10, 5, 0, 37},
    };
    return kTables[std::size_t(std::clamp(table, 1, 4) - 1)];
}

const LithOrder& LithOrderFor(int profile, bool shaleOnLeft)
{
    int table = 1;
    if (profile == 116)
        table = 4;
    if (wellfile::DiagonalAnhydriteProfile(profile))
        table = 3;
    switch (profile) {
    case 12: case 17: case 11: case 4: case 64: case 20: case 78: table = 2; break;
    default: break;
    }
    if (shaleOnLeft)
        table = 2;
    return LithOrderTable(table);
}

}  // namespace tracks
