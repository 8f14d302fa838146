#pragma once
// The view's services as the main window runs them: the paint of the log into the window's backing
// store, the repaint of single rows for the code that draws outside a paint and the off-screen log
// rendered at idle time. The mouse handlers keep their defaults until they are built.
#include "logview/logview_services.h"

namespace logview {

class LogView : public LogViewServices {
public:
    void Paint(app::LogState& log, platform::Dc& dc) override;
    void RepaintRows(app::LogState& log, std::int32_t firstDepth, int rows, unsigned parts, int customMode = 0) override;
    void RenderLog(app::LogState& log) override;
};

}  // namespace logview
