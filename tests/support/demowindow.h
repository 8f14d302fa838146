#pragma once
// The main window as a first start shows it: the demo well made and opened, laid out for a 1920 x 1080
// screen and shown at that size; or a fresh well of the test's opened on it.
#include <QString>

#include <functional>

namespace shell { class LogWindow; }

namespace testing_support {

// False (with a test failure) when the demo well could not be opened again at that size.
bool ShowDemoWindow(shell::LogWindow& window);
// Shows the demo's custom tracks as the quick view bar's button does; false (with a test failure) when
// they did not come.
bool ShowDemoCustomTracks(shell::LogWindow& window);

// Starts `window` as a first start by the user "tester" does (the demo well opened, no command-line file
// taken before), then opens the well that `make` makes, given the data folder, and returns its path. An
// empty path, with a test failure, when no well was made or it could not be opened.
QString OpenNewWell(shell::LogWindow& window, const std::function<QString(const QString& dataFolder)>& make);
// The same for a well `fileName` of sound records first..last made in the data folder (MakeWell).
QString OpenNewWell(shell::LogWindow& window, const QString& fileName, int first, int last);

}  // namespace testing_support
