#pragma once
// The desktop's message and input boxes as the real prompter shows them, made apart from showing so that
// their size can be checked.
#include <QList>
#include <QMessageBox>
#include <QString>

#include <memory>
#include <utility>

class QInputDialog;
class QWidget;

namespace platform {

// The box of `text` under `caption` (the program's name when empty) with the icon and buttons of the MB_
// `flags`; `answers` gets each button with the id it answers, in order.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags,
                                            QList<std::pair<QMessageBox::StandardButton, int>>& answers);
// The box asking for a line of text; with a buffer `size` the field takes at most size - 1 characters.
std::unique_ptr<QInputDialog> MakeInputBox(QWidget* parent, const QString& prompt, const QString& caption,
                                           const QString& initial, int size);

}  // namespace platform
