#include "platform/ui/titlebar.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QWidget>

namespace platform {

int TitleBarWidth(const QFont& font, const QString& caption)
{
    // Title fonts are bold, at most the size of the dialog font (openbox: 8-point sans). The icon, the
    // three buttons and the paddings take about eight line heights (openbox: 110 pixels beside the
    // caption, where four line heights left "Drilling Status" cut).
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics m(bold);
    return m.horizontalAdvance(caption) + 8 * m.height();
}

void WidenToCaption(QWidget& window)
{
    // A window without a title bar (the quick view bar on the menu line) keeps its width.
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint) || window.windowType() == Qt::Popup)
        return;
    const int wanted = TitleBarWidth(window.font(), window.windowTitle());
    if (window.width() >= wanted)
        return;
    if (window.maximumWidth() < wanted)
        window.setMaximumWidth(wanted);  // a window of fixed size grows as well
    window.resize(wanted, window.height());
}

void KeepCaptionWidth(QDialog& box)
{
    // The boxes fix their size from their layout's least size each time they are shown: a spacer across
    // the layout's bottom sets that least width.
    const int wanted = TitleBarWidth(box.font(), box.windowTitle());
    QLayout* layout = box.layout();
    if (!layout)
        return;
    const QMargins margins = layout->contentsMargins();
    auto* spacer = new QSpacerItem(wanted - margins.left() - margins.right(), 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
        grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
    else if (auto* column = qobject_cast<QBoxLayout*>(layout))
        column->addItem(spacer);
    else
        delete spacer;
}

}  // namespace platform
