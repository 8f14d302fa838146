#include "logview/readouts.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "tracks/lithtypes.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace logview {

namespace {

constexpr std::array<const char*, 39> kRockNames = {
    "blank", "dolomite", "sandstone", "anhydrite", "limestone", "chert", "silt", "silt", "shale", "coal",
    "salt", "granite", "conglomerate", "oolitic limestone", "glauconitic limestone", "fossiliferous limestone",
    "bentonite", "glauconitic sandstone", "fossiliferous dolomite", "glauconitic dolomite", "oolitic dolomite",
    "fractured", "carbonaceous shale", "granite wash", "quartz wash", "cement", "carbonate wash", "red shale",
    "orange shale", "green shale", "colored clay/shale", "colored clay/shale", "colored clay/shale",
    "colored clay/shale", "colored clay/shale", "colored clay/shale", "", "", ""};

constexpr std::array<const char*, 10> kAccessoryWords = {
    "", "dolomitic ", "sandy ", "anhydritic ", "limey ", "cherty ", "silty ", "pyritic ", "shaly ", "with Tr of coal, "};

const char* RockName(int type) { return type >= 0 && type < int(kRockNames.size()) ? kRockNames[std::size_t(type)] : ""; }
const char* AccessoryWord(int digit) { return digit > 0 && digit <= 9 ? kAccessoryWords[std::size_t(digit)] : ""; }

// The number at the start of a field of `width` characters, as the C library reads one.
int NumberAt(std::string_view text, std::size_t at, std::size_t width)
{
    return at < text.size() ? platform::LeadingInt(text.substr(at), width) : 0;
}

int TypeAt(std::string_view text, std::size_t at, int& mark)
{
    return tracks::LithTypeFromCode(at < text.size() ? text.substr(at, 4) : std::string_view(), mark);
}

bool IsSeparator(char c) { return c == ',' || c == '.' || c == ' '; }

// Units per hour of a rate in minutes per unit; a blank rate (0.1 or less) reads as ten hours a unit.
float PerHour(float minutes) { return 60.0f / (minutes <= 0.1f ? 600.0f : minutes); }

}  // namespace

std::string BuildLithText(std::span<const char> lith)
{
    std::string_view text(lith.data(), lith.size());
    text = text.substr(0, text.find('\0'));
    std::string out;
    const auto addItem = [&out](int percent, int type, int mark) {
        const int accessory = percent % 10;
        out += std::to_string(percent - accessory) + "% ";
        if (mark == 1)
            out += "fractured ";
        return accessory;
    };
    if (text.find_first_of(",. ") == std::string_view::npos) {
        int mark = 0;
        const int type = TypeAt(text, 3, mark);
        const int accessory = addItem(NumberAt(text, 0, 3), type, mark);
        out += AccessoryWord(accessory);
        out += RockName(type);
    } else {
        int sum = 0;
        std::size_t at = 0;
        while (at < text.size() && sum < 100 && out.size() < kLithTextMax) {
            const int percent = NumberAt(text, at, 2);
            int mark = 0;
            const int type = TypeAt(text, at + 2, mark);
            const int accessory = addItem(percent, type, mark);
            if (accessory != 9)
                out += AccessoryWord(accessory);
            out += RockName(type);
            if (accessory == 9)
                out += AccessoryWord(9);
            sum += percent - accessory;
            if (sum < 100)
                out += ", ";
            // The next item starts after the first separator from the code on.
            std::size_t next = at + 2;
            while (next < text.size() && !IsSeparator(text[next]))
                ++next;
            at = next + 1;
        }
    }
    if (out.size() > kLithTextMax)
        out.resize(kLithTextMax);
    return out;
}

std::string BuildShowText(const wellfile::RECORD& r)
{
    std::string out;
    const unsigned fluorPercent = r.fluorPercent, quality = r.fluorQuality;
    if (fluorPercent == 0) {
        out += " No fluor\n";
    } else if (quality == 't') {
        out += " Trace of fluor\n";
    } else {
        out += std::to_string(fluorPercent) + "% ";
        switch (quality) {
        case 'p': out += "poor fluor\n"; break;
        case 'f': out += " fair fluor\n"; break;
        case 'g': out += " good fluor\n"; break;
        default: break;
        }
    }
    switch (unsigned(r.cutRating)) {
    case 0: out += " No cut\n"; break;
    case 't': out += " trace cut\n"; break;
    case 'p': out += " poor cut\n"; break;
    case 'f': out += " fair cut\n"; break;
    case 'g': out += " good cut\n"; break;
    default: break;
    }
    switch (unsigned(r.porosity)) {
    case 0: out += " No visible por "; break;
    case 't': out += " trace of por"; break;
    case 'p': out += " poor por"; break;
    case 'f': out += " fair por"; break;
    case 'g': out += " good por"; break;
    default: break;
    }
    return out;
}

