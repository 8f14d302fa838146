#include "app/windowboxes.h"

#include "app/environment.h"
#include "platform/messagewindows.h"

#include <utility>

namespace app {

void SayAboveWindow(Environment& env, const QString& text, const QString& caption)
{
    if (env.windowShown)
        platform::PostMessageBox(text, caption);
    else
        env.boxesForWindow.emplace_back(text, caption);
}

void WindowShown(Environment& env)
{
    env.windowShown = true;
    for (const auto& [text, caption] : std::exchange(env.boxesForWindow, {}))
        platform::PostMessageBox(text, caption);
}

}  // namespace app
