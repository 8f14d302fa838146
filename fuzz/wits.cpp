// The WITS link's inputs: the text a rig sends (read in pieces cut anywhere, as the serial or TCP link
// delivers it) through the frame reader into the engine, which books samples and steps into a short
// well; then the file-input mode's result and chromatograph files, and the link's side files (its
// settings, the alarm table, the chart settings and a daily WITS file).
#include "fuzzhost.h"
#include "shortwell.h"

#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "drilling/pumpthreads.h"
#include "wits/chartsettings.h"
#include "wits/custwitscfg.h"
#include "wits/dailyfile.h"
#include "wits/framereader.h"
#include "wits/wits.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"

#include <algorithm>
#include <memory>

namespace {
// The first part is the rig's text; the others, in the order of the byte that names one:
enum Kind { kResult, kChromatograph, kSettings, kAlarms, kChart, kDaily, kKinds };
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box;
    const QString folder = box.data();
    const std::vector<fuzzing::Part> parts = fuzzing::SplitParts(data, size, kKinds);
    const QString names[kKinds] = {"Strativ_TGA.res", "chrom.txt", "custwits.cfg", "wits.alm", "W.wfg", "W-daily.wit"};
    for (const fuzzing::Part& part : parts)
        if (part.kind >= 0)
            fuzzing::Box::Write(folder + names[part.kind], part.bytes);

    fuzzing::ShortWell shortWell(folder);
    wellfile::OpenWell& well = shortWell.well;
    shortWell.state.witsLink.depthTracking = true;
    wits::WitsHost host(shortWell.state, shortWell.services);
    host.correctFileDepth = [](std::int32_t) { return 0; };
    host.writeBlock = [&](const wellfile::WITSRECORD* samples, int count) {
        const QDate day(2026, 1, 15);
        wits::WriteDailyRecords(wits::DailyWitsFileName(folder, well.wellName, day), day, samples, count);
    };
    wits::WitsAlarmHost alarmHost;
    alarmHost.dataFolder = [folder] { return folder; };
    auto engine = std::make_unique<wits::Wits>(host, alarmHost);

    // The rig's text in reads of 1 to 64 bytes, the lengths cycling through the text's own bytes.
    wits::FrameReader reader(*engine);
    const std::string_view text = parts.front().bytes;
    for (std::size_t at = 0, i = 0; at < text.size(); ++i) {
        const std::size_t n = std::min(text.size() - at, std::size_t(1 + static_cast<unsigned char>(text[i % text.size()]) % 64));
        reader.Feed(text.data() + at, n);
        at += n;
    }

    wits::WitsGasSettings files = engine->GasSettings();
    files.resultFile = folder + names[kResult];
    files.chromatographFile = folder + names[kChromatograph];
    engine->SetGasSettings(files);
    engine->ReadTgaResultFile();
    engine->ReadChromatographFile();

    auto settings = std::make_unique<wits::CUSTWITSCFG>();
    wits::ReadCustWitsConfig(folder, *settings);
    auto alarms = std::make_unique<wits::WitsAlarmBlock>();
    wits::LoadWitsAlarmFile(folder, *alarms);
    auto chart = std::make_unique<wits::WITSCHARTCFG>();
    wits::ReadConfig(folder + names[kChart], *chart);
    wits::ReadDailyFile(folder + names[kDaily]);
    return 0;
}
