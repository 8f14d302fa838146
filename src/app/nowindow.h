#pragma once
// The defaults of the services the main window answers. A host without the window (a benchmark, a tool,
// a test's host) runs the engines alone: its hooks do nothing, and a user's command, which only the
// window can carry out, says once on stderr that it needs the main window and beeps.
namespace app {

// A hook of the window's (a repaint, a status line, a timer's work) with no window behind it: nothing.
inline void NoWindow(const char* /*subsystem*/, const char* /*service*/) {}
// A user's command with no window behind it: said once and a beep every time.
void NoWindowCommand(const char* subsystem, const char* command);

}  // namespace app
