#include "wellfile/demowell.h"
#include "wellfile/demomemos.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace wellfile {

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

// One formation: its rock mix, drilling speed and gas character.
struct Formation {
    const char* name;       // the top's menu name
    std::int32_t thickness;  // depth units
    const char* lith[3];    // alternating lithology texts within the formation
    double minutesPerUnit;  // typical rate
    double background;      // total gas background, units
    bool show;              // a hydrocarbon show in its middle
    std::uint32_t colour;   // the top's colour
};

constexpr Formation kFormations[] = {
    {"Surface Sh", 180, {"100SH", "90SH,10SLT", "80SH,20SLT"}, 3.0, 4.0, false, 0x00406080},
    {"Upper Sand", 140, {"70SS,30SH", "60SS,40SH", "80SS,20SH"}, 1.8, 8.0, false, 0x0000C0FF},
    {"Blue Shale", 220, {"100SH", "90SH,10LS", "80SH,20SLT"}, 4.5, 6.0, false, 0x00808000},
    {"Reef Lime", 160, {"80LS,20DOL", "90LS,10SH", "70LS,30DOL"}, 7.5, 10.0, true, 0x00C0C0C0},
    {"Middle Sh", 200, {"100SH", "70SH,30SS", "90SH,10SS"}, 4.0, 9.0, false, 0x00006040},
    {"Main Sand", 180, {"70SS,30SH", "90SS,10SH", "60SS,30SH,10SLT"}, 2.2, 14.0, true, 0x0000FFFF},
    {"Anhydrite", 60, {"80ANH,20DOL", "100ANH", "70ANH,30SH"}, 9.0, 5.0, false, 0x00FF80FF},
    {"Lower Dol", 200, {"70DOL,30LS", "80DOL,20SH", "60DOL,40LS"}, 6.5, 12.0, true, 0x00804080},
    {"Basal Sh", 400, {"100SH", "90SH,10SS", "80SH,20SLT"}, 5.0, 8.0, false, 0x00404040},
};

// Fractions of each component in total gas, C1 first: a gas-prone well with some liquids in the shows.
constexpr std::array<double, 7> kBackgroundMix = {0.90, 0.055, 0.025, 0.006, 0.008, 0.003, 0.003};
constexpr std::array<double, 7> kShowMix = {0.72, 0.12, 0.08, 0.02, 0.03, 0.015, 0.015};

void FillGas(float (&gas)[GAS_COUNT], double total, const std::array<double, 7>& mix, Random& rnd)
{
    gas[GAS_TG] = float(total);
    // Components in ppm: one unit of total gas is 100 ppm of methane equivalent.
    for (int i = 0; i < 7; ++i)
        gas[GAS_C1 + i] = float(std::round(total * 100.0 * mix[std::size_t(i)] * rnd.Uniform(0.9, 1.1)));
    gas[GAS_NINTH] = 0;
    gas[GAS_TENTH] = 0;
}

std::vector<RECORD> DemoRecords(const DemoWellShape& shape, std::vector<entry::TOPSEX>& tops,
                                std::vector<std::pair<std::int32_t, std::int32_t>>& shows)
{
    Random rnd(shape.seed);
    const std::int32_t count = shape.lastDepth - shape.firstDepth + 1;
    std::vector<RECORD> records(static_cast<std::size_t>(count));

    std::size_t formation = 0;
    std::int32_t formationTop = shape.firstDepth;
    double lag = 8.0;
    int lithPick = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t depth = shape.firstDepth + i;
        while (formation + 1 < std::size(kFormations) && depth >= formationTop + kFormations[formation].thickness) {
            formationTop += kFormations[formation].thickness;
            ++formation;
        }
        const Formation& f = kFormations[formation];
        if (depth == formationTop) {
            entry::TOPSEX top;
            top.depth = depth;
            top.number = std::int32_t(tops.size() + 1);
            top.colour = f.colour;
            platform::SetFieldText(top.menuName, f.name);
            platform::SetFieldText(top.text, f.name);
            tops.push_back(top);
        }
        // A show in the middle fifth of the formations that have one.
        const std::int32_t into = depth - formationTop;
        const bool inShow = f.show && into >= f.thickness * 2 / 5 && into < f.thickness * 3 / 5;
        if (inShow && (shows.empty() || shows.back().second != depth - 1))
            shows.emplace_back(depth, depth);
        if (inShow)
            shows.back().second = depth;

        RECORD& r = records[std::size_t(i)];
        r.depth = depth;
        if (i % 7 == 0)
            lithPick = int(rnd.Next() % 3);
        platform::SetFieldText(r.lith, f.lith[lithPick]);
        const double rate = f.minutesPerUnit * (inShow ? 0.6 : 1.0) * rnd.Uniform(0.75, 1.3);
        r.rateOne = float(rate);
        r.rateOdd = float(rate * rnd.Uniform(0.85, 1.15));
        r.rate2Ft = float(rate * rnd.Uniform(0.9, 1.1));

        const double total =
            inShow ? f.background * rnd.Uniform(8.0, 25.0) : f.background * rnd.Uniform(0.7, 1.4);
        FillGas(r.gas, total, inShow ? kShowMix : kBackgroundMix, rnd);
        FillGas(r.halfGas, total * rnd.Uniform(0.9, 1.1), inShow ? kShowMix : kBackgroundMix, rnd);
        const float testGas[TEST_COUNT] = {100.0f, 10000.0f, 10000.0f, 10000.0f, 10000.0f, 10000.0f, 10000.0f, 10000.0f};
        std::copy(std::begin(testGas), std::end(testGas), r.testGas);
        if (inShow) {
            r.fluorQuality = 'g';
            r.fluorPercent = std::uint16_t(30 + rnd.Next() % 50);
            r.porosity = 'f';
            r.cutRating = std::uint16_t(4 + rnd.Next() % 5);
        }

        r.gasScale = 1;
        r.rateScale = 1;
        r.minutesScale = 1;
        r.temperatureScale = 1;
        r.chromatographScale = 1;
        r.indexWord = -1;
        lag += 0.012;  // the annulus grows with depth
        r.lagTime = float(std::round(lag * 10.0) / 10.0);
        r.mudWeightIn = float(9.2 + 0.6 * i / count);
        r.mudWeightOut = float(r.mudWeightIn + 0.1);
        r.tripCode = (depth % 30 == 0) ? 2 : 0;  // a connection every stand
    }

    // The first record carries the file's data: the logging-company text and the bottom depth.
    platform::SetFieldText(records.front().interpretedLith, "PRF12 Demo Logging");
    records.front().bottomDepth = shape.lastDepth;
    return records;
}

