#pragma once
// Manual data entry by depth. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace entry {

class EntryServices {
public:
    virtual ~EntryServices() = default;
    // Command 51705: rates.
    virtual void CmEnterRates(app::LogState& log) = 0;
    // Command 52697: lithology.
    virtual void CmEnterLithology(app::LogState& log) = 0;
    // Command 52696: gas.
    virtual void CmEnterGas(app::LogState& log) = 0;
    // Command 51700: shows.
    virtual void CmEnterShows(app::LogState& log) = 0;
    // Command 51923: flares.
    virtual void CmFlareData(app::LogState& log) = 0;
};

// The services in force for this subsystem.
EntryServices& DefaultEntryServices();

}  // namespace entry
