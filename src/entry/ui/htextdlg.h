#pragma once
// The note dialog (dialog resource 69): the horizontal view's depth notes one at a time, edited in the
// view's own array. SAVE and DELETE write the note file at once; CLOSE (result 1) tells the view to
// read the notes again, so edits not saved are dropped.
#include "entry/ui/notedialog.h"
#include "wellfile/memorecords.h"

#include <algorithm>
#include <vector>

namespace app {
struct LogState;
}

namespace entry {

class HTEXTDLG final : public NoteDialog {
    Q_OBJECT
public:
    // On the view's `notes`, showing note `index`; `count` is the view's note count, kept up to date.
    HTEXTDLG(QWidget* parent, app::LogState& log, std::vector<wellfile::HTEXTEX>& notes, int index, int* count);

    int Shown() const { return index_; }
    int Count() const { return count_; }

protected:
    void SetupWindow() override;
    // The records are the view's first `count` notes; the shown one's colours are its text and
    // background colours.
    int RecordCount() const override { return std::min(count_, int(notes_.size())); }
    int& ShownRecord() override { return index_; }
    void Transfer(bool toControls) override { TransferNote(toControls); }
    std::uint32_t RecordColour(Colour which) override;
    void SetRecordColour(Colour which, std::uint32_t colour) override;

private:
    void TransferNote(bool toControls);
    void CmSave();
    void CmNew();
    // Without asking, and the file is written at once.
    void CmDelete();
    void CmSetAsDefault();
    bool SaveNotes();
    void SetCount(int count);
    wellfile::HTEXTEX* Note();

    app::LogState& log_;
    std::vector<wellfile::HTEXTEX>& notes_;
    int* viewCount_;
    int count_;
    int index_;
    bool adding_ = false;
};

}  // namespace entry
