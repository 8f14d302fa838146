#pragma once
// The value box of an entry dialog: a dialog edit whose keys follow the box's rules (entry/entrykeys.h).
// Keys the box hands on reach the dialog's key handler as (text or none, key, Ctrl held) and do not edit
// the box; the rest edit it as usual.
#include "entry/entrykeys.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QKeyEvent;
namespace platform {
class SVEdit;
}

namespace entry {

// The Windows virtual-key code of a key press; 0 for a modifier key on its own.
int VirtualKey(const QKeyEvent& event);

class EntryEdit final : public QObject {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(const std::optional<QString>& text, int key, bool ctrl)>;
    // Takes over the keys of `box` (which keeps its own text limit).
    EntryEdit(platform::SVEdit* box, EntryBox kind, KeyHandler handler);
    // The line still in the box as Enter would hand it on; none when the box holds only blanks. "Done"
    // enters it first, so that a last value typed without Enter is kept.
    std::optional<QString> PendingLine() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString FirstLine() const;  // what Enter hands on

    platform::SVEdit* box_;
    EntryBox kind_;
    KeyHandler handler_;
    QString buffer_;  // the first line handed on with Enter, emptied again afterwards
};

}  // namespace entry
