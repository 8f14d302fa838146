#pragma once
// The main window as a first start shows it: the demo well made and opened, laid out for a 1920 x 1080
// screen and shown at that size.
class LogWindow;

namespace testing_support {

// False (with a test failure) when the demo well could not be opened again at that size.
bool ShowDemoWindow(LogWindow& window);
// Shows the demo's custom tracks as the quick view bar's button does; false (with a test failure) when
// they did not come.
bool ShowDemoCustomTracks(LogWindow& window);

}  // namespace testing_support
