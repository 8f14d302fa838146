#pragma once
// What the mouse handlers of the log need of the main window besides its state: the window the read-out
// box belongs to and the window's own handlers they hand work to. The window fills it once; a handler
// whose call is left empty does without it.
#include <QString>

#include <functional>

class QWidget;
namespace reports {
class ReportServices;
}

namespace logview {

struct MouseWindow {
    QWidget* window = nullptr;          // parent of the read-out box
    std::function<int()> clientTop;     // y of the client area in the window: the menu bar's height
    std::function<void(int code)> verticalScroll;     // the depth scroll bar's code (app::SB_PAGEUP ...)
    std::function<reports::ReportServices*()> reports;  // the report dialogs in force
    std::function<int(const QString& path)> shellOpen;  // opens a file with its program; 1 when started
};

}  // namespace logview
