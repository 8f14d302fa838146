#pragma once
// The real services of a desktop session: Qt message boxes and file dialogs, the system beep,
// the clipboard, and the core clock, timers, message queue and programs.
namespace platform {
// Installs the real services; call once after the QApplication exists.
void InstallRealServices();
}  // namespace platform
