#include "wits/wits_services.h"

#include "app/notbuilt.h"

namespace wits {

namespace {

class NotBuilt final : public WitsServices {
public:
    void CmWits(app::LogState&) override { app::NotBuiltCommand("wits", "CmWits"); }
    void CmWitsSetup(app::LogState&) override { app::NotBuiltCommand("wits", "CmWitsSetup"); }
    void CmCustomWits(app::LogState&) override { app::NotBuiltCommand("wits", "CmCustomWits"); }
    void CmCustomWitsSetup(app::LogState&) override { app::NotBuiltCommand("wits", "CmCustomWitsSetup"); }
    void CmWitsAlarms(app::LogState&) override { app::NotBuiltCommand("wits", "CmWitsAlarms"); }
    void CmWitsChart(app::LogState&) override { app::NotBuiltCommand("wits", "CmWitsChart"); }
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NotBuilt("wits", "EvWitsData"); }
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NotBuilt("wits", "EvCustWitsData"); }
};
}  // namespace

WitsServices& DefaultWitsServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace wits
