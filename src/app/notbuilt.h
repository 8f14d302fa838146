#pragma once
// Services whose subsystem is not built yet answer through these: one line on stderr (once per
// service, so a timer does not flood it) and, for a user's command, a beep.
namespace app {

void NotBuilt(const char* subsystem, const char* service);
// A command of a subsystem that is not built yet: says so once and beeps every time.
void NotBuiltCommand(const char* subsystem, const char* command);

}  // namespace app