WellHeader DemoHeader(const DemoWellShape& shape)
{
    WellHeader h{};
    platform::SetFieldText(h.company, "Demo Petroleum Ltd.");
    platform::SetFieldText(h.well, "Demo 7-21 Elog");
    platform::SetFieldText(h.field, "Wildcat");
    platform::SetFieldText(h.county, "Reeves");
    platform::SetFieldText(h.state, "Texas");
    platform::SetFieldText(h.location, "Sec. 21, Blk 7");
    platform::SetFieldText(h.spudDate, "01-02-26");
    platform::SetFieldText(h.loggedFrom, std::to_string(shape.firstDepth));
    platform::SetFieldText(h.loggedTo, std::to_string(shape.lastDepth));
    platform::SetFieldText(h.intervalFrom, std::to_string(shape.firstDepth));
    platform::SetFieldText(h.intervalTo, std::to_string(shape.lastDepth));
    platform::SetFieldText(h.groundLevel, "812.0");
    platform::SetFieldText(h.kellyBushing, "820.5");
    platform::SetFieldText(h.apiNumber, "42-389-00000");
    platform::SetFieldText(h.loggers, "Demo Unit Crew");
    platform::SetFieldText(h.unitNumber, "12");
    platform::SetFieldText(h.rig, "Demo Rig 3");
    platform::SetFieldText(h.geologist, "A. Logger");
    platform::SetFieldText(h.fileName, std::string(kDemoWellName) + ".svm");
    return h;
}

}  // namespace

bool MakeDemoWell(const QString& folder, const DemoWellShape& shape)
{
    if (shape.lastDepth <= shape.firstDepth || !QDir().mkpath(folder))
        return false;
    std::vector<entry::TOPSEX> tops;
    std::vector<std::pair<std::int32_t, std::int32_t>> showIntervals;
    const std::vector<RECORD> records = DemoRecords(shape, tops, showIntervals);

    WellPlace place;
    place.dataFolder = platform::JoinPath(folder, QString());
    place.currentFolder = place.dataFolder;
    place.workingFolder = place.dataFolder;
    place.wellName = QString::fromLatin1(kDemoWellName);

    if (!SaveHeader(DemoHeader(shape), place))
        return false;
    if (!SaveDemoMemos(folder, shape))
        return false;
    TopsPlace topsPlace;
    if (!SaveTops(place, topsPlace, tops))
        return false;
    std::vector<reports::SHOWREPORT> shows;
    for (const auto& [from, to] : showIntervals) {
        reports::SHOWREPORT s;
        s.number = std::uint16_t(shows.size() + 1);
        platform::SetFieldText(s.company, "Demo Petroleum Ltd.");
        platform::SetFieldText(s.well, "Demo 7-21 Elog");
        platform::SetFieldText(s.interval, platform::CFormat(" %5d to %5d", from, to));
        platform::SetFieldText(s.fluorescence, "Bright yellow, 40%");
        platform::SetFieldText(s.cut, "Fast streaming cut");
        shows.push_back(s);
    }
    if (!SaveShows(place, shows))
        return false;

    // The data file last and through a temporary name: a data file that is there is a whole one.
    const QString finalPath = platform::JoinPath(folder, place.wellName + QStringLiteral(".svm"));
    // Named per process: two copies starting at once may both be making the demo well.
    const QString tempPath = finalPath + QStringLiteral(".part") + QString::number(QCoreApplication::applicationPid());
    if (!WriteWholeFile(tempPath, "", 0))
        return false;
    OpenWell well;
    well.dataFolder = place.dataFolder;
    well.fileTopDepth = shape.firstDepth;
    well.fileBottomDepth = shape.lastDepth;
    const int written = SaveRecords(well, records, tempPath, 0, int(records.size()));
    if (written != int(records.size())) {
        QFile::remove(tempPath);
        return false;
    }
    QFile::remove(finalPath);
    if (!QFile::rename(tempPath, finalPath)) {
        QFile::remove(tempPath);
        return false;
    }
    return true;
}

bool InstallDemoWell(const QString& folder)
{
    const QString name = QString::fromLatin1(kDemoWellName) + QStringLiteral(".svm");
    if (QFileInfo(platform::FindFileNoCase(folder, name)).isFile())
        return true;
    return MakeDemoWell(folder);
}

}  // namespace wellfile
