// The custom WITS link's inputs: a polled device's answers, read in pieces cut anywhere (never more than
// one read of the port takes), in each mode that parses them, with the link's depth tracking on or off;
// after each read the link builds its next poll and books its step gas at the lag depth into a short
// well. The first byte picks the mode and the settings; the rest is the device's text.
#include "fuzzhost.h"
#include "shortwell.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "wits/custwits.h"
#include "wits/dailyfile.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"

#include <algorithm>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    fuzzing::Box box;
    const QString folder = box.data();
    const std::uint8_t settings = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    fuzzing::ShortWell shortWell(folder);
    wellfile::OpenWell& well = shortWell.well;
    std::unique_ptr<drilling::Driller>& driller = shortWell.driller;
    driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
    app::LogState& state = shortWell.state;
    state.engines.pumpStrokes.reset();
    state.well.loggerId = (settings & 0x40) != 0 ? 23 : 79;
    state.well.config.unmannedUnit = (settings & 0x20) != 0 ? 1 : 0;
    wits::CustWitsHost host(state, shortWell.services);
    host.correctFileDepth = [&well](std::int32_t depth) {
        well.fileBottomDepth = std::clamp(depth, well.fileTopDepth, 1060);
        return 1;
    };
    host.writeBlock = [&](const wellfile::WITSRECORD* samples, int count) {
        const QDate day(2026, 1, 15);
        wits::WriteDailyRecords(wits::DailyWitsFileName(folder, well.wellName, day), day, samples, count);
    };
    wits::WitsAlarmHost alarmHost;
    alarmHost.dataFolder = [folder] { return folder; };
    wits::CUSTWITS custom(host, alarmHost);
    wits::CustWitsSettings linkSettings = custom.Settings();
    linkSettings.mode = settings % 4;  // the modes that parse answers
    linkSettings.trackDepth = (settings & 0x04) != 0;
    linkSettings.gasMonitorFirst = (settings & 0x08) != 0;
    linkSettings.hwAttenuator = (settings & 0x10) != 0 ? 2.0f : 1.0f;
    custom.SetSettings(linkSettings);
    wits::CustWitsDepth depth = custom.Depth();
    depth.trackedDepth = 1040;
    custom.SetDepth(depth);

    // Reads of 1 to 999 characters, the lengths following the text's own bytes.
    for (std::size_t at = 0, i = 0; at < text.size(); ++i) {
        const std::size_t n =
            std::min(text.size() - at, std::size_t(1 + static_cast<unsigned char>(text[i % text.size()]) * 4 % 999));
        custom.ParseItems(text.substr(at, n));
        at += n;
        (void)custom.BuildOutputFrame();
        custom.StoreDepthStep();
    }
    custom.EndFrame();
    (void)custom.BuildWitsOutFrame();
    return 0;
}
