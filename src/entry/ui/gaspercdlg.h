#pragma once
// "Gas Percent Values" (dialog resource 39): the test-gas values typed in and written into the records of
// a depth interval, interval after interval ("Save" as often as wanted, "Close" ends). An interval that
// reaches the bottom while drilling also makes them the drilling object's current values.
#include "entry/testgas.h"
#include "platform/ui/dialog.h"
#include "wellfile/record.h"

namespace app {
struct LogState;
}

namespace entry {

class GasPercDlg final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_C1 = 101,
        IDC_C2 = 102,
        IDC_C3 = 103,
        IDC_IC4 = 104,
        IDC_NC4 = 105,
        IDC_HW = 106,
        IDC_FROM = 107,
        IDC_TO = 108,
        IDC_IC5 = 115,
        IDC_HW_LABEL = 116,
        IDC_SAVE = 117,
        IDC_NC5 = 118,
    };

    // `last` is the data file's last record, whose values are shown.
    GasPercDlg(QWidget* parent, app::LogState& log, const wellfile::RECORD& last);

    void CmSave();

protected:
    void SetupWindow() override;

private:
    app::LogState& log_;
    wellfile::RECORD last_;
    TestGasInterval interval_;
    TestGasValues values_{};
};

}  // namespace entry
