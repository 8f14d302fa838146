#pragma once
// The depth-log view: mouse handling over the log. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace logview {

// Button and key state of a mouse message.
enum : unsigned { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8 };

class LogViewServices {
public:
    virtual ~LogViewServices() = default;
    // Left button down over the log: starts the drags and the drag-gas function.
    virtual void EvLButtonDown(app::LogState& log, int x, int y, unsigned keys) = 0;
    // Mouse move: carries a drag on.
    virtual void EvMouseMove(app::LogState& log, int x, int y, unsigned keys) = 0;
    // Left button up: ends a drag and stores what it changed.
    virtual void EvLButtonUp(app::LogState& log, int x, int y, unsigned keys) = 0;
    // Double click on the log.
    virtual void EvLButtonDblClk(app::LogState& log, int x, int y, unsigned keys) = 0;
    // Right click: custom track set-up or gas labels.
    virtual void EvRButtonDown(app::LogState& log, int x, int y, unsigned keys) = 0;
    // Renders the whole log into the off-screen image (the window's idle time, when a redraw is owed).
    virtual void RenderLog(app::LogState& log);
};

// The services in force for this subsystem.
LogViewServices& DefaultLogViewServices();

}  // namespace logview
