#pragma once
// The read-out box of the log: one framed label over the log window, made by the first click that
// reaches the read-outs and kept for the life of the window. Every such click hides it; a read-out shows
// it with its text, its top-left corner at the click point.
#include <QLabel>
#include <QPointer>
#include <QString>

#include <string>

class QWidget;

namespace logview {

constexpr int kReadoutBoxId = 1001;

class ReadoutBox {
public:
    // Makes the box over `window` when there is none (hidden, at (100, 100), 100 x 16), else hides it.
    void Prepare(QWidget* window);
    // Hides the box (the log moved under it); nothing when there is none.
    void Hide();
    bool Exists() const { return !label_.isNull(); }
    bool Visible() const { return label_ && label_->isVisible(); }
    // Shows `text` (Windows-1252, "\n" line breaks) in a `width` x `height` box at client point (x, y);
    // `clientTop` is the client area's y in the window.
    void Show(const std::string& text, int x, int y, int width, int height, int clientTop);
    // The width of a line of text in the box's font.
    int TextWidth(const std::string& text) const;
    int LineHeight() const;
    QLabel* Label() const { return label_; }

private:
    QPointer<QLabel> label_;
};

}  // namespace logview
