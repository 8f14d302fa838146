#pragma once
// The one-line edit a note is typed in on the gas chart: 140 x 20 at its place, at most 19 characters.
// Enter hands its text and place to the chart; Escape drops it. Every other key edits.
#include <QByteArray>
#include <QLineEdit>

#include <functional>

namespace gasmon {

class ChartNoteEdit final : public QLineEdit {
public:
    // Enter: `place`(text in Windows-1252, left, top). Escape: `drop`.
    ChartNoteEdit(QWidget* chart, int x, int y, const QByteArray& text,
                  std::function<void(const QByteArray&, int, int)> place, std::function<void()> drop);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::function<void(const QByteArray&, int, int)> place_;
    std::function<void()> drop_;
};

}  // namespace gasmon
