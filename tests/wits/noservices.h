#pragma once
// The rest of the WITS services, doing nothing: what the link's commands are built on in the tests.
#include "wits/wits_services.h"

namespace wits_testing {

class NoServices final : public wits::WitsServices {
public:
    void CmWits(app::LogState&) override {}
    void CmWitsSetup(app::LogState&) override {}
    void CmCustomWits(app::LogState&) override {}
    void CmCustomWitsSetup(app::LogState&) override {}
    void CmWitsAlarms(app::LogState&) override {}
    void CmWitsChart(app::LogState&) override {}
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
};

}  // namespace wits_testing
