#include "app/ui/helpdlg.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

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
    SetText(ID_TEXT, text_);
    // Every line whole beside the scroll bar; on a screen too narrow for that the lines wrap instead.
    auto* edit = static_cast<QPlainTextEdit*>(Control(ID_TEXT));
    const QFontMetrics metrics(edit->font());
    int longest = 0;
    for (const QString& line : text_.split(QLatin1Char('\n')))
        longest = std::max(longest, metrics.horizontalAdvance(QString(line).remove(QLatin1Char('\r'))));
    const QMargins m = layout() ? layout()->contentsMargins() : QMargins();
    int wanted = longest + 2 * metrics.averageCharWidth() + 2 * edit->frameWidth() +
                 2 * int(edit->document()->documentMargin()) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                 m.left() + m.right();
    if (const QScreen* s = screen(); s && wanted > s->availableGeometry().width() * 9 / 10) {
        wanted = s->availableGeometry().width() * 9 / 10;
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    setFixedWidth(std::max({width(), minimumSizeHint().width(), wanted}));  // the heading whole too
    if (keepCaption_ == 0)
        setWindowTitle(QStringLiteral("GAS MONITOR HELP"));
}

}  // namespace app
