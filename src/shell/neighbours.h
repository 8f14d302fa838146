#pragma once
// The services of the other subsystems that the main window calls. Each points at its subsystem's
// services in force; a test points one at a double to see what the window asked.
#include "app/wellservices.h"
#include "drilling/drilling_services.h"
#include "drilling/otherlinks.h"
#include "elog/elog_services.h"
#include "entry/entry_services.h"
#include "exchange/exchange_services.h"
#include "gasmon/gasmon_services.h"
#include "horizontal/horizontal_services.h"
#include "logview/logview_services.h"
#include "print/print_services.h"
#include "reports/reports_services.h"
#include "wits/wits_services.h"

namespace shell {

struct Neighbours {
    logview::LogViewServices* logview = &logview::DefaultLogViewServices();
    drilling::DrillingServices* drilling = &drilling::DefaultDrillingServices();
    gasmon::GasMonitorServices* gasmon = &gasmon::DefaultGasMonitorServices();
    wits::WitsServices* wits = &wits::DefaultWitsServices();
    entry::EntryServices* entry = &entry::DefaultEntryServices();
    print::PrintServices* print = &print::DefaultPrintServices();
    elog::ElogServices* elog = &elog::DefaultElogServices();
    exchange::ExchangeServices* exchange = &exchange::DefaultExchangeServices();
    reports::ReportServices* reports = &reports::DefaultReportServices();
    horizontal::HorizontalServices* horizontal = &horizontal::DefaultHorizontalServices();
};

// Drilling mode's other links as the neighbours in force answer them.
class NeighbourLinks final : public drilling::OtherLinks {
public:
    NeighbourLinks(const Neighbours& neighbours, const app::WellServices& wellServices)
        : neighbours_(neighbours), wellServices_(wellServices) {}
    gasmon::GasMonitorServices& Gas() const override { return *neighbours_.gasmon; }
    wits::WitsServices& Wits() const override { return *neighbours_.wits; }
    void RefreshRemoteFile(app::LogState& log) const override
    {
        neighbours_.exchange->RefreshRemoteFile(log, wellServices_, *neighbours_.elog);
    }

private:
    const Neighbours& neighbours_;
    const app::WellServices& wellServices_;
};

}  // namespace shell
