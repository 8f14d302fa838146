// Controls at fixed places in dialog units (PlaceAt), and their widening until their texts read whole.
#include "platform/ui/dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace platform {

namespace {

// Pixels kept clear right of a text, so that it never touches the text of the next control.
constexpr int kTextGap = 3;

// The width control `w` needs to show its text whole and clear, or 0 for controls without a text.
int NeededWidth(const QWidget& w)
{
    const auto textWidth = [&w](const QString& text) {
        int widest = 0;
        for (QString line : QString(text).remove('&').split('\n')) {
            while (line.endsWith(' ') || line.endsWith('\r'))  // blanks at the end are not seen
                line.chop(1);
            widest = std::max(widest, w.fontMetrics().horizontalAdvance(line));
        }
        return widest;
    };
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->text().trimmed().isEmpty() || label->wordWrap())
            return 0;
        const QMargins m = label->contentsMargins();
        return textWidth(label->text()) + m.left() + m.right() + 2 * label->frameWidth() + kTextGap;
    }
    if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w)) {
        const auto& b = static_cast<const QAbstractButton&>(w);
        return b.text().trimmed().isEmpty() ? 0 : b.sizeHint().width() + kTextGap;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return button->text().trimmed().isEmpty() ? 0 : textWidth(button->text()) + 2 * margin;
    }
    return 0;
}

}  // namespace

void Dialog::ApplyPlaces(QWidget* only)
{
    const QFontMetrics m = fontMetrics();
    const int bx = m.averageCharWidth(), by = m.height();
    // Widths and x in quarters of the character width; at a factor of 1 exactly as whole-number units.
    const auto across = [&](int units) { return widen_ == 1.0 ? units * bx / 4 : int(units * bx * widen_ / 4); };
    for (const auto& [w, u] : placed_)
        if (!only || w == only)
            w->setGeometry(across(u.x()), u.y() * by / 8, across(u.width()), u.height() * by / 8);
    if (!only && !unitSize_.isEmpty())
        setFixedSize(across(unitSize_.width()), unitSize_.height() * by / 8);
}

void Dialog::FitPlacedTexts()
{
    const double unit = fontMetrics().averageCharWidth() / 4.0;
    double factor = 1.0;
    for (const auto& [w, u] : placed_)
        if (const int needed = NeededWidth(*w); needed > 0 && u.width() > 0)
            factor = std::max(factor, (needed + 0.5) / (u.width() * unit));
    widen_ = factor;
    ApplyPlaces();
}

}  // namespace platform
