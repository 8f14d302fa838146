#pragma once
// OsRopDlg: edits the six offset-well entries of a well's settings record one at a time (depth shift,
// active flag, file name), stepping round with Next and Previous. It works on the caller's record; an
// entry's edits go into it when the dialog steps away from the entry or closes with OK.
#include "platform/ui/dialog.h"
#include "wellfile/wellconfig.h"

namespace shell {

class OsRopDlg : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_CLEAR = 101, ID_SHIFT = 102, ID_NEXT = 103, ID_PREVIOUS = 104, ID_ACTIVE = 105, ID_NAME = 106,
                 ID_NUMBER = 107 };
    static constexpr int kEntries = 6;

    OsRopDlg(QWidget* parent, wellfile::WellConfig& config);

    int Index() const { return index_; }

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    void ShowEntry();
    void StoreEntry();
    void Step(int delta);
    void Clear();

    wellfile::WellConfig& config_;
    int index_ = 0;
};

}  // namespace shell
