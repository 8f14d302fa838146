#pragma once
// InsertDelete (dialog 25): blank records inserted at a depth, records deleted at a depth, or the file's
// depths checked for gaps. An insert or delete is confirmed when the count field is left and runs on
// "Continue"; moving into either field again asks for a new confirmation.
#include "platform/ui/dialog.h"
#include "wellfile/insertdelete.h"

#include <cstdint>

namespace app { struct LogState; struct WellServices; }

namespace shell {

class InsertDelete : public platform::Dialog {
public:
    // `fullMode` 1 offers all three operations, 0 the check only.
    InsertDelete(QWidget* parent, app::LogState& log, const app::WellServices& services, bool fullMode);

    // The operations on the open well's files: 1 done (no gap), 0 refused or failed (a gap).
    int InsertRecords();
    int DeleteRecords();
    int CheckDepths();

protected:
    void SetupWindow() override;

private:
    wellfile::RecordOperation Operation() const;
    void EnableEntry();
    void SelectCheck();
    void Confirm();
    void CmContinue();
    // Takes the outcome of an insert or delete into the open well; 1 when it was done.
    int TakeShift(wellfile::RecordOperation op, const wellfile::RecordShift& shift);

    app::LogState& log_;
    const app::WellServices& services_;
    bool fullMode_;
    std::int32_t depth_ = 0;
    int count_ = 0;
};

}  // namespace shell
