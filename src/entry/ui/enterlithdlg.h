#pragma once
// "Enter Lithology" (dialog resource 20): the lithology of each depth step typed as a percentage text,
// or with "Intrp Lith" ticked the interpreted lithology. The texts go into the entry buffer
// (entry::LithEntry); each stored row is drawn at once through the row repaint the command hands in.
// "Help" opens the modeless lithology help window, which belongs to the main window and outlives the
// dialog, and closes it on the next press.
#include "entry/lithentry.h"
#include "platform/ui/dialog.h"

#include <QPointer>
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

class EnterLithDlg final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { IDC_VALUE = 101, IDC_HELP = 102, IDC_INTRP = 203, IDC_PROMPT = 2002, IDC_PREVIOUS = 2003 };

    // `helpOwner` owns the help window, which `helpWindow` points at while it is open; `repaintRow` draws
    // the row of a record (its depth) again on the log.
    EnterLithDlg(QWidget* parent, app::LogState& log, QWidget* helpOwner, QPointer<QWidget>& helpWindow,
        std::function<void(std::int32_t depth)> repaintRow);
    ~EnterLithDlg() override;

    // The value box's keys, walked as entry/entrywalk.h says.
    void KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl);
    const LithEntry& Entry() const { return entry_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void CmIntrpLith();
    void CmHelp();
    // The help window belongs to the main window; while the entry runs it is lent to the dialog, so
    // that the modal entry leaves it free to scroll.
    void LendHelp(QWidget* to);
    void ShowPrompt();
    // Shows the outcome; false when the step was refused and nothing was stored.
    bool Answer(const LithKeyResult& r);

    app::LogState& log_;
    QWidget* helpOwner_;
    QPointer<QWidget>& helpWindow_;
    std::function<void(std::int32_t)> repaintRow_;
    LithEntry entry_;
    std::unique_ptr<EntryEdit> edit_;
};

}  // namespace entry
