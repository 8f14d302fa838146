#include "platform/ui/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepRequested(UpDelta()); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepRequested(-UpDelta()); });
}

void UpDown::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    SetPosition(position_);
}

void UpDown::SetPosition(int position)
{
    position_ = std::clamp(position, std::min(lower_, upper_), std::max(lower_, upper_));
}

void UpDown::PressUp()
{
    if (isEnabled() && isVisibleTo(window()))
        up_->click();
}

void UpDown::PressDown()
{
    if (isEnabled() && isVisibleTo(window()))
        down_->click();
}

}  // namespace platform
