#include "elog/ui/customlasdialog.h"

#include "platform/ui/controls.h"

namespace elog {

namespace id = custlasid;

CUSTLASDLG::CUSTLASDLG(QWidget* parent) : Dialog(parent, QStringLiteral("Strativ Custom LAS "))
{
    BeginGroup(platform::IDC_STATIC, QStringLiteral("GROUPS"));
    AddCheck(id::Lithology, QStringLiteral("Lithology"));
    AddCheck(id::BasicMudlog, QStringLiteral("Basic Mudlog"));
    EndGroup();
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Items"));
    NewRow();
    AddList(id::Items);
    AddOkCancel();
    On(id::BasicMudlog, platform::BN_CLICKED, [] {});
}

}  // namespace elog
