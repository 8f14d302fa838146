#include "drilling/drilling_services.h"

#include "app/notbuilt.h"

namespace drilling {

namespace {

class NotBuilt final : public DrillingServices {
public:
    void CmDrilling(app::LogState&) override { app::NotBuiltCommand("drilling", "CmDrilling"); }
    void CmLagTime(app::LogState&) override { app::NotBuiltCommand("drilling", "CmLagTime"); }
    void CmBackupReminder(app::LogState&) override { app::NotBuiltCommand("drilling", "CmBackupReminder"); }
    void EvTimer(app::LogState&, int) override { app::NotBuilt("drilling", "EvTimer"); }
    void EvJoyButton(app::LogState&, unsigned) override { app::NotBuilt("drilling", "EvJoyButton"); }
};
}  // namespace

DrillingServices& DefaultDrillingServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace drilling
