#include "shell/ui/dxdlg.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "tracks/curvehelpers.h"

#include <cstdlib>

namespace shell {

namespace {

// An edit's text as C's atof reads it: the leading number, 0 when there is none.

}  // namespace

DXDLG::DXDLG(QWidget* parent) : Dialog(parent, QStringLiteral("D-Exponent"))
{
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("ROP (R)"));
    AddEdit(ID_RATE, 28, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("RPM (N)"));
    AddEdit(ID_ROTARY, 28, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("WOB (W)"));
    AddEdit(ID_WEIGHT, 28, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Bit Size (D)"));
    AddEdit(ID_DIAMETER, 28, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("d-exponent"));
    AddEdit(ID_RESULT, 128, 10);
    EndGrid();
    NewRow();
    AddButton(ID_CALCULATE, QStringLiteral("Calculate"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Close"));
    On(ID_CALCULATE, platform::BN_CLICKED, [this] { Calculate(); });
}

void DXDLG::Calculate()
{
    rate_ = platform::LeadingFloat(GetText(ID_RATE));
    rotary_ = platform::LeadingFloat(GetText(ID_ROTARY));
    weight_ = platform::LeadingFloat(GetText(ID_WEIGHT));
    diameter_ = platform::LeadingFloat(GetText(ID_DIAMETER));
    if (rate_ <= 0 || rotary_ <= 0 || weight_ <= 0 || diameter_ <= 0) {
        SetText(ID_RESULT, QStringLiteral("######"));
        return;
    }
    // The uncorrected exponent: the corrected one referred to its own reference mud weight.
    result_ = float(tracks::CalcDExponent(rate_, 60.0 * rotary_, 12.0 * weight_, tracks::kReferenceMudWeight,
                                          1000000.0 * diameter_));
    SetText(ID_RESULT, QString::fromStdString(platform::CFormat("%3.2f", double(result_))));
}

}  // namespace shell
