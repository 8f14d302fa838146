#pragma once
// "Enter Show" (dialog resource 17): the porosity, fluorescence, cut and calcimeter (or hardness) of each
// depth step, one column at a time, each column with its own cursor. The values go into the entry
// buffer (entry::ShowEntry); each stored row is drawn at once through the row repaint the command hands
// in. "Color" picks the colour of the selected column's boxes through the platform's colour chooser.
#include "entry/showentry.h"
#include "platform/ui/dialog.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace app {
struct LogState;
}

namespace entry {

class EntryEdit;

// What the show entry reads of the window: the profile, the last depth and the options.
struct ShowOptions {
    ShowSettings settings;
    bool calcimeter = false; // the log shows the calcimeter (hardness) column
    bool showColour = false; // "Color" is offered
};
ShowOptions ShowOptionsOf(const app::LogState& log);

class EnterShow final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_CALCIMETER = 101,
        IDC_SELECT = 102,
        IDC_POROSITY = 103,
        IDC_FLUORESCENCE = 104,
        IDC_CUT = 105,
        IDC_COLOR = 106,
        IDC_VALID = 146,
        IDC_PROMPT = 2011,
        IDC_VALUE = 2012,
    };

    // `repaintRows` draws `rows` rows from the one of a record (its depth) again on the log.
    EnterShow(QWidget* parent, app::LogState& log, std::function<void(std::int32_t depth, int rows)> repaintRows);
    ~EnterShow() override;

    // The value box's keys, walked as entry/entrywalk.h says.
    void KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl);
    const ShowEntry& Entry() const { return entry_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void SelectColumn(ShowColumn column);
    void CmColor();
    void ShowPrompt();
    // Shows the outcome; false when the entry was refused or dropped and nothing was stored.
    bool Answer(const ShowKeyResult& r);

    app::LogState& log_;
    ShowOptions options_;
    std::function<void(std::int32_t, int)> repaintRows_;
    ShowEntry entry_;
    std::unique_ptr<EntryEdit> edit_;
};

}  // namespace entry