Readout RateReadout(const wellfile::RECORD& r, float gamma1, float gamma2, bool elogShown)
{
    const float half = r.rateOdd, step = r.rateOne, two = r.rate2Ft;
    Readout out;
    out.text = platform::CFormat("  %d to %d\n  Min/M    M/Hr\n  %3.2f      %3.2f\n  %3.2f      %3.2f\n     1M Avg\n"
                      "  %3.2f      %3.2f\n Gamma\n %5.1f      %5.1f",
                      r.depth - 2, r.depth, double(half), double(PerHour(half)), double(step), double(PerHour(step)),
                      double(two), double(PerHour(two)), double(gamma1), double(gamma2));
    out.width = 120;
    out.height = elogShown ? 140 : 100;
    return out;
}

bool GasAsPercentOfTestGas(bool gasPercentOption, int profile, bool singleGas)
{
    return gasPercentOption || (wellfile::AlternateFormatProfile(profile) && !singleGas);
}

Readout GasReadout(const wellfile::RECORD& r, const GasReadoutOptions& options)
{
    std::array<float, wellfile::GAS_COUNT> gas{};
    std::array<float, wellfile::TEST_COUNT> test{};
    for (std::size_t i = 0; i < gas.size(); ++i)
        gas[i] = r.gas[i];
    for (std::size_t i = 0; i < test.size(); ++i)
        test[i] = r.testGas[i];
    using namespace wellfile;
    const float total = options.hotWire ? gas[GAS_TG] : gas[GAS_C1] + gas[GAS_C2] + gas[GAS_C3] + gas[GAS_IC4] + gas[GAS_NC4];
    const double tg = double(total) * 0.01;
    Readout out;
    if (options.percentOfTestGas) {
        std::array<double, 8> v{};
        for (std::size_t k = 1; k <= 7; ++k) {
            const float divisor = test[k] <= 1.0f ? 1.0f : test[k];
            v[k] = std::min(double(gas[k] / divisor), 100.0);
        }
        out.text = platform::CFormat(" TG=%.2f\n C1=%2.2f %% \n C2=%2.2f %% \n C3=%2.2f %% \n IC4=%2.2f %%\n NC4=%2.2f %% \n"
                          " IC5=%2.2f %% \n NC5=%2.2f %%",
                          tg, v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        out.width = 120;
        out.height = 145;
    } else if (options.profile == 12) {
        using platform::Whole;
        // The two butanes' whole numbers are added beyond the range of int rather than overflowing it.
        const long long c4 = (long long)Whole(gas[GAS_IC4]) + Whole(gas[GAS_NC4]);
        out.text = platform::CFormat(" HW=%d\n C1=%d\n C2=%d\n C3=%d\n C4=%lld\n CO2=%.2f", Whole(total),
                                     Whole(gas[GAS_C1]), Whole(gas[GAS_C2]), Whole(gas[GAS_C3]), c4,
                                     double(gas[GAS_NINTH]));
        out.width = 90;
        out.height = 120;
    } else {
        out.text = platform::CFormat(" TG=%.2f\n C1=%.1f\n C2=%.1f\n C3=%.1f\n IC4=%.1f\n NC4=%.1f\n IC5=%.1f\n NC5=%.1f", tg,
                          double(gas[GAS_C1]), double(gas[GAS_C2]), double(gas[GAS_C3]), double(gas[GAS_IC4]),
                          double(gas[GAS_NC4]), double(gas[GAS_IC5]), double(gas[GAS_NC5]));
        out.width = 90;
        out.height = 145;
    }
    if (options.co2Line) {
        out.text += platform::CFormat("\n CO2=%.2f %%", double(gas[GAS_NINTH]));
        out.height += 20;
    }
    out.text += platform::CFormat("\n at %d", r.depth);
    return out;
}

std::string HardnessLine(const wellfile::RECORD& r, bool hardness)
{
    return platform::CFormat(hardness ? "\n Hardness= %d %%" : "\n CACO3= %d %%", int(r.hardness));
}

}  // namespace logview
