#pragma once
// The one-line input box as the commands ask it, through the platform's prompter.
#include <QString>

namespace platform {

class Prompter;

// Proposes `buffer`: 1 on OK with the answer in `buffer` (at most size - 1 characters), 0 on Cancel
// with `buffer` emptied.
int AskInput(const QString& title, const QString& prompt, QString& buffer, int size);
// The same through `prompter` rather than the platform's.
int AskInputWith(Prompter& prompter, const QString& title, const QString& prompt, QString& buffer, int size);

}  // namespace platform
