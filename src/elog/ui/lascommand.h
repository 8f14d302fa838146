#pragma once
// The LAS export command: asks for the range (or, sending, takes the first depth + 20 to the last),
// writes the remarks file and the LAS file into "mudloglas/" of the data folder, then shows the file or
// copies it for sending.
class QWidget;

namespace app {
struct LogState;
}

namespace elog {

void CreateLasFile(app::LogState& log, bool sendMode, QWidget* parent = nullptr);
// The memos as "mudloglas/<well>.txt"; "FILE NOT FOUND" / "ERROR" when it cannot be written.
void WriteLasRemarks(app::LogState& log);

}  // namespace elog
