// The demo well's records: nine formations from 1000 down, each with its rock mix, gas background and
// perhaps a show, drilled through with connections, two trips, a survey building angle from the kick-off
// point and the mud weighted up twice. Everything a track of the log draws gets a plausible value.
#include "demo/demowell_data.h"
#include "platform/text.h"
#include "platform/winapi.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <string_view>

namespace demo {

using namespace wellfile;  // the records and their fields, as the data file holds them

namespace {

// A small generator of our own: the standard distributions may differ between libraries, and the demo
// must come out the same everywhere.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() / 4294967296.0); }

private:
    std::uint32_t state_;
};

// One formation: its rock mix, the geologist's reading of it, its hard stringers and gas character.
struct Formation {
    const char* name;         // the top's menu name
    std::int32_t thickness;   // depth units
    const char* lith[3];      // alternating lithology texts within the formation
    const char* interpreted;  // the interpreted lithology column
    const char* streak;       // a thin hard stringer every 45 units, or none
    const char* streakInterpreted;
    double background;        // total gas background, units
    bool show;                // a hydrocarbon show in its middle fifth
    std::uint32_t colour;     // the top's colour
    // The geologist's descriptions of its cuttings: the formation's rock, the stringer's, the show's.
    const char* description;
    const char* streakDescription;
    const char* showDescription;
};

constexpr Formation kFormations[] = {
    {"Surface Sh", 180, {"100SH", "90SH,10SLT", "80SH,20SLT"}, "100SH", "80LS,20SH", "100LS", 4.0, false, 0x00406080,
     "SH: gy-grn gy, sft, gmy,\r\nslty ip, non calc", "LS: wh-lt gy, crpxln, hd,\r\ndns, argil ip, no vis por", nullptr},
    {"Upper Sand", 140, {"70SS,30SH", "60SS,40SH", "80SS,20SH"}, "100SS", nullptr, nullptr, 8.0, true, 0x0000C0FF,
     "SS: lt gy, f-m gr, sbrnd, mod srt,\r\ncalc cmt, gd vis por", nullptr,
     "SS: a/a, brt yel flor, fast\r\nstrmg cut, lt oil stn ip"},
    {"Blue Shale", 220, {"100SH", "90SH,10LS", "80SH,20SLT"}, "100SH", "90LS,10SH", "100LS", 6.0, false, 0x00808000,
     "SH: blu gy, frm, sbblky-blky,\r\nsl calc, tr pyr", "LS: buff-lt brn, microxln,\r\nhd, dns, argil", nullptr},
    {"Reef Lime", 160, {"80LS,20DOL", "90LS,10SH", "70LS,30DOL"}, "100LS", nullptr, nullptr, 10.0, true, 0x00A06000,
     "LS: wh-cream, crpxln-microxln,\r\nfos, frm, fr intxln por", nullptr,
     "LS: a/a, dull gold flor, slow\r\nstrmg cut, vug por ip"},
    {"Middle Sh", 200, {"100SH", "70SH,30SS", "90SH,10SS"}, "100SH", "70DOL,30SH", "100DOL", 9.0, false, 0x00006040,
     "SH: dk gy, frm, fis, carb,\r\nsl calc, mica ip", "DOL: lt brn, microxln, hd,\r\ndns, no vis por", nullptr},
    {"Main Sand", 180, {"70SS,30SH", "90SS,10SH", "60SS,30SH,10SLT"}, "100SS", nullptr, nullptr, 14.0, true, 0x0000FFFF,
     "SS: wh-lt gy, f-med gr, sbrnd,\r\nwl srt, sl calc cmt, fri,\r\ngd vis por", nullptr,
     "SS: a/a, brt yel-wh flor, fast\r\nstrmg cut, gd odr"},
    {"Anhydrite", 60, {"80ANH,20DOL", "100ANH", "70ANH,30SH"}, "100ANH", nullptr, nullptr, 5.0, false, 0x00FF80FF,
     "ANH: wh, crpxln, sft-frm,\r\namor, tr DOL", nullptr, nullptr},
    {"Lower Dol", 200, {"70DOL,30LS", "80DOL,20SH", "60DOL,40LS"}, "100DOL", nullptr, nullptr, 12.0, true, 0x00804080,
     "DOL: tan-lt brn, vf xln, hd,\r\nsucr ip, fr intxln por", nullptr, "DOL: a/a, pale yel flor,\r\nslow blmg cut"},
    {"Basal Sh", 400, {"100SH", "90SH,10SS", "80SH,20SLT"}, "100SH", "80LS,20SH", "100LS", 8.0, false, 0x00404040,
     "SH: med-dk gy, sft-frm,\r\nsbblky, calc", "LS: lt gy, crpxln, hd,\r\ndns, argil", nullptr},
};

// What each rock gives the curves: gamma (API), drilling time (minutes per unit), calcimeter percent
// and CO2 percent.
struct Rock {
    std::string_view code;
    double gamma;
    double minutes;
    double calcimeter;
    double co2;
};
constexpr Rock kRocks[] = {
    {"SH", 105, 2.6, 8, 0.15}, {"SLT", 75, 2.2, 6, 0.12}, {"SS", 35, 1.2, 3, 0.10},
    {"LS", 18, 4.2, 92, 0.60}, {"DOL", 25, 3.9, 48, 0.80}, {"ANH", 10, 4.3, 0, 0.30},
};

// A lithology text ("70SS,30SH") as the share-weighted values of its rocks.
struct RockMix {
    double gamma = 0, minutes = 0, calcimeter = 0, co2 = 0;
    double sand = 0, carbonate = 0;  // shares, 0-1
};

RockMix MixOf(std::string_view text)
{
    RockMix m;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        std::size_t digits = 0;
        int percent = 0;
        while (digits < item.size() && std::isdigit(static_cast<unsigned char>(item[digits])))
            percent = percent * 10 + (item[digits++] - '0');
        const double share = percent / 100.0;
        const std::string_view code = item.substr(digits);
        for (const Rock& rock : kRocks) {
            if (rock.code != code)
                continue;
            m.gamma += share * rock.gamma;
            m.minutes += share * rock.minutes;
            m.calcimeter += share * rock.calcimeter;
            m.co2 += share * rock.co2;
            if (code == "SS")
                m.sand += share;
            if (code == "LS" || code == "DOL")
                m.carbonate += share;
        }
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return m;
}

// Fractions of each component in total gas, C1 first: a gas-prone well with some liquids in the shows.
constexpr std::array<double, 7> kBackgroundMix = {0.88, 0.06, 0.03, 0.012, 0.008, 0.005, 0.003};
constexpr std::array<double, 7> kShowMix = {0.70, 0.13, 0.08, 0.035, 0.025, 0.017, 0.013};

// Total gas and the components in the record's units, hundredths of a percent as a typed value is
// stored: total gas in units, a component's ppm x 0.01 (one unit is 100 ppm of methane equivalent).
// Each component lies below the one before, as a real chromatograph reads a natural gas.
void FillGas(float (&gas)[GAS_COUNT], double total, const std::array<double, 7>& mix, Random& rnd)
{
    gas[GAS_TG] = float(std::round(total * 10.0) / 10.0);
    double above = total;
    for (int i = 0; i < 7; ++i) {
        // To a tenth of a ppm, so that the smallest components still fall one below the other.
        double v = std::round(total * mix[std::size_t(i)] * rnd.Uniform(0.9, 1.1) * 1000.0) / 1000.0;
        v = std::max(0.001, std::min(v, above - 0.001));
        gas[GAS_C1 + i] = float(v);
        above = v;
    }
    gas[GAS_NINTH] = 0;
    gas[GAS_TENTH] = 0;
}

// The FIT analyser reads the same gas as the chromatograph, each value within a few percent of it.
// Bytes of the FIT record, as the custom-track curves read them.
constexpr int kFitThc = 358;           // units; then C1 to C5 in ppm at 362 ... 378
constexpr int kFitPixler = 186;        // C1/C2, C1/C3, C1/C4 and C1/C5 at 186 ... 198
constexpr int kFitC3OverC1 = 182;
constexpr int kFitPercentGas = 88;
constexpr int kFitTotalGas = 310;

void SetFit(wellfile::EXTRECORD& e, int byte, double value)
{
    const float v = float(value);
    std::memcpy(reinterpret_cast<unsigned char*>(&e) + byte, &v, sizeof v);
}

double Rounded(double v, double step) { return std::round(v / step) * step; }

void FillFit(wellfile::EXTRECORD& e, const RECORD& r, Random& rnd)
{
    e.depth = float(r.depth);
    e.recordLength = wellfile::kExtRecordSize;
    const double thc = Rounded(std::fabs(r.gas[GAS_TG]) * rnd.Uniform(0.95, 1.05), 0.1);
    // C1, C2, C3, then the butanes and the pentanes each as one; ppm from the record's hundredths.
    const double ppm[5] = {r.gas[GAS_C1] * 100.0, r.gas[GAS_C2] * 100.0, r.gas[GAS_C3] * 100.0,
                           (r.gas[GAS_IC4] + r.gas[GAS_NC4]) * 100.0, (r.gas[GAS_IC5] + r.gas[GAS_NC5]) * 100.0};
    double fit[5];
    for (int i = 0; i < 5; ++i)
        fit[i] = std::max(0.1, Rounded(std::fabs(ppm[i]) * rnd.Uniform(0.95, 1.05), 0.1));
    SetFit(e, kFitThc, thc);
    for (int i = 0; i < 5; ++i) {
        SetFit(e, kFitThc + 4 * (i + 1), fit[i]);
        if (i > 0)
            SetFit(e, kFitPixler + 4 * (i - 1), Rounded(fit[0] / fit[i], 0.01));
    }
    SetFit(e, kFitC3OverC1, Rounded(fit[2] / fit[0], 0.0001));
    SetFit(e, kFitTotalGas, thc);
    SetFit(e, kFitPercentGas, Rounded(thc * 0.01, 0.001));  // one unit is 100 ppm
}

// The drilling and mud programme.
constexpr std::int32_t kKickOff = 1800;            // the survey builds angle below here
constexpr std::int32_t kBuildEnd = 2100;           // slides stop here
constexpr double kBuildPer30 = 2.5;                // degrees per 30 units
constexpr double kHoldInclination = 35.0;
constexpr double kTargetAzimuth = 135.0;
constexpr std::int32_t kTrips[] = {1540, 2140};    // bit trips at the carbonate tops
constexpr std::int32_t kMudSteps[] = {1700, 2140};  // the mud weighted up
constexpr double kMudWeights[] = {9.2, 9.8, 10.4};
constexpr std::int32_t kDowntime[] = {1452, 1888, 2315};
constexpr char kOutlineText[] = "GAS SHOW";

const platform::COLORREF kCutColour = platform::RGB(70, 150, 255);    // blue-white cut
const platform::COLORREF kFluorColour = platform::RGB(255, 215, 0);   // bright yellow
const platform::COLORREF kHardnessColour = platform::RGB(0, 140, 70);

// The survey so far: the last station's place.
struct Station {
    double md = 0, inclination = 0, azimuth = 0, tvd = 0, section = 0;
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The next station at `depth` by the balanced tangential method; writes it into `r`.
void AddStation(Station& last, RECORD& r, std::int32_t depth, double inclination, double azimuth)
{
    const double dmd = depth - last.md;
    const double i1 = Radians(last.inclination), i2 = Radians(inclination);
    const double a1 = Radians(last.azimuth), a2 = Radians(azimuth);
    const double tvd = last.tvd + dmd * (std::cos(i1) + std::cos(i2)) / 2.0;
    const double target = Radians(kTargetAzimuth);
    const double section = last.section + dmd * (std::sin(i1) * std::cos(a1 - target) + std::sin(i2) * std::cos(a2 - target)) / 2.0;
    const double cosDogLeg = std::clamp(std::cos(i2 - i1) - std::sin(i1) * std::sin(i2) * (1.0 - std::cos(a2 - a1)), -1.0, 1.0);
    const double dogLeg = dmd > 0 ? std::acos(cosDogLeg) * 180.0 / std::numbers::pi * 100.0 / dmd : 0.0;
    r.inclination = float(std::round(inclination * 100.0) / 100.0);
    r.azimuth = float(std::round(azimuth * 10.0) / 10.0);
    r.tvd = float(std::round(tvd * 10.0) / 10.0);
    r.surveyMeasuredDepth = float(depth);
    r.verticalSection = float(std::round(section * 10.0) / 10.0);
    r.dogLeg = float(std::round(dogLeg * 100.0) / 100.0);
    last = {double(depth), inclination, azimuth, tvd, section};
}

double MudWeightAt(std::int32_t depth)
{
    int step = 0;
    for (std::int32_t at : kMudSteps)
        step += depth >= at ? 1 : 0;
    return kMudWeights[step];
}

}  // namespace

DemoData MakeDemoData(const DemoWellShape& shape)
{
    DemoData d;
    Random rnd(shape.seed);
    const std::int32_t count = shape.lastDepth - shape.firstDepth + 1;
    d.records.resize(std::size_t(count));
    d.custom.resize(std::size_t(count));
    d.fit.resize(std::size_t(count));
    // A stream of its own: the FIT values change nothing of what the other generator gives.
    Random fitRnd(shape.seed ^ 0x0F17F17Fu);

    std::size_t formation = 0;
    std::int32_t formationTop = shape.firstDepth;
    double lag = 8.0;
    int lithPick = 0;
    double lastGamma = 0;
    Station station{double(shape.firstDepth), 0.0, 0.0, double(shape.firstDepth), 0.0};
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t depth = shape.firstDepth + i;
        while (formation + 1 < std::size(kFormations) && depth >= formationTop + kFormations[formation].thickness) {
            formationTop += kFormations[formation].thickness;
            ++formation;
        }
        const Formation& f = kFormations[formation];
        if (depth == formationTop) {
            wellfile::TOPSEX top;
            top.depth = depth;
            top.number = std::int32_t(d.tops.size() + 1);
            top.colour = f.colour;
            platform::SetFieldText(top.menuName, f.name);
            platform::SetFieldText(top.text, f.name);
            d.tops.push_back(top);
        }
        // A show in the middle fifth of the formations that have one, strongest in its middle.
        const std::int32_t into = depth - formationTop;
        const std::int32_t showFrom = f.thickness * 2 / 5, showTo = f.thickness * 3 / 5;
        const bool inShow = f.show && into >= showFrom && into < showTo;
        const bool showCore = inShow && (into - showFrom) * 4 >= (showTo - showFrom) && (into - showFrom) * 4 < 3 * (showTo - showFrom);
        if (inShow && (d.shows.empty() || d.shows.back().second != depth - 1))
            d.shows.emplace_back(depth, depth);
        if (inShow)
            d.shows.back().second = depth;
        const bool streak = f.streak && into >= 10 && into < f.thickness - 10 && into % 45 < 4;
        // A description where the cuttings change: at the top (a few units in, where the first samples
        // come up), at each stringer, at the show and where it ends.
        const char* description = into == 0                          ? f.description
                                  : streak && into % 45 == 0          ? f.streakDescription
                                  : f.show && into == showFrom        ? f.showDescription
                                  : f.show && into == showTo          ? f.description
                                                                      : nullptr;
        if (description) {
            std::int32_t at = std::max(depth + (into == 0 ? 4 : 0), shape.firstDepth + 12);
            d.descriptions.emplace_back(at + at % 2, description);  // the log draws memos at even depths
        }
        const bool sliding = depth >= kKickOff && depth < kBuildEnd && depth % 30 < 18;

        RECORD& r = d.records[std::size_t(i)];
        r.depth = depth;
        if (i % 7 == 0)
            lithPick = int(rnd.Next() % 3);
        const char* lith = streak ? f.streak : f.lith[lithPick];
        platform::SetFieldText(r.lith, lith);
        if (i > 0)  // the first record's interpreted field holds the logging company
            platform::SetFieldText(r.interpretedLith, streak ? f.streakInterpreted : f.interpreted);
        const RockMix mix = MixOf(lith);

        // Drilling time follows the rock: hard stringers and carbonates slow, a porous show fast.
        const double rate = mix.minutes * rnd.Uniform(0.85, 1.15) * (inShow ? 0.7 : 1.0) * (sliding ? 1.3 : 1.0);
        r.rateOne = float(std::round(rate * 100.0) / 100.0);
        r.rateOdd = float(std::round(rate * rnd.Uniform(0.9, 1.1) * 100.0) / 100.0);
        r.rate2Ft = float(std::round(rate * rnd.Uniform(0.93, 1.07) * 100.0) / 100.0);

        const double total = inShow ? f.background * rnd.Uniform(4.0, 9.0) * (showCore ? 1.25 : 1.0)
                                    : f.background * rnd.Uniform(0.7, 1.4);
        FillGas(r.gas, total, inShow ? kShowMix : kBackgroundMix, rnd);
        FillGas(r.halfGas, total * rnd.Uniform(0.9, 1.1), inShow ? kShowMix : kBackgroundMix, rnd);
        // 1 % of each gas in the record's units: 100 units of total gas, 100 hundredths of each component.
        const float testGas[TEST_COUNT] = {100.0f, 100.0f, 100.0f, 100.0f, 100.0f, 100.0f, 100.0f, 100.0f};
        std::copy(std::begin(testGas), std::end(testGas), r.testGas);
        FillFit(d.fit[std::size_t(i)], r, fitRnd);
        r.co2 = float(std::round((mix.co2 * rnd.Uniform(0.8, 1.2) + (inShow ? 0.3 : 0.0)) * 100.0) / 100.0);

        // The show columns: porosity by the sand or carbonate share, cut and fluorescence in the shows.
        if (i > 0) {  // the first record's rating fields hold the file's date
            if (mix.sand >= 0.6)
                r.porosity = showCore ? 'g' : 'f';
            else if (mix.sand > 0)
                r.porosity = 'p';
            else if (mix.carbonate >= 0.6)
                r.porosity = inShow ? 'f' : 't';
            if (inShow) {
                r.cutRating = showCore ? 'g' : 'f';
                r.fluorQuality = showCore ? 'g' : 'f';
                r.fluorPercent = std::uint16_t(showCore ? 50 + rnd.Next() % 40 : 15 + rnd.Next() % 30);
            }
        }
        r.ratingColour = kCutColour;
        r.fluorColour = kFluorColour;
        r.hardness = std::uint16_t(std::min(100.0, std::round(mix.calcimeter * rnd.Uniform(0.9, 1.1))));
        r.hardnessColour = kHardnessColour;

        // Gamma in five samples a unit, moving from the last unit's rock to this one's.
        const double gamma = mix.gamma * rnd.Uniform(0.94, 1.06);
        const double from = i == 0 ? gamma : lastGamma;
        for (int k = 0; k < 5; ++k) {
            const double g = from + (gamma - from) * (k + 1) / 5.0;
            r.gamma[k] = float(std::round(g * rnd.Uniform(0.96, 1.04) * 10.0) / 10.0);
            r.rtGamma[k] = float(std::round(g * rnd.Uniform(0.92, 1.08) * 10.0) / 10.0);
        }
        r.gammaStep = 0.2f;
        r.rtGammaStep = 0.2f;
        lastGamma = gamma;

        // Drilling values: more weight and torque in hard rock, pump pressure growing with depth and mud.
        const double mud = MudWeightAt(depth);
        for (int s = 0; s < 2; ++s) {
            r.weightOnBit[s] = float(std::round((20.0 + 12.0 * mix.carbonate + rnd.Uniform(-3.0, 3.0)) * 10.0) / 10.0);
            r.torqueAvg[s] = std::uint16_t(sliding ? 0 : 5200 + 1200 * mix.carbonate + rnd.Uniform(0, 600));
            r.torqueMax[s] = std::uint16_t(sliding ? 0 : r.torqueAvg[s] + 400 + rnd.Uniform(0, 300));
            r.pumpPressureAvg[s] = std::uint16_t(2100 + 0.35 * i + 250 * (mud - kMudWeights[0]) + rnd.Uniform(-30, 30));
            r.pumpPressureMax[s] = std::uint16_t(r.pumpPressureAvg[s] + 40 + rnd.Uniform(0, 40));
        }
        r.slide = sliding ? 1 : 0;

        // The mud is checked between connections and whenever it is weighted up; gas cuts it in a show.
        const bool mudStep = std::find(std::begin(kMudSteps), std::end(kMudSteps), depth) != std::end(kMudSteps);
        if (depth % 30 == 15 || mudStep) {
            r.mudWeightIn = float(mud);
            r.mudWeightOut = float(std::round((mud + (inShow ? -0.3 : 0.1)) * 10.0) / 10.0);
        }

        r.tripCode = depth % 30 == 0 ? 2 : 0;  // a connection every stand
        if (std::find(std::begin(kTrips), std::end(kTrips), depth) != std::end(kTrips))
            r.tripCode = 4;

        // Survey stations at every third stand while vertical, at every stand through the build.
        if (depth > shape.firstDepth && depth % (depth < kKickOff ? 90 : 30) == 0) {
            const double inclination = depth < kKickOff
                                           ? rnd.Uniform(0.2, 0.9)
                                           : std::min(kHoldInclination, 0.5 + kBuildPer30 * (depth - kKickOff) / 30.0);
            const double azimuth = depth < kKickOff ? rnd.Uniform(180.0, 240.0) : kTargetAzimuth + rnd.Uniform(-1.5, 1.5);
            AddStation(station, r, depth, inclination, azimuth);
        }

        // The shows are outlined beside the curve track: a bracket and the words down it.
        if (inShow) {
            r.outlineNarrow = into == showFrom ? 2 : into == showTo - 1 ? 3 : 1;
            const std::int32_t letter = into - showFrom - 1;
            if (letter >= 0 && letter < std::int32_t(sizeof kOutlineText - 1))
                r.outlineWide = std::uint16_t(static_cast<unsigned char>(kOutlineText[letter]));
        }

        // The gas flared at the flare line while the show cores were drilled, longest in their middle.
        if (showCore) {
            const double t = double(into - showFrom) / double(showTo - showFrom);
            r.flareLength = std::uint16_t(std::lround(70.0 * std::sin(std::numbers::pi * t)));
            if (i > 0 && d.records[std::size_t(i - 1)].flareLength == 0)
                platform::SetFieldText(r.shortText, "GAS FLARE");
        }

        r.gasScale = 1;
        r.rateScale = 1;
        r.minutesScale = 1;
        r.temperatureScale = 1;
        r.chromatographScale = 1;
        r.indexWord = -1;
        lag += 0.012;  // the annulus grows with depth
        r.lagTime = float(std::round(lag * 10.0) / 10.0);

        // The custom-data record: rotary speed (none while sliding on the motor), pumps and pits.
        wellfile::CUSTDATAREC& c = d.custom[std::size_t(i)];
        c.depth = float(depth);
        c.rpm = float(sliding ? 0.0 : std::round(115.0 - 35.0 * mix.carbonate + rnd.Uniform(-5.0, 5.0)));
        c.spm = float(std::round(112.0 + rnd.Uniform(-3.0, 3.0)));
        c.pumpOutput = 0.0998f;  // barrels a stroke
        c.flow = float(std::round(c.spm * 0.0998 * 42.0));
        c.totalMud = float(std::round((820.0 + 0.02 * i + rnd.Uniform(-1.5, 1.5)) * 10.0) / 10.0);
        c.gainLoss = float(std::round(rnd.Uniform(-1.5, 1.5) * 10.0) / 10.0);
        c.caliper = 8.75f;
    }

    // The first record carries the file's data: the logging-company text and the bottom depth.
    platform::SetFieldText(d.records.front().interpretedLith, "PRF12 Demo Logging");
    d.records.front().bottomDepth = shape.lastDepth;

    for (std::int32_t depth : kDowntime)
        if (depth > shape.firstDepth && depth < shape.lastDepth)
            d.downtime.push_back(depth);
    return d;
}

}  // namespace demo
