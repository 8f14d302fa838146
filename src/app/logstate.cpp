#include "app/logstate.h"

#include "layout/custchartcfg.h"
#include "platform/services.h"
#include "platform/text.h"

#include <algorithm>
#include <memory>

namespace app {

namespace {

// Rock types by index; 28-31 and 33-37 are spare "BL" slots and 32 is empty.
constexpr const char* kRockAbbreviations[38] = {
    "BL", "SS", "DOL", "LS", "CHT", "ANH", "SH", "RSH", "GSH", "OSH", "CS", "GR", "SLT", "CO", "BEN", "GW",
    "QW", "CW", "CG", "CK", "VOL", "CMT", "C1", "C2", "C3", "C4", "C5", "C6", "BL", "BL", "BL", "BL",
    "", "BL", "BL", "BL", "BL", "BL"};

constexpr float kWitsOutTestGas[20] = {100.0f, 90.5f, 92.6f, 80.5f, 81.4f, 100.0f, 95.0f, 92.0f, 80.0f, 60.0f,
                                       50.0f, 20.5f, 10.8f, 5.6f, 4.8f, 10.4f, 100.0f, 150.9f, 160.0f, 170.8f};

template <std::size_t N>
void FillUnfilled(std::array<std::int32_t, N>& table)
{
    table.fill(kUnfilledDepthIndex);
}

}  // namespace

Engines::Engines() = default;

Engines::~Engines() { StopWorkers(); }

void Engines::StopWorkers()
{
    // Ask them all first, so they wind down together, then wait for each. While they are joined a
    // worker's question to the user, one already waiting for this thread included, is answered as
    // cancelled. Should this thread be inside a worker's question (its message box's event loop), that
    // worker waits for the question to return: the threads are then joined once it has.
    auto threads = std::make_shared<std::array<std::jthread, 6>>();
    std::jthread* mine[] = {&threadA, &threadB, &witsCopyThread, &pumpThreads[0], &pumpThreads[1], &pumpThreads[2]};
    for (std::size_t i = 0; i < threads->size(); ++i) {
        mine[i]->request_stop();
        (*threads)[i] = std::move(*mine[i]);
    }
    platform::WhenNoGuiCallRuns([threads] {
        const platform::GuiWaitsForWorkers waiting;
        for (std::jthread& t : *threads)
            if (t.joinable())
                t.join();
    });
}

void ApplySetupDefaults(LogState& s)
{
    s.well.file.depthStep = 1;
    s.well.file.viewDepthSpan = 40;
    s.well.file.drilling = false;
    s.well.loggerId = 0;
    s.well.writeBottomToFirstRecord = false;
    s.drilling.polledKind = false;
    s.layout.format.pixelsPerStep = 10;
    s.layout.format.logAreaTop = layout::kOfficeTitleRows * s.layout.format.pixelsPerStep;
    s.view.viewScale = 1;
    s.view.rateInMetresPerHour = 0;
    s.view.redrawPending = true;
    s.view.windowReady = true;
    s.env.firstInstance = 1;
    s.engines.driller = nullptr;
    s.engines.runningDriller = nullptr;
    s.engines.autoGas = nullptr;
    s.engines.wits = nullptr;
    s.engines.custWits = nullptr;
    s.engines.elogCurves.reset();
    s.customTracks.data.reset();
    s.now = platform::LocalTime();

    for (std::size_t i = 0; i < s.tables.rockAbbreviations.size(); ++i) {
        auto& slot = s.tables.rockAbbreviations[i];
        platform::SetFieldText(slot.data(), slot.size(), kRockAbbreviations[i]);
    }
    std::copy(std::begin(kWitsOutTestGas), std::end(kWitsOutTestGas), s.tables.witsOutTestGas.begin());
    s.tables.witsOutTestGasLast = 19;
    s.tables.witsOutTestGasIndex = 0;

    FillUnfilled(s.well.showDepthIndex);
    FillUnfilled(s.well.dstDepthIndex);
    FillUnfilled(s.well.reportDepthIndex);
}

}  // namespace app
