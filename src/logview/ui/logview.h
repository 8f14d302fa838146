#pragma once
// The view's services as the main window runs them: the paint of the log into the window's backing
// store, the repaint of single rows for the code that draws outside a paint and the off-screen log
// rendered at idle time, and the mouse over the log. The handlers it does not take keep their defaults.
#include "logview/logview_services.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/mousewindow.h"
#include "logview/ui/readoutbox.h"

#include <cstdint>
#include <utility>

namespace logview {

class LogView : public LogViewServices {
public:
    void Paint(app::LogState& log, platform::Dc& dc) override;
    void RepaintRows(app::LogState& log, std::int32_t firstDepth, int rows, unsigned parts, int customMode = 0) override;
    void RenderLog(app::LogState& log) override;
    void EvLButtonDown(app::LogState& log, int x, int y, unsigned keys) override;
    void EvMouseMove(app::LogState& log, int x, int y, unsigned keys) override;
    void EvLButtonUp(app::LogState& log, int x, int y, unsigned keys) override;
    void EvCancelMode(app::LogState& log) override;
    void EvLButtonDblClk(app::LogState& log, int x, int y, unsigned keys) override;
    void EvRButtonDown(app::LogState& log, int x, int y, unsigned keys) override;

    // The window's side of the mouse handlers; set once by the window.
    void SetMouseWindow(MouseWindow window) { mouseWindow_ = std::move(window); }
    const ReadoutBox& Readout() const { return readout_; }
    // The read-out box goes when the log scrolls or another well comes: its values belong to the place
    // it was shown at. Every paint also hides it once the view top, the well, the rows' or the columns'
    // geometry or the drilling mode is no longer the one it was shown over, whichever command changed them.
    void HideReadout() { readout_.Hide(); }

private:
    // The view a read-out was shown over.
    struct ReadoutPlace {
        std::int32_t viewTop = 0;
        std::uint32_t well = 0;  // the opening of the well
        int topMargin = 0, rowHeight = 0, scale = 0;
        int unitWidth = 0, logRight = 0, horizontalScroll = 0;  // the columns under it (Zoom On narrows them)
        bool zoom = false;
        bool drilling = false;  // drilling mode makes no read-outs and takes the title band
        friend bool operator==(const ReadoutPlace&, const ReadoutPlace&) = default;
    };
    static ReadoutPlace PlaceOf(const app::LogState& log);

    MouseWindow mouseWindow_;
    ReadoutBox readout_;  // made by the first click that reaches the read-outs
    ReadoutPlace readoutPlace_;
    DragDcs drags_;       // the device contexts of the drag under way
};

}  // namespace logview
