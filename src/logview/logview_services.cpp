#include "logview/logview_services.h"

#include "app/logstate.h"
#include "app/notbuilt.h"

namespace logview {

void LogViewServices::Paint(app::LogState&, platform::Dc&) { app::NotBuilt("logview", "Paint"); }
void LogViewServices::RepaintRows(app::LogState&, std::int32_t, int, unsigned, int)
{
    app::NotBuilt("logview", "RepaintRows");
}
void LogViewServices::EvLButtonDown(app::LogState&, int, int, unsigned) { app::NotBuilt("logview", "EvLButtonDown"); }
void LogViewServices::EvMouseMove(app::LogState&, int, int, unsigned) { app::NotBuilt("logview", "EvMouseMove"); }
void LogViewServices::EvLButtonUp(app::LogState&, int, int, unsigned) { app::NotBuilt("logview", "EvLButtonUp"); }
void LogViewServices::EvCancelMode(app::LogState&) { app::NotBuilt("logview", "EvCancelMode"); }
void LogViewServices::EvLButtonDblClk(app::LogState&, int, int, unsigned) { app::NotBuilt("logview", "EvLButtonDblClk"); }
void LogViewServices::EvRButtonDown(app::LogState&, int, int, unsigned) { app::NotBuilt("logview", "EvRButtonDown"); }
void LogViewServices::RenderLog(app::LogState&) { app::NotBuilt("logview", "RenderLog"); }

void ListenForChangedRows(app::LogState& log, LogViewServices& view)
{
    log.view.rowsChanged = [&log, &view](const app::ChangedRows& c) {
        view.RepaintRows(log, c.firstDepth, c.rows, c.parts, c.customMode);
    };
}

LogViewServices& DefaultLogViewServices()
{
    static LogViewServices services;
    return services;
}

}  // namespace logview
