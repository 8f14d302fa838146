#include "logview/logview_services.h"

#include "app/logstate.h"
#include "app/nowindow.h"

namespace logview {

void LogViewServices::Paint(app::LogState&, platform::Dc&) { app::NoWindow("logview", "Paint"); }
void LogViewServices::RepaintRows(app::LogState&, std::int32_t, int, unsigned, int)
{
    app::NoWindow("logview", "RepaintRows");
}
void LogViewServices::EvLButtonDown(app::LogState&, int, int, unsigned) { app::NoWindow("logview", "EvLButtonDown"); }
void LogViewServices::EvMouseMove(app::LogState&, int, int, unsigned) { app::NoWindow("logview", "EvMouseMove"); }
void LogViewServices::EvLButtonUp(app::LogState&, int, int, unsigned) { app::NoWindow("logview", "EvLButtonUp"); }
void LogViewServices::EvCancelMode(app::LogState&) { app::NoWindow("logview", "EvCancelMode"); }
void LogViewServices::EvLButtonDblClk(app::LogState&, int, int, unsigned) { app::NoWindow("logview", "EvLButtonDblClk"); }
void LogViewServices::EvRButtonDown(app::LogState&, int, int, unsigned) { app::NoWindow("logview", "EvRButtonDown"); }
void LogViewServices::RenderLog(app::LogState&) { app::NoWindow("logview", "RenderLog"); }

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
