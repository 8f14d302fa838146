#pragma once
// "Enter Gas " (dialog resource 19): the gas of each depth step typed in two passes, or one value a step
// for CO2, the mud weights and the custom data. The values go into the entry buffer (entry::GasEntry);
// each stored row is drawn at once through the row repaint the command hands in, and a magenta marker
// line on the log follows the row being typed.
#include "entry/gasentry.h"
#include "platform/ui/dialog.h"
#include "wellfile/wellconfig.h"

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

class LogGasInput final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_PROMPT = 2002,
        IDC_PREVIOUS = 2003,
        IDC_LABEL = 2004,
        IDC_VALUE = 2008,
        IDC_USE_RATIOS = 101,
        IDC_MUD_IN = 102,
        IDC_MAX_ENTRIES = 104,
        IDC_MAX_SPIN = 105,
        IDC_CO2 = 106,
        IDC_MUD_OUT = 107,
        IDC_CUSTOM = 108,
        IDC_CUSTOM2 = 109,
        IDC_MUD_PV = 110,
    };

    // What the dialog draws on the log: a stored record's row again (its depth), and the XOR marker
    // line of row y (and, unless `single`, of the row below, or above when `up`).
    struct LogDrawing {
        std::function<void(std::int32_t depth)> repaintRow;
        std::function<void(int y, bool up, bool single)> marker;
    };

    // `config` is the command's copy of the well's settings record: its "Max Entries" is read here and
    // written back on closing.
    LogGasInput(QWidget* parent, app::LogState& log, wellfile::WellConfig& config, LogDrawing drawing);
    ~LogGasInput() override;

    // The value box's keys: Ctrl keys go to the drilling keys (or nowhere), the rest to EnterKey.
    void KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl);
    // False when the step was refused (a beep) and nothing was stored.
    bool EnterKey(const std::optional<QString>& text, int key);
    const GasEntry& Entry() const { return entry_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    // What closing keeps, by Done or Cancel: the resume depth and the "Max Entries" count.
    void KeepOnClosing();
    void ShowPrompt();
    void ShowLabel();
    void MoveMarker(int fromY);
    void CmUseRatios();
    void CmMode(int box, GasMode mode);
    void EvMaxEntriesSpin();

    app::LogState& log_;
    wellfile::WellConfig& config_;
    LogDrawing drawing_;
    GasEntry entry_;
    std::unique_ptr<EntryEdit> edit_;
    // The well's last mud weight out as it was: a cancelled entry puts it back.
    float savedMudOut_ = 0;
    std::int32_t savedMudOutDepth_ = 0;
};

}  // namespace entry
