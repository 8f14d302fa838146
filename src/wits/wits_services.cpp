#include "wits/wits_services.h"

#include "app/logstate.h"
#include "app/nowindow.h"
#include "wits/custwits.h"
#include "wits/wits.h"

namespace wits {

namespace {

class Windowless final : public WitsServices {
public:
    void CmWits(app::LogState&) override { app::NoWindowCommand("wits", "CmWits"); }
    void CmWitsSetup(app::LogState&) override { app::NoWindowCommand("wits", "CmWitsSetup"); }
    void CmCustomWits(app::LogState&) override { app::NoWindowCommand("wits", "CmCustomWits"); }
    void CmCustomWitsSetup(app::LogState&) override { app::NoWindowCommand("wits", "CmCustomWitsSetup"); }
    void CmWitsAlarms(app::LogState&) override { app::NoWindowCommand("wits", "CmWitsAlarms"); }
    void CmWitsChart(app::LogState&) override { app::NoWindowCommand("wits", "CmWitsChart"); }
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NoWindow("wits", "EvWitsData"); }
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NoWindow("wits", "EvCustWitsData"); }
};
}  // namespace

bool WitsServices::LinkRunning(const app::LogState& log) { return log.engines.wits != nullptr; }
bool WitsServices::CustomLinkRunning(const app::LogState& log) { return log.engines.custWits != nullptr; }
void WitsServices::LinkTimer(app::LogState&) { app::NoWindow("wits", "the link's timer work"); }
void WitsServices::CustomLinkOutput(app::LogState&) { app::NoWindow("wits", "the custom link's output"); }
void WitsServices::StopLink(app::LogState&) { app::NoWindow("wits", "StopLink"); }
void WitsServices::StopCustomLink(app::LogState&) { app::NoWindow("wits", "StopCustomLink"); }

void WitsServices::TakeGasSetup(app::LogState& log, const GasSetupValues& v)
{
    if (Wits* w = log.engines.wits)
        w->TakeGasSetup(v);
}

namespace {

// Changes the depth state of whichever links run, each as it keeps it.
template <class Change>
void ChangeLinkDepths(app::LogState& log, Change change)
{
    if (Wits* w = log.engines.wits) {
        WitsDepth d = w->Depth();
        change(d);
        w->SetDepth(d);
    }
    if (CUSTWITS* c = log.engines.custWits) {
        CustWitsDepth d = c->Depth();
        change(d);
        c->SetDepth(d);
    }
}

}  // namespace

void WitsServices::TrackFrom(app::LogState& log, std::int32_t depth)
{
    ChangeLinkDepths(log, [depth](auto& d) {
        d.trackedDepth = depth;
        d.depthSet = depth;
    });
}

void WitsServices::CompareRigAgain(app::LogState& log)
{
    ChangeLinkDepths(log, [](auto& d) { d.rigCompared = false; });
}

WitsServices& DefaultWitsServices()
{
    static Windowless services;
    return services;
}

}  // namespace wits
