#pragma once
// What the entry commands' tests on a bare window state start from: a well of depths `first` to `last`
// shown from 1200 on scale 3, and an input box of the command's own that answers as scripted.
#include "app/logstate.h"
#include "support/doubles.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace testing_support {

struct CommandWell {
    CommandWell(const QString& folder, const QString& fileName, int first, int last);

    // The command's input box, which always asks for at most five characters.
    int AskInput(const QString& title, const QString& prompt, QString& buffer, int size);

    app::LogState s;
    QString path;
    FakePrompter input;
    // Its scripted answers (nullopt cancels), and what it asked and proposed.
    std::deque<std::optional<QString>>& answers = input.inputAnswers;
    QStringList& prompts = input.inputPrompts;
    QStringList& titles = input.inputCaptions;
    QStringList& proposed = input.inputInitials;
};

}  // namespace testing_support
