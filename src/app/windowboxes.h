#pragma once
// Boxes of work done before the main window is on the screen (a link connecting at a start in drilling
// mode): they wait for the window, so that they never stand alone on the screen, and never stop that
// work while they wait for an answer.
#include <QString>

namespace app {

struct Environment;

// Posted at once when the window was shown already, else kept until it is.
void SayAboveWindow(Environment& env, const QString& text, const QString& caption);

// The window is on the screen: the boxes kept are posted, in the order they came.
void WindowShown(Environment& env);

}  // namespace app
