#pragma once
// "Interval Outline" (dialog resource 27): the top, bottom and text of an outline, written into the
// records of the interval ("Save") or taken out of them ("Delete"), as often as wanted before "Done".
#include "entry/outline.h"
#include "platform/ui/dialog.h"

#include <cstdint>
#include <functional>
#include <string>

namespace app {
struct LogState;
}

namespace entry {

class OutLineDlg final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_TOP = 101,
        IDC_BOTTOM = 102,
        IDC_TEXT = 103,
        IDC_POSITION = 104,
        IDC_NARROW = 105,
        IDC_WIDE = 106,
        IDC_SAVE = 107,
        IDC_DELETE = 108,
    };

    // `repaint` draws the log again after each outline written.
    OutLineDlg(QWidget* parent, app::LogState& log, std::function<void()> repaint);

    void CmSave() { Store(false); }
    void CmDelete() { Store(true); }
    // The records written; 0 when the data file could not be read.
    int WriteOutline(
        std::int32_t top, std::int32_t bottom, OutlinePosition position, const std::string& text, bool erase);
    void ClearBoxes();

protected:
    void SetupWindow() override;

private:
    void Store(bool erase);

    app::LogState& log_;
    std::function<void()> repaint_;
};

}  // namespace entry
