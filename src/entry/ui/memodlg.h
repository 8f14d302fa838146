#pragma once
// The memo dialog (dialog resource 14): the well's memos one at a time, browsed, added, deleted and
// saved on a working copy of the memo file; the window's memos are loaded again after each save and
// when the dialog has closed. CLOSE ends it without writing.
#include "entry/memobook.h"
#include "entry/ui/notedialog.h"

#include <functional>

namespace app {
struct LogState;
}

namespace entry {

// Writes the memo slot numbers over the window's log (the backing store), or with `erase` takes them off
// in the background colour; they stay until the log is painted again. Nothing without a backing store.
void WriteMemoLabels(app::LogState& log, bool erase);

class MEMODLG final : public NoteDialog {
    Q_OBJECT
public:
    // Shows memo `index` of the file (below 0: the last); `repaint` draws the log again after a save.
    MEMODLG(QWidget* parent, app::LogState& log, int index, std::function<void()> repaint = {});

    const MemoBook& Book() const { return book_; }

protected:
    void SetupWindow() override;
    // The records are the book's memos; the shown one's colours are its text and frame colours.
    int RecordCount() const override { return book_.count; }
    int& ShownRecord() override { return book_.shown; }
    void Transfer(bool toControls) override { TransferMemo(toControls); }
    std::uint32_t RecordColour(Colour which) override;
    void SetRecordColour(Colour which, std::uint32_t colour) override;

private:
    void TransferMemo(bool toControls);
    void CmSave();
    void CmNew();
    // Asks first; the file goes only with the next SAVE, but the only memo's file at once.
    void CmDelete();
    void CmSetAsDefault();

    app::LogState& log_;
    int requested_;
    std::function<void()> repaint_;
    MemoBook book_;
    std::int32_t shownSlot_ = 0;  // the text position when the memo was shown
};

}  // namespace entry
