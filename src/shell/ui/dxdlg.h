#pragma once
// DXDLG: the d-exponent calculator. From the rate of penetration R, the rotary speed N, the weight on
// bit W and the bit diameter D it shows ln(R / 60N) / ln(12W / 1,000,000 D).
#include "platform/ui/dialog.h"

namespace shell {

class DXDLG : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_RATE = 101, ID_DIAMETER = 103, ID_CALCULATE = 104, ID_RESULT = 105, ID_WEIGHT = 106,
                 ID_ROTARY = 107 };

    explicit DXDLG(QWidget* parent);

    float Result() const { return result_; }

private:
    void Calculate();

    float rate_ = 0, rotary_ = 0, weight_ = 0, diameter_ = 0;
    float result_ = 0;
};

}  // namespace shell
