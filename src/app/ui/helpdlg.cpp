#include "app/ui/helpdlg.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>

namespace app {

HelpDlg::HelpDlg(QWidget* owner, const QString& text, const QString& heading, int keepCaption)
    : Dialog(owner, QStringLiteral("Strativ Help")), text_(text), heading_(heading), keepCaption_(keepCaption)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    AddStatic(ID_HEADING, QString())->setFont(fixed);
    NewRow();
    QPlainTextEdit* edit = AddMultiLineEdit(ID_TEXT, true);
    edit->setFont(fixed);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetDialogUnitSize(222, 320);
}

void HelpDlg::SetupWindow()
{
    if (heading_.isEmpty())
        Show(ID_HEADING, false);
    else
        SetText(ID_HEADING, heading_);
    setFixedWidth(std::max(width(), minimumSizeHint().width()));  // the heading whole
    SetText(ID_TEXT, text_);
    if (keepCaption_ == 0)
        setWindowTitle(QStringLiteral("GAS MONITOR HELP"));
}

}  // namespace app
