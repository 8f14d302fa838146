#include "app/notbuilt.h"

#include "platform/services.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace app {

void NotBuilt(const char* subsystem, const char* service)
{
    static std::mutex mutex;
    static std::set<std::string> said;
    std::lock_guard lock(mutex);
    if (said.insert(std::string(subsystem) + '/' + service).second)
        std::fprintf(stderr, "%s: %s not built yet\n", subsystem, service);
}

void NotBuiltCommand(const char* subsystem, const char* command)
{
    NotBuilt(subsystem, command);
    platform::MessageBeep(0);
}

}  // namespace app
