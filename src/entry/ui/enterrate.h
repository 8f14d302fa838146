#pragma once
// "Enter Rates" (dialog resource 18): the rate of each depth step typed in two halves. The rates go into
// the entry buffer (entry::RateEntry); each finished step is drawn at once through the row repaint the
// command hands in.
#include "entry/rates.h"
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

class EnterRate final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { IDC_VALUE = 101, IDC_PROMPT = 105, IDC_PREVIOUS = 106, IDC_PREVIOUS_LIST = 111 };

    // `repaintRow` draws the row of a stored record (its depth) again on the log.
    EnterRate(QWidget* parent, app::LogState& log, std::function<void(std::int32_t depth)> repaintRow);
    ~EnterRate() override;

    // The value box's keys, walked as entry/entrywalk.h says.
    void KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl);
    const RateEntry& Entry() const { return entry_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void ShowPrompt();
    // Shows the outcome; false when the step was refused and nothing was stored.
    bool Answer(const RateKeyResult& r);

    app::LogState& log_;
    std::function<void(std::int32_t)> repaintRow_;
    RateEntry entry_;
    std::unique_ptr<EntryEdit> edit_;
};

}  // namespace entry
