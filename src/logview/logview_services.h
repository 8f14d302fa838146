#pragma once
// The depth-log view: the paint of the log and the mouse handling over it. What the main window and the
// other subsystems ask of this subsystem. Until a service is built, its default says so on stderr.
#include <cstdint>

namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace logview {

// Button and key state of a mouse message.
enum : unsigned { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8 };

// What a row repaint draws again (RepaintRows), or-ed together.
enum RowPart : unsigned {
    ROW_RATE = 0x1,    // the rate track and the curve from the last rate x
    ROW_DEPTH = 0x2,   // the depth column, at depths that are multiples of 10
    ROW_GAS = 0x4,     // the gas curves, or the chromatograph track by profile
    ROW_CUSTOM = 0x8,  // the custom tracks
    ROW_SHOWS = 0x10,  // the porosity, fluorescence, cut and hardness columns
    ROW_MUD = 0x20,    // the mud weights over the gas track (with ROW_GAS the old bars go first)
    ROW_LITHOLOGY = 0x40,  // the lithology and interpreted-lithology columns (while an entry runs)
    ROW_CO2 = 0x80,    // the CO2 curve over the gas track, joined to the row above
    ROW_NEW_LITHOLOGY = 0x100,  // both lithology columns of a row new below the log, over their blank
};

class LogViewServices {
public:
    virtual ~LogViewServices() = default;
    // Paints the log on `dc` (the window's backing store): the strips, the rows, the whole-log painters,
    // the markers and the titles. Messages of a paint that fails ("NO Data File", "Memory Allocation
    // Error") are left in ViewState::paintFailure for the window to show once the paint is over.
    virtual void Paint(app::LogState& log, platform::Dc& dc);
    // Draws `rows` rows from the one of `firstDepth` again in the backing store, restoring the named
    // parts' backgrounds first, and has the window show that area. Drilling's step, the WITS and gas
    // monitor bookings, manual entry and the key handler call this; `customMode` is the custom tracks'.
    virtual void RepaintRows(app::LogState& log, std::int32_t firstDepth, int rows, unsigned parts,
                             int customMode = 0);
    // Left button down over the log: starts the drags and the drag-gas function. Coordinates are the
    // client area's, the menu bar not included.
    virtual void EvLButtonDown(app::LogState& log, int x, int y, unsigned keys);
    // Mouse move: carries a drag on.
    virtual void EvMouseMove(app::LogState& log, int x, int y, unsigned keys);
    // Left button up: ends a drag and stores what it changed.
    virtual void EvLButtonUp(app::LogState& log, int x, int y, unsigned keys);
    // The window lost the mouse (another window took it) in the middle of a drag: the drag is dropped,
    // nothing stored, the mouse let go.
    virtual void EvCancelMode(app::LogState& log);
    // Double click on the log.
    virtual void EvLButtonDblClk(app::LogState& log, int x, int y, unsigned keys);
    // Right click: custom track set-up or gas labels.
    virtual void EvRButtonDown(app::LogState& log, int x, int y, unsigned keys);
    // Renders the whole log into the off-screen image (the window's idle time, when a redraw is owed).
    virtual void RenderLog(app::LogState& log);
};

// Makes `view` the listener of the rows changed on `log` (ViewState::rowsChanged): it draws them again
// with RepaintRows. `view` outlives the listening.
void ListenForChangedRows(app::LogState& log, LogViewServices& view);

// The services in force for this subsystem when no window has put its own in.
LogViewServices& DefaultLogViewServices();

}  // namespace logview
