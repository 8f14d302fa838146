#pragma once
// The horizontal-well view. What the main window asks of this subsystem: the view window (HorzDlg,
// dialog 48), made modeless by the window's command and held as its horizontal view, and the set-up
// dialog (HorzSetupDlg, dialog 50). The window installs the services that make the view
// (shell/ui/horzwindowservices.h); these defaults, without a window, make none.
class QWidget;

namespace app {
struct LogState;
}

namespace horizontal {

class HorizontalServices {
public:
    virtual ~HorizontalServices() = default;
    // The view made as a modeless child of `parent`, its window created and hidden; null when none can be.
    virtual QWidget* CreateView(app::LogState& log, QWidget* parent);
    // Reads the records and the set-up and draws (`first` 1 on first open, 0 after a set-up change);
    // 1 when drawn, 0 when the well has no horizontal section (fewer than 4 surveys over 10 degrees of
    // inclination), -1 when the plot's images could not be made (the view has said so).
    virtual int LoadAndDraw(app::LogState& log, QWidget* view, int first);
    // True when the view has a window of its own open, which is then asked to close.
    virtual bool CloseChildWindow(QWidget* view);
    // Saves the horizontal set-up (".hor") and frees the view's images; the caller then deletes it.
    virtual void CloseView(app::LogState& log, QWidget* view);
    // Reads the horizontal set-up again; non-zero when it could.
    virtual int ApplySetup(app::LogState& log, QWidget* view);
    // The set-up dialog on the open view (or none), run modally: 1 when it ended with CLOSE (the view then
    // applies the set-up), 2 after the field/local switch; 0 when there is none.
    virtual int RunSetupDialog(app::LogState& log, QWidget* parent, QWidget* view);
    // Toggles the open view's survey display and draws it again; the new state.
    virtual bool ToggleSurveyDisplay(app::LogState& log, QWidget* view);
};

// The services in force for this subsystem.
HorizontalServices& DefaultHorizontalServices();

}  // namespace horizontal
