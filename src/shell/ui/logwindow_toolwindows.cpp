// The tool windows beside the log that many commands make or close: the quick view bar (made with the
// links the constructor filled), the gas chart and the horizontal view (their settings saved first).
#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "shell/ui/qbtndlg.h"

namespace shell {

void LogWindow::EnsureQuickBar()
{
    if (tools_.quickBar || closing_)
        return;
    auto* bar = new QBTNDLG(barLinks_, state_.view.viewScale);
    bar->setAttribute(Qt::WA_DeleteOnClose);
    tools_.quickBar = bar;
    bar->Create();
    GiveFocusBack();
}

void LogWindow::GiveFocusBack()
{
    activateWindow();
    setFocus();
}

QPoint LogWindow::LiveWindowHome() const
{
    constexpr int kBelowTheBand = 10;
    const layout::LogLayout& L = state_.layout.format;
    return mapToGlobal(QPoint(L.gas.left - state_.scroll.horizontalOffset, ClientTop() + L.logAreaTop + kBelowTheBand));
}

void LogWindow::DestroyQuickBar()
{
    if (auto* bar = qobject_cast<QBTNDLG*>(tools_.quickBar.data()))
        bar->SavePosition();
    delete tools_.quickBar;
}

void LogWindow::CloseGasChart()
{
    QWidget* chart = tools_.gasChart;
    if (!chart)
        return;
    neighbours_.gasmon->CloseChart(state_, chart);
    tools_.gasChart = nullptr;
    delete chart;
    CheckMenuItem(app::cmd::GasChart, false);
}

void LogWindow::CloseHorizontalView()
{
    QWidget* view = tools_.horzView;
    if (!view)
        return;
    neighbours_.horizontal->CloseView(state_, view);
    tools_.horzView = nullptr;
    delete view;
    CheckMenuItem(app::cmd::HorizontalView, false);
}

}  // namespace shell
