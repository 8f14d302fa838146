#include "shell/ui/labelgasdlg.h"

#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/profile.h"

namespace shell {

namespace {

bool OffersNc5(int profile) { return wellfile::SplitC5Profile(profile); }

}  // namespace

LabelGasDlgX::LabelGasDlgX(QWidget* parent, wellfile::RECORD& record, int profile)
    : Dialog(parent, QStringLiteral("Strativ Gas Labels")), record_(record), profile_(profile)
{
    AddStatic(ID_TITLE, QStringLiteral("Check each gas to be labeled"));
    static const char* const names[kGasBoxes] = {"HW", "C1", "C2", "C3", "IC4", "NC4", "C5", "NC5"};
    for (int i = 0; i < kGasBoxes; ++i) {
        if (i % 2 == 0)
            NewRow();
        AddCheck(ID_FIRST_GAS + i, QString::fromLatin1(names[i]));
    }
    NewRow();
    AddButton(platform::IDOK, QStringLiteral("Save"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
}

void LabelGasDlgX::SetupWindow()
{
    if (!OffersNc5(profile_)) {
        SetCheck(ID_FIRST_GAS + 7, platform::BST_UNCHECKED);
        Show(ID_FIRST_GAS + 7, false);
    }
    // A hidden NC5 box still carries the record's label, so Save keeps it as it was.
    for (int i = 0; i < kGasBoxes; ++i)
        SetCheck(ID_FIRST_GAS + i, record_.gas[i] < 0 ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetText(ID_TITLE, QString::fromStdString(platform::CFormat("Select Gasses to label at %d", int(record_.depth))));
}

void LabelGasDlgX::TransferOut()
{
    for (int i = 0; i < kGasBoxes; ++i) {
        const float value = record_.gas[i];
        const bool labelled = GetCheck(ID_FIRST_GAS + i) == platform::BST_CHECKED;
        // A value of 0 has no sign to carry the mark: it stays 0.
        if ((labelled && value > 0) || (!labelled && value < 0))
            record_.gas[i] = -value;
    }
}

}  // namespace shell
