#include "support/cuttexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace testing_support {

namespace {

// The lines of a text as drawn: mnemonic marks and blanks at the line ends are not seen.
QStringList DrawnLines(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
    QStringList lines = text.split('\n');
    for (QString& line : lines)
        while (line.endsWith(' ') || line.endsWith('\r'))
            line.chop(1);
    return lines;
}

int TextWidth(const QWidget& w, const QStringList& lines)
{
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, w.fontMetrics().horizontalAdvance(line));
    return widest;
}

// A text, the room its widget gives it, and where it is drawn in the window.
struct Placed {
    const QWidget* widget;
    QString text;
    int needed;
    QRect room;
    Qt::Alignment align;
    QRect Drawn(const QWidget& window) const
    {
        const int lines = int(DrawnLines(text).size());
        const QRect r = QStyle::alignedRect(widget->layoutDirection(), align,
                                            QSize(needed, lines * widget->fontMetrics().height()), room);
        return QRect(widget->mapTo(&window, r.topLeft()), r.size());
    }
};

// The room a check box or radio button leaves its text right of the indicator.
QRect ButtonTextRoom(const QAbstractButton& b, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&b);
    option.text = b.text();
    return b.style()->subElementRect(contents, &option, &b);
}

}  // namespace

QStringList CutTexts(const QWidget& window)
{
    std::vector<Placed> texts;
    const auto add = [&](const QWidget& w, const QString& text, const QRect& room, Qt::Alignment align) {
        if (!text.trimmed().isEmpty())
            texts.push_back({&w, text, TextWidth(w, DrawnLines(text)), room, align});
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (!label->wordWrap() && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
                add(*label, label->text(), label->contentsRect().adjusted(std::max(label->indent(), 0), 0, 0, 0),
                    label->alignment());
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            add(*box, box->text(), ButtonTextRoom(*box, QStyle::SE_CheckBoxContents), Qt::AlignLeft | Qt::AlignVCenter);
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(w)) {
            add(*radio, radio->text(), ButtonTextRoom(*radio, QStyle::SE_RadioButtonContents),
                Qt::AlignLeft | Qt::AlignVCenter);
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            add(*button, button->text(), button->rect().adjusted(margin / 2, 0, -margin / 2, 0), Qt::AlignCenter);
        }
    }
    QStringList cut;
    const auto name = [](const Placed& p) {
        return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(p.widget->metaObject()->className()), p.text);
    };
    for (const Placed& p : texts)
        if (p.needed > p.room.width())
            cut << QStringLiteral("%1 needs %2 px, has %3 px").arg(name(p)).arg(p.needed).arg(p.room.width());
    // Texts of two widgets that touch or overlap read as one.
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (texts[i].Drawn(window).adjusted(-1, 0, 1, 0).intersects(texts[j].Drawn(window)))
                cut << QStringLiteral("%1 runs into %2").arg(name(texts[i]), name(texts[j]));
    return cut;
}

}  // namespace testing_support
