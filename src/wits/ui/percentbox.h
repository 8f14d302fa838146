#pragma once
// The WITS data window's link-quality box: a rectangle in the colour of the percentage with the
// percentage written in it, laid over the window's PERCENT field. It draws only what it was last asked
// to paint, so a read that does not ask leaves the box as it was.
#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

namespace wits {

class PercentBox final : public QWidget {
    Q_OBJECT
public:
    explicit PercentBox(QWidget* parent);

    // Fills the box with `fill` inside a black frame and writes `text` at its top left.
    void Paint(const QColor& fill, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> fill_;  // none before the first painting: the field below shows
    QString text_;
};

}  // namespace wits
