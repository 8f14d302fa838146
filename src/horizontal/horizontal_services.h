#pragma once
// The horizontal-well view. What the main window asks of this subsystem: the view window (HorzDlg,
// dialog 48), made modeless by the window's command and held as its horizontal view, and the set-up
// dialog (HorzSetupDlg, dialog 50).
// Until the subsystem is built, the default services say so on stderr (commands also beep).
class QWidget;

namespace app {
struct LogState;
}

namespace horizontal {

class HorizontalServices {
public:
    virtual ~HorizontalServices() = default;
    // The view made as a modeless child of `parent`, its window created and hidden; null while the view
    // is not built.
    virtual QWidget* CreateView(app::LogState& log, QWidget* parent);
    // Reads the records and the set-up and draws (`first` 1 on first open, 0 after a set-up change);
    // 0 when the well has no horizontal section (fewer than 4 surveys over 10 degrees of inclination).
    virtual int LoadAndDraw(app::LogState& log, QWidget* view, int first);
    // True when the view has a window of its own open, which is then asked to close.
    virtual bool CloseChildWindow(QWidget* view);
    // Saves the horizontal set-up (".hor") and frees the view's images; the caller then deletes it.
    virtual void CloseView(app::LogState& log, QWidget* view);
    // Reads the horizontal set-up again; non-zero when it could.
    virtual int ApplySetup(app::LogState& log, QWidget* view);
    // The set-up dialog on the open view (or none), run modally.
    virtual void RunSetupDialog(app::LogState& log, QWidget* parent, QWidget* view);
};

// The services in force for this subsystem.
HorizontalServices& DefaultHorizontalServices();

}  // namespace horizontal
