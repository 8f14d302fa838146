#include "wits/witshost.h"

#include "app/depthcorrection.h"
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"

namespace wits {

WitsHost MakeWitsHost(app::LogState& log, const app::WellServices& services)
{
    WitsHost host;
    host.refresh = [&log](WitsHost& h) {
        h.well = &log.well.file;
        h.link = &log.witsLink;
        h.driller = log.engines.driller;
        h.gas = log.engines.autoGas;
        h.pumps = log.engines.pumpStrokes.get();
        h.profile = int(log.well.loggerId);
        h.gasMonitorType = log.engineStatus.gasInstrumentType;
        h.unmannedUnit = log.well.config.unmannedUnit != 0;
        const drilling::Driller* d = log.engines.driller;
        h.strokesCounted = d && d->time && d->time->strokes;
    };
    host.correctFileDepth = [&log, &services](std::int32_t depth) {
        return app::CorrectFileDepth(log, services, float(depth), 1);
    };
    host.showDepthStatus = [&log] {
        if (drilling::Driller* d = log.engines.driller)
            d->ShowDepthStatus();
    };
    // The driller draws its own lag depth, just set.
    host.showLagStatus = [&log](std::int32_t) {
        if (drilling::Driller* d = log.engines.driller)
            d->ShowLagStatus();
    };
    host.refresh(host);
    return host;
}

}  // namespace wits
