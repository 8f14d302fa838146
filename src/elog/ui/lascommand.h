#pragma once
// The LAS export command: asks for the range (or, sending, takes the first depth + 20 to the last),
// writes the remarks file and the LAS file into "mudloglas/" of the data folder, then shows the file or
// copies it for sending. With the well's Basic LAS setting the custom export writes the LAS file.
#include "elog/lasexport.h"

#include <QString>

#include <array>
#include <string>

class QWidget;

namespace app {
struct LogState;
}

namespace elog {

void CreateLasFile(app::LogState& log, bool sendMode, QWidget* parent = nullptr);
// The memos as "mudloglas/<well>.txt"; "FILE NOT FOUND" / "ERROR" when it cannot be written.
void WriteLasRemarks(app::LogState& log);

// ---- Shared with the custom LAS export ----
// "mudloglas/" of the data folder.
QString LasFolder(const app::LogState& log);
// Replaces `path` (its folder made when missing) through a temporary file; false when that failed.
bool WriteLasText(const QString& path, const std::string& text);
// The copies for sending: "sendFile/<well>.las" and "<well>.las" in the data folder.
void CopyLasForSending(const app::LogState& log, const QString& lasPath);
// The names of the four custom columns from the well's custom-track configuration.
std::array<std::string, 4> LasCustomNamesOf(app::LogState& log);
// The window's settings both writers read.
LasSettings LasSettingsOf(const app::LogState& log);

}  // namespace elog
