#include "logview/ui/readoutbox.h"

#include "platform/text.h"

#include <QFontMetrics>
#include <QLabel>

namespace logview {

namespace {
QString Text(const std::string& text) { return platform::FromCp1252(text.data(), text.size()); }
}  // namespace

void ReadoutBox::Prepare(QWidget* window)
{
    if (label_) {
        label_->hide();
        return;
    }
    if (!window)
        return;
    label_ = new QLabel(window);
    label_->setObjectName(QString::number(kReadoutBoxId));
    label_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setAutoFillBackground(true);
    label_->setAttribute(Qt::WA_ShowWithoutActivating);
    label_->setGeometry(100, 100, 100, 16);
    label_->hide();
}

void ReadoutBox::Hide()
{
    if (label_ && label_->isVisible())
        label_->hide();
}

void ReadoutBox::Show(const std::string& text, int x, int y, int width, int height, int clientTop)
{
    if (!label_)
        return;
    label_->setText(Text(text));
    // The sizes suit the old system font; a box too small for its lines in this one grows to hold them.
    const QSize lines =
        label_->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, label_->text()).size();
    const int frame = 2 * label_->frameWidth();
    if (lines.width() > width)
        width = lines.width() + frame;
    if (lines.height() > height)
        height = lines.height() + frame;
    label_->setGeometry(x, y + clientTop, width, height);
    label_->show();
}

int ReadoutBox::TextWidth(const std::string& text) const
{
    const QFontMetrics metrics = label_ ? label_->fontMetrics() : QFontMetrics(QFont());
    return metrics.horizontalAdvance(Text(text));
}

int ReadoutBox::LineHeight() const
{
    const QFontMetrics metrics = label_ ? label_->fontMetrics() : QFontMetrics(QFont());
    return metrics.height();
}

}  // namespace logview
