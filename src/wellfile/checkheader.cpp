#include "wellfile/checkheader.h"

#include "platform/text.h"
#include "wellfile/wellheader.h"

#include <memory>
#include <string>

namespace wellfile {

namespace {

struct Rule {
    const char* part;
    int region;
};

// In the order they are tried: "MEXICO" before the "CO" of the last group.
constexpr Rule kRules[] = {
    {"TX", -1}, {"TEX", -1}, {"OK", -1}, {"KS", -1},
    {"MEXICO", -2},
    {"NM", 0}, {"CO", 0}, {"OH", 0}, {"PA", 0}, {"PENN", 0}, {"NY", 0}, {"WV", 0}, {"WEST", 0}, {"VA", 0},
    {"VIRGINA", 0}, {"MI", 0},
};

}  // namespace

int RegionOfState(std::string_view state)
{
    std::string upper(state);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    for (const Rule& rule : kRules)
        if (upper.find(rule.part) != std::string::npos)
            return rule.region;
    return -1;
}

int CheckHeader(const WellPlace& place)
{
    auto header = std::make_unique<WellHeader>();
    if (!ReadHeader(*header, place))
        return -1;
    return RegionOfState(platform::FieldText(header->state));
}

}  // namespace wellfile
