#pragma once
// TOOLBAR, the "Drilling Status" box: a small modeless box beside the log with two buttons that show,
// and with the switch of polarity 2 also set, whether the bit is on bottom and whether the pumps run.
// The driller's status window makes and deletes it (the WITS link may have it deleted and made again).
#include "platform/ui/dialog.h"

#include <functional>

namespace app {
struct LogState;
}

namespace drilling {

class TOOLBAR : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_BOTTOM = 101, ID_PUMP = 102 };
    static constexpr int kWidth = 140, kHeight = 50;

    // `log` outlives the box; `focusBack` gives the focus back to the main window after each press.
    TOOLBAR(QWidget* parent, app::LogState& log, std::function<void()> focusBack);

    // The buttons' texts and states for the bit off bottom or on it, circulating or not, and the switch
    // polarity (2 enables both buttons).
    void ShowStatus(bool offBottom, bool circulating, int polarity);
    // The bottom button: the bit goes off bottom or back on it.
    void CmBottom();
    // The pump button: off bottom first when on it; then circulation starts, or stops while no pump
    // strokes are counted.
    void CmPump();

protected:
    void SetupWindow() override;

private:
    void Texts(bool offBottom, bool circulating);

    app::LogState& log_;
    std::function<void()> focusBack_;
};

}  // namespace drilling
