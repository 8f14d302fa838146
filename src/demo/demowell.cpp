#include "demo/demowell.h"
#include "demo/demomemos.h"
#include "demo/demonotes.h"
#include "demo/demoreports.h"

#include "app/shellcommands.h"
#include "demo/demowell_curves.h"
#include "demo/demowell_data.h"
#include "layout/custchartcfg.h"
#include "layout/predefinedtracks.h"
#include "layout/schemes.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "reports/shortreports.h"
#include "wellfile/datafile.h"
#include "wellfile/wellconfig.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QDateTime>

#include <memory>
#include <string>
#include <vector>

namespace demo {

using namespace wellfile;  // the well is written through the data file's own savers

namespace {

WellHeader DemoHeader(const DemoWellShape& shape)
{
    WellHeader h{};
    platform::SetFieldText(h.company, "Demo Petroleum Ltd.");
    platform::SetFieldText(h.well, "Demo 7-21 Elog");
    platform::SetFieldText(h.field, "Wildcat");
    platform::SetFieldText(h.county, "Reeves");
    platform::SetFieldText(h.state, "Texas");
    platform::SetFieldText(h.location, "Sec. 21, Blk 7");
    platform::SetFieldText(h.spudDate, kDemoSpudDate);
    platform::SetFieldText(h.loggedFrom, kDemoStartDate);  // the start and end dates of logging
    platform::SetFieldText(h.loggedTo, kDemoEndDate);
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

// The well's settings: gamma on its 150 API scale, CO2 on its first, and the rate in minutes a unit as
// the records hold it. The custom tracks are off at first: while they are shown the descriptions move
// out of the description column to a custom track of memos; the quick view bar shows them.
bool SaveDemoConfig(const WellPlace& place)
{
    ConfigDefaults defaults;
    defaults.loggerId = kDemoProfile;
    WellConfig config = DefaultWellConfig(defaults);
    config.customTracksEnabled = 0;
    config.curveSetting = 4;
    config.co2ScaleCode = 1;
    config.rateUnitPerHour = 0;
    bool fieldSettings = false;
    return SaveConfig(config, place, fieldSettings) != 0;
}

// The display schemes: the first ("Mudlog") shows every track the records feed besides the mud log
// columns: gamma and weight on bit over the rate track, CO2 and the mud weights over the gas track, the
// lag time in the depth column, the interpreted lithology with the calcimeter, the memos, the
// descriptions in their column and the flares.
// Track flags 8-13 show the e-log resistivity curves (slots 8-13); 13 the deepest.
constexpr int kDeepResistivityFlag = 13;

bool SaveDemoSchemes(const WellPlace& place)
{
    layout::SchemeSet set = layout::DefaultSchemeSet();
    for (int flag : std::initializer_list<int>{layout::FLAG_FIRST_CURVE, layout::FLAG_LAG_TIME, layout::FLAG_WEIGHT_ON_BIT, layout::FLAG_MUD_WEIGHTS,
                     layout::FLAG_CO2, layout::FLAG_INTERPRETED_LITH, layout::FLAG_MEMOS, layout::FLAG_DESCRIPTIONS,
                     layout::FLAG_FLARES, kDeepResistivityFlag})
        set[0].flags[flag] = 1;
    layout::SchemeFiles files;
    files.dataFolder = place.dataFolder;
    files.currentFolder = place.currentFolder;
    files.wellName = place.wellName;
    return layout::SaveSchemes(files, false, set);
}

// The custom tracks: the drilling track every well starts with, and beside it the FIT analysis of the gas
// ("FIT-1 THC-C5": total hydrocarbons and C1 to C5 on a logarithmic ppm scale), drawn while the FIT data
// option is on.
bool SaveDemoCustomTracks(const QString& folder, const QString& wellName)
{
    constexpr int kFitThcC5Kind = 22;
    auto config = std::make_unique<layout::CUSTCHARTCFGEX>();
    layout::FillDefaultTracks(*config, 0);  // the tracks are placed again when the log lays them out
    layout::BuildPredefinedTrack(config->track[1], kFitThcC5Kind);
    return layout::WriteCustChartFile(platform::JoinPath(folder, wellName + QStringLiteral(".grdx")), *config);
}

// A few downtime notes, dated in the days after the spud.
bool SaveDowntimeNotes(const QString& folder, const QString& wellName, const std::vector<std::int32_t>& depths)
{
    QDateTime when(QDate(2026, 1, 5), QTime(3, 40));
    for (std::int32_t depth : depths) {
        if (!app::WriteDowntimeNote(folder, wellName, depth, when))
            return false;
        when = when.addSecs(3 * 24 * 3600 + 7 * 3600 + 25 * 60);
    }
    return true;
}

// Three short reports below the first tops, their boxes in the gas track's first slot, the mud box under
// the drilling-parameter box.
bool SaveDemoShortReports(const WellPlace& place, const DemoWellShape& shape)
{
    std::vector<wellfile::QREPORT> list;
    const std::int32_t span = shape.lastDepth - shape.firstDepth;
    for (const std::int32_t at : {span / 8, span / 2, 7 * span / 8}) {
        wellfile::QREPORT r;
        r.number = std::int32_t(list.size() + 1);
        r.depth = (shape.firstDepth + at) / 2 * 2;
        const int k = int(list.size());
        platform::SetFieldText(r.wob, platform::CFormat("%d", 14 + 4 * k));
        platform::SetFieldText(r.rpm, platform::CFormat("%d", 120 - 10 * k));
        platform::SetFieldText(r.pumpPressure, platform::CFormat("%d", 2100 + 250 * k));
        platform::SetFieldText(r.spm, "110");
        platform::SetFieldText(r.weightIn, platform::CFormat("1.%02d", 10 + 4 * k));
        platform::SetFieldText(r.weightOut, platform::CFormat("1.%02d", 11 + 4 * k));
        platform::SetFieldText(r.vis, "45");
        platform::SetFieldText(r.ph, "9.5");
        platform::SetFieldText(r.chlorides, "12000");
        platform::SetFieldText(r.filtrate, "6.2");
        platform::SetFieldText(r.solids, "4");
        platform::SetFieldText(r.yp, "14");
        platform::SetFieldText(r.pv, "18");
        r.mechanicalSlot = r.mudSlot = 12;
        r.mechanicalText = platform::RGB(0, 0, 160);
        r.mechanicalFrame = r.mudFrame = 1;
        r.slotsConverted = 1;
        list.push_back(r);
    }
    return reports::WriteShortReportFile(reports::ShortReportFilePath(place.currentFolder, place.wellName), list);
}

}  // namespace

bool MakeDemoWell(const QString& folder, const DemoWellShape& shape)
{
    if (shape.lastDepth <= shape.firstDepth || !QDir().mkpath(folder))
        return false;
    const DemoData data = MakeDemoData(shape);
    const std::vector<RECORD>& records = data.records;

    WellPlace place;
    place.dataFolder = platform::JoinPath(folder, QString());
    place.currentFolder = place.dataFolder;
    place.workingFolder = place.dataFolder;
    place.wellName = QString::fromLatin1(kDemoWellName);

    if (!SaveHeader(DemoHeader(shape), place))
        return false;
    if (!SaveDemoMemos(folder, shape, data.descriptions) || !SaveDemoDepthNotes(folder, shape))
        return false;
    TopsPlace topsPlace;
    if (!SaveTops(place, topsPlace, data.tops))
        return false;
    std::vector<wellfile::SHOWREPORT> shows;
    for (const auto& [from, to] : data.shows) {
        wellfile::SHOWREPORT s;
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
    if (!SaveDemoConfig(place) || !SaveDemoSchemes(place) || !SaveDowntimeNotes(folder, place.wellName, data.downtime) ||
        !SaveDemoShortReports(place, shape) || !SaveDemoDailyReport(place, data, shape) || !SaveDemoDst(place, data))
        return false;
    // The custom-data file of the custom tracks, one record per depth like the data file.
    const QString customPath = platform::JoinPath(folder, place.wellName + QStringLiteral(".svx"));
    if (!WriteWholeFile(customPath, data.custom.data(), data.custom.size() * sizeof(wellfile::CUSTDATAREC)))
        return false;
    // The wireline log, whose deep resistivity the first scheme shows.
    const std::vector<elog::CurveRecord> curves = MakeDemoCurves(data, shape);
    const QString curvePath = platform::JoinPath(folder, place.wellName + QStringLiteral(".svc"));
    if (!WriteWholeFile(curvePath, curves.data(), curves.size() * sizeof(elog::CurveRecord)))
        return false;
    const QString fitPath = platform::JoinPath(folder, place.wellName + QStringLiteral(".fit"));
    if (!WriteWholeFile(fitPath, data.fit.data(), data.fit.size() * sizeof(wellfile::EXTRECORD)) ||
        !SaveDemoCustomTracks(folder, place.wellName))
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

}  // namespace demo
