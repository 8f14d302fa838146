#pragma once
// A short well of the test's folder with its drilling object and alarm table, and the WITS host made from
// the window's state that points at them: what the link's tests start from.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/witshost.h"

#include <memory>

namespace wits_testing {

struct LinkWell {
    LinkWell()
    {
        using testing_support::TestDir;
        well.dataFolder = TestDir();
        well.currentFolder = TestDir();
        well.wellName = "W";
        well.dataFileName = testing_support::MakeWell(TestDir(), "W.svm", 1000, 1200);
        well.fileTopDepth = 1000;
        well.fileBottomDepth = 1200;
        driller = std::make_unique<drilling::Driller>(facts, wits::WitsAlarmHost{});
        driller->SetAlarms(std::make_unique<drilling::LogAlarm>(TestDir()));
        state.engines.driller = driller.get();
        state.engines.pumpStrokes.reset();  // no pump-stroke threads unless a test gives them
    }
    ~LinkWell() { state.engines.driller = nullptr; }

    app::LogState state;  // the window's state the host is made from
    app::WellServices services;
    wellfile::OpenWell& well = state.well.file;
    drilling::DrillingHost facts{state};
    std::unique_ptr<drilling::Driller> driller;
    app::WitsLinkState& link = state.witsLink;
    wits::WitsHost host{state, services};
};

}  // namespace wits_testing
