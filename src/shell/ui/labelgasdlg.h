#pragma once
// LabelGasDlgX (dialog 55, "Strativ Gas Labels"): chooses which gases of one depth record are labelled
// on the log. A gas of the whole step is labelled when it is stored below 0; its magnitude is the value.
// "Save" writes the choice into the record (the caller writes the record back), "Cancel" leaves it.
#include "platform/ui/dialog.h"
#include "wellfile/record.h"

namespace shell {

class LabelGasDlgX : public platform::Dialog {
    Q_OBJECT
public:
    // The title static and the eight boxes: HW (total gas), C1, C2, C3, IC4, NC4, C5 and NC5.
    enum : int { ID_TITLE = 109, ID_FIRST_GAS = 101, kGasBoxes = 8 };

    // `profile`: the logging-company profile of the open well; only some offer NC5.
    LabelGasDlgX(QWidget* parent, wellfile::RECORD& record, int profile);

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    wellfile::RECORD& record_;
    int profile_;
};

}  // namespace shell
