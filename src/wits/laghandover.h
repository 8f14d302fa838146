#pragma once
// The driller's lag depth handed to the WITS links running on the window's state: the standard link
// books its half steps and steps by it, the custom link its steps while it runs.
#include "drilling/drillinghost.h"

namespace app {
struct LogState;
}

namespace wits {

class LinksLagHandover final : public drilling::LagHandover {
public:
    // `log` outlives the hand-over; the links are looked up in it at each call.
    explicit LinksLagHandover(app::LogState& log) : log_(log) {}

    void WitsLagDepth(float lagDepth, int digit, int newWholeUnits, bool companionDepth) override;
    void CustomLinkLagDepth(float lagDepth, int digit, std::int32_t bottomDepth) override;
    void ClearWitsNewData() override;

private:
    app::LogState& log_;
};

}  // namespace wits
