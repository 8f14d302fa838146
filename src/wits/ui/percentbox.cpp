#include "wits/ui/percentbox.h"

#include <QPainter>

namespace wits {

PercentBox::PercentBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PercentBox::Paint(const QColor& fill, const QString& text)
{
    fill_ = fill;
    text_ = text;
    update();
}

void PercentBox::paintEvent(QPaintEvent*)
{
    if (!fill_)
        return;
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(*fill_);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setFont(font());
    p.drawText(QRect(2, 1, width() - 3, height() - 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

}  // namespace wits
