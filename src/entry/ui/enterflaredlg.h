#pragma once
// "STRATIV FLARE DATA" (dialog resource 54): a flare length and a flare text per depth step, typed into
// the flare entry's buffer (entry::FlareEntry). Each stored step is drawn at once through the drawing
// the command hands in.
#include "entry/flareentry.h"
#include "platform/ui/dialog.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace app {
struct LogState;
}

namespace entry {

class EntryEdit;
// The value box: Ctrl keys reach the dialog without text, Enter with the box's first line, Up and Down
// with none; the rest edit the box.
using FlareEdit = EntryEdit;

class EnterFlareDlg final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_DEPTH = 101,
        IDC_MODE = 102,
        IDC_VALUE = 103,
        IDC_TEXT = 104,
        IDC_LENGTH = 105,
        IDC_AIR = 106,
        IDC_MUD = 107,
        IDC_PROMPT = 108,
        IDC_GAIN = 109,
        IDC_TEXT_LABEL = 110,
    };

    // `drawStep` draws the stored record `index` on the log, its step starting at row y.
    EnterFlareDlg(QWidget* parent, app::LogState& log, std::function<void(int index, int y)> drawStep);
    ~EnterFlareDlg() override;

    void EnterKey(const std::optional<QString>& text, int key);
    void CmMode();
    const FlareEntry& Entry() const { return entry_; }

protected:
    void SetupWindow() override;

private:
    void ShowPrompt();

    app::LogState& log_;
    std::function<void(int, int)> drawStep_;
    bool flareTrack_;
    FlareEntry entry_;
    std::unique_ptr<FlareEdit> edit_;
};

}  // namespace entry
