#include "platform/inputbox.h"

#include "platform/services.h"

namespace platform {

int AskInput(const QString& title, const QString& prompt, QString& buffer, int size)
{
    Prompter* prompter = services().prompter;
    if (!prompter) {
        buffer.clear();
        return 0;
    }
    return AskInputWith(*prompter, title, prompt, buffer, size);
}

int AskInputWith(Prompter& prompter, const QString& title, const QString& prompt, QString& buffer, int size)
{
    const std::optional<QString> answer = prompter.InputBox(prompt, title, buffer, size);
    if (!answer) {
        buffer.clear();
        return 0;
    }
    buffer = size > 0 ? answer->left(size - 1) : *answer;
    return 1;
}

}  // namespace platform
