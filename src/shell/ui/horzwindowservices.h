#pragma once
// The horizontal services of a main window: the view is a HorzDlg, closed by its owner's command or
// by its own close box (which then tells the window to forget it).
#include "horizontal/horizontal_services.h"

#include <QPointer>
#include <QWidget>

namespace shell {

class HorzWindowServices final : public horizontal::HorizontalServices {
public:
    // `window` is the main window (a LogWindow): the view's parent and the owner of its menu item.
    explicit HorzWindowServices(QWidget* window) : window_(window) {}

    QWidget* CreateView(app::LogState& log, QWidget* parent) override;
    int LoadAndDraw(app::LogState& log, QWidget* view, int first) override;
    bool CloseChildWindow(QWidget* view) override;
    void CloseView(app::LogState& log, QWidget* view) override;
    int ApplySetup(app::LogState& log, QWidget* view) override;
    int RunSetupDialog(app::LogState& log, QWidget* parent, QWidget* view) override;
    bool ToggleSurveyDisplay(app::LogState& log, QWidget* view) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace shell
