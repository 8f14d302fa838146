#pragma once
// What drilling mode asks of the window's other links: the gas monitor, the two WITS links and the
// remote monitor's refresh. The window answers with the services in force at each call, so a test may
// point them at doubles.
namespace app {
struct LogState;
}
namespace gasmon {
class GasMonitorServices;
}
namespace wits {
class WitsServices;
}

namespace drilling {

class OtherLinks {
public:
    virtual ~OtherLinks() = default;
    virtual gasmon::GasMonitorServices& Gas() const = 0;
    virtual wits::WitsServices& Wits() const = 0;
    // The remote monitor's refresh of the open well from the field station's copy.
    virtual void RefreshRemoteFile(app::LogState& log) const = 0;
};

}  // namespace drilling
