#pragma once
// FormDialog: a dialog built from lists. Captioned fields: each caption is a static in the cell left of
// its control, in the grid the subclass has begun (BeginGrid), so that a block of fields is one list of
// rows. A whole dialog declared as a table of controls and layout steps (platform/ui/dialogitems.h):
// AddTable.
#include "platform/ui/dialog.h"

#include <initializer_list>
#include <span>

namespace platform {

struct DialogItem;

class FormDialog : public Dialog {
    Q_OBJECT
public:
    using Dialog::Dialog;

protected:
    // One caption and the control beside it. For an edit `limit` is its text limit and `chars` the
    // characters it shows (0: the default width).
    struct Captioned {
        const char* caption;  // Latin-1; "" keeps an empty caption cell
        int id;
        int limit = 0;
        int chars = 0;
    };

    QLabel* AddCaption(const char* text);
    void AddCaptionedEdits(std::initializer_list<Captioned> fields);
    void AddCaptionedCombos(std::initializer_list<Captioned> fields);
    // Captions beside statics the dialog fills later.
    void AddCaptionedTexts(std::initializer_list<Captioned> fields);
    // A grid of `pairs` caption and edit pairs a row, holding `fields`.
    void AddEditGrid(int pairs, std::initializer_list<Captioned> fields);
    // Adds the items of a table in order (the tab order).
    void AddTable(std::span<const DialogItem> items);
};

}  // namespace platform
