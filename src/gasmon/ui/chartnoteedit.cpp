#include "gasmon/ui/chartnoteedit.h"

#include "gasmon/chartnotes.h"
#include "platform/text.h"

#include <QKeyEvent>

namespace gasmon {

ChartNoteEdit::ChartNoteEdit(QWidget* chart, int x, int y, const QByteArray& text,
                             std::function<void(const QByteArray&, int, int)> place, std::function<void()> drop)
    : QLineEdit(chart), place_(std::move(place)), drop_(std::move(drop))
{
    setObjectName(QStringLiteral("ChartNoteEdit"));
    setMaxLength(kChartNoteLength);
    setText(platform::FromCp1252(text));
    setGeometry(x, y, kChartNoteEditWidth, kChartNoteEditHeight);
    show();
    setFocus();
}

void ChartNoteEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        if (auto drop = drop_)
            drop();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // The chart closes this edit when it redraws, so the handler is copied first.
        if (auto place = place_)
            place(platform::ToCp1252(text()), x(), y());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace gasmon
