#include "platform/inputbox.h"

#include "platform/services.h"

namespace platform {

int AskInput(const QString& title, const QString& prompt, QString& buffer, int size)
{
    Prompter* prompter = services().prompter;
    const std::optional<QString> answer =
        prompter ? prompter->InputBox(prompt, title, buffer, size) : std::optional<QString>();
    if (!answer) {
        buffer.clear();
        return 0;
    }
    buffer = size > 0 ? answer->left(size - 1) : *answer;
    return 1;
}

}  // namespace platform
