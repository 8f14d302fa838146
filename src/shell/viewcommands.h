#pragma once
// The commands that a view function under way (`commandLock`) holds back: those that change what the
// log shows or the records behind it. Everything else (exit, help, the recent files, reports, printing,
// the instrument set-ups) still runs while the view is busy.

namespace shell {

enum class ViewBusyAnswer {
    Runs,     // not a view command
    Beeps,    // refused with MessageBeep(0)
    Silent,   // refused without a sound (new well, plug back, Save As)
};

ViewBusyAnswer WhileViewBusy(int commandId);

}  // namespace shell
