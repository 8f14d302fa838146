#include "logview/logview_services.h"

#include "app/notbuilt.h"

namespace logview {

namespace {

class NotBuilt final : public LogViewServices {
public:
    void EvLButtonDown(app::LogState&, int, int, unsigned) override { app::NotBuilt("logview", "EvLButtonDown"); }
    void EvMouseMove(app::LogState&, int, int, unsigned) override { app::NotBuilt("logview", "EvMouseMove"); }
    void EvLButtonUp(app::LogState&, int, int, unsigned) override { app::NotBuilt("logview", "EvLButtonUp"); }
    void EvLButtonDblClk(app::LogState&, int, int, unsigned) override { app::NotBuilt("logview", "EvLButtonDblClk"); }
    void EvRButtonDown(app::LogState&, int, int, unsigned) override { app::NotBuilt("logview", "EvRButtonDown"); }
};
}  // namespace

void LogViewServices::RenderLog(app::LogState&) { app::NotBuilt("logview", "RenderLog"); }

LogViewServices& DefaultLogViewServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace logview
