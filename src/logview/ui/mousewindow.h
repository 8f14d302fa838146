#pragma once
// What the mouse handlers of the log need of the main window besides its state: the window the read-out
// box belongs to and the window's own handlers they hand work to. The window fills it once; a handler
// whose call is left empty does without it.
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;
namespace reports {
class ReportServices;
}
namespace entry {
class EntryServices;
}

namespace logview {

class ReadoutBox;
struct DragDcs;

struct MouseWindow {
    QWidget* window = nullptr;          // parent of the read-out box
    std::function<int()> clientTop;     // y of the client area in the window: the menu bar's height
    std::function<void(int code)> verticalScroll;     // the depth scroll bar's code (app::SB_PAGEUP ...)
    std::function<reports::ReportServices*()> reports;  // the report dialogs in force
    std::function<entry::EntryServices*()> entry;       // the entry commands in force
    std::function<bool()> textViewsOpen;  // the data-as-text or curve-data window is open
    std::function<void(std::int32_t depth)> labelGases;  // the gas-label dialog on the record of a depth
    std::function<int(std::int32_t depth)> elogReadout;  // the e-log read-out at the row of a depth; 1 shown
    std::function<void(int position)> depthBarPosition;  // puts the depth scroll bar's thumb there (0-100)
    std::function<int(const QString& path)> shellOpen;  // opens a file with its program; 1 when started
    std::function<void(bool on)> capture;  // takes every mouse event to the window (on) or lets go (off)
    std::function<void()> applyDragGas;    // ends the drag-gas function, shifting the gas by its offset
};

// The window's side of the mouse handlers, as each message gets it.
struct MouseContext {
    const MouseWindow& window;
    ReadoutBox& readout;
    DragDcs* drags = nullptr;  // the drags' device contexts; none: no drag starts
};

}  // namespace logview
