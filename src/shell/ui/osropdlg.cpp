#include "shell/ui/osropdlg.h"

#include "platform/text.h"
#include "platform/ui/svedit.h"

namespace shell {

OsRopDlg::OsRopDlg(QWidget* parent, wellfile::WellConfig& config)
    : Dialog(parent, QStringLiteral("Offset Wells")), config_(config)
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Offset well"));
    AddStatic(ID_NUMBER, QString());
    NewRow();
    AddStatic(ID_NAME, QString());
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Depth shift"));
    AddEdit(ID_SHIFT, 10, 10);
    AddCheck(ID_ACTIVE, QStringLiteral("Active"));
    NewRow();
    AddButton(ID_PREVIOUS, QStringLiteral("Previous"));
    AddButton(ID_NEXT, QStringLiteral("Next"));
    AddButton(ID_CLEAR, QStringLiteral("Clear"));
    AddOkCancel();

    On(ID_NEXT, platform::BN_CLICKED, [this] { Step(1); });
    On(ID_PREVIOUS, platform::BN_CLICKED, [this] { Step(-1); });
    On(ID_CLEAR, platform::BN_CLICKED, [this] { Clear(); });
}

void OsRopDlg::SetupWindow()
{
    index_ = 0;
    ShowEntry();
}

void OsRopDlg::TransferOut() { StoreEntry(); }

void OsRopDlg::ShowEntry()
{
    const wellfile::OffsetWellEntry& e = config_.offsetWells[index_];
    SetInt(ID_NUMBER, index_ + 1);
    SetFromField(ID_NAME, e.fileName);
    SetInt(ID_SHIFT, e.depthShift);
    SetCheck(ID_ACTIVE, e.active == 1 ? platform::BST_CHECKED : platform::BST_UNCHECKED);
}

void OsRopDlg::StoreEntry()
{
    wellfile::OffsetWellEntry& e = config_.offsetWells[index_];
    e.depthShift = GetInt(ID_SHIFT);
    e.active = GetCheck(ID_ACTIVE) == platform::BST_CHECKED ? 1 : 0;
}

void OsRopDlg::Step(int delta)
{
    StoreEntry();
    index_ = (index_ + delta + kEntries) % kEntries;
    ShowEntry();
    SetFocusTo(ID_SHIFT);
    if (auto* edit = ControlAs<platform::SVEdit>(ID_SHIFT))
        edit->selectAll();
}

void OsRopDlg::Clear()
{
    wellfile::OffsetWellEntry& e = config_.offsetWells[index_];
    e.depthShift = 0;
    e.active = 0;
    e.fileName[0] = '\0';
    ShowEntry();
}

}  // namespace shell
