#include "app/nowindow.h"

#include "platform/services.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace app {

void NoWindowCommand(const char* subsystem, const char* command)
{
    static std::mutex mutex;
    static std::set<std::string> said;
    {
        std::lock_guard lock(mutex);
        if (said.insert(std::string(subsystem) + '/' + command).second)
            std::fprintf(stderr, "%s: %s needs the main window\n", subsystem, command);
    }
    platform::MessageBeep(0);
}

}  // namespace app
