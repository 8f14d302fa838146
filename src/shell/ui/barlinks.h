#pragma once
// What the bars on the main window (the quick view bar, the bar of shared wells) ask of it. The window
// hands a filled copy to each bar it makes, so a bar reaches the window only through these.
#include "app/logstate.h"
#include "shell/neighbours.h"
#include "shell/ui/toolwindows.h"

#include <QMainWindow>
#include <QString>

#include <functional>

namespace shell {

struct BarLinks {
    QMainWindow* window = nullptr;  // the frame the bar sits on and places itself by
    app::LogState* state = nullptr;
    ToolWindows* tools = nullptr;
    Neighbours* neighbours = nullptr;
    std::function<void(int)> runCommand;     // a menu command, as the menu runs it
    std::function<void()> focusLog;          // the log takes the keys back
    std::function<void()> invalidateLog;     // one paint of the log is posted
    std::function<void()> redrawLog;         // a full re-render is owed
    std::function<void()> toggleCustomTracks;  // custom tracks on or off, the scheme and layout after them
    std::function<void()> clientTopChanged;  // the log is laid out below a bar that came or went
    // Opens the shared well of the path in place of the open one; 1 when it was opened.
    std::function<int(const QString& path, const QString& timeText)> openSharedWell;
};

}  // namespace shell
